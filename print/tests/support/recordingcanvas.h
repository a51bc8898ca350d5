#pragma once

#include "printcanvas.h"

#include <cstdint>
#include <string>
#include <vector>

// The font size in effect: none set yet, a cell height in pixels, or points.
struct FontSize {
  enum class Unit { Unset, CellPixels, Points };
  Unit unit = Unit::Unset;
  int32_t value = 0;

  static FontSize cellPixels(int32_t pixels) { return {Unit::CellPixels, pixels}; }
  static FontSize points(int32_t points) { return {Unit::Points, points}; }
  friend bool operator==(FontSize, FontSize) = default;
};

// One call on the canvas inside a document, with the font, colour and line
// width in effect after it.
struct CanvasOperation {
  enum class Kind {
    SetTypeface,
    SetCellHeight,
    SetPointSize,
    SetColour,
    Text,
    MoveTo,
    LineTo,
    Rectangle,
    Ellipse,
    Arc,
    SetLineWidth
  };
  Kind kind = Kind::Text;
  // Positions for drawing (x2, y2 for shapes); x1 holds the value of
  // SetCellHeight, SetPointSize and SetLineWidth.
  int32_t x1 = 0;
  int32_t y1 = 0;
  int32_t x2 = 0;
  int32_t y2 = 0;
  int32_t startDegrees = 0; // arcs only
  int32_t spanDegrees = 0;
  Fill fill = Fill::None; // rectangles and ellipses
  std::string text;       // the text drawn, or the typeface named
  std::string typeface;
  FontSize size;
  Ink colour = kBlackInk;
  int32_t lineWidth = 1;
};

struct RecordedText {
  int32_t x = 0;
  int32_t y = 0;
  std::string text;
  std::string typeface;
  FontSize size;
  Ink colour = kBlackInk;
  friend bool operator==(const RecordedText &, const RecordedText &) = default;
};

// A rectangle, an ellipse within its corners, or an arc of that ellipse.
struct RecordedShape {
  int32_t x1 = 0;
  int32_t y1 = 0;
  int32_t x2 = 0;
  int32_t y2 = 0;
  int32_t lineWidth = 1;
  Fill fill = Fill::White;
  Ink colour = kBlackInk;
  int32_t startDegrees = 0;
  int32_t spanDegrees = 0;
  friend bool operator==(const RecordedShape &, const RecordedShape &) = default;
};
using RecordedRectangle = RecordedShape;

// A point of a moveTo/lineTo path; draws is false for moveTo.
struct RecordedPathPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool draws = false;
  Ink colour = kBlackInk;
  int32_t lineWidth = 1;
  friend bool operator==(RecordedPathPoint, RecordedPathPoint) = default;
};

struct RecordedDocument {
  std::vector<CanvasOperation> operations;
  bool open = true;
  bool finished = false; // endDocument was called and succeeded

  [[nodiscard]] std::vector<RecordedText> texts() const;
  [[nodiscard]] std::vector<RecordedShape> rectangles() const;
  [[nodiscard]] std::vector<RecordedShape> ellipses() const;
  [[nodiscard]] std::vector<RecordedShape> arcs() const;
  [[nodiscard]] std::vector<RecordedPathPoint> path() const;
};

// Where a text's cell lies on the page, measured as the canvas measures it.
struct PixelBox {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// Records every document and every call made on it, and measures text from
// the faces' advance tables, as the printer would. Calls that a printer
// would not accept (drawing with no document open, a document begun inside
// another, an end with none open) are listed in misuses().
class RecordingCanvas final : public PrintCanvas {
public:
  explicit RecordingCanvas(int32_t verticalDpi = 600);
  RecordingCanvas(const RecordingCanvas &) = delete;
  RecordingCanvas(RecordingCanvas &&) = default;
  RecordingCanvas &operator=(const RecordingCanvas &) = delete;
  RecordingCanvas &operator=(RecordingCanvas &&) = default;

  // The attempt-th call (from 1) of beginDocument is refused.
  void refuseBegin(int32_t attempt);
  // The attempt-th call (from 1) of endDocument reports a failure.
  void failEnd(int32_t attempt);
  void setVerticalDpi(int32_t dpi) { verticalDpi_ = dpi; }

  [[nodiscard]] const std::vector<RecordedDocument> &documents() const { return documents_; }
  [[nodiscard]] bool documentOpen() const;
  [[nodiscard]] int32_t beginAttempts() const { return beginAttempts_; }
  [[nodiscard]] const std::vector<std::string> &misuses() const { return misuses_; }
  // The cell of a text this canvas drew.
  [[nodiscard]] PixelBox textBox(const RecordedText &text) const;

  bool beginDocument() override;
  bool endDocument() override;
  void setTypeface(std::string_view name) override;
  void setCellHeight(int32_t pixels) override;
  void setPointSize(int32_t points) override;
  [[nodiscard]] int32_t verticalDpi() const override { return verticalDpi_; }
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

private:
  void record(CanvasOperation op, const char *call);
  // The em of a font, in pixels at this canvas's resolution.
  [[nodiscard]] double emPixels(std::string_view typeface, FontSize size) const;

  int32_t verticalDpi_;
  int32_t refusedBegin_ = 0;
  int32_t failingEnd_ = 0;
  int32_t beginAttempts_ = 0;
  int32_t endAttempts_ = 0;
  std::string typeface_;
  FontSize size_;
  Ink colour_;
  int32_t lineWidth_ = 1;
  std::vector<RecordedDocument> documents_;
  std::vector<std::string> misuses_;
};
