#pragma once

#include "papers.h"
#include "qtprintcanvas.h"

#include <QPdfWriter>
#include <QString>

#include <memory>

class QIODevice;
class QPageLayout;

// The page every sheet is drawn on: the paper, upright or turned, within the
// margins the paper table gives.
[[nodiscard]] QPageLayout sheetPageLayout(PageSetup page);

// One PDF on a device the caller owns, at the sheets' resolution within
// their margins, each document of its canvas one page. Qt's PDF engine
// embeds each font once, as a subset.
class PdfBook {
public:
  PdfBook(QIODevice &device, PageSetup page, const QString &title);
  ~PdfBook();
  PdfBook(const PdfBook &) = delete;
  PdfBook &operator=(const PdfBook &) = delete;

  [[nodiscard]] PrintCanvas &canvas() { return *canvas_; }
  [[nodiscard]] PrintableArea area() const { return area_; }
  // Writes the PDF's end; false when the writer could not.
  bool finish();

private:
  QPdfWriter writer_;
  PrintableArea area_;
  std::unique_ptr<QtPrintCanvas> canvas_;
};
