// The processes the program starts for work of its own are fresh runs of its executable, never
// bare forks of it: the program may have threads then (OpenAL's mixer), and a fork of it could hang
// on a lock one of them held. The test finds the OpenGL probe's helper while it works and reads its
// command line, which names its task only once the executable has started again. (The start-up
// alert's helper is found the same way in one_copy_test.cpp.)
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "platform/gl_probe.h"
#include "tests/process/game_process.h"

namespace {

namespace fs = std::filesystem;
using quill_process::CommandLine;
using quill_process::IsHelperFor;

// A hang guard only, far beyond what each wait takes on a loaded machine.
constexpr int kLimitMs = 30000;

// Words of a command line, readable in a failure message.
std::string Readable(std::string command_line) {
  for (char& c : command_line) {
    if (c == '\0') c = ' ';
  }
  return command_line;
}

// An X display of the test's own that takes connections and never answers: whatever connects
// waits there while the test looks at it. It listens on the abstract socket the X library tries
// first, for a display number with no server's socket file.
class SilentDisplay {
 public:
  SilentDisplay() {
    for (int number = 3000 + ::getpid() % 3000, tries = 0; tries < 500; ++number, ++tries) {
      const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
      if (fs::exists(path)) continue;
      fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      if (fd_ < 0) return;
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::memcpy(address.sun_path + 1, path.data(), path.size());
      const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
      if (::bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
          ::listen(fd_, 4) == 0) {
        name_ = ":" + std::to_string(number);
        return;
      }
      Close();
    }
  }
  ~SilentDisplay() { Close(); }
  SilentDisplay(const SilentDisplay&) = delete;
  SilentDisplay& operator=(const SilentDisplay&) = delete;

  const std::string& Name() const { return name_; }  // "" when no socket could be made

  // The command line of the first process that connects, read while it waits for the display's
  // answer; "" when none connected within `limit_ms`. The display then closes (the connection
  // and the socket), so the process goes on at once without one.
  std::string FirstClient(int limit_ms) {
    std::string command_line;
    pollfd wait{fd_, POLLIN, 0};
    if (::poll(&wait, 1, limit_ms) == 1) {
      const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
      ucred peer{};
      socklen_t size = sizeof peer;
      if (client >= 0 && ::getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0) {
        command_line = CommandLine(peer.pid);
      }
      if (client >= 0) ::close(client);
    }
    Close();
    return command_line;
  }

 private:
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

  int fd_ = -1;
  std::string name_;
};

// The OpenGL probe (asked once per process, so in a process of the test's own) connects to the
// display from its helper, which answers that no OpenGL window can be made on a display that
// closes at once.
TEST(OpenGlProbe, IsAFreshRunOfTheProgram) {
  EXPECT_EXIT(
      {
        SilentDisplay display;
        if (display.Name().empty()) {
          std::cerr << "no socket for a display" << std::endl;
          std::_Exit(2);
        }
        setenv("DISPLAY", display.Name().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        platform::detail::SetProbeLimitMs(kLimitMs);
        platform::detail::GlKind kind = platform::detail::GlKind::kUnknown;
        std::thread asking([&kind] { kind = platform::detail::ProbeOpenGl(); });
        const std::string client = display.FirstClient(kLimitMs);
        asking.join();
        const bool none = kind == platform::detail::GlKind::kNone;
        std::cerr << "client: [" << Readable(client) << "], answer: " << (none ? "none" : "other")
                  << std::endl;
        std::_Exit(IsHelperFor(client, "gl-probe") && none ? 0 : 1);
      },
      testing::ExitedWithCode(0), "answer: none");
}

}  // namespace
