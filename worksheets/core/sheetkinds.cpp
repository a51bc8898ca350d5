#include "sheetkinds.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

} // namespace

// Every kind and paper has its row, in the order of its enum.
const SheetKindInfo &kindInfo(SheetKind kind) { return kSheetKinds[std::size_t(kind)]; }

std::optional<SheetKind> kindNamed(std::string_view name) {
  for (const SheetKindInfo &info : kSheetKinds)
    if (info.name == name)
      return info.kind;
  return std::nullopt;
}

const PaperInfo &paperInfo(Paper paper) { return kPapers[std::size_t(paper)]; }

std::optional<Paper> paperNamed(std::string_view name) {
  const std::string wanted = lowered(name);
  for (const PaperInfo &info : kPapers)
    if (info.name == wanted)
      return info.paper;
  return std::nullopt;
}
