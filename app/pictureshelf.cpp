#include "pictureshelf.h"

#include "picturelibrary.h"

QPixmap PictureShelf::picture(const QString &file) {
  auto found = decoded_.constFind(file);
  if (found != decoded_.constEnd())
    return *found;
  // A picture that does not decode stays empty; loadPicture has said why.
  const QPixmap pixmap = QPixmap::fromImage(loadPicture(file));
  decoded_.insert(file, pixmap);
  return pixmap;
}
