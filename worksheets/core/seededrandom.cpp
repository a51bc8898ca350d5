#include "seededrandom.h"

uint64_t SeededRandom::next() {
  uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

// Lemire's multiply-and-reject: unbiased, and one multiplication in the
// common case.
int32_t SeededRandom::below(int32_t bound) {
  if (bound <= 0)
    return 0;
  const auto range = static_cast<uint64_t>(bound);
  const uint64_t threshold = (uint64_t{1} << 32) % range;
  for (;;) {
    const uint64_t product = (next() >> 32) * range;
    if ((product & 0xffffffffULL) >= threshold)
      return static_cast<int32_t>(product >> 32);
  }
}

double SeededRandom::unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

uint32_t sheetSeed(uint32_t batchSeed, int32_t sheet) {
  if (sheet <= 1)
    return batchSeed;
  SeededRandom mix((uint64_t{batchSeed} << 32) ^ static_cast<uint32_t>(sheet));
  // Nine digits at most: short enough to read off a footer and type again.
  return static_cast<uint32_t>(mix.next() % 1000000000ULL);
}
