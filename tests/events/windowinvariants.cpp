// What must hold of the window whatever happened before.

#include "modelsupport.h"
#include "windowmodel.h"

#include <limits>

using namespace model;

void WindowModel::checkInvariants(const WindowSnapshot &s, QStringList &faults) const {
  const DrillState &d = s.state.drill;
  auto within = [&](const char *name, int32_t value, int32_t low, int32_t high) {
    if (value < low || value > high)
      faults << QStringLiteral("%1 is %2, outside %3..%4")
                    .arg(QLatin1String(name))
                    .arg(value)
                    .arg(low)
                    .arg(high);
  };
  within("CurrentIndex", d.CurrentIndex, 0, std::max(d.RunLength, 0));
  if ((d.CurrentIndex == 0) != (d.RunLength == 0))
    faults
        << QStringLiteral("CurrentIndex %1 with RunLength %2").arg(d.CurrentIndex).arg(d.RunLength);
  if (d.RunLength != 0 && !holds(kRunLengths, d.RunLength))
    faults << QStringLiteral("RunLength is %1").arg(d.RunLength);
  within("CheckedIndex", d.CheckedIndex, 0, 100);
  within("FeedbackShown", d.FeedbackShown, 0, 1);
  within("FeedbackTicks", d.FeedbackTicks, 0, 5);
  within("HintAnimating", d.HintAnimating, 0, 1);
  within("HintStep", d.HintStep, 0, 9);
  within("HintRemaining", d.HintRemaining, 0, 9);
  within("FirstTryCount", d.FirstTryCount, 0, 0);
  within("ClockTenths", d.ClockTenths, 0, std::numeric_limits<int32_t>::max());
  within("MistakeCount", d.MistakeCount, 0, std::numeric_limits<int32_t>::max());
  if (d.ClockState != 0 && d.ClockState != 3 && d.ClockState != 4)
    faults << QStringLiteral("ClockState is %1").arg(d.ClockState);
  if (!holds(std::array<int32_t, 7>{0, 56, 81, 100, 112, 162, 324}, s.state.bank.ProblemCount))
    faults << QStringLiteral("ProblemCount is %1").arg(s.state.bank.ProblemCount);
  const ProblemRecord *records = &s.state.bank.ProblemTable.at(1);
  for (int32_t slot = 1; slot <= 1500; ++slot) {
    const int32_t mark = records[slot - 1].Mark;
    if (mark != 0 && mark != 1 && mark != 3) {
      faults << QStringLiteral("slot %1 has mark %2").arg(slot).arg(mark);
      break;
    }
  }
  const ProblemRecord *hard = &s.state.bank.HardProblemTable.at(1);
  for (int32_t slot = 1; slot <= 100; ++slot)
    if (hard[slot - 1].Mark != 0) {
      faults << QStringLiteral("hard slot %1 has a mark").arg(slot);
      break;
    }

  auto pictureIs = [&](std::size_t picture, auto allowed, const char *what) {
    if (!allowed(s.pictures[picture]))
      faults << QStringLiteral("%1 shows %2, not %3")
                    .arg(QString::fromLatin1(
                             kSnapshotPictures[picture].data(),
                             static_cast<qsizetype>(kSnapshotPictures[picture].size())),
                         pictureName(s.pictures[picture]), QLatin1String(what));
  };
  const auto glyphOrBlank = [&](qint64 key) { return key == blank_ || holds(digits_, key); };
  for (const std::size_t cell : {pictureOf("Image24"), pictureOf("Image25"), pictureOf("Image26"),
                                 pictureOf("Image27"), pictureOf("Image68")})
    pictureIs(cell, glyphOrBlank, "a digit or the blank");
  pictureIs(
      pictureOf("Image28"), [&](qint64 key) { return key == blank_; }, "the blank");
  for (std::size_t k = 0; k < kKeyCount; ++k)
    pictureIs(
        kFirstKeyPicture + k, [&](qint64 key) { return key == keys_[k] || key == pressed_[k]; },
        "its key or its pressed key");
  pictureIs(
      pictureOf("Image43"),
      [&](qint64 key) { return key == 0 || holds(keys_, key) || holds(pressed_, key); }, "a key");
  pictureIs(
      pictureOf("Image1"), [&](qint64 key) { return key == 0 || key == wrong_; },
      "the wrong-answer picture");
  pictureIs(
      pictureOf("Image2"), [&](qint64 key) { return key == 0 || holds(rewards_, key); },
      "a reward");
  for (std::size_t k = 0; k < 9; ++k)
    pictureIs(
        kFirstTilePicture + k,
        [&](qint64 key) { return key == 0 || key == plainTile_ || key == takenTile_; }, "a tile");

  const bool enabled = s.keypadEnabled.front();
  if (std::any_of(s.keypadEnabled.begin(), s.keypadEnabled.end(),
                  [&](bool e) { return e != enabled; }))
    faults << QStringLiteral("the keypad is partly enabled");
  if (!enabled && !s.shown[shownOf("Image64")])
    faults << QStringLiteral("the keypad is disabled and uncovered");
}
