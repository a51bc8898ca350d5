#pragma once

#include "factspace.h"
#include "randomsource.h"
#include "sheetitem.h"
#include "sheetplan.h"

#include <vector>

// The facts of a sheet's kinds, worked out once for a whole batch.
[[nodiscard]] std::vector<FactSpace> factSpaces(const SheetPlan &plan);

// One sheet's problems: the count shared out over the kinds (the first ones
// get one more when it does not divide), mixed when there are several, and
// the box of a missing number put on one side or the other by chance. A
// 百ます sheet's problems are its grids, each with headers of its own.
[[nodiscard]] std::vector<SheetItem> generateSheet(const SheetPlan &plan,
                                                   const std::vector<FactSpace> &spaces,
                                                   int32_t count, RandomSource &random);
