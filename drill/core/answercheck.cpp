#include "answercheck.h"

#include <array>

Verdict judgeEntry(int32_t expected, int32_t entered) {
  if (expected >= 10 && entered < 10)
    return Verdict::Incomplete;
  return entered == expected ? Verdict::Right : Verdict::Wrong;
}

int32_t drawRewardNumber(RandomSource &random) { return 4 + random.below(19); }

const char *rewardPictureFor(int32_t r) {
  static constexpr std::array<const char *, 19> kRewards{
      "Image4",  "Image5",  "Image6",  "Image7",  "Image8",  "Image9",  "Image10",
      "Image39", "Image29", "Image30", "Image31", "Image32", "Image33", "Image34",
      "Image35", "Image36", "Image37", "Image38", "Image40",
  };
  if (r < 4 || r > 22)
    return nullptr;
  return kRewards[static_cast<std::size_t>(r - 4)];
}

LogPlace logPlace(int32_t problemIndex) {
  // Problems past 100 would need more columns than the log area has; the
  // arithmetic stays defined for any index a run can reach.
  const int32_t i = problemIndex < 1 ? 1 : problemIndex;
  const int32_t column = (i - 1) / 25;
  const int32_t row = (i - 1) % 25;
  const int32_t x = 40 + 100 * column;
  const int32_t y = 200 + 18 * row;
  return {x, y, x - 14, y + 3};
}

std::string logLineText(const ProblemRecord &problem) {
  return std::to_string(problem.Left) + "－" + std::to_string(problem.Right) + "=" +
         std::to_string(problem.Result);
}
