// Keying answers on the picture keypad and the keyboard, and how the window
// judges them: the feedback, the answer log and the advance to the next
// problem.

#include "formfixture.h"
#include "windowsurface.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <map>
#include <set>
#include <utility>

Q_DECLARE_METATYPE(ProblemRecord)

namespace {

const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);

// The key pictures by the operation they reach (digits 0..9, then erase) and
// the pictures they show while pressed.
constexpr std::array<const char *, 11> kKeys{"Image41", "Image44", "Image45", "Image46",
                                             "Image47", "Image48", "Image49", "Image50",
                                             "Image51", "Image52", "Image62"};
constexpr std::array<const char *, 11> kPressedKeys{"Image42", "Image53", "Image54", "Image55",
                                                    "Image56", "Image57", "Image58", "Image59",
                                                    "Image60", "Image61", "Image63"};
constexpr int kEraseKey = 10;

constexpr std::array<const char *, 19> kRewards{
    "Image4",  "Image5",  "Image6",  "Image7",  "Image8",  "Image9",  "Image10",
    "Image39", "Image29", "Image30", "Image31", "Image32", "Image33", "Image34",
    "Image35", "Image36", "Image37", "Image38", "Image40"};

// How a press on a key ends without a click: the right button released on
// the key, or the left button released away from it.
enum class PressEnd { RightButton, LeftOutsideTheKeypad, LeftOverAnotherKey };

int keyFor(QChar key) { return key == u'c' ? kEraseKey : key.digitValue(); }

// Keys digits and "c" (erase) by clicking the key pictures or by typing.
void enter(const FormFixture &f, const QString &keys, bool onKeypad) {
  if (!onKeypad) {
    f.type(keys);
    return;
  }
  for (QChar key : keys)
    f.click(f.control(kKeys[static_cast<std::size_t>(keyFor(key))]));
}

void feedbackTicks(const FormFixture &f, int ticks) {
  for (int tick = 0; tick < ticks; ++tick)
    f.form->Timer1Timer(f.control<QObject>("Timer1"));
}

bool visible(const FormFixture &f, const char *name) { return !f.control(name)->isHidden(); }

QString wrongDigit(int32_t answer) { return QString::number((answer + 1) % 10); }

// The reward store whose picture Image2 holds, or an empty name.
QString rewardShown(const FormFixture &f) {
  for (const char *reward : kRewards)
    if (f.shows("Image2", reward))
      return QString::fromLatin1(reward);
  return {};
}

bool hasInk(const QImage &image, const QRect &area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) != kGreen)
        return true;
  return false;
}

// True when the log shows `text` at `at` with `mark` left of it, pixel for
// pixel as a fresh drawing surface draws them, and that drawing is not blank.
bool logShows(const FormFixture &f, QPoint at, const QString &text, const char *mark) {
  const QImage &drawn = f.form->surface().image();
  QWidget elsewhere;
  WindowSurface reference(&elsewhere, drawn.size(), kGreen, f.form->font(), Qt::white);
  reference.textOut(at.x(), at.y(), text);
  reference.draw(at.x() - 14, at.y() + 3, f.picture(mark)->picture());
  const QRect line(at.x() - 14, at.y(), 100, 18);
  return hasInk(reference.image(), QRect(at, QSize(30, 12))) &&
         drawn.copy(line) == reference.image().copy(line);
}

// The colour in the middle of the 9 × 9 mark of the log line at `at`.
QColor markColour(const FormFixture &f, QPoint at) {
  return f.form->surface().image().pixelColor(at.x() - 14 + 4, at.y() + 3 + 4);
}

bool isRed(QColor c) { return c.red() > 180 && c.green() < 100 && c.blue() < 100; }
bool isYellow(QColor c) { return c.red() > 180 && c.green() > 180 && c.blue() < 100; }

QString logText(const ProblemRecord &p) {
  return QStringLiteral("%1－%2=%3").arg(p.Left).arg(p.Right).arg(p.Result);
}

} // namespace

class AnsweringTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // Each digit is appended and checked at once: "-" nothing judged yet,
  // "R" right, "W" wrong.
  void digitsShouldBuildTheEntryAndBeCheckedOneByOne_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("onKeypad");
    QTest::addColumn<ProblemRecord>("problem");
    QTest::addColumn<QString>("verdicts");
    QTest::addColumn<int32_t>("entered");
    QTest::addColumn<QString>("firstCell");
    QTest::addColumn<QString>("secondCell");
    for (bool onKeypad : {true, false}) {
      const char *way = onKeypad ? "keypad" : "keyboard";
      QTest::addRow("1, 2 on the %s", way)
          << QStringLiteral("12") << onKeypad << ProblemRecord{4, 3, 12, 0, 0}
          << QStringLiteral("-R") << 12 << QStringLiteral("Image11") << QStringLiteral("Image14");
      QTest::addRow("1, 2, 3 on the %s", way)
          << QStringLiteral("123") << onKeypad << ProblemRecord{4, 3, 12, 0, 0}
          << QStringLiteral("-RW") << 123 << QStringLiteral("Image11") << QStringLiteral("Image15");
      QTest::addRow("0, 7 on the %s", way)
          << QStringLiteral("07") << onKeypad << ProblemRecord{7, 1, 7, 0, 0}
          << QStringLiteral("WR") << 7 << QStringLiteral("Image19") << QStringLiteral("Image23");
      QTest::addRow("1, 0 for the answer 10 on the %s", way)
          << QStringLiteral("10") << onKeypad << ProblemRecord{2, 5, 10, 0, 0}
          << QStringLiteral("-R") << 10 << QStringLiteral("Image11") << QStringLiteral("Image22");
      QTest::addRow("1, 0 for the answer 9 on the %s", way)
          << QStringLiteral("10") << onKeypad << ProblemRecord{9, 1, 9, 0, 0}
          << QStringLiteral("WW") << 10 << QStringLiteral("Image11") << QStringLiteral("Image22");
    }
  }

  void digitsShouldBuildTheEntryAndBeCheckedOneByOne() {
    QFETCH(QString, keys);
    QFETCH(bool, onKeypad);
    QFETCH(ProblemRecord, problem);
    QFETCH(QString, verdicts);
    QFETCH(int32_t, entered);
    QFETCH(QString, firstCell);
    QFETCH(QString, secondCell);
    FormFixture f;
    f.form->Button31Click(f.form.get()); // division: answers of two digits
    f.showProblem(problem);
    int32_t mistakes = 0;
    bool wrongShown = false;
    for (qsizetype k = 0; k < keys.size(); ++k) {
      f.drill().CheckedIndex = 0;
      enter(f, keys.mid(k, 1), onKeypad);
      QCOMPARE(f.drill().CheckedIndex, 2);
      const QChar verdict = verdicts.at(k);
      if (verdict == u'W')
        ++mistakes;
      QCOMPARE(f.drill().MistakeCount, mistakes);
      QCOMPARE(f.drill().FeedbackShown, verdict == u'R' ? 1 : 0);
      if (verdict == u'-') {
        QVERIFY(!visible(f, "Label12"));
        QVERIFY(!visible(f, "Label13"));
      }
      if (verdict == u'W') {
        wrongShown = true;
        QVERIFY(visible(f, "Label12"));
        QVERIFY(f.shows("Image1", "Image3"));
      }
      if (verdict == u'R') { // "ちがうよ" stays as it was
        QCOMPARE(visible(f, "Label12"), wrongShown);
        QVERIFY(!visible(f, "Image1"));
        QVERIFY(visible(f, "Image2"));
      }
      QCOMPARE(visible(f, "Image1"), verdict == u'W');
    }
    QCOMPARE(f.drill().EnteredAnswer, entered);
    QVERIFY(f.shows("Image27", qPrintable(firstCell)));
    QVERIFY(f.shows("Image68", qPrintable(secondCell)));
  }

  void eraseShouldTakeAwayOneDigitPerPress_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("onKeypad");
    QTest::addColumn<int32_t>("entered");
    QTest::addColumn<QString>("firstCell");
    QTest::addColumn<QString>("secondCell");
    for (bool onKeypad : {true, false}) {
      const char *way = onKeypad ? "keypad" : "keyboard";
      QTest::addRow("1, 2, erase on the %s", way)
          << QStringLiteral("12c") << onKeypad << 1 << QStringLiteral("Image11")
          << QStringLiteral("Image23");
      QTest::addRow("1, 2, erase twice on the %s", way)
          << QStringLiteral("12cc") << onKeypad << 0 << QStringLiteral("Image23")
          << QStringLiteral("Image23");
      QTest::addRow("1, 2, 3, erase on the %s", way)
          << QStringLiteral("123c") << onKeypad << 12 << QStringLiteral("Image11")
          << QStringLiteral("Image23");
      QTest::addRow("1, 2, 3, erase twice on the %s", way)
          << QStringLiteral("123cc") << onKeypad << 1 << QStringLiteral("Image11")
          << QStringLiteral("Image23");
      QTest::addRow("erase, then 6 on the %s", way)
          << QStringLiteral("c6") << onKeypad << 6 << QStringLiteral("Image18")
          << QStringLiteral("Image23");
    }
  }

  void eraseShouldTakeAwayOneDigitPerPress() {
    QFETCH(QString, keys);
    QFETCH(bool, onKeypad);
    QFETCH(int32_t, entered);
    QFETCH(QString, firstCell);
    QFETCH(QString, secondCell);
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    enter(f, keys, onKeypad);
    QCOMPARE(f.drill().EnteredAnswer, entered);
    QVERIFY(f.shows("Image27", qPrintable(firstCell)));
    QVERIFY(f.shows("Image68", qPrintable(secondCell)));
    if (keys.endsWith(u'c')) { // an erase takes the wrong answer away
      QVERIFY(!visible(f, "Label12"));
      QVERIFY(!visible(f, "Image1"));
    }
  }

  void eraseWithNothingEnteredShouldBlankTheCellAndTheWrongAnswer_data() {
    QTest::addColumn<bool>("onKeypad");
    QTest::newRow("keypad") << true;
    QTest::newRow("keyboard") << false;
  }

  void eraseWithNothingEnteredShouldBlankTheCellAndTheWrongAnswer() {
    QFETCH(bool, onKeypad);
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    enter(f, QStringLiteral("0"), onKeypad); // wrong, and the number is still 0
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QVERIFY(f.shows("Image27", "Image22"));
    QVERIFY(visible(f, "Label12"));
    QVERIFY(visible(f, "Image1"));
    QVERIFY(f.shows("Image1", "Image3"));

    enter(f, QStringLiteral("c"), onKeypad);
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QVERIFY(f.shows("Image27", "Image23"));
    QVERIFY(!visible(f, "Label12"));
    QVERIFY(!visible(f, "Image1"));
    QCOMPARE(f.drill().MistakeCount, 1); // erasing takes no mistake back
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, 1);
  }

  void eraseShouldLeaveTheRightAnswerFeedback() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(QStringLiteral("4c"));
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QVERIFY(visible(f, "Label13"));
    QVERIFY(visible(f, "Image2"));
    QCOMPARE(f.drill().FeedbackShown, 1);
  }

  void tenOrMoreDigitsShouldWrapAroundIn32Bits() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(QStringLiteral("1234567890"));
    QCOMPARE(f.drill().EnteredAnswer, 1234567890);
    QVERIFY(f.shows("Image27", "Image11"));
    QVERIFY(f.shows("Image68", "Image22"));
    QCOMPARE(f.drill().MistakeCount, 10);

    // 12345678901 wraps around to a negative number, below 10: its digit
    // lands in the first cell.
    f.type(QStringLiteral("1"));
    QCOMPARE(f.drill().EnteredAnswer, static_cast<int32_t>(12345678901LL - 3 * (1LL << 32)));
    QVERIFY(f.drill().EnteredAnswer < 0);
    QVERIFY(f.shows("Image27", "Image11"));
    QVERIFY(f.shows("Image68", "Image22"));
    QCOMPARE(f.drill().MistakeCount, 11);

    f.type(QStringLiteral("c"));
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QVERIFY(f.shows("Image27", "Image23"));
    f.type(QStringLiteral("4"));
    QCOMPARE(f.drill().FeedbackShown, 1);
    QVERIFY(f.errors.isEmpty());
  }

  void onlyDigitsAndLowerCaseCShouldReachTheKeypad_data() {
    QTest::addColumn<QString>("character");
    QTest::addColumn<int32_t>("entered");
    QTest::addColumn<QString>("firstCell");
    QTest::newRow("upper-case C does nothing") << "C" << 5 << "Image17";
    QTest::newRow("another letter does nothing") << "x" << 5 << "Image17";
    QTest::newRow("a sign does nothing") << "-" << 5 << "Image17";
    QTest::newRow("lower-case c erases") << "c" << 0 << "Image23";
  }

  void onlyDigitsAndLowerCaseCShouldReachTheKeypad() {
    QFETCH(QString, character);
    QFETCH(int32_t, entered);
    QFETCH(QString, firstCell);
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(QStringLiteral("5"));
    f.type(character);
    QCOMPARE(f.drill().EnteredAnswer, entered);
    QVERIFY(f.shows("Image27", qPrintable(firstCell)));
    QCOMPARE(f.drill().MistakeCount, 1);
    QCOMPARE(visible(f, "Label12"), entered != 0);
  }

  void theCoverShouldTakeEveryClickBeforeTheFirstRun() {
    FormFixture f;
    const qint64 saveSlot = f.picture("Image43")->picture().cacheKey();
    for (const char *name : kKeys) {
      auto *key = f.picture(name);
      QCOMPARE(f.form->childAt(f.centreOf(key)), f.control("Image64"));
      const qint64 plain = key->picture().cacheKey();
      f.press(key);
      QCOMPARE(key->picture().cacheKey(), plain);
      f.release(f.centreOf(key));
      f.click(key);
      f.click(key, Qt::RightButton);
      f.doubleClick(key);
      QCOMPARE(key->picture().cacheKey(), plain);
    }
    QCOMPARE(f.picture("Image43")->picture().cacheKey(), saveSlot);
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QCOMPARE(f.drill(), DrillState{});
    QVERIFY(f.shows("Image27", "Image23"));
  }

  void aPressWithoutAClickShouldOnlyShowThePressedKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("end");
    for (int key = 0; key <= kEraseKey; ++key) {
      const char *name = kKeys[static_cast<std::size_t>(key)];
      QTest::addRow("right button on %s", name) << key << int(PressEnd::RightButton);
      QTest::addRow("left button on %s released outside the keypad", name)
          << key << int(PressEnd::LeftOutsideTheKeypad);
      QTest::addRow("left button on %s released over another key", name)
          << key << int(PressEnd::LeftOverAnotherKey);
    }
  }

  void aPressWithoutAClickShouldOnlyShowThePressedKey() {
    QFETCH(int, key);
    QFETCH(int, end);
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(QStringLiteral("1")); // one wrong check, the number 1
    const char *name = kKeys[static_cast<std::size_t>(key)];
    auto *picture = f.picture(name);
    auto *other = f.picture(kKeys[static_cast<std::size_t>((key + 1) % 11)]);
    const qint64 plain = picture->picture().cacheKey();
    const qint64 otherPlain = other->picture().cacheKey();
    const auto how = PressEnd(end);
    const Qt::MouseButton button = how == PressEnd::RightButton ? Qt::RightButton : Qt::LeftButton;

    f.press(picture, button);
    QVERIFY(f.shows(name, kPressedKeys[static_cast<std::size_t>(key)]));
    QCOMPARE(f.picture("Image43")->picture().cacheKey(), plain);

    const QPoint releasedAt = how == PressEnd::RightButton          ? f.centreOf(picture)
                              : how == PressEnd::LeftOverAnotherKey ? f.centreOf(other)
                                                                    : QPoint(100, 600);
    f.release(releasedAt, button);
    QCOMPARE(picture->picture().cacheKey(), plain);
    QCOMPARE(other->picture().cacheKey(), otherPlain);
    QCOMPARE(f.drill().EnteredAnswer, 1);
    QCOMPARE(f.drill().MistakeCount, 1);
    QVERIFY(f.shows("Image27", "Image11"));
  }

  void aDoubleClickShouldKeyOnce_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int32_t>("entered");
    QTest::addColumn<int32_t>("mistakes");
    QTest::newRow("digit 3") << 3 << "" << 3 << 1;
    QTest::newRow("digit 0") << 0 << "" << 0 << 1;
    QTest::newRow("erase") << kEraseKey << "12" << 1 << 2;
  }

  void aDoubleClickShouldKeyOnce() {
    QFETCH(int, key);
    QFETCH(QString, before);
    QFETCH(int32_t, entered);
    QFETCH(int32_t, mistakes);
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(before);
    auto *picture = f.picture(kKeys[static_cast<std::size_t>(key)]);
    const qint64 plain = picture->picture().cacheKey();
    f.doubleClick(picture);
    QCOMPARE(f.drill().EnteredAnswer, entered);
    QCOMPARE(f.drill().MistakeCount, mistakes);
    QCOMPARE(picture->picture().cacheKey(), plain);
  }

  void aClickShouldRunTheOperationWhileTheKeyLooksPressed_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int32_t>("entered");
    for (int digit = 0; digit <= 9; ++digit)
      QTest::addRow("key %d", digit) << digit << "" << digit;
    QTest::newRow("erase key") << kEraseKey << "12" << 1;
  }

  void aClickShouldRunTheOperationWhileTheKeyLooksPressed() {
    QFETCH(int, key);
    QFETCH(QString, before);
    QFETCH(int32_t, entered);
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(before);
    const char *name = kKeys[static_cast<std::size_t>(key)];
    auto *picture = f.picture(name);
    const qint64 plain = picture->picture().cacheKey();
    // The window's own handler of the click runs first; this one sees the
    // state it left, while the mouse button is being released.
    int32_t enteredAtClick = -1;
    bool pressedAtClick = false;
    connect(picture, &PictureImage::clicked, this, [&] {
      enteredAtClick = f.drill().EnteredAnswer;
      pressedAtClick = f.shows(name, kPressedKeys[static_cast<std::size_t>(key)]);
    });
    f.click(picture);
    QCOMPARE(enteredAtClick, entered);
    QVERIFY(pressedAtClick);
    QCOMPARE(picture->picture().cacheKey(), plain);
    QCOMPARE(f.drill().EnteredAnswer, entered);
  }

  void aKeyPressedWithBothButtonsShouldComeBackUp() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    auto *key = f.picture("Image44"); // key 1, never the answer
    const qint64 plain = key->picture().cacheKey();
    const QPoint onKey = f.centreOf(key);
    bool pressedAtClick = false;
    connect(key, &PictureImage::clicked, this,
            [&] { pressedAtClick = f.shows("Image44", "Image53"); });
    // The left button goes down, then the right one; they come up in turn.
    const QPoint away(100, 600);
    using Release = std::pair<Qt::MouseButton, QPoint>;
    for (const auto &releases :
         {std::array{Release{Qt::LeftButton, onKey}, Release{Qt::RightButton, onKey}},
          std::array{Release{Qt::RightButton, onKey}, Release{Qt::LeftButton, onKey}},
          std::array{Release{Qt::LeftButton, away}, Release{Qt::RightButton, away}}}) {
      f.press(key);
      f.press(key, Qt::RightButton);
      QVERIFY(f.shows("Image44", "Image53"));
      for (const auto &[button, at] : releases)
        f.release(at, button);
      QCOMPARE(key->picture().cacheKey(), plain);

      const int32_t before = f.drill().EnteredAnswer;
      pressedAtClick = false;
      f.click(key);
      QVERIFY(pressedAtClick);
      QCOMPARE(f.drill().EnteredAnswer, before * 10 + 1);
      QCOMPARE(key->picture().cacheKey(), plain);
    }
  }

  void aRightAnswerShouldBringOkARewardAndALogLine() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.click(f.control("BitBtn3")); // the hint panel, which a right answer takes away
    QVERIFY(visible(f, "Panel1"));
    f.click(f.control("Image47")); // key 4

    auto *ok = f.control<QLabel>("Label13");
    QVERIFY(!ok->isHidden());
    QCOMPARE(ok->text(), QStringLiteral("ＯＫ!"));
    QCOMPARE(ok->palette().color(QPalette::WindowText), kYellow);
    QCOMPARE(ok->font().pointSize(), 20);
    QVERIFY(visible(f, "Image2"));
    QVERIFY(!rewardShown(f).isEmpty());
    QVERIFY(!visible(f, "Image1"));
    QVERIFY(!visible(f, "Label12"));
    QVERIFY(!visible(f, "Panel1"));
    QCOMPARE(f.drill().FeedbackShown, 1);
    QCOMPARE(f.drill().FeedbackTicks, 0);
    QCOMPARE(f.drill().MistakeCount, 0);
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, 3);
    // Problem 2: the first column's second line, with the red first-try mark.
    QVERIFY(logShows(f, {40, 218}, QStringLiteral("7－3=4"), "Image12"));
    QVERIFY(isRed(markColour(f, {40, 218})));
    QVERIFY(!hasInk(f.form->surface().image(), QRect(10, 150, 430, 68)));
  }

  void aCorrectedAnswerShouldBeLoggedWithTheYellowMark() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.click(f.control("Image48")); // key 5
    auto *wrong = f.control<QLabel>("Label12");
    QVERIFY(!wrong->isHidden());
    QCOMPARE(wrong->text(), QStringLiteral("ちがうよ"));
    QCOMPARE(wrong->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(wrong->font().pointSize(), 20);
    QVERIFY(f.shows("Image1", "Image3"));
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, 1);
    QCOMPARE(f.drill().MistakeCount, 1);

    f.click(f.control("Image62"));
    f.click(f.control("Image47"));
    QVERIFY(visible(f, "Label13"));
    QVERIFY(!visible(f, "Image1"));
    QCOMPARE(f.drill().MistakeCount, 1);
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, 1);
    QVERIFY(logShows(f, {40, 218}, QStringLiteral("7－3=4"), "Image13"));
    QVERIFY(isYellow(markColour(f, {40, 218})));
  }

  void aSecondWrongDigitShouldCountAnotherMistake() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(QStringLiteral("54"));
    QCOMPARE(f.drill().EnteredAnswer, 54);
    QCOMPARE(f.drill().MistakeCount, 2);
    QVERIFY(visible(f, "Label12"));
    QVERIFY(!visible(f, "Label13"));
    QCOMPARE(f.drill().FeedbackShown, 0);
    QVERIFY(!hasInk(f.form->surface().image(), QRect(10, 150, 430, 510)));
  }

  void aTwoDigitAnswerShouldBeJudgedAtItsSecondDigit_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("right");
    QTest::newRow("1, 3 is right") << "13" << true;
    QTest::newRow("2, 3 is wrong") << "23" << false;
  }

  void aTwoDigitAnswerShouldBeJudgedAtItsSecondDigit() {
    QFETCH(QString, keys);
    QFETCH(bool, right);
    FormFixture f;
    f.form->Button31Click(f.form.get());
    f.state().bank.ProblemTable.at(2) = {4, 3, 13, 1, 0};
    f.type(QString::number(f.answerOnScreen()));
    f.runOutFeedback();
    QCOMPARE(f.drill().CurrentIndex, 2);
    QVERIFY(visible(f, "Image2")); // the reward stays over the next problem

    f.type(keys.left(1));
    QVERIFY(!visible(f, "Image2"));
    QVERIFY(!visible(f, "Label12"));
    QVERIFY(!visible(f, "Label13"));
    QCOMPARE(f.drill().MistakeCount, 0);
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, 3);

    f.type(keys.mid(1));
    QCOMPARE(visible(f, "Label13"), right);
    QCOMPARE(visible(f, "Label12"), !right);
    QCOMPARE(f.drill().MistakeCount, right ? 0 : 1);
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, right ? 3 : 1);
    QVERIFY(f.shows("Image68", "Image15"));
    if (!right)
      return;
    QVERIFY(logShows(f, {40, 218}, QStringLiteral("4－3=13"), "Image12"));
    f.runOutFeedback();
    QCOMPARE(f.drill().CurrentIndex, 3);
    QVERIFY(f.shows("Image27", "Image23"));
    QVERIFY(f.shows("Image68", "Image23"));
  }

  void aDigitDuringOkShouldStopTheTiming() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.type(QStringLiteral("4"));
    feedbackTicks(f, 2);
    f.type(QStringLiteral("1")); // 41
    QVERIFY(visible(f, "Label12"));
    QVERIFY(visible(f, "Label13"));
    QCOMPARE(f.drill().FeedbackShown, 0);
    QCOMPARE(f.drill().MistakeCount, 1);
    QCOMPARE(f.state().bank.ProblemTable.at(2).Mark, 1);

    feedbackTicks(f, 20);
    QCOMPARE(f.drill().CurrentIndex, 2);
    QVERIFY(visible(f, "Label13"));
    QVERIFY(f.shows("Image68", "Image11"));

    f.type(QStringLiteral("cc4"));
    QCOMPARE(f.drill().FeedbackShown, 1);
    QCOMPARE(f.drill().FeedbackTicks, 0);
    QVERIFY(logShows(f, {40, 218}, QStringLiteral("7－3=4"), "Image13"));
    feedbackTicks(f, 6);
    QCOMPARE(f.drill().CurrentIndex, 3);
  }

  void zeroForTheAnswerZeroDuringOkShouldRestartTheTiming() {
    FormFixture f;
    f.startRun();
    f.showProblem({3, 3, 0, 0, 0});
    f.type(QStringLiteral("0"));
    feedbackTicks(f, 3);
    QCOMPARE(f.drill().FeedbackTicks, 3);
    f.type(QStringLiteral("0"));
    QCOMPARE(f.drill().FeedbackShown, 1);
    QCOMPARE(f.drill().FeedbackTicks, 0);
    QCOMPARE(f.drill().MistakeCount, 0);
    feedbackTicks(f, 5);
    QCOMPARE(f.drill().CurrentIndex, 2);
    QVERIFY(visible(f, "Label13"));
    feedbackTicks(f, 1);
    QCOMPARE(f.drill().CurrentIndex, 3);
  }

  void theSixthTickShouldBlankTheCellsAndShowTheNextProblem() {
    FormFixture f;
    f.startRun();
    f.showProblem({7, 3, 4, 0, 0});
    f.state().bank.ProblemTable.at(3) = {8, 5, 3, 0, 0};
    f.type(QStringLiteral("4"));
    feedbackTicks(f, 5);
    QCOMPARE(f.drill().CurrentIndex, 2);
    QVERIFY(visible(f, "Label13"));
    QVERIFY(f.shows("Image27", "Image16"));

    feedbackTicks(f, 1);
    QVERIFY(!visible(f, "Label13"));
    for (const char *cell : {"Image27", "Image28", "Image68"})
      QVERIFY2(f.shows(cell, "Image23"), cell);
    QVERIFY(f.control<QLabel>("Label10")->text().isEmpty());
    QCOMPARE(f.drill().CurrentIndex, 3);
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QCOMPARE(f.drill().FeedbackShown, 0);
    QCOMPARE(f.control<QLineEdit>("Edit1")->text(), QStringLiteral("3"));
    QVERIFY(f.shows("Image25", "Image20"));
    QVERIFY(f.shows("Image26", "Image17"));
    QVERIFY(visible(f, "Image2"));
  }

  void aHundredProblemsShouldBeLoggedInColumnsOf25() {
    FormFixture f;
    f.startRun(3);
    for (int32_t problem = 1; problem <= 100; ++problem) {
      QCOMPARE(f.drill().CurrentIndex, problem);
      f.type(QString::number(f.answerOnScreen()));
      f.runOutFeedback();
    }
    QCOMPARE(f.drill().CurrentIndex, 100);
    QCOMPARE(f.control<QLineEdit>("Edit7")->text(), QStringLiteral("100"));
    const std::map<int32_t, QPoint> places{
        {1, {40, 200}}, {25, {40, 632}}, {26, {140, 200}}, {100, {340, 632}}};
    for (const auto &[problem, at] : places) {
      const ProblemRecord &record = f.state().bank.ProblemTable.at(problem);
      QVERIFY2(logShows(f, at, logText(record), "Image12"), qPrintable(logText(record)));
      QVERIFY(isRed(markColour(f, at)));
    }
  }

  void theLastProblemShouldEndTheRun_data() {
    QTest::addColumn<bool>("firstWrong");
    QTest::newRow("right at once") << false;
    QTest::newRow("right after a wrong digit") << true;
  }

  void theLastProblemShouldEndTheRun() {
    QFETCH(bool, firstWrong);
    FormFixture f;
    f.startRun(0);
    for (int problem = 1; problem < 10; ++problem) {
      f.type(QString::number(f.answerOnScreen()));
      f.runOutFeedback();
    }
    QCOMPARE(f.drill().CurrentIndex, 10);
    const int32_t answer = f.answerOnScreen();
    if (firstWrong) {
      f.type(wrongDigit(answer));
      QVERIFY(!visible(f, "Edit7")); // a wrong check does not end the run
      QVERIFY(f.control("Image41")->isEnabled());
      f.type(QStringLiteral("c"));
    }
    f.type(QString::number(answer));
    QVERIFY(visible(f, "Label13"));
    QVERIFY(visible(f, "Edit7"));
    QCOMPARE(f.control<QLineEdit>("Edit7")->text(), QStringLiteral("10"));
    for (const char *key : kKeys)
      QVERIFY2(!f.control(key)->isEnabled(), key);
    QVERIFY(visible(f, "Image64"));
    const ProblemRecord &last = f.state().bank.ProblemTable.at(10);
    QVERIFY(logShows(f, {40, 362}, logText(last), firstWrong ? "Image13" : "Image12"));

    f.runOutFeedback();
    QCOMPARE(f.drill().CurrentIndex, 10);
    QCOMPARE(f.control<QLineEdit>("Edit1")->text(), QStringLiteral("10"));
    QVERIFY(!visible(f, "Label13"));
    for (const char *cell : {"Image27", "Image28", "Image68"})
      QVERIFY2(f.shows(cell, "Image23"), cell);
    QVERIFY(!hasInk(f.form->surface().image(), QRect(40, 380, 60, 14))); // no line 11
  }

  void everyRewardShouldComeUpOverManyRightChecks() {
    FormFixture f(7);
    std::map<QString, int> seen;
    for (const char *reward : kRewards)
      seen[QString::fromLatin1(reward)] = 0;
    QCOMPARE(seen.size(), kRewards.size());
    const auto countReward = [&] {
      const QString reward = rewardShown(f);
      QVERIFY(!reward.isEmpty());
      ++seen[reward];
    };

    f.startRun(0);
    for (int problem = 1; problem <= 10; ++problem) {
      f.type(QString::number(f.answerOnScreen()));
      countReward();
      f.runOutFeedback();
    }
    // After the end the keyboard still reaches checking.
    const QString again = QStringLiteral("c") + QString::number(f.answerOnScreen());
    constexpr int kChecks = 1900;
    for (int check = 10; check < kChecks; ++check) {
      f.type(again);
      QCOMPARE(f.drill().FeedbackShown, 1);
      countReward();
    }
    QCOMPARE(f.drill().MistakeCount, 0);
    for (const auto &[reward, times] : seen)
      QVERIFY2(times > kChecks / 19 / 2 && times < kChecks / 19 * 3 / 2,
               qPrintable(QStringLiteral("%1 came up %2 times").arg(reward).arg(times)));
    // Every reward is a picture of its own.
    std::set<qint64> pictures;
    for (const char *reward : kRewards)
      pictures.insert(f.picture(reward)->picture().cacheKey());
    QCOMPARE(pictures.size(), kRewards.size());
  }

  void aDigitBeforeTheFirstRunShouldOnlyBeEntered() {
    FormFixture f;
    const QImage surface = f.form->surface().image();
    f.type(QStringLiteral("3"));
    QCOMPARE(f.drill().EnteredAnswer, 3);
    QVERIFY(f.shows("Image27", "Image15"));
    f.type(QStringLiteral("8"));
    QCOMPARE(f.drill().EnteredAnswer, 38);
    QVERIFY(f.shows("Image68", "Image20"));
    for (const char *feedback : {"Label12", "Label13", "Image1", "Image2"})
      QVERIFY2(!visible(f, feedback), feedback);
    QCOMPARE(f.drill().MistakeCount, 0);
    QCOMPARE(f.drill().FeedbackShown, 0);
    QCOMPARE(f.drill().CurrentIndex, 0);
    QCOMPARE(f.form->surface().image(), surface);
    f.type(QStringLiteral("cc"));
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QVERIFY(f.shows("Image27", "Image23"));
    QVERIFY(f.shows("Image68", "Image23"));
    QVERIFY(f.errors.isEmpty());
  }
};

QTEST_MAIN(AnsweringTest)
#include "answering_test.moc"
