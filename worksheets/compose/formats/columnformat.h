#pragma once

#include "itemformat.h"

// Column arithmetic (筆算) on squared paper: one digit a faint grey square,
// small boxes above for a carry or a reduced digit, black rules, and for a
// division the divisor left of the bracket with the quotient's squares over
// the dividend. The sheet's guide takes the squares and boxes away; the
// problem stays where it was. An answer sheet works the problem in red.
[[nodiscard]] std::unique_ptr<ItemLayout> columnLayout(const SheetPlan &plan,
                                                       const SheetLook &look);
