#include "windowsurface.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

WindowSurface::WindowSurface(QWidget *window, QSize size, QColor background, const QFont &font,
                             QColor textColour)
    : window_(window), image_(size, QImage::Format_RGB32), background_(background),
      pen_(Qt::black), font_(font), textColour_(textColour) {
  image_.fill(background_);
}

void WindowSurface::rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top)
    return;
  const QRect area(QPoint(left, top), QPoint(right - 1, bottom - 1));
  QPainter painter(&image_);
  painter.fillRect(area, background_);
  painter.setPen(QPen(pen_, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  changed(area);
}

void WindowSurface::textOut(int x, int y, const QString &text) {
  QPainter painter(&image_);
  painter.setFont(font_);
  const QFontMetrics metrics(font_);
  const QRect area(x, y, metrics.horizontalAdvance(text), metrics.height());
  painter.fillRect(area, background_);
  painter.setPen(textColour_);
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
  changed(area);
}

void WindowSurface::draw(int x, int y, const QPixmap &picture) {
  QPainter painter(&image_);
  painter.drawPixmap(x, y, picture);
  changed(QRect(QPoint(x, y), picture.size()));
}

void WindowSurface::paint(QPainter &painter, const QRect &area) const {
  const QRect onSurface = area & image_.rect();
  if (!onSurface.isEmpty())
    painter.drawImage(onSurface.topLeft(), image_, onSurface);
  const QRegion beyond = QRegion(area) - QRegion(image_.rect());
  for (const QRect &part : beyond)
    painter.fillRect(part, background_);
}

void WindowSurface::changed(const QRect &area) { window_->update(area); }
