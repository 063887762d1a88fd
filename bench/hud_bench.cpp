// A play frame with the HUD on the real data folder, headless (software renderer): the largest
// committed hole on the table, a timed hole with all eight irons in the bag, a long drive in flight
// and about 2,000 firework particles. A frame is the logic of 1/60 s (three whole ticks and a
// third) and one draw, flipped so the renderer really draws it (the particles and the drive move
// every frame). Reports the median frame with and without the particles, and THUD's own Manage +
// Draw (shown on its own). Goals (2 pinned cores): 25 ms, 6 ms.
// Usage: taskset -c 0,1 hud_bench [frames] [picture.png]   (the picture: the last frame drawn)

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "bench/real_data_run.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/rules.h"
#include "content/loading.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "progress/player.h"
#include "tests/content/real_game.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Ms;

// The hole file with the most cards.
HoleFileData LargestHole(const std::string& dir, std::string& name) {
  HoleFileData best;
  for (const auto& f : std::filesystem::directory_iterator(dir)) {
    std::ifstream in(f.path());
    std::stringstream ss;
    ss << in.rdbuf();
    auto r = ParseHoleFile(ss.str(), f.path().filename().string());
    if (r.ok && r.hole.cards.size() > best.cards.size()) {
      best = r.hole;
      name = f.path().filename().string();
    }
  }
  return best;
}

void Tick(float delta) {
  Delta = delta;
  GameGrid->Manage();
  HUD->Manage();
  for (const auto& list : {IronParticles, ::Particles, Particles2, AnimatedParticles, ScoreParticles})
    list->Manage();
  Delta = 1.0f;
}

void Logic() {
  for (int i = 0; i < 3; ++i) Tick(1.0f);
  Tick(1.0f / 3.0f);
}

void DrawFrame() {
  platform::SetClsColor(63, 143, 58);
  platform::Cls();
  CardList->Draw();
  HUD->Draw();
  for (const auto& list : {::Particles, Particles2, AnimatedParticles, ScoreParticles}) list->Draw();
  platform::SetOrigin(0, 0);
  platform::Flip(0);
}

// Keeps a long drive in the air: a new one starts whenever the last has landed.
void KeepDriveInFlight() {
  if (HUD->MultiplierAnimCounter == 0 && HUD->BallAnimCounter == 0) {
    HUD->Multiplier = HUD->MultiplierGhost = HUD->LastMultiplier = 1.0;
    HUD->DriveLength = 15;
    HUD->MultiplierGhost = 2.0;
    HUD->LongDriveAnimStart();
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
  const std::string picture = argc > 2 ? argv[2] : "";
  const std::string prefix = QUILL_STAGE_PREFIX;
  bench::Verdicts verdicts("hud_bench");
  std::string home;
  if (const std::string why = bench::StartRealDataRun(prefix, &home); !why.empty())
    return verdicts.CouldNotRun(why);
  std::string holeName;
  try {
    StartGameForLoading(prefix);
    LoadData2();
    Game->Particles = 100;
    const char* names[4] = {"sparkle", "spark_line", "sparkle1small", "particlering"};
    for (int i = 0; i < 4; ++i) ParticleImages[static_cast<std::size_t>(i)] = images->Find(names[i]);
    auto& player = *GameScreen->Player;
    for (int n = 2; n <= 9; ++n) player.Irons[static_cast<std::size_t>(n)] = 1;
    player.TimeLimit = 120000;
    player.Score = 12345;
    player.LevelScore = 680;
    GameGrid = TGameGrid::Create();
    const HoleFileData hole = LargestHole(std::string(QUILL_HOLES_DIR), holeName);
    GameGrid->LoadFromData(hole);
    GameGrid->LevelName = "The Vuva Rivudar";
    int value = 1;
    for (const auto& c : CardList->Cards) {
      c->Value = value++ % 13 + 1;
      c->ChooseImage();
    }
    GameGrid->CardsLeft = CardList->Count();
    HUD = std::make_shared<THUD>();
    HUD->LoadImages();
    HUD->Init();
    HUD->FlagLevel = 7;
    HUD->HoleCashBounce();
  } catch (const std::exception& error) {
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return verdicts.CouldNotRun(std::string("set-up stopped: ") + error.what());
  }
  platform::SetBlend(platform::BLEND_ALPHA);

  auto run = [&](int particles, std::vector<double>& frame, std::vector<double>& hud) {
    for (int f = 0; f < frames; ++f) {
      KeepDriveInFlight();
      while (::Particles->Count() < particles) FireworkParticlesMake(400, 300, 50, THUD::FireworkColours[f % 4]);
      const auto t0 = Clock::now();
      Logic();
      DrawFrame();
      const auto t1 = Clock::now();
      frame.push_back(Ms(t0, t1));
      // The HUD alone: one tick of its own and its drawing.
      const auto h0 = Clock::now();
      HUD->Manage();
      HUD->Draw();
      platform::Flip(0);
      const auto h1 = Clock::now();
      hud.push_back(Ms(h0, h1));
    }
  };
  std::vector<double> withParticles, hudWith, without, hudWithout;
  run(2000, withParticles, hudWith);
  const int live = ::Particles->Count();
  ::Particles->Clear();
  run(0, without, hudWithout);
  if (!picture.empty()) {
    ::Particles->Clear();
    for (int i = 0; i < 3; ++i) FireworkParticlesMake(200 + 200 * i, 250, 50, THUD::FireworkColours[i]);
    for (int i = 0; i < 12; ++i) Logic();
    DrawFrame();
    auto pix = platform::GrabPixmap(0, 0, 800, 600);
    if (!pix || !platform::SavePixmapPNG(*pix, picture)) std::fprintf(stderr, "hud_bench: could not write %s\n", picture.c_str());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("hud_bench: hole %s (%d cards), 8 irons, a drive in flight, %d frames\n",
              holeName.c_str(), CardList->Count(), frames);
  std::printf("hud_bench: THUD Manage + Draw alone: median %.3f ms (with particles about), %.3f ms (without)\n",
              Median(hudWith), Median(hudWithout));
  verdicts.AtMost("frame with ~2000 particles (" + std::to_string(live) + " live), median",
                  Median(withParticles), 25, "ms");
  verdicts.AtMost("frame without particles, median", Median(without), 6, "ms");
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return verdicts.Status();
}
