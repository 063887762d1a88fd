#include "progress/save_data.h"

#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/globals.h"
#include "platform/files.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "ui/profile.h"

namespace {

class SaveDataTest : public testing::Test {
 protected:
  void SetUp() override { CardList = std::make_shared<TCardList>(); }
  void TearDown() override { CardList.reset(); }
};

TEST_F(SaveDataTest, ASavedHoleComesBackInOrderWithTheNextFreeId) {
  auto a = CardList->Add(100, 120, CARDTYPE_NORMAL, 1, 5, 2);
  a->ID = 1;
  auto b = CardList->Add(200, 120, CARDTYPE_WATER, 0, 13, 3);
  b->ID = 2;
  b->RelationshipSet("1");
  auto s = CardList->Add(315, 460, CARDTYPE_IRON, 0, 7, 0);
  s->ID = 104;
  s->Playfield = 0;
  s->Stock = 1;
  s->StockTop = 1;

  TSaveData save;
  save.Update();
  platform::OutStream out;
  save.Save(out);

  TSaveData back;
  platform::InStream in(out.Bytes());
  EXPECT_EQ(back.Load(in), 0);
  CardList->Kill();
  TGameScreen::LoadLevelFromProfile = 1;
  back.Apply();
  EXPECT_EQ(TGameScreen::LoadLevelFromProfile, 0);
  ASSERT_EQ(CardList->Count(), 3);
  EXPECT_EQ(CardList->Cards[1]->CardType, CARDTYPE_WATER);
  EXPECT_EQ(CardList->Cards[1]->Relationships, std::vector<int>{1});
  EXPECT_EQ(CardList->Cards[2]->StockTop, 1);
  EXPECT_EQ(TCardList::HighID, 105);
}

TEST(Player, CashAndWinningsNeverFallBelowZero) {
  TPlayer p;
  p.ScoreChange(30);
  p.ScoreChange(-50);
  EXPECT_EQ(p.Score, 0);
  p.LevelScoreChange(12);
  p.LevelScoreChange(-5);
  EXPECT_EQ(p.LevelScore, 7);
}

TEST(ProfileHooks, ANewProfileGetsTheGamesStartingState) {
  auto savedHook = TProfile::CreateUserFunction;
  TProfile::CreateUserFunction = CreateProfileExtra;
  // Before the play screen exists the hook leaves the profile alone.
  EXPECT_EQ(TProfile::Create("Early")->Score, 0);
  GameScreen = std::make_shared<TGameScreen>();
  auto save = GameScreen->Player->SaveData;
  save->CourseName = "Elsewhere";
  save->AvatarItems[2] = 1;
  save->Cards.push_back(std::make_shared<TCard>());
  auto profile = TProfile::Create("Ada");
  EXPECT_EQ(profile->Score, 1000);
  EXPECT_EQ(save->CourseName, "The Vuva Rivudar");
  EXPECT_EQ(save->AvatarItems[2], 0);
  EXPECT_TRUE(save->Cards.empty());
  GameScreen.reset();
  TProfile::CreateUserFunction = savedHook;
}

}  // namespace
