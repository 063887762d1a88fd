// The play screen's features one by one on a dealt fixture hole: the stock penalty, the End Drive
// button, mulligans, the 29 wild shot stories and their animations, floating cards, the questions
// asked when the window closes, the announcer's chances and the stock-top tool-tip card.
#include <algorithm>
#include <vector>

#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "screens/globals.h"
#include "gfx/sprite.h"
#include "screens/game_finished_screen.h"
#include "screens/hint_scroll.h"
#include "screens/level_select_screen.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "ui/dialog_ok.h"
#include "tests/play/play_fixture.h"
#include "util/value_list.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

class PartsTest : public PlayScreenFixture {
 public:
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) GameScreen->ManageAll();
  }

 protected:
  void SetUp() override {
    PlayScreenFixture::SetUp();
    savedWild_ = WildShotScreen;
    WildShotScreen = std::make_shared<TWildshotScreen>();
    savedCard_ = ScoreCardScreen;
    ScoreCardScreen = std::make_shared<TScoreCardScreen>();
    savedChances_ = SpeechChances;
    SpeechChances = std::make_shared<TValueList>();
    GameScreen->DealRolls = {100, 100};  // no irons, no wild shots
    StartHole();
    Game->CurrentTScreen = GameScreen;
  }
  void TearDown() override {
    Game->CurrentTScreen.reset();
    WildShotScreen = savedWild_;
    ScoreCardScreen = savedCard_;
    SpeechChances = savedChances_;
    PlayScreenFixture::TearDown();
  }
  std::shared_ptr<TWildshotScreen> savedWild_;
  std::shared_ptr<TScoreCardScreen> savedCard_;
  std::shared_ptr<TValueList> savedChances_;
};

// --- stock penalty ---------------------------------------------------------------------------

TEST_F(PartsTest, StockPenaltiesDropOneCardEveryThreeHundredMilliseconds) {
  struct Row {
    int n, stock;
    std::vector<int> left;  // stock cards left after 0, 60 and 120 ticks
    bool blocked;           // input blocked right after the start
  };
  for (const Row& row : std::vector<Row>{{1, 5, {4, 4, 4}, false},
                                         {2, 5, {4, 3, 3}, true},
                                         {3, 2, {1, 0, 0}, true},
                                         {2, 1, {0, 0, 0}, false}}) {
    CardList->StockKill();
    for (int i = 0; i < row.stock; ++i) {
      auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, CARDTYPE_NORMAL, 0, 3 + i, 0);
      c->ID = TCardList::HighID++;
      c->Playfield = 0;
      c->Stock = 1;
    }
    CardList->StockZOrder();
    CardList->StockTopMark();
    GameGrid->BlockInput = 0;
    GameScreen->DropStockCards(row.n);
    EXPECT_EQ(CardList->StockCount(), row.left[0]) << row.n << " of " << row.stock;
    EXPECT_EQ(GameScreen->StockPenaltyCounter > 0, row.blocked) << row.n << " of " << row.stock;
    Ticks(60);
    EXPECT_EQ(CardList->StockCount(), row.left[1]) << row.n << " of " << row.stock;
    Ticks(60);
    EXPECT_EQ(CardList->StockCount(), row.left[2]) << row.n << " of " << row.stock;
    EXPECT_EQ(GameScreen->StockPenaltyCounter, 0) << "ended: " << row.n << " of " << row.stock;
    if (auto top = CardList->StockTopFind()) {
      EXPECT_EQ(top->StockTop, 1);
    }
  }
}

// --- End Drive -------------------------------------------------------------------------------

TEST_F(PartsTest, TheEndDriveButtonStandsBesideTheStockTopAndHoldsEndHole) {
  SetStock({3, 4});
  auto top = CardList->StockTopFind();
  top->GlowMOOn = 1;
  GameScreen->EndDriveButtonShow();
  auto b = Button("enddrive");
  EXPECT_EQ(b->Active, 1);
  EXPECT_EQ(b->Disabled, 0);
  EXPECT_EQ(b->x, top->x - 6);
  EXPECT_EQ(b->y, 480);
  EXPECT_EQ(top->GlowMOOn, 0);
  CardList->StockKill();
  GameScreen->EndDriveButtonShow();
  EXPECT_EQ(b->x, 309);  // empty stock: at the stock's place
  EXPECT_EQ(GameScreen->EndHoleEnable(1), 0);  // a shown End Drive holds End Hole
  GameScreen->PerfectCounter = 5;
  EXPECT_EQ(TGameScreen::EndDriveButtonTest(), 1);
  GameScreen->PerfectCounter = 0;
  EXPECT_EQ(TGameScreen::EndDriveButtonTest(), 0);
  b->Disabled = 1;
  b->Active = 0;
  GameScreen->EndDriveEnable(1);
  EXPECT_EQ(b->Active, 0);  // a hidden button is left alone
  EXPECT_EQ(b->Disabled, 1);
}

TEST_F(PartsTest, EndDriveEndsTheRunAndAShortRunEndsAtOnce) {
  struct Row {
    int run;
    bool animates;
  };
  for (const Row& row : std::vector<Row>{{7, true}, {5, false}}) {
    SetStock({3, 4});
    auto top = CardList->StockTopFind();
    HUD->DriveLength = row.run;
    HUD->LongDrive = row.run >= 6;
    GameScreen->EndDriveButtonShow();
    EXPECT_EQ(GameScreen->EndDriveClicked(), 1);
    EXPECT_EQ(HUD->DriveEnded, 1);
    EXPECT_EQ(HUD->DriveLength, 0);
    EXPECT_EQ(GameGrid->LastMoveWasIronToBag, 0);
    if (row.animates) {
      EXPECT_EQ(GameGrid->MegaBlock, 1);
      EXPECT_EQ(HUD->NextStockCard, top);
      for (int i = 0; i < 2000 && GameGrid->MegaBlock; ++i) GameScreen->ManageAll();
    }
    // Play is handed back: the block lifts, the button hides, the remembered stock card turns.
    EXPECT_EQ(GameGrid->MegaBlock, 0) << row.run;
    EXPECT_EQ(Button("enddrive")->Active, 0) << row.run;
    EXPECT_EQ(GameGrid->CardAction, CARDACTION_STOCK_TO_FOUNDATION) << row.run;
    Ticks(80);
  }
}

