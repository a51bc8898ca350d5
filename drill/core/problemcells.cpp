#include "problemcells.h"

namespace {

CellGlyph digitOrKeep(int32_t value) {
  return value >= 0 && value <= 9 ? digitGlyph(value) : CellGlyph::Keep;
}

} // namespace

ProblemCells problemCells(const ProblemRecord &problem) {
  const int32_t tens = problem.Left / 10;
  return {
      .leftTens = tens == 0 ? CellGlyph::Blank : digitOrKeep(tens),
      .leftUnits = digitOrKeep(problem.Left % 10),
      .right = digitOrKeep(problem.Right),
  };
}
