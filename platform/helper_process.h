#pragma once
// Private to the platform library: work the program hands to a process of its own, started as a
// fresh run of its own executable.
//
// The program may have threads (OpenAL's mixer, SDL's) that hold locks at any moment; a forked copy
// of it inherits those locks held by threads that no longer exist, so it may do nothing but
// async-signal-safe calls until it executes a program. A helper is therefore the executable itself
// started again (/proc/self/exe) with a private first argument naming its task: everything it runs
// is built before the fork, and the forked copy only sets up its signals and descriptors and
// executes it. The task runs before main() (see helper_process.cpp) and ends the process, so it
// works the same from the game and from any test program linked with this library.

#include <sys/types.h>

#include <string>
#include <vector>

namespace platform::detail {

enum class HelperTask {
  kAlert,    // arguments: title, text. Shows the system's message box and ends when it is closed.
  kGlProbe,  // arguments: the descriptor to answer on. See gl_probe.h.
};

// The exit status of a helper whose executable could not be started.
constexpr int kHelperNotStarted = 127;

// The argument that marks a run of the executable as a helper (its first argument).
constexpr const char* kHelperArgument = "--quillbrook-helper";

struct HelperOptions {
  // A descriptor the helper keeps open across the start (every other one made close-on-exec stays
  // behind); -1 for none.
  int keep_open = -1;
  // The helper leads a process group of its own, with the quit signals (SIGINT, SIGTERM, SIGHUP,
  // SIGQUIT) at their default, so the group can be ended as one.
  bool own_group = false;
};

// Starts the helper for `task` with its `arguments`: its process id, or -1 when no process could be
// made. A helper that could not be executed ends at once with kHelperNotStarted.
pid_t StartHelper(HelperTask task, const std::vector<std::string>& arguments,
                  const HelperOptions& options);

}  // namespace platform::detail
