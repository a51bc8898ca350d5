#include "pictureimage.h"

#include <QMouseEvent>
#include <QPainter>

PictureImage::PictureImage(QWidget *parent) : QWidget(parent) {}

PictureImage::~PictureImage() = default;

void PictureImage::setPicture(const QPixmap &picture) {
  if (picture.cacheKey() == picture_.cacheKey())
    return;
  picture_ = picture;
  update();
}

void PictureImage::setStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void PictureImage::paintEvent(QPaintEvent *) {
  if (picture_.isNull())
    return;
  QPainter painter(this);
  if (stretch_)
    painter.drawPixmap(rect(), picture_);
  else
    painter.drawPixmap(0, 0, picture_);
}

void PictureImage::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton) {
    leftDown_ = true;
    clickArmed_ = true;
  }
  Q_EMIT mouseDown();
}

void PictureImage::mouseDoubleClickEvent(QMouseEvent *event) {
  // The second press of a double-click: Qt delivers it either as this event
  // alone or as a press followed by this event. Either way it is reported as
  // one press whose release is no click.
  if (event->button() != Qt::LeftButton)
    return;
  if (!leftDown_) {
    leftDown_ = true;
    Q_EMIT mouseDown();
  }
  clickArmed_ = false;
}

void PictureImage::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton) {
    leftDown_ = false;
    const bool click = clickArmed_ && rect().contains(event->position().toPoint());
    clickArmed_ = false;
    if (click)
      Q_EMIT clicked();
  }
  Q_EMIT mouseUp();
}
