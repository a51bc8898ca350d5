#include "facemetrics.h"
#include "printruns.h"
#include "problembank.h"
#include "qtprintcanvas.h"
#include "qtprinter.h"
#include "randomsource.h"
#include "recordingcanvas.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <memory>

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &file) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  return printer;
}

// A poppler tool's output, or a null string when the tool is not installed.
QString popplerOutput(const QString &tool, const QStringList &arguments) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty())
    return {};
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(-1) || process.exitCode() != 0)
    return QStringLiteral("<%1 failed>").arg(tool);
  return QString::fromUtf8(process.readAllStandardOutput());
}

void verifyOnePage(const QString &file) {
  QVERIFY(QFile::exists(file));
  const QString info = popplerOutput("pdfinfo", {file});
  if (info.isNull()) {
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    return;
  }
  QVERIFY2(QRegularExpression("^Pages:\\s+1$", QRegularExpression::MultilineOption)
               .match(info)
               .hasMatch(),
           qPrintable(info));
}

// The page's text layer, or a null string without pdftotext.
QString pageText(const QString &file) { return popplerOutput("pdftotext", {file, "-"}); }

int cellHeight(const QFont &font, QPrinter &printer) {
  const QFontMetrics metrics(font, &printer);
  return metrics.ascent() + metrics.descent();
}

} // namespace

class QtPrintCanvasTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void shouldPrintADivisionSheetToOnePage() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("divisions.pdf");
    const auto printer = pdfPrinter(file);
    ProblemBank bank;
    bank.HardProblemTable.at(1) = {5, 3, 17, 2, 0};
    bank.HardProblemTable.at(2) = {7, 6, 43, 1, 0};
    bank.HardProblemTable.at(3) = {2, 4, 8, 0, 0};

    const PrintablePage page = printablePage(*printer);
    QVERIFY(page.width > 0 && page.height > 0);
    PrintLayout layout;
    computeLayout(layout, 21, 4, 1, 6, page.width, page.height);
    QtPrintCanvas canvas(*printer);
    QCOMPARE(printDivisionRun(canvas, bank.HardProblemTable, layout, 3, {true, false}),
             PrintOutcome::Printed);

    verifyOnePage(file);
    const QString text = pageText(file);
    if (text.isNull())
      return;
    for (const char *expected : {"17", "43", "8", "5", "7", "2", "÷"})
      QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
    QVERIFY2(!text.contains("6"), qPrintable(text)); // quotients stay off the problem sheet
  }

  void shouldPrintBothSheetsAsTwoJobs() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("products.pdf");
    const auto printer = pdfPrinter(file);
    ProblemBank bank;
    bank.ProblemTable.at(1) = {3, 4, 12, 0, 0};
    bank.ProblemTable.at(2) = {7, 8, 56, 0, 0};
    const PrintablePage page = printablePage(*printer);
    PrintLayout layout;
    computeLayout(layout, 21, 4, 1, 6, page.width, page.height);
    QtPrintCanvas canvas(*printer);
    MersenneRandom random(7, MersenneRandom::Reseed::Never);
    QCOMPARE(printMultiplicationRun(canvas, bank.ProblemTable, layout, 2, {true, true}, random),
             PrintOutcome::Printed);

    // A PDF printer writes each job over the last: the file is the answer sheet.
    verifyOnePage(file);
    const QString text = pageText(file);
    if (text.isNull())
      return;
    for (const char *expected : {"3", "4", "12", "7", "8", "56", "×"})
      QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
  }

  void shouldReportARefusedJob() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("missing/folder/sheet.pdf");
    const auto printer = pdfPrinter(file);
    QtPrintCanvas canvas(*printer);
    QVERIFY(!canvas.beginDocument());
    QVERIFY(!canvas.endDocument());
    ProblemBank bank;
    PrintLayout layout;
    computeLayout(layout, 21, 4, 1, 6, 4800, 6800);
    QCOMPARE(printDivisionRun(canvas, bank.ProblemTable, layout, 3, {true, true}),
             PrintOutcome::ProblemSheetRefused);
    QVERIFY(!QFile::exists(file));
  }

  void shouldPutTheCellTopLeftAtThePoint() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("corner.pdf");
    const auto printer = pdfPrinter(file);
    QtPrintCanvas canvas(*printer);
    QVERIFY(canvas.beginDocument());
    canvas.setTypeface("DejaVu Sans");
    canvas.setCellHeight(600);
    canvas.text(1200, 2400, "88");
    QVERIFY(canvas.endDocument());

    const QString boxes = popplerOutput("pdftotext", {"-bbox", file, "-"});
    if (boxes.isNull())
      return;
    const QRegularExpressionMatch word =
        QRegularExpression(
            R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">88<)re")
            .match(boxes);
    QVERIFY2(word.hasMatch(), qPrintable(boxes));
    // Device pixels to points, from the printable area's corner on the page.
    const QPoint corner = printer->pageLayout().paintRectPixels(printer->resolution()).topLeft();
    const double pointsPerPixel = 72.0 / printer->resolution();
    QVERIFY(qAbs(word.captured(1).toDouble() - (corner.x() + 1200) * pointsPerPixel) < 0.5);
    QVERIFY(qAbs(word.captured(2).toDouble() - (corner.y() + 2400) * pointsPerPixel) < 0.5);
    QVERIFY(qAbs(word.captured(3).toDouble() - (corner.y() + 3000) * pointsPerPixel) < 0.5);
  }

  void shouldSizeTheCellInDevicePixels_data() {
    QTest::addColumn<QString>("typeface");
    QTest::addColumn<int>("cell");
    for (const char *typeface : {"FC数字書体05", "MSゴシック", "DejaVu Sans", "IPAGothic"})
      for (const int cell : {12, 40, 141, 184, 340, 1000})
        QTest::addRow("%s, %d", typeface, cell) << QString::fromUtf8(typeface) << cell;
  }

  void shouldSizeTheCellInDevicePixels() {
    QFETCH(QString, typeface);
    QFETCH(int, cell);
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath("cell.pdf"));
    QtPrintCanvas canvas(*printer);
    canvas.setTypeface(typeface.toStdString());
    canvas.setCellHeight(cell);
    QVERIFY2(qAbs(cellHeight(canvas.font(), *printer) - cell) <= 2,
             qPrintable(QString::number(cellHeight(canvas.font(), *printer))));

    // The cell height holds for a typeface named after it, and inside a job.
    canvas.setTypeface("DejaVu Serif");
    QVERIFY(qAbs(cellHeight(canvas.font(), *printer) - cell) <= 2);
    QVERIFY(canvas.beginDocument());
    canvas.setTypeface(typeface.toStdString());
    QVERIFY(qAbs(cellHeight(canvas.font(), *printer) - cell) <= 2);
    QVERIFY(canvas.endDocument());
  }

  void shouldKeepDegenerateCellsDrawable() {
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath("cell.pdf"));
    QtPrintCanvas canvas(*printer);
    canvas.setCellHeight(0);
    QCOMPARE(canvas.font().pixelSize(), 1);
    canvas.setCellHeight(-300);
    QCOMPARE(canvas.font().pixelSize(), 1);
    canvas.setPointSize(-4);
    QCOMPARE(canvas.font().pixelSize(), 1);
    canvas.setPointSize(std::numeric_limits<int32_t>::max());
    QCOMPARE(canvas.font().pixelSize(), 1 << 15);
    canvas.setCellHeight(std::numeric_limits<int32_t>::max());
    QVERIFY(canvas.font().pixelSize() > 1 << 14 && canvas.font().pixelSize() <= 1 << 15);
  }

  void shouldSetPointsAtThePrinterResolution() {
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath("points.pdf"));
    QtPrintCanvas canvas(*printer);
    QCOMPARE(canvas.verticalDpi(), printer->resolution());
    QVERIFY(canvas.verticalDpi() >= 300);
    canvas.setTypeface("MSゴシック");
    canvas.setPointSize(20);
    QCOMPARE(canvas.font().pixelSize(), qRound(20.0 * printer->resolution() / 72.0));
    canvas.setCellHeight(100);
    canvas.setPointSize(10);
    QCOMPARE(canvas.font().pixelSize(), qRound(10.0 * printer->resolution() / 72.0));
  }

  // The advance tables that layout measures with, held to the fonts: every
  // character they cover, the cell and the digits' height, and the width the
  // canvas measures on a PDF page against the recorder's.
  void faceTablesShouldMatchTheInstalledFonts_data() {
    QTest::addColumn<QString>("family");
    for (const std::string_view family : {kKleeOneFamily, kUdGothicFamily, kIpaGothicFamily})
      QTest::newRow(family.data()) << QString::fromUtf8(family.data(), qsizetype(family.size()));
  }

  void faceTablesShouldMatchTheInstalledFonts() {
    QFETCH(QString, family);
    QFont font;
    setTypefaceOf(font, family.toStdString());
    font.setPixelSize(kEmUnits);
    const QRawFont installed = QRawFont::fromFont(font);
    QVERIFY2(installed.familyName() == font.family() &&
                 (font.styleName().isEmpty() || installed.styleName() == font.styleName()),
             qPrintable(family + " is not installed"));
    const FaceMetrics &face = faceMetrics(family.toStdString());
    QCOMPARE(QString::fromUtf8(face.family.data(), qsizetype(face.family.size())), family);
    const QRawFont raw = QRawFont::fromFont(font);
    QVERIFY(qAbs(raw.ascent() - face.ascent) <= 1 && qAbs(raw.descent() - face.descent) <= 1);
    const quint32 zero = raw.glyphIndexesForString(QStringLiteral("0")).constFirst();
    QVERIFY(qAbs(-raw.boundingRect(zero).top() - face.figureHeight) <= 1);

    int checked = 0;
    for (const auto &[low, high] : {std::pair<char32_t, char32_t>{0x20, 0x7E},
                                    {0xA0, 0xFF},
                                    {0x2000, 0x206F},
                                    {0x3000, 0x30FF},
                                    {0xFF00, 0xFFEF}})
      for (char32_t c = low; c <= high; ++c) {
        const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromUcs4(&c, 1));
        if (glyphs.isEmpty() || glyphs.constFirst() == 0)
          continue; // not in the font: never printed in it
        const double advance =
            raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics).constFirst().x();
        QVERIFY2(qAbs(advance - face.advance(c)) <= 1,
                 qPrintable(QStringLiteral("U+%1: %2, table %3")
                                .arg(uint(c), 4, 16, QLatin1Char('0'))
                                .arg(advance)
                                .arg(face.advance(c))));
        ++checked;
      }
    QVERIFY(checked > 300);

    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath("widths.pdf"));
    QtPrintCanvas canvas(*printer);
    RecordingCanvas recorder(canvas.verticalDpi());
    for (PrintCanvas *c :
         {static_cast<PrintCanvas *>(&canvas), static_cast<PrintCanvas *>(&recorder)}) {
      c->setTypeface(family.toStdString());
      c->setPointSize(34);
    }
    for (const char *text : {"1234567890", "No.17", "8 ＋ 7 ＝", "なまえ　ねん　くみ", "5あまり1",
                             "名前　月　日", "× ÷ …", "(12)"}) {
      const int32_t printed = canvas.textWidth(text);
      QVERIFY2(printed > 0 && qAbs(printed - recorder.textWidth(text)) <= 1 + printed / 100,
               qPrintable(QStringLiteral("%1: %2 against %3")
                              .arg(QString::fromUtf8(text))
                              .arg(printed)
                              .arg(recorder.textWidth(text))));
    }
  }

  // Colour, fills and curves reach the page; a white box erases beneath it.
  void shouldDrawInColourWithFillsAndCurves() {
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath("shapes.pdf"));
    QtPrintCanvas canvas(*printer);
    QVERIFY(canvas.beginDocument());
    canvas.setColour({240, 80, 64});
    canvas.setLineWidth(20);
    canvas.rectangle(100, 100, 1000, 1000, Fill::Grey);
    canvas.rectangle(1200, 100, 2000, 1000, Fill::None);
    canvas.ellipse(100, 1200, 1000, 2000, Fill::None);
    canvas.arc(1200, 1200, 2000, 2000, 90, 180);
    canvas.setColour(kBlackInk);
    canvas.rectangle(300, 300, 800, 800, Fill::White);
    QVERIFY(canvas.endDocument());
    const QString rendered = dir.filePath("shapes");
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
      QSKIP("pdftoppm (poppler-utils) is needed to look at the page");
    QProcess::execute("pdftoppm",
                      {"-r", "60", "-png", "-singlefile", dir.filePath("shapes.pdf"), rendered});
    const QImage image(rendered + ".png");
    QVERIFY(!image.isNull());
    // Device pixels to 60 dpi, from the printable area's corner.
    const QPoint corner = printer->pageLayout().paintRectPixels(60).topLeft();
    const int scale = printer->resolution() / 60;
    const auto at = [&](int x, int y) {
      return image.pixelColor(corner + QPoint(x / scale, y / scale));
    };
    QCOMPARE(at(200, 200), QColor(kGreyFill.red, kGreyFill.green, kGreyFill.blue));
    QCOMPARE(at(550, 550), QColor(Qt::white));
    QVERIFY(at(105, 550).red() > 200 && at(105, 550).green() < 120);
    QCOMPARE(at(1600, 550), QColor(Qt::white)); // unfilled
    QVERIFY(at(1205, 550).red() > 200 && at(1205, 550).blue() < 120);
    QVERIFY(at(550, 1205).red() > 200); // the ellipse's top
    QCOMPARE(at(550, 1600), QColor(Qt::white));
    QVERIFY(at(1205, 1600).red() > 200);         // the arc's left half
    QCOMPARE(at(1995, 1600), QColor(Qt::white)); // not its right half
  }

  void shouldMeasureThePrintableArea() {
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath("page.pdf"));
    const PrintablePage page = printablePage(*printer);
    QCOMPARE(page.width, printer->width());
    QCOMPARE(page.height, printer->height());
    QVERIFY(page.height > page.width);
  }
};

QTEST_MAIN(QtPrintCanvasTest)
#include "qtprintcanvas_test.moc"
