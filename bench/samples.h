#pragma once

#include <chrono>
#include <string>
#include <vector>

// Durations measured one by one, in seconds, with their order statistics.
class Samples {
public:
  void add(double seconds) { values_.push_back(seconds); }
  [[nodiscard]] std::size_t size() const { return values_.size(); }
  [[nodiscard]] double median() const { return percentile(50); }
  // The nearest-rank percentile: the smallest sample that `percent` per cent
  // of the samples do not exceed.
  [[nodiscard]] double percentile(double percent) const;

private:
  std::vector<double> values_;
};

// The time since `start`, in seconds.
inline double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A duration for the table: "0.42 ms", "37.1 µs".
std::string milliseconds(double seconds);
std::string microseconds(double seconds);
