// A whole small hole played on the play screen by scripted clicks, tick by tick.
#include "play/game_screen.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"
#include "ui/mouse_pointer.h"

namespace {

class GameScreenTest : public testing::Test {
 protected:
  void SetUp() override {
    savedShowErrors_ = ShowErrors;
    ShowErrors = 0;
    Delta = 1.0f;
    Game = std::make_shared<TGame>();
    Game->Mouse = std::make_shared<TMousePointer>();
    Game->Particles = 0;
    const char* root = std::getenv("QUILL_FIXTURES");
    Game->DataPrefix = std::string(root ? root : QUILL_FIXTURES_DIR) + "cards/";
    savedCourses_ = CourseList;
    CourseList = std::make_shared<TCourseList>();
    auto course = std::make_shared<TCourse>();
    course->Name = "Fixture Links";
    course->Holes = 1;
    course->HoleNames[0] = "small_hole.txt";
    CourseList->push_back(course);
    GameScreen = std::make_shared<TGameScreen>();
    HUD = std::make_shared<THUD>();
    GameScreen->Player->SaveData->CourseName = "Fixture Links";
    GameScreen->Player->Level = 1;
  }
  void TearDown() override {
    GameScreen->Kill();
    GameScreen.reset();
    HUD.reset();
    CardList.reset();
    PlayList.reset();
    CourseList = savedCourses_;
    Game.reset();
    ShowErrors = savedShowErrors_;
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

  int savedShowErrors_ = 1;
  std::shared_ptr<TCourseList> savedCourses_;
};

TEST_F(GameScreenTest, ASmallHoleIsPlayedToItsEndByClicks) {
  GameScreen->Start();
  ASSERT_TRUE(GameGrid);
  ASSERT_TRUE(CardList);
  EXPECT_EQ(GameGrid->HolePar, 3);
  EXPECT_EQ(GameGrid->CardsLeft, 4);
  EXPECT_EQ(CardList->StockCount(), 23);  // 24 dealt, one turned onto the foundation

  // Known values in place of the deal's, and a stock of two: the 4 on top, then the 9.
  auto byId = [](int id) { return CardList->FindCardByID(id); };
  byId(1)->Value = 5;
  byId(2)->Value = 6;
  byId(4)->Value = 7;
  CardList->StockKill();
  for (int v : {9, 4}) {
    auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, CARDTYPE_NORMAL, 0, v, 0);
    c->ID = TCardList::HighID++;
    c->Playfield = 0;
    c->Stock = 1;
  }
  CardList->StockZOrder();
  CardList->StockSpread();
  CardList->StockTopMark();
  GameGrid->FoundationValue = 12;

  // A card that does not fit is refused.
  Click(byId(1));
  EXPECT_EQ(GameGrid->CardsLeft, 4);

  Click(CardList->StockTopFind());  // the 4 goes onto the foundation
  Wait(70);
  EXPECT_EQ(GameGrid->FoundationValue, 4);
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());  // a stock card is left

  Click(byId(1));  // 5 on 4; the 6 under it turns up
  EXPECT_EQ(PlayList->Count(), 1);
  Wait(60);
  EXPECT_EQ(byId(2)->FaceUp, 1);
  Click(byId(2));  // 6 on 5 while the 5 still flies
  EXPECT_EQ(GameGrid->FoundationValue, 6);
  EXPECT_EQ(PlayList->Count(), 2);

  Click(byId(3));  // the wedge
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_WEDGE_FOUND);
  Wait(540);
  auto sand = byId(4);
  EXPECT_TRUE(sand->Uncovered());
  EXPECT_EQ(sand->FaceUp, 1);
  EXPECT_EQ(PlayList->Count(), 0);

  Click(sand);  // 7 on 6: the layout is clear
  Wait(130);
  EXPECT_EQ(GameGrid->CardsLeft, 0);
  EXPECT_EQ(GameScreen->PerfectHoleRecorded, 1);
  EXPECT_EQ(TGameGrid::GetHTP(), -3);
  EXPECT_EQ(GameScreen->Player->LevelScore, 4 * CARD_SCORE);
  EXPECT_EQ(HUD->DriveLength, 3);  // the wedge does not count
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());

  Click(CardList->StockTopFind());  // the last stock card
  Wait(70);
  EXPECT_EQ(CardList->StockCount(), 0);
  EXPECT_EQ(GameGrid->FoundationValue, 9);
  EXPECT_EQ(HUD->DriveLength, 0);
  EXPECT_TRUE(GameScreen->EndHoleIsEnabled());
}

}  // namespace

namespace {

TEST_F(GameScreenTest, ADamagedSavedHoleIsDealtAfresh) {
  TGameScreen::LoadLevelFromProfile = 1;
  GameScreen->Player->SaveData->HoleDamaged = 1;
  GameScreen->Start();
  EXPECT_EQ(TGameScreen::LoadLevelFromProfile, 0);
  EXPECT_EQ(GameGrid->CardsLeft, 4);
  EXPECT_EQ(CardList->Count(), 4 + 23 + 1);
}

}  // namespace
