#pragma once

#include "problemrecord.h"

#include <cstdint>

// What the number cells and hint tiles show for a problem Left - Right.

// A cell shows a digit glyph 0..9, the blank glyph, or keeps its picture
// (a value no glyph can show).
enum class CellGlyph : int8_t { Keep = -2, Blank = -1 };
[[nodiscard]] constexpr CellGlyph digitGlyph(int32_t digit) { return CellGlyph(digit); }

struct ProblemCells {
  CellGlyph leftTens;
  CellGlyph leftUnits;
  CellGlyph right;
};

[[nodiscard]] ProblemCells problemCells(const ProblemRecord &problem);

// Hint tile k (1 at the bottom .. 9 at the top) shows when Left >= k.
[[nodiscard]] constexpr bool hintTileShown(int32_t left, int32_t k) { return !(left < k); }
