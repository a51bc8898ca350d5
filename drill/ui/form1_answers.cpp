// Judging the keyed answer, the answer log, and the advance to the next
// problem when the right-answer feedback has stood long enough.

#include "answercheck.h"
#include "controltext.h"
#include "drilltimers.h"
#include "pictureimage.h"
#include "tform1.h"
#include "windowsurface.h"

#include <QFrame>
#include <QLabel>

void TForm1::writeLogLine(int32_t problemIndex) {
  const ProblemRecord &problem = state_->bank.ProblemTable.at(problemIndex);
  const LogPlace place = logPlace(problemIndex);
  surface_->textOut(place.x, place.y, QString::fromStdString(logLineText(problem)));
  if (problem.Mark == mark::Shown)
    surface_->draw(place.markX, place.markY, Image12->source());
  else if (problem.Mark == mark::Wrong)
    surface_->draw(place.markX, place.markY, Image13->source());
}

void TForm1::Button33Click(QObject *Sender) {
  DrillState &drill = state_->drill;
  Image2->hide();
  drill.CheckedIndex = drill.CurrentIndex;
  drill.FeedbackShown = 0;
  // Before the first run there is no problem on screen: nothing to judge.
  ProblemRecord *problem = problemOnScreen();
  if (!problem)
    return;

  const Verdict verdict = judgeEntry(problem->Result, drill.EnteredAnswer);
  if (verdict == Verdict::Right) {
    const int32_t r = drawRewardNumber(*services_.random);
    Image1->hide();
    Image2->show();
    RewardList[static_cast<std::size_t>(r - 4)]->copyTo(Image2);
    setFontPoints(Label13, 20);
    setFontColour(Label13, kYellow);
    setCaption(Label13, QStringLiteral("ＯＫ!"));
    Label13->show();
    Panel1->hide();
    drill.FeedbackShown = 1;
    drill.FeedbackTicks = 0;
    writeLogLine(drill.CurrentIndex);
  } else if (verdict == Verdict::Wrong) {
    Image1->show();
    Image3->copyTo(Image1);
    setFontColour(Label12, kWhite);
    setFontPoints(Label12, 20);
    setCaption(Label12, QStringLiteral("ちがうよ"));
    Label12->show();
    problem->Mark = mark::Wrong;
    drill.MistakeCount = static_cast<int32_t>(static_cast<uint32_t>(drill.MistakeCount) + 1u);
  }

  if (drill.CurrentIndex == drill.RunLength && verdict == Verdict::Right)
    Button34Click(Sender);
}

void TForm1::Timer1Timer(QObject *Sender) {
  DrillState &drill = state_->drill;
  if (!feedbackTick(drill))
    return;
  Label13->hide();
  Image23->copyTo(Image27);
  Image23->copyTo(Image28);
  Image23->copyTo(Image68);
  setCaption(Label10, QString());
  const ProblemRecord *problem = problemOnScreen();
  if (problem && drill.CurrentIndex < drill.RunLength && drill.EnteredAnswer == problem->Result)
    Button32Click(Sender);
}
