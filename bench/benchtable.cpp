#include "benchtable.h"

#include <algorithm>

namespace {

std::vector<TableRow> &rows() {
  static std::vector<TableRow> table;
  return table;
}

} // namespace

void setTableRow(const TableRow &row) {
  auto found = std::find_if(rows().begin(), rows().end(),
                            [&](const TableRow &set) { return set.measure == row.measure; });
  if (found != rows().end())
    *found = row;
  else
    rows().push_back(row);
}

const std::vector<TableRow> &tableRows() { return rows(); }
