#include "answercheck.h"
#include "drilltimers.h"
#include "generators.h"
#include "keypadentry.h"
#include "problemcells.h"
#include "runresults.h"
#include "runsetup.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <set>
#include <tuple>
#include <vector>

Q_DECLARE_METATYPE(Verdict)

namespace {

int glyph(CellGlyph cell) { return static_cast<int>(cell); }
constexpr int kBlank = static_cast<int>(CellGlyph::Blank);
constexpr int kKeep = static_cast<int>(CellGlyph::Keep);

} // namespace

class DrillCoreTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void entryShouldWrapAroundLikeThirtyTwoBits() {
    int32_t entered = 0;
    for (int32_t digit : {1, 2, 3})
      entered = appendDigit(entered, digit);
    QCOMPARE(entered, 123);
    QCOMPARE(appendDigit(0, 7), 7);
    // 2147483647 * 10 + 9 wraps to -1: the number of digits is not limited.
    QCOMPARE(appendDigit(INT32_MAX, 9), -1);
    QCOMPARE(appendDigit(INT32_MIN, 0), 0);
    int32_t many = 0;
    for (int i = 0; i < 12; ++i)
      many = appendDigit(many, 9);
    QCOMPARE(many, static_cast<int32_t>(static_cast<uint32_t>(999999999999ULL)));
  }

  void digitsShouldLandInTheRightCell() {
    QCOMPARE(cellForEntry(0), AnswerCell::First);
    QCOMPARE(cellForEntry(9), AnswerCell::First);
    QCOMPARE(cellForEntry(10), AnswerCell::Second);
    QCOMPARE(cellForEntry(-5), AnswerCell::First); // a wrapped, negative number
  }

  void eraseShouldDropOneDigitAtATime() {
    QCOMPARE(eraseDigit(12).entered, 1);
    QCOMPARE(eraseDigit(12).blanked, AnswerCell::Second);
    QCOMPARE(eraseDigit(1).entered, 0);
    QCOMPARE(eraseDigit(1).blanked, AnswerCell::First);
    QCOMPARE(eraseDigit(0).entered, 0);
    QCOMPARE(eraseDigit(123).entered, 12);
    QCOMPARE(eraseDigit(-7).entered, 0);
  }

  void judgeShouldWaitForTheSecondDigitOfTwoDigitAnswers_data() {
    QTest::addColumn<int32_t>("expected");
    QTest::addColumn<int32_t>("entered");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("one digit right") << 4 << 4 << Verdict::Right;
    QTest::newRow("one digit wrong") << 4 << 5 << Verdict::Wrong;
    QTest::newRow("second digit on a one-digit answer") << 4 << 54 << Verdict::Wrong;
    QTest::newRow("zero right") << 0 << 0 << Verdict::Right;
    QTest::newRow("first of two digits") << 13 << 1 << Verdict::Incomplete;
    QTest::newRow("wrong first of two digits") << 13 << 2 << Verdict::Incomplete;
    QTest::newRow("two digits right") << 13 << 13 << Verdict::Right;
    QTest::newRow("two digits wrong") << 13 << 23 << Verdict::Wrong;
    QTest::newRow("wrapped negative entry") << 13 << -3 << Verdict::Incomplete;
  }

  void judgeShouldWaitForTheSecondDigitOfTwoDigitAnswers() {
    QFETCH(int32_t, expected);
    QFETCH(int32_t, entered);
    QFETCH(Verdict, verdict);
    QCOMPARE(judgeEntry(expected, entered), verdict);
  }

  void rewardsShouldMapToTheNineteenStores() {
    QCOMPARE(QByteArray(rewardPictureFor(4)), QByteArray("Image4"));
    QCOMPARE(QByteArray(rewardPictureFor(10)), QByteArray("Image10"));
    QCOMPARE(QByteArray(rewardPictureFor(11)), QByteArray("Image39"));
    QCOMPARE(QByteArray(rewardPictureFor(12)), QByteArray("Image29"));
    QCOMPARE(QByteArray(rewardPictureFor(21)), QByteArray("Image38"));
    QCOMPARE(QByteArray(rewardPictureFor(22)), QByteArray("Image40"));
    QCOMPARE(rewardPictureFor(3), nullptr);
    QCOMPARE(rewardPictureFor(23), nullptr);
    std::set<QByteArray> names;
    for (int32_t r = 4; r <= 22; ++r)
      names.insert(rewardPictureFor(r));
    QCOMPARE(names.size(), std::size_t(19));
  }

  void logLinesShouldFillColumnsOfTwentyFive() {
    const auto place = [](int32_t i) {
      const LogPlace p = logPlace(i);
      return std::tuple(p.x, p.y, p.markX, p.markY);
    };
    QCOMPARE(place(1), std::tuple(40, 200, 26, 203));
    QCOMPARE(place(25), std::tuple(40, 632, 26, 635));
    QCOMPARE(place(26), std::tuple(140, 200, 126, 203));
    QCOMPARE(place(100), std::tuple(340, 632, 326, 635));
    QCOMPARE(QString::fromStdString(logLineText({7, 3, 4, 0, 0})), QStringLiteral("7－3=4"));
    QCOMPARE(QString::fromStdString(logLineText({60, 7, 8, 4, 0})), QStringLiteral("60－7=8"));
  }

  void resultsShouldCountFirstTriesAndTruncateTheRate() {
    ProblemBank bank;
    for (int32_t slot = 1; slot <= 10; ++slot)
      bank.ProblemTable.at(slot).Mark = 3;
    bank.ProblemTable.at(4).Mark = 1;
    bank.ProblemTable.at(7).Mark = 1;
    bank.ProblemTable.at(11).Mark = 3; // past the checked problems
    QCOMPARE(countFirstTry(bank, 10), 8);
    QCOMPARE(countFirstTry(bank, 3), 3);
    QCOMPARE(countFirstTry(bank, 0), 0);
    QCOMPARE(countFirstTry(bank, -4), 0);
    QCOMPARE(countFirstTry(bank, 99999), 9);
    QCOMPARE(firstTryRate(8, 10), std::string("80%"));
    QCOMPARE(firstTryRate(1, 3), std::string("33%"));
    QCOMPARE(firstTryRate(2, 3), std::string("66%"));
    QCOMPARE(firstTryRate(10, 10), std::string("100%"));
    QCOMPARE(firstTryRate(0, 0), std::string());
    QCOMPARE(firstTryRate(INT32_MAX, 1), std::string("214748364700%"));
  }

  void clockShouldCountWhileRunningAndShowOnce() {
    int32_t clockState = 3;
    int32_t tenths = 0;
    for (int tick = 0; tick < 6059; ++tick)
      QVERIFY(!clockTick(clockState, tenths));
    QCOMPARE(tenths, 6059);
    clockState = 4;
    const auto reading = clockTick(clockState, tenths);
    QVERIFY(reading);
    QCOMPARE(reading->minutes, 10);
    QCOMPARE(reading->seconds, 5);
    QCOMPARE(clockState, 0);
    QVERIFY(!clockTick(clockState, tenths));
    QCOMPARE(tenths, 6059);

    int32_t longRun = 75 * 600;
    clockState = 4;
    QCOMPARE(clockTick(clockState, longRun)->minutes, 75);
    int32_t wrapped = INT32_MAX;
    clockState = 3;
    QVERIFY(!clockTick(clockState, wrapped));
    QCOMPARE(wrapped, INT32_MIN);
  }

  void feedbackShouldEndAtTheSixthCountedTick() {
    DrillState state;
    state.FeedbackShown = 1;
    for (int tick = 1; tick <= 5; ++tick)
      QVERIFY(!feedbackTick(state));
    QVERIFY(feedbackTick(state));
    QCOMPARE(state.FeedbackShown, 0);
    QCOMPARE(state.FeedbackTicks, 0);
    QVERIFY(!feedbackTick(state));

    // A wrong check stops the counting: the ticks stand still.
    state.FeedbackShown = 1;
    QVERIFY(!feedbackTick(state));
    QVERIFY(!feedbackTick(state));
    state.FeedbackShown = 0;
    for (int tick = 0; tick < 20; ++tick)
      QVERIFY(!feedbackTick(state));
    QCOMPARE(state.FeedbackTicks, 2);
  }

  void hintShouldTakeTilesFromTheBottomAndEndAfterwards() {
    DrillState state;
    QCOMPARE(hintTick(state), 0);
    startHint(state, 3);
    QCOMPARE(hintTick(state), 1);
    QCOMPARE(hintTick(state), 2);
    QCOMPARE(hintTick(state), 3);
    QCOMPARE(state.HintAnimating, 1);
    QCOMPARE(hintTick(state), 0);
    QCOMPARE(state.HintAnimating, 0);

    startHint(state, 0);
    QCOMPARE(hintTick(state), 0);
    QCOMPARE(state.HintAnimating, 0);

    startHint(state, 12); // steps above 9 change no tile
    std::vector<int32_t> tiles;
    for (int tick = 0; tick < 13; ++tick)
      tiles.push_back(hintTick(state));
    QCOMPARE(tiles, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0}));
    QCOMPARE(state.HintAnimating, 0);
  }

  void cellsShouldShowDigitsBlanksOrKeepTheirPicture() {
    const auto cells = [](int32_t left, int32_t right) {
      const ProblemCells c = problemCells({left, right, 0, 0, 0});
      return std::tuple(glyph(c.leftTens), glyph(c.leftUnits), glyph(c.right));
    };
    QCOMPARE(cells(7, 3), std::tuple(kBlank, 7, 3));
    QCOMPARE(cells(0, 0), std::tuple(kBlank, 0, 0));
    QCOMPARE(cells(60, 8), std::tuple(6, 0, 8));
    QCOMPARE(cells(100, 10), std::tuple(kKeep, 0, kKeep));
    QCOMPARE(cells(-3, -1), std::tuple(kBlank, kKeep, kKeep));
    QVERIFY(hintTileShown(7, 7));
    QVERIFY(!hintTileShown(7, 8));
    QVERIFY(!hintTileShown(0, 1));
    QVERIFY(hintTileShown(9, 9));
  }

  void runSetShouldRepeatTheSubtractionsInTwoShuffledBlocks() {
    ProblemBank bank;
    MersenneRandom random(21, MersenneRandom::Reseed::Never);
    generateSubtractionSet(bank);
    repeatShuffledBlock(bank, random);
    QCOMPARE(bank.ProblemCount, 112);
    for (int32_t first : {1, 57}) {
      std::multiset<std::tuple<int32_t, int32_t, int32_t>> block;
      for (int32_t slot = first; slot < first + 56; ++slot) {
        const ProblemRecord &r = bank.ProblemTable.at(slot);
        QCOMPARE(r.Left - r.Right, r.Result);
        block.insert({r.Left, r.Right, r.Result});
      }
      QCOMPARE(block.count({0, 0, 0}), std::size_t(2));
      QCOMPARE(std::set(block.begin(), block.end()).size(), std::size_t(55));
    }
    // The staging area holds the copies, and slots 1..112 are them.
    for (int32_t slot = 1; slot <= 112; ++slot)
      QCOMPARE(bank.ProblemTable.at(slot), bank.ProblemTable.at(500 + slot));
    QVERIFY(!std::equal(&bank.ProblemTable.at(1), &bank.ProblemTable.at(1) + 56,
                        &bank.ProblemTable.at(57)));

    ProblemBank empty;
    repeatShuffledBlock(empty, random);
    QCOMPARE(empty.ProblemCount, 0);
  }

  void runLengthsAndMarksShouldFollowTheChosenItem() {
    QCOMPARE(runLengthForItem(0), 10);
    QCOMPARE(runLengthForItem(1), 20);
    QCOMPARE(runLengthForItem(2), 50);
    QCOMPARE(runLengthForItem(3), 100);
    ProblemBank bank;
    for (int32_t slot = 1; slot <= 500; ++slot)
      bank.ProblemTable.at(slot).Mark = 1;
    clearRunMarks(bank, 10);
    QCOMPARE(bank.ProblemTable.at(10).Mark, 0);
    QCOMPARE(bank.ProblemTable.at(11).Mark, 1);
    clearRunMarks(bank, INT32_MAX);
    QCOMPARE(bank.ProblemTable.at(500).Mark, 0);
  }

  void hardRunShouldCopyNumbersButNotMarks() {
    ProblemBank bank;
    generateHardDivisionSet(bank);
    bank.ProblemTable.at(5).Mark = 3;
    copyHardSetIntoProblemTable(bank);
    for (int32_t slot = 1; slot <= 100; ++slot) {
      const ProblemRecord &hard = bank.HardProblemTable.at(slot);
      const ProblemRecord &copy = bank.ProblemTable.at(slot);
      QCOMPARE(std::tuple(copy.Left, copy.Right, copy.Result, copy.Remainder),
               std::tuple(hard.Left, hard.Right, hard.Result, hard.Remainder));
    }
    QCOMPARE(bank.ProblemTable.at(5).Mark, 3);
  }
};

QTEST_APPLESS_MAIN(DrillCoreTest)
#include "drillcore_test.moc"
