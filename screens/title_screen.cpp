#include "screens/title_screen.h"

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "platform/files.h"
#include "screens/globals.h"
#include "play/game_screen.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/level_select_screen.h"
#include "ui/dialog_text_input.h"
#include "ui/label.h"
#include "ui/player_manager.h"
#include "util/animation.h"
#include "util/files.h"
#include "util/image.h"

TTitleScreen::TTitleScreen() { name = "title"; }
TTitleScreen::~TTitleScreen() = default;

int TTitleScreen::SpecialLoad(int loading, int loadMusic) {
  name = "title";
  if (loading != 0) Game->MoveBar();
  if (loading != 0) Game->MoveBar();
  if (loadMusic != 0 && ccFileExists(Game->MusicPath + "title theme.ogg")) {
    Game->MusicLoad("title theme.ogg", 1);
  }
  if (loading != 0) Game->MoveBar();
  Intro = TAnimation::Create(300, 1, 0, 0);
  return 0;
}

int TTitleScreen::LoadPhoto() { return 0; }
int TTitleScreen::PromptForName() { return 0; }
int TTitleScreen::SetupPrompt() { return 0; }
int TTitleScreen::SetupWelcome() { return Game->CurrentProfile ? 1 : 0; }

int TTitleScreen::SpecialStart(int playMusic) {
  TScreen::Start();
  ShallWePlayMusic = playMusic;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  return 0;
}

int TTitleScreen::PlayMusic() { return 0; }
int TTitleScreen::MakeResumeDialog() { return 0; }

int TTitleScreen::PlayGame() {
  // A new game for the current player; a round in progress goes straight back to play.
  GameScreen->GameStart();
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
  if (GameScreen->Player->SaveData->MidCourse)
    Game->DestinationTScreen = GameScreen;
  else
    Game->DestinationTScreen = LevelSelectScreen;
  return 0;
}

int TTitleScreen::ShowPlayerManager() { return 0; }
int TTitleScreen::DrawWelcome() { return 0; }

int TTitleScreen::PreStart() {
  if (Game->CurrentTScreen != Game->LoadingScreen) SpecialLoad(0, 1);
  return SpecialStart(1);
}

int TTitleScreen::Kill() {
  TScreen::Kill();
  Intro = nullptr;
  EnterName = nullptr;
  Welcome = nullptr;
  Photo = nullptr;
  return 0;
}

int TTitleScreen::Logic() { return TScreen::Logic(); }

int TTitleScreen::Draw() {
  ccClsNoFlip(16, 40, 24);
  TScreen::Draw();
  return 0;
}

int TTitleScreen::SetEscDestination() {
  Game->DestinationTScreen = Game->ExitScreen;
  return 0;
}

std::string TTitleScreen::PhotoFile(int male, int avatar) {
  return std::string("title/snapshots/") + (male == 1 ? "gent" : "lady") + "_pic_" +
         std::to_string(avatar + 1) + ".png";
}

bool TTitleScreen::IsPlayerFileName(const std::string& entry) {
  if (entry == "." || entry == ".." || entry == ".dat") return false;
  const auto dot = entry.rfind('.');
  return dot != std::string::npos && entry.substr(dot + 1) == "dat";
}

bool TTitleScreen::ReadFolder(const std::string& path, std::vector<std::string>& entries) {
  if (ReadFolderHook) return ReadFolderHook(path, entries);
  if (!platform::FolderExists(path)) return false;
  entries = platform::ListFolder(path);
  return true;
}
