// Worksheet batches written by numeriko-worksheets as whole processes on Qt's
// offscreen platform: the wall time from start to exit, the child's peak
// resident set size, the size of the PDF and its pages. 30 sheets with their
// answers are run 7 times (after one run to warm the caches), 300 sheets 3
// times and 1000 sheets once (skipped with --quick), then batches of the
// program's own kinds; medians are reported.
// Prints rows of the table.

#include "samples.h"
#include "tablerow.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

constexpr double kTimeBudgetSeconds = 1.0;
constexpr double kMemoryBudgetMb = 120.0;
constexpr double kFileBudgetMb = 2.0;
constexpr double kPerSheetRatioBudget = 1.5;
constexpr double kMemoryGrowthBudgetMb = 20.0;

struct Batch {
  int sheets = 0;
  Samples seconds;
  Samples megabytes;
  double fileMegabytes = 0;
  int pages = 0;
};

std::string formatted(const char *format, double a, double b = 0, double c = 0, double d = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

// Page objects, not the one page tree ("/Type /Pages").
int pageCount(const std::filesystem::path &pdf) {
  std::ifstream in(pdf, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string marker = "/Type /Page";
  int pages = 0;
  for (auto at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + 1)) {
    const auto next = at + marker.size();
    if (next >= bytes.size() || bytes[next] != 's')
      ++pages;
  }
  return pages;
}

class Runner {
public:
  explicit Runner(std::filesystem::path folder) : folder_(std::move(folder)) {}

  [[nodiscard]] std::filesystem::path pdf() const { return folder_ / "batch.pdf"; }

  // Runs the program once to its end; false when it could not start or
  // failed, with what it said on its error output.
  bool run(const std::vector<std::string> &options, Batch &batch) const {
    std::vector<std::string> words = {NUMERIKO_WORKSHEETS};
    words.insert(words.end(), options.begin(), options.end());
    words.insert(words.end(), {"-o", pdf().string()});
    std::vector<char *> arguments;
    for (auto &word : words)
      arguments.push_back(word.data());
    arguments.push_back(nullptr);

    // Its messages would land in the table.
    const std::string said = (folder_ / "stderr.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::filesystem::remove(pdf());

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
      std::fprintf(stderr, "cannot start %s: %s\n", arguments[0], std::strerror(spawned));
      return false;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
      return false;
    const double seconds = secondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::ifstream in(said);
      std::fprintf(stderr, "numeriko-worksheets failed:\n%s\n",
                   std::string(std::istreambuf_iterator<char>(in), {}).c_str());
      return false;
    }
    batch.seconds.add(seconds);
    batch.megabytes.add(double(usage.ru_maxrss) * 1024.0 / 1e6); // ru_maxrss is in KiB
    batch.fileMegabytes = double(std::filesystem::file_size(pdf())) / 1e6;
    batch.pages = pageCount(pdf());
    return true;
  }

  bool preset(int sheets, int runs, Batch &batch) const {
    batch.sheets = sheets;
    const std::vector<std::string> options = {
        "--preset", "divrem100", "--answers", "--sheets", std::to_string(sheets), "--seed", "7"};
    for (int i = 0; i < runs; ++i)
      if (!run(options, batch))
        return false;
    return true;
  }

private:
  std::filesystem::path folder_;
};

double perSheet(const Batch &batch) { return batch.seconds.median() / batch.sheets; }

void print(const TableRow &row) { std::puts(markdown(row).c_str()); }

void printLarge(const Batch &batch) {
  const std::string runs = batch.seconds.size() == 1
                               ? "1 process"
                               : "median of " + std::to_string(batch.seconds.size()) + " processes";
  print({.measure = "Worksheet batch of " + std::to_string(batch.sheets) + " sheets + answers (" +
                    runs + ")",
         .result = formatted("%.2f s; %.2f ms a sheet; peak RSS %.1f MB; %.2f MB file",
                             batch.seconds.median(), perSheet(batch) * 1e3,
                             batch.megabytes.median(), batch.fileMegabytes)});
}

// A class's batch of 30 sheets and their answers, timed over five processes
// against the budget of a second and 2 MB; false when a run failed.
bool classBatch(const Runner &runner, const std::string &measure,
                const std::vector<std::string> &options) {
  Batch batch;
  batch.sheets = 30;
  for (int i = 0; i < 5; ++i)
    if (!runner.run(options, batch))
      return false;
  print({.measure = measure + " (median of 5 processes)",
         .result = formatted("%.0f ms; %.2f MB file; %.0f pages", batch.seconds.median() * 1e3,
                             batch.fileMegabytes, batch.pages),
         .budget = "≤ 1 s, ≤ 2 MB",
         .held = heldText(batch.seconds.median() <= kTimeBudgetSeconds &&
                          batch.fileMegabytes <= kFileBudgetMb && batch.pages == 60)});
  return true;
}

} // namespace

