// 2,000 live particles moved and drawn per frame on the software renderer (headless target).
// Reports the time of one frame: one Move of the list and one Draw of every particle, flipped so
// the renderer really draws it, and the two halves on their own. Flip leaves a frame whose draws
// are those of the frame before as it was, and draws a changed one only where it changed: each
// drawn frame here clears the screen in a colour one step apart from the last frame's (a
// difference no one sees), so every frame is drawn whole, also when nothing has moved (draw only).
// Goal (2 pinned cores): a frame of 2,000 particles drawn in 4 ms.
// Run: taskset -c 0,1 build/bench/particles_bench

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/bench_timing.h"
#include "bench/gbench_times.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "platform/system.h"

namespace {

constexpr int kParticles = 2000;

std::shared_ptr<TGameImage> SparkImage() {
  auto img = std::make_shared<TGameImage>();
  img->image = platform::CreateImage(16, 16, 1, 0);
  auto pixmap = img->image->LockFrame(0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const int d = (x - 8) * (x - 8) + (y - 8) * (y - 8);
      const unsigned a = d < 64 ? static_cast<unsigned>(255 - d * 4) : 0u;
      pixmap->WritePixel(x, y, (a << 24) | 0xFFE080u);
    }
  img->image->UnlockFrame(0);
  img->GetSize();
  img->MidHandle(1);
  return img;
}

// What each frame runs: 0 move and draw, 1 move only, 2 draw only.
void RunFrames(benchmark::State& state, int what) {
  platform::SetHeadless(true);
  std::string error;
  if (!platform::GraphicsIsOpen() && !platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  Game = std::make_shared<TGame>();
  Delta = 1.0f;
  platform::Random random(42);
  auto image = SparkImage();
  auto list = TParticleList::Create();
  auto spawn = [&](bool lightBlend) {
    auto p = list->AddNew(random.Rand(50, 750), random.Rand(50, 550), image,
                          static_cast<float>(random.Rnd(-0.5, 0.5)),
                          static_cast<float>(random.Rnd(-0.5, 0.5)), 0, 0, lightBlend ? 1 : 0,
                          1, static_cast<float>(random.Rnd(0.5, 2.0)),
                          static_cast<float>(random.Rnd(0.5, 1.5)), 0, 0, 0);
    p->NoOutOfBounds = 1;
    p->Rotation = static_cast<float>(random.Rnd(0.0, 360.0));
  };
  for (int i = 0; i < kParticles; ++i) spawn(i % 2 == 0);
  platform::SetBlend(platform::BLEND_ALPHA);
  int clear = 0;
  for (auto _ : state) {
    if (what != 1) {
      clear = 1 - clear;
      platform::SetClsColor(0, 0, clear);
      platform::Cls();
    }
    if (what != 2) list->Move();
    if (what != 1) {
      list->Draw();
      platform::Flip(0);
    }
  }
  state.counters["particles"] = static_cast<double>(list->Count());
  list->Clear();
  Game.reset();
}

void BM_ParticlesMoveAndDraw(benchmark::State& state) { RunFrames(state, 0); }
void BM_ParticlesMoveOnly(benchmark::State& state) { RunFrames(state, 1); }
void BM_ParticlesDrawOnly(benchmark::State& state) { RunFrames(state, 2); }

}  // namespace

BENCHMARK(BM_ParticlesMoveAndDraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParticlesMoveOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParticlesDrawOnly)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  bench::KeptRuns runs;
  bench::Verdicts verdicts("particles_bench");
  if (!bench::RunBenchmarks(argc, argv, runs)) return verdicts.CouldNotRun("unknown arguments");
  const auto* run = runs.Find("BM_ParticlesMoveAndDraw");
  if (run == nullptr)
    return verdicts.CouldNotRun("BM_ParticlesMoveAndDraw, which its goal judges, did not run");
  verdicts.AtMost("a frame of 2,000 particles moved and drawn",
                  bench::KeptRuns::MsPerIteration(*run), 4, "ms");
  return verdicts.Status();
}
