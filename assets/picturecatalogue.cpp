#include "picturecatalogue.h"

namespace {

constexpr int kDigitWidth = 54;
constexpr int kDigitHeight = 72;
constexpr int kKeyWidth = 73;
constexpr int kKeyHeight = 65;
constexpr int kWideKeyWidth = 154;
constexpr int kRewardSize = 100;

constexpr std::array<PictureFile, 58> kPictures{{
    {"digit_0.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_1.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_2.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_3.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_4.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_5.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_6.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_7.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_8.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_9.jpg", kDigitWidth, kDigitHeight, false},
    {"digit_blank.jpg", kDigitWidth, kDigitHeight, false},
    {"wrong.jpg", kRewardSize, kRewardSize, false},
    {"reward_01.jpg", kRewardSize, kRewardSize, false},
    {"reward_02.jpg", kRewardSize, kRewardSize, false},
    {"reward_03.jpg", kRewardSize, kRewardSize, false},
    {"reward_04.jpg", kRewardSize, kRewardSize, false},
    {"reward_05.jpg", kRewardSize, kRewardSize, false},
    {"reward_06.jpg", kRewardSize, kRewardSize, false},
    {"reward_07.jpg", kRewardSize, kRewardSize, false},
    {"reward_08.jpg", kRewardSize, kRewardSize, false},
    {"reward_09.jpg", kRewardSize, kRewardSize, false},
    {"reward_10.jpg", kRewardSize, kRewardSize, false},
    {"reward_11.jpg", kRewardSize, kRewardSize, false},
    {"reward_12.jpg", kRewardSize, kRewardSize, false},
    {"reward_13.jpg", kRewardSize, kRewardSize, false},
    {"reward_14.jpg", kRewardSize, kRewardSize, false},
    {"reward_15.jpg", kRewardSize, kRewardSize, false},
    {"reward_16.jpg", kRewardSize, kRewardSize, false},
    {"reward_17.jpg", kRewardSize, kRewardSize, false},
    {"reward_18.jpg", kRewardSize, kRewardSize, false},
    {"reward_19.jpg", kRewardSize, kRewardSize, false},
    {"mark_first_try.jpg", 9, 9, false},
    {"mark_corrected.jpg", 9, 9, false},
    {"key_0.jpg", kKeyWidth, kKeyHeight, false},
    {"key_1.jpg", kKeyWidth, kKeyHeight, false},
    {"key_2.jpg", kKeyWidth, kKeyHeight, false},
    {"key_3.jpg", kKeyWidth, kKeyHeight, false},
    {"key_4.jpg", kKeyWidth, kKeyHeight, false},
    {"key_5.jpg", kKeyWidth, kKeyHeight, false},
    {"key_6.jpg", kKeyWidth, kKeyHeight, false},
    {"key_7.jpg", kKeyWidth, kKeyHeight, false},
    {"key_8.jpg", kKeyWidth, kKeyHeight, false},
    {"key_9.jpg", kKeyWidth, kKeyHeight, false},
    {"key_c.jpg", kWideKeyWidth, kKeyHeight, false},
    {"key_pressed_0.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_1.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_2.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_3.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_4.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_5.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_6.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_7.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_8.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_9.jpg", kKeyWidth, kKeyHeight, false},
    {"key_pressed_c.jpg", kWideKeyWidth, kKeyHeight, false},
    {"cover.jpg", 233, 281, false},
    {"tile_plain.bmp", 40, 40, true},
    {"tile_taken.bmp", 40, 40, true},
}};

} // namespace

const std::array<PictureFile, 58> &pictureFiles() {
  return kPictures;
}
