#include "render.h"

namespace {

constexpr int kOversample = 4;

} // namespace

QImage render(QSize size, int scale, const QColor &background,
              const std::function<void(QPainter &)> &draw) {
  QImage large(size * scale * kOversample, QImage::Format_ARGB32_Premultiplied);
  large.fill(background);
  {
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale * kOversample, scale * kOversample);
    draw(painter);
  }
  return large.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}
