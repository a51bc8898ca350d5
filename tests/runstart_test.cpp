// Starting practice runs and showing their problems, through the real window.

#include "formfixture.h"
#include "generators.h"
#include "windowsurface.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <set>
#include <tuple>

namespace {

// Shows `problem` as the next problem of the run on screen.
void showProblem(FormFixture &f, ProblemRecord problem) {
  const int32_t next = f.drill().CurrentIndex + 1;
  problem.Mark = 0;
  f.state().bank.ProblemTable.at(next) = problem;
  f.form->Button32Click(f.form.get());
}

int visibleTiles(const FormFixture &f) {
  int visible = 0;
  for (const char *tile : {"Image78", "Image79", "Image80", "Image81", "Image82", "Image83",
                           "Image84", "Image85", "Image86"})
    visible += f.control(tile)->isHidden() ? 0 : 1;
  return visible;
}

bool logAreaIsBlank(const FormFixture &f) {
  const QImage &surface = f.form->surface().image();
  for (int y = 150; y < 660; y += 3)
    for (int x = 10; x < 440; x += 3)
      if (surface.pixelColor(x, y) != QColor(0, 128, 0))
        return false;
  return true;
}

const char *const kResults[] = {"Edit2",   "Edit3",   "Edit4",   "Edit5",   "Edit6",   "Edit7",
                                "Label14", "Label15", "Label16", "Label17", "Label19", "Label22"};

} // namespace

class RunStartTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void aHundredProblemRunShouldRepeatTheSubtractionsInTwoBlocks() {
    FormFixture f;
    for (int32_t slot = 1; slot <= 500; ++slot)
      f.state().bank.ProblemTable.at(slot).Mark = 1;
    f.startRun(3);

    QCOMPARE(f.drill().RunLength, 100);
    QCOMPARE(f.state().bank.ProblemCount, 112);
    QCOMPARE(f.drill().CurrentIndex, 1);
    QCOMPARE(f.control<QLineEdit>("Edit1")->text(), QStringLiteral("1"));
    QCOMPARE(f.drill().ClockState, 3);
    QCOMPARE(f.state().bank.ProblemTable.at(1).Mark, 3);
    for (int32_t slot = 2; slot <= 100; ++slot)
      QCOMPARE(f.state().bank.ProblemTable.at(slot).Mark, 0);
    QCOMPARE(f.state().bank.ProblemTable.at(101).Mark, 1);
    for (int32_t first : {1, 57}) {
      std::multiset<std::tuple<int32_t, int32_t, int32_t>> block;
      for (int32_t slot = first; slot < first + 56; ++slot) {
        const ProblemRecord &r = f.state().bank.ProblemTable.at(slot);
        block.insert({r.Left, r.Right, r.Result});
      }
      QCOMPARE(block.count({0, 0, 0}), std::size_t(2));
      QCOMPARE(std::set(block.begin(), block.end()).size(), std::size_t(55));
    }

