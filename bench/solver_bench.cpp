// Hole solver speed: holes of the committed level data, dealt with a fixed seed and solved with
// full knowledge of the deal. The headline case is every 35-card hole with a 16-card stock (no
// irons or wild shots dealt). One iteration solves every deal of the set once, so the figures
// cover every hole, not the first few a short run would reach: items per second is holes solved
// per second, "holes" how many deals a pass solves, "cut_by_budget" how many of them stopped at the
// solver's node budget (their result is the best found, not proven best).
// Goals, the figures recorded when it was written: a 35-card hole 7.5 ms, a hole of any size 3 ms,
// a careful player's deal 0.15 ms.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "bench/bench_timing.h"
#include "bench/gbench_times.h"
#include "cards/hole_solver.h"
#include "platform/random.h"

namespace {

struct Dealt {
  SolverLayout layout;
  HoleDeal deal;
};

// Deals of every committed hole whose card count lies in [lo, hi], `perHole` deals each.
std::vector<Dealt> LoadDeals(int lo, int hi, int perHole, const DealOptions& options) {
  std::vector<Dealt> out;
  platform::Random rng(2024);
  std::vector<std::filesystem::path> files;
  for (const auto& f : std::filesystem::directory_iterator(QUILL_HOLES_DIR)) files.push_back(f.path());
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    const HoleFileResult r = ParseHoleFile(ss.str(), path.filename().string());
    const int n = static_cast<int>(r.hole.cards.size());
    if (!r.ok || n < lo || n > hi) continue;
    SolverLayout layout;
    std::string error;
    if (!BuildSolverLayout(r.hole, layout, error)) continue;
    for (int d = 0; d < perHole; ++d) out.push_back({layout, DealHole(layout, rng, options)});
  }
  return out;
}

void Solve(benchmark::State& state, const std::vector<Dealt>& deals) {
  if (deals.empty()) {
    state.SkipWithError("no holes of that size in the level data");
    return;
  }
  THoleSolver solver;
  long nodes = 0, cut = 0;
  for (auto _ : state) {
    nodes = 0;
    cut = 0;
    for (const Dealt& dealt : deals) {
      const SolveResult r = solver.Solve(dealt.layout, dealt.deal);
      benchmark::DoNotOptimize(r.cardsLeft);
      nodes += r.nodes;
      cut += r.complete ? 0 : 1;
    }
  }
  const double holes = static_cast<double>(deals.size());
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(deals.size()));
  state.counters["holes"] = benchmark::Counter(holes);
  state.counters["nodes_per_hole"] = benchmark::Counter(static_cast<double>(nodes) / holes);
  state.counters["cut_by_budget"] = benchmark::Counter(static_cast<double>(cut));
}

void BM_Solve35CardsStock16(benchmark::State& state) {
  static const auto deals = LoadDeals(35, 35, 40, {0, 0, 0});
  Solve(state, deals);
}
BENCHMARK(BM_Solve35CardsStock16)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SolveEveryHoleSize(benchmark::State& state) {
  static const auto deals = LoadDeals(0, 99, 1, {});
  Solve(state, deals);
}
BENCHMARK(BM_SolveEveryHoleSize)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CarefulPlayer35Cards(benchmark::State& state) {
  static const auto deals = LoadDeals(35, 35, 40, {0, 0, 0});
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlayLikeAPlayer(deals[i].layout, deals[i].deal));
    i = (i + 1) % deals.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CarefulPlayer35Cards)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::KeptRuns runs;
  bench::Verdicts verdicts("solver_bench");
  if (!bench::RunBenchmarks(argc, argv, runs)) return verdicts.CouldNotRun("unknown arguments");
  int judged = 0;
  // Per hole: a pass solves every deal of its set once.
  auto perHole = [&](const char* name, const char* what, double goal) {
    const auto* run = runs.Find(name);
    if (run == nullptr) return;
    const auto holes = run->counters.find("holes");
    const double count = holes == run->counters.end() ? 1.0 : static_cast<double>(holes->second);
    verdicts.AtMost(what, bench::KeptRuns::MsPerIteration(*run) / (count > 0 ? count : 1.0), goal,
                    "ms");
    ++judged;
  };
  perHole("BM_Solve35CardsStock16/iterations:1", "a 35-card hole with a 16-card stock solved", 7.5);
  perHole("BM_SolveEveryHoleSize/iterations:1", "a hole of the level data solved", 3.0);
  if (const auto* run = runs.Find("BM_CarefulPlayer35Cards")) {
    verdicts.AtMost("a careful player's 35-card deal", bench::KeptRuns::MsPerIteration(*run), 0.15,
                    "ms");
    ++judged;
  }
  return judged > 0 ? verdicts.Status()
                    : verdicts.CouldNotRun("none of the benchmarks its goals judge ran");
}
