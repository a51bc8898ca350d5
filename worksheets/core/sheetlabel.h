#pragma once

#include <cstdint>
#include <string>

// Which sheet of a batch a page belongs to, for its heading and footer.
struct SheetLabel {
  int32_t sheet = 1; // from 1
  int32_t sheets = 1;
  uint32_t seed = 0;
  bool answers = false;
  std::string reprintCode; // for the footer
};
