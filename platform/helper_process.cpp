#include "platform/helper_process.h"

#include <SDL.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/gl_probe.h"

namespace platform::detail {

namespace {

constexpr const char* kSelf = "/proc/self/exe";

const char* TaskName(HelperTask task) {
  switch (task) {
    case HelperTask::kAlert:
      return "alert";
    case HelperTask::kGlProbe:
      return "gl-probe";
  }
  return "";
}

// The helper's side, in the freshly started executable: the task named by `argv[2]`, then the end
// of the process. This runs before main(), perhaps before the program's own static objects are
// made, so the task uses only SDL and the C library, and ends with _exit (no exit handlers).
[[noreturn]] void RunTask(int argc, char** argv) {
  const char* task = argv[2];
  if (std::strcmp(task, TaskName(HelperTask::kAlert)) == 0 && argc == 5) {
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, argv[3], argv[4], nullptr) != 0) {
      std::fprintf(stderr, "(no message box: %s)\n", SDL_GetError());
    }
    ::_exit(0);
  }
  if (std::strcmp(task, TaskName(HelperTask::kGlProbe)) == 0 && argc == 4) {
    char* end = nullptr;
    const long out = std::strtol(argv[3], &end, 10);
    if (end != argv[3] && *end == '\0' && out >= 0 && out <= INT_MAX)
      AnswerProbe(static_cast<int>(out));
  }
  std::fprintf(stderr, "%s: unknown helper task \"%s\"\n", argv[0], task);
  ::_exit(2);
}

// Runs as the executable is loaded, before main(): glibc hands the program's arguments to the
// functions it runs then. A run marked as a helper does its task and ends there; any other run
// goes on untouched.
__attribute__((constructor)) void RunHelperTaskIfAsked(int argc, char** argv) {
  if (argc >= 3 && argv != nullptr && std::strcmp(argv[1], kHelperArgument) == 0)
    RunTask(argc, argv);
}

}  // namespace

pid_t StartHelper(HelperTask task, const std::vector<std::string>& arguments,
                  const HelperOptions& options) {
  // Everything the new process uses is made here, before the fork.
  char program[PATH_MAX];
  const ssize_t length = ::readlink(kSelf, program, sizeof program - 1);
  program[length > 0 ? length : 0] = '\0';
  std::vector<char*> argv;
  argv.push_back(length > 0 ? program : const_cast<char*>(kSelf));
  argv.push_back(const_cast<char*>(kHelperArgument));
  argv.push_back(const_cast<char*>(TaskName(task)));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  struct sigaction plain {};
  plain.sa_handler = SIG_DFL;
  sigemptyset(&plain.sa_mask);
  constexpr int kQuitSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  // The new process: async-signal-safe calls only, up to the exec.
  if (options.own_group) {
    ::setpgid(0, 0);
    for (const int signal : kQuitSignals) ::sigaction(signal, &plain, nullptr);
  }
  if (options.keep_open >= 0) ::fcntl(options.keep_open, F_SETFD, 0);
  // The running executable, even when its file has since been replaced or removed.
  ::execv(kSelf, argv.data());
  ::_exit(kHelperNotStarted);
}

}  // namespace platform::detail
