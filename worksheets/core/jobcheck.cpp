#include "jobcheck.h"

#include "factspace.h"
#include "formatkinds.h"
#include "gridheaders.h"
#include "numbertext.h"
#include "sheetkinds.h"
#include "sheetstyles.h"
#include "units.h"
#include "worksheetpresets.h"

#include <algorithm>

namespace {

struct Failed {
  Refusal refusal;
};

void need(bool holds, JobField field, RefusalReason reason, int64_t low = 0, int64_t high = 0) {
  if (!holds)
    throw Failed{{field, reason, low, high}};
}

int32_t within(std::optional<int64_t> value, int64_t fallback, Limits limits, JobField field) {
  const int64_t v = value.value_or(fallback);
  need(v >= limits.low && v <= limits.high, field, RefusalReason::OutOfRange, limits.low,
       limits.high);
  return static_cast<int32_t>(v);
}

void checkOperand(int64_t value, Limits limits, JobField field) {
  need(value >= limits.low && value <= limits.high, field, RefusalReason::OutOfRange, limits.low,
       limits.high);
}

void checkRange(NumberRange range, Limits limits, JobField field) {
  checkOperand(range.low, limits, field);
  checkOperand(range.high, limits, field);
  need(range.low <= range.high, field, RefusalReason::LowAboveHigh);
}

// Whether `--carry` means something for the kind: carrying in additions,
// borrowing in subtractions, and in column form the carries of a product.
bool takesCarry(SheetKind kind, SheetFormat format) {
  return kindInfo(kind).takesCarry ||
         (format == SheetFormat::Column && kind == SheetKind::Multiply);
}

// What the column form asks of a kind beyond its ranges: a multiplier or
// divisor of at most two digits (capped when only --max set it, refused
// when --second or --min ask for more), a quotient of at least 1, and a
// dividend with digits enough for the divisor.
void fitColumn(KindPlan &plan, const WorksheetJob &job) {
  const FormatKindInfo *column = formatKind(SheetFormat::Column, plan.kind);
  const Limits second{kColumnOperandLimits.low, column->secondHigh};
  if (job.second)
    checkOperand(plan.second.high, second, JobField::Second);
  checkOperand(plan.second.low, second, JobField::Min);
  plan.second.high = std::min(plan.second.high, column->secondHigh);
  if (plan.kind != SheetKind::Divide && plan.kind != SheetKind::DivideRemainder)
    return;
  plan.result.low = std::max<int64_t>(plan.result.low, 1);
  need(decimalDigits(plan.first.high) >= decimalDigits(std::max<int64_t>(plan.second.low, 1)),
       JobField::First, RefusalReason::FewerDigits);
}

// A 百ます grid's headers need different values enough from the ranges, a
// subtraction's minuends none below the largest subtrahend.
void fitGrid(const KindPlan &plan, GridCells cells) {
  const GridPools pools = gridPools(plan);
  const GridHeads heads = gridHeads(cells);
  if (int32_t(pools.firsts.size()) < heads.firsts) {
    Refusal refusal{JobField::First, RefusalReason::TooFewValues, 0, heads.firsts};
    if (plan.kind == SheetKind::Subtract)
      refusal.with = {JobField::Second};
    throw Failed{refusal};
  }
  need(int32_t(pools.seconds.size()) >= heads.seconds, JobField::Second,
       RefusalReason::TooFewValues, 0, heads.seconds);
}

// さくらんぼ takes only the problems that cross ten: ranges within its own,
// results over ten for a sum and under ten for a difference.
void fitCherry(KindPlan &plan) {
  const CherryKindInfo &cherry = cherryKind(plan.kind);
  const auto inside = [](NumberRange range, NumberRange limits) {
    return range.low >= limits.low && range.high <= limits.high;
  };
  need(inside(plan.first, cherry.first), JobField::First, RefusalReason::NoCrossing);
  need(inside(plan.second, cherry.second), JobField::Second, RefusalReason::NoCrossing);
  plan.result = {std::max(plan.result.low, cherry.result.low),
                 std::min(plan.result.high, cherry.result.high)};
  need(plan.result.low <= plan.result.high, JobField::Result, RefusalReason::NoCrossing);
}

// Characters of UTF-8 text, and whether it holds control characters.
int64_t characters(std::string_view text, bool &control) {
  int64_t count = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f)
      control = true;
    if ((byte & 0xC0) != 0x80)
      ++count;
  }
  return count;
}

