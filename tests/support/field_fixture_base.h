#pragma once
// What the play field's fixtures share, with or without the play screen above the field: the
// steps that install and remove the application object and the play field, a stock card added, a hole file of the
// fixtures folder laid out, the foundation card set, and ticks with a scripted pointer. Each
// fixture calls the steps in its own SetUp and TearDown, with its screen side between them, and
// says what one tick runs. Only the model is reached here, so the screen-free tests link with it.
// No pictures or sounds are loaded: the banks are empty and missing names are not reported.

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
#include "gfx/particle_list.h"
#include "platform/files.h"
#include "ui/mouse_pointer.h"

namespace quill_test {

// A face-down card of this type and value put into the stock with the next free ID (the stock's
// order, spread and top mark are left to the caller).
inline TCardRef AddStockCard(int type, int value) {
  auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, type, 0, value, 0);
  c->ID = TCardList::HighID++;
  c->Playfield = 0;
  c->Stock = 1;
  c->FromStock = 1;
  return c;
}

}  // namespace quill_test

// The application object with a pointer, at Delta 1, with the banks quiet; for every fixture of
// the play field or the play screen.
class QuietGameFixture : public testing::Test {
 protected:
  // Keeps the banks quiet, runs at Delta 1 and makes the application object with a pointer.
  void MakeGame() {
    savedShowErrors_ = ShowErrors;
    ShowErrors = 0;
    Delta = 1.0f;
    Game = std::make_shared<TGame>();
    Game->Mouse = std::make_shared<TMousePointer>();
    Game->Particles = 0;
  }
  // Puts back what MakeGame changed beyond the application object.
  void RestoreErrors() { ShowErrors = savedShowErrors_; }

 private:
  int savedShowErrors_ = 1;
};

class FieldFixtureBase : public QuietGameFixture {
 protected:
  // The token list and a play field with a fixed seed; the particle layers emptied.
  void MakeField() {
    TokenGeneratorList = std::make_shared<TTokenGeneratorList>();
    GameGrid = TGameGrid::Create();
    GameGrid->Rng.Seed(1234);
    ParticleListsClear();
  }
  // Removes the play field, the card lists and the token list.
  void KillField() {
    if (GameGrid) GameGrid->Kill();
    GameGrid.reset();
    CardList.reset();
    PlayList.reset();
    TokenGeneratorList.reset();
  }
  // What one logic tick runs once the pointer is placed.
  virtual void RunTick() = 0;

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

  // One logic tick with the pointer at (x, y) and the button held or not.
  void Tick(int x, int y, bool held) {
    Game->Mouse->x = x;
    Game->Mouse->y = y;
    Game->Mouse->mb = held ? 1 : 0;
    RunTick();
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
};
