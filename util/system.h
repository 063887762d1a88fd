#pragma once
// Window, display and system helpers. On Linux the per-user folder is the XDG data folder and
// "sharing" a file gives it mode 0777. The window-manager calls of other platforms are kept as
// entry points that do nothing and return the fixed value given (the core calls some of them).

#include <cstdint>
#include <memory>
#include <string>

#include "util/types.h"

// The per-user data folder (XDG data folder, no trailing separator), "" when unknown.
std::string ccGetSharedUserDataFolder();
// Mode 0777 for a written file; the result is not reported. Returns 0.
int ccShareFileOSX(const std::string& path);
// Handle of the game window when it has the focus, else 0 (here: 1 while the window is open).
std::intptr_t ccGetActiveWindowOSX();
// The mouse position in desktop pixels with y counted upwards from the bottom of the desktop.
std::shared_ptr<TPoint> ccGetCursorPosOSX();
// The window's bottom-left corner in the same upward coordinates.
std::shared_ptr<TPoint> ccGetWindowOriginOSX(std::intptr_t window);
// The desktop size. Returns 1.
int ccGetDesktopSize(int& width, int& height);
// desktop_height - (y + ScreenHeight): the top edge, counted down, of a window whose bottom edge
// lies y above the bottom of the desktop.
int ccFixMacWindowY(int y, int desktop_height);
// 1 when the drawing layer lists a graphics mode with exactly these values.
int ccFindScreenRes(int width, int height, int depth, int hertz);
// One console line per graphics mode. Returns 0.
int ccPrintGraphicsModes();

// The four window-system calls the wrappers above are built on, with C linkage. Positions are in
// desktop pixels with y counted upwards from the bottom of the desktop, truncated toward zero.
// The key window's handle, 0 when the game has no window (here: 1 while the window is open).
extern "C" std::intptr_t macGetActiveWindow();
// Writes the mouse position; returns non-zero (it cannot fail).
extern "C" int macGetCursorPos(int* x, int* y);
// Writes the desktop's width and height.
extern "C" void macGetDesktopSize(int* width, int* height);
// Writes the origin (bottom-left corner) of the window's frame.
extern "C" void macGetWindowOrigin(std::intptr_t window, int* x, int* y);

// Records in the layout of another platform's system calls; nothing fills them here.
class TOSVersionInfoEx {
 public:
  int dwOSVersionInfoSize = 0, dwVerMajor = 0, dwVerMinor = 0, dwBuildNumber = 0, dwPlatformId = 0,
      szCSDVersion = 0;
  std::int64_t pad0 = 0, pad1 = 0, pad2 = 0, pad3 = 0, pad4 = 0, pad5 = 0, pad6 = 0, pad7 = 0,
               pad8 = 0, pad9 = 0, pad10 = 0, pad11 = 0, pad12 = 0, pad13 = 0, pad14 = 0;
  int pad15 = 0;
  std::int16_t wServicePackMajor = 0, wServicePackMinor = 0, wSuiteMask = 0;
  std::uint8_t wProductType = 0, wReserved = 0;
};

class TMemoryStatus {
 public:
  int dwLength = 32, dwMemoryLoad = 0, dwTotalPhys = 0, dwAvailPhys = 0, dwTotalPageFile = 0,
      dwAvailPageFile = 0, dwTotalVirtual = 0, dwAvailVirtual = 0;
};

class TWindowInfo {
 public:
  int cbSize = 0, wl = 0, wt = 0, wr = 0, wb = 0, cl = 0, ct = 0, cr = 0, cb = 0, dwStyle = 0,
      dwExStyle = 0, dwWindowStatus = 0, cxWindowBorders = 0, cyWindowBorders = 0;
  std::int16_t atomWindowType = 0, wCreatorVersion = 0;
};

// Window and system calls of another platform: no effect here.
int ccCentreWindow();
int ccCentreWindowHandle(std::intptr_t window);
int ccCreateMutex(const std::string& name);
int ccEnableMaximize(std::int64_t window);
int ccEnableMinimize(std::int64_t window);
int ccMinimiseWindow(std::intptr_t window);
int ccSetIcon(const std::string& app_path, std::intptr_t window);
int ccSetPriority(int process_priority, int thread_priority);
int ccSetWallpaper();
std::string ccGetSpecialFolder();
std::string ccGetVersionString();
int ccGetVideoMemory(int& total, int& available);  // leaves both as they were
std::string ccGetDirectXVersion();                 // ""
int ccDirectXVersionIsValid();                     // 1
std::shared_ptr<TMemoryStatus> ccGetMemoryStatus();
std::shared_ptr<TWindowInfo> ccGetWindowInfo();
std::shared_ptr<TWindowInfo> ccGetWindowInfoHandle();
std::shared_ptr<TPoint> ccGetCursorPos();  // (0, 0)
int ccWindowActive();
std::shared_ptr<TPoint> ccWindowPosition();        // nullptr
std::shared_ptr<TPoint> ccWindowPositionHandle();  // nullptr
int ccGiveDirectoryFullAccess();
