#pragma once

#include "papers.h"
#include "printcanvas.h"

#include <cstdint>
#include <string>
#include <string_view>

// Pages are composed in millimetres from the top-left corner of the printable
// area; the drawer turns them into the canvas's device pixels. Text is set in
// a face and a size in points, and layout measures it from the faces'
// advance tables, as the canvas will draw it.

inline constexpr double kMmPerPoint = 25.4 / 72.0;

struct RectMm {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  [[nodiscard]] double right() const { return left + width; }
  [[nodiscard]] double bottom() const { return top + height; }
};

struct TextStyle {
  std::string_view family;
  int32_t points = 12;
  Ink ink = kBlackInk;
};

// The printable area as pages are composed in it: a hair inside, so that
// nothing drawn to its very edge rounds to a pixel beyond it.
[[nodiscard]] SizeMm composedArea(PageSetup page);

// Measures of text in a style, in millimetres.
[[nodiscard]] double emMm(const TextStyle &style);
[[nodiscard]] double textWidthMm(const TextStyle &style, std::string_view text);
[[nodiscard]] double cellHeightMm(const TextStyle &style); // the text's cell: ascent + descent
[[nodiscard]] double ascentMm(const TextStyle &style);
[[nodiscard]] double figureHeightMm(const TextStyle &style); // the digits' height

class PageDrawer {
public:
  explicit PageDrawer(PrintCanvas &canvas);

  [[nodiscard]] PrintCanvas &canvas() { return canvas_; }
  [[nodiscard]] int32_t pixels(double mm) const;

  // Text with the top-left corner of its cell at (x, top).
  void text(double x, double top, const TextStyle &style, std::string_view text);
  // Text whose baseline is at `baseline`, starting at x, ending at x, or
  // centred on x; the canvas measures the ends.
  void onBaseline(double x, double baseline, const TextStyle &style, std::string_view text);
  void endingAt(double right, double baseline, const TextStyle &style, std::string_view text);
  void centredOn(double centre, double baseline, const TextStyle &style, std::string_view text);
  void box(const RectMm &box, double lineMm, Ink ink, Fill fill = Fill::None);
  void line(double x1, double y1, double x2, double y2, double lineMm, Ink ink);
  void circle(const RectMm &bounds, double lineMm, Ink ink);
  // Part of the ellipse within `bounds`, counter-clockwise from 3 o'clock.
  void arc(const RectMm &bounds, int32_t startDegrees, int32_t spanDegrees, double lineMm, Ink ink);

private:
  void use(const TextStyle &style);
  void useLine(double lineMm, Ink ink);

  PrintCanvas &canvas_;
  double pixelsPerMm_;
  // What the canvas has in effect, so that it is told only of changes.
  std::string family_;
  int32_t points_ = 0;
  Ink ink_ = kBlackInk;
  int32_t lineWidth_ = 1;
};
