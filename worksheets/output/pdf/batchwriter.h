#pragma once

#include "batch.h"
#include "jobvalidation.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

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

// Some of a batch's parts as one PDF in memory, drawn as the file is; none
// when a page could not be made.
[[nodiscard]] std::optional<QByteArray> partsPdf(const ResolvedJob &job,
                                                 const std::vector<BatchPart> &parts);

[[nodiscard]] BatchWrite writeBatchPdf(const ResolvedJob &job, const QString &path,
                                       const std::function<bool(int64_t, int64_t)> &progress = {});
