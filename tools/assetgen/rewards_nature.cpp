#include "rewardmotifs.h"
#include "shapes.h"
#include "sticker.h"

#include <QLinearGradient>
#include <cmath>
#include <numbers>

namespace {

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
  const qreal a = degrees * std::numbers::pi / 180;
  return centre + QPointF(std::cos(a), std::sin(a)) * radius;
}

QPainterPath ellipseAt(QPointF centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

} // namespace

void paintStar(QPainter &p) {
  const QColor gold(255, 200, 30);
  const QPainterPath star = starPath(QPointF(50, 54), 40, 19);
  paintOutlined(p, star, shinyBrush(star.boundingRect(), gold), gold, 3);
  paintHappyFace(p, QPointF(50, 57), 24, QColor(110, 60, 0));
  paintSparkle(p, QPointF(17, 18), 7, Qt::white);
  paintSparkle(p, QPointF(84, 82), 6, Qt::white);
  paintSparkle(p, QPointF(86, 20), 4, Qt::white);
}

void paintSun(QPainter &p) {
  const QPointF centre(50, 50);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 12; ++i) {
    const qreal angle = i * 30 + 15;
    QPainterPath ray;
    ray.moveTo(polar(centre, 29, angle - 11));
    ray.lineTo(polar(centre, 44, angle));
    ray.lineTo(polar(centre, 29, angle + 11));
    ray.closeSubpath();
    paintOutlined(p, ray, QColor(255, 150, 30), QColor(255, 150, 30), 1.2);
  }
  const QColor yellow(255, 214, 40);
  const QPainterPath disc = ellipseAt(centre, 28, 28);
  paintOutlined(p, disc, shinyBrush(disc.boundingRect(), yellow), QColor(240, 150, 0), 2);
  paintHappyFace(p, centre + QPointF(0, 2), 32, QColor(120, 60, 0));
}

void paintFlower(QPainter &p) {
  const QColor stem(60, 160, 50);
  p.setPen(QPen(stem.darker(130), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50, 50), QPointF(50, 96));
  for (int side : {-1, 1}) {
    p.save();
    p.translate(50 + side * 11, 78 - side * 4);
    p.rotate(side * -35);
    paintOutlined(p, ellipseAt(QPointF(0, 0), 12, 5.5), QColor(90, 190, 70), stem, 1.4);
    p.restore();
  }
  const QPointF centre(50, 40);
  const QColor petal(255, 120, 175);
  for (int i = 0; i < 6; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(i * 60);
    const QPainterPath leaf = ellipseAt(QPointF(0, -17), 10, 15);
    paintOutlined(p, leaf, shinyBrush(leaf.boundingRect(), petal), petal, 1.6);
    p.restore();
  }
  const QColor middle(255, 215, 50);
  const QPainterPath disc = ellipseAt(centre, 13, 13);
  paintOutlined(p, disc, shinyBrush(disc.boundingRect(), middle), QColor(230, 150, 0), 1.6);
  paintHappyFace(p, centre + QPointF(0, 1), 17, QColor(120, 60, 0));
}

