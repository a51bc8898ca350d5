#include "iconwriter.h"

#include "littleendian.h"
#include "quantize.h"

namespace {

constexpr int kColours = 16;

// One directory entry's image: BITMAPINFOHEADER of double height, palette,
// 4-bit colour rows and 1-bit mask rows, both bottom-up.
QByteArray encodeEntry(const QImage &picture) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  // Transparent pixels must be black in the colour rows, so that drawing the
  // mask and then the colours leaves the screen unchanged there. Black takes
  // the last palette entry and the visible pixels share the others.
  // Hidden pixels borrow a visible colour while the palette is chosen, so
  // they take no palette entry of their own.
  QImage opaque = argb.convertToFormat(QImage::Format_RGB32);
  QRgb filler = qRgb(0, 0, 0);
  for (int i = argb.width() * argb.height() - 1; i >= 0; --i)
    if (qAlpha(argb.pixel(i % argb.width(), i / argb.width())) >= 128)
      filler = opaque.pixel(i % argb.width(), i / argb.width());
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(argb.pixel(x, y)) < 128)
        opaque.setPixel(x, y, filler);
  const QImage indexed = quantize(opaque, kColours - 1);
  constexpr int kTransparentIndex = kColours - 1;
  const int width = argb.width();
  const int height = argb.height();
  const int colourStride = ((width + 1) / 2 + 3) & ~3;
  const int maskStride = ((width + 7) / 8 + 3) & ~3;

  QByteArray out;
  appendU32(out, 40);
  appendU32(out, quint32(width));
  appendU32(out, quint32(height * 2));
  appendU16(out, 1);
  appendU16(out, 4);
  appendU32(out, 0);
  appendU32(out, quint32((colourStride + maskStride) * height));
  appendU32(out, 0);
  appendU32(out, 0);
  appendU32(out, kColours);
  appendU32(out, 0);
  for (int i = 0; i < kColours; ++i)
    appendBgr0(out, i < indexed.colorCount() && i != kTransparentIndex ? indexed.color(i)
                                                                       : qRgb(0, 0, 0));

  for (int y = height - 1; y >= 0; --y) {
    QByteArray row(colourStride, '\0');
    for (int x = 0; x < width; ++x) {
      const bool transparent = qAlpha(argb.pixel(x, y)) < 128;
      const int index = transparent ? kTransparentIndex : indexed.pixelIndex(x, y);
      row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
    }
    out.append(row);
  }
  for (int y = height - 1; y >= 0; --y) {
    QByteArray row(maskStride, '\0');
    for (int x = 0; x < width; ++x)
      if (qAlpha(argb.pixel(x, y)) < 128)
        row[x / 8] = char(row[x / 8] | 0x80 >> (x % 8));
    out.append(row);
  }
  return out;
}

} // namespace

QByteArray encodeIcon(const QList<QImage> &pictures) {
  QList<QByteArray> entries;
  for (const QImage &picture : pictures)
    entries.append(encodeEntry(picture));

  QByteArray out;
  appendU16(out, 0);
  appendU16(out, 1);
  appendU16(out, quint16(pictures.size()));
  quint32 offset = 6 + 16 * quint32(pictures.size());
  for (int i = 0; i < pictures.size(); ++i) {
    out.append(char(pictures[i].width() >= 256 ? 0 : pictures[i].width()));
    out.append(char(pictures[i].height() >= 256 ? 0 : pictures[i].height()));
    out.append(char(kColours));
    out.append('\0');
    appendU16(out, 1);
    appendU16(out, 4);
    appendU32(out, quint32(entries[i].size()));
    appendU32(out, offset);
    offset += quint32(entries[i].size());
  }
  for (const QByteArray &entry : entries)
    out.append(entry);
  return out;
}