int main(int argc, char *argv[]) {
  const bool quick = argc == 2 && std::strcmp(argv[1], "--quick") == 0;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);

  std::string pattern = (std::filesystem::temp_directory_path() / "numeriko-batch-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::filesystem::path folder = pattern;
  const Runner runner(folder);
  const auto fail = [&folder] {
    std::filesystem::remove_all(folder);
    return 1;
  };

  Batch warmUp, small, medium, large;
  if (!runner.preset(30, 1, warmUp) || !runner.preset(30, 7, small))
    return fail();
  const int expectedPages = 2 * small.sheets;
  print({.measure = "Worksheet batch of 30 sheets + answers, divrem100 (median of 7 processes)",
         .result = formatted("%.0f ms", small.seconds.median() * 1e3),
         .budget = "≤ 1 s",
         .held = heldText(small.seconds.median() <= kTimeBudgetSeconds)});
  print({.measure = "Peak RSS of the 30-sheet batch (median)",
         .result = formatted("%.1f MB", small.megabytes.median()),
         .budget = "≤ 120 MB",
         .held = heldText(small.megabytes.median() <= kMemoryBudgetMb)});
  print({.measure = "PDF of the 30-sheet batch",
         .result = formatted("%.2f MB", small.fileMegabytes),
         .budget = "≤ 2 MB",
         .held = heldText(small.fileMegabytes <= kFileBudgetMb)});
  print({.measure = "Pages of the 30-sheet batch",
         .result = std::to_string(small.pages),
         .budget = "= " + std::to_string(expectedPages),
         .held = heldText(small.pages == expectedPages)});

  if (!runner.preset(300, 3, medium))
    return fail();
  printLarge(medium);
  if (!quick) {
    if (!runner.preset(1000, 1, large))
      return fail();
    printLarge(large);
  }

  const Batch &largest = quick ? medium : large;
  const double ratio = perSheet(largest) / perSheet(small);
  const double growth = largest.megabytes.median() - small.megabytes.median();
  print({.measure = "Time linear in sheets, memory flat (" + std::to_string(largest.sheets) +
                    " against 30 sheets)",
         .result = formatted("time a sheet ×%.2f; peak RSS %+.1f MB", ratio, growth),
         .budget = "≤ 1.5 × a sheet; ≤ +20 MB",
         .held = heldText(ratio <= kPerSheetRatioBudget && growth <= kMemoryGrowthBudgetMb)});

  Batch own;
  own.sheets = 30;
  const std::vector<std::string> ownOptions = {
      "--kind",   "add",       "--kind",       "subtract", "--first",   "10..99",
      "--second", "1..99",     "--carry",      "no",       "--answers", "--sheets",
      "30",       "--numbers", "--name-field", "--seed",   "7"};
  for (int i = 0; i < 3; ++i)
    if (!runner.run(ownOptions, own))
      return fail();
  print({.measure = "Own batch of 30 sheets + answers, add and subtract without carrying "
                    "(median of 3 processes)",
         .result = formatted("%.0f ms; %.2f MB file; %.0f pages", own.seconds.median() * 1e3,
                             own.fileMegabytes, own.pages)});

  // What a first-grade teacher prints for a class: 30 different sheets of
  // the large size in Klee One, with every field, kana headings, numbers and
  // answers in red; both new faces' subsets embedded once.
  if (!classBatch(runner, "Grade-1 batch of 30 sheets + answers, large, every field",
                  {"--kind", "add", "--max", "9", "--size", "large", "--name-field",
                   "--class-field", "--date-field", "--score-field", "--numbers", "--title", "",
                   "--answers", "--sheets", "30", "--seed", "7"}))
    return fail();
  // A fourth-grade class's long divisions in column form: every square,
  // the bracket and each worked step of the answers drawn on 60 pages.
  if (!classBatch(runner, "Column long divisions, 30 sheets + answers, 2 digits by 1",
                  {"--kind", "divide-remainder", "--format", "column", "--first", "10..99",
                   "--second", "2..9", "--answers", "--numbers", "--name-field", "--sheets", "30",
                   "--seed", "7"}))
    return fail();

  std::filesystem::remove_all(folder);
  return 0;
}
