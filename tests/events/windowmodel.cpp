// The reference model of the drill's handlers (keypad, answer checking,
// timers, run starts, results, hints) and of the problem bank's, applied
// operation by operation.

#include "windowmodel.h"

#include "formfixture.h"
#include "generators.h"
#include "modelsupport.h"

#include <algorithm>

using namespace model;

namespace {

constexpr std::array<const char *, 10> kDigitStores{"Image22", "Image11", "Image14", "Image15",
                                                    "Image16", "Image17", "Image18", "Image19",
                                                    "Image20", "Image21"};
constexpr std::array<const char *, 19> kRewardStores{
    "Image4",  "Image5",  "Image6",  "Image7",  "Image8",  "Image9",  "Image10",
    "Image39", "Image29", "Image30", "Image31", "Image32", "Image33", "Image34",
    "Image35", "Image36", "Image37", "Image38", "Image40"};
constexpr std::array<const char *, 11> kKeys{"Image41", "Image44", "Image45", "Image46",
                                             "Image47", "Image48", "Image49", "Image50",
                                             "Image51", "Image52", "Image62"};
constexpr std::array<const char *, 11> kPressedKeys{"Image42", "Image53", "Image54", "Image55",
                                                    "Image56", "Image57", "Image58", "Image59",
                                                    "Image60", "Image61", "Image63"};

} // namespace

WindowModel::WindowModel(const FormFixture &fixture) {
  auto key = [&](const char *store) { return fixture.picture(store)->picture().cacheKey(); };
  for (std::size_t d = 0; d < kDigitStores.size(); ++d)
    digits_[d] = key(kDigitStores[d]);
  for (std::size_t r = 0; r < kRewardStores.size(); ++r)
    rewards_[r] = key(kRewardStores[r]);
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    keys_[k] = key(kKeys[k]);
    pressed_[k] = key(kPressedKeys[k]);
  }
  blank_ = key("Image23");
  wrong_ = key("Image3");
  plainTile_ = key("Image70");
  takenTile_ = key("Image69");
  storeNames_.insert(0, QStringLiteral("no picture"));
  storeNames_.insert(blank_, QStringLiteral("Image23 (blank)"));
  for (std::size_t d = 0; d < kDigitStores.size(); ++d)
    storeNames_.insert(digits_[d], QStringLiteral("%1 (digit %2)").arg(kDigitStores[d]).arg(d));
  for (const PictureImage *picture : fixture.form->findChildren<PictureImage *>())
    if (!storeNames_.contains(picture->picture().cacheKey()))
      storeNames_.insert(picture->picture().cacheKey(), picture->objectName());
}

QString WindowModel::pictureName(qint64 key) const {
  return storeNames_.value(key, QStringLiteral("picture %1").arg(key));
}

// Button32Click: the next problem with its digits and tiles.
void WindowModel::showNextProblem(WindowSnapshot &m) const {
  DrillState &drill = m.state.drill;
  if (drill.CurrentIndex >= kGeneratedSlots)
    return;
  show(m, shownOf("Image1"), false);
  show(m, shownOf("Label12"), false);
  drill.EnteredAnswer = 0;
  ++drill.CurrentIndex;
  m.texts[textOf("Edit1")] = QString::number(drill.CurrentIndex);
  ProblemRecord &problem = m.state.bank.ProblemTable.at(drill.CurrentIndex);
  problem.Mark = 3;
  show(m, shownOf("Label6"), true);
  show(m, shownOf("Label8"), true);
  m.texts[textOf("Label6")] = QStringLiteral("－");
  m.texts[textOf("Label8")] = QStringLiteral("＝");

  auto glyph = [&](int32_t digit, qint64 keep) {
    return digit >= 0 && digit <= 9 ? digits_[static_cast<std::size_t>(digit)] : keep;
  };
  qint64 &tens = m.pictures[pictureOf("Image24")];
  tens = problem.Left / 10 == 0 ? blank_ : glyph(problem.Left / 10, tens);
  qint64 &units = m.pictures[pictureOf("Image25")];
  units = glyph(problem.Left % 10, units);
  qint64 &right = m.pictures[pictureOf("Image26")];
  right = glyph(problem.Right, right);
  for (int32_t k = 1; k <= 9; ++k) {
    m.pictures[kFirstTilePicture + static_cast<std::size_t>(k - 1)] = plainTile_;
    m.shown[kFirstTileShown + static_cast<std::size_t>(k - 1)] = problem.Left >= k;
  }
}

