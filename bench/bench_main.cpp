// The in-process benchmarks, on Qt's offscreen platform. With --table the
// usual report is left out and only the table rows are printed.

#include "benchtable.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

// Reports only benchmarks that failed; the table says the rest.
class FailureReporter final : public benchmark::BenchmarkReporter {
public:
  bool ReportContext(const Context &) override { return true; }
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      if (run.error_occurred) {
        std::fprintf(stderr, "%s failed: %s\n", run.benchmark_name().c_str(),
                     run.error_message.c_str());
        failed = true;
      }
    }
  }
  bool failed = false;
};

// Takes --table out of the arguments; true when it was there.
bool takeTableFlag(int &argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--table") == 0) {
      for (int j = i; j < argc; ++j)
        argv[j] = argv[j + 1];
      --argc;
      return true;
    }
  }
  return false;
}

} // namespace

int main(int argc, char *argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const bool table = takeTableFlag(argc, argv);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  if (!table) {
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
  }
  FailureReporter failures;
  benchmark::RunSpecifiedBenchmarks(&failures);
  benchmark::Shutdown();
  for (const TableRow &row : tableRows())
    std::puts(markdown(row).c_str());
  return failures.failed ? 1 : 0;
}
