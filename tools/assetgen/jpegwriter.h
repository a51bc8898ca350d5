#pragma once

#include <QByteArray>
#include <QImage>

// Encodes a picture as a baseline JPEG with three YCbCr components and no
// chroma subsampling, so small coloured edges stay crisp.
QByteArray encodeJpeg(const QImage &image, int quality);
