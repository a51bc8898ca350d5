#include "keys.h"

#include "colours.h"
#include "glyphs.h"
#include "render.h"

#include <QLinearGradient>

namespace {

constexpr int kKeyWidth = 73;
constexpr int kKeyHeight = 65;
constexpr int kClearWidth = 153;
constexpr qreal kRadius = 11;
constexpr qreal kPressDepth = 2.5;

struct KeyColours {
  QColor rim;
  QColor top;
  QColor bottom;
  QColor glyph;
  QColor glyphLight;
};

const KeyColours kDigitColours{QColor(40, 104, 176), QColor(232, 245, 255), QColor(140, 196, 242),
                               QColor(18, 44, 110), QColor(255, 255, 255, 170)};
const KeyColours kClearColours{QColor(196, 86, 20), QColor(255, 236, 200), QColor(255, 160, 80),
                               QColor(120, 30, 0), QColor(255, 255, 255, 170)};
const KeyColours kInactiveColours{QColor(120, 128, 120), QColor(214, 218, 214),
                                  QColor(172, 178, 172), QColor(146, 152, 146),
                                  QColor(255, 255, 255, 60)};

// Paints one key filling cell (whose background is already green).
void paintKey(QPainter &p, const QRectF &cell, const QPainterPath &glyph, const KeyColours &c,
              bool pressed) {
  const QRectF resting(cell.left() + 1, cell.top() + 1, cell.width() - 4.5, cell.height() - 5);
  const QRectF body = pressed ? resting.translated(kPressDepth, kPressDepth) : resting;
  p.setPen(Qt::NoPen);

  if (!pressed) {
    // A soft shadow under the raised key.
    for (int i = 3; i >= 1; --i) {
      p.setBrush(QColor(0, 30, 0, 50));
      p.drawRoundedRect(resting.translated(i, i + 0.5), kRadius, kRadius);
    }
  }

  p.setBrush(pressed ? c.rim.darker(125) : c.rim);
  p.drawRoundedRect(body, kRadius, kRadius);

  const QRectF face = pressed ? body.adjusted(2, 2, -2, -2) : body.adjusted(2, 1.5, -3, -4);
  QLinearGradient shade(0, face.top(), 0, face.bottom());
  if (pressed) {
    shade.setColorAt(0, c.bottom.darker(125));
    shade.setColorAt(1, c.bottom);
  } else {
    shade.setColorAt(0, c.top);
    shade.setColorAt(1, c.bottom);
  }
  p.setBrush(shade);
  p.drawRoundedRect(face, kRadius - 2, kRadius - 2);

  if (pressed) {
    // The inner shadow of a key pushed in: dark along the top and left.
    QLinearGradient inner(face.topLeft(), face.topLeft() + QPointF(0, 9));
    inner.setColorAt(0, QColor(0, 0, 0, 75));
    inner.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(inner);
    p.drawRoundedRect(face, kRadius - 2, kRadius - 2);
    QLinearGradient side(face.topLeft(), face.topLeft() + QPointF(7, 0));
    side.setColorAt(0, QColor(0, 0, 0, 45));
    side.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(side);
    p.drawRoundedRect(face, kRadius - 2, kRadius - 2);
  } else {
    // A gloss on the upper half.
    QLinearGradient gloss(0, face.top(), 0, face.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRoundedRect(face.adjusted(3, 1.5, -3, -face.height() / 2), kRadius - 4, kRadius - 4);
  }

  const QPointF centre = face.center() + QPointF(0, 0.5);
  strokeGlyph(p, glyph, centre + QPointF(0, 1.2), 30, 19, c.glyphLight);
  strokeGlyph(p, glyph, centre, 30, 19, pressed ? c.glyph.darker(130) : c.glyph);
}

QImage keyImage(int width, const QPainterPath &glyph, const KeyColours &colours, bool pressed,
                int drawnWidth, int scale) {
  return render(QSize(width, kKeyHeight), scale, colours::windowGreen, [&](QPainter &p) {
    paintKey(p, QRectF(0, 0, drawnWidth, kKeyHeight), glyph, colours, pressed);
  });
}

} // namespace

QImage drawDigitKey(int digit, bool pressed, int scale) {
  return keyImage(kKeyWidth, digitCentreLine(digit), kDigitColours, pressed, kKeyWidth, scale);
}

QImage drawClearKey(bool pressed, int scale) {
  return keyImage(kClearWidth + 1, letterCCentreLine(), kClearColours, pressed, kClearWidth, scale);
}

QImage drawCover(int scale) {
  return render(QSize(233, 281), scale, colours::windowGreen, [](QPainter &p) {
    constexpr int kRows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 3; ++column)
        paintKey(p, QRectF(80 * column, 72 * row, kKeyWidth, kKeyHeight),
                 digitCentreLine(kRows[row][column]), kInactiveColours, false);
    paintKey(p, QRectF(0, 216, kKeyWidth, kKeyHeight), digitCentreLine(0), kInactiveColours, false);
    paintKey(p, QRectF(80, 216, kClearWidth, kKeyHeight), letterCCentreLine(), kInactiveColours,
             false);
  });
}
