#include "listings.h"
#include "commandlinetexts.h"

#include "units.h"

#include <QLocale>
#include <QTextStream>

#include <array>

namespace {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString rangeText(NumberRange range) {
  return QStringLiteral("%1..%2").arg(range.low).arg(range.high);
}

// What each kind asks, as --list-kinds says it, in the order of kSheetKinds.
constexpr std::array<const char *, 8> kKindSummaries{
    QT_TRANSLATE_NOOP("CommandLine", "たし算: 1つめ + 2つめ = 答え"),
    QT_TRANSLATE_NOOP("CommandLine", "ひき算: 1つめ - 2つめ = 答え。答えはマイナスになりません"),
    QT_TRANSLATE_NOOP("CommandLine", "かけ算: 1つめ × 2つめ = 答え"),
    QT_TRANSLATE_NOOP("CommandLine", "□のあるかけ算: 1つめ × □ = 答え、または □ × 2つめ = 答え"),
    QT_TRANSLATE_NOOP("CommandLine", "□のあるたし算: □ + 2つめ = 答え、または 1つめ + □ = 答え"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "あまりのないわり算: わられる数（1つめ）÷ わる数（2つめ）= 商（答え）"),
    QT_TRANSLATE_NOOP("CommandLine", "あまりのあるわり算: 1つめ ÷ 2つめ = 答え … あまり（1 以上）"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "3つの数: 1つめ + 2つめ - 3つめ = 答え（記号は --signs）。--second が2つめと"
                      "3つめの範囲、--result がとちゅうの答えの上限にもなり、とちゅうもマイナスに"
                      "なりません。数は 0..99"),
};
static_assert(kKindSummaries.size() == kSheetKinds.size());

} // namespace

QString kindSummary(const SheetKindInfo &kind) {
  return CommandLine::tr(kKindSummaries[static_cast<std::size_t>(kind.kind)]);
}

QString kindDefaults(const SheetKindInfo &kind) {
  QString text = CommandLine::tr("指定しないとき: --first %1 --second %2")
                     .arg(rangeText(kind.first), rangeText(kind.second));
  if (kind.result)
    text +=
        CommandLine::tr(" --result %1（数の範囲を指定しないとき）").arg(rangeText(*kind.result));
  if (kind.takesCarry)
    text += CommandLine::tr("。--carry が使えます");
  return text;
}

QString presetLayout(const WorksheetPreset &preset) {
  return CommandLine::tr("（%1 題、%2 行 × %3 列）")
      .arg(preset.printCount)
      .arg(preset.rows)
      .arg(preset.columns);
}

QString gradeName(int32_t grade) { return CommandLine::tr("%1年").arg(grade); }

void listKinds() {
  QTextStream out(stdout);
  for (const SheetKindInfo &kind : kSheetKinds)
    out << fromUtf8(kind.name).leftJustified(18) << fromUtf8(kind.caption) << "\n    "
        << kindSummary(kind) << "\n    " << kindDefaults(kind) << "\n";
}

// The units in the textbooks' order, captioned in the locale's language.
void listUnits() {
  QTextStream out(stdout);
  const bool japanese = QLocale().language() == QLocale::Japanese;
  for (const UnitInfo &unit : kUnits)
    out << gradeName(unit.grade).leftJustified(8) << fromUtf8(unit.id).leftJustified(18)
        << fromUtf8(japanese ? unit.caption : unit.english) << "\n";
}

void listPresets() {
  QTextStream out(stdout);
  for (const WorksheetPreset &preset : kWorksheetPresets)
    out << fromUtf8(preset.name).leftJustified(11) << fromUtf8(preset.caption) << "  "
        << presetLayout(preset) << "\n";
}
