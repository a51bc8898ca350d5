#pragma once

#include "generators.h"
#include "printcanvas.h"
#include "printlayout.h"
#include "printruns.h"
#include "problembank.h"
#include "randomsource.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Which print run prints a preset, and so which table it reads.
enum class PresetRun {
  Multiplication, // run 1 on ProblemTable
  Division,       // run 2 on ProblemTable
  HardDivision,   // run 3 on HardProblemTable
};

// A whole worksheet in one action: how many problems, the generator that fills
// the table, the grid, and the run that prints it. The table the run reads is
// the one that is shuffled.
struct WorksheetPreset {
  std::string_view name;    // as the worksheet program's --preset takes it
  std::string_view caption; // the window's button caption
  int32_t printCount;
  void (*fill)(ProblemBank &);
  int32_t rows;
  int32_t columns;
  int32_t charsAcross; // set after passing through 1, as the window's spin edit does
  PresetRun run;
};

inline constexpr std::array<WorksheetPreset, 4> kWorksheetPresets{{
    // The times table, each fact once, so that the sheet asks for real missing factors.
    {"x81", "かけ算九九逆８１題", 81, &generateTimesTable, 21, 4, 6, PresetRun::Multiplication},
    {"div90", "余りのないわり算９０題", 90, &generateDivisionWithoutRemainder, 22, 4, 7,
     PresetRun::Division},
    {"divrem100", "余りのあるわり算１００題", 100, &generateDivisionWithRemainder, 25, 4, 8,
     PresetRun::Division},
    {"hard100", "難しいのだけ１００題", 100, &generateHardDivisionSet, 25, 4, 8,
     PresetRun::HardDivision},
}};

// Fills the preset's table and shuffles the table its run reads.
void fillPresetTable(const WorksheetPreset &preset, ProblemBank &bank, RandomSource &random);

// Runs the preset's print run over the first printCount records of its table.
PrintOutcome printPresetRun(const WorksheetPreset &preset, PrintCanvas &canvas, ProblemBank &bank,
                            PrintLayout &layout, int32_t printCount, PrintOptions options,
                            RandomSource &random);

// The whole preset on a printable page, as the window's button does it:
// fill and shuffle, lay the grid out, print.
PrintOutcome printPreset(const WorksheetPreset &preset, PrintCanvas &canvas, ProblemBank &bank,
                         PrintLayout &layout, int32_t pageWidth, int32_t pageHeight,
                         PrintOptions options, RandomSource &random);
