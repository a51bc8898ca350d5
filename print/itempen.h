#pragma once

#include "clampedmath.h"
#include "printcanvas.h"
#include "printlayout.h"

#include <cstdint>
#include <string>
#include <string_view>

// Writes an item's parts at the layout's cursor, in one of the two typefaces.
class ItemPen {
public:
  ItemPen(PrintCanvas &canvas, PrintLayout &layout) : canvas_(canvas), layout_(layout) {}

  void useTypeface(std::string_view typeface) { canvas_.setTypeface(typeface); }
  void write(std::string_view text) { canvas_.text(layout_.CursorX, layout_.CursorY, text); }
  void write(int32_t number) { write(std::to_string(number)); }
  void advance(int64_t pixels) { layout_.CursorX = clampToInt32(layout_.CursorX + pixels); }

private:
  PrintCanvas &canvas_;
  PrintLayout &layout_;
};
