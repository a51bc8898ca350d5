// Worksheet printing: the layout from the spin edits and the printer's page,
// the printer set-up, the three print runs and the four presets.

#include "printerservice.h"
#include "printlayout.h"
#include "printruns.h"
#include "tform1.h"
#include "worksheetpresets.h"

#include <QCheckBox>
#include <QSpinBox>

namespace {

// The number a spin edit shows. Qt writes its lowest value with digit
// grouping ("-2,147,483,648"), which still reads as that value.
int32_t valueOf(const QSpinBox *spinEdit) {
  QString text = spinEdit->cleanText();
  text.remove(spinEdit->locale().groupSeparator());
  return spinEditValue(text.toStdString());
}

QString failureMessage(PrintOutcome outcome) {
  switch (outcome) {
  case PrintOutcome::ProblemSheetRefused:
    return QStringLiteral("印刷できません。プリンターが問題用紙の印刷を受け付けませんでした。");
  case PrintOutcome::ProblemSheetNotFinished:
    return QStringLiteral("問題用紙の印刷を終えられませんでした。");
  case PrintOutcome::AnswerSheetRefused:
    return QStringLiteral("印刷できません。プリンターが答え用紙の印刷を受け付けませんでした。");
  case PrintOutcome::AnswerSheetNotFinished:
    return QStringLiteral("答え用紙の印刷を終えられませんでした。");
  case PrintOutcome::Printed:
    break;
  }
  return {};
}

} // namespace

void TForm1::SpinEdit1Change(QObject *) { state_->layout.Rows = valueOf(SpinEdit1); }
void TForm1::SpinEdit2Change(QObject *) { state_->layout.Columns = valueOf(SpinEdit2); }
void TForm1::SpinEdit3Change(QObject *) { state_->layout.CharsDown = valueOf(SpinEdit3); }
void TForm1::SpinEdit4Change(QObject *) { state_->layout.CharsAcross = valueOf(SpinEdit4); }

bool TForm1::layOutPage() {
  PrintLayout &layout = state_->layout;
  layout.Rows = valueOf(SpinEdit1);
  layout.Columns = valueOf(SpinEdit2);
  layout.CharsDown = valueOf(SpinEdit3);
  layout.CharsAcross = valueOf(SpinEdit4);
  QString failure;
  const std::optional<PrintablePage> page = services_.printer->printablePage(failure);
  if (!page) {
    services_.reportError(this, failure);
    return false;
  }
  computeLayout(layout, layout.Rows, layout.Columns, layout.CharsDown, layout.CharsAcross,
                page->width, page->height);
  return true;
}

void TForm1::Button1Click(QObject *) { layOutPage(); }

void TForm1::Button3Click(QObject *) { services_.printer->openSetupDialog(this); }

PrintOptions TForm1::printOptions() const {
  return {.nameField = CheckBox12->isChecked(), .answerSheet = CheckBox13->isChecked()};
}

void TForm1::reportPrintOutcome(PrintOutcome outcome) {
  if (outcome != PrintOutcome::Printed)
    services_.reportError(this, failureMessage(outcome));
}

void TForm1::Button2Click(QObject *) {
  reportPrintOutcome(printMultiplicationRun(services_.printer->canvas(), state_->bank.ProblemTable,
                                            state_->layout, state_->PrintCount, printOptions(),
                                            *services_.random));
}

void TForm1::Button11Click(QObject *) {
  reportPrintOutcome(printDivisionRun(services_.printer->canvas(), state_->bank.ProblemTable,
                                      state_->layout, state_->PrintCount, printOptions()));
}

void TForm1::Button15Click(QObject *) {
  reportPrintOutcome(printDivisionRun(services_.printer->canvas(), state_->bank.HardProblemTable,
                                      state_->layout, state_->PrintCount, printOptions()));
}

// Sets the preset's grid through the spin edits, whose change handlers copy
// the counts; the character places pass through 1 on their way.
void TForm1::setPresetGrid(const WorksheetPreset &preset) {
  SpinEdit1->setValue(preset.rows);
  SpinEdit2->setValue(preset.columns);
  SpinEdit4->setValue(1);
  SpinEdit4->setValue(preset.charsAcross);
}

void TForm1::runPreset(const WorksheetPreset &preset, QObject *Sender) {
  state_->PrintCount = preset.printCount;
  fillPresetTable(preset, state_->bank, *services_.random);
  setPresetGrid(preset);
  if (!layOutPage())
    return;
  switch (preset.run) {
  case PresetRun::Multiplication:
    Button2Click(Sender);
    break;
  case PresetRun::Division:
    Button11Click(Sender);
    break;
  case PresetRun::HardDivision:
    Button15Click(Sender);
    break;
  }
}

void TForm1::Button4Click(QObject *Sender) { runPreset(kWorksheetPresets[0], Sender); }
void TForm1::Button9Click(QObject *Sender) { runPreset(kWorksheetPresets[1], Sender); }
void TForm1::Button7Click(QObject *Sender) { runPreset(kWorksheetPresets[2], Sender); }
void TForm1::Button10Click(QObject *Sender) { runPreset(kWorksheetPresets[3], Sender); }
