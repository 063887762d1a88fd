// The start of the next hole on the real data folder, headless with the software renderer: the
// play screen's LevelRestart (the HUD, the hole file, the deal, the hint, the ambient animations),
// run for holes 2 to 9 of a course in each of several visits of the play screen (Load, the first
// hole, the restarts, Kill). The goal is a hole started in at most 50 ms, every one of them: the
// worst restart is judged, the median shown beside it. By default the first course, whose holes
// each open their lesson's hint scroll as well.
// Usage: taskset -c 0,1 hole_start_bench [visits] [course]   (default 5 visits, 40 hole starts, of
// course 1; courses are numbered from 1 in the course list)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
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

constexpr double kGoalMs = 50.0;

}  // namespace

int main(int argc, char** argv) {
  const int visits = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int courseNumber = argc > 2 ? std::atoi(argv[2]) : 1;
  const std::string prefix = QUILL_STAGE_PREFIX;
  bench::Verdicts verdicts("hole_start_bench");
  std::string home;
  if (const std::string why = bench::StartRealDataRun(prefix, &home); !why.empty())
    return verdicts.CouldNotRun(why);
  std::vector<double> starts;
  std::string course;
  try {
    StartGameForLoading(prefix, 0);
    LoadData2();
    if (courseNumber < 1 || courseNumber > static_cast<int>(CourseList->size()))
      throw std::runtime_error("no course " + std::to_string(courseNumber) + " in the course list");
    const auto& played = *(*CourseList)[static_cast<std::size_t>(courseNumber - 1)];
    auto& player = *GameScreen->Player;
    course = played.Name;
    player.SaveData->CourseName = course;
    player.CourseHoles = played.Holes;
    for (int visit = 0; visit < visits; ++visit) {
      player.Level = 2;  // the first hole's course welcome would load a recording
      GameScreen->Load();
      GameScreen->LevelStart();
      for (int hole = 2; hole <= 9; ++hole) {
        player.Level = hole;
        starts.push_back(bench::TimeMs([] { GameScreen->LevelRestart(); }));
      }
      GameScreen->Kill();
    }
  } catch (const std::exception& e) {
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return verdicts.CouldNotRun(e.what());
  }
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  std::printf("hole_start_bench: %zu hole starts (LevelRestart, holes 2-9 of %s, %d visits): ",
              starts.size(), course.c_str(), visits);
  std::printf("median %.1f ms\n", bench::Median(starts));
  verdicts.AtMost("worst hole start", bench::Worst(starts), kGoalMs, "ms");
  return verdicts.Status();
}
