#pragma once

#include "problembank.h"

#include <cstdint>
#include <optional>
#include <string>

// The figures shown when a run ends, and the run's clock.

// Problems among slots 1..checkedIndex marked as solved at the first try.
[[nodiscard]] int32_t countFirstTry(const ProblemBank &bank, int32_t checkedIndex);

// The first-try rate truncated to a whole percent with "%", or empty when no
// problem was checked.
[[nodiscard]] std::string firstTryRate(int32_t firstTry, int32_t checked);

struct ClockReading {
  int32_t minutes;
  int32_t seconds;
};

// One tick of the clock: counts a tenth while running; when asked to show the
// time, returns it and goes idle.
[[nodiscard]] std::optional<ClockReading> clockTick(int32_t &clockState, int32_t &clockTenths);