// Button34Click: the results, the cleared problem line and the covered keypad.
void WindowModel::endRun(WindowSnapshot &m) const {
  DrillState &drill = m.state.drill;
  int32_t firstTry = 0;
  for (int32_t slot = 1; slot <= std::min(drill.CheckedIndex, 1500); ++slot)
    if (m.state.bank.ProblemTable.at(slot).Mark == 3)
      ++firstTry;
  for (const std::size_t label :
       {shownOf("Label15"), shownOf("Label16"), shownOf("Label17"), shownOf("Label22")})
    m.shown[label] = true;
  m.texts[textOf("Label22")] = QStringLiteral("もんだいの　かず");
  m.texts[textOf("Label15")] = QStringLiteral("１かいで　できた　かず");
  m.texts[textOf("Label16")] = QStringLiteral("まちがった　かず");
  m.texts[textOf("Label17")] = QStringLiteral("１かいで　できた　わりあい");
  drill.ClockState = 4;
  for (const std::size_t edit :
       {shownOf("Edit2"), shownOf("Edit3"), shownOf("Edit4"), shownOf("Edit7")})
    m.shown[edit] = true;
  m.texts[textOf("Edit2")] = QString::number(firstTry);
  m.texts[textOf("Edit3")] = QString::number(drill.MistakeCount);
  m.texts[textOf("Edit7")] = QString::number(drill.CheckedIndex);
  m.texts[textOf("Edit4")] =
      drill.CheckedIndex > 0
          ? QStringLiteral("%1%").arg(int64_t{firstTry} * 100 / drill.CheckedIndex)
          : QString();
  drill.FirstTryCount = 0;
  drill.MistakeCount = 0;
  for (const std::size_t cell : {pictureOf("Image24"), pictureOf("Image25"), pictureOf("Image26"),
                                 pictureOf("Image27"), pictureOf("Image28")})
    m.pictures[cell] = blank_;
  for (const std::size_t text : {textOf("Label6"), textOf("Label8"), textOf("Label10")})
    m.texts[text].clear();
  m.keypadEnabled.fill(false);
  show(m, shownOf("Image64"), true);
}

// Button33Click: judges the entry against the problem on screen.
void WindowModel::checkEntry(const WindowSnapshot &actual, WindowSnapshot &m,
                             QStringList &faults) const {
  DrillState &drill = m.state.drill;
  show(m, shownOf("Image2"), false);
  drill.CheckedIndex = drill.CurrentIndex;
  drill.FeedbackShown = 0;
  if (drill.CurrentIndex < 1 || drill.CurrentIndex > kGeneratedSlots)
    return;
  ProblemRecord &problem = m.state.bank.ProblemTable.at(drill.CurrentIndex);
  const int32_t answer = problem.Result;
  const int32_t entered = drill.EnteredAnswer;
  if (answer >= 10 && entered < 10)
    return;
  const bool right = entered == answer;
  if (right) {
    show(m, shownOf("Image1"), false);
    show(m, shownOf("Image2"), true);
    const qint64 reward = actual.pictures[pictureOf("Image2")];
    if (!holds(rewards_, reward))
      faults << QStringLiteral("Image2 shows %1, which is no reward").arg(pictureName(reward));
    m.pictures[pictureOf("Image2")] = reward;
    m.texts[textOf("Label13")] = QStringLiteral("ＯＫ!");
    show(m, shownOf("Label13"), true);
    show(m, shownOf("Panel1"), false);
    drill.FeedbackShown = 1;
    drill.FeedbackTicks = 0;
  } else {
    show(m, shownOf("Image1"), true);
    m.pictures[pictureOf("Image1")] = wrong_;
    m.texts[textOf("Label12")] = QStringLiteral("ちがうよ");
    show(m, shownOf("Label12"), true);
    problem.Mark = 1;
    drill.MistakeCount = wrapping(int64_t{drill.MistakeCount} + 1);
  }
  if (drill.CurrentIndex == drill.RunLength && right)
    endRun(m);
}

