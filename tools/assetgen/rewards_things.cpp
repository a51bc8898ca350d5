#include "rewardmotifs.h"
#include "shapes.h"
#include "sticker.h"

#include <QLinearGradient>

namespace {

QPainterPath ellipseAt(QPointF centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

QPainterPath roundedBox(const QRectF &box, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(box, radius, radius);
  return path;
}

QBrush verticalBrush(const QRectF &box, const QColor &top, const QColor &bottom) {
  QLinearGradient gradient(0, box.top(), 0, box.bottom());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  return gradient;
}

void paintBalloon(QPainter &p, QPointF centre, const QColor &colour, QPointF stringEnd) {
  p.setPen(QPen(QColor(90, 90, 110), 1.3));
  p.setBrush(Qt::NoBrush);
  QPainterPath string;
  const QPointF knot = centre + QPointF(0, 26);
  string.moveTo(knot);
  string.cubicTo(knot + QPointF(-6, 12), stringEnd + QPointF(8, -14), stringEnd);
  p.drawPath(string);
  QPainterPath tie;
  tie.moveTo(knot + QPointF(0, -2));
  tie.lineTo(knot + QPointF(-4, 4));
  tie.lineTo(knot + QPointF(4, 4));
  tie.closeSubpath();
  paintOutlined(p, tie, colour, colour, 1.2);
  const QPainterPath body = ellipseAt(centre, 19, 24);
  paintOutlined(p, body, shinyBrush(body.boundingRect(), colour), colour, 1.8);
  p.save();
  p.translate(centre + QPointF(-8, -10));
  p.rotate(25);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(0, 0), 3.5, 7);
  p.restore();
}

} // namespace

void paintBalloons(QPainter &p) {
  paintBalloon(p, QPointF(34, 34), QColor(60, 150, 245), QPointF(50, 96));
  paintBalloon(p, QPointF(66, 30), QColor(255, 200, 30), QPointF(50, 96));
  paintBalloon(p, QPointF(50, 46), QColor(240, 50, 60), QPointF(50, 96));
}

void paintHeart(QPainter &p) {
  const QColor red(240, 60, 100);
  const QPainterPath heart = heartPath(QPointF(50, 52), 74);
  paintOutlined(p, heart, shinyBrush(heart.boundingRect(), red), red, 2.4);
  p.save();
  p.translate(31, 34);
  p.rotate(-40);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(0, 0), 4, 7);
  p.restore();
  paintHappyFace(p, QPointF(50, 52), 26, QColor(90, 10, 40));
  const QColor small(255, 140, 180);
  paintOutlined(p, heartPath(QPointF(15, 16), 14), small, small, 1);
  paintOutlined(p, heartPath(QPointF(86, 84), 12), small, small, 1);
  paintSparkle(p, QPointF(86, 17), 5, Qt::white);
}

void paintCake(QPainter &p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(50, 88), 40, 7);

  const QColor chocolate(150, 90, 60);
  const QRectF lower(16, 58, 68, 28);
  paintOutlined(p, roundedBox(lower, 5), verticalBrush(lower, chocolate.lighter(120), chocolate),
                chocolate, 1.8);
  const QColor pink(255, 150, 190);
  const QRectF upper(26, 38, 48, 22);
  paintOutlined(p, roundedBox(upper, 5), verticalBrush(upper, pink.lighter(112), pink), pink, 1.8);

  // Cream along the top of each layer, dripping down.
  for (const QRectF &layer : {lower, upper}) {
    QPainterPath cream;
    cream.moveTo(layer.left() + 1, layer.top() + 1);
    cream.lineTo(layer.right() - 1, layer.top() + 1);
    cream.lineTo(layer.right() - 1, layer.top() + 6);
    const int drips = layer.width() > 60 ? 6 : 4;
    const qreal step = (layer.width() - 2) / drips;
    for (int i = drips; i > 0; --i) {
      const qreal right = layer.left() + 1 + i * step;
      cream.cubicTo(right, layer.top() + 12, right - step / 2, layer.top() + 12, right - step / 2,
                    layer.top() + 6);
      cream.lineTo(right - step, layer.top() + 6);
    }
    cream.closeSubpath();
    paintOutlined(p, cream, QColor(255, 252, 245), QColor(230, 200, 180), 1);
  }
  const QColor sprinkles[] = {QColor(60, 150, 245), QColor(255, 210, 40), QColor(90, 200, 90),
                              QColor(240, 60, 80)};
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.translate(22 + i * 8, 76 + (i % 2) * 4);
    p.rotate(i * 47);
    p.setPen(Qt::NoPen);
    p.setBrush(sprinkles[i % 4]);
    p.drawRoundedRect(QRectF(-2.5, -1, 5, 2), 1, 1);
    p.restore();
  }

  const QRectF candle(46, 18, 8, 21);
  paintOutlined(p, roundedBox(candle, 2), QColor(120, 190, 255), QColor(120, 190, 255), 1.2);
  p.setPen(QPen(Qt::white, 2));
  for (int i = 0; i < 3; ++i)
    p.drawLine(QPointF(47, 23 + i * 6), QPointF(53, 20 + i * 6));
  QPainterPath flame;
  flame.moveTo(50, 4);
  flame.cubicTo(56, 11, 55, 17, 50, 17);
  flame.cubicTo(45, 17, 44, 11, 50, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 170, 30));
  p.drawPath(flame);
  p.setBrush(QColor(255, 240, 120));
  p.drawEllipse(QPointF(50, 13), 2.2, 3);
}

