#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The one place that knows a paper: its size, the margins every sheet keeps
// and its name for a print spooler. Lengths are millimetres.

enum class Paper { A4, B5, A5, Letter, B4 };

struct PaperInfo {
  Paper paper;
  std::string_view name;
  std::string_view caption;
  double widthMm; // upright
  double heightMm;
  std::string_view ippMedia; // the paper as IPP names media, for a print spooler
};

inline constexpr std::array<PaperInfo, 5> kPapers{{
    {Paper::A4, "a4", "A4", 210, 297, "iso_a4_210x297mm"},
    {Paper::B5, "b5", "B5 (JIS)", 182, 257, "jis_b5_182x257mm"},
    {Paper::A5, "a5", "A5", 148, 210, "iso_a5_148x210mm"},
    {Paper::Letter, "letter", "Letter", 215.9, 279.4, "na_letter_8.5x11in"},
    {Paper::B4, "b4", "B4 (JIS)", 257, 364, "jis_b4_257x364mm"},
}};

// Clear at every edge of every page: what many office printers cannot print.
inline constexpr double kPageMarginMm = 10.0;
// Sheets are drawn at this resolution, in device pixels of the canvas.
inline constexpr int32_t kSheetDpi = 600;

[[nodiscard]] const PaperInfo &paperInfo(Paper paper);

// A sheet's page: the paper, upright or turned.
struct PageSetup {
  Paper paper = Paper::A4;
  bool landscape = false;
  friend bool operator==(PageSetup, PageSetup) = default;
};

struct SizeMm {
  double width = 0;
  double height = 0;
};
[[nodiscard]] SizeMm paperSize(PageSetup page);
// Within the margins: where a sheet draws.
[[nodiscard]] SizeMm printableSize(PageSetup page);

// The printable area in device pixels at `dpi`, rounded down.
struct PrintableArea {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(PrintableArea, PrintableArea) = default;
};
[[nodiscard]] PrintableArea printableArea(PageSetup page, int32_t dpi = kSheetDpi);
