// The worksheet core without Qt's printing: the job's check, the problems of
// every kind, the seeds, and the pages drawn on a recording canvas.

#include "batch.h"
#include "jobvalidation.h"
#include "numbertext.h"
#include "ownsheet.h"
#include "recordingcanvas.h"
#include "seededrandom.h"
#include "sheetdecorations.h"
#include "sheetgenerator.h"
#include "worksheetpresets.h"

#include <QFile>
#include <QTest>

#include <map>
#include <set>

Q_DECLARE_METATYPE(WorksheetJob)
Q_DECLARE_METATYPE(Refusal)

namespace {

WorksheetJob kinds(std::vector<SheetKind> list) {
  WorksheetJob job;
  job.kinds = std::move(list);
  return job;
}

template <typename Change> WorksheetJob with(WorksheetJob job, Change change) {
  change(job);
  return job;
}

ResolvedJob resolved(const WorksheetJob &job) {
  const JobCheck check = validateJob(job);
  if (const auto *refusal = std::get_if<Refusal>(&check))
    qFatal("refused: field %d, reason %d", int(refusal->field), int(refusal->reason));
  return std::get<ResolvedJob>(check);
}

bool within(int64_t value, const NumberRange &range) {
  return value >= range.low && value <= range.high;
}

bool carries(int32_t a, int32_t b) {
  for (; a || b; a /= 10, b /= 10)
    if (a % 10 + b % 10 > 9)
      return true;
  return false;
}

bool borrows(int32_t a, int32_t b) {
  for (; b; a /= 10, b /= 10)
    if (a % 10 < b % 10)
      return true;
  return false;
}

// Whether an item is the sum, difference, product or division it claims,
// inside its kind's ranges and with the carrying asked for.
bool holds(const SheetItem &item, const KindPlan &plan) {
  const bool ranges = within(item.first, plan.first) && within(item.second, plan.second) &&
                      within(item.result, plan.result);
  const auto carry = [&](bool happens) {
    return plan.carry == Carry::Any || (plan.carry == Carry::With) == happens;
  };
  switch (item.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    return ranges && item.first + item.second == item.result &&
           carry(carries(item.first, item.second));
  case SheetKind::Subtract:
    return ranges && item.result >= 0 && item.first - item.second == item.result &&
           carry(borrows(item.first, item.second));
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    return ranges && item.first * item.second == item.result;
  case SheetKind::Divide:
    return ranges && item.second > 0 && item.result * item.second == item.first &&
           item.remainder == 0;
  case SheetKind::DivideRemainder:
    break;
  }
  return ranges && item.remainder >= 1 && item.remainder < item.second &&
         item.result * item.second + item.remainder == item.first;
}

QString itemText(const SheetItem &item) {
  return QStringLiteral("%1 %2 %3 %4 %5 %6\n")
      .arg(int(item.kind))
      .arg(item.first)
      .arg(item.second)
      .arg(item.result)
      .arg(item.remainder)
      .arg(int(item.blank));
}

std::vector<SheetItem> sheetItems(const ResolvedJob &job, uint32_t seed) {
  SeededRandom random(seed);
  return generateSheet(factSpaces(job.sheet), job.sheet.count, random);
}

} // namespace

class WorksheetsCoreTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void shouldRefuseABadJob_data() {
    QTest::addColumn<WorksheetJob>("job");
    QTest::addColumn<Refusal>("refusal");
    using F = JobField;
    using R = RefusalReason;
    const WorksheetJob add = kinds({SheetKind::Add});
    const WorksheetJob preset =
        with(WorksheetJob{}, [](auto &j) { j.preset = &kWorksheetPresets[2]; });
    const auto row = [](const char *name, const WorksheetJob &job, F field, R reason,
                        int64_t low = 0, int64_t high = 0) {
      QTest::newRow(name) << job << Refusal{field, reason, low, high};
    };
    row("no kind or preset", WorksheetJob{}, F::Kind, R::Missing);
    row("count 0", with(add, [](auto &j) { j.count = 0; }), F::Count, R::OutOfRange, 1, 10000);
    row("count negative", with(add, [](auto &j) { j.count = -5; }), F::Count, R::OutOfRange, 1,
        10000);
    row("count 10001", with(add, [](auto &j) { j.count = 10001; }), F::Count, R::OutOfRange, 1,
        10000);
    row("sheets 1001", with(add, [](auto &j) { j.sheets = 1001; }), F::Sheets, R::OutOfRange, 1,
        1000);
    row("copies 0", with(add, [](auto &j) { j.copies = 0; }), F::Copies, R::OutOfRange, 1, 100);
    row("min above max", with(add, [](auto &j) { j.min = 8, j.max = 3; }), F::Min, R::LowAboveHigh);
    row("max beyond 9999", with(add, [](auto &j) { j.max = 10000; }), F::Max, R::OutOfRange, 0,
        9999);
    row("first negative",
        with(add,
             [](auto &j) {
               j.first = NumberRange{-1, 5};
             }),
        F::First, R::OutOfRange, 0, 9999);
    row("second backwards",
        with(add,
             [](auto &j) {
               j.second = NumberRange{9, 2};
             }),
        F::Second, R::LowAboveHigh);
    row("preset with a kind", with(preset, [](auto &j) { j.kinds = {SheetKind::Add}; }), F::Kind,
        R::NotWithPreset);
    row("preset with ranges",
        with(preset,
             [](auto &j) {
               j.first = NumberRange{1, 2};
             }),
        F::First, R::NotWithPreset);
    row("preset with a count", with(preset, [](auto &j) { j.count = 10; }), F::Count,
        R::NotWithPreset);
    row("carry on multiplication",
        with(kinds({SheetKind::Multiply}), [](auto &j) { j.carry = Carry::With; }), F::Carry,
        R::NotForKinds);
    row("divisors all 0",
        with(kinds({SheetKind::Divide}),
             [](auto &j) {
               j.second = NumberRange{0, 0};
             }),
        F::Second, R::NoDivisor, 1, 9999);
    row("remainders need a divisor of 2",
        with(kinds({SheetKind::DivideRemainder}),
             [](auto &j) {
               j.second = NumberRange{0, 1};
             }),
        F::Second, R::NoDivisor, 2, 9999);
    row("no carry can happen", with(add, [](auto &j) { j.max = 4, j.carry = Carry::With; }),
        F::Carry, R::NoProblems);
    row("result out of reach",
        with(add,
             [](auto &j) {
               j.max = 9, j.result = NumberRange{19, 30};
             }),
        F::Result, R::NoProblems);
    row("too many columns", with(add, [](auto &j) { j.max = 9999, j.columns = 10; }), F::Columns,
        R::TooSmall, 1, 10);
    row("seed beyond 32 bits", with(add, [](auto &j) { j.seed = 4294967296LL; }), F::Seed,
        R::OutOfRange, 0, 4294967295LL);
    row("control character in the title", with(add, [](auto &j) { j.title = "a\tb"; }), F::Title,
        R::BadText, 0, 80);
    row("batch beyond a million problems",
        with(add, [](auto &j) { j.count = 10000, j.sheets = 101; }), F::Sheets, R::OutOfRange, 1,
        100);
  }

  void shouldRefuseABadJob() {
    QFETCH(WorksheetJob, job);
    QFETCH(Refusal, refusal);
    const JobCheck check = validateJob(job);
    QVERIFY(std::holds_alternative<Refusal>(check));
    const Refusal &got = std::get<Refusal>(check);
    QCOMPARE(int(got.field), int(refusal.field));
    QCOMPARE(int(got.reason), int(refusal.reason));
    QCOMPARE(got.low, refusal.low);
    QCOMPARE(got.high, refusal.high);
  }

  void shouldReadRangesAndNumbersOnlyWhenWhole() {
    QCOMPARE(parseRange("10..99"), (std::optional<NumberRange>{{10, 99}}));
    QCOMPARE(parseRange("7"), (std::optional<NumberRange>{{7, 7}}));
    for (const char *bad : {"", "..", "1..", "..9", "1...9", "a..b", "1..2..3", "1.5", " 3"})
      QVERIFY2(!parseRange(bad), bad);
    QCOMPARE(parseWholeNumber("+42"), std::optional<int64_t>(42));
    for (const char *bad : {"4e2", "+-5", "--5", "-", "99999999999999999999x"})
      QVERIFY2(!parseWholeNumber(bad), bad);
    QCOMPARE(parseWholeNumber("-7"), std::optional<int64_t>(-7));
    QCOMPARE(parseWholeNumber("-9223372036854775808"), std::optional<int64_t>(INT64_MIN));
    QCOMPARE(parseWholeNumber("99999999999999999999"), std::optional<int64_t>(INT64_MAX));
  }

  void everyProblemShouldBeWhatItsKindAndRangesAsk_data() {
    QTest::addColumn<WorksheetJob>("job");
    QTest::addColumn<int>("distinctFacts"); // -1: more than the count
    QTest::newRow("drill's subtraction set")
        << with(kinds({SheetKind::Subtract}), [](auto &j) { j.max = 9, j.count = 110; }) << 55;
    QTest::newRow("addition without carrying") << with(kinds({SheetKind::Add}), [](auto &j) {
      j.first = NumberRange{10, 99}, j.second = NumberRange{10, 99};
      j.carry = Carry::Without, j.count = 200;
    }) << -1;
    QTest::newRow("subtraction with borrowing") << with(kinds({SheetKind::Subtract}), [](auto &j) {
      j.min = 10, j.max = 99, j.carry = Carry::With, j.count = 300;
    }) << -1;
    QTest::newRow("narrow result, wide operands (sampled)")
        << with(kinds({SheetKind::Add}),
                [](auto &j) {
                  j.max = 9999, j.result = NumberRange{5000, 5002}, j.count = 40;
                })
        << -1;
    QTest::newRow("times table, each fact once") << kinds({SheetKind::MissingFactor}) << -1;
    QTest::newRow("exact division, repeated evenly")
        << with(kinds({SheetKind::Divide}), [](auto &j) { j.count = 200; }) << 81;
    QTest::newRow("division with remainder, wide")
        << with(kinds({SheetKind::DivideRemainder}),
                [](auto &j) {
                  j.first = NumberRange{100, 9999}, j.second = NumberRange{2, 99};
                })
        << -1;
    QTest::newRow("mix of three") << with(kinds({SheetKind::Add, SheetKind::MissingAddend,
                                                 SheetKind::Divide}),
                                          [](auto &j) { j.count = 31; })
                                  << -1;
  }

  void everyProblemShouldBeWhatItsKindAndRangesAsk() {
    QFETCH(WorksheetJob, job);
    QFETCH(int, distinctFacts);
    const ResolvedJob settled = resolved(job);
    const std::vector<SheetItem> items = sheetItems(settled, 7);
    QCOMPARE(int(items.size()), settled.sheet.count);
    std::map<SheetKind, int> perKind;
    std::map<std::tuple<int, int, int, int>, int> seen;
    for (const SheetItem &item : items) {
      const auto plan = std::find_if(settled.sheet.kinds.begin(), settled.sheet.kinds.end(),
                                     [&](const KindPlan &p) { return p.kind == item.kind; });
      QVERIFY(plan != settled.sheet.kinds.end());
      QVERIFY2(holds(item, *plan), qPrintable(itemText(item)));
      const bool missing =
          item.kind == SheetKind::MissingFactor || item.kind == SheetKind::MissingAddend;
      QCOMPARE(item.blank != Blank::Result, missing);
      ++perKind[item.kind];
      ++seen[{int(item.kind), item.first, item.second, item.remainder}];
    }
    // The count is shared out evenly over the kinds, and facts evenly over the count.
    for (const auto &[kind, count] : perKind)
      QVERIFY(std::abs(count - settled.sheet.count / int(perKind.size())) <= 1);
    const auto [fewest, most] = std::minmax_element(
        seen.begin(), seen.end(), [](auto &a, auto &b) { return a.second < b.second; });
    QVERIFY(most->second - fewest->second <= 1);
    if (distinctFacts > 0)
      QCOMPARE(int(seen.size()), distinctFacts);
    else
      QCOMPARE(most->second, 1);
  }

  // A seed's sheet is the same everywhere: pinned against a committed sheet.
  void aSeedShouldGiveTheCommittedSheet() {
    const ResolvedJob job = resolved(
        with(kinds({SheetKind::Subtract, SheetKind::MissingFactor, SheetKind::DivideRemainder}),
             [](auto &j) { j.count = 24; }));
    QString text;
    for (const SheetItem &item : sheetItems(job, 2024))
      text += itemText(item);
    ProblemBank bank;
    SeededRandom random(2024);
    fillPresetTable(kWorksheetPresets[2], bank, random);
    for (int32_t slot = 1; slot <= 10; ++slot)
      text += QStringLiteral("%1/%2 ")
                  .arg(bank.ProblemTable.at(slot).Result)
                  .arg(bank.ProblemTable.at(slot).Left);
    text += QStringLiteral("\n%1 %2\n").arg(sheetSeed(7, 2)).arg(sheetSeed(7, 30));
    QFile pinned(QStringLiteral(NUMERIKO_TEST_DATA "/pinned-sheet.txt"));
    if (qEnvironmentVariableIsSet("NUMERIKO_REPIN") && pinned.open(QIODevice::WriteOnly))
      pinned.write(text.toUtf8());
    QVERIFY(QFile::exists(pinned.fileName()));
    pinned.close();
    QVERIFY(pinned.open(QIODevice::ReadOnly));
    QCOMPARE(text, QString::fromUtf8(pinned.readAll()));
  }

  // A footer's seed given as the batch seed prints that sheet again.
  void aSheetsOwnSeedShouldPrintItAgain() {
    WorksheetJob job = with(kinds({SheetKind::Add}), [](auto &j) { j.sheets = 5, j.seed = 7; });
    const std::vector<BatchPart> parts = batchParts(resolved(job));
    QCOMPARE(parts.size(), std::size_t{5});
    std::set<uint32_t> seeds;
    for (const BatchPart &part : parts)
      seeds.insert(part.label.seed);
    QCOMPARE(seeds.size(), std::size_t{5});
    QCOMPARE(parts[0].label.seed, 7U);
    job.sheets = 1;
    job.seed = parts[3].label.seed;
    const ResolvedJob again = resolved(job);
    QCOMPARE(sheetItems(again, batchParts(again)[0].label.seed),
             sheetItems(resolved(job), parts[3].label.seed));
    QVERIFY(sheetItems(again, 7) != sheetItems(again, 8));
  }

  void aBatchShouldOrderItsSheetsCopiesAndAnswers() {
    WorksheetJob job = with(kinds({SheetKind::Add}),
                            [](auto &j) { j.sheets = 2, j.copies = 2, j.answers = true; });
    const auto order = [](const ResolvedJob &r) {
      QString text;
      for (const BatchPart &p : batchParts(r))
        text += QStringLiteral("%1%2 ").arg(p.label.answers ? 'A' : 'P').arg(p.label.sheet);
      return text;
    };
    // The spooler's jobs: one for each sheet, with the answers that follow it.
    const auto jobs = [](const ResolvedJob &r, bool oneJob) {
      QStringList text;
      for (const auto &parts : spoolerJobs(r, oneJob)) {
        QString one;
        for (const BatchPart &p : parts)
          one += QStringLiteral("%1%2").arg(p.label.answers ? 'A' : 'P').arg(p.label.sheet);
        text << one;
      }
      return text.join(u' ');
    };
    QCOMPARE(order(resolved(job)), QStringLiteral("P1 P1 A1 P2 P2 A2 "));
    QCOMPARE(jobs(resolved(job), false), QStringLiteral("P1P1A1 P2P2A2"));
    QCOMPARE(jobs(resolved(job), true), QStringLiteral("P1P1A1P2P2A2"));
    job.answersAtEnd = true;
    QCOMPARE(order(resolved(job)), QStringLiteral("P1 P1 P2 P2 A1 A2 "));
    QCOMPARE(jobs(resolved(job), false), QStringLiteral("P1P1 P2P2 A1 A2"));
  }

  // Every page on every paper: the grid breaks into pages, texts stay on the
  // page and the heading clear of the name field, and boxes are heavy enough.
  void pagesShouldHoldTheirProblemsOnEveryPaper_data() {
    QTest::addColumn<WorksheetJob>("job");
    QTest::addColumn<int>("pagesPerSheet");
    const auto fields = [](WorksheetJob j) {
      j.fields = {true, true, true, true, true};
      j.title = "";
      j.answers = true;
      return j;
    };
    for (const PaperInfo &info : kPapers) {
      const Paper paper = info.paper;
      const auto on = [&](WorksheetJob j) {
        j.page.paper = paper;
        return j;
      };
      const QByteArray name = QByteArray::number(int(paper));
      QTest::newRow("missing factor, " + name)
          << on(fields(with(kinds({SheetKind::MissingFactor}), [](auto &j) { j.count = 95; })))
          << 4;
      QTest::newRow("wide division, " + name)
          << on(fields(with(kinds({SheetKind::DivideRemainder}),
                            [](auto &j) { j.max = 9999, j.rows = 15; })))
          << 1;
      for (std::size_t p = 0; p < kWorksheetPresets.size(); ++p)
        QTest::newRow(QByteArray(kWorksheetPresets[p].name.data()) + ", " + name)
            << on(fields(with(WorksheetJob{}, [&](auto &j) { j.preset = &kWorksheetPresets[p]; })))
            << 1;
    }
  }

  void pagesShouldHoldTheirProblemsOnEveryPaper() {
    QFETCH(WorksheetJob, job);
    QFETCH(int, pagesPerSheet);
    const ResolvedJob settled = resolved(job);
    const PrintableArea area = printableArea(settled.sheet.page);
    RecordingCanvas canvas(kSheetDpi);
    QCOMPARE(printBatch(settled, canvas, area), BatchOutcome::Printed);
    QVERIFY(canvas.misuses().empty());
    QCOMPARE(int(canvas.documents().size()), 2 * pagesPerSheet);
    QCOMPARE(int64_t(canvas.documents().size()), batchPages(settled));
    int64_t items = 0;
    for (const RecordedDocument &page : canvas.documents()) {
      QVERIFY(page.finished);
      for (const RecordedText &text : page.texts()) {
        QVERIFY2(text.x >= 0 && text.x < area.width && text.y >= 0 && text.y < area.height,
                 text.text.c_str());
        items += text.text == "＝";
      }
      if (!settled.sheet.preset)
        for (const RecordedRectangle &box : page.rectangles())
          QVERIFY(box.lineWidth >= kRulePixels);
    }
    QCOMPARE(items, 2 * int64_t{settled.sheet.count});

    // The heading stays within the top margin and clear of the name field.
    PrintLayout layout;
    computeLayout(layout, settled.sheet.rows, settled.sheet.columns, 1, settled.sheet.charsAcross,
                  area.width, area.height);
    const std::vector<PlacedText> heading =
        headingTexts(layout, settled.sheet, {1, 1, 0, false}, kItemClearance);
    QCOMPARE(int(heading.size()), 2);
    const int32_t nameLeft = area.width / 3;
    const int32_t nameBottom = layout.FontHeight / 2 + layout.TopMargin / 2;
    for (const PlacedText &t : heading) {
      const int64_t right = t.x + textHalves(t.text) * t.cell / 2;
      QVERIFY2(t.y + t.cell <= layout.TopMargin - kItemClearance && right <= area.width,
               t.text.c_str());
      QVERIFY2(right <= nameLeft || t.y >= nameBottom, t.text.c_str());
      QVERIFY2(t.cell >= kSmallestItemPixels, t.text.c_str());
    }
  }
};

QTEST_APPLESS_MAIN(WorksheetsCoreTest)
#include "worksheets_core_test.moc"
