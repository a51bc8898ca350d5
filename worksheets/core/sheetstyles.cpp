#include "sheetstyles.h"

namespace {

template <typename Table, typename KeyOf>
auto named(const Table &table, std::string_view name, KeyOf keyOf)
    -> std::optional<decltype(keyOf(table[0]))> {
  for (const auto &row : table)
    if (row.name == name)
      return keyOf(row);
  return std::nullopt;
}

} // namespace

const SheetFormatInfo &formatInfo(SheetFormat format) { return kSheetFormats[std::size_t(format)]; }
const SheetSizeInfo &sizeInfo(SheetSize size) { return kSheetSizes[std::size_t(size)]; }
const TypefaceInfo &typefaceInfo(Typeface typeface) { return kTypefaces[std::size_t(typeface)]; }
const RemainderStyleInfo &remainderInfo(RemainderStyle style) {
  return kRemainderStyles[std::size_t(style)];
}

std::string_view wordIn(Word word, bool kana) {
  const WordInfo &info = kWords[std::size_t(word)];
  return kana ? info.kana : info.kanji;
}

std::optional<SheetFormat> formatNamed(std::string_view name) {
  return named(kSheetFormats, name, [](const SheetFormatInfo &f) { return f.format; });
}
std::optional<SheetSize> sizeNamed(std::string_view name) {
  return named(kSheetSizes, name, [](const SheetSizeInfo &s) { return s.size; });
}
std::optional<Typeface> typefaceNamed(std::string_view name) {
  return named(kTypefaces, name, [](const TypefaceInfo &t) { return t.typeface; });
}
std::optional<RemainderStyle> remainderNamed(std::string_view name) {
  return named(kRemainderStyles, name, [](const RemainderStyleInfo &r) { return r.style; });
}
