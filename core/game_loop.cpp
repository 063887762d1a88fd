// The main loop, the event pump, the framework keys, pause and focus, and the frame.
#include <algorithm>
#include <cmath>
#include <unistd.h>

#include "core/debug_var.h"
#include "core/fixed_rate_logic.h"
#include "core/fps_counter.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/screen.h"
#include "core/text_cursor.h"
#include "core/upper_layer.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"
#include "util/screenshot.h"
#include "util/system.h"
#include "util/text_draw.h"

namespace {

// Key codes of the framework's own keys.
constexpr int FRAMEWORK_PAUSE_KEY = 80;
constexpr int FRAMEWORK_VOLUME_DOWN_KEY = 189;
constexpr int FRAMEWORK_VOLUME_UP_KEY = 187;
constexpr int FRAMEWORK_EXIT_KEY = 88;
constexpr int FRAMEWORK_FULLSCREEN_KEY = 70;
constexpr int FRAMEWORK_BOSS_KEY = 66;
constexpr int FRAMEWORK_MUSIC_KEY = 77;
constexpr int FRAMEWORK_SOUND_KEY = 83;
constexpr int FRAMEWORK_FAST_KEY = 84;
constexpr int FRAMEWORK_SLOW_KEY = 76;
constexpr int FRAMEWORK_SCREENSHOT_KEY = 123;
constexpr int FRAMEWORK_FLIPSYNC_KEY = 73;
constexpr int FRAMEWORK_NOTIMING_KEY = 78;
constexpr int FRAMEWORK_VSYNC_KEY = 86;
constexpr int FRAMEWORK_GRAPHICS_KEY = 71;
constexpr int FRAMEWORK_SOUNDDRIVER_KEY = 72;
constexpr int FRAMEWORK_DEBUG_KEY = 68;

std::string OnOff(int value) { return value != 0 ? "on" : "off"; }

}  // namespace

int TGame::MainLogicLoop() {
  FixedRateLogic->Calc();
  if (NoTiming != 0) FixedRateLogic->NumTicks = NoTimingTicks;
  LogicTime->Start();
  const double ticks = FixedRateLogic->NumTicks;
  const int whole = static_cast<int>(std::floor(ticks));
  for (int i = 0; i < whole; ++i) {
    FixedRateLogic->SetDelta(1.0f);
    if (LogicWrapper() == -1) return -1;
  }
  const double fraction = std::fmod(ticks, 1.0);
  if (fraction > 0) {
    FixedRateLogic->SetDelta(static_cast<float>(fraction));
    if (LogicWrapper() == -1) return -1;
  }
  // A quit waiting for play to come to rest: play runs ahead without drawing, so the quit is
  // carried out within a few frames whatever the animation's length.
  for (int i = 0; i < QUIT_CATCH_UP_TICKS && QuitWaitTicks > 0; ++i) {
    FixedRateLogic->SetDelta(1.0f);
    if (LogicWrapper() == -1) return -1;
  }
  LogicTime->Calc();
  return 1;
}

void TGame::SettlePlayWithoutDisplay() {
  if (!TerminatedUserFunction || !CurrentTScreen || CurrentTScreen->name != "game") return;
  // Input not yet taken is dropped: play only goes on, it makes no new move.
  ccFlushAll();
  for (int i = 0; i < QUIT_WAIT_LIMIT_TICKS && TerminatedUserFunction() != 0; ++i) {
    FixedRateLogic->SetDelta(1.0f);
    CurrentTScreen->Logic();
  }
}

int TGame::LogicWrapper() {
  Upper->MouseClearHit();
  Upper->MouseManage();
  DoPeekEvent();
  ReadKeys();
  if (InstantExit != 0) return -1;
  // A quit waiting for play to rest lets play run even when paused or without focus.
  if ((Paused != 0 || Suspended != 0) && QuitWaitTicks == 0) return 0;
  GameFade->Manage();
  if (Fading() == 0 || GameFade->AllowAnim != 0) {
    ScreenChange();
    if (InstantExit == 0 && CurrentTScreen) CurrentTScreen->Logic();
  }
  return 1;
}

