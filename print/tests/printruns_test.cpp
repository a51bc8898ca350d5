#include "forwardingcanvas.h"
#include "printruns.h"
#include "problembank.h"
#include "recordingcanvas.h"
#include "scriptedrandom.h"

#include <QTest>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// 21 rows x 4 columns on 4800 x 6800: font 184, pitch 184 (half 92), columns 1200
// apart, rows 299 apart from 340 down.
constexpr int32_t kFont = 184;
constexpr int32_t kPitch = 184;
constexpr int32_t kIndent = kFont / 3;
constexpr int32_t kItemFontDpi = 1200; // keeps the 184-pixel cell below 20 points

PrintLayout standardLayout() {
  PrintLayout layout;
  computeLayout(layout, 21, 4, 1, 6, 4800, 6800);
  return layout;
}

int32_t originX(int32_t n) { return ((n - 1) % 4) * 1200; }
int32_t originY(int32_t n) { return ((n - 1) / 4) * 299 + 340; }

const std::string kNumbers(kNumberTypeface);
const std::string kSigns(kSignTypeface);

RecordedText number(int32_t x, int32_t y, int32_t value, FontSize size) {
  return {x, y, std::to_string(value), kNumbers, size};
}
RecordedText sign(int32_t x, int32_t y, const char *text, FontSize size) {
  return {x, y, text, kSigns, size};
}

bool isNumberText(const std::string &text) {
  return !text.empty() && std::all_of(text.begin(), text.end(),
                                      [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
}

// Every text names its typeface right before it (the name field's closing
// bracket shares the opening one's), numbers in the number typeface, signs in
// the sign typeface.
void verifyTypefaces(const RecordedDocument &document) {
  using Kind = CanvasOperation::Kind;
  const auto &ops = document.operations;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].kind != Kind::Text)
      continue;
    QVERIFY2(i > 0, ops[i].text.c_str());
    const bool sharesBracket = ops[i].text == "）" && ops[i - 1].text == "名前（";
    QVERIFY2(ops[i - 1].kind == Kind::SetTypeface || sharesBracket, ops[i].text.c_str());
    QCOMPARE(ops[i].typeface, isNumberText(ops[i].text) ? kNumbers : kSigns);
  }
}

void verifyAllClosed(const RecordingCanvas &canvas) {
  QVERIFY(!canvas.documentOpen());
  QCOMPARE(canvas.misuses(), std::vector<std::string>{});
}

std::vector<RecordedText> textsAt(const RecordedDocument &document, int32_t y, int32_t fromX,
                                  int32_t toX) {
  std::vector<RecordedText> result;
  for (const RecordedText &text : document.texts())
    if (text.y == y && text.x >= fromX && text.x < toX)
      result.push_back(text);
  return result;
}

std::vector<RecordedText> itemTexts(const RecordedDocument &document, int32_t n) {
  return textsAt(document, originY(n), originX(n), originX(n) + 1200);
}

// "17@0 ÷@276" : texts and their offsets from the item's corner.
std::vector<RecordedText> expectedItem(const QString &script, int32_t n, FontSize size) {
  std::vector<RecordedText> result;
  for (const QString &part : script.split(' ', Qt::SkipEmptyParts)) {
    const QStringList pieces = part.split('@');
    const std::string text = pieces[0].toStdString();
    const int32_t x = originX(n) + pieces[1].toInt();
    result.push_back({x, originY(n), text, isNumberText(text) ? kNumbers : kSigns, size});
  }
  return result;
}

void fillMultiplications(SlotTable<1500> &table) {
  const int32_t facts[][3] = {{3, 4, 12}, {7, 8, 56}, {2, 9, 18}, {6, 6, 36}, {9, 1, 9}};
  int32_t slot = 1;
  for (const auto &fact : facts) {
    ProblemRecord &record = table.at(slot++);
    record.Left = fact[0];
    record.Right = fact[1];
    record.Result = fact[2];
    record.Remainder = 7;
  }
}

