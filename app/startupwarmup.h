#pragma once

#include <thread>

// Start-up work Qt does on the GUI thread when it first needs it, done ahead
// on threads of its own while the GUI thread connects to the display and
// builds the window: reading the system's font configuration (fontconfig's
// files and caches), and loading Qt's image plugins, which Qt loads before it
// reads any picture file, the style's own pictures included.
class StartupWarmUp {
public:
  // Starts reading the font configuration, which the application object does
  // not need.
  StartupWarmUp();
  ~StartupWarmUp();
  StartupWarmUp(const StartupWarmUp &) = delete;
  StartupWarmUp &operator=(const StartupWarmUp &) = delete;

  // Once the application object exists: waits for the font configuration and
  // starts loading the image plugins, which need that object, on its thread
  // pool (which it waits for before it ends). Before the first font is looked
  // up, or fontconfig reads its configuration a second time.
  void applicationCreated();

private:
  std::thread fonts_;
};
