// Graphics mode and window, and the platform's request to quit.
#include <algorithm>
#include <stdexcept>

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/screen.h"
#include "core/upper_layer.h"
#include "platform/graphics.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/system.h"

int TGame::GraphicsCreate() {
  DebugInt = 100;
  if (platform::GraphicsModes().empty()) {
    throw std::runtime_error("No 3D Hardware Found (could not count graphics modes.)");
  }
  DebugInt = 10901;
  DebugInt = 10902;
  Driver = 1;
  DebugInt = 110;
  IniUpdate(0);

  if (FirstTime == 1) {
    DebugInt = 112;
    FirstTime = 0;
    DesktopRefreshRate = 60;
    platform::DesktopSize(&DesktopWidth, &DesktopHeight);
  }

  platform::GraphicsOptions options;
  options.logical_width = ScreenWidth;
  options.logical_height = ScreenHeight;
  options.vsync = VSync != 0;
  options.title = FULLNAME;
  std::string error;
  if (FullScreen != 0) {
    DebugInt = 114;
    options.full_screen = true;
    if (!platform::GraphicsOpen(options, &error)) {
      DebugInt = 117;
      ForceWindowedMode = 1;
      FullScreen = 0;
    }
  }
  if (FullScreen == 0) {
    DebugInt = 118;
    options.full_screen = false;
    if (!platform::GraphicsOpen(options, &error)) {
      DebugInt = 28;
      throw std::runtime_error("Cannot create Windowed Mode at " + std::to_string(ScreenWidth) +
                               "x" + std::to_string(ScreenHeight) + " " +
                               std::to_string(DesktopRefreshRate) + "Hz");
    }
    DebugInt = 119;
    WindowHandle = 1;
    DebugInt = 131;
    SetWindowCoords();
    SetClientCoords();
    DebugInt = 132;
  } else {
    DebugInt = 133;
    WindowHandle = 0;
  }
  // From here on errors can be shown in the game's own box.
  ccGraphicalErrors = 1;
  DebugInt = 134;
  ccDisablePolledInput();
  DebugInt = 135;
  SetPriority();
  GameRefreshRate = -1;
  DebugInt = 139;
  return 0;
}

int TGame::ToggleFullScreen() {
  if (FullScreen != 0) {
    FullScreen = 0;
  } else {
    if (ForceWindowedMode != 0) return 0;
    FullScreen = 1;
    platform::HideMouse();
  }
  Upper->MouseClearButtons();
  if (platform::GraphicsIsOpen()) {
    platform::GraphicsSetFullScreen(FullScreen != 0);
    WindowHandle = FullScreen != 0 ? 0 : 1;
  } else {
    GraphicsCreate();
  }
  int x = Upper->MouseX();
  int y = Upper->MouseY();
  if (FullScreen != 0) {
    x = std::clamp(x, 0, ScreenWidth - 1);
    y = std::clamp(y, 0, ScreenHeight - 1);
    Upper->MouseSetPosition(x, y);
  }
  platform::MoveMouse(x, y);
  IniUpdate(1);
  FixedRateLogic->Init();
  FixedRateLogic->HistoryClear();
  return 0;
}

int TGame::SetDriver(int driver) {
  if (driver == 0) {
    if (Driver == 0) return 0;
    Driver = 0;
  } else {
    if (Driver == 1) return 0;
    Driver = 1;
  }
  platform::GraphicsClose();
  GraphicsCreate();
  platform::MoveMouse(Upper->MouseX(), Upper->MouseY());
  IniUpdate(1);
  FixedRateLogic->Init();
  FixedRateLogic->HistoryClear();
  return 1;
}

int TGame::ToggleVSync() {
  VSync = VSync == 0 ? 1 : 0;
  IniUpdate(1);
  SetFlipSync();
  FixedRateLogic->Init();
  FixedRateLogic->HistoryClear();
  return 0;
}

int TGame::SetPriority() {
  if (FullScreen != 0) {
    ccSetPriority(FullScreenProcess, FullScreenThread);
  } else {
    ccSetPriority(WindowedProcess, WindowedThread);
  }
  return 0;
}

int TGame::SetGP(int x, int y) {
  gpX = x;
  gpY = y;
  return 0;
}

// The layer letterboxes the logical screen inside its window and reports pointer positions in
// logical pixels already, so the drawing area's origin is the logical origin.
int TGame::SetWindowCoords() {
  WindowX = 0;
  WindowY = 0;
  return 0;
}

int TGame::SetClientCoords() {
  ClientX = 0;
  ClientY = 0;
  return 0;
}

int TGame::GameTerminated() {
  if (TerminatedEvent == 0) return 1;
  // The exit fade already runs: the quit is being carried out.
  if (DestinationTScreen && DestinationTScreen == ExitScreen) return 1;
  // A quit the hook cannot take yet (a card still moving) is kept and asked again every step;
  // meanwhile the main loop runs play ahead so the wait is short. Past the limit the program ends
  // anyway, with the profile as it was last recorded.
  if (TerminatedUserFunction && QuitWaitTicks < QUIT_WAIT_LIMIT_TICKS &&
      TerminatedUserFunction() != 0) {
    QuitWaitTicks += 1;
    return 1;
  }
  TerminatedEvent = 0;
  QuitWaitTicks = 0;
  InstantExit = 1;
  if (CurrentProfile && CurrentTScreen && CurrentTScreen->name == "game") {
    Upper->SaveProfile(*CurrentProfile);
  }
  return -1;
}
