#include "facemetrics.h"

#include "faceadvances.h"

#include <algorithm>
#include <array>

namespace {

const std::array<FaceMetrics, 3> kFaces{{
    {kKleeOneFamily, 1160, 288, 713, kKleeOneAdvances},
    {kUdGothicFamily, 880, 120, 802, kUdGothicAdvances},
    {kIpaGothicFamily, 880, 196, 771, kIpaGothicAdvances},
}};

// One character of UTF-8 from the front of `text`, which it consumes.
char32_t takeCharacter(std::string_view &text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead < 0x80       ? 1
                             : lead >> 5 == 6  ? 2
                             : lead >> 4 == 14 ? 3
                             : lead >> 3 == 30 ? 4
                                               : 0;
  if (length == 0 || length > text.size()) {
    text.remove_prefix(1);
    return U'\uFFFD';
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if (next >> 6 != 2) {
      text.remove_prefix(1);
      return U'\uFFFD';
    }
    c = c << 6 | (next & 0x3F);
  }
  text.remove_prefix(length);
  return c;
}

} // namespace

int32_t FaceMetrics::advance(char32_t c) const {
  const auto run = std::lower_bound(runs.begin(), runs.end(), c,
                                    [](AdvanceRun r, char32_t x) { return r.last < x; });
  return run != runs.end() && run->first <= c ? run->advance : kEmUnits;
}

int64_t FaceMetrics::width(std::string_view utf8) const {
  int64_t total = 0;
  while (!utf8.empty())
    total += advance(takeCharacter(utf8));
  return total;
}

const FaceMetrics &faceMetrics(std::string_view typeface) {
  for (const FaceMetrics &face : kFaces)
    if (face.family == typeface)
      return face;
  return kFaces.back();
}
