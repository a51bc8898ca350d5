#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <limits>

std::optional<int64_t> parseWholeNumber(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (negative || text.front() == '+'))
    text.remove_prefix(1);
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  uint64_t magnitude = 0;
  const std::errc error = std::from_chars(text.data(), text.data() + text.size(), magnitude).ec;
  // Digits beyond 64 bits still read as a number, one far out of every range.
  const uint64_t largest = uint64_t{std::numeric_limits<int64_t>::max()} + (negative ? 1 : 0);
  if (error == std::errc::result_out_of_range || magnitude > largest)
    magnitude = largest;
  return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

int32_t decimalDigits(int64_t value) {
  int32_t count = 1;
  for (; value >= 10; value /= 10)
    ++count;
  return count;
}

std::optional<NumberRange> parseRange(std::string_view text) {
  const auto dots = text.find("..");
  if (dots == std::string_view::npos) {
    const auto one = parseWholeNumber(text);
    return one ? std::optional<NumberRange>({*one, *one}) : std::nullopt;
  }
  const auto low = parseWholeNumber(text.substr(0, dots));
  const auto high = parseWholeNumber(text.substr(dots + 2));
  if (!low || !high)
    return std::nullopt;
  return NumberRange{*low, *high};
}
