#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

// Draws with antialiasing at several times the final size and scales down by
// averaging, which keeps small round shapes smooth. draw works in final pixel
// coordinates. The result is opaque.
QImage render(QSize size, const QColor &background, const std::function<void(QPainter &)> &draw);
