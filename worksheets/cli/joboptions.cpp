#include "joboptions.h"
#include "commandlinetexts.h"

#include "numbertext.h"
#include "reprintcode.h"
#include "sheetkinds.h"
#include "sheetstyles.h"
#include "units.h"
#include "worksheetpresets.h"

#include <array>
#include <string>

namespace {

using Result = std::optional<UsageError>;

UsageError error(JobField field, RefusalReason reason, const QString &value,
                 std::vector<std::string_view> allowed = {}) {
  Refusal refusal{field, reason};
  refusal.allowed = std::move(allowed);
  return {refusal, value};
}

// A value that names a row of a table, e.g. --paper a4: the row, or an error
// that lists the names the table knows.
template <typename Table, typename Value>
Result choice(const Table &table, const QStringList &values, JobField field, Value &into,
              auto keyOf) {
  std::vector<std::string_view> names;
  for (const auto &row : table) {
    if (QString::fromUtf8(row.name.data(), qsizetype(row.name.size()))
            .compare(values.last(), Qt::CaseInsensitive) == 0) {
      into = keyOf(row);
      return std::nullopt;
    }
    names.push_back(row.name);
  }
  return error(field, RefusalReason::Unknown, values.last(), std::move(names));
}

std::string utf8(const QString &text) { return text.toStdString(); }

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The names a table's rows go by on the command line.
template <typename Table> QStringList namesIn(const Table &table) {
  QStringList names;
  for (const auto &row : table)
    names << fromUtf8(row.name);
  return names;
}

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

Result signs(WorksheetJob &job, const QStringList &values) {
  for (const QString &value : values)
    for (const QString &name : value.split(QLatin1Char(','))) {
      const auto pair = signPairNamed(utf8(name.trimmed()));
      if (!pair) {
        std::vector<std::string_view> names;
        for (const SignPairInfo &info : kSignPairs)
          names.push_back(info.symbols);
        return error(JobField::Signs, RefusalReason::Unknown, name, std::move(names));
      }
      job.signs.push_back(*pair);
    }
  return std::nullopt;
}

Result units(WorksheetJob &job, const QStringList &values) {
  for (const QString &value : values)
    for (const QString &name : value.split(QLatin1Char(','))) {
      const UnitInfo *unit = unitNamed(utf8(name.trimmed()));
      if (!unit)
        return error(JobField::Unit, RefusalReason::Unknown, name);
      job.units.push_back(unit);
    }
  return std::nullopt;
}

QStringList unitIds() {
  QStringList ids;
  for (const UnitInfo &unit : kUnits)
    ids << fromUtf8(unit.id);
  return ids;
}

QStringList signWords() {
  QStringList words = namesIn(kSignPairs);
  for (const SignPairInfo &pair : kSignPairs)
    words << fromUtf8(pair.symbols);
  return words;
}

Result preset(WorksheetJob &job, const QStringList &values) {
  for (const WorksheetPreset &p : kWorksheetPresets)
    if (p.name == utf8(values.last())) {
      job.preset = &p;
      return std::nullopt;
    }
  return error(JobField::Preset, RefusalReason::Unknown, values.last());
}

struct CarryWord {
  std::string_view name;
  Carry carry;
};
constexpr std::array<CarryWord, 3> kCarryWords{
    {{"yes", Carry::With}, {"no", Carry::Without}, {"any", Carry::Any}}};

Result carry(WorksheetJob &job, const QStringList &values) {
  return choice(kCarryWords, values, JobField::Carry, job.carry,
                [](const CarryWord &w) { return w.carry; });
}

Result paper(WorksheetJob &job, const QStringList &values) {
  return choice(kPapers, values, JobField::Paper, job.page.paper,
                [](const PaperInfo &p) { return p.paper; });
}

Result format(WorksheetJob &job, const QStringList &values) {
  return choice(kSheetFormats, values, JobField::Format, job.format,
                [](const SheetFormatInfo &f) { return f.format; });
}

Result guide(WorksheetJob &job, const QStringList &values) {
  return choice(kGuides, values, JobField::Guide, job.guide,
                [](const GuideInfo &g) { return g.guide; });
}

Result cells(WorksheetJob &job, const QStringList &values) {
  return choice(kGridCells, values, JobField::Cells, job.cells,
                [](const GridCellsInfo &c) { return c.cells; });
}

Result split(WorksheetJob &job, const QStringList &values) {
  return choice(kCherrySplits, values, JobField::Split, job.split,
                [](const CherrySplitInfo &c) { return c.split; });
}

Result size(WorksheetJob &job, const QStringList &values) {
  return choice(kSheetSizes, values, JobField::Size, job.size,
                [](const SheetSizeInfo &s) { return s.size; });
}

Result typeface(WorksheetJob &job, const QStringList &values) {
  return choice(kTypefaces, values, JobField::Typeface, job.typeface,
                [](const TypefaceInfo &t) { return t.typeface; });
}

Result remainder(WorksheetJob &job, const QStringList &values) {
  return choice(kRemainderStyles, values, JobField::Remainder, job.remainder,
                [](const RemainderStyleInfo &r) { return r.style; });
}

template <bool Value> Result kana(WorksheetJob &job, const QStringList &) {
  job.kana = Value;
  return std::nullopt;
}

Result landscape(WorksheetJob &job, const QStringList &) {
  job.page.landscape = true;
  return std::nullopt;
}

// The job the code names; the options that may go with it come after it in
// the table and change it.
Result reprint(WorksheetJob &job, const QStringList &values) {
  auto decoded = jobFromReprintCode(utf8(values.last()));
  if (auto *refusal = std::get_if<Refusal>(&decoded))
    return UsageError{*refusal, values.last()};
  job = std::get<WorksheetJob>(decoded);
  return std::nullopt;
}

// Helps are translated when the table is made, after the translations are in.
QCommandLineOption valued(const char *name, const char *help, const char *value) {
  return QCommandLineOption(QString::fromLatin1(name), CommandLine::tr(help),
                            QString::fromLatin1(value));
}

QCommandLineOption flag(const char *name, const char *help) {
  return QCommandLineOption(QString::fromLatin1(name), CommandLine::tr(help));
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
      {valued("reprint",
              QT_TRANSLATE_NOOP("CommandLine",
                                "プリントの下のらんの再印刷コードから、その1枚を同じ番号でもう一度"
                                "作ります（いっしょに使えるのは --answers、--copies、--title と"
                                "出力のオプションだけです）。"),
              "code"),
       &reprint},
      {valued("unit",
              QT_TRANSLATE_NOOP("CommandLine",
                                "学年と単元のプリント（--list-units を見てください）。くりかえすか "
                                "a,b のように並べると、1枚にまとめます。"),
              "id"),
       &units, unitIds(), true},
      {valued("review",
              QT_TRANSLATE_NOOP("CommandLine",
                                "ふくしゅう: 問題のこの割合（0..50 %）を、同じ学年の前の単元（同じ"
                                "書き方のもの）から出し、プリント全体にちらします。"),
              "percent"),
       &optionalNumberOption<&WorksheetJob::review, JobField::Review>},
      {valued("preset",
              QT_TRANSLATE_NOOP("CommandLine",
                                "4つのプリセットの1つ（--list-presets を見てください）。"),
              "name"),
       &preset, namesIn(kWorksheetPresets)},
      {valued("kind",
              QT_TRANSLATE_NOOP("CommandLine",
                                "問題の種類（--list-kinds を見てください）。くりかえすか a,b "
                                "のように並べると混ぜられます。"),
              "kind"),
       &kinds, namesIn(kSheetKinds), true},
      {valued("min",
              QT_TRANSLATE_NOOP("CommandLine",
                                "どの数もこれより小さくしない（0..9999、筆算は 0..99999）。"),
              "n"),
       &optionalNumberOption<&WorksheetJob::min, JobField::Min>},
      {valued("max",
              QT_TRANSLATE_NOOP("CommandLine",
                                "どの数もこれより大きくしない（0..9999、筆算は 0..99999）。"),
              "n"),
       &optionalNumberOption<&WorksheetJob::max, JobField::Max>},
      {valued("first",
              QT_TRANSLATE_NOOP("CommandLine",
                                "1つめの数の範囲。たとえば 10..99（わり算ではわられる数）。"),
              "A..B"),
       &rangeOption<&WorksheetJob::first, JobField::First>},
      {valued("second", QT_TRANSLATE_NOOP("CommandLine", "2つめの数の範囲（わり算ではわる数）。"),
              "A..B"),
       &rangeOption<&WorksheetJob::second, JobField::Second>},
      {valued("result", QT_TRANSLATE_NOOP("CommandLine", "答えの範囲（わり算では商）。"), "A..B"),
       &rangeOption<&WorksheetJob::result, JobField::Result>},
      {valued("carry",
              QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "たし算のくり上がり、ひき算のくり下がり（筆算ではかけ算のくり上がりも）が、"
                  "どこかの位にある（yes）かない（no）か。any（指定しないとき）は両方をまぜます。"),
              "yes|no|any"),
       &carry, namesIn(kCarryWords)},
      {valued("signs",
              QT_TRANSLATE_NOOP("CommandLine",
                                "3つの数（--kind three）の記号: ++、--、+-、-+ から、a,b のように"
                                "並べて（指定しなければ全部）。add-subtract のようにも書けます。"),
              "signs"),
       &signs, signWords(), true},
      {flag("no-trivial",
            QT_TRANSLATE_NOOP("CommandLine",
                              "0や1の問題（0をたす・ひく、0や1をかける、1でわる、同じ数をひく）を"
                              "入れません。")),
       &jobFlag<&WorksheetJob::leaveOutTrivial>},
      {valued(
           "count",
           QT_TRANSLATE_NOOP("CommandLine", "1枚の問題の数（1..10000。指定しなければ1ページ分）。"),
           "n"),
       &optionalNumberOption<&WorksheetJob::count, JobField::Count>},
      {valued("rows",
              QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "1ページの問題の行数（1..50。指定しなければ用紙と大きさに入るだけ）。"),
              "n"),
       &optionalNumberOption<&WorksheetJob::rows, JobField::Rows>},
      {valued("columns",
              QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "1ページの問題の列数（1..10。指定しなければ用紙と大きさに入るだけ）。"),
              "n"),
       &optionalNumberOption<&WorksheetJob::columns, JobField::Columns>},
      {valued("sheets",
              QT_TRANSLATE_NOOP("CommandLine",
                                "作るプリントの枚数。1枚ずつ問題がちがいます（1..1000）。"),
              "n"),
       &numberOption<&WorksheetJob::sheets, JobField::Sheets>},
      {valued("copies",
              QT_TRANSLATE_NOOP("CommandLine", "同じプリントを何枚作るか。答えは1枚（1..100）。"),
              "n"),
       &numberOption<&WorksheetJob::copies, JobField::Copies>},
      {valued("seed",
              QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "プリントのシード（0..4294967295）。1枚ずつのシードは下のらんにあります。"
                  "指定しなければランダムに決めます。"),
              "n"),
       &numberOption<&WorksheetJob::seed, JobField::Seed>},
      {flag("answers", QT_TRANSLATE_NOOP("CommandLine", "1枚ごとに、そのあとに答えのプリント。")),
       &jobFlag<&WorksheetJob::answers>},
      {flag("answers-at-end", QT_TRANSLATE_NOOP("CommandLine", "答えのプリントを最後にまとめて。")),
       &jobFlag<&WorksheetJob::answersAtEnd>},
      {flag("name-field", QT_TRANSLATE_NOOP("CommandLine", "名前のらん。")),
       &fieldFlag<&SheetFields::name>},
      {flag("class-field", QT_TRANSLATE_NOOP("CommandLine", "年・組・番のらん。")),
       &fieldFlag<&SheetFields::className>},
      {flag("date-field", QT_TRANSLATE_NOOP("CommandLine", "日付のらん: 　月　日。")),
       &fieldFlag<&SheetFields::date>},
      {flag("score-field", QT_TRANSLATE_NOOP("CommandLine", "点数のらん: 　　／N。")),
       &fieldFlag<&SheetFields::score>},
      {valued("title",
              QT_TRANSLATE_NOOP("CommandLine", "上にタイトル。空ならプリセットや種類の名前。"),
              "text"),
       &title},
      {flag("numbers", QT_TRANSLATE_NOOP("CommandLine", "問題に番号をつけます。")),
       &fieldFlag<&SheetFields::numbers>},
      {valued("paper",
              QT_TRANSLATE_NOOP("CommandLine",
                                "用紙: a4（指定しないとき）、b5（JIS）、a5、letter、b4（JIS）。"),
              "paper"),
       &paper, namesIn(kPapers)},
      {flag("landscape", QT_TRANSLATE_NOOP("CommandLine", "用紙を横向きにします。")), &landscape},
      {valued("format",
              QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "問題の書き方: inline（よこ書き。指定しないとき）、column（筆算。"
                  "たし算・ひき算は5けたまで、かけ算・わり算は2けたの数でかける・わる"
                  "まで）、grid（百ます計算。たし算・ひき算・かけ算）、cherry（さくらんぼ"
                  "計算。10をこえるたし算と10をまたぐひき算）。"),
              "format"),
       &format, namesIn(kSheetFormats)},
      {valued(
           "guide",
           QT_TRANSLATE_NOOP("CommandLine",
                             "筆算の手がかり: boxes（ます目とくり上がりのメモ。指定しないとき）、"
                             "squares（ます目だけ）、none（白い紙）。"),
           "boxes|squares|none"),
       &guide, namesIn(kGuides)},
      {valued(
           "cells",
           QT_TRANSLATE_NOOP("CommandLine",
                             "百ますのます目: 100（10×10。指定しないとき）、25（5×5）、10（1行に10"
                             "ます、かどに決まった数）。--count は1枚の百ますの数です。"),
           "100|25|10"),
       &cells, namesIn(kGridCells)},
      {valued(
           "split",
           QT_TRANSLATE_NOOP("CommandLine",
                             "さくらんぼ計算で分ける数: たし算は second（たす数。指定しないとき）、"
                             "first（たされる数）、smaller（小さいほう）、ひき算は minuend（ひかれ"
                             "る数。指定しないとき）、subtrahend（ひく数）。"),
           "name"),
       &split, namesIn(kCherrySplits)},
      {valued("size",
              QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "数字の大きさ: large（1年生。数字の高さ 12 mm）、medium（指定しないとき。8 mm）、"
                  "small（上の学年。5.5 mm）。"),
              "size"),
       &size, namesIn(kSheetSizes)},
      {valued("typeface",
              QT_TRANSLATE_NOOP("CommandLine",
                                "書体: klee（教科書体に近いクレー。指定しないとき）、ud（BIZ "
                                "UDゴシック）、gothic（IPAゴシック）。"),
              "typeface"),
       &typeface, namesIn(kTypefaces)},
      {flag("kana",
            QT_TRANSLATE_NOOP("CommandLine",
                              "見出しをひらがなで（なまえ、ねん くみ ばん、がつ にち）。--size "
                              "large では指定しなくてもひらがなです。")),
       &kana<true>},
      {flag("no-kana", QT_TRANSLATE_NOOP("CommandLine",
                                         "--size large でも見出しを漢字で（名前、年 組 番）。")),
       &kana<false>},
      {valued(
           "remainder",
           QT_TRANSLATE_NOOP("CommandLine",
                             "あまりの書き方: words（5あまり1。指定しないとき）、dots（5 … 1）。"),
           "words|dots"),
       &remainder, namesIn(kRemainderStyles)},
  };
  return options;
}
