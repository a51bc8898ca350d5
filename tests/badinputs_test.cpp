// Inputs the program is not built for, through the real window: what each one
// gets. Bad inputs covered elsewhere: digits before the first run, ten and
// more digits and erasing with nothing entered (answering_test), the hint
// animation before the first run (results_hints_test), a missing printer and
// failing documents (printing_test, printing_pdf_test), damaged pictures in
// the decoders (pictures_test), counts of 0 and below in the layout and the
// print runs, and a division with Left 0 (print tests), a shuffle larger than
// its table (problems_test).

#include "controlfactory.h"
#include "formdefinition.h"
#include "formfixture.h"
#include "forwardingcanvas.h"
#include "pictureshelf.h"
#include "printlayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <array>
#include <limits>
#include <vector>

namespace {

constexpr std::array<const char *, 9> kTiles{"Image86", "Image85", "Image84", "Image83", "Image82",
                                             "Image81", "Image80", "Image79", "Image78"};

bool visible(const FormFixture &f, const char *name) { return !f.control(name)->isHidden(); }

// A canvas that closes the window while a print run draws its first text, as
// a close arriving in the middle of the run would.
class ClosingCanvas final : public ForwardingCanvas {
public:
  ClosingCanvas() : ForwardingCanvas(recording) {}
  void text(int32_t x, int32_t y, std::string_view utf8) override {
    if (window && !closedWhilePrinting) {
      closedWhilePrinting = true;
      closeAccepted = window->close();
    }
    recording.text(x, y, utf8);
  }

  RecordingCanvas recording;
  QWidget *window = nullptr;
  bool closedWhilePrinting = false;
  bool closeAccepted = false;
};

class ClosingPrinter final : public PrinterService {
public:
  std::optional<PrintablePage> printablePage(QString &) override {
    return PrintablePage{4800, 6800};
  }
  PrintCanvas &canvas() override { return canvas_; }
  void openSetupDialog(QWidget *) override {}
  ClosingCanvas &closing() { return canvas_; }

private:
  ClosingCanvas canvas_;
};

// Closes the window; a dialog it opened (a question) is recorded and shut,
// so that the test ends either way.
bool closeAsksNothing(FormFixture &f) {
  bool asked = false;
  QTimer watchdog;
  watchdog.setInterval(0);
  QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [&] {
    if (QWidget *modal = QApplication::activeModalWidget()) {
      asked = true;
      modal->close();
    }
  });
  watchdog.start();
  const bool closed = f.form->close();
  QCoreApplication::processEvents();
  for (QWidget *window : QApplication::topLevelWidgets())
    if (qobject_cast<QDialog *>(window) && window->isVisible())
      asked = true;
  return closed && !asked;
}

} // namespace

class BadInputsTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void eraseAndHintBeforeTheFirstRunShouldChangeNoProblem() {
    FormFixture f;
    f.type(QStringLiteral("c"));
    QCOMPARE(f.drill().EnteredAnswer, 0);
    QVERIFY(f.shows("Image27", "Image23"));

