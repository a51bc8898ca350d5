#pragma once

#include "pictureimage.h"
#include "recordingprinter.h"
#include "tform1.h"

#include <QPoint>
#include <QStringList>

#include <memory>

// A main window for tests: seeded chance, a recording printer (or a printer
// service of the test's choosing), an error report that is collected instead
// of shown, and timers that only tick when a test calls their handlers. The
// window is shown and exposed, so mouse and key events travel the real way,
// through the window to the control under the pointer or with the focus.
struct FormFixture {
  explicit FormFixture(uint32_t seed = 1);
  explicit FormFixture(std::unique_ptr<PrinterService> printer, uint32_t seed = 1);
  FormFixture(std::unique_ptr<PrinterService> printer, std::unique_ptr<RandomSource> random);
  ~FormFixture();

  template <typename T = QWidget> T *control(const char *name) const {
    return form->findChild<T *>(QString::fromLatin1(name));
  }
  PictureImage *picture(const char *name) const { return control<PictureImage>(name); }
  // True when the control shows the same picture as the store.
  bool shows(const char *control, const char *store) const;
  NumerikoState &state() const { return form->state(); }
  DrillState &drill() const { return form->state().drill; }
  // The recording printer; only for a fixture made with it.
  RecordingPrinter &printer() const;

  // Real input through the window.
  QPoint centreOf(const QWidget *widget) const;
  void click(const QWidget *widget, Qt::MouseButton button = Qt::LeftButton) const;
  void press(const QWidget *widget, Qt::MouseButton button = Qt::LeftButton) const;
  void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) const;
  void doubleClick(const QWidget *widget) const;
  void type(const QString &characters) const;
  // Picks a run length on "もんだいの数" and starts a subtraction run with
  // clicks, as a child does.
  void startRun(int lengthItem = 3) const;
  // Lets the right-answer feedback run out, so the next problem is shown.
  void runOutFeedback() const;
  // The expected answer of the problem on screen.
  int32_t answerOnScreen() const;
  // Puts `problem` in the next slot of the run and shows it there.
  void showProblem(ProblemRecord problem) const;

  std::unique_ptr<TForm1> form;
  QStringList errors;

private:
  RecordingPrinter *printer_ = nullptr;
};
