#pragma once

#include "worksheetjob.h"

#include <array>
#include <optional>
#include <string_view>

// What each kind of sheet is: its name on the command line, its caption on
// the sheet, its sign, and the ranges it starts from. Every kind reads
// "first sign second ＝ result"; a division's first number is the dividend,
// its second the divisor and its result the quotient.
struct SheetKindInfo {
  SheetKind kind;
  std::string_view name;
  std::string_view caption;
  std::string_view sign;
  NumberRange first;
  NumberRange second;
  std::optional<NumberRange> result; // applies only while no operand range is given
  bool takesCarry;
};

inline constexpr std::array<SheetKindInfo, 7> kSheetKinds{{
    {SheetKind::Add, "add", "たし算", "＋", {0, 9}, {0, 9}, std::nullopt, true},
    {SheetKind::Subtract, "subtract", "ひき算", "－", {0, 18}, {0, 9}, NumberRange{0, 9}, true},
    {SheetKind::Multiply, "multiply", "かけ算", "×", {1, 9}, {1, 9}, std::nullopt, false},
    {SheetKind::MissingFactor,
     "missing-factor",
     "かけ算（□をもとめる）",
     "×",
     {1, 9},
     {1, 9},
     std::nullopt,
     false},
    {SheetKind::MissingAddend,
     "missing-addend",
     "たし算（□をもとめる）",
     "＋",
     {0, 9},
     {0, 9},
     std::nullopt,
     true},
    {SheetKind::Divide, "divide", "わり算", "÷", {0, 81}, {1, 9}, NumberRange{1, 9}, false},
    {SheetKind::DivideRemainder,
     "divide-remainder",
     "あまりのあるわり算",
     "÷",
     {0, 89},
     {2, 9},
     NumberRange{1, 9},
     false},
}};

// kindInfo() and paperInfo() look rows up by their enum's value.
template <typename Table> constexpr bool inEnumOrder(const Table &table, auto keyOf) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (std::size_t(keyOf(table[i])) != i)
      return false;
  return true;
}
static_assert(inEnumOrder(kSheetKinds, [](const SheetKindInfo &k) { return k.kind; }));
[[nodiscard]] const SheetKindInfo &kindInfo(SheetKind kind);
[[nodiscard]] std::optional<SheetKind> kindNamed(std::string_view name);

struct PaperInfo {
  Paper paper;
  std::string_view name;
  std::string_view caption;
  int32_t widthMm;
  int32_t heightMm;
  std::string_view ippMedia; // the paper as IPP names media, for a print spooler
};

// Letter is 215.9 x 279.4 mm; the page itself is asked of the PDF writer by
// its name, these sizes only serve the checks before drawing.
inline constexpr std::array<PaperInfo, 4> kPapers{{
    {Paper::A4, "a4", "A4", 210, 297, "iso_a4_210x297mm"},
    {Paper::B5, "b5", "B5 (JIS)", 182, 257, "jis_b5_182x257mm"},
    {Paper::A5, "a5", "A5", 148, 210, "iso_a5_148x210mm"},
    {Paper::Letter, "letter", "Letter", 216, 279, "na_letter_8.5x11in"},
}};

static_assert(inEnumOrder(kPapers, [](const PaperInfo &p) { return p.paper; }));
[[nodiscard]] const PaperInfo &paperInfo(Paper paper);
[[nodiscard]] std::optional<Paper> paperNamed(std::string_view name);
