#pragma once

#include "jobvalidation.h"
#include "printcanvas.h"
#include "sheetitem.h"
#include "sheetlabel.h"

#include <vector>

// Pages of a sheet of the program's own kinds: the grid of the page layout,
// rows x columns problems a page, as many pages as the problems need. The
// first page carries the name field and the heading; every page its footer.
[[nodiscard]] int32_t ownSheetPages(const SheetPlan &plan);

// false when the canvas refused a page; a begun page is always ended.
bool drawOwnSheet(PrintCanvas &canvas, const SheetPlan &plan, const std::vector<SheetItem> &items,
                  SheetLabel label, PrintableArea page);
