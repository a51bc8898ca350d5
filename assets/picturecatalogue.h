#pragma once

#include <array>

// One picture embedded in the program: its file name under :/pictures/, its
// size in pixels, and whether it is a palette bitmap (otherwise a JPEG).
struct PictureFile {
  const char *name;
  int width;
  int height;
  bool bitmap;
};

// Every picture the window shows, with its exact size.
const std::array<PictureFile, 58> &pictureFiles();
