#include "samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double Samples::percentile(double percent) const {
  if (values_.empty())
    return 0;
  std::vector<double> sorted = values_;
  std::sort(sorted.begin(), sorted.end());
  const auto rank = static_cast<std::size_t>(std::ceil(percent / 100.0 * double(sorted.size())));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

namespace {

std::string formatted(const char *format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

} // namespace

std::string milliseconds(double seconds) { return formatted("%.2f ms", seconds * 1e3); }

std::string microseconds(double seconds) { return formatted("%.1f µs", seconds * 1e6); }
