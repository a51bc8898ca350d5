#pragma once

#include <QColor>

// Colours shared by several pictures.
namespace colours {

// The window's background, around keys, cards, tiles and marks.
inline const QColor windowGreen(0, 128, 0);
inline const QColor ink(24, 34, 78);
inline const QColor shadow(0, 40, 0, 110);

} // namespace colours
