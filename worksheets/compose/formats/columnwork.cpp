#include "columnwork.h"

#include "numbertext.h"
#include "sheetkinds.h"

#include <algorithm>

namespace {

// The digit of a place (0: the ones).
int32_t digitAt(int64_t value, int32_t place) {
  for (; place > 0; --place)
    value /= 10;
  return int32_t(value % 10);
}

// A rule's first place that stands for the grid's left edge.
constexpr int32_t kAcross = -1;

// Glyphs are placed by place value first (0: the ones, growing leftwards)
// and turned into columns once the grid's width is known.
class Worker {
public:
  // A number whose last digit stands at `place`.
  void number(int32_t row, int32_t place, int64_t value, Hand hand) {
    const std::string text = std::to_string(value);
    for (std::size_t i = 0; i < text.size(); ++i)
      glyph(row, place + int32_t(text.size() - 1 - i), text.substr(i, 1), hand);
  }
  void glyph(int32_t row, int32_t place, std::string text, Hand hand) {
    work_.glyphs.push_back({row, place, std::move(text), hand});
    widest_ = std::max(widest_, place + 1);
  }
  void memo(int32_t place, int32_t digit) {
    work_.glyphs.push_back({kMemoRow, place, std::to_string(digit), Hand::Child});
  }
  // A rule under a row over places high..low, or from kAcross the grid.
  void rule(int32_t belowRow, int32_t high, int32_t low, Hand hand) {
    work_.rules.push_back({belowRow, high, low, hand});
  }
  ColumnWork &work() { return work_; }

