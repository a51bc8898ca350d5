#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

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
  Format,
  Size,
  Typeface,
  Remainder,
  Reprint,
  Guide,
  Numbers,
  Trivial,
  Cells,
  Split,
  Signs,
  Unit,
  Review,
};

enum class RefusalReason {
  OutOfRange,      // outside low..high
  LowAboveHigh,    // a range or --min/--max the wrong way round
  NotWithPreset,   // a preset fixes its problems and its page
  NotWithUnit,     // a unit fixes its problems
  NoUnit,          // a review needs a unit
  NothingToReview, // no unit before this one is set out the same way
  UnitsApart,      // units set out in different ways (or 百ます of different sizes) on one sheet
  NotForKinds,     // carrying only means something for addition and subtraction (and
                   // products in column form); signs only for three numbers
  NotForFormat,    // not in this format: Format lists in allowed the kinds it takes;
                   // Guide is for the column form only, Cells for 百ます; 百ます takes
                   // no Carry or Result, nor Trivial with 100 cells
  FewerDigits,     // a dividend with fewer digits than every divisor
  NoCrossing,      // さくらんぼ takes only sums of two digits over ten and differences from
                   // 11..18 under ten
  TooFewValues,    // a 百ます header needs `high` different values; with Second in `with`,
                   // a subtraction's minuends none below the largest subtrahend
  NoProblems,      // no problem fits the ranges and the carry asked for
  NoDivisor,       // every divisor below low, the smallest a division can use
  Unknown,         // not a name the program knows; allowed lists those it does
  NotANumber,      // not a whole number
  NotARange,       // not A..B
  Missing,         // neither a preset nor a kind
  DoesNotFit,      // no problem fits the paper at this size; allowed lists the sizes that do;
                   // Numbers: a preset's rows leave them no room on this paper
  TooMany,         // more rows or columns than the page holds at this size (at most high)
  BadText,         // control characters, or longer than high characters
  NotACode,        // not a reprint code, or one misread
  OtherVersion,    // a reprint code of another version of the program (low)
  NotInstalled,    // the typeface's font is not on this machine; allowed names its package
};

struct Refusal {
  JobField field = JobField::Count;
  RefusalReason reason = RefusalReason::OutOfRange;
  int64_t low = 0;
  int64_t high = 0;
  std::vector<std::string_view> allowed = {};
  // NoProblems: the other fields whose ranges leave no problem together.
  std::vector<JobField> with = {};
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
inline constexpr Limits kColumnOperandLimits{0, 99999}; // column form, up to 5 digits
inline constexpr Limits kRowLimits{1, 50};
inline constexpr Limits kColumnLimits{1, 10};
inline constexpr Limits kSeedLimits{0, 4294967295LL};
inline constexpr int64_t kTitleLength = 80; // characters
inline constexpr int64_t kBatchProblems = 1000000;
inline constexpr Limits kReviewLimits{0, 50}; // percent
