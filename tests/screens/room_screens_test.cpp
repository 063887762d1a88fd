// The golf shop, the avatar chooser, the trophy room and the career statistics page on the staged
// data folder, headless: whole logic steps of Delta 1 through the game's own logic step, scripted
// input, pixels read back and what the silent audio layer saw.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "content/globals.h"
#include "content/loading.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "progress/avatar.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "progress/stat.h"
#include "screens/avatar_selection_screen.h"
#include "screens/career_stats_screen.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/shop_screen.h"
#include "screens/title_screen.h"
#include "screens/trophy_screen.h"
#include "tests/content/real_game.h"
#include "tests/support/harness.h"
#include "tests/support/write_faults.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "ui/tool_tip.h"
#include "util/error.h"
#include "util/globals.h"
#include "util/word_wrap.h"

namespace {

void Push(int kind, int data, int x, int y) {
  platform::Event event;
  event.kind = kind;
  event.data = data;
  event.x = x;
  event.y = y;
  platform::PushEvent(event);
}

int Step() {
  Delta = 1.0f;
  return Game->LogicWrapper();
}

void Steps(int n) {
  for (int i = 0; i < n; ++i) Step();
}

void MoveTo(int x, int y) {
  Push(platform::EVENT_MOUSE_MOVE, 0, x, y);
  Step();
}

void ClickAt(int x, int y) {
  Push(platform::EVENT_MOUSE_MOVE, 0, x, y);
  Push(platform::EVENT_MOUSE_DOWN, 1, x, y);
  Push(platform::EVENT_MOUSE_UP, 1, x, y);
  Step();
}

void Key(int code) {
  Push(platform::EVENT_KEY_DOWN, code, 0, 0);
  Push(platform::EVENT_KEY_UP, code, 0, 0);
  Step();
}

// Starts of sounds whose file name ends with `file` since the log was last cleared.
int Starts(const std::string& file) {
  int n = 0;
  for (const auto& r : platform::AudioLog()) {
    const bool started = r.what == "cue" || r.what == "play";
    if (started && r.sound.size() >= file.size() && r.sound.compare(r.sound.size() - file.size(), file.size(), file) == 0) ++n;
  }
  return n;
}

// The game loaded once per process over the staged data folder (both loading stages).
bool GameLoaded() {
  static std::weak_ptr<TGame> loaded;
  if (StillTheLiveGame(loaded)) return true;
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) return false;
  ccGraphicalErrors = 0;
  StartGameForLoading(prefix);
  LoadData2();
  loaded = Game;
  return true;
}

class RoomScreensTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!GameLoaded()) GTEST_SKIP() << "no data folder (build the data target)";
    Game->Fade = 1;
    profile_ = TProfile::Create("Tess");
    InstallProfileHooks(*profile_);
    Game->CurrentProfile = profile_;
    auto& save = *GameScreen->Player->SaveData;
    save.Male = 1;
    save.Avatar = 0;
    save.AvatarItems.fill(0);
    save.Trophies.fill(0);
    save.Rank = 0;
    save.AvatarItemUnlocked = 0;
    save.CareerStats->Clear();
    // The silent audio layer never ends a sound by itself: free the pool an earlier test filled.
    for (auto& channel : Game->Channels->Channels)
      if (channel->Channel) channel->Channel->Stop();
    platform::ClearAudioLog();
  }
  void TearDown() override {
    if (!Game) return;
    // A fade a test started (leaving a screen) must not switch screens in the next test.
    Game->GameFade->Active = 0;
    Game->DestinationTScreen = nullptr;
    if (Game->CurrentTScreen && Game->CurrentTScreen != TitleScreen) Game->CurrentTScreen->Kill();
  }

  // Makes `screen` current as the screen switch does, and runs its fade-in to the end.
  void Open(const std::shared_ptr<TScreen>& screen) {
    screen->PreStart();
    for (int i = 0; i < 200 && Game->Fading(); ++i) Step();
    platform::ClearAudioLog();
  }

  std::shared_ptr<TProfile> profile_;
};

// ---- golf shop ----