int TGame::DoPeekEvent() {
  platform::Event event;
  AltReturnPressed = 0;
  // A quit, wherever it arrived (here, or while a modal loop read the events), is left pending
  // with the platform until the program ends: every message box or wait met on the way out ends
  // at once instead of waiting for a key.
  if (platform::QuitPending()) TerminatedEvent = 1;
  for (const auto& up : DeferredMouseUps) {
    Upper->MouseMove(up.x, up.y);
    Upper->MouseButtonUp(up.data);
  }
  DeferredMouseUps.clear();
  unsigned pressedThisStep = 0;  // bit n: button n went down in this step
  while (platform::PollEvent(&event)) {
    switch (event.kind) {
      case platform::EVENT_APP_SUSPEND:
        SuspendedEvent = 1;
        break;
      case platform::EVENT_APP_RESUME:
        SuspendedEvent = 0;
        break;
      case platform::EVENT_APP_TERMINATE:
        TerminatedEvent = 1;
        break;
      case platform::EVENT_KEY_DOWN:
        ccProcessEvent(event);
        if (event.data == KEY_ENTER && (KeyStates[KEY_LALT] != 0 || KeyStates[KEY_RALT] != 0)) {
          AltReturnPressed = 1;
        }
        break;
      case platform::EVENT_KEY_UP:
      case platform::EVENT_KEY_CHAR:
        ccProcessEvent(event);
        break;
      // A button event carries the pointer's position too: a click with no movement before it
      // (the first click of a run, or after the pointer was warped) still lands where it was made.
      case platform::EVENT_MOUSE_DOWN:
        Upper->MouseMove(event.x, event.y);
        Upper->MouseButtonDown(event.data);
        if (event.data >= 0 && event.data < 32) pressedThisStep |= 1u << event.data;
        break;
      case platform::EVENT_MOUSE_UP:
        if (event.data >= 0 && event.data < 32 && (pressedThisStep & (1u << event.data)) != 0) {
          DeferredMouseUps.push_back(event);
          break;
        }
        Upper->MouseMove(event.x, event.y);
        Upper->MouseButtonUp(event.data);
        break;
      case platform::EVENT_MOUSE_MOVE:
        Upper->MouseMove(event.x, event.y);
        break;
      case platform::EVENT_MOUSE_WHEEL:
        Upper->MouseWheel(event.data);
        break;
      default:
        break;
    }
  }
  return 0;
}