template <int32_t N> void fillDivisions(SlotTable<N> &table) {
  // Left, Right, Result, Remainder
  const int32_t divisions[][4] = {{5, 3, 17, 2},    {2, 4, 8, 0},  {4, 3, 12, 5}, {0, 9, 7, 1},
                                  {-1, 0, kMin, 3}, {3, 3, 10, 1}, {4, 2, 9, 1},  {2, -3, -7, -1}};
  int32_t slot = 1;
  for (const auto &division : divisions) {
    ProblemRecord &record = table.at(slot++);
    record.Left = division[0];
    record.Right = division[1];
    record.Result = division[2];
    record.Remainder = division[3];
  }
}

enum class Run { Multiplication, Division, HardDivision };

} // namespace

Q_DECLARE_METATYPE(Run)
Q_DECLARE_METATYPE(PrintOutcome)

class PrintRunsTest : public QObject {
  Q_OBJECT

  ProblemBank bank_;

  PrintOutcome run(Run which, RecordingCanvas &canvas, PrintLayout &layout, int32_t count,
                   PrintOptions options, RandomSource &random) {
    switch (which) {
    case Run::Multiplication:
      return printMultiplicationRun(canvas, bank_.ProblemTable, layout, count, options, random);
    case Run::Division:
      return printDivisionRun(canvas, bank_.ProblemTable, layout, count, options);
    case Run::HardDivision:
      return printDivisionRun(canvas, bank_.HardProblemTable, layout, count, options);
    }
    throw std::logic_error("unknown run");
  }

  static void addRunColumn() { QTest::addColumn<Run>("run"); }

private Q_SLOTS:
  void init() { bank_ = ProblemBank{}; }

  void shouldBlankOneFactorAndFrameItOnTheAnswers_data() {
    QTest::addColumn<QList<double>>("units");
    QTest::addColumn<QList<int32_t>>("blanks");
    QTest::newRow("all low: Left blank")
        << QList<double>{0.25, 0.0, 0.1, 0.4, 0.49} << QList<int32_t>{0, 0, 0, 0, 0};
    QTest::newRow("all high: Right blank")
        << QList<double>{0.75, 0.51, 0.99, 0.6, 0.9} << QList<int32_t>{1, 1, 1, 1, 1};
    QTest::newRow("one half leaves Left blank")
        << QList<double>{0.5, 0.75, 0.5, 0.25, 0.5000001} << QList<int32_t>{0, 1, 0, 0, 1};
  }

  void shouldBlankOneFactorAndFrameItOnTheAnswers() {
    QFETCH(QList<double>, units);
    QFETCH(QList<int32_t>, blanks);
    fillMultiplications(bank_.ProblemTable);
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random(std::vector<double>(units.begin(), units.end()));

    QCOMPARE(run(Run::Multiplication, canvas, layout, 5, {false, true}, random),
             PrintOutcome::Printed);
    verifyAllClosed(canvas);
    QCOMPARE(random.unitsDrawn(), std::size_t{5});
    QCOMPARE(random.otherRequests, 0);
    QCOMPARE(canvas.documents().size(), std::size_t{2});
    const RecordedDocument &problems = canvas.documents()[0];
    const RecordedDocument &answers = canvas.documents()[1];
    verifyTypefaces(problems);
    verifyTypefaces(answers);

    const FontSize size = FontSize::cellPixels(kFont);
    std::vector<RecordedRectangle> boxes;
    std::vector<RecordedPathPoint> frames;
    for (int32_t n = 1; n <= 5; ++n) {
      const ProblemRecord &record = bank_.ProblemTable.at(n);
      const int32_t blank = blanks[n - 1];
      QCOMPARE(record.Remainder, blank);
      const int32_t x = originX(n) + kIndent;
      const int32_t y = originY(n);

      std::vector<RecordedText> problem;
      if (blank == 1)
        problem.push_back(number(x, y, record.Left, size));
      problem.push_back(sign(x + kPitch, y, "×", size));
      if (blank == 0)
        problem.push_back(number(x + 2 * kPitch, y, record.Right, size));
      problem.push_back(sign(x + 3 * kPitch, y, "＝", size));
      problem.push_back(number(x + 4 * kPitch, y, record.Result, size));
      QCOMPARE(itemTexts(problems, n), problem);

      const std::vector<RecordedText> answer{
          number(x, y, record.Left, size), sign(x + kPitch, y, "×", size),
          number(x + 2 * kPitch, y, record.Right, size), sign(x + 3 * kPitch, y, "＝", size),
          number(x + 4 * kPitch, y, record.Result, size)};
      QCOMPARE(itemTexts(answers, n), answer);

      const int32_t blankX = blank == 0 ? x : x + 2 * kPitch;
      boxes.push_back({blankX - 20, y - 15, blankX + kFont + 10, y + kFont + 15});
      const int32_t left = blankX - 15, right = blankX + kFont + 5;
      const int32_t top = y - 10, bottom = y + kFont + 10;
      frames.insert(frames.end(), {{left, top, false},
                                   {right, top, true},
                                   {right, bottom, true},
                                   {left, bottom, true},
                                   {left, top, true}});
    }
    QCOMPARE(problems.rectangles(), boxes);
    QVERIFY(problems.path().empty());
    QCOMPARE(answers.path(), frames);
    QVERIFY(answers.rectangles().empty());
  }