// --- mulligans --------------------------------------------------------------------------------

TEST_F(PartsTest, TheMulliganButtonShowsTheCountLeft) {
  auto image = [] { return std::make_shared<TGameImage>(); };
  for (auto* field : {&GameScreen->Mulligan0Disabled, &GameScreen->Mulligan0Down, &GameScreen->Mulligan1,
                      &GameScreen->Mulligan1MO, &GameScreen->Mulligan1Disabled, &GameScreen->Mulligan1Down,
                      &GameScreen->Mulligan2, &GameScreen->Mulligan2MO, &GameScreen->Mulligan2Disabled,
                      &GameScreen->Mulligan2Down, &GameScreen->Mulligan3, &GameScreen->Mulligan3MO,
                      &GameScreen->Mulligan3Disabled, &GameScreen->Mulligan3Down})
    *field = image();
  auto b = Button("mulligan");
  const auto& s = *GameScreen;
  struct Row {
    int count;
    std::shared_ptr<TGameImage> normal, disabled;
  };
  for (const Row& row : std::vector<Row>{{3, s.Mulligan3, s.Mulligan3Disabled},
                                         {2, s.Mulligan2, s.Mulligan2Disabled},
                                         {1, s.Mulligan1, s.Mulligan1Disabled},
                                         {0, s.Mulligan1, s.Mulligan0Disabled},
                                         {5, s.Mulligan1, s.Mulligan0Disabled}}) {
    GameScreen->Player->Mulligans = row.count;
    GameScreen->SetMulliganImages();
    EXPECT_EQ(b->image, row.normal) << row.count;
    EXPECT_EQ(b->ImageDisabled, row.disabled) << row.count;
  }
  GameScreen->Player->Mulligans = 0;
  GameScreen->MulliganDisable(0);
  EXPECT_EQ(b->Disabled, 1);  // none left: it stays off
}

// A layout card taken back returns to its place and takes back its fixed 3 from the hole's
// winnings, and during a long drive also the bonus it earned; the winnings never go below 0.
TEST_F(PartsTest, AMulliganTakesBackTheLastCardPlayedAndItsCash) {
  struct Row {
    int winnings;   // the hole's winnings when the mulligan is pressed
    int longDrive;  // the card was played during a long drive ...
    int bonus;      // ... whose last card earned this bonus
    int after, bonusAfter;
  };
  for (const Row& row : std::vector<Row>{{100, 0, 0, 97, 0}, {2, 0, 0, 0, 0}, {100, 1, 4, 93, 3}, {5, 1, 4, 0, 3}}) {
    SCOPED_TRACE("winnings " + std::to_string(row.winnings) + " bonus " + std::to_string(row.bonus));
    GameScreen->KillGeneric();
    StartHole();
    SetStock({9});
    Card(1)->Value = 5;
    Card(1)->TokenFactor = 0;  // no tokens: the card pays its fixed 3 only
    GameGrid->FoundationValue = 4;
    auto before = GameGrid->FoundationCard;
    const int left = GameGrid->CardsLeft;
    GameScreen->Player->LevelScore = 0;
    Click(Card(1));
    Wait(130);
    ASSERT_EQ(GameGrid->FoundationValue, 5);
    ASSERT_EQ(GameGrid->CardsLeft, left - 1);
    ASSERT_EQ(GameScreen->Player->LevelScore, 3);
    ASSERT_EQ(HUD->DriveLength, 1);
    EXPECT_EQ(Button("mulligan")->Disabled, 0);
    GameScreen->Player->LevelScore = row.winnings;
    HUD->LongDrive = row.longDrive;
    HUD->FiveXBonus = row.bonus;
    GameScreen->MulliganStart();
    EXPECT_EQ(Button("mulligan")->Disabled, 1);
    EXPECT_EQ(GameScreen->Player->Mulligans, 0);
    EXPECT_EQ(GameScreen->Player->LevelScore, row.after);
    EXPECT_EQ(HUD->FiveXBonus, row.bonusAfter);
    EXPECT_EQ(HUD->DriveLength, 0);
    Ticks(101);
    EXPECT_EQ(Card(1)->Playfield, 1);
    EXPECT_EQ(Card(1)->x, Card(1)->OriginalX);
    EXPECT_EQ(GameGrid->CardsLeft, left);
    EXPECT_EQ(GameGrid->FoundationCard, before);
    EXPECT_EQ(GameScreen->Player->LevelScore, row.after);
  }
}

