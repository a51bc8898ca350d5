#include "refusalwording.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<JobField, const char *>, 16> kOptionOf{{
    {JobField::Preset, "--preset"},
    {JobField::Kind, "--kind"},
    {JobField::Min, "--min"},
    {JobField::Max, "--max"},
    {JobField::First, "--first"},
    {JobField::Second, "--second"},
    {JobField::Result, "--result"},
    {JobField::Carry, "--carry"},
    {JobField::Rows, "--rows"},
    {JobField::Columns, "--columns"},
    {JobField::Count, "--count"},
    {JobField::Sheets, "--sheets"},
    {JobField::Copies, "--copies"},
    {JobField::Seed, "--seed"},
    {JobField::Title, "--title"},
    {JobField::Paper, "--paper"},
}};

QString reason(const Refusal &r, const QString &value) {
  switch (r.reason) {
  case RefusalReason::OutOfRange:
    return QStringLiteral("must be between %1 and %2").arg(r.low).arg(r.high);
  case RefusalReason::LowAboveHigh:
    return r.field == JobField::Min ? QStringLiteral("must not be above --max")
                                    : QStringLiteral("the low end is above the high end");
  case RefusalReason::NotWithPreset:
    return QStringLiteral("does not go with --preset, which fixes its problems");
  case RefusalReason::NotForKinds:
    return QStringLiteral("only applies to add, subtract and missing-addend");
  case RefusalReason::NoProblems:
    return r.field == JobField::Carry
               ? QStringLiteral("no problem of these ranges has the carrying asked for")
               : QStringLiteral("no problem fits these ranges");
  case RefusalReason::NoDivisor:
    return QStringLiteral("no divisor of %1 or more: a division cannot divide by less").arg(r.low);
  case RefusalReason::Unknown:
    return r.field == JobField::Kind || r.field == JobField::Preset
               ? QStringLiteral("unknown name '%1' (see %2)")
                     .arg(value, r.field == JobField::Kind ? QStringLiteral("--list-kinds")
                                                           : QStringLiteral("--list-presets"))
               : QStringLiteral("unknown value '%1'").arg(value);
  case RefusalReason::NotANumber:
    return QStringLiteral("'%1' is not a whole number").arg(value);
  case RefusalReason::NotARange:
    return QStringLiteral("'%1' is not a range A..B of whole numbers").arg(value);
  case RefusalReason::Missing:
    return QStringLiteral("a kind or a preset is needed (see --list-kinds and --list-presets)");
  case RefusalReason::TooSmall:
    return QStringLiteral("too many for the paper: the problems would print smaller than 2 mm");
  case RefusalReason::BadText:
    return QStringLiteral("must be at most %1 characters, with no control characters").arg(r.high);
  }
  return {};
}

} // namespace

QString optionOf(JobField field) {
  for (const auto &[f, option] : kOptionOf)
    if (f == field)
      return QString::fromLatin1(option);
  return {};
}

QString refusalText(const Refusal &refusal, const QString &value) {
  return optionOf(refusal.field) + QStringLiteral(": ") + reason(refusal, value);
}