  void shouldDrawAFreshBlankOnEveryRun() {
    fillMultiplications(bank_.ProblemTable);
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random({0.2, 0.2, 0.8, 0.8, 0.3, 0.3});

    QCOMPARE(run(Run::Multiplication, canvas, layout, 3, {false, false}, random),
             PrintOutcome::Printed);
    QCOMPARE(bank_.ProblemTable.at(1).Remainder, 0);
    QCOMPARE(bank_.ProblemTable.at(2).Remainder, 0);
    QCOMPARE(bank_.ProblemTable.at(3).Remainder, 1);
    QCOMPARE(run(Run::Multiplication, canvas, layout, 3, {false, true}, random),
             PrintOutcome::Printed);
    verifyAllClosed(canvas);
    QCOMPARE(bank_.ProblemTable.at(1).Remainder, 1);
    QCOMPARE(bank_.ProblemTable.at(2).Remainder, 0);
    QCOMPARE(bank_.ProblemTable.at(3).Remainder, 0);
    QCOMPARE(bank_.ProblemTable.at(4).Remainder, 7); // past the print count: untouched

    QCOMPARE(canvas.documents().size(), std::size_t{3});
    const int32_t x1 = originX(1) + kIndent;
    QCOMPARE(canvas.documents()[0].rectangles().front().x1, x1 - 20);
    QCOMPARE(canvas.documents()[1].rectangles().front().x1, x1 + 2 * kPitch - 20);
    QCOMPARE(canvas.documents()[2].path().front().x, x1 + 2 * kPitch - 15);
  }

  void shouldPrintZeroRecordsAsZeros() {
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random({0.75, 0.25, 0.75});
    QCOMPARE(run(Run::Multiplication, canvas, layout, 3, {false, true}, random),
             PrintOutcome::Printed);
    verifyAllClosed(canvas);
    int32_t problemZeros = 0;
    int32_t answerZeros = 0;
    for (const RecordedText &text : canvas.documents()[0].texts())
      problemZeros += text.text == "0";
    for (const RecordedText &text : canvas.documents()[1].texts())
      answerZeros += text.text == "0";
    QCOMPARE(problemZeros, 3 * 2);
    QCOMPARE(answerZeros, 3 * 3);
    QCOMPARE(canvas.documents()[0].texts().size(), std::size_t{3 * 4});
  }

