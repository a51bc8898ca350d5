#include "printlayout.h"

#include "clampedmath.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr int64_t kRowsWithFixedMargin = 20;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int64_t quotientOrZero(int64_t dividend, int64_t divisor) {
  return divisor > 0 ? dividend / divisor : 0;
}

} // namespace

int32_t spinEditValue(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return 0;
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);

  const bool negative = text.front() == '-';
  if (negative || text.front() == '+')
    text.remove_prefix(1);
  if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
    return 0;

  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (error != std::errc{} || end != text.data() + text.size() || magnitude > limit)
    return 0;
  const auto value = static_cast<int64_t>(magnitude);
  return static_cast<int32_t>(negative ? -value : value);
}

void computeLayout(PrintLayout &layout, int32_t rows, int32_t columns, int32_t charsDown,
                   int32_t charsAcross, int32_t pageWidth, int32_t pageHeight) {
  layout.Rows = rows;
  layout.Columns = columns;
  layout.CharsDown = charsDown;
  layout.CharsAcross = charsAcross;
  layout.PageWidth = pageWidth;
  layout.PageHeight = pageHeight;

  const int64_t gridRows = std::max(rows, 1);
  const int64_t gridColumns = std::max(columns, 1);
  const int64_t top = pageHeight / std::min(gridRows, kRowsWithFixedMargin);
  const int64_t bottom = top / 2;
  const int64_t usable = pageHeight - top - bottom;

  layout.TopMargin = clampToInt32(top);
  layout.BottomMargin = clampToInt32(bottom);
  layout.FitHeight = clampToInt32(quotientOrZero(usable, gridRows * charsDown + 2));
  layout.CharPitch = clampToInt32(quotientOrZero(pageWidth, gridColumns * charsAcross + 2));
  layout.RowPitch = clampToInt32(usable / gridRows);
  layout.ColumnPitch = clampToInt32(pageWidth / gridColumns);
  layout.FontHeight = std::min(layout.FitHeight, layout.CharPitch);
}

void placeItem(PrintLayout &layout, int32_t n, int32_t indent) {
  const int64_t columns = std::max(layout.Columns, 1);
  const int64_t index = int64_t{n} - 1;
  const int64_t column = index % columns;
  const int64_t row = index / columns;
  layout.CursorX = clampToInt32(column * layout.ColumnPitch + indent);
  layout.CursorY = clampToInt32(row * layout.RowPitch + layout.TopMargin);
}
