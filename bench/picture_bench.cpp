// The window's pictures decoded as the window holds them: every picture of
// its definition asked of one shelf, which decodes each file once, when its
// pixels are first wanted.

#include "benchtable.h"
#include "formdefinition.h"
#include "pictureshelf.h"
#include "samples.h"

#include <QStringList>
#include <benchmark/benchmark.h>
#include <set>

namespace {

constexpr double kDecodeBudget = 5e-3;

void BM_DecodeWindowPictures(benchmark::State &state) {
  QStringList files;
  std::set<QString> distinct;
  for (const ControlDef &def : form1Controls()) {
    if (def.picture) {
      files << QString::fromUtf8(def.picture);
      distinct.insert(files.back());
    }
  }
  Samples samples;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    PictureShelf shelf;
    bool decoded = true;
    for (const QString &file : files)
      decoded = !shelf.picture(file).pixmap().isNull() && decoded;
    const double seconds = secondsSince(start);
    state.SetIterationTime(seconds);
    samples.add(seconds);
    if (!decoded) {
      state.SkipWithError("a picture did not decode");
      return;
    }
  }
  setTableRow({.measure = "Decoding the window's pictures (" + std::to_string(files.size()) +
                          " pictures, " + std::to_string(distinct.size()) + " decodes)",
               .result = "median " + milliseconds(samples.median()),
               .budget = "median ≤ 5 ms",
               .held = heldText(samples.median() <= kDecodeBudget)});
}
BENCHMARK(BM_DecodeWindowPictures)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
