#include "itemformat.h"

#include "columnformat.h"
#include "enumtable.h"
#include "gridformat.h"
#include "inlineformat.h"
#include "sheetstyles.h"

#include <array>

namespace {

using Maker = std::unique_ptr<ItemLayout> (*)(const SheetPlan &, const SheetLook &);

struct FormatPainter {
  SheetFormat format;
  Maker make;
};

// Each row of kSheetFormats with what lays it out.
constexpr std::array<FormatPainter, 4> kPainters{{
    {SheetFormat::Inline, &inlineLayout},
    {SheetFormat::Column, &columnLayout},
    {SheetFormat::Grid, &gridLayout},
    {SheetFormat::Cherry, &inlineLayout}, // with its cherries
}};
static_assert(kPainters.size() == kSheetFormats.size());
static_assert(inEnumOrder(kPainters, [](FormatPainter p) { return p.format; }));

} // namespace

std::unique_ptr<ItemLayout> itemLayout(const SheetPlan &plan, const SheetLook &look) {
  return kPainters[std::size_t(plan.format)].make(plan, look);
}
