#include "windowsnapshot.h"

#include "formfixture.h"
#include "radiogroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <cstring>

namespace {

template <typename T> const T *find(const FormFixture &fixture, std::string_view name) {
  const auto *found = fixture.form->findChild<T *>(
      QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  if (!found)
    qFatal("the main window has no control %.*s", static_cast<int>(name.size()), name.data());
  return found;
}

QString nameAt(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename Record> struct Field {
  const char *name;
  int32_t Record::*member;
};

constexpr std::array<Field<DrillState>, 13> kDrillFields{{
    {"RunLength", &DrillState::RunLength},
    {"CurrentIndex", &DrillState::CurrentIndex},
    {"CheckedIndex", &DrillState::CheckedIndex},
    {"EnteredAnswer", &DrillState::EnteredAnswer},
    {"MistakeCount", &DrillState::MistakeCount},
    {"FirstTryCount", &DrillState::FirstTryCount},
    {"FeedbackShown", &DrillState::FeedbackShown},
    {"FeedbackTicks", &DrillState::FeedbackTicks},
    {"ClockState", &DrillState::ClockState},
    {"ClockTenths", &DrillState::ClockTenths},
    {"HintAnimating", &DrillState::HintAnimating},
    {"HintStep", &DrillState::HintStep},
    {"HintRemaining", &DrillState::HintRemaining},
}};

constexpr std::array<Field<PrintLayout>, 15> kLayoutFields{{
    {"Rows", &PrintLayout::Rows},
    {"Columns", &PrintLayout::Columns},
    {"CharsDown", &PrintLayout::CharsDown},
    {"CharsAcross", &PrintLayout::CharsAcross},
    {"CursorX", &PrintLayout::CursorX},
    {"CursorY", &PrintLayout::CursorY},
    {"PageWidth", &PrintLayout::PageWidth},
    {"PageHeight", &PrintLayout::PageHeight},
    {"FontHeight", &PrintLayout::FontHeight},
    {"CharPitch", &PrintLayout::CharPitch},
    {"FitHeight", &PrintLayout::FitHeight},
    {"RowPitch", &PrintLayout::RowPitch},
    {"ColumnPitch", &PrintLayout::ColumnPitch},
    {"TopMargin", &PrintLayout::TopMargin},
    {"BottomMargin", &PrintLayout::BottomMargin},
}};

template <typename Record, std::size_t N>
void fieldDifferences(QStringList &lines, const char *prefix,
                      const std::array<Field<Record>, N> &fields, const Record &expected,
                      const Record &actual) {
  for (const Field<Record> &field : fields)
    if (expected.*field.member != actual.*field.member)
      lines << QStringLiteral("%1%2 is %3, expected %4")
                   .arg(QLatin1String(prefix), QLatin1String(field.name))
                   .arg(actual.*field.member)
                   .arg(expected.*field.member);
}

QString record(const ProblemRecord &r) {
  return QStringLiteral("(%1, %2, %3, %4, mark %5)")
      .arg(r.Left)
      .arg(r.Right)
      .arg(r.Result)
      .arg(r.Remainder)
      .arg(r.Mark);
}

template <typename Table>
void tableDifferences(QStringList &lines, const char *name, const Table &expected,
                      const Table &actual) {
  // Records are plain integers without padding: equal tables are equal bytes.
  static_assert(sizeof(ProblemRecord) == 5 * sizeof(int32_t));
  if (std::memcmp(&expected.at(1), &actual.at(1), Table::kSlots * sizeof(ProblemRecord)) == 0)
    return;
  int reported = 0;
  for (int32_t slot = 1; slot <= Table::kSlots && reported < 3; ++slot)
    if (!(expected.at(slot) == actual.at(slot))) {
      lines << QStringLiteral("%1 slot %2 is %3, expected %4")
                   .arg(QLatin1String(name))
                   .arg(slot)
                   .arg(record(actual.at(slot)), record(expected.at(slot)));
      ++reported;
    }
}

} // namespace

SnapshotCamera::SnapshotCamera(const FormFixture &fixture) : fixture_(fixture) {
  for (std::size_t i = 0; i < kSnapshotPictures.size(); ++i)
    pictures_[i] = find<PictureImage>(fixture, kSnapshotPictures[i]);
  for (std::size_t i = 0; i < kSnapshotShown.size(); ++i)
    shown_[i] = find<QWidget>(fixture, kSnapshotShown[i]);
  for (std::size_t i = 0; i < kSnapshotTexts.size(); ++i)
    texts_[i] = find<QWidget>(fixture, kSnapshotTexts[i]);
  for (std::size_t i = 0; i < kSnapshotKeypad.size(); ++i)
    keypad_[i] = find<QWidget>(fixture, kSnapshotKeypad[i]);
  runLength_ = find<RadioGroup>(fixture, "RadioGroup1");
  nameField_ = find<QCheckBox>(fixture, "CheckBox12");
  answerSheet_ = find<QCheckBox>(fixture, "CheckBox13");
  spinEdits_ = {find<QSpinBox>(fixture, "SpinEdit1"), find<QSpinBox>(fixture, "SpinEdit2"),
                find<QSpinBox>(fixture, "SpinEdit3"), find<QSpinBox>(fixture, "SpinEdit4")};
}

void SnapshotCamera::take(WindowSnapshot &snapshot) const {
  snapshot.state = fixture_.form->state();
  for (std::size_t i = 0; i < pictures_.size(); ++i)
    snapshot.pictures[i] = pictures_[i]->picture().cacheKey();
  for (std::size_t i = 0; i < shown_.size(); ++i)
    snapshot.shown[i] = !shown_[i]->isHidden();
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    if (const auto *edit = qobject_cast<const QLineEdit *>(texts_[i]))
      snapshot.texts[i] = edit->text();
    else
      snapshot.texts[i] = static_cast<const QLabel *>(texts_[i])->text();
  }
  for (std::size_t i = 0; i < keypad_.size(); ++i)
    snapshot.keypadEnabled[i] = keypad_[i]->isEnabled();
  snapshot.runLengthItem = runLength_->itemIndex();
  snapshot.nameField = nameField_->isChecked();
  snapshot.answerSheet = answerSheet_->isChecked();
  for (std::size_t i = 0; i < spinEdits_.size(); ++i) {
    snapshot.spinValues[i] = spinEdits_[i]->value();
    snapshot.spinTexts[i] = spinEdits_[i]->cleanText();
  }
}

QStringList snapshotDifferences(const WindowSnapshot &expected, const WindowSnapshot &actual,
                                const std::function<QString(qint64)> &pictureName) {
  QStringList lines;
  fieldDifferences(lines, "", kDrillFields, expected.state.drill, actual.state.drill);
  fieldDifferences(lines, "layout ", kLayoutFields, expected.state.layout, actual.state.layout);
  if (expected.state.PrintCount != actual.state.PrintCount)
    lines << QStringLiteral("PrintCount is %1, expected %2")
                 .arg(actual.state.PrintCount)
                 .arg(expected.state.PrintCount);
  if (expected.state.bank.ProblemCount != actual.state.bank.ProblemCount)
    lines << QStringLiteral("ProblemCount is %1, expected %2")
                 .arg(actual.state.bank.ProblemCount)
                 .arg(expected.state.bank.ProblemCount);
  tableDifferences(lines, "ProblemTable", expected.state.bank.ProblemTable,
                   actual.state.bank.ProblemTable);
  tableDifferences(lines, "HardProblemTable", expected.state.bank.HardProblemTable,
                   actual.state.bank.HardProblemTable);

  for (std::size_t i = 0; i < kSnapshotPictures.size(); ++i)
    if (expected.pictures[i] != actual.pictures[i])
      lines << QStringLiteral("%1 shows %2, expected %3")
                   .arg(nameAt(kSnapshotPictures[i]), pictureName(actual.pictures[i]),
                        pictureName(expected.pictures[i]));
  for (std::size_t i = 0; i < kSnapshotShown.size(); ++i)
    if (expected.shown[i] != actual.shown[i])
      lines << QStringLiteral("%1 is %2, expected %3")
                   .arg(nameAt(kSnapshotShown[i]), actual.shown[i] ? "shown" : "hidden",
                        expected.shown[i] ? "shown" : "hidden");
  for (std::size_t i = 0; i < kSnapshotTexts.size(); ++i)
    if (expected.texts[i] != actual.texts[i])
      lines << QStringLiteral("%1 reads \"%2\", expected \"%3\"")
                   .arg(nameAt(kSnapshotTexts[i]), actual.texts[i], expected.texts[i]);
  for (std::size_t i = 0; i < kSnapshotKeypad.size(); ++i)
    if (expected.keypadEnabled[i] != actual.keypadEnabled[i])
      lines << QStringLiteral("%1 is %2, expected %3")
                   .arg(nameAt(kSnapshotKeypad[i]),
                        actual.keypadEnabled[i] ? "enabled" : "disabled",
                        expected.keypadEnabled[i] ? "enabled" : "disabled");
  if (expected.runLengthItem != actual.runLengthItem)
    lines << QStringLiteral("RadioGroup1 item %1 is selected, expected %2")
                 .arg(actual.runLengthItem)
                 .arg(expected.runLengthItem);
  if (expected.nameField != actual.nameField || expected.answerSheet != actual.answerSheet)
    lines << QStringLiteral("the check boxes changed");
  for (std::size_t i = 0; i < 4; ++i)
    if (expected.spinValues[i] != actual.spinValues[i] ||
        expected.spinTexts[i] != actual.spinTexts[i])
      lines << QStringLiteral("SpinEdit%1 holds %2 (\"%3\"), expected %4 (\"%5\")")
                   .arg(i + 1)
                   .arg(actual.spinValues[i])
                   .arg(actual.spinTexts[i])
                   .arg(expected.spinValues[i])
                   .arg(expected.spinTexts[i]);
  return lines;
}
