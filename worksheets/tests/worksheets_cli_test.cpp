// The built numeriko-worksheets as a user runs it: bad options, whole
// batches read back with the poppler tools, and files written whole or not
// at all.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
  int exitCode = -1;
  QByteArray out;
  QString err;
};

Run run(const QStringList &arguments, const QString &folder, const QString &program = {},
        const QStringList &prefix = {}) {
  QProcess process;
  process.setWorkingDirectory(folder);
  // With no display the program stays a command line even without options.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  process.setProcessEnvironment(environment);
  process.start(program.isEmpty() ? QStringLiteral(NUMERIKO_WORKSHEETS) : program,
                prefix + arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
    return {};
  return {process.exitCode(), process.readAllStandardOutput(),
          QString::fromUtf8(process.readAllStandardError())};
}

QString tool(const QString &name, const QStringList &arguments) {
  QProcess process;
  process.start(name, arguments);
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

int pages(const QString &pdf) {
  const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                         .match(tool(QStringLiteral("pdfinfo"), {pdf}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of one page, or of all, with the footer's line left out.
QString pageText(const QString &pdf, int page = 0) {
  QStringList arguments{QStringLiteral("-raw")};
  if (page > 0)
    arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
              << QString::number(page);
  return tool(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

QString footerSeed(const QString &text) {
  return QRegularExpression(QStringLiteral("seed (\\d+)")).match(text).captured(1);
}

} // namespace

class WorksheetsCliTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;

private Q_SLOTS:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty());
  }

  void badInputShouldSayWhatIsWrongAndWriteNothing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const QString &arguments, int exit, const char *text) {
      QTest::newRow(name) << arguments.split(u' ', Qt::SkipEmptyParts) << exit
                          << QString::fromUtf8(text);
    };
    row("no options", {}, 2, "Usage: numeriko-worksheets");
    row("count 0", "--kind add --count 0", 2, "--count: must be between 1 and 10000");
    row("count negative", "--kind add --count -3", 2, "--count: must be between 1 and 10000");
    row("too many problems", "--kind add --count 10001", 2, "--count: must be between 1 and 10000");
    row("too many sheets", "--preset x81 --sheets 1001", 2, "--sheets: must be between 1 and 1000");
    row("min above max", "--kind add --min 9 --max 2", 2, "--min: must not be above --max");
    row("range outside", "--kind add --first 0..10000", 2, "--first: must be between 0 and 9999");
    row("unknown kind", "--kind divide,cube", 2, "--kind: unknown name 'cube' (see --list-kinds)");
    row("unknown preset", "--preset x82", 2, "--preset: unknown name 'x82' (see --list-presets)");
    row("preset and kind", "--preset div90 --kind add", 2,
        "--kind: does not go with --preset, which fixes its problems");
    row("preset and range", "--preset div90 --max 5", 2,
        "--max: does not go with --preset, which fixes its problems");
    row("carry on division", "--kind divide --carry no", 2,
        "--carry: only applies to add, subtract and missing-addend");
    row("carry word", "--kind add --carry maybe", 2, "--carry: unknown value 'maybe'");
    row("unknown paper", "--kind add --paper a3", 2, "--paper: unknown value 'a3'");
    row("seed not whole", "--kind add --seed 1.5", 2, "--seed: '1.5' is not a whole number");
    row("range not parsing", "--kind add --result 3-9", 2,
        "--result: '3-9' is not a range A..B of whole numbers");
    row("divisors all 0", "--kind divide --second 0..0", 2, "--second: no divisor of 1 or more");
    row("missing folder", "--kind add -o nowhere/sheet.pdf", 1, "does not exist");
    row("under a plain file", "--kind add -o plain/sheet.pdf", 1, "is not a folder");
  }

  void badInputShouldSayWhatIsWrongAndWriteNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QDir dir(folder_.filePath(QString::fromLatin1(QTest::currentDataTag())));
    QVERIFY(QDir().mkpath(dir.path()));
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    const Run result = run(arguments, dir.path());
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(result.err.count(u'\n'), 1 + (arguments.isEmpty() || exitCode == 1 ? 1 : 0));
    QVERIFY(result.out.isEmpty());
    QCOMPARE(dir.entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"plain"});
  }

  // The class's sheets: 60 pages, the same for the same seed, and a footer's
  // seed prints its one sheet again.
  void aSeededBatchShouldBeReproducible() {
    const QString dir = folder_.path();
    const QStringList batch{"--preset", "divrem100", "--answers", "--sheets", "30", "--seed"};
    QCOMPARE(run(batch + QStringList{"7", "-o", "class-3.pdf"}, dir).exitCode, 0);
    QCOMPARE(run(batch + QStringList{"7", "-o", "again.pdf"}, dir).exitCode, 0);
    QCOMPARE(run(batch + QStringList{"8", "-o", "other.pdf"}, dir).exitCode, 0);
    const QString pdf = QDir(dir).filePath("class-3.pdf");
    QCOMPARE(pages(pdf), 60);
    QCOMPARE(pageText(pdf), pageText(QDir(dir).filePath("again.pdf")));
    QVERIFY(pageText(pdf, 1) != pageText(QDir(dir).filePath("other.pdf"), 1));

    const QString fifth = pageText(pdf, 9); // sheet 5, after four sheets and their answers
    QVERIFY2(fifth.contains(QStringLiteral("No.5／30")), qPrintable(fifth));
    const QString seed = footerSeed(fifth);
    QVERIFY(!seed.isEmpty());
    const Run one = run({"--preset", "divrem100", "--answers", "--seed", seed, "-o", "-"}, dir);
    QCOMPARE(one.exitCode, 0);
    QVERIFY(one.out.startsWith("%PDF"));
    QFile reprint(QDir(dir).filePath("reprint.pdf"));
    QVERIFY(reprint.open(QIODevice::WriteOnly));
    reprint.write(one.out);
    reprint.close();
    // The sheet's number in the footer and the answers' heading aside.
    const auto problems = [](QString text) {
      return text.remove(QRegularExpression(QStringLiteral("\\S*No\\.\\d+(／\\d+.*)?")));
    };
    QCOMPARE(problems(pageText(reprint.fileName(), 1)), problems(fifth));
    QCOMPARE(problems(pageText(reprint.fileName(), 2)), problems(pageText(pdf, 10)));
  }

  // Without -o: worksheets.pdf here, said on standard error with the drawn seed.
  void theDefaultOutputShouldBeSaid() {
    const QString dir = folder_.filePath(QStringLiteral("default"));
    QVERIFY(QDir().mkpath(dir));
    const Run result =
        run({"--kind", "subtract", "--max", "9", "--count", "50", "--date-field"}, dir);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.contains(QStringLiteral("wrote 2 pages to worksheets.pdf")),
             qPrintable(result.err));
    QVERIFY(!footerSeed(result.err).isEmpty());
    QCOMPARE(pages(QDir(dir).filePath(QStringLiteral("worksheets.pdf"))), 2);
  }

  // A disk that fills up (a file size limit, its signal ignored) leaves the
  // earlier file as it was and no temporary file behind.
  void aFullDiskShouldLeaveTheOldFileAlone() {
    const QString dir = folder_.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(dir));
    QFile old(QDir(dir).filePath(QStringLiteral("sheets.pdf")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier sheets");
    old.close();
    const Run result = run(
        {"--preset", "hard100", "--sheets", "50", "-o", "sheets.pdf"}, dir, QStringLiteral("bash"),
        {"-c", "trap '' XFSZ; ulimit -f 40; exec \"$0\" \"$@\"", NUMERIKO_WORKSHEETS});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(QStringLiteral("cannot write sheets.pdf")),
             qPrintable(result.err));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier sheets"));
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"sheets.pdf"});
  }
};

QTEST_GUILESS_MAIN(WorksheetsCliTest)
#include "worksheets_cli_test.moc"
