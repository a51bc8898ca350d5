#pragma once

#include "batch.h"
#include "jobvalidation.h"

#include <QString>

#include <functional>

// Writes a batch as one PDF, whole or not at all: a file through QSaveFile,
// so that a failure or a cancel leaves neither a part of the new file nor a
// changed old one; standard output ("-") only once the PDF is complete.
struct BatchWrite {
  enum class Outcome { Written, Cancelled, Failed };
  Outcome outcome = Outcome::Failed;
  QString error; // why it failed, in the system's words where it has them
  int64_t pages = 0;
};

inline constexpr QLatin1StringView kStandardOutput("-");

[[nodiscard]] BatchWrite writeBatchPdf(const ResolvedJob &job, const QString &path,
                                       const std::function<bool(int64_t, int64_t)> &progress = {});
