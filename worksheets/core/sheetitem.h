#pragma once

#include "worksheetjob.h"

#include <cstdint>
#include <vector>

// The number of a problem the child writes in.
enum class Blank { Result, First, Second };

// One problem of a sheet: first sign second ＝ result (… remainder). A
// division's first number is the dividend and its result the quotient. A
// 百ます grid holds its headers instead: the first numbers (down the left,
// or across the top of a row of ten) and the second ones (across the top,
// or the one in the corner), every cell first sign second.
struct SheetItem {
  SheetKind kind = SheetKind::Add;
  int32_t first = 0;
  int32_t second = 0;
  int32_t result = 0;
  int32_t remainder = 0;
  Blank blank = Blank::Result;
  std::vector<int32_t> firsts;
  std::vector<int32_t> seconds;
  // A three-number problem's third number and its signs: first sign second
  // sign third ＝ result.
  int32_t third = 0;
  SignPair signs = SignPair::AddAdd;
  friend bool operator==(const SheetItem &, const SheetItem &) = default;
};
