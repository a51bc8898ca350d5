#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

// A 100 x 100 picture (times scale in pixels) shaped like a rounded sticker
// on the window green: a white rim around a soft background, with the motif
// drawn on top. The motif is clipped to the inside of the rim.
QImage drawSticker(const QColor &background, int scale,
                   const std::function<void(QPainter &)> &motif);

// A friendly face: two shiny eyes, a smile and rosy cheeks, size wide.
void paintHappyFace(QPainter &p, QPointF centre, qreal size, const QColor &ink);