    // The keypad is open, the signs stand, the panel is hidden with its tiles.
    QVERIFY(f.control("Image64")->isHidden());
    for (const char *key : {"Image41", "Image50", "Image62", "Button17", "Button28"})
      QVERIFY(f.control(key)->isEnabled());
    QCOMPARE(f.control<QLabel>("Label6")->text(), QStringLiteral("－"));
    QCOMPARE(f.control<QLabel>("Label8")->text(), QStringLiteral("＝"));
    QCOMPARE(f.control("Label6")->font().pointSize(), 36);
    QVERIFY(!f.control("Label8")->isHidden());
    QVERIFY(f.control("Panel1")->isHidden());
    for (const char *tile : {"Image79", "Image83", "Image86"})
      QVERIFY(f.shows(tile, "Image70"));
  }

  void aTenProblemRunShouldClearOnlyTenMarks() {
    FormFixture f;
    for (int32_t slot = 1; slot <= 500; ++slot)
      f.state().bank.ProblemTable.at(slot).Mark = 1;
    f.startRun(0);
    QCOMPARE(f.drill().RunLength, 10);
    QCOMPARE(f.state().bank.ProblemTable.at(10).Mark, 0);
    QCOMPARE(f.state().bank.ProblemTable.at(11).Mark, 1);
    f.startRun(1);
    QCOMPARE(f.drill().RunLength, 20);
    f.startRun(2);
    QCOMPARE(f.drill().RunLength, 50);
  }

  void problemsShouldShowTheirDigitsAndTiles_data() {
    QTest::addColumn<int32_t>("left");
    QTest::addColumn<int32_t>("right");
    QTest::addColumn<QString>("tens");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("tiles");
    QTest::newRow("7 - 3") << 7 << 3 << "Image23"
                           << "Image19"
                           << "Image15" << 7;
    QTest::newRow("0 - 0") << 0 << 0 << "Image23"
                           << "Image22"
                           << "Image22" << 0;
    QTest::newRow("9 - 9") << 9 << 9 << "Image23"
                           << "Image21"
                           << "Image21" << 9;
    QTest::newRow("division 60 / 7 as 7 - 8") << 7 << 8 << "Image23"
                                              << "Image19"
                                              << "Image20" << 7;
    QTest::newRow("two-digit left") << 60 << 7 << "Image18"
                                    << "Image22"
                                    << "Image19" << 9;
  }

  void problemsShouldShowTheirDigitsAndTiles() {
    QFETCH(int32_t, left);
    QFETCH(int32_t, right);
    QFETCH(QString, tens);
    QFETCH(QString, units);
    QFETCH(QString, second);
    QFETCH(int, tiles);
    FormFixture f;
    f.startRun();
    showProblem(f, {left, right, left - right, 0, 0});
    QVERIFY(f.shows("Image24", qPrintable(tens)));
    QVERIFY(f.shows("Image25", qPrintable(units)));
    QVERIFY(f.shows("Image26", qPrintable(second)));
    QCOMPARE(visibleTiles(f), tiles);
    if (tiles > 0) // the bottom tiles show, the top ones are hidden
      QVERIFY(!f.control("Image86")->isHidden());
    if (tiles < 9)
      QVERIFY(f.control("Image78")->isHidden());
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, 3);
    QCOMPARE(f.control<QLineEdit>("Edit1")->text(), QStringLiteral("2"));
  }

  void valuesNoGlyphCanShowShouldLeaveTheirCells() {
    FormFixture f;
    f.startRun();
    showProblem(f, {7, 3, 4, 0, 0});
    showProblem(f, {123, 12, 111, 0, 0});
    QVERIFY(f.shows("Image24", "Image23")); // 12 tens has no glyph: still blank
    QVERIFY(f.shows("Image25", "Image15")); // units of 123
    QVERIFY(f.shows("Image26", "Image15")); // 12 has no glyph: still 3
  }

  void aDivisionRunShouldExpectTheDividend() {
    FormFixture f;
    f.form->Button31Click(f.form.get());
    QCOMPARE(f.state().bank.ProblemCount, 162);
    QCOMPARE(f.drill().CurrentIndex, 1);
    const ProblemRecord &first = f.state().bank.ProblemTable.at(1);
    QCOMPARE(first.Result, first.Left * first.Right);
    QVERIFY(f.control("Image64")->isHidden());

    f.form->Button29Click(f.form.get());
    QCOMPARE(f.state().bank.ProblemCount, 324);

    f.control("Panel1")->show();
    f.form->Button30Click(f.form.get());
    QCOMPARE(f.state().bank.ProblemCount, 100);
    std::set<std::pair<int32_t, int32_t>> hard, copied;
    for (int32_t slot = 1; slot <= 100; ++slot) {
      const ProblemRecord &h = f.state().bank.HardProblemTable.at(slot);
      const ProblemRecord &c = f.state().bank.ProblemTable.at(slot);
      hard.insert({h.Result, h.Left});
      copied.insert({c.Result, c.Left});
    }
    QCOMPARE(copied, hard);
    QVERIFY(!f.control("Panel1")->isHidden()); // division runs leave the panel alone
  }

  void aRunStartShouldHideEarlierResultsAndWipeTheLog() {
    FormFixture f;
    f.startRun(0);
    f.type(QString::number(f.answerOnScreen()));
    QVERIFY(!logAreaIsBlank(f));
    f.click(f.control("BitBtn2"));
    for (const char *result : kResults)
      if (QByteArray(result) != "Edit5" && QByteArray(result) != "Edit6" &&
          QByteArray(result) != "Label14" && QByteArray(result) != "Label19")
        QVERIFY2(!f.control(result)->isHidden(), result);
    f.form->Timer2Timer(f.form.get());
    QVERIFY(!f.control("Image64")->isHidden());

    f.click(f.control("BitBtn1"));
    for (const char *result : kResults)
      QVERIFY2(f.control(result)->isHidden(), result);
    QVERIFY(f.control("Image64")->isHidden());
    QVERIFY(f.control("Image41")->isEnabled());
    QVERIFY(logAreaIsBlank(f));

    f.click(f.control("BitBtn2"));
    f.form->Timer2Timer(f.form.get());
    f.form->Button29Click(f.form.get());
    for (const char *result : kResults) {
      const bool kept = QByteArray(result) == "Edit7" || QByteArray(result) == "Label22";
      QCOMPARE(f.control(result)->isHidden(), !kept);
    }
  }

  void aRunStartMidRunShouldKeepTheMistakesAndRestartTheClock() {
    FormFixture f;
    f.startRun();
    f.type(QString::number((f.answerOnScreen() + 1) % 10));
    QCOMPARE(f.drill().MistakeCount, 1);
    for (int tick = 0; tick < 30; ++tick)
      f.form->Timer2Timer(f.form.get());
    QCOMPARE(f.drill().ClockTenths, 30);
    f.click(f.control("BitBtn1"));
    QCOMPARE(f.drill().MistakeCount, 1);
    QCOMPARE(f.drill().ClockTenths, 0);
    QCOMPARE(f.drill().CurrentIndex, 1);
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QVERIFY(!f.shows("Image27", "Image23")); // the keyed digit stays visible
  }

  void theLogShouldSurviveRepaints() {
    FormFixture f;
    f.startRun();
    f.type(QString::number(f.answerOnScreen()));
    f.form->hide();
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    f.form->resize(600, 400);
    f.form->resize(890, 695);
    const QImage onScreen = f.form->grab(QRect(0, 190, 200, 30)).toImage();
    const QImage drawn = f.form->surface().image().copy(QRect(0, 190, 200, 30));
    QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32), drawn);
    QVERIFY(!logAreaIsBlank(f));
  }
};

QTEST_MAIN(RunStartTest)
#include "runstart_test.moc"
