#include "randomsource.h"

#include <chrono>

MersenneRandom::MersenneRandom(uint32_t seed, Reseed reseed) : engine_(seed), reseed_(reseed) {}

int32_t MersenneRandom::below(int32_t bound) {
  if (bound <= 0)
    return 0;
  return std::uniform_int_distribution<int32_t>(0, bound - 1)(engine_);
}

double MersenneRandom::unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

void MersenneRandom::reseedFromClock() {
  if (reseed_ == Reseed::Never)
    return;
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<uint32_t>(now) ^ static_cast<uint32_t>(now >> 32));
}
