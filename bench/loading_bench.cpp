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

#include "content/loading.h"
#include "platform/system.h"
#include "tests/content/real_game.h"

int main(int argc, char** argv) {
  const std::string prefix = argc > 1 ? std::string(argv[1]) : std::string(QUILL_STAGE_PREFIX);
  if (!DataFolderPresent(prefix)) {
    std::printf("loading_bench: skipped, no data folder at %sData (build the data target)\n", prefix.c_str());
    return 0;
  }
  const std::string missing = FirstMissingLoadingFile(prefix);
  if (!missing.empty()) {
    std::fprintf(stderr, "loading_bench: the data folder %sData lacks %s\n", prefix.c_str(), missing.c_str());
    return 1;
  }
  platform::SetHeadless(true);
  // Settings and best scores go to a throw-away per-user folder, never the player's.
  std::string home = (std::filesystem::temp_directory_path() / "quill-bench-XXXXXX").string();
  if (mkdtemp(home.data()) == nullptr) return 1;
  setenv("XDG_DATA_HOME", home.c_str(), 1);

  std::chrono::steady_clock::time_point start;
  std::chrono::steady_clock::time_point end;
  try {
    StartGameForLoading(prefix);
    start = std::chrono::steady_clock::now();
    LoadData2();
    end = std::chrono::steady_clock::now();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "loading_bench: loading stopped: %s\n", error.what());
    return 1;
  }

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double ms = std::chrono::duration<double, std::milli>(end - start).count();
  std::printf("loading_bench: second loading stage %.1f ms, peak resident memory %.1f MB\n", ms,
              usage.ru_maxrss / 1024.0);
  std::printf("loading_bench: goals under 1000 ms and 150 MB: %s\n",
              ms < 1000.0 && usage.ru_maxrss < 150 * 1024 ? "met" : "NOT met");
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return 0;
}