TEST(ShopRulesTest, ShelfPositionsNameTheirItemAndPriceAndSellBackAtThreeQuarters) {
  struct Slot {
    int id, price, sell, x, y;
  };
  const Slot slots[TShopScreen::ITEMS] = {
      {0, 5000, 3750, 389, 168},    {1, 20000, 15000, 500, 168},  {2, 20000, 15000, 611, 168},
      {3, 30000, 22500, 723, 168},  {4, 30000, 22500, 389, 252},  {5, 35000, 26250, 500, 252},
      {6, 35000, 26250, 611, 252},  {10, 25000, 18750, 723, 252}, {11, 15000, 11250, 389, 336},
      {9, 30000, 22500, 500, 336},  {7, 40000, 30000, 611, 336},  {8, 30000, 22500, 723, 336},
  };
  for (int p = 0; p < TShopScreen::ITEMS; ++p) {
    SCOPED_TRACE("position " + std::to_string(p));
    const int id = TAvatar::ItemUnlockOrder[p];
    EXPECT_EQ(id, slots[p].id);
    EXPECT_EQ(TShopScreen::Prices[id], slots[p].price);
    EXPECT_EQ(TShopScreen::SellPrice(id), slots[p].sell);
    EXPECT_EQ(TShopScreen::SlotX(p), slots[p].x);
    EXPECT_EQ(TShopScreen::SlotY(p), slots[p].y);
  }
}

TEST_F(RoomScreensTest, ShelfClicksAnswerAcrossAPaneAndItsRowButNotBetweenPanes) {
  ShopScreen->Destination = TitleScreen;
  Open(ShopScreen);
  ASSERT_EQ(ShopScreen->LockedPane->w, 100);
  ASSERT_EQ(ShopScreen->LockedPane->h, 78);
  struct Point {
    float x, y;
    int position;
  };
  const Point points[] = {
      {339, 129, 0},   // the first pane's top-left corner
      {438, 129, 0},   // its right edge
      {439, 168, -1},  // the strip between the first two panes
      {449, 168, -1},
      {450, 168, 1},   // the second pane's left edge
      {389, 212, 0},   // below the first pane, above the second row: still the first row
      {389, 213, 4},
      {771, 380, 11},  // the last pane's bottom right (the hit test ignores its drawn 1 px shift)
      {772, 300, -1},  // right of the shelf
      {338, 168, -1},  // left of the shelf
  };
  for (const auto& pt : points) EXPECT_EQ(ShopScreen->PositionAt(pt.x, pt.y), pt.position) << pt.x << "," << pt.y;
}

TEST_F(RoomScreensTest, ShopBuysAndSellsAtTheTillAndLeavingWritesTheProfile) {
  auto& save = *GameScreen->Player->SaveData;
  save.AvatarItemUnlocked = 3;
  profile_->Score = 30000;
  ShopScreen->Destination = TitleScreen;
  Open(ShopScreen);
  auto buy = ShopScreen->Menu->FindButton("buy");
  auto sell = ShopScreen->Menu->FindButton("sell");
  EXPECT_TRUE(buy->Active && buy->Disabled);
  EXPECT_FALSE(sell->Active);

  // A locked slot answers with its sound and changes nothing.
  ClickAt(TShopScreen::SlotX(4), TShopScreen::SlotY(4));
  EXPECT_EQ(Starts("golfshop_invalid.ogg"), 1);
  EXPECT_EQ(ShopScreen->CurrentItem, -1);

  // Position 1 (item 1, 20000): for sale and affordable.
  ClickAt(TShopScreen::SlotX(1), TShopScreen::SlotY(1));
  EXPECT_EQ(ShopScreen->CurrentItem, 1);
  EXPECT_EQ(Starts("golfshop_item.ogg"), 1);
  EXPECT_EQ(buy->Disabled, 0);
  // The selected slot again: nothing, not even a sound.
  platform::ClearAudioLog();
  ClickAt(TShopScreen::SlotX(1), TShopScreen::SlotY(1));
  EXPECT_EQ(Starts("golfshop_item.ogg"), 0);

  Steps(80);  // the "buy" button answers once its press picture has gone
  ClickAt(static_cast<int>(buy->x) + 20, static_cast<int>(buy->y) + 20);
  EXPECT_EQ(save.AvatarItems[1], 1);
  EXPECT_EQ(profile_->Score, 10000);
  EXPECT_EQ(ShopScreen->CurrentItem, -1);
  EXPECT_TRUE(buy->Active && buy->Disabled);

  // An owned item offers its sell-back; selling pays three quarters.
  platform::ClearAudioLog();
  ClickAt(TShopScreen::SlotX(1), TShopScreen::SlotY(1));
  EXPECT_EQ(Starts("golfshop_item.ogg"), 1);
  EXPECT_EQ(Starts("buttonclick.wav"), 1);
  EXPECT_TRUE(sell->Active);
  EXPECT_FALSE(buy->Active);
  Steps(80);
  ClickAt(static_cast<int>(sell->x) + 20, static_cast<int>(sell->y) + 20);
  EXPECT_EQ(save.AvatarItems[1], 0);
  EXPECT_EQ(profile_->Score, 25000);

  // Buy it again and leave with Esc: the file holds the cash and the item.
  ClickAt(TShopScreen::SlotX(1), TShopScreen::SlotY(1));
  Steps(80);
  ClickAt(static_cast<int>(buy->x) + 20, static_cast<int>(buy->y) + 20);
  ASSERT_EQ(profile_->Score, 5000);
  Key(27);
  EXPECT_EQ(Game->DestinationTScreen, std::static_pointer_cast<TScreen>(TitleScreen));
  save.AvatarItems.fill(0);
  auto reread = TProfile::Create("Tess");
  InstallProfileHooks(*reread);
  ASSERT_EQ(reread->Load(), 1);
  EXPECT_EQ(reread->Score, 5000);
  EXPECT_EQ(save.AvatarItems[1], 1);
}

