#include "qtprintcanvas.h"

#include "clampedmath.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPen>
#include <QRawFont>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Pixel sizes stay in a range font engines handle.
constexpr int kLargestPixelSize = 1 << 15;
// The size at which a typeface's cell-to-em ratio is measured.
constexpr int kProbePixelSize = 1000;

int boundedPixelSize(double pixels) {
  return static_cast<int>(std::lround(std::clamp(pixels, 1.0, double{kLargestPixelSize})));
}

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtPrintCanvas::QtPrintCanvas(QPagedPaintDevice &device, Documents documents)
    : device_(device), documents_(documents) {
  applyFont();
}

QtPrintCanvas::~QtPrintCanvas() {
  if (painter_.isActive())
    painter_.end();
}

bool QtPrintCanvas::beginDocument() {
  if (documents_ == Documents::PagesOfOneFile && painter_.isActive()) {
    if (pageOpen_ || !device_.newPage())
      return false;
  } else if (painter_.isActive() || !painter_.begin(&device_)) {
    return false;
  }
  pageOpen_ = true;
  // begin() resets the painter; the font carries over from the last job.
  painter_.setFont(font_);
  lineWidth_ = 1;
  colour_ = Qt::black;
  applyPen();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  current_ = QPoint();
  return true;
}

bool QtPrintCanvas::endDocument() {
  const bool wasOpen = pageOpen_ && painter_.isActive();
  pageOpen_ = false;
  if (documents_ == Documents::PagesOfOneFile)
    return wasOpen;
  return wasOpen && painter_.end();
}

bool QtPrintCanvas::finish() {
  pageOpen_ = false;
  return !painter_.isActive() || painter_.end();
}

void QtPrintCanvas::setLineWidth(int32_t pixels) {
  lineWidth_ = std::clamp(pixels, 1, kLargestPixelSize);
  applyPen();
}

void QtPrintCanvas::setColour(Ink colour) {
  colour_ = QColor(colour.red, colour.green, colour.blue);
  applyPen();
}

void QtPrintCanvas::applyPen() {
  if (painter_.isActive())
    painter_.setPen(QPen(QBrush(colour_), lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void QtPrintCanvas::applyFill(Fill fill) {
  switch (fill) {
  case Fill::White:
    painter_.setBrush(Qt::white);
    return;
  case Fill::Grey:
    painter_.setBrush(QColor(kGreyFill.red, kGreyFill.green, kGreyFill.blue));
    return;
  case Fill::None:
    break;
  }
  painter_.setBrush(Qt::NoBrush);
}

void setTypefaceOf(QFont &font, std::string_view typeface) {
  const QString name = fromUtf8(typeface);
  const qsizetype colon = name.lastIndexOf(u':');
  font.setFamily(colon < 0 ? name : name.left(colon));
  // A style, where named, picks the face; none leaves it to the weight.
  font.setStyleName(colon < 0 ? QString() : name.mid(colon + 1));
}

void QtPrintCanvas::setTypeface(std::string_view name) {
  setTypefaceOf(font_, name);
  applyFont();
}

void QtPrintCanvas::setCellHeight(int32_t pixels) {
  sizeUnit_ = SizeUnit::CellPixels;
  sizeValue_ = pixels;
  applyFont();
}

void QtPrintCanvas::setPointSize(int32_t points) {
  sizeUnit_ = SizeUnit::Points;
  sizeValue_ = points;
  applyFont();
}

int32_t QtPrintCanvas::verticalDpi() const { return device_.logicalDpiY(); }

int32_t QtPrintCanvas::textWidth(std::string_view utf8) const {
  return clampToInt32(
      std::llround(QFontMetricsF(font_, &device_).horizontalAdvance(fromUtf8(utf8))));
}

void QtPrintCanvas::text(int32_t x, int32_t y, std::string_view utf8) {
  if (!painter_.isActive())
    return;
  const int ascent = QFontMetrics(font_, &device_).ascent();
  painter_.drawText(QPoint(x, clampToInt32(int64_t{y} + ascent)), fromUtf8(utf8));
}

void QtPrintCanvas::moveTo(int32_t x, int32_t y) { current_ = QPoint(x, y); }

void QtPrintCanvas::lineTo(int32_t x, int32_t y) {
  const QPoint to(x, y);
  if (painter_.isActive())
    painter_.drawLine(current_, to);
  current_ = to;
}

namespace {

// The outline covers pixels x1..x2-1 and y1..y2-1: the pen is centred on
// the edges, so the edges lie one pixel inside the far corner.
QRectF outlineOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const double left = std::min(x1, x2);
  const double top = std::min(y1, y2);
  const double width = std::max(std::abs(double(x2) - x1) - 1.0, 0.0);
  const double height = std::max(std::abs(double(y2) - y1) - 1.0, 0.0);
  return {left, top, width, height};
}

} // namespace

void QtPrintCanvas::rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) {
  if (!painter_.isActive())
    return;
  applyFill(fill);
  painter_.drawRect(outlineOf(x1, y1, x2, y2));
}

void QtPrintCanvas::ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) {
  if (!painter_.isActive())
    return;
  applyFill(fill);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.drawEllipse(outlineOf(x1, y1, x2, y2));
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtPrintCanvas::arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t startDegrees,
                        int32_t spanDegrees) {
  if (!painter_.isActive())
    return;
  // Qt counts arcs in sixteenths of a degree.
  const auto sixteenths = [](int32_t degrees) { return int(std::clamp(degrees, -720, 720)) * 16; };
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.drawArc(outlineOf(x1, y1, x2, y2), sixteenths(startDegrees), sixteenths(spanDegrees));
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtPrintCanvas::applyFont() {
  if (sizeUnit_ == SizeUnit::CellPixels)
    font_.setPixelSize(pixelSizeForCell(sizeValue_));
  else
    font_.setPixelSize(boundedPixelSize(double(sizeValue_) * verticalDpi() / 72.0));
  if (painter_.isActive())
    painter_.setFont(font_);
}

// The em size whose cell (ascent + descent) comes nearest the height asked for:
// scaled from the typeface's ratio, then settled on the rounded metrics. The
// sizes tried are measured on copies of the probe's font engine: a font
// engine of each, through fontconfig, would cost more than the whole page.
int QtPrintCanvas::pixelSizeForCell(int32_t cellHeight) const {
  if (cellHeight < 1)
    return 1;
  QFont probe = font_;
  probe.setPixelSize(kProbePixelSize);
  const QFontMetricsF metrics(probe, &device_);
  const double probeCell = metrics.ascent() + metrics.descent();
  if (probeCell <= 0)
    return boundedPixelSize(cellHeight);
  const int estimate = boundedPixelSize(double(cellHeight) * kProbePixelSize / probeCell);

  QRawFont sized = QRawFont::fromFont(probe);
  int best = estimate;
  int64_t bestError = -1;
  for (int size = std::max(1, estimate - 2); size <= std::min(kLargestPixelSize, estimate + 2);
       ++size) {
    sized.setPixelSize(size);
    // Rounded as QFontMetrics rounds them.
    const int64_t cell = qRound(sized.ascent()) + qRound(sized.descent());
    const int64_t error = std::abs(cell - cellHeight);
    if (bestError < 0 || error < bestError) {
      best = size;
      bestError = error;
    }
  }
  return best;
}
