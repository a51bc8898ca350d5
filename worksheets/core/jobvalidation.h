#pragma once

#include "refusal.h"
#include "sheetplan.h"
#include "worksheetjob.h"

#include <variant>

// The one check of a worksheet job: either the job with every default worked
// out, or a refusal that names the field, the reason and the bounds.
using JobCheck = std::variant<ResolvedJob, Refusal>;

[[nodiscard]] JobCheck validateJob(const WorksheetJob &job);
