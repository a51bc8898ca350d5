#include "pdfbook.h"

#include "sheetkinds.h"

#include <QPageLayout>
#include <QPageSize>

namespace {

QPageSize::PageSizeId pageSizeOf(Paper paper) {
  switch (paper) {
  case Paper::B5:
    return QPageSize::JisB5;
  case Paper::A5:
    return QPageSize::A5;
  case Paper::Letter:
    return QPageSize::Letter;
  case Paper::A4:
    break;
  }
  return QPageSize::A4;
}

} // namespace

QPageLayout sheetPageLayout(Paper paper) {
  return QPageLayout(QPageSize(pageSizeOf(paper)), QPageLayout::Portrait,
                     QMarginsF(kSideMarginMm, kTopMarginMm, kSideMarginMm, kTopMarginMm),
                     QPageLayout::Millimeter);
}

PrintableArea printableAreaOf(const QPagedPaintDevice &device, int dpi) {
  const QRect rect = device.pageLayout().paintRectPixels(dpi);
  return {rect.width(), rect.height()};
}

PdfBook::PdfBook(QIODevice &device, Paper paper, const QString &title) : writer_(&device) {
  writer_.setResolution(kSheetDpi);
  writer_.setPageLayout(
      QPageLayout(QPageSize(pageSizeOf(paper)), QPageLayout::Portrait,
                  QMarginsF(kSideMarginMm, kTopMarginMm, kSideMarginMm, kTopMarginMm),
                  QPageLayout::Millimeter));
  writer_.setTitle(title);
  writer_.setCreator(QStringLiteral("numeriko-worksheets"));
  canvas_ = std::make_unique<QtPrintCanvas>(writer_, QtPrintCanvas::Documents::PagesOfOneFile);
}

PdfBook::~PdfBook() = default;

PrintableArea PdfBook::area() const { return printableAreaOf(writer_, writer_.resolution()); }

bool PdfBook::finish() { return canvas_->finish(); }
