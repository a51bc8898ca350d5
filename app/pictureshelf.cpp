#include "pictureshelf.h"

Picture PictureShelf::picture(const QString &file) {
  auto found = pictures_.constFind(file);
  if (found != pictures_.constEnd())
    return *found;
  const Picture picture(file);
  pictures_.insert(file, picture);
  return picture;
}
