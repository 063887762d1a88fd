#pragma once
// A play field with the globals it reaches installed (application object, play screen, HUD,
// player, token list) and removed again after each test.

#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"
#include "tests/support/field_fixture_base.h"

class PlayFixture : public FieldFixtureBase {
 protected:
  void SetUp() override {
    MakeGame();
    GameScreen = std::make_shared<TGameScreen>();
    HUD = std::make_shared<THUD>();
    HUD->Init();
    MakeField();
  }

  void TearDown() override {
    KillField();
    HUD.reset();
    ParticleListsClear();
    GameScreen.reset();
    Game.reset();
    RestoreErrors();
  }

  // The play screen's logic of the play field and the layers it runs.
  void RunTick() override { GameScreen->ManageAll(); }
};
