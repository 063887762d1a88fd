// The window's display lost while the program runs: the program's own virtual X display is killed
// (SIGKILL, as a crashed or restarted X server, a logout or a dropped forwarded connection breaks
// the connection). The program ends with status 1, the error log names the lost display, the round
// in play is saved with the moves made since the last save, and the per-user folder is free for
// the next start.
//   - The staged program, killed on its title: status, log, and a next start that runs.
//   - The same while a fatal data error's box is up: the log names both causes, the first first.
//   - The same on Wayland (weston in a window on the virtual X display, then killed), where SDL
//     turns the broken connection into a quit request.
//   - A hole in play: the real program (the game's entry, as main() runs it) in a process of its
//     own, played by the scripted player from a first run on the virtual display, which turns the
//     stock four times (and, in one case, clicks it a fifth time, the display going while that card
//     flies); once the display is killed, the next start resumes the hole with those turns made.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/input.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "screens/globals.h"
#include "screens/resume_game_dialog.h"
#include "screens/title_screen.h"
#include "tests/process/game_process.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "tests/support/virtual_display.h"
#include "ui/menu.h"
#include "util/globals.h"

namespace {

namespace fs = std::filesystem;
using quill_process::GameProcess;
using quill_process::kNoSplash;

// Far beyond what a start, a lost display's end or a hole reached by the scripted player takes on
// a loaded machine; only a program that hangs reaches it.
constexpr int kLimitMs = 180000;

// What the log says of the virtual display once it is gone.
std::string LostDisplayLine(const quill_test::VirtualDisplay& display) {
  return "The display " + display.Name() + " was lost: the connection to the X server broke.";
}

// The processes of a run that did not get where it should, each with its command line and where
// it waits, for the failure's message.
std::string Where(const std::string& xdg) {
  std::string where;
  for (const pid_t pid : quill_process::ProcessesOf(xdg)) {
    std::string command = quill_process::CommandLine(pid);
    std::replace(command.begin(), command.end(), '\0', ' ');
    where += "\nprocess " + std::to_string(pid) + " (" + command + ") waits in " +
             quill_test::ReadWholeFile("/proc/" + std::to_string(pid) + "/wchan");
  }
  return where;
}

// The run of the program that follows a lost display: it starts (the lock is free), and ends
// cleanly on SIGTERM.
void ExpectTheNextStartRuns(const std::string& xdg) {
  GameProcess next(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(next.WaitUntil([&] { return next.CatchesTerminate(); }, kLimitMs)) << next.Output();
  next.Signal(SIGTERM);
  EXPECT_EQ(next.WaitForExit(kLimitMs), 0) << next.Output();
}

// The display killed once the title's pictures are in the window: status 1 at once, the log names
// the display, and the next start runs.
TEST(LostDisplay, EndsTheProgramWithTheCauseLoggedAndTheFolderFree) {
  quill_test::VirtualDisplay display;
  ASSERT_TRUE(display.Ready()) << display.Error();
  const std::string xdg = quill_process::FreshFolder("lost_display_title");
  const std::string user = quill_process::UserFolder(xdg);
  quill_process::WriteSettings(xdg, kNoSplash);
  GameProcess game(xdg, quill_process::StagedDataPrefix(), "x11");
  // The pictures are loaded into the window's renderer (the load reports them) before the title.
  ASSERT_TRUE(game.WaitUntil([&] { return game.Output().find("ImageBank:") != std::string::npos; },
                             kLimitMs))
      << game.Output() << Where(xdg);
  display.Kill();
  double seconds = 0;
  EXPECT_EQ(game.WaitForExit(kLimitMs, &seconds), 1) << game.Output();
  std::printf("ended %.3f s after its display was killed\n", seconds);
  EXPECT_NE(quill_test::ReadWholeFile(user + "ErrorLog.txt").find(LostDisplayLine(display)),
            std::string::npos)
      << "log: " << quill_test::ReadWholeFile(user + "ErrorLog.txt")
      << "\noutput: " << game.Output();
  EXPECT_FALSE(fs::exists(user + "GoodExit.dat"));
  EXPECT_TRUE(quill_process::ProcessesOf(xdg).empty());
  ExpectTheNextStartRuns(xdg);
}

// A fatal data error's box is up (a broken picture at loading) when the display is killed: the log
// keeps the picture's error, first, and names the lost display after it.
TEST(LostDisplay, WhileAFatalBoxIsUpTheLogKeepsItsCauseFirst) {
  quill_test::VirtualDisplay display;
  ASSERT_TRUE(display.Ready()) << display.Error();
  const std::string xdg = quill_process::FreshFolder("lost_display_fatal_box");
  const std::string user = quill_process::UserFolder(xdg);
  const std::string picture = "graphics/Loading/clickhere.png";
  const std::string data =
      quill_process::DataFolderWith("lost_display_fatal_box_data", {{picture, ""}});
  quill_process::WriteSettings(xdg, kNoSplash);
  GameProcess game(xdg, data, "x11");
  // The log is written before the box shows.
  const std::string log = user + "ErrorLog.txt";
  ASSERT_TRUE(game.WaitUntil([&] { return fs::exists(log); }, kLimitMs))
      << game.Output() << Where(xdg);
  display.Kill();
  EXPECT_EQ(game.WaitForExit(kLimitMs), 1) << game.Output();
  const std::string logged = quill_test::ReadWholeFile(log);
  const std::size_t broken = logged.find(picture);
  const std::size_t lost = logged.find(LostDisplayLine(display));
  EXPECT_NE(broken, std::string::npos) << "log: " << logged << "\noutput: " << game.Output();
  EXPECT_NE(lost, std::string::npos) << "log: " << logged << "\noutput: " << game.Output();
  EXPECT_LT(broken, lost) << "log: " << logged;
  EXPECT_FALSE(fs::exists(user + "GoodExit.dat"));
}

// Where `program` is found on PATH; "" when it is not.
std::string FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  for (std::size_t start = 0; start <= folders.size();) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string candidate =
        (end > start ? folders.substr(start, end - start) : ".") + "/" + program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return "";
}

// A Wayland compositor (weston) of the test's own, showing its output in a window on the virtual X
// display, with its socket in a runtime folder of its own. It points WAYLAND_DISPLAY and
// XDG_RUNTIME_DIR at itself while it lives.
class Compositor {
 public:
  Compositor(const std::string& program, const std::string& runtime) : runtime_(runtime) {
    ::chmod(runtime.c_str(), 0700);
    const std::string socket = "--socket=" + kSocket;
    const char* const argv[] = {program.c_str(), "--backend=x11-backend.so",
                                socket.c_str(),  "--width=1024",
                                "--height=700",  "--use-pixman",
                                "--no-config",   "--shell=kiosk-shell.so",
                                nullptr};
    for (const char* name : {"WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name,
                          value != nullptr ? std::optional<std::string>(value) : std::nullopt);
    }
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    const std::string log = runtime + "weston.txt";
    // (The test process may have threads: the child makes only async-signal-safe calls.)
    pid_ = ::fork();
    if (pid_ == 0) {
      const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out >= 0) {
        ::dup2(out, 1);
        ::dup2(out, 2);
      }
      ::execv(argv[0], const_cast<char* const*>(argv));
      ::_exit(127);
    }
    setenv("WAYLAND_DISPLAY", kSocket.c_str(), 1);
  }
  ~Compositor() {
    Kill();
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
  }
  Compositor(const Compositor&) = delete;
  Compositor& operator=(const Compositor&) = delete;

