#include "refusalwording.h"
#include "commandlinetexts.h"

#include <QStringList>

#include <array>
#include <optional>
#include <utility>

namespace {

constexpr std::array<std::pair<JobField, const char *>, 29> kOptionOf{{
    {JobField::Preset, "--preset"},     {JobField::Kind, "--kind"},
    {JobField::Min, "--min"},           {JobField::Max, "--max"},
    {JobField::First, "--first"},       {JobField::Second, "--second"},
    {JobField::Result, "--result"},     {JobField::Carry, "--carry"},
    {JobField::Rows, "--rows"},         {JobField::Columns, "--columns"},
    {JobField::Count, "--count"},       {JobField::Sheets, "--sheets"},
    {JobField::Copies, "--copies"},     {JobField::Seed, "--seed"},
    {JobField::Title, "--title"},       {JobField::Paper, "--paper"},
    {JobField::Format, "--format"},     {JobField::Size, "--size"},
    {JobField::Typeface, "--typeface"}, {JobField::Remainder, "--remainder"},
    {JobField::Reprint, "--reprint"},   {JobField::Guide, "--guide"},
    {JobField::Numbers, "--numbers"},   {JobField::Trivial, "--no-trivial"},
    {JobField::Cells, "--cells"},       {JobField::Split, "--split"},
    {JobField::Signs, "--signs"},       {JobField::Unit, "--unit"},
    {JobField::Review, "--review"},
}};

QString listed(const std::vector<std::string_view> &names) {
  QStringList list;
  for (const std::string_view name : names)
    list << QString::fromUtf8(name.data(), qsizetype(name.size()));
  return list.join(QStringLiteral(", "));
}

QString rangeText(const std::optional<NumberRange> &range) {
  return range ? QStringLiteral("%1..%2").arg(range->low).arg(range->high) : QString();
}

// An option with the value the job holds for it, e.g. "--first 0..3".
QString withValue(JobField field, const WorksheetJob &job) {
  QString value;
  switch (field) {
  case JobField::First:
    value = rangeText(job.first);
    break;
  case JobField::Second:
    value = rangeText(job.second);
    break;
  case JobField::Result:
    value = rangeText(job.result);
    break;
  case JobField::Min:
    value = job.min ? QString::number(*job.min) : QString();
    break;
  case JobField::Max:
    value = job.max ? QString::number(*job.max) : QString();
    break;
  default:
    break;
  }
  return value.isEmpty() ? optionOf(field) : optionOf(field) + u' ' + value;
}

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
  case RefusalReason::NotWithUnit:
    return CommandLine::tr("--unit とはいっしょに使えません（単元が問題を決めています）");
  case RefusalReason::NoUnit:
    return CommandLine::tr("--unit といっしょに使います");
  case RefusalReason::NothingToReview:
    return CommandLine::tr("この単元より前に、同じ書き方の単元がありません（ふくしゅうする問題が"
                           "ありません）");
  case RefusalReason::UnitsApart:
    return CommandLine::tr("書き方のちがう単元は、1枚にまとめられません");
  case RefusalReason::NotForKinds:
    if (r.field == JobField::Signs)
      return CommandLine::tr("--kind three（3つの数）にだけ使えます");
    if (r.field == JobField::Split)
      return CommandLine::tr(
          "この分け方の種類がありません（second、first、smaller は add、minuend、"
          "subtrahend は subtract のものです）");
    return CommandLine::tr(
        "add、subtract、missing-addend にだけ使えます（筆算では multiply にも）");
  case RefusalReason::NotForFormat:
    switch (r.field) {
    case JobField::Guide:
      return CommandLine::tr("--format column（筆算）にだけ使えます");
    case JobField::Cells:
      return CommandLine::tr("--format grid（百ます）にだけ使えます");
    case JobField::Split:
      return CommandLine::tr("--format cherry（さくらんぼ）にだけ使えます");
    case JobField::Trivial:
      return CommandLine::tr("100ますでは使えません（見出しは0から9と決まっています）");
    case JobField::Format:
      return CommandLine::tr(
                 "この書き方にできるのは %1 だけです（□をもとめる問題と3つの数はよこ書きです）")
          .arg(listed(r.allowed));
    default:
      return CommandLine::tr("百ますでは使えません（どの組み合わせも出ます）");
    }
  case RefusalReason::FewerDigits:
    return CommandLine::tr("わられる数のけた数が、わる数より少なくなっています");
  case RefusalReason::NoCrossing:
    return CommandLine::tr("さくらんぼ計算にできるのは、1けたどうしで11から18になるたし算と、"
                           "11から18から1けたをひいて9いかになるひき算だけです");
  case RefusalReason::TooFewValues:
    return r.with.empty() ? CommandLine::tr("ちがう数が %1 こ入る範囲にしてください").arg(r.high)
                          : CommandLine::tr("いちばん大きいひく数より小さくないひかれる数が、%1 こ"
                                            "入る範囲にしてください")
                                .arg(r.high);
  case RefusalReason::NoProblems:
    if (r.field == JobField::Carry)
      return CommandLine::tr("この範囲には、指定したくり上がり・くり下がりの問題がありません");
    return r.with.empty() ? CommandLine::tr("この範囲に合う問題がありません")
                          : CommandLine::tr("この範囲どうしに合う問題がありません");
  case RefusalReason::NoDivisor:
    return CommandLine::tr(
               "わる数が %1 以上になるようにしてください（それより小さい数ではわれません）")
        .arg(r.low);
  case RefusalReason::Unknown:
    if (r.field == JobField::Kind || r.field == JobField::Preset || r.field == JobField::Unit)
      return CommandLine::tr("'%1' という名前はありません（%2 を見てください）")
          .arg(value, r.field == JobField::Kind     ? QStringLiteral("--list-kinds")
                      : r.field == JobField::Preset ? QStringLiteral("--list-presets")
                                                    : QStringLiteral("--list-units"));
    return CommandLine::tr("'%1' は使えない値です（使えるのは %2）").arg(value, listed(r.allowed));
  case RefusalReason::NotANumber:
    return CommandLine::tr("'%1' は整数ではありません").arg(value);
  case RefusalReason::NotARange:
    return CommandLine::tr("'%1' は整数の範囲 A..B ではありません").arg(value);
  case RefusalReason::Missing:
    return CommandLine::tr(
        "種類かプリセットを指定してください（--list-kinds と --list-presets を見てください）");
  case RefusalReason::DoesNotFit:
    if (r.field == JobField::Numbers)
      return CommandLine::tr(
          "このプリセットの問題の上に、この用紙では番号の入る場所がありません"
          "（年・組・番、日付、点数のらんをへらすか、大きい用紙にしてください）");
    return r.allowed.empty()
               ? CommandLine::tr("この大きさでは、この用紙に問題が1つも入りません")
               : CommandLine::tr("この大きさでは、この用紙に問題が1つも入りません（入るのは %1）")
                     .arg(listed(r.allowed));
  case RefusalReason::TooMany:
    return CommandLine::tr("この用紙とこの大きさでは %1 までです").arg(r.high);
  case RefusalReason::NotACode:
    return CommandLine::tr("'%1' は再印刷コードとして読めません（プリントの下のらんのとおりに"
                           "入れてください）")
        .arg(value);
  case RefusalReason::NotInstalled:
    return CommandLine::tr("この書体がありません");
  case RefusalReason::OtherVersion:
    return CommandLine::tr("このコードはべつの版（%1）のプログラムが作ったもので、この版では"
                           "読めません")
        .arg(r.low);
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

QString refusalText(const Refusal &refusal, const QString &value, const WorksheetJob *job) {
  QString options = optionOf(refusal.field);
  if (job && !refusal.with.empty()) {
    options = withValue(refusal.field, *job);
    for (const JobField field : refusal.with)
      options += QStringLiteral(", ") + withValue(field, *job);
  }
  return options + QStringLiteral(": ") + reason(refusal, value);
}
