#pragma once

#include "randomsource.h"
#include "slottable.h"

#include <algorithm>
#include <cstdint>
#include <utility>

// One pass of random exchanges over slots 1..count, re-seeded from the clock
// first. Slot i trades its numbers with slot 1 + Random(count - 1), so the
// last slot is never drawn as a partner and always receives a record from
// slots 1..count-1. Marks stay where they are. A count larger than the table
// is cut to the table's size.
template <int32_t SlotCount>
void shuffleSlots(SlotTable<SlotCount> &table, int32_t count, RandomSource &random) {
  random.reseedFromClock();
  const int32_t n = std::min(count, SlotCount);
  for (int32_t i = 1; i <= n; ++i) {
    const int32_t j = 1 + random.below(n - 1);
    ProblemRecord &a = table.at(i);
    ProblemRecord &b = table.at(j);
    std::swap(a.Left, b.Left);
    std::swap(a.Right, b.Right);
    std::swap(a.Result, b.Result);
    std::swap(a.Remainder, b.Remainder);
  }
}