    // "わかんない" shows the panel as the window defines it: the top tile only.
    f.click(f.control("BitBtn3"));
    QVERIFY(visible(f, "Panel1"));
    QVERIFY(f.shows("Image78", "Image70"));
    for (std::size_t k = 0; k + 1 < kTiles.size(); ++k)
      QVERIFY2(f.picture(kTiles[k])->picture().isNull(), kTiles[k]);
    QCOMPARE(f.drill(), DrillState{});
    QVERIFY(f.errors.isEmpty());
  }

  void spinEditsOfZeroNegativeAndNonNumericShouldLayOutAndPrint_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int32_t>>("counts");
    QTest::newRow("zero") << QStringList{"0", "0", "0", "0"} << QList<int32_t>{0, 0, 0, 0};
    QTest::newRow("negative") << QStringList{"-5", "-3", "-1", "-8"}
                              << QList<int32_t>{-5, -3, -1, -8};
    QTest::newRow("not numbers") << QStringList{"abc", "", "-", "1x"} << QList<int32_t>{0, 0, 0, 0};
  }

  void spinEditsOfZeroNegativeAndNonNumericShouldLayOutAndPrint() {
    QFETCH(QStringList, texts);
    QFETCH(QList<int32_t>, counts);
    FormFixture f;
    for (int i = 0; i < 4; ++i) {
      auto *spin = f.control<QSpinBox>(qPrintable(QStringLiteral("SpinEdit%1").arg(i + 1)));
      spin->findChild<QLineEdit *>()->setText(texts[i]);
      QCOMPARE(spin->cleanText(), texts[i]);
    }
    f.form->Button1Click(f.control<QObject>("Button1"));

    // The counts read as stored, the rest laid out as the page arithmetic
    // does for them: no division by zero, no failure.
    PrintLayout expected;
    computeLayout(expected, counts[0], counts[1], counts[2], counts[3], 4800, 6800);
    QCOMPARE(f.state().layout, expected);

    f.form->Button27Click(f.control<QObject>("Button27"));
    f.state().PrintCount = 8;
    f.form->Button11Click(f.control<QObject>("Button11"));
    const RecordingCanvas &canvas = f.printer().recording();
    QCOMPARE(canvas.documents().size(), std::size_t(1));
    QVERIFY(canvas.documents().front().finished);
    QVERIFY(canvas.misuses().empty());
    QVERIFY(f.errors.isEmpty());
  }

  void theLowestSpinEditValueShouldReadAsItself() {
    // Qt shows it with digit grouping, "-2,147,483,648".
    constexpr int32_t kLowest = std::numeric_limits<int32_t>::min();
    FormFixture f;
    for (const char *name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4"})
      f.control<QSpinBox>(name)->setValue(kLowest);
    const PrintLayout &layout = f.state().layout;
    QCOMPARE(layout.Rows, kLowest);
    QCOMPARE(layout.Columns, kLowest);
    QCOMPARE(layout.CharsDown, kLowest);
    QCOMPARE(layout.CharsAcross, kLowest);
    f.form->Button1Click(f.control<QObject>("Button1"));
    PrintLayout expected;
    computeLayout(expected, kLowest, kLowest, kLowest, kLowest, 4800, 6800);
    QCOMPARE(layout, expected);
  }

  void aPictureThatFailsToDecodeShouldLeaveAnEmptyControl() {
    // Built from a definition whose cover and digit 0 name no picture.
    std::vector<ControlDef> controls(form1Controls().begin(), form1Controls().end());
    for (ControlDef &control : controls)
      if (qstrcmp(control.name, "Image64") == 0 || qstrcmp(control.name, "Image22") == 0)
        control.picture = "no_such_picture.jpg";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no_such_picture\\.jpg")));
    PictureShelf shelf;
    QWidget window;
    createControls(&window, form1Window(), controls, shelf);
    const auto *cover = window.findChild<PictureImage *>(QStringLiteral("Image64"));
    const auto *emptyZero = window.findChild<PictureImage *>(QStringLiteral("Image22"));
    QVERIFY(cover && emptyZero);
    QVERIFY(cover->picture().isNull());
    QVERIFY(emptyZero->picture().isNull());
    QVERIFY(!window.findChild<PictureImage *>(QStringLiteral("Image11"))->picture().isNull());
    QVERIFY(!window.grab().isNull()); // an empty picture paints nothing

    // In the running window an empty digit store is copied and painted like
    // any other, and the drill goes on.
    FormFixture f;
    emptyZero->copyTo(f.picture("Image22"));
    f.startRun();
    f.showProblem({5, 5, 0, 0, 0});
    f.type(QStringLiteral("0"));
    QVERIFY(f.picture("Image27")->picture().isNull());
    QVERIFY(!f.form->grab().isNull());
    QCOMPARE(f.drill().FeedbackShown, 1);
    f.runOutFeedback();
    QCOMPARE(f.drill().CurrentIndex, 3);
    QVERIFY(f.errors.isEmpty());
  }

  void closingDuringTheFeedbackShouldAskNothing() {
    FormFixture f;
    f.startRun();
    f.type(QString::number(f.answerOnScreen()));
    QCOMPARE(f.drill().FeedbackShown, 1);
    QVERIFY(closeAsksNothing(f));
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.errors.isEmpty());
  }

  void closingDuringTheHintAnimationShouldAskNothing() {
    FormFixture f;
    f.startRun();
    f.showProblem({9, 9, 0, 0, 0});
    f.click(f.control("BitBtn3"));
    f.click(f.control("BitBtn4"));
    f.form->Timer3Timer(f.control<QObject>("Timer3"));
    QCOMPARE(f.drill().HintAnimating, 1);
    QVERIFY(closeAsksNothing(f));
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.errors.isEmpty());
  }

  void closingDuringAPrintRunShouldAskNothingAndEndTheDocuments() {
    auto printer = std::make_unique<ClosingPrinter>();
    ClosingCanvas &canvas = printer->closing();
    FormFixture f(std::move(printer));
    canvas.window = f.form.get();
    f.control<QCheckBox>("CheckBox13")->setChecked(true);
    bool asked = false;
    QTimer watchdog;
    watchdog.setInterval(0);
    connect(&watchdog, &QTimer::timeout, this, [&] {
      if (QWidget *modal = QApplication::activeModalWidget()) {
        asked = true;
        modal->close();
      }
    });
    watchdog.start();

    f.form->Button9Click(f.control<QObject>("Button9"));

    QVERIFY(canvas.closedWhilePrinting);
    QVERIFY(canvas.closeAccepted);
    QVERIFY(!asked);
    QVERIFY(!f.form->isVisible());
    // The run finished its work: both sheets, each ended.
    QCOMPARE(canvas.recording.documents().size(), std::size_t(2));
    for (const RecordedDocument &document : canvas.recording.documents())
      QVERIFY(document.finished);
    QVERIFY(canvas.recording.misuses().empty());
    QVERIFY(f.errors.isEmpty());
  }
};

QTEST_MAIN(BadInputsTest)
#include "badinputs_test.moc"
