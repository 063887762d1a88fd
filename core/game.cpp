#include "core/game.h"

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

  std::string refused;
  if (!platform::FolderExists(SubPath)) {
    if (!platform::CreateFolder(SubPath, &refused)) {
      ccRunTimeError("Cannot create shared data folder " + SubPath + ": " + refused, 1);
    }
    platform::ShareFile(SubPath);
  }

  DebugInt = 3;
  Ini->FileName = SubPath + kApplicationName;
  DebugInt = 4;
  IniFill();
  DebugInt = 5;
  const std::string settings = SettingsFilePath();
  const std::string defaults = DefaultSettingsPath();
  if (!platform::FileExists(settings) && platform::FileExists(defaults)) {
    if (platform::CopyFile(defaults, settings)) platform::ShareFile(settings);
  }
  Ini->Load();
  DebugInt = 6;
  IniExtract();

  if (!platform::FolderExists(ProfilePath)) {
    if (!platform::CreateFolder(ProfilePath, &refused)) {
      ccRunTimeError("Cannot create shared profiles folder " + ProfilePath + ": " + refused, 1);
    }
    platform::ShareFile(ProfilePath);
  }
  // A save killed part way leaves its temporary file beside the file it was replacing; the file
  // itself is whole (the old or the new one), so the leftover is only clutter.
  platform::RemoveStaleTempFiles(SubPath);
  platform::RemoveStaleTempFiles(ProfilePath);

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

std::string TGame::SettingsFilePath() const { return SubPath + kApplicationName + ".ini"; }

std::string TGame::DefaultSettingsPath() const {
  const std::string lower = DataPrefix + "data/Default.ini";
  if (platform::FileExists(lower)) return lower;
  const std::string upper = DataPrefix + "Data/Default.ini";
  return platform::FileExists(upper) ? upper : lower;
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
