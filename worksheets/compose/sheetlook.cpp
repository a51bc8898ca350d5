#include "sheetlook.h"

#include <algorithm>

namespace {

constexpr int32_t kFooterPoints = 8;

} // namespace

SheetLook lookOf(const SheetPlan &plan) {
  SheetLook look;
  look.size = &sizeInfo(plan.size);
  look.kana = plan.kana;
  const std::string_view family = typefaceInfo(plan.typeface).family;
  look.item = {family, look.size->itemPoints, kBlackInk};
  look.number = {family, std::clamp(look.size->itemPoints / 2, 10, 17), kBlackInk};
  look.title = {family, look.size->titlePoints, kBlackInk};
  look.label = {family, look.size->labelPoints, kBlackInk};
  look.footer = {family, kFooterPoints, kBlackInk};
  return look;
}
