#pragma once

#include <cstdint>
#include <string_view>

// A colour for text, lines and outlines.
struct Ink {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(Ink, Ink) = default;
};
inline constexpr Ink kBlackInk{0, 0, 0};

// What fills a closed shape: white paper over whatever lay beneath (the
// print runs' boxes), nothing, or a light grey.
enum class Fill { White, None, Grey };
inline constexpr Ink kGreyFill{217, 217, 217};

// What the print runs and the worksheets draw on: a printer, or a recorder in
// tests. Positions are device pixels from the top-left corner of the
// printable area. Each document is one print job of one page. The typeface
// and the size stay in effect until changed, also from one document to the
// next; the colour and the line width start each document black and 1.
class PrintCanvas {
public:
  virtual ~PrintCanvas() = default;

  // false: the printing service refused the document; nothing is open then.
  virtual bool beginDocument() = 0;
  // false: the document could not be finished; it is closed all the same.
  virtual bool endDocument() = 0;

  // A UTF-8 typeface name, as the worksheet names it: a family, or a family
  // and a style after a colon ("Klee One:SemiBold").
  virtual void setTypeface(std::string_view name) = 0;
  // Character cell height (ascent + descent, internal leading included) in
  // device pixels; replaces any point size.
  virtual void setCellHeight(int32_t pixels) = 0;
  // Font size in points at the device's resolution; replaces any cell height.
  virtual void setPointSize(int32_t points) = 0;
  [[nodiscard]] virtual int32_t verticalDpi() const = 0;

  // How wide UTF-8 text is drawn in the typeface and size in effect.
  [[nodiscard]] virtual int32_t textWidth(std::string_view utf8) const = 0;

  // Of text, lines and outlines.
  virtual void setColour(Ink colour) = 0;
  // Draws UTF-8 text with the top-left corner of its cell at (x, y).
  virtual void text(int32_t x, int32_t y, std::string_view utf8) = 0;
  virtual void moveTo(int32_t x, int32_t y) = 0;
  // A solid line in the line width, from the current point.
  virtual void lineTo(int32_t x, int32_t y) = 0;
  // Outlined in the line width, between two opposite corners.
  virtual void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) = 0;
  // The ellipse that fills the rectangle between two opposite corners.
  virtual void ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) = 0;
  // Part of that ellipse's outline: from startDegrees (0 at three o'clock,
  // counter-clockwise) over spanDegrees.
  virtual void arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t startDegrees,
                   int32_t spanDegrees) = 0;
  // Width of lines and outlines in device pixels. The print runs keep 1;
  // other sheets draw heavier rules.
  virtual void setLineWidth(int32_t pixels) = 0;

protected:
  // Copying through a PrintCanvas reference would slice; only a derived
  // class may copy or move its own kind.
  PrintCanvas() = default;
  PrintCanvas(const PrintCanvas &) = default;
  PrintCanvas(PrintCanvas &&) = default;
  PrintCanvas &operator=(const PrintCanvas &) = default;
  PrintCanvas &operator=(PrintCanvas &&) = default;
};
