// The second loading stage on the real data folder, headless: wall time of LoadData2 and the
// process's peak resident memory. A timed run (the stage runs once per process).
// Usage: loading_bench [data prefix]   (default: the staged data folder of this build)

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "bench/bench_timing.h"
#include "bench/real_data_run.h"
#include "content/loading.h"
#include "tests/content/real_game.h"

int main(int argc, char** argv) {
  const std::string prefix = argc > 1 ? std::string(argv[1]) : std::string(QUILL_STAGE_PREFIX);
  bench::Verdicts verdicts("loading_bench");
  // Settings and best scores go to a throw-away per-user folder, never the player's.
  std::string home;
  if (const std::string why = bench::StartRealDataRun(prefix, &home); !why.empty())
    return verdicts.CouldNotRun(why);
  const std::string missing = FirstMissingLoadingFile(prefix);
  if (!missing.empty())
    return verdicts.CouldNotRun("the data folder " + prefix + "Data lacks " + missing);

  std::chrono::steady_clock::time_point start;
  std::chrono::steady_clock::time_point end;
  try {
    StartGameForLoading(prefix);
    start = std::chrono::steady_clock::now();
    LoadData2();
    end = std::chrono::steady_clock::now();
  } catch (const std::exception& error) {
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return verdicts.CouldNotRun(std::string("loading stopped: ") + error.what());
  }

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double ms = std::chrono::duration<double, std::milli>(end - start).count();
  verdicts.AtMost("second loading stage", ms, 1000, "ms");
  verdicts.AtMost("peak resident memory", usage.ru_maxrss / 1024.0, 150, "MB");
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return verdicts.Status();
}
