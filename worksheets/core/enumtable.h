#pragma once

#include <cstddef>

// Tables of rows keyed by an enum are looked up by the enum's value: each
// row must stand at its key's place.
template <typename Table, typename KeyOf>
constexpr bool inEnumOrder(const Table &table, KeyOf keyOf) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (std::size_t(keyOf(table[i])) != i)
      return false;
  return true;
}
