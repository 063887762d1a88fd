#pragma once
// A fresh application object per test: data from tests/fixtures/core/, a per-user folder of its
// own under the test run's temporary folder, the manual clock at 0 and empty input.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/screen.h"
#include "core/upper_layer.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "util/globals.h"
#include "util/input.h"

inline std::string FixtureData() { return std::string(std::getenv("QUILL_FIXTURES")) + "core/"; }

// A screen that counts what the loop does with it.
class TCountingScreen : public TScreen {
 public:
  explicit TCountingScreen(std::string screenName) { name = std::move(screenName); }
  int Logic() override {
    ++logic;
    deltas.push_back(Delta);
    return TScreen::Logic();
  }
  int Kill() override {
    ++kills;
    if (onKill) onKill();
    return TScreen::Kill();
  }
  int Load() override {
    ++loads;
    return 0;
  }
  int PostFadeIn() override {
    ++postFadeIns;
    return 0;
  }
  int SetEscDestination() override {
    if (!escTarget) return TScreen::SetEscDestination();
    Game->DestinationTScreen = escTarget;
    return escLength;
  }
  std::shared_ptr<TScreen> escTarget;
  int escLength = 0;
  std::function<void()> onKill;  // run by each Kill
  int logic = 0, kills = 0, loads = 0, postFadeIns = 0;
  std::vector<float> deltas;
};

class CoreTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("QUILLBROOK_DATA", FixtureData().c_str(), 1);
    static int counter = 0;
    home_ = std::filesystem::temp_directory_path() /
            ("quill-core-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(home_);
    setenv("XDG_DATA_HOME", home_.c_str(), 1);
    platform::SetManualClock(1000);
    platform::FlushEvents();
    platform::ClearAudioLog();
    ScreenWidth = 800;
    ScreenHeight = 600;
    FADE_SPEED = 300;
    saved_graphical_errors_ = ccGraphicalErrors;
    MakeGame();
  }

  void TearDown() override {
    if (Game) Game->Kill();
    Game = nullptr;
    // A fatal error leaves polled input on and its box's loop hook set, as the program ends next;
    // the next test starts from the event-driven loop.
    ccModalLoopHook = nullptr;
    ccDisablePolledInput();
    FlushKeys();
    // A test that opened the window (a full-screen toggle, the game's own graphics start) leaves
    // none behind: with it open, the next test's warnings would go to a box and not to stderr.
    platform::GraphicsClose();
    ccGraphicalErrors = saved_graphical_errors_;
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
  }

  // A new Game on the same per-user folder, as a new start of the program would make it.
  void MakeGame(bool init = true) {
    Game = std::make_shared<TGame>();
    Game->DataInAppBundle = 1;
    Game->SetSubPathWrapper("Marrowfen/Quillbrook");
    Game->FixedRateLogic->JitterCorrection = 0;
    if (init) Game->Init(0);
    FlushKeys();
    Game->Upper->MouseClearButtons();
  }

  std::string SubPath() const { return Game->SubPath; }

  static void Push(int kind, int data = 0, int x = 0, int y = 0) {
    platform::Event event;
    event.kind = kind;
    event.data = data;
    event.x = x;
    event.y = y;
    platform::PushEvent(event);
  }

  // Makes `screen` current as a start would.
  static std::shared_ptr<TCountingScreen> StartScreen(const std::string& name) {
    auto screen = std::make_shared<TCountingScreen>(name);
    screen->PreStart();
    return screen;
  }

  // One pass of the loop after `ms` milliseconds.
  static int Pass(int ms) {
    platform::AdvanceManualClock(ms);
    return Game->MainLogicLoop();
  }

  std::filesystem::path home_;
  int saved_graphical_errors_ = 0;
};