void WindowModel::enterDigit(int32_t digit, const WindowSnapshot &actual, WindowSnapshot &m,
                             QStringList &faults) const {
  DrillState &drill = m.state.drill;
  drill.EnteredAnswer = static_cast<int32_t>(static_cast<uint32_t>(drill.EnteredAnswer) * 10u +
                                             static_cast<uint32_t>(digit));
  const std::size_t cell = drill.EnteredAnswer < 10 ? pictureOf("Image27") : pictureOf("Image68");
  m.pictures[cell] = digits_[static_cast<std::size_t>(digit)];
  checkEntry(actual, m, faults);
}

void WindowModel::erase(WindowSnapshot &m) const {
  DrillState &drill = m.state.drill;
  show(m, shownOf("Label12"), false);
  show(m, shownOf("Image1"), false);
  if (drill.EnteredAnswer < 10) {
    drill.EnteredAnswer = 0;
    m.pictures[pictureOf("Image27")] = blank_;
  } else {
    drill.EnteredAnswer /= 10;
    m.pictures[pictureOf("Image68")] = blank_;
  }
}

void WindowModel::feedbackTick(WindowSnapshot &m) const {
  DrillState &drill = m.state.drill;
  if (drill.FeedbackShown == 1)
    drill.FeedbackTicks = wrapping(int64_t{drill.FeedbackTicks} + 1);
  if (drill.FeedbackTicks <= 5)
    return;
  show(m, shownOf("Label13"), false);
  drill.FeedbackShown = 0;
  drill.FeedbackTicks = 0;
  for (const std::size_t cell : {pictureOf("Image27"), pictureOf("Image28"), pictureOf("Image68")})
    m.pictures[cell] = blank_;
  m.texts[textOf("Label10")].clear();
  const int32_t index = drill.CurrentIndex;
  if (index >= 1 && index <= kGeneratedSlots && index < drill.RunLength &&
      drill.EnteredAnswer == m.state.bank.ProblemTable.at(index).Result)
    showNextProblem(m);
}

void WindowModel::clockTick(WindowSnapshot &m) const {
  DrillState &drill = m.state.drill;
  if (drill.ClockState == 3) {
    drill.ClockTenths = wrapping(int64_t{drill.ClockTenths} + 1);
    return;
  }
  if (drill.ClockState != 4)
    return;
  const int32_t seconds = drill.ClockTenths / 10;
  show(m, shownOf("Edit5"), true);
  show(m, shownOf("Edit6"), true);
  m.texts[textOf("Edit5")] = QString::number(seconds / 60);
  m.texts[textOf("Edit6")] = QString::number(seconds % 60);
  m.texts[textOf("Label14")] = QStringLiteral("分");
  m.texts[textOf("Label19")] = QStringLiteral("秒");
  show(m, shownOf("Label14"), true);
  show(m, shownOf("Label19"), true);
  drill.ClockState = 0;
}

void WindowModel::hintTick(WindowSnapshot &m) const {
  DrillState &drill = m.state.drill;
  if (drill.HintAnimating != 1)
    return;
  if (drill.HintRemaining <= 0) {
    drill.HintAnimating = 0;
    return;
  }
  --drill.HintRemaining;
  drill.HintStep = wrapping(int64_t{drill.HintStep} + 1);
  if (drill.HintStep >= 1 && drill.HintStep <= 9)
    m.pictures[kFirstTilePicture + static_cast<std::size_t>(drill.HintStep - 1)] = takenTile_;
}

