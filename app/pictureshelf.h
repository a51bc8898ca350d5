#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

// The window's embedded pictures, each decoded once however many controls
// hold it (the blank glyph alone is held seven times).
class PictureShelf {
public:
  [[nodiscard]] QPixmap picture(const QString &file);

private:
  QHash<QString, QPixmap> decoded_;
};
