#pragma once

#include "slottable.h"

#include <cstdint>

// The problem bank: the main table, the fixed hard division set and the one
// count both share. Slots 1..500 of ProblemTable belong to the generators,
// slots 501..1500 are the run start's staging area.
struct ProblemBank {
  static constexpr int32_t kGeneratedSlots = 500;
  static constexpr int32_t kStagingFirst = 501;

  SlotTable<1500> ProblemTable;
  SlotTable<100> HardProblemTable;
  int32_t ProblemCount = 0;
};
