#include "recordingcanvas.h"

#include "facemetrics.h"

#include <cmath>
#include <utility>

using Kind = CanvasOperation::Kind;

namespace {

CanvasOperation operation(Kind kind, int32_t x1 = 0, int32_t y1 = 0, int32_t x2 = 0, int32_t y2 = 0,
                          std::string text = {}) {
  CanvasOperation op;
  op.kind = kind;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.text = std::move(text);
  return op;
}

std::vector<RecordedShape> shapes(const std::vector<CanvasOperation> &operations, Kind kind) {
  std::vector<RecordedShape> result;
  for (const CanvasOperation &op : operations)
    if (op.kind == kind)
      result.push_back({op.x1, op.y1, op.x2, op.y2, op.lineWidth, op.fill, op.colour,
                        op.startDegrees, op.spanDegrees});
  return result;
}

} // namespace

std::vector<RecordedText> RecordedDocument::texts() const {
  std::vector<RecordedText> result;
  for (const CanvasOperation &op : operations)
    if (op.kind == Kind::Text)
      result.push_back({op.x1, op.y1, op.text, op.typeface, op.size, op.colour});
  return result;
}

std::vector<RecordedShape> RecordedDocument::rectangles() const {
  return shapes(operations, Kind::Rectangle);
}

std::vector<RecordedShape> RecordedDocument::ellipses() const {
  return shapes(operations, Kind::Ellipse);
}

std::vector<RecordedShape> RecordedDocument::arcs() const { return shapes(operations, Kind::Arc); }

std::vector<RecordedPathPoint> RecordedDocument::path() const {
  std::vector<RecordedPathPoint> result;
  for (const CanvasOperation &op : operations)
    if (op.kind == Kind::MoveTo || op.kind == Kind::LineTo)
      result.push_back({op.x1, op.y1, op.kind == Kind::LineTo, op.colour, op.lineWidth});
  return result;
}

RecordingCanvas::RecordingCanvas(int32_t verticalDpi) : verticalDpi_(verticalDpi) {}

void RecordingCanvas::refuseBegin(int32_t attempt) { refusedBegin_ = attempt; }

void RecordingCanvas::failEnd(int32_t attempt) { failingEnd_ = attempt; }

bool RecordingCanvas::documentOpen() const { return !documents_.empty() && documents_.back().open; }

bool RecordingCanvas::beginDocument() {
  ++beginAttempts_;
  if (documentOpen())
    misuses_.emplace_back("beginDocument inside an open document");
  if (beginAttempts_ == refusedBegin_)
    return false;
  documents_.emplace_back();
  lineWidth_ = 1;
  colour_ = kBlackInk;
  return true;
}

bool RecordingCanvas::endDocument() {
  ++endAttempts_;
  if (!documentOpen()) {
    misuses_.emplace_back("endDocument with no document open");
    return false;
  }
  RecordedDocument &document = documents_.back();
  document.open = false;
  document.finished = endAttempts_ != failingEnd_;
  return document.finished;
}

double RecordingCanvas::emPixels(std::string_view typeface, FontSize size) const {
  switch (size.unit) {
  case FontSize::Unit::Points:
    return double(size.value) * verticalDpi_ / 72.0;
  case FontSize::Unit::CellPixels:
    return double(size.value) * kEmUnits / faceMetrics(typeface).cell();
  case FontSize::Unit::Unset:
    break;
  }
  return 12.0 * verticalDpi_ / 72.0; // as a printer starts
}

PixelBox RecordingCanvas::textBox(const RecordedText &text) const {
  const FaceMetrics &face = faceMetrics(text.typeface);
  const double em = emPixels(text.typeface, text.size) / kEmUnits;
  return {text.x, text.y, text.x + int32_t(std::lround(double(face.width(text.text)) * em)),
          text.y + int32_t(std::lround(face.cell() * em))};
}

int32_t RecordingCanvas::textWidth(std::string_view utf8) const {
  return int32_t(std::lround(double(faceMetrics(typeface_).width(utf8)) *
                             emPixels(typeface_, size_) / kEmUnits));
}

void RecordingCanvas::setTypeface(std::string_view name) {
  typeface_ = std::string(name);
  record(operation(Kind::SetTypeface, 0, 0, 0, 0, typeface_), "setTypeface");
}

void RecordingCanvas::setCellHeight(int32_t pixels) {
  size_ = FontSize::cellPixels(pixels);
  record(operation(Kind::SetCellHeight, pixels), "setCellHeight");
}

void RecordingCanvas::setPointSize(int32_t points) {
  size_ = FontSize::points(points);
  record(operation(Kind::SetPointSize, points), "setPointSize");
}

void RecordingCanvas::setColour(Ink colour) {
  if (documentOpen())
    colour_ = colour;
  record(operation(Kind::SetColour), "setColour");
}

void RecordingCanvas::text(int32_t x, int32_t y, std::string_view utf8) {
  record(operation(Kind::Text, x, y, 0, 0, std::string(utf8)), "text");
}

void RecordingCanvas::moveTo(int32_t x, int32_t y) {
  record(operation(Kind::MoveTo, x, y), "moveTo");
}

void RecordingCanvas::lineTo(int32_t x, int32_t y) {
  record(operation(Kind::LineTo, x, y), "lineTo");
}

void RecordingCanvas::rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) {
  CanvasOperation op = operation(Kind::Rectangle, x1, y1, x2, y2);
  op.fill = fill;
  record(std::move(op), "rectangle");
}

void RecordingCanvas::ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) {
  CanvasOperation op = operation(Kind::Ellipse, x1, y1, x2, y2);
  op.fill = fill;
  record(std::move(op), "ellipse");
}

void RecordingCanvas::arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t startDegrees,
                          int32_t spanDegrees) {
  CanvasOperation op = operation(Kind::Arc, x1, y1, x2, y2);
  op.startDegrees = startDegrees;
  op.spanDegrees = spanDegrees;
  record(std::move(op), "arc");
}

void RecordingCanvas::setLineWidth(int32_t pixels) {
  if (documentOpen())
    lineWidth_ = pixels;
  record(operation(Kind::SetLineWidth, pixels), "setLineWidth");
}

void RecordingCanvas::record(CanvasOperation op, const char *call) {
  if (!documentOpen()) {
    misuses_.push_back(std::string(call) + " with no document open");
    return;
  }
  op.typeface = typeface_;
  op.size = size_;
  op.colour = colour_;
  op.lineWidth = lineWidth_;
  documents_.back().operations.push_back(std::move(op));
}