namespace {

// The pause key, and a click while paused, toggle the pause.
void ReadPauseKey(TGame& g) {
  if (g.IgnorePauseKey != 0) return;
  bool toggle = KeyHit(FRAMEWORK_PAUSE_KEY) != 0;
  if (!toggle && g.Paused != 0 && g.Upper->MouseGetMh(1) != 0) toggle = true;
  if (!toggle) return;
  g.Paused = g.Paused != 0 ? 0 : 1;
  if (g.Paused != 0) {
    g.Pause();
  } else {
    g.UnPause();
  }
  ccFlushAll();
}

// Escape ends a running fade, leaves the pause, or asks the screen where to go.
void ReadEscapeKey(TGame& g) {
  if (KeyHit(KEY_ESCAPE) == 0) return;
  if (g.Fading() != 0) {
    if (g.GameFade->Out == 0) {
      g.GameFade->FadeInAborted = 1;
      g.GameFade->AbortKey = 0;
    }
    g.GameFade->Finish();
  } else if (g.Paused != 0) {
    g.Paused = 0;
    g.UnPause();
    ccFlushAll();
  } else if (g.IgnoreEscapeKey != 0) {
    Keys[KEY_ESCAPE] = 1;
  } else if (g.CurrentTScreen) {
    g.EscapeSoundPlay();
    const int length = g.CurrentTScreen->SetEscDestination();
    if (g.FadeMusic != 0) {
      g.GameFade->Init(static_cast<float>(length), 1, g.MusicChannel, 1, 0);
    } else {
      g.GameFade->Init(static_cast<float>(length), 1, nullptr, 1, 0);
      g.FadeMusic = 1;
    }
  }
}

// Alt+Return switches full screen.
void ReadAltReturn(TGame& g) {
  const int altReturn = g.AltReturnPressed;
  g.AltReturnPressed = 0;
  if (altReturn == 0 && KeyDown(KEY_LALT) == 0 && KeyDown(KEY_RALT) == 0) return;
  if (KeyHit(KEY_ENTER) != 0) {
    g.ToggleFullScreen();
    FlushKeys();
  }
}

// The framework's keys: volume, Ctrl+exit, full screen, boss, music, sound, the debug timing keys,
// screenshot, vsync, graphics and sound drivers, each in this order.
void ReadFrameworkKeys(TGame& g) {
  if (KeyHit(FRAMEWORK_VOLUME_DOWN_KEY) != 0) {
    g.SoundChangeVolume(-10);
    g.MusicChangeVolume(-10);
    g.SpeechChangeVolume(-10);
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_VOLUME_UP_KEY) != 0) {
    g.SoundChangeVolume(10);
    g.MusicChangeVolume(10);
    g.SpeechChangeVolume(10);
    FlushKeys();
  }
  if (KeyDown(FRAMEWORK_EXIT_KEY) != 0 &&
      (KeyDown(KEY_LCONTROL) != 0 || KeyDown(KEY_RCONTROL) != 0)) {
    g.InstantExit = 1;
    if (g.CurrentProfile && g.CurrentTScreen && g.CurrentTScreen->name == "game") {
      g.Upper->SaveProfile(*g.CurrentProfile);
    }
  }
  if (KeyHit(FRAMEWORK_FULLSCREEN_KEY) != 0) {
    g.ToggleFullScreen();
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_BOSS_KEY) != 0) {
    ccMinimiseWindow(g.WindowHandle);
    platform::Flip(-1);
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_MUSIC_KEY) != 0) {
    g.ToggleMusic();
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_SOUND_KEY) != 0) {
    g.ToggleSound();
    FlushKeys();
  }
  if (g.Debug != 0 && KeyHit(FRAMEWORK_FAST_KEY) != 0) {
    if (g.Fast != 0) {
      g.FastOff();
    } else {
      g.FastOn();
      g.SlowMotionOff();
    }
    FlushKeys();
  }
  if (g.Debug != 0 && KeyHit(FRAMEWORK_SLOW_KEY) != 0) {
    if (g.SlowMotion != 0) {
      g.SlowMotionOff();
    } else {
      g.SlowMotionOn();
      g.FastOff();
    }
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_SCREENSHOT_KEY) != 0) {
    ccScreenShot(g.UseCorrectPath != 0 ? g.SubPath : std::string());
    FlushKeys();
    g.FixedRateLogic->Init();
  }
  if (g.Debug != 0 && KeyHit(FRAMEWORK_FLIPSYNC_KEY) != 0) {
    ccFlipSync += 1;
    if (ccFlipSync == 2) ccFlipSync = -1;
    FlushKeys();
  }
  if (g.Debug != 0 && KeyHit(FRAMEWORK_NOTIMING_KEY) != 0) {
    g.NoTiming = g.NoTiming != 0 ? 0 : 1;
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_VSYNC_KEY) != 0) {
    g.ToggleVSync();
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_GRAPHICS_KEY) != 0) {
    g.SetDriver(g.Driver == 0 ? 1 : 0);
    FlushKeys();
  }
  if (KeyHit(FRAMEWORK_SOUNDDRIVER_KEY) != 0) {
    std::string next;
    if (g.SoundDriver == "FreeAudio") {
      next = "DirectSound";
    } else if (g.SoundDriver == "DirectSound") {
      next = "OpenAL Generic Software";
    } else if (g.SoundDriver == "OpenAL Generic Software" || g.SoundDriver == "None") {
      next = "FreeAudio";
    }
    if (!next.empty()) g.ChangeSoundDriver(next, 1);
    FlushKeys();
  }
}

