#include "jobvalidation.h"

#include "factspace.h"
#include "printlayout.h"
#include "sheetkinds.h"
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

void checkRange(NumberRange range, JobField field) {
  const auto inLimits = [](int64_t v) {
    return v >= kOperandLimits.low && v <= kOperandLimits.high;
  };
  need(inLimits(range.low) && inLimits(range.high), field, RefusalReason::OutOfRange,
       kOperandLimits.low, kOperandLimits.high);
  need(range.low <= range.high, field, RefusalReason::LowAboveHigh);
}

int32_t digits(int64_t value) {
  int32_t count = 1;
  for (; value >= 10; value /= 10)
    ++count;
  return count;
}

// The widest number each place of a kind can hold, from its ranges.
ItemShape shapeOf(const KindPlan &plan) {
  const NumberRange &f = plan.first;
  const NumberRange &s = plan.second;
  int64_t result = plan.result.high;
  int64_t remainder = -1;
  switch (plan.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    result = std::min(result, f.high + s.high);
    break;
  case SheetKind::Subtract:
    result = std::min(result, std::max<int64_t>(f.high - s.low, 0));
    break;
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    result = std::min(result, f.high * s.high);
    break;
  case SheetKind::DivideRemainder:
    remainder = std::max<int64_t>(s.high - 1, 0);
    [[fallthrough]];
  case SheetKind::Divide:
    result = std::min(result, f.high / std::max<int64_t>(s.low, 1));
    break;
  }
  ItemShape shape;
  shape.first = std::max(2, digits(f.high));
  shape.second = std::max(2, digits(s.high));
  shape.result = std::max(2, digits(result));
  shape.remainder = remainder < 0 ? 0 : std::max(2, digits(remainder));
  return shape;
}

ItemShape widest(const std::vector<KindPlan> &kinds) {
  ItemShape shape;
  for (const KindPlan &plan : kinds) {
    const ItemShape one = shapeOf(plan);
    shape.first = std::max(shape.first, one.first);
    shape.second = std::max(shape.second, one.second);
    shape.result = std::max(shape.result, one.result);
    shape.remainder = std::max(shape.remainder, one.remainder);
  }
  return shape;
}

int32_t defaultColumns(int32_t charsAcross) {
  if (charsAcross <= 6)
    return 4;
  if (charsAcross <= 9)
    return 3;
  return charsAcross <= 14 ? 2 : 1;
}

