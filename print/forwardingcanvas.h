#pragma once

#include "printcanvas.h"

// Passes every call on to another canvas, which may change between calls; a
// subclass steps in where it needs to.
class ForwardingCanvas : public PrintCanvas {
public:
  explicit ForwardingCanvas(PrintCanvas &target) : target_(&target) {}
  ForwardingCanvas(const ForwardingCanvas &) = delete;
  ForwardingCanvas &operator=(const ForwardingCanvas &) = delete;

  bool beginDocument() override { return target_->beginDocument(); }
  bool endDocument() override { return target_->endDocument(); }
  void setTypeface(std::string_view name) override { target_->setTypeface(name); }
  void setCellHeight(int32_t pixels) override { target_->setCellHeight(pixels); }
  void setPointSize(int32_t points) override { target_->setPointSize(points); }
  [[nodiscard]] int32_t verticalDpi() const override { return target_->verticalDpi(); }
  [[nodiscard]] int32_t textWidth(std::string_view utf8) const override {
    return target_->textWidth(utf8);
  }
  void setColour(Ink colour) override { target_->setColour(colour); }
  void text(int32_t x, int32_t y, std::string_view utf8) override { target_->text(x, y, utf8); }
  void moveTo(int32_t x, int32_t y) override { target_->moveTo(x, y); }
  void lineTo(int32_t x, int32_t y) override { target_->lineTo(x, y); }
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) override {
    target_->rectangle(x1, y1, x2, y2, fill);
  }
  void ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Fill fill) override {
    target_->ellipse(x1, y1, x2, y2, fill);
  }
  void arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t startDegrees,
           int32_t spanDegrees) override {
    target_->arc(x1, y1, x2, y2, startDegrees, spanDegrees);
  }
  void setLineWidth(int32_t pixels) override { target_->setLineWidth(pixels); }

protected:
  [[nodiscard]] PrintCanvas &target() const { return *target_; }
  void retarget(PrintCanvas &target) { target_ = &target; }

private:
  PrintCanvas *target_;
};

// Takes every call and draws nothing, at the resolution of another canvas.
class DiscardingCanvas final : public PrintCanvas {
public:
  explicit DiscardingCanvas(const PrintCanvas &resolutionOf) : resolutionOf_(resolutionOf) {}

  bool beginDocument() override { return true; }
  bool endDocument() override { return true; }
  void setTypeface(std::string_view) override {}
  void setCellHeight(int32_t) override {}
  void setPointSize(int32_t) override {}
  [[nodiscard]] int32_t verticalDpi() const override { return resolutionOf_.verticalDpi(); }
  [[nodiscard]] int32_t textWidth(std::string_view) const override { return 0; }
  void setColour(Ink) override {}
  void text(int32_t, int32_t, std::string_view) override {}
  void moveTo(int32_t, int32_t) override {}
  void lineTo(int32_t, int32_t) override {}
  void rectangle(int32_t, int32_t, int32_t, int32_t, Fill) override {}
  void ellipse(int32_t, int32_t, int32_t, int32_t, Fill) override {}
  void arc(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
  void setLineWidth(int32_t) override {}

private:
  const PrintCanvas &resolutionOf_;
};
