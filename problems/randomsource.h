#pragma once

#include <cstdint>
#include <random>

// Where chance comes from: shuffles, reward pictures and the worksheet blanks.
class RandomSource {
public:
  virtual ~RandomSource() = default;
  // A uniform integer in 0..bound-1; 0 when bound is 0 or less.
  virtual int32_t below(int32_t bound) = 0;
  // A uniform real in [0, 1).
  virtual double unit() = 0;
  // Called by every shuffle, so that two worksheets in a row differ.
  virtual void reseedFromClock() = 0;

protected:
  // Copying through a RandomSource reference would slice; only a derived
  // class may copy or move its own kind.
  RandomSource() = default;
  RandomSource(const RandomSource &) = default;
  RandomSource(RandomSource &&) = default;
  RandomSource &operator=(const RandomSource &) = default;
  RandomSource &operator=(RandomSource &&) = default;
};

// Mersenne twister. With Reseed::Never the clock is ignored and a seeded
// source gives the same sequence on every run, which is what tests need.
class MersenneRandom final : public RandomSource {
public:
  enum class Reseed { FromClock, Never };

  explicit MersenneRandom(uint32_t seed, Reseed reseed = Reseed::FromClock);
  MersenneRandom(const MersenneRandom &) = delete;
  MersenneRandom &operator=(const MersenneRandom &) = delete;

  int32_t below(int32_t bound) override;
  double unit() override;
  void reseedFromClock() override;

private:
  std::mt19937 engine_;
  Reseed reseed_;
};
