#pragma once
// The application object: one instance, `Game` (core/globals.h), made by the entry before anything
// that reads settings or paths and kept until the program ends. It owns the settings and their
// file, the data and per-user folders, the graphics mode, the fixed-rate loop and its event pump,
// the screen switching state, music, sound and speech, pause and focus state, the debug overlay,
// the loading screen, the global black fade, and (through the layers above, see
// core/upper_layer.h) the mouse pointer, the channel pool and the current profile.
//
// Times are milliseconds where configured and logic ticks (5 ms at 200 per second) at run time;
// `CalcAnimLength` turns one into the other. Every method runs on the one game thread.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/input.h"

class TButton;
class TChannelArray;
class TDebugVar;
class TFixedRateLogic;
class TFPSCounter;
class TGameChannel;
class TGameFade;
class TGameImage;
class TGameSound;
class THighScoreList;
class TIniFile;
class TLoadingScreen;
class TMousePointer;
class TProfile;
class TScreen;
class TSprite;
class TUpperLayer;

// The few fields of a named sound that playing it needs (TGameSound of the asset layer has them).
struct TSoundToPlay {
  platform::SoundRef sound;
  float pitch = 1.0f;
  float volume = 1.0f;
};

class TGame {
 public:
  TGame();
  ~TGame();
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

  // The layers above: installed by the game layer right after the object is made (tests install
  // fakes). Never null: the constructor installs the core's stand-in.
  std::shared_ptr<TUpperLayer> Upper;

  // ---- Settings (mirrored in the settings file, see IniFill) ----
  std::shared_ptr<TIniFile> Ini;
  int FullScreen = 1;
  int ForceWindowedMode = 0;
  int Hertz = 60;
  int DesktopRefreshRate = 0;
  int GameRefreshRate = 0;
  int Fast = 0;
  int LastFlipSync = 0;
  int SlowMotion = 0;
  float SlowMotionSpeed = 0.25f;
  float CurrentSpeed = 1.0f;
  int WindowHandle = 0;
  int WindowX = 0, WindowY = 0;
  int ClientX = 0, ClientY = 0;
  float ScrollX = 0.0f, ScrollY = 0.0f;

  // ---- Screens ----
  std::shared_ptr<TScreen> CurrentTScreen;
  std::shared_ptr<TScreen> DestinationTScreen;
  std::shared_ptr<TScreen> LastTScreen;

  int LagFix = 0;
  int VSync = 1;
  int FadeOnExit = 1;
  int NoTiming = 0;
  int NoTimingTicks = 1;
  int Driver = 0;
  std::string DirectXVersion;
  int FadeMouse = 0;
  int DesktopWidth = 0, DesktopHeight = 0;
  int FullScreenProcess = 0, FullScreenThread = 0;
  int WindowedProcess = 0, WindowedThread = 0;
  int DataInAppBundle = 0;
  int UseCorrectPath = 1;

  // ---- Folders, each ending in "/" ----
  std::string SubPath = "Marrowfen/My Game/";  // the writable per-user folder
  std::string DataPrefix;                      // the read-only data folder's parent
  std::string ImagePath, SoundPath, MusicPath, SpeechPath, MenuPath, ProfilePath, TextPath;

