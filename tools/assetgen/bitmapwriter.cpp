#include "bitmapwriter.h"

#include "littleendian.h"

QByteArray encodeBitmap(const QImage &indexed) {
  Q_ASSERT(indexed.format() == QImage::Format_Indexed8 && indexed.colorCount() <= 256);
  constexpr quint32 kHeaders = 14 + 40;
  constexpr quint32 kPaletteBytes = 256 * 4;
  const quint32 stride = (quint32(indexed.width()) + 3) & ~3u;
  const quint32 pixelBytes = stride * quint32(indexed.height());

  QByteArray out;
  out.append("BM");
  appendU32(out, kHeaders + kPaletteBytes + pixelBytes);
  appendU32(out, 0);
  appendU32(out, kHeaders + kPaletteBytes);

  appendU32(out, 40);
  appendU32(out, quint32(indexed.width()));
  appendU32(out, quint32(indexed.height()));
  appendU16(out, 1);
  appendU16(out, 8);
  appendU32(out, 0);
  appendU32(out, pixelBytes);
  appendU32(out, 2835);
  appendU32(out, 2835);
  appendU32(out, 256);
  appendU32(out, 0);

  for (int i = 0; i < 256; ++i)
    appendBgr0(out, i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0));
  for (int y = indexed.height() - 1; y >= 0; --y) {
    out.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), indexed.width());
    out.append(QByteArray(qsizetype(stride) - indexed.width(), '\0'));
  }
  return out;
}
