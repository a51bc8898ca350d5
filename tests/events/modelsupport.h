#pragma once

#include "windowsnapshot.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// What the parts of the reference model (windowmodel*.cpp) share.
namespace model {
inline constexpr std::array<int32_t, 4> kRunLengths{10, 20, 50, 100};
inline constexpr int32_t kGeneratedSlots = 500;

inline int32_t wrapping(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

template <typename Array, typename T> bool holds(const Array &array, T value) {
  return std::find(array.begin(), array.end(), value) != array.end();
}

using Numbers = std::array<int32_t, 4>;
inline Numbers numbersOf(const ProblemRecord &r, bool withRemainder = true) {
  return {r.Left, r.Right, r.Result, withRemainder ? r.Remainder : 0};
}
inline void setNumbers(ProblemRecord &r, const ProblemRecord &from, bool withRemainder = true) {
  r.Left = from.Left;
  r.Right = from.Right;
  r.Result = from.Result;
  if (withRemainder)
    r.Remainder = from.Remainder;
}

template <int32_t N>
std::vector<Numbers> sortedNumbers(const SlotTable<N> &table, int32_t first, int32_t last,
                                   bool withRemainder = true) {
  std::vector<Numbers> numbers;
  for (int32_t slot = first; slot <= last; ++slot)
    numbers.push_back(numbersOf(table.at(slot), withRemainder));
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// A shuffle of slots 1..count (cut to the table) keeps the records there,
// every mark, and every slot above; the window's order is then taken over.
// Without the remainders when a print run has written over them since.
template <int32_t N>
void checkShuffled(const char *table, int32_t count, const SlotTable<N> &actual,
                   SlotTable<N> &expected, QStringList &faults, bool withRemainder = true) {
  const int32_t n = std::clamp(count, 0, N);
  if (sortedNumbers(expected, 1, n, withRemainder) != sortedNumbers(actual, 1, n, withRemainder))
    faults << QStringLiteral("the shuffle of %1 slots 1..%2 changed the records")
                  .arg(QLatin1String(table))
                  .arg(n);
  for (int32_t slot = 1; slot <= n; ++slot)
    setNumbers(expected.at(slot), actual.at(slot), withRemainder);
}

inline void show(WindowSnapshot &m, std::size_t shown, bool visible) { m.shown[shown] = visible; }

} // namespace model
