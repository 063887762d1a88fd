// The settings file written with every setting holding a value of its own, checked line by line and
// read back by the next start setting by setting: a setting written under another's key, read into
// another's place, or not read at all, shows under its own name.
//
// The ten switches read back as 0 or 1 only, so the file is written in four rounds: in each round a
// switch takes one binary digit of a code of its own (1..10), so any two switches differ in some
// round, and each is on in one round and off in another. The other settings keep values no other
// setting has.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core_fixture.h"

namespace {

constexpr int kRounds = 4;

struct Setting {
  const char* key;  // as the file spells it
  int TGame::*field;
};

// The switches, in file order.
const std::vector<Setting>& Switches() {
  static const std::vector<Setting> switches = {
      {"FULL SCREEN", &TGame::FullScreen}, {"SOUND", &TGame::Sound},
      {"MUSIC", &TGame::Music},            {"SPEECH", &TGame::Speech},
      {"FADE", &TGame::Fade},              {"PORTAL SPLASH", &TGame::PortalSplash},
      {"PORTAL SPLASH2", &TGame::PortalSplash2}, {"INTRO", &TGame::IntroShow},
      {"VSYNC", &TGame::VSync},            {"DRIVER", &TGame::Driver},
  };
  return switches;
}

// The numbers that are not switches, with the value each takes in round `round`.
struct Number {
  const char* key;
  int TGame::*field;
  int value;
};
std::vector<Number> Numbers(int round) {
  return {
      {"SOUND VOLUME", &TGame::SoundVolume, 11 + round},
      {"MUSIC VOLUME", &TGame::MusicVolume, 22 + round},
      {"SPEECH VOLUME", &TGame::SpeechVolume, 33 + round},
      {"PARTICLES", &TGame::Particles, 44 + round},
      {"FULL SCREEN PROCESS PRIORITY", &TGame::FullScreenProcess, -1001},
      {"FULL SCREEN THREAD PRIORITY", &TGame::FullScreenThread, 1002},
      {"WINDOWED PROCESS PRIORITY", &TGame::WindowedProcess, -1003},
      {"WINDOWED THREAD PRIORITY", &TGame::WindowedThread, 1004},
      // 1 or 2, never 0: a sequence no switch has.
      {"REGION", &TGame::Region, 1 + round % 2},
  };
}

int SwitchValue(std::size_t index, int round) { return (static_cast<int>(index) + 1) >> round & 1; }

const char* DriverOf(int round) {
  static const char* const drivers[kRounds] = {"DirectSound", "OpenAL Generic Software", "None", "FreeAudio"};
  return drivers[round];
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SettingsRoundTrip : public CoreTest, public testing::WithParamInterface<int> {};

TEST_P(SettingsRoundTrip, EverySettingIsWrittenUnderItsKeyAndReadBackInItsPlace) {
  const int round = GetParam();
  for (std::size_t i = 0; i < Switches().size(); ++i) (*Game).*(Switches()[i].field) = SwitchValue(i, round);
  for (const Number& n : Numbers(round)) (*Game).*(n.field) = n.value;
  Game->SoundDriver = DriverOf(round);
  Game->ProfileName = "Player of round " + std::to_string(round);
  Game->IniUpdate(0);

  // Each line holds its own setting's value.
  const std::string file = ReadFile(Game->SettingsFilePath());
  for (std::size_t i = 0; i < Switches().size(); ++i) {
    const std::string line = std::string("\n") + Switches()[i].key + "=" + std::to_string(SwitchValue(i, round)) + "\r\n";
    EXPECT_NE(("\n" + file).find(line), std::string::npos) << Switches()[i].key;
  }
  for (const Number& n : Numbers(round)) {
    const std::string line = std::string("\n") + n.key + "=" + std::to_string(n.value) + "\r\n";
    EXPECT_NE(("\n" + file).find(line), std::string::npos) << n.key;
  }
  EXPECT_NE(file.find(std::string("\nSOUND DRIVER=") + DriverOf(round) + "\r\n"), std::string::npos);
  EXPECT_NE(file.find("\nPROFILE NAME=Player of round " + std::to_string(round) + "\r\n"), std::string::npos);

  // The next start reads each back into its own place.
  MakeGame();
  for (std::size_t i = 0; i < Switches().size(); ++i)
    EXPECT_EQ((*Game).*(Switches()[i].field), SwitchValue(i, round)) << Switches()[i].key;
  for (const Number& n : Numbers(round)) EXPECT_EQ((*Game).*(n.field), n.value) << n.key;
  EXPECT_EQ(Game->SoundDriver, DriverOf(round));
  EXPECT_EQ(Game->ProfileName, "Player of round " + std::to_string(round));
}

INSTANTIATE_TEST_SUITE_P(Rounds, SettingsRoundTrip, testing::Range(0, kRounds));

}  // namespace
