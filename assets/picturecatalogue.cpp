#include "picturecatalogue.h"

#include <algorithm>

namespace {

constexpr int kDigitWidth = 54;
constexpr int kDigitHeight = 72;
constexpr int kKeyWidth = 73;
constexpr int kKeyHeight = 65;
constexpr int kWideKeyWidth = 154;
constexpr int kRewardSize = 100;

constexpr std::array<PictureFile, 58> kPictures{{
    {"digit_0.jpg", kDigitWidth, kDigitHeight, false, "0"},
    {"digit_1.jpg", kDigitWidth, kDigitHeight, false, "1"},
    {"digit_2.jpg", kDigitWidth, kDigitHeight, false, "2"},
    {"digit_3.jpg", kDigitWidth, kDigitHeight, false, "3"},
    {"digit_4.jpg", kDigitWidth, kDigitHeight, false, "4"},
    {"digit_5.jpg", kDigitWidth, kDigitHeight, false, "5"},
    {"digit_6.jpg", kDigitWidth, kDigitHeight, false, "6"},
    {"digit_7.jpg", kDigitWidth, kDigitHeight, false, "7"},
    {"digit_8.jpg", kDigitWidth, kDigitHeight, false, "8"},
    {"digit_9.jpg", kDigitWidth, kDigitHeight, false, "9"},
    {"digit_blank.jpg", kDigitWidth, kDigitHeight, false, "からっぽ"},
    {"wrong.jpg", kRewardSize, kRewardSize, false, "ちがうよ の え"},
    {"reward_01.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：ほし"},
    {"reward_02.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：たいよう"},
    {"reward_03.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：はな"},
    {"reward_04.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：ふうせん"},
    {"reward_05.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：ハート"},
    {"reward_06.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：にじ"},
    {"reward_07.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：ケーキ"},
    {"reward_08.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：ロケット"},
    {"reward_09.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：さかな"},
    {"reward_10.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：ねこ"},
    {"reward_11.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：トロフィー"},
    {"reward_12.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：りんご"},
    {"reward_13.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：くるま"},
    {"reward_14.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：ちょうちょ"},
    {"reward_15.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：プレゼント"},
    {"reward_16.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：おうかん"},
    {"reward_17.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：メダル"},
    {"reward_18.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：アイスクリーム"},
    {"reward_19.jpg", kRewardSize, kRewardSize, false, "ごほうびの え：いえ"},
    {"mark_first_try.jpg", 9, 9, false, "１かいで できた しるし"},
    {"mark_corrected.jpg", 9, 9, false, "なおして できた しるし"},
    {"key_0.jpg", kKeyWidth, kKeyHeight, false, "0 の キー"},
    {"key_1.jpg", kKeyWidth, kKeyHeight, false, "1 の キー"},
    {"key_2.jpg", kKeyWidth, kKeyHeight, false, "2 の キー"},
    {"key_3.jpg", kKeyWidth, kKeyHeight, false, "3 の キー"},
    {"key_4.jpg", kKeyWidth, kKeyHeight, false, "4 の キー"},
    {"key_5.jpg", kKeyWidth, kKeyHeight, false, "5 の キー"},
    {"key_6.jpg", kKeyWidth, kKeyHeight, false, "6 の キー"},
    {"key_7.jpg", kKeyWidth, kKeyHeight, false, "7 の キー"},
    {"key_8.jpg", kKeyWidth, kKeyHeight, false, "8 の キー"},
    {"key_9.jpg", kKeyWidth, kKeyHeight, false, "9 の キー"},
    {"key_c.jpg", kWideKeyWidth, kKeyHeight, false, "けす の キー"},
    {"key_pressed_0.jpg", kKeyWidth, kKeyHeight, false, "おしている 0 の キー"},
    {"key_pressed_1.jpg", kKeyWidth, kKeyHeight, false, "おしている 1 の キー"},
    {"key_pressed_2.jpg", kKeyWidth, kKeyHeight, false, "おしている 2 の キー"},
    {"key_pressed_3.jpg", kKeyWidth, kKeyHeight, false, "おしている 3 の キー"},
    {"key_pressed_4.jpg", kKeyWidth, kKeyHeight, false, "おしている 4 の キー"},
    {"key_pressed_5.jpg", kKeyWidth, kKeyHeight, false, "おしている 5 の キー"},
    {"key_pressed_6.jpg", kKeyWidth, kKeyHeight, false, "おしている 6 の キー"},
    {"key_pressed_7.jpg", kKeyWidth, kKeyHeight, false, "おしている 7 の キー"},
    {"key_pressed_8.jpg", kKeyWidth, kKeyHeight, false, "おしている 8 の キー"},
    {"key_pressed_9.jpg", kKeyWidth, kKeyHeight, false, "おしている 9 の キー"},
    {"key_pressed_c.jpg", kWideKeyWidth, kKeyHeight, false, "おしている けす の キー"},
    {"cover.jpg", 233, 281, false, "キーは いま つかえません"},
    {"tile_plain.bmp", 40, 40, true, "タイル"},
    {"tile_taken.bmp", 40, 40, true, "とった タイル"},
}};

} // namespace

const std::array<PictureFile, 58> &pictureFiles() { return kPictures; }

const PictureFile *findPictureFile(std::string_view name) {
  for (const PictureFile &file : kPictures)
    if (name == file.name)
      return &file;
  return nullptr;
}

std::string denseFileName(std::string_view name) {
  const std::string_view::size_type dot = std::min(name.rfind('.'), name.size());
  return std::string(name.substr(0, dot)) + "@" + std::to_string(kDenseScale) + "x" +
         std::string(name.substr(dot));
}
