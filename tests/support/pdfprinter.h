#pragma once

#include "printerservice.h"

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <memory>

// A printer that writes PDF files, for tests and benchmarks: A4 portrait at
// high resolution. Every document goes to a file of its own in the folder,
// sheet-1.pdf, sheet-2.pdf, … in the order the documents are finished, so the
// answer sheet of a run does not overwrite its problem sheet.
class PdfPrinter final : public PrinterService {
public:
  explicit PdfPrinter(const QString &folder);
  ~PdfPrinter() override;
  PdfPrinter(const PdfPrinter &) = delete;
  PdfPrinter &operator=(const PdfPrinter &) = delete;

  std::optional<PrintablePage> printablePage(QString &failure) override;
  PrintCanvas &canvas() override;
  // There is nothing to choose: the dialog is only counted.
  void openSetupDialog(QWidget *parent) override;

  // The files written so far, one per finished document, in order.
  [[nodiscard]] QStringList files() const;
  [[nodiscard]] QPrinter &printer() { return printer_; }

  int setupDialogs = 0;

private:
  class FileCanvas;

  QPrinter printer_;
  std::unique_ptr<FileCanvas> canvas_;
};