// A long drive ended with End Drive, its ball landed and its multiplier in force, is taken back by
// a mulligan: the multiplier it earned goes, the run is as long as before, the hole's long drive
// and a 5x reached with it are no longer counted. With stock left the mulligan takes back the stock
// card the drive turned; with none it opens the drive again.
TEST_F(PartsTest, AMulliganUndoesALongDriveItsMultiplierAndItsLength) {
  struct Row {
    int run;
    bool stock;
    double earned;  // the multiplier in force after the landing, from 1.0
    int fiveX;      // the drive reached 5x
  };
  auto& save = *GameScreen->Player->SaveData;
  for (const Row& row : std::vector<Row>{{11, true, 1.6, 0}, {11, false, 1.6, 0}, {20, true, 3.0, 1}}) {
    SCOPED_TRACE("run " + std::to_string(row.run) + (row.stock ? " with stock" : " without stock"));
    GameScreen->KillGeneric();
    StartHole();
    if (row.stock) SetStock({3, 4});
    else CardList->StockKill();
    const int hole = HUD->FlagLevel - 1;
    save.CourseLongDrives.fill(0);
    save.CareerStats->Total5x->Value = 0;
    for (int i = 0; i < row.run; ++i) HUD->DriveLengthChange(1);
    ASSERT_EQ(GameScreen->EndDriveClicked(), 1);
    for (int i = 0; i < 4000 && GameGrid->MegaBlock; ++i) GameScreen->ManageAll();
    Ticks(80);  // the stock card the drive turned lands on the foundation
    ASSERT_EQ(GameGrid->MegaBlock, 0);
    ASSERT_NEAR(HUD->Multiplier, row.earned, 1e-6);
    ASSERT_EQ(save.CourseLongDrives[static_cast<std::size_t>(hole)], 1);
    ASSERT_EQ(save.CareerStats->Total5x->Value, row.fiveX);
    ASSERT_EQ(CardList->StockCount(), row.stock ? 1 : 0);

    GameScreen->Player->Mulligans = 1;
    GameGrid->BlockInput = 0;
    GameScreen->MulliganStart();
    EXPECT_NEAR(HUD->Multiplier, 1.0, 1e-6);
    EXPECT_EQ(HUD->DriveLength, row.run);
    EXPECT_EQ(HUD->LastDriveLength, 0);
    EXPECT_EQ(HUD->FiveXReached, 0);
    EXPECT_EQ(save.CareerStats->Total5x->Value, 0);
    EXPECT_EQ(save.CourseLongDrives[static_cast<std::size_t>(hole)], 0);
    Ticks(101);
    EXPECT_EQ(CardList->StockCount(), row.stock ? 2 : 0);
    EXPECT_EQ(Button("enddrive")->Active, 1);  // the drive is open again
  }
}

TEST_F(PartsTest, UndoingALongDriveCountsTheHolesDrivesDownNeverBelowZero) {
  auto& drives = GameScreen->Player->SaveData->CourseLongDrives;
  for (const auto& [flag, before, after] : std::vector<std::tuple<int, int, int>>{{2, 1, 0}, {2, 0, 0}, {0, 0, 0}}) {
    HUD->FlagLevel = flag;
    if (flag >= 1) drives[static_cast<std::size_t>(flag - 1)] = before;
    HUD->DriveEnded = 1;
    HUD->NextStockCardWasNull = 1;
    GameGrid->BlockInput = 0;
    GameScreen->Player->Mulligans = 1;
    GameScreen->MulliganStart();  // must not index outside the hole list
    if (flag >= 1) {
      EXPECT_EQ(drives[static_cast<std::size_t>(flag - 1)], after);
    }
    EXPECT_EQ(Button("enddrive")->Active, 1);  // the drive is open again
  }
}

// --- timed courses ----------------------------------------------------------------------------

// Every hole of a timed course starts with 60 seconds on the clock, 90 with the avatar item that
// lengthens it; an untimed course has no clock, item or not. The clock starts from nothing.
TEST_F(PartsTest, ATimedCourseGivesEveryHoleSixtySecondsOrNinetyWithTheLongerClock) {
  struct Row {
    int timed, item;
    float limitMs;
  };
  for (const Row& row : std::vector<Row>{{0, 0, 0}, {0, 1, 0}, {1, 0, 60000}, {1, 1, 90000}}) {
    (*CourseList)[0]->Timed = row.timed;
    GameScreen->Player->SaveData->AvatarItems[10] = row.item;
    GameScreen->Player->TimeTaken = 5000;
    GameScreen->Player->TimeUp = 1;
    GameScreen->KillGeneric();
    GameScreen->LevelStart();
    EXPECT_EQ(GameScreen->Player->TimeLimit, row.limitMs) << "timed " << row.timed << " item " << row.item;
    EXPECT_EQ(GameScreen->Player->TimeTaken, 0);
    EXPECT_EQ(GameScreen->Player->TimeUp, 0);
  }
}

// --- wild shot stories -------------------------------------------------------------------------

