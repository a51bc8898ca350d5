#include "printframe.h"

#include "clampedmath.h"

namespace {

// Ends a begun document when drawing throws, so no print job is left open.
class OpenDocument {
public:
  explicit OpenDocument(PrintCanvas &canvas) : canvas_(canvas) {}
  OpenDocument(const OpenDocument &) = delete;
  OpenDocument &operator=(const OpenDocument &) = delete;
  ~OpenDocument() {
    if (!open_)
      return;
    try {
      canvas_.endDocument();
    } catch (...) {
    }
  }

  bool begin() { return open_ = canvas_.beginDocument(); }
  bool end() {
    open_ = false;
    return canvas_.endDocument();
  }

private:
  PrintCanvas &canvas_;
  bool open_ = false;
};

// Points for a cell of `pixels` at `dpi`, halves rounded away from zero.
int64_t roundedPoints(int32_t pixels, int32_t dpi) {
  const int64_t twice = int64_t{pixels} * 72 * 2;
  return twice >= 0 ? (twice + dpi) / (2 * int64_t{dpi}) : (twice - dpi) / (2 * int64_t{dpi});
}

} // namespace

void drawNameField(PrintCanvas &canvas, PrintLayout &layout) {
  layout.CursorX = layout.PageWidth / 3;
  layout.CursorY = layout.FontHeight / 2;
  canvas.setCellHeight(layout.TopMargin / 2);
  canvas.setTypeface(kSignTypeface);
  canvas.text(layout.CursorX, layout.CursorY, "名前（");
  layout.CursorX = clampToInt32(int64_t{layout.PageWidth} - 4 - layout.FontHeight);
  layout.CursorY = layout.FontHeight / 2;
  canvas.text(layout.CursorX, layout.CursorY, "）");
}

void applyItemFontHeight(PrintCanvas &canvas, const PrintLayout &layout) {
  canvas.setCellHeight(layout.FontHeight);
  const int32_t dpi = canvas.verticalDpi();
  if (dpi > 0 && roundedPoints(layout.FontHeight, dpi) > kMaxItemPoints)
    canvas.setPointSize(kMaxItemPoints);
}

PrintOutcome printSheets(PrintCanvas &canvas, PrintLayout &layout, int32_t itemCount,
                         PrintOptions options, const std::function<void(int32_t)> &problemItem,
                         const std::function<void(int32_t)> &answerItem) {
  {
    OpenDocument problemSheet(canvas);
    if (!problemSheet.begin())
      return PrintOutcome::ProblemSheetRefused;
    applyItemFontHeight(canvas, layout);
    if (options.nameField)
      drawNameField(canvas, layout);
    applyItemFontHeight(canvas, layout);
    for (int32_t n = 1; n <= itemCount; ++n)
      problemItem(n);
    if (!problemSheet.end())
      return PrintOutcome::ProblemSheetNotFinished;
  }
  if (!options.answerSheet)
    return PrintOutcome::Printed;

  OpenDocument answerSheet(canvas);
  if (!answerSheet.begin())
    return PrintOutcome::AnswerSheetRefused;
  for (int32_t n = 1; n <= itemCount; ++n)
    answerItem(n);
  if (!answerSheet.end())
    return PrintOutcome::AnswerSheetNotFinished;
  return PrintOutcome::Printed;
}
