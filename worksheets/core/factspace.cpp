#include "factspace.h"

#include "seededrandom.h"
#include "sheetkinds.h"

#include <algorithm>
#include <limits>
#include <string>
#include <unordered_set>

namespace {

int64_t ceilDiv(int64_t a, int64_t b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

// The nearest multiples of a step at or above, and at or below, a value.
int64_t stepUp(int64_t value, int64_t step) { return ceilDiv(value, step) * step; }
int64_t stepDown(int64_t value, int64_t step) {
  return value >= 0 ? value / step * step : -ceilDiv(-value, step) * step;
}

// Whether long division by a two-digit divisor finds every quotient digit
// at the first try, the divisor seen as its tens rounded (何十とみて) and
// the part brought down divided by that: 84 ÷ 21 as 84 ÷ 20 does, 91 ÷ 13
// as 91 ÷ 10 does not (9, corrected to 7), nor 84 ÷ 28 as 84 ÷ 30 (2, then 3).
bool firstGuessesRight(int64_t dividend, int64_t divisor) {
  const int64_t seen = std::max<int64_t>((divisor + 5) / 10 * 10, 10);
  std::string digits = std::to_string(dividend);
  int64_t part = 0;
  bool started = false;
  for (const char c : digits) {
    part = part * 10 + (c - '0');
    if (!started && part < divisor)
      continue;
    started = true;
    const int64_t digit = part / divisor;
    if (std::min<int64_t>(part / seen, 9) != digit)
      return false;
    part -= digit * divisor;
  }
  return true;
}

// Whether adding a and b carries in some column (a column's digits add to
// 10 or more; without one, no column ever receives a carry).
bool carries(int64_t a, int64_t b) {
  for (; a > 0 || b > 0; a /= 10, b /= 10)
    if (a % 10 + b % 10 >= 10)
      return true;
  return false;
}

// Whether a - b (a >= b) borrows in some column.
bool borrows(int64_t a, int64_t b) {
  for (; b > 0; a /= 10, b /= 10)
    if (a % 10 < b % 10)
      return true;
  return false;
}

// Whether a × b, worked digit by digit of b as the column form works it,
// carries: a digit's product with the carry coming in reaches 10.
bool productCarries(int64_t a, int64_t b) {
  for (; b > 0; b /= 10) {
    int64_t carry = 0;
    for (int64_t rest = a; rest > 0; rest /= 10) {
      const int64_t product = rest % 10 * (b % 10) + carry;
      if (product >= 10)
        return true;
      carry = product / 10;
    }
  }
  return false;
}

// A problem a child answers without working: an operand 0, a factor or a
// divisor 1, a number less itself.
bool trivial(const SheetItem &item) {
  switch (item.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    return item.first == 0 || item.second == 0;
  case SheetKind::Subtract:
    return item.second == 0 || item.first == item.second;
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    return item.first <= 1 || item.second <= 1;
  case SheetKind::Divide:
  case SheetKind::DivideRemainder:
    return item.first == 0 || item.second == 1;
  case SheetKind::Three:
    break;
  }
  const SignPairInfo &signs = signPairInfo(item.signs);
  const int32_t partial = signs.firstAdds ? item.first + item.second : item.first - item.second;
  return item.first == 0 || item.second == 0 || item.third == 0 ||
         (!signs.firstAdds && partial == 0) || (!signs.secondAdds && partial == item.third);
}

bool wanted(Carry carry, bool happens) {
  return carry == Carry::Any || (carry == Carry::With) == happens;
}

// A fact's key in a set: both operands stay below 100,000.
uint64_t keyOf(int64_t outer, int64_t inner) {
  return static_cast<uint64_t>(outer) << 20 | static_cast<uint64_t>(inner);
}

constexpr int kProbeDraws = 4096;

// A three-number fact's row: its signs and first two numbers in one key.
constexpr int64_t kThreeSpan = kThreeOperandLimits.high + 1;
int64_t threeRow(SignPair pair, int64_t a, int64_t b) {
  return (int64_t(pair) * kThreeSpan + a) * kThreeSpan + b;
}

SheetItem fact(SheetKind kind, int64_t first, int64_t second, int64_t result,
               int64_t remainder = 0) {
  SheetItem item;
  item.kind = kind;
  item.first = static_cast<int32_t>(first);
  item.second = static_cast<int32_t>(second);
  item.result = static_cast<int32_t>(result);
  item.remainder = static_cast<int32_t>(remainder);
  return item;
}

} // namespace

FactSpace::FactSpace(const KindPlan &plan) : plan_(plan) {
  const NumberRange &f = plan.first;
  const NumberRange &s = plan.second;
  const NumberRange &r = plan.result;
  const NumberSteps &steps = plan.steps;
  // The inner number of a row: the second, a division's quotient or, with
  // a remainder, its dividend.
  innerStep_ = plan.kind == SheetKind::Divide            ? steps.result
               : plan.kind == SheetKind::DivideRemainder ? steps.first
                                                         : steps.second;
  auto addRow = [&](int64_t outer, int64_t low, int64_t high) {
    low = stepUp(low, innerStep_);
    high = stepDown(high, innerStep_);
    if (low > high)
      return;
    rows_.push_back({outer, low, high});
    total_ += (high - low) / innerStep_ + 1;
    ends_.push_back(total_);
  };
  const int64_t firstFrom = stepUp(f.low, steps.first);
  const int64_t divisorFrom = stepUp(s.low, steps.second);
  switch (plan.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    for (int64_t a = firstFrom; a <= f.high; a += steps.first)
      addRow(a, std::max(s.low, r.low - a), std::min(s.high, r.high - a));
    break;
  case SheetKind::Subtract:
    for (int64_t a = firstFrom; a <= f.high; a += steps.first)
      addRow(a, std::max(s.low, a - r.high), std::min({s.high, a - r.low, a}));
    break;
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    for (int64_t a = firstFrom; a <= f.high; a += steps.first) {
      if (a == 0)
        addRow(a, r.low == 0 ? s.low : 1, r.low == 0 ? s.high : 0);
      else
        addRow(a, std::max(s.low, ceilDiv(r.low, a)), std::min(s.high, r.high / a));
    }
    break;
  case SheetKind::Divide: // divisor, then quotient
    for (int64_t d = std::max<int64_t>(divisorFrom, 1); d <= s.high; d += steps.second)
      addRow(d, std::max(r.low, ceilDiv(f.low, d)), std::min(r.high, f.high / d));
    break;
  case SheetKind::DivideRemainder: // divisor, then dividend
    for (int64_t d = std::max<int64_t>(divisorFrom, 2); d <= s.high; d += steps.second)
      addRow(d, std::max(f.low, d * r.low), std::min(f.high, d * r.high + d - 1));
    break;
  case SheetKind::Three: // signs with the first two numbers, then the third
    for (const SignPair pair : plan.signs) {
      const SignPairInfo &signs = signPairInfo(pair);
      for (int64_t a = firstFrom; a <= f.high; a += steps.first)
        for (int64_t b = divisorFrom; b <= s.high; b += steps.second) {
          // No step goes below 0, nor above the result's bound.
          const int64_t partial = signs.firstAdds ? a + b : a - b;
          if (partial < 0 || partial > r.high)
            continue;
          if (signs.secondAdds)
            addRow(threeRow(pair, a, b), std::max(s.low, r.low - partial),
                   std::min(s.high, r.high - partial));
          else
            addRow(threeRow(pair, a, b), std::max(s.low, partial - r.high),
                   std::min({s.high, partial - r.low, partial}));
        }
    }
    break;
  }

  listed_ = total_ <= kListLimit;
  if (!listed_)
    return;
  for (const Row &row : rows_)
    for (int64_t inner = row.low; inner <= row.high; inner += innerStep_)
      if (SheetItem fact = item(row.outer, inner); passes(fact, row.outer, inner))
        facts_.push_back(std::move(fact));
}

bool FactSpace::passes(const SheetItem &fact, int64_t outer, int64_t inner) const {
  if (plan_.leaveOutTrivial && trivial(fact))
    return false;
  const NumberSteps &steps = plan_.steps;
  const bool division = plan_.kind == SheetKind::Divide || plan_.kind == SheetKind::DivideRemainder;
  if (fact.first % steps.first != 0 || fact.second % steps.second != 0 ||
      (!division && fact.result % steps.result != 0) ||
      (division && plan_.firstGuessRight && !firstGuessesRight(fact.first, fact.second)))
    return false;
  switch (plan_.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    return wanted(plan_.carry, carries(outer, inner));
  case SheetKind::Subtract:
    return wanted(plan_.carry, borrows(outer, inner));
  case SheetKind::DivideRemainder:
    return inner % outer != 0;
  case SheetKind::MissingFactor:
    // 0 × □ ＝ 0 and □ × 0 ＝ 0 alike have every number for an answer.
    return outer != 0 || inner != 0;
  case SheetKind::Multiply:
    // A two-digit multiplier ending in 0 is a unit of its own, inline.
    if (plan_.format == SheetFormat::Column)
      return !(inner >= 10 && inner % 10 == 0) && wanted(plan_.carry, productCarries(outer, inner));
    break;
  case SheetKind::Divide:
    // 69 ÷ 3: with no carrying in the quotient times the divisor, every
    // place divides on its own.
    return wanted(plan_.carry, productCarries(fact.result, fact.second));
  case SheetKind::Three:
    break;
  }
  return true;
}

SheetItem FactSpace::item(int64_t outer, int64_t inner) const {
  const int64_t a = outer;
  const int64_t b = inner;
  switch (plan_.kind) {
  case SheetKind::Add:
  case SheetKind::MissingAddend:
    return fact(plan_.kind, a, b, a + b);
  case SheetKind::Subtract:
    return fact(plan_.kind, a, b, a - b);
  case SheetKind::Multiply:
  case SheetKind::MissingFactor:
    return fact(plan_.kind, a, b, a * b);
  case SheetKind::Divide:
    return fact(plan_.kind, a * b, a, b);
  case SheetKind::DivideRemainder:
    return fact(plan_.kind, b, a, b / a, b % a);
  case SheetKind::Three:
    break;
  }
  const auto pair = SignPair(outer / (kThreeSpan * kThreeSpan));
  const SignPairInfo &signs = signPairInfo(pair);
  const int64_t first = outer / kThreeSpan % kThreeSpan;
  const int64_t second = outer % kThreeSpan;
  const int64_t partial = signs.firstAdds ? first + second : first - second;
  SheetItem three = fact(plan_.kind, first, second, signs.secondAdds ? partial + b : partial - b);
  three.third = static_cast<int32_t>(b);
  three.signs = pair;
  return three;
}

SheetItem FactSpace::sampleOne(RandomSource &random, int64_t &outer, int64_t &inner) const {
  // Five-digit ranges hold more facts than a 32-bit draw reaches.
  const int64_t at = total_ <= std::numeric_limits<int32_t>::max()
                         ? random.below(static_cast<int32_t>(total_))
                         : std::min(total_ - 1, int64_t(random.unit() * double(total_)));
  const auto rowAt =
      static_cast<std::size_t>(std::upper_bound(ends_.begin(), ends_.end(), at) - ends_.begin());
  const Row &row = rows_[rowAt];
  const int64_t before = rowAt == 0 ? 0 : ends_[rowAt - 1];
  outer = row.outer;
  inner = row.low + (at - before) * innerStep_;
  return item(outer, inner);
}

bool FactSpace::empty() const {
  if (listed_)
    return facts_.empty();
  SeededRandom probe(1);
  int64_t outer = 0;
  int64_t inner = 0;
  for (int i = 0; i < kProbeDraws; ++i) {
    const SheetItem fact = sampleOne(probe, outer, inner);
    if (passes(fact, outer, inner))
      return false;
  }
  return true;
}

namespace {

// `count` of `pool` without repeats while it lasts; past that, whole rounds
// of the pool and a sample of it for the rest, mixed together.
std::vector<SheetItem> evenly(const std::vector<SheetItem> &pool, int32_t count,
                              RandomSource &random) {
  std::vector<SheetItem> drawn;
  if (pool.empty())
    return drawn;
  const auto size = static_cast<int64_t>(pool.size());
  drawn.reserve(static_cast<std::size_t>(count));
  for (int64_t round = 0; round < count / size; ++round)
    drawn.insert(drawn.end(), pool.begin(), pool.end());
  const auto rest = static_cast<int32_t>(count % size);
  if (rest * int64_t{4} >= size) {
    // A partial Fisher-Yates over the pool's positions.
    std::vector<int32_t> order(pool.size());
    for (std::size_t i = 0; i < order.size(); ++i)
      order[i] = static_cast<int32_t>(i);
    for (int32_t i = 0; i < rest; ++i) {
      const auto j = static_cast<std::size_t>(i + random.below(static_cast<int32_t>(size) - i));
      std::swap(order[static_cast<std::size_t>(i)], order[j]);
      drawn.push_back(pool[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])]);
    }
  } else {
    std::unordered_set<int32_t> taken;
    while (static_cast<int32_t>(taken.size()) < rest) {
      const int32_t at = random.below(static_cast<int32_t>(size));
      if (taken.insert(at).second)
        drawn.push_back(pool[static_cast<std::size_t>(at)]);
    }
  }
  shuffleAll(drawn, random);
  return drawn;
}

} // namespace

std::vector<SheetItem> FactSpace::draw(int32_t count, RandomSource &random) const {
  if (count <= 0 || total_ == 0)
    return {};
  return listed_ ? evenly(facts_, count, random) : drawSampled(count, random);
}

std::vector<SheetItem> FactSpace::drawSampled(int32_t count, RandomSource &random) const {
  std::vector<SheetItem> found;
  std::unordered_set<uint64_t> seen;
  const int64_t attempts = int64_t{64} * count + kProbeDraws;
  int64_t outer = 0;
  int64_t inner = 0;
  for (int64_t i = 0; i < attempts && static_cast<int32_t>(found.size()) < count; ++i) {
    const SheetItem candidate = sampleOne(random, outer, inner);
    if (passes(candidate, outer, inner) && seen.insert(keyOf(outer, inner)).second)
      found.push_back(candidate);
  }
  if (static_cast<int32_t>(found.size()) == count)
    return found;
  return evenly(found, count, random);
}