// The debug key switches the debug mode (and restarts its logic timer).
void ReadDebugKey(TGame& g) {
  if (g.IgnoreDebugKey != 0 || KeyHit(FRAMEWORK_DEBUG_KEY) == 0) return;
  g.Debug = g.Debug != 0 ? 0 : 1;
  if (g.Debug != 0) {
    g.DebugReset();
    g.LogicTime->Start();
  }
  FlushKeys();
}

// In graphic placement mode the arrow keys move the placed picture.
void ReadPlacementKeys(TGame& g) {
  if (g.GraphicPlacement == 0) return;
  if (KeyHit(KEY_LEFT) != 0) --g.gpX;
  if (KeyHit(KEY_RIGHT) != 0) ++g.gpX;
  if (KeyHit(KEY_UP) != 0) --g.gpY;
  if (KeyHit(KEY_DOWN) != 0) ++g.gpY;
}

}  // namespace

int TGame::ReadKeys() {
  if (CheckWindow() == -1) {
    if (FadeOnExit == 0) return -1;
    if (Paused != 0 || Suspended != 0) {
      // Nothing runs the fade while the game is held, so a quit asked for then ends at once.
      return -1;
    }
    InstantExit = 0;
    // A quit must not be lost to a fade that is already running: a fade-in is ended so the exit
    // fade can start; a running fade-out simply leads to the exit screen instead.
    if (GameFade->Active != 0 && GameFade->Out == 0) GameFade->Finish();
    GameFade->Init(static_cast<float>(FADE_SPEED), 1, MusicChannel, 1, 0);
    DestinationTScreen = ExitScreen;
  }
  if (BlockKeys != 0) return 0;

  ReadPauseKey(*this);
  ReadEscapeKey(*this);
  ReadAltReturn(*this);
  if (IgnoreFrameworkKeys == 0) ReadFrameworkKeys(*this);
  ReadDebugKey(*this);
  ReadPlacementKeys(*this);

  if (Paused == 0 && Suspended == 0 && CurrentTScreen) CurrentTScreen->SpecificKeys();
  return 1;
}

int TGame::CheckWindow() {
  if (GameTerminated() == -1) return -1;
  if (SuspendedEvent != 0 && Suspended == 0) {
    if (PauseOnLossOfFocus != 0 && Paused == 0) {
      Paused = 1;
      Pause();
    }
    if (Paused == 0) {
      PausedMusicState = Music;
      PausedSpeechState = Speech;
      if (Music != 0) MusicOff();
      if (Speech != 0) SpeechOff();
      ccSetPriority(0, 0);
    }
    Suspended = 1;
    platform::ShowMouse();
  } else if (SuspendedEvent == 0 && Suspended == 1) {
    if (Paused == 0) {
      if (PausedMusicState == 1) MusicOn();
      if (PausedSpeechState == 1) SpeechOn();
      SetPriority();
    }
    FixedRateLogic->Init();
    Suspended = 0;
    platform::HideMouse();
    ccFlushAll();
  }
  if (Suspended == 0 && Paused == 0) {
    if (Music == 1 && MusicLooped == 0 && (!MusicChannel || !MusicChannel->Playing())) {
      MusicStopped = 1;
    }
    if (Speech == 1 && (!SpeechChannel || !SpeechChannel->Playing())) SpeechStopped = 1;
    MusicFadeInManage();
  }
  if (Suspended != 0) platform::Delay(1);
  return 1;
}

int TGame::Pause() {
  PausedMusicState = Music;
  PausedSpeechState = Speech;
  if (Music != 0) MusicOff();
  if (Speech != 0) SpeechOff();
  ccSetPriority(0, 0);
  return 0;
}

