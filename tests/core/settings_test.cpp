// The settings file: its 21 lines, clamping on reading, and the crash-recovery markers.
#include <fstream>
#include <ostream>
#include <sstream>

#include "core_fixture.h"
#include "tests/support/read_faults.h"
#include "util/error.h"
#include "util/settings.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

}  // namespace

using SettingsTest = CoreTest;

TEST_F(SettingsTest, FirstRunWritesTheTwentyOneLinesInOrderOverTheDefaultFile) {
  EXPECT_TRUE(platform::FolderExists(SubPath()));
  EXPECT_TRUE(platform::FolderExists(SubPath() + "profiles/"));
  EXPECT_EQ(Game->ProfilePath, SubPath() + "profiles/");
  EXPECT_EQ(ReadFile(Game->SettingsFilePath()),
            "FULL SCREEN=0\r\nSOUND=1\r\nMUSIC=1\r\nSPEECH=1\r\nSOUND VOLUME=100\r\n"
            "MUSIC VOLUME=70\r\nSPEECH VOLUME=100\r\nFADE=1\r\nPARTICLES=55\r\n"
            "PORTAL SPLASH=0\r\nPORTAL SPLASH2=0\r\nINTRO=0\r\nVSYNC=1\r\nDRIVER=0\r\n"
            "SOUND DRIVER=FreeAudio\r\nFULL SCREEN PROCESS PRIORITY=0\r\n"
            "FULL SCREEN THREAD PRIORITY=0\r\nWINDOWED PROCESS PRIORITY=0\r\n"
            "WINDOWED THREAD PRIORITY=0\r\nPROFILE NAME=\r\nREGION=1\r\n");
  EXPECT_EQ(Game->FullScreen, 0);
  EXPECT_EQ(Game->MusicVolume, 70);
  EXPECT_EQ(Game->Particles, 55);
  EXPECT_EQ(Game->Region, 1);
}

TEST_F(SettingsTest, ValuesAreClampedOnReading) {
  WriteFile(Game->SettingsFilePath(),
            "MUSIC VOLUME=250\r\nSOUND VOLUME=-4\r\nPARTICLES=1000\r\nREGION=7\r\nSOUND=5\r\n"
            "FADE=-1\r\nSOUND DRIVER=Bogus Driver\r\nprofile name=Ann=Lee\r\n");
  MakeGame();
  EXPECT_EQ(Game->MusicVolume, 100);
  EXPECT_EQ(Game->SoundVolume, 0);
  EXPECT_EQ(Game->Particles, 100);
  EXPECT_EQ(Game->Region, 2);
  EXPECT_EQ(Game->Sound, 1);
  EXPECT_EQ(Game->Fade, 1);
  EXPECT_EQ(Game->SoundDriver, "FreeAudio");
  EXPECT_EQ(Game->ProfileName, "Ann=Lee");
  EXPECT_NE(ReadFile(Game->SettingsFilePath()).find("MUSIC VOLUME=100\r\n"), std::string::npos);
}

TEST_F(SettingsTest, ParticlesSetClampsAndSavesOnlyWithSaveOne) {
  Game->ParticlesSet(150, 0);
  EXPECT_EQ(Game->Particles, 100);
  EXPECT_FALSE(platform::FileExists(SubPath() + "inichanged.dat"));
  Game->ParticlesSet(-5, 1);
  EXPECT_EQ(Game->Particles, 0);
  EXPECT_TRUE(platform::FileExists(SubPath() + "inichanged.dat"));
  EXPECT_NE(ReadFile(Game->SettingsFilePath()).find("PARTICLES=0\r\n"), std::string::npos);
}

TEST_F(SettingsTest, OpeningTheGraphicsRewritesTheSettingsWithoutAMarker) {
  Game->IniUpdate(0);
  EXPECT_FALSE(platform::FileExists(SubPath() + "inichanged.dat"));
}

struct MarkerCase {
  const char* name;
  bool goodExit;
  bool changed;
  int musicVolumeAfter;  // 20 = the player's setting kept, 70 = the default file's
};

class MarkerStates : public CoreTest, public testing::WithParamInterface<MarkerCase> {};

TEST_P(MarkerStates, TheNextStartKeepsOrRebuildsTheSettings) {
  const MarkerCase& c = GetParam();
  Game->ProfileName = "Ann";
  Game->MusicSetVolume(20, 0);
  Game->IniUpdate(0);
  platform::DeleteFile(SubPath() + "inichanged.dat");
  if (c.changed) Game->IniUpdate(1);
  if (c.goodExit) TGame::MakeGoodExit();

  MakeGame(false);
  Game->CheckGoodExit();
  Game->Init(0);
  EXPECT_EQ(Game->MusicVolume, c.musicVolumeAfter);
  EXPECT_EQ(Game->ProfileName, "Ann");  // never lost
  EXPECT_FALSE(platform::FileExists(SubPath() + "GoodExit.dat"));
  EXPECT_FALSE(platform::FileExists(SubPath() + "inichanged.dat"));
}

INSTANTIATE_TEST_SUITE_P(Markers, MarkerStates,
                         testing::Values(MarkerCase{"CleanExit", true, true, 20},
                                         MarkerCase{"CleanExitNoChange", true, false, 20},
                                         MarkerCase{"FailedRunNoChange", false, false, 20},
                                         MarkerCase{"FailedRunWithChange", false, true, 70}),
                         [](const auto& info) { return std::string(info.param.name); });

// A settings file that is there but cannot be read (another user's, or of mode 000; the file layer
// refuses its open, so this holds for a user who may read every file too), at the start after a
// clean run or after one that changed the settings and ended without its marker: it is never
// rebuilt from the default file nor taken for a missing one. It is kept whole as
// "Quillbrook.ini.damaged", named with the reason in a message and in the log, and the game goes
// on with its own settings.
struct LastRun {
  const char* name;
  bool goodExit;  // the last run left its clean-exit marker (it changed the settings either way)
};

