#pragma once
// Runs the real, staged program as a child process with its own per-user folder and data folder, for
// the tests that check how it ends: exit status, the files it leaves, how soon it stops after a
// quit request.

#include <sys/types.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quill_process {

// Settings that skip the studio splash, so a run reaches loading at once.
inline constexpr char kNoSplash[] =
    "FULL SCREEN=0\r\nFADE=0\r\nPORTAL SPLASH=0\r\nPORTAL SPLASH2=0\r\n";

// The staged program and its data folder.
std::string StagedProgram();
std::string StagedDataPrefix();  // the folder holding "Data/", with a trailing slash

// A fresh folder under the test's temporary folder, with a trailing slash.
std::string FreshFolder(const std::string& name);

// A data folder that is the staged one except for the files given (path under "Data/" -> bytes):
// every other file is a link to the staged one. Returns the prefix holding "Data/".
std::string DataFolderWith(const std::string& name, const std::map<std::string, std::string>& files);

// Readies this test program for a run of the game in a process of its own, started by one of the
// tests through a test of this program: the per-user root `xdg_root`, the real platform (so a
// signal, the window's close button and a lost display reach the game), the boxes advanced as the
// scripted player advances them, and a manual clock.
void EnterChildRun(const std::string& xdg_root);

// The game's per-user folder under a per-user root, and its settings file written before a run.
std::string UserFolder(const std::string& xdg_root);
void WriteSettings(const std::string& xdg_root, const std::string& lines);

// Everything under `root` as it stands: each entry's kind, mode, bytes and change times, so any
// file made, removed, written or given another mode shows.
using Snapshot = std::map<std::string, std::tuple<unsigned, std::string, long long, long long>>;
Snapshot Take(const std::string& root);
// The entries made, removed or changed between two snapshots, one a line.
std::string Changes(const Snapshot& before, const Snapshot& after);

// The live processes (not yet reaped ones aside) started with the per-user root `xdg`: the program
// and whatever processes of its own it made (they share its environment).
std::vector<pid_t> ProcessesOf(const std::string& xdg);

// The command line of process `pid`, its words each ended by a NUL ("" once it has gone).
std::string CommandLine(pid_t pid);
// Whether a command line is that of a helper the program started for `task` ("alert",
// "gl-probe"): its own executable started again with the helper's argument and the task's name.
bool IsHelperFor(const std::string& command_line, const std::string& task);

// The video driver argument for a start with no display at all: SDL_VIDEODRIVER, DISPLAY,
// WAYLAND_DISPLAY and XDG_RUNTIME_DIR unset, as from a text console or over ssh.
inline constexpr const char* kNoDisplay = "";

// A test of this test program that runs the game itself, and what it adds to its environment.
struct TestRun {
  std::string test;
  std::map<std::string, std::string> extra;
};

class GameProcess {
 public:
  // Starts the program with XDG_DATA_HOME = xdg_root and QUILLBROOK_DATA = data_prefix, headless
  // (SDL's dummy video driver, and no display for a system alert) unless `video_driver` says
  // otherwise; output goes to xdg_root + "output.txt". `in_child` runs in the new process just
  // before the program starts (a test's own set-up of that process; it may end it with _exit). It
  // runs in a fork of this process, which may have threads: it may make async-signal-safe calls
  // only (plain system calls; no allocation, no locks, no standard streams).
  GameProcess(const std::string& xdg_root, const std::string& data_prefix,
              const std::string& video_driver = "dummy", const std::function<void()>& in_child = {});
  // Starts this test program again instead, running only `run.test` (one that runs the game's
  // entry itself, as main() does), with `run.extra` added to the environment above for
  // `video_driver` and the staged data folder; its temporary files go to xdg_root + "tmp/". A test
  // program sets its own per-user root at its start: the test run learns xdg_root through `extra`.
  GameProcess(const std::string& xdg_root, const TestRun& run,
              const std::string& video_driver = "dummy");
  ~GameProcess();  // kills the program if it still runs
  GameProcess(const GameProcess&) = delete;
  GameProcess& operator=(const GameProcess&) = delete;

  pid_t Pid() const { return pid_; }
  // Polls `ready` every 10 ms for up to `timeout_ms`; true as soon as it holds.
  bool WaitUntil(const std::function<bool()>& ready, int timeout_ms);
  // True once the program handles SIGTERM itself: its event system is up, so the window is open
  // (or, before any window, while a system alert is up).
  bool CatchesTerminate() const;
  void Signal(int signal) const;
  // Whether the program has ended; it is left unreaped, so WaitForExit still gives its status.
  bool Ended() const;
  // Waits up to `timeout_ms` for the program to end: its exit status, or -1 when it was killed by
  // a signal or did not end in time (it is then killed). `seconds` gets the time waited.
  int WaitForExit(int timeout_ms, double* seconds = nullptr);
  std::string Output() const;  // what it printed

 private:
  void Start(const std::string& xdg_root, const std::string& data_prefix,
             const std::vector<std::string>& command,
             std::map<std::string, std::optional<std::string>> changes,
             const std::string& video_driver, const std::function<void()>& in_child);

  pid_t pid_ = -1;
  std::string log_;
};

}  // namespace quill_process
