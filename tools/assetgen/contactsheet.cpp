#include "contactsheet.h"

#include "colours.h"

#include <QImageReader>
#include <QPainter>

namespace {

QImage readBack(const QDir &folder, const QString &name, int index = 0) {
  QImageReader reader(folder.filePath(name));
  reader.jumpToImage(index);
  QImage image = reader.read();
  if (image.isNull())
    qWarning("contact sheet: cannot read %s: %s", qPrintable(name),
             qPrintable(reader.errorString()));
  return image;
}

// Puts pictures left to right from a pen position, moving down a row when done.
class Sheet {
public:
  explicit Sheet(QPainter &painter) : p_(painter) {}

  void label(const QString &text) {
    p_.setPen(Qt::white);
    p_.drawText(QPointF(kMargin, y_ + 14), text);
    y_ += 20;
  }
  void place(const QImage &image, int x, int y, int scale = 1) {
    p_.drawImage(QRect(kMargin + x, y_ + y, image.width() * scale, image.height() * scale), image);
  }
  void nextRow(int height) { y_ += height + 12; }

private:
  static constexpr int kMargin = 12;
  QPainter &p_;
  int y_ = 8;
};

void keypad(Sheet &sheet, const QDir &folder, const QString &prefix, int x) {
  constexpr int kRows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      sheet.place(readBack(folder, prefix + QString::number(kRows[row][column]) + ".jpg"),
                  x + 80 * column, 72 * row);
  sheet.place(readBack(folder, prefix + "0.jpg"), x, 216);
  sheet.place(readBack(folder, prefix + "c.jpg").copy(0, 0, 153, 65), x + 80, 216);
}

} // namespace

QImage makeContactSheet(const QDir &folder, int zoom) {
  QImage sheetImage(1100, 850, QImage::Format_RGB32);
  sheetImage.fill(colours::windowGreen);
  {
    QPainter painter(&sheetImage);
    Sheet sheet(painter);

    sheet.label(QStringLiteral("digit cards in 55 x 73 cells"));
    for (int i = 0; i <= 10; ++i)
      sheet.place(readBack(folder, i < 10 ? QStringLiteral("digit_%1.jpg").arg(i)
                                          : QStringLiteral("digit_blank.jpg")),
                  55 * i, 0);
    sheet.nextRow(73);

    sheet.label(QStringLiteral("keypad: keys | pressed keys | cover"));
    keypad(sheet, folder, QStringLiteral("key_"), 0);
    keypad(sheet, folder, QStringLiteral("key_pressed_"), 260);
    sheet.place(readBack(folder, QStringLiteral("cover.jpg")), 520, 0);
    sheet.place(readBack(folder, QStringLiteral("key_c.jpg")), 780, 0);
    sheet.place(readBack(folder, QStringLiteral("key_pressed_c.jpg")), 780, 72);
    sheet.nextRow(281);

    sheet.label(QStringLiteral("wrong, rewards 1-19"));
    for (int i = 0; i < 20; ++i) {
      const QString name = i == 0 ? QStringLiteral("wrong.jpg")
                                  : QStringLiteral("reward_%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
      sheet.place(readBack(folder, name), 106 * (i % 10), 106 * (i / 10));
    }
    sheet.nextRow(212);

    sheet.label(QStringLiteral("marks x4, tiles x2, icon 32 and 16 x4, icon_256 at half size"));
    sheet.place(readBack(folder, QStringLiteral("mark_first_try.jpg")), 0, 0, 4);
    sheet.place(readBack(folder, QStringLiteral("mark_corrected.jpg")), 44, 0, 4);
    sheet.place(readBack(folder, QStringLiteral("tile_plain.bmp")), 100, 0, 2);
    sheet.place(readBack(folder, QStringLiteral("tile_taken.bmp")), 184, 0, 2);
    for (int i = 0; i < 2; ++i) {
      const QImage icon = readBack(folder, QStringLiteral("icon.ico"), i);
      sheet.place(icon, 280 + 140 * i, 0, 4);
    }
    sheet.place(readBack(folder, QStringLiteral("icon_256.png"))
                    .scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                560, 0);
    sheet.place(readBack(folder, QStringLiteral("tile_plain.bmp")), 720, 0);
    sheet.place(readBack(folder, QStringLiteral("tile_plain.bmp")), 760, 0);
    sheet.place(readBack(folder, QStringLiteral("tile_taken.bmp")), 800, 0);
    sheet.place(readBack(folder, QStringLiteral("tile_plain.bmp")), 840, 0);
  }
  if (zoom > 1)
    return sheetImage.scaled(sheetImage.size() * zoom);
  return sheetImage;
}
