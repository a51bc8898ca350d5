#pragma once

#include "papers.h"
#include "printcanvas.h"
#include "sheetitem.h"
#include "sheetlabel.h"
#include "sheetplan.h"

#include <vector>

// The pages of a sheet of the program's own kinds, the same for every
// format: the header band on the first page, the grid of items with their
// numbers, page breaks, and the footer on every page. The format of the
// sheet sets out each item in its cell. false when the canvas refused a
// page; a begun page is always ended.
bool drawOwnSheet(PrintCanvas &canvas, const SheetPlan &plan, const std::vector<SheetItem> &items,
                  const SheetLabel &label);