  // ---- Music, sound and speech ----
  int Sound = 1, Music = 1, Speech = 1;
  int SoundVolume = 100, MusicVolume = 100, SpeechVolume = 100;
  platform::SoundRef MusicSample;
  platform::ChannelRef MusicChannel;
  std::string MusicFileName = "none";  // relative to MusicPath, with extension
  std::string MusicName = "none";      // the track last asked for by MusicPlay
  int MusicLooped = 1;
  int MusicRestart = 1;  // 1: no track runs on the channel; it must be started afresh
  int MusicStopped = 0;  // 1: a one-shot track has come to its end
  float MusicFadeIn = 50.0f;        // ms
  float MusicFadeInCounter = 0.0f;  // ticks left
  float PauseFadeLength = 100.0f;   // ms
  float PauseFadeCounter = 0.0f;
  int PauseFadeDirection = 0;
  platform::ChannelRef SpecialChannel;  // a jingle that follows the music switch
  int FadeMusic = 1;                    // 0: the next Esc fade leaves the music alone
  std::shared_ptr<TSoundToPlay> EscapeSound;
  platform::ChannelRef EscapeChannel;
  std::string SoundDriver = "FreeAudio";
  std::shared_ptr<TChannelArray> Channels;  // the effect pool, made by ChannelsCreate
  platform::ChannelRef SpeechChannel;
  int SpeechStopped = 0;
  // 1 while the audio output could not be opened this run: everything is silent, the chosen driver
  // stays in the settings.
  int AudioFailed = 0;

  // ---- Pause, focus, exit ----
  std::shared_ptr<TSprite> SpritePaused;
  int FirstTime = 1;
  int InstantExit = 0;
  int Fade = 1;
  int NoFade = 0;
  int NoDraw = 0;
  int Particles = 80;
  int PortalSplash = 0, PortalSplash2 = 0;
  int IntroShow = 0;
  int Paused = 0;
  int DimWhenPaused = 1;
  int PauseOnLossOfFocus = 0;
  int PausedMusicState = 1, PausedSpeechState = 1;
  int Suspended = 0;
  int BlockKeys = 0;
  // 1 when the last pump saw Return pressed while an Alt key was held, so that Alt+Enter counts
  // even when Alt is let go within the same pump; read and cleared by ReadKeys.
  int AltReturnPressed = 0;
  int MaxLevels = 10;
  // 1 while a quit asked for by the platform (a signal, the window's close button) waits to be
  // carried out. A quit is never dropped: it stays pending until the program ends.
  int TerminatedEvent = 0;
  // Asked by GameTerminated, every logic step while a quit waits, whether it can be carried out
  // now: non-zero makes it wait (the play screen answers so while a card moves); 0 lets it go
  // ahead, after the hook has recorded what must be saved.
  std::function<int()> TerminatedUserFunction;
  // Logic steps the pending quit has waited for the hook; past QUIT_WAIT_LIMIT_TICKS the program
  // ends without its consent. While it waits, every pass of the main loop runs up to
  // QUIT_CATCH_UP_TICKS extra steps, so the wait takes a few frames, and pause or a lost focus does
  // not hold play.
  int QuitWaitTicks = 0;
  static constexpr int QUIT_WAIT_LIMIT_TICKS = 4000;  // 20 s of play
  static constexpr int QUIT_CATCH_UP_TICKS = 400;
  int SuspendedEvent = 0;
  int IgnoreEscapeKey = 0, IgnoreFrameworkKeys = 0, IgnorePauseKey = 0, IgnoreDebugKey = 0;
  std::string OSVersion = "Linux";

  // ---- Timing and debug overlay ----
  std::shared_ptr<TFixedRateLogic> FixedRateLogic;
  int Debug = 0;
  int DebugShadow = 1;
  float DebugPanel = 0.4f;
  int Debug1 = 0, Debug2 = 0;
  float Debug3 = 0.0f, Debug4 = 0.0f;
  int DebugDisplayX = 0, DebugDisplayY = 0;
  std::shared_ptr<TDebugVar> LogicTime, DrawTime, CodeTime;
  std::shared_ptr<TFPSCounter> FPS;
  int GraphicPlacement = 0;
  int gpX = 0, gpY = 0;

  // ---- Owned screens and objects ----
  std::shared_ptr<TLoadingScreen> LoadingScreen;
  std::shared_ptr<TScreen> ExitScreen;
  std::shared_ptr<TGameFade> GameFade;
  // The game's own pointer (ui's TMousePointer); installed by the game layer with Upper. Core code
  // reaches it through Upper.
  std::shared_ptr<TMousePointer> Mouse;
  std::shared_ptr<THighScoreList> HighScores;
  std::shared_ptr<TProfile> CurrentProfile;
  std::string ProfileName;
  int Region = 0;  // 0 dollar, 1 euro, 2 yen

