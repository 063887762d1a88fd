// The leak checker's suppressions (platform/leak_check.h) pass over only what SDL and the system
// keep for themselves: a program that starts SDL as the game does and loses a surface, a texture
// and a plain block on purpose (leak_probe.cpp) is told of those three at its exit, and of nothing
// else. Built only with the sanitizers.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
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

// SDL keeps no frame pointers, so a stack is followed no further than the frame SDL allocated
// through: a picture's blocks are told by that frame (PictureOfOurs...), the plain block by its
// whole stack.
TEST(LeakCheckTest, PicturesAndBlocksLostOnPurposeAreReportedAndNothingElse) {
  const ProbeRun run = RunProbe();
  SCOPED_TRACE(run.output);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.status, 2) << "the probe could not open its window";
  const std::vector<std::string> leaks = Leaks(run.output);
  int block = 0, picture = 0;
  for (const std::string& leak : leaks) {
    const bool of_picture = leak.find("PictureOfOurs") != std::string::npos;
    const bool of_block = leak.find("LoseBlockOnPurpose") != std::string::npos;
    EXPECT_TRUE(of_picture || of_block) << "a leak not lost on purpose:\n" << leak;
    picture += of_picture ? 1 : 0;
    block += of_block ? 1 : 0;
  }
  EXPECT_EQ(block, 1);
  // The lost surface: its header, its pixels (256 x 256) and its blit map at least.
  EXPECT_GE(picture, 3);
  EXPECT_NE(run.output.find("Indirect leak of 262"), std::string::npos) << "the surface's pixels are not reported";
}

}  // namespace
