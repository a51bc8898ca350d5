#include "units.h"

#include <algorithm>

namespace {

// Numbers stay unique, as reprint codes need.
constexpr bool numbersUnique() {
  for (std::size_t i = 0; i < kUnits.size(); ++i)
    for (std::size_t j = i + 1; j < kUnits.size(); ++j)
      if (kUnits[i].number == kUnits[j].number || kUnits[i].id == kUnits[j].id)
        return false;
  return true;
}
static_assert(numbersUnique());

bool hasThree(const UnitInfo &unit) {
  const auto parts = unit.problems();
  return std::any_of(parts.begin(), parts.end(),
                     [](const UnitPart &part) { return part.kind == SheetKind::Three; });
}

// Inline with inline, column form with column form; a unit of two numbers
// reviews none of three, whose longer lines would take half its page.
bool reviews(const UnitInfo &unit, const UnitInfo &earlier) {
  return unit.format == earlier.format && (hasThree(unit) || !hasThree(earlier));
}

} // namespace

const UnitInfo *unitNamed(std::string_view id) {
  const auto *found = std::find_if(kUnits.begin(), kUnits.end(),
                                   [id](const UnitInfo &unit) { return unit.id == id; });
  return found == kUnits.end() ? nullptr : &*found;
}

const UnitInfo *unitNumbered(int32_t number) {
  const auto *found = std::find_if(kUnits.begin(), kUnits.end(), [number](const UnitInfo &unit) {
    return unit.number == number;
  });
  return found == kUnits.end() ? nullptr : &*found;
}

std::vector<const UnitInfo *> reviewedBy(const UnitInfo &unit) {
  std::vector<const UnitInfo *> earlier;
  if (unit.format == SheetFormat::Grid)
    return earlier;
  for (const UnitInfo &other : kUnits) {
    if (&other == &unit)
      break;
    if (other.grade == unit.grade && reviews(unit, other))
      earlier.push_back(&other);
  }
  if (!earlier.empty())
    return earlier;
  for (const UnitInfo &other : kUnits)
    if (other.grade == unit.grade - 1 && reviews(unit, other))
      earlier.push_back(&other);
  return earlier;
}
