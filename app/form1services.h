#pragma once

#include "randomsource.h"

#include <QString>

#include <functional>
#include <memory>

class PrinterService;
class QWidget;

// What the main window takes from outside: chance, the printer and the error
// report. The program uses the defaults; tests inject seeded chance, a
// recording printer and a report they can read, and drive the timers by hand.
struct Form1Services {
  std::unique_ptr<RandomSource> random;    // default: a Mersenne twister re-seeded from the clock
  std::unique_ptr<PrinterService> printer; // default: the system's current printer
  std::function<void(QWidget *window, const QString &message)>
      reportError; // default: a message box
  bool startTimers = true;

  Form1Services();
  Form1Services(Form1Services &&) noexcept;
  Form1Services &operator=(Form1Services &&) noexcept;
  ~Form1Services();
};
