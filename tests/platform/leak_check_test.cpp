// The leak checker (platform/leak_check.h) reports every block of ours and passes over only what
// SDL and the system keep for themselves: a program that starts SDL as the game does and loses
// blocks on purpose, each in a function of its own (leak_probe.cpp), is told of each of them at its
// exit, with that function in the leak's stack, and of nothing else. Built only with the
// sanitizers.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The probe's whole output (its leak report goes to the error output) and its exit status.
struct ProbeRun {
  std::string output;
  int status = -1;
};

ProbeRun RunProbe() {
  ProbeRun run;
  FILE* pipe = ::popen("\"" QUILL_LEAK_PROBE "\" 2>&1", "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// The probe is run once for every test of this file.
const ProbeRun& Probe() {
  static const ProbeRun run = RunProbe();
  return run;
}

// Each leak the report tells of: its heading line ("Direct leak of 96 byte(s) ...") and the stack
// under it, up to the blank line after.
std::vector<std::string> Leaks(const std::string& report) {
  std::vector<std::string> leaks;
  std::istringstream lines(report);
  std::string line;
  bool in_leak = false;
  while (std::getline(lines, line)) {
    if (line.find("Direct leak of") != std::string::npos || line.find("Indirect leak of") != std::string::npos) {
      leaks.push_back(line);
      in_leak = true;
    } else if (line.empty()) {
      in_leak = false;
    } else if (in_leak) {
      leaks.back() += "\n" + line;
    }
  }
  return leaks;
}

constexpr const char* kLosers[] = {"LoseSurfaceOnPurpose",    "LoseTextureOnPurpose",
                                   "LoseSoundOnPurpose",      "LoseStreamOnPurpose",
                                   "LoseImageOwnerOnPurpose", "LoseSoundOwnerOnPurpose",
                                   "LoseBlockOnPurpose"};

TEST(LeakCheckTest, OnlyTheBlocksLostOnPurposeAreReported) {
  const ProbeRun& run = Probe();
  SCOPED_TRACE(run.output);
  EXPECT_NE(run.status, 2) << "the probe could not open its window";
  EXPECT_NE(run.status, 0) << "no leak was reported";
  for (const std::string& leak : Leaks(run.output)) {
    bool on_purpose = false;
    for (const char* loser : kLosers)
      on_purpose = on_purpose || leak.find(loser) != std::string::npos;
    EXPECT_TRUE(on_purpose) << "a leak not lost on purpose:\n" << leak;
  }
}

// A block lost on purpose: the function of the probe that lost it, and how the report tells of it.
struct Lost {
  const char* loser;
  const char* kind;       // "Direct" (held by nothing) or "Indirect" (held by a lost block)
  std::size_t bytes;      // its size, at least
  std::size_t slack = 0;  // and at most this more (SDL pads the rows of its pixels)
};
void PrintTo(const Lost& lost, std::ostream* out) { *out << lost.loser; }

// The size a leak's heading tells ("Direct leak of 96 byte(s) ..."), 0 when it is not of `kind`.
std::size_t LeakBytes(const std::string& leak, const std::string& kind) {
  const std::string heading = kind + " leak of ";
  if (leak.rfind(heading, 0) != 0) return 0;
  return std::strtoull(leak.c_str() + heading.size(), nullptr, 10);
}

class LostBlockTest : public testing::TestWithParam<Lost> {};

// The block is reported, and its stack names the function of ours that lost it (SDL keeps no frame
// pointers: what it allocates for us is allocated under the frame of the function that called it).
TEST_P(LostBlockTest, IsReportedWithTheFunctionThatLostIt) {
  const Lost& lost = GetParam();
  const ProbeRun& run = Probe();
  SCOPED_TRACE(run.output);
  int found = 0;
  for (const std::string& leak : Leaks(run.output)) {
    const std::size_t bytes = LeakBytes(leak, lost.kind);
    if (bytes >= lost.bytes && bytes <= lost.bytes + lost.slack &&
        leak.find(lost.loser) != std::string::npos)
      ++found;
  }
  EXPECT_EQ(found, 1) << lost.kind << " leak of " << lost.bytes << " byte(s) (or up to "
                      << lost.slack << " more) with " << lost.loser << " in its stack";
}

INSTANTIATE_TEST_SUITE_P(
    LeakCheck, LostBlockTest,
    testing::Values(
        // The surface's pixels (256 x 256), held by its header.
        Lost{"LoseSurfaceOnPurpose", "Indirect", 256 * 256 * 4, 256},
        // The texture's pixels (128 x 128) in the software renderer, held by the lost renderer.
        Lost{"LoseTextureOnPurpose", "Indirect", 128 * 128 * 4, 256},
        // The samples SDL decoded (3000 frames of 16 bits).
        Lost{"LoseSoundOnPurpose", "Direct", 3000 * 2},
        Lost{"LoseStreamOnPurpose", "Direct", sizeof(SDL_RWops)},
        // The image's pixels (96 x 96), held by the image, held by the lost owner.
        Lost{"LoseImageOwnerOnPurpose", "Indirect", 96 * 96 * 4},
        // The sound's path (280 characters), held by the sound, held by the lost owner.
        Lost{"LoseSoundOwnerOnPurpose", "Indirect", 281, 280},
        Lost{"LoseBlockOnPurpose", "Direct", 1000}),
    [](const testing::TestParamInfo<Lost>& info) { return std::string(info.param.loser); });

}  // namespace
