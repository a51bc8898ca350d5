#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a three-component colour JPEG into a Format_RGB888 image. Anything
// else, and any damaged or truncated data, gives a null image and, when error
// is given, libjpeg's message. Never ends the process.
QImage decodeJpeg(const QByteArray &data, QString *error = nullptr);
