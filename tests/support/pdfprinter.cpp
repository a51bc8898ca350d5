#include "pdfprinter.h"

#include "qtprintcanvas.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>

// Points the printer at the next file before each document begins and keeps
// the names of the documents that were finished.
class PdfPrinter::FileCanvas final : public PrintCanvas {
public:
  FileCanvas(QPrinter &printer, const QString &folder)
      : printer_(printer), folder_(folder), canvas_(printer) {}

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
  void setTypeface(std::string_view name) override { canvas_.setTypeface(name); }
  void setCellHeight(int32_t pixels) override { canvas_.setCellHeight(pixels); }
  void setPointSize(int32_t points) override { canvas_.setPointSize(points); }
  [[nodiscard]] int32_t verticalDpi() const override { return canvas_.verticalDpi(); }
  void text(int32_t x, int32_t y, std::string_view utf8) override { canvas_.text(x, y, utf8); }
  void moveTo(int32_t x, int32_t y) override { canvas_.moveTo(x, y); }
  void lineTo(int32_t x, int32_t y) override { canvas_.lineTo(x, y); }
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
    canvas_.rectangle(x1, y1, x2, y2);
  }
  void setLineWidth(int32_t pixels) override { canvas_.setLineWidth(pixels); }

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
