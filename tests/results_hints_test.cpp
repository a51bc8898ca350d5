// The end of a run with its results and clock, and the counting-tile hints,
// through the real window.

#include "formfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>

namespace {

const QColor kYellow(255, 255, 0);

// Hint tile k (1 at the bottom .. 9 at the top) at k - 1.
constexpr std::array<const char *, 9> kTiles{"Image86", "Image85", "Image84", "Image83", "Image82",
                                             "Image81", "Image80", "Image79", "Image78"};

constexpr std::array<const char *, 11> kKeys{"Image41", "Image44", "Image45", "Image46",
                                             "Image47", "Image48", "Image49", "Image50",
                                             "Image51", "Image52", "Image62"};
constexpr std::array<const char *, 11> kKeyButtons{"Button17", "Button18", "Button19", "Button20",
                                                   "Button21", "Button22", "Button23", "Button24",
                                                   "Button25", "Button26", "Button28"};

bool visible(const FormFixture &f, const char *name) { return !f.control(name)->isHidden(); }

QString text(const FormFixture &f, const char *edit) { return f.control<QLineEdit>(edit)->text(); }

// Answers the problem on screen right, after `mistakes` wrong digits that are
// each erased again.
void answer(const FormFixture &f, int mistakes = 0) {
  const int32_t right = f.answerOnScreen();
  for (int m = 0; m < mistakes; ++m)
    f.type(QString::number((right + 1) % 10) + QLatin1Char('c'));
  f.type(QString::number(right));
}

// Answers `problems` problems in a row, problem i after mistakes[i] wrong
// digits, letting each feedback run out.
void answerProblems(const FormFixture &f, int problems, const QList<int> &mistakes = {}) {
  for (int i = 0; i < problems; ++i) {
    answer(f, mistakes.value(i));
    f.runOutFeedback();
  }
}

void clockTicks(const FormFixture &f, int ticks) {
  for (int tick = 0; tick < ticks; ++tick)
    f.form->Timer2Timer(f.control<QObject>("Timer2"));
}

void hintTicks(const FormFixture &f, int ticks) {
  for (int tick = 0; tick < ticks; ++tick)
    f.form->Timer3Timer(f.control<QObject>("Timer3"));
}

// Describes how the tiles differ from `taken` tiles taken away from the
// bottom and `shown` tiles visible; empty when they agree.
QString tileMismatch(const FormFixture &f, int taken, int shown) {
  QStringList wrong;
  for (int k = 1; k <= 9; ++k) {
    const char *tile = kTiles[static_cast<std::size_t>(k - 1)];
    if (!f.shows(tile, k <= taken ? "Image69" : "Image70"))
      wrong << QStringLiteral("tile %1 %2").arg(k).arg(k <= taken ? "not taken" : "not plain");
    if (visible(f, tile) != (k <= shown))
      wrong << QStringLiteral("tile %1 %2").arg(k).arg(k <= shown ? "hidden" : "shown");
  }
  return wrong.join(QStringLiteral(", "));
}

} // namespace

class ResultsHintsTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // A run ends at its last problem (stopAfter 0) or with "とちゅうでやめる"
  // after stopAfter problems; mistakes[i] wrong digits go before answer i.
  void resultsShouldCountTheCheckedProblems_data() {
    QTest::addColumn<QList<int>>("mistakes");
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<int>("problems");
    QTest::addColumn<int>("firstTry");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("rate");
    QTest::newRow("ten right at the first try")
        << QList<int>{} << 0 << 10 << 10 << 0 << QStringLiteral("100%");
    QTest::newRow("two mistakes on one problem, one on another")
        << QList<int>{0, 2, 0, 0, 0, 0, 1} << 0 << 10 << 8 << 3 << QStringLiteral("80%");
    QTest::newRow("one first try of three")
        << QList<int>{1, 0, 2} << 3 << 3 << 1 << 3 << QStringLiteral("33%");
    QTest::newRow("two first tries of three, truncated")
        << QList<int>{0, 1, 0} << 3 << 3 << 2 << 1 << QStringLiteral("66%");
    QTest::newRow("mistakes on the last problem")
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 4} << 0 << 10 << 9 << 4 << QStringLiteral("90%");
  }

  void resultsShouldCountTheCheckedProblems() {
    QFETCH(QList<int>, mistakes);
    QFETCH(int, stopAfter);
    QFETCH(int, problems);
    QFETCH(int, firstTry);
    QFETCH(int, wrong);
    QFETCH(QString, rate);
    FormFixture f;
    f.startRun(0);
    answerProblems(f, stopAfter > 0 ? stopAfter : 10, mistakes);
    if (stopAfter > 0) {
      QCOMPARE(f.drill().CurrentIndex, stopAfter + 1); // on screen, no digit keyed
      QVERIFY(!visible(f, "Edit7"));
      f.click(f.control("BitBtn2"));
    }
    QCOMPARE(text(f, "Edit7"), QString::number(problems));
    QCOMPARE(text(f, "Edit2"), QString::number(firstTry));
    QCOMPARE(text(f, "Edit3"), QString::number(wrong));
    QCOMPARE(text(f, "Edit4"), rate);
    QCOMPARE(f.drill().MistakeCount, 0);
    QCOMPARE(f.drill().FirstTryCount, 0);
  }

  void theEndOfARunShouldShowTheResultsAndCoverTheKeypad() {
    FormFixture f;
    f.startRun(0);
    answerProblems(f, 9);
    answer(f);

    const std::array<std::pair<const char *, QString>, 4> captions{{
        {"Label22", QStringLiteral("もんだいの　かず")},
        {"Label15", QStringLiteral("１かいで　できた　かず")},
        {"Label16", QStringLiteral("まちがった　かず")},
        {"Label17", QStringLiteral("１かいで　できた　わりあい")},
    }};
    for (const auto &[label, caption] : captions) {
      QVERIFY2(visible(f, label), label);
      QCOMPARE(f.control<QLabel>(label)->text(), caption);
    }
    QCOMPARE(f.control("Label15")->palette().color(QPalette::WindowText), QColor(Qt::white));
    for (const char *value : {"Edit2", "Edit3", "Edit4", "Edit7"}) {
      QVERIFY2(visible(f, value), value);
      QCOMPARE(f.control(value)->font().pointSize(), 18);
      QCOMPARE(f.control(value)->palette().color(QPalette::Text), kYellow);
    }
    QCOMPARE(f.drill().ClockState, 4);
    QVERIFY(!visible(f, "Edit5")); // the time comes at the clock's next tick

    // The problem line is cleared.
    for (const char *cell : {"Image24", "Image25", "Image26", "Image27", "Image28"})
      QVERIFY2(f.shows(cell, "Image23"), cell);
    for (const char *label : {"Label6", "Label8", "Label10"})
      QVERIFY2(f.control<QLabel>(label)->text().isEmpty(), label);

    // The keypad is disabled and covered: a click lands on the cover.
    for (const char *key : kKeyButtons)
      QVERIFY2(!f.control(key)->isEnabled(), key);
    QVERIFY(visible(f, "Image64"));
    for (const char *key : kKeys) {
      QVERIFY2(!f.control(key)->isEnabled(), key);
      QCOMPARE(f.form->childAt(f.centreOf(f.control(key))), f.control("Image64"));
    }
    const DrillState before = f.drill();
    const qint64 key7 = f.picture("Image50")->picture().cacheKey();
    f.press(f.control("Image50"));
    QCOMPARE(f.picture("Image50")->picture().cacheKey(), key7);
    f.release(f.centreOf(f.control("Image50")));
    f.click(f.control("Image50"));
    QCOMPARE(f.drill(), before);
  }

  void stoppingBeforeAnyRunShouldShowZeros() {
    FormFixture f;
    f.click(f.control("BitBtn2"));
    QCOMPARE(text(f, "Edit7"), QStringLiteral("0"));
    QCOMPARE(text(f, "Edit2"), QStringLiteral("0"));
    QCOMPARE(text(f, "Edit3"), QStringLiteral("0"));
    QVERIFY(visible(f, "Edit4"));
    QVERIFY(text(f, "Edit4").isEmpty());
    for (const char *time : {"Edit5", "Edit6", "Label14", "Label19"})
      QVERIFY2(!visible(f, time), time);

    clockTicks(f, 1);
    QCOMPARE(text(f, "Edit5"), QStringLiteral("0"));
    QCOMPARE(text(f, "Edit6"), QStringLiteral("0"));
    for (const char *value : {"Edit5", "Edit6"}) {
      QVERIFY2(visible(f, value), value);
      QCOMPARE(f.control(value)->font().pointSize(), 18);
      QCOMPARE(f.control(value)->palette().color(QPalette::Text), kYellow);
    }
    QCOMPARE(f.control<QLabel>("Label14")->text(), QStringLiteral("分"));
    QCOMPARE(f.control<QLabel>("Label19")->text(), QStringLiteral("秒"));
    for (const char *unit : {"Label14", "Label19"}) {
      QVERIFY2(visible(f, unit), unit);
      QCOMPARE(f.control(unit)->font().pointSize(), 14);
    }
    QCOMPARE(f.drill().ClockState, 0);
  }

  void stoppingMidRunShouldCountUpToTheLastCheckedProblem() {
    FormFixture f;
    f.startRun(1);
    answerProblems(f, 3);
    f.type(QString::number((f.answerOnScreen() + 1) % 10)); // problem 4: one wrong digit
    QCOMPARE(f.drill().CheckedIndex, 4);
    f.click(f.control("BitBtn2"));
    QCOMPARE(text(f, "Edit7"), QStringLiteral("4"));
    QCOMPARE(text(f, "Edit2"), QStringLiteral("3"));
    QCOMPARE(text(f, "Edit3"), QStringLiteral("1"));
    QCOMPARE(text(f, "Edit4"), QStringLiteral("75%"));
  }

  void stoppingTwiceShouldZeroTheMistakesAndKeepTheTime() {
    FormFixture f;
    f.startRun();
    answer(f, 1);
    f.runOutFeedback();
    answer(f);
    clockTicks(f, 123);
    f.click(f.control("BitBtn2"));
    clockTicks(f, 1);
    QCOMPARE(text(f, "Edit3"), QStringLiteral("1"));
    QCOMPARE(text(f, "Edit7"), QStringLiteral("2"));
    QCOMPARE(text(f, "Edit2"), QStringLiteral("1"));
    QCOMPARE(text(f, "Edit5"), QStringLiteral("0"));
    QCOMPARE(text(f, "Edit6"), QStringLiteral("12"));

    clockTicks(f, 500); // the clock no longer runs
    f.click(f.control("BitBtn2"));
    QCOMPARE(text(f, "Edit3"), QStringLiteral("0"));
    QCOMPARE(text(f, "Edit7"), QStringLiteral("2"));
    QCOMPARE(text(f, "Edit2"), QStringLiteral("1"));
    QCOMPARE(text(f, "Edit4"), QStringLiteral("50%"));
    clockTicks(f, 1);
    QCOMPARE(text(f, "Edit5"), QStringLiteral("0"));
    QCOMPARE(text(f, "Edit6"), QStringLiteral("12"));
  }

  void theClockShouldShowWholeMinutesAndSeconds_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::newRow("10 minutes 5.9 seconds") << 6059 << "10"
                                            << "5";
    QTest::newRow("0.9 seconds") << 9 << "0"
                                 << "0";
    QTest::newRow("59.9 seconds") << 599 << "0"
                                  << "59";
    QTest::newRow("one minute") << 600 << "1"
                                << "0";
    QTest::newRow("75 minutes") << 45000 << "75"
                                << "0";
  }

  void theClockShouldShowWholeMinutesAndSeconds() {
    QFETCH(int, ticks);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    FormFixture f;
    f.startRun();
    clockTicks(f, ticks);
    f.click(f.control("BitBtn2"));
    clockTicks(f, 1);
    QCOMPARE(text(f, "Edit5"), minutes);
    QCOMPARE(text(f, "Edit6"), seconds);
  }

  void aRunRestartedBeforeTheClockTicksShouldNeverShowTheOldTime() {
    FormFixture f;
    f.startRun();
    clockTicks(f, 300);
    f.click(f.control("BitBtn2"));
    f.click(f.control("BitBtn1"));
    clockTicks(f, 51);
    for (const char *time : {"Edit5", "Edit6", "Label14", "Label19"})
      QVERIFY2(!visible(f, time), time);
    QVERIFY(text(f, "Edit5").isEmpty());
    f.click(f.control("BitBtn2"));
    clockTicks(f, 1);
    QCOMPARE(text(f, "Edit5"), QStringLiteral("0"));
    QCOMPARE(text(f, "Edit6"), QStringLiteral("5"));
  }

  void hintsShouldTakeTheSecondNumberAwayFromTheBottom_data() {
    QTest::addColumn<int32_t>("left");
    QTest::addColumn<int32_t>("right");
    QTest::newRow("7 - 3") << 7 << 3;
    QTest::newRow("9 - 9") << 9 << 9;
    QTest::newRow("0 - 0") << 0 << 0;
    QTest::newRow("5 - 0") << 5 << 0;
    QTest::newRow("2 - 9, more taken than shown") << 2 << 9;
    QTest::newRow("3 - 12, steps past the top tile") << 3 << 12;
  }

  void hintsShouldTakeTheSecondNumberAwayFromTheBottom() {
    QFETCH(int32_t, left);
    QFETCH(int32_t, right);
    FormFixture f;
    f.startRun();
    f.showProblem({left, right, left - right, 0, 0});
    QVERIFY(!visible(f, "Panel1"));
    f.click(f.control("BitBtn3"));
    QVERIFY(visible(f, "Panel1"));
    f.click(f.control("BitBtn4"));
    QCOMPARE(f.drill().HintAnimating, 1);
    QCOMPARE(tileMismatch(f, 0, left), QString());

    for (int tick = 1; tick <= right; ++tick) {
      hintTicks(f, 1);
      QCOMPARE(tileMismatch(f, std::min(tick, 9), left), QString());
      QCOMPARE(f.drill().HintAnimating, 1);
    }
    hintTicks(f, 1);
    QCOMPARE(f.drill().HintAnimating, 0);
    hintTicks(f, 3);
    QCOMPARE(tileMismatch(f, std::min(right, 9), left), QString());
    QVERIFY(visible(f, "Panel1"));
  }

  void anAnimationShouldGoOnOverTheNextProblem() {
    FormFixture f;
    f.startRun();
    f.showProblem({8, 7, 1, 0, 0});
    f.state().bank.ProblemTable.at(3) = {9, 2, 7, 0, 0};
    f.click(f.control("BitBtn3"));
    f.click(f.control("BitBtn4"));
    hintTicks(f, 3);
    QCOMPARE(tileMismatch(f, 3, 8), QString());

    answer(f);
    QVERIFY(!visible(f, "Panel1"));
    f.runOutFeedback();
    QCOMPARE(f.drill().CurrentIndex, 3);
    QCOMPARE(tileMismatch(f, 0, 9), QString());

    for (int tile = 4; tile <= 7; ++tile) {
      hintTicks(f, 1);
      for (int k = 1; k <= 9; ++k) {
        const char *name = kTiles[static_cast<std::size_t>(k - 1)];
        const bool taken = k >= 4 && k <= tile;
        QVERIFY2(f.shows(name, taken ? "Image69" : "Image70"), name);
      }
    }
    hintTicks(f, 1);
    QCOMPARE(f.drill().HintAnimating, 0);
    QVERIFY(f.shows("Image79", "Image70"));
  }

  void pressingAgainShouldRestartFromTheBottom() {
    FormFixture f;
    f.startRun();
    f.showProblem({9, 5, 4, 0, 0});
    f.click(f.control("BitBtn4"));
    hintTicks(f, 3);
    f.click(f.control("BitBtn4"));
    QCOMPARE(f.drill().HintStep, 0);
    QCOMPARE(f.drill().HintRemaining, 5);
    QCOMPARE(tileMismatch(f, 3, 9), QString()); // taken tiles stay taken

    hintTicks(f, 5);
    QCOMPARE(tileMismatch(f, 5, 9), QString());
    QCOMPARE(f.drill().HintAnimating, 1);
    hintTicks(f, 1);
    QCOMPARE(f.drill().HintAnimating, 0);
    QCOMPARE(tileMismatch(f, 5, 9), QString());
    // The panel was never shown: the tiles changed unseen.
    QVERIFY(!visible(f, "Panel1"));
  }

  void hintsAfterTheEndOfARunShouldUseTheLastProblem() {
    FormFixture f;
    f.startRun(0);
    f.state().bank.ProblemTable.at(10) = {6, 4, 2, 0, 0};
    answerProblems(f, 10);
    QVERIFY(visible(f, "Edit7"));
    QCOMPARE(tileMismatch(f, 0, 6), QString());
    f.click(f.control("BitBtn3"));
    QVERIFY(visible(f, "Panel1"));
    f.click(f.control("BitBtn4"));
    hintTicks(f, 4);
    QCOMPARE(tileMismatch(f, 4, 6), QString());
    QCOMPARE(f.drill().HintAnimating, 1);
    hintTicks(f, 1);
    QCOMPARE(f.drill().HintAnimating, 0);
  }

  void hintsBeforeAnyRunShouldChangeNoTile() {
    FormFixture f;
    std::array<qint64, 9> before{};
    for (std::size_t k = 0; k < kTiles.size(); ++k)
      before[k] = f.picture(kTiles[k])->picture().cacheKey();
    f.click(f.control("BitBtn4"));
    QCOMPARE(f.drill().HintAnimating, 1);
    hintTicks(f, 1);
    QCOMPARE(f.drill().HintAnimating, 0);
    QCOMPARE(f.drill().HintStep, 0);
    hintTicks(f, 2);
    for (std::size_t k = 0; k < kTiles.size(); ++k)
      QCOMPARE(f.picture(kTiles[k])->picture().cacheKey(), before[k]);
    QVERIFY(f.shows("Image78", "Image70"));
  }

  void theKeyboardShouldStillReachTheLastProblemAfterTheEnd() {
    FormFixture f;
    f.startRun(0);
    answerProblems(f, 10);
    clockTicks(f, 1);
    QCOMPARE(text(f, "Edit2"), QStringLiteral("10"));
    const int32_t right = f.answerOnScreen();

    // The right answer is still entered: the wrong digit follows it.
    QCOMPARE(f.drill().EnteredAnswer, right);
    f.type(QString::number((right + 1) % 10));
    QCOMPARE(f.state().bank.ProblemTable.at(10).Mark, 1);
    QCOMPARE(f.drill().MistakeCount, 1);
    QVERIFY(visible(f, "Label12"));
    QCOMPARE(text(f, "Edit2"), QStringLiteral("10")); // not shown again yet

    f.type(QStringLiteral("cc") + QString::number(right));
    QCOMPARE(text(f, "Edit7"), QStringLiteral("10"));
    QCOMPARE(text(f, "Edit2"), QStringLiteral("9"));
    QCOMPARE(text(f, "Edit3"), QStringLiteral("1"));
    QCOMPARE(text(f, "Edit4"), QStringLiteral("90%"));
    QCOMPARE(f.drill().MistakeCount, 0);
    QCOMPARE(f.drill().ClockState, 4);
  }
};

QTEST_MAIN(ResultsHintsTest)
#include "results_hints_test.moc"
