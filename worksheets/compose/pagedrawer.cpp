#include "pagedrawer.h"

#include "clampedmath.h"
#include "facemetrics.h"

#include <cmath>

SizeMm composedArea(PageSetup page) {
  const SizeMm area = printableSize(page);
  return {area.width - 0.1, area.height - 0.1};
}

double emMm(const TextStyle &style) { return style.points * kMmPerPoint; }

double textWidthMm(const TextStyle &style, std::string_view text) {
  return double(faceMetrics(style.family).width(text)) / kEmUnits * emMm(style);
}

double cellHeightMm(const TextStyle &style) {
  return double(faceMetrics(style.family).cell()) / kEmUnits * emMm(style);
}

double ascentMm(const TextStyle &style) {
  return double(faceMetrics(style.family).ascent) / kEmUnits * emMm(style);
}

double figureHeightMm(const TextStyle &style) {
  return double(faceMetrics(style.family).figureHeight) / kEmUnits * emMm(style);
}

PageDrawer::PageDrawer(PrintCanvas &canvas)
    : canvas_(canvas), pixelsPerMm_(canvas.verticalDpi() / 25.4) {}

int32_t PageDrawer::pixels(double mm) const {
  return clampToInt32(std::llround(mm * pixelsPerMm_));
}

void PageDrawer::use(const TextStyle &style) {
  if (family_ != style.family) {
    family_ = std::string(style.family);
    canvas_.setTypeface(style.family);
  }
  if (points_ != style.points) {
    points_ = style.points;
    canvas_.setPointSize(style.points);
  }
  if (ink_ != style.ink) {
    ink_ = style.ink;
    canvas_.setColour(style.ink);
  }
}

void PageDrawer::useLine(double lineMm, Ink ink) {
  const int32_t width = std::max(1, pixels(lineMm));
  if (lineWidth_ != width) {
    lineWidth_ = width;
    canvas_.setLineWidth(width);
  }
  if (ink_ != ink) {
    ink_ = ink;
    canvas_.setColour(ink);
  }
}

void PageDrawer::text(double x, double top, const TextStyle &style, std::string_view text) {
  use(style);
  canvas_.text(pixels(x), pixels(top), text);
}

void PageDrawer::onBaseline(double x, double baseline, const TextStyle &style,
                            std::string_view text) {
  this->text(x, baseline - ascentMm(style), style, text);
}

void PageDrawer::endingAt(double right, double baseline, const TextStyle &style,
                          std::string_view text) {
  use(style);
  canvas_.text(pixels(right) - canvas_.textWidth(text), pixels(baseline - ascentMm(style)), text);
}

void PageDrawer::centredOn(double centre, double baseline, const TextStyle &style,
                           std::string_view text) {
  use(style);
  canvas_.text(pixels(centre) - canvas_.textWidth(text) / 2, pixels(baseline - ascentMm(style)),
               text);
}

void PageDrawer::box(const RectMm &box, double lineMm, Ink ink, Fill fill) {
  useLine(lineMm, ink);
  canvas_.rectangle(pixels(box.left), pixels(box.top), pixels(box.right()), pixels(box.bottom()),
                    fill);
}

void PageDrawer::line(double x1, double y1, double x2, double y2, double lineMm, Ink ink) {
  useLine(lineMm, ink);
  canvas_.moveTo(pixels(x1), pixels(y1));
  canvas_.lineTo(pixels(x2), pixels(y2));
}

void PageDrawer::arc(const RectMm &bounds, int32_t startDegrees, int32_t spanDegrees, double lineMm,
                     Ink ink) {
  useLine(lineMm, ink);
  canvas_.arc(pixels(bounds.left), pixels(bounds.top), pixels(bounds.right()),
              pixels(bounds.bottom()), startDegrees, spanDegrees);
}

void PageDrawer::circle(const RectMm &bounds, double lineMm, Ink ink) {
  useLine(lineMm, ink);
  canvas_.ellipse(pixels(bounds.left), pixels(bounds.top), pixels(bounds.right()),
                  pixels(bounds.bottom()), Fill::None);
}
