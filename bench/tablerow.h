#pragma once

#include <string>

// One row of the table bench/run.sh prints: what was measured, the result,
// the budget it is held to and whether it held ("–" where there is none).
struct TableRow {
  std::string measure;
  std::string result;
  std::string budget = "–";
  std::string held = "–";
};

inline std::string heldText(bool held) { return held ? "yes" : "NO"; }

inline std::string markdown(const TableRow &row) {
  return "| " + row.measure + " | " + row.result + " | " + row.budget + " | " + row.held + " |";
}
