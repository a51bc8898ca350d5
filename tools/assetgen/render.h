#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

// Draws with antialiasing at several times the final size and scales down by
// averaging, which keeps small round shapes smooth. draw works in the
// picture's coordinates, size wide and high; the result has scale pixels to
// each of them (2 for screens of twice the density) and is opaque.
QImage render(QSize size, int scale, const QColor &background,
              const std::function<void(QPainter &)> &draw);
