// A save killed at any moment loses nothing. A child process writes the player profile, the settings
// file and the best-scores file in turn, over and over, each write with new contents, and reports
// every write that finished; the test kills it with SIGKILL at random moments (fixed seed). After
// each kill every file must load and be byte for byte either the last write that finished or the
// one that was under way. The temporary files such kills leave behind are removed by the next
// start of the real program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "progress/best_score_list.h"
#include "tests/process/game_process.h"
#include "ui/profile.h"
#include "util/settings.h"

namespace {

namespace fs = std::filesystem;

// One of the three files: how the game writes generation `gen` of it, and which generation a file
// on disk holds (nothing when it does not load).
struct SavedFile {
  const char* name;
  std::function<std::string()> path;
  std::function<bool(int gen)> write;
  std::function<std::optional<int>()> read;
};

std::vector<SavedFile> Files() {
  return {
      {"profile", [] { return Game->ProfilePath + "Kim.dat"; },
       [](int gen) {
         auto kim = TProfile::Create("Kim");
         kim->Score = gen;
         kim->TimeTaken = gen * 0.5;
         kim->HintsShown[gen % TProfile::MAX_HINTS] = 1;
         return kim->Save() == 0;
       },
       []() -> std::optional<int> {
         auto kim = TProfile::Create("Kim");
         kim->Score = -1;
         if (kim->Load() != 1) return std::nullopt;
         return kim->Score;
       }},
      {"settings", [] { return Game->SettingsFilePath(); },
       [](int gen) {
         Game->ProfileName = "Player" + std::to_string(gen);
         Game->SoundVolume = gen % 101;
         Game->IniUpdate(0);
         return true;
       },
       []() -> std::optional<int> {
         const std::string name = ccReadIniLine(Game->SettingsFilePath(), "PROFILE NAME");
         if (name.rfind("Player", 0) != 0) return std::nullopt;
         return std::stoi(name.substr(6));
       }},
      {"best scores", [] { return TBestScoreList::Path(); },
       [](int gen) {
         TBestScoreList best;
         for (int course = 0; course < 3; ++course) {
           best.Add("Kim" + std::to_string(gen), gen + course, "10/12/2026", "01:02", course, 1);
         }
         return best.Save() == 0;
       },
       []() -> std::optional<int> {
         const auto bytes = platform::ReadFileBytes(TBestScoreList::Path());
         std::list<std::shared_ptr<TBestScore>> entries;
         if (!bytes || !TBestScoreList::ParseRecords(*bytes, entries) || entries.size() != 3) return std::nullopt;
         return entries.front()->score;
       }},
  };
}

// The threads of this process. The writer below is a fork that goes on running the game's code
// without starting a program, which is sound only while the process has one thread: a lock another
// thread held at the fork (the allocator's, a stream's) would never be released in the copy.
std::size_t ThreadCount() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/task")) ++count;
  return count;
}

// Writes without flushing to the disk, for making the expected bytes of a generation quickly.
class NoSync : public platform::FileWriteCalls {
 public:
  bool Sync(const std::string& /*path*/, int /*fd*/) override { return true; }
};

class KillSaveTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_game_ = Game;
    Game = std::make_shared<TGame>();
    const std::string root = quill_process::FreshFolder("kill_save");
    Game->SubPath = root + "live/";
    Game->ProfilePath = root + "live/profiles/";
    Game->Ini->FileName = root + "live/Quillbrook";
    scratch_ = root + "expected/";
    ASSERT_TRUE(platform::CreateFolder(Game->ProfilePath));
    ASSERT_TRUE(platform::CreateFolder(scratch_ + "profiles/"));
    Game->IniFill();
  }
  void TearDown() override { Game = saved_game_; }

  // The bytes the game writes for generation `gen` of file `f`.
  std::vector<unsigned char> Expected(std::size_t f, int gen) {
    auto& cache = expected_[f];
    if (auto found = cache.find(gen); found != cache.end()) return found->second;
    NoSync no_sync;
    platform::FileWriteCalls* previous = platform::InstallFileWriteCalls(&no_sync);
    const std::string live_sub = Game->SubPath, live_profiles = Game->ProfilePath,
                      live_ini = Game->Ini->FileName;
    Game->SubPath = scratch_;
    Game->ProfilePath = scratch_ + "profiles/";
    Game->Ini->FileName = scratch_ + "Quillbrook";
    const auto files = Files();
    files[f].write(gen);
    auto bytes = platform::ReadFileBytes(files[f].path()).value_or(std::vector<unsigned char>{});
    Game->SubPath = live_sub;
    Game->ProfilePath = live_profiles;
    Game->Ini->FileName = live_ini;
    platform::InstallFileWriteCalls(previous);
    cache[gen] = bytes;
    return bytes;
  }

  std::shared_ptr<TGame> saved_game_;
  std::string scratch_;
  std::array<std::map<int, std::vector<unsigned char>>, 3> expected_;
};

