#pragma once

#include "randomsource.h"

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

// Hands out scripted unit() draws in turn and counts every other request,
// which the print runs must not make.
class ScriptedRandom final : public RandomSource {
public:
  explicit ScriptedRandom(std::vector<double> units) : units_(std::move(units)) {}

  int32_t below(int32_t) override {
    ++otherRequests;
    return 0;
  }
  double unit() override {
    if (next_ >= units_.size())
      throw std::logic_error("more unit() draws than scripted");
    return units_[next_++];
  }
  void reseedFromClock() override { ++otherRequests; }

  [[nodiscard]] std::size_t unitsDrawn() const { return next_; }
  int otherRequests = 0;

private:
  std::vector<double> units_;
  std::size_t next_ = 0;
};
