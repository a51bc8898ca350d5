#pragma once

#include "picture.h"

#include <QHash>
#include <QString>

// The window's embedded pictures: one Picture per file however many controls
// hold it (the blank glyph alone is held seven times), so each file is
// decoded at most once, when it is first shown or read.
class PictureShelf {
public:
  [[nodiscard]] Picture picture(const QString &file);

private:
  QHash<QString, Picture> pictures_;
};
