#pragma once

#include "kindplan.h"
#include "randomsource.h"
#include "sheetitem.h"

#include <cstdint>
#include <vector>

// Every fact a kind plan allows, seen as rows: for each value of one operand
// (the outer one; a three-number problem's signs and first two numbers) the
// contiguous run of the other that keeps the result in its range. Carrying, borrowing and a
// division's remainder are checked per fact. Small spaces are listed in full; large ones are
// sampled, which stays quick because the per-fact checks pass often once the rows are wide.
class FactSpace {
public:
  explicit FactSpace(const KindPlan &plan);

  // Facts before the per-fact checks; 0 means none fits the ranges at all.
  [[nodiscard]] int64_t candidates() const { return total_; }
  // Different facts: all of a listed space's, a sampled one's candidates.
  [[nodiscard]] int64_t size() const { return listed_ ? int64_t(facts_.size()) : total_; }
  // Whether any fact passes; for a sampled space, looked for with a fixed
  // number of draws of a fixed seed, so the answer is the same every time.
  [[nodiscard]] bool empty() const;

  // `count` facts, without repeats while the space has enough, otherwise
  // every fact as often as every other (give or take one), in random order.
  [[nodiscard]] std::vector<SheetItem> draw(int32_t count, RandomSource &random) const;

  static constexpr int64_t kListLimit = int64_t{1} << 18;

private:
  struct Row {
    int64_t outer;
    int64_t low;
    int64_t high;
  };

  [[nodiscard]] bool passes(const SheetItem &fact, int64_t outer, int64_t inner) const;
  [[nodiscard]] SheetItem item(int64_t outer, int64_t inner) const;
  [[nodiscard]] SheetItem sampleOne(RandomSource &random, int64_t &outer, int64_t &inner) const;
  [[nodiscard]] std::vector<SheetItem> drawSampled(int32_t count, RandomSource &random) const;

  KindPlan plan_;
  int64_t innerStep_ = 1;
  std::vector<Row> rows_;
  std::vector<int64_t> ends_; // running totals of the rows' sizes
  int64_t total_ = 0;
  bool listed_ = false;
  std::vector<SheetItem> facts_;
};
