#pragma once

#include "jobcheck.h"

// The one check of a worksheet job: either the job with every default worked
// out, its page laid out, or a refusal that names the field, the reason and
// the bounds.
[[nodiscard]] JobCheck validateJob(const WorksheetJob &job);
