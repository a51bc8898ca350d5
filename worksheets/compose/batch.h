#pragma once

#include "printcanvas.h"
#include "sheetlabel.h"
#include "sheetplan.h"

#include <cstdint>
#include <functional>
#include <vector>

// What a batch prints, in order: each sheet's copies, each followed by its
// answer sheet, or every answer sheet after the last problem sheet.
struct BatchPart {
  SheetLabel label;
  int32_t copy = 1; // from 1; answer sheets are printed once
};
[[nodiscard]] std::vector<BatchPart> batchParts(const ResolvedJob &job);

// The jobs a print spooler is given: one for each sheet, with its copies and
// the answer sheet that follows it (answer sheets at the end are jobs of
// their own), or one job for the whole batch.
[[nodiscard]] std::vector<std::vector<BatchPart>> spoolerJobs(const ResolvedJob &job, bool oneJob);

// Pages the batch prints in all.
[[nodiscard]] int64_t batchPages(const ResolvedJob &job);

enum class BatchOutcome { Printed, Cancelled, PageRefused };

// Prints every part on the canvas, one page per document; `progress` hears of
// every part done (parts done, parts in all) and may answer false to stop.
BatchOutcome printBatch(const ResolvedJob &job, PrintCanvas &canvas,
                        const std::function<bool(int64_t, int64_t)> &progress = {});
// The same for some of the batch's parts.
BatchOutcome printParts(const ResolvedJob &job, const std::vector<BatchPart> &parts,
                        PrintCanvas &canvas,
                        const std::function<bool(int64_t, int64_t)> &progress = {});