// No problem fits: blamed on the result range when one was given, else on
// the operand ranges given together, else on the kind itself.
Refusal noProblems(const WorksheetJob &job) {
  Refusal refusal{JobField::Kind, RefusalReason::NoProblems};
  if (job.result) {
    refusal.field = JobField::Result;
    return refusal;
  }
  std::vector<JobField> given;
  for (const auto &[field, set] : {std::pair{JobField::First, job.first.has_value()},
                                   {JobField::Second, job.second.has_value()},
                                   {JobField::Min, job.min.has_value()},
                                   {JobField::Max, job.max.has_value()}})
    if (set)
      given.push_back(field);
  if (!given.empty()) {
    refusal.field = given.front();
    refusal.with.assign(given.begin() + 1, given.end());
  }
  return refusal;
}

std::vector<KindPlan> kindPlans(const WorksheetJob &job, SheetFormat format, GridCells cells) {
  const bool column = format == SheetFormat::Column;
  const bool grid = format == SheetFormat::Grid;
  const bool three =
      std::find(job.kinds.begin(), job.kinds.end(), SheetKind::Three) != job.kinds.end();
  // Three numbers keep to two digits; other formats refuse them below.
  const Limits limits =
      three && format == SheetFormat::Inline ? kThreeOperandLimits : formatInfo(format).operands;
  if (job.min)
    checkOperand(*job.min, limits, JobField::Min);
  if (job.max)
    checkOperand(*job.max, limits, JobField::Max);
  if (job.min && job.max)
    need(*job.min <= *job.max, JobField::Min, RefusalReason::LowAboveHigh);
  if (job.first)
    checkRange(*job.first, limits, JobField::First);
  if (job.second)
    checkRange(*job.second, limits, JobField::Second);
  if (job.result)
    checkRange(*job.result, formatInfo(format).results, JobField::Result);

  const bool operandsGiven = job.min || job.max || job.first || job.second;
  std::vector<SheetKind> kinds;
  for (const SheetKind kind : job.kinds)
    if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
      kinds.push_back(kind);
  const auto taken = [format](SheetKind k) {
    return format == SheetFormat::Inline || formatKind(format, k) != nullptr;
  };
  if (!std::all_of(kinds.begin(), kinds.end(), taken)) {
    Refusal refusal{JobField::Format, RefusalReason::NotForFormat};
    for (const FormatKindInfo &info : kFormatKinds)
      if (info.format == format)
        refusal.allowed.push_back(kindInfo(info.kind).name);
    throw Failed{refusal};
  }
  // A grid holds every pairing of its headers: no carrying or result to
  // choose, and a hundred cells' headers are 0 to 9.
  need(!grid || !job.carry, JobField::Carry, RefusalReason::NotForFormat);
  need(!grid || !job.result, JobField::Result, RefusalReason::NotForFormat);
  need(!grid || !job.leaveOutTrivial || cells != GridCells::Hundred, JobField::Trivial,
       RefusalReason::NotForFormat);
  need(job.signs.empty() || three, JobField::Signs, RefusalReason::NotForKinds);
  if (job.carry && *job.carry != Carry::Any)
    need(std::any_of(kinds.begin(), kinds.end(),
                     [format](SheetKind k) { return takesCarry(k, format); }),
         JobField::Carry, RefusalReason::NotForKinds);

  std::vector<KindPlan> plans;
  for (const SheetKind kind : kinds) {
    const SheetKindInfo &info = kindInfo(kind);
    KindPlan plan;
    plan.kind = kind;
    plan.first = info.first;
    plan.second = info.second;
    plan.result = {0, kNoBound};
    plan.format = format;
    plan.group = int32_t(plans.size());
    if (const FormatKindInfo *row = formatKind(format, kind))
      plan.first = row->first, plan.second = row->second;
    for (NumberRange *range : {&plan.first, &plan.second}) {
      if (job.min)
        range->low = *job.min;
      if (job.max)
        range->high = *job.max;
      // Only one end given: the default's other end gives way to it.
      if (job.min && !job.max)
        range->high = std::max(range->high, range->low);
      if (job.max && !job.min)
        range->low = std::min(range->low, range->high);
    }
    if (job.first)
      plan.first = *job.first;
    if (job.second)
      plan.second = *job.second;
    if (job.result)
      plan.result = *job.result;
    else if (info.result && !operandsGiven && format == SheetFormat::Inline)
      plan.result = *info.result;
    if (takesCarry(kind, format) && job.carry)
      plan.carry = *job.carry;
    plan.leaveOutTrivial = job.leaveOutTrivial;
    if (kind == SheetKind::Three) {
      for (const SignPairInfo &pair : kSignPairs)
        if (job.signs.empty() ||
            std::find(job.signs.begin(), job.signs.end(), pair.pair) != job.signs.end())
          plan.signs.push_back(pair.pair);
    }
    if (column)
      fitColumn(plan, job);
    if (format == SheetFormat::Cherry)
      fitCherry(plan);
    if (grid) {
      fitGrid(plan, cells);
      plans.push_back(plan);
      continue;
    }
    const int64_t smallestDivisor = kind == SheetKind::Divide ? 1 : 2;
    if (kind == SheetKind::Divide || kind == SheetKind::DivideRemainder)
      need(plan.second.high >= smallestDivisor, JobField::Second, RefusalReason::NoDivisor,
           smallestDivisor, limits.high);
    const FactSpace space(plan);
    need(!space.empty() || format != SheetFormat::Cherry, JobField::Format,
         RefusalReason::NoCrossing);
    if (space.empty()) {
      if (job.carry && space.candidates() > 0)
        need(false, JobField::Carry, RefusalReason::NoProblems);
      throw Failed{noProblems(job)};
    }
    plans.push_back(plan);
  }
  return plans;
}