// A sale that would carry the cash past the largest int stops it there: in the profile, in the
// file written on leaving the shop, and in the player of the course the shop leads on to.
TEST_F(RoomScreensTest, ASaleAtTheIntLimitStopsTheCashThere) {
  auto& save = *GameScreen->Player->SaveData;
  save.AvatarItemUnlocked = 3;
  save.AvatarItems[1] = 1;  // owned: sells back for 15000
  profile_->Score = INT_MAX - 5;
  ShopScreen->Destination = LevelSelectScreen;
  Open(ShopScreen);
  ClickAt(TShopScreen::SlotX(1), TShopScreen::SlotY(1));
  auto sell = ShopScreen->Menu->FindButton("sell");
  ASSERT_TRUE(sell->Active);
  Steps(80);
  ClickAt(static_cast<int>(sell->x) + 20, static_cast<int>(sell->y) + 20);
  ASSERT_EQ(save.AvatarItems[1], 0);
  EXPECT_EQ(profile_->Score, INT_MAX);
  GameScreen->Player->Score = 0;
  Key(27);
  EXPECT_EQ(Game->DestinationTScreen, std::static_pointer_cast<TScreen>(LevelSelectScreen));
  EXPECT_EQ(GameScreen->Player->Score, INT_MAX);
  auto reread = TProfile::Create("Tess");
  InstallProfileHooks(*reread);
  ASSERT_EQ(reread->Load(), 1);
  EXPECT_EQ(reread->Score, INT_MAX);
}

TEST_F(RoomScreensTest, ThePriceDecidesWhetherBuyIsOfferedAndTheCannotAffordNote) {
  GameScreen->Player->SaveData->AvatarItemUnlocked = 11;
  ShopScreen->Destination = TitleScreen;
  for (int cash : {30000, 29999}) {
    SCOPED_TRACE(cash);
    profile_->Score = cash;
    Open(ShopScreen);
    ClickAt(TShopScreen::SlotX(3), TShopScreen::SlotY(3));  // item 3, 30000
    EXPECT_EQ(ShopScreen->Menu->FindButton("buy")->Disabled, cash < 30000 ? 1 : 0);
    quill_test::OpenScreen();
    Game->ScreenDraw();
    // The note is drawn in red centred on x 462 at y 534 only when the price is out of reach.
    bool red = false;
    for (int x = 400; x < 520 && !red; ++x)
      for (int y = 532; y < 552 && !red; ++y) {
        const auto p = quill_test::ScreenPixel(x, y);
        red = ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90;
      }
    EXPECT_EQ(red, cash < 30000);
    ShopScreen->Kill();
  }
}

