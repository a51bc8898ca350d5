// A whole run of 100 problems on the real window, answered through key
// events, with the right-answer feedback run out tick by tick.

#include "benchtable.h"
#include "formfixture.h"
#include "samples.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRunLengthItem = 3; // "１００だい"
constexpr int kProblems = 100;

void BM_HundredProblemRun(benchmark::State &state) {
  FormFixture f;
  Samples samples;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    f.startRun(kRunLengthItem);
    for (int problem = 0; problem < kProblems; ++problem) {
      f.type(QString::number(f.answerOnScreen()));
      QCoreApplication::processEvents();
      f.runOutFeedback();
      QCoreApplication::processEvents();
    }
    const double seconds = secondsSince(start);
    state.SetIterationTime(seconds);
    samples.add(seconds);
    if (f.drill().CurrentIndex != kProblems || f.drill().MistakeCount != 0) {
      state.SkipWithError("the run did not end after 100 right answers");
      return;
    }
  }
  setTableRow({.measure = "A 100-problem run through key events (median of " +
                          std::to_string(samples.size()) + ")",
               .result = milliseconds(samples.median()) + "; " +
                         milliseconds(samples.median() / kProblems) + " a problem"});
}
BENCHMARK(BM_HundredProblemRun)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
