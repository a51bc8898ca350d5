#include "printlayout.h"

#include <QTest>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

PrintLayout laidOut(int32_t rows, int32_t columns, int32_t charsDown, int32_t charsAcross,
                    int32_t width = 4800, int32_t height = 6800) {
  PrintLayout layout;
  computeLayout(layout, rows, columns, charsDown, charsAcross, width, height);
  return layout;
}

} // namespace

class PrintLayoutTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void shouldDeriveMarginsPitchesAndFont_data() {
    QTest::addColumn<int32_t>("rows");
    QTest::addColumn<int32_t>("columns");
    QTest::addColumn<int32_t>("charsDown");
    QTest::addColumn<int32_t>("charsAcross");
    QTest::addColumn<int32_t>("topMargin");
    QTest::addColumn<int32_t>("bottomMargin");
    QTest::addColumn<int32_t>("fitHeight");
    QTest::addColumn<int32_t>("charPitch");
    QTest::addColumn<int32_t>("rowPitch");
    QTest::addColumn<int32_t>("columnPitch");
    QTest::addColumn<int32_t>("fontHeight");
    QTest::newRow("33x3, 1x8") << 33 << 3 << 1 << 8 << 340 << 170 << 179 << 184 << 190 << 1600
                               << 179;
    QTest::newRow("21x4, 1x6") << 21 << 4 << 1 << 6 << 340 << 170 << 273 << 184 << 299 << 1200
                               << 184;
    QTest::newRow("25x4, 1x8") << 25 << 4 << 1 << 8 << 340 << 170 << 232 << 141 << 251 << 1200
                               << 141;
    QTest::newRow("10x2, 1x8") << 10 << 2 << 1 << 8 << 680 << 340 << 481 << 266 << 578 << 2400
                               << 266;
    QTest::newRow("22x4, 1x7") << 22 << 4 << 1 << 7 << 340 << 170 << 262 << 160 << 285 << 1200
                               << 160;
  }

  void shouldDeriveMarginsPitchesAndFont() {
    QFETCH(int32_t, rows);
    QFETCH(int32_t, columns);
    QFETCH(int32_t, charsDown);
    QFETCH(int32_t, charsAcross);
    const PrintLayout layout = laidOut(rows, columns, charsDown, charsAcross);
    QCOMPARE(layout.Rows, rows);
    QCOMPARE(layout.Columns, columns);
    QCOMPARE(layout.CharsDown, charsDown);
    QCOMPARE(layout.CharsAcross, charsAcross);
    QCOMPARE(layout.PageWidth, 4800);
    QCOMPARE(layout.PageHeight, 6800);
    QTEST(layout.TopMargin, "topMargin");
    QTEST(layout.BottomMargin, "bottomMargin");
    QTEST(layout.FitHeight, "fitHeight");
    QTEST(layout.CharPitch, "charPitch");
    QTEST(layout.RowPitch, "rowPitch");
    QTEST(layout.ColumnPitch, "columnPitch");
    QTEST(layout.FontHeight, "fontHeight");
  }

  void shouldLeaveTheCursorAlone() {
    PrintLayout layout;
    layout.CursorX = 17;
    layout.CursorY = 23;
    computeLayout(layout, 21, 4, 1, 6, 4800, 6800);
    QCOMPARE(layout.CursorX, 17);
    QCOMPARE(layout.CursorY, 23);
  }

  void shouldWidenTheTopMarginBelowTwentyRows_data() {
    QTest::addColumn<int32_t>("rows");
    QTest::addColumn<int32_t>("pageHeight");
    QTest::addColumn<int32_t>("topMargin");
    QTest::addColumn<int32_t>("bottomMargin");
    QTest::newRow("20 rows: a twentieth") << 20 << 6800 << 340 << 170;
    QTest::newRow("40 rows: a twentieth") << 40 << 6800 << 340 << 170;
    QTest::newRow("19 rows: a nineteenth") << 19 << 6800 << 357 << 178;
    QTest::newRow("10 rows: a tenth") << 10 << 6800 << 680 << 340;
    QTest::newRow("2 rows: a half") << 2 << 6800 << 3400 << 1700;
    QTest::newRow("odd top margin halves down") << 20 << 6820 << 341 << 170;
  }

  void shouldWidenTheTopMarginBelowTwentyRows() {
    QFETCH(int32_t, rows);
    QFETCH(int32_t, pageHeight);
    const PrintLayout layout = laidOut(rows, 4, 1, 8, 4800, pageHeight);
    QTEST(layout.TopMargin, "topMargin");
    QTEST(layout.BottomMargin, "bottomMargin");
  }

  void shouldTakeTheSmallerFontHeight() {
    const PrintLayout tall = laidOut(10, 2, 1, 8);
    QVERIFY(tall.CharPitch < tall.FitHeight);
    QCOMPARE(tall.FontHeight, tall.CharPitch);
    const PrintLayout narrow = laidOut(33, 1, 1, 2);
    QVERIFY(narrow.FitHeight < narrow.CharPitch);
    QCOMPARE(narrow.FontHeight, narrow.FitHeight);
  }

  void shouldPlaceItemsRowByRow_data() {
    QTest::addColumn<int32_t>("n");
    QTest::addColumn<int32_t>("indent");
    QTest::addColumn<int32_t>("x");
    QTest::addColumn<int32_t>("y");
    // 21 rows x 4 columns: column pitch 1200, row pitch 299, top margin 340.
    QTest::newRow("first item") << 1 << 0 << 0 << 340;
    QTest::newRow("item 4: column 3, row 0") << 4 << 61 << 3661 << 340;
    QTest::newRow("item 5: column 0, row 1") << 5 << 61 << 61 << 639;
    QTest::newRow("item 8: column 3, row 1") << 8 << 0 << 3600 << 639;
    QTest::newRow("item 9: column 0, row 2") << 9 << 0 << 0 << 938;
    QTest::newRow("item 84: last of the grid") << 84 << 0 << 3600 << 6320;
    QTest::newRow("item 85: below the grid") << 85 << 0 << 0 << 6619;
  }

  void shouldPlaceItemsRowByRow() {
    PrintLayout layout = laidOut(21, 4, 1, 6);
    QFETCH(int32_t, n);
    QFETCH(int32_t, indent);
    placeItem(layout, n, indent);
    QTEST(layout.CursorX, "x");
    QTEST(layout.CursorY, "y");
  }

  void shouldPutItems89And90OnTheLastRowOfTwentyTwo() {
    PrintLayout layout = laidOut(22, 4, 1, 7);
    const int32_t lastRowY = 22 * layout.RowPitch + layout.TopMargin;
    placeItem(layout, 89, 0);
    QCOMPARE(layout.CursorX, 0);
    QCOMPARE(layout.CursorY, lastRowY);
    placeItem(layout, 90, 0);
    QCOMPARE(layout.CursorX, layout.ColumnPitch);
    QCOMPARE(layout.CursorY, lastRowY);
    QCOMPARE(lastRowY, 6610);
    QVERIFY(lastRowY <= layout.PageHeight - layout.BottomMargin);
  }

  void shouldKeepOldPitchesUntilRecomputed() {
    PrintLayout layout = laidOut(21, 4, 1, 6);
    const PrintLayout before = layout;
    layout.Columns = 3;
    placeItem(layout, 5, 0);
    QCOMPARE(layout.ColumnPitch, before.ColumnPitch);
    QCOMPARE(layout.RowPitch, before.RowPitch);
    QCOMPARE(layout.CursorX, 1 * 1200);
    QCOMPARE(layout.CursorY, 299 + 340);
  }

  void shouldReadSpinEditText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int32_t>("value");
    QTest::newRow("digits") << "33" << 33;
    QTest::newRow("blanks and minus") << " -4 " << -4;
    QTest::newRow("tabs") << "\t12\t" << 12;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("largest") << "2147483647" << kMax;
    QTest::newRow("smallest") << "-2147483648" << kMin;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("fraction") << "1.5" << 0;
    QTest::newRow("too large") << "99999999999" << 0;
    QTest::newRow("one past largest") << "2147483648" << 0;
    QTest::newRow("one past smallest") << "-2147483649" << 0;
    QTest::newRow("far too many digits") << "123456789012345678901234567890" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("two signs") << "--5" << 0;
    QTest::newRow("blank after sign") << "- 5" << 0;
    QTest::newRow("trailing sign") << "5-" << 0;
    QTest::newRow("inner blank") << "1 2" << 0;
    QTest::newRow("hex") << "0x10" << 0;
    QTest::newRow("trailing letter") << "12a" << 0;
  }

  void shouldReadSpinEditText() {
    QFETCH(QString, text);
    const std::string utf8 = text.toStdString();
    QTEST(spinEditValue(utf8), "value");
  }

  void shouldSurviveBadCounts_data() {
    QTest::addColumn<int32_t>("rows");
    QTest::addColumn<int32_t>("columns");
    QTest::addColumn<int32_t>("charsDown");
    QTest::addColumn<int32_t>("charsAcross");
    QTest::addColumn<int32_t>("pageWidth");
    QTest::addColumn<int32_t>("pageHeight");
    // top, bottom, fit, charPitch, rowPitch, columnPitch, fontHeight
    QTest::addColumn<QList<int32_t>>("derived");
    QTest::newRow("zero rows and columns count as one")
        << 0 << 0 << 1 << 8 << 4800 << 6800
        << QList<int32_t>{6800, 3400, -1133, 480, -3400, 4800, -1133};
    QTest::newRow("negative rows and columns count as one")
        << -5 << -3 << 1 << 8 << 4800 << 6800
        << QList<int32_t>{6800, 3400, -1133, 480, -3400, 4800, -1133};
    QTest::newRow("zero characters leave the 2")
        << 20 << 4 << 0 << 0 << 4800 << 6800
        << QList<int32_t>{340, 170, 3145, 2400, 314, 1200, 2400};
    QTest::newRow("negative fit divisors give 0")
        << 20 << 4 << -1 << -1 << 4800 << 6800 << QList<int32_t>{340, 170, 0, 0, 314, 1200, 0};
    QTest::newRow("largest counts")
        << kMax << kMax << kMax << kMax << 4800 << 6800 << QList<int32_t>{340, 170, 0, 0, 0, 0, 0};
    QTest::newRow("smallest counts") << kMin << kMin << kMin << kMin << 4800 << 6800
                                     << QList<int32_t>{6800, 3400, 0, 0, -3400, 4800, 0};
    QTest::newRow("largest page") << 20 << 1 << 0 << -1 << kMax << kMax
                                  << QList<int32_t>{107374182, 53687091, 993211187, kMax,
                                                    99321118,  kMax,     993211187};
    QTest::newRow("smallest page")
        << 1 << 1 << 1 << 1 << kMin << kMin
        << QList<int32_t>{kMin, -1073741824, 357913941, -715827882, 1073741824, kMin, -715827882};
    QTest::newRow("empty page") << 21 << 4 << 1 << 6 << 0 << 0
                                << QList<int32_t>{0, 0, 0, 0, 0, 0, 0};
  }

  void shouldSurviveBadCounts() {
    QFETCH(int32_t, rows);
    QFETCH(int32_t, columns);
    QFETCH(int32_t, charsDown);
    QFETCH(int32_t, charsAcross);
    QFETCH(int32_t, pageWidth);
    QFETCH(int32_t, pageHeight);
    QFETCH(QList<int32_t>, derived);
    const PrintLayout layout =
        laidOut(rows, columns, charsDown, charsAcross, pageWidth, pageHeight);
    QCOMPARE(layout.Rows, rows);
    QCOMPARE(layout.Columns, columns);
    QCOMPARE(layout.CharsDown, charsDown);
    QCOMPARE(layout.CharsAcross, charsAcross);
    const QList<int32_t> actual{layout.TopMargin, layout.BottomMargin, layout.FitHeight,
                                layout.CharPitch, layout.RowPitch,     layout.ColumnPitch,
                                layout.FontHeight};
    QCOMPARE(actual, derived);
  }

  void shouldPlaceWithBadColumnsAndClampFarItems_data() {
    QTest::addColumn<int32_t>("columns");
    QTest::addColumn<int32_t>("columnPitch");
    QTest::addColumn<int32_t>("rowPitch");
    QTest::addColumn<int32_t>("topMargin");
    QTest::addColumn<int32_t>("n");
    QTest::addColumn<int32_t>("indent");
    QTest::addColumn<int32_t>("x");
    QTest::addColumn<int32_t>("y");
    QTest::newRow("zero columns: one per row") << 0 << 100 << 10 << 5 << 3 << 7 << 7 << 25;
    QTest::newRow("negative columns: one per row") << -4 << 100 << 10 << 5 << 3 << 0 << 0 << 25;
    QTest::newRow("far row clamps high") << 1 << 100 << kMax << kMax << kMax << 0 << 0 << kMax;
    QTest::newRow("far row clamps low") << 1 << 100 << kMax << 0 << kMin << 0 << 0 << kMin;
    QTest::newRow("far column clamps high") << 2 << kMax << 0 << 0 << 2 << kMax << kMax << 0;
    QTest::newRow("negative pitch clamps low") << 2 << kMin << 0 << 0 << 2 << kMin << kMin << 0;
  }

  void shouldPlaceWithBadColumnsAndClampFarItems() {
    PrintLayout layout;
    QFETCH(int32_t, columns);
    QFETCH(int32_t, n);
    QFETCH(int32_t, indent);
    QFETCH(int32_t, columnPitch);
    QFETCH(int32_t, rowPitch);
    QFETCH(int32_t, topMargin);
    layout.Columns = columns;
    layout.ColumnPitch = columnPitch;
    layout.RowPitch = rowPitch;
    layout.TopMargin = topMargin;
    placeItem(layout, n, indent);
    QTEST(layout.CursorX, "x");
    QTEST(layout.CursorY, "y");
  }
};

QTEST_APPLESS_MAIN(PrintLayoutTest)
#include "printlayout_test.moc"
