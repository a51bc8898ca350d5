#pragma once

#include "itemformat.h"

// 「8 ＋ 7 ＝ □」 on one line: the numbers right-aligned in places as wide as
// the sheet's widest, so that a column's ones stand under each other; a box
// after 「＝」 (or at a missing number) with room for the answer's digits and
// one more, half as wide again as the printed digits, since a child writes
// larger; a remainder after 「あまり」 or 「…」.
[[nodiscard]] std::unique_ptr<ItemLayout> inlineLayout(const SheetPlan &plan,
                                                       const SheetLook &look);
