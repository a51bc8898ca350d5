#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// How wide text is in the faces the sheets print with, without a font
// engine: each face's advances in thousandths of its em, read off the fonts
// Debian installs (print_qt_test holds them to the real fonts). Layout in
// plain C++ measures with these; a canvas measures what it really draws.

inline constexpr int32_t kEmUnits = 1000;

// The typefaces the worksheet program prints its own sheets in.
inline constexpr std::string_view kKleeOneFamily = "Klee One:SemiBold";
inline constexpr std::string_view kUdGothicFamily = "BIZ UDGothic";
inline constexpr std::string_view kIpaGothicFamily = "IPAGothic";

// Characters first..last advance by `advance`.
struct AdvanceRun {
  char32_t first;
  char32_t last;
  int32_t advance;
};

struct FaceMetrics {
  std::string_view family;
  // Thousandths of the em, as the font's own cell has them: a text's cell
  // (its top at the y it is drawn at) is ascent + descent high.
  int32_t ascent;
  int32_t descent;
  int32_t figureHeight;             // the top of the digits above the baseline
  std::span<const AdvanceRun> runs; // every other character is one em wide

  [[nodiscard]] int32_t cell() const { return ascent + descent; }
  [[nodiscard]] int32_t advance(char32_t c) const;
  // UTF-8 text, in thousandths of the em; a byte that is no UTF-8 counts as
  // one character of its own.
  [[nodiscard]] int64_t width(std::string_view utf8) const;
};

// The face a typeface name prints with: ours by their family, the drill's
// worksheet names by the face installPrintTypefaces() maps them onto, and
// any other as IPAGothic.
[[nodiscard]] const FaceMetrics &faceMetrics(std::string_view typeface);
