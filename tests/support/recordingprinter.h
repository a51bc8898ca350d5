#pragma once

#include "printerservice.h"
#include "recordingcanvas.h"

// A printer for tests: a fixed printable page and a canvas that records what
// the print runs draw. Without a page it behaves like a system with no
// printer installed.
class RecordingPrinter final : public PrinterService {
public:
  explicit RecordingPrinter(std::optional<PrintablePage> page = PrintablePage{4800, 6800})
      : page_(page) {}

  std::optional<PrintablePage> printablePage(QString &failure) override {
    if (!page_)
      failure = QStringLiteral("no printer");
    return page_;
  }
  PrintCanvas &canvas() override { return canvas_; }
  void openSetupDialog(QWidget *) override { ++setupDialogs; }

  RecordingCanvas &recording() { return canvas_; }
  void setPage(std::optional<PrintablePage> page) { page_ = page; }

  int setupDialogs = 0;

private:
  std::optional<PrintablePage> page_;
  RecordingCanvas canvas_;
};
