#pragma once
// The play screen over a fixture course (no pictures or sounds loaded): the globals it reaches,
// a hole start through LevelStart, and ticks of its logic with a scripted pointer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "tests/support/field_fixture_base.h"
#include "ui/button.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"

class PlayScreenFixture : public QuietGameFixture {
 protected:
  void SetUp() override {
    MakeGame();
    // Pictures and sounds from the staged data folder; the course's hole files from the fixtures.
    Game->DataInAppBundle = 1;
    Game->SetDefaultPaths();
    const char* root = std::getenv("QUILL_FIXTURES");
    Game->DataPrefix = std::string(root ? root : QUILL_FIXTURES_DIR) + "cards/";
    savedCourses_ = CourseList;
    CourseList = std::make_shared<TCourseList>();
    auto course = std::make_shared<TCourse>();
    course->Name = "Fixture Links";
    course->Holes = 9;
    course->CourseType = "MUNI";
    course->BackgroundImage = "municipal1.jpg";
    course->AmbienceLoop = "ambience/municipal_loop.ogg";
    for (auto& hole : course->HoleNames) hole = "small_hole.txt";
    CourseList->push_back(course);
    for (auto* layer : {&::Particles, &Particles2, &ScoreParticles, &AmbientParticles,
                        &BackgroundParticles, &AnimatedParticles, &IronParticles, &DialogParticles})
      if (!*layer) *layer = TParticleList::Create();
    GameScreen = std::make_shared<TGameScreen>();
    GameScreen->IntroAnim = TAnimation::Create(1000, 0, 0, 0);
    GameScreen->OutroAnim = TAnimation::Create(2000, 1, 0, 0);
    GameScreen->Player->SaveData->CourseName = "Fixture Links";
    // Hole 2: the course welcome of hole 1 would load a recording.
    GameScreen->Player->Level = 2;
  }
  void TearDown() override {
    GameScreen->KillGeneric();
    GameScreen.reset();
    CourseList = savedCourses_;
    Game.reset();
    TGameScreen::LoadLevelFromProfile = 0;
    RestoreErrors();
  }

  // Starts the hole and lets the opening animation run out.
  void StartHole() {
    GameScreen->LevelStart();
    ASSERT_TRUE(GameGrid);
    Wait(201);
  }
  void Tick(int x, int y, bool held) {
    Game->Mouse->x = x;
    Game->Mouse->y = y;
    Game->Mouse->mb = held ? 1 : 0;
    GameScreen->Logic();
  }
  void Wait(int ticks) {
    for (int i = 0; i < ticks; ++i) Tick(-50, -50, false);
  }
  void Click(const TCardRef& card) {
    ASSERT_TRUE(card);
    const int x = static_cast<int>(card->x) + 34;
    const int y = static_cast<int>(card->y) + 50;
    Tick(x, y, true);
    Tick(x, y, false);
  }
  // Plays the course's holes from this hole file.
  void UseHole(const std::string& file) {
    for (auto& hole : (*CourseList)[0]->HoleNames) hole = file;
  }
  std::shared_ptr<TButton> Button(const std::string& name) { return GameScreen->MenuButton(name); }
  TCardRef Card(int id) { return CardList->FindCardByID(id); }
  // Replaces the stock by face-down normal cards of these values, the last one on top.
  void SetStock(std::initializer_list<int> values) {
    CardList->StockKill();
    for (int v : values) quill_test::AddStockCard(CARDTYPE_NORMAL, v);
    CardList->StockZOrder();
    CardList->StockSpread();
    CardList->StockTopMark();
  }

  std::shared_ptr<TCourseList> savedCourses_;
};
