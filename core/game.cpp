#include "core/game.h"

#include <cctype>
#include <cstdio>
#include <string_view>

#include "core/debug_var.h"
#include "core/exit_screen.h"
#include "core/fixed_rate_logic.h"
#include "core/fps_counter.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "core/upper_layer.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "util/error.h"
#include "util/files.h"
#include "util/high_scores.h"
#include "util/maths.h"
#include "util/settings.h"
#include "util/system.h"

namespace {

// The settings file takes the game's own name, whatever the executable is called.
constexpr const char* kApplicationName = "Quillbrook";

// Makes `path` with its parents when it is not a folder yet, readable by all; fatal with `label`,
// the path and the reason when it cannot be made.
void MakeSharedFolder(const std::string& path, const std::string& label) {
  if (platform::FolderExists(path)) return;
  std::string refused;
  if (!platform::CreateFolder(path, &refused)) ccRunTimeError(label + path + ": " + refused, 1);
  platform::ShareFile(path);
}

// A screenshot's name: its date format with a digit for each of the format's capital letters.
bool ScreenshotName(const std::string& name) {
  constexpr std::string_view kFormat = "YYYY-MM-DD HHNNSS screenshot.png";
  if (name.size() != kFormat.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    const bool digit = std::isupper(static_cast<unsigned char>(kFormat[i])) != 0;
    if (digit ? std::isdigit(c) == 0 : std::tolower(c) != kFormat[i]) return false;
  }
  return true;
}

// What an interrupted save leaves in the per-user folder is the temporary file of one of the files
// the game writes there: the settings, the best scores, the two crash-recovery markers, the error
// log, a screenshot. A player's own notes or pictures beside them are none of these.
bool WrittenInSubPath(const std::string& target) {
  for (const std::string& name :
       {std::string(kApplicationName) + ".ini", std::string("best.dat"),
        std::string("GoodExit.dat"), std::string("inichanged.dat"), std::string("ErrorLog.txt")}) {
    if (platform::EqualsNoCase(target, name)) return true;
  }
  return ScreenshotName(target);
}

// In the profiles folder, of a player's file: "<name>.dat" for a name the name prompt accepts (not
// blank, no leading full stop, none of its banned characters nor a control code).
bool WrittenInProfiles(const std::string& target) {
  constexpr std::size_t kExtension = 4;
  if (target.size() <= kExtension ||
      !platform::EqualsNoCase(target.substr(target.size() - kExtension), ".dat"))
    return false;
  return ccIsPlayerName(target.substr(0, target.size() - kExtension));
}

}  // namespace

TGame::TGame()
    : Upper(std::make_shared<TUpperLayer>()),
      Ini(std::make_shared<TIniFile>()),
      FixedRateLogic(std::make_shared<TFixedRateLogic>()),
      LogicTime(std::make_shared<TDebugVar>()),
      DrawTime(std::make_shared<TDebugVar>()),
      CodeTime(std::make_shared<TDebugVar>()),
      FPS(std::make_shared<TFPSCounter>()),
      LoadingScreen(std::make_shared<TLoadingScreen>()),
      ExitScreen(std::make_shared<TExitScreen>()),
      GameFade(std::make_shared<TGameFade>()),
      HighScores(std::make_shared<THighScoreList>()) {
  PausedMusicState = Music;
  PausedSpeechState = Speech;
}

TGame::~TGame() = default;

int TGame::Init(int driverChoice) {
  DebugInt = 1;
  ccFastRandSeed(static_cast<int>(platform::Millisecs()));
  FixedRateLogic->Label = "Ticks   ";
  LogicTime->Label = "Logic   ";
  DrawTime->Label = "Draw    ";
  CodeTime->Label = "Code    ";
  FPS->Label = "FPS     ";

  MakeSharedFolder(SubPath, "Cannot create shared data folder ");

  DebugInt = 3;
  Ini->FileName = SubPath + kApplicationName;
  DebugInt = 4;
  IniFill();
  DebugInt = 5;
  const std::string settings = SettingsFilePath();
  const std::string defaults = DefaultSettingsPath();
  // Only where nothing stands at the settings' name: what is there but no plain file is left for
  // the settings' load to report and set aside.
  if (platform::NothingAt(settings)) {
    const platform::BoundedRead first =
        platform::ReadBoundedFile(defaults, SETTINGS_FILE_MAX_BYTES);
    if (first.Refused()) ccRunTimeError(ccDamagedDataFile(defaults, first.reason), 1);
    if (first.Read() && platform::WriteFileAtomic(settings, first.bytes))
      platform::ShareFile(settings);
  }
  Ini->Load();
  DebugInt = 6;
  IniExtract();

  MakeSharedFolder(ProfilePath, "Cannot create shared profiles folder ");
  // A save killed part way leaves its temporary file beside the file it was replacing; the file
  // itself is whole (the old or the new one), so the leftover is only clutter. No other copy can be
  // saving meanwhile: this one holds the folder's lock.
  platform::RemoveStaleTempFiles(SubPath, WrittenInSubPath);
  platform::RemoveStaleTempFiles(ProfilePath, WrittenInProfiles);

  DebugInt = 7;
  SetFlipSync();
  DebugInt = 8;
  DebugInt = 8001;
  if (driverChoice <= 0) {
    ChangeSoundDriver(SoundDriver, 0);
  } else if (driverChoice == 1) {
    ChangeSoundDriver("FreeAudio", 0);
  } else if (driverChoice == 2) {
    ChangeSoundDriver("DirectSound", 0);
  } else if (driverChoice == 3) {
    ChangeSoundDriver("OpenAL Generic Software", 0);
  }
  DebugInt = 8002;
  DebugInt = 8004;
  FixedRateLogic->Create();
  DebugInt = 2;
  MusicChannel = platform::AllocChannel();
  SpeechChannel = platform::AllocChannel();
  EscapeChannel = platform::AllocChannel();
  return 0;
}

