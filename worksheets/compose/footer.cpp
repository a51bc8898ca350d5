#include "footer.h"

namespace {

constexpr double kFooterGapMm = 3.0;
constexpr int32_t kSmallestFooterPoints = 6;

std::string footerText(std::string_view caption, const SheetLabel &label, int32_t page,
                       int32_t pages) {
  std::string text = label.answers ? "こたえ　" : "";
  if (!caption.empty())
    text += std::string(caption) + "　";
  text += "No." + std::to_string(label.sheet) + "／" + std::to_string(label.sheets);
  if (pages > 1)
    text += "　" + std::to_string(page) + "／" + std::to_string(pages) + "ページ";
  text += "　seed " + std::to_string(label.seed);
  if (!label.reprintCode.empty())
    text += "　再印刷コード " + label.reprintCode;
  return text;
}

} // namespace

FooterLine footerLine(std::string_view family, std::string_view caption, const SheetLabel &label,
                      int32_t page, int32_t pages, double width, double height) {
  TextStyle style{family, kFooterPoints, kBlackInk};
  std::string text = footerText(caption, label, page, pages);
  while (textWidthMm(style, text) > width && style.points > kSmallestFooterPoints)
    --style.points;
  if (textWidthMm(style, text) > width)
    text = footerText({}, label, page, pages);
  const double textWidth = textWidthMm(style, text);
  const double cell = cellHeightMm(style);
  return {text, style, {std::max(0.0, width - textWidth), height - cell, textWidth, cell}};
}

double footerRoomMm(std::string_view family) {
  return cellHeightMm({family, kFooterPoints, kBlackInk}) + kFooterGapMm;
}

void drawFooter(PageDrawer &drawer, const FooterLine &footer) {
  drawer.text(footer.cell.left, footer.cell.top, footer.style, footer.text);
}
