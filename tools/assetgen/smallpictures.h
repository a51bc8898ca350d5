#pragma once

#include <QColor>
#include <QImage>

// A 9 x 9 coloured dot on the window green, scale pixels to each of its pixels.
QImage drawMark(const QColor &colour, int scale);
// A 40 x 40 counting tile (times scale): raised yellow, or sunken into the
// window green once taken away.
QImage drawTile(bool taken, int scale);
// The application icon at size x size: counting tiles on a green rounded
// square, transparent around it.
QImage drawIcon(int size);
// The worksheet program's icon at size x size: a ruled sheet with a box to
// fill in, on the same green rounded square.
QImage drawWorksheetIcon(int size);
