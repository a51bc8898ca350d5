#pragma once

#include "qtprinter.h"

#include <QString>

#include <memory>
#include <optional>

class PrintCanvas;
class QWidget;

// The printing service as the window uses it: the current printer's page,
// a canvas whose documents go to that printer, and its set-up dialog.
class PrinterService {
public:
  virtual ~PrinterService() = default;

  // The printable page in device pixels, or nothing when there is no printer
  // to print on, with the reason in `failure`.
  [[nodiscard]] virtual std::optional<PrintablePage> printablePage(QString &failure) = 0;
  [[nodiscard]] virtual PrintCanvas &canvas() = 0;
  // Lets the user choose the printer, the paper and the orientation, modally.
  virtual void openSetupDialog(QWidget *parent) = 0;

protected:
  // Copying through a PrinterService reference would slice; only a derived
  // class may copy or move its own kind.
  PrinterService() = default;
  PrinterService(const PrinterService &) = default;
  PrinterService(PrinterService &&) = default;
  PrinterService &operator=(const PrinterService &) = default;
  PrinterService &operator=(PrinterService &&) = default;
};

// The system's current printer, through Qt's printing support.
[[nodiscard]] std::unique_ptr<PrinterService> makeSystemPrinterService();
