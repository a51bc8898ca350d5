#include "picture.h"

#include "picturecatalogue.h"
#include "picturelibrary.h"

#include <QtMath>

namespace {

// The dense variant of a picture of that size as a screen of ratio shows it.
// Below kDenseScale it is reduced to the device pixels the picture covers,
// rounded up so that an opaque control has every pixel painted.
QPixmap densePixmap(const QString &file, QSize size, qreal ratio) {
  QImage image = loadPicture(QString::fromStdString(denseFileName(file.toStdString())));
  if (image.isNull())
    return {};
  if (ratio < kDenseScale)
    image = image.scaled(qCeil(size.width() * ratio), qCeil(size.height() * ratio),
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  pixmap.setDevicePixelRatio(qMin(ratio, qreal(kDenseScale)));
  return pixmap;
}

} // namespace

Picture::Picture(const QString &file) : shared_(std::make_shared<Shared>()) {
  shared_->file = file;
  if (const PictureFile *known = findPictureFile(file.toStdString()))
    shared_->size = QSize(known->width, known->height);
}

const QPixmap &Picture::pixmap() const {
  if (!shared_) {
    static const QPixmap none;
    return none;
  }
  if (!shared_->decoded) {
    shared_->pixmap = QPixmap::fromImage(loadPicture(shared_->file));
    shared_->decoded = true;
  }
  return shared_->pixmap;
}

const QPixmap &Picture::pixmap(qreal ratio) const {
  // Pictures the catalogue does not know have no dense variant.
  if (!shared_ || ratio <= 1 || shared_->size.isEmpty())
    return pixmap();
  if (shared_->denseRatio != ratio) {
    shared_->dense = densePixmap(shared_->file, shared_->size, ratio);
    shared_->denseRatio = ratio;
  }
  return shared_->dense.isNull() ? pixmap() : shared_->dense;
}

QSize Picture::size() const {
  if (!shared_)
    return {};
  return shared_->decoded ? shared_->pixmap.size() : shared_->size;
}