TEST_F(PartsTest, EachWildShotStoryDoesWhatItSays) {
  struct Row {
    int story, value;
    std::function<void(PartsTest&)> check;
  };
  auto& p = *GameScreen->Player;
  const std::vector<Row> rows = {
      {2, 5, [](PartsTest&) {
         EXPECT_EQ(GameScreen->CardToIronAnim, 1);
         EXPECT_EQ(GameGrid->IronCard->Value, 5);
         EXPECT_EQ(GameGrid->IronCard->CardType, CARDTYPE_IRON);
       }},
      {2, 12, [](PartsTest&) { EXPECT_EQ(GameScreen->CardToIronAnim, 0); }},  // no such iron
      {3, 0, [](PartsTest&) { EXPECT_NEAR(HUD->MultiplierGhost, 1.2, 1e-6); }},
      {9, 0, [](PartsTest&) { EXPECT_EQ(CardList->StockCount(), 4); }},
      {10, 0, [](PartsTest&) { EXPECT_NEAR(HUD->MultiplierGhost, 1.0, 1e-6); }},  // nothing to drop
      {15, 0, [](PartsTest&) { EXPECT_EQ(CardList->StockCount(), 4); }},           // the first of two
      {18, 4, [&p](PartsTest&) { EXPECT_EQ(p.Irons[4], 0); }},
      {18, 40, [&p](PartsTest&) { EXPECT_EQ(p.Irons[4], 1); }},  // outside the bag: ignored
      {19, 0, [&p](PartsTest&) {
         EXPECT_EQ(p.Mulligans, 2);
         EXPECT_GT(GameScreen->MulliganGlowCounter, 0);
       }},
      {20, 4, [&p](PartsTest& t) {
         EXPECT_EQ(p.Irons[4], 0);
         EXPECT_EQ(p.Irons[6], 1);
         EXPECT_EQ(GameScreen->WildshotAnimType, WILDSHOT_ANIM_IRON);
         t.Ticks(161);
         EXPECT_EQ(p.Irons[6], 0);  // the second iron breaks 800 ms later
         EXPECT_EQ(GameScreen->WildshotAnimType, WILDSHOT_ANIM_NONE);
       }},
      {21, 3, [&p](PartsTest&) { EXPECT_EQ(p.SaveData->AvatarItems[3], 0); }},
      {21, -1, [&p](PartsTest&) { EXPECT_EQ(p.SaveData->AvatarItems[3], 1); }},
      {23, 0, [&p](PartsTest&) { EXPECT_DOUBLE_EQ(p.TimeTaken, 100 - 4000); }},
      {24, 0, [](PartsTest&) { EXPECT_EQ(GameScreen->WildshotAnimType, WILDSHOT_ANIM_PICK); }},
      {28, 0, [](PartsTest&) {
         EXPECT_EQ(CardList->StockCount(), 0);
         EXPECT_EQ(GameScreen->WildshotAnimType, WILDSHOT_ANIM_CLEAR);
       }},
      {30, 0, [](PartsTest&) { EXPECT_EQ(GameScreen->WildshotAnimType, 0); }},
  };
  for (const Row& row : rows) {
    GameScreen->KillGeneric();
    GameScreen->DealRolls = {100, 100};
    GameScreen->LevelStart();
    SetStock({3, 4, 5, 6, 7});
    p.Irons.fill(0);
    p.Irons[4] = p.Irons[6] = 1;
    p.SaveData->AvatarItems[3] = 1;
    p.Mulligans = 1;
    p.TimeTaken = 100;
    WildShotScreen->ChosenStory = row.story - 1;
    WildShotScreen->SpecialValue = row.value;
    WildShotScreen->SpecialValue2 = 6;
    WildShotScreen->MinigameGood = 1;
    GameScreen->WildshotProcessStory();
    SCOPED_TRACE("story " + std::to_string(row.story) + " value " + std::to_string(row.value));
    row.check(*this);
  }
}

