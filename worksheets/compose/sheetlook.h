#pragma once

#include "pagedrawer.h"
#include "sheetplan.h"
#include "sheetstyles.h"

// How a sheet of the program's own kinds looks, from its size, typeface and
// headings: the styles of its texts and the weight of its rules.

// The answers on an answer sheet: a red a teacher marks beside, which a
// grey-scale print still sets apart from the black problem (luminance 49 %,
// where pure red gives 30 %, close to black).
inline constexpr Ink kAnswerInk{240, 80, 64};

struct SheetLook {
  const SheetSizeInfo *size = nullptr;
  bool kana = false;
  TextStyle item;   // the problems' digits and signs
  TextStyle number; // the problems' numbers, 「あまり」
  TextStyle title;  // the title and the sheet's number
  TextStyle label;  // the fields' labels
  TextStyle footer;
  double ruleMm = 0.3;    // the answer boxes and the fields
  double gapMm = 3.0;     // between the parts of the header band
  double bandGapMm = 5.0; // between the band and the first row
};

[[nodiscard]] SheetLook lookOf(const SheetPlan &plan);
