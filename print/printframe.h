#pragma once

#include "printcanvas.h"
#include "printlayout.h"
#include "printruns.h"

#include <cstdint>
#include <functional>

// The point size an item font may reach; larger items print at this size.
inline constexpr int32_t kMaxItemPoints = 20;

// Sets the item font: a cell of FontHeight pixels, or kMaxItemPoints when that
// cell rounds to more points at the canvas's resolution. A resolution of 0 or
// less leaves the cell height alone.
void applyItemFontHeight(PrintCanvas &canvas, const PrintLayout &layout);

// "名前（" at a third of the page's width and "）" near its right edge, in the
// top margin, moving the layout's cursor.
void drawNameField(PrintCanvas &canvas, PrintLayout &layout);

// What every run shares: the problem sheet (name field, item font, problem
// items 1..itemCount) and, when asked for, the answer sheet (answer items).
PrintOutcome printSheets(PrintCanvas &canvas, PrintLayout &layout, int32_t itemCount,
                         PrintOptions options, const std::function<void(int32_t)> &problemItem,
                         const std::function<void(int32_t)> &answerItem);