int TGame::UnPause() {
  if (PausedMusicState == 1) MusicOn();
  if (PausedSpeechState == 1) SpeechOn();
  SetPriority();
  FixedRateLogic->Init();
  return 0;
}

int TGame::SpritePausedCreate(const std::shared_ptr<TGameImage>& image) {
  SpritePaused = Upper->CreateCentredSprite(image);
  return 0;
}

int TGame::ShowPaused() {
  if ((Paused == 0 && Suspended == 0) || !SpritePaused) return 0;
  platform::SetBlend(platform::BLEND_ALPHA);
  if (DimWhenPaused != 0) {
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(0.5f);
    platform::DrawRect(0, 0, static_cast<float>(ScreenWidth), static_cast<float>(ScreenHeight));
  }
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  Upper->DrawSprite(*SpritePaused);
  return 0;
}

float TGame::PauseFadeCalc() {
  const float length = CalcAnimLengthFromFloat(PauseFadeLength);
  if (length <= 0) return 1.0f;
  return (length - PauseFadeCounter) / length;
}

int TGame::PauseFadeApply() {
  float v = 1.0f;
  if (PauseFadeLength > 0) {
    v = PauseFadeCalc();
    if (PauseFadeDirection == 0) v = 1.0f - v;
  }
  if (MusicChannel) MusicChannel->SetVolume(v * static_cast<float>(MusicVolume) / 100.0f);
  return 0;
}

int TGame::PauseFadeManage() {
  if (PauseFadeCounter > 0) {
    PauseFadeCounter = std::max(0.0f, PauseFadeCounter - Delta);
    PauseFadeApply();
  }
  return 0;
}

int TGame::ScreenDraw() {
  DrawTime->Start();
  if (CurrentTScreen) CurrentTScreen->Draw();
  if (Fading() == 0) ShowPaused();
  if (FadeMouse != 0) Upper->MouseDraw();
  GameFade->Draw();
  if (Fading() != 0) ShowPaused();
  if (FadeMouse == 0) Upper->MouseDraw();
  DrawTime->Calc();
  DebugPrint();
  return PostDraw();
}

int TGame::PostDraw() {
  ccFlip();
  return 0;
}

int TGame::FastOn() {
  Fast = 1;
  LastFlipSync = ccFlipSync;
  ccFlipSync = 0;
  FixedRateLogic->Init();
  FixedRateLogic->HistoryClear();
  return 0;
}

int TGame::FastOff() {
  if (Fast != 1) return 0;
  Fast = 0;
  ccFlipSync = LastFlipSync;
  FixedRateLogic->Init();
  FixedRateLogic->HistoryClear();
  return 0;
}

int TGame::SlowMotionOn() {
  SlowMotion = 1;
  CurrentSpeed = SlowMotionSpeed;
  FixedRateLogic->Framerate = static_cast<float>(FixedRateLogic->FramerateDefault) * SlowMotionSpeed;
  FixedRateLogic->CalcMS();
  FixedRateLogic->Init();
  return 0;
}

int TGame::SlowMotionOff() {
  SlowMotion = 0;
  CurrentSpeed = 1.0f;
  FixedRateLogic->Framerate = static_cast<float>(FixedRateLogic->FramerateDefault);
  FixedRateLogic->CalcMS();
  FixedRateLogic->Init();
  return 0;
}

int TGame::SetFlipSync() {
  ccFlipSync = VSync != 0 ? 1 : 0;
  return 0;
}

int TGame::DebugReset() {
  FixedRateLogic->maximum = 0;
  LogicTime->Init();
  DrawTime->Init();
  CodeTime->Init();
  FPS->Init();
  return 0;
}