std::string kindsCaption(const std::vector<KindPlan> &kinds, bool kana) {
  std::string caption;
  for (const KindPlan &plan : kinds) {
    if (!caption.empty())
      caption += "・";
    const SheetKindInfo &info = kindInfo(plan.kind);
    caption += kana ? info.kanaCaption : info.caption;
  }
  return caption;
}

// The options that decide the problems, which a preset and a unit fix.
void refuseProblemOptions(const WorksheetJob &job, RefusalReason reason) {
  const auto refuse = [reason](bool given, JobField field) { need(!given, field, reason); };
  refuse(!job.kinds.empty(), JobField::Kind);
  refuse(job.min.has_value(), JobField::Min);
  refuse(job.max.has_value(), JobField::Max);
  refuse(job.first.has_value(), JobField::First);
  refuse(job.second.has_value(), JobField::Second);
  refuse(job.result.has_value(), JobField::Result);
  refuse(job.carry.has_value(), JobField::Carry);
  refuse(job.leaveOutTrivial, JobField::Trivial);
  refuse(job.format.has_value(), JobField::Format);
  refuse(job.cells.has_value(), JobField::Cells);
  refuse(job.split.has_value(), JobField::Split);
  refuse(!job.signs.empty(), JobField::Signs);
}

// A preset fixes its page too.
void refuseWithPreset(const WorksheetJob &job) {
  refuseProblemOptions(job, RefusalReason::NotWithPreset);
  const auto refuse = [](bool given, JobField field) {
    need(!given, field, RefusalReason::NotWithPreset);
  };
  refuse(job.rows.has_value(), JobField::Rows);
  refuse(job.columns.has_value(), JobField::Columns);
  refuse(job.count.has_value(), JobField::Count);
  refuse(job.size.has_value(), JobField::Size);
  refuse(job.typeface.has_value(), JobField::Typeface);
  refuse(job.remainder.has_value(), JobField::Remainder);
  refuse(job.guide.has_value(), JobField::Guide);
}

