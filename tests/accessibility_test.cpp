// What screen readers hear from the window: the keys by their names, the cells
// by the digit they show, the feedback and the hint tiles by what they show,
// following every picture the window copies between its controls.

#include "formfixture.h"

#include <QAccessible>
#include <QTest>
#include <array>

namespace {

// Hint tile k (1 at the bottom .. 9 at the top) at k - 1.
constexpr std::array<const char *, 9> kTiles{"Image86", "Image85", "Image84", "Image83", "Image82",
                                             "Image81", "Image80", "Image79", "Image78"};

const QString kEmpty = QStringLiteral("からっぽ");
const QString kPlainTile = QStringLiteral("タイル");
const QString kTakenTile = QStringLiteral("とった タイル");

QString accessible(const FormFixture &f, const char *control, QAccessible::Text text) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(f.control(control));
  if (!face)
    return QStringLiteral("<no accessible interface for %1>").arg(QLatin1String(control));
  return face->text(text);
}

QString name(const FormFixture &f, const char *control) {
  return accessible(f, control, QAccessible::Name);
}

QString description(const FormFixture &f, const char *control) {
  return accessible(f, control, QAccessible::Description);
}

} // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void keysShouldBeNamedByTheirKeyWhileShowingAnyPicture_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("keyName");
    const std::array<std::pair<const char *, const char *>, 11> keys{{
        {"Image41", "0"},
        {"Image44", "1"},
        {"Image45", "2"},
        {"Image46", "3"},
        {"Image47", "4"},
        {"Image48", "5"},
        {"Image49", "6"},
        {"Image50", "7"},
        {"Image51", "8"},
        {"Image52", "9"},
        {"Image62", "けす"},
    }};
    for (const auto &[key, keyName] : keys)
      QTest::newRow(key) << QString::fromLatin1(key) << QString::fromUtf8(keyName);
  }
  void keysShouldBeNamedByTheirKeyWhileShowingAnyPicture() {
    QFETCH(QString, key);
    QFETCH(QString, keyName);
    FormFixture f;
    f.startRun();
    const QByteArray control = key.toLatin1();
    QCOMPARE(name(f, control), keyName);
    QCOMPARE(description(f, control), keyName + QStringLiteral(" の キー"));

    // Held down, the key shows its pressed picture and keeps its name.
    f.press(f.control(control));
    QCOMPARE(name(f, control), keyName);
    QCOMPARE(description(f, control),
             QStringLiteral("おしている ") + keyName + QStringLiteral(" の キー"));
    f.release(f.centreOf(f.control(control)));
    QCOMPARE(name(f, control), keyName);
    QCOMPARE(description(f, control), keyName + QStringLiteral(" の キー"));
  }

  void cellsShouldSayTheDigitTheyShowOrThatTheyAreEmpty() {
    FormFixture f;
    for (const char *cell : {"Image24", "Image25", "Image26", "Image27", "Image68", "Image28"})
      QCOMPARE(name(f, cell), kEmpty);

    f.startRun();
    f.showProblem({.Left = 7, .Right = 3, .Result = 4});
    QCOMPARE(name(f, "Image24"), kEmpty);
    QCOMPARE(name(f, "Image25"), QStringLiteral("7"));
    QCOMPARE(name(f, "Image26"), QStringLiteral("3"));

    f.type(QStringLiteral("1"));
    QCOMPARE(name(f, "Image27"), QStringLiteral("1"));
    f.type(QStringLiteral("c"));
    QCOMPARE(name(f, "Image27"), kEmpty);

    // A two-digit entry: the second digit goes to the second cell.
    f.showProblem({.Left = 9, .Right = 0, .Result = 19});
    f.type(QStringLiteral("15"));
    QCOMPARE(name(f, "Image27"), QStringLiteral("1"));
    QCOMPARE(name(f, "Image68"), QStringLiteral("5"));
    f.type(QStringLiteral("c"));
    QCOMPARE(name(f, "Image68"), kEmpty);
    QCOMPARE(name(f, "Image27"), QStringLiteral("1"));
  }

  void feedbackPicturesShouldSayWhatTheyShow() {
    FormFixture f;
    f.startRun();
    f.showProblem({.Left = 8, .Right = 5, .Result = 3});
    f.type(QStringLiteral("2"));
    QCOMPARE(name(f, "Image1"), QStringLiteral("ちがうよ の え"));

    f.type(QStringLiteral("c3"));
    QVERIFY(!f.control("Image2")->isHidden());
    const QString reward = name(f, "Image2");
    QVERIFY2(reward.startsWith(QStringLiteral("ごほうびの え：")), qPrintable(reward));
    // Each reward picture has its own words, and the control says the one it shows.
    QString store;
    for (const char *candidate :
         {"Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10", "Image29",
          "Image30", "Image31", "Image32", "Image33", "Image34", "Image35", "Image36", "Image37",
          "Image38", "Image39", "Image40"})
      if (f.shows("Image2", candidate))
        store = QString::fromLatin1(candidate);
    QVERIFY(!store.isEmpty());
    QCOMPARE(reward, name(f, qPrintable(store)));
  }

  void hintTilesShouldSayWhetherTheyAreTakenAway() {
    FormFixture f;
    f.startRun();
    f.showProblem({.Left = 5, .Right = 2, .Result = 3});
    for (const char *tile : kTiles)
      QCOMPARE(name(f, tile), kPlainTile);

    f.click(f.control("BitBtn3"));
    f.click(f.control("BitBtn4"));
    for (int tick = 0; tick < 4; ++tick)
      f.form->Timer3Timer(f.control<QObject>("Timer3"));
    for (int k = 1; k <= 9; ++k)
      QCOMPARE(name(f, kTiles[static_cast<std::size_t>(k - 1)]), k <= 2 ? kTakenTile : kPlainTile);

    // The next problem puts plain tiles back.
    f.showProblem({.Left = 4, .Right = 1, .Result = 3});
    for (const char *tile : kTiles)
      QCOMPARE(name(f, tile), kPlainTile);
  }

  void theCoverShouldSayTheKeysCannotBeUsed() {
    FormFixture f;
    QCOMPARE(name(f, "Image64"), QStringLiteral("キーは いま つかえません"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
