#pragma once

#include <QByteArray>
#include <QImage>

// Writes a Format_Indexed8 picture as an uncompressed 8-bit BMP with a
// BITMAPINFOHEADER, a full 256-entry palette and rows stored bottom-up.
QByteArray encodeBitmap(const QImage &indexed);
