// The end of a run: its results, the covered keypad, and the run's clock.

#include "controltext.h"
#include "pictureimage.h"
#include "runresults.h"
#include "tform1.h"

#include <QLabel>
#include <QLineEdit>

void TForm1::Button34Click(QObject *) {
  DrillState &drill = state_->drill;
  drill.FirstTryCount = countFirstTry(state_->bank, drill.CheckedIndex);

  for (QLabel *caption : {Label15, Label16, Label17, Label22})
    caption->show();
  setFontColour(Label15, kWhite);
  setCaption(Label22, QStringLiteral("もんだいの　かず"));
  setCaption(Label15, QStringLiteral("１かいで　できた　かず"));
  setCaption(Label16, QStringLiteral("まちがった　かず"));
  setCaption(Label17, QStringLiteral("１かいで　できた　わりあい"));

  drill.ClockState = clock_state::ShowTime;

  for (QLineEdit *value : {Edit2, Edit3, Edit4, Edit7}) {
    setFontPoints(value, 18);
    setFontColour(value, kYellow);
    value->show();
  }
  setText(Edit2, QString::number(drill.FirstTryCount));
  setText(Edit3, QString::number(drill.MistakeCount));
  setText(Edit7, QString::number(drill.CheckedIndex));
  setText(Edit4, QString::fromStdString(firstTryRate(drill.FirstTryCount, drill.CheckedIndex)));

  drill.FirstTryCount = 0;
  drill.MistakeCount = 0;

  for (PictureImage *cell : {Image24, Image25, Image26, Image27, Image28})
    Image23->copyTo(cell);
  for (QLabel *text : {Label6, Label8, Label10})
    setCaption(text, QString());

  setKeypadEnabled(false);
  Image64->show();
  Image64->raise();
}

void TForm1::BitBtn2Click(QObject *Sender) { Button34Click(Sender); }

void TForm1::Timer2Timer(QObject *) {
  DrillState &drill = state_->drill;
  const std::optional<ClockReading> reading = clockTick(drill.ClockState, drill.ClockTenths);
  if (!reading)
    return;
  for (QLineEdit *value : {Edit5, Edit6}) {
    value->show();
    setFontPoints(value, 18);
    setFontColour(value, kYellow);
  }
  setText(Edit5, QString::number(reading->minutes));
  setText(Edit6, QString::number(reading->seconds));
  setCaption(Label14, QStringLiteral("分"));
  setCaption(Label19, QStringLiteral("秒"));
  for (QLabel *unit : {Label14, Label19}) {
    setFontPoints(unit, 14);
    unit->show();
  }
}
