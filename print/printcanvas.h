#pragma once

#include <cstdint>
#include <string_view>

// What the print runs draw on: a printer, or a recorder in tests. Positions
// are device pixels from the top-left corner of the printable area. Each
// document is one print job of one page. The typeface and the size stay in
// effect until changed, also from one document to the next.
class PrintCanvas {
public:
  virtual ~PrintCanvas() = default;

  // false: the printing service refused the document; nothing is open then.
  virtual bool beginDocument() = 0;
  // false: the document could not be finished; it is closed all the same.
  virtual bool endDocument() = 0;

  // A UTF-8 typeface name, as the worksheet names it.
  virtual void setTypeface(std::string_view name) = 0;
  // Character cell height (ascent + descent, internal leading included) in
  // device pixels; replaces any point size.
  virtual void setCellHeight(int32_t pixels) = 0;
  // Font size in points at the device's resolution; replaces any cell height.
  virtual void setPointSize(int32_t points) = 0;
  [[nodiscard]] virtual int32_t verticalDpi() const = 0;

  // Draws UTF-8 text with the top-left corner of its cell at (x, y).
  virtual void text(int32_t x, int32_t y, std::string_view utf8) = 0;
  virtual void moveTo(int32_t x, int32_t y) = 0;
  // A solid black line in the line width, from the current point.
  virtual void lineTo(int32_t x, int32_t y) = 0;
  // Outlined black in the line width, filled white.
  virtual void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
  // Width of lines and outlines in device pixels; 1 at the start of every
  // document. The print runs keep it; other sheets draw heavier rules.
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
