#pragma once
// The globals that player progress reaches, installed fresh for each test and removed after it:
// the application object (paths in a scratch folder, region 0), the play screen with its player,
// the HUD, a play field, a course list of the test's making and a text table.

#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "tests/support/progress_fixture_base.h"

class ProgressTest : public ProgressFixtureBase {
 protected:
  void SetUp() override {
    MakeGame();
    GameScreen = std::make_shared<TGameScreen>();
    HUD = std::make_shared<THUD>();
    MakeLists();
    TGameScreen::LoadLevelFromProfile = 0;
  }

  void TearDown() override {
    TGameScreen::LoadLevelFromProfile = 0;
    KillLists();
    HUD.reset();
    GameScreen.reset();
    Game.reset();
    RestoreErrors();
  }

  TPlayer& Player() { return *GameScreen->Player; }
  TSaveData& Save() { return *GameScreen->Player->SaveData; }
};