int TGame::LockSubPath() {
  MakeSharedFolder(SubPath, "Cannot create shared data folder ");
  std::string refused;
  switch (platform::LockFile(SubPath + kApplicationName + ".lock", &refused)) {
    case platform::FileLock::kTaken:
      break;
    case platform::FileLock::kHeld: {
      // Told and ended without the error log: the copy that runs owns every file in the folder.
      const std::string message = std::string(kApplicationName) +
                                  " is already running. Only one copy at a time can use the players in " +
                                  SubPath;
      platform::Alert(FULLNAME, message);
      throw ccFatalError(message);
    }
    case platform::FileLock::kUnlocked:
      // A file system without locks (some network folders) is played on as before.
      std::fprintf(stderr, "Warning: the folder %s cannot be locked (%s)\n", SubPath.c_str(), refused.c_str());
      break;
    case platform::FileLock::kFailed:
      ccRunTimeError("Cannot lock shared data folder " + SubPath + ": " + refused, 1);
      break;
    case platform::FileLock::kBlocked:
      // A lock file left by another user or a mishap: only the player can tell that no copy runs.
      ccRunTimeError("Cannot lock shared data folder " + SubPath + ": " + refused + ". Remove it if no copy of " +
                         kApplicationName + " is running.",
                     1);
      break;
  }
  return 0;
}

int TGame::CheckDataFolder() {
  const std::string data = DataPrefix + "Data";
  if (platform::ListFolder(data).empty()) {
    ccRunTimeError("The data folder " + DataPrefix + " has no Data/ or is empty", 1);
  }
  return 0;
}

std::string TGame::SettingsFilePath() const { return SubPath + kApplicationName + ".ini"; }

std::string TGame::DefaultSettingsPath() const {
  return ccDataFileName(DataPrefix + "Data/Default.ini");
}

int TGame::SetDefaultPaths() {
  if (DataInAppBundle == 1) DataPrefix = ccAddSlash(platform::DataPrefix());
  SetImagePath(DataPrefix + "Data/graphics");
  SetSoundPath(DataPrefix + "Data/sound");
  SetMusicPath(DataPrefix + "Data/music");
  SetSpeechPath(DataPrefix + "Data/speech");
  SetMenuPath(DataPrefix + "Data/menus");
  SetProfilePath("profiles");
  SetTextPath(DataPrefix + "Data/text");
  return 0;
}

int TGame::SetSubPath(const std::string& path) {
  SubPath = path.empty() ? "" : ccAddSlash(path);
  std::string shared = platform::UserDataFolder();
  while (!shared.empty() && shared.back() == '/') shared.pop_back();
  SubPath = shared + "/" + SubPath;
  ApplySubPath();
  ccErrorPath = SubPath;
  return 0;
}

int TGame::SetSubPathWrapper(const std::string& path) {
  SetDefaultPaths();
  return SetSubPath(path);
}

int TGame::ApplySubPath() { return SetProfilePath(SubPath + ProfilePath); }

int TGame::SetImagePath(const std::string& path) {
  ImagePath = ccAddSlash(path);
  return 0;
}
int TGame::SetSoundPath(const std::string& path) {
  SoundPath = ccAddSlash(path);
  return 0;
}
int TGame::SetMusicPath(const std::string& path) {
  MusicPath = ccAddSlash(path);
  return 0;
}
int TGame::SetSpeechPath(const std::string& path) {
  SpeechPath = ccAddSlash(path);
  return 0;
}
int TGame::SetMenuPath(const std::string& path) {
  MenuPath = ccAddSlash(path);
  return 0;
}
int TGame::SetProfilePath(const std::string& path) {
  ProfilePath = ccAddSlash(path);
  return 0;
}
int TGame::SetTextPath(const std::string& path) {
  TextPath = ccAddSlash(path);
  return 0;
}

int TGame::Kill() {
  if (MusicChannel) MusicChannel->Stop();
  MusicChannel = nullptr;
  if (SpeechChannel) SpeechChannel->Stop();
  SpeechChannel = nullptr;
  if (EscapeChannel) EscapeChannel->Stop();
  EscapeChannel = nullptr;
  return ChannelsKill();
}

int TGame::MoveBar() {
  // Loading runs outside the main loop's event pump: a quit asked for meanwhile (or an exit already
  // on its way) ends the load here instead of after every remaining step.
  if (Quitting()) throw ccQuit();
  LoadingScreen->Progress();
  // A step is shown only when the display can take a frame (and the last one always, for the
  // finished bar): loading never waits for the display's pace.
  if (LoadingScreen->Finished == 0 && !platform::FrameDue()) return 0;
  LoadingScreen->Draw();
  return PostDraw();
}

bool TGame::Quitting() const {
  return platform::QuitPending() || (DestinationTScreen && DestinationTScreen == ExitScreen);
}

float TGame::CalcAnimLength(int ms) const {
  return static_cast<float>(ms) / FixedRateLogic->MS / CurrentSpeed;
}

float TGame::CalcAnimLengthFromFloat(float ms) const {
  return ms / FixedRateLogic->MS / CurrentSpeed;
}
