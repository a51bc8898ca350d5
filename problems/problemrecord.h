#pragma once

#include <cstdint>

// One problem. What the fields mean depends on the generator that wrote it:
// a subtraction is Left - Right = Result; a division is Result / Left = Right
// with Remainder left over. Mark belongs to the drill (0 cleared, 3 shown,
// 1 answered wrongly at least once) and stays with the slot, not the problem.
struct ProblemRecord {
  int32_t Left = 0;
  int32_t Right = 0;
  int32_t Result = 0;
  int32_t Remainder = 0;
  int32_t Mark = 0;

  friend bool operator==(const ProblemRecord &, const ProblemRecord &) = default;
};
