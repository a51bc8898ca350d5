#include "sheetkinds.h"

// Every kind has its row, in the order of its enum.
const SheetKindInfo &kindInfo(SheetKind kind) { return kSheetKinds[std::size_t(kind)]; }

std::optional<SheetKind> kindNamed(std::string_view name) {
  for (const SheetKindInfo &info : kSheetKinds)
    if (info.name == name)
      return info.kind;
  return std::nullopt;
}

const SignPairInfo &signPairInfo(SignPair pair) { return kSignPairs[std::size_t(pair)]; }

std::optional<SignPair> signPairNamed(std::string_view name) {
  for (const SignPairInfo &info : kSignPairs)
    if (info.name == name || info.symbols == name)
      return info.pair;
  return std::nullopt;
}

std::string_view signText(bool adds) { return adds ? "＋" : "－"; }
