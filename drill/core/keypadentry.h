#pragma once

#include <cstdint>

// The number a child keys in, one digit at a time. The number of digits is
// not limited: it wraps around like a 32-bit two's-complement integer.

// entered * 10 + digit, wrapping around instead of overflowing.
[[nodiscard]] constexpr int32_t appendDigit(int32_t entered, int32_t digit) {
  return static_cast<int32_t>(static_cast<uint32_t>(entered) * 10u + static_cast<uint32_t>(digit));
}

// Which answer cell a digit lands in: the first while the number is below
// 10, the second from a second digit of a number of 10 or more on.
enum class AnswerCell { First, Second };
[[nodiscard]] constexpr AnswerCell cellForEntry(int32_t entered) {
  return entered < 10 ? AnswerCell::First : AnswerCell::Second;
}

// Erasing one digit: below 10 the number becomes 0 and the first cell is
// blanked; otherwise the last digit is dropped and the second cell blanked.
struct Erasure {
  int32_t entered;
  AnswerCell blanked;
};
[[nodiscard]] constexpr Erasure eraseDigit(int32_t entered) {
  if (entered < 10)
    return {0, AnswerCell::First};
  return {entered / 10, AnswerCell::Second};
}
