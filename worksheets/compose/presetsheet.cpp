#include "presetsheet.h"

#include "clampedmath.h"
#include "facemetrics.h"
#include "footer.h"
#include "forwardingcanvas.h"
#include "headerband.h"
#include "pagedrawer.h"
#include "printframe.h"
#include "printlayout.h"
#include "problembank.h"
#include "seededrandom.h"
#include "sheetlook.h"
#include "worksheetpresets.h"

#include <algorithm>
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

// Sets the window's page on the sheet: moved down by a distance, below a
// header band, and with its name heading in kana when the sheet's headings are.
class WindowPage final : public ForwardingCanvas {
public:
  WindowPage(PrintCanvas &page, int32_t by, bool kana)
      : ForwardingCanvas(page), by_(by), kana_(kana) {}
  WindowPage(const WindowPage &) = delete;
  WindowPage &operator=(const WindowPage &) = delete;

  void text(int32_t x, int32_t y, std::string_view utf8) override {
    if (kana_ && utf8 == kNameHeading)
      utf8 = kKanaNameHeading;
    target().text(x, lowered(y), utf8);
  }
  void moveTo(int32_t x, int32_t y) override { target().moveTo(x, lowered(y)); }
  void lineTo(int32_t x, int32_t y) override { target().lineTo(x, lowered(y)); }
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) override {
    target().rectangle(x1, lowered(y1), x2, lowered(y2), fill);
  }
  void ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) override {
    target().ellipse(x1, lowered(y1), x2, lowered(y2), fill);
  }
  void arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t startDegrees,
           int32_t spanDegrees) override {
    target().arc(x1, lowered(y1), x2, lowered(y2), startDegrees, spanDegrees);
  }

private:
  static constexpr std::string_view kNameHeading = "名前（";
  static constexpr std::string_view kKanaNameHeading = "なまえ（";

  [[nodiscard]] int32_t lowered(int32_t y) const { return clampToInt32(int64_t{y} + by_); }
  int32_t by_;
  bool kana_;
};

constexpr int32_t kItemClearance = 25; // device pixels kept free above the first row's boxes

// A preset's items keep their places, so their numbers go above them, small:
// the cell they get, 0 when the rows leave no room.
int32_t numberAboveCell(const PrintLayout &layout) {
  const int32_t room = layout.RowPitch - layout.FontHeight - 2 * kItemClearance;
  return std::clamp(room, 0, layout.FontHeight / 2);
}

// Numbers above the items, at the places the run put them: over the first
// number, which a multiplication indents.
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

// Without a band, the sheet's number and title stand in the window's top
// margin, left of its name field (or across the page without one), as large
// as the margin and their room allow.
void drawHeading(PrintCanvas &canvas, const PrintLayout &layout, const SheetPlan &plan,
                 const SheetLabel &label, int32_t clearance) {
  std::string heading = label.answers ? "こたえ　" : "";
  heading += "No." + std::to_string(label.sheet);
  if (plan.title)
    heading += "　" + *plan.title;
  const int64_t room = plan.fields.name && !label.answers
                           ? layout.PageWidth / 3 - layout.PageWidth / 40
                           : layout.PageWidth;
  const int64_t height =
      std::min<int64_t>(layout.TopMargin / 2, layout.TopMargin - clearance - layout.FontHeight / 2);
  const FaceMetrics &face = faceMetrics(kSignTypeface);
  // The cell at which the heading fits its room: widths scale with the cell.
  const int64_t widthAtEm = std::max<int64_t>(face.width(heading), 1);
  const int64_t cell = std::min(height, room * face.cell() / widthAtEm);
  if (cell <= 0)
    return;
  canvas.setTypeface(kSignTypeface);
  canvas.setCellHeight(int32_t(cell));
  canvas.text(0, layout.FontHeight / 2, heading);
}

