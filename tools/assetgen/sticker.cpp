#include "sticker.h"

#include "colours.h"
#include "render.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QRectF kSticker(1.5, 1.5, 96, 96);
constexpr qreal kRadius = 18;
constexpr qreal kRim = 3.5;

} // namespace

QImage drawSticker(const QColor &background, int scale,
                   const std::function<void(QPainter &)> &motif) {
  return render(QSize(100, 100), scale, colours::windowGreen, [&](QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(colours::shadow);
    p.drawRoundedRect(kSticker.translated(1, 1.5), kRadius, kRadius);
    p.setBrush(Qt::white);
    p.drawRoundedRect(kSticker, kRadius, kRadius);

    const QRectF inside = kSticker.adjusted(kRim, kRim, -kRim, -kRim);
    QPainterPath clip;
    clip.addRoundedRect(inside, kRadius - kRim, kRadius - kRim);
    QRadialGradient glow(QPointF(45, 40), 70);
    glow.setColorAt(0, background.lighter(112));
    glow.setColorAt(1, background.darker(106));
    p.setBrush(glow);
    p.drawPath(clip);

    p.save();
    p.setClipPath(clip);
    motif(p);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.8));
    p.drawPath(clip);
  });
}

void paintHappyFace(QPainter &p, QPointF centre, qreal size, const QColor &ink) {
  const qreal u = size / 10;
  p.save();
  p.translate(centre);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 120, 140, 120));
  p.drawEllipse(QPointF(-3.4 * u, 1.4 * u), 1.3 * u, 0.9 * u);
  p.drawEllipse(QPointF(3.4 * u, 1.4 * u), 1.3 * u, 0.9 * u);
  p.setBrush(ink);
  p.drawEllipse(QPointF(-2.2 * u, -1.2 * u), 0.9 * u, 1.15 * u);
  p.drawEllipse(QPointF(2.2 * u, -1.2 * u), 0.9 * u, 1.15 * u);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(-1.95 * u, -1.6 * u), 0.35 * u, 0.35 * u);
  p.drawEllipse(QPointF(2.45 * u, -1.6 * u), 0.35 * u, 0.35 * u);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 0.75 * u, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(-2.2 * u, -0.6 * u, 4.4 * u, 3.6 * u), 200 * 16, 140 * 16);
  p.restore();
}