TEST_F(RoomScreensTest, AFailedProfileWriteKeepsTheOldFileAndTheShopStillLeaves) {
  profile_->Score = 5000;
  ASSERT_EQ(profile_->Save(), 0);
  const std::string path = Game->ProfilePath + "Tess.dat";
  const auto before = platform::ReadFileBytes(path);
  ASSERT_TRUE(before.has_value());
  ShopScreen->Destination = TitleScreen;
  Open(ShopScreen);
  ClickAt(TShopScreen::SlotX(0), TShopScreen::SlotY(0));
  Steps(80);
  auto buy = ShopScreen->Menu->FindButton("buy");
  ClickAt(static_cast<int>(buy->x) + 20, static_cast<int>(buy->y) + 20);
  ASSERT_EQ(profile_->Score, 0);
  {
    quill_test::WriteFaults faults(quill_test::WriteFault::kInterrupt, "Tess.dat");
    Key(27);
    EXPECT_EQ(faults.Faulted(), 1);
  }
  EXPECT_FALSE(profile_->LastError.empty());
  EXPECT_EQ(Game->DestinationTScreen, std::static_pointer_cast<TScreen>(TitleScreen));
  const auto after = platform::ReadFileBytes(path);
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(*after, *before);
  EXPECT_EQ(GameScreen->Player->SaveData->AvatarItems[0], 1);  // kept in memory
}

TEST_F(RoomScreensTest, ItemDescriptionsFitTwoLinesStatCaptionsTheirColumnAndALongTextStopsAtTheEdge) {
  for (int id = 0; id < TShopScreen::ITEMS; ++id) {
    const auto lines = ccSplitStringIntoLines(GameText->FindString("ItemDescription" + std::to_string(id)));
    ASSERT_FALSE(lines.empty()) << id;
    EXPECT_LE(ccWordWrapArray(lines, 192, HintFont).size(), 2u) << "ItemDescription" << id;
  }
  // Every caption of the statistics page stands clear of the value column.
  for (const auto& row : TCareerStatsScreen::Rows)
    EXPECT_LT(HintFont->StringWidth(GameText->FindString(row.Key)),
              TCareerStatsScreen::ColumnX[1] - TCareerStatsScreen::ColumnX[0] - 4) << row.Key;
  // Three paragraphs can never be two lines: the widening ends at the screen's edge.
  const auto wrapped = TShopScreen::WrapDescription({"one", "two", "three"}, 192, 369, HintFont);
  EXPECT_EQ(wrapped.size(), 3u);
}

// ---- avatar chooser ----

class AvatarChooserTest : public RoomScreensTest {
 protected:
  void SetUp() override {
    RoomScreensTest::SetUp();
    if (IsSkipped()) return;
    AvatarSelectionScreen->Load();
    AvatarSelectionScreen->Show();
  }
  void TearDown() override {
    AvatarSelectionScreen->Kill();
    RoomScreensTest::TearDown();
  }
  // One logic tick of the chooser with the pointer at (x, y), clicked or not.
  int Tick(int x, int y, bool click) {
    Push(platform::EVENT_MOUSE_MOVE, 0, x, y);
    if (click) {
      Push(platform::EVENT_MOUSE_DOWN, 1, x, y);
      Push(platform::EVENT_MOUSE_UP, 1, x, y);
    }
    Game->Upper->MouseClearHit();
    platform::Event e;
    while (platform::PollEvent(&e)) {
      if (e.kind == platform::EVENT_MOUSE_MOVE) Game->Upper->MouseMove(e.x, e.y);
      if (e.kind == platform::EVENT_MOUSE_DOWN) Game->Upper->MouseButtonDown(e.data);
      if (e.kind == platform::EVENT_MOUSE_UP) Game->Upper->MouseButtonUp(e.data);
    }
    Delta = 1.0f;
    return AvatarSelectionScreen->Logic();
  }
  static int CellCentreX(int column) { return 158 * column + 78; }
  static int CellCentreY(int row) { return 99 + 206 * row + 99; }
};

