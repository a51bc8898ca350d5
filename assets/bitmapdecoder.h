#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes an uncompressed 8-bit palette BMP (BITMAPINFOHEADER, rows stored
// bottom-up) into a Format_Indexed8 image with the file's colour table. Any
// other kind of BMP, and damaged data, gives a null image and, when error is
// given, a message.
QImage decodeBitmap(const QByteArray &data, QString *error = nullptr);
