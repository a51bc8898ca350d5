#include "render.h"

namespace {

constexpr int kOversample = 4;

} // namespace

QImage render(QSize size, const QColor &background, const std::function<void(QPainter &)> &draw) {
  QImage large(size * kOversample, QImage::Format_ARGB32_Premultiplied);
  large.fill(background);
  {
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kOversample, kOversample);
    draw(painter);
  }
  return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}
