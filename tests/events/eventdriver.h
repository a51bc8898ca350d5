#pragma once

#include "eventsource.h"
#include "windowevent.h"

#include <QPoint>
#include <QRect>
#include <vector>

struct FormFixture;
class QWidget;

// Draws events from everything a user, the clock and the hidden controls can
// do to the main window, and performs them on a FormFixture's window: real
// mouse and key input through its QWindow, timer ticks, and handler calls.
class EventDriver {
public:
  // The source also decides what kind of child drives the window.
  EventDriver(FormFixture &fixture, EventSource &source);

  // The events of the next action: mostly one; a child who knows the answer
  // keys its digits and may wait for the feedback to run out.
  [[nodiscard]] std::vector<WindowEvent> drawAction(EventSource &source);
  void perform(const WindowEvent &event);
  // Releases every mouse button still held, so the next window starts free.
  void releaseAll();

  [[nodiscard]] Qt::MouseButtons held() const { return held_; }

private:
  [[nodiscard]] WindowEvent mouseEvent(WindowEvent::Kind kind, Qt::MouseButton button,
                                       const QWidget *control, QPoint at) const;
  [[nodiscard]] WindowEvent keyEvent(int32_t digitOrErase, bool onKeypad) const;
  [[nodiscard]] QPoint pointIn(const QWidget *control, EventSource &source) const;
  [[nodiscard]] QPoint pointInWindow(EventSource &source) const;
  [[nodiscard]] WindowEvent press(EventSource &source) const;
  [[nodiscard]] WindowEvent release(EventSource &source) const;
  void appendAnswer(std::vector<WindowEvent> &events, bool onKeypad, bool clearFirst) const;
  void changePrinter(int32_t change);

  FormFixture &fixture_;
  bool diligent_ = false;
  Qt::MouseButtons held_;
  QRect keypadArea_;
};
