#include "sheetgenerator.h"

#include "gridheaders.h"
#include "seededrandom.h"

std::vector<FactSpace> factSpaces(const SheetPlan &plan) {
  std::vector<FactSpace> spaces;
  spaces.reserve(plan.kinds.size());
  for (const KindPlan &kind : plan.kinds)
    spaces.emplace_back(kind);
  return spaces;
}

std::vector<SheetItem> generateSheet(const SheetPlan &plan, const std::vector<FactSpace> &spaces,
                                     int32_t count, RandomSource &random) {
  std::vector<SheetItem> items;
  if (spaces.empty() || count <= 0)
    return items;
  const auto kinds = static_cast<int32_t>(spaces.size());
  for (int32_t k = 0; k < kinds; ++k) {
    const int32_t share = count / kinds + (k < count % kinds ? 1 : 0);
    if (plan.format == SheetFormat::Grid) {
      for (int32_t i = 0; i < share; ++i)
        items.push_back(drawGrid(plan.kinds[std::size_t(k)], plan.cells, random));
      continue;
    }
    const std::vector<SheetItem> drawn = spaces[static_cast<std::size_t>(k)].draw(share, random);
    items.insert(items.end(), drawn.begin(), drawn.end());
  }
  if (kinds > 1)
    shuffleAll(items, random);
  for (SheetItem &item : items)
    if (item.kind == SheetKind::MissingFactor || item.kind == SheetKind::MissingAddend) {
      item.blank = random.unit() > 0.5 ? Blank::Second : Blank::First;
      // Any number times 0 is 0: the box goes on the 0, whose product has
      // one missing factor only.
      if (item.kind == SheetKind::MissingFactor && (item.first == 0 || item.second == 0))
        item.blank = item.first == 0 ? Blank::First : Blank::Second;
    }
  return items;
}
