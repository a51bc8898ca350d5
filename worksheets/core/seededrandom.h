#pragma once

#include "randomsource.h"

#include <cstdint>

// Chance that a seed fixes on every compiler and standard library: SplitMix64
// for the bits and mappings of our own onto bounds and reals (the standard
// distributions are free to differ between libraries). Re-seeding from the
// clock is ignored: the seed stands in for the clock.
class SeededRandom final : public RandomSource {
public:
  explicit SeededRandom(uint64_t seed) : state_(seed) {}
  SeededRandom(const SeededRandom &) = delete;
  SeededRandom &operator=(const SeededRandom &) = delete;

  [[nodiscard]] uint64_t next();
  int32_t below(int32_t bound) override;
  double unit() override;
  void reseedFromClock() override {}

private:
  uint64_t state_;
};

// The seed of sheet `sheet` (from 1) of a batch: the batch seed itself for the
// first sheet, so that a sheet's own seed given as a batch seed prints it again.
[[nodiscard]] uint32_t sheetSeed(uint32_t batchSeed, int32_t sheet);

// Fisher-Yates over any random-access range, drawing with below().
template <typename Items> void shuffleAll(Items &items, RandomSource &random) {
  for (auto i = static_cast<int32_t>(items.size()) - 1; i > 0; --i) {
    const auto j = static_cast<std::size_t>(random.below(i + 1));
    std::swap(items[static_cast<std::size_t>(i)], items[j]);
  }
}
