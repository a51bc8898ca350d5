#pragma once

#include <QDir>
#include <QImage>

// Lays out every written picture, read back from folder with Qt's own image
// readers, for checking by eye: cards in their cells, the keypad built from
// the keys, pressed keys and the cover, the stickers, marks, tiles and icons.
QImage makeContactSheet(const QDir &folder, int zoom);
