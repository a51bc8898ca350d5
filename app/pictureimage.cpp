#include "pictureimage.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

PictureImage::PictureImage(QWidget *parent) : QWidget(parent) {}

PictureImage::~PictureImage() = default;

void PictureImage::setPicture(const Picture &picture, const QString &description) {
  if (description != description_) {
    description_ = description;
    describe();
  }
  if (picture == picture_)
    return;
  picture_ = picture;
  updateOpaque();
  update();
}

void PictureImage::setFixedName(const QString &name) {
  fixedName_ = true;
  setAccessibleName(name);
  describe();
}

void PictureImage::describe() {
  if (fixedName_)
    setAccessibleDescription(description_);
  else
    setAccessibleName(description_);
}

void PictureImage::setStretch(bool stretch) {
  stretch_ = stretch;
  updateOpaque();
  update();
}

void PictureImage::resizeEvent(QResizeEvent *) { updateOpaque(); }

// A control its picture covers whole paints every pixel itself, so what lies
// beneath it (the keys under the cover) is neither painted nor decoded.
void PictureImage::updateOpaque() {
  const QSize size = picture_.size();
  const bool covers =
      !size.isEmpty() && (stretch_ || (size.width() >= width() && size.height() >= height()));
  setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void PictureImage::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  // The density of the device painted on: the screen's backing store, or an
  // image the control is rendered or grabbed into.
  const QPaintEngine *engine = painter.paintEngine();
  const QPixmap &pixmap =
      picture_.pixmap(engine ? engine->paintDevice()->devicePixelRatio() : devicePixelRatio());
  if (pixmap.isNull()) {
    // A picture that did not decode: what an opaque control leaves unpainted
    // would show whatever was there before.
    if (testAttribute(Qt::WA_OpaquePaintEvent))
      painter.fillRect(rect(), palette().window());
    return;
  }
  if (stretch_)
    painter.drawPixmap(rect(), pixmap);
  else
    painter.drawPixmap(0, 0, pixmap);
}

// A button going down while another is held belongs to the press already
// reported: a key that is down is not pressed again. The buttons held are
// Qt's record, as a release while the control was disabled never reached it.
void PictureImage::press(const QMouseEvent *event) {
  buttonsDown_ = event->buttons();
  if (!(buttonsDown_ & ~event->button()))
    Q_EMIT mouseDown();
}

void PictureImage::mousePressEvent(QMouseEvent *event) {
  press(event);
  if (event->button() == Qt::LeftButton)
    clickArmed_ = true;
}

void PictureImage::mouseDoubleClickEvent(QMouseEvent *event) {
  // The second press of a double-click: Qt delivers it either as this event
  // alone or as a press followed by this event. Either way it is reported as
  // one press whose release is no click.
  if (!(buttonsDown_ & event->button()))
    press(event);
  if (event->button() == Qt::LeftButton)
    clickArmed_ = false;
}

void PictureImage::mouseReleaseEvent(QMouseEvent *event) {
  buttonsDown_ = event->buttons();
  if (event->button() == Qt::LeftButton) {
    const bool click = clickArmed_ && rect().contains(event->position().toPoint());
    clickArmed_ = false;
    if (click)
      Q_EMIT clicked();
  }
  if (!buttonsDown_)
    Q_EMIT mouseUp();
}
