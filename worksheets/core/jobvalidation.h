#pragma once

#include "factspace.h"
#include "worksheetjob.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The one check of a worksheet job: either the job with every default worked
// out, or a refusal that names the field, the reason and the bounds. Each
// front end words a refusal itself.

enum class JobField {
  Preset,
  Kind,
  Min,
  Max,
  First,
  Second,
  Result,
  Carry,
  Rows,
  Columns,
  Count,
  Sheets,
  Copies,
  Seed,
  Title,
  Paper,
};

enum class RefusalReason {
  OutOfRange,    // outside low..high
  LowAboveHigh,  // a range or --min/--max the wrong way round
  NotWithPreset, // a preset fixes its problems
  NotForKinds,   // carrying only means something for addition and subtraction
  NoProblems,    // no problem fits the ranges and the carry asked for
  NoDivisor,     // every divisor below low, the smallest a division can use
  Unknown,       // not a name the program knows
  NotANumber,    // not a whole number
  NotARange,     // not A..B
  Missing,       // neither a preset nor a kind
  TooSmall,      // so many rows or columns that the problems would print too small
  BadText,       // control characters, or longer than high characters
};

struct Refusal {
  JobField field = JobField::Count;
  RefusalReason reason = RefusalReason::OutOfRange;
  int64_t low = 0;
  int64_t high = 0;
  friend bool operator==(const Refusal &, const Refusal &) = default;
};

struct Limits {
  int64_t low;
  int64_t high;
};
inline constexpr Limits kCountLimits{1, 10000};
inline constexpr Limits kSheetLimits{1, 1000};
inline constexpr Limits kCopyLimits{1, 100};
inline constexpr Limits kOperandLimits{0, 9999};
inline constexpr Limits kRowLimits{1, 50};
inline constexpr Limits kColumnLimits{1, 10};
inline constexpr Limits kSeedLimits{0, 4294967295LL};
inline constexpr int64_t kTitleLength = 80; // characters
inline constexpr int64_t kBatchProblems = 1000000;
inline constexpr int32_t kSmallestItemPixels = 47; // 2 mm at 600 dpi

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
  Paper paper = Paper::A4;
};

struct ResolvedJob {
  SheetPlan sheet;
  int32_t sheets = 1;
  int32_t copies = 1;
  uint32_t seed = 0;
  bool answers = false;
  bool answersAtEnd = false;
};

using JobCheck = std::variant<ResolvedJob, Refusal>;

[[nodiscard]] JobCheck validateJob(const WorksheetJob &job);

// Text as the front ends take it: a whole number ("42", "+42", "-1"), and a
// range "A..B" (or one number A, meaning A..A). Nothing else parses.
[[nodiscard]] std::optional<int64_t> parseWholeNumber(std::string_view text);
[[nodiscard]] std::optional<NumberRange> parseRange(std::string_view text);

// The printable page at 600 dots per inch, within the margins every sheet keeps.
struct PrintableArea {
  int32_t width = 0;
  int32_t height = 0;
};
inline constexpr int32_t kSheetDpi = 600;
inline constexpr double kSideMarginMm = 4.0;
inline constexpr double kTopMarginMm = 5.0;
[[nodiscard]] PrintableArea printableArea(Paper paper);
