#include "pdfprinter.h"

#include "forwardingcanvas.h"
#include "qtprintcanvas.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>

// Points the printer at the next file before each document begins and keeps
// the names of the documents that were finished.
class PdfPrinter::FileCanvas final : public ForwardingCanvas {
public:
  FileCanvas(QPrinter &printer, const QString &folder)
      : ForwardingCanvas(canvas_), printer_(printer), folder_(folder), canvas_(printer) {}

  bool beginDocument() override {
    const QString file = folder_.filePath(QStringLiteral("sheet-%1.pdf").arg(written_.size() + 1));
    printer_.setOutputFileName(file);
    if (!canvas_.beginDocument())
      return false;
    open_ = file;
    return true;
  }
  bool endDocument() override {
    const bool finished = canvas_.endDocument();
    if (finished && !open_.isEmpty())
      written_ << open_;
    open_.clear();
    return finished;
  }

  [[nodiscard]] const QStringList &written() const { return written_; }

private:
  QPrinter &printer_;
  QDir folder_;
  QtPrintCanvas canvas_;
  QString open_;
  QStringList written_;
};

PdfPrinter::PdfPrinter(const QString &folder) : printer_(QPrinter::HighResolution) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setPageSize(QPageSize(QPageSize::A4));
  printer_.setPageOrientation(QPageLayout::Portrait);
  QDir().mkpath(folder);
  canvas_ = std::make_unique<FileCanvas>(printer_, folder);
}

PdfPrinter::~PdfPrinter() = default;

std::optional<PrintablePage> PdfPrinter::printablePage(QString &) {
  return ::printablePage(printer_);
}

PrintCanvas &PdfPrinter::canvas() { return *canvas_; }

void PdfPrinter::openSetupDialog(QWidget *) { ++setupDialogs; }

QStringList PdfPrinter::files() const { return canvas_->written(); }
