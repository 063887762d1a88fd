#pragma once
// Wall-clock helpers shared by the timed-run benchmarks.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

// Milliseconds from a to b.
inline double Ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// Milliseconds that fn takes.
inline double TimeMs(const std::function<void()>& fn) {
  const auto start = Clock::now();
  fn();
  return Ms(start, Clock::now());
}

// The middle value (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace bench
