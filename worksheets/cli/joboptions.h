#pragma once

#include "jobvalidation.h"
#include "worksheetjob.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The options that fill a worksheet job, as one table: each with its help,
// how its text goes into the job and the words its value may be.

struct UsageError {
  Refusal refusal;
  QString value; // the text the user gave
};

struct JobOption {
  QCommandLineOption option;
  // Puts the option's values (all of them, for an option given several
  // times) into the job; an error when the text does not read.
  std::optional<UsageError> (*apply)(WorksheetJob &job, const QStringList &values);
  // The words the value is one of, for completion; none for a number or a text.
  QStringList words = {};
  bool commaSeparated = false; // "a,b" reads as the option given twice
};

[[nodiscard]] const QList<JobOption> &jobOptions();
