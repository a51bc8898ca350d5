#include "batch.h"

#include "composer.h"
#include "presetsheet.h"
#include "reprintcode.h"
#include "seededrandom.h"
#include "sheetgenerator.h"

std::vector<BatchPart> batchParts(const ResolvedJob &job) {
  std::vector<BatchPart> parts;
  const int32_t last = job.firstSheet + job.sheets - 1;
  const auto label = [&](int32_t sheet, bool answers) {
    return SheetLabel{sheet, job.sheetsInBatch, sheetSeed(job.seed, sheet), answers,
                      reprintCode(job.options, job.seed, {sheet, job.sheetsInBatch})};
  };
  for (int32_t sheet = job.firstSheet; sheet <= last; ++sheet) {
    for (int32_t copy = 1; copy <= job.copies; ++copy)
      parts.push_back({label(sheet, false), copy});
    if (job.answers && !job.answersAtEnd)
      parts.push_back({label(sheet, true), 1});
  }
  if (job.answers && job.answersAtEnd)
    for (int32_t sheet = job.firstSheet; sheet <= last; ++sheet)
      parts.push_back({label(sheet, true), 1});
  return parts;
}

std::vector<std::vector<BatchPart>> spoolerJobs(const ResolvedJob &job, bool oneJob) {
  std::vector<std::vector<BatchPart>> jobs;
  for (const BatchPart &part : batchParts(job)) {
    const bool sameSheet = !jobs.empty() && jobs.back().back().label.sheet == part.label.sheet &&
                           (!part.label.answers || !job.answersAtEnd);
    if (jobs.empty() || !(oneJob || sameSheet))
      jobs.emplace_back();
    jobs.back().push_back(part);
  }
  return jobs;
}

int64_t batchPages(const ResolvedJob &job) {
  const int64_t perSheet = job.sheet.preset ? 1 : job.sheet.grid.pages;
  return perSheet * job.sheets * (job.copies + (job.answers ? 1 : 0));
}

BatchOutcome printBatch(const ResolvedJob &job, PrintCanvas &canvas,
                        const std::function<bool(int64_t, int64_t)> &progress) {
  return printParts(job, batchParts(job), canvas, progress);
}

BatchOutcome printParts(const ResolvedJob &job, const std::vector<BatchPart> &parts,
                        PrintCanvas &canvas,
                        const std::function<bool(int64_t, int64_t)> &progress) {
  const std::vector<FactSpace> spaces = factSpaces(job.sheet);
  const auto total = static_cast<int64_t>(parts.size());
  int64_t done = 0;
  for (const BatchPart &part : parts) {
    bool printed = false;
    if (job.sheet.preset) {
      printed = drawPresetSheet(canvas, job.sheet, part.label);
    } else {
      // Every part draws its sheet afresh from the sheet's seed, so copies
      // and answer sheets match the problem sheet wherever they are printed.
      SeededRandom random(part.label.seed);
      printed = drawOwnSheet(canvas, job.sheet,
                             generateSheet(job.sheet, spaces, job.sheet.count, random), part.label);
    }
    if (!printed)
      return BatchOutcome::PageRefused;
    if (progress && !progress(++done, total))
      return BatchOutcome::Cancelled;
  }
  return BatchOutcome::Printed;
}
