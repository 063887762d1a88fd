#pragma once
// A play field with no screen above it: the application object, the token list and the play
// field are installed, and a recording screen side (events_) answers the field's questions and
// writes down its reports; all are removed again after each test. No pictures or sounds are
// loaded: the banks are empty and missing names are not reported.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle_generator.h"
#include "gfx/particle_list.h"
#include "platform/files.h"
#include "tests/support/recording_field_events.h"
#include "ui/mouse_pointer.h"

class FieldFixture : public testing::Test {
 protected:
  void SetUp() override {
    savedShowErrors_ = ShowErrors;
    ShowErrors = 0;
    Delta = 1.0f;
    events_.Install();
    Game = std::make_shared<TGame>();
    Game->Mouse = std::make_shared<TMousePointer>();
    Game->Particles = 0;
    TokenGeneratorList = std::make_shared<TTokenGeneratorList>();
    GameGrid = TGameGrid::Create();
    GameGrid->Rng.Seed(1234);
    ParticleListsClear();
  }

  void TearDown() override {
    if (GameGrid) GameGrid->Kill();
    GameGrid.reset();
    CardList.reset();
    PlayList.reset();
    TokenGeneratorList.reset();
    ParticleListsClear();
    Game.reset();
    events_.Uninstall();
    ShowErrors = savedShowErrors_;
  }

  static std::string Fixture(const std::string& name) {
    const char* root = std::getenv("QUILL_FIXTURES");
    return std::string(root ? root : QUILL_FIXTURES_DIR) + "cards/" + name;
  }

  // Lays out a hole file of the fixtures folder (values 1 until a test sets them).
  void LoadHole(const std::string& name) {
    auto text = platform::ReadTextFile(Fixture(name));
    ASSERT_TRUE(text.has_value()) << Fixture(name);
    auto result = ParseHoleFile(*text, name);
    ASSERT_TRUE(result.ok) << result.error;
    GameGrid->LoadFromData(result.hole);
    GameGrid->CardsLeft = CardList->Count();
  }

  TCardRef Card(int id) { return CardList->FindCardByID(id); }

  void SetFoundation(int value) {
    auto f = TCard::Make(GameGrid->FOUNDATIONX, GameGrid->FOUNDATIONY, CARDTYPE_NORMAL, 1, value, 0);
    f->Playfield = 0;
    f->Foundation = 1;
    GameGrid->FoundationChange(f, 0);
  }

  // One logic tick with the pointer at (x, y) and the button held or not: the play field and the
  // layers the play screen runs each tick, in its order (the screen's own parts left out).
  void Tick(int x, int y, bool held) {
    Game->Mouse->x = x;
    Game->Mouse->y = y;
    Game->Mouse->mb = held ? 1 : 0;
    GameGrid->Manage();
    for (const auto& layer : {BackgroundParticles, Particles, Particles2})
      if (layer) layer->Move();
    if (AnimatedParticles) AnimatedParticles->Manage();
    for (const auto& layer : {ScoreParticles, IronParticles})
      if (layer) layer->Move();
    TokenGeneratorList->Manage();
    if (ParticleGeneratorList) ParticleGeneratorList->Manage();
    // The iron morphs chain through these layers, which the play screen runs each tick.
    AnimatedParticles->Manage();
    IronParticles->Manage();
  }

  // A press and release over the centre of a card (two ticks).
  void ClickCard(const TCardRef& c) {
    const int x = static_cast<int>(c->x) + 34;
    const int y = static_cast<int>(c->y) + 50;
    Tick(x, y, true);
    Tick(x, y, false);
  }

  void Ticks(int n) {
    for (int i = 0; i < n; ++i) Tick(-100, -100, false);
  }

  quill_test::RecordingFieldEvents events_;
  int savedShowErrors_ = 1;
};
