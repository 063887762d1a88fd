// A whole small hole played on the play screen by scripted clicks, tick by tick, to the End Hole
// button; and the hole start's paths.
#include "tests/play/play_fixture.h"

namespace {

using GameScreenTest = PlayScreenFixture;

TEST_F(GameScreenTest, ASmallHoleIsPlayedToItsEndByClicks) {
  StartHole();
  EXPECT_EQ(GameGrid->HolePar, 3);
  EXPECT_EQ(GameGrid->CardsLeft, 4);
  EXPECT_EQ(GameScreen->Player->SaveData->MidHole, 1);
  EXPECT_EQ(HUD->FlagLevel, 2);
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());

  // Known values in place of the deal's, and a stock of two: the 4 on top, then the 9.
  Card(1)->Value = 5;
  Card(2)->Value = 6;
  Card(4)->Value = 7;
  SetStock({9, 4});
  GameGrid->FoundationValue = 12;

  Click(Card(1));  // does not fit
  EXPECT_EQ(GameGrid->CardsLeft, 4);

  Click(CardList->StockTopFind());  // the 4 goes onto the foundation
  Wait(70);
  EXPECT_EQ(GameGrid->FoundationValue, 4);
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());  // a stock card is left

  Click(Card(1));  // 5 on 4; the 6 under it turns up
  EXPECT_EQ(PlayList->Count(), 1);
  Wait(60);
  EXPECT_EQ(Card(2)->FaceUp, 1);
  Click(Card(2));  // 6 on 5 while the 5 still flies
  EXPECT_EQ(GameGrid->FoundationValue, 6);

  Click(Card(3));  // the wedge
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_WEDGE_FOUND);
  Wait(540);
  auto sand = Card(4);
  EXPECT_TRUE(sand->Uncovered());
  EXPECT_EQ(sand->FaceUp, 1);

  Click(sand);  // 7 on 6: the layout is clear, celebrated once, the stock left is taken away
  Wait(130);
  EXPECT_EQ(GameGrid->CardsLeft, 0);
  EXPECT_EQ(GameScreen->Player->Perfect, 1);
  EXPECT_EQ(GameScreen->Player->SaveData->CoursePerfects, 1);
  EXPECT_EQ(CardList->StockCount(), 0);
  EXPECT_GT(GameScreen->PerfectCounter, 0);
  EXPECT_EQ(TGameGrid::GetHTP(), -3);
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());  // the perfect pause holds it
  Wait(300);
  EXPECT_EQ(GameScreen->PerfectCounter, 0);
  EXPECT_TRUE(GameScreen->EndHoleIsEnabled());
  EXPECT_EQ(GameScreen->Player->SaveData->CoursePerfects, 1);
}

TEST_F(GameScreenTest, ADamagedSavedHoleIsDealtAfresh) {
  TGameScreen::LoadLevelFromProfile = 1;
  GameScreen->Player->SaveData->HoleDamaged = 1;
  GameScreen->LevelStart();
  EXPECT_EQ(TGameScreen::LoadLevelFromProfile, 0);
  EXPECT_EQ(GameGrid->CardsLeft, 4);
  EXPECT_GE(CardList->StockCount(), 48);
}

}  // namespace
