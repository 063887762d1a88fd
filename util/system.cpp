#include "util/system.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "util/globals.h"

// Screen positions here follow the convention the game's pointer code expects: y counted upwards
// from the bottom of the desktop. The window is taken to sit at the desktop's top-left corner,
// with the logical screen filling it, so that the pointer code's chain (desktop height - cursor y
// - client top) gives back the logical mouse position.

std::string ccGetSharedUserDataFolder() {
  std::string folder = platform::UserDataFolder();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

int ccShareFileOSX(const std::string& path) {
  platform::ShareFile(path);
  return 0;
}

extern "C" std::intptr_t macGetActiveWindow() { return platform::GraphicsIsOpen() ? 1 : 0; }

extern "C" int macGetCursorPos(int* x, int* y) {
  int width = 0, height = 0;
  platform::DesktopSize(&width, &height);
  *x = platform::MouseX();
  *y = height - platform::MouseY();
  return 1;
}

extern "C" void macGetDesktopSize(int* width, int* height) { platform::DesktopSize(width, height); }

extern "C" void macGetWindowOrigin(std::intptr_t /*window*/, int* x, int* y) {
  int width = 0, height = 0;
  platform::DesktopSize(&width, &height);
  *x = 0;
  *y = height - ScreenHeight;
}

std::intptr_t ccGetActiveWindowOSX() { return macGetActiveWindow(); }

std::shared_ptr<TPoint> ccGetCursorPosOSX() {
  auto point = std::make_shared<TPoint>();
  if (macGetCursorPos(&point->X, &point->Y) == 0) return nullptr;
  return point;
}

std::shared_ptr<TPoint> ccGetWindowOriginOSX(std::intptr_t window) {
  auto point = std::make_shared<TPoint>();
  macGetWindowOrigin(window, &point->X, &point->Y);
  return point;
}

int ccGetDesktopSize(int& width, int& height) {
  macGetDesktopSize(&width, &height);
  return 1;
}

int ccFixMacWindowY(int y, int desktop_height) { return desktop_height - (y + ScreenHeight); }

int ccFindScreenRes(int width, int height, int depth, int hertz) {
  for (const platform::GraphicsMode& mode : platform::GraphicsModes()) {
    if (mode.width == width && mode.height == height && mode.depth == depth && mode.hertz == hertz)
      return 1;
  }
  return 0;
}

int ccPrintGraphicsModes() {
  const std::vector<platform::GraphicsMode> modes = platform::GraphicsModes();
  for (std::size_t i = 0; i < modes.size(); ++i) {
    std::printf("%zu Width: %d Height: %d Depth: %d Hertz: %d\n", i, modes[i].width, modes[i].height,
                modes[i].depth, modes[i].hertz);
  }
  return 0;
}

int ccCentreWindow() { return 0; }
int ccCentreWindowHandle(std::intptr_t) { return 0; }
int ccCreateMutex(const std::string&) { return 0; }
int ccEnableMaximize(std::int64_t) { return 0; }
int ccEnableMinimize(std::int64_t) { return 0; }
int ccMinimiseWindow(std::intptr_t) { return 0; }
int ccSetIcon(const std::string&, std::intptr_t) { return 0; }
int ccSetPriority(int, int) { return 0; }
int ccSetWallpaper() { return 0; }
std::string ccGetSpecialFolder() { return ""; }
std::string ccGetVersionString() { return ""; }
int ccGetVideoMemory(int&, int&) { return 0; }
std::string ccGetDirectXVersion() { return ""; }

int ccDirectXVersionIsValid() {
  const std::string version = ccGetDirectXVersion();
  return (version == "1.0" || version == "2.0" || version == "3.0" || version == "5.0" ||
          version == "6.0")
             ? 0
             : 1;
}

std::shared_ptr<TMemoryStatus> ccGetMemoryStatus() { return std::make_shared<TMemoryStatus>(); }
std::shared_ptr<TWindowInfo> ccGetWindowInfo() { return std::make_shared<TWindowInfo>(); }
std::shared_ptr<TWindowInfo> ccGetWindowInfoHandle() { return std::make_shared<TWindowInfo>(); }
std::shared_ptr<TPoint> ccGetCursorPos() { return std::make_shared<TPoint>(); }
int ccWindowActive() { return 0; }
std::shared_ptr<TPoint> ccWindowPosition() { return nullptr; }
std::shared_ptr<TPoint> ccWindowPositionHandle() { return nullptr; }
int ccGiveDirectoryFullAccess() { return 0; }
