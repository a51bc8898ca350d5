#include "worksheetpresets.h"

#include "generators.h"
#include "shuffle.h"

void fillPresetTable(const WorksheetPreset &preset, ProblemBank &bank, RandomSource &random) {
  preset.fill(bank);
  if (preset.run == PresetRun::HardDivision)
    shuffleSlots(bank.HardProblemTable, bank.ProblemCount, random);
  else
    shuffleSlots(bank.ProblemTable, bank.ProblemCount, random);
}

PrintOutcome printPresetRun(const WorksheetPreset &preset, PrintCanvas &canvas, ProblemBank &bank,
                            PrintLayout &layout, int32_t printCount, PrintOptions options,
                            RandomSource &random) {
  switch (preset.run) {
  case PresetRun::Multiplication:
    return printMultiplicationRun(canvas, bank.ProblemTable, layout, printCount, options, random);
  case PresetRun::Division:
    return printDivisionRun(canvas, bank.ProblemTable, layout, printCount, options);
  case PresetRun::HardDivision:
    break;
  }
  return printDivisionRun(canvas, bank.HardProblemTable, layout, printCount, options);
}

PrintOutcome printPreset(const WorksheetPreset &preset, PrintCanvas &canvas, ProblemBank &bank,
                         PrintLayout &layout, int32_t pageWidth, int32_t pageHeight,
                         PrintOptions options, RandomSource &random) {
  fillPresetTable(preset, bank, random);
  computeLayout(layout, preset.rows, preset.columns, 1, preset.charsAcross, pageWidth, pageHeight);
  return printPresetRun(preset, canvas, bank, layout, preset.printCount, options, random);
}
