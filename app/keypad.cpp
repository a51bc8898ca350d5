// Keypad and keyboard input: the eleven keypad operations, the key pictures
// that reach them with their pressed look, and the keyboard.

#include "controltext.h"
#include "keypadentry.h"
#include "pictureimage.h"
#include "tform1.h"

#include <QLabel>

#include <array>

void TForm1::enterDigit(QObject *Sender, int32_t digit) {
  DrillState &drill = state_->drill;
  drill.EnteredAnswer = appendDigit(drill.EnteredAnswer, digit);
  PictureImage *cell = cellForEntry(drill.EnteredAnswer) == AnswerCell::First ? Image27 : Image68;
  DigitGlyphs[static_cast<std::size_t>(digit)]->copyTo(cell);
  Button33Click(Sender);
}

void TForm1::Button17Click(QObject *Sender) { enterDigit(Sender, 7); }
void TForm1::Button18Click(QObject *Sender) { enterDigit(Sender, 8); }
void TForm1::Button19Click(QObject *Sender) { enterDigit(Sender, 9); }
void TForm1::Button20Click(QObject *Sender) { enterDigit(Sender, 4); }
void TForm1::Button21Click(QObject *Sender) { enterDigit(Sender, 5); }
void TForm1::Button22Click(QObject *Sender) { enterDigit(Sender, 6); }
void TForm1::Button23Click(QObject *Sender) { enterDigit(Sender, 1); }
void TForm1::Button24Click(QObject *Sender) { enterDigit(Sender, 2); }
void TForm1::Button25Click(QObject *Sender) { enterDigit(Sender, 3); }
void TForm1::Button26Click(QObject *Sender) { enterDigit(Sender, 0); }

void TForm1::Button28Click(QObject *) {
  DrillState &drill = state_->drill;
  const Erasure erasure = eraseDigit(drill.EnteredAnswer);
  Label12->hide();
  Image1->hide();
  drill.EnteredAnswer = erasure.entered;
  Image23->copyTo(erasure.blanked == AnswerCell::First ? Image27 : Image68);
}

// The save slot holds the picture of the key being pressed, which the
// release puts back.
void TForm1::pressKey(PictureImage *key, const PictureImage *pressed) {
  key->copyTo(Image43);
  pressed->copyTo(key);
}

void TForm1::releaseKey(PictureImage *key) { Image43->copyTo(key); }

void TForm1::Image41Click(QObject *Sender) { Button26Click(Sender); }
void TForm1::Image44Click(QObject *Sender) { Button23Click(Sender); }
void TForm1::Image45Click(QObject *Sender) { Button24Click(Sender); }
void TForm1::Image46Click(QObject *Sender) { Button25Click(Sender); }
void TForm1::Image47Click(QObject *Sender) { Button20Click(Sender); }
void TForm1::Image48Click(QObject *Sender) { Button21Click(Sender); }
void TForm1::Image49Click(QObject *Sender) { Button22Click(Sender); }
void TForm1::Image50Click(QObject *Sender) { Button17Click(Sender); }
void TForm1::Image51Click(QObject *Sender) { Button18Click(Sender); }
void TForm1::Image52Click(QObject *Sender) { Button19Click(Sender); }
void TForm1::Image62Click(QObject *Sender) { Button28Click(Sender); }

void TForm1::Image41MouseDown(QObject *) { pressKey(Image41, Image42); }
void TForm1::Image44MouseDown(QObject *) { pressKey(Image44, Image53); }
void TForm1::Image45MouseDown(QObject *) { pressKey(Image45, Image54); }
void TForm1::Image46MouseDown(QObject *) { pressKey(Image46, Image55); }
void TForm1::Image47MouseDown(QObject *) { pressKey(Image47, Image56); }
void TForm1::Image48MouseDown(QObject *) { pressKey(Image48, Image57); }
void TForm1::Image49MouseDown(QObject *) { pressKey(Image49, Image58); }
void TForm1::Image50MouseDown(QObject *) { pressKey(Image50, Image59); }
void TForm1::Image51MouseDown(QObject *) { pressKey(Image51, Image60); }
void TForm1::Image52MouseDown(QObject *) { pressKey(Image52, Image61); }
void TForm1::Image62MouseDown(QObject *) { pressKey(Image62, Image63); }

void TForm1::Image41MouseUp(QObject *) { releaseKey(Image41); }
void TForm1::Image44MouseUp(QObject *) { releaseKey(Image44); }
void TForm1::Image45MouseUp(QObject *) { releaseKey(Image45); }
void TForm1::Image46MouseUp(QObject *) { releaseKey(Image46); }
void TForm1::Image47MouseUp(QObject *) { releaseKey(Image47); }
void TForm1::Image48MouseUp(QObject *) { releaseKey(Image48); }
void TForm1::Image49MouseUp(QObject *) { releaseKey(Image49); }
void TForm1::Image50MouseUp(QObject *) { releaseKey(Image50); }
void TForm1::Image51MouseUp(QObject *) { releaseKey(Image51); }
void TForm1::Image52MouseUp(QObject *) { releaseKey(Image52); }
void TForm1::Image62MouseUp(QObject *) { releaseKey(Image62); }

void TForm1::FormKeyPress(QObject *Sender, QChar Key) {
  using Operation = void (TForm1::*)(QObject *);
  static constexpr std::array<Operation, 10> kDigitOperations{
      &TForm1::Button26Click, &TForm1::Button23Click, &TForm1::Button24Click,
      &TForm1::Button25Click, &TForm1::Button20Click, &TForm1::Button21Click,
      &TForm1::Button22Click, &TForm1::Button17Click, &TForm1::Button18Click,
      &TForm1::Button19Click};
  if (Key >= u'0' && Key <= u'9')
    (this->*kDigitOperations[static_cast<std::size_t>(Key.unicode() - u'0')])(Sender);
  else if (Key == u'c')
    Button28Click(Sender);
}
