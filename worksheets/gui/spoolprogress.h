#pragma once

#include "batch.h"
#include "spooledbatch.h"

#include <vector>

class QWidget;

// Prints through the spooler on a thread of its own and follows the jobs in
// a progress dialog that stays responsive: cancelling it sends no more jobs
// and stops following those handed over.
[[nodiscard]] SpoolRun printFollowingInDialog(QWidget *parent, const ResolvedJob &job,
                                              const std::vector<std::vector<BatchPart>> &jobs,
                                              const SpoolRequest &request);