void PrintTo(const LastRun& run, std::ostream* os) { *os << run.name; }

class UnreadableSettings : public CoreTest, public testing::WithParamInterface<LastRun> {};

TEST_P(UnreadableSettings, AreSetAsideWholeAndTheGameGoesOnWithItsOwn) {
  Game->ProfileName = "Ann";
  Game->MusicSetVolume(20, 1);
  ASSERT_TRUE(platform::FileExists(SubPath() + "inichanged.dat"));
  if (GetParam().goodExit) TGame::MakeGoodExit();
  const std::string settings = Game->SettingsFilePath();
  const auto before = platform::ReadFileBytes(settings);
  ASSERT_TRUE(before);

  testing::internal::CaptureStderr();
  {
    quill_test::ReadFaults faults(settings);
    MakeGame(false);
    Game->CheckGoodExit();
    Game->Init(0);
  }
  const std::string said = testing::internal::GetCapturedStderr();

  EXPECT_EQ(platform::ReadFileBytes(settings + ".damaged"), before) << said;
  const std::string message = "The settings file '" + settings +
                              "' is damaged: Permission denied; it has been put aside as '" +
                              settings + ".damaged'.";
  EXPECT_NE(said.find(message), std::string::npos) << said;
  EXPECT_NE(ReadFile(SubPath() + "ErrorLog.txt").find(message), std::string::npos);
  EXPECT_EQ(said.find("Default ini file restored!"), std::string::npos) << said;
  // The game's own settings (not the default file's 70), written afresh at the settings' name.
  EXPECT_EQ(Game->MusicVolume, 100);
  EXPECT_EQ(Game->ProfileName, "");
  EXPECT_NE(ReadFile(settings).find("MUSIC VOLUME=100\r\n"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(SubPath() + "inichanged.dat"));
}

INSTANTIATE_TEST_SUITE_P(Markers, UnreadableSettings,
                         testing::Values(LastRun{"CleanExit", true},
                                         LastRun{"FailedRunWithChange", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, RecoveryWithoutADefaultFileKeepsTheOldSettings) {
  Game->ProfileName = "Bea";
  Game->MusicSetVolume(33, 1);
  const std::string empty = (home_ / "nodata/").string();
  platform::CreateFolder(empty);
  setenv("QUILLBROOK_DATA", empty.c_str(), 1);
  MakeGame(false);
  Game->CheckGoodExit();
  Game->Init(0);
  EXPECT_EQ(Game->MusicVolume, 33);
  EXPECT_EQ(Game->ProfileName, "Bea");
  EXPECT_FALSE(platform::FileExists(SubPath() + "inichanged.dat"));
}

TEST_F(SettingsTest, RecoveryAddsTheNameWhenTheDefaultFileLacksItsLine) {
  const std::string data = (home_ / "data2/").string();
  platform::CreateFolder(data + "data");
  WriteFile(data + "data/Default.ini", "MUSIC VOLUME=40\r\n");
  Game->ProfileName = "Cy";
  Game->IniUpdate(1);
  setenv("QUILLBROOK_DATA", data.c_str(), 1);
  MakeGame(false);
  Game->CheckGoodExit();
  Game->Init(0);
  EXPECT_EQ(Game->MusicVolume, 40);
  EXPECT_EQ(Game->ProfileName, "Cy");
}

// The staged data folder is spelt "Data": its default file must be found on a file system that
// tells "data" and "Data" apart, both on a first run and when recovering from a failed run.
TEST_F(SettingsTest, TheDefaultFileIsFoundInTheDataFolderSpeltWithACapital) {
  const std::string data = (home_ / "data3/").string();
  platform::CreateFolder(data + "Data");
  WriteFile(data + "Data/Default.ini", "FULL SCREEN=0\r\nMUSIC VOLUME=45\r\nPROFILE NAME=\r\n");
  std::filesystem::remove(SubPath() + "Quillbrook.ini");
  setenv("QUILLBROOK_DATA", data.c_str(), 1);
  MakeGame(false);
  Game->CheckGoodExit();
  Game->Init(0);
  EXPECT_EQ(Game->FullScreen, 0);
  EXPECT_EQ(Game->MusicVolume, 45);

  Game->ProfileName = "Di";
  Game->MusicSetVolume(12, 1);
  MakeGame(false);
  Game->CheckGoodExit();
  Game->Init(0);
  EXPECT_EQ(Game->MusicVolume, 45);
  EXPECT_EQ(Game->ProfileName, "Di");
}

// A damaged default file stops the first run with a message that names it as it stands on disk,
// in the data folder spelt with a capital as staged, or without one where a folder is so spelt.
TEST_F(SettingsTest, ADamagedDefaultFileIsNamedAsItStandsOnDisk) {
  int run = 0;
  for (const std::string folder : {"Data", "data"}) {
    SCOPED_TRACE(folder);
    const std::string data = (home_ / ("damaged-" + std::to_string(++run) + "/")).string();
    platform::CreateFolder(data + folder);
    // Past the bound of a settings file: refused unread.
    WriteFile(data + folder + "/Default.ini", std::string(200 << 10, '\n'));
    std::filesystem::remove(SubPath() + "Quillbrook.ini");
    setenv("QUILLBROOK_DATA", data.c_str(), 1);
    MakeGame(false);
    try {
      Game->Init(0);
      ADD_FAILURE() << "the damaged default file was read";
    } catch (const ccFatalError& error) {
      const std::string named = "The data file " + data + folder + "/Default.ini is damaged: ";
      EXPECT_EQ(std::string(error.what()).substr(0, named.size()), named);
    }
  }
}