TEST_F(AvatarChooserTest, OKWaitsForAChoiceAndADoubleClickWithinHalfASecondConfirms) {
  auto ok = AvatarSelectionScreen->Menu->FindButton("OK");
  EXPECT_EQ(ok->Disabled, 1);
  EXPECT_EQ(ok->y, 600 - ok->h - 15 - 38);
  // A click outside every portrait is used up and changes nothing; so is one on a frame's clear corner.
  EXPECT_EQ(Tick(400, 40, true), 0);
  EXPECT_EQ(Tick(158 * 2 + 1, 99 + 1, true), 0);
  EXPECT_EQ(AvatarSelectionScreen->Male, -1);
  // Lady 3 (bottom row, third column) chosen: OK enabled, the choice made, not confirmed.
  EXPECT_EQ(Tick(CellCentreX(2), CellCentreY(1), true), 0);
  EXPECT_EQ(AvatarSelectionScreen->Male, 0);
  EXPECT_EQ(AvatarSelectionScreen->Head, 2);
  EXPECT_EQ(ok->Disabled, 0);
  // Another portrait within the window only moves the choice.
  EXPECT_EQ(Tick(CellCentreX(4), CellCentreY(0), true), 0);
  EXPECT_EQ(AvatarSelectionScreen->Male, 1);
  EXPECT_EQ(AvatarSelectionScreen->Head, 4);
  // 100 ticks later the window has closed: the click opens a new one; the next within it confirms.
  for (int i = 0; i < 99; ++i) Tick(CellCentreX(4), CellCentreY(0), false);
  EXPECT_EQ(Tick(CellCentreX(4), CellCentreY(0), true), 0);
  EXPECT_EQ(Tick(CellCentreX(4), CellCentreY(0), true), 1);
}

TEST_F(AvatarChooserTest, EscapeDoesNothingAndEveryCellGivesItsLook) {
  Push(platform::EVENT_KEY_DOWN, 27, 0, 0);
  EXPECT_EQ(Tick(400, 40, false), 0);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 5; ++column) {
      Tick(CellCentreX(column), CellCentreY(row), true);
      EXPECT_EQ(AvatarSelectionScreen->Male, 1 - row);
      EXPECT_EQ(AvatarSelectionScreen->Head, column);
    }
}

// ---- trophy room ----

TEST(TrophyRulesTest, PlaquesAlternateLikeAChequerboardAndTextBlocksCentreOnTheirPoint) {
  const bool gold[TTrophyScreen::TROPHIES] = {false, false, true, false, true, true, false, true, false, false, true, false, true};
  for (int id = 0; id < TTrophyScreen::TROPHIES; ++id) EXPECT_EQ(TTrophyScreen::IsGoldPlaque(id), gold[id]) << id;
  EXPECT_EQ(TTrophyScreen::PlaqueTextTop(195, 1), 187);
  EXPECT_EQ(TTrophyScreen::PlaqueTextTop(195, 2), 180);
  EXPECT_EQ(TTrophyScreen::PlaqueTextTop(195, 3), 172);
}

TEST_F(RoomScreensTest, TheRoomShowsOnlyWonTrophiesAndALadySeesHerOwnCup) {
  auto& save = *GameScreen->Player->SaveData;
  auto pixelsAt = [](int id) {
    // A few pixels across the trophy's picture, where nothing else of the room stands in front.
    std::vector<platform::Argb> px;
    for (int dy = 40; dy <= 80; dy += 20) px.push_back(quill_test::ScreenPixel(TTrophyScreen::TrophyX[id] + 50, TTrophyScreen::TrophyY[id] + dy));
    return px;
  };
  Open(TrophyScreen);
  quill_test::OpenScreen();
  Game->ScreenDraw();
  const auto empty7 = pixelsAt(7);
  const auto empty3 = pixelsAt(3);
  save.Trophies[7] = 1;
  Game->ScreenDraw();
  EXPECT_NE(pixelsAt(7), empty7);
  EXPECT_EQ(pixelsAt(3), empty3);  // a trophy not won stays away
  TrophyScreen->Kill();

  save.Male = 0;
  Open(TrophyScreen);
  EXPECT_TRUE(TrophyScreen->FemaleTrophy != nullptr);
  TrophyScreen->Kill();
  save.Male = 1;
  Open(TrophyScreen);
  EXPECT_TRUE(TrophyScreen->FemaleTrophy == nullptr);
}

