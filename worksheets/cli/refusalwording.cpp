#include "refusalwording.h"
#include "commandlinetexts.h"

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
    return CommandLine::tr("%1 から %2 までにしてください").arg(r.low).arg(r.high);
  case RefusalReason::LowAboveHigh:
    return r.field == JobField::Min
               ? CommandLine::tr("--max より大きくできません")
               : CommandLine::tr("はじめの数がおわりの数より大きくなっています");
  case RefusalReason::NotWithPreset:
    return CommandLine::tr("--preset とはいっしょに使えません（プリセットの問題は決まっています）");
  case RefusalReason::NotForKinds:
    return CommandLine::tr("add、subtract、missing-addend にだけ使えます");
  case RefusalReason::NoProblems:
    return r.field == JobField::Carry
               ? CommandLine::tr("この範囲には、指定したくり上がり・くり下がりの問題がありません")
               : CommandLine::tr("この範囲に合う問題がありません");
  case RefusalReason::NoDivisor:
    return CommandLine::tr(
               "わる数が %1 以上になるようにしてください（それより小さい数ではわれません）")
        .arg(r.low);
  case RefusalReason::Unknown:
    return r.field == JobField::Kind || r.field == JobField::Preset
               ? CommandLine::tr("'%1' という名前はありません（%2 を見てください）")
                     .arg(value, r.field == JobField::Kind ? QStringLiteral("--list-kinds")
                                                           : QStringLiteral("--list-presets"))
               : CommandLine::tr("'%1' は使えない値です").arg(value);
  case RefusalReason::NotANumber:
    return CommandLine::tr("'%1' は整数ではありません").arg(value);
  case RefusalReason::NotARange:
    return CommandLine::tr("'%1' は整数の範囲 A..B ではありません").arg(value);
  case RefusalReason::Missing:
    return CommandLine::tr(
        "種類かプリセットを指定してください（--list-kinds と --list-presets を見てください）");
  case RefusalReason::TooSmall:
    return CommandLine::tr("用紙に入りきりません（問題が 2 mm より小さくなります）");
  case RefusalReason::BadText:
    return CommandLine::tr("%1 文字までにしてください（制御文字は使えません）").arg(r.high);
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
