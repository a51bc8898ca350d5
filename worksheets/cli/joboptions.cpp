#include "joboptions.h"

#include "sheetkinds.h"
#include "worksheetpresets.h"

#include <array>
#include <string>

namespace {

using Result = std::optional<UsageError>;

UsageError error(JobField field, RefusalReason reason, const QString &value) {
  return {{field, reason, 0, 0}, value};
}

std::string utf8(const QString &text) { return text.toStdString(); }

Result number(const QStringList &values, JobField field, int64_t &into) {
  const auto parsed = parseWholeNumber(utf8(values.last()));
  if (!parsed)
    return error(field, RefusalReason::NotANumber, values.last());
  into = *parsed;
  return std::nullopt;
}

Result optionalNumber(const QStringList &values, JobField field, std::optional<int64_t> &into) {
  int64_t value = 0;
  if (Result failed = number(values, field, value))
    return failed;
  into = value;
  return std::nullopt;
}

Result range(const QStringList &values, JobField field, std::optional<NumberRange> &into) {
  into = parseRange(utf8(values.last()));
  if (!into)
    return error(field, RefusalReason::NotARange, values.last());
  return std::nullopt;
}

Result kinds(WorksheetJob &job, const QStringList &values) {
  for (const QString &value : values) {
    // "--kind add,subtract" reads as "--kind add --kind subtract".
    for (const QString &name : value.split(QLatin1Char(','))) {
      const auto kind = kindNamed(utf8(name.trimmed()));
      if (!kind)
        return error(JobField::Kind, RefusalReason::Unknown, name);
      job.kinds.push_back(*kind);
    }
  }
  return std::nullopt;
}

Result preset(WorksheetJob &job, const QStringList &values) {
  for (const WorksheetPreset &p : kWorksheetPresets)
    if (p.name == utf8(values.last())) {
      job.preset = &p;
      return std::nullopt;
    }
  return error(JobField::Preset, RefusalReason::Unknown, values.last());
}

Result carry(WorksheetJob &job, const QStringList &values) {
  constexpr std::array<std::pair<const char *, Carry>, 3> kWords{
      {{"yes", Carry::With}, {"no", Carry::Without}, {"any", Carry::Any}}};
  for (const auto &[word, value] : kWords)
    if (values.last() == QLatin1String(word)) {
      job.carry = value;
      return std::nullopt;
    }
  return error(JobField::Carry, RefusalReason::Unknown, values.last());
}

Result paper(WorksheetJob &job, const QStringList &values) {
  const auto found = paperNamed(utf8(values.last()));
  if (!found)
    return error(JobField::Paper, RefusalReason::Unknown, values.last());
  job.paper = *found;
  return std::nullopt;
}

QCommandLineOption valued(const QString &name, const QString &help, const QString &value) {
  return QCommandLineOption(name, help, value);
}

QCommandLineOption flag(const QString &name, const QString &help) {
  return QCommandLineOption(name, help);
}

template <std::optional<int64_t> WorksheetJob::*Member, JobField Field>
Result optionalNumberOption(WorksheetJob &job, const QStringList &values) {
  return optionalNumber(values, Field, job.*Member);
}

template <int64_t WorksheetJob::*Member, JobField Field>
Result numberOption(WorksheetJob &job, const QStringList &values) {
  return number(values, Field, job.*Member);
}

template <std::optional<NumberRange> WorksheetJob::*Member, JobField Field>
Result rangeOption(WorksheetJob &job, const QStringList &values) {
  return range(values, Field, job.*Member);
}

template <bool WorksheetJob::*Member> Result jobFlag(WorksheetJob &job, const QStringList &) {
  job.*Member = true;
  return std::nullopt;
}

template <bool SheetFields::*Member> Result fieldFlag(WorksheetJob &job, const QStringList &) {
  job.fields.*Member = true;
  return std::nullopt;
}

Result title(WorksheetJob &job, const QStringList &values) {
  job.title = utf8(values.last());
  return std::nullopt;
}

} // namespace

const QList<JobOption> &jobOptions() {
  static const QList<JobOption> options{
      {valued("preset", "One of the four preset worksheets (see --list-presets).", "name"),
       &preset},
      {valued("kind",
              "A kind of problem (see --list-kinds); give it again, or a list a,b, for a mix.",
              "kind"),
       &kinds},
      {valued("min", "Smallest value of every operand (0..9999).", "n"),
       &optionalNumberOption<&WorksheetJob::min, JobField::Min>},
      {valued("max", "Largest value of every operand (0..9999).", "n"),
       &optionalNumberOption<&WorksheetJob::max, JobField::Max>},
      {valued("first", "Range of the first number, e.g. 10..99 (a division's dividend).", "A..B"),
       &rangeOption<&WorksheetJob::first, JobField::First>},
      {valued("second", "Range of the second number (a division's divisor).", "A..B"),
       &rangeOption<&WorksheetJob::second, JobField::Second>},
      {valued("result", "Range of the result (a division's quotient).", "A..B"),
       &rangeOption<&WorksheetJob::result, JobField::Result>},
      {valued("carry",
              "Addition with (yes) or without (no) carrying, subtraction with or without "
              "borrowing, in any column; any (the default) mixes both.",
              "yes|no|any"),
       &carry},
      {valued("count", "Problems on a sheet (1..10000; default: one full page).", "n"),
       &optionalNumberOption<&WorksheetJob::count, JobField::Count>},
      {valued("rows", "Rows of problems on a page (1..50; default 10).", "n"),
       &optionalNumberOption<&WorksheetJob::rows, JobField::Rows>},
      {valued("columns", "Columns of problems on a page (1..10; default from the width).", "n"),
       &optionalNumberOption<&WorksheetJob::columns, JobField::Columns>},
      {valued("sheets", "Different sheets to make (1..1000).", "n"),
       &numberOption<&WorksheetJob::sheets, JobField::Sheets>},
      {valued("copies", "Copies of every sheet, with one answer sheet (1..100).", "n"),
       &numberOption<&WorksheetJob::copies, JobField::Copies>},
      {valued("seed",
              "Seed of the batch (0..4294967295); each sheet's own seed is in its footer. "
              "Drawn at random when not given.",
              "n"),
       &numberOption<&WorksheetJob::seed, JobField::Seed>},
      {flag("answers", "An answer sheet after every sheet."), &jobFlag<&WorksheetJob::answers>},
      {flag("answers-at-end", "All answer sheets after the last sheet."),
       &jobFlag<&WorksheetJob::answersAtEnd>},
      {flag("name-field", "A name field: 名前（　　）."), &fieldFlag<&SheetFields::name>},
      {flag("class-field", "A class field: 　年　組　番."), &fieldFlag<&SheetFields::className>},
      {flag("date-field", "A date field: 　月　日."), &fieldFlag<&SheetFields::date>},
      {flag("score-field", "A score field: 　　／N."), &fieldFlag<&SheetFields::score>},
      {valued("title",
              "A title at the top; an empty text gives the preset's caption or the kinds' names.",
              "text"),
       &title},
      {flag("numbers", "Number the problems."), &fieldFlag<&SheetFields::numbers>},
      {valued("paper", "Paper: a4 (default), b5 (JIS), a5 or letter, portrait.", "size"), &paper},
  };
  return options;
}
