// Asks a program's window to close the way a window manager's close button does: finds the window
// that the program with the given process id made (its _NET_WM_PID) and whose name begins with the
// given text, and sends it a WM_DELETE_WINDOW client message.
//
// Other clients make and destroy windows while the tree is walked (the game's start-up OpenGL probe
// is a child process with a hidden window of its own): a window that is gone before it is asked
// about is skipped and the search goes on, where Xlib's default error handler would end the closer
// on the first BadWindow. The search runs again whenever the display reports a window made or a
// property changed, and at least every 100 ms, until the window is found, the program has ended,
// or the limit has passed.
// Usage: close_window PID NAME_PREFIX [LIMIT_MS]    exit status 0 when sent, 1 when the program
// ended or no such window appeared within the limit (default 10000 ms), 2 without a display.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// Counts the errors instead of ending the program: a request about a window that vanished
// meanwhile fails, and its caller skips the window.
int g_errors = 0;

int SkipGoneWindows(Display* display, XErrorEvent* error) {
  ++g_errors;
  if (error->error_code != BadWindow) {
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "close_window: X error %s (request %d), skipped\n", text, error->request_code);
  }
  return 0;
}

struct Search {
  Display* display;
  pid_t pid;
  std::string prefix;
  Atom net_wm_pid;
};

// The process id a window's owner gave it, or 0 when it has none (or is gone).
long WindowPid(const Search& search, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(search.display, window, search.net_wm_pid, 0, 1, False, XA_CARDINAL,
                                        &type, &format, &count, &after, &data);
  long pid = 0;
  if (status == Success && type == XA_CARDINAL && format == 32 && count == 1 && data != nullptr) {
    pid = *reinterpret_cast<long*>(data);
  }
  if (data != nullptr) XFree(data);
  return pid;
}

bool NameMatches(const Search& search, Window window) {
  char* name = nullptr;
  if (XFetchName(search.display, window, &name) == 0 || name == nullptr) return false;
  const bool match = std::strncmp(name, search.prefix.c_str(), search.prefix.size()) == 0;
  XFree(name);
  return match;
}

Window Find(const Search& search, Window window, int depth) {
  // Told of its later property changes (a name or process id set after it was made) and of the
  // windows made inside it.
  XSelectInput(search.display, window, PropertyChangeMask | SubstructureNotifyMask);
  if (WindowPid(search, window) == search.pid && NameMatches(search, window)) return window;
  if (depth == 0) return 0;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(search.display, window, &root, &parent, &children, &count) == 0) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) found = Find(search, children[i], depth - 1);
  if (children != nullptr) XFree(children);
  return found;
}

// Whether the process still runs (a process that ended but was not yet waited for counts as ended).
bool Running(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  const auto close = line.rfind(')');
  if (close == std::string::npos || close + 2 >= line.size()) return false;
  const char state = line[close + 2];
  return state != 'Z' && state != 'X';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: close_window PID NAME_PREFIX [LIMIT_MS]\n");
    return 2;
  }
  const pid_t pid = static_cast<pid_t>(std::atol(argv[1]));
  const int limit_ms = argc > 3 ? std::atoi(argv[3]) : 10000;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  XSetErrorHandler(SkipGoneWindows);
  const Search search{display, pid, argv[2], XInternAtom(display, "_NET_WM_PID", False)};
  const Window root = DefaultRootWindow(display);
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(limit_ms);
  Window target = 0;
  for (;;) {
    // Events that came before this search are covered by it.
    while (XPending(display) > 0) {
      XEvent ignored;
      XNextEvent(display, &ignored);
    }
    target = Find(search, root, 3);
    if (target != 0) break;
    if (!Running(pid)) {
      std::fprintf(stderr, "close_window: process %d ended before its window appeared\n", static_cast<int>(pid));
      break;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      std::fprintf(stderr, "close_window: no window of process %d named %s* within %d ms\n",
                   static_cast<int>(pid), search.prefix.c_str(), limit_ms);
      break;
    }
    XFlush(display);
    if (XPending(display) == 0) {
      pollfd wait{ConnectionNumber(display), POLLIN, 0};
      ::poll(&wait, 1, static_cast<int>(left < 100 ? left : 100));
    }
  }
  if (target == 0) {
    XCloseDisplay(display);
    return 1;
  }
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = target;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const int errors_before = g_errors;
  XSendEvent(display, target, False, NoEventMask, &event);
  // Waits for the server's answer: a window that vanished just now was not sent the close.
  XSync(display, False);
  const bool sent = g_errors == errors_before;
  if (!sent) std::fprintf(stderr, "close_window: the window was gone before the close was sent\n");
  XCloseDisplay(display);
  return sent ? 0 : 1;
}
