#pragma once

#include "printcanvas.h"
#include "sheetlabel.h"
#include "sheetplan.h"

// A preset's problem sheet or its answer sheet, printed by the window's own
// print run and so drawn exactly as the window draws it, within the page's
// margins, with the program's heading, problem numbers and footer added on
// the page. Class, date and score fields, asked for, stand in a header band
// above the window's page, which moves down by the band's height. false
// when the canvas refused the page.
bool drawPresetSheet(PrintCanvas &canvas, const SheetPlan &plan, const SheetLabel &label);

// Whether the preset's rows leave room for the problems' numbers above
// them on its paper, below the band its fields ask for.
[[nodiscard]] bool presetNumbersFit(const SheetPlan &plan, int32_t dpi);
