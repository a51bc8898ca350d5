// Worksheets printed through a real print spooler: the window prints with the
// system printer service on a CUPS scheduler of the test's own, whose one
// queue turns the documents into a PDF file. The documents the spooler
// received are read back from its spool with the poppler tools, and the
// failures of printing (no queue, the queue gone, the scheduler stopped) must
// reach the window's error report and leave the layout and the spool alone.

#include "cupsscheduler.h"
#include "formfixture.h"
#include "printerservice.h"
#include "worksheets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

const QString kQueue = QStringLiteral("Worksheets");
// Jobs are converted by the queue's filters; a preset's two take about a
// second, the bound only stops a stuck spooler from hanging the test.
constexpr int kJobsDoneMs = 120000;

// The fields the layout derives from the page and the counts.
QList<int32_t> derivedFields(const PrintLayout &l) {
  return {l.CursorX,   l.CursorY,  l.PageWidth,   l.PageHeight, l.FontHeight,  l.CharPitch,
          l.FitHeight, l.RowPitch, l.ColumnPitch, l.TopMargin,  l.BottomMargin};
}

bool hasOnePage(const QString &pdf) {
  return poppler(QStringLiteral("pdfinfo"), {pdf})
      .contains(
          QRegularExpression(QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption));
}

QString textOf(const QString &pdf) {
  return withoutBlanks(
      poppler(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")}));
}

// The queue's paper as its PPD gives it: the default page size's name and
// imageable area in device pixels at `resolution` (points are 1/72 inch).
struct PpdPaper {
  QString name;
  PrintablePage printable;
};

std::optional<PpdPaper> defaultPaper(const QString &ppdFile, int resolution) {
  QFile file(ppdFile);
  if (!file.open(QIODevice::ReadOnly))
    return std::nullopt;
  const QString ppd = QString::fromLatin1(file.readAll());
  const QRegularExpressionMatch name =
      QRegularExpression(QStringLiteral("^\\*DefaultPageSize:\\s*(\\S+)"),
                         QRegularExpression::MultilineOption)
          .match(ppd);
  if (!name.hasMatch())
    return std::nullopt;
  const QRegularExpressionMatch area =
      QRegularExpression(QStringLiteral("^\\*ImageableArea %1(/[^:]*)?:\\s*\"(\\S+) (\\S+) (\\S+) "
                                        "(\\S+)\"")
                             .arg(QRegularExpression::escape(name.captured(1))),
                         QRegularExpression::MultilineOption)
          .match(ppd);
  if (!area.hasMatch())
    return std::nullopt;
  const auto pixels = [&](int from, int to) {
    return qRound((area.captured(to).toDouble() - area.captured(from).toDouble()) * resolution /
                  72.0);
  };
  return PpdPaper{name.captured(1), {pixels(2, 4), pixels(3, 5)}};
}

void click(const FormFixture &f, const char *button) {
  f.control<QAbstractButton>(button)->click();
}

// A window on the system's printers that prints a name field and an answer
// sheet.
std::unique_ptr<FormFixture> windowOnTheSystemPrinter() {
  auto f = std::make_unique<FormFixture>(makeSystemPrinterService());
  f->control<QCheckBox>("CheckBox12")->setChecked(true);
  f->control<QCheckBox>("CheckBox13")->setChecked(true);
  return f;
}

} // namespace

#define EXPECT_FAILURE(...)                                                                        \
  do {                                                                                             \
    expectFailure(__VA_ARGS__);                                                                    \
    if (QTest::currentTestFailed())                                                                \
      return;                                                                                      \
  } while (false)

class CupsPrintingTest : public QObject {
  Q_OBJECT

  std::unique_ptr<CupsScheduler> cups_;

  // The scheduler running with the queue, on the paper given, as its
  // default; why not, or empty.
  QString ensureQueue(const QString &paper = QStringLiteral("A4")) {
    if (!cups_->running()) {
      const QString failure = cups_->start();
      if (!failure.isEmpty())
        return failure;
    }
    return cups_->addDefaultQueue(kQueue, paper);
  }

  // After a failed print or preset: one more error report, the layout's
  // derived fields as they were, and no job in the spooler. Used through
  // EXPECT_FAILURE, which ends the test at the first difference.
  void expectFailure(const FormFixture &f, qsizetype reports, const QList<int32_t> &layout,
                     const QStringList &spooled) {
    QCOMPARE(f.errors.size(), reports);
    QVERIFY(!f.errors.last().isEmpty());
    QCOMPARE(derivedFields(f.state().layout), layout);
    QCOMPARE(cups_->spooledDocuments(), spooled);
  }

private Q_SLOTS:
  void initTestCase() {
    for (const char *tool : {"pdfinfo", "pdftotext"})
      QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
               qPrintable(QStringLiteral("%1 (poppler-utils) is needed").arg(tool)));
    // Before anything asks CUPS for printers: libcups reads CUPS_SERVER once.
    cups_ = std::make_unique<CupsScheduler>();
    NUMERIKO_NEED_SCHEDULER(cups_->start());
  }

  void cleanupTestCase() { cups_.reset(); }

  void withoutAQueueTheWindowShouldReportAndPrintOnceOneIsAdded() {
    QVERIFY(cups_->queues().isEmpty());
    QVERIFY(!hasRealPrinter());
    const auto f = windowOnTheSystemPrinter();
    const QList<int32_t> unset = derivedFields(f->state().layout);

    click(*f, "Button1");
    EXPECT_FAILURE(*f, 1, unset, {});
    QCOMPARE(f->state().layout.Rows, 33);

    // A preset keeps what its steps before the layout set, and stops there.
    click(*f, "Button9");
    EXPECT_FAILURE(*f, 2, unset, {});
    QCOMPARE(f->state().PrintCount, 90);
    QCOMPARE(f->state().layout.Rows, 22);

    // A print run on its own finds its document refused.
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    click(*f, "Button11");
    EXPECT_FAILURE(*f, 3, unset, {});
    QVERIFY2(f->errors.last().contains(QStringLiteral("問題用紙")), qPrintable(f->errors.last()));
    QVERIFY(cups_->jobs(QStringLiteral("all")).isEmpty());

    // The same window lays out on a queue added later, and prints to it.
    const QString noQueue = ensureQueue();
    QVERIFY2(noQueue.isEmpty(), qPrintable(noQueue));
    QVERIFY(hasRealPrinter());
    click(*f, "Button1");
    QCOMPARE(f->errors.size(), 3);
    const PrintablePage page = printablePage(QPrinter(QPrinter::HighResolution));
    QCOMPARE(f->state().layout.PageWidth, page.width);
    QCOMPARE(f->state().layout.PageHeight, page.height);
    click(*f, "Button11");
    QVERIFY2(f->errors.size() == 3, qPrintable(f->errors.join(u'\n')));
    QVERIFY2(cups_->waitUntilIdle(kJobsDoneMs), qPrintable(cups_->log()));
    QCOMPARE(cups_->jobs(QStringLiteral("completed")).size(), 2);
    QCOMPARE(textOf(cups_->outputFile()), expectedSheet(kPresets[1], f->state(), true));
  }

  void presetShouldSpoolAProblemSheetAndAnAnswerSheet_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("paper");
    for (int i = 0; i < kPresetCount; ++i)
      QTest::addRow("%s on A4", kPresets[i].button) << i << QStringLiteral("A4");
    // Qt's own default paper is A4: a queue set up with another shows that
    // the window measures and prints on the queue's paper.
    QTest::addRow("Button9 on A5") << 1 << QStringLiteral("A5");
  }

  void presetShouldSpoolAProblemSheetAndAnAnswerSheet() {
    QFETCH(int, preset);
    QFETCH(QString, paper);
    const Preset &p = kPresets[preset];
    const QString noQueue = ensureQueue(paper);
    QVERIFY2(noQueue.isEmpty(), qPrintable(noQueue));
    const QList<int> before = cups_->jobs(QStringLiteral("completed"));
    const auto f = windowOnTheSystemPrinter();

    click(*f, p.button);

    QVERIFY2(f->errors.isEmpty(), qPrintable(f->errors.join(u'\n')));
    QVERIFY2(cups_->waitUntilIdle(kJobsDoneMs), qPrintable(cups_->log()));
    QList<int> jobs = cups_->jobs(QStringLiteral("completed"));
    for (int job : before)
      jobs.removeOne(job);
    QVERIFY2(jobs.size() == 2, qPrintable(cups_->log()));

    // The page the layout measured is the printable area of the queue's
    // paper: as Qt's printer on the queue gives it, and as the queue's PPD.
    QPrinter queuePrinter(QPrinter::HighResolution);
    QCOMPARE(queuePrinter.printerName(), kQueue);
    queuePrinter.setPageSize(QPrinterInfo(queuePrinter).defaultPageSize());
    QCOMPARE(queuePrinter.pageLayout().pageSize().key(), paper);
    const PrintablePage page = printablePage(queuePrinter);
    const PrintLayout &layout = f->state().layout;
    QCOMPARE(layout.PageWidth, page.width);
    QCOMPARE(layout.PageHeight, page.height);
    const std::optional<PpdPaper> ppd = defaultPaper(cups_->ppd(kQueue), queuePrinter.resolution());
    QVERIFY(ppd);
    QCOMPARE(ppd->name, paper);
    QVERIFY2(std::abs(layout.PageWidth - ppd->printable.width) <= 1 &&
                 std::abs(layout.PageHeight - ppd->printable.height) <= 1,
             qPrintable(QStringLiteral("%1x%2 measured, %3x%4 in the PPD")
                            .arg(layout.PageWidth)
                            .arg(layout.PageHeight)
                            .arg(ppd->printable.width)
                            .arg(ppd->printable.height)));

    // The problem sheet, then the answer sheet, each one page of the paper.
    for (int sheet = 0; sheet < 2; ++sheet) {
      const bool answers = sheet == 1;
      const QString document = cups_->spooledDocument(jobs[sheet]);
      const QString info = poppler(QStringLiteral("pdfinfo"), {document});
      QVERIFY2(hasOnePage(document), qPrintable(document + u'\n' + info));
      QVERIFY2(info.contains(u'(' + paper + u')'), qPrintable(info));
      const QString text = textOf(document);
      QCOMPARE(text, expectedSheet(p, f->state(), answers));
      QCOMPARE(text.contains(QStringLiteral("名前（")), !answers);
      QCOMPARE(text.count(p.multiplication ? QStringLiteral("×") : QStringLiteral("÷")),
               p.printCount);
      QCOMPARE(text.count(QStringLiteral("…")), p.remainders ? p.printCount : 0);
    }
    // What came out of the queue's device last is the answer sheet.
    QVERIFY(hasOnePage(cups_->outputFile()));
    QCOMPARE(textOf(cups_->outputFile()), expectedSheet(p, f->state(), true));
  }

  void printerSetupShouldListTheQueue() {
    const QString noQueue = ensureQueue();
    QVERIFY2(noQueue.isEmpty(), qPrintable(noQueue));
    const auto f = windowOnTheSystemPrinter();
    QStringList listed;
    QString selected;
    bool shown = false;
    int ticks = 0;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, this, [&] {
      QPrintDialog *dialog = nullptr;
      for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<QPrintDialog *>(widget); found && found->isVisible())
          dialog = found;
      if (!dialog) {
        // Bounded: close whatever came up instead, so that the test fails.
        if (++ticks > 1000 && QApplication::activeModalWidget())
          QApplication::activeModalWidget()->close();
        return;
      }
      closer.stop();
      shown = true;
      for (const QComboBox *combo : dialog->findChildren<QComboBox *>()) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
          items << combo->itemText(i);
        if (items.contains(kQueue)) {
          listed = items;
          selected = combo->currentText();
        }
      }
      dialog->reject();
    });
    const QList<int32_t> layout = derivedFields(f->state().layout);
    closer.start();

    click(*f, "Button3");

    closer.stop();
    QVERIFY(shown);
    QVERIFY2(listed.contains(kQueue), qPrintable(listed.join(u',')));
    QCOMPARE(selected, kQueue);
    QVERIFY(f->errors.isEmpty());
    QCOMPARE(derivedFields(f->state().layout), layout);
  }

  void queueRemovedShouldReportAndSpoolNothing() {
    const QString noQueue = ensureQueue();
    QVERIFY2(noQueue.isEmpty(), qPrintable(noQueue));
    const auto f = windowOnTheSystemPrinter();
    click(*f, "Button1"); // the window's printer is made on the queue
    QVERIFY(f->errors.isEmpty());
    QVERIFY(f->state().layout.FontHeight > 0);
    QVERIFY(cups_->removeQueue(kQueue).isEmpty());
    QVERIFY(!hasRealPrinter());
    const QList<int32_t> layout = derivedFields(f->state().layout);
    const QStringList spooled = cups_->spooledDocuments();

    click(*f, "Button1");
    EXPECT_FAILURE(*f, 1, layout, spooled);

    click(*f, "Button7");
    EXPECT_FAILURE(*f, 2, layout, spooled);
    QCOMPARE(f->state().PrintCount, 100);

    // The printer made on the vanished queue is not used: the run is refused.
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    click(*f, "Button11");
    EXPECT_FAILURE(*f, 3, layout, spooled);
    QVERIFY2(f->errors.last().contains(QStringLiteral("問題用紙")), qPrintable(f->errors.last()));
    QVERIFY(cups_->jobs(QStringLiteral("all")).isEmpty());
  }

  void schedulerStoppedShouldReportAndSpoolNothing() {
    const QString noQueue = ensureQueue();
    QVERIFY2(noQueue.isEmpty(), qPrintable(noQueue));
    const qsizetype earlier = cups_->spooledDocuments().size();
    const auto f = windowOnTheSystemPrinter();
    click(*f, "Button9"); // a worksheet in the spool, and a layout
    QVERIFY2(f->errors.isEmpty(), qPrintable(f->errors.join(u'\n')));
    QVERIFY2(cups_->waitUntilIdle(kJobsDoneMs), qPrintable(cups_->log()));
    QCOMPARE(cups_->spooledDocuments().size(), earlier + 2);
    cups_->stop();
    QVERIFY(!hasRealPrinter());
    const QList<int32_t> layout = derivedFields(f->state().layout);
    const QStringList spooled = cups_->spooledDocuments();

    click(*f, "Button1");
    EXPECT_FAILURE(*f, 1, layout, spooled);

    click(*f, "Button10");
    EXPECT_FAILURE(*f, 2, layout, spooled);
    QCOMPARE(f->state().PrintCount, 100);

    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    click(*f, "Button15");
    EXPECT_FAILURE(*f, 3, layout, spooled);

    // Started again with its queue, the scheduler takes the same window's jobs.
    const QString notStarted = cups_->start();
    QVERIFY2(notStarted.isEmpty(), qPrintable(notStarted));
    QVERIFY(cups_->queues().contains(kQueue));
    click(*f, "Button1");
    click(*f, "Button15");
    QVERIFY2(f->errors.size() == 3, qPrintable(f->errors.join(u'\n')));
    QCOMPARE(f->state().layout.PageHeight,
             printablePage(QPrinter(QPrinter::HighResolution)).height);
    QVERIFY2(cups_->waitUntilIdle(kJobsDoneMs), qPrintable(cups_->log()));
    QCOMPARE(cups_->spooledDocuments().size(), earlier + 4);
    QCOMPARE(textOf(cups_->outputFile()), expectedSheet(kPresets[3], f->state(), true));
  }
};

QTEST_MAIN(CupsPrintingTest)
#include "cups_printing_test.moc"
