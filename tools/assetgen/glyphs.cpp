#include "glyphs.h"

#include <QPainter>
#include <QTransform>

namespace {

constexpr qreal W = kGlyphWidth;
constexpr qreal H = kGlyphHeight;

QPainterPath zero() {
  QPainterPath path;
  path.addEllipse(QRectF(0, 0, W, H));
  return path;
}

QPainterPath one() {
  QPainterPath path;
  path.moveTo(0.14 * W, 0.22 * H);
  path.lineTo(0.62 * W, 0);
  path.lineTo(0.62 * W, H);
  return path;
}

QPainterPath two() {
  QPainterPath path;
  const QRectF bowl(0, 0, W, 0.56 * H);
  path.arcMoveTo(bowl, 160);
  path.arcTo(bowl, 160, -195);
  path.cubicTo(0.78 * W, 0.62 * H, 0.3 * W, 0.8 * H, 0, H);
  path.lineTo(W, H);
  return path;
}

QPainterPath three() {
  QPainterPath path;
  const QRectF upper(0.06 * W, 0, 0.84 * W, 0.47 * H);
  path.arcMoveTo(upper, 155);
  path.arcTo(upper, 155, -245);
  path.lineTo(0.32 * W, 0.47 * H);
  const QRectF lower(0, 0.45 * H, W, 0.55 * H);
  path.moveTo(0.32 * W, 0.47 * H);
  path.lineTo(0.48 * W, 0.45 * H);
  path.arcTo(lower, 90, -250);
  return path;
}

QPainterPath four() {
  QPainterPath path;
  path.moveTo(0.74 * W, H);
  path.lineTo(0.74 * W, 0);
  path.lineTo(0, 0.67 * H);
  path.lineTo(W, 0.67 * H);
  return path;
}

QPainterPath five() {
  QPainterPath path;
  path.moveTo(0.9 * W, 0);
  path.lineTo(0.14 * W, 0);
  const QRectF bowl(0, 0.35 * H, W, 0.65 * H);
  path.arcTo(bowl, 145, -290);
  return path;
}

QPainterPath six() {
  QPainterPath path;
  path.moveTo(0.86 * W, 0.05 * H);
  path.cubicTo(0.5 * W, -0.07 * H, 0, 0.2 * H, 0, 0.69 * H);
  path.addEllipse(QRectF(0, 0.4 * H, W, 0.6 * H));
  return path;
}

QPainterPath seven() {
  QPainterPath path;
  path.moveTo(0, 0);
  path.lineTo(W, 0);
  path.cubicTo(0.68 * W, 0.34 * H, 0.4 * W, 0.62 * H, 0.34 * W, H);
  return path;
}

QPainterPath eight() {
  QPainterPath path;
  path.addEllipse(QRectF(0.08 * W, 0, 0.84 * W, 0.45 * H));
  path.addEllipse(QRectF(0, 0.43 * H, W, 0.57 * H));
  return path;
}

QPainterPath nine() {
  QTransform turn;
  turn.translate(W, H);
  turn.rotate(180);
  return turn.map(six());
}

} // namespace

QPainterPath digitCentreLine(int digit) {
  switch (digit) {
  case 0:
    return zero();
  case 1:
    return one();
  case 2:
    return two();
  case 3:
    return three();
  case 4:
    return four();
  case 5:
    return five();
  case 6:
    return six();
  case 7:
    return seven();
  case 8:
    return eight();
  default:
    return nine();
  }
}

QPainterPath letterCCentreLine() {
  QPainterPath path;
  const QRectF ring(-0.17 * W, 0, 1.34 * W, H);
  path.arcMoveTo(ring, 48);
  path.arcTo(ring, 48, 264);
  return path;
}

void strokeGlyph(QPainter &painter, const QPainterPath &centreLine, QPointF centre, qreal height,
                 qreal penWidth, const QBrush &brush) {
  painter.save();
  painter.translate(centre);
  const qreal scale = height / H;
  painter.scale(scale, scale);
  painter.translate(-W / 2, -H / 2);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(brush, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(centreLine);
  painter.restore();
}
