#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

#include <future>
#include <thread>

// Start-up work Qt does on the GUI thread when it first needs it, done ahead:
// connecting to the session bus, which the screen reader bridge does on the
// window's first text, at once; telling fontconfig about the program's own
// fonts (or, where that fails, reading the system's font configuration on a
// thread of its own while the GUI thread connects to the display); and on the
// thread pool while the GUI thread builds the window, loading Qt's image
// plugins, which Qt loads before it reads any picture file, the style's own
// pictures included, and decoding the window icon.
class StartupWarmUp {
public:
  // Connects to the session bus and sets up the font configuration, which
  // the application object does not need.
  StartupWarmUp();
  ~StartupWarmUp();
  StartupWarmUp(const StartupWarmUp &) = delete;
  StartupWarmUp &operator=(const StartupWarmUp &) = delete;

  // Once the application object exists: waits for the font configuration and
  // starts the rest on its thread pool (which it waits for before it ends).
  // Before the first font is looked up, or fontconfig reads its configuration
  // a second time.
  void applicationCreated();

  // The window icon, every size in its file, once decoded; for windows that
  // are not on screen yet. Once only, after applicationCreated().
  [[nodiscard]] QIcon icon();

private:
  std::thread fonts_;
  std::future<QList<QImage>> icon_;
};
