#pragma once

#include "kindplan.h"
#include "worksheetjob.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A worksheet job with every default worked out: what validateJob() gives.

// Where the items of a sheet of the program's own kinds go, in millimetres
// from the top-left corner of the printable area. The first page holds the
// header band above its rows; later pages begin at the top. Rows share out
// the page's height, so that a sheet never leaves a third of it empty.
struct PageGrid {
  double cellWidthMm = 0; // an item with its number
  double cellHeightMm = 0;
  double numberWidthMm = 0;  // the problem's number, before the item
  double numberHeightMm = 0; // or above it
  double columnPitchMm = 0;
  int32_t columns = 1;
  int32_t firstPageRows = 1; // rows of items below the header band
  int32_t laterPageRows = 1;
  double firstPageTopMm = 0; // where the first row's share begins
  double firstRowPitchMm = 0;
  double laterRowPitchMm = 0;
  int32_t pages = 1;
};

// One sheet, settled.
struct SheetPlan {
  const WorksheetPreset *preset = nullptr;
  std::vector<KindPlan> kinds; // empty for a preset
  std::vector<const UnitInfo *> units;
  int32_t reviewPercent = 0; // of the problems, from the review's plans
  int32_t count = 0;         // problems on a sheet
  SheetFields fields;
  std::optional<std::string> title;
  std::string caption; // the preset's caption or the kinds' names
  PageSetup page;
  SheetFormat format = SheetFormat::Inline;
  SheetSize size = SheetSize::Medium;
  Typeface typeface = Typeface::Klee;
  RemainderStyle remainder = RemainderStyle::Words;
  Guide guide = Guide::Boxes;
  GridCells cells = GridCells::Hundred;
  CherrySplit addSplit = CherrySplit::Second; // さくらんぼ
  CherrySplit subtractSplit = CherrySplit::Minuend;
  bool kana = false;
  std::optional<int64_t> rows; // as the user asked, if at all
  std::optional<int64_t> columns;
  PageGrid grid; // own kinds only
};

struct ResolvedJob {
  SheetPlan sheet;
  int32_t sheets = 1;
  int32_t copies = 1;
  uint32_t seed = 0;
  bool answers = false;
  bool answersAtEnd = false;
  // The number of the batch's first sheet and the batch's size, as sheets
  // are labelled: 1 and `sheets`, but for a reprint.
  int32_t firstSheet = 1;
  int32_t sheetsInBatch = 1;
  WorksheetJob options; // as the user gave them, for the sheets' reprint codes
};
