#include "cards.h"

#include "colours.h"
#include "glyphs.h"
#include "render.h"

#include <QLinearGradient>

QImage drawDigitCard(int digit, int scale) {
  return render(QSize(54, 72), scale, colours::windowGreen, [digit](QPainter &p) {
    const QRectF card(1, 1, 51.5, 69.5);
    p.setPen(Qt::NoPen);
    p.setBrush(colours::shadow);
    p.drawRoundedRect(card.translated(0.8, 1.2), 7, 7);

    QLinearGradient face(0, card.top(), 0, card.bottom());
    face.setColorAt(0, QColor(255, 255, 252));
    face.setColorAt(1, QColor(244, 238, 216));
    p.setBrush(face);
    p.setPen(QPen(QColor(178, 168, 130), 1.0));
    p.drawRoundedRect(card, 7, 7);

    if (digit >= 0)
      strokeGlyph(p, digitCentreLine(digit), card.center(), 43, 18, colours::ink);
  });
}