// What every story does to the money, once its tokens have flown: the hole's winnings (which the
// hole started with 400 of), the cash in hand (1000 unless the row says otherwise), the stock left
// after its penalty has run, the multiplier in force (2.0 before the story) and the gopher's four
// career statistics. The layout holds no free card, so nothing floats away and pays for itself.
TEST_F(PartsTest, EveryWildShotStoryMovesExactlyItsCash) {
  struct Row {
    int story;
    int value = 0;     // the story's special value: cash found or won, an iron, an item
    int found = 1;     // the mini-game was won (story 12: the ball was found)
    int stock = 5;     // stock cards before the story
    int cash = 1000;   // cash in hand before the story
    int hole = 400;    // winnings on the hole afterwards
    int cashAfter = 1000;
    int stockAfter = 5;
    double multiplier = 2.0;
    int visits = 0, lost = 0, flushed = 0, moneyFound = 0;
  };
  const std::vector<Row> rows = {
      {.story = 1, .hole = 650},
      {.story = 2, .value = 5},
      {.story = 3, .multiplier = 2.2},
      {.story = 4, .multiplier = 2.3},
      {.story = 5, .hole = 0, .stockAfter = 2, .multiplier = 1.0, .visits = 1, .lost = 400},
      {.story = 6, .value = 150, .hole = 550, .flushed = 1, .moneyFound = 150},
      {.story = 6, .value = 500, .hole = 900, .flushed = 1, .moneyFound = 500},
      {.story = 7},
      {.story = 8},
      {.story = 9, .stockAfter = 4},
      {.story = 10, .multiplier = 1.6},
      {.story = 11, .cashAfter = 750},
      {.story = 11, .cash = 100, .cashAfter = 0},  // never below nothing
      // The lost ball: cash found is paid whether or not the ball was; a lost ball costs two stock
      // cards while there are two, else 200 of the cash in hand.
      {.story = 12},
      {.story = 12, .value = 120, .hole = 520},
      {.story = 12, .value = 120, .found = 0, .hole = 520, .stockAfter = 3},
      {.story = 12, .found = 0, .stock = 2, .stockAfter = 0},
      {.story = 12, .found = 0, .stock = 1, .cashAfter = 800, .stockAfter = 1},
      {.story = 12, .found = 0, .stock = 0, .cashAfter = 800, .stockAfter = 0},
      {.story = 12, .found = 0, .stock = 1, .cash = 150, .cashAfter = 0, .stockAfter = 1},
      {.story = 13, .multiplier = 1.9},
      {.story = 14, .multiplier = 1.8},
      {.story = 15, .stockAfter = 3},
      {.story = 16, .multiplier = 1.7},
      {.story = 17, .cashAfter = 825},
      {.story = 18, .value = 4},
      {.story = 19},
      {.story = 20, .value = 4},
      {.story = 21, .value = 3},
      {.story = 22, .cashAfter = 900},
      {.story = 23},
      {.story = 24},
      {.story = 25, .value = 300, .hole = 700},
      {.story = 25},
      {.story = 26, .value = 150, .hole = 550},
      {.story = 26},
      {.story = 27},
      {.story = 28, .stockAfter = 0},
      {.story = 29, .multiplier = 1.5},
  };
  auto& p = *GameScreen->Player;
  auto& stats = *p.SaveData->CareerStats;
  for (const Row& row : rows) {
    SCOPED_TRACE("story " + std::to_string(row.story) + " value " + std::to_string(row.value) + " found " +
                 std::to_string(row.found) + " stock " + std::to_string(row.stock));
    GameScreen->KillGeneric();
    GameScreen->DealRolls = {100, 100};
    GameScreen->LevelStart();
    std::vector<TCard*> layout;
    for (const auto& c : CardList->Cards)
      if (c->Playfield) layout.push_back(c.get());
    for (TCard* c : layout) CardList->Remove(c);
    CardList->StockKill();
    for (int i = 0; i < row.stock; ++i) {
      auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, CARDTYPE_NORMAL, 0, 3 + i, 0);
      c->ID = TCardList::HighID++;
      c->Playfield = 0;
      c->Stock = 1;
    }
    CardList->StockZOrder();
    CardList->StockTopMark();
    p.Irons.fill(0);
    p.Irons[4] = p.Irons[6] = 1;
    p.SaveData->AvatarItems[3] = 1;
    p.LevelScore = 400;
    p.Score = row.cash;
    HUD->Multiplier = HUD->MultiplierGhost = HUD->LastMultiplier = 2.0;
    for (auto* stat : {&stats.TotalGopherVisits, &stats.TotalGopherMoneyLost, &stats.TotalGopherFlushed,
                       &stats.TotalGopherMoneyFound})
      (*stat)->Value = 0;
    WildShotScreen->ChosenStory = row.story - 1;
    WildShotScreen->SpecialValue = row.value;
    WildShotScreen->SpecialValue2 = 6;
    WildShotScreen->MinigameGood = row.found;
    GameScreen->WildshotProcessStory();
    Ticks(1000);  // every token stream, stock penalty and ball flight has ended by now
    ASSERT_EQ(TokenGeneratorList->Count() + TokenGeneratorList->BonusTokens, 0);
    EXPECT_EQ(p.LevelScore, row.hole);
    EXPECT_EQ(p.Score, row.cashAfter);
    EXPECT_EQ(CardList->StockCount(), row.stockAfter);
    EXPECT_NEAR(HUD->Multiplier, row.multiplier, 1e-6);
    EXPECT_EQ(stats.TotalGopherVisits->Value, row.visits);
    EXPECT_EQ(stats.TotalGopherMoneyLost->Value, row.lost);
    EXPECT_EQ(stats.TotalGopherFlushed->Value, row.flushed);
    EXPECT_EQ(stats.TotalGopherMoneyFound->Value, row.moneyFound);
  }
}

// One click of the crosshair takes one card, the first in the card list, even where several free
// face-up cards lie under the pointer; the pick then ends.
TEST_F(PartsTest, TheCardPickTakesOneCardPerClickAndEndsWhenNoneIsLeft) {
  GameScreen->WildshotAnimType = WILDSHOT_ANIM_PICK;
  GameScreen->WildshotAnimCounter = 100;
  const int left = GameGrid->CardsLeft;
  std::vector<TCardRef> under;  // three free face-up layout cards stacked on one place
  for (const auto& c : CardList->Cards)
    if (c->Playfield && under.size() < 3) under.push_back(c);
  ASSERT_EQ(under.size(), 3u);
  for (const auto& c : under) {
    c->Relationships.clear();
    c->FaceUp = 1;
    c->x = under[0]->x;
    c->y = under[0]->y;
  }
  Game->Mouse->x = static_cast<int>(under[0]->x) + 10;
  Game->Mouse->y = static_cast<int>(under[0]->y) + 10;
  Game->Mouse->mh = 1;
  GameScreen->WildshotAnimManage();
  EXPECT_EQ(GameGrid->CardsLeft, left - 1);
  EXPECT_FALSE(CardList->Contains(under[0].get()));
  EXPECT_TRUE(CardList->Contains(under[1].get()));
  EXPECT_TRUE(CardList->Contains(under[2].get()));
  EXPECT_EQ(GameScreen->WildshotAnimType, WILDSHOT_ANIM_NONE);
  Game->Mouse->mh = 1;
  GameScreen->WildshotAnimManage();  // the pick is over: a second click takes nothing
  EXPECT_EQ(GameGrid->CardsLeft, left - 1);
  // A pick on a layout with no free face-up card ends at once.
  for (const auto& c : CardList->Cards)
    if (c->Playfield) c->FaceUp = 0;
  GameScreen->WildshotAnimType = WILDSHOT_ANIM_PICK;
  GameScreen->WildshotAnimCounter = 100;
  GameScreen->WildshotAnimManage();
  EXPECT_EQ(GameScreen->WildshotAnimType, WILDSHOT_ANIM_NONE);
  EXPECT_EQ(GameScreen->WildshotAnimCounter, 0);
}

// --- floating cards ----------------------------------------------------------------------------

