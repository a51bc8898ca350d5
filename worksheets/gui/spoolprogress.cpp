#include "spoolprogress.h"

#include "spooledprint.h"
#include "spoolwording.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <atomic>
#include <memory>

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
  QProgressDialog dialog(SpoolProgressTexts::tr("印刷しています…"),
                         SpoolProgressTexts::tr("やめる"), 0, 2 * total, parent);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(0);
  dialog.setValue(0);
  std::atomic<bool> stop = false;
  QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&stop] { stop = true; });

  SpoolRun run;
  std::unique_ptr<QThread> worker(QThread::create([&] {
    run = printThroughSpooler(job, jobs, request, [&](SpoolProgress progress) {
      int done = 0;
      for (const JobReport &report : progress.run->jobs)
        done += (report.id != 0) + (report.id != 0 && report.outcome != JobOutcome::Waiting);
      const QString text = SpoolProgressTexts::of(progress, total);
      QMetaObject::invokeMethod(
          &dialog,
          [&dialog, text, done] {
            dialog.setLabelText(text);
            dialog.setValue(done);
          },
          Qt::QueuedConnection);
      return !stop;
    });
  }));
  QEventLoop loop;
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  return run;
}
