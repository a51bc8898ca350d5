#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the print spooler says of its queues and jobs, in its own words, and
// what became of each job of a batch printed through it.

enum class QueueState { Idle, Printing, Paused };

struct QueueStatus {
  std::string name;
  bool isDefault = false;
  QueueState state = QueueState::Idle;
  bool accepting = true;
  std::string message;              // printer-state-message
  std::vector<std::string> reasons; // printer-state-reasons, without "none"
};

enum class JobState { Pending, Held, Processing, Stopped, Cancelled, Aborted, Completed };

struct JobStatus {
  JobState state = JobState::Pending;
  std::vector<std::string> reasons; // job-state-reasons
  std::string message;              // job-printer-state-message
};

// Why the spooler did not do what it was asked.
enum class SpoolProblem {
  NoScheduler, // nothing answers where CUPS should be
  NoAnswer,    // a request went unanswered within its time limit
  NoSuchQueue,
  NoDefaultQueue,
  NoSuchJob,
  Refused,    // the queue does not accept jobs
  NoDocument, // the job's PDF could not be made
  Other,
};

struct SpoolError {
  SpoolProblem problem = SpoolProblem::Other;
  std::string message; // the spooler's, or the system's
};

enum class JobOutcome {
  Printed,      // completed, without errors
  Waiting,      // still pending, held or printing when the wait ended
  HandedOver,   // accepted and not followed (no wait, or the follow cancelled)
  Failed,       // stopped, cancelled, aborted, or completed with errors
  QueueGone,    // the queue was removed before the job was printed
  NotSubmitted, // refused, or never sent
};

struct JobReport {
  std::size_t index = 0; // the batch's job, from 0
  int id = 0;            // the spooler's, 0 when never submitted
  JobOutcome outcome = JobOutcome::NotSubmitted;
  JobStatus status; // the last the spooler said of the job
  std::optional<SpoolError> error;
};

struct SpoolRun {
  std::string queue;
  // Set when the batch never started: no scheduler, no such queue, refused.
  std::optional<SpoolError> failure;
  QueueStatus queueAtStart;
  QueueStatus queueAtEnd; // as it was once the jobs were followed
  std::vector<JobReport> jobs;
  bool cancelled = false; // by the one who printed
};

// What became of a batch as a whole: every job printed (or, not followed,
// was handed over); some are still waiting in the queue; or the batch could
// not start, or a job failed or was refused.
enum class SpoolVerdict { Printed, Waiting, Failed };
[[nodiscard]] SpoolVerdict spoolVerdict(const SpoolRun &run);