void paintRocket(QPainter &p) {
  const QPointF stars[] = {{14, 16}, {30, 86}, {84, 14}, {88, 62}, {12, 56}, {62, 90}, {48, 10}};
  int i = 0;
  for (const QPointF &star : stars)
    paintSparkle(p, star, i++ % 2 == 0 ? 4.5 : 3, QColor(255, 250, 200));

  p.save();
  p.translate(52, 52);
  p.rotate(40);
  QPainterPath flame;
  flame.moveTo(-9, 26);
  flame.cubicTo(-10, 38, -4, 44, 0, 50);
  flame.cubicTo(4, 44, 10, 38, 9, 26);
  flame.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 140, 30));
  p.drawPath(flame);
  p.setBrush(QColor(255, 230, 90));
  p.drawEllipse(QPointF(0, 32), 4.5, 8);

  const QColor red(235, 55, 55);
  for (int side : {-1, 1}) {
    QPainterPath fin;
    fin.moveTo(side * 10, 6);
    fin.lineTo(side * 22, 24);
    fin.lineTo(side * 20, 30);
    fin.lineTo(side * 10, 24);
    fin.closeSubpath();
    paintOutlined(p, fin, red, red, 1.6);
  }
  QPainterPath body;
  body.moveTo(0, -40);
  body.cubicTo(14, -28, 15, 6, 11, 27);
  body.lineTo(-11, 27);
  body.cubicTo(-15, 6, -14, -28, 0, -40);
  body.closeSubpath();
  QLinearGradient metal(-14, 0, 14, 0);
  metal.setColorAt(0, QColor(255, 255, 255));
  metal.setColorAt(1, QColor(200, 205, 220));
  paintOutlined(p, body, metal, QColor(150, 155, 175), 1.8);
  QPainterPath nose;
  nose.moveTo(0, -40);
  nose.cubicTo(7, -34, 10, -28, 11.5, -22);
  nose.lineTo(-11.5, -22);
  nose.cubicTo(-10, -28, -7, -34, 0, -40);
  nose.closeSubpath();
  paintOutlined(p, nose, red, red, 1.6);
  p.setPen(QPen(QColor(60, 80, 140), 3));
  p.setBrush(QColor(120, 200, 255));
  p.drawEllipse(QPointF(0, -6), 7, 7);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 180));
  p.drawEllipse(QPointF(-2.5, -8.5), 2.2, 2.2);
  p.restore();
}

