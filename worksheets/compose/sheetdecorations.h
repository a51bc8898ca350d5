#pragma once

#include "jobvalidation.h"
#include "printcanvas.h"
#include "printlayout.h"
#include "sheetlabel.h"

#include <cstdint>
#include <string>
#include <vector>

// What a sheet carries besides its problems and the name field: the title,
// the class, date and score fields (or, on an answer sheet, 「こたえ」 and the
// sheet's number) in the top margin, problem numbers, and the footer with
// the sheet's number and seed at the foot of every page.

struct PlacedText {
  int32_t x = 0;
  int32_t y = 0;
  int32_t cell = 0; // character cell height in device pixels
  std::string text;
};

inline constexpr int32_t kFooterCell = 50;    // about 2 mm at 600 dpi
inline constexpr int32_t kRulePixels = 6;     // 0.25 mm at 600 dpi
inline constexpr int32_t kItemClearance = 25; // kept free above the first row's boxes

// Width of UTF-8 text in half character cells: one for ASCII, two for others.
[[nodiscard]] int64_t textHalves(std::string_view utf8);

// The heading texts within the top margin, clear of the name field (when the
// sheet has one) and of the band `clearance` pixels above the first row.
[[nodiscard]] std::vector<PlacedText> headingTexts(const PrintLayout &layout, const SheetPlan &plan,
                                                   SheetLabel label, int32_t clearance);

// The footer of page `page` of `pages`, right-aligned at the page's foot.
[[nodiscard]] PlacedText footerText(const PrintLayout &layout, const SheetPlan &plan,
                                    SheetLabel label, int32_t page, int32_t pages);

// Draws texts in the sign typeface.
void drawTexts(PrintCanvas &canvas, const std::vector<PlacedText> &texts);

// A preset's items keep their places, so their numbers go above them, small:
// the cell they get, 0 when the rows leave no room.
[[nodiscard]] int32_t numberAboveCell(const PrintLayout &layout);