TEST_F(PartsTest, FloatingCardsPayForWhatTheyLiftAndEndHoleWaits) {
  CardList->StockKill();
  auto wild = CardList->Add(50, 50, CARDTYPE_WILDSHOT, 1, 0, 0);
  wild->ID = 90;
  auto wedge = CardList->Add(60, 60, CARDTYPE_WEDGE, 1, 1, 0);
  wedge->ID = 91;
  GameGrid->CardsLeft += 2;
  const int left = GameGrid->CardsLeft;
  GameScreen->Player->LevelScore = 0;
  GameScreen->WildshotAnimType = WILDSHOT_ANIM_CLEAR;
  GameScreen->FloatCards({Card(1), wild, wedge});
  EXPECT_EQ(GameGrid->CardsLeft, left - 2);  // the wild shot card stays
  EXPECT_TRUE(CardList->Contains(wild.get()));
  EXPECT_EQ(GameScreen->Player->LevelScore, 3);  // the normal card pays, the wedge does not
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());
  EXPECT_GT(GameScreen->WildshotAnimCounter, 0);  // more free cards: the waves go on
  CardList->Remove(wild.get());                   // (holes deal wild shots into the stock only)
  for (int i = 0; i < 400 && GameScreen->WildshotAnimCounter > 0; ++i) GameScreen->ManageAll();
  EXPECT_EQ(GameScreen->WildshotAnimCounter, 0);
  EXPECT_EQ(CardList->FindFree().size(), 0u);
}

// --- closing the window ------------------------------------------------------------------------

TEST_F(PartsTest, ClosingTheWindowSavesAtRestOrWhilePlayWaitsForThePlayer) {
  struct Row {
    const char* situation;
    std::function<void()> set;
    int anims, answer;
  };
  const std::vector<Row> rows = {
      {"at rest", [] {}, 0, 0},
      {"card in flight", [this] { PlayList->Add(Card(1), 100); }, 1, 1},
      // What waits for the player (the wild shot's dialog, the rifle's aim, the hint over play that
      // is held) cannot be waited for: the hole is recorded as it stands and the quit goes.
      {"wild shot open", [] { WildShotScreen->Active = 1; }, 1, 0},
      {"rifle aimed",
       [] {
         GameScreen->WildshotAnimType = WILDSHOT_ANIM_PICK;
         GameScreen->WildshotAnimCounter = 100;
       },
       1, 0},
      {"hint over tokens", [] { HintScroll->Active = 1; TokenGeneratorList->BonusTokens = 1; }, 1, 0},
      {"tokens", [] { TokenGeneratorList->BonusTokens = 1; }, 1, 1},
      {"scorecard open", [] { ScoreCardScreen->Active = 1; }, -1, 0},
      {"another screen", [] { Game->CurrentTScreen = ScoreCardScreen; }, -1, 0},
  };
  const auto savedHint = HintScroll;
  HintScroll = std::make_shared<THintScroll>();
  for (const Row& row : rows) {
    PlayList->Clear();
    WildShotScreen->Active = 0;
    ScoreCardScreen->Active = 0;
    HintScroll->Active = 0;
    TokenGeneratorList->BonusTokens = 0;
    GameScreen->WildshotAnimKill();
    Game->CurrentTScreen = GameScreen;
    GameScreen->Player->SaveData->MidHole = 0;
    row.set();
    EXPECT_EQ(TGameScreen::TestForAnims(), row.anims) << row.situation;
    EXPECT_EQ(TGameScreen::TerminatedUserFunction(), row.answer) << row.situation;
    EXPECT_EQ(GameScreen->Player->SaveData->MidHole, row.anims != -1 && row.answer == 0 ? 1 : 0)
        << row.situation;
  }
  HintScroll = savedHint;
  GameScreen->WildshotAnimKill();
  TokenGeneratorList->BonusTokens = 0;
  Game->CurrentTScreen = GameScreen;
  GameScreen->KillGeneric();
  EXPECT_EQ(TGameScreen::TestForAnims(), -1);  // no play field: nothing is being played
}

// --- announcer ----------------------------------------------------------------------------------

TEST_F(PartsTest, TheAnnouncerFollowsTheChancesFile) {
  SpeechChances->AddValue("idle", 0);
  SpeechChances->AddValue("perfect", 100);
  for (int i = 0; i < 20; ++i) {
    GameScreen->SpeechLoad("idle", "idle/idle1");
    EXPECT_FALSE(GameScreen->AnnouncerSound);
    GameScreen->SpeechLoad("not in the file", "idle/idle1");
    EXPECT_FALSE(GameScreen->AnnouncerSound);
    GameScreen->SpeechLoad("perfect", "misc/perfect1");
    ASSERT_TRUE(GameScreen->AnnouncerSound);
    EXPECT_EQ(GameScreen->AnnouncerSound->name, "PERFECT1");
  }
  GameScreen->SpeechPlay("");
  EXPECT_TRUE(GameScreen->AnnouncerSound);  // playing keeps the remark
  GameScreen->SpeechClear();
  EXPECT_FALSE(GameScreen->AnnouncerSound);
}

// --- the stock-top tool-tip card ------------------------------------------------------------

