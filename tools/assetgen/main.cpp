// Draws every picture of the program into a folder, each also for screens of
// twice the density (digit_0@2x.jpg beside digit_0.jpg). Run by hand when the
// pictures change; its output is committed under assets/pictures/, and the
// desktop icons (--icons) under assets/icons/.
//
//   numeriko_assetgen <folder> [--icons <folder>] [--sheet <png>] [--zoom <n>]

#include "bitmapwriter.h"
#include "contactsheet.h"
#include "iconwriter.h"
#include "jpegwriter.h"
#include "picturecatalogue.h"
#include "picturetable.h"
#include "quantize.h"
#include "smallpictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

constexpr int kJpegQuality = 92;

bool writeFile(const QDir &folder, const QString &name, const QByteArray &bytes) {
  QFile file(folder.filePath(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file.fileName()),
                 qPrintable(file.errorString()));
    return false;
  }
  return true;
}

// Writes one catalogue picture drawn scale pixels to each of its pixels, under
// the name it has at that scale.
bool writePicture(const QDir &folder, const PictureFile &entry, int scale) {
  const QString name = QString::fromLatin1(entry.name);
  const QImage picture = drawPicture(name, scale);
  if (picture.size() != QSize(entry.width, entry.height) * scale) {
    std::fprintf(stderr, "%s at scale %d: drawn %dx%d, catalogue says %dx%d\n", entry.name, scale,
                 picture.width(), picture.height(), entry.width, entry.height);
    return false;
  }
  const QByteArray bytes =
      entry.bitmap ? encodeBitmap(quantize(picture, 256)) : encodeJpeg(picture, kJpegQuality);
  return writeFile(folder, scale == 1 ? name : QString::fromStdString(denseFileName(entry.name)),
                   bytes);
}

bool writeCatalogue(const QDir &folder) {
  for (const PictureFile &entry : pictureFiles())
    if (!writePicture(folder, entry, 1) || !writePicture(folder, entry, kDenseScale))
      return false;
  return true;
}

bool writeIcons(const QDir &folder) {
  if (!writeFile(folder, QStringLiteral("icon.ico"), encodeIcon({drawIcon(32), drawIcon(16)})))
    return false;
  const QString large = folder.filePath(QStringLiteral("icon_256.png"));
  if (!drawIcon(256).save(large, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(large));
    return false;
  }
  return true;
}

// The desktop icons as a hicolor theme tree, PNG with transparency, named by
// the program's desktop id.
bool writeDesktopIcons(const QDir &folder) {
  const std::pair<const char *, QImage (*)(int)> programs[]{
      {"io.github.numeriko.Numeriko", &drawIcon},
      {"io.github.numeriko.Worksheets", &drawWorksheetIcon},
  };
  for (const auto &[id, draw] : programs)
    for (int size : {16, 32, 48, 64, 128, 256}) {
      const QString sizeFolder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
      const QString path = folder.filePath(sizeFolder + QStringLiteral("/%1.png").arg(id));
      if (!folder.mkpath(sizeFolder) || !draw(size).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
      }
    }
  return true;
}

} // namespace

int main(int argc, char *argv[]) {
  // Fonts are needed only for the labels of the contact sheet; no window opens.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Draws the pictures of Numeriko."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where to write them."));
  const QCommandLineOption sheet(QStringLiteral("sheet"),
                                 QStringLiteral("Also write a contact sheet PNG here."),
                                 QStringLiteral("png"));
  const QCommandLineOption zoom(QStringLiteral("zoom"),
                                QStringLiteral("Enlarge the contact sheet this many times."),
                                QStringLiteral("n"), QStringLiteral("1"));
  const QCommandLineOption icons(QStringLiteral("icons"),
                                 QStringLiteral("Also write the desktop icons here."),
                                 QStringLiteral("folder"));
  parser.addOption(icons);
  parser.addOption(sheet);
  parser.addOption(zoom);
  parser.process(app);
  if (parser.positionalArguments().size() != 1)
    parser.showHelp(2);

  QDir folder(parser.positionalArguments().constFirst());
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
    return 1;
  }
  if (!writeCatalogue(folder) || !writeIcons(folder))
    return 1;
  if (parser.isSet(icons) && !writeDesktopIcons(QDir(parser.value(icons))))
    return 1;

  if (parser.isSet(sheet)) {
    const QString path = parser.value(sheet);
    if (!makeContactSheet(folder, qMax(1, parser.value(zoom).toInt())).save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
