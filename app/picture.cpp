#include "picture.h"

#include "picturecatalogue.h"
#include "picturelibrary.h"

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

QSize Picture::size() const {
  if (!shared_)
    return {};
  return shared_->decoded ? shared_->pixmap.size() : shared_->size;
}
