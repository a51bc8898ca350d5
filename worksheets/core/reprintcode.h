#pragma once

#include "refusal.h"
#include "worksheetjob.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// A sheet's reprint code (再印刷コード), printed in its footer: the job's
// options, the batch's seed and the sheet's number in a few groups of
// letters and digits, from which `--reprint` makes that one sheet again
// under its own number. A custom title is not carried (the caption stands
// in for it), nor are copies and answer sheets, which the reprint asks for
// afresh. The code starts with its version: a code of another version is
// refused rather than misread, and two check characters catch a mistyped one.
// Codes of version 1, printed before the column form, of version 2, before
// three numbers, and of version 3, before units, still read.

inline constexpr int32_t kReprintCodeVersion = 4;

[[nodiscard]] std::string reprintCode(const WorksheetJob &job, uint32_t seed, SheetNumber sheet);

// The job the code describes, one sheet of it, with its seed and number;
// or NotACode, or OtherVersion (the code's version in `low`).
[[nodiscard]] std::variant<WorksheetJob, Refusal> jobFromReprintCode(std::string_view code);
