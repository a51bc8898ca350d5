#pragma once

#include "jobvalidation.h"
#include "worksheetjob.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The options that fill a worksheet job, as one table: each with its help
// and how its text goes into the job.

struct UsageError {
  Refusal refusal;
  QString value; // the text the user gave
};

struct JobOption {
  QCommandLineOption option;
  // Puts the option's values (all of them, for an option given several
  // times) into the job; an error when the text does not read.
  std::optional<UsageError> (*apply)(WorksheetJob &job, const QStringList &values);
};

[[nodiscard]] const QList<JobOption> &jobOptions();
