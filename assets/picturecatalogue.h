#pragma once

#include <array>
#include <string>
#include <string_view>

// One picture embedded in the program: its file name under :/pictures/, its
// size in pixels, whether it is a palette bitmap (otherwise a JPEG), and what
// it shows in a few words (UTF-8), which screen readers say for it.
struct PictureFile {
  const char *name;
  int width;
  int height;
  bool bitmap;
  const char *description;
};

// Every picture the window shows, with its exact size.
const std::array<PictureFile, 58> &pictureFiles();

// The picture of that file name, or nullptr when the catalogue has none.
const PictureFile *findPictureFile(std::string_view name);

// Every picture of the catalogue is also embedded drawn for screens of
// kDenseScale times the density: the same format, kDenseScale times as wide
// and high, under the name denseFileName gives ("digit_0@2x.jpg").
inline constexpr int kDenseScale = 2;
std::string denseFileName(std::string_view name);