// The window's name field ends in 「）」, set in a cell of half the top margin
// FontHeight + 4 pixels from the right edge. Where that cell's 「）」 is wider
// than FontHeight, as on most papers, it would reach past the printable
// area: the window's page is narrowed by as much (and a little, for the
// font height the narrower page gives).
int32_t widthForNameField(const WorksheetPreset &preset, int32_t width, int32_t height) {
  PrintLayout layout;
  computeLayout(layout, preset.rows, preset.columns, 1, preset.charsAcross, width, height);
  const FaceMetrics &face = faceMetrics(kSignTypeface);
  const int64_t em = int64_t{layout.TopMargin / 2} * kEmUnits / face.cell();
  const int64_t bracket = em * face.advance(U'）') / kEmUnits;
  const int64_t beyond = bracket - layout.FontHeight - 4;
  return beyond > 0 ? clampToInt32(width - beyond - 8) : width;
}

// Where the window's page goes on the sheet, in the canvas's pixels: below
// the band, which holds the fields the window's page has no room for and
// then the title and the number; it stands on both sheets, so that the
// answers lie where the problems do.
struct PresetPage {
  SheetLook look;
  bool banded = false;
  HeaderBand band;
  int32_t lowered = 0; // the window's page below the band
  int32_t width = 0;
  int32_t height = 0;
};

PresetPage presetPage(const SheetPlan &plan, const SheetLabel &label, int32_t dpi) {
  PresetPage page;
  // The band speaks the window page's gothic.
  SheetPlan gothic = plan;
  gothic.typeface = Typeface::Gothic;
  page.look = lookOf(gothic);
  page.banded = plan.fields.className || plan.fields.date || plan.fields.score;
  if (page.banded)
    page.band = layOutBand(plan, page.look, {label.answers, false, label.sheet, label.sheets},
                           composedArea(plan.page).width);
  const PrintableArea pixels = printableArea(plan.page, dpi);
  const auto toPixels = [&](double mm) { return int32_t(mm * dpi / 25.4); };
  page.lowered = page.banded ? toPixels(page.band.heightMm + page.look.bandGapMm) : 0;
  page.height = pixels.height - page.lowered - toPixels(footerRoomMm(kIpaGothicFamily));
  page.width =
      plan.fields.name ? widthForNameField(*plan.preset, pixels.width, page.height) : pixels.width;
  return page;
}

} // namespace

bool presetNumbersFit(const SheetPlan &plan, int32_t dpi) {
  const PresetPage page = presetPage(plan, {}, dpi);
  const WorksheetPreset &preset = *plan.preset;
  PrintLayout layout;
  computeLayout(layout, preset.rows, preset.columns, 1, preset.charsAcross, page.width,
                page.height);
  return numberAboveCell(layout) > 0;
}

bool drawPresetSheet(PrintCanvas &canvas, const SheetPlan &plan, const SheetLabel &label) {
  const WorksheetPreset &preset = *plan.preset;
  const SizeMm area = composedArea(plan.page);
  const PresetPage page = presetPage(plan, label, canvas.verticalDpi());
  const SheetLook &look = page.look;
  const bool banded = page.banded;
  const HeaderBand &band = page.band;
  const std::string_view face = kIpaGothicFamily;
  const int32_t lowered = page.lowered;
  const int32_t height = page.height;

  auto bank = std::make_unique<ProblemBank>();
  PrintLayout layout;
  SeededRandom random(label.seed);
  WindowPage below(canvas, lowered, plan.kana);
  OneSheetCanvas sheet(below, label.answers ? 2 : 1, [&] {
    PageDrawer drawer(canvas);
    if (banded)
      drawBand(drawer, band, 0, look.ruleMm);
    const bool numbered = plan.fields.numbers;
    if (!banded)
      drawHeading(canvas, layout, plan, label,
                  kItemClearance + (numbered ? numberAboveCell(layout) + kItemClearance : 0));
    if (numbered)
      drawNumbersAbove(below, layout, preset);
    drawFooter(drawer, footerLine(face, plan.caption, label, 1, 1, area.width, area.height));
  });
  const PrintOptions options{.nameField = plan.fields.name, .answerSheet = label.answers};
  return printPreset(preset, sheet, *bank, layout, page.width, height, options, random) ==
         PrintOutcome::Printed;
}