  // Places become columns: the widest place is column 0.
  ColumnWork done(int32_t rows) {
    work_.rows = rows;
    work_.columns = std::max(work_.columns, widest_);
    const int32_t last = work_.columns - 1;
    for (ColumnGlyph &g : work_.glyphs)
      g.column = last - g.column;
    for (ColumnRule &r : work_.rules)
      r = {r.belowRow, r.firstColumn == kAcross ? 0 : last - r.firstColumn, last - r.lastColumn,
           r.hand};
    for (ColumnStrike &s : work_.strikes)
      s.column = last - s.column;
    for (int32_t &m : work_.memoColumns)
      m = last - m;
    return work_;
  }

private:
  ColumnWork work_;
  int32_t widest_ = 0;
};

// The first number over the second with the sign left of the wider, a rule
// under them across the grid; the grid one square wider than the wider.
void setOperands(Worker &w, const SheetItem &item) {
  const int32_t wider = std::max(decimalDigits(item.first), decimalDigits(item.second));
  w.number(0, 0, item.first, Hand::Printed);
  w.number(1, 0, item.second, Hand::Printed);
  w.glyph(1, wider, std::string(kindInfo(item.kind).sign), Hand::Printed);
}

// Small boxes over the first number's places that can take a carry or
// lend: all but the ones, as far as the wider number reaches.
void memoBoxes(Worker &w, int32_t places) {
  for (int32_t place = 1; place < places; ++place)
    w.work().memoColumns.push_back(place);
}

ColumnWork added(const SheetItem &item) {
  Worker w;
  setOperands(w, item);
  const int32_t wider = std::max(decimalDigits(item.first), decimalDigits(item.second));
  memoBoxes(w, wider);
  int32_t carry = 0;
  for (int32_t place = 0; place < wider; ++place) {
    carry = (digitAt(item.first, place) + digitAt(item.second, place) + carry) / 10;
    // A carry out of the widest place is the answer's first digit.
    if (carry > 0 && place + 1 < wider)
      w.memo(place + 1, carry);
  }
  w.number(2, 0, item.result, Hand::Child);
  w.rule(1, kAcross, 0, Hand::Printed);
  return w.done(3);
}

// A column short of its digit borrows from the next, which is struck and
// its digit less one written above it; a 0 that lends, having borrowed in
// turn, becomes 9. The borrowed ten is not written, nor a leading digit
// reduced to 0.
ColumnWork subtracted(const SheetItem &item) {
  Worker w;
  setOperands(w, item);
  const int32_t places = decimalDigits(item.first);
  memoBoxes(w, places);
  bool borrowed = false;
  for (int32_t place = 0; place < places; ++place) {
    const int32_t top = digitAt(item.first, place) - (borrowed ? 1 : 0);
    const bool lends = borrowed;
    borrowed = top < digitAt(item.second, place);
    if (!lends)
      continue;
    w.work().strikes.push_back({0, place});
    const int32_t reduced = top < 0 ? 9 : top; // a 0 lends once it has borrowed
    if (reduced > 0 || place + 1 < places)
      w.memo(place, reduced);
  }
  w.number(2, 0, item.result, Hand::Child);
  w.rule(1, kAcross, 0, Hand::Printed);
  return w.done(3);
}

// By one digit: the carries in the small boxes. By two: a row for each
// partial product, the second one place to the left with its ones left
// blank, a second rule and the sum; the carries are kept in the head.
ColumnWork multiplied(const SheetItem &item) {
  Worker w;
  setOperands(w, item);
  const int32_t places = decimalDigits(item.first);
  if (item.second < 10) {
    memoBoxes(w, places);
    int32_t carry = 0;
    for (int32_t place = 0; place + 1 < places; ++place) {
      carry = (digitAt(item.first, place) * item.second + carry) / 10;
      if (carry > 0)
        w.memo(place + 1, carry);
    }
    w.number(2, 0, item.result, Hand::Child);
    w.rule(1, kAcross, 0, Hand::Printed);
    return w.done(3);
  }
  w.number(2, 0, int64_t{item.first} * (item.second % 10), Hand::Child);
  w.number(3, 1, int64_t{item.first} * (item.second / 10), Hand::Child);
  w.number(4, 0, item.result, Hand::Child);
  w.rule(1, kAcross, 0, Hand::Printed);
  w.rule(3, kAcross, 0, Hand::Printed);
  return w.done(5);
}

// The dividend under the bracket, the quotient over it from the first place
// the divisor goes into, and under it a product and a difference for each
// digit of the quotient but a 0, whose place only brings the next digit
// down. The last difference is the remainder, written even when it is 0.
ColumnWork divided(const SheetItem &item) {
  Worker w;
  const int32_t places = decimalDigits(item.first);
  const int64_t divisor = item.second;
  w.number(1, 0, item.first, Hand::Printed);
  w.work().divisorColumns = decimalDigits(divisor);
  int32_t place = places - 1;
  int64_t value = digitAt(item.first, place);
  while (value < divisor && place > 0)
    value = value * 10 + digitAt(item.first, --place);
  int32_t row = 2;
  for (;;) {
    const int64_t digit = value / divisor;
    w.number(0, place, digit, Hand::Child);
    if (digit > 0) {
      const int64_t product = digit * divisor;
      w.number(row, place, product, Hand::Child);
      w.rule(row, place + std::max(decimalDigits(value), decimalDigits(product)) - 1, place,
             Hand::Child);
      value -= product;
      row += 2;
    }
    if (place == 0)
      break;
    value = value * 10 + digitAt(item.first, --place);
    // The next digit brought down beside the difference, which stays
    // unwritten while the quotient gains a 0 there.
    if (value >= divisor)
      w.number(row - 1, place, value, Hand::Child);
  }
  if (row > 2) // a quotient of 0 has no steps; the column form asks for none
    w.number(row - 1, 0, value, Hand::Child);
  w.rule(0, kAcross, 0, Hand::Printed);
  ColumnWork work = w.done(row);
  // The divisor left of the bracket.
  const std::string text = std::to_string(divisor);
  for (std::size_t i = 0; i < text.size(); ++i)
    work.glyphs.push_back({1, int32_t(i) - int32_t(text.size()), text.substr(i, 1), Hand::Printed});
  return work;
}

} // namespace

ColumnWork workInColumns(const SheetItem &item) {
  switch (item.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
  case SheetKind::Three: // stays inline, never set out in columns
    return added(item);
  case SheetKind::Subtract:
    return subtracted(item);
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    return multiplied(item);
  case SheetKind::Divide:
  case SheetKind::DivideRemainder:
    break;
  }
  return divided(item);
}

ColumnExtent columnExtent(const KindPlan &plan) {
  const int32_t first = decimalDigits(plan.first.high);
  const int32_t wider = std::max(first, decimalDigits(plan.second.high));
  const int64_t product = plan.first.high * plan.second.high;
  switch (plan.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
  case SheetKind::Subtract:
  case SheetKind::Three:
    return {wider + 1, 3, 0, true};
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    if (plan.second.high < 10)
      return {std::max(wider + 1, decimalDigits(product)), 3, 0, true};
    return {std::max({wider + 1, decimalDigits(product), decimalDigits(plan.first.high * 9) + 1}),
            5, 0, plan.second.low < 10};
  case SheetKind::Divide:
  case SheetKind::DivideRemainder:
    break;
  }
  // The quotient's places: from the divisor's smallest number of digits.
  const int32_t steps =
      std::max(1, first - decimalDigits(std::max<int64_t>(plan.second.low, 1)) + 1);
  return {first, 2 + 2 * steps, decimalDigits(plan.second.high), false};
}
