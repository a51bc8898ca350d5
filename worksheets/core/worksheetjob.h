#pragma once

#include "papers.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct UnitInfo;
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
  Three, // three numbers, a ＋ b － c
};

// The two signs of a three-number problem (one row of the sign pairs table).
enum class SignPair { AddAdd, SubtractSubtract, AddSubtract, SubtractAdd };

// Carrying in addition, borrowing in subtraction, in any column.
enum class Carry { Any, Without, With };

// How an item is set out on the page (one row of the formats table).
enum class SheetFormat { Inline, Column, Grid, Cherry };

// Which number さくらんぼ計算 splits (one row of the splits table): for an
// addition the second (加数分解), the first (被加数分解) or the smaller; for a
// subtraction the minuend (減加法) or the subtrahend (減減法).
enum class CherrySplit { Second, First, Smaller, Minuend, Subtrahend };

// The cells of a 百ます grid: 10 × 10, 5 × 5, or one row of ten (one row of
// the grid sizes table).
enum class GridCells { Hundred, TwentyFive, Ten };

// How much of the squared paper a column problem is printed on: squares and
// the small boxes for carries, squares only, or a blank space (one row of the
// guides table).
enum class Guide { Boxes, Squares, None };

// How big the digits print, for the child's age (one row of the sizes table).
enum class SheetSize { Large, Medium, Small };

// The face the program's own sheets print in (one row of the typefaces table).
enum class Typeface { Klee, UdGothic, Gothic };

// A remainder written as textbooks write it, 「5あまり1」, or 「5 … 1」.
enum class RemainderStyle { Words, Dots };

// The fields a sheet can carry besides its problems.
struct SheetFields {
  bool name = false;      // なまえ / 名前
  bool className = false; // 　ねん　くみ　ばん / 　年　組　番
  bool date = false;      // 　がつ　にち / 　月　日
  bool score = false;     // 　　／N
  bool numbers = false;   // a number beside every problem
  friend bool operator==(SheetFields, SheetFields) = default;
};

// Which sheet of a batch a reprint makes again: its number and the batch's size.
struct SheetNumber {
  int64_t sheet = 1;
  int64_t of = 1;
  friend bool operator==(SheetNumber, SheetNumber) = default;
};

struct WorksheetJob {
  const WorksheetPreset *preset = nullptr; // one of kWorksheetPresets, or none
  std::vector<const UnitInfo *> units;     // of kUnits; several make a mix
  std::optional<int64_t> review;           // the percentage of problems from earlier units
  std::vector<SheetKind> kinds;            // several make a mix
  std::optional<int64_t> min;              // lower bound of every operand
  std::optional<int64_t> max;              // upper bound of every operand
  std::optional<NumberRange> first;
  std::optional<NumberRange> second;
  std::optional<NumberRange> result;
  std::optional<Carry> carry;
  bool leaveOutTrivial = false; // no operand 0, ×1, ÷1 or a − a
  std::vector<SignPair> signs;  // three numbers only; every pair when none is given
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
  // Unset: the default (inline, medium, Klee One, 「あまり」), which a preset
  // takes as its own.
  std::optional<SheetFormat> format;
  std::optional<SheetSize> size;
  std::optional<Typeface> typeface;
  std::optional<RemainderStyle> remainder;
  std::optional<bool> kana;         // kana headings; by default with the large size
  std::optional<Guide> guide;       // column form only; squares and boxes by default
  std::optional<GridCells> cells;   // 百ます only; 100 by default
  std::optional<CherrySplit> split; // さくらんぼ only; second and minuend by default
  // A sheet made again from its reprint code: that one sheet, under its own
  // number. The seed is the batch's.
  std::optional<SheetNumber> reprint;
};
