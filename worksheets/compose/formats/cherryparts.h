#pragma once

#include "sheetitem.h"
#include "worksheetjob.h"

#include <cstdint>

// The two parts of さくらんぼ計算's cherry, left to right, and the number it
// hangs under: 9 ＋ 4 splits 4 into 1 (ten with 9) and 3; 3 ＋ 9 splits 3
// into 2 and 1 (ten with 9); 13 － 8 splits 13 into 10 and 3, or 8 into 3
// (which leaves 10) and 5.
struct CherryParts {
  Blank under = Blank::Second; // First or Second
  int32_t left = 0;
  int32_t right = 0;
};

[[nodiscard]] inline CherryParts cherryParts(const SheetItem &item, CherrySplit addSplit,
                                             CherrySplit subtractSplit) {
  const int32_t a = item.first;
  const int32_t b = item.second;
  if (item.kind == SheetKind::Subtract)
    return subtractSplit == CherrySplit::Minuend ? CherryParts{Blank::First, 10, a - 10}
                                                 : CherryParts{Blank::Second, a - 10, b - (a - 10)};
  const bool first = addSplit == CherrySplit::First || (addSplit == CherrySplit::Smaller && a < b);
  return first ? CherryParts{Blank::First, a - (10 - b), 10 - b}
               : CherryParts{Blank::Second, 10 - a, b - (10 - a)};
}