  void shouldPrintDivisions_data() {
    addRunColumn();
    QTest::addColumn<int32_t>("slot");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("answer");
    for (const Run which : {Run::Division, Run::HardDivision}) {
      const char *table = which == Run::Division ? "ProblemTable" : "HardProblemTable";
      QTest::addRow("%s: 17 / 5 has a remainder", table)
          << which << 1 << "17@0 ÷@276 5@460 ＝@644 …@1012"
          << "17@0 ÷@276 5@460 ＝@644 3@828 …@1012 2@1196";
      QTest::addRow("%s: 8 / 2 starts half a pitch in", table)
          << which << 2 << "8@92 ÷@276 2@460 ＝@644"
          << "8@92 ÷@276 2@460 ＝@644 4@828";
      QTest::addRow("%s: a multiple ignores the Remainder field", table)
          << which << 3 << "12@0 ÷@276 4@460 ＝@644"
          << "12@0 ÷@276 4@460 ＝@644 3@828";
      QTest::addRow("%s: Left 0 counts as no remainder", table)
          << which << 4 << "7@92 ÷@276 0@460 ＝@644"
          << "7@92 ÷@276 0@460 ＝@644 9@828";
      QTest::addRow("%s: smallest by -1 leaves none", table)
          << which << 5 << "-2147483648@92 ÷@276 -1@460 ＝@644"
          << "-2147483648@92 ÷@276 -1@460 ＝@644 0@828";
      QTest::addRow("%s: 10 is two digits", table) << which << 6 << "10@0 ÷@276 3@460 ＝@644 …@1012"
                                                   << "10@0 ÷@276 3@460 ＝@644 3@828 …@1012 1@1196";
      QTest::addRow("%s: 9 is one digit", table) << which << 7 << "9@92 ÷@276 4@460 ＝@644 …@1012"
                                                 << "9@92 ÷@276 4@460 ＝@644 2@828 …@1012 1@1196";
      QTest::addRow("%s: a negative dividend", table)
          << which << 8 << "-7@92 ÷@276 2@460 ＝@644 …@1012"
          << "-7@92 ÷@276 2@460 ＝@644 -3@828 …@1012 -1@1196";
    }
  }

  void shouldPrintDivisions() {
    QFETCH(Run, run);
    QFETCH(int32_t, slot);
    QFETCH(QString, problem);
    QFETCH(QString, answer);
    fillDivisions(bank_.ProblemTable);
    fillDivisions(bank_.HardProblemTable);
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random({});
    QCOMPARE(this->run(run, canvas, layout, 8, {false, true}, random), PrintOutcome::Printed);
    verifyAllClosed(canvas);
    QCOMPARE(canvas.documents().size(), std::size_t{2});
    const FontSize size = FontSize::cellPixels(kFont);
    QCOMPARE(itemTexts(canvas.documents()[0], slot), expectedItem(problem, slot, size));
    QCOMPARE(itemTexts(canvas.documents()[1], slot), expectedItem(answer, slot, size));
    for (const RecordedDocument &document : canvas.documents()) {
      verifyTypefaces(document);
      QVERIFY(document.rectangles().empty());
      QVERIFY(document.path().empty());
    }
  }

  void shouldPrintNoItemsForNoCount_data() {
    addRunColumn();
    QTest::addColumn<int32_t>("count");
    for (const int32_t count : {0, -1, kMin}) {
      QTest::addRow("multiplication, %d", count) << Run::Multiplication << count;
      QTest::addRow("division, %d", count) << Run::Division << count;
      QTest::addRow("hard division, %d", count) << Run::HardDivision << count;
    }
  }

  void shouldPrintNoItemsForNoCount() {
    QFETCH(Run, run);
    QFETCH(int32_t, count);
    fillMultiplications(bank_.ProblemTable);
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random({});
    QCOMPARE(this->run(run, canvas, layout, count, {true, true}, random), PrintOutcome::Printed);
    verifyAllClosed(canvas);
    QCOMPARE(canvas.documents().size(), std::size_t{2});
    const std::vector<RecordedText> problemTexts = canvas.documents()[0].texts();
    QCOMPARE(problemTexts.size(), std::size_t{2});
    QCOMPARE(problemTexts[0].text, std::string("名前（"));
    QCOMPARE(problemTexts[1].text, std::string("）"));
    QVERIFY(canvas.documents()[1].operations.empty());
    QCOMPARE(bank_.ProblemTable.at(1).Remainder, 7);
  }

  void shouldPrintTheNameFieldOnlyWhenAsked_data() {
    addRunColumn();
    QTest::addColumn<bool>("nameField");
    QTest::newRow("multiplication with name") << Run::Multiplication << true;
    QTest::newRow("multiplication without") << Run::Multiplication << false;
    QTest::newRow("division with name") << Run::Division << true;
    QTest::newRow("division without") << Run::Division << false;
    QTest::newRow("hard division with name") << Run::HardDivision << true;
    QTest::newRow("hard division without") << Run::HardDivision << false;
  }

