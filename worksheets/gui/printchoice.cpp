#include "printchoice.h"

#include "pdfbook.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// The chosen paper as IPP names it: ours by their names, others by Qt's key,
// which CUPS knows as the PPD's name for the size.
std::string mediaOf(const QPageSize &size) {
  for (const PaperInfo &paper : kPapers)
    if (sheetPageLayout({paper.paper, false}).pageSize().isEquivalentTo(size))
      return std::string(paper.ippMedia);
  return size.key().toStdString();
}

} // namespace

std::optional<PrintChoice> askPrintDialog(QWidget *parent, const QString &docName, PageSetup page) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(sheetPageLayout(page));
  printer.setDocName(docName);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  PrintChoice choice;
  if (printer.outputFormat() == QPrinter::PdfFormat)
    choice.pdfFile = printer.outputFileName();
  else
    choice.queue = printer.printerName();
  choice.options.copies = printer.copyCount();
  choice.options.duplex = printer.duplex() != QPrinter::DuplexNone;
  choice.options.media = mediaOf(printer.pageLayout().pageSize());
  return choice;
}
