#include "runsetup.h"

#include "shuffle.h"

#include <algorithm>
#include <array>

void repeatShuffledBlock(ProblemBank &bank, RandomSource &random) {
  constexpr int32_t kRecordsWanted = 120;
  const int32_t n = bank.ProblemCount;
  if (n <= 0 || n > kRecordsWanted)
    return;
  const int32_t copies = kRecordsWanted / n;
  for (int32_t c = 1; c <= copies; ++c) {
    shuffleSlots(bank.ProblemTable, n, random);
    const int32_t stagingBase = ProblemBank::kGeneratedSlots + (c - 1) * n;
    for (int32_t slot = 1; slot <= n; ++slot)
      bank.ProblemTable.at(stagingBase + slot) = bank.ProblemTable.at(slot);
  }
  for (int32_t slot = 1; slot <= copies * n; ++slot)
    bank.ProblemTable.at(slot) = bank.ProblemTable.at(ProblemBank::kGeneratedSlots + slot);
  bank.ProblemCount = copies * n;
}

int32_t runLengthForItem(int item) {
  constexpr std::array<int32_t, 4> kLengths{10, 20, 50, 100};
  if (item < 0 || item >= static_cast<int>(kLengths.size()))
    return kLengths.back();
  return kLengths[static_cast<std::size_t>(item)];
}

void clearRunMarks(ProblemBank &bank, int32_t runLength) {
  const int32_t last = std::min(runLength, ProblemBank::kGeneratedSlots);
  for (int32_t slot = 1; slot <= last; ++slot)
    bank.ProblemTable.at(slot).Mark = 0;
}

void copyHardSetIntoProblemTable(ProblemBank &bank) {
  for (int32_t slot = 1; slot <= 100; ++slot) {
    const ProblemRecord &hard = bank.HardProblemTable.at(slot);
    ProblemRecord &record = bank.ProblemTable.at(slot);
    record.Left = hard.Left;
    record.Right = hard.Right;
    record.Result = hard.Result;
    record.Remainder = hard.Remainder;
  }
}
