// Starting a practice run and showing its problems.

#include "controltext.h"
#include "pictureimage.h"
#include "problemcells.h"
#include "radiogroup.h"
#include "runsetup.h"
#include "tform1.h"
#include "windowsurface.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

// The area of the window where solved problems are logged.
constexpr int kLogLeft = 10;
constexpr int kLogTop = 150;
constexpr int kLogRight = 440;
constexpr int kLogBottom = 660;

} // namespace

ProblemRecord *TForm1::problemOnScreen() {
  // There is a problem on screen from the first run start on; the drill only
  // ever shows slots the generators own.
  const int32_t index = state_->drill.CurrentIndex;
  if (index < 1 || index > ProblemBank::kGeneratedSlots)
    return nullptr;
  return &state_->bank.ProblemTable.at(index);
}

// The first steps of every run start: the clock counts from its next tick,
// and the log of the previous run is wiped off the window.
void TForm1::startRunFrame() {
  state_->drill.ClockState = clock_state::Running;
  state_->drill.ClockTenths = 0;
  surface_->setPenColour(surface_->background());
  surface_->rectangle(kLogLeft, kLogTop, kLogRight, kLogBottom);
}

void TForm1::setKeypadEnabled(bool enabled) {
  for (QWidget *control : KeypadControls)
    control->setEnabled(enabled);
}

void TForm1::openKeypad() {
  setKeypadEnabled(true);
  Image64->hide();
}

void TForm1::BitBtn1Click(QObject *Sender) {
  DrillState &drill = state_->drill;
  startRunFrame();
  drill.CurrentIndex = 0;
  hideControls({Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Label14, Label15, Label16, Label17,
                Label19, Label22});
  Button5Click(Sender);
  repeatShuffledBlock(state_->bank, *services_.random);
  drill.RunLength = runLengthForItem(RadioGroup1->itemIndex());
  clearRunMarks(state_->bank, drill.RunLength);
  drill.CurrentIndex = 0;
  Button32Click(Sender);
  openKeypad();
  for (std::size_t k = 0; k + 1 < HintTiles.size(); ++k)
    HintTiles.back()->copyTo(HintTiles[k]);
  Panel1->hide();
}

// A division run: the same frame over a division set, without repeating it;
// the problem-count row of earlier results, the tiles and the panel stay.
void TForm1::startDivisionRun(void (TForm1::*fill)(QObject *), void (TForm1::*shuffle)(QObject *),
                              QObject *Sender) {
  DrillState &drill = state_->drill;
  startRunFrame();
  hideControls({Edit2, Edit3, Edit4, Edit5, Edit6, Label14, Label15, Label16, Label17, Label19});
  (this->*fill)(Sender);
  (this->*shuffle)(Sender);
  if (fill == &TForm1::Button14Click)
    copyHardSetIntoProblemTable(state_->bank);
  drill.RunLength = runLengthForItem(RadioGroup1->itemIndex());
  clearRunMarks(state_->bank, drill.RunLength);
  drill.CurrentIndex = 0;
  Button32Click(Sender);
  openKeypad();
}

void TForm1::Button29Click(QObject *Sender) {
  startDivisionRun(&TForm1::Button13Click, &TForm1::Button6Click, Sender);
}

void TForm1::Button30Click(QObject *Sender) {
  startDivisionRun(&TForm1::Button14Click, &TForm1::Button16Click, Sender);
}

void TForm1::Button31Click(QObject *Sender) {
  startDivisionRun(&TForm1::Button27Click, &TForm1::Button6Click, Sender);
}

void TForm1::showGlyph(PictureImage *cell, int glyph) {
  if (glyph == static_cast<int>(CellGlyph::Keep))
    return;
  if (glyph == static_cast<int>(CellGlyph::Blank))
    Image23->copyTo(cell);
  else
    DigitGlyphs[static_cast<std::size_t>(glyph)]->copyTo(cell);
}

void TForm1::Button32Click(QObject *) {
  DrillState &drill = state_->drill;
  // Runs stay within the slots the generators own; past them there is no
  // problem to show.
  if (drill.CurrentIndex >= ProblemBank::kGeneratedSlots)
    return;
  Image1->hide();
  Label12->hide();
  drill.EnteredAnswer = 0;
  ++drill.CurrentIndex;
  setText(Edit1, QString::number(drill.CurrentIndex));
  ProblemRecord &problem = state_->bank.ProblemTable.at(drill.CurrentIndex);
  problem.Mark = mark::Shown;

  Label6->show();
  Label8->show();
  setFontPoints(Label6, 36);
  setFontPoints(Label8, 36);
  setFontPoints(Label10, 36);
  setCaption(Label5, QString::number(problem.Result));
  setCaption(Label6, QStringLiteral("－"));
  setCaption(Label7, QString::number(problem.Left));
  setCaption(Label8, QStringLiteral("＝"));
  setCaption(Label9, QString());
  setCaption(Label11, QString());

  const ProblemCells cells = problemCells(problem);
  showGlyph(Image24, static_cast<int>(cells.leftTens));
  showGlyph(Image25, static_cast<int>(cells.leftUnits));
  showGlyph(Image26, static_cast<int>(cells.right));

  for (std::size_t k = 1; k <= HintTiles.size(); ++k) {
    PictureImage *tile = HintTiles[k - 1];
    Image70->copyTo(tile);
    tile->setVisible(hintTileShown(problem.Left, static_cast<int32_t>(k)));
  }
}
