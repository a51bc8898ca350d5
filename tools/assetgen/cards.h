#pragma once

#include <QImage>

// A 54 x 72 digit card (times scale in pixels): a bold dark digit on a light
// card lying on the window green. digit -1 gives the empty card.
QImage drawDigitCard(int digit, int scale);
