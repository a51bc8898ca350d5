#include "printerservice.h"

#include "qtprintcanvas.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace {

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
  // and most sessions never print.
  QPrinter &printer() {
    if (!printer_) {
      printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
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
