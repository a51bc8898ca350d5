#include "gridheaders.h"

#include "seededrandom.h"
#include "sheetstyles.h"

#include <algorithm>

namespace {

std::vector<int32_t> valuesIn(NumberRange range, int64_t low) {
  std::vector<int32_t> values;
  for (int64_t v = std::max(range.low, low); v <= range.high; ++v)
    values.push_back(int32_t(v));
  return values;
}

// The first `count` of a shuffled pool.
std::vector<int32_t> drawn(std::vector<int32_t> pool, int32_t count, RandomSource &random) {
  shuffleAll(pool, random);
  pool.resize(std::min(pool.size(), std::size_t(count)));
  return pool;
}

} // namespace

GridPools gridPools(const KindPlan &plan) {
  const bool trivial = !plan.leaveOutTrivial;
  int64_t lowest = 0; // of either header, as the kind allows
  int64_t lowestMinuend = 0;
  switch (plan.kind) {
  case SheetKind::Multiply:
    lowest = trivial ? 0 : 2;
    break;
  case SheetKind::Subtract:
    lowest = trivial ? 0 : 1;
    lowestMinuend = plan.second.high + (trivial ? 0 : 1);
    break;
  default:
    lowest = trivial ? 0 : 1;
    break;
  }
  return {valuesIn(plan.first, std::max(lowest, lowestMinuend)), valuesIn(plan.second, lowest)};
}

GridHeads gridHeads(GridCells cells) {
  const GridCellsInfo &info = cellsInfo(cells);
  // A row of ten: ten first numbers across the top, one in the corner.
  return info.rows == 1 ? GridHeads{info.columns, 1} : GridHeads{info.rows, info.columns};
}

SheetItem drawGrid(const KindPlan &plan, GridCells cells, RandomSource &random) {
  const GridPools pools = gridPools(plan);
  const GridHeads heads = gridHeads(cells);
  SheetItem item;
  item.kind = plan.kind;
  item.firsts = drawn(pools.firsts, heads.firsts, random);
  item.seconds = drawn(pools.seconds, heads.seconds, random);
  return item;
}
