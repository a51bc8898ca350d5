// The built numeriko-worksheets as a user runs it: bad options, whole
// batches read back with the poppler tools, and files written whole or not
// at all.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <numeric>

namespace {

struct Run {
  int exitCode = -1;
  QByteArray out;
  QString err;
};

Run run(const QStringList &arguments, const QString &folder, const QString &program = {},
        const QStringList &prefix = {}, const QStringList &settings = {}) {
  QProcess process;
  process.setWorkingDirectory(folder);
  // With no display the program stays a command line even without options;
  // it speaks English, whatever the machine's locale, unless told otherwise.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  for (const char *locale : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
    environment.remove(QString::fromLatin1(locale));
  environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
  for (const QString &setting : settings)
    environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
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

QString footerCode(const QString &text) {
  return QRegularExpression(QStringLiteral("再印刷コード ([0-9A-Z-]+)")).match(text).captured(1);
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
    row("carry word", "--kind add --carry maybe", 2,
        "--carry: unknown value 'maybe' (one of yes, no, any)");
    row("unknown paper", "--kind add --paper a3", 2,
        "--paper: unknown value 'a3' (one of a4, b5, a5, letter, b4)");
    row("unknown size", "--kind add --size huge", 2,
        "--size: unknown value 'huge' (one of large, medium, small)");
    row("unknown typeface", "--kind add --typeface comic", 2,
        "--typeface: unknown value 'comic' (one of klee, ud, gothic)");
    row("unknown remainder", "--kind divide-remainder --remainder r", 2,
        "--remainder: unknown value 'r' (one of words, dots)");
    row("size fits nothing",
        "--kind divide-remainder --first 1000..9999 --size large --paper a5 --numbers", 2,
        "--size: not one problem fits the paper at this size (medium, small would)");
    row("ranges without problems", "--kind subtract --first 0..3 --second 5..9", 2,
        "--first 0..3, --second 5..9: no problem fits these ranges together");
    row("a preset's numbers without room",
        "--preset x81 --paper a5 --name-field --class-field --date-field --score-field --numbers",
        2, "--numbers: this preset's rows leave no room for numbers above them on this paper");
    row("size with a preset", "--preset x81 --size large", 2, "--size: does not go with --preset");
    row("not a reprint code", "--reprint 12-XYZ!", 2,
        "--reprint: '12-XYZ!' does not read as a reprint code");
    row("a reprint code of another version", "--reprint 5ABC-DEF0-1234", 2,
        "--reprint: the code was made by another version of the program (5)");
    row("a reprint code and a kind", "--reprint 2ABC --kind add", 2,
        "--kind: does not go with --reprint");
    row("an empty output name", "--kind add --output=", 2, "-o: the file name is empty");
    row("seed not whole", "--kind add --seed 1.5", 2, "--seed: '1.5' is not a whole number");
    row("range not parsing", "--kind add --result 3-9", 2,
        "--result: '3-9' is not a range A..B of whole numbers");
    row("a missing number in column form", "--kind missing-factor --format column", 2,
        "--format: this format takes only add, subtract, multiply, divide, divide-remainder");
    row("a cherry of two-digit numbers", "--format cherry --kind add --first 1..20", 2,
        "--first: cherry calculation takes only sums of two one-digit numbers from 11 to 18");
    row("a multiplication as a cherry", "--format cherry --kind multiply", 2,
        "--format: this format takes only add, subtract");
    row("an unknown unit", "--unit g9-calculus", 2,
        "--unit: unknown name 'g9-calculus' (see --list-units)");
    row("a unit with a kind", "--unit g2-kuku-7 --kind add", 2,
        "--kind: does not go with --unit (the unit decides its problems)");
    row("a review over half", "--unit g1-sub-borrow --review 60", 2,
        "--review: must be between 0 and 50");
    row("a review of nothing before", "--unit g2-add-col --review 20", 2,
        "--review: no unit before this one is set out the same way (nothing to review)");
    row("unknown signs", "--kind three --signs +-,x+", 2,
        "--signs: unknown value 'x+' (one of ++, --, +-, -+)");
    row("three numbers in column form", "--kind three --format column", 2,
        "--format: this format takes only add, subtract, multiply, divide, divide-remainder");
    row("a split inline", "--kind add --split first", 2, "--split: only goes with --format cherry");
    row("a subtraction's split for an addition", "--format cherry --kind add --split minuend", 2,
        "--split: no kind of the sheet splits this way");
    row("unknown cells", "--format grid --kind add --cells 50", 2,
        "--cells: unknown value '50' (one of 100, 25, 10)");
    row("cells inline", "--kind add --cells 25", 2, "--cells: only goes with --format grid");
    row("minuends below the subtrahends", "--format grid --kind subtract --first 5..12", 2,
        "--first 5..12, --second: a range with 10 minuends none below the largest subtrahend");
    row("a guide inline", "--kind add --guide none", 2, "--guide: only goes with --format column");
    row("six digits in column form", "--kind add --format column --first 0..100000", 2,
        "--first: must be between 0 and 99999");
    row("a dividend shorter than its divisor",
        "--kind divide --format column --first 1..9 --second 10..99", 2,
        "--first: the dividend has fewer digits than the divisor");
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

    // Its reprint code makes it again under its own number, and a title may
    // go with it; answer sheets carry the same code.
    const QString code = footerCode(fifth);
    QVERIFY2(!code.isEmpty(), qPrintable(fifth));
    QCOMPARE(footerCode(pageText(pdf, 10)), code);
    QCOMPARE(run({"--reprint", code, "--answers", "-o", "fifth.pdf"}, dir).exitCode, 0);
    const QString fifthAgain = QDir(dir).filePath("fifth.pdf");
    QCOMPARE(pageText(fifthAgain, 1), fifth);
    QCOMPARE(pageText(fifthAgain, 2), pageText(pdf, 10));

    // Long divisions in column form, squares only: the code brings back the
    // form and its guide, and the answers read back as text, every step.
    QCOMPARE(run({"--kind", "divide-remainder", "--format", "column", "--first", "100..999",
                  "--second", "2..9", "--guide", "squares", "--answers", "--numbers", "--sheets",
                  "2", "-o", "columns.pdf"},
                 dir)
                 .exitCode,
             0);
    const QString columns = QDir(dir).filePath("columns.pdf");
    const QString answers = pageText(columns, 4);
    QCOMPARE(run({"--reprint", footerCode(answers), "--answers", "-o", "again.pdf"}, dir).exitCode,
             0);
    QCOMPARE(pageText(QDir(dir).filePath("again.pdf"), 2), answers);
    const auto digits = [](const QString &text) {
      return text.count(QRegularExpression(QStringLiteral("\\b\\d\\b")));
    };
    QVERIFY2(digits(answers) > 2 * digits(pageText(columns, 3)), qPrintable(answers));

    // Five 百ます of subtraction: five different grids, each with its answers.
    QCOMPARE(run({"--format", "grid", "--kind", "subtract", "--sheets", "5", "--answers", "--seed",
                  "1", "-o", "grids.pdf"},
                 dir)
                 .exitCode,
             0);
    const QString grids = QDir(dir).filePath("grids.pdf");
    QCOMPARE(pages(grids), 10);
    QSet<QString> headers;
    for (int page = 1; page <= 9; page += 2) // the problem pages
      headers << pageText(grids, page).section(u'\n', 1, 12);
    QCOMPARE(headers.size(), 5);

    // A first-grade class set of a unit with a review: thirty different
    // sheets, their answers at the end and right.
    QCOMPARE(run({"--unit", "g1-sub-borrow", "--review", "25", "--sheets", "30", "--answers-at-end",
                  "-o", "class.pdf"},
                 dir)
                 .exitCode,
             0);
    const QString unit = QDir(dir).filePath("class.pdf");
    QCOMPARE(pages(unit), 60);
    QSet<QString> sheets;
    const QRegularExpression problem(
        QStringLiteral("(\\d+)\\s*([＋－])\\s*(\\d+)\\s*＝\\s*(\\d+)"));
    for (int page = 1; page <= 30; ++page) {
      sheets << pageText(unit, page).section(QStringLiteral("くりさがり"), 0, 0);
      int answered = 0;
      for (const auto &m : problem.globalMatch(pageText(unit, 30 + page))) {
        const int a = m.captured(1).toInt();
        const int b = m.captured(3).toInt();
        QCOMPARE(m.captured(4).toInt(), m.captured(2) == QStringLiteral("＋") ? a + b : a - b);
        ++answered;
      }
      QVERIFY(answered >= 10);
    }
    QCOMPARE(sheets.size(), 30);
  }

  // A grade-1 sheet: its answers print in a red that a grey-scale print still
  // tells from the black problem, between 25 % and 60 % grey.
  void answersShouldPrintInARedThatStaysGreyInGreyScale() {
    const QString dir = folder_.path();
    QCOMPARE(run({"--kind", "add", "--max", "9", "--size", "large", "--answers", "--seed", "3",
                  "--paper", "A4", // names in any case
                  "-o", "grade1.pdf"},
                 dir)
                 .exitCode,
             0);
    QCOMPARE(pageText(QDir(dir).filePath("grade1.pdf"), 1).contains(QStringLiteral("なまえ")),
             false);
    const auto greys = [&](int page) {
      const QString png = QDir(dir).filePath(QStringLiteral("grey-%1").arg(page));
      tool(QStringLiteral("pdftoppm"),
           {"-gray", "-r", "100", "-f", QString::number(page), "-l", QString::number(page),
            "-singlefile", "-png", QDir(dir).filePath("grade1.pdf"), png});
      const QImage image(png + ".png");
      std::array<int, 256> counts{};
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          ++counts[std::size_t(qGray(image.pixel(x, y)))];
      return counts;
    };
    const auto problem = greys(1);
    const auto answers = greys(2);
    // Grey in 25..60 %: from 40 % to 75 % of white.
    const auto between = [](const std::array<int, 256> &counts, int from, int to) {
      return std::accumulate(counts.begin() + from, counts.begin() + to + 1, 0);
    };
    const int answerInk = between(answers, 102, 191) - between(problem, 102, 191);
    QVERIFY2(answerInk > 2000, qPrintable(QString::number(answerInk)));
    // The problem's digits and signs stay black on both pages.
    QVERIFY(between(problem, 0, 40) > 2000 && between(answers, 0, 40) > 2000);
  }

  // A typeface that is not installed is said, with its package, and nothing
  // is printed in a stand-in.
  void aMissingTypefaceShouldBeNamedWithItsPackage() {
    const QString dir = folder_.filePath(QStringLiteral("fonts"));
    QVERIFY(QDir().mkpath(dir));
    QFile config(QDir(dir).filePath(QStringLiteral("fonts.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">"
                 "<fontconfig><dir>/usr/share/fonts/opentype/ipafont-gothic</dir>"
                 "<cachedir>" +
                 dir.toUtf8() + "/cache</cachedir></fontconfig>");
    config.close();
    const Run missing = run({"--kind", "add", "-o", "sheet.pdf"}, dir, {}, {},
                            {QStringLiteral("FONTCONFIG_FILE=") + config.fileName()});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains(QStringLiteral("Klee One SemiBold")) &&
                 missing.err.contains(QStringLiteral("fonts-klee")),
             qPrintable(missing.err));
    QVERIFY(!QFile::exists(QDir(dir).filePath(QStringLiteral("sheet.pdf"))));
    QCOMPARE(run({"--kind", "add", "--typeface", "gothic", "-o", "sheet.pdf"}, dir, {}, {},
                 {QStringLiteral("FONTCONFIG_FILE=") + config.fileName()})
                 .exitCode,
             0);
  }

  // Under a Japanese locale, help and messages are Japanese through and through.
  void theJapaneseHelpShouldHaveNoEnglishLines() {
    const Run help = run({"--help"}, folder_.path(), {}, {}, {QStringLiteral("LANG=ja_JP.UTF-8")});
    QCOMPARE(help.exitCode, 0);
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
    // Option lines and their continuations; the examples are commands.
    for (const QString &line : QString::fromUtf8(help.out).split(u'\n'))
      if (line.startsWith(QStringLiteral("  -")) || line.startsWith(QStringLiteral("        ")))
        QVERIFY2(line.contains(japanese) || line.trimmed().startsWith(u'-'), qPrintable(line));
    QVERIFY(QString::fromUtf8(help.out).contains(QStringLiteral("このヘルプを出します")));
    const Run refused = run({"--kind", "add", "--paper", "a3"}, folder_.path(), {}, {},
                            {QStringLiteral("LANG=ja_JP.UTF-8")});
    QVERIFY2(refused.err.contains(QStringLiteral("使えるのは a4, b5, a5, letter, b4")),
             qPrintable(refused.err));
    // Qt names the installed faces in Japanese there; they are found all the same.
    const Run sheet = run({"--kind", "add", "--size", "large", "-o", "ja.pdf"}, folder_.path(), {},
                          {}, {QStringLiteral("LANG=ja_JP.UTF-8")});
    QCOMPARE(sheet.exitCode, 0);
    QVERIFY(tool(QStringLiteral("pdffonts"), {QDir(folder_.path()).filePath("ja.pdf")})
                .contains(QStringLiteral("KleeOne-SemiBold")));
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
