#pragma once

#include "kindplan.h"
#include "sheetitem.h"

#include <cstdint>
#include <string>
#include <vector>

// One problem worked in column form (筆算) as textbooks set it out on
// squared paper: which digit stands in which square, printed with the
// problem or written by the child, and the marks around them. Columns count
// from the grid's left edge (its last column holds the ones), rows from its
// top. A division's divisor stands left of the bracket, in columns below 0,
// on the dividend's row.

// Who writes a mark: printed with the problem, or the child's, which only
// the answer sheet shows.
enum class Hand { Printed, Child };

// Row of the small boxes above the first row, for a carry or a digit
// reduced by a borrow.
inline constexpr int32_t kMemoRow = -1;

struct ColumnGlyph {
  int32_t row = 0;
  int32_t column = 0;
  std::string text; // one digit, or a sign
  Hand hand = Hand::Printed;
};

// A rule under a row, from one column to another, both included.
struct ColumnRule {
  int32_t belowRow = 0;
  int32_t firstColumn = 0;
  int32_t lastColumn = 0;
  Hand hand = Hand::Printed;
};

// A printed digit the child strikes through when its column lends.
struct ColumnStrike {
  int32_t row = 0;
  int32_t column = 0;
};

struct ColumnWork {
  int32_t columns = 0; // squares across, the sign's included
  int32_t rows = 0;
  int32_t divisorColumns = 0; // a division: the divisor's squares
  std::vector<int32_t> memoColumns;
  std::vector<ColumnGlyph> glyphs;
  std::vector<ColumnRule> rules;
  std::vector<ColumnStrike> strikes;
};

[[nodiscard]] ColumnWork workInColumns(const SheetItem &item);

// The most room any problem of a kind plan takes in column form.
struct ColumnExtent {
  int32_t columns = 0;
  int32_t rows = 0;
  int32_t divisorColumns = 0;
  bool memo = false; // some problem has small boxes above it
};

[[nodiscard]] ColumnExtent columnExtent(const KindPlan &plan);
