#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

// How far a batch has gone, as the progress dialog shows it.
struct WorkProgress {
  int64_t done = 0;
  int64_t all = 0;
  QString text; // empty: the title stays
};
// Told of progress from the worker; false asks the work to stop.
using WorkReport = std::function<bool(const WorkProgress &)>;

// Saving and printing run here: `work` on a thread of its own, behind a
// window-modal progress dialog that keeps the window drawn and answers its
// cancel button at once. Returns when the work has finished.
void runOffTheWindow(QWidget *parent, const QString &title, int64_t all, int showAfterMs,
                     const std::function<void(const WorkReport &)> &work);
