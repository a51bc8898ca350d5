#include "jobvalidation.h"

#include "numbertext.h"

#include "footer.h"
#include "formats/itemformat.h"
#include "headerband.h"
#include "pagegrid.h"
#include "presetsheet.h"
#include "sheetlook.h"

#include <algorithm>

namespace {

std::string fullWidthNumber(int32_t number) {
  std::string text;
  for (const char c : std::to_string(number)) {
    text += "\xEF\xBC";
    text += static_cast<char>(0x90 + (c - '0'));
  }
  return text;
}

// The grid of the sheet's pages in its size, numbers wide enough for
// `numberDigits`.
std::variant<PageGrid, Refusal> gridOf(const SheetPlan &plan, int32_t sheetsInBatch,
                                       int32_t numberDigits) {
  const SheetLook look = lookOf(plan);
  const ItemBox box = itemLayout(plan, look)->box();
  const SizeMm area = composedArea(plan.page);
  const HeaderBand band = layOutBand(plan, look, {false, true, 1, sheetsInBatch}, area.width);
  const double em = emMm(look.item);
  GridRequest request;
  if (plan.fields.numbers && box.number == NumberPlace::Beside)
    request.numberWidthMm =
        textWidthMm(look.number, "(" + std::string(std::size_t(numberDigits), '0') + ")") +
        0.2 * em;
  if (plan.fields.numbers && box.number == NumberPlace::Above)
    request.numberHeightMm = cellHeightMm(look.number) + 0.1 * em;
  request.itemWidthMm = box.widthMm + request.numberWidthMm;
  request.itemHeightMm = box.heightMm + request.numberHeightMm;
  request.columnGapMm = std::max(look.size->columnGapEms * em, box.gapMm);
  request.rowGapMm = std::max(look.size->rowGapEms * em, box.gapMm);
  request.bandHeightMm = band.heightMm + look.bandGapMm;
  request.footerRoomMm = footerRoomMm(look.footer.family);
  request.page = area;
  request.rows = plan.rows;
  request.columns = plan.columns;
  request.count = plan.count;
  return layOutGrid(request);
}

// The refusal of a size that fits no item, with the sizes that would.
Refusal withFittingSizes(Refusal refusal, const SheetPlan &plan, int32_t sheetsInBatch,
                         int32_t numberDigits) {
  SheetPlan other = plan;
  for (const SheetSizeInfo &size : kSheetSizes) {
    other.size = size.size;
    if (size.size != plan.size &&
        std::holds_alternative<PageGrid>(gridOf(other, sheetsInBatch, numberDigits)))
      refusal.allowed.push_back(size.name);
  }
  return refusal;
}

// Lays out the sheet's grid, settling a count left open to a page full. The
// numbers' width and a default title depend on the count, the count on the
// grid: a second round settles them.
std::optional<Refusal> layOut(SheetPlan &plan, int32_t sheetsInBatch) {
  const bool defaultTitle = plan.title && plan.title->empty();
  int32_t count = plan.count > 0 ? plan.count : 99;
  for (int round = 0; round < 3; ++round) {
    if (defaultTitle)
      plan.title = plan.kana ? plan.caption : plan.caption + fullWidthNumber(count) + "題";
    auto grid = gridOf(plan, sheetsInBatch, decimalDigits(count));
    if (auto *refusal = std::get_if<Refusal>(&grid))
      return refusal->reason == RefusalReason::DoesNotFit
                 ? withFittingSizes(*refusal, plan, sheetsInBatch, decimalDigits(count))
                 : *refusal;
    plan.grid = std::get<PageGrid>(grid);
    const int32_t settled =
        plan.count > 0 ? plan.count : plan.grid.columns * plan.grid.firstPageRows;
    if (settled == count)
      break;
    count = settled;
  }
  plan.count = count;
  return std::nullopt;
}

} // namespace

JobCheck validateJob(const WorksheetJob &job) {
  JobCheck check = checkJob(job);
  auto *resolved = std::get_if<ResolvedJob>(&check);
  if (!resolved)
    return check;
  SheetPlan &sheet = resolved->sheet;
  if (sheet.preset && sheet.fields.numbers && !presetNumbersFit(sheet, kSheetDpi))
    return Refusal{JobField::Numbers, RefusalReason::DoesNotFit};
  if (!sheet.preset) {
    if (const auto refusal = layOut(sheet, resolved->sheetsInBatch))
      return *refusal;
    const int64_t perSheet = int64_t{sheet.count} * problemsPerItem(sheet);
    if (perSheet * resolved->sheets * resolved->copies > kBatchProblems)
      return Refusal{JobField::Sheets, RefusalReason::OutOfRange, kSheetLimits.low,
                     std::max<int64_t>(1, kBatchProblems / (perSheet * resolved->copies))};
  }
  if (sheet.title && sheet.title->empty())
    sheet.title = sheet.caption;
  return check;
}
