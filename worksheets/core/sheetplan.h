#pragma once

#include "kindplan.h"
#include "worksheetjob.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A worksheet job with every default worked out: what validateJob() gives.

// How wide each place of an item of the program's own kinds is, in half
// character places: a digit takes one half, a sign three (two, and half a
// place of room around it, so that a box never touches its neighbours).
inline constexpr int32_t kSignHalves = 3;
struct ItemShape {
  int32_t number = 0; // the problem's number, when numbered
  int32_t first = 2;
  int32_t second = 2;
  int32_t result = 2;
  int32_t remainder = 0; // none unless some kind has remainders
  [[nodiscard]] int32_t halves() const;
  // Character places of one grid column: the item and a place between columns.
  [[nodiscard]] int32_t charsAcross() const { return (halves() + 1) / 2 + 1; }
  friend bool operator==(const ItemShape &, const ItemShape &) = default;
};

// One sheet, settled.
struct SheetPlan {
  const WorksheetPreset *preset = nullptr;
  std::vector<KindPlan> kinds; // empty for a preset
  int32_t count = 0;           // problems on a sheet
  int32_t rows = 0;
  int32_t columns = 0;
  int32_t charsAcross = 0;
  ItemShape shape;
  SheetFields fields;
  std::optional<std::string> title;
  std::string caption; // the preset's caption or the kinds' names
  PageSetup page;
};

struct ResolvedJob {
  SheetPlan sheet;
  int32_t sheets = 1;
  int32_t copies = 1;
  uint32_t seed = 0;
  bool answers = false;
  bool answersAtEnd = false;
};
