#include "startupwarmup.h"

#include "programfonts.h"

#include <QDBusConnection>
#include <QImageReader>
#include <QPixmap>
#include <QThreadPool>

#include <fontconfig/fontconfig.h>

namespace {

// Qt's screen reader bridge, which the desktop platforms have and the
// offscreen and minimal ones do not.
bool hasScreenReaderBridge() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  return !platform.startsWith("offscreen") && !platform.startsWith("minimal");
}

QList<QImage> readAllImages(const QString &file) {
  QList<QImage> images;
  QImageReader reader(file);
  QImage image;
  while (reader.read(&image)) {
    images.append(image);
    if (!reader.jumpToNextImage())
      break;
  }
  return images;
}

} // namespace

StartupWarmUp::StartupWarmUp() {
  // The screen reader bridge connects to the session bus when the window gets
  // its first text. Where there is no bus, libdbus forks to look for one, and
  // after a fork every page the program writes to again costs a fault: done
  // first, the fork finds the program small and with a single thread.
  if (hasScreenReaderBridge())
    (void)QDBusConnection::sessionBus();
  if (!useProgramFontsOnly())
    fonts_ = std::thread([] { FcInit(); });
}

StartupWarmUp::~StartupWarmUp() {
  if (fonts_.joinable())
    fonts_.join();
}

void StartupWarmUp::applicationCreated() {
  if (fonts_.joinable())
    fonts_.join();
  auto icon = std::make_shared<std::promise<QList<QImage>>>();
  icon_ = icon->get_future();
  // Reading the icon loads the image plugins, which every later picture
  // needs.
  QThreadPool::globalInstance()->start([icon] {
    (void)QImageReader::supportedImageFormats();
    icon->set_value(readAllImages(QStringLiteral(":/pictures/icon.ico")));
  });
}

QIcon StartupWarmUp::icon() {
  QIcon icon;
  for (const QImage &image : icon_.get())
    icon.addPixmap(QPixmap::fromImage(image));
  return icon;
}
