#pragma once

#include "printcanvas.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>

class QPagedPaintDevice;

// Sets a font to a typeface as the print canvas names it: a family, or a
// family and a style ("Klee One:SemiBold"). Asking by style rather than by a
// family such as "Klee One SemiBold" finds the face under any locale: under
// a Japanese one Qt knows the family only as クレー One, and the name of the
// style's own family then leads to the regular face.
void setTypefaceOf(QFont &font, std::string_view typeface);

// Draws on a printer or PDF writer the caller owns, in device pixels from the
// top-left corner of the printable area. Either each document is one print
// job, or (PagesOfOneFile) each document is the next page of one file, which
// finish() closes. The font (typeface and size) carries over from one
// document to the next.
class QtPrintCanvas final : public PrintCanvas {
public:
  enum class Documents { OneJobEach, PagesOfOneFile };

  explicit QtPrintCanvas(QPagedPaintDevice &device, Documents documents = Documents::OneJobEach);
  ~QtPrintCanvas() override;
  QtPrintCanvas(const QtPrintCanvas &) = delete;
  QtPrintCanvas &operator=(const QtPrintCanvas &) = delete;

  bool beginDocument() override;
  bool endDocument() override;
  void setTypeface(std::string_view name) override;
  // Font sizes are kept within 1..32768 pixels: a cell height or point size
  // below 1 gives the smallest font, a huge one the largest.
  void setCellHeight(int32_t pixels) override;
  void setPointSize(int32_t points) override;
  [[nodiscard]] int32_t verticalDpi() const override;
  [[nodiscard]] int32_t textWidth(std::string_view utf8) const override;
  void setColour(Ink colour) override;
  void text(int32_t x, int32_t y, std::string_view utf8) override;
  void moveTo(int32_t x, int32_t y) override;
  void lineTo(int32_t x, int32_t y) override;
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) override;
  void ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) override;
  void arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t startDegrees,
           int32_t spanDegrees) override;
  void setLineWidth(int32_t pixels) override;

  // Ends the file of a PagesOfOneFile canvas; false when it could not be
  // written out. A canvas that drew nothing has nothing to end.
  bool finish();

  // The font text is drawn in, sized in device pixels.
  [[nodiscard]] QFont font() const { return font_; }

private:
  enum class SizeUnit { CellPixels, Points };

  void applyFont();
  void applyPen();
  void applyFill(Fill fill);
  [[nodiscard]] int pixelSizeForCell(int32_t cellHeight) const;

  QPagedPaintDevice &device_;
  Documents documents_;
  bool pageOpen_ = false;
  int32_t lineWidth_ = 1;
  QColor colour_ = Qt::black;
  QPainter painter_;
  QFont font_;
  SizeUnit sizeUnit_ = SizeUnit::Points;
  int32_t sizeValue_ = 12;
  QPoint current_;
};
