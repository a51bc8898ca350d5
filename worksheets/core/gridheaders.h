#pragma once

#include "kindplan.h"
#include "randomsource.h"
#include "sheetitem.h"
#include "worksheetjob.h"

#include <cstdint>
#include <vector>

// The headers of a 百ます grid. Every first number meets every second one,
// so the headers hold different values from the kind's ranges: a
// subtraction's minuends none below the largest subtrahend, and without
// trivial problems no 0, no factor 1 and no minuend equal to a subtrahend.
struct GridPools {
  std::vector<int32_t> firsts;
  std::vector<int32_t> seconds;
};

[[nodiscard]] GridPools gridPools(const KindPlan &plan);

// How many different values each header takes.
struct GridHeads {
  int32_t firsts;
  int32_t seconds;
};
[[nodiscard]] GridHeads gridHeads(GridCells cells);

// One grid: each header's values drawn from its pool in a shuffled order.
[[nodiscard]] SheetItem drawGrid(const KindPlan &plan, GridCells cells, RandomSource &random);
