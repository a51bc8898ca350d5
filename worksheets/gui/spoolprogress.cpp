#include "spoolprogress.h"

#include "batchworker.h"

#include "spooledprint.h"
#include "spoolwording.h"

#include <QCoreApplication>

namespace {

class SpoolProgressTexts {
  Q_DECLARE_TR_FUNCTIONS(WorksheetWindow)

public:
  static QString of(SpoolProgress progress, int total) {
    int submitted = 0;
    int settled = 0;
    for (const JobReport &job : progress.run->jobs) {
      submitted += job.id != 0;
      settled += job.id != 0 && job.outcome != JobOutcome::Waiting;
    }
    // A paused queue is said at once: the jobs will wait for it.
    const QString paused = progress.run->queueAtStart.state == QueueState::Paused
                               ? SpoolWording::paused(progress.run->queueAtStart) + u'\n'
                               : QString();
    if (progress.step == SpoolProgress::Step::Following)
      return paused + tr("プリンターが印刷するのを待っています…（%1 件のうち %2 件が終わりました）")
                          .arg(total)
                          .arg(settled);
    return paused + tr("ジョブを送っています…（%1 件のうち %2 件）").arg(total).arg(submitted);
  }
};

} // namespace

SpoolRun printFollowingInDialog(QWidget *parent, const ResolvedJob &job,
                                const std::vector<std::vector<BatchPart>> &jobs,
                                const SpoolRequest &request) {
  const int total = int(jobs.size());
  SpoolRun run;
  runOffTheWindow(parent, SpoolProgressTexts::tr("印刷しています…"), 2 * total, 0,
                  [&](const WorkReport &report) {
                    run = printThroughSpooler(job, jobs, request, [&](SpoolProgress progress) {
                      int64_t done = 0;
                      for (const JobReport &sent : progress.run->jobs)
                        done +=
                            (sent.id != 0) + (sent.id != 0 && sent.outcome != JobOutcome::Waiting);
                      return report({done, 2 * total, SpoolProgressTexts::of(progress, total)});
                    });
                  });
  return run;
}
