#include "platform/system.h"

#include <SDL.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <thread>

#include "platform/graphics_internal.h"

namespace platform {

namespace {

struct SystemState {
  bool headless = false;
  std::int64_t manual_clock_ms = 0;
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  bool now_pinned = false;
  LocalDateTime pinned_now;
};

SystemState& State() {
  static SystemState state;
  return state;
}

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

}  // namespace

void SetHeadless(bool headless) { State().headless = headless; }
bool IsHeadless() { return State().headless; }

std::int64_t Millisecs() {
  if (State().headless) return State().manual_clock_ms;
  const auto elapsed = std::chrono::steady_clock::now() - State().start;
  return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

void AdvanceManualClock(std::int64_t ms) { State().manual_clock_ms += ms; }
void SetManualClock(std::int64_t ms) { State().manual_clock_ms = ms; }

void Delay(int ms) {
  if (ms <= 0) return;
  if (State().headless) {
    AdvanceManualClock(ms);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

LocalDateTime Now() {
  if (State().now_pinned) return State().pinned_now;
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  LocalDateTime now;
  now.year = tm.tm_year + 1900;
  now.month = tm.tm_mon + 1;
  now.day = tm.tm_mday;
  now.hour = tm.tm_hour;
  now.minute = tm.tm_min;
  now.second = tm.tm_sec;
  now.weekday = tm.tm_wday;
  return now;
}

void PinNow(const LocalDateTime& when, bool pinned) {
  State().now_pinned = pinned;
  State().pinned_now = when;
}

void Alert(const std::string& title, const std::string& message) {
  std::cerr << title << ": " << message << std::endl;
  if (State().headless) return;
  // A message box needs a display; without one the line on standard error is all there is.
  SDL_Window* parent = detail::GfxWindow();
  const std::string shown = AlertText(message);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), shown.c_str(), parent) != 0) {
    std::cerr << "(no message box: " << SDL_GetError() << ")" << std::endl;
  }
}

std::string AlertText(const std::string& message, std::size_t width) {
  std::string text;
  std::size_t start = 0;
  while (start <= message.size()) {
    std::size_t end = message.find('\n', start);
    if (end == std::string::npos) end = message.size();
    std::string line = message.substr(start, end - start);
    while (line.size() > width) {
      std::size_t cut = line.rfind(' ', width);
      if (cut == std::string::npos || cut == 0) cut = line.find(' ', width);
      if (cut == std::string::npos) break;
      text += line.substr(0, cut) + "\n";
      line.erase(0, cut + 1);
    }
    text += line;
    if (end < message.size()) text += "\n";
    start = end + 1;
  }
  return text;
}

std::string DataPrefix() {
  if (const char* env = std::getenv("QUILLBROOK_DATA"); env != nullptr && *env != '\0') {
    return WithSlash(env);
  }
  return ExecutableFolder();
}

std::string UserDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
    return WithSlash(xdg);
  }
  const char* home = std::getenv("HOME");
  std::string base = (home != nullptr && *home != '\0') ? home : "/tmp";
  return WithSlash(base) + ".local/share/";
}

std::string ExecutableFolder() {
  std::string buffer(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return "./";
  buffer.resize(static_cast<std::size_t>(n));
  const auto slash = buffer.rfind('/');
  if (slash == std::string::npos) return "./";
  return buffer.substr(0, slash + 1);
}

}  // namespace platform