std::string fullWidthNumber(int32_t number) {
  std::string text;
  for (const char c : std::to_string(number)) {
    text += "\xEF\xBC";
    text += static_cast<char>(0x90 + (c - '0'));
  }
  return text;
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

std::vector<KindPlan> kindPlans(const WorksheetJob &job) {
  if (job.min)
    need(*job.min >= kOperandLimits.low && *job.min <= kOperandLimits.high, JobField::Min,
         RefusalReason::OutOfRange, kOperandLimits.low, kOperandLimits.high);
  if (job.max)
    need(*job.max >= kOperandLimits.low && *job.max <= kOperandLimits.high, JobField::Max,
         RefusalReason::OutOfRange, kOperandLimits.low, kOperandLimits.high);
  if (job.min && job.max)
    need(*job.min <= *job.max, JobField::Min, RefusalReason::LowAboveHigh);
  if (job.first)
    checkRange(*job.first, JobField::First);
  if (job.second)
    checkRange(*job.second, JobField::Second);
  if (job.result)
    checkRange(*job.result, JobField::Result);

  const bool operandsGiven = job.min || job.max || job.first || job.second;
  std::vector<SheetKind> kinds;
  for (const SheetKind kind : job.kinds)
    if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
      kinds.push_back(kind);
  if (job.carry && *job.carry != Carry::Any)
    need(
        std::any_of(kinds.begin(), kinds.end(), [](SheetKind k) { return kindInfo(k).takesCarry; }),
        JobField::Carry, RefusalReason::NotForKinds);

  std::vector<KindPlan> plans;
  for (const SheetKind kind : kinds) {
    const SheetKindInfo &info = kindInfo(kind);
    KindPlan plan{kind, info.first, info.second, {0, kNoBound}, Carry::Any};
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
    else if (info.result && !operandsGiven)
      plan.result = *info.result;
    if (info.takesCarry && job.carry)
      plan.carry = *job.carry;
    const int64_t smallestDivisor = kind == SheetKind::Divide ? 1 : 2;
    if (kind == SheetKind::Divide || kind == SheetKind::DivideRemainder)
      need(plan.second.high >= smallestDivisor, JobField::Second, RefusalReason::NoDivisor,
           smallestDivisor, kOperandLimits.high);
    const FactSpace space(plan);
    const JobField blamed = job.result ? JobField::Result : JobField::Kind;
    need(!space.empty(), job.carry && space.candidates() > 0 ? JobField::Carry : blamed,
         RefusalReason::NoProblems);
    plans.push_back(plan);
  }
  return plans;
}

std::string kindsCaption(const std::vector<KindPlan> &kinds) {
  std::string caption;
  for (const KindPlan &plan : kinds) {
    if (!caption.empty())
      caption += "・";
    caption += kindInfo(plan.kind).caption;
  }
  return caption;
}

ResolvedJob resolve(const WorksheetJob &job) {
  ResolvedJob resolved;
  SheetPlan &sheet = resolved.sheet;
  resolved.sheets = within(job.sheets, 1, kSheetLimits, JobField::Sheets);
  resolved.copies = within(job.copies, 1, kCopyLimits, JobField::Copies);
  resolved.seed = static_cast<uint32_t>(within(job.seed, 0, kSeedLimits, JobField::Seed));
  resolved.answersAtEnd = job.answersAtEnd;
  resolved.answers = job.answers || job.answersAtEnd;
  sheet.fields = job.fields;
  sheet.page = job.page;

  if (job.preset) {
    const auto refuse = [](bool given, JobField field) {
      need(!given, field, RefusalReason::NotWithPreset);
    };
    refuse(!job.kinds.empty(), JobField::Kind);
    refuse(job.min.has_value(), JobField::Min);
    refuse(job.max.has_value(), JobField::Max);
    refuse(job.first.has_value(), JobField::First);
    refuse(job.second.has_value(), JobField::Second);
    refuse(job.result.has_value(), JobField::Result);
    refuse(job.carry.has_value(), JobField::Carry);
    refuse(job.rows.has_value(), JobField::Rows);
    refuse(job.columns.has_value(), JobField::Columns);
    refuse(job.count.has_value(), JobField::Count);
    sheet.preset = job.preset;
    sheet.count = job.preset->printCount;
    sheet.rows = job.preset->rows;
    sheet.columns = job.preset->columns;
    sheet.charsAcross = job.preset->charsAcross;
    sheet.caption = std::string(job.preset->caption);
  } else {
    need(!job.kinds.empty(), JobField::Kind, RefusalReason::Missing);
    sheet.kinds = kindPlans(job);
    sheet.shape = widest(sheet.kinds);
    const int32_t rowsGiven = job.rows ? within(job.rows, 0, kRowLimits, JobField::Rows) : 0;
    const int32_t columnsGiven =
        job.columns ? within(job.columns, 0, kColumnLimits, JobField::Columns) : 0;
    // The number's width depends on the count, which defaults to a full page.
    const int32_t columnsGuess = columnsGiven ? columnsGiven : 4;
    const int32_t rows = rowsGiven ? rowsGiven : 10;
    const int32_t count =
        within(job.count, int64_t{rows} * columnsGuess, kCountLimits, JobField::Count);
    if (sheet.fields.numbers)
      sheet.shape.number = digits(count) + 2;
    sheet.charsAcross = sheet.shape.charsAcross();
    sheet.columns = columnsGiven ? columnsGiven : defaultColumns(sheet.charsAcross);
    sheet.rows = rows;
    sheet.count = job.count ? count : sheet.rows * sheet.columns;
    sheet.caption = kindsCaption(sheet.kinds);

    PrintLayout layout;
    const PrintableArea area = printableArea(job.page);
    computeLayout(layout, sheet.rows, sheet.columns, 1, sheet.charsAcross, area.width, area.height);
    need(layout.FitHeight >= kSmallestItemPixels, JobField::Rows, RefusalReason::TooSmall,
         kRowLimits.low, kRowLimits.high);
    need(layout.CharPitch >= kSmallestItemPixels, JobField::Columns, RefusalReason::TooSmall,
         kColumnLimits.low, kColumnLimits.high);
  }
  need(int64_t{sheet.count} * resolved.sheets * resolved.copies <= kBatchProblems, JobField::Sheets,
       RefusalReason::OutOfRange, kSheetLimits.low,
       std::max<int64_t>(1, kBatchProblems / (int64_t{sheet.count} * resolved.copies)));

  if (job.title) {
    bool control = false;
    need(characters(*job.title, control) <= kTitleLength && !control, JobField::Title,
         RefusalReason::BadText, 0, kTitleLength);
    sheet.title = job.title->empty() && !sheet.preset
                      ? sheet.caption + fullWidthNumber(sheet.count) + "題"
                      : (job.title->empty() ? sheet.caption : *job.title);
  }
  return resolved;
}

} // namespace

int32_t ItemShape::halves() const {
  // Each number's place, and the signs: the operator, "＝" and, with
  // remainders, "…".
  return number + first + kSignHalves + second + kSignHalves + result +
         (remainder > 0 ? kSignHalves + remainder : 0);
}

JobCheck validateJob(const WorksheetJob &job) {
  try {
    return resolve(job);
  } catch (const Failed &failed) {
    return failed.refusal;
  }
}
