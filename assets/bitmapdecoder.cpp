#include "bitmapdecoder.h"

#include <cstdint>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;
constexpr int32_t kMaxSide = 16384;

uint32_t readU32(const QByteArray &data, qsizetype at) {
  const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData()) + at;
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
         uint32_t(bytes[3]) << 24;
}

uint16_t readU16(const QByteArray &data, qsizetype at) {
  const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData()) + at;
  return uint16_t(bytes[0] | bytes[1] << 8);
}

QImage fail(QString *error, const QString &message) {
  if (error)
    *error = message;
  return {};
}

} // namespace

QImage decodeBitmap(const QByteArray &data, QString *error) {
  const qsizetype headersEnd = kFileHeaderSize + kInfoHeaderSize;
  if (data.size() < headersEnd)
    return fail(error, QStringLiteral("BMP too short for its headers (%1 bytes)").arg(data.size()));
  if (data[0] != 'B' || data[1] != 'M')
    return fail(error, QStringLiteral("not a BMP: no BM signature"));

  const uint32_t fileSize = readU32(data, 2);
  const uint32_t pixelOffset = readU32(data, 10);
  const uint32_t infoSize = readU32(data, 14);
  const auto width = static_cast<int32_t>(readU32(data, 18));
  const auto height = static_cast<int32_t>(readU32(data, 22));
  const uint16_t planes = readU16(data, 26);
  const uint16_t bitsPerPixel = readU16(data, 28);
  const uint32_t compression = readU32(data, 30);
  uint32_t colourCount = readU32(data, 46);

  if (fileSize != 0 && fileSize > static_cast<uint64_t>(data.size()))
    return fail(error, QStringLiteral("BMP header claims %1 bytes but only %2 are there")
                           .arg(fileSize)
                           .arg(data.size()));
  if (infoSize != kInfoHeaderSize)
    return fail(error, QStringLiteral("BMP info header of %1 bytes; expected 40").arg(infoSize));
  if (planes != 1 || bitsPerPixel != 8 || compression != 0)
    return fail(error, QStringLiteral("BMP is not uncompressed 8-bit palette (planes %1, %2 bits, "
                                      "compression %3)")
                           .arg(planes)
                           .arg(bitsPerPixel)
                           .arg(compression));
  if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide)
    return fail(error, QStringLiteral("BMP size %1x%2 is not a bottom-up picture of sensible size")
                           .arg(width)
                           .arg(height));
  if (colourCount == 0)
    colourCount = 256;
  if (colourCount > 256)
    return fail(error, QStringLiteral("BMP palette of %1 colours; at most 256").arg(colourCount));

  const qsizetype paletteEnd = headersEnd + qsizetype(colourCount) * 4;
  if (paletteEnd > data.size())
    return fail(error, QStringLiteral("BMP palette runs past the end of the data"));
  if (pixelOffset < paletteEnd)
    return fail(error,
                QStringLiteral("BMP pixel data at %1 overlaps its headers").arg(pixelOffset));
  const qsizetype stride = (qsizetype(width) + 3) & ~qsizetype(3);
  if (qsizetype(pixelOffset) + stride * height > data.size())
    return fail(error, QStringLiteral("BMP pixel data runs past the end of the data"));

  QList<QRgb> colours;
  colours.reserve(colourCount);
  for (uint32_t i = 0; i < colourCount; ++i) {
    const uint32_t bgr = readU32(data, headersEnd + qsizetype(i) * 4);
    colours.append(qRgb(int(bgr >> 16 & 0xff), int(bgr >> 8 & 0xff), int(bgr & 0xff)));
  }

  QImage image(width, height, QImage::Format_Indexed8);
  if (image.isNull())
    return fail(
        error, QStringLiteral("BMP of %1x%2 pixels does not fit in memory").arg(width).arg(height));
  image.setColorTable(colours);
  const auto *pixels = reinterpret_cast<const uchar *>(data.constData()) + pixelOffset;
  for (int32_t y = 0; y < height; ++y) {
    const uchar *source = pixels + stride * (height - 1 - y);
    uchar *target = image.scanLine(y);
    for (int32_t x = 0; x < width; ++x) {
      if (source[x] >= colourCount)
        return fail(error,
                    QStringLiteral("BMP pixel (%1, %2) uses colour %3 of a %4-colour palette")
                        .arg(x)
                        .arg(y)
                        .arg(source[x])
                        .arg(colourCount));
      target[x] = source[x];
    }
  }
  if (error)
    error->clear();
  return image;
}
