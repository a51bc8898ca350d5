#include "pdfbook.h"

#include <QPageLayout>
#include <QPageSize>

QPageLayout sheetPageLayout(PageSetup page) {
  const PaperInfo &paper = paperInfo(page.paper);
  // A size Qt knows by another name (A4, JIS B5 …) is matched to it, so that
  // print dialogs and PDF viewers name it.
  const QPageSize size(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter,
                       QString::fromUtf8(paper.caption.data(), qsizetype(paper.caption.size())));
  return QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                     QPageLayout::Millimeter);
}

PdfBook::PdfBook(QIODevice &device, PageSetup page, const QString &title)
    : writer_(&device), area_(printableArea(page, kSheetDpi)) {
  writer_.setResolution(kSheetDpi);
  writer_.setPageLayout(sheetPageLayout(page));
  writer_.setTitle(title);
  writer_.setCreator(QStringLiteral("numeriko-worksheets"));
  canvas_ = std::make_unique<QtPrintCanvas>(writer_, QtPrintCanvas::Documents::PagesOfOneFile);
}

PdfBook::~PdfBook() = default;

bool PdfBook::finish() { return canvas_->finish(); }