// A unit fixes the problems, and goes without a preset.
void refuseWithUnit(const WorksheetJob &job) {
  need(job.preset == nullptr, JobField::Preset, RefusalReason::NotWithUnit);
  refuseProblemOptions(job, RefusalReason::NotWithUnit);
}

// One plan for each part of a unit, drawing on the unit's share of the count.
// The units are the program's own: a test draws a sheet of every one.
void addUnitPlans(std::vector<KindPlan> &plans, const UnitInfo &unit, int32_t group, bool review) {
  for (const UnitPart &part : unit.problems()) {
    KindPlan plan;
    plan.kind = part.kind;
    plan.first = part.first;
    plan.second = part.second;
    plan.result = part.result;
    plan.carry = part.carry;
    plan.format = unit.format;
    plan.leaveOutTrivial = unit.leaveOutTrivial;
    if (part.kind == SheetKind::Three)
      for (const SignPairInfo &pair : kSignPairs)
        plan.signs.push_back(pair.pair);
    plan.steps = part.steps;
    plan.firstGuessRight = unit.firstGuessRight;
    plan.group = group;
    plan.review = review;
    plans.push_back(plan);
  }
}

// The units' problems, and those of the units they review; the units set
// out alike, the first one's look the sheet's.
void resolveUnits(const WorksheetJob &job, SheetPlan &sheet) {
  refuseWithUnit(job);
  const UnitInfo &lead = *job.units.front();
  std::vector<const UnitInfo *> units;
  for (const UnitInfo *unit : job.units)
    if (std::find(units.begin(), units.end(), unit) == units.end())
      units.push_back(unit);
  for (const UnitInfo *unit : units)
    need(unit->format == lead.format &&
             (lead.format != SheetFormat::Grid || unit->cells == lead.cells),
         JobField::Unit, RefusalReason::UnitsApart);
  sheet.units = units;
  sheet.format = lead.format;
  sheet.cells = lead.cells;
  sheet.size = job.size.value_or(lead.size);
  sheet.kana = job.kana.value_or(lead.kana);
  for (std::size_t u = 0; u < units.size(); ++u)
    addUnitPlans(sheet.kinds, *units[u], int32_t(u), false);

  if (job.review) {
    sheet.reviewPercent = within(job.review, 0, kReviewLimits, JobField::Review);
    std::vector<const UnitInfo *> reviewed;
    for (const UnitInfo *unit : units)
      for (const UnitInfo *earlier : reviewedBy(*unit))
        if (std::find(units.begin(), units.end(), earlier) == units.end() &&
            std::find(reviewed.begin(), reviewed.end(), earlier) == reviewed.end())
          reviewed.push_back(earlier);
    need(sheet.reviewPercent == 0 || !reviewed.empty(), JobField::Review,
         RefusalReason::NothingToReview);
    if (sheet.reviewPercent > 0)
      for (std::size_t r = 0; r < reviewed.size(); ++r)
        addUnitPlans(sheet.kinds, *reviewed[r], int32_t(units.size() + r), true);
  }
  if (lead.count > 0)
    sheet.count = lead.count;
  std::string caption;
  for (const UnitInfo *unit : units)
    caption += (caption.empty() ? "" : "・") + std::string(unit->caption);
  sheet.caption = caption;
}

