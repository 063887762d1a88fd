// The play screen's visit and hole start on the real data folder, headless: Load of course 1 (its
// background, ambience, effect pictures, buttons and checks of the late files) and LevelRestart
// (the next hole in place). Reports the median of several runs. Goals (2 pinned cores): Load
// 500 ms, LevelRestart 50 ms.
// Usage: taskset -c 0,1 play_screen_bench [runs]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "bench/real_data_run.h"
#include "content/course.h"
#include "content/globals.h"
#include "content/loading.h"
#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "tests/content/real_game.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Ms;

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
  const std::string prefix = QUILL_STAGE_PREFIX;
  bench::Verdicts verdicts("play_screen_bench");
  std::string home;
  if (const std::string why = bench::StartRealDataRun(prefix, &home); !why.empty())
    return verdicts.CouldNotRun(why);
  try {
    StartGameForLoading(prefix);
    LoadData2();
    auto& player = *GameScreen->Player;
    player.SaveData->CourseName = (*CourseList)[0]->Name;
    player.Level = 2;  // no course welcome: the same work for every restart
    player.CourseHoles = (*CourseList)[0]->Holes;
    std::vector<double> loads, restarts;
    for (int i = 0; i < runs; ++i) {
      auto start = Clock::now();
      GameScreen->Load();
      loads.push_back(Ms(start, Clock::now()));
      GameScreen->LevelStart();
      for (int k = 0; k < 3; ++k) {
        player.Level = 2 + (k % 2);
        start = Clock::now();
        GameScreen->LevelRestart();
        restarts.push_back(Ms(start, Clock::now()));
      }
      GameScreen->Kill();
    }
    std::printf("play_screen_bench: %d runs on %s\n", runs, (*CourseList)[0]->Name.c_str());
    verdicts.AtMost("Load of course 1, median", Median(loads), 500, "ms");
    verdicts.AtMost("LevelRestart, median", Median(restarts), 50, "ms");
  } catch (const std::exception& e) {
    std::filesystem::remove_all(home);
    return verdicts.CouldNotRun(e.what());
  }
  std::filesystem::remove_all(home);
  return verdicts.Status();
}
