#include "windowsurface.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

WindowSurface::WindowSurface(QWidget *window, QSize size, QColor background, const QFont &font,
                             QColor textColour)
    : window_(window), size_(size), background_(background), pen_(Qt::black), font_(font),
      textColour_(textColour) {}

QImage &WindowSurface::canvas() const {
  if (image_.isNull()) {
    image_ = QImage(size_, QImage::Format_RGB32);
    image_.fill(background_);
  }
  return image_;
}

void WindowSurface::rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top)
    return;
  const QRect area(QPoint(left, top), QPoint(right - 1, bottom - 1));
  QPainter painter(&canvas());
  painter.fillRect(area, background_);
  painter.setPen(QPen(pen_, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  changed(area);
}

void WindowSurface::textOut(int x, int y, const QString &text) {
  QPainter painter(&canvas());
  painter.setFont(font_);
  const QFontMetrics metrics(font_);
  const QRect area(x, y, metrics.horizontalAdvance(text), metrics.height());
  painter.fillRect(area, background_);
  painter.setPen(textColour_);
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
  changed(area);
}

void WindowSurface::draw(int x, int y, const QPixmap &picture) {
  QPainter painter(&canvas());
  painter.drawPixmap(x, y, picture);
  changed(QRect(QPoint(x, y), picture.size()));
}

void WindowSurface::paint(QPainter &painter, QRect area) const {
  // Before the first drawing there is no image: all of it is background.
  const QRect onSurface = area & image_.rect();
  if (!onSurface.isEmpty())
    painter.drawImage(onSurface.topLeft(), image_, onSurface);
  const QRegion beyond = QRegion(area) - QRegion(image_.rect());
  for (const QRect &part : beyond)
    painter.fillRect(part, background_);
}

void WindowSurface::changed(QRect area) { window_->update(area); }
