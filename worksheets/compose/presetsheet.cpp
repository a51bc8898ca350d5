#include "presetsheet.h"

#include "printframe.h"
#include "printlayout.h"
#include "problembank.h"
#include "seededrandom.h"
#include "sheetdecorations.h"
#include "worksheetpresets.h"

#include <functional>
#include <memory>
#include <string>

namespace {

// Passes one document of a print run on to the canvas as a page and drops the
// other. The font is followed through both: the answer sheet inherits the
// problem sheet's item font, so the kept page begins with the font in effect.
// Before the kept page ends, `decorate` adds to it.
class OneSheetCanvas final : public PrintCanvas {
public:
  OneSheetCanvas(PrintCanvas &page, int32_t keptDocument, std::function<void()> decorate)
      : page_(page), kept_(keptDocument), decorate_(std::move(decorate)) {}
  OneSheetCanvas(const OneSheetCanvas &) = delete;
  OneSheetCanvas &operator=(const OneSheetCanvas &) = delete;

  bool beginDocument() override {
    keeping_ = ++documents_ == kept_;
    if (!keeping_)
      return true;
    if (!page_.beginDocument())
      return false;
    applyFont();
    return true;
  }
  bool endDocument() override {
    if (!keeping_)
      return true;
    keeping_ = false;
    decorate_();
    return page_.endDocument();
  }
  void setTypeface(std::string_view name) override {
    typeface_ = std::string(name);
    if (keeping_)
      page_.setTypeface(name);
  }
  void setCellHeight(int32_t pixels) override {
    points_ = false;
    size_ = pixels;
    if (keeping_)
      page_.setCellHeight(pixels);
  }
  void setPointSize(int32_t points) override {
    points_ = true;
    size_ = points;
    if (keeping_)
      page_.setPointSize(points);
  }
  [[nodiscard]] int32_t verticalDpi() const override { return page_.verticalDpi(); }
  void text(int32_t x, int32_t y, std::string_view utf8) override {
    if (keeping_)
      page_.text(x, y, utf8);
  }
  void moveTo(int32_t x, int32_t y) override {
    if (keeping_)
      page_.moveTo(x, y);
  }
  void lineTo(int32_t x, int32_t y) override {
    if (keeping_)
      page_.lineTo(x, y);
  }
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
    if (keeping_)
      page_.rectangle(x1, y1, x2, y2);
  }
  void setLineWidth(int32_t pixels) override {
    if (keeping_)
      page_.setLineWidth(pixels);
  }

private:
  void applyFont() {
    if (!typeface_.empty())
      page_.setTypeface(typeface_);
    if (points_)
      page_.setPointSize(size_);
    else
      page_.setCellHeight(size_);
  }

  PrintCanvas &page_;
  int32_t kept_;
  std::function<void()> decorate_;
  int32_t documents_ = 0;
  bool keeping_ = false;
  std::string typeface_;
  bool points_ = true;
  int32_t size_ = 12;
};

// Numbers above the items, at the places the run put them.
void drawNumbersAbove(PrintCanvas &canvas, PrintLayout layout, const WorksheetPreset &preset) {
  const int32_t cell = numberAboveCell(layout);
  if (cell <= 0)
    return;
  const int32_t indent = preset.run == PresetRun::Multiplication ? layout.FontHeight / 3 : 0;
  canvas.setTypeface(kSignTypeface);
  canvas.setCellHeight(cell);
  for (int32_t n = 1; n <= preset.printCount; ++n) {
    placeItem(layout, n, indent);
    canvas.text(layout.CursorX, layout.CursorY - kItemClearance - cell,
                "(" + std::to_string(n) + ")");
  }
}

} // namespace

bool drawPresetSheet(PrintCanvas &canvas, const SheetPlan &plan, SheetLabel label,
                     PrintableArea page) {
  const WorksheetPreset &preset = *plan.preset;
  auto bank = std::make_unique<ProblemBank>();
  PrintLayout layout;
  SeededRandom random(label.seed);
  OneSheetCanvas sheet(canvas, label.answers ? 2 : 1, [&] {
    const bool numbered = plan.fields.numbers;
    const int32_t clearance =
        kItemClearance + (numbered ? numberAboveCell(layout) + kItemClearance : 0);
    drawTexts(canvas, headingTexts(layout, plan, label, clearance));
    if (numbered)
      drawNumbersAbove(canvas, layout, preset);
    drawTexts(canvas, {footerText(layout, plan, label, 1, 1)});
  });
  const PrintOptions options{.nameField = plan.fields.name, .answerSheet = label.answers};
  return printPreset(preset, sheet, *bank, layout, page.width, page.height, options, random) ==
         PrintOutcome::Printed;
}
