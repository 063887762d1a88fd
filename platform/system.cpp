#include "platform/system.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <iterator>
#include <thread>

#include "platform/display.h"
#include "platform/graphics_internal.h"
#include "platform/helper_process.h"

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

void ShowMessageBox(const std::string& title, const std::string& text, SDL_Window* parent) {
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), parent) != 0) {
    std::cerr << "(no message box: " << SDL_GetError() << ")" << std::endl;
  }
}

// The signals that ask the program to end. While an alert is up each one is noted on a pipe (the
// write end below; -1 when no alert is up) instead of being handled, so the alert can be closed
// first; write() is safe in a signal handler.
constexpr int kQuitSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
volatile sig_atomic_t g_alert_quit_pipe = -1;

void NoteQuitDuringAlert(int signal) {
  const int saved = errno;
  const unsigned char noted = static_cast<unsigned char>(signal);
  if (g_alert_quit_pipe >= 0 && ::write(g_alert_quit_pipe, &noted, 1) < 0) {
    // A full pipe already holds a quit.
  }
  errno = saved;
}

// Shows an alert that has no window of the game to sit on in a helper process (helper_process.h),
// and waits until the player closes it or a quit signal comes. The system's box may run in
// processes of its own (SDL's X11 box does), which a quit that ends the program would leave on the
// screen: the helper leads a group of its own, and a quit ends that whole group before it is handed
// on to whatever would have handled it without the alert. False when no helper could be started.
bool ShowAlertAside(const std::string& title, const std::string& text) {
  int quit[2];
  int alive[2];
  if (::pipe2(quit, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  if (::pipe2(alive, O_CLOEXEC) != 0) {
    ::close(quit[0]);
    ::close(quit[1]);
    return false;
  }
  struct sigaction note{};
  note.sa_handler = NoteQuitDuringAlert;
  sigemptyset(&note.sa_mask);
  note.sa_flags = SA_RESTART;
  struct sigaction before[std::size(kQuitSignals)];
  g_alert_quit_pipe = quit[1];
  for (std::size_t i = 0; i < std::size(kQuitSignals); ++i) ::sigaction(kQuitSignals[i], &note, &before[i]);

  // `alive[1]` stays open in the helper for as long as it (and any process it starts) lives.
  detail::HelperOptions options;
  options.keep_open = alive[1];
  options.own_group = true;
  const pid_t box = detail::StartHelper(detail::HelperTask::kAlert, {title, text}, options);
  ::close(alive[1]);
  int quit_signal = 0;
  int status = 0;
  if (box > 0) {
    // Set here as well as in the child, so the group exists before a quit can be sent to it.
    ::setpgid(box, box);
    pollfd waits[2] = {{alive[0], POLLIN, 0}, {quit[0], POLLIN, 0}};
    for (;;) {
      if (::poll(waits, 2, -1) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      unsigned char noted = 0;
      if ((waits[1].revents & POLLIN) != 0 && ::read(quit[0], &noted, 1) == 1) {
        quit_signal = noted;
        if (::kill(-box, SIGKILL) != 0) ::kill(box, SIGKILL);
        break;
      }
      // The end of the pipe: the box's processes have ended.
      if (waits[0].revents != 0) break;
    }
    while (::waitpid(box, &status, 0) < 0 && errno == EINTR) {
    }
  }
  for (std::size_t i = 0; i < std::size(kQuitSignals); ++i) ::sigaction(kQuitSignals[i], &before[i], nullptr);
  g_alert_quit_pipe = -1;
  // A quit that came as the box closed is handed on too.
  unsigned char noted = 0;
  if (quit_signal == 0 && ::read(quit[0], &noted, 1) == 1) quit_signal = noted;
  ::close(quit[0]);
  ::close(quit[1]);
  ::close(alive[0]);
  if (quit_signal != 0) ::raise(quit_signal);
  // A helper that could not be started showed nothing: the caller shows the box itself.
  const bool not_started =
      quit_signal == 0 && WIFEXITED(status) && WEXITSTATUS(status) == detail::kHelperNotStarted;
  return box > 0 && !not_started;
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
  // (A display that was lost can show nothing, and a server started again in its place would
  // hold the box open with no one waiting for it.)
  if (State().headless || DisplayLost()) return;
  // A message box needs a display; without one the line on standard error is all there is.
  SDL_Window* parent = detail::GfxWindow();
  const std::string shown = AlertText(message);
  if (parent == nullptr && ShowAlertAside(title, shown)) return;
  ShowMessageBox(title, shown, parent);
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
