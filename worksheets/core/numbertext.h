#pragma once

#include "worksheetjob.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Text as the front ends take it: a whole number ("42", "+42", "-1"), and a
// range "A..B" (or one number A, meaning A..A). Nothing else parses.
[[nodiscard]] std::optional<int64_t> parseWholeNumber(std::string_view text);
[[nodiscard]] std::optional<NumberRange> parseRange(std::string_view text);

// How many decimal digits a number of 0 or more is written with.
[[nodiscard]] int32_t decimalDigits(int64_t value);
