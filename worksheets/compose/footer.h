#pragma once

#include "pagedrawer.h"
#include "sheetlabel.h"

#include <string>
#include <string_view>

// The line at the foot of every page, for the adults: what the sheet is,
// its number in the batch, the page, its seed and its reprint code.

inline constexpr int32_t kFooterPoints = 8;

struct FooterLine {
  std::string text;
  TextStyle style;
  RectMm cell;
};

// Right-aligned at the foot of a printable area `width` by `height`; in a
// smaller size, or without the caption, when the paper is too narrow.
[[nodiscard]] FooterLine footerLine(std::string_view family, std::string_view caption,
                                    const SheetLabel &label, int32_t page, int32_t pages,
                                    double width, double height);

// The footer's height and the gap kept above it.
[[nodiscard]] double footerRoomMm(std::string_view family);

void drawFooter(PageDrawer &drawer, const FooterLine &footer);
