#pragma once

#include <QImage>
#include <QString>

// Draws the catalogue picture with the given file name, scale pixels to each
// of its pixels (2 for its variant for screens of twice the density), or
// returns a null image for a name it does not know.
QImage drawPicture(const QString &name, int scale);
