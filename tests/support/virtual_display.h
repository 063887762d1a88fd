#pragma once
// A virtual X display (Xvfb) of the test's own, for tests that open a real window: it picks a free
// display number itself, so runs started at once never share one, and points DISPLAY at it while it
// lives.

#include <string>
#include <sys/types.h>

namespace quill_test {

class VirtualDisplay {
 public:
  // Starts Xvfb (1280 x 720, 24 bits) and waits for it to take a display (at most 60 s).
  VirtualDisplay();
  // Stops the server and puts DISPLAY back as it was.
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool Ready() const { return error_.empty(); }
  // Why the display could not be started ("" when it was).
  const std::string& Error() const { return error_; }
  // ":N"
  const std::string& Name() const { return name_; }
  // Ends the server at once, as a crash would (SIGKILL): every client's connection breaks. The
  // socket and lock file it leaves behind are removed.
  void Kill();

 private:
  pid_t pid_ = -1;
  std::string name_, error_, oldDisplay_;
  bool hadDisplay_ = false;
};

}  // namespace quill_test
