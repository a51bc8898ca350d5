// The presets printed for real: the window prints on a PDF printer, and the
// poppler tools read back pages, texts and fonts. Set NUMERIKO_SHEETS_DIR to
// keep the sheets (one folder per preset) instead of a temporary folder.

#include "batchwriter.h"
#include "formfixture.h"
#include "jobvalidation.h"
#include "pdfprinter.h"
#include "printerservice.h"
#include "reprintcode.h"
#include "seededrandom.h"
#include "worksheetpresets.h"
#include "worksheets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The font names pdffonts lists, one per font in the file.
QStringList fontNames(const QString &listing) {
  QStringList names;
  const QStringList lines = listing.split(u'\n', Qt::SkipEmptyParts);
  for (qsizetype i = 2; i < lines.size(); ++i) // after the heading and its rule
    names << lines.at(i).section(u' ', 0, 0, QString::SectionSkipEmpty);
  return names;
}

} // namespace

class PrintingPdfTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void initTestCase() {
    for (const char *tool : {"pdfinfo", "pdftotext", "pdffonts"})
      QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
               qPrintable(QStringLiteral("%1 (poppler-utils) is needed").arg(tool)));
  }

  void presetShouldPrintAProblemSheetAndAnAnswerSheet_data() {
    QTest::addColumn<int>("preset");
    for (int i = 0; i < kPresetCount; ++i)
      QTest::newRow(kPresets[i].button) << i;
  }

  void presetShouldPrintAProblemSheetAndAnAnswerSheet() {
    QFETCH(int, preset);
    const Preset &p = kPresets[preset];
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString kept = qEnvironmentVariable("NUMERIKO_SHEETS_DIR");
    const QString folder =
        kept.isEmpty() ? temporary.path() : QDir(kept).filePath(QString::fromLatin1(p.button));
    if (!kept.isEmpty())
      QDir(folder).removeRecursively();
    auto service = std::make_unique<PdfPrinter>(folder);
    PdfPrinter &pdf = *service;
    FormFixture f(std::move(service));
    f.control<QCheckBox>("CheckBox12")->setChecked(true);
    f.control<QCheckBox>("CheckBox13")->setChecked(true);

    f.control<QAbstractButton>(p.button)->click();

    QVERIFY2(f.errors.isEmpty(), qPrintable(f.errors.join(u'\n')));
    const QStringList files = pdf.files();
    QCOMPARE(files, (QStringList{QDir(folder).filePath("sheet-1.pdf"),
                                 QDir(folder).filePath("sheet-2.pdf")}));

    const NumerikoState &state = f.state();
    for (int sheet = 0; sheet < 2; ++sheet) {
      const bool answers = sheet == 1;
      const QString info = poppler("pdfinfo", {files[sheet]});
      QVERIFY2(
          info.contains(QRegularExpression("^Pages:\\s+1$", QRegularExpression::MultilineOption)),
          qPrintable(info));
      QVERIFY2(info.contains("(A4)"), qPrintable(info));

      const QString text = withoutBlanks(poppler("pdftotext", {"-raw", files[sheet], "-"}));
      QCOMPARE(text, expectedSheet(p, state, answers));
      QCOMPARE(text.contains(QStringLiteral("名前（")), !answers);
      QCOMPARE(text.count(QStringLiteral("…")), p.remainders ? p.printCount : 0);
      QCOMPARE(text.count(p.multiplication ? QStringLiteral("×") : QStringLiteral("÷")),
               p.printCount);

      // Both worksheet typefaces land on the installed Japanese font.
      const QStringList fonts = fontNames(poppler("pdffonts", {files[sheet]}));
      QVERIFY(!fonts.isEmpty());
      for (const QString &font : fonts)
        QVERIFY2(font.contains(QStringLiteral("IPAGothic")), qPrintable(fonts.join(u' ')));
    }
  }

  // The worksheet program prints a preset as the window's button does, from
  // the same random sequence, and adds its heading and footer at the end.
  void programShouldPrintThePresetAsTheWindowDoes_data() {
    presetShouldPrintAProblemSheetAndAnAnswerSheet_data();
  }

  void programShouldPrintThePresetAsTheWindowDoes() {
    QFETCH(int, preset);
    QTemporaryDir folder;
    auto service = std::make_unique<PdfPrinter>(folder.filePath(QStringLiteral("window")));
    PdfPrinter &pdf = *service;
    FormFixture f(std::move(service), std::make_unique<SeededRandom>(7));
    f.control<QCheckBox>("CheckBox12")->setChecked(true);
    f.control<QCheckBox>("CheckBox13")->setChecked(true);
    f.control<QAbstractButton>(kPresets[preset].button)->click();
    QCOMPARE(pdf.files().size(), 2);

    WorksheetJob job;
    job.preset = &kWorksheetPresets[std::size_t(preset)];
    job.seed = 7;
    job.answers = true;
    job.fields.name = true;
    const ResolvedJob resolved = std::get<ResolvedJob>(validateJob(job));
    const QString program = folder.filePath(QStringLiteral("program.pdf"));
    QCOMPARE(writeBatchPdf(resolved, program).outcome, BatchWrite::Outcome::Written);

    const QString footer =
        QString::fromUtf8(job.preset->caption.data()) + "No.1／1seed7再印刷コード" +
        QString::fromStdString(reprintCode(resolved.options, 7, {1, 1})).remove(u'-');
    for (int page = 1; page <= 2; ++page) {
      const QString window =
          withoutBlanks(poppler("pdftotext", {"-raw", pdf.files()[page - 1], "-"}));
      QString printed =
          withoutBlanks(poppler("pdftotext", {"-raw", "-f", QString::number(page), "-l",
                                              QString::number(page), program, "-"}));
      QCOMPARE(printed.remove(u'-'),
               window + (page == 1 ? "No.1" + footer : "こたえNo.1こたえ" + footer));
    }
  }

  void systemPrinterWithoutAPrinterShouldReportThroughTheWindow() {
    if (hasRealPrinter())
      QSKIP("This machine has a printer; the report of a missing printer cannot be seen here.");
    FormFixture f(makeSystemPrinterService());
    f.control<QCheckBox>("CheckBox13")->setChecked(true);

    f.control<QAbstractButton>("Button1")->click();
    QCOMPARE(f.errors.size(), 1);
    QVERIFY(!f.errors.first().isEmpty());
    QCOMPARE(f.state().layout.Rows, 33);
    QCOMPARE(f.state().layout.PageHeight, 0);
    QCOMPARE(f.state().layout.FontHeight, 0);

    // A preset stops at the layout: one report, nothing printed.
    f.control<QAbstractButton>("Button9")->click();
    QCOMPARE(f.errors.size(), 2);
    QCOMPARE(f.state().PrintCount, 90);
    QCOMPARE(f.state().layout.FontHeight, 0);

    // A print run on its own finds its document refused.
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    f.control<QAbstractButton>("Button11")->click();
    QCOMPARE(f.errors.size(), 3);
    QVERIFY2(f.errors.last().contains(QStringLiteral("問題用紙")), qPrintable(f.errors.last()));
  }
};

QTEST_MAIN(PrintingPdfTest)
#include "printing_pdf_test.moc"