ResolvedJob resolve(const WorksheetJob &job) {
  ResolvedJob resolved;
  resolved.options = job;
  resolved.options.reprint.reset();
  resolved.options.sheets = 1;
  SheetPlan &sheet = resolved.sheet;
  resolved.sheets = within(job.sheets, 1, kSheetLimits, JobField::Sheets);
  resolved.copies = within(job.copies, 1, kCopyLimits, JobField::Copies);
  resolved.seed = static_cast<uint32_t>(within(job.seed, 0, kSeedLimits, JobField::Seed));
  resolved.answersAtEnd = job.answersAtEnd;
  resolved.answers = job.answers || job.answersAtEnd;
  resolved.sheetsInBatch = resolved.sheets;
  if (job.reprint) {
    need(resolved.sheets == 1, JobField::Sheets, RefusalReason::OutOfRange, 1, 1);
    resolved.sheetsInBatch = within(job.reprint->of, 1, kSheetLimits, JobField::Reprint);
    resolved.firstSheet =
        within(job.reprint->sheet, 1, {1, resolved.sheetsInBatch}, JobField::Reprint);
  }
  sheet.fields = job.fields;
  sheet.page = job.page;
  sheet.format = job.format.value_or(SheetFormat::Inline);
  sheet.size = job.size.value_or(SheetSize::Medium);
  sheet.typeface = job.typeface.value_or(Typeface::Klee);
  sheet.remainder = job.remainder.value_or(RemainderStyle::Words);
  sheet.kana = job.kana.value_or(sheet.size == SheetSize::Large);
  sheet.guide = job.guide.value_or(Guide::Boxes);
  sheet.cells = job.cells.value_or(GridCells::Hundred);

  need(!job.review || !job.units.empty(), JobField::Review, RefusalReason::NoUnit);
  if (!job.units.empty()) {
    resolveUnits(job, sheet);
  } else if (job.preset) {
    refuseWithPreset(job);
    sheet.preset = job.preset;
    sheet.count = job.preset->printCount;
    sheet.caption = std::string(job.preset->caption);
  } else {
    need(!job.kinds.empty(), JobField::Kind, RefusalReason::Missing);
    need(!job.cells || sheet.format == SheetFormat::Grid, JobField::Cells,
         RefusalReason::NotForFormat);
    need(!job.split || sheet.format == SheetFormat::Cherry, JobField::Split,
         RefusalReason::NotForFormat);
    if (job.split) {
      const SheetKind splits = kCherrySplits[std::size_t(*job.split)].kind;
      need(std::find(job.kinds.begin(), job.kinds.end(), splits) != job.kinds.end(),
           JobField::Split, RefusalReason::NotForKinds);
      (splits == SheetKind::Add ? sheet.addSplit : sheet.subtractSplit) = *job.split;
    }
    sheet.kinds = kindPlans(job, sheet.format, sheet.cells);
    sheet.caption = kindsCaption(sheet.kinds, sheet.kana);
  }
  if (!job.preset) {
    need(!job.guide || sheet.format == SheetFormat::Column, JobField::Guide,
         RefusalReason::NotForFormat);
    if (job.rows)
      sheet.rows = within(job.rows, 0, kRowLimits, JobField::Rows);
    if (job.columns)
      sheet.columns = within(job.columns, 0, kColumnLimits, JobField::Columns);
    // Without a count, the page's grid decides: validateJob() fills it in.
    if (job.count)
      sheet.count = within(job.count, 0, kCountLimits, JobField::Count);
  }
  const int64_t perSheet = std::max<int64_t>(sheet.count, 1) * problemsPerItem(sheet);
  need(perSheet * resolved.sheets * resolved.copies <= kBatchProblems, JobField::Sheets,
       RefusalReason::OutOfRange, kSheetLimits.low,
       std::max<int64_t>(1, kBatchProblems / (perSheet * resolved.copies)));

  if (job.title) {
    bool control = false;
    need(characters(*job.title, control) <= kTitleLength && !control, JobField::Title,
         RefusalReason::BadText, 0, kTitleLength);
    // An empty title stands for the caption, which validateJob() completes
    // once the count is known.
    sheet.title = *job.title;
  }
  return resolved;
}

} // namespace

int64_t problemsPerItem(const SheetPlan &plan) {
  if (plan.preset || plan.format != SheetFormat::Grid)
    return 1;
  const GridCellsInfo &cells = cellsInfo(plan.cells);
  return int64_t{cells.rows} * cells.columns;
}

JobCheck checkJob(const WorksheetJob &job) {
  try {
    return resolve(job);
  } catch (const Failed &failed) {
    return failed.refusal;
  }
}
