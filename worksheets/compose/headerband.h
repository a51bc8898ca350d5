#pragma once

#include "pagedrawer.h"
#include "sheetlook.h"
#include "sheetplan.h"

#include <string>
#include <vector>

// The band across the top of a sheet's first page: the title on the left and
// the sheet's number at the right of the first row, then the fields as ruled
// boxes with their labels, flowing onto as many rows as the paper's width
// needs. An answer sheet carries the title, 「こたえ」 and the number, and no
// fields. Positions are millimetres from the band's top-left corner.

struct BandText {
  RectMm cell; // where the text's cell lies
  std::string text;
  TextStyle style;
};

struct BandField {
  RectMm box; // the ruled box the child writes in
  std::vector<BandText> labels;
};

struct HeaderBand {
  std::vector<BandText> texts; // the title's lines, 「こたえ」, the sheet's number
  std::vector<BandField> fields;
  double heightMm = 0;
};

struct BandContent {
  bool answers = false;
  bool nameField = true; // a preset prints its own
  int32_t sheetNumber = 1;
  int32_t widestNumber = 1; // the room kept for the number: the batch's last
};

[[nodiscard]] HeaderBand layOutBand(const SheetPlan &plan, const SheetLook &look,
                                    BandContent content, double widthMm);

void drawBand(PageDrawer &drawer, const HeaderBand &band, double topMm, double ruleMm);