  void shouldPrintTheNameFieldOnlyWhenAsked() {
    QFETCH(Run, run);
    QFETCH(bool, nameField);
    fillMultiplications(bank_.ProblemTable);
    fillDivisions(bank_.HardProblemTable);
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random({0.3, 0.3});
    QCOMPARE(this->run(run, canvas, layout, 2, {nameField, true}, random), PrintOutcome::Printed);
    verifyAllClosed(canvas);

    std::vector<RecordedText> nameTexts;
    for (const RecordedDocument &document : canvas.documents())
      for (const RecordedText &text : document.texts())
        if (text.text == "名前（" || text.text == "）")
          nameTexts.push_back(text);
    if (!nameField) {
      QVERIFY(nameTexts.empty());
      return;
    }
    // Cell half the top margin; the closing bracket one font height and four
    // pixels short of the right edge.
    const FontSize nameSize = FontSize::cellPixels(340 / 2);
    const std::vector<RecordedText> expected{{4800 / 3, kFont / 2, "名前（", kSigns, nameSize},
                                             {4800 - 4 - kFont, kFont / 2, "）", kSigns, nameSize}};
    QCOMPARE(nameTexts, expected);
    const std::vector<RecordedText> problemTexts = canvas.documents()[0].texts();
    QCOMPARE(problemTexts[0], expected[0]);
    QCOMPARE(problemTexts[2].size, FontSize::cellPixels(kFont));
  }

  void shouldPrintTheAnswerSheetOnlyWhenAsked_data() {
    addRunColumn();
    QTest::addColumn<bool>("answerSheet");
    for (const bool answerSheet : {true, false}) {
      QTest::addRow("multiplication, answers %d", answerSheet)
          << Run::Multiplication << answerSheet;
      QTest::addRow("division, answers %d", answerSheet) << Run::Division << answerSheet;
      QTest::addRow("hard division, answers %d", answerSheet) << Run::HardDivision << answerSheet;
    }
  }

  void shouldPrintTheAnswerSheetOnlyWhenAsked() {
    QFETCH(Run, run);
    QFETCH(bool, answerSheet);
    fillMultiplications(bank_.ProblemTable);
    fillDivisions(bank_.HardProblemTable);
    fillDivisions(bank_.ProblemTable); // a multiplication run prints these as products
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random({0.3});
    QCOMPARE(this->run(run, canvas, layout, 1, {true, answerSheet}, random), PrintOutcome::Printed);
    verifyAllClosed(canvas);
    QCOMPARE(canvas.documents().size(), std::size_t{answerSheet ? 2u : 1u});
    for (const RecordedDocument &document : canvas.documents())
      QVERIFY(document.finished);
    // The problem sheet comes first: it alone has the name field.
    QCOMPARE(canvas.documents()[0].texts().front().text, std::string("名前（"));
    if (answerSheet) {
      const std::vector<RecordedText> answers = canvas.documents()[1].texts();
      QVERIFY(!answers.empty());
      QCOMPARE(answers.front().text, std::string(run == Run::Multiplication ? "5" : "17"));
      QVERIFY(std::none_of(answers.begin(), answers.end(),
                           [](const RecordedText &text) { return text.text == "名前（"; }));
    }
  }

  void shouldLimitLargeItemsToTwentyPoints_data() {
    QTest::addColumn<int32_t>("fontHeight");
    QTest::addColumn<int32_t>("dpi");
    QTest::addColumn<bool>("limited");
    QTest::newRow("11 points at 1200 dpi") << 184 << 1200 << false;
    QTest::newRow("22 points at 600 dpi") << 184 << 600 << true;
    QTest::newRow("20.4 points rounds to 20") << 170 << 600 << false;
    QTest::newRow("20.52 points rounds to 21") << 171 << 600 << true;
    QTest::newRow("20.4 at 720 dpi") << 204 << 720 << false;
    QTest::newRow("20.5 rounds up") << 205 << 720 << true;
    QTest::newRow("huge cell") << kMax << 1 << true;
    QTest::newRow("no resolution") << 184 << 0 << false;
    QTest::newRow("negative resolution") << 184 << -600 << false;
    QTest::newRow("negative cell") << -5000 << 600 << false;
  }

