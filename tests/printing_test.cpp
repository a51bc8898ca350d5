// Worksheet printing through the real window: the layout handler, the spin
// edits, the printer set-up, the print runs and the four presets, printed on
// a recording printer with a 4800 × 6800 page.

#include "formfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace {

enum class Sheet { Multiplication, ExactDivision, DivisionWithRemainder };

struct Preset {
  const char *button;
  int32_t printCount;
  int32_t problemCount; // what the preset's filling leaves in ProblemCount
  int rows;
  int charsAcross;
  int32_t fontHeight; // the page's columns are the tighter limit: CharPitch too
  Sheet sheet;
  bool hardTable;
};

constexpr Preset kPresets[] = {
    {"Button4", 81, 81, 21, 6, 184, Sheet::Multiplication, false},
    {"Button9", 90, 162, 22, 7, 160, Sheet::ExactDivision, false},
    {"Button7", 100, 324, 25, 8, 141, Sheet::DivisionWithRemainder, false},
    {"Button10", 100, 100, 25, 8, 141, Sheet::DivisionWithRemainder, true},
};

void addPresetRows() {
  QTest::addColumn<int>("preset");
  for (int i = 0; i < int(std::size(kPresets)); ++i)
    QTest::newRow(kPresets[i].button) << i;
}

const QString kName = QStringLiteral("名前（");
const QString kNameEnd = QStringLiteral("）");

void click(const FormFixture &f, const char *button) {
  f.control<QAbstractButton>(button)->click();
}

void setOptions(const FormFixture &f, bool nameField, bool answerSheet) {
  f.control<QCheckBox>("CheckBox12")->setChecked(nameField);
  f.control<QCheckBox>("CheckBox13")->setChecked(answerSheet);
}

int spinValue(const FormFixture &f, const char *name) { return f.control<QSpinBox>(name)->value(); }

QStringList textsOf(const RecordedDocument &document) {
  QStringList texts;
  for (const RecordedText &text : document.texts())
    texts << QString::fromStdString(text.text);
  return texts;
}

bool isNameField(const RecordedText &text) {
  const QString drawn = QString::fromStdString(text.text);
  return drawn == kName || drawn == kNameEnd;
}

// The texts of every item on a sheet, left to right, keyed by the item number
// that their place in the grid gives; the name field is left out.
std::map<int32_t, QStringList> itemsOf(const RecordedDocument &document,
                                       const PrintLayout &layout) {
  std::map<int32_t, std::vector<RecordedText>> placed;
  for (const RecordedText &text : document.texts()) {
    if (isNameField(text))
      continue;
    const int32_t row = (text.y - layout.TopMargin) / layout.RowPitch;
    const int32_t column = text.x / layout.ColumnPitch;
    placed[row * layout.Columns + column + 1].push_back(text);
  }
  std::map<int32_t, QStringList> items;
  for (auto &[n, texts] : placed) {
    std::stable_sort(texts.begin(), texts.end(),
                     [](const RecordedText &a, const RecordedText &b) { return a.x < b.x; });
    for (const RecordedText &text : texts)
      items[n] << QString::fromStdString(text.text);
  }
  return items;
}

// Every text of an item stands on its grid row's line.
bool textsOnRowLines(const RecordedDocument &document, const PrintLayout &layout) {
  const auto texts = document.texts();
  return std::all_of(texts.begin(), texts.end(), [&](const RecordedText &text) {
    return isNameField(text) || (text.y - layout.TopMargin) % layout.RowPitch == 0;
  });
}

QString number(int32_t value) { return QString::number(value); }

int32_t itemLeft(const PrintLayout &layout, int32_t n, int32_t indent) {
  return (n - 1) % layout.Columns * layout.ColumnPitch + indent;
}

int32_t itemTop(const PrintLayout &layout, int32_t n) {
  return (n - 1) / layout.Columns * layout.RowPitch + layout.TopMargin;
}

