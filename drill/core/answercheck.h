#pragma once

#include "problemrecord.h"
#include "randomsource.h"

#include <cstdint>
#include <string>

// Judging an entry against the expected answer. A two-digit answer waits for
// its second digit; a one-digit answer is judged at the first, so a second
// digit always makes it wrong.
enum class Verdict { Incomplete, Right, Wrong };
[[nodiscard]] Verdict judgeEntry(int32_t expected, int32_t entered);

// The reward for a right answer: r in 4..22, each with equal chance, and the
// picture store it names.
[[nodiscard]] int32_t drawRewardNumber(RandomSource &random);
[[nodiscard]] const char *rewardPictureFor(int32_t r);

// Where problem i of a run is logged on the window: 25 lines to a column,
// 18 pixels apart, columns 100 pixels apart; the mark sits left of the text.
struct LogPlace {
  int32_t x;
  int32_t y;
  int32_t markX;
  int32_t markY;
};
[[nodiscard]] LogPlace logPlace(int32_t problemIndex);

// The logged text, e.g. "7－3=4" (UTF-8).
[[nodiscard]] std::string logLineText(const ProblemRecord &problem);