  // ---- Start-up and folders ----
  // Seeds, labels the timers, makes the per-user and profiles folders, reads the settings file and
  // opens the sound driver (0 or less: the one the settings name; 1..3 force one). Fatal when a
  // folder cannot be made. Returns 0.
  int Init(int driverChoice);
  // Makes the per-user folder when it is missing and takes its lock (on the folder and on
  // SubPath + "Quillbrook.lock"), before anything in it is read or written. A second copy of the
  // program on the same folder shows that the game is already running and throws ccFatalError
  // having touched no file; a folder that cannot be made or locked is fatal with the reason, and a
  // lock file in the way is named with what to do about it. Returns 0.
  int LockSubPath();
  // Fatal when the data folder holds no "Data/" folder, or an empty one. Returns 0.
  int CheckDataFolder();
  int SetDefaultPaths();
  int SetSubPath(const std::string& path);
  int SetSubPathWrapper(const std::string& path);
  int ApplySubPath();
  int SetImagePath(const std::string& path);
  int SetSoundPath(const std::string& path);
  int SetMusicPath(const std::string& path);
  int SetSpeechPath(const std::string& path);
  int SetMenuPath(const std::string& path);
  int SetProfilePath(const std::string& path);
  int SetTextPath(const std::string& path);
  // Stops and drops the music, speech and escape channels, then the pool. Returns 0.
  int Kill();
  // The settings file's path: SubPath + "Quillbrook.ini".
  std::string SettingsFilePath() const;
  // The default settings file of the data folder, DataPrefix + "Data/Default.ini", spelled as it
  // stands on disk (ccDataFileName): messages about it name it so.
  std::string DefaultSettingsPath() const;

  // ---- Settings file and crash recovery ----
  int IniFill();
  // Copies the entries into the fields, each value clamped to its range.
  int IniExtract();
  // Rewrites the settings file; flag non-zero also leaves "inichanged.dat".
  int IniUpdate(int flag);
  // Leaves "GoodExit.dat" in the per-user folder (static: usable without the object's methods).
  static int MakeGoodExit();
  // The start-up check on the two markers; rebuilds the settings file from the default one after
  // a failed run that had changed the settings, keeping the player's name.
  int CheckGoodExit();
  int ParticlesSet(int value, int save);
  int ParticlesChange(int step);

  // ---- Graphics mode and window ----
  // Opens the window (or full screen) from the settings; throws std::runtime_error when no window
  // can be made. Returns 0.
  int GraphicsCreate();
  int SetPriority();
  int ToggleFullScreen();
  int ToggleVSync();
  int SetDriver(int driver);
  int SetGP(int x, int y);
  int SetWindowCoords();
  int SetClientCoords();
  // 1: go on (no quit, a quit waiting for the terminate hook, or the exit fade already running);
  // -1: the platform asked to quit and the hook let it go ahead: InstantExit is set and the
  // current profile saved when the play screen is current.
  int GameTerminated();
  // For an end with no display left (nothing may be drawn or read from the window): play on its
  // way on the play screen (a card in flight) is carried to rest as a waiting quit carries it,
  // logic steps alone, at most QUIT_WAIT_LIMIT_TICKS, so the round can be saved as a quit saves it.
  void SettlePlayWithoutDisplay();

  // ---- Debug overlay ----
  int DebugReset();
  int DebugPrint();