TEST_F(PartsTest, TheToolTipCardShowsTheLabelAfterTwoSecondsAndTheFaceAfterThree) {
  SetStock({3, 12});
  auto top = CardList->StockTopFind();
  auto rest = [&](int ticks) {
    Game->Mouse->x = static_cast<int>(top->x) + 20;
    Game->Mouse->y = static_cast<int>(top->y) + 20;
    for (int i = 0; i < ticks; ++i) GameScreen->ToolTipCardManage();
  };
  rest(660);
  EXPECT_FALSE(GameScreen->ToolTipCard);  // without avatar item 3 there is none
  EXPECT_EQ(GameScreen->ToolTipLabelAlpha, 0);

  GameScreen->Player->SaveData->AvatarItems[3] = 1;
  GameScreen->ToolTipCardCreate();
  ASSERT_TRUE(GameScreen->ToolTipCard);
  EXPECT_EQ(GameScreen->ToolTipCard->Value, 12);
  EXPECT_EQ(GameScreen->ToolTipCard->FaceUp, 1);
  rest(420);  // 2.1 s
  EXPECT_NEAR(GameScreen->ToolTipLabelAlpha, 1.0f, 1e-4);
  EXPECT_EQ(GameScreen->ToolTipCard->Alpha, 0);
  rest(240);  // 3.3 s
  EXPECT_NEAR(GameScreen->ToolTipCard->Alpha, 0.3f, 1e-4);
  // The pointer leaves: the face and the label fade out.
  Game->Mouse->x = -100;
  for (int i = 0; i < 40; ++i) GameScreen->ToolTipCardManage();
  EXPECT_EQ(GameScreen->ToolTipCard->Alpha, 0);
  EXPECT_EQ(GameScreen->ToolTipLabelAlpha, 0);
  auto channel = GameScreen->ChannelXRay;
  for (int i = 0; i < 10; ++i) GameScreen->ToolTipCardManage();
  EXPECT_EQ(GameScreen->ChannelXRay, channel);  // replaced once, not every tick
}

// The x-ray hum is a seamless loop: it must not be cut off at full volume when the pointer leaves,
// but fade out with its label and be stopped only once it is silent.
TEST_F(PartsTest, TheXRayHumFadesOutWithItsLabelBeforeItStops) {
  SetStock({3, 12});
  GameScreen->Player->SaveData->AvatarItems[3] = 1;
  GameScreen->ToolTipCardCreate();
  ASSERT_TRUE(GameScreen->ToolTipCard);
  auto hum = std::make_shared<TGameSound>();
  hum->sound = platform::LoadSound(std::string(QUILL_FIXTURES_DIR) + "core/Data/music/theme.wav", 1);
  ASSERT_TRUE(hum->sound);
  ASSERT_TRUE(hum->sound->Loops());
  GameGrid->XraySound = hum;
  Game->Sound = 1;
  Game->SoundVolume = 100;
  auto top = CardList->StockTopFind();
  Game->Mouse->x = static_cast<int>(top->x) + 20;
  Game->Mouse->y = static_cast<int>(top->y) + 20;
  for (int i = 0; i < 420; ++i) GameScreen->ToolTipCardManage();
  ASSERT_TRUE(GameScreen->ChannelXRay && GameScreen->ChannelXRay->Playing());

  platform::ClearAudioLog();
  Game->Mouse->x = -100;
  for (int i = 0; i < 60; ++i) GameScreen->ToolTipCardManage();
  std::vector<float> volumes;
  bool stopped = false;
  for (const auto& record : platform::AudioLog()) {
    if (record.sound != "theme.wav") continue;
    if (record.what == "stop") {
      stopped = true;
      break;
    }
    if (record.what == "volume") volumes.push_back(record.value);
  }
  EXPECT_TRUE(stopped);
  ASSERT_GE(volumes.size(), 20u) << "a fade over at least 20 ticks (100 ms)";
  EXPECT_GT(volumes.front(), 0.9f);
  EXPECT_LT(volumes.back(), 0.05f) << "stopped while still loud";
  EXPECT_TRUE(std::is_sorted(volumes.rbegin(), volumes.rend())) << "the fade never rises";
}

}  // namespace

namespace {

// --- faults mended ---------------------------------------------------------------------------

TEST_F(PartsTest, AnEndUnderParDuringTheIntroChangesNothingNotEvenTheBlock) {
  GameScreen->IntroAnim->Start();
  GameGrid->CardsLeft = GameGrid->HolePar - 2;
  GameGrid->MegaBlock = 0;
  EXPECT_EQ(GameScreen->LevelEnd(), 0);
  EXPECT_EQ(GameGrid->MegaBlock, 0);
  EXPECT_EQ(GameScreen->LevelEndClicked, 0);
}

TEST_F(PartsTest, FloatingCardsSwitchEndHoleOffWhileTheyFly) {
  CardList->StockKill();
  ASSERT_EQ(GameScreen->EndHoleEnable(1), 1);
  GameScreen->WildshotAnimType = WILDSHOT_ANIM_SAND;
  GameScreen->FloatCards({});  // the sand card under the wedge floats in the next wave
  EXPECT_FALSE(GameScreen->EndHoleIsEnabled());
  EXPECT_GT(GameScreen->WildshotAnimCounter, 0);
}

TEST_F(PartsTest, AfterTheShuffleTheXRayShowsTheNewFace) {
  GameScreen->Player->SaveData->AvatarItems[3] = 1;
  SetStock({3, 4, 5, 6});
  GameScreen->ToolTipCardCreate();
  WildShotScreen->ChosenStory = 26;  // story 27, the shuffle
  GameScreen->WildshotProcessStory();
  for (int i = 0; i < 2000 && GameScreen->WildshotAnimPhase < 2; ++i) GameScreen->ManageAll();
  auto top = CardList->StockTopFind();
  ASSERT_TRUE(top);
  EXPECT_EQ(GameScreen->ToolTipCard->Value, top->Value);
  EXPECT_EQ(GameScreen->ToolTipCard->Suit, top->Suit);
}

TEST_F(PartsTest, TheStartSignNeverDrawsAboveFullOpacity) {
  GameScreen->Go = std::make_shared<TSprite>();
  GameScreen->IntroAnim->Start();
  GameScreen->StatusTextDraw();
  EXPECT_EQ(GameScreen->Go->Alpha, 1.0f);
  EXPECT_EQ(GameScreen->Go->ScaleX, 2.0f);
}

TEST_F(PartsTest, TheCourseAfterTheScorecardFollowsTheUnlockStates) {
  auto second = std::make_shared<TCourse>();
  second->Name = "Second Links";
  CourseList->push_back(second);
  auto& save = *GameScreen->Player->SaveData;
  struct Row {
    std::string played;
    int nextState;
    std::string course;  // the current course afterwards
  };
  for (const Row& row : std::vector<Row>{{"Fixture Links", COURSE_OPEN, "Second Links"},
                                         {"Fixture Links", COURSE_LOCKED, "Fixture Links"},
                                         {"Not Listed", COURSE_OPEN, "Not Listed"}}) {
    save.CourseName = row.played;
    GameGrid->LevelName = row.played;
    save.UnlockedCourses.fill(COURSE_LOCKED);
    save.UnlockedCourses[1] = row.nextState;
    Game->DestinationTScreen.reset();
    GameScreen->ScoreCardGoToNextLevel(0);
    EXPECT_EQ(save.CourseName, row.course) << row.played << " " << row.nextState;
    EXPECT_EQ(Game->DestinationTScreen, LevelSelectScreen);
  }
  // The last course with its purse won is completed and leads to the ending.
  GameGrid->LevelName = "Second Links";
  ScoreCardScreen->PurseWon = 1;
  Game->MaxLevels = 2;
  GameScreen->ScoreCardGoToNextLevel(0);
  EXPECT_EQ(save.UnlockedCourses[1], COURSE_COMPLETED);
  EXPECT_EQ(Game->DestinationTScreen, GameFinishedScreen);
}

}  // namespace

