#include "rewards.h"
#include "shapes.h"
#include "sticker.h"

#include <utility>

namespace {

// A thought cloud with a question mark: "hmm, let's try again".
void paintThought(QPainter &p) {
  const QColor cloud(255, 255, 255);
  const QColor edge(150, 170, 205);
  for (const auto &[centre, radius] : {std::pair{QPointF(60, 32), 2.2}, {QPointF(65, 27), 3.2}}) {
    QPainterPath puff;
    puff.addEllipse(centre, radius, radius);
    paintOutlined(p, puff, cloud, edge, 1.2);
  }
  QPainterPath bubble;
  bubble.setFillRule(Qt::WindingFill);
  bubble.addEllipse(QPointF(80, 19), 13, 12.5);
  bubble.addEllipse(QPointF(70, 21), 8, 7.5);
  bubble.addEllipse(QPointF(89, 22), 7, 7.5);
  bubble.addEllipse(QPointF(79, 10), 8, 6);
  paintOutlined(p, bubble.simplified(), cloud, edge, 1.2);
  const QColor ink(80, 100, 170);
  QPainterPath mark;
  mark.moveTo(75, 15);
  mark.cubicTo(75, 8.5, 85, 8.5, 85, 14);
  mark.cubicTo(85, 18, 80, 18.5, 80, 23);
  p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(mark);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(80, 28.5), 2, 2);
}

} // namespace

QImage drawWrongPicture(int scale) {
  return drawSticker(QColor(222, 232, 246), scale, [](QPainter &p) {
    const QColor skin(160, 196, 240);
    const QColor ink(40, 60, 110);
    QPainterPath head;
    head.addEllipse(QPointF(42, 60), 30, 29);
    paintOutlined(p, head, shinyBrush(head.boundingRect(), skin), skin, 2.2);

    p.save();
    p.translate(-2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 170, 110));
    p.drawEllipse(QPointF(26, 66), 5.5, 3.8);
    p.drawEllipse(QPointF(62, 66), 5.5, 3.8);

    // Eyes glance up towards the thought.
    for (qreal x : {33.0, 55.0}) {
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(x, 54), 6, 7);
      p.setBrush(ink);
      p.drawEllipse(QPointF(x + 2, 51.5), 3.4, 3.8);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(x + 3, 50.2), 1.2, 1.2);
    }
    // Brows lifted in the middle: puzzled, not cross.
    p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(27, 42.5), QPointF(37, 41));
    p.drawLine(QPointF(51, 41), QPointF(61, 42.5));
    // A small wavy mouth.
    QPainterPath mouth;
    mouth.moveTo(36, 75);
    mouth.cubicTo(39, 72, 42, 72, 44, 74.5);
    mouth.cubicTo(46, 77, 49, 77, 52, 74);
    p.drawPath(mouth);
    p.restore();

    paintThought(p);
  });
}
