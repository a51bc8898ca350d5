#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Page arithmetic runs in 64 bits and lands back in int32 clamped: extreme
// spin edit values give far-off positions, never a signed overflow.
inline int32_t clampToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}
