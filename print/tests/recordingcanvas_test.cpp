#include "recordingcanvas.h"

#include <QTest>
#include <string>
#include <vector>

// The recorder stands in for the printer in every run test, so its own
// bookkeeping has to hold.
class RecordingCanvasTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void shouldRecordDrawingWithTheFontInEffect() {
    RecordingCanvas canvas;
    QVERIFY(canvas.beginDocument());
    canvas.setTypeface("A");
    canvas.text(1, 2, "x");
    canvas.setCellHeight(30);
    canvas.setTypeface("B");
    canvas.text(3, 4, "y");
    canvas.setPointSize(20);
    canvas.text(5, 6, "z");
    canvas.moveTo(7, 8);
    canvas.lineTo(9, 10);
    canvas.rectangle(11, 12, 13, 14, Fill::White);
    QVERIFY(canvas.endDocument());

    QCOMPARE(canvas.documents().size(), std::size_t{1});
    const RecordedDocument &document = canvas.documents().front();
    QVERIFY(document.finished);
    QVERIFY(!document.open);
    const std::vector<RecordedText> texts{{1, 2, "x", "A", FontSize{}},
                                          {3, 4, "y", "B", FontSize::cellPixels(30)},
                                          {5, 6, "z", "B", FontSize::points(20)}};
    QCOMPARE(document.texts(), texts);
    const std::vector<RecordedPathPoint> path{{7, 8, false}, {9, 10, true}};
    QCOMPARE(document.path(), path);
    const std::vector<RecordedRectangle> rectangles{{11, 12, 13, 14}};
    QCOMPARE(document.rectangles(), rectangles);
    QCOMPARE(document.operations.size(), std::size_t{10});
    QVERIFY(canvas.misuses().empty());
  }

  void shouldKeepTheFontAcrossDocuments() {
    RecordingCanvas canvas;
    QVERIFY(canvas.beginDocument());
    canvas.setTypeface("A");
    canvas.setCellHeight(12);
    QVERIFY(canvas.endDocument());
    QVERIFY(canvas.beginDocument());
    canvas.text(0, 0, "k");
    QVERIFY(canvas.endDocument());
    const RecordedText kept{0, 0, "k", "A", FontSize::cellPixels(12)};
    QCOMPARE(canvas.documents()[1].texts(), std::vector<RecordedText>{kept});
  }

  void shouldFailTheChosenAttempts() {
    RecordingCanvas canvas;
    canvas.refuseBegin(2);
    canvas.failEnd(2);
    QVERIFY(canvas.beginDocument());
    QVERIFY(canvas.endDocument());
    QVERIFY(!canvas.beginDocument());
    QVERIFY(!canvas.documentOpen());
    QVERIFY(canvas.beginDocument());
    QVERIFY(!canvas.endDocument());
    QVERIFY(!canvas.documentOpen());
    QCOMPARE(canvas.beginAttempts(), 3);
    QCOMPARE(canvas.documents().size(), std::size_t{2});
    QVERIFY(canvas.documents()[0].finished);
    QVERIFY(!canvas.documents()[1].finished);
    QVERIFY(canvas.misuses().empty());
  }

  void shouldListMisuses() {
    RecordingCanvas canvas;
    canvas.text(0, 0, "early");
    QVERIFY(!canvas.endDocument());
    QVERIFY(canvas.beginDocument());
    QVERIFY(canvas.beginDocument());
    QCOMPARE(canvas.misuses().size(), std::size_t{3});
    QVERIFY(canvas.documents()[0].operations.empty());
  }

  void shouldReportItsResolution() {
    QCOMPARE(RecordingCanvas().verticalDpi(), 600);
    RecordingCanvas canvas(300);
    QCOMPARE(canvas.verticalDpi(), 300);
    canvas.setVerticalDpi(0);
    QCOMPARE(canvas.verticalDpi(), 0);
  }
};

QTEST_APPLESS_MAIN(RecordingCanvasTest)
#include "recordingcanvas_test.moc"
