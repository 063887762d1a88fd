// The end of a hole: the End Hole gate, the results against par, the perfect celebration and its
// trophy, and what the scorecard's answer leads to.
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "screens/globals.h"
#include "screens/score_card_screen.h"
#include "tests/play/play_fixture.h"
#include "ui/dialog_ok.h"
#include "util/value_list.h"

namespace {

class EndOfHoleTest : public PlayScreenFixture {
 protected:
  void SetUp() override {
    PlayScreenFixture::SetUp();
    savedCard_ = ScoreCardScreen;
    ScoreCardScreen = std::make_shared<TScoreCardScreen>();
    savedChances_ = SpeechChances;
    SpeechChances = std::make_shared<TValueList>();
    SpeechChances->AddValue("end of hole", 100);
    SpeechChances->AddValue("perfect", 100);
    StartHole();
  }
  void TearDown() override {
    ScoreCardScreen = savedCard_;
    SpeechChances = savedChances_;
    PlayScreenFixture::TearDown();
  }
  // An empty stock and nothing moving: the state in which End Hole may light up.
  void Settle() {
    CardList->StockKill();
    PlayList->Clear();
    TokenGeneratorList->Generators.clear();
    TokenGeneratorList->BonusTokens = 0;
  }
  std::shared_ptr<TScoreCardScreen> savedCard_;
  std::shared_ptr<TValueList> savedChances_;
};

TEST_F(EndOfHoleTest, EndHoleLightsOnlyWhenNothingHoldsItBack) {
  struct Hold {
    const char* name;
    std::function<void()> set;
  };
  const std::vector<Hold> holds = {
      {"End Drive shown", [this] { Button("enddrive")->Active = 1; }},
      {"stock card left", [this] { SetStock({5}); }},
      {"card in flight", [this] { PlayList->Add(Card(1), 100); }},
      {"token stream", [] { TokenGeneratorList->Add(0, 0, 10, 10, 3, 30, 225, 500, 0, 0, 0); }},
      {"bonus tokens flying", [] { TokenGeneratorList->BonusTokens = 1; }},
      {"wild shot animation", [] { GameScreen->WildshotAnimCounter = 10; }},
      {"iron morph", [] { GameScreen->CardToIronAnim = 1; }},
      {"perfect pause", [] { GameScreen->PerfectCounter = 10; }},
  };
  for (const Hold& hold : holds) {
    Settle();
    GameScreen->EndHoleEnable(0);
    Button("enddrive")->Active = 0;
    GameScreen->WildshotAnimCounter = 0;
    GameScreen->CardToIronAnim = 0;
    GameScreen->PerfectCounter = 0;
    hold.set();
    EXPECT_EQ(GameScreen->EndHoleEnable(1), 0) << hold.name;
    EXPECT_FALSE(GameScreen->EndHoleIsEnabled()) << hold.name;
  }
  // Held back by the last of them only: once it ends, the button lights; asked again while it is
  // lit, nothing is tested.
  GameScreen->PerfectCounter = 0;
  EXPECT_EQ(GameScreen->EndHoleEnable(1), 1);
  EXPECT_TRUE(GameScreen->EndHoleIsEnabled());
  SetStock({5});
  EXPECT_EQ(GameScreen->EndHoleEnable(1), 1);
  EXPECT_EQ(GameScreen->EndHoleEnable(0), 1);
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());
}

