// Test entry shared by every test executable: switches the platform layer to its headless back-ends
// and points the per-user folder at a fresh temporary folder, so no test touches the player's files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/leak_check.h"
#include "platform/picture_count.h"
#include "platform/system.h"

namespace {

// A quit request stays pending until a main loop takes it; a test that asked for one without
// running the loop must not end the next test's modal loops.
class DropPendingQuit : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo& /*info*/) override { platform::TakeQuitRequest(); }
};

// Each test gets the environment the process started its tests with: a test that points the data
// or per-user folder elsewhere (or unsets HOME) does not move the next test's files.
class RestoreEnvironment : public testing::EmptyTestEventListener {
 public:
  void OnTestProgramStart(const testing::UnitTest& /*unit*/) override {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.push_back(value != nullptr ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void OnTestEnd(const testing::TestInfo& /*info*/) override {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i])
        setenv(kNames[i], saved_[i]->c_str(), 1);
      else
        unsetenv(kNames[i]);
    }
  }

 private:
  static constexpr const char* kNames[] = {"HOME", "XDG_DATA_HOME", "QUILLBROOK_DATA", "QUILL_FIXTURES",
                                           "SDL_VIDEODRIVER", "SDL_AUDIODRIVER", "ALSOFT_DRIVERS"};
  std::vector<std::optional<std::string>> saved_;
};

// A picture the drawing layer made and then lost without freeing fails the test that lost it: what
// the looks during the test found (when a screen was unloaded, when the renderer closed) and what
// a look at its end finds. Once the renderer is closed (a run of the whole program ends with
// that), no surface of ours is alive either.
class CheckPicturesAlive : public testing::EmptyTestEventListener {
 public:
  void OnTestProgramStart(const testing::UnitTest& /*unit*/) override {
    platform::SetUnheldPictureReport([this](const std::string& line) { found_.push_back(line); });
  }
  void OnTestStart(const testing::TestInfo& /*info*/) override { found_.clear(); }
  // (End events reach the listeners last appended first: a failure added here is the test's own,
  // and is printed with it.)
  void OnTestEnd(const testing::TestInfo& /*info*/) override {
    platform::CheckPictures("at the end of the test");
    for (const std::string& line : found_) ADD_FAILURE() << "A picture was lost: " << line;
    found_.clear();
    const platform::PictureCount count = platform::CountPictures();
    if (!platform::GraphicsIsOpen() && count.surfaces != 0) {
      ADD_FAILURE() << count.surfaces << " surface(s) of the drawing layer alive after the renderer closed";
    }
  }

 private:
  std::vector<std::string> found_;
};

}  // namespace

int main(int argc, char** argv) {
  // The program's own path, absolute: a test run in a fresh process of its own starts it again
  // after the working folder has moved (below).
  std::error_code ignoredError;
  std::string self = std::filesystem::read_symlink("/proc/self/exe", ignoredError).string();
  if (!self.empty()) argv[0] = self.data();
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new DropPendingQuit);
  testing::UnitTest::GetInstance()->listeners().Append(new CheckPicturesAlive);
  // Defaults for headless runs; a variable already set by the caller wins.
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("ALSOFT_DRIVERS", "null", 0);
  setenv("QUILLBROOK_DATA", QUILL_TEST_DATA_PREFIX, 0);
  setenv("QUILL_FIXTURES", QUILL_TEST_FIXTURES, 0);
  platform::SetHeadless(true);
  std::string templ = (std::filesystem::temp_directory_path() / "quill-test-XXXXXX").string();
  if (mkdtemp(templ.data()) != nullptr) {
    setenv("XDG_DATA_HOME", templ.c_str(), 1);
    // A file written by a relative name (an error log before the game has its folders) lands in
    // the run's own folder, never in the source tree or the build.
    std::filesystem::current_path(templ, ignoredError);
  }
  // Appended after the variables above are set, so that is the environment each test starts from.
  testing::UnitTest::GetInstance()->listeners().Append(new RestoreEnvironment);
  const int result = RUN_ALL_TESTS();
  // What the tests' listener would have taken now goes to the error output.
  platform::SetUnheldPictureReport(nullptr);
  platform::AudioClose();
  platform::GraphicsClose();
  std::filesystem::current_path(std::filesystem::temp_directory_path(), ignoredError);
  std::filesystem::remove_all(templ, ignoredError);
  return result;
}
