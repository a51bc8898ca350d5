#include "generators.h"

#include <array>

namespace {

struct HardEntry {
  int32_t dividend;
  int32_t divisor;
};

// Dividend and divisor of the hard division set, in slot order. In all but
// one the written division needs a borrow in its last step; 4 / 7 is the only
// one-digit dividend.
constexpr std::array<HardEntry, 100> kHardDivisions{{
    {60, 9}, {35, 9}, {60, 7}, {55, 8}, {62, 7}, {15, 8}, {44, 9}, {33, 9}, {20, 9}, {16, 9},
    {30, 8}, {31, 7}, {11, 6}, {51, 7}, {20, 7}, {52, 9}, {13, 8}, {11, 4}, {22, 9}, {20, 6},
    {11, 3}, {61, 9}, {12, 8}, {31, 9}, {71, 8}, {14, 8}, {23, 6}, {13, 7}, {31, 4}, {34, 7},
    {80, 9}, {54, 8}, {32, 9}, {63, 8}, {11, 7}, {10, 6}, {10, 3}, {53, 9}, {61, 8}, {43, 9},
    {20, 8}, {12, 7}, {41, 9}, {62, 8}, {15, 9}, {24, 9}, {10, 4}, {21, 9}, {41, 6}, {11, 8},
    {60, 8}, {41, 7}, {10, 7}, {50, 6}, {21, 6}, {17, 9}, {12, 9}, {11, 9}, {51, 9}, {22, 8},
    {20, 3}, {70, 8}, {25, 9}, {55, 7}, {53, 7}, {10, 9}, {40, 6}, {62, 9}, {42, 9}, {52, 6},
    {50, 9}, {30, 7}, {23, 8}, {31, 8}, {33, 7}, {14, 9}, {70, 9}, {22, 6}, {34, 9}, {50, 7},
    {61, 7}, {52, 8}, {53, 8}, {30, 4}, {32, 7}, {26, 9}, {51, 6}, {54, 7}, {53, 6}, {51, 8},
    {30, 9}, {13, 9}, {40, 9}, {52, 7}, {23, 9}, {4, 7},  {10, 8}, {40, 7}, {50, 8}, {71, 9},
}};

// Writes the number fields of the next slot, leaving its Mark alone.
void append(ProblemBank &bank, int32_t left, int32_t right, int32_t result, int32_t remainder) {
  ProblemRecord &record = bank.ProblemTable.at(++bank.ProblemCount);
  record.Left = left;
  record.Right = right;
  record.Result = result;
  record.Remainder = remainder;
}

} // namespace

void clearGeneratedSlots(ProblemBank &bank) {
  bank.ProblemCount = 0;
  for (int32_t slot = 1; slot <= ProblemBank::kGeneratedSlots; ++slot) {
    ProblemRecord &record = bank.ProblemTable.at(slot);
    record.Left = record.Right = record.Result = record.Remainder = 0;
  }
}

void generateSubtractionSet(ProblemBank &bank) {
  clearGeneratedSlots(bank);
  for (int32_t a = 0; a <= 9; ++a)
    for (int32_t b = 0; b <= 9 - a; ++b)
      append(bank, a + b, b, a, 0);
  // The count names the next free slot, not the last record written.
  ++bank.ProblemCount;
}

void generateDivisionWithRemainder(ProblemBank &bank) {
  clearGeneratedSlots(bank);
  for (int32_t d = 2; d <= 9; ++d)
    for (int32_t q = 1; q <= 9; ++q)
      for (int32_t r = 1; r <= d - 1; ++r)
        append(bank, d, q, d * q + r, r);
}

void generateDivisionWithoutRemainder(ProblemBank &bank) {
  clearGeneratedSlots(bank);
  for (int pass = 0; pass < 2; ++pass)
    for (int32_t d = 1; d <= 9; ++d)
      for (int32_t q = 1; q <= 9; ++q)
        append(bank, d, q, d * q, 0);
}

void generateHardDivisionSet(ProblemBank &bank) {
  for (int32_t slot = 1; slot <= 100; ++slot) {
    ProblemRecord &record = bank.HardProblemTable.at(slot);
    const HardEntry &entry = kHardDivisions[static_cast<std::size_t>(slot - 1)];
    record.Result = entry.dividend;
    record.Left = entry.divisor;
  }
  bank.ProblemCount = 100;
  for (int32_t slot = 1; slot <= 100; ++slot) {
    ProblemRecord &record = bank.HardProblemTable.at(slot);
    record.Right = record.Result / record.Left;
    record.Remainder = record.Result % record.Left;
  }
}

void generateTimesTable(ProblemBank &bank) {
  clearGeneratedSlots(bank);
  for (int32_t a = 1; a <= 9; ++a)
    for (int32_t b = 1; b <= 9; ++b)
      append(bank, a, b, a * b, 0);
}
