#include "inlineformat.h"

#include "cherryparts.h"
#include "facemetrics.h"
#include "numbertext.h"
#include "sheetkinds.h"
#include "sheetstyles.h"

#include <algorithm>
#include <string>

namespace {

constexpr double kWritingScale = 1.5;   // a child's digit against the printed one
constexpr double kBoxEms = 1.5;         // the answer box's height
constexpr double kSignPaddingEms = 0.1; // either side of a sign
constexpr double kSeparatorScale = 0.6; // 「あまり」 against the digits
// さくらんぼ's cherry, in the digits' em: its circles' radius, their centres
// either side of the number split, and the branches' drop to them.
constexpr double kCherryRadiusEms = 0.65;
constexpr double kCherrySpreadEms = 0.8;
constexpr double kCherryDropEms = 0.5;
constexpr double kCherryPartScale = 0.8; // the parts against the digits

// The widest number each place holds over the sheet's kinds, printed and
// written by the child: a place is as wide as the wider of the two.
struct Digits {
  int32_t printed = 0;
  int32_t written = 0; // 0: the child writes nothing here
};

struct Widths {
  Digits first;
  Digits second;
  Digits third; // printed only, when some kind has three numbers
  Digits result;
  Digits remainder; // written only, when some kind has remainders
};

// The largest result a kind's ranges allow.
int64_t largestResult(const KindPlan &plan) {
  const NumberRange &f = plan.first;
  const NumberRange &s = plan.second;
  const int64_t result = plan.result.high;
  switch (plan.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    return std::min(result, f.high + s.high);
  case SheetKind::Subtract:
    return std::min(result, std::max<int64_t>(f.high - s.low, 0));
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    return std::min(result, f.high * s.high);
  case SheetKind::Three:
    return std::min(result, f.high + 2 * s.high);
  case SheetKind::Divide:
  case SheetKind::DivideRemainder:
    break;
  }
  return std::min(result, f.high / std::max<int64_t>(s.low, 1));
}

void widen(int32_t &digits, int32_t count) { digits = std::max(digits, count); }

Widths widthsOf(const std::vector<KindPlan> &kinds) {
  Widths widths;
  for (const KindPlan &plan : kinds) {
    const bool missing = kindInfo(plan.kind).missingNumber;
    // A missing number may be either operand; the other one is printed.
    widen(widths.first.printed, decimalDigits(plan.first.high));
    widen(widths.second.printed, decimalDigits(plan.second.high));
    if (missing) {
      widen(widths.first.written, decimalDigits(plan.first.high));
      widen(widths.second.written, decimalDigits(plan.second.high));
    }
    widen(missing ? widths.result.printed : widths.result.written,
          decimalDigits(largestResult(plan)));
    if (plan.kind == SheetKind::DivideRemainder)
      widen(widths.remainder.written, decimalDigits(std::max<int64_t>(plan.second.high - 1, 0)));
    if (plan.kind == SheetKind::Three)
      widen(widths.third.printed, decimalDigits(plan.second.high));
  }
  return widths;
}

// A stretch of the item's line, from its left edge.
struct Place {
  double left = 0;
  double width = 0;
  double inset = 0; // a number's right edge stands this far inside
  [[nodiscard]] double right() const { return left + width; }
  [[nodiscard]] double centre() const { return left + width / 2; }
};

class InlineLayout final : public ItemLayout {
public:
  InlineLayout(const SheetPlan &plan, const SheetLook &look)
      : item_(look.item), separatorStyle_(look.item), rule_(look.ruleMm),
        separator_(remainderInfo(plan.remainder).separator),
        cherry_(plan.format == SheetFormat::Cherry), addSplit_(plan.addSplit),
        subtractSplit_(plan.subtractSplit) {
    const Widths widths = widthsOf(plan.kinds);
    const double em = emMm(item_);
    const double digit = textWidthMm(item_, "0");
    const double pad = kSignPaddingEms * em;
    if (plan.remainder == RemainderStyle::Words)
      separatorStyle_.points = std::max(1, int32_t(item_.points * kSeparatorScale));

    // A cherry may hang left of the first number.
    double x = cherry_ ? (kCherrySpreadEms + kCherryRadiusEms) * em : 0;
    // The child's box holds the answer's digits and one more, half as wide
    // again as printed ones; numbers stand right-aligned where the child's
    // would, so that the ones of a place line up whoever wrote them.
    const auto number = [&](Digits count) {
      const double printed = count.printed * digit;
      const double box = count.written > 0 ? (count.written + 1) * kWritingScale * digit : 0;
      const double inset = count.written > 0 ? (box - count.written * digit) / 2 : 0;
      const Place place{x, std::max(printed + inset, box), inset};
      x += place.width;
      return place;
    };
    const auto sign = [&](double width) {
      const Place place{x, width + 2 * pad, 0};
      x += place.width;
      return place;
    };
    double signWidth = 0;
    for (const KindPlan &kind : plan.kinds)
      signWidth = std::max(signWidth, textWidthMm(item_, kindInfo(kind.kind).sign));
    if (widths.third.printed > 0)
      signWidth = std::max(
          {signWidth, textWidthMm(item_, signText(true)), textWidthMm(item_, signText(false))});
    first_ = number(widths.first);
    sign_ = sign(signWidth);
    second_ = number(widths.second);
    if (widths.third.printed > 0) {
      secondSign_ = sign(signWidth);
      third_ = number(widths.third);
      // Two numbers beside three end where three do, their 「＝」 in line.
      twoShift_ = third_.right() - second_.right();
    }
    equals_ = sign(textWidthMm(item_, "＝"));
    result_ = number(widths.result);
    if (widths.remainder.written > 0) {
      separatorPlace_ = sign(textWidthMm(separatorStyle_, separator_));
      remainder_ = number(widths.remainder);
    }

    // The box is centred on the line and the digits on the box; the line is
    // high enough for the font's own cell around the digits.
    const FaceMetrics &face = faceMetrics(item_.family);
    const double figure = figureHeightMm(item_);
    const double above = ascentMm(item_) - figure / 2;
    const double below = double(face.descent) / kEmUnits * em + figure / 2;
    boxHeight_ = kBoxEms * em;
    box_.heightMm = std::max(boxHeight_, 2 * std::max(above, below));
    box_.widthMm = x;
    box_.baselineMm = box_.heightMm / 2 + figure / 2;
    if (cherry_) {
      // The cherry under the line, and the problem's number above it all.
      box_.heightMm += (kCherryDropEms + 2 * kCherryRadiusEms) * em;
      box_.number = NumberPlace::Above;
    }
    digit_ = digit;
  }

