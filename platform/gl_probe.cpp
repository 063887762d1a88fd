#include "platform/gl_probe.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/helper_process.h"

namespace platform::detail {

bool DrawsInSoftware(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
  if ((info.flags & SDL_RENDERER_SOFTWARE) != 0) return true;
  if (info.name == nullptr || std::strcmp(info.name, "opengl") != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  const auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (get_string == nullptr) return false;
  constexpr unsigned kGlRenderer = 0x1F01;
  const auto* name = reinterpret_cast<const char*>(get_string(kGlRenderer));
  if (name == nullptr) return false;
  return std::strstr(name, "llvmpipe") != nullptr || std::strstr(name, "softpipe") != nullptr ||
         std::strstr(name, "Software Rasterizer") != nullptr;
}

namespace {
int g_probe_limit_ms = 5000;
}  // namespace

void AnswerProbe(int out) {
  char answer = 'N';
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 8, 8, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer =
        window != nullptr ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
    if (renderer != nullptr) answer = DrawsInSoftware(renderer) ? 'S' : 'H';
  }
  ssize_t written;
  do {
    written = ::write(out, &answer, 1);
  } while (written < 0 && errno == EINTR);
  // No clean-up: the process ends here.
  ::_exit(0);
}

namespace {

GlKind RunProbe() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return GlKind::kUnknown;
  // The helper keeps only the write end.
  HelperOptions options;
  options.keep_open = fds[1];
  const pid_t child = StartHelper(HelperTask::kGlProbe, {std::to_string(fds[1])}, options);
  ::close(fds[1]);
  if (child < 0) {
    ::close(fds[0]);
    return GlKind::kUnknown;
  }
  GlKind kind = GlKind::kUnknown;
  pollfd wait{fds[0], POLLIN, 0};
  int ready;
  do {
    ready = ::poll(&wait, 1, g_probe_limit_ms);
  } while (ready < 0 && errno == EINTR);
  char answer = 0;
  if (ready == 1 && ::read(fds[0], &answer, 1) == 1) {
    if (answer == 'S') kind = GlKind::kSoftware;
    if (answer == 'H') kind = GlKind::kHardware;
    if (answer == 'N') kind = GlKind::kNone;
  }
  ::close(fds[0]);
  if (ready != 1) ::kill(child, SIGKILL);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return kind;
}

}  // namespace

void SetProbeLimitMs(int ms) { g_probe_limit_ms = ms; }

GlKind ProbeOpenGl() {
  // The answer cannot change while the program runs: asked once.
  static const GlKind kind = RunProbe();
  return kind;
}

}  // namespace platform::detail
