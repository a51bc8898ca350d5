#pragma once

#include "worksheetjob.h"

#include <cstdint>

// The number of a problem the child writes in.
enum class Blank { Result, First, Second };

// One problem of a sheet: first sign second ＝ result (… remainder). A
// division's first number is the dividend and its result the quotient.
struct SheetItem {
  SheetKind kind = SheetKind::Add;
  int32_t first = 0;
  int32_t second = 0;
  int32_t result = 0;
  int32_t remainder = 0;
  Blank blank = Blank::Result;
  friend bool operator==(const SheetItem &, const SheetItem &) = default;
};