void paintRainbow(QPainter &p) {
  const QColor bands[] = {QColor(235, 50, 50), QColor(255, 150, 30), QColor(255, 220, 40),
                          QColor(70, 190, 70), QColor(50, 140, 235), QColor(150, 80, 210)};
  const QPointF centre(50, 80);
  qreal radius = 40;
  for (const QColor &band : bands) {
    p.setPen(QPen(band, 6.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0,
              180 * 16);
    radius -= 6;
  }
  for (qreal x : {13.0, 87.0}) {
    QPainterPath cloud;
    cloud.addEllipse(QPointF(x - 9, 82), 9, 7.5);
    cloud.addEllipse(QPointF(x + 9, 82), 9, 7.5);
    cloud.addEllipse(QPointF(x, 76), 11, 10);
    cloud.addRoundedRect(QRectF(x - 17, 80, 34, 10), 5, 5);
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    paintOutlined(p, cloud, Qt::white, QColor(170, 200, 230), 1.5);
  }
  paintSparkle(p, QPointF(18, 22), 6, Qt::white);
  paintSparkle(p, QPointF(82, 24), 5, Qt::white);
}

void paintFish(QPainter &p) {
  const QColor water(120, 200, 230);
  p.setPen(QPen(water.darker(120), 1.2));
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(QPointF(20, 24), 4.5, 4.5);
  p.drawEllipse(QPointF(28, 14), 3, 3);
  p.drawEllipse(QPointF(16, 10), 2.2, 2.2);

  const QColor weed(60, 170, 90);
  p.setPen(QPen(weed, 4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath grass;
  grass.moveTo(80, 100);
  grass.cubicTo(74, 90, 88, 84, 82, 74);
  grass.moveTo(88, 100);
  grass.cubicTo(94, 92, 86, 88, 91, 80);
  p.drawPath(grass);

  const QColor orange(255, 140, 40);
  QPainterPath tail;
  tail.moveTo(66, 52);
  tail.cubicTo(76, 40, 84, 34, 90, 32);
  tail.cubicTo(86, 44, 86, 60, 90, 72);
  tail.cubicTo(84, 70, 76, 64, 66, 52);
  paintOutlined(p, tail, orange.darker(110), orange, 1.8);
  QPainterPath fin;
  fin.moveTo(34, 36);
  fin.cubicTo(40, 22, 56, 22, 62, 36);
  paintOutlined(p, fin, orange.darker(110), orange, 1.8);
  const QPainterPath body = ellipseAt(QPointF(44, 52), 29, 20);
  paintOutlined(p, body, shinyBrush(body.boundingRect(), orange), orange, 2);
  p.save();
  p.setClipPath(body);
  p.setPen(QPen(QColor(255, 245, 230), 4.5));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(40, 28, 18, 48), 110 * 16, 140 * 16);
  p.drawArc(QRectF(50, 28, 18, 48), 110 * 16, 140 * 16);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(29, 47), 6, 6);
  p.setBrush(QColor(30, 30, 60));
  p.drawEllipse(QPointF(28, 47), 3.4, 3.6);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(27, 45.6), 1.2, 1.2);
  p.setPen(QPen(orange.darker(200), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(18, 52, 10, 8), 200 * 16, 120 * 16);
}

void paintCat(QPainter &p) {
  const QColor fur(255, 170, 80);
  const QColor pink(255, 150, 170);
  for (int side : {-1, 1}) {
    QPainterPath ear;
    ear.moveTo(50 + side * 34, 48);
    ear.lineTo(50 + side * 32, 12);
    ear.lineTo(50 + side * 8, 32);
    ear.closeSubpath();
    paintOutlined(p, ear, fur, fur, 2);
    QPainterPath inner;
    inner.moveTo(50 + side * 29, 40);
    inner.lineTo(50 + side * 29, 20);
    inner.lineTo(50 + side * 15, 32);
    inner.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(pink);
    p.drawPath(inner);
  }
  const QPainterPath head = ellipseAt(QPointF(50, 57), 36, 30);
  paintOutlined(p, head, shinyBrush(head.boundingRect(), fur), fur, 2);
  p.setPen(QPen(fur.darker(135), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50, 30), QPointF(50, 38));
  p.drawLine(QPointF(42, 31), QPointF(43, 37));
  p.drawLine(QPointF(58, 31), QPointF(57, 37));

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 240, 220));
  p.drawEllipse(QPointF(50, 70), 15, 11);
  for (int side : {-1, 1}) {
    p.setBrush(QColor(90, 190, 90));
    p.drawEllipse(QPointF(50 + side * 14, 52), 6.5, 7.5);
    p.setBrush(QColor(20, 30, 20));
    p.drawEllipse(QPointF(50 + side * 14, 52.5), 2.8, 6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50 + side * 14 + 1.8, 49.5), 1.5, 1.5);
  }
  QPainterPath nose;
  nose.moveTo(45.5, 63);
  nose.lineTo(54.5, 63);
  nose.lineTo(50, 68);
  nose.closeSubpath();
  paintOutlined(p, nose, pink, pink, 1.2);
  p.setPen(QPen(QColor(110, 50, 20), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(42, 64, 8, 8), 180 * 16, 180 * 16);
  p.drawArc(QRectF(50, 64, 8, 8), 180 * 16, 180 * 16);
  p.setPen(QPen(QColor(110, 60, 30), 1.3, Qt::SolidLine, Qt::RoundCap));
  for (int side : {-1, 1})
    for (int i = -1; i <= 1; ++i)
      p.drawLine(QPointF(50 + side * 18, 68 + i * 3), QPointF(50 + side * 40, 66 + i * 6));
}

void paintButterfly(QPainter &p) {
  const QColor upper(170, 90, 240);
  const QColor lower(255, 150, 60);
  for (int side : {-1, 1}) {
    p.save();
    p.translate(50, 52);
    p.scale(side, 1);
    p.save();
    p.rotate(-28);
    const QPainterPath top = ellipseAt(QPointF(20, -4), 20, 15);
    paintOutlined(p, top, shinyBrush(top.boundingRect(), upper), upper, 2);
    p.restore();
    p.save();
    p.rotate(30);
    const QPainterPath bottom = ellipseAt(QPointF(16, 6), 14, 11);
    paintOutlined(p, bottom, shinyBrush(bottom.boundingRect(), lower), lower, 2);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 120));
    p.drawEllipse(QPointF(24, -16), 6, 6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, -21), 2.6, 2.6);
    p.drawEllipse(QPointF(12, 14), 3.5, 3.5);
    p.restore();
  }
  p.setPen(QPen(QColor(60, 40, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath feelers;
  feelers.moveTo(48, 34);
  feelers.cubicTo(44, 24, 40, 20, 34, 18);
  feelers.moveTo(52, 34);
  feelers.cubicTo(56, 24, 60, 20, 66, 18);
  p.drawPath(feelers);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 40, 60));
  p.drawEllipse(QPointF(34, 18), 2.6, 2.6);
  p.drawEllipse(QPointF(66, 18), 2.6, 2.6);
  p.drawRoundedRect(QRectF(46, 33, 8, 40), 4, 4);
  p.drawEllipse(QPointF(50, 34), 5.5, 5.5);
}

void paintApple(QPainter &p) {
  const QColor red(230, 40, 40);
  QPainterPath apple;
  apple.moveTo(50, 34);
  apple.cubicTo(62, 24, 86, 28, 86, 54);
  apple.cubicTo(86, 76, 70, 92, 58, 90);
  apple.cubicTo(54, 89, 46, 89, 42, 90);
  apple.cubicTo(30, 92, 14, 76, 14, 54);
  apple.cubicTo(14, 28, 38, 24, 50, 34);
  apple.closeSubpath();
  paintOutlined(p, apple, shinyBrush(apple.boundingRect(), red), red, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.save();
  p.translate(28, 48);
  p.rotate(-30);
  p.drawEllipse(QPointF(0, 0), 4, 9);
  p.restore();
  p.setPen(QPen(QColor(110, 70, 30), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50, 36), QPointF(53, 18));
  const QColor leaf(80, 180, 60);
  QPainterPath blade;
  blade.moveTo(54, 24);
  blade.cubicTo(60, 12, 74, 10, 80, 14);
  blade.cubicTo(74, 24, 62, 28, 54, 24);
  paintOutlined(p, blade, shinyBrush(blade.boundingRect(), leaf), leaf, 1.6);
}
