// Start-up of the program against a bare Qt window, as whole processes on
// Qt's offscreen platform. Each is started once to warm the caches, then both
// in turn, --runs times each (15 unless told), and the medians of the wall
// time from start to exit and of the peak resident set size are compared
// with the budgets: at most 1.3 times the bare window's time and 8 MiB above
// its memory. Prints the two rows of the table.

#include "samples.h"
#include "tablerow.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr double kTimeRatioBudget = 1.3;
constexpr double kMemoryBudgetMib = 8.0;

struct Runs {
  Samples seconds;
  Samples mebibytes;
};

// Runs the program to its end; false when it could not start or failed.
bool runOnce(const char *program, Runs &runs) {
  char *arguments[] = {const_cast<char *>(program), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program, nullptr, nullptr, arguments, environ) != 0)
    return false;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child)
    return false;
  runs.seconds.add(secondsSince(start));
  runs.mebibytes.add(double(usage.ru_maxrss) / 1024.0); // ru_maxrss is in KiB
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string formatted(const char *format, double a, double b, double c) {
  char text[128];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

} // namespace

int main(int argc, char *argv[]) {
  int count = 15;
  if (argc == 3 && std::strcmp(argv[1], "--runs") == 0)
    count = std::max(1, std::atoi(argv[2]));
  setenv("QT_QPA_PLATFORM", "offscreen", 1);

  Runs warmUp, ours, bare;
  if (!runOnce(NUMERIKO_STARTUP, warmUp) || !runOnce(NUMERIKO_STARTUP_BASELINE, warmUp)) {
    std::fprintf(stderr, "a start-up program failed\n");
    return 1;
  }
  for (int i = 0; i < count; ++i) {
    // Alternating, so that a change in the machine's load touches both alike.
    if (!runOnce(NUMERIKO_STARTUP_BASELINE, bare) || !runOnce(NUMERIKO_STARTUP, ours)) {
      std::fprintf(stderr, "a start-up program failed\n");
      return 1;
    }
  }

  const double ratio = ours.seconds.median() / bare.seconds.median();
  const double extra = ours.mebibytes.median() - bare.mebibytes.median();
  std::puts(markdown({.measure = "Start-up to first frame (median of " + std::to_string(count) +
                                 " processes each)",
                      .result = formatted("%.1f ms; bare window %.1f ms: ×%.2f",
                                          ours.seconds.median() * 1e3, bare.seconds.median() * 1e3,
                                          ratio),
                      .budget = "≤ 1.3 × bare window",
                      .held = heldText(ratio <= kTimeRatioBudget)})
                .c_str());
  std::puts(markdown({.measure = "Peak RSS at start-up (median)",
                      .result = formatted("%.1f MiB; bare window %.1f MiB: %+.1f MiB",
                                          ours.mebibytes.median(), bare.mebibytes.median(), extra),
                      .budget = "≤ bare window + 8 MiB",
                      .held = heldText(extra <= kMemoryBudgetMib)})
                .c_str());
  return 0;
}