  void shouldLimitLargeItemsToTwentyPoints() {
    QFETCH(int32_t, fontHeight);
    QFETCH(int32_t, dpi);
    QFETCH(bool, limited);
    fillDivisions(bank_.ProblemTable);
    PrintLayout layout = standardLayout();
    layout.FontHeight = fontHeight;
    RecordingCanvas canvas(dpi);
    ScriptedRandom random({});
    QCOMPARE(run(Run::Division, canvas, layout, 2, {false, true}, random), PrintOutcome::Printed);
    verifyAllClosed(canvas);

    const FontSize itemSize = limited ? FontSize::points(20) : FontSize::cellPixels(fontHeight);
    for (const RecordedDocument &document : canvas.documents())
      for (const RecordedText &text : document.texts())
        QCOMPARE(text.size, itemSize);

    using Kind = CanvasOperation::Kind;
    std::vector<Kind> sizing;
    for (const CanvasOperation &op : canvas.documents()[0].operations)
      if (op.kind == Kind::SetCellHeight || op.kind == Kind::SetPointSize) {
        sizing.push_back(op.kind);
        QCOMPARE(op.x1, op.kind == Kind::SetPointSize ? 20 : fontHeight);
      }
    const std::vector<Kind> once = limited
                                       ? std::vector<Kind>{Kind::SetCellHeight, Kind::SetPointSize}
                                       : std::vector<Kind>{Kind::SetCellHeight};
    std::vector<Kind> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    QCOMPARE(sizing, twice);
    for (const CanvasOperation &op : canvas.documents()[1].operations)
      QVERIFY(op.kind != Kind::SetCellHeight && op.kind != Kind::SetPointSize);
  }

  void shouldNotLimitTheNameField() {
    PrintLayout layout;
    computeLayout(layout, 10, 2, 1, 8, 4800, 6800); // top margin 680, font 266
    RecordingCanvas canvas(600);
    ScriptedRandom random({});
    QCOMPARE(run(Run::Division, canvas, layout, 0, {true, false}, random), PrintOutcome::Printed);
    const std::vector<RecordedText> texts = canvas.documents()[0].texts();
    QCOMPARE(texts.size(), std::size_t{2});
    QCOMPARE(texts[0].size, FontSize::cellPixels(340));
    QCOMPARE(texts[1].size, FontSize::cellPixels(340));
    QCOMPARE(canvas.documents()[0].operations.back().kind, CanvasOperation::Kind::SetPointSize);
  }

  void shouldStopAtTheEndOfTheTable_data() {
    addRunColumn();
    QTest::addColumn<int32_t>("count");
    QTest::addColumn<int32_t>("printed");
    QTest::newRow("multiplication, 1501") << Run::Multiplication << 1501 << 1500;
    QTest::newRow("multiplication, largest") << Run::Multiplication << kMax << 1500;
    QTest::newRow("division, 2000") << Run::Division << 2000 << 1500;
    QTest::newRow("hard division, 150") << Run::HardDivision << 150 << 100;
    QTest::newRow("hard division, 100") << Run::HardDivision << 100 << 100;
    QTest::newRow("hard division, 99") << Run::HardDivision << 99 << 99;
    QTest::newRow("hard division, largest") << Run::HardDivision << kMax << 100;
  }

  void shouldStopAtTheEndOfTheTable() {
    QFETCH(Run, run);
    QFETCH(int32_t, count);
    QFETCH(int32_t, printed);
    for (int32_t slot = 1; slot <= 1500; ++slot)
      bank_.ProblemTable.at(slot) = {slot % 9 + 1, 2, 2 * (slot % 9 + 1) + 1, 1, 0};
    for (int32_t slot = 1; slot <= 100; ++slot)
      bank_.HardProblemTable.at(slot) = {3, 4, 13, 1, 0};
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    ScriptedRandom random(std::vector<double>(1500, 0.9));
    QCOMPARE(this->run(run, canvas, layout, count, {false, true}, random), PrintOutcome::Printed);
    verifyAllClosed(canvas);

    const char *sign = run == Run::Multiplication ? "×" : "÷";
    for (const RecordedDocument &document : canvas.documents()) {
      std::vector<RecordedText> signs;
      for (const RecordedText &text : document.texts())
        if (text.text == sign)
          signs.push_back(text);
      QCOMPARE(int32_t(signs.size()), printed);
      QCOMPARE(signs.back().y, originY(printed));
    }
  }