  // ---- Main loop, event pump, keys, pause ----
  int CheckWindow();
  int SpritePausedCreate(const std::shared_ptr<TGameImage>& image);
  int ShowPaused();
  int ReadKeys();
  int Pause();
  int UnPause();
  float PauseFadeCalc();
  int PauseFadeApply();
  int PauseFadeManage();
  // One pass of logic: the due ticks with Delta 1 and the remainder. 1, or -1 to end the program.
  int MainLogicLoop();
  // One logic step: 1 after a full step, 0 when held by pause or suspension, -1 to end.
  int LogicWrapper();
  // Drains the platform's event queue into the key, character and mouse state. Returns 0.
  // A button released in the same step it was pressed (a quick tap on a touchpad) is released
  // only at the next step, so that screens reading the held button see the press.
  int DoPeekEvent();
  std::vector<platform::Event> DeferredMouseUps;
  // Draws and flips one frame. Returns 0.
  int ScreenDraw();
  int PostDraw();

  // ---- Timing ----
  int FastOn();
  int FastOff();
  int SlowMotionOn();
  int SlowMotionOff();
  int SetFlipSync();
  // ms as logic ticks (with a fraction): ms / FixedRateLogic->MS / CurrentSpeed.
  float CalcAnimLength(int ms) const;
  float CalcAnimLengthFromFloat(float ms) const;

  // ---- Music ----
  int MusicLoad(const std::string& fileName, int looped);
  int MusicStop();
  int MusicPlay(int fadeIn);
  int MusicNone();
  float MusicFadeInCalc();
  int MusicFadeInApply();
  int MusicFadeInManage();
  int MusicSetVolume(int volume, int save);
  int MusicChangeVolume(int step);
  int ToggleMusic();
  int MusicOff();
  int MusicOn();

  // ---- Sound effects, speech, channels ----
  int ChannelsCreate(int count);
  int ChannelsKill();
  // Opens the named output; a failure leaves the game silent for this run but keeps the name.
  int ChangeSoundDriver(const std::string& name, int save);
  int SoundPlay(const platform::SoundRef& sound);
  int SoundPlaySameChannel(platform::ChannelRef& channel, const platform::SoundRef& sound);
  int SoundPlayReturnChannel(platform::ChannelRef& channel, const platform::SoundRef& sound,
                             float rate);
  // Plays a sound on the channel variable through the sound switch and volume. An empty variable
  // receives the new channel the sound plays on.
  int GameSoundPlay(platform::ChannelRef& channel, const TSoundToPlay& sound, float pan);
  int GameSoundPlay(platform::ChannelRef& channel, const platform::SoundRef& sound, float volume,
                    float pitch, float pan);
  // The same for any named sound with the fields `sound`, `pitch` and `volume` (TGameSound).
  template <class NamedSound>
  int GameSoundPlay(platform::ChannelRef& channel, const NamedSound& sound, float pan) {
    return GameSoundPlay(channel, TSoundToPlay{sound.sound, sound.pitch, sound.volume}, pan);
  }
  int SoundSetVolume(int volume, int save);
  int SoundChangeVolume(int step);
  int ToggleSound();
  int SoundOff();
  int SoundOn();
  int SpeechStop();
  int SpeechPlay(const TSoundToPlay& sound, int interrupt);
  template <class NamedSound>
  int SpeechPlay(const NamedSound& sound, int interrupt) {
    return SpeechPlay(TSoundToPlay{sound.sound, sound.pitch, sound.volume}, interrupt);
  }
  int SpeechSetVolume(int volume, int save);
  int SpeechChangeVolume(int step);
  int SpeechOff();
  int SpeechOn();
  int StopChannels();
  // Loads SoundPath + name + ".wav" as the escape click (fatal when missing).
  int SetEscapeSound(const std::string& name);
  int EscapeSoundPlay();

  // ---- Loading screen, fades, switching ----
  int MoveBar();
  // True while a quit is pending or the exit screen is already the destination: a long load
  // stops (MoveBar throws ccQuit) instead of finishing first.
  bool Quitting() const;
  int Fading() const;
  int FadeOff();
  int ScreenChange();
};
