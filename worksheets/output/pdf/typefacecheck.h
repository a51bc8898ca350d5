#pragma once

#include "sheetplan.h"
#include "sheetstyles.h"

// The typeface a sheet prints in, when it is not installed: Qt would print
// in a stand-in without a word (an unknown family comes out in DejaVu Sans),
// so the program refuses the job and names the package that installs it.
// A preset prints in the window's typefaces, which are mapped on purpose.
[[nodiscard]] const TypefaceInfo *missingTypeface(const SheetPlan &plan);

// Whether a typeface, as the print canvas names it, is installed.
[[nodiscard]] bool typefaceInstalled(std::string_view typeface);
