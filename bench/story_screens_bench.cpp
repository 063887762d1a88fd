// The intro, the newspaper page and the ending on the real data folder, headless (software
// renderer): the time of each screen's Load, and the mean frame (the logic of 1/60 s, three whole
// ticks and a third, and one draw) at the intro's fireworks (phase 3 of the card-spin sequence,
// "Particles" 100) and at 22 s into the ending (rise eased, flashes, sparkles, newspapers).
// Goals (2 pinned cores): frames under 16 ms; Load: intro 1 s, newspaper 0.25 s, ending 0.5 s.
// Usage: taskset -c 0,1 story_screens_bench [frames]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "bench/bench_timing.h"
#include "content/loading.h"
#include "core/game.h"
#include "core/loading_screen.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/game_finished_screen.h"
#include "screens/globals.h"
#include "screens/intro_screen.h"
#include "screens/newspaper_screen.h"
#include "tests/content/real_game.h"
#include "util/animation.h"

namespace {

using bench::Clock;
using bench::Ms;

template <class Fn>
double Timed(Fn&& fn) {
  const auto t0 = Clock::now();
  fn();
  return Ms(t0, Clock::now());
}

// Whole logic steps of the current screen.
void Steps(int n, float delta = 1.0f) {
  for (int i = 0; i < n; ++i) {
    Delta = delta;
    Game->CurrentTScreen->Logic();
  }
  Delta = 1.0f;
}

// The mean of `frames` frames of the current screen.
double MeanFrame(int frames) {
  double total = 0;
  for (int f = 0; f < frames; ++f) {
    total += Timed([] {
      Steps(3);
      Steps(1, 1.0f / 3.0f);
      Game->CurrentTScreen->Draw();
      // The flip makes the renderer draw the frame inside the timing.
      platform::Flip(0);
    });
  }
  return total / frames;
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100;
  // Headless as the other benchmarks: a window (even SDL's dummy one) paces every flip to the display.
  platform::SetHeadless(true);
  bench::Verdicts verdicts("story_screens_bench");
  if (!DataFolderPresent(QUILL_STAGE_PREFIX))
    return verdicts.CouldNotRun("no data folder at " QUILL_STAGE_PREFIX "Data");
  try {
    StartGameForLoading(QUILL_STAGE_PREFIX, 1);
    Game->Fade = 1;
    Game->Particles = 100;

    // The intro's Load on a fresh screen object (the first loading stage made one already).
    IntroScreen->Kill();
    IntroScreen = std::make_shared<TIntroScreen>();
    IntroScreen->Destination = Game->LoadingScreen;
    const double introLoad = Timed([] { IntroScreen->Load(); });
    // (Without its splash: on the headless clock it would wait for time that never passes.)
    Game->Fade = 0;
    IntroScreen->Start();
    Game->Fade = 1;
    Steps(7100);  // into phase 3 of the card-spin sequence (it begins at step 7089)
    const int fireworks = ::Particles->Count();
    const double introFrame = MeanFrame(std::min(frames, 100));  // position 8 ends at step 7460

    LoadData2();
    TPlayer& player = *GameScreen->Player;
    player.Name = "Ann";
    player.SaveData->CourseName = "Skyline Terrace";
    player.SaveData->Male = 1;
    player.SaveData->Avatar = 2;
    double newspaperLoad = 0;
    for (int i = 0; i < 5; ++i) {
      newspaperLoad += Timed([] { NewspaperScreen->Load(); }) / 5;
      NewspaperScreen->Kill();
    }

    double endingLoad = 0;
    for (int i = 0; i < 3; ++i) {
      endingLoad += Timed([] { GameFinishedScreen->Load(); }) / 3;
      if (i < 2) GameFinishedScreen->Kill();
    }
    GameFinishedScreen->Start();
    Steps(4400);  // 22 s
    const std::string current = Game->CurrentTScreen->name;
    const double endingFrame = MeanFrame(frames);

    verdicts.AtMost("intro Load", introLoad, 1000, "ms");
    verdicts.AtMost(
        "intro frame at the fireworks (" + std::to_string(fireworks) + " particles), mean",
        introFrame, 16, "ms");
    verdicts.AtMost("newspaper Load", newspaperLoad, 250, "ms");
    verdicts.AtMost("ending Load", endingLoad, 500, "ms");
    verdicts.AtMost("ending frame at 22 s (" + current + "), mean", endingFrame, 16, "ms");
  } catch (const std::exception& e) {
    return verdicts.CouldNotRun(e.what());
  }
  return verdicts.Status();
}
