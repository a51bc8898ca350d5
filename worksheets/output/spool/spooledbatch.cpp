#include "spooledbatch.h"

#include "spoolconnection.h"
#include "spoolqueries.h"

#include <algorithm>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

bool has(const std::vector<std::string> &reasons, std::string_view reason) {
  return std::find(reasons.begin(), reasons.end(), reason) != reasons.end();
}

// Where a job stands by its state; nothing while it may still print.
std::optional<JobOutcome> settled(const JobStatus &status) {
  switch (status.state) {
  case JobState::Completed:
    return has(status.reasons, "job-completed-with-errors") ? JobOutcome::Failed
                                                            : JobOutcome::Printed;
  case JobState::Stopped:
  case JobState::Cancelled:
  case JobState::Aborted:
    return JobOutcome::Failed;
  case JobState::Pending:
  case JobState::Held:
  case JobState::Processing:
    break;
  }
  return std::nullopt;
}

bool queueGone(const SpoolConnection &spool, const std::string &queue) {
  const auto status = queueStatus(spool, queue);
  const auto *error = std::get_if<SpoolError>(&status);
  return error && error->problem == SpoolProblem::NoSuchQueue;
}

class Printing {
public:
  Printing(const SpoolRequest &request, const SpoolHooks &hooks)
      : request_(request), hooks_(hooks) {}

  SpoolRun run() {
    auto opened = SpoolConnection::open(request_.requestLimit);
    if (auto *error = std::get_if<SpoolError>(&opened)) {
      run_.failure = *error;
      return run_;
    }
    const SpoolConnection &spool = std::get<SpoolConnection>(opened);
    if (!checkQueue(spool) || !tell(SpoolProgress::Step::QueueChecked))
      return finish(spool);
    submitAll(spool);
    if (request_.wait.count() > 0 && !run_.cancelled)
      follow(spool);
    // Not followed, or no longer: in the queue's hands.
    if (request_.wait.count() == 0 || run_.cancelled)
      for (JobReport &job : run_.jobs)
        if (job.outcome == JobOutcome::Waiting)
          job.outcome = JobOutcome::HandedOver;
    return finish(spool);
  }

private:
  bool tell(SpoolProgress::Step step) {
    if (run_.cancelled)
      return false;
    if (hooks_.progress && !hooks_.progress({step, &run_}))
      run_.cancelled = true;
    return !run_.cancelled;
  }

  bool checkQueue(const SpoolConnection &spool) {
    run_.queue = request_.queue;
    if (run_.queue.empty()) {
      auto chosen = defaultQueue(spool);
      if (auto *error = std::get_if<SpoolError>(&chosen)) {
        run_.failure = *error;
        return false;
      }
      run_.queue = std::get<std::string>(chosen);
    }
    auto status = queueStatus(spool, run_.queue);
    if (auto *error = std::get_if<SpoolError>(&status)) {
      run_.failure = *error;
      return false;
    }
    run_.queueAtStart = std::get<QueueStatus>(status);
    if (!run_.queueAtStart.accepting) {
      run_.failure = SpoolError{SpoolProblem::Refused, run_.queueAtStart.message};
      return false;
    }
    return true;
  }

  void submitAll(const SpoolConnection &spool) {
    run_.jobs.resize(request_.jobs);
    std::optional<SpoolError> noQueue;
    for (std::size_t index = 0; index < request_.jobs; ++index) {
      JobReport &job = run_.jobs[index];
      job.index = index;
      // After a cancel, the rest stay unsent without a failure of their own.
      if (run_.cancelled)
        continue;
      if (noQueue) {
        job.error = noQueue;
        continue;
      }
      const std::optional<std::string> pdf = hooks_.render ? hooks_.render(index) : std::nullopt;
      if (!pdf) {
        job.error = SpoolError{SpoolProblem::NoDocument, {}};
        continue;
      }
      auto submitted = submitPdf(spool, run_.queue, request_.title, request_.options, *pdf);
      if (auto *error = std::get_if<SpoolError>(&submitted)) {
        job.error = *error;
        // A queue gone, or a scheduler gone quiet, takes no more jobs; other
        // refusals may be the job's own.
        if (error->problem == SpoolProblem::NoSuchQueue || error->problem == SpoolProblem::NoAnswer)
          noQueue = *error;
        continue;
      }
      job.id = std::get<int>(submitted);
      job.outcome = JobOutcome::Waiting;
      tell(SpoolProgress::Step::Submitted);
    }
  }

  void follow(const SpoolConnection &spool) {
    const Clock::time_point deadline = Clock::now() + request_.wait;
    bool quiet = false;
    while (true) {
      bool open = false;
      for (JobReport &job : run_.jobs) {
        if (quiet || job.outcome != JobOutcome::Waiting)
          continue;
        auto status = jobStatus(spool, job.id);
        if (auto *error = std::get_if<SpoolError>(&status)) {
          job.error = *error;
          // A job the scheduler no longer knows went with its queue, or was
          // purged: either way it will not print.
          if (error->problem == SpoolProblem::NoSuchJob)
            job.outcome = JobOutcome::Failed;
          // A scheduler gone quiet is not asked again: the jobs stay queued.
          if (error->problem == SpoolProblem::NoAnswer ||
              error->problem == SpoolProblem::NoScheduler)
            quiet = true;
          open |= job.outcome == JobOutcome::Waiting;
          continue;
        }
        job.status = std::get<JobStatus>(status);
        job.error.reset();
        if (const auto outcome = settled(job.status))
          job.outcome = *outcome;
        open |= job.outcome == JobOutcome::Waiting;
      }
      if (!open || quiet || Clock::now() >= deadline)
        break;
      if (!tell(SpoolProgress::Step::Following))
        break;
      std::this_thread::sleep_for(
          std::min(request_.pollInterval,
                   std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())));
    }
    const bool anyFailed = std::any_of(run_.jobs.begin(), run_.jobs.end(), [](const auto &job) {
      return job.id != 0 && job.outcome == JobOutcome::Failed;
    });
    if (anyFailed && queueGone(spool, run_.queue))
      for (JobReport &job : run_.jobs)
        if (job.id != 0 && job.outcome == JobOutcome::Failed)
          job.outcome = JobOutcome::QueueGone;
  }

  SpoolRun finish(const SpoolConnection &spool) {
    if (!run_.queue.empty())
      if (auto status = queueStatus(spool, run_.queue);
          auto *queue = std::get_if<QueueStatus>(&status))
        run_.queueAtEnd = *queue;
    return run_;
  }

  const SpoolRequest &request_;
  const SpoolHooks &hooks_;
  SpoolRun run_;
};

} // namespace

SpoolRun printSpooled(const SpoolRequest &request, const SpoolHooks &hooks) {
  return Printing(request, hooks).run();
}

SpoolVerdict spoolVerdict(const SpoolRun &run) {
  if (run.failure)
    return SpoolVerdict::Failed;
  bool waiting = false;
  for (const JobReport &job : run.jobs) {
    switch (job.outcome) {
    case JobOutcome::Printed:
    case JobOutcome::HandedOver:
      break;
    case JobOutcome::Waiting:
      waiting = true;
      break;
    case JobOutcome::NotSubmitted:
      // Jobs the one who printed chose not to send are not failures.
      if (run.cancelled && !job.error)
        break;
      return SpoolVerdict::Failed;
    case JobOutcome::Failed:
    case JobOutcome::QueueGone:
      return SpoolVerdict::Failed;
    }
  }
  return waiting ? SpoolVerdict::Waiting : SpoolVerdict::Printed;
}
