// Asks a window to close the way a window manager's close button does: finds the top-level window
// whose name begins with the given text and sends it a WM_DELETE_WINDOW client message.
// Usage: close_window NAME_PREFIX [TIMEOUT_MS]    exit status 0 when sent, 1 when no such window
// appeared within the time (default 10000 ms), 2 without a display.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

Window FindNamed(Display* display, Window window, const std::string& prefix, int depth) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) {
    const bool match = std::strncmp(name, prefix.c_str(), prefix.size()) == 0;
    XFree(name);
    if (match) return window;
  }
  if (depth == 0) return 0;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) found = FindNamed(display, children[i], prefix, depth - 1);
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: close_window NAME_PREFIX [TIMEOUT_MS]\n");
    return 2;
  }
  const std::string prefix = argv[1];
  const int timeout_ms = argc > 2 ? std::atoi(argv[2]) : 10000;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  Window target = 0;
  for (int waited = 0; waited <= timeout_ms && target == 0; waited += 20) {
    target = FindNamed(display, DefaultRootWindow(display), prefix, 3);
    if (target == 0) usleep(20 * 1000);
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
  XSendEvent(display, target, False, NoEventMask, &event);
  XFlush(display);
  XCloseDisplay(display);
  return 0;
}