  void shouldReportTheFailingStep_data() {
    addRunColumn();
    QTest::addColumn<int32_t>("refusedBegin");
    QTest::addColumn<int32_t>("failingEnd");
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::addColumn<int32_t>("begins");
    QTest::addColumn<QList<bool>>("finished");
    for (const Run which : {Run::Multiplication, Run::Division, Run::HardDivision}) {
      const int kind = static_cast<int>(which);
      QTest::addRow("run %d: problem sheet refused", kind)
          << which << 1 << 0 << PrintOutcome::ProblemSheetRefused << 1 << QList<bool>{};
      QTest::addRow("run %d: problem sheet not finished", kind)
          << which << 0 << 1 << PrintOutcome::ProblemSheetNotFinished << 1 << QList<bool>{false};
      QTest::addRow("run %d: answer sheet refused", kind)
          << which << 2 << 0 << PrintOutcome::AnswerSheetRefused << 2 << QList<bool>{true};
      QTest::addRow("run %d: answer sheet not finished", kind)
          << which << 0 << 2 << PrintOutcome::AnswerSheetNotFinished << 2
          << QList<bool>{true, false};
      QTest::addRow("run %d: printed", kind)
          << which << 0 << 0 << PrintOutcome::Printed << 2 << QList<bool>{true, true};
    }
  }

  void shouldReportTheFailingStep() {
    QFETCH(Run, run);
    QFETCH(int32_t, refusedBegin);
    QFETCH(int32_t, failingEnd);
    QFETCH(int32_t, begins);
    QFETCH(QList<bool>, finished);
    fillMultiplications(bank_.ProblemTable);
    fillDivisions(bank_.HardProblemTable);
    PrintLayout layout = standardLayout();
    RecordingCanvas canvas(kItemFontDpi);
    canvas.refuseBegin(refusedBegin);
    canvas.failEnd(failingEnd);
    ScriptedRandom random({0.9, 0.9, 0.9});
    QTEST(this->run(run, canvas, layout, 3, {true, true}, random), "outcome");
    verifyAllClosed(canvas);
    QCOMPARE(canvas.beginAttempts(), begins);
    QList<bool> actual;
    for (const RecordedDocument &document : canvas.documents())
      actual.push_back(document.finished);
    QCOMPARE(actual, finished);
    // Nothing is drawn, so no blank is chosen, when the problem sheet is refused.
    const int32_t expectedRemainder = run == Run::Multiplication && refusedBegin != 1 ? 1 : 7;
    QCOMPARE(bank_.ProblemTable.at(1).Remainder, expectedRemainder);
  }

  void shouldEndTheDocumentWhenDrawingThrows() {
    // Forwards to a recorder and throws on the third text.
    class ThrowingCanvas final : public ForwardingCanvas {
    public:
      ThrowingCanvas() : ForwardingCanvas(recorder) {}
      RecordingCanvas recorder{kItemFontDpi};
      void text(int32_t x, int32_t y, std::string_view utf8) override {
        if (++texts_ == 3)
          throw std::runtime_error("printer gone");
        recorder.text(x, y, utf8);
      }

    private:
      int texts_ = 0;
    };

    fillDivisions(bank_.ProblemTable);
    PrintLayout layout = standardLayout();
    ThrowingCanvas canvas;
    QVERIFY_THROWS_EXCEPTION(
        std::runtime_error, printDivisionRun(canvas, bank_.ProblemTable, layout, 3, {false, true}));
    verifyAllClosed(canvas.recorder);
    QCOMPARE(canvas.recorder.documents().size(), std::size_t{1});
  }
};

QTEST_APPLESS_MAIN(PrintRunsTest)
#include "printruns_test.moc"
