#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Writes an ICO file holding each picture as a 16-colour (4 bits per pixel)
// entry with its AND mask. Pixels less than half opaque become transparent.
QByteArray encodeIcon(const QList<QImage> &pictures);
