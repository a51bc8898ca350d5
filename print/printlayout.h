#pragma once

#include <cstdint>
#include <string_view>

// Where the items of a worksheet go. Lengths are printer device pixels from
// the top-left corner of the printable area. Rows, Columns, CharsDown and
// CharsAcross hold the spin edits' values; the window assigns them directly
// when an edit changes, and computeLayout derives the rest at print time.
struct PrintLayout {
  int32_t Rows = 0;
  int32_t Columns = 0;
  int32_t CharsDown = 0;
  int32_t CharsAcross = 0;
  int32_t CursorX = 0;
  int32_t CursorY = 0;
  int32_t PageWidth = 0;
  int32_t PageHeight = 0;
  int32_t FontHeight = 0;
  int32_t CharPitch = 0;
  int32_t FitHeight = 0;
  int32_t RowPitch = 0;
  int32_t ColumnPitch = 0;
  int32_t TopMargin = 0;
  int32_t BottomMargin = 0;

  friend bool operator==(const PrintLayout &, const PrintLayout &) = default;
};

// A spin edit's text as a whole number: blanks around it, an optional sign,
// digits. Anything else, or a number outside int32, reads as 0.
int32_t spinEditValue(std::string_view text);

// Stores the four counts and the printable page as given and derives margins,
// pitches and the font height, every division truncating toward zero.
// Bad values never divide by zero or overflow: a Rows or Columns below 1 is
// laid out as 1 (the stored counts keep the values given), and a fit divisor
// (Rows x CharsDown + 2 or Columns x CharsAcross + 2) of 0 or less gives a
// FitHeight or CharPitch of 0.
void computeLayout(PrintLayout &layout, int32_t rows, int32_t columns, int32_t charsDown,
                   int32_t charsAcross, int32_t pageWidth, int32_t pageHeight);

// Moves the cursor to the top-left corner of item n (from 1), filling the rows
// left to right with the current pitches; items past the last row continue
// below the grid on the same page. A Columns below 1 counts as 1; positions
// beyond int32 are clamped.
void placeItem(PrintLayout &layout, int32_t n, int32_t indent);
