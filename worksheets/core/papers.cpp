#include "papers.h"

#include "enumtable.h"

#include <algorithm>
#include <cmath>

static_assert(inEnumOrder(kPapers, [](const PaperInfo &p) { return p.paper; }));

const PaperInfo &paperInfo(Paper paper) { return kPapers[std::size_t(paper)]; }

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