// All numbers, for the worked page and the initial spin edits 33, 3, 1, 8.
PrintLayout workedInitialLayout() {
  PrintLayout layout;
  layout.Rows = 33;
  layout.Columns = 3;
  layout.CharsDown = 1;
  layout.CharsAcross = 8;
  layout.PageWidth = 4800;
  layout.PageHeight = 6800;
  layout.TopMargin = 340;
  layout.BottomMargin = 170;
  layout.FitHeight = 179;
  layout.CharPitch = 184;
  layout.RowPitch = 190;
  layout.ColumnPitch = 1600;
  layout.FontHeight = 179;
  return layout;
}

} // namespace

class PrintingTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void layoutShouldFollowTheInitialSpinEditsAndThePage() {
    FormFixture f;
    QCOMPARE(f.state().layout, PrintLayout{});
    click(f, "Button1");
    QCOMPARE(f.state().layout, workedInitialLayout());
    QVERIFY(f.errors.isEmpty());
    QVERIFY(f.printer().recording().documents().empty());
  }

  void spinEditShouldCopyItsValueAndNothingElse_data() {
    QTest::addColumn<QString>("spinEdit");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("rows") << "SpinEdit1" << 0 << "21" << 21;
    QTest::newRow("columns") << "SpinEdit2" << 1 << "4" << 4;
    QTest::newRow("character lines") << "SpinEdit3" << 2 << "2" << 2;
    QTest::newRow("character places, unbounded") << "SpinEdit4" << 3 << "-6" << -6;
  }

  void spinEditShouldCopyItsValueAndNothingElse() {
    QFETCH(QString, spinEdit);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(int, value);
    constexpr int32_t PrintLayout::*kCounts[] = {&PrintLayout::Rows, &PrintLayout::Columns,
                                                 &PrintLayout::CharsDown,
                                                 &PrintLayout::CharsAcross};
    FormFixture f;
    auto *spin = f.control<QSpinBox>(qPrintable(spinEdit));

    spin->selectAll();
    QTest::keyClicks(spin, typed);
    QCOMPARE(spin->value(), value);
    PrintLayout expected;
    expected.*kCounts[field] = value;
    QCOMPARE(f.state().layout, expected);

    // Set by the program, with the page laid out: only the count moves.
    click(f, "Button1");
    expected = f.state().layout;
    spin->setValue(value + 10);
    expected.*kCounts[field] = value + 10;
    QCOMPARE(f.state().layout, expected);
  }

  void columnsChangedWithoutLayoutShouldKeepTheOldPitches() {
    FormFixture f;
    click(f, "Button1");
    f.control<QSpinBox>("SpinEdit2")->setValue(4);
    QCOMPARE(f.state().layout.Columns, 4);
    QCOMPARE(f.state().layout.ColumnPitch, 1600);

    f.form->Button27Click(f.form.get());
    f.state().PrintCount = 5;
    click(f, "Button11");
    const PrintLayout &layout = f.state().layout;
    QCOMPARE(layout.CharPitch, 184);
    const auto &documents = f.printer().recording().documents();
    QCOMPARE(documents.size(), std::size_t(1));
    std::vector<std::pair<int32_t, int32_t>> signs;
    for (const RecordedText &text : documents[0].texts())
      if (text.text == "÷")
        signs.emplace_back(text.x, text.y);
    // Four to a row at the old 1600 pitch, the sign one and a half pitches in.
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {276, 340}, {1876, 340}, {3476, 340}, {5076, 340}, {276, 530}};
    QCOMPARE(signs, expected);
  }

  void presetShouldSetTheCountsAndTheGrid_data() { addPresetRows(); }

  void presetShouldSetTheCountsAndTheGrid() {
    QFETCH(int, preset);
    const Preset &p = kPresets[preset];
    FormFixture f;
    QSignalSpy rows(f.control<QSpinBox>("SpinEdit1"), &QSpinBox::valueChanged);
    QSignalSpy lines(f.control<QSpinBox>("SpinEdit3"), &QSpinBox::valueChanged);
    QSignalSpy places(f.control<QSpinBox>("SpinEdit4"), &QSpinBox::valueChanged);

    click(f, p.button);

    QVERIFY(f.errors.isEmpty());
    QCOMPARE(f.state().PrintCount, p.printCount);
    QCOMPARE(f.state().bank.ProblemCount, p.problemCount);
    QCOMPARE(spinValue(f, "SpinEdit1"), p.rows);
    QCOMPARE(spinValue(f, "SpinEdit2"), 4);
    QCOMPARE(spinValue(f, "SpinEdit3"), 1);
    QCOMPARE(spinValue(f, "SpinEdit4"), p.charsAcross);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(lines.size(), 0);
    QCOMPARE(places.size(), 2);
    QCOMPARE(places.at(0).at(0).toInt(), 1);
    QCOMPARE(places.at(1).at(0).toInt(), p.charsAcross);

    const PrintLayout &layout = f.state().layout;
    QCOMPARE(layout.Rows, p.rows);
    QCOMPARE(layout.Columns, 4);
    QCOMPARE(layout.CharsDown, 1);
    QCOMPARE(layout.CharsAcross, p.charsAcross);
    QCOMPARE(layout.FontHeight, p.fontHeight);
    QCOMPARE(layout.CharPitch, p.fontHeight);
    QCOMPARE(layout.TopMargin, 340);
    QCOMPARE(layout.ColumnPitch, 1200);
  }

  void presetShouldPrintTheSheetsTheCheckBoxesAskFor_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<bool>("nameField");
    QTest::addColumn<bool>("answerSheet");
    for (int i = 0; i < int(std::size(kPresets)); ++i)
      for (const bool nameField : {false, true})
        for (const bool answerSheet : {false, true})
          QTest::addRow("%s, name field %s, answers %s", kPresets[i].button,
                        nameField ? "on" : "off", answerSheet ? "on" : "off")
              << i << nameField << answerSheet;
  }

  void presetShouldPrintTheSheetsTheCheckBoxesAskFor() {
    QFETCH(int, preset);
    QFETCH(bool, nameField);
    QFETCH(bool, answerSheet);
    const Preset &p = kPresets[preset];
    FormFixture f;
    setOptions(f, nameField, answerSheet);

    click(f, p.button);

    QVERIFY(f.errors.isEmpty());
    const RecordingCanvas &recording = f.printer().recording();
    QVERIFY(recording.misuses().empty());
    const auto &documents = recording.documents();
    QCOMPARE(documents.size(), std::size_t(answerSheet ? 2 : 1));
    for (const RecordedDocument &document : documents)
      QVERIFY(document.finished);

    const QStringList problemTexts = textsOf(documents[0]);
    QCOMPARE(problemTexts.count(kName), nameField ? 1 : 0);
    QCOMPARE(problemTexts.count(kNameEnd), nameField ? 1 : 0);
    if (nameField)
      QCOMPARE(problemTexts.first(), kName); // across the top, before the items
    QCOMPARE(itemsOf(documents[0], f.state().layout).size(), std::size_t(p.printCount));
    if (answerSheet) {
      QVERIFY(!textsOf(documents[1]).contains(kName));
      QCOMPARE(itemsOf(documents[1], f.state().layout).size(), std::size_t(p.printCount));
    }
  }

  void multiplicationPresetShouldAskForTheMissingFactorOfEveryFact() {
    FormFixture f;
    setOptions(f, true, true);
    click(f, "Button4");

    const PrintLayout &layout = f.state().layout;
    const auto &documents = f.printer().recording().documents();
    QCOMPARE(documents.size(), std::size_t(2));
    QVERIFY(textsOnRowLines(documents[0], layout));
    QVERIFY(textsOnRowLines(documents[1], layout));
    const auto problems = itemsOf(documents[0], layout);
    const auto answers = itemsOf(documents[1], layout);
    const auto boxes = documents[0].rectangles();
    const auto frame = documents[1].path();
    QCOMPARE(boxes.size(), std::size_t(81));
    QCOMPARE(frame.size(), std::size_t(81 * 5));

    const int32_t pitch = layout.CharPitch;
    std::set<std::pair<int, int>> facts;
    std::set<int32_t> blanks;
    for (int32_t n = 1; n <= 81; ++n) {
      const ProblemRecord &record = f.state().bank.ProblemTable.at(n);
      const QStringList answer = answers.at(n);
      QCOMPARE(answer.size(), 5);
      QCOMPARE(answer.at(1), QStringLiteral("×"));
      QCOMPARE(answer.at(3), QStringLiteral("＝"));
      const int left = answer.at(0).toInt();
      const int right = answer.at(2).toInt();
      QCOMPARE(answer.at(4).toInt(), left * right);
      QCOMPARE(answer.at(0), number(record.Left));
      QCOMPARE(answer.at(2), number(record.Right));
      facts.insert({left, right});

      // The blank on the problem sheet is the factor the answer sheet frames.
      QVERIFY(record.Remainder == 0 || record.Remainder == 1);
      blanks.insert(record.Remainder);
      const QStringList expected =
          record.Remainder == 1
              ? QStringList{answer.at(0), answer.at(1), answer.at(3), answer.at(4)}
              : QStringList{answer.at(1), answer.at(2), answer.at(3), answer.at(4)};
      QCOMPARE(problems.at(n), expected);
      const int32_t blankX =
          itemLeft(layout, n, layout.FontHeight / 3) + (record.Remainder == 1 ? 2 * pitch : 0);
      const RecordedRectangle &box = boxes[n - 1];
      QCOMPARE(box.x1 + 20, blankX);
      QCOMPARE(box.y1 + 15, itemTop(layout, n));
      const RecordedPathPoint &corner = frame[(n - 1) * 5];
      QVERIFY(!corner.draws);
      QCOMPARE(corner.x + 15, blankX);
      QCOMPARE(corner.y + 10, itemTop(layout, n));
    }
    QCOMPARE(facts.size(), std::size_t(81));
    QCOMPARE(*facts.begin(), std::make_pair(1, 1));
    QCOMPARE(*facts.rbegin(), std::make_pair(9, 9));
    QCOMPARE(blanks.size(), std::size_t(2)); // both factors are asked for somewhere
    // Item 81 alone in the first column of the 21st row.
    QCOMPARE(documents[0].texts().back().y, 20 * layout.RowPitch + layout.TopMargin);
    QCOMPARE(boxes.back().y1 + 15, 20 * layout.RowPitch + layout.TopMargin);
    QVERIFY(boxes.back().x1 < layout.ColumnPitch);
  }

  void divisionPresetShouldPrintItsTableWithTheAnswers_data() {
    QTest::addColumn<int>("preset");
    for (int i = 1; i < int(std::size(kPresets)); ++i)
      QTest::newRow(kPresets[i].button) << i;
  }

  void divisionPresetShouldPrintItsTableWithTheAnswers() {
    QFETCH(int, preset);
    const Preset &p = kPresets[preset];
    FormFixture f;
    setOptions(f, true, true);
    click(f, p.button);

    const PrintLayout &layout = f.state().layout;
    const auto &documents = f.printer().recording().documents();
    QCOMPARE(documents.size(), std::size_t(2));
    QVERIFY(textsOnRowLines(documents[0], layout));
    QVERIFY(textsOnRowLines(documents[1], layout));
    const auto problems = itemsOf(documents[0], layout);
    const auto answers = itemsOf(documents[1], layout);
    const bool remainders = p.sheet == Sheet::DivisionWithRemainder;
    const QString marker = QStringLiteral("…");
    for (int32_t n = 1; n <= p.printCount; ++n) {
      const ProblemRecord &record =
          p.hardTable ? f.state().bank.HardProblemTable.at(n) : f.state().bank.ProblemTable.at(n);
      QStringList problem{number(record.Result), QStringLiteral("÷"), number(record.Left),
                          QStringLiteral("＝")};
      QStringList answer = problem;
      answer << number(record.Right);
      if (remainders) {
        problem << marker;
        answer << marker << number(record.Remainder);
      }
      QCOMPARE(problems.at(n), problem);
      QCOMPARE(answers.at(n), answer);
      QCOMPARE(record.Result, record.Left * record.Right + record.Remainder);
      QVERIFY(record.Remainder >= 0 && record.Remainder < record.Left);
      QCOMPARE(record.Remainder != 0, remainders);
    }
    QVERIFY(documents[0].rectangles().empty());
    QVERIFY(documents[1].path().empty());
  }

  void exactDivisionPresetShouldPutTheLastTwoBelowTheGrid() {
    FormFixture f;
    setOptions(f, true, false);
    click(f, "Button9");

    const PrintLayout &layout = f.state().layout;
    QCOMPARE(layout.Rows, 22);
    const int32_t row23 = 22 * layout.RowPitch + layout.TopMargin;
    QVERIFY(row23 > itemTop(layout, 88));
    QVERIFY(row23 <= layout.PageHeight - layout.BottomMargin);
    QCOMPARE(f.state().layout.CursorY, row23);
    const auto &documents = f.printer().recording().documents();
    QCOMPARE(documents.size(), std::size_t(1));
    std::set<int32_t> columnsOnRow23;
    for (const RecordedText &text : documents[0].texts())
      if (text.y == row23)
        columnsOnRow23.insert(text.x / layout.ColumnPitch);
    QCOMPARE(columnsOnRow23, (std::set<int32_t>{0, 1}));
    const auto items = itemsOf(documents[0], layout);
    QCOMPARE(items.rbegin()->first, 90);
    for (const int32_t n : {89, 90}) {
      const ProblemRecord &record = f.state().bank.ProblemTable.at(n);
      QCOMPARE(items.at(n).first(), number(record.Result));
    }
  }

  void presetClickedTwiceShouldKeepTheLayoutAndChangeTheOrder_data() { addPresetRows(); }

  void presetClickedTwiceShouldKeepTheLayoutAndChangeTheOrder() {
    QFETCH(int, preset);
    const Preset &p = kPresets[preset];
    FormFixture f;
    QSignalSpy places(f.control<QSpinBox>("SpinEdit4"), &QSpinBox::valueChanged);

    click(f, p.button);
    const PrintLayout first = f.state().layout;
    click(f, p.button);

    QCOMPARE(f.state().layout, first);
    QCOMPARE(places.size(), 4);
    QCOMPARE(places.at(2).at(0).toInt(), 1);
    const auto &documents = f.printer().recording().documents();
    QCOMPARE(documents.size(), std::size_t(2));
    const auto firstItems = itemsOf(documents[0], first);
    const auto secondItems = itemsOf(documents[1], first);
    QCOMPARE(firstItems.size(), std::size_t(p.printCount));
    QCOMPARE(secondItems.size(), std::size_t(p.printCount));
    QVERIFY(firstItems != secondItems);
  }

  void layoutShouldReportAMissingPrinterAndKeepTheCountsItRead() {
    FormFixture f;
    f.printer().setPage(std::nullopt);
    click(f, "Button1");
    QCOMPARE(f.errors.size(), 1);
    PrintLayout countsOnly;
    countsOnly.Rows = 33;
    countsOnly.Columns = 3;
    countsOnly.CharsDown = 1;
    countsOnly.CharsAcross = 8;
    QCOMPARE(f.state().layout, countsOnly);

    // A page laid out before keeps its derived fields.
    f.printer().setPage(PrintablePage{4800, 6800});
    click(f, "Button1");
    f.printer().setPage(std::nullopt);
    f.control<QSpinBox>("SpinEdit1")->setValue(21);
    click(f, "Button1");
    QCOMPARE(f.errors.size(), 2);
    PrintLayout expected = workedInitialLayout();
    expected.Rows = 21;
    QCOMPARE(f.state().layout, expected);
    QVERIFY(f.printer().recording().documents().empty());
  }

  void presetWithoutAPrinterShouldReportAndPrintNothing_data() { addPresetRows(); }

  void presetWithoutAPrinterShouldReportAndPrintNothing() {
    QFETCH(int, preset);
    const Preset &p = kPresets[preset];
    FormFixture f;
    setOptions(f, true, true);
    f.printer().setPage(std::nullopt);

    click(f, p.button);

    QCOMPARE(f.errors.size(), 1);
    QCOMPARE(f.printer().recording().beginAttempts(), 0);
    QCOMPARE(f.state().PrintCount, p.printCount);
    QCOMPARE(f.state().bank.ProblemCount, p.problemCount);
    QCOMPARE(spinValue(f, "SpinEdit1"), p.rows);
    QCOMPARE(spinValue(f, "SpinEdit2"), 4);
    QCOMPARE(spinValue(f, "SpinEdit4"), p.charsAcross);
    PrintLayout countsOnly;
    countsOnly.Rows = p.rows;
    countsOnly.Columns = 4;
    countsOnly.CharsDown = 1;
    countsOnly.CharsAcross = p.charsAcross;
    QCOMPARE(f.state().layout, countsOnly);
  }

  void printingFailureShouldBeReported_data() {
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<int>("attempt");
    QTest::addColumn<int>("documents");
    QTest::addColumn<QString>("sheet");
    QTest::newRow("problem sheet refused") << true << 1 << 0 << "問題用紙";
    QTest::newRow("answer sheet refused") << true << 2 << 1 << "答え用紙";
    QTest::newRow("problem sheet not finished") << false << 1 << 1 << "問題用紙";
    QTest::newRow("answer sheet not finished") << false << 2 << 2 << "答え用紙";
  }

  void printingFailureShouldBeReported() {
    QFETCH(bool, refuse);
    QFETCH(int, attempt);
    QFETCH(int, documents);
    QFETCH(QString, sheet);
    FormFixture f;
    setOptions(f, true, true);
    RecordingCanvas &recording = f.printer().recording();
    if (refuse)
      recording.refuseBegin(attempt);
    else
      recording.failEnd(attempt);

    click(f, "Button9");

    QCOMPARE(f.errors.size(), 1);
    QVERIFY2(f.errors.first().contains(sheet), qPrintable(f.errors.first()));
    QCOMPARE(recording.documents().size(), std::size_t(documents));
    QVERIFY(!recording.documentOpen());
    QVERIFY(recording.misuses().empty());
    QCOMPARE(f.state().PrintCount, 90);
    QCOMPARE(f.state().layout.FontHeight, 160);
  }

  void printerSetupShouldOpenTheDialogOnceAndLeaveTheLayout() {
    FormFixture f;
    click(f, "Button1");
    f.printer().setPage(PrintablePage{6800, 4800}); // as if landscape were chosen
    click(f, "Button3");
    QCOMPARE(f.printer().setupDialogs, 1);
    QCOMPARE(f.state().layout, workedInitialLayout());
    QVERIFY(f.errors.isEmpty());

    // The next layout measures the page chosen.
    click(f, "Button1");
    QCOMPARE(f.state().layout.PageWidth, 6800);
    QCOMPARE(f.state().layout.PageHeight, 4800);
    QCOMPARE(f.printer().setupDialogs, 1);
  }

  void runWithNothingToPrintShouldPrintOnlyTheNameField_data() {
    QTest::addColumn<QString>("run");
    QTest::addColumn<bool>("laidOut");
    QTest::addColumn<bool>("nameField");
    for (const char *run : {"Button2", "Button11", "Button15"})
      for (const bool laidOut : {false, true})
        for (const bool nameField : {false, true})
          QTest::addRow("%s, %s, name field %s", run, laidOut ? "laid out" : "all-zero layout",
                        nameField ? "on" : "off")
              << run << laidOut << nameField;
  }

  void runWithNothingToPrintShouldPrintOnlyTheNameField() {
    QFETCH(QString, run);
    QFETCH(bool, laidOut);
    QFETCH(bool, nameField);
    FormFixture f;
    setOptions(f, nameField, true);
    if (laidOut)
      click(f, "Button1");

    click(f, qPrintable(run));

    QVERIFY(f.errors.isEmpty());
    QCOMPARE(f.state().PrintCount, 0);
    const PrintLayout &layout = f.state().layout;
    const auto &documents = f.printer().recording().documents();
    QCOMPARE(documents.size(), std::size_t(2));
    QCOMPARE(textsOf(documents[0]), (nameField ? QStringList{kName, kNameEnd} : QStringList()));
    std::vector<std::pair<int32_t, int32_t>> places;
    for (const RecordedText &text : documents[0].texts()) {
      QCOMPARE(text.typeface, std::string("MSゴシック"));
      QCOMPARE(text.size, FontSize::cellPixels(layout.TopMargin / 2));
      places.emplace_back(text.x, text.y);
    }
    if (nameField) {
      const int32_t y = layout.FontHeight / 2;
      const std::vector<std::pair<int32_t, int32_t>> expected = {
          {layout.PageWidth / 3, y}, {layout.PageWidth - 4 - layout.FontHeight, y}};
      QCOMPARE(places, expected);
    }
    QVERIFY(documents[0].rectangles().empty());
    QVERIFY(documents[1].operations.empty());
    QVERIFY(documents[1].finished);
  }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
