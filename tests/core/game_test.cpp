// The start-up clean-up: it removes the temporary files that interrupted saves of the game's own
// files left, in the per-user and the profiles folder, and keeps every other file, the player's
// own ones whose names only end like a temporary file included.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "core_fixture.h"

namespace {

struct Leftover {
  const char* folder;  // "" for the per-user folder, "profiles/"
  const char* name;
  bool removed;
};

void PrintTo(const Leftover& leftover, std::ostream* out) {
  *out << leftover.folder << leftover.name;
}

class StartUpCleanUp : public CoreTest, public testing::WithParamInterface<Leftover> {};

TEST_P(StartUpCleanUp, RemovesOnlyTheTemporaryFilesOfTheGamesOwnFiles) {
  const Leftover& leftover = GetParam();
  const std::string path = SubPath() + leftover.folder + leftover.name;
  std::ofstream(path, std::ios::binary) << "half a save, or a player's file";
  MakeGame();  // the next start
  EXPECT_EQ(std::filesystem::exists(path), !leftover.removed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StartUpCleanUp,
    testing::Values(
        // The per-user folder: the settings, the best scores, the two markers, the error log and a
        // screenshot are the game's, in whatever spelling the file already had.
        Leftover{"", "Quillbrook.ini.tmp-Ab12Cd", true},
        Leftover{"", "quillbrook.INI.tmp-Ab12Cd", true}, Leftover{"", "best.dat.tmp-000000", true},
        Leftover{"", "GoodExit.dat.tmp-a1b2c3", true},
        Leftover{"", "inichanged.dat.tmp-ZZZZZZ", true},
        Leftover{"", "ErrorLog.txt.tmp-abc123", true},
        Leftover{"", "2026-12-07 210509 screenshot.png.tmp-abcdef", true},
        // ... and nothing else of the same kinds.
        Leftover{"", "notes.txt.tmp-abc123", false}, Leftover{"", "photo.png.tmp-abcdef", false},
        Leftover{"", "scores.dat.tmp-abc123", false}, Leftover{"", "Kim.dat.tmp-abc123", false},
        Leftover{"", "Quillbrook.lock.tmp-abc123", false},
        Leftover{"", "mybest.dat.tmp-abc123", false},
        Leftover{"", "holiday screenshot.png.tmp-abcdef", false},
        Leftover{"", "2026-12-07 2105 screenshot.png.tmp-abcdef", false},
        Leftover{"", "best.dat.tmp-abc12", false}, Leftover{"", "best.dat.tmp-ab-c12", false},
        // The profiles folder: a player's file, for any name a player can take.
        Leftover{"profiles/", "Kim.dat.tmp-Zz99Yy", true},
        Leftover{"profiles/", "Ann Lee.DAT.tmp-abc123", true},
        Leftover{"profiles/", "al.tmp-Jo.dat.tmp-a1b2c3", true},
        Leftover{"profiles/", "notes.txt.tmp-abc123", false},
        Leftover{"profiles/", "photo.png.tmp-abcdef", false},
        Leftover{"profiles/", "Quillbrook.ini.tmp-abc123", false},
        Leftover{"profiles/", ".dat.tmp-abc123", false},
        Leftover{"profiles/", " .dat.tmp-abc123", false},
        Leftover{"profiles/", ".Kim.dat.tmp-abc123", false},
        Leftover{"profiles/", "a:b.dat.tmp-abc123", false},
        Leftover{"profiles/", "Kim.dat.bak.tmp-abc123", false}),
    [](const testing::TestParamInfo<Leftover>& info) {
      std::string name = std::string(info.param.folder[0] != 0 ? "profiles_" : "user_") +
                         info.param.name + (info.param.removed ? "_removed" : "_kept");
      for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
      }
      return name;
    });

}  // namespace