TEST_F(RoomScreensTest, APlaqueBringsItsTipAfterTheDelayWithOneSoundAndEscapeLeaves) {
  Open(TrophyScreen);
  MoveTo(TTrophyScreen::PlaqueX[3], TTrophyScreen::PlaqueY[3]);
  EXPECT_EQ(TrophyScreen->LastToolTip, 3);
  Steps(19);
  EXPECT_EQ(TrophyScreen->ToolTip->Visible, 0);
  Steps(3);
  EXPECT_EQ(TrophyScreen->ToolTip->Visible, 1);
  Steps(20);
  EXPECT_EQ(Starts("trophy_tooltip.ogg"), 1);
  EXPECT_EQ(TrophyScreen->ToolTip->Text, GameText->FindString("Trophy 3 Tool Tip"));
  // Once that tip has fully faded in, straight onto the next plaque: the last plaque's text is never
  // shown over it, and after the delay the next plaque's own tip shows.
  for (int i = 0; i < 100 && TrophyScreen->ToolTip->FadeLevel < 1.0f; ++i) Step();
  ASSERT_EQ(TrophyScreen->ToolTip->FadeLevel, 1.0f);
  const std::string next = GameText->FindString("Trophy 4 Tool Tip");
  ASSERT_NE(next, TrophyScreen->ToolTip->Text);
  MoveTo(TTrophyScreen::PlaqueX[4], TTrophyScreen::PlaqueY[4]);
  for (int i = 0; i < 25; ++i) {
    if (TrophyScreen->ToolTip->Visible) {
      EXPECT_EQ(TrophyScreen->ToolTip->Text, next) << "step " << i;
    }
    Step();
  }
  EXPECT_EQ(TrophyScreen->ToolTip->Visible, 1);
  EXPECT_EQ(TrophyScreen->ToolTip->Text, next);
  MoveTo(20, 20);
  EXPECT_EQ(TrophyScreen->LastToolTip, -1);
  Key(27);
  EXPECT_EQ(Game->DestinationTScreen, std::static_pointer_cast<TScreen>(TitleScreen));
}

// ---- career statistics ----

TEST(CareerStatsRulesTest, TimePlayedIsWholeSecondsAndADamagedCountIsClamped) {
  EXPECT_EQ(TCareerStatsScreen::SecondsPlayed(200 * 59, 5), 59);
  EXPECT_EQ(TCareerStatsScreen::SecondsPlayed(199, 5), 0);
  EXPECT_EQ(TCareerStatsScreen::SecondsPlayed(-5000, 5), 0);
  EXPECT_EQ(TCareerStatsScreen::SecondsPlayed(std::nan(""), 5), 0);
  EXPECT_EQ(TCareerStatsScreen::SecondsPlayed(1e300, 5), std::numeric_limits<int>::max());
}

TEST_F(RoomScreensTest, AnEmptyProfileShowsZeroesAndCaptionsAloneWhereRecordsAreUnset) {
  profile_->TimeTaken = 200 * 29;  // 29 s: under a minute
  Open(CareerStatsScreen);
  auto& cs = *GameScreen->Player->SaveData->CareerStats;
  EXPECT_EQ(cs.CareerEarnings->FormatValue().substr(0, 1), "$");
  EXPECT_EQ(cs.CareerEarnings->FormatValue().substr(1), "0");
  EXPECT_EQ(cs.MiniGameLongestDrive->FormatValue(), "0.00yds");
  EXPECT_EQ(cs.TotalTimePlayed->Value, 29);
  EXPECT_EQ(cs.TotalTimePlayed->PlayerName, "Tess");
  EXPECT_EQ(cs.TotalTimePlayed->FormatValue(), "00:00");
  EXPECT_EQ(cs.Lowest9HoleScore->Label, GameText->FindString("Stat - Lowest 9 Hole Score"));
  EXPECT_EQ(cs.Lowest9HoleScore->ShowEmpty, 0);
  EXPECT_EQ(cs.HighestHoleCash->ShowHoleNumber, 1);
  // Rows at the groups' places: the row y advances by 15, and 10 more between groups.
  quill_test::OpenScreen();
  Game->ScreenDraw();
  EXPECT_FLOAT_EQ(cs.Y, 524 + 15);
  auto ok = CareerStatsScreen->Menu->FindButton("OK");
  EXPECT_EQ(ok->y, 556);
  Key(13);
  EXPECT_EQ(Game->DestinationTScreen, std::static_pointer_cast<TScreen>(TitleScreen));
}

}  // namespace
