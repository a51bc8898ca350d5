#pragma once

#include "itemformat.h"

// 百ます計算: a grid with the first numbers down the left, the second ones
// across the top and the sign in the corner; a row of ten has the first
// numbers across the top and the sign with its one second number in the
// corner. Header cells are grey, the cells to fill white and square, large
// enough for a child's digits; an answer sheet fills every cell in red.
[[nodiscard]] std::unique_ptr<ItemLayout> gridLayout(const SheetPlan &plan, const SheetLook &look);