TEST_F(EndOfHoleTest, TheResultIsAnnouncedAndLeadsToTheScorecard) {
  struct Row {
    int r;
    const char* picture;  // result picture, "" for none
    const char* remark;   // the remark's stem, "" for none
  };
  const std::vector<Row> rows = {
      {-5, "TRIPLE_EAGLE", "TRIPLEEAGLE"}, {-4, "TRIPLE_EAGLE", "TRIPLEEAGLE"},
      {-3, "DOUBLE_EAGLE", "DOUBLEEAGLE"}, {-2, "EAGLE", "EAGLE"},
      {-1, "BIRDIE", "BIRDIE"},            {0, "", "PAR"},
      {1, "", "BOGEY"},                    {2, "", "DOUBLEBOGEY"},
      {3, "", ""},                         {4, "", ""},
      {5, "", "PLUSFIVE"},                 {6, "", "PLUSFIVE"},
  };
  for (const Row& row : rows) {
    GameScreen->KillGeneric();
    ScoreCardScreen->Active = 0;
    GameScreen->LevelStart();
    Wait(201);
    GameScreen->LevelEndImage.reset();
    GameGrid->CardsLeft = GameGrid->HolePar + row.r;
    ASSERT_EQ(GameScreen->LevelEnd(), 1) << row.r;
    EXPECT_EQ(GameScreen->LevelEndClicked, 1);
    const std::string remark = GameScreen->AnnouncerSound ? GameScreen->AnnouncerSound->name : "";
    EXPECT_EQ(remark.substr(0, remark.find_first_of("0123456789")), row.remark) << row.r;
    if (row.r < 0) {
      ASSERT_TRUE(GameScreen->LevelEndImage) << row.r;
      EXPECT_EQ(GameScreen->LevelEndImage->name, row.picture);
      EXPECT_TRUE(GameScreen->OutroAnim->Active);
      EXPECT_EQ(ScoreCardScreen->Active, 0);  // the scorecard waits for the outro
      EXPECT_EQ(GameScreen->LevelEnd(), 0);   // a second end during the outro changes nothing
      Wait(399);
      EXPECT_EQ(ScoreCardScreen->Active, 0) << row.r;
      Wait(2);
      EXPECT_EQ(ScoreCardScreen->Active, 1) << "2000 ms after " << row.r;
    } else {
      EXPECT_FALSE(GameScreen->LevelEndImage);
      EXPECT_EQ(ScoreCardScreen->Active, 1) << row.r;
    }
    EXPECT_EQ(GameScreen->Player->Level, 3);  // hole 2 was played
    GameScreen->Player->Level = 2;
  }
}

TEST_F(EndOfHoleTest, APerfectHoleIsCelebratedOnceAndItsEndIsQuiet) {
  Settle();
  GameGrid->CardsLeft = 0;
  GameScreen->LevelEndTest();
  GameScreen->LevelEndTest();
  EXPECT_EQ(GameScreen->Player->SaveData->CoursePerfects, 1);
  EXPECT_EQ(GameScreen->Player->SaveData->CareerStats->TotalPerfects->Value, 1);
  ASSERT_TRUE(GameScreen->AnnouncerSound);
  EXPECT_EQ(GameScreen->AnnouncerSound->name.rfind("PERFECT", 0), 0u);
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());
  // The pause lasts 1500 ms (300 ticks): a token landing during it does not light End Hole early.
  Wait(100);
  TokenGeneratorList->Add(400, 300, HUD->HOLECASHX, HUD->HOLECASHY, 1, 5, 225, 300, 0, 0, 0);
  Wait(199);
  EXPECT_EQ(TokenGeneratorList->BonusTokens, 0) << "the token has landed";
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled()) << "lit before the pause had run its length";
  Wait(1);
  EXPECT_TRUE(GameScreen->EndHoleIsEnabled());
  // Ended with End Hole: straight to the scorecard with no remark, picture or outro.
  ASSERT_LT(TGameGrid::GetHTP(), 0);
  GameScreen->LevelEnd();
  EXPECT_FALSE(GameScreen->AnnouncerSound);
  EXPECT_FALSE(GameScreen->LevelEndImage);
  EXPECT_FALSE(GameScreen->OutroAnim->Active);
  EXPECT_EQ(ScoreCardScreen->Active, 1);
}

TEST_F(EndOfHoleTest, TheSixthPerfectHoleOfTheCourseQueuesItsTrophyOnce) {
  auto& save = *GameScreen->Player->SaveData;
  struct Row {
    int perfectsBefore, won, queued;
  };
  for (const Row& row : std::vector<Row>{{4, 0, 0}, {5, 0, 1}, {6, 0, 0}, {5, 1, 0}}) {
    GameScreen->KillGeneric();
    GameScreen->LevelStart();
    Wait(201);
    save.CoursePerfects = row.perfectsBefore;
    save.Trophies[6] = row.won;
    GameScreen->UnlockedDialog = std::make_shared<TDialogOK>();  // a dialog is open: queue only
    Settle();
    GameGrid->CardsLeft = 0;
    GameScreen->LevelEndTest();
    for (int i = 0; i < 301; ++i) GameScreen->ManageAll();
    EXPECT_EQ(GameScreen->TrophyDialogs[6], row.queued ? 6 : -1) << row.perfectsBefore + 1;
    GameScreen->UnlockedDialog.reset();
  }
}

}  // namespace
