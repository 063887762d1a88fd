#pragma once
// Wall-clock helpers shared by the timed-run benchmarks, and the one way every benchmark gives
// its verdict.
//
// Each goal is one line, in the same words in every benchmark (bench/verdict.sh gives the shell
// scripts the same):
//   <bench>: <what> <figure> <unit>, goal at most <goal> <unit>: met
//   <bench>: <what> <figure> <unit>, goal at most <goal> <unit>: NOT met
// and the exit status sums up the run:
//   0  every goal met
//   1  a goal not met
//   2  the benchmark could not measure (no data folder, a set-up or a load that failed): it says
//      why in a line "<bench>: could not run: <why>"
// No test and no CI step runs a benchmark: a goal not met is a figure to look at, not a broken
// build.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline constexpr int kAllMet = 0;
inline constexpr int kNotMet = 1;
inline constexpr int kCouldNotRun = 2;

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

// The largest value; 0 for none.
inline double Worst(const std::vector<double>& v) {
  return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// The goals of one benchmark run and their verdicts.
class Verdicts {
 public:
  explicit Verdicts(std::string bench) : bench_(std::move(bench)) {}

  // One goal: `figure` is at most `goal` (both in `unit`). Prints the goal's line; returns
  // whether it was met.
  bool AtMost(const std::string& what, double figure, double goal, const std::string& unit) {
    const bool met = figure <= goal;
    std::printf("%s: %s %s %s, goal at most %s %s: %s\n", bench_.c_str(), what.c_str(),
                Figure(figure).c_str(), unit.c_str(), Goal(goal).c_str(), unit.c_str(),
                met ? "met" : "NOT met");
    std::fflush(stdout);
    all_met_ = all_met_ && met;
    return met;
  }
  // The exit status of a run that measured: kAllMet or kNotMet.
  int Status() const { return all_met_ ? kAllMet : kNotMet; }
  // Says why the benchmark could not measure; returns kCouldNotRun.
  int CouldNotRun(const std::string& why) const {
    std::fflush(stdout);
    std::printf("%s: could not run: %s\n", bench_.c_str(), why.c_str());
    std::fflush(stdout);
    return kCouldNotRun;
  }

 private:
  // Three significant figures at most, never less than the whole number.
  static std::string Figure(double v) {
    char text[32];
    const double a = v < 0 ? -v : v;
    std::snprintf(text, sizeof text,
                  a >= 100  ? "%.0f"
                  : a >= 10 ? "%.1f"
                  : a >= 1  ? "%.2f"
                            : "%.3f",
                  v);
    return text;
  }
  static std::string Goal(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
  }
  std::string bench_;
  bool all_met_ = true;
};

}  // namespace bench