// The common end of every run start: the run length, the cleared marks,
// problem 1 and the open keypad.
void WindowModel::openRun(WindowSnapshot &m) const {
  DrillState &drill = m.state.drill;
  const int item = m.runLengthItem;
  drill.RunLength = item >= 0 && item < 4 ? kRunLengths[static_cast<std::size_t>(item)] : 100;
  for (int32_t slot = 1; slot <= std::min(drill.RunLength, kGeneratedSlots); ++slot)
    m.state.bank.ProblemTable.at(slot).Mark = 0;
  drill.CurrentIndex = 0;
  showNextProblem(m);
  m.keypadEnabled.fill(true);
  show(m, shownOf("Image64"), false);
}

void WindowModel::startSubtractionRun(const WindowSnapshot &actual, WindowSnapshot &m,
                                      QStringList &faults) const {
  DrillState &drill = m.state.drill;
  drill.ClockState = 3;
  drill.ClockTenths = 0;
  drill.CurrentIndex = 0;
  for (const std::size_t result :
       {shownOf("Edit2"), shownOf("Edit3"), shownOf("Edit4"), shownOf("Edit5"), shownOf("Edit6"),
        shownOf("Edit7"), shownOf("Label14"), shownOf("Label15"), shownOf("Label16"),
        shownOf("Label17"), shownOf("Label19"), shownOf("Label22")})
    m.shown[result] = false;

  // The subtraction set, then two copies of it, each shuffled afresh.
  ProblemBank &bank = m.state.bank;
  const SlotTable<1500> marks = bank.ProblemTable;
  generateSubtractionSet(bank);
  const int32_t n = bank.ProblemCount;
  const int32_t copies = 120 / n;
  const std::vector<Numbers> block = sortedNumbers(bank.ProblemTable, 1, n);
  for (int32_t c = 0; c < copies; ++c)
    if (sortedNumbers(actual.state.bank.ProblemTable, c * n + 1, c * n + n) != block)
      faults << QStringLiteral("copy %1 of the subtraction set does not hold the set").arg(c + 1);
  for (int32_t slot = 1; slot <= copies * n; ++slot) {
    const int32_t origin = (slot - 1) % n + 1;
    for (ProblemRecord *copy :
         {&bank.ProblemTable.at(slot), &bank.ProblemTable.at(kGeneratedSlots + slot)}) {
      setNumbers(*copy, actual.state.bank.ProblemTable.at(slot));
      copy->Mark = marks.at(origin).Mark;
    }
  }
  bank.ProblemCount = copies * n;

  openRun(m);
  for (std::size_t k = 0; k < 9; ++k)
    m.pictures[kFirstTilePicture + k] = m.pictures[kFirstTilePicture + 8];
  show(m, shownOf("Panel1"), false);
}

void WindowModel::startDivisionRun(Operation operation, const WindowSnapshot &actual,
                                   WindowSnapshot &m, QStringList &faults) const {
  DrillState &drill = m.state.drill;
  drill.ClockState = 3;
  drill.ClockTenths = 0;
  for (const std::size_t result :
       {shownOf("Edit2"), shownOf("Edit3"), shownOf("Edit4"), shownOf("Edit5"), shownOf("Edit6"),
        shownOf("Label14"), shownOf("Label15"), shownOf("Label16"), shownOf("Label17"),
        shownOf("Label19")})
    m.shown[result] = false;
  ProblemBank &bank = m.state.bank;
  const ProblemBank &after = actual.state.bank;
  switch (operation) {
  case Operation::StartDivisionWithRemainder:
    generateDivisionWithRemainder(bank);
    checkShuffled("ProblemTable", bank.ProblemCount, after.ProblemTable, bank.ProblemTable, faults);
    break;
  case Operation::StartExactDivision:
    generateDivisionWithoutRemainder(bank);
    checkShuffled("ProblemTable", bank.ProblemCount, after.ProblemTable, bank.ProblemTable, faults);
    break;
  default:
    generateHardDivisionSet(bank);
    checkShuffled("HardProblemTable", bank.ProblemCount, after.HardProblemTable,
                  bank.HardProblemTable, faults);
    for (int32_t slot = 1; slot <= 100; ++slot)
      setNumbers(bank.ProblemTable.at(slot), bank.HardProblemTable.at(slot));
    break;
  }
  openRun(m);
}

