#pragma once

#include <QImage>
#include <QString>

// Loads the embedded picture :/pictures/<name>, a JPEG (.jpg) or a palette
// BMP (.bmp). A missing or damaged picture gives a null image and one warning
// line on stderr.
QImage loadPicture(const QString &name);
