#include "sheetstyles.h"

const SheetFormatInfo &formatInfo(SheetFormat format) { return kSheetFormats[std::size_t(format)]; }
const GuideInfo &guideInfo(Guide guide) { return kGuides[std::size_t(guide)]; }
const GridCellsInfo &cellsInfo(GridCells cells) { return kGridCells[std::size_t(cells)]; }
const SheetSizeInfo &sizeInfo(SheetSize size) { return kSheetSizes[std::size_t(size)]; }
const TypefaceInfo &typefaceInfo(Typeface typeface) { return kTypefaces[std::size_t(typeface)]; }
const RemainderStyleInfo &remainderInfo(RemainderStyle style) {
  return kRemainderStyles[std::size_t(style)];
}

std::string_view wordIn(Word word, bool kana) {
  const WordInfo &info = kWords[std::size_t(word)];
  return kana ? info.kana : info.kanji;
}

std::optional<SheetSize> sizeNamed(std::string_view name) {
  for (const SheetSizeInfo &size : kSheetSizes)
    if (size.name == name)
      return size.size;
  return std::nullopt;
}
