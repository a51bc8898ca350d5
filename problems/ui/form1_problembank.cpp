// The problem bank's handlers: hidden buttons whose clicks the run starts and
// the worksheet presets call.

#include "generators.h"
#include "shuffle.h"
#include "tform1.h"

void TForm1::Button5Click(QObject *) { generateSubtractionSet(state_->bank); }

void TForm1::Button12Click(QObject *) { clearGeneratedSlots(state_->bank); }

void TForm1::Button13Click(QObject *) { generateDivisionWithRemainder(state_->bank); }

void TForm1::Button27Click(QObject *) { generateDivisionWithoutRemainder(state_->bank); }

void TForm1::Button14Click(QObject *) { generateHardDivisionSet(state_->bank); }

void TForm1::Button6Click(QObject *) {
  shuffleSlots(state_->bank.ProblemTable, state_->bank.ProblemCount, *services_.random);
}

void TForm1::Button16Click(QObject *) {
  shuffleSlots(state_->bank.HardProblemTable, state_->bank.ProblemCount, *services_.random);
}
