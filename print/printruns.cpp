#include "printruns.h"

#include "clampedmath.h"
#include "itempen.h"
#include "printframe.h"

#include <algorithm>

namespace {

template <int32_t N> int32_t itemsInTable(int32_t printCount) {
  return std::clamp(printCount, 0, N);
}

// The multiplication row: Left × Right ＝ Result, each part one pitch on.
// Returns where the two factors start.
struct FactorPlaces {
  int32_t left = 0;
  int32_t right = 0;
};

FactorPlaces writeMultiplication(ItemPen &pen, const PrintLayout &layout,
                                 const ProblemRecord &record, bool showLeft, bool showRight) {
  const int32_t pitch = layout.CharPitch;
  FactorPlaces places;
  pen.useTypeface(kNumberTypeface);
  if (showLeft)
    pen.write(record.Left);
  places.left = layout.CursorX;
  pen.advance(pitch);
  pen.useTypeface(kSignTypeface);
  pen.write("×");
  pen.advance(pitch);
  pen.useTypeface(kNumberTypeface);
  if (showRight)
    pen.write(record.Right);
  places.right = layout.CursorX;
  pen.advance(pitch);
  pen.useTypeface(kSignTypeface);
  pen.write("＝");
  pen.advance(pitch);
  pen.useTypeface(kNumberTypeface);
  pen.write(record.Result);
  return places;
}

void multiplicationProblem(PrintCanvas &canvas, PrintLayout &layout, ProblemRecord &record,
                           int32_t n, RandomSource &random) {
  placeItem(layout, n, layout.FontHeight / 3);
  const int32_t blankRight = random.unit() > 0.5 ? 1 : 0;
  ItemPen pen(canvas, layout);
  const FactorPlaces places =
      writeMultiplication(pen, layout, record, blankRight == 1, blankRight == 0);
  const int64_t x = blankRight == 0 ? places.left : places.right;
  const int64_t y = layout.CursorY;
  const int64_t size = layout.FontHeight;
  canvas.rectangle(clampToInt32(x - 20), clampToInt32(y - 15), clampToInt32(x + size + 10),
                   clampToInt32(y + size + 15), Fill::White);
  record.Remainder = blankRight;
}

void multiplicationAnswer(PrintCanvas &canvas, PrintLayout &layout, const ProblemRecord &record,
                          int32_t n) {
  placeItem(layout, n, layout.FontHeight / 3);
  ItemPen pen(canvas, layout);
  const FactorPlaces places = writeMultiplication(pen, layout, record, true, true);
  const int64_t x = record.Remainder == 0 ? places.left : places.right;
  const int64_t y = layout.CursorY;
  const int64_t size = layout.FontHeight;
  const int32_t left = clampToInt32(x - 15);
  const int32_t right = clampToInt32(x + size + 5);
  const int32_t top = clampToInt32(y - 10);
  const int32_t bottom = clampToInt32(y + size + 10);
  canvas.moveTo(left, top);
  canvas.lineTo(right, top);
  canvas.lineTo(right, bottom);
  canvas.lineTo(left, bottom);
  canvas.lineTo(left, top);
}

// Result mod Left, in 64 bits so that INT32_MIN mod -1 cannot trap; a Left
// of 0 counts as no remainder.
bool hasRemainder(const ProblemRecord &record) {
  return record.Left != 0 && int64_t{record.Result} % int64_t{record.Left} != 0;
}

// Result ÷ Left and the pitch after it. Every dividend takes one and a half
// pitches, a single digit with the half pitch before it, a longer one after.
void writeDivision(ItemPen &pen, const PrintLayout &layout, const ProblemRecord &record) {
  const int32_t pitch = layout.CharPitch;
  const int32_t halfPitch = pitch / 2;
  pen.useTypeface(kNumberTypeface);
  if (record.Result < 10)
    pen.advance(halfPitch);
  pen.write(record.Result);
  pen.advance(pitch);
  if (record.Result > 9)
    pen.advance(halfPitch);
  pen.useTypeface(kSignTypeface);
  pen.write("÷");
  pen.advance(pitch);
  pen.useTypeface(kNumberTypeface);
  pen.write(record.Left);
  pen.advance(pitch);
}

void divisionProblem(PrintCanvas &canvas, PrintLayout &layout, const ProblemRecord &record,
                     int32_t n) {
  placeItem(layout, n, 0);
  ItemPen pen(canvas, layout);
  writeDivision(pen, layout, record);
  pen.useTypeface(kSignTypeface);
  pen.write("＝");
  pen.advance(2 * int64_t{layout.CharPitch});
  if (hasRemainder(record)) {
    pen.useTypeface(kSignTypeface);
    pen.write("…");
  }
}

void divisionAnswer(PrintCanvas &canvas, PrintLayout &layout, const ProblemRecord &record,
                    int32_t n) {
  const bool remainder = hasRemainder(record);
  placeItem(layout, n, 0);
  ItemPen pen(canvas, layout);
  writeDivision(pen, layout, record);
  pen.useTypeface(kSignTypeface);
  pen.write("＝");
  pen.advance(layout.CharPitch);
  pen.useTypeface(kNumberTypeface);
  pen.write(record.Right);
  pen.advance(layout.CharPitch);
  pen.useTypeface(kSignTypeface);
  if (remainder)
    pen.write("…");
  pen.advance(layout.CharPitch);
  pen.useTypeface(kNumberTypeface);
  if (remainder)
    pen.write(record.Remainder);
}

template <int32_t N>
PrintOutcome divisionRun(PrintCanvas &canvas, const SlotTable<N> &table, PrintLayout &layout,
                         int32_t printCount, PrintOptions options) {
  return printSheets(
      canvas, layout, itemsInTable<N>(printCount), options,
      [&](int32_t n) { divisionProblem(canvas, layout, table.at(n), n); },
      [&](int32_t n) { divisionAnswer(canvas, layout, table.at(n), n); });
}

} // namespace

PrintOutcome printMultiplicationRun(PrintCanvas &canvas, SlotTable<1500> &table,
                                    PrintLayout &layout, int32_t printCount, PrintOptions options,
                                    RandomSource &random) {
  return printSheets(
      canvas, layout, itemsInTable<1500>(printCount), options,
      [&](int32_t n) { multiplicationProblem(canvas, layout, table.at(n), n, random); },
      [&](int32_t n) { multiplicationAnswer(canvas, layout, table.at(n), n); });
}

PrintOutcome printDivisionRun(PrintCanvas &canvas, const SlotTable<1500> &table,
                              PrintLayout &layout, int32_t printCount, PrintOptions options) {
  return divisionRun(canvas, table, layout, printCount, options);
}

PrintOutcome printDivisionRun(PrintCanvas &canvas, const SlotTable<100> &table, PrintLayout &layout,
                              int32_t printCount, PrintOptions options) {
  return divisionRun(canvas, table, layout, printCount, options);
}
