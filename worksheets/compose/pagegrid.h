#pragma once

#include "pagedrawer.h"
#include "papers.h"
#include "refusal.h"
#include "sheetplan.h"

#include <optional>
#include <variant>

// The grid of a sheet's pages: as many columns and rows of items as the
// printable area holds below the header band and above the footer, rows
// sharing out the height (fewer items than a page holds get wider gaps, not
// an empty foot). Rows or columns the user asked for replace what fits.
struct GridRequest {
  double itemWidthMm = 0;  // with the problem's number
  double itemHeightMm = 0; // with a number above it
  double numberWidthMm = 0;
  double numberHeightMm = 0; // a number above the item instead
  double columnGapMm = 0;    // at least, between columns
  double rowGapMm = 0;       // at least, between rows
  double bandHeightMm = 0;   // the first page's header band, with its gap below
  double footerRoomMm = 0;
  SizeMm page;
  std::optional<int64_t> rows;
  std::optional<int64_t> columns;
  int32_t count = 0; // 0: a page full
};

// The grid, or why the items do not fit: DoesNotFit when not one does, or
// TooMany rows or columns asked for (the most that fit in `high`).
[[nodiscard]] std::variant<PageGrid, Refusal> layOutGrid(const GridRequest &request);

// Items of a page, and where the n-th of a page (from 0) goes.
[[nodiscard]] int32_t itemsOnPage(const PageGrid &grid, int32_t page);
[[nodiscard]] RectMm cellOf(const PageGrid &grid, int32_t page, int32_t index);
