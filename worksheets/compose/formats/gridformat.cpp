#include "gridformat.h"

#include "numbertext.h"
#include "sheetkinds.h"
#include "sheetstyles.h"

#include <algorithm>
#include <string>

namespace {

constexpr double kCellEms = 1.4;     // at least: room for a child's two digits
constexpr double kPaddingEms = 0.15; // beside the widest number in a cell
constexpr double kGapCells = 0.6;    // between grids

int64_t cellValue(SheetKind kind, int64_t first, int64_t second) {
  switch (kind) {
  case SheetKind::Subtract:
    return first - second;
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    return first * second;
  default:
    return first + second;
  }
}

class GridLayout final : public ItemLayout {
public:
  GridLayout(const SheetPlan &plan, const SheetLook &look)
      : cells_(cellsInfo(plan.cells)), item_(look.item), rule_(look.ruleMm) {
    int32_t digits = 1;
    for (const KindPlan &kind : plan.kinds)
      digits = std::max({digits, decimalDigits(kind.first.high), decimalDigits(kind.second.high),
                         decimalDigits(cellValue(kind.kind, kind.first.high, kind.second.high))});
    const double em = emMm(item_);
    side_ = std::max(kCellEms * em, digits * textWidthMm(item_, "0") + kPaddingEms * em);
    // The face's cell around a number centred in its square may reach past
    // it: room above the grid and below.
    const double figure = figureHeightMm(item_);
    above_ = std::max(0.0, ascentMm(item_) - (side_ + figure) / 2);
    const double below = cellHeightMm(item_) - ascentMm(item_) - (side_ - figure) / 2;
    box_.widthMm = (cells_.columns + 1) * side_;
    box_.heightMm = above_ + (cells_.rows + 1) * side_ + std::max(0.0, below);
    box_.gapMm = kGapCells * side_;
    box_.number = NumberPlace::Above;
  }

  [[nodiscard]] ItemBox box() const override { return box_; }

  void draw(PageDrawer &drawer, const SheetItem &item, double left, double top,
            bool answers) const override {
    top += above_;
    const bool row = cells_.rows == 1; // ten cells: the second number in the corner
    const auto cell = [&](int32_t r, int32_t c) {
      return RectMm{left + c * side_, top + r * side_, side_, side_};
    };
    const auto write = [&](const RectMm &at, int64_t value, Ink ink) {
      TextStyle style = item_;
      style.ink = ink;
      drawer.centredOn(at.left + at.width / 2, at.top + at.height / 2 + figureHeightMm(style) / 2,
                       style, std::to_string(value));
    };
    const std::string_view sign = kindInfo(item.kind).sign;
    // The corner: the sign, and under it a row's one second number.
    const RectMm corner{left, top, side_, row ? 2 * side_ : side_};
    drawer.box(corner, rule_, kBlackInk, Fill::Grey);
    drawer.centredOn(corner.left + side_ / 2, top + side_ / 2 + figureHeightMm(item_) / 2, item_,
                     sign);
    if (row)
      write(cell(1, 0), item.seconds.front(), kBlackInk);
    const std::vector<int32_t> &across = row ? item.firsts : item.seconds;
    for (std::size_t c = 0; c < across.size(); ++c) {
      drawer.box(cell(0, int32_t(c) + 1), rule_, kBlackInk, Fill::Grey);
      write(cell(0, int32_t(c) + 1), across[c], kBlackInk);
    }
    const std::vector<int32_t> down = row ? std::vector<int32_t>{0} : item.firsts;
    for (std::size_t r = 0; r < down.size(); ++r) {
      if (!row) {
        drawer.box(cell(int32_t(r) + 1, 0), rule_, kBlackInk, Fill::Grey);
        write(cell(int32_t(r) + 1, 0), down[r], kBlackInk);
      }
      for (std::size_t c = 0; c < across.size(); ++c) {
        const RectMm at = cell(int32_t(r) + 1, int32_t(c) + 1);
        drawer.box(at, rule_, kBlackInk);
        if (answers)
          write(at,
                row ? cellValue(item.kind, across[c], item.seconds.front())
                    : cellValue(item.kind, down[r], across[c]),
                kAnswerInk);
      }
    }
  }

private:
  const GridCellsInfo &cells_;
  TextStyle item_;
  double rule_;
  double side_ = 0;
  double above_ = 0;
  ItemBox box_;
};

} // namespace

std::unique_ptr<ItemLayout> gridLayout(const SheetPlan &plan, const SheetLook &look) {
  return std::make_unique<GridLayout>(plan, look);
}
