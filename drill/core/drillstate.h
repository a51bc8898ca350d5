#pragma once

#include <cstdint>

// The drill's state, shared by run start, keypad, answer checking, results,
// clock and hints. All zero before the first run.
struct DrillState {
  int32_t RunLength = 0;     // problems in the current run: 10, 20, 50 or 100
  int32_t CurrentIndex = 0;  // the problem on screen, also its slot; 0 before the first
  int32_t CheckedIndex = 0;  // CurrentIndex at the latest answer check
  int32_t EnteredAnswer = 0; // the number keyed in so far
  int32_t MistakeCount = 0;  // wrong checks since the last end of a run
  int32_t FirstTryCount = 0; // problems solved at the first try, counted at the end
  int32_t FeedbackShown = 0; // 1 while "ＯＫ!" stands and is being timed
  int32_t FeedbackTicks = 0; // feedback timer ticks since "ＯＫ!" appeared
  int32_t ClockState = 0;    // 3 running, 4 show the time at the next tick, 0 idle
  int32_t ClockTenths = 0;   // clock ticks counted while running
  int32_t HintAnimating = 0; // 1 while tiles are being taken away
  int32_t HintStep = 0;      // tiles taken away so far
  int32_t HintRemaining = 0; // tiles still to take away

  friend bool operator==(const DrillState &, const DrillState &) = default;
};

namespace clock_state {
inline constexpr int32_t Idle = 0;
inline constexpr int32_t Running = 3;
inline constexpr int32_t ShowTime = 4;
} // namespace clock_state

namespace mark {
inline constexpr int32_t Cleared = 0;
inline constexpr int32_t Wrong = 1;
inline constexpr int32_t Shown = 3;
} // namespace mark