void paintTrophy(QPainter &p) {
  const QColor gold(250, 190, 40);
  p.setBrush(Qt::NoBrush);
  for (int side : {-1, 1}) {
    p.setPen(QPen(gold.darker(165), 7.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath handle;
    handle.moveTo(50 + side * 24, 24);
    handle.cubicTo(50 + side * 42, 22, 50 + side * 40, 48, 50 + side * 18, 52);
    p.drawPath(handle);
    p.setPen(QPen(gold, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);
  }
  const QRectF base(28, 78, 44, 12);
  paintOutlined(p, roundedBox(base, 3),
                verticalBrush(base, QColor(170, 100, 60), QColor(120, 70, 40)), QColor(140, 80, 50),
                1.6);
  QPainterPath stem;
  stem.moveTo(44, 58);
  stem.lineTo(56, 58);
  stem.lineTo(58, 74);
  stem.lineTo(42, 74);
  stem.closeSubpath();
  paintOutlined(p, stem, gold.darker(110), gold, 1.6);
  paintOutlined(p, roundedBox(QRectF(36, 72, 28, 7), 2), gold, gold, 1.6);
  QPainterPath cup;
  cup.moveTo(26, 16);
  cup.lineTo(74, 16);
  cup.cubicTo(74, 44, 66, 60, 50, 60);
  cup.cubicTo(34, 60, 26, 44, 26, 16);
  cup.closeSubpath();
  paintOutlined(p, cup, shinyBrush(cup.boundingRect(), gold), gold, 2);
  const QColor white(255, 255, 240);
  paintOutlined(p, starPath(QPointF(50, 35), 11, 5), white, QColor(230, 160, 20), 1.2);
  p.setPen(QPen(QColor(255, 255, 255, 170), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(32, 22), QPointF(34, 38));
  paintSparkle(p, QPointF(18, 70), 5, Qt::white);
  paintSparkle(p, QPointF(84, 66), 4, Qt::white);
}

void paintCar(QPainter &p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 120, 130));
  p.drawRect(QRectF(0, 80, 100, 20));
  p.setBrush(Qt::white);
  for (int x = 4; x < 100; x += 22)
    p.drawRect(QRectF(x, 89, 12, 2.5));

  const QColor red(235, 50, 50);
  QPainterPath cabin;
  cabin.moveTo(26, 52);
  cabin.lineTo(34, 32);
  cabin.cubicTo(35, 29, 37, 28, 40, 28);
  cabin.lineTo(62, 28);
  cabin.cubicTo(65, 28, 67, 29, 68, 32);
  cabin.lineTo(78, 52);
  cabin.closeSubpath();
  paintOutlined(p, cabin, red, red, 2);
  QPainterPath windows;
  windows.moveTo(33, 50);
  windows.lineTo(38.5, 35);
  windows.cubicTo(39, 33.5, 40, 33, 41, 33);
  windows.lineTo(49, 33);
  windows.lineTo(49, 50);
  windows.closeSubpath();
  windows.moveTo(53, 33);
  windows.lineTo(61, 33);
  windows.cubicTo(62, 33, 63, 33.5, 63.5, 35);
  windows.lineTo(70, 50);
  windows.lineTo(53, 50);
  windows.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 225, 255));
  p.drawPath(windows);
  const QRectF body(10, 48, 82, 24);
  paintOutlined(p, roundedBox(body, 9), verticalBrush(body, red.lighter(125), red.darker(105)), red,
                2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 230, 90));
  p.drawEllipse(QPointF(87, 56), 3.5, 3);
  p.setBrush(QColor(255, 140, 60));
  p.drawRoundedRect(QRectF(10, 54, 5, 5), 1.5, 1.5);
  p.setPen(QPen(red.darker(150), 1.3));
  p.drawLine(QPointF(51, 50), QPointF(51, 70));
  for (qreal x : {30.0, 72.0}) {
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(QPointF(x, 74), 10, 10);
    p.setBrush(QColor(200, 205, 215));
    p.drawEllipse(QPointF(x, 74), 4.5, 4.5);
  }
}

