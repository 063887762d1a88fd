// The score card on the real data folder, headless with the software renderer: the full card of an
// 18-hole course's last hole with the purse row (goal: under 10 ms a frame) and a frame of the zoom
// in, turned and scaled with its goal text (goal: under 16 ms). Each frame is flipped and drawn
// whole: the clear colour under the background changes every frame (a zoom frame changes anyway).
// Usage: taskset -c 0,1 score_card_bench [frames] [picture.png]

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/bench_timing.h"
#include "bench/real_data_run.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "content/loading.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/score_card_screen.h"
#include "tests/content/real_game.h"
#include "util/animation.h"
#include "util/image.h"

namespace {

using bench::TimeMs;

// The last hole of the first 18-hole course of the list, every hole played, the purse won.
bool LayCourse() {
  std::shared_ptr<TCourse> course;
  for (const auto& c : *CourseList)
    if (c && c->Holes == 18) {
      course = c;
      break;
    }
  if (!course) return false;
  GameGrid = TGameGrid::Create();
  GameGrid->LevelName = course->Name;
  GameGrid->HolePar = course->HolePars[17];
  GameGrid->CardsLeft = course->HolePars[17] - 2;
  HUD = std::make_shared<THUD>();
  HUD->FlagLevel = 18;
  HUD->Multiplier = 2.4;
  auto& player = *GameScreen->Player;
  player.CourseHoles = 18;
  player.LevelScore = 1840;
  player.TimeTaken = 200.0 * 83;
  auto& save = *player.SaveData;
  save.CourseName = course->Name;
  save.UnlockedCourses[static_cast<std::size_t>(CourseGetIndex(course->Name))] = COURSE_OPEN;
  for (int i = 0; i < 17; ++i) {
    save.CourseArrayCards[static_cast<std::size_t>(i)] = (i * 7) % 6;
    save.CourseArrayToPar[static_cast<std::size_t>(i)] = (i * 7) % 6 - course->HolePars[static_cast<std::size_t>(i)];
  }
  save.CourseCash = 24680;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  const std::string picture = argc > 2 ? argv[2] : "";
  const std::string prefix = QUILL_STAGE_PREFIX;
  bench::Verdicts verdicts("score_card_bench");
  std::string home;
  if (const std::string why = bench::StartRealDataRun(prefix, &home); !why.empty())
    return verdicts.CouldNotRun(why);
  int status = 0;
  try {
    StartGameForLoading(prefix, 0);
    LoadData2();
    if (!LayCourse()) {
      std::filesystem::remove_all(home);
      return verdicts.CouldNotRun("no 18-hole course in the course list");
    }
    TScoreCardScreen& card = *ScoreCardScreen;
    auto background = ccLoadBitmap(Game->ImagePath + "backgrounds/country1.jpg", 0);
    int clear = 0;
    auto frame = [&] {
      clear = 1 - clear;
      platform::SetClsColor(clear, 0, 0);
      platform::Cls();
      if (background) platform::DrawImage(background, 0, 0, 0);
      card.Draw();
      platform::Flip(0);
    };

    // The zoom in: frames at every point of the 300 ms, the card turned and scaled.
    card.Load();
    card.ApplyStats();
    card.Show(0);
    double zoomWorst = 0, zoomTotal = 0;
    int zoomFrames = 0;
    for (int i = 0; i < frames; ++i) {
      if (card.Zoom->Active == 0) card.Zoom->Start();
      card.Zoom->Counter = card.Zoom->Length[0] * static_cast<float>(i % 59 + 1) / 60.0f;
      const double ms = TimeMs(frame);
      zoomWorst = std::max(zoomWorst, ms);
      zoomTotal += ms;
      ++zoomFrames;
    }

    // The full card after the course's last hole, the purse row written out.
    card.Zoom->Active = 0;
    card.PurseWon = 1;
    card.PurseValue = 2300;
    card.Front9Showing = 0;
    double fullWorst = 0, fullTotal = 0;
    for (int i = 0; i < frames; ++i) {
      const double ms = TimeMs(frame);
      fullWorst = std::max(fullWorst, ms);
      fullTotal += ms;
    }
    if (!picture.empty()) platform::SavePixmapPNG(*platform::GrabPixmap(0, 0, 800, 600), picture);

    std::printf(
        "score_card_bench: worst full card %.2f ms, worst zoom frame %.2f ms, of %d frames each\n",
        fullWorst, zoomWorst, frames);
    verdicts.AtMost("full card, 18 holes with the purse row, mean", fullTotal / frames, 10, "ms");
    verdicts.AtMost("zoom frame, turned and scaled with the goal text, mean",
                    zoomTotal / zoomFrames, 16, "ms");
    status = verdicts.Status();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("score_card_bench: peak resident memory %ld MB\n", usage.ru_maxrss / 1024);
  } catch (const std::exception& e) {
    status = verdicts.CouldNotRun(e.what());
  }
  std::filesystem::remove_all(home);
  return status;
}
