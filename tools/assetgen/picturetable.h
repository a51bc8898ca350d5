#pragma once

#include <QImage>
#include <QString>

// Draws the catalogue picture with the given file name, or returns a null
// image for a name it does not know.
QImage drawPicture(const QString &name);
