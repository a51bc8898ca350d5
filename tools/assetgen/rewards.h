#pragma once

#include <QImage>

inline constexpr int kRewardCount = 19;

// Reward picture number (1 to kRewardCount): a cheerful sticker, 100 x 100
// (times scale in pixels).
QImage drawReward(int number, int scale);
// The gentle wrong-answer picture: a puzzled friendly face, 100 x 100.
QImage drawWrongPicture(int scale);
