#include "windowsurface.h"

#include "picture.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <QtMath>

WindowSurface::WindowSurface(QWidget *window, QSize size, QColor background, const QFont &font,
                             QColor textColour)
    : window_(window), size_(size), background_(background), pen_(Qt::black), font_(font),
      textColour_(textColour) {}

QImage &WindowSurface::canvas() const {
  if (image_.isNull()) {
    const qreal ratio = window_->devicePixelRatio();
    image_ =
        QImage(qCeil(size_.width() * ratio), qCeil(size_.height() * ratio), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
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
  changed(QRectF(QPointF(x, y), picture.deviceIndependentSize()).toAlignedRect());
}

void WindowSurface::draw(int x, int y, const Picture &picture) {
  draw(x, y, picture.pixmap(canvas().devicePixelRatio()));
}

void WindowSurface::paint(QPainter &painter, QRect area) const {
  // Before the first drawing there is no image: all of it is background.
  const QRect drawn = image_.isNull() ? QRect() : QRect(QPoint(), size_);
  const QRect onSurface = area & drawn;
  if (!onSurface.isEmpty()) {
    const qreal ratio = image_.devicePixelRatio();
    painter.drawImage(
        QRectF(onSurface), image_,
        QRectF(QPointF(onSurface.topLeft()) * ratio, QSizeF(onSurface.size()) * ratio));
  }
  const QRegion beyond = QRegion(area) - QRegion(drawn);
  for (const QRect &part : beyond)
    painter.fillRect(part, background_);
}

void WindowSurface::changed(QRect area) { window_->update(area); }
