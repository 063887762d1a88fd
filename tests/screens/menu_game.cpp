#include "tests/screens/menu_game.h"

#include <gtest/gtest.h>

#include "content/loading.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/screen.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "screens/globals.h"
#include "screens/title_screen.h"
#include "tests/content/real_game.h"
#include "ui/button.h"
#include "ui/profile.h"
#include "util/error.h"
#include "util/globals.h"
#include "util/input.h"

namespace menu_test {

namespace {

void Push(int kind, int data, int x = 0, int y = 0) {
  platform::Event event;
  event.kind = kind;
  event.data = data;
  event.x = x;
  event.y = y;
  platform::PushEvent(event);
}

}  // namespace

bool LoadGame() {
  static std::weak_ptr<TGame> loaded;
  if (StillTheLiveGame(loaded)) return true;
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) return false;
  StartGameForLoading(prefix);
  ccWriteErrors = 1;
  LoadData2();
  // Fades were off for the splash pictures; the menus are tested with their real fades.
  Game->Fade = 1;
  loaded = Game;
  return true;
}

void ResetProfiles(const std::vector<std::string>& players) {
  for (const std::string& entry : platform::ListFolder(Game->ProfilePath)) {
    platform::DeleteFile(Game->ProfilePath + entry);
  }
  Game->CurrentProfile = nullptr;
  for (const std::string& player : players) {
    auto profile = TProfile::Create(player);
    InstallProfileHooks(*profile);
    profile->Save();
  }
}

void UsePlayer(const std::string& name) {
  Game->ProfileName = name;
  Game->CurrentProfile = TProfile::Create(name);
  InstallProfileHooks(*Game->CurrentProfile);
  Game->CurrentProfile->Load();
  GameScreen->Player->ProfileRead(Game->CurrentProfile.get(), 0);
}

void Quiesce() {
  // A switch still pending from the last test leads to the title instead, so its destination's
  // arrival (the course selector's refund, the play screen's hole) does not touch the next test.
  if (Game->Fading() != 0 && Game->DestinationTScreen && Game->DestinationTScreen != TitleScreen) {
    Game->DestinationTScreen = TitleScreen;
  }
  Game->InstantExit = 0;
  RunUntil([] { return Game->Fading() == 0; });
  Game->InstantExit = 0;
  Game->DestinationTScreen = nullptr;
}

void Enter(const std::shared_ptr<TScreen>& screen, const std::shared_ptr<TScreen>& from) {
  Game->InstantExit = 0;
  RunUntil([] { return Game->Fading() == 0; });
  // A test that left for the exit screen has stopped the loop: it runs again from here.
  Game->InstantExit = 0;
  if (Game->CurrentTScreen && Game->CurrentTScreen->name != "loading") Game->CurrentTScreen->Kill();
  Game->DestinationTScreen = nullptr;
  Game->CurrentTScreen = from;
  Game->LastTScreen = from;
  screen->PreStart();
  ccFlushAll();
}

void Frame() {
  platform::AdvanceManualClock(16);
  Game->MainLogicLoop();
  Game->ScreenDraw();
}

bool RunUntil(const std::function<bool()>& done, int frames) {
  for (int i = 0; i < frames; ++i) {
    if (done()) return true;
    Frame();
  }
  return done();
}

bool Settle(const std::shared_ptr<TScreen>& screen, int frames) {
  return RunUntil([&] { return Game->CurrentTScreen == screen && Game->Fading() == 0; }, frames);
}

void Key(int code) {
  Push(platform::EVENT_KEY_DOWN, code);
  Push(platform::EVENT_KEY_UP, code);
}

void Type(const std::string& text) {
  for (char c : text) Push(platform::EVENT_KEY_CHAR, static_cast<unsigned char>(c));
}

void ClickButton(const std::shared_ptr<TButton>& button) {
  ASSERT_TRUE(button);
  Click(static_cast<int>(button->x) + button->w / 2, static_cast<int>(button->y) + button->h / 2);
}

void Click(int x, int y) {
  Push(platform::EVENT_MOUSE_MOVE, 0, x, y);
  Push(platform::EVENT_MOUSE_DOWN, 1, x, y);
  Push(platform::EVENT_MOUSE_UP, 1, x, y);
}

std::vector<unsigned char> FileBytes(const std::string& path) {
  auto bytes = platform::ReadFileBytes(path);
  return bytes ? *bytes : std::vector<unsigned char>{};
}

}  // namespace menu_test
