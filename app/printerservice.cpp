#include "printerservice.h"

#include "qtprintcanvas.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Whether the printer still leads somewhere: to a file chosen in the set-up
// dialog, or to a queue the system still has. A printer made while the system
// had none writes to no file.
bool leadsSomewhere(const QPrinter &printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat)
    return !printer.outputFileName().isEmpty();
  return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

class SystemPrinterService final : public PrinterService {
public:
  std::optional<PrintablePage> printablePage(QString &failure) override {
    if (!hasRealPrinter()) {
      failure = QStringLiteral("プリンターがありません。印刷できるプリンターを設定してください。");
      return std::nullopt;
    }
    return ::printablePage(printer());
  }

  PrintCanvas &canvas() override {
    printer();
    return *canvas_;
  }

  void openSetupDialog(QWidget *parent) override {
    QPrintDialog dialog(&printer(), parent);
    dialog.exec();
  }

private:
  // Made on first use: asking the system for its printers takes a moment,
  // and most sessions never print. Made anew on the system's current printer
  // once it leads nowhere: Qt keeps a printer on the queue it was made for and
  // quietly loses the jobs sent there after the queue is gone, and a printer
  // made while there was none keeps refusing jobs after one has been added.
  QPrinter &printer() {
    if (!printer_ || !leadsSomewhere(*printer_)) {
      canvas_.reset();
      printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
      // On the paper the queue is set up with: Qt starts on its own default.
      if (const QPrinterInfo queue(*printer_); !queue.isNull())
        printer_->setPageSize(queue.defaultPageSize());
      canvas_ = std::make_unique<QtPrintCanvas>(*printer_);
    }
    return *printer_;
  }

  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QtPrintCanvas> canvas_;
};

} // namespace

std::unique_ptr<PrinterService> makeSystemPrinterService() {
  return std::make_unique<SystemPrinterService>();
}
