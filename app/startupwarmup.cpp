#include "startupwarmup.h"

#include <QImageReader>
#include <QThreadPool>

#include <fontconfig/fontconfig.h>

StartupWarmUp::StartupWarmUp() : fonts_([] { FcInit(); }) {}

StartupWarmUp::~StartupWarmUp() {
  if (fonts_.joinable())
    fonts_.join();
}

void StartupWarmUp::applicationCreated() {
  if (fonts_.joinable())
    fonts_.join();
  QThreadPool::globalInstance()->start([] { (void)QImageReader::supportedImageFormats(); });
}
