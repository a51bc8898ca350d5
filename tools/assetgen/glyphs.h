#pragma once

#include <QBrush>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Digits and the letter C drawn as thick rounded strokes, so the pictures
// depend on no installed font. Centre lines live in a box kGlyphWidth wide
// and kGlyphHeight high.
inline constexpr qreal kGlyphWidth = 50;
inline constexpr qreal kGlyphHeight = 86;

QPainterPath digitCentreLine(int digit);
QPainterPath letterCCentreLine();

// Strokes a centre line, scaled so its box is height high with its centre at
// centre. penWidth is in glyph units.
void strokeGlyph(QPainter &painter, const QPainterPath &centreLine, QPointF centre, qreal height,
                 qreal penWidth, const QBrush &brush);
