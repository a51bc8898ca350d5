#pragma once

#include "jobvalidation.h"
#include "printcanvas.h"
#include "sheetlabel.h"

// A preset's problem sheet or its answer sheet, printed by the window's own
// print run and so drawn exactly as the window draws it, with the program's
// heading, problem numbers and footer added on the page. false when the
// canvas refused the page.
bool drawPresetSheet(PrintCanvas &canvas, const SheetPlan &plan, SheetLabel label,
                     PrintableArea page);
