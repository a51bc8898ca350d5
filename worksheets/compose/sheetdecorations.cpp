#include "sheetdecorations.h"

#include "printruns.h"

#include <algorithm>

namespace {

// The largest cell at which text fits `width` pixels, no taller than `height`.
int32_t fittingCell(std::string_view text, int64_t width, int64_t height) {
  const int64_t halves = std::max<int64_t>(textHalves(text), 1);
  return static_cast<int32_t>(std::max<int64_t>(std::min(height, width * 2 / halves), 0));
}

std::vector<std::string> fieldTexts(const SheetPlan &plan) {
  std::vector<std::string> fields;
  if (plan.fields.date)
    fields.emplace_back("　月　日");
  if (plan.fields.className)
    fields.emplace_back("　年　組　番");
  if (plan.fields.score)
    fields.push_back("　　／" + std::to_string(plan.count));
  return fields;
}

std::string joined(const std::vector<std::string> &fields, std::size_t from, std::size_t to) {
  std::string line;
  for (std::size_t i = from; i < to; ++i)
    line += (line.empty() ? "" : "　") + fields[i];
  return line;
}

std::string headLine(const SheetPlan &plan, SheetLabel label) {
  std::string line;
  if (label.answers)
    line = "こたえ　No." + std::to_string(label.sheet);
  if (plan.title)
    line += (line.empty() ? "" : "　") + *plan.title;
  return line;
}

} // namespace

int64_t textHalves(std::string_view utf8) {
  int64_t halves = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      halves += 1;
    else if ((byte & 0xC0) != 0x80)
      halves += 2;
  }
  return halves;
}

std::vector<PlacedText> headingTexts(const PrintLayout &layout, const SheetPlan &plan,
                                     SheetLabel label, int32_t clearance) {
  const std::string head = headLine(plan, label);
  const std::vector<std::string> fieldList =
      label.answers ? std::vector<std::string>() : fieldTexts(plan);
  const std::string fields = joined(fieldList, 0, fieldList.size());
  std::vector<PlacedText> texts;
  const int64_t width = layout.PageWidth;
  const int64_t gap = width / 40;
  const int64_t top = layout.FontHeight / 2; // where the name field stands
  const int64_t bottom = int64_t{layout.TopMargin} - clearance;
  const int64_t lineCell = std::min<int64_t>(layout.TopMargin / 2, bottom - top);
  if (lineCell <= 0 || (head.empty() && fields.empty()))
    return texts;
  const auto place = [&](int64_t x, int64_t y, int32_t cell, const std::string &text) {
    if (cell > 0)
      texts.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y), cell, text});
  };

  if (!plan.fields.name || label.answers) {
    // The whole width: the heading on the left, the fields on the right.
    const int64_t share = head.empty() || fields.empty() ? width : width / 2 - gap;
    if (!head.empty())
      place(0, top, fittingCell(head, share, lineCell), head);
    if (!fields.empty()) {
      const int32_t cell = fittingCell(fields, share, lineCell);
      place(width - textHalves(fields) * cell / 2, top, cell, fields);
    }
    return texts;
  }

  // The name field holds the right two thirds of its line; the rest goes to
  // its left, or below it when the margin is deep enough to give more room.
  const int64_t left = width / 3 - gap;
  int64_t leftTop = top;
  if (!head.empty()) {
    const int32_t cell = fittingCell(head, left, fields.empty() ? lineCell : lineCell / 2);
    place(0, top, cell, head);
    leftTop = top + cell + gap / 4;
  }
  if (fields.empty())
    return texts;
  // Below the name field; beside it on one line; or beside it on two.
  const int64_t nameBottom = top + layout.TopMargin / 2 + gap / 4;
  const int32_t below = fittingCell(fields, width - width / 3, bottom - nameBottom);
  const int32_t beside = fittingCell(fields, left, bottom - leftTop);
  const std::size_t half = (fieldList.size() + 1) / 2;
  const std::string upper = joined(fieldList, 0, half);
  const std::string lower = joined(fieldList, half, fieldList.size());
  const int64_t twoLines = (bottom - leftTop - gap / 4) / 2;
  const int32_t split = lower.empty() ? 0
                                      : std::min(fittingCell(upper, left, twoLines),
                                                 fittingCell(lower, left, twoLines));
  if (below >= beside && below >= split) {
    place(width - textHalves(fields) * below / 2, nameBottom, below, fields);
  } else if (beside >= split) {
    place(0, leftTop, beside, fields);
  } else {
    place(0, leftTop, split, upper);
    place(0, leftTop + split + gap / 4, split, lower);
  }
  return texts;
}

PlacedText footerText(const PrintLayout &layout, const SheetPlan &plan, SheetLabel label,
                      int32_t page, int32_t pages) {
  std::string text = label.answers ? "こたえ　" : "";
  text +=
      plan.caption + "　No." + std::to_string(label.sheet) + "／" + std::to_string(label.sheets);
  if (pages > 1)
    text += "　" + std::to_string(page) + "／" + std::to_string(pages) + "ページ";
  text += "　seed " + std::to_string(label.seed);
  const int64_t x = int64_t{layout.PageWidth} - textHalves(text) * kFooterCell / 2;
  return {static_cast<int32_t>(std::max<int64_t>(x, 0)), layout.PageHeight - kFooterCell,
          kFooterCell, text};
}

void drawTexts(PrintCanvas &canvas, const std::vector<PlacedText> &texts) {
  canvas.setTypeface(kSignTypeface);
  for (const PlacedText &text : texts) {
    canvas.setCellHeight(text.cell);
    canvas.text(text.x, text.y, text.text);
  }
}

int32_t numberAboveCell(const PrintLayout &layout) {
  const int32_t room = layout.RowPitch - layout.FontHeight - 2 * kItemClearance;
  return std::clamp(room, 0, layout.FontHeight / 2);
}