  [[nodiscard]] ItemBox box() const override { return box_; }

  void draw(PageDrawer &drawer, const SheetItem &item, double left, double top,
            bool answers) const override {
    const double baseline = top + box_.baselineMm;
    // The line's own height, above a cherry.
    const double boxTop = top + box_.baselineMm - figureHeightMm(item_) / 2 - boxHeight_ / 2;
    // A number the child writes has its box on both sheets, and on the answer
    // sheet is written in red; a missing number's box is red there too.
    const auto number = [&](const Place &place, int32_t value, bool asked, bool missing) {
      if (asked)
        drawer.box({left + place.left, boxTop, place.width, boxHeight_}, rule_,
                   answers && missing ? kAnswerInk : kBlackInk);
      if (asked && !answers)
        return;
      TextStyle style = item_;
      if (asked)
        style.ink = kAnswerInk;
      drawer.endingAt(left + place.right() - place.inset, baseline, style, std::to_string(value));
    };
    const auto sign = [&](const Place &place, std::string_view text, const TextStyle &style) {
      drawer.centredOn(left + place.centre(), baseline, style, text);
    };
    const bool three = item.kind == SheetKind::Three;
    const double shift = three ? 0 : twoShift_;
    const auto shifted = [shift](Place place) {
      place.left += shift;
      return place;
    };
    const SignPairInfo &signs = signPairInfo(item.signs);
    number(shifted(first_), item.first, item.blank == Blank::First, true);
    sign(shifted(sign_), three ? signText(signs.firstAdds) : kindInfo(item.kind).sign, item_);
    number(shifted(second_), item.second, item.blank == Blank::Second, true);
    if (three) {
      sign(secondSign_, signText(signs.secondAdds), item_);
      number(third_, item.third, false, false);
    }
    sign(equals_, "＝", item_);
    number(result_, item.result, item.blank == Blank::Result, false);
    if (item.kind == SheetKind::DivideRemainder) {
      sign(separatorPlace_, separator_, separatorStyle_);
      number(remainder_, item.remainder, true, false);
    }
    if (cherry_)
      drawCherry(drawer, item, left, top, answers);
  }

private:
  // Two branches from under the number split to two circles for its parts,
  // which the answer sheet fills in red.
  void drawCherry(PageDrawer &drawer, const SheetItem &item, double left, double top,
                  bool answers) const {
    const double em = emMm(item_);
    const CherryParts parts = cherryParts(item, addSplit_, subtractSplit_);
    const bool first = parts.under == Blank::First;
    const Place &place = first ? first_ : second_;
    const int32_t value = first ? item.first : item.second;
    const double centre = left + place.right() - place.inset - decimalDigits(value) * digit_ / 2;
    // From just under the digits, the branches reaching the circles.
    const double from = top + box_.baselineMm + 0.1 * em;
    const double radius = kCherryRadiusEms * em;
    const double middle = top + box_.heightMm - radius;
    TextStyle part = item_;
    part.points = std::max(6, int32_t(item_.points * kCherryPartScale));
    part.ink = kAnswerInk;
    for (const auto &[side, value] : {std::pair{-1, parts.left}, {1, parts.right}}) {
      const double x = centre + side * kCherrySpreadEms * em;
      drawer.line(centre, from, x, middle - radius, rule_, kBlackInk);
      drawer.circle({x - radius, middle - radius, 2 * radius, 2 * radius}, rule_, kBlackInk);
      if (answers)
        drawer.centredOn(x, middle + figureHeightMm(part) / 2, part, std::to_string(value));
    }
  }

  TextStyle item_;
  TextStyle separatorStyle_;
  double rule_;
  std::string_view separator_;
  Place first_, sign_, second_, secondSign_, third_, equals_, result_, separatorPlace_, remainder_;
  double twoShift_ = 0;
  double boxHeight_ = 0;
  ItemBox box_;
  bool cherry_;
  CherrySplit addSplit_;
  CherrySplit subtractSplit_;
  double digit_ = 0;
};

} // namespace

std::unique_ptr<ItemLayout> inlineLayout(const SheetPlan &plan, const SheetLook &look) {
  return std::make_unique<InlineLayout>(plan, look);
}