void WindowModel::apply(Operation operation, int32_t value, const Printer &printer,
                        const WindowSnapshot &actual, WindowSnapshot &m,
                        QStringList &faults) const {
  DrillState &drill = m.state.drill;
  ProblemBank &bank = m.state.bank;
  switch (operation) {
  case Operation::None:
  case Operation::PrinterSetup:
  case Operation::ChangePrinter:
    return;
  case Operation::Digit:
    enterDigit(value, actual, m, faults);
    return;
  case Operation::Erase:
    erase(m);
    return;
  case Operation::StartSubtraction:
    startSubtractionRun(actual, m, faults);
    return;
  case Operation::Stop:
    endRun(m);
    return;
  case Operation::ShowHint:
    show(m, shownOf("Panel1"), true);
    return;
  case Operation::AnimateHint: {
    const int32_t index = drill.CurrentIndex;
    drill.HintRemaining =
        index >= 1 && index <= kGeneratedSlots ? bank.ProblemTable.at(index).Right : 0;
    drill.HintAnimating = 1;
    drill.HintStep = 0;
    return;
  }
  case Operation::StartDivisionWithRemainder:
  case Operation::StartHardDivision:
  case Operation::StartExactDivision:
    startDivisionRun(operation, actual, m, faults);
    return;
  case Operation::FeedbackTick:
    feedbackTick(m);
    return;
  case Operation::ClockTick:
    clockTick(m);
    return;
  case Operation::HintTick:
    hintTick(m);
    return;
  case Operation::FillSubtractions:
    generateSubtractionSet(bank);
    return;
  case Operation::ClearTable:
    clearGeneratedSlots(bank);
    return;
  case Operation::FillDivisionsWithRemainder:
    generateDivisionWithRemainder(bank);
    return;
  case Operation::FillHardSet:
    generateHardDivisionSet(bank);
    return;
  case Operation::FillExactDivisions:
    generateDivisionWithoutRemainder(bank);
    return;
  case Operation::Shuffle:
    checkShuffled("ProblemTable", bank.ProblemCount, actual.state.bank.ProblemTable,
                  bank.ProblemTable, faults);
    return;
  case Operation::ShuffleHardSet:
    checkShuffled("HardProblemTable", bank.ProblemCount, actual.state.bank.HardProblemTable,
                  bank.HardProblemTable, faults);
    return;
  case Operation::LayOut:
    layOut(printer, actual, m, faults);
    return;
  case Operation::PrintMultiplication:
  case Operation::PrintDivisions:
  case Operation::PrintHardDivisions:
    print(operation, printer, actual, m, faults);
    return;
  case Operation::PresetTimesTable:
  case Operation::PresetDivisionsWithRemainder:
  case Operation::PresetExactDivisions:
  case Operation::PresetHardDivisions:
    preset(operation, printer, actual, m, faults);
    return;
  case Operation::SetSpinValue: {
    setSpinValue(m, actual, value, actual.spinValues[static_cast<std::size_t>(value - 1)]);
    return;
  }
  case Operation::SetSpinText: {
    // Qt decides which texts are numbers; a value that changes reaches the
    // count, a text that is none leaves it.
    const auto i = static_cast<std::size_t>(value - 1);
    setSpinValue(m, actual, value, actual.spinValues[i]);
    return;
  }
  case Operation::ToggleCheckBox:
    if (value == 12)
      m.nameField = !m.nameField;
    else
      m.answerSheet = !m.answerSheet;
    return;
  }
}
