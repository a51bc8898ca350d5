#pragma once

#include <QImage>

// Keypad keys on the window green: raised, or pressed in.
QImage drawDigitKey(int digit, bool pressed);
// The wide C key, 154 wide; it is shown 153 wide, so its last column is plain green.
QImage drawClearKey(bool pressed);
// The whole keypad, 233 x 281, drawn inactive.
QImage drawCover();
