#pragma once

#include "windowevent.h"
#include "windowmodel.h"
#include "windowsnapshot.h"

#include <QObject>
#include <QStringList>
#include <utility>
#include <vector>

struct FormFixture;
class QWidget;

// Watches one window through a sequence of events. Before an event it takes
// a snapshot; after it, it compares the window with what the reference model
// expects of the operations that ran (the event's own, and those reached
// through the controls, which it observes), and checks what must hold
// whatever happened: ranges, pictures, the keypad and its cover, the printer's
// documents, the error report, and that no control was created or destroyed.
class WindowMonitor : public QObject {
public:
  explicit WindowMonitor(FormFixture &fixture);

  void beforeEvent(const WindowEvent &event);
  // The faults the event revealed; empty when it did what it should.
  [[nodiscard]] QStringList afterEvent(const WindowEvent &event);

private:
  void checkClicks(const WindowEvent &event, QStringList &faults) const;
  void checkKeyPictures(const WindowEvent &event, WindowSnapshot &expected, QStringList &faults);
  void checkPrinting(const std::vector<std::pair<Operation, int32_t>> &operations,
                     QStringList &faults) const;
  void checkControls(QStringList &faults);

  FormFixture &fixture_;
  SnapshotCamera camera_;
  WindowModel model_;
  WindowSnapshot before_;
  WindowSnapshot after_;
  WindowSnapshot expected_;
  WindowModel::Printer printer_;
  std::vector<std::pair<Operation, int32_t>> observed_;
  std::vector<std::pair<Operation, int32_t>> expectedClicks_;
  std::vector<std::pair<const QWidget *, std::pair<Operation, int32_t>>> clickTargets_;
  const QWidget *focusBefore_ = nullptr;
  std::size_t documentsBefore_ = 0;
  int32_t attemptsBefore_ = 0;
  int setupDialogsBefore_ = 0;
  std::vector<const QObject *> children_;
  std::vector<const QObject *> sortedChildren_;
  std::vector<const QWidget *> neverShown_;
  std::vector<QPoint> keyCentres_;
};