  // Whether it takes connections within `timeout_ms`: its socket is there and it still runs.
  bool WaitUntilReady(int timeout_ms) {
    for (int waited = 0; waited <= timeout_ms; waited += 10) {
      if (pid_ <= 0 || ::waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
      }
      if (fs::exists(runtime_ + kSocket)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  // Ends it at once, as a crash would: every client's connection breaks.
  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  std::string Output() const { return quill_test::ReadWholeFile(runtime_ + "weston.txt"); }

  static inline const std::string kSocket = "wayland-quill";

 private:
  std::string runtime_;
  pid_t pid_ = -1;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// The same on Wayland, where SDL reports the failed connection as a quit: the program must not take
// it for the player's, ending cleanly with status 0 and no word of the cause.
TEST(LostDisplay, OnWaylandEndsTheProgramWithTheCauseLogged) {
  const std::string weston = FindOnPath("weston");
  if (weston.empty()) GTEST_SKIP() << "weston is not on PATH (is the weston package installed?)";
  quill_test::VirtualDisplay display;
  ASSERT_TRUE(display.Ready()) << display.Error();
  const std::string xdg = quill_process::FreshFolder("lost_display_wayland");
  const std::string user = quill_process::UserFolder(xdg);
  Compositor compositor(weston, quill_process::FreshFolder("lost_display_wayland_runtime"));
  ASSERT_TRUE(compositor.WaitUntilReady(kLimitMs)) << compositor.Output();
  quill_process::WriteSettings(xdg, kNoSplash);
  GameProcess game(xdg, quill_process::StagedDataPrefix(), "wayland");
  ASSERT_TRUE(game.WaitUntil([&] { return game.Output().find("ImageBank:") != std::string::npos; },
                             kLimitMs))
      << game.Output() << Where(xdg);
  compositor.Kill();
  EXPECT_EQ(game.WaitForExit(kLimitMs), 1) << game.Output();
  const std::string log = quill_test::ReadWholeFile(user + "ErrorLog.txt");
  EXPECT_NE(log.find("The display " + Compositor::kSocket +
                     " was lost: the connection to the Wayland compositor broke."),
            std::string::npos)
      << "log: " << log << "\noutput: " << game.Output();
  EXPECT_FALSE(fs::exists(user + "GoodExit.dat"));
  ExpectTheNextStartRuns(xdg);
}

// The hole on the table: the stock's and the foundation's cards counted, the cards left, and every
// layout card (type, value, suit, face, place) in a fixed order. With `stock_turned`, the hole as
// it will be once one more stock card has landed on the foundation.
std::string HoleNow(bool stock_turned = false) {
  int stock = stock_turned ? -1 : 0, foundation = stock_turned ? 1 : 0;
  std::vector<std::string> layout;
  for (const auto& c : CardList->Cards) {
    stock += c->Stock != 0 ? 1 : 0;
    foundation += c->Foundation != 0 ? 1 : 0;
    if (!c->Playfield) continue;
    layout.push_back(std::to_string(c->CardType) + " " + std::to_string(c->Value) + " " +
                     std::to_string(c->Suit) + (c->FaceUp ? " up " : " down ") +
                     std::to_string(static_cast<int>(c->x)) + "," +
                     std::to_string(static_cast<int>(c->y)));
  }
  std::sort(layout.begin(), layout.end());
  std::string seen = "stock " + std::to_string(stock) + ", foundation " +
                     std::to_string(foundation) + ", " + std::to_string(GameGrid->CardsLeft) +
                     " cards left:";
  for (const auto& card : layout) seen += " [" + card + "]";
  return seen;
}

// Set for the run of the program in a process of its own: the per-user root it plays in, and "1"
// when the display goes while a last stock card is on its way to the foundation.
constexpr char kChildHome[] = "QUILL_LOST_DISPLAY_HOME";
constexpr char kChildInFlight[] = "QUILL_LOST_DISPLAY_IN_FLIGHT";
constexpr int kStockTurns = 4;
constexpr int kFrameBudget = 4000;  // 200 s of the game's clock

// Starts this test program again, running only `test`, with the environment changes given; its
// output goes to `log`.
pid_t StartThisProgram(const std::string& test, const std::map<std::string, std::string>& changes,
                       const std::string& log) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    if (changes.count(variable.substr(0, variable.find('='))) == 0) environment.push_back(variable);
  }
  for (const auto& [name, value] : changes) environment.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::string self = fs::read_symlink("/proc/self/exe").string();
  std::string filter = "--gtest_filter=" + test;
  char* const argv[] = {self.data(), filter.data(), nullptr};
  sigset_t none;
  sigemptyset(&none);
  // The test process may have threads: the child makes only async-signal-safe calls until exec.
  const pid_t pid = ::fork();
  if (pid == 0) {
    for (const int signal : {SIGINT, SIGTERM, SIGQUIT, SIGHUP}) ::signal(signal, SIG_DFL);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
      ::dup2(out, 1);
      ::dup2(out, 2);
    }
    ::execve(argv[0], argv, envp.data());
    ::_exit(127);
  }
  return pid;
}

// Waits up to kLimitMs for `pid` to end: its exit status, or -1 when killed by a signal or not
// ended in time (it is then killed).
int WaitForExit(pid_t pid) {
  int status = 0;
  for (int waited = 0; waited <= kLimitMs; waited += 10) {
    if (::waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return -1;
}

struct HoleMoment {
  const char* name;
  bool in_flight;
};

void PrintTo(const HoleMoment& moment, std::ostream* out) { *out << moment.name; }

class LostDisplayDuringAHole : public testing::TestWithParam<HoleMoment> {};

// The stock turned four times since the hole was saved at its start; the display goes while play
// rests, or while a fifth card flies to the foundation (it lands first, as a quit waits for it).
TEST_P(LostDisplayDuringAHole, KeepsTheMovesMadeSinceTheLastSave) {
  quill_test::VirtualDisplay display;
  ASSERT_TRUE(display.Ready()) << display.Error();
  const std::string xdg =
      quill_process::FreshFolder(std::string("lost_display_hole_") + GetParam().name);
  const std::string user = quill_process::UserFolder(xdg);
  const std::string left = xdg + "left.txt", output = xdg + "output.txt";
  fs::create_directories(xdg + "tmp");
  const pid_t child = StartThisProgram(
      "LostDisplayRun.PlaysTheFirstHoleUntilItsDisplayIsLost",
      {{kChildHome, xdg},
       {kChildInFlight, GetParam().in_flight ? "1" : "0"},
       {"SDL_VIDEODRIVER", "x11"},
       {"LIBGL_ALWAYS_SOFTWARE", "1"},
       // No session bus: SDL's video system on X would otherwise start one of its own.
       {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + xdg + "no-session-bus"},
       // The run's own temporary folder, which it cannot remove as it ends at once.
       {"TMPDIR", xdg + "tmp"}},
      output);
  ASSERT_GT(child, 0);
  // The run writes down the hole it leaves once the stock has been turned.
  int status = 0;
  bool ended = false;
  for (int waited = 0; waited <= kLimitMs && !fs::exists(left) && !ended; waited += 10) {
    ended = ::waitpid(child, &status, WNOHANG) == child;
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!ended && !fs::exists(left)) {
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    ended = true;
  }
  ASSERT_FALSE(ended) << "the run ended before its hole was played:\n"
                      << quill_test::ReadWholeFile(output);
  display.Kill();
  EXPECT_EQ(WaitForExit(child), 1) << quill_test::ReadWholeFile(output);
  const std::string log = quill_test::ReadWholeFile(user + "ErrorLog.txt");
  EXPECT_NE(log.find(LostDisplayLine(display)), std::string::npos) << "log: " << log;

  // The next start (this process, headless) resumes the hole as it was when the display went.
  setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  ccModalLoopHook = &road_test::AdvanceModal;
  platform::SetManualClock(1000000);
  road_test::TScriptedPlayer player;
  player.holdPlay = true;
  player.onScreen = [&player](const std::shared_ptr<TScreen>& current) {
    if (current != TitleScreen || !player.Rested(1000)) return;
    if (auto& dialog = TitleScreen->ResumeDialog; dialog && dialog->Active) {
      player.ClickButton(dialog->Menu->FindButton("continue_round"));
    } else {
      player.ClickButton(TitleScreen->Menu->FindButton("Bigplay"));
    }
  };
  std::string resumed;
  EXPECT_EQ(player.Play(kFrameBudget,
                        [&] {
                          if (!resumed.empty() || !road_test::TScriptedPlayer::PlayRests() ||
                              !player.Rested(200))
                            return;
                          resumed = HoleNow();
                          quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
                        }),
            0)
      << player.trail;
  ccModalLoopHook = nullptr;
  EXPECT_EQ(resumed, quill_test::ReadWholeFile(left)) << "screens: " << player.trail;
  std::printf("resumed: %s\n", resumed.c_str());
}

INSTANTIATE_TEST_SUITE_P(Moments, LostDisplayDuringAHole,
                         testing::Values(HoleMoment{"PlayAtRest", false},
                                         HoleMoment{"CardInFlight", true}),
                         [](const testing::TestParamInfo<HoleMoment>& info) {
                           return std::string(info.param.name);
                         });

// The run of the program for the test above, in a process of its own (skipped in any other run):
// a first run to the first hole on the virtual display, four turns of the stock each come to rest
// (and a fifth click on the stock, when asked), the hole it leaves written down, and then nothing
// until the display is lost, which ends the process.
TEST(LostDisplayRun, PlaysTheFirstHoleUntilItsDisplayIsLost) {
  const char* home = std::getenv(kChildHome);
  if (home == nullptr) GTEST_SKIP() << "run by LostDisplayDuringAHole in a process of its own";
  const std::string xdg = home;
  const bool in_flight =
      std::string(std::getenv(kChildInFlight) ? std::getenv(kChildInFlight) : "") == "1";
  quill_process::EnterChildRun(xdg);
  road_test::TScriptedPlayer player;
  player.StartTheFirstCourse("Kim");
  int turned = 0;
  std::string left;
  const auto leave = [&] {
    { std::ofstream(xdg + "left.tmp", std::ios::binary) << left; }
    fs::rename(xdg + "left.tmp", xdg + "left.txt");
    std::printf("left: %s\n", left.c_str());
    std::fflush(stdout);
    // The display is killed now: the next look at the window's events meets the broken
    // connection. (Events already queued, the last click's release among them, are dropped.)
    for (;;) {
      platform::FlushEvents();
      platform::WaitForEvent(1000);
    }
  };
  const int status = player.Play(kFrameBudget, [&] {
    if (Game->CurrentTScreen != GameScreen || !GameGrid || player.holesSeen != 1) return;
    player.holdPlay = true;
    if (!left.empty()) {
      // The fifth card was clicked: the display goes once it is on its way.
      if (TGameScreen::TestForAnims() != 0) leave();
      return;
    }
    if (!road_test::TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
    const auto top = CardList->StockTopFind();
    if (turned == kStockTurns && !in_flight) {
      left = HoleNow();
      leave();
    }
    if (!top) return;
    if (turned == kStockTurns) left = HoleNow(true);
    player.ClickAt(static_cast<int>(top->x) + 34, static_cast<int>(top->y) + 50);
    ++turned;
  });
  ADD_FAILURE() << "the run ended by itself with status " << status
                << "; screens: " << player.trail;
}

}  // namespace
