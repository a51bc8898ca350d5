#pragma once

#include <QImage>

// Keypad keys on the window green: raised, or pressed in. Sizes are in
// picture pixels, each scale pixels wide in the result.
QImage drawDigitKey(int digit, bool pressed, int scale);
// The wide C key, 154 wide; it is shown 153 wide, so its last column is plain green.
QImage drawClearKey(bool pressed, int scale);
// The whole keypad, 233 x 281, drawn inactive.
QImage drawCover(int scale);
