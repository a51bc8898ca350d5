#pragma once

#include "refusal.h"
#include "sheetplan.h"
#include "worksheetjob.h"

#include <variant>

using JobCheck = std::variant<ResolvedJob, Refusal>;

// The job's values checked and their defaults worked out: everything but
// where the problems go on the page, which validateJob() adds.
[[nodiscard]] JobCheck checkJob(const WorksheetJob &job);

// The problems an item of the sheet holds, as a batch's limit counts them:
// a 百ます grid's cells, one otherwise.
[[nodiscard]] int64_t problemsPerItem(const SheetPlan &plan);
