#pragma once

#include "problemrecord.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// A fixed table of problem records numbered from 1. Every access goes through
// at(), which refuses slot 0 and every slot past the end: a wrong slot number
// is a fault of the caller, never a silent read of a neighbouring record.
template <int32_t SlotCount> class SlotTable {
public:
  static constexpr int32_t kSlots = SlotCount;

  [[nodiscard]] static constexpr bool contains(int32_t slot) {
    return slot >= 1 && slot <= SlotCount;
  }

  [[nodiscard]] ProblemRecord &at(int32_t slot) {
    check(slot);
    return records_[static_cast<std::size_t>(slot - 1)];
  }

  [[nodiscard]] const ProblemRecord &at(int32_t slot) const {
    check(slot);
    return records_[static_cast<std::size_t>(slot - 1)];
  }

private:
  static void check(int32_t slot) {
    if (!contains(slot))
      throw std::out_of_range("problem slot " + std::to_string(slot) + " outside 1.." +
                              std::to_string(SlotCount));
  }

  std::array<ProblemRecord, SlotCount> records_{};
};
