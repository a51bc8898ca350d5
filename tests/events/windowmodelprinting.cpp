// The reference model of the worksheet handlers: the spin edits, the layout,
// the print runs and the presets.

#include "generators.h"
#include "modelsupport.h"
#include "printlayout.h"
#include "windowmodel.h"

#include <QLocale>

using namespace model;

// A value set on a spin edit reaches its count when it changes; the text
// that shows it is Qt's.
void WindowModel::setSpinValue(WindowSnapshot &m, const WindowSnapshot &actual, int32_t spinEdit,
                               int32_t value) const {
  constexpr int32_t PrintLayout::*kCounts[] = {&PrintLayout::Rows, &PrintLayout::Columns,
                                               &PrintLayout::CharsDown, &PrintLayout::CharsAcross};
  const auto i = static_cast<std::size_t>(spinEdit - 1);
  if (m.spinValues[i] != value)
    m.state.layout.*kCounts[i] = value;
  m.spinValues[i] = value;
  m.spinTexts[i] = actual.spinTexts[i];
}

// Button1Click: the counts as the spin edits read, and the page measured.
void WindowModel::layOut(const Printer &printer, const WindowSnapshot &, WindowSnapshot &m,
                         QStringList &) const {
  PrintLayout &layout = m.state.layout;
  std::array<int32_t, 4> counts{};
  for (std::size_t i = 0; i < 4; ++i) {
    QString text = m.spinTexts[i];
    text.remove(QLocale().groupSeparator());
    counts[i] = spinEditValue(text.toStdString());
  }
  layout.Rows = counts[0];
  layout.Columns = counts[1];
  layout.CharsDown = counts[2];
  layout.CharsAcross = counts[3];
  if (printer.hasPage)
    computeLayout(layout, counts[0], counts[1], counts[2], counts[3], printer.pageWidth,
                  printer.pageHeight);
}

// The print runs move the cursor; the multiplication run stores its blank
// choices (0 or 1) in Remainder of the records it printed.
void WindowModel::print(Operation operation, const Printer &, const WindowSnapshot &actual,
                        WindowSnapshot &m, QStringList &faults) const {
  m.state.layout.CursorX = actual.state.layout.CursorX;
  m.state.layout.CursorY = actual.state.layout.CursorY;
  if (operation != Operation::PrintMultiplication)
    return;
  const int32_t printed = std::clamp(m.state.PrintCount, 0, 1500);
  for (int32_t slot = 1; slot <= printed; ++slot) {
    ProblemRecord &record = m.state.bank.ProblemTable.at(slot);
    const int32_t blank = actual.state.bank.ProblemTable.at(slot).Remainder;
    if (blank != record.Remainder && blank != 0 && blank != 1)
      faults << QStringLiteral("the multiplication run stored %1 as slot %2's blank")
                    .arg(blank)
                    .arg(slot);
    record.Remainder = blank;
  }
}

void WindowModel::preset(Operation operation, const Printer &printer, const WindowSnapshot &actual,
                         WindowSnapshot &m, QStringList &faults) const {
  struct Preset {
    Operation operation;
    int32_t printCount;
    void (*fill)(ProblemBank &);
    int32_t rows;
    int32_t charsAcross;
    Operation print;
  };
  static constexpr std::array<Preset, 4> kPresets{{
      {Operation::PresetTimesTable, 81, generateTimesTable, 21, 6, Operation::PrintMultiplication},
      {Operation::PresetExactDivisions, 90, generateDivisionWithoutRemainder, 22, 7,
       Operation::PrintDivisions},
      {Operation::PresetDivisionsWithRemainder, 100, generateDivisionWithRemainder, 25, 8,
       Operation::PrintDivisions},
      {Operation::PresetHardDivisions, 100, generateHardDivisionSet, 25, 8,
       Operation::PrintHardDivisions},
  }};
  const Preset &preset = *std::find_if(kPresets.begin(), kPresets.end(),
                                       [&](const Preset &p) { return p.operation == operation; });
  m.state.PrintCount = preset.printCount;
  ProblemBank &bank = m.state.bank;
  preset.fill(bank);
  if (operation == Operation::PresetHardDivisions)
    checkShuffled("HardProblemTable", bank.ProblemCount, actual.state.bank.HardProblemTable,
                  bank.HardProblemTable, faults);
  else
    checkShuffled("ProblemTable", bank.ProblemCount, actual.state.bank.ProblemTable,
                  bank.ProblemTable, faults,
                  !(printer.hasPage && preset.print == Operation::PrintMultiplication));
  setSpinValue(m, actual, 1, preset.rows);
  setSpinValue(m, actual, 2, 4);
  setSpinValue(m, actual, 4, 1);
  setSpinValue(m, actual, 4, preset.charsAcross);
  layOut(printer, actual, m, faults);
  if (printer.hasPage)
    print(preset.print, printer, actual, m, faults);
}
