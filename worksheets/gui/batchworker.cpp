#include "batchworker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>

namespace {

class WorkerTexts {
  Q_DECLARE_TR_FUNCTIONS(WorksheetWindow)

public:
  static QString cancel() { return tr("やめる"); }
};

int clamped(int64_t value) { return int(std::clamp<int64_t>(value, 0, INT_MAX)); }

} // namespace

void runOffTheWindow(QWidget *parent, const QString &title, int64_t all, int showAfterMs,
                     const std::function<void(const WorkReport &)> &work) {
  QProgressDialog dialog(title, WorkerTexts::cancel(), 0, clamped(all), parent);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(showAfterMs);
  std::atomic<bool> stop = false;
  QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&stop] { stop = true; });
  dialog.setValue(0); // a modal dialog's first value lets events through

  std::unique_ptr<QThread> worker(QThread::create([&] {
    work([&](const WorkProgress &progress) {
      QMetaObject::invokeMethod(
          &dialog,
          [&dialog, &stop, progress] {
            // Cancelled by its button, or by cancel() without a signal.
            if (dialog.wasCanceled())
              stop = true;
            if (!progress.text.isEmpty())
              dialog.setLabelText(progress.text);
            dialog.setValue(clamped(progress.done));
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
}
