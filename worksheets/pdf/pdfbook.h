#pragma once

#include "jobvalidation.h"
#include "qtprintcanvas.h"

#include <QPdfWriter>
#include <QString>

#include <memory>

class QIODevice;
class QPageLayout;

// The page every sheet is drawn on: the paper, portrait, within the sheets' margins.
[[nodiscard]] QPageLayout sheetPageLayout(Paper paper);
// The printable area of a device's page at `dpi`.
[[nodiscard]] PrintableArea printableAreaOf(const QPagedPaintDevice &device, int dpi);

// One PDF on a device the caller owns, at 600 dots per inch within the
// sheets' margins, each document of its canvas one page. Qt's PDF engine
// embeds each font once, as a subset.
class PdfBook {
public:
  PdfBook(QIODevice &device, Paper paper, const QString &title);
  ~PdfBook();
  PdfBook(const PdfBook &) = delete;
  PdfBook &operator=(const PdfBook &) = delete;

  [[nodiscard]] PrintCanvas &canvas() { return *canvas_; }
  [[nodiscard]] PrintableArea area() const;
  // Writes the PDF's end; false when the writer could not.
  bool finish();

private:
  QPdfWriter writer_;
  std::unique_ptr<QtPrintCanvas> canvas_;
};
