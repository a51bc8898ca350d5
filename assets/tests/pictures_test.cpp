#include "bitmapdecoder.h"
#include "jpegdecoder.h"
#include "picturecatalogue.h"
#include "picturelibrary.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>

namespace {

QByteArray resourceBytes(const QString &name) {
  QFile file(QStringLiteral(":/pictures/") + name);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return file.readAll();
}

quint32 u32(const QByteArray &data, qsizetype at) {
  const auto *b = reinterpret_cast<const uchar *>(data.constData()) + at;
  return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

quint16 u16(const QByteArray &data, qsizetype at) {
  const auto *b = reinterpret_cast<const uchar *>(data.constData()) + at;
  return quint16(b[0] | b[1] << 8);
}

void putU32(QByteArray &data, qsizetype at, quint32 value) {
  for (int i = 0; i < 4; ++i)
    data[at + i] = char(value >> (8 * i) & 0xff);
}

// The first start-of-frame marker of a JPEG stream: its kind (0xC0 for
// baseline) and component count, or kind 0 when there is none.
struct Frame {
  int marker = 0;
  int components = 0;
};

Frame firstFrame(const QByteArray &data) {
  const auto *b = reinterpret_cast<const uchar *>(data.constData());
  qsizetype at = 2;
  while (at + 4 <= data.size() && b[at] == 0xFF) {
    const int marker = b[at + 1];
    const int length = b[at + 2] << 8 | b[at + 3];
    const bool isFrame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (isFrame && at + 10 <= data.size())
      return {marker, b[at + 9]};
    at += 2 + length;
  }
  return {};
}

// Header fields as libjpeg reads them, with errors caught rather than exiting.
struct Header {
  bool ok = false;
  int components = 0;
  bool progressive = true;
  J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
};

struct TestErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TestErrors *>(info->err)->jump, 1);
}

Header readHeader(const QByteArray &data) {
  Header header;
  jpeg_decompress_struct info;
  std::memset(&info, 0, sizeof info);
  TestErrors errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = jumpBack;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return header;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const uchar *>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  header = {true, info.num_components, info.progressive_mode != 0, info.jpeg_color_space};
  jpeg_destroy_decompress(&info);
  return header;
}

// Encodes a flat picture with libjpeg: greyscale with one component, or colour.
QByteArray flatJpeg(int width, int height, int components, const QColor &colour) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  QByteArray row;
  for (int x = 0; x < width; ++x) {
    if (components == 1) {
      row.append(char(qGray(colour.rgb())));
    } else {
      row.append(char(colour.red()));
      row.append(char(colour.green()));
      row.append(char(colour.blue()));
    }
  }
  while (info.next_scanline < info.image_height) {
    auto *line = reinterpret_cast<JSAMPROW>(row.data());
    jpeg_write_scanlines(&info, &line, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
  std::free(buffer);
  return bytes;
}

// A 3 x 2 palette BMP, bottom-up: the file's first row is the picture's
// bottom row. Pixel (x, y) of the picture has colour index y * 3 + x.
QByteArray smallBitmap() {
  QByteArray data(14 + 40 + 256 * 4 + 2 * 4, '\0');
  data[0] = 'B';
  data[1] = 'M';
  putU32(data, 2, quint32(data.size()));
  putU32(data, 10, 14 + 40 + 256 * 4);
  putU32(data, 14, 40);
  putU32(data, 18, 3);
  putU32(data, 22, 2);
  data[26] = 1;
  data[28] = 8;
  putU32(data, 46, 256);
  for (int i = 0; i < 256; ++i) {
    data[54 + i * 4] = char(i);           // blue
    data[54 + i * 4 + 1] = char(255 - i); // green
    data[54 + i * 4 + 2] = char(i / 2);   // red
  }
  const qsizetype pixels = 14 + 40 + 256 * 4;
  for (int x = 0; x < 3; ++x) {
    data[pixels + x] = char(3 + x); // bottom row, y = 1
    data[pixels + 4 + x] = char(x); // top row, y = 0
  }
  return data;
}

double meanDifference(const QImage &a, const QImage &b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  double total = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int column = 0; column < x.width(); ++column) {
      const QRgb p = x.pixel(column, row);
      const QRgb q = y.pixel(column, row);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
  return total / (3.0 * x.width() * x.height());
}

double meanLightness(const QImage &image) {
  double total = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      total += qGray(image.pixel(x, y));
  return total / (image.width() * image.height());
}

// Share of pixels (in rect) for which the test holds.
template <typename Test> double share(const QImage &image, const QRect &rect, Test test) {
  int hits = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      hits += test(QColor(image.pixel(x, y))) ? 1 : 0;
  return double(hits) / (rect.width() * rect.height());
}

bool isWindowGreen(const QColor &c) {
  return c.red() < 30 && c.blue() < 30 && c.green() > 110 && c.green() < 146;
}

bool isGreen(const QColor &c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; }

bool isYellow(const QColor &c) { return c.red() > 190 && c.green() > 160 && c.blue() < 110; }

double saturation(const QImage &image, const QRect &rect) {
  double total = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      total += QColor(image.pixel(x, y)).hsvSaturation();
  return total / (rect.width() * rect.height());
}

QString denseName(const QString &name) {
  return QString::fromStdString(denseFileName(name.toStdString()));
}

QString keyName(const QString &key, bool pressed) {
  return (pressed ? QStringLiteral("key_pressed_") : QStringLiteral("key_")) + key +
         QStringLiteral(".jpg");
}

} // namespace

class PicturesTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void catalogueNamesAreUnique() {
    QSet<QString> names;
    for (const PictureFile &entry : pictureFiles())
      names.insert(QString::fromLatin1(entry.name));
    QCOMPARE(names.size(), int(pictureFiles().size()));
  }

  void everyPictureLoadsAtItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("bitmap");
    for (const PictureFile &entry : pictureFiles())
      QTest::newRow(entry.name) << QString::fromLatin1(entry.name)
                                << QSize(entry.width, entry.height) << entry.bitmap;
  }
  void everyPictureLoadsAtItsSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, bitmap);
    const QImage image = loadPicture(name);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), bitmap ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    // Its variant for screens of twice the density: twice the size, and
    // reduced, nearer this picture than any other of its size.
    const QImage dense = loadPicture(denseName(name));
    QCOMPARE(dense.size(), size * 2);
    QCOMPARE(dense.format(), image.format());
    const QImage reduced = dense.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const PictureFile &other : pictureFiles())
      if (QSize(other.width, other.height) == size && QLatin1String(other.name) != name)
        QVERIFY2(meanDifference(reduced, image) <
                     meanDifference(reduced, loadPicture(QString::fromLatin1(other.name))),
                 other.name);
  }

  void jpegsAreBaselineColour_data() {
    QTest::addColumn<QString>("name");
    for (const PictureFile &entry : pictureFiles()) {
      const QString name = QString::fromLatin1(entry.name);
      if (!entry.bitmap)
        for (const QString &file : {name, denseName(name)})
          QTest::newRow(qPrintable(file)) << file;
    }
  }
  void jpegsAreBaselineColour() {
    QFETCH(QString, name);
    const QByteArray data = resourceBytes(name);
    const Frame frame = firstFrame(data);
    QCOMPARE(frame.marker, 0xC0);
    QCOMPARE(frame.components, 3);
    const Header header = readHeader(data);
    QVERIFY(header.ok);
    QCOMPARE(header.components, 3);
    QVERIFY(!header.progressive);
    QCOMPARE(header.colourSpace, JCS_YCbCr);
  }

  void bitmapsAreBottomUpPaletteImages_data() {
    QTest::addColumn<QString>("name");
    for (const PictureFile &entry : pictureFiles())
      if (entry.bitmap)
        QTest::newRow(entry.name) << QString::fromLatin1(entry.name);
  }
  void bitmapsAreBottomUpPaletteImages() {
    QFETCH(QString, name);
    const QByteArray data = resourceBytes(name);
    QVERIFY(data.size() > 54);
    QCOMPARE(u32(data, 14), 40u);
    QVERIFY(qint32(u32(data, 22)) > 0);
    QCOMPARE(u16(data, 28), quint16(8));
    QCOMPARE(u32(data, 30), 0u);
    QCOMPARE(u32(data, 46), 256u);
    const QImage image = decodeBitmap(data);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.size(), QSize(40, 40));
    QCOMPARE(image.colorCount(), 256);
  }

  void tilesHaveTheirColours() {
    const QImage plain = loadPicture(QStringLiteral("tile_plain.bmp"));
    const QImage taken = loadPicture(QStringLiteral("tile_taken.bmp"));
    QVERIFY(share(plain, plain.rect(), isYellow) > 0.6);
    QVERIFY(share(plain, plain.rect(), isWindowGreen) < 0.1);
    QVERIFY(share(taken, taken.rect(), isGreen) > 0.9);
    QVERIFY(share(taken, QRect(8, 8, 24, 24), isWindowGreen) > 0.9);
    QVERIFY(share(taken, taken.rect(), isYellow) < 0.01);
  }

  void marksAreColouredDotsOnGreen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("yellow");
    QTest::newRow("first try") << QStringLiteral("mark_first_try.jpg") << false;
    QTest::newRow("corrected") << QStringLiteral("mark_corrected.jpg") << true;
  }
  void marksAreColouredDotsOnGreen() {
    QFETCH(QString, name);
    QFETCH(bool, yellow);
    const QImage mark = loadPicture(name);
    const QColor middle(mark.pixel(4, 4));
    QVERIFY2(middle.red() > 180, qPrintable(middle.name()));
    QVERIFY2(yellow ? middle.green() > 160 : middle.green() < 100, qPrintable(middle.name()));
    QVERIFY2(middle.blue() < 110, qPrintable(middle.name()));
    for (const QPoint corner : {QPoint(0, 0), QPoint(8, 0), QPoint(0, 8), QPoint(8, 8)})
      QVERIFY2(isWindowGreen(QColor(mark.pixel(corner))),
               qPrintable(QColor(mark.pixel(corner)).name()));
  }

  void digitCardsShowDarkDigits() {
    const QImage blank = loadPicture(QStringLiteral("digit_blank.jpg"));
    const QRect inside(8, 8, 38, 56);
    auto dark = [](const QColor &c) { return c.lightness() < 90; };
    QCOMPARE(share(blank, inside, dark), 0.0);
    for (int digit = 0; digit <= 9; ++digit) {
      const QImage card = loadPicture(QStringLiteral("digit_%1.jpg").arg(digit));
      QVERIFY2(share(card, inside, dark) > 0.08, qPrintable(QString::number(digit)));
    }
  }

  void pressedKeysDifferFromTheirKeys_data() {
    QTest::addColumn<QString>("key");
    for (const char *key : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "c"})
      QTest::newRow(key) << QString::fromLatin1(key);
  }
  void pressedKeysDifferFromTheirKeys() {
    QFETCH(QString, key);
    const QImage up = loadPicture(keyName(key, false));
    const QImage down = loadPicture(keyName(key, true));
    QCOMPARE(up.size(), down.size());
    QVERIFY2(meanDifference(up, down) > 12, qPrintable(QString::number(meanDifference(up, down))));
    QVERIFY(meanLightness(down) < meanLightness(up) - 10);
  }

  void digitKeysDifferFromEachOther() {
    for (int a = 0; a <= 9; ++a)
      for (int b = a + 1; b <= 9; ++b) {
        const double difference = meanDifference(loadPicture(keyName(QString::number(a), false)),
                                                 loadPicture(keyName(QString::number(b), false)));
        QVERIFY2(difference > 3, qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
      }
  }

  void wideKeyKeepsItsLastColumnPlain() {
    for (bool pressed : {false, true}) {
      const QImage key = loadPicture(keyName(QStringLiteral("c"), pressed));
      QCOMPARE(share(key, QRect(153, 0, 1, 65), isWindowGreen), 1.0);
      QVERIFY(share(key, QRect(20, 10, 100, 40), isWindowGreen) < 0.01);
    }
  }

  void coverShowsTheKeypadInactive() {
    const QImage cover = loadPicture(QStringLiteral("cover.jpg"));
    // The gaps between keys are window green.
    QCOMPARE(share(cover, QRect(75, 5, 3, 270), isWindowGreen), 1.0);
    QCOMPARE(share(cover, QRect(5, 67, 225, 3), isWindowGreen), 1.0);
    const QImage key = loadPicture(QStringLiteral("key_5.jpg"));
    const QRect face(8, 6, 56, 48);
    for (const QPoint origin : {QPoint(0, 0), QPoint(80, 72), QPoint(160, 144), QPoint(0, 216),
                                QPoint(80, 216), QPoint(160, 216)}) {
      const QRect place = face.translated(origin);
      QVERIFY(share(cover, place, isWindowGreen) < 0.01);
      QVERIFY(saturation(cover, place) < saturation(key, face) / 2);
    }
  }

  void rewardsArePairwiseDifferent() {
    QList<QImage> rewards;
    for (int i = 1; i <= 19; ++i)
      rewards.append(loadPicture(QStringLiteral("reward_%1.jpg").arg(i, 2, 10, QLatin1Char('0'))));
    const QImage wrong = loadPicture(QStringLiteral("wrong.jpg"));
    for (int a = 0; a < rewards.size(); ++a) {
      QVERIFY(meanDifference(rewards[a], wrong) > 10);
      for (int b = a + 1; b < rewards.size(); ++b)
        QVERIFY2(meanDifference(rewards[a], rewards[b]) > 10,
                 qPrintable(QStringLiteral("rewards %1 and %2").arg(a + 1).arg(b + 1)));
    }
  }

  void jpegDecoderKeepsColours_data() {
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red") << QColor(220, 30, 40);
    QTest::newRow("window green") << QColor(0, 128, 0);
    QTest::newRow("sky") << QColor(120, 190, 250);
  }
  void jpegDecoderKeepsColours() {
    QFETCH(QColor, colour);
    QString error = QStringLiteral("stale");
    const QImage image = decodeJpeg(flatJpeg(24, 16, 3, colour), &error);
    QCOMPARE(image.size(), QSize(24, 16));
    QVERIFY(error.isEmpty());
    const QColor middle(image.pixel(12, 8));
    QVERIFY2(std::abs(middle.red() - colour.red()) <= 4 &&
                 std::abs(middle.green() - colour.green()) <= 4 &&
                 std::abs(middle.blue() - colour.blue()) <= 4,
             qPrintable(middle.name()));
  }

  void bitmapDecoderReadsRowsBottomUp() {
    QString error = QStringLiteral("stale");
    const QImage image = decodeBitmap(smallBitmap(), &error);
    QVERIFY(error.isEmpty());
    QCOMPARE(image.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        const int index = y * 3 + x;
        QCOMPARE(image.pixelIndex(x, y), index);
        QCOMPARE(image.pixel(x, y), qRgb(index / 2, 255 - index, index));
      }
  }

  void damagedJpegsAreRefused_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = resourceBytes(QStringLiteral("reward_07.jpg"));
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QTest::newRow("headers only") << good.left(300);
    QByteArray scrambled = good;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size() - 2; i += 7)
      scrambled[i] = char(0xFF);
    QTest::newRow("scrambled data") << scrambled;
    QTest::newRow("garbage") << QByteArray("this is not a picture at all, just words");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("greyscale") << flatJpeg(16, 16, 1, QColor(128, 128, 128));
    QTest::newRow("a bitmap") << smallBitmap();
  }
  void damagedJpegsAreRefused() {
    QFETCH(QByteArray, data);
    QString error;
    QVERIFY(decodeJpeg(data, &error).isNull());
    QVERIFY(!error.isEmpty());
    QVERIFY(decodeJpeg(data).isNull());
  }

  void damagedBitmapsAreRefused_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = smallBitmap();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray(200, 'x');
    QTest::newRow("truncated") << good.left(good.size() - 3);
    QByteArray wide = good;
    putU32(wide, 18, 4000);
    QTest::newRow("claims to be wider") << wide;
    QByteArray tall = good;
    putU32(tall, 22, 0x7fffffff);
    QTest::newRow("claims to be taller") << tall;
    QByteArray longer = good;
    putU32(longer, 2, quint32(good.size() + 100));
    QTest::newRow("claims more bytes") << longer;
    QByteArray offset = good;
    putU32(offset, 10, quint32(good.size()));
    QTest::newRow("pixels past the end") << offset;
    QByteArray header = good;
    putU32(header, 14, 124);
    QTest::newRow("other header size") << header;
    QByteArray topDown = good;
    putU32(topDown, 22, quint32(-2));
    QTest::newRow("top-down") << topDown;
    QByteArray palette = good;
    putU32(palette, 46, 2);
    QTest::newRow("pixel beyond the palette") << palette;
    QByteArray depth = good;
    depth[28] = 24;
    QTest::newRow("24 bits") << depth;
    QTest::newRow("a jpeg") << flatJpeg(8, 8, 3, Qt::red);
  }
  void damagedBitmapsAreRefused() {
    QFETCH(QByteArray, data);
    QString error;
    QVERIFY(decodeBitmap(data, &error).isNull());
    QVERIFY(!error.isEmpty());
  }

  void missingPictureIsEmptyWithAWarning() {
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no_such_picture\\.jpg")));
    QVERIFY(loadPicture(QStringLiteral("no_such_picture.jpg")).isNull());
  }

  void iconHoldsBothSizes() {
    const QByteArray data = resourceBytes(QStringLiteral("icon.ico"));
    QVERIFY(data.size() >= 6 + 2 * 16);
    QCOMPARE(u16(data, 0), quint16(0));
    QCOMPARE(u16(data, 2), quint16(1));
    QCOMPARE(u16(data, 4), quint16(2));
    QList<int> sizes;
    for (int i = 0; i < 2; ++i) {
      const qsizetype entry = 6 + 16 * i;
      const int width = uchar(data[entry]);
      const int height = uchar(data[entry + 1]);
      QCOMPARE(width, height);
      QCOMPARE(u16(data, entry + 6), quint16(4));
      const quint32 length = u32(data, entry + 8);
      const quint32 offset = u32(data, entry + 12);
      QVERIFY(qsizetype(offset) + qsizetype(length) <= data.size());
      QCOMPARE(u32(data, offset), 40u);
      QCOMPARE(qint32(u32(data, offset + 4)), width);
      QCOMPARE(qint32(u32(data, offset + 8)), 2 * height);
      QCOMPARE(u16(data, offset + 14), quint16(4));
      const int colourRows = ((width + 1) / 2 + 3) / 4 * 4 * height;
      const int maskRows = ((width + 7) / 8 + 3) / 4 * 4 * height;
      QCOMPARE(length, quint32(40 + 16 * 4 + colourRows + maskRows));
      sizes.append(width);
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, QList<int>({16, 32}));
  }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"
