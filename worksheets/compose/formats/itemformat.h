#pragma once

#include "pagedrawer.h"
#include "sheetitem.h"
#include "sheetlook.h"
#include "sheetplan.h"

#include <memory>

// A sheet format sets out one item: how much room it needs, and how it is
// drawn as a problem or as its answer in that room. The composer does the
// rest, the same for every format.

// Where a problem's number stands: beside the item on its baseline, or at
// the top left of its cell, above all the item draws.
enum class NumberPlace { Beside, Above };

struct ItemBox {
  double widthMm = 0;
  double heightMm = 0;
  double baselineMm = 0; // where the problem's number stands beside it
  double gapMm = 0;      // at least this much between items, if more than the size's gaps
  NumberPlace number = NumberPlace::Beside;
};

// The items of one sheet, in one format and one look.
class ItemLayout {
public:
  virtual ~ItemLayout() = default;
  // Room for any item of the sheet.
  [[nodiscard]] virtual ItemBox box() const = 0;
  // The item with the top-left corner of its box at (left, top); on an
  // answer sheet with what the child writes, in the answers' red.
  virtual void draw(PageDrawer &drawer, const SheetItem &item, double left, double top,
                    bool answers) const = 0;

protected:
  ItemLayout() = default;
  ItemLayout(const ItemLayout &) = default;
  ItemLayout &operator=(const ItemLayout &) = default;
};

[[nodiscard]] std::unique_ptr<ItemLayout> itemLayout(const SheetPlan &plan, const SheetLook &look);
