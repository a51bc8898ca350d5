#include "smallpictures.h"

#include "colours.h"
#include "render.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {

const QColor kTileYellow(255, 214, 40);

// A square tile with bevelled edges, light from the top left.
void paintTile(QPainter &p, const QRectF &tile, const QColor &face, bool sunken) {
  const qreal bevel = tile.width() * 0.12;
  const QColor light = sunken ? face.darker(160) : face.lighter(135);
  const QColor dark = sunken ? face.lighter(150) : face.darker(150);
  p.setPen(Qt::NoPen);
  p.setBrush(dark);
  p.drawRect(tile);
  QPolygonF upperLeft;
  upperLeft << tile.bottomLeft() << tile.topLeft() << tile.topRight()
            << tile.topRight() + QPointF(-bevel, bevel) << tile.topLeft() + QPointF(bevel, bevel)
            << tile.bottomLeft() + QPointF(bevel, -bevel);
  p.setBrush(light);
  p.drawPolygon(upperLeft);
  const QRectF top = tile.adjusted(bevel, bevel, -bevel, -bevel);
  QLinearGradient shade(top.topLeft(), top.bottomRight());
  shade.setColorAt(0, sunken ? face : face.lighter(108));
  shade.setColorAt(1, sunken ? face : face.darker(104));
  p.setBrush(shade);
  p.drawRect(top);
  p.setPen(QPen(sunken ? face.darker(180) : face.darker(210), tile.width() * 0.025));
  p.setBrush(Qt::NoBrush);
  p.drawRect(tile);
}

} // namespace

QImage drawMark(const QColor &colour, int scale) {
  return render(QSize(9, 9), scale, colours::windowGreen, [&colour](QPainter &p) {
    QRadialGradient ball(QPointF(3.6, 3.4), 4.6);
    ball.setColorAt(0, colour.lighter(130));
    ball.setColorAt(1, colour);
    p.setBrush(ball);
    p.setPen(QPen(colour.darker(150), 0.7));
    p.drawEllipse(QPointF(4.5, 4.5), 3.6, 3.6);
  });
}

QImage drawTile(bool taken, int scale) {
  return render(QSize(40, 40), scale, colours::windowGreen, [taken](QPainter &p) {
    paintTile(p, QRectF(1, 1, 38, 38), taken ? colours::windowGreen : kTileYellow, taken);
  });
}

namespace {

// Draws at four times the size on a green rounded square and scales down
// smoothly, as every icon of the programs is made.
template <typename Paint> QImage iconOnGreen(int size, Paint paint) {
  const qreal s = size;
  QImage large(size * 4, size * 4, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  {
    QPainter p(&large);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(4, 4);
    const QRectF back(0.5, 0.5, s - 1, s - 1);
    QLinearGradient green(0, 0, 0, s);
    green.setColorAt(0, colours::windowGreen.lighter(135));
    green.setColorAt(1, colours::windowGreen);
    p.setPen(QPen(colours::windowGreen.darker(170), qMax(1.0, s / 40)));
    p.setBrush(green);
    p.drawRoundedRect(back, s * 0.2, s * 0.2);
    paint(p, s);
  }
  return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage drawWorksheetIcon(int size) {
  return iconOnGreen(size, [](QPainter &p, qreal s) {
    const QRectF sheet(s * 0.2, s * 0.12, s * 0.6, s * 0.76);
    p.setPen(QPen(QColor(90, 90, 90), qMax(0.75, s / 64)));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    // Three problems: a dark rule each, and a yellow box to fill in.
    for (int line = 0; line < 3; ++line) {
      const qreal y = sheet.top() + sheet.height() * (0.22 + 0.28 * line);
      const qreal h = sheet.height() * 0.14;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(60, 60, 60));
      p.drawRect(
          QRectF(sheet.left() + sheet.width() * 0.12, y + h * 0.35, sheet.width() * 0.4, h * 0.3));
      p.setPen(QPen(QColor(60, 60, 60), qMax(0.75, s / 80)));
      p.setBrush(kTileYellow);
      p.drawRect(
          QRectF(sheet.left() + sheet.width() * 0.62, y - h * 0.1, sheet.width() * 0.24, h * 1.2));
    }
  });
}

QImage drawIcon(int size) {
  return iconOnGreen(size, [](QPainter &p, qreal s) {
    const qreal margin = s * 0.15;
    const qreal gap = s * 0.07;
    const qreal tile = (s - 2 * margin - gap) / 2;
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 2; ++column) {
        const bool taken = row == 1 && column == 1;
        const QRectF place(margin + column * (tile + gap), margin + row * (tile + gap), tile, tile);
        paintTile(p, place, taken ? colours::windowGreen : kTileYellow, taken);
      }
  });
}
