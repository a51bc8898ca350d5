#include "papers.h"

#include "enumtable.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

static_assert(inEnumOrder(kPapers, [](const PaperInfo &p) { return p.paper; }));

const PaperInfo &paperInfo(Paper paper) { return kPapers[std::size_t(paper)]; }

std::optional<Paper> paperNamed(std::string_view name) {
  std::string wanted(name);
  std::transform(wanted.begin(), wanted.end(), wanted.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const PaperInfo &info : kPapers)
    if (info.name == wanted)
      return info.paper;
  return std::nullopt;
}

SizeMm paperSize(PageSetup page) {
  const PaperInfo &info = paperInfo(page.paper);
  return page.landscape ? SizeMm{info.heightMm, info.widthMm} : SizeMm{info.widthMm, info.heightMm};
}

SizeMm printableSize(PageSetup page) {
  const SizeMm paper = paperSize(page);
  return {paper.width - 2 * kPageMarginMm, paper.height - 2 * kPageMarginMm};
}

PrintableArea printableArea(PageSetup page, int32_t dpi) {
  const SizeMm size = printableSize(page);
  const auto pixels = [dpi](double mm) {
    return static_cast<int32_t>(std::floor(mm / 25.4 * dpi + 1e-6));
  };
  return {pixels(size.width), pixels(size.height)};
}
