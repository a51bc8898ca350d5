#pragma once

#include "picture.h"

#include <QPixmap>
#include <QWidget>

// An image control: shows a picture at its own size from the top-left corner
// (cut off at the control's edge) or stretched to the control, drawn for the
// density of what it paints on, and reports mouse presses, releases and
// clicks.
//
// A picture travels with its description, and screen readers hear the
// description of the picture on show as the control's name; a control with a
// fixed name (a key) keeps it and tells the description as its accessible
// description instead.
//
// A press lasts from the first button going down to the last coming up. A
// click is a left-button press released over the control; it is reported
// before the release, so a key still shows its pressed picture while its
// operation runs. The second press of a double-click is reported as a press
// and a release but never as a click.
class PictureImage : public QWidget {
  Q_OBJECT

public:
  explicit PictureImage(QWidget *parent = nullptr);
  ~PictureImage() override;

  // The pixels of the picture on show, decoded on first use.
  [[nodiscard]] const QPixmap &picture() const { return picture_.pixmap(); }
  // The picture on show, for drawing it at another density.
  [[nodiscard]] const Picture &source() const { return picture_; }
  void setPicture(const Picture &picture, const QString &description);
  // The target's picture becomes a copy of this control's picture.
  void copyTo(PictureImage *target) const { target->setPicture(picture_, description_); }
  void setFixedName(const QString &name);

  [[nodiscard]] bool stretch() const { return stretch_; }
  void setStretch(bool stretch);

Q_SIGNALS:
  void mouseDown();
  void mouseUp();
  void clicked();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  void press(const QMouseEvent *event);
  void describe();
  void updateOpaque();

  Picture picture_;
  QString description_;
  bool fixedName_ = false;
  bool stretch_ = false;
  Qt::MouseButtons buttonsDown_;
  bool clickArmed_ = false;
};