int TGame::DebugPrint() {
  if (Debug == 0) return 0;
  const int lines = GraphicPlacement != 0 ? 29 : 27;
  if (DebugPanel > 0) {
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(DebugPanel);
    platform::SetColor(0, 0, 0);
    platform::DrawRect(static_cast<float>(DebugDisplayX - 5), static_cast<float>(DebugDisplayY - 5),
                       350, static_cast<float>(lines * 12 + 10));
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1.0f);
  }
  FPS->Calc();
  TTextCursor cursor;
  cursor.Init(DebugDisplayX, DebugDisplayY, 12);
  if (DebugShadow != 0) {
    cursor.Shadow = 1;
    ccShadowTextSet(1, 1, 1);
  }
  cursor.OutputNL(LogicTime->GetDisplay());
  cursor.OutputNL(DrawTime->GetDisplay());
  cursor.OutputNL(FPS->GetDisplay());
  cursor.OutputNL("Desk Hz " + std::to_string(DesktopRefreshRate));
  cursor.OutputNL("Game Hz " + std::to_string(GameRefreshRate));
  cursor.OutputNL(FixedRateLogic->GetDisplay());
  cursor.OutputNL("Flip    " + std::to_string(ccFlipSync));
  cursor.OutputNL("Fast    " + std::to_string(Fast));
  cursor.OutputNL("Slow    " + std::to_string(SlowMotion));
  cursor.OutputNL("VSync   " + std::to_string(VSync));
  cursor.OutputNL("Timing  " + std::to_string(NoTiming == 0 ? 1 : 0));
  cursor.OutputNL(Driver == 0 ? "Gfx Drv DirectX " + DirectXVersion : std::string("Gfx Drv OpenGL"));
  cursor.OutputNL("Snd Drv " + SoundDriver);
  cursor.OutputNL("Os Ver  " + OSVersion);
  long residentPages = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    long size = 0;
    if (std::fscanf(statm, "%ld %ld", &size, &residentPages) != 2) residentPages = 0;
    std::fclose(statm);
  }
  const long pageSize = sysconf(_SC_PAGESIZE);
  cursor.OutputNL("GC Mem  " + std::to_string(residentPages * pageSize));
  const long long total = static_cast<long long>(sysconf(_SC_PHYS_PAGES)) * pageSize;
  const long long avail = static_cast<long long>(sysconf(_SC_AVPHYS_PAGES)) * pageSize;
  const long long used = total - avail;
  const long long load = total > 0 ? used * 100 / total : 0;
  cursor.OutputNL("Win Mem " + std::to_string(used / 1024 / 1024) + "MB Used/" +
                  std::to_string(total / 1024 / 1024) + "MB Total = " + std::to_string(load) +
                  "% Load");
  cursor.OutputNL("M. Vol. " + std::to_string(MusicVolume) + " (" + OnOff(Music) + ")");
  cursor.OutputNL("S. Vol. " + std::to_string(SoundVolume) + " (" + OnOff(Sound) + ")");
  cursor.OutputNL("Sp. Vol." + std::to_string(SpeechVolume) + " (" + OnOff(Speech) + ")");
  cursor.OutputNL("Mouse X " + std::to_string(Upper->MouseX()));
  cursor.OutputNL("Mouse Y " + std::to_string(Upper->MouseY()));
  cursor.OutputNL("Screen  " + (CurrentTScreen ? CurrentTScreen->name : std::string()));
  cursor.OutputNL("Handle  " + std::to_string(WindowHandle));
  cursor.OutputNL("Debug1  " + std::to_string(Debug1));
  cursor.OutputNL("Debug2  " + std::to_string(Debug2));
  cursor.OutputNL("Debug3  " + std::to_string(Debug3));
  cursor.OutputNL("Debug4  " + std::to_string(Debug4));
  if (GraphicPlacement != 0) {
    cursor.OutputNL("GP X    " + std::to_string(gpX));
    cursor.OutputNL("GP Y    " + std::to_string(gpY));
  }
  return 0;
}

int TGame::Fading() const { return GameFade->Active; }

int TGame::FadeOff() {
  NoFade = 1;
  return 0;
}
