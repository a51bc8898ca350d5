#include "shapes.h"

#include <QRadialGradient>
#include <cmath>
#include <numbers>

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
    const qreal radius = i % 2 == 0 ? outer : inner;
    const QPointF corner = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    if (i == 0)
      path.moveTo(corner);
    else
      path.lineTo(corner);
  }
  path.closeSubpath();
  return path;
}

QPainterPath heartPath(QPointF centre, qreal size) {
  const qreal s = size / 72;
  auto at = [&](qreal x, qreal y) { return centre + QPointF(x * s, y * s); };
  QPainterPath path;
  path.moveTo(at(0, 34));
  path.cubicTo(at(-10, 26), at(-36, 10), at(-36, -12));
  path.cubicTo(at(-36, -26), at(-25, -34), at(-15, -34));
  path.cubicTo(at(-7, -34), at(-1, -28), at(0, -22));
  path.cubicTo(at(1, -28), at(7, -34), at(15, -34));
  path.cubicTo(at(25, -34), at(36, -26), at(36, -12));
  path.cubicTo(at(36, 10), at(10, 26), at(0, 34));
  path.closeSubpath();
  return path;
}

void paintSparkle(QPainter &p, QPointF centre, qreal size, const QColor &colour) {
  QPainterPath path;
  const qreal waist = size * 0.22;
  path.moveTo(centre + QPointF(0, -size));
  path.quadTo(centre + QPointF(waist, -waist), centre + QPointF(size, 0));
  path.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, size));
  path.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-size, 0));
  path.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -size));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

void paintOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &base,
                   qreal outline) {
  p.save();
  p.setBrush(fill);
  p.setPen(QPen(base.darker(165), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.restore();
}

QBrush shinyBrush(const QRectF &box, const QColor &colour) {
  QRadialGradient gradient(box.topLeft() + QPointF(box.width() * 0.35, box.height() * 0.3),
                           qMax(box.width(), box.height()) * 0.85);
  gradient.setColorAt(0, colour.lighter(135));
  gradient.setColorAt(0.55, colour);
  gradient.setColorAt(1, colour.darker(118));
  return gradient;
}
