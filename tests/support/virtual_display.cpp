#include "tests/support/virtual_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace quill_test {

namespace {

constexpr int kStartLimitSeconds = 60;

// The path of the executable `name` found on PATH as execlp would find it; "" when there is none.
std::string FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    const std::string candidate = folder + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return "";
}

}  // namespace

VirtualDisplay::VirtualDisplay() {
  if (const char* display = std::getenv("DISPLAY")) {
    hadDisplay_ = true;
    oldDisplay_ = display;
  }
  const std::string program = FindOnPath("Xvfb");
  if (program.empty()) {
    error_ = "Xvfb is not on PATH (is the xvfb package installed?)";
    return;
  }
  // The read end closes in Xvfb as it starts; the write end is the one it answers on.
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    error_ = "no pipe for Xvfb";
    return;
  }
  // Everything Xvfb is started with is made before the fork: the test process may have threads, so
  // the child makes only async-signal-safe calls until Xvfb starts. Xvfb writes the display number
  // it took to the descriptor given once it accepts connections.
  const std::string fd = std::to_string(fds[1]);
  const char* const argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x720x24",
                              "-nolisten", "tcp", nullptr};
  pid_ = ::fork();
  if (pid_ == 0) {
    ::fcntl(fds[1], F_SETFD, 0);
    const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (quiet >= 0) {
      ::dup2(quiet, STDOUT_FILENO);
      ::dup2(quiet, STDERR_FILENO);
    }
    ::execv(program.c_str(), const_cast<char* const*>(argv));
    ::_exit(127);
  }
  ::close(fds[1]);
  if (pid_ < 0) {
    ::close(fds[0]);
    error_ = "could not start Xvfb";
    return;
  }
  // Xvfb answers once it is up, or closes the pipe when it fails; the limit only ends a server
  // that hangs, far beyond the second it takes on a loaded machine.
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kStartLimitSeconds);
  while (number.empty() || number.back() != '\n') {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd pfd{fds[0], POLLIN, 0};
    if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) break;
    char c = 0;
    if (::read(fds[0], &c, 1) != 1) break;
    number += c;
  }
  ::close(fds[0]);
  if (number.empty() || number.back() != '\n') {
    error_ = "Xvfb did not take a display within " + std::to_string(kStartLimitSeconds) +
             " s (is the xvfb package installed?)";
    return;
  }
  number.pop_back();
  name_ = ":" + number;
  setenv("DISPLAY", name_.c_str(), 1);
}

void VirtualDisplay::Kill() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
  if (name_.size() > 1) {
    const std::string number = name_.substr(1);
    ::unlink(("/tmp/.X11-unix/X" + number).c_str());
    ::unlink(("/tmp/.X" + number + "-lock").c_str());
  }
}

VirtualDisplay::~VirtualDisplay() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
  if (hadDisplay_)
    setenv("DISPLAY", oldDisplay_.c_str(), 1);
  else
    unsetenv("DISPLAY");
}

}  // namespace quill_test
