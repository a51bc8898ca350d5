#include "runresults.h"

#include "drillstate.h"

#include <algorithm>

int32_t countFirstTry(const ProblemBank &bank, int32_t checkedIndex) {
  const int32_t last = std::min(checkedIndex, decltype(bank.ProblemTable)::kSlots);
  int32_t count = 0;
  for (int32_t slot = 1; slot <= last; ++slot)
    if (bank.ProblemTable.at(slot).Mark == mark::Shown)
      ++count;
  return count;
}

std::string firstTryRate(int32_t firstTry, int32_t checked) {
  if (checked < 1)
    return {};
  return std::to_string(int64_t{firstTry} * 100 / checked) + "%";
}

std::optional<ClockReading> clockTick(int32_t &clockState, int32_t &clockTenths) {
  if (clockState == clock_state::Running) {
    clockTenths = static_cast<int32_t>(static_cast<uint32_t>(clockTenths) + 1u);
    return std::nullopt;
  }
  if (clockState != clock_state::ShowTime)
    return std::nullopt;
  const int32_t seconds = clockTenths / 10;
  clockState = clock_state::Idle;
  return ClockReading{seconds / 60, seconds % 60};
}
