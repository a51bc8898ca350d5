#pragma once

#include "enumtable.h"
#include "refusal.h"
#include "worksheetjob.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The tables of how a sheet of the program's own kinds looks: its formats,
// sizes and typefaces, and the words of its headings, kanji or kana.

struct SheetFormatInfo {
  SheetFormat format;
  std::string_view name;
  Limits operands; // the numbers an item of the format has room for
  Limits results;  // and the results a --result range may ask for
};
inline constexpr std::array<SheetFormatInfo, 4> kSheetFormats{{
    {SheetFormat::Inline, "inline", kOperandLimits, kOperandLimits},
    // Five digits times two: up to seven.
    {SheetFormat::Column, "column", kColumnOperandLimits, {0, 9999999}},
    {SheetFormat::Grid, "grid", kOperandLimits, kOperandLimits},
    {SheetFormat::Cherry, "cherry", kOperandLimits, kOperandLimits},
}};
static_assert(inEnumOrder(kSheetFormats, [](const SheetFormatInfo &f) { return f.format; }));

struct GridCellsInfo {
  GridCells cells;
  std::string_view name;
  int32_t rows;    // of cells to fill
  int32_t columns; // a row of ten has the corner's number for its second
};
inline constexpr std::array<GridCellsInfo, 3> kGridCells{{
    {GridCells::Hundred, "100", 10, 10},
    {GridCells::TwentyFive, "25", 5, 5},
    {GridCells::Ten, "10", 1, 10},
}};
static_assert(inEnumOrder(kGridCells, [](const GridCellsInfo &g) { return g.cells; }));

struct CherrySplitInfo {
  CherrySplit split;
  std::string_view name;
  SheetKind kind; // the kind it splits
};
inline constexpr std::array<CherrySplitInfo, 5> kCherrySplits{{
    {CherrySplit::Second, "second", SheetKind::Add},
    {CherrySplit::First, "first", SheetKind::Add},
    {CherrySplit::Smaller, "smaller", SheetKind::Add},
    {CherrySplit::Minuend, "minuend", SheetKind::Subtract},
    {CherrySplit::Subtrahend, "subtrahend", SheetKind::Subtract},
}};
static_assert(inEnumOrder(kCherrySplits, [](const CherrySplitInfo &c) { return c.split; }));

struct GuideInfo {
  Guide guide;
  std::string_view name;
  bool squares;   // the grey squares a digit each
  bool memoBoxes; // the small boxes above for a carry or a reduced digit
};
inline constexpr std::array<GuideInfo, 3> kGuides{{
    {Guide::Boxes, "boxes", true, true},
    {Guide::Squares, "squares", true, false},
    {Guide::None, "none", false, false},
}};
static_assert(inEnumOrder(kGuides, [](const GuideInfo &g) { return g.guide; }));

// Sizes in points, at which the canvas sets type: the items' digits, the
// title and sheet number, the fields' labels (at least 4 mm) and the footer.
struct SheetSizeInfo {
  SheetSize size;
  std::string_view name;
  int32_t itemPoints;  // the digits' em: 34 pt is 12 mm
  double rowGapEms;    // at least this much between rows, in the digits' em
  double columnGapEms; // and between columns
  int32_t titlePoints;
  int32_t labelPoints;
  double fieldHeightMm; // the ruled boxes of the fields, room for a child's writing
  double writingMm;     // the room for each number written in a field
};
inline constexpr std::array<SheetSizeInfo, 3> kSheetSizes{{
    {SheetSize::Large, "large", 34, 1.7, 0.6, 22, 16, 14.0, 12.0},
    {SheetSize::Medium, "medium", 22, 0.8, 1.0, 18, 14, 12.0, 10.0},
    {SheetSize::Small, "small", 16, 0.7, 1.2, 16, 12, 10.0, 8.0},
}};
static_assert(inEnumOrder(kSheetSizes, [](const SheetSizeInfo &s) { return s.size; }));

struct TypefaceInfo {
  Typeface typeface;
  std::string_view name;
  std::string_view family;  // as the font is installed
  std::string_view package; // the Debian package that installs it
};
inline constexpr std::array<TypefaceInfo, 3> kTypefaces{{
    {Typeface::Klee, "klee", "Klee One:SemiBold", "fonts-klee"},
    {Typeface::UdGothic, "ud", "BIZ UDGothic", "fonts-morisawa-bizud-gothic"},
    {Typeface::Gothic, "gothic", "IPAGothic", "fonts-ipafont-gothic"},
}};
static_assert(inEnumOrder(kTypefaces, [](const TypefaceInfo &t) { return t.typeface; }));

struct RemainderStyleInfo {
  RemainderStyle style;
  std::string_view name;
  std::string_view separator; // between the quotient and the remainder
};
inline constexpr std::array<RemainderStyleInfo, 2> kRemainderStyles{{
    {RemainderStyle::Words, "words", "あまり"},
    {RemainderStyle::Dots, "dots", "…"},
}};
static_assert(inEnumOrder(kRemainderStyles, [](const RemainderStyleInfo &r) { return r.style; }));

// A heading's words: kanji for older children, kana for the first grade.
enum class Word { Name, Year, Group, Seat, Month, Day, Answers, Minutes, Seconds };
struct WordInfo {
  Word word;
  std::string_view kanji;
  std::string_view kana;
};
inline constexpr std::array<WordInfo, 9> kWords{{
    {Word::Name, "名前", "なまえ"},
    {Word::Year, "年", "ねん"},
    {Word::Group, "組", "くみ"},
    {Word::Seat, "番", "ばん"},
    {Word::Month, "月", "がつ"},
    {Word::Day, "日", "にち"},
    {Word::Answers, "こたえ", "こたえ"},
    {Word::Minutes, "分", "ふん"},
    {Word::Seconds, "秒", "びょう"},
}};
static_assert(inEnumOrder(kWords, [](const WordInfo &w) { return w.word; }));

[[nodiscard]] const SheetFormatInfo &formatInfo(SheetFormat format);
[[nodiscard]] const GuideInfo &guideInfo(Guide guide);
[[nodiscard]] const GridCellsInfo &cellsInfo(GridCells cells);
[[nodiscard]] const SheetSizeInfo &sizeInfo(SheetSize size);
[[nodiscard]] const TypefaceInfo &typefaceInfo(Typeface typeface);
[[nodiscard]] const RemainderStyleInfo &remainderInfo(RemainderStyle style);
[[nodiscard]] std::string_view wordIn(Word word, bool kana);

// A size by its name on the command line.
[[nodiscard]] std::optional<SheetSize> sizeNamed(std::string_view name);
