#pragma once

#include "factspace.h"
#include "randomsource.h"
#include "sheetitem.h"
#include "sheetplan.h"

#include <vector>

// The facts of a sheet's kinds, worked out once for a whole batch.
[[nodiscard]] std::vector<FactSpace> factSpaces(const SheetPlan &plan);

// One sheet's problems: the count shared out over the kinds or units (the
// first ones get one more when it does not divide), a unit's share over its
// parts, mixed when there are several, a review's problems spread evenly
// among them, and the box of a missing number put on one side or the other
// by chance. A 百ます sheet's problems are its grids, each with headers of
// its own.
// How many different problems a sheet of `count` holds: fewer than the count
// when some kind or unit has too few, which then come round again evenly.
[[nodiscard]] int64_t differentProblems(const SheetPlan &plan, const std::vector<FactSpace> &spaces,
                                        int32_t count);

// How many of a sheet's problems come from the units it reviews.
[[nodiscard]] int32_t reviewCount(const SheetPlan &plan, int32_t count);

[[nodiscard]] std::vector<SheetItem> generateSheet(const SheetPlan &plan,
                                                   const std::vector<FactSpace> &spaces,
                                                   int32_t count, RandomSource &random);