TEST_F(KillSaveTest, AThousandKillsLoseNoFile) {
  constexpr int kKills = 1000;
  const auto files = Files();
  std::array<int, 3> done{};  // the last generation of each file known to be whole on disk
  for (std::size_t f = 0; f < files.size(); ++f) {
    ASSERT_TRUE(files[f].write(0)) << files[f].name;
  }
  std::mt19937 rng(20261210);
  std::uniform_int_distribution<int> delay_us(0, 12000);
  int next_start = 1;
  std::array<int, 3> landed_on_new{};  // kills after which a file held the write under way
  for (int kill = 0; kill < kKills; ++kill) {
    int reports[2];
    ASSERT_EQ(::pipe2(reports, O_CLOEXEC), 0);
    const int start = next_start;
    ASSERT_EQ(ThreadCount(), 1u) << "the writer would be forked from a process with threads";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(reports[0]);
      for (int gen = start;; ++gen) {
        for (std::size_t f = 0; f < files.size(); ++f) {
          if (!files[f].write(gen)) ::_exit(3);
          const int report[2] = {static_cast<int>(f), gen};
          if (::write(reports[1], report, sizeof report) != static_cast<ssize_t>(sizeof report)) ::_exit(4);
        }
      }
    }
    ::close(reports[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
    // Every finished write the child reported.
    std::array<int, 3> last = done;
    std::array<bool, 3> reported{};
    int report[2];
    while (::read(reports[0], report, sizeof report) == static_cast<ssize_t>(sizeof report)) {
      last[static_cast<std::size_t>(report[0])] = report[1];
      reported[static_cast<std::size_t>(report[0])] = true;
      next_start = std::max(next_start, report[1] + 1);
    }
    ::close(reports[0]);
    for (std::size_t f = 0; f < files.size(); ++f) {
      const int under_way = reported[f] ? last[f] + 1 : start;
      const std::optional<int> held = files[f].read();
      ASSERT_TRUE(held.has_value()) << files[f].name << " does not load after kill " << kill;
      ASSERT_TRUE(*held == last[f] || *held == under_way)
          << files[f].name << " holds generation " << *held << " after kill " << kill << "; expected "
          << last[f] << " or " << under_way;
      const auto bytes = platform::ReadFileBytes(files[f].path());
      ASSERT_TRUE(bytes.has_value());
      ASSERT_EQ(*bytes, Expected(f, *held)) << files[f].name << " after kill " << kill;
      if (*held != last[f]) ++landed_on_new[f];
      done[f] = *held;
      next_start = std::max(next_start, under_way + 1);
    }
  }
  for (std::size_t f = 0; f < files.size(); ++f) {
    RecordProperty(std::string("kills_after_which_the_write_under_way_had_landed_") + std::to_string(f),
                   landed_on_new[f]);
  }
  std::printf("kills: %d; the write under way had already landed in %d (profile), %d (settings), "
              "%d (best scores)\n",
              kKills, landed_on_new[0], landed_on_new[1], landed_on_new[2]);
}

// A save killed part way leaves its temporary file beside the file it was replacing: the next
// start of the program removes those, in the per-user and the profiles folder, and nothing else: a
// player's own files whose names end like one are kept.
TEST(StaleTemporaryFiles, AreRemovedAtTheNextStart) {
  const std::string xdg = quill_process::FreshFolder("stale_temporary");
  const std::string user = quill_process::UserFolder(xdg);
  quill_process::WriteSettings(xdg, "FULL SCREEN=0\r\nFADE=0\r\nPORTAL SPLASH=0\r\nPORTAL SPLASH2=0\r\n");
  fs::create_directories(user + "profiles");
  // Five characters: not a temporary file; the player's own files: not the game's.
  const std::vector<std::string> kept = {user + "profiles/notes.tmp-12345",
                                         user + "notes.txt.tmp-abc123",
                                         user + "photo.png.tmp-abcdef"};
  for (const auto& path : kept) std::ofstream(path, std::ios::binary) << "kept";
  const std::vector<std::string> leftovers = {user + "Quillbrook.ini.tmp-Ab12Cd",
                                              user + "best.dat.tmp-000000",
                                              user + "profiles/Kim.dat.tmp-Zz99Yy"};
  for (const auto& path : leftovers) std::ofstream(path, std::ios::binary) << "half a save";
  quill_process::GameProcess game(xdg, quill_process::StagedDataPrefix());
  const auto anyLeft = [&] {
    return std::any_of(leftovers.begin(), leftovers.end(), [](const std::string& p) { return fs::exists(p); });
  };
  EXPECT_TRUE(game.WaitUntil([&] { return !anyLeft(); }, 30000)) << game.Output();
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, 30000)) << game.Output();
  game.Signal(SIGTERM);
  EXPECT_EQ(game.WaitForExit(30000), 0) << game.Output();
  for (const auto& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
}

}  // namespace
