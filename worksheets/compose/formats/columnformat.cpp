#include "columnformat.h"

#include "columnwork.h"
#include "sheetstyles.h"

#include <algorithm>

namespace {

constexpr double kSquareEms = 1.5;        // a square's side: room for a child's digit
constexpr double kMemoStripSquares = 0.6; // the strip of small boxes above
constexpr double kMemoBoxSquares = 0.5;
constexpr double kBracketSquares = 0.6; // the room of the division's bracket
constexpr double kGapSquares = 0.8;     // between problems, room to work
constexpr double kStrikeInsetSquares = 0.2;
// Squares a child's digits stand out against: a light grey, thin.
constexpr Ink kSquareInk{170, 170, 170};
constexpr double kSquareLineMm = 0.1;

class ColumnLayout final : public ItemLayout {
public:
  ColumnLayout(const SheetPlan &plan, const SheetLook &look)
      : guide_(guideInfo(plan.guide)), item_(look.item), memo_(look.item), rule_(look.ruleMm),
        square_(kSquareEms * emMm(look.item)) {
    memo_.points = std::max(6, item_.points / 2);
    ColumnExtent most;
    for (const KindPlan &kind : plan.kinds) {
      const ColumnExtent extent = columnExtent(kind);
      most.columns = std::max(most.columns, extent.columns);
      most.rows = std::max(most.rows, extent.rows);
      most.divisorColumns = std::max(most.divisorColumns, extent.divisorColumns);
      most.memo = most.memo || extent.memo;
    }
    memoStrip_ = most.memo ? kMemoStripSquares * square_ : 0;
    box_.widthMm = most.columns * square_;
    if (most.divisorColumns > 0)
      box_.widthMm += most.divisorColumns * square_ + kBracketSquares * square_;
    // The face's cell around a digit centred in its square may reach past
    // it: room above the first row and below the last.
    const double figure = figureHeightMm(item_);
    const double above = ascentMm(item_) - (square_ + figure) / 2;
    const double below = cellHeightMm(item_) - ascentMm(item_) - (square_ - figure) / 2;
    gridTop_ = std::max(memoStrip_, above);
    box_.heightMm = gridTop_ + most.rows * square_ + std::max(0.0, below);
    box_.gapMm = kGapSquares * square_;
    box_.number = NumberPlace::Above;
  }

  [[nodiscard]] ItemBox box() const override { return box_; }

  void draw(PageDrawer &drawer, const SheetItem &item, double left, double top,
            bool answers) const override {
    const ColumnWork work = workInColumns(item);
    // Right-aligned in the box, so that the ones of every problem in a
    // column of the page stand under each other.
    const Grid grid{left + box_.widthMm - work.columns * square_, top + gridTop_, square_};
    if (guide_.squares) {
      squares(drawer, grid.left, grid.top, work.columns, work.rows);
      if (work.divisorColumns > 0)
        squares(drawer, grid.x(-work.divisorColumns), grid.y(1), work.divisorColumns, 1);
    }
    const double memoSide = kMemoBoxSquares * square_;
    const auto memoBox = [&](int32_t column) {
      return RectMm{grid.centre(column) - memoSide / 2, grid.top - (memoStrip_ + memoSide) / 2,
                    memoSide, memoSide};
    };
    if (guide_.memoBoxes)
      for (const int32_t column : work.memoColumns)
        drawer.box(memoBox(column), kSquareLineMm, kSquareInk);

    const auto shown = [&](Hand hand) { return hand == Hand::Printed || answers; };
    const auto ink = [](Hand hand) { return hand == Hand::Printed ? kBlackInk : kAnswerInk; };
    if (work.divisorColumns > 0)
      bracket(drawer, grid);
    for (const ColumnRule &rule : work.rules)
      if (shown(rule.hand)) {
        // The bracket's rule reaches back to join its arc.
        const bool overDividend = work.divisorColumns > 0 && rule.belowRow == 0;
        const double from = overDividend ? bracketTop(grid) : grid.x(rule.firstColumn);
        const double y = grid.y(rule.belowRow + 1);
        drawer.line(from, y, grid.x(rule.lastColumn + 1), y, rule_, ink(rule.hand));
      }
    for (const ColumnGlyph &glyph : work.glyphs) {
      if (!shown(glyph.hand))
        continue;
      TextStyle style = glyph.row == kMemoRow ? memo_ : item_;
      style.ink = ink(glyph.hand);
      const double middle =
          glyph.row == kMemoRow ? grid.top - memoStrip_ / 2 : grid.middle(glyph.row);
      drawer.centredOn(grid.centre(glyph.column), middle + figureHeightMm(style) / 2, style,
                       glyph.text);
    }
    if (answers)
      for (const ColumnStrike &strike : work.strikes) {
        const double inset = kStrikeInsetSquares * square_;
        drawer.line(grid.x(strike.column) + inset, grid.y(strike.row + 1) - inset,
                    grid.x(strike.column + 1) - inset, grid.y(strike.row) + inset, rule_,
                    kAnswerInk);
      }
  }

private:
  // Where the squares stand: the grid's top-left corner and a square's side;
  // the divisor's columns, below 0, lie beyond the bracket.
  struct Grid {
    double left;
    double top;
    double side;
    [[nodiscard]] double x(int32_t column) const {
      return column >= 0 ? left + column * side : left - kBracketSquares * side + column * side;
    }
    [[nodiscard]] double y(int32_t row) const { return top + row * side; }
    [[nodiscard]] double centre(int32_t column) const { return x(column) + side / 2; }
    [[nodiscard]] double middle(int32_t row) const { return y(row) + side / 2; }
  };

  // The grey squares of `columns` × `rows` from (left, top).
  void squares(PageDrawer &drawer, double left, double top, int32_t columns, int32_t rows) const {
    for (int32_t row = 0; row <= rows; ++row)
      drawer.line(left, top + row * square_, left + columns * square_, top + row * square_,
                  kSquareLineMm, kSquareInk);
    for (int32_t column = 0; column <= columns; ++column)
      drawer.line(left + column * square_, top, left + column * square_, top + rows * square_,
                  kSquareLineMm, kSquareInk);
  }

  // The bracket 「)」 between the divisor and the dividend: the right part
  // of an ellipse, its ends in the bracket's room and its bulge just short
  // of the dividend, the upper end joining the rule over the dividend.
  [[nodiscard]] double bracketTop(const Grid &grid) const {
    return grid.left - 0.8 * kBracketSquares * square_;
  }
  void bracket(PageDrawer &drawer, const Grid &grid) const {
    constexpr double kHalfSpan = 60.0; // degrees either side of 3 o'clock
    const double room = kBracketSquares * square_;
    const double bulge = grid.left - 0.15 * room;
    const double radiusX = (bulge - bracketTop(grid)) / (1 - 0.5); // cos 60° = 0.5
    const double radiusY = square_ / 2 / 0.8660254037844386;       // sin 60°
    drawer.arc({bulge - 2 * radiusX, grid.middle(1) - radiusY, 2 * radiusX, 2 * radiusY},
               -int32_t(kHalfSpan), 2 * int32_t(kHalfSpan), rule_, kBlackInk);
  }

  const GuideInfo &guide_;
  TextStyle item_;
  TextStyle memo_;
  double rule_;
  double square_;
  double memoStrip_ = 0;
  double gridTop_ = 0; // below the memo strip and the first row's overhang
  ItemBox box_;
};

} // namespace

std::unique_ptr<ItemLayout> columnLayout(const SheetPlan &plan, const SheetLook &look) {
  return std::make_unique<ColumnLayout>(plan, look);
}
