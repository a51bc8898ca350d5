#pragma once

#include "batch.h"
#include "spoolreport.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// The words both faces of the program use for what the print spooler did,
// quoting the queue's and the job's own state reasons.
class SpoolWording {
  Q_DECLARE_TR_FUNCTIONS(SpoolReport)

public:
  // Which sheets a job holds, e.g. "3枚目", "3枚目のこたえ", "30枚すべて".
  [[nodiscard]] static QString jobCaption(const std::vector<BatchPart> &parts, int32_t sheets,
                                          bool wholeBatch);
  // Why the batch could not start, or a job not be sent.
  [[nodiscard]] static QString failure(const SpoolError &error, const QString &queue);
  // Said at once when the queue is paused: the jobs will wait.
  [[nodiscard]] static QString paused(const QueueStatus &queue);
  // What became of one job.
  [[nodiscard]] static QString job(const JobReport &job, const QString &caption,
                                   const QString &queue);
  // A line for each job of the run (`jobs` as spoolerJobs() made them), or
  // only for those that did not print.
  [[nodiscard]] static QStringList jobLines(const SpoolRun &run,
                                            const std::vector<std::vector<BatchPart>> &jobs,
                                            int32_t sheets, bool wholeBatch, bool printedToo);
  // One line for the whole batch.
  [[nodiscard]] static QString summary(const SpoolRun &run);
  // A queue as --list-printers names it.
  [[nodiscard]] static QString queueLine(const QueueStatus &queue);
  [[nodiscard]] static QString state(JobState state);
};
