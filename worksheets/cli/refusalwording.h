#pragma once

#include "refusal.h"
#include "worksheetjob.h"

#include <QString>

// The command line's option for a field of the job, e.g. "--count".
[[nodiscard]] QString optionOf(JobField field);

// A refusal as the command line says it, after "numeriko-worksheets: ", e.g.
// "--count: must be between 1 and 10000". `value` is what the user gave,
// for the refusals that quote it; `job`, when given, the ranges a refusal
// names together.
[[nodiscard]] QString refusalText(const Refusal &refusal, const QString &value = {},
                                  const WorksheetJob *job = nullptr);
