#pragma once

#include "printcanvas.h"
#include "printlayout.h"
#include "randomsource.h"
#include "slottable.h"

#include <cstdint>
#include <string_view>

// The worksheet's typefaces; the application maps them to installed fonts.
inline constexpr std::string_view kNumberTypeface = "FC数字書体05";
inline constexpr std::string_view kSignTypeface = "MSゴシック";

struct PrintOptions {
  bool nameField = false;   // print "名前（ … ）" across the top of the problem sheet
  bool answerSheet = false; // print a second document with the answers
};

// How a run ended: printed, or the step where the printing service failed.
// A refused document stops the run; a document that was begun is always
// ended before the run returns, and a failed end stops the run too.
enum class PrintOutcome {
  Printed,
  ProblemSheetRefused,
  ProblemSheetNotFinished,
  AnswerSheetRefused,
  AnswerSheetNotFinished,
};

// Each run prints items 1..printCount (none when printCount is 0 or less,
// never past the table's last slot) with the pitches already in layout
// (see computeLayout); it moves layout's cursor.

// Multiplications Left x Right = Result with one factor left blank in a box,
// chosen by random.unit(); the choice is stored in each record's Remainder
// (0: Left blank, 1: Right blank) and the answer sheet frames that factor.
PrintOutcome printMultiplicationRun(PrintCanvas &canvas, SlotTable<1500> &table,
                                    PrintLayout &layout, int32_t printCount, PrintOptions options,
                                    RandomSource &random);

// Divisions Result ÷ Left = Right … Remainder. An item has a remainder when
// Result is not a multiple of Left; an item with Left 0 counts as having none.
PrintOutcome printDivisionRun(PrintCanvas &canvas, const SlotTable<1500> &table,
                              PrintLayout &layout, int32_t printCount, PrintOptions options);
PrintOutcome printDivisionRun(PrintCanvas &canvas, const SlotTable<100> &table, PrintLayout &layout,
                              int32_t printCount, PrintOptions options);
