#include "ownsheet.h"

#include "clampedmath.h"
#include "printframe.h"
#include "printlayout.h"
#include "printruns.h"
#include "sheetdecorations.h"
#include "sheetkinds.h"

#include <algorithm>
#include <string>

namespace {

// Where the places of an item start, from its origin, in device pixels.
struct ItemPlaces {
  int64_t first, sign, second, equals, result, dots, end;
};

ItemPlaces placesOf(const ItemShape &shape, int64_t origin, int32_t pitch) {
  const auto at = [&](int32_t halves) { return origin + int64_t{pitch} * halves / 2; };
  int32_t h = 0;
  ItemPlaces p{};
  p.first = at(h += shape.number); // the problem's number stands before it
  p.sign = at(h += shape.first);
  p.second = at(h += kSignHalves);
  p.equals = at(h += shape.second);
  p.result = at(h += kSignHalves);
  p.dots = at(h += shape.result);
  p.end = at(h + kSignHalves + shape.remainder);
  return p;
}

class ItemWriter {
public:
  ItemWriter(PrintCanvas &canvas, const PrintLayout &layout, const ItemShape &shape)
      : canvas_(canvas), layout_(layout), shape_(shape), digit_(digitWidth(canvas, layout)) {}

  void problem(const SheetItem &item, int64_t origin, bool answers) {
    const ItemPlaces p = placesOf(shape_, origin, layout_.CharPitch);
    const SheetKindInfo &info = kindInfo(item.kind);
    const bool remainder = item.kind == SheetKind::DivideRemainder;
    const auto show = [&](Blank place) { return answers || item.blank != place; };
    number(show(Blank::First), item.first, p.sign);
    sign(info.sign, p.sign);
    number(show(Blank::Second), item.second, p.equals);
    sign("＝", p.equals);
    number(show(Blank::Result), item.result, p.dots);
    if (remainder) {
      sign("…", p.dots);
      number(answers, item.remainder, p.end);
    }
    if (item.blank == Blank::Result)
      return;
    const int64_t from = item.blank == Blank::First ? p.first : p.second;
    const int64_t to = item.blank == Blank::First ? p.sign : p.equals;
    canvas_.setLineWidth(kRulePixels);
    if (answers)
      frame(from, to);
    else
      box(from, to);
    canvas_.setLineWidth(1);
  }

private:
  // The width of a digit: half the item font's size, which the 20-point limit
  // may hold below the character pitch.
  static int64_t digitWidth(const PrintCanvas &canvas, const PrintLayout &layout) {
    const int64_t capped = int64_t{kMaxItemPoints} * std::max(canvas.verticalDpi(), 1) / 72;
    return std::min<int64_t>(layout.CharPitch, std::min<int64_t>(layout.FontHeight, capped)) / 2;
  }

  // Right-aligned to the end of its place, so that a column's ones stand
  // under each other.
  void number(bool shown, int32_t value, int64_t placeEnd) {
    if (!shown)
      return;
    const std::string text = std::to_string(value);
    canvas_.setTypeface(kNumberTypeface);
    canvas_.text(clampToInt32(placeEnd - digit_ * static_cast<int64_t>(text.size())),
                 layout_.CursorY, text);
  }

  // Centred in its three halves.
  void sign(std::string_view text, int64_t place) {
    canvas_.setTypeface(kSignTypeface);
    canvas_.text(clampToInt32(place + layout_.CharPitch / 4), layout_.CursorY, text);
  }

  // The box the child writes the missing number in, as the multiplication
  // sheet draws it, as wide as the number's place.
  void box(int64_t from, int64_t to) {
    const int64_t y = layout_.CursorY;
    canvas_.rectangle(clampToInt32(from - 25), clampToInt32(y - 15), clampToInt32(to + 25),
                      clampToInt32(y + layout_.FontHeight + 15), Fill::White);
  }

  void frame(int64_t from, int64_t to) {
    const int64_t y = layout_.CursorY;
    const int32_t left = clampToInt32(from - 20);
    const int32_t right = clampToInt32(to + 20);
    const int32_t top = clampToInt32(y - 10);
    const int32_t bottom = clampToInt32(y + layout_.FontHeight + 10);
    canvas_.moveTo(left, top);
    canvas_.lineTo(right, top);
    canvas_.lineTo(right, bottom);
    canvas_.lineTo(left, bottom);
    canvas_.lineTo(left, top);
  }

  PrintCanvas &canvas_;
  const PrintLayout &layout_;
  const ItemShape &shape_;
  int64_t digit_;
};

// Numbers stand small at the foot of their place, drawn in one pass so that
// the font changes twice a page, not twice an item.
void drawNumbers(PrintCanvas &canvas, PrintLayout &layout, int32_t first, int32_t last) {
  const int32_t cell = layout.FontHeight * 3 / 5;
  canvas.setTypeface(kSignTypeface);
  canvas.setCellHeight(cell);
  for (int32_t n = first; n <= last; ++n) {
    placeItem(layout, n - first + 1, 0);
    canvas.text(layout.CursorX, clampToInt32(int64_t{layout.CursorY} + layout.FontHeight - cell),
                "(" + std::to_string(n) + ")");
  }
}

} // namespace

int32_t ownSheetPages(const SheetPlan &plan) {
  const int64_t perPage = int64_t{std::max(plan.rows, 1)} * std::max(plan.columns, 1);
  return static_cast<int32_t>(std::max<int64_t>(1, (plan.count + perPage - 1) / perPage));
}

bool drawOwnSheet(PrintCanvas &canvas, const SheetPlan &plan, const std::vector<SheetItem> &items,
                  SheetLabel label, PrintableArea page) {
  PrintLayout layout;
  computeLayout(layout, plan.rows, plan.columns, 1, plan.charsAcross, page.width, page.height);
  const int32_t perPage = std::max(plan.rows, 1) * std::max(plan.columns, 1);
  const int32_t pages = ownSheetPages(plan);
  const auto count = static_cast<int32_t>(items.size());
  for (int32_t pageIndex = 0; pageIndex < pages; ++pageIndex) {
    if (!canvas.beginDocument())
      return false;
    applyItemFontHeight(canvas, layout);
    if (pageIndex == 0) {
      if (plan.fields.name && !label.answers)
        drawNameField(canvas, layout);
      drawTexts(canvas, headingTexts(layout, plan, label, kItemClearance));
    }
    const int32_t first = pageIndex * perPage + 1;
    const int32_t last = std::min(count, first + perPage - 1);
    if (plan.fields.numbers)
      drawNumbers(canvas, layout, first, last);
    applyItemFontHeight(canvas, layout);
    ItemWriter writer(canvas, layout, plan.shape);
    for (int32_t n = first; n <= last; ++n) {
      placeItem(layout, n - first + 1, 0);
      writer.problem(items[static_cast<std::size_t>(n - 1)], layout.CursorX, label.answers);
    }
    drawTexts(canvas, {footerText(layout, plan, label, pageIndex + 1, pages)});
    if (!canvas.endDocument())
      return false;
  }
  return true;
}
