#include "sheetkinds.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

template <typename Table, typename Key>
const auto &entryFor(const Table &table, Key key,
                     Key (*keyOf)(const typename Table::value_type &)) {
  return *std::find_if(table.begin(), table.end(), [&](const auto &e) { return keyOf(e) == key; });
}

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

} // namespace

const SheetKindInfo &kindInfo(SheetKind kind) {
  return entryFor(
      kSheetKinds, kind, +[](const SheetKindInfo &e) { return e.kind; });
}

std::optional<SheetKind> kindNamed(std::string_view name) {
  for (const SheetKindInfo &info : kSheetKinds)
    if (info.name == name)
      return info.kind;
  return std::nullopt;
}

const PaperInfo &paperInfo(Paper paper) {
  return entryFor(
      kPapers, paper, +[](const PaperInfo &e) { return e.paper; });
}

std::optional<Paper> paperNamed(std::string_view name) {
  const std::string wanted = lowered(name);
  for (const PaperInfo &info : kPapers)
    if (info.name == wanted)
      return info.paper;
  return std::nullopt;
}
