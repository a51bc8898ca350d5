#pragma once

#include "tablerow.h"

#include <vector>

// The rows the in-process benchmarks leave for the table. A benchmark sets
// its row once it has measured; a second run of it replaces the row.
void setTableRow(const TableRow &row);
// The rows in the order they were first set.
[[nodiscard]] const std::vector<TableRow> &tableRows();
