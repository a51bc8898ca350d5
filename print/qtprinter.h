#pragma once

#include <cstdint>

class QPrinter;

// The printable area of the printer's page in device pixels.
struct PrintablePage {
  int32_t width = 0;
  int32_t height = 0;
};

[[nodiscard]] PrintablePage printablePage(const QPrinter &printer);

// Whether the system has a printer to print on; without one Qt's printer
// quietly turns into a PDF writer with no file, which refuses every job.
[[nodiscard]] bool hasRealPrinter();
