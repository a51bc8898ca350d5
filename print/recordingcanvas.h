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

// One call on the canvas inside a document, with the font in effect after it.
struct CanvasOperation {
  enum class Kind {
    SetTypeface,
    SetCellHeight,
    SetPointSize,
    Text,
    MoveTo,
    LineTo,
    Rectangle,
    SetLineWidth
  };
  Kind kind = Kind::Text;
  // Positions for drawing (x2, y2 only for rectangles); x1 holds the value
  // of SetCellHeight, SetPointSize and SetLineWidth.
  int32_t x1 = 0;
  int32_t y1 = 0;
  int32_t x2 = 0;
  int32_t y2 = 0;
  std::string text; // the text drawn, or the typeface named
  std::string typeface;
  FontSize size;
  int32_t lineWidth = 1; // in effect for this operation
};

struct RecordedText {
  int32_t x = 0;
  int32_t y = 0;
  std::string text;
  std::string typeface;
  FontSize size;
  friend bool operator==(const RecordedText &, const RecordedText &) = default;
};

struct RecordedRectangle {
  int32_t x1 = 0;
  int32_t y1 = 0;
  int32_t x2 = 0;
  int32_t y2 = 0;
  int32_t lineWidth = 1;
  friend bool operator==(const RecordedRectangle &, const RecordedRectangle &) = default;
};

// A point of a moveTo/lineTo path; draws is false for moveTo.
struct RecordedPathPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool draws = false;
  friend bool operator==(RecordedPathPoint, RecordedPathPoint) = default;
};

struct RecordedDocument {
  std::vector<CanvasOperation> operations;
  bool open = true;
  bool finished = false; // endDocument was called and succeeded

  [[nodiscard]] std::vector<RecordedText> texts() const;
  [[nodiscard]] std::vector<RecordedRectangle> rectangles() const;
  [[nodiscard]] std::vector<RecordedPathPoint> path() const;
};

// Records every document and every call made on it. Calls that a printer
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

  bool beginDocument() override;
  bool endDocument() override;
  void setTypeface(std::string_view name) override;
  void setCellHeight(int32_t pixels) override;
  void setPointSize(int32_t points) override;
  [[nodiscard]] int32_t verticalDpi() const override { return verticalDpi_; }
  void text(int32_t x, int32_t y, std::string_view utf8) override;
  void moveTo(int32_t x, int32_t y) override;
  void lineTo(int32_t x, int32_t y) override;
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void setLineWidth(int32_t pixels) override;

private:
  void record(CanvasOperation op, const char *call);

  int32_t verticalDpi_;
  int32_t refusedBegin_ = 0;
  int32_t failingEnd_ = 0;
  int32_t beginAttempts_ = 0;
  int32_t endAttempts_ = 0;
  std::string typeface_;
  FontSize size_;
  int32_t lineWidth_ = 1;
  std::vector<RecordedDocument> documents_;
  std::vector<std::string> misuses_;
};
