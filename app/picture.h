#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>

// One of the window's embedded pictures as its controls hold it: shared by
// every control that shows it, and decoded the first time its pixels are
// asked for, so that start-up decodes only the pictures on show. A picture
// made without a file has no pixels. Screens of a higher density get their
// pixels from the picture's variant drawn for twice the density, decoded
// only when such a screen first asks for them.
class Picture {
public:
  Picture() = default;
  // The embedded picture file, of the size the picture catalogue gives it.
  explicit Picture(const QString &file);

  // The pixels, decoded on the first call; null when the file does not
  // decode (loadPicture has said why).
  [[nodiscard]] const QPixmap &pixmap() const;
  // The pixels for a device pixel ratio: pixmap() at 1 and below; above it
  // the dense variant with that devicePixelRatio, as it is from 2 up and
  // smoothly reduced to the device pixels of size() below 2. pixmap() when
  // the variant does not decode.
  [[nodiscard]] const QPixmap &pixmap(qreal ratio) const;
  // The size, known without decoding: the catalogue's until decoded, then
  // the decoded one (empty when the file did not decode).
  [[nodiscard]] QSize size() const;
  // The same picture, whether decoded yet or not.
  [[nodiscard]] bool operator==(const Picture &other) const { return shared_ == other.shared_; }

private:
  struct Shared {
    QString file;
    QSize size;
    QPixmap pixmap;
    bool decoded = false;
    // The dense pixels for the last ratio above 1 asked for.
    qreal denseRatio = 0;
    QPixmap dense;
  };
  std::shared_ptr<Shared> shared_;
};
