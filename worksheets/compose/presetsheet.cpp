#include "presetsheet.h"

#include "forwardingcanvas.h"
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
class OneSheetCanvas final : public ForwardingCanvas {
public:
  OneSheetCanvas(PrintCanvas &page, int32_t keptDocument, std::function<void()> decorate)
      : ForwardingCanvas(discarded_), page_(page), discarded_(page), kept_(keptDocument),
        decorate_(std::move(decorate)) {}
  OneSheetCanvas(const OneSheetCanvas &) = delete;
  OneSheetCanvas &operator=(const OneSheetCanvas &) = delete;

  bool beginDocument() override {
    if (++documents_ != kept_)
      return true;
    if (!page_.beginDocument())
      return false;
    retarget(page_);
    applyFont();
    return true;
  }
  bool endDocument() override {
    if (&target() != &page_)
      return true;
    retarget(discarded_);
    decorate_();
    return page_.endDocument();
  }
  void setTypeface(std::string_view name) override {
    typeface_ = std::string(name);
    target().setTypeface(name);
  }
  void setCellHeight(int32_t pixels) override {
    points_ = false;
    size_ = pixels;
    target().setCellHeight(pixels);
  }
  void setPointSize(int32_t points) override {
    points_ = true;
    size_ = points;
    target().setPointSize(points);
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
  DiscardingCanvas discarded_;
  int32_t kept_;
  std::function<void()> decorate_;
  int32_t documents_ = 0;
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
