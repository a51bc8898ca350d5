#pragma once

#include "papers.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct WorksheetPreset;

// One worksheet job as a front end fills it: what the user chose, nothing
// worked out yet. validateJob() checks it and resolves the defaults.

// A closed range of whole numbers, as "A..B" gives it.
struct NumberRange {
  int64_t low = 0;
  int64_t high = 0;
  friend bool operator==(NumberRange, NumberRange) = default;
};

enum class SheetKind {
  Add,
  Subtract,
  Multiply,
  MissingFactor,
  MissingAddend,
  Divide,
  DivideRemainder,
};

// Carrying in addition, borrowing in subtraction, in any column.
enum class Carry { Any, Without, With };

// The fields a sheet can carry besides its problems.
struct SheetFields {
  bool name = false;      // 名前（ … ）, where the window prints it
  bool className = false; // 　年　組　番
  bool date = false;      // 　月　日
  bool score = false;     // 　　／N
  bool numbers = false;   // a number beside every problem
};

struct WorksheetJob {
  const WorksheetPreset *preset = nullptr; // one of kWorksheetPresets, or none
  std::vector<SheetKind> kinds;            // several make a mix
  std::optional<int64_t> min;              // lower bound of every operand
  std::optional<int64_t> max;              // upper bound of every operand
  std::optional<NumberRange> first;
  std::optional<NumberRange> second;
  std::optional<NumberRange> result;
  std::optional<Carry> carry;
  std::optional<int64_t> rows;
  std::optional<int64_t> columns;
  std::optional<int64_t> count;
  int64_t sheets = 1;
  int64_t copies = 1;
  int64_t seed = 0;
  bool answers = false;
  bool answersAtEnd = false; // implies answers
  SheetFields fields;
  // A title at the top; an empty one stands for the preset's caption or the
  // kinds' names.
  std::optional<std::string> title;
  PageSetup page;
};
