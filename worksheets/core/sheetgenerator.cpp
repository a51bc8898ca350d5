#include "sheetgenerator.h"

#include "gridheaders.h"
#include "seededrandom.h"

#include <algorithm>

std::vector<FactSpace> factSpaces(const SheetPlan &plan) {
  std::vector<FactSpace> spaces;
  spaces.reserve(plan.kinds.size());
  for (const KindPlan &kind : plan.kinds)
    spaces.emplace_back(kind);
  return spaces;
}

namespace {

// `count` shared out over n: the first ones get one more when it does not divide.
int32_t shareOf(int32_t count, int32_t n, int32_t index) {
  return count / n + (index < count % n ? 1 : 0);
}

struct Share {
  std::size_t plan;
  int32_t count;
};

// The count shared out over the groups of the plans that are, or are not, a
// review, and a group's share over its plans.
std::vector<Share> sharesOf(const SheetPlan &plan, bool review, int32_t count) {
  std::vector<int32_t> groups; // in order, each once
  for (const KindPlan &kind : plan.kinds)
    if (kind.review == review &&
        std::find(groups.begin(), groups.end(), kind.group) == groups.end())
      groups.push_back(kind.group);
  std::vector<Share> shares;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const int32_t groupShare = shareOf(count, int32_t(groups.size()), int32_t(g));
    std::vector<std::size_t> members;
    for (std::size_t k = 0; k < plan.kinds.size(); ++k)
      if (plan.kinds[k].review == review && plan.kinds[k].group == groups[g])
        members.push_back(k);
    for (std::size_t m = 0; m < members.size(); ++m)
      shares.push_back({members[m], shareOf(groupShare, int32_t(members.size()), int32_t(m))});
  }
  return shares;
}

// Those plans' problems, mixed when there are several plans.
std::vector<SheetItem> drawPart(const SheetPlan &plan, const std::vector<FactSpace> &spaces,
                                bool review, int32_t count, RandomSource &random) {
  const std::vector<Share> shares = sharesOf(plan, review, count);
  std::vector<SheetItem> items;
  for (const Share &share : shares) {
    if (plan.format == SheetFormat::Grid) {
      for (int32_t i = 0; i < share.count; ++i)
        items.push_back(drawGrid(plan.kinds[share.plan], plan.cells, random));
      continue;
    }
    const std::vector<SheetItem> drawn = spaces[share.plan].draw(share.count, random);
    items.insert(items.end(), drawn.begin(), drawn.end());
  }
  if (shares.size() > 1)
    shuffleAll(items, random);
  return items;
}

} // namespace

int32_t reviewCount(const SheetPlan &plan, int32_t count) {
  const bool reviews =
      std::any_of(plan.kinds.begin(), plan.kinds.end(), [](const KindPlan &k) { return k.review; });
  return reviews ? (count * plan.reviewPercent + 50) / 100 : 0;
}

int64_t differentProblems(const SheetPlan &plan, const std::vector<FactSpace> &spaces,
                          int32_t count) {
  if (plan.preset || plan.format == SheetFormat::Grid || spaces.size() != plan.kinds.size())
    return count;
  const int32_t reviewed = reviewCount(plan, count);
  int64_t different = 0;
  for (const bool review : {false, true})
    for (const Share &share : sharesOf(plan, review, review ? reviewed : count - reviewed))
      different += std::min<int64_t>(share.count, spaces[share.plan].size());
  return different;
}

std::vector<SheetItem> generateSheet(const SheetPlan &plan, const std::vector<FactSpace> &spaces,
                                     int32_t count, RandomSource &random) {
  std::vector<SheetItem> items;
  if (spaces.empty() || count <= 0)
    return items;
  const int32_t reviewed = reviewCount(plan, count);
  items = drawPart(plan, spaces, false, count - reviewed, random);
  if (reviewed > 0) {
    // The review spread evenly through the sheet: one problem in every
    // count / reviewed.
    const std::vector<SheetItem> review = drawPart(plan, spaces, true, reviewed, random);
    std::vector<SheetItem> mixed;
    mixed.reserve(std::size_t(count));
    std::size_t fresh = 0;
    std::size_t old = 0;
    for (int64_t i = 0; i < count; ++i) {
      const bool fromReview = (i + 1) * reviewed / count > i * reviewed / count;
      if (fromReview && old < review.size())
        mixed.push_back(review[old++]);
      else if (fresh < items.size())
        mixed.push_back(items[fresh++]);
    }
    items = std::move(mixed);
  }
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
