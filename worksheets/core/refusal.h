#pragma once

#include <cstdint>

// Why a worksheet job cannot be made: the field, the reason and the bounds.
// Each front end words a refusal itself.

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
