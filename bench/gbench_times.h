#pragma once
// For the benchmarks written with Google Benchmark: runs the benchmarks chosen on the command
// line with the usual console report and keeps each one's last run, so that the program can give
// its verdicts in the form of bench_timing.h.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>

#include <map>
#include <string>
#include <vector>

namespace bench {

class KeptRuns : public benchmark::ConsoleReporter {
 public:
  // In colour on a terminal only, as Google Benchmark's own report.
  KeptRuns() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Color : OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
        runs_[run.benchmark_name()] = run;
    ConsoleReporter::ReportRuns(runs);
  }
  // The last run of the benchmark named `name` (as the report prints it), or null when it did not
  // run (left out by a filter, or stopped by an error).
  const Run* Find(const std::string& name) const {
    const auto it = runs_.find(name);
    return it == runs_.end() ? nullptr : &it->second;
  }
  // Milliseconds of real time per iteration of that run.
  static double MsPerIteration(const Run& run) {
    return run.real_accumulated_time / static_cast<double>(run.iterations) * 1000.0;
  }

 private:
  std::map<std::string, Run> runs_;
};

// Runs the benchmarks the command line chooses, reporting to `runs`; false when it holds an
// argument Google Benchmark does not know.
inline bool RunBenchmarks(int argc, char** argv, KeptRuns& runs) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
  benchmark::RunSpecifiedBenchmarks(&runs);
  benchmark::Shutdown();
  return true;
}

}  // namespace bench