namespace {

// A reward dialog that the player has already closed.
class ClosedDialog : public TDialogOK {
 public:
  int Manage() override { return 1; }
  int Kill() override { return 0; }
  int Draw() override { return 0; }
};

// Rewards won together come one after another as each dialog closes: the rank, the item, the best
// score, then the trophies by ascending id whatever order they were won in.
TEST_F(PartsTest, RewardsComeOneAfterAnotherRankItemBestScoreThenTrophiesByAscendingId) {
  auto& screen = *GameScreen;
  auto& save = *GameScreen->Player->SaveData;
  screen.RankUnlocked = 1;
  screen.ItemUnlocked = 1;
  screen.TopScore = 1;
  save.AvatarItemUnlocked = 3;
  save.Trophies.fill(0);
  screen.TrophyDialogs.fill(-1);
  for (int id : {12, 5, 1, 7}) screen.TrophyDialogs[static_cast<std::size_t>(id)] = id;
  std::vector<std::string> order;
  for (int step = 0; step < 10; ++step) {
    screen.UnlockedDialog = std::make_shared<ClosedDialog>();
    const int rank = screen.RankUnlocked, item = screen.ItemUnlocked;
    const int top = screen.TopScore;
    const auto trophies = save.Trophies;
    screen.Logic();
    if (rank && !screen.RankUnlocked) order.push_back("rank");
    else if (item && !screen.ItemUnlocked) order.push_back("item");
    else if (top && !screen.TopScore) order.push_back("best score");
    for (std::size_t id = 0; id < trophies.size(); ++id)
      if (!trophies[id] && save.Trophies[id]) order.push_back("trophy " + std::to_string(id));
    const bool queued = std::any_of(screen.TrophyDialogs.begin(), screen.TrophyDialogs.end(),
                                    [](int slot) { return slot >= 0; });
    if (!screen.RankUnlocked && !screen.ItemUnlocked && !screen.TopScore && !queued) break;
  }
  screen.UnlockedDialog = std::make_shared<ClosedDialog>();
  screen.Logic();  // the last dialog closes and nothing follows
  EXPECT_EQ(order, (std::vector<std::string>{"rank", "item", "best score", "trophy 1", "trophy 5", "trophy 7",
                                             "trophy 12"}));
  EXPECT_FALSE(screen.UnlockedDialog);
  // An unlock position from a damaged save names no item: that dialog is skipped.
  screen.ItemUnlocked = 1;
  save.AvatarItemUnlocked = 40;
  screen.UnlockedDialog = std::make_shared<ClosedDialog>();
  screen.Logic();
  EXPECT_EQ(screen.ItemUnlocked, 0);
  EXPECT_FALSE(screen.UnlockedDialog);
}

TEST_F(PartsTest, ComingBackFromTheOptionsLeavesTheHoleAsItWas) {
  auto grid = GameGrid;
  SetStock({3, 4, 5});
  GameScreen->StockPenaltyCounter = 12;
  GameScreen->StopInit = 1;
  GameScreen->StopKill = 1;
  GameScreen->PreStart();
  EXPECT_EQ(GameGrid, grid);
  EXPECT_EQ(CardList->StockCount(), 3);
  EXPECT_EQ(GameScreen->StockPenaltyCounter, 12);
  EXPECT_EQ(GameScreen->StopInit, 0);
  EXPECT_EQ(GameScreen->StopKill, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
  EXPECT_EQ(Button("scorecard")->Active, 1);
}

TEST_F(PartsTest, ASavedCourseThatIsNotListedGoesBackToTheTitleWithoutAHole) {
  GameScreen->KillGeneric();
  GameScreen->Player->SaveData->CourseName = "Gone Links";
  GameScreen->Player->SaveData->MidCourse = 1;
  testing::internal::CaptureStderr();
  GameScreen->Load();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("Gone Links"), std::string::npos) << said;
  EXPECT_EQ(GameScreen->Player->SaveData->MidCourse, 0);
  GameScreen->Start();
  EXPECT_FALSE(GameGrid);
  EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
  GameScreen->Logic();
  GameScreen->Kill();  // safe with no hole
  EXPECT_FALSE(HUD);
}

}  // namespace
