#pragma once

#include "batch.h"
#include "spooledbatch.h"
#include "worksheetjob.h"

#include <functional>
#include <string>
#include <vector>

// Prints a batch through the print spooler, in the jobs spoolerJobs() makes,
// each job drawn to PDF as the PDF writer draws the batch, and follows every
// job. Safe to run off the GUI thread.
[[nodiscard]] SpoolRun printThroughSpooler(const ResolvedJob &job,
                                           const std::vector<std::vector<BatchPart>> &jobs,
                                           SpoolRequest request,
                                           const std::function<bool(SpoolProgress)> &progress = {});
