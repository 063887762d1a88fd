// The window's display lost while the program runs. On X, Xlib calls the process's I/O error
// handler when the connection to the server breaks, and ends the process itself if that handler
// returns; its state is broken from then on, so no call may reach the display again (not even the
// window's or the renderer's destruction, nor SDL's exit handlers). On Wayland, SDL sees the
// connection fail as it reads the compositor's events; the connection's error says so.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/display.h"
#include "platform/graphics_internal.h"

namespace platform {

namespace {

DisplayLostHandler g_handler = nullptr;
bool g_lost = false;

// Reports the loss and ends the program with status 1 without going back to the system's code.
[[noreturn]] void EndForLostDisplay(const std::string& reason) {
  // A loss met again while the first is reported ends at once.
  if (g_lost) ::_exit(1);
  g_lost = true;
  if (g_handler != nullptr)
    g_handler(reason);
  else
    std::fprintf(stderr, "%s\n", reason.c_str());
  std::fflush(nullptr);
  // Exit handlers (SDL's, the audio library's) would reach the dead display: none run.
  ::_exit(1);
}

// Xlib's I/O error handler: the connection to the X server broke. Reading the display's name is
// no request to the server.
[[noreturn]] int OnXConnectionBroken(Display* display) {
  const char* name = display != nullptr ? DisplayString(display) : nullptr;
  if (name == nullptr || *name == '\0') name = std::getenv("DISPLAY");
  EndForLostDisplay(std::string("The display ") +
                    (name != nullptr && *name != '\0' ? name : "(unnamed)") +
                    " was lost: the connection to the X server broke.");
}

bool DriverIs(const char* name) {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && SDL_strcasecmp(driver, name) == 0;
}

// The Wayland library's check of a connection, found in the copy SDL has loaded (the program
// itself links no Wayland library); null when none is loaded.
using WaylandErrorCall = int (*)(struct wl_display*);
WaylandErrorCall WaylandError() {
  static WaylandErrorCall call = [] {
    void* library = ::dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
    return library != nullptr
               ? reinterpret_cast<WaylandErrorCall>(::dlsym(library, "wl_display_get_error"))
               : nullptr;
  }();
  return call;
}

}  // namespace

void OnDisplayLost(DisplayLostHandler handler) { g_handler = handler; }

bool DisplayLost() { return g_lost; }

namespace detail {

void WatchDisplay() {
  // Xlib keeps one I/O error handler for the process. SDL has opened its connection by now; the
  // handler replaces Xlib's own, which would end the program at once with nothing saved.
  if (DriverIs("x11")) XSetIOErrorHandler(&OnXConnectionBroken);
}

void CheckDisplay() {
  if (g_lost || !DriverIs("wayland")) return;
  SDL_Window* window = GfxWindow();
  const WaylandErrorCall error = WaylandError();
  if (window == nullptr || error == nullptr) return;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_WAYLAND ||
      info.info.wl.display == nullptr || error(info.info.wl.display) == 0) {
    return;
  }
  const char* name = std::getenv("WAYLAND_DISPLAY");
  EndForLostDisplay(std::string("The display ") +
                    (name != nullptr && *name != '\0' ? name : "wayland-0") +
                    " was lost: the connection to the Wayland compositor broke.");
}

}  // namespace detail

}  // namespace platform
