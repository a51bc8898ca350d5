#include "composer.h"

#include "footer.h"
#include "formats/itemformat.h"
#include "headerband.h"
#include "pagegrid.h"

#include <algorithm>
#include <string>

bool drawOwnSheet(PrintCanvas &canvas, const SheetPlan &plan, const std::vector<SheetItem> &items,
                  const SheetLabel &label) {
  const SizeMm area = composedArea(plan.page);
  const SheetLook look = lookOf(plan);
  const std::unique_ptr<ItemLayout> layout = itemLayout(plan, look);
  const HeaderBand band =
      layOutBand(plan, look, {label.answers, true, label.sheet, label.sheets}, area.width);
  const ItemBox box = layout->box();
  const PageGrid &grid = plan.grid;
  const auto count = static_cast<int32_t>(items.size());
  int32_t next = 0;
  for (int32_t page = 0; page < grid.pages; ++page) {
    if (!canvas.beginDocument())
      return false;
    PageDrawer drawer(canvas);
    if (page == 0)
      drawBand(drawer, band, 0, look.ruleMm);
    const int32_t last = std::min(count, next + itemsOnPage(grid, page));
    for (int32_t index = 0; next < last; ++index, ++next) {
      const RectMm cell = cellOf(grid, page, index);
      const std::string number = "(" + std::to_string(next + 1) + ")";
      if (plan.fields.numbers && box.number == NumberPlace::Above)
        drawer.text(cell.left, cell.top, look.number, number);
      else if (plan.fields.numbers)
        drawer.onBaseline(cell.left, cell.top + box.baselineMm, look.number, number);
      layout->draw(drawer, items[std::size_t(next)], cell.left + grid.numberWidthMm,
                   cell.top + grid.numberHeightMm, label.answers);
    }
    drawFooter(drawer, footerLine(look.footer.family, plan.caption, label, page + 1, grid.pages,
                                  area.width, area.height));
    if (!canvas.endDocument())
      return false;
  }
  return true;
}
