// The settings file and the crash-recovery markers.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/system.h"
#include "util/error.h"
#include "util/files.h"
#include "util/settings.h"
#include "util/strings.h"

namespace {

enum class Kind { Switch, Int, Volume, Percent, Region, Driver, Text };

struct SettingKey {
  const char* key;
  Kind kind;
};

// The 21 keys in file order.
constexpr std::array<SettingKey, 21> kKeys = {{
    {"Full Screen", Kind::Switch},
    {"Sound", Kind::Switch},
    {"Music", Kind::Switch},
    {"Speech", Kind::Switch},
    {"Sound Volume", Kind::Volume},
    {"Music Volume", Kind::Volume},
    {"Speech Volume", Kind::Volume},
    {"Fade", Kind::Switch},
    {"Particles", Kind::Percent},
    {"Portal Splash", Kind::Switch},
    {"Portal Splash2", Kind::Switch},
    {"Intro", Kind::Switch},
    {"VSync", Kind::Switch},
    {"Driver", Kind::Switch},
    {"Sound Driver", Kind::Driver},
    {"Full Screen Process Priority", Kind::Int},
    {"Full Screen Thread Priority", Kind::Int},
    {"Windowed Process Priority", Kind::Int},
    {"Windowed Thread Priority", Kind::Int},
    {"Profile Name", Kind::Text},
    {"Region", Kind::Region},
}};

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// Text to int as the settings read it: leading blanks, an optional sign, then digits up to the
// first other character; no digits give 0. Values far out of range saturate instead of wrapping.
int ToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL << 40);
    ++i;
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, -2147483647LL, 2147483647LL));
}

bool KnownDriver(const std::string& name) {
  return name == "FreeAudio" || name == "DirectSound" || name == "OpenAL Generic Software" ||
         name == "None";
}

}  // namespace

int TGame::IniFill() {
  Ini->Lines.clear();
  const std::array<int, 21> numbers = {
      FullScreen,    Sound,        Music,          Speech,         SoundVolume,
      MusicVolume,   SpeechVolume, Fade,           Particles,      PortalSplash,
      PortalSplash2, IntroShow,    VSync,          Driver,         0,
      FullScreenProcess, FullScreenThread, WindowedProcess, WindowedThread, 0,
      Region};
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    std::string value;
    if (kKeys[i].kind == Kind::Driver) {
      value = SoundDriver;
    } else if (kKeys[i].kind == Kind::Text) {
      value = ProfileName;
    } else {
      value = std::to_string(numbers[i]);
    }
    Ini->Add(kKeys[i].key, value);
  }
  return 0;
}

int TGame::IniExtract() {
  std::array<int*, 21> fields = {
      &FullScreen,    &Sound,        &Music,      &Speech,    &SoundVolume,
      &MusicVolume,   &SpeechVolume, &Fade,       &Particles, &PortalSplash,
      &PortalSplash2, &IntroShow,    &VSync,      &Driver,    nullptr,
      &FullScreenProcess, &FullScreenThread, &WindowedProcess, &WindowedThread, nullptr,
      &Region};
  for (const auto& line : Ini->Lines) {
    if (!line) continue;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
      if (line->Name != UpperCase(kKeys[i].key)) continue;
      const std::string& value = line->Value;
      // Values are clamped to what the rest of the game expects, so a hand-edited or damaged
      // file cannot put a volume of 250 or a region of 7 into play.
      switch (kKeys[i].kind) {
        case Kind::Switch:
          *fields[i] = ToInt(value) != 0 ? 1 : 0;
          break;
        case Kind::Int:
          *fields[i] = ToInt(value);
          break;
        case Kind::Volume:
        case Kind::Percent:
          *fields[i] = std::clamp(ToInt(value), 0, 100);
          break;
        case Kind::Region:
          *fields[i] = std::clamp(ToInt(value), 0, 2);
          break;
        case Kind::Driver:
          SoundDriver = KnownDriver(value) ? value : std::string("FreeAudio");
          break;
        case Kind::Text:
          ProfileName = value;
          break;
      }
    }
  }
  return 0;
}

int TGame::IniUpdate(int flag) {
  IniFill();
  Ini->Save();
  if (flag != 0) {
    const std::string marker = SubPath + "inichanged.dat";
    platform::WriteFileAtomic(marker, std::string());
  }
  return 0;
}

int TGame::MakeGoodExit() {
  if (!Game) return 0;
  const std::string marker =
      Game->UseCorrectPath ? Game->SubPath + "GoodExit.dat" : std::string("Data/GoodExit.dat");
  // The game is ending either way; the reason is told, since the next start takes this run for a
  // crash (a folder moved away while the game ran, a full disk).
  std::string error;
  if (!platform::WriteFileAtomic(marker, std::string(), &error)) {
    std::fprintf(stderr, "Warning: the clean-exit marker %s could not be written: %s\n",
                 marker.c_str(), error.c_str());
  }
  return 0;
}

int TGame::CheckGoodExit() {
  const std::string goodExit = SubPath + "GoodExit.dat";
  const std::string changed = SubPath + "inichanged.dat";
  if (platform::FileExists(goodExit)) {
    platform::DeleteFile(goodExit);
    platform::DeleteFile(changed);
    return 0;
  }
  if (!platform::FileExists(changed)) return 0;

  // A run that had changed the settings ended without its clean-exit marker: the settings are
  // rebuilt from the default file, keeping the player's name. The default file is only read, and
  // the new file replaces the old one in a single atomic write, so a failure at any point leaves
  // the old settings (and the name) in place.
  const std::string settings = SettingsFilePath();
  // A settings file that is there but is not read (not a plain file, far too large, or one that
  // cannot be read) is left to the settings' own load, which keeps it and reports it: read as ""
  // here, it would be replaced and its player's name lost.
  const platform::BoundedRead old = platform::ReadBoundedFile(settings, SETTINGS_FILE_MAX_BYTES);
  if (!old.Read() && !old.Missing()) {
    platform::DeleteFile(changed);
    return 0;
  }
  const std::string name = ccReadIniLine(settings, "profile name");
  platform::BoundedRead defaults =
      platform::ReadBoundedFile(DefaultSettingsPath(), SETTINGS_FILE_MAX_BYTES);
  if (defaults.Refused())
    ccRunTimeError(ccDamagedDataFile(DefaultSettingsPath(), defaults.reason), 1);
  if (defaults.Read()) {
    auto source = std::make_unique<platform::InStream>(std::move(defaults.bytes));
    platform::OutStream out;
    bool nameWritten = false;
    while (!source->Eof()) {
      std::string line = source->ReadLine();
      if (source->Eof() && line.empty()) break;
      const std::size_t eq = line.find('=');
      const std::string key = eq == std::string::npos ? line : line.substr(0, eq);
      if (UpperCase(key) == "PROFILE NAME") {
        line = "PROFILE NAME=" + name;
        nameWritten = true;
      }
      out.WriteLine(line);
    }
    if (!nameWritten && !name.empty()) out.WriteLine("PROFILE NAME=" + name);
    if (out.Commit(settings)) {
      platform::Alert(FULLNAME, "Default ini file restored!");
    }
  }
  platform::DeleteFile(changed);
  return 0;
}

int TGame::ParticlesSet(int value, int save) {
  Particles = std::clamp(value, 0, 100);
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic->Init();
  }
  return 0;
}

int TGame::ParticlesChange(int step) {
  Particles = std::clamp(Particles + step, 0, 100);
  IniUpdate(1);
  FixedRateLogic->Init();
  return 0;
}