void paintPresent(QPainter &p) {
  const QColor blue(60, 160, 250);
  const QColor ribbon(255, 210, 40);
  const QRectF box(20, 46, 60, 44);
  paintOutlined(p, roundedBox(box, 3), verticalBrush(box, blue.lighter(115), blue), blue, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  for (const QPointF &dot : {QPointF(30, 58), QPointF(68, 60), QPointF(32, 80), QPointF(70, 82)})
    p.drawEllipse(dot, 3.5, 3.5);
  const QRectF lid(15, 36, 70, 14);
  paintOutlined(p, roundedBox(lid, 3), verticalBrush(lid, blue.lighter(125), blue.darker(108)),
                blue, 2);
  paintOutlined(p, roundedBox(QRectF(44, 36, 12, 54), 1), ribbon, ribbon, 1.4);
  for (int side : {-1, 1}) {
    QPainterPath loop;
    loop.moveTo(50, 35);
    loop.cubicTo(50 + side * 10, 14, 50 + side * 28, 16, 50 + side * 24, 30);
    loop.cubicTo(50 + side * 22, 36, 50 + side * 10, 36, 50, 35);
    paintOutlined(p, loop, shinyBrush(loop.boundingRect(), ribbon), ribbon, 1.6);
  }
  paintOutlined(p, ellipseAt(QPointF(50, 34), 5, 4.5), ribbon.darker(110), ribbon, 1.4);
  paintSparkle(p, QPointF(14, 18), 5, Qt::white);
  paintSparkle(p, QPointF(86, 16), 6, Qt::white);
}

void paintCrown(QPainter &p) {
  const QColor gold(250, 195, 40);
  QPainterPath crown;
  crown.moveTo(18, 68);
  crown.lineTo(14, 30);
  crown.lineTo(33, 48);
  crown.lineTo(50, 22);
  crown.lineTo(67, 48);
  crown.lineTo(86, 30);
  crown.lineTo(82, 68);
  crown.closeSubpath();
  paintOutlined(p, crown, shinyBrush(crown.boundingRect(), gold), gold, 2.2);
  const QRectF band(16, 64, 68, 16);
  paintOutlined(p, roundedBox(band, 3), verticalBrush(band, gold.lighter(112), gold.darker(112)),
                gold, 2);
  for (const QPointF &tip : {QPointF(14, 29), QPointF(50, 20), QPointF(86, 29)})
    paintOutlined(p, ellipseAt(tip, 4.5, 4.5), QColor(255, 250, 220), gold, 1.4);
  const QColor jewels[] = {QColor(60, 160, 250), QColor(240, 50, 80), QColor(80, 200, 90)};
  const qreal xs[] = {30, 50, 70};
  for (int i = 0; i < 3; ++i) {
    const QPainterPath jewel = ellipseAt(QPointF(xs[i], 72), 5, 5);
    paintOutlined(p, jewel, shinyBrush(jewel.boundingRect(), jewels[i]), jewels[i], 1.2);
  }
  const QPainterPath ruby = ellipseAt(QPointF(50, 50), 5, 6.5);
  paintOutlined(p, ruby, shinyBrush(ruby.boundingRect(), QColor(240, 50, 80)), QColor(240, 50, 80),
                1.2);
  paintSparkle(p, QPointF(20, 14), 5, Qt::white);
  paintSparkle(p, QPointF(82, 88), 5, Qt::white);
}

void paintMedal(QPainter &p) {
  const QColor red(235, 60, 60);
  const QColor blue(50, 130, 235);
  QPainterPath left;
  left.moveTo(22, 4);
  left.lineTo(38, 4);
  left.lineTo(56, 46);
  left.lineTo(42, 50);
  left.closeSubpath();
  paintOutlined(p, left, blue, blue, 1.6);
  QPainterPath right;
  right.moveTo(78, 4);
  right.lineTo(62, 4);
  right.lineTo(44, 46);
  right.lineTo(58, 50);
  right.closeSubpath();
  paintOutlined(p, right, red, red, 1.6);
  const QColor gold(250, 195, 40);
  const QPainterPath disc = ellipseAt(QPointF(50, 64), 26, 26);
  paintOutlined(p, disc, shinyBrush(disc.boundingRect(), gold), gold, 2.2);
  p.setPen(QPen(gold.darker(125), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(50, 64), 19, 19);
  paintOutlined(p, starPath(QPointF(50, 65), 13, 6), QColor(255, 245, 200), gold, 1.4);
  paintSparkle(p, QPointF(82, 80), 5, Qt::white);
  paintSparkle(p, QPointF(16, 74), 4, Qt::white);
}

void paintIceCream(QPainter &p) {
  const QColor wafer(235, 170, 90);
  QPainterPath cone;
  cone.moveTo(30, 52);
  cone.lineTo(70, 52);
  cone.lineTo(50, 96);
  cone.closeSubpath();
  paintOutlined(p, cone, wafer, wafer, 2);
  p.save();
  p.setClipPath(cone);
  p.setPen(QPen(wafer.darker(130), 1.4));
  for (int i = -4; i <= 4; ++i) {
    p.drawLine(QPointF(50 + i * 8 - 30, 40), QPointF(50 + i * 8 + 30, 100));
    p.drawLine(QPointF(50 + i * 8 + 30, 40), QPointF(50 + i * 8 - 30, 100));
  }
  p.restore();

  const QColor mint(120, 220, 170);
  const QPainterPath lower = ellipseAt(QPointF(50, 48), 21, 15);
  paintOutlined(p, lower, shinyBrush(lower.boundingRect(), mint), mint, 2);
  const QColor strawberry(255, 140, 180);
  const QPainterPath upper = ellipseAt(QPointF(50, 30), 17, 14);
  paintOutlined(p, upper, shinyBrush(upper.boundingRect(), strawberry), strawberry, 2);
  const QColor sprinkles[] = {QColor(60, 150, 245), QColor(255, 210, 40), QColor(240, 60, 80),
                              QColor(150, 80, 210)};
  const QPointF places[] = {{40, 26}, {56, 24}, {47, 36}, {60, 34},
                            {38, 48}, {56, 52}, {64, 46}, {46, 56}};
  int i = 0;
  for (const QPointF &place : places) {
    p.save();
    p.translate(place);
    p.rotate(i * 53);
    p.setPen(Qt::NoPen);
    p.setBrush(sprinkles[i % 4]);
    p.drawRoundedRect(QRectF(-2.5, -1, 5, 2), 1, 1);
    p.restore();
    ++i;
  }
  p.setPen(QPen(QColor(90, 140, 50), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(51, 13), QPointF(56, 5));
  const QColor cherry(220, 30, 50);
  const QPainterPath ball = ellipseAt(QPointF(50, 15), 5.5, 5.5);
  paintOutlined(p, ball, shinyBrush(ball.boundingRect(), cherry), cherry, 1.4);
}

void paintHouse(QPainter &p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 200, 80));
  p.drawEllipse(QPointF(50, 104), 80, 22);
  p.setBrush(QColor(255, 220, 60));
  p.drawEllipse(QPointF(84, 16), 9, 9);

  const QColor brick(220, 80, 60);
  paintOutlined(p, roundedBox(QRectF(62, 18, 10, 20), 1), brick, brick, 1.6);
  const QColor wall(255, 232, 170);
  const QRectF walls(24, 46, 52, 40);
  paintOutlined(p, roundedBox(walls, 2), verticalBrush(walls, wall.lighter(106), wall), wall, 2);
  QPainterPath roof;
  roof.moveTo(14, 50);
  roof.lineTo(50, 18);
  roof.lineTo(86, 50);
  roof.closeSubpath();
  paintOutlined(p, roof, shinyBrush(roof.boundingRect(), brick), brick, 2.2);
  const QColor door(160, 90, 50);
  const QRectF entrance(42, 62, 16, 24);
  paintOutlined(p, roundedBox(entrance, 4), door, door, 1.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 220, 90));
  p.drawEllipse(QPointF(54, 75), 1.6, 1.6);
  for (qreal x : {27.0, 62.0}) {
    const QRectF window(x, 56, 11, 11);
    paintOutlined(p, roundedBox(window, 1.5), QColor(170, 225, 255), QColor(120, 90, 60), 1.6);
    p.setPen(QPen(QColor(120, 90, 60).darker(140), 1.2));
    p.drawLine(QPointF(x + 5.5, 56), QPointF(x + 5.5, 67));
    p.drawLine(QPointF(x, 61.5), QPointF(x + 11, 61.5));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 120, 170));
  p.drawEllipse(QPointF(18, 88), 3, 3);
  p.drawEllipse(QPointF(84, 90), 3, 3);
  p.setBrush(QColor(255, 230, 60));
  p.drawEllipse(QPointF(18, 88), 1.2, 1.2);
  p.drawEllipse(QPointF(84, 90), 1.2, 1.2);
}
