// The wild shot dialog over the real staged data, headless: a manual clock, Delta 1, the recording
// audio layer and fixed seeds. The game is loaded once per process; each test lays a small hole.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "content/globals.h"
#include "content/loading.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/picture_count.h"
#include "platform/random.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "progress/stat.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/score_card_screen.h"
#include "tests/content/real_game.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/input.h"
#include "util/maths.h"
#include "util/strings.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

// Hands the waiting events to the pointer and the key state, as the game's loop does once a tick.
void PumpEvents() {
  Game->Mouse->ClearMouseHit();
  Game->Mouse->Manage();
  platform::Event e;
  while (platform::PollEvent(&e)) {
    if (e.kind == platform::EVENT_MOUSE_DOWN)
      Game->Mouse->MouseDownEvent(e.data);
    else if (e.kind == platform::EVENT_MOUSE_UP)
      Game->Mouse->MouseUpEvent(e.data);
    else if (e.kind == platform::EVENT_MOUSE_MOVE)
      Game->Mouse->MoveEvent(e.x, e.y);
    else
      ccProcessEvent(e);
  }
}

std::string& LoadFailure() {
  static std::string failure;
  return failure;
}

bool LoadOnce() {
  static std::weak_ptr<TGame> loaded;
  if (StillTheLiveGame(loaded)) return true;
  if (!LoadFailure().empty()) return false;
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) {
    LoadFailure() = "skip";
    return false;
  }
  try {
    StartGameForLoading(prefix);
    LoadData2();
  } catch (const std::exception& e) {
    LoadFailure() = e.what();
    return false;
  }
  loaded = Game;
  return true;
}

class DialogTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!LoadOnce()) {
      if (LoadFailure() == "skip") GTEST_SKIP() << "no staged data folder";
      FAIL() << LoadFailure();
    }
    Delta = 1.0f;
    Game->Particles = 100;
    HUD = std::make_shared<THUD>();
    GameGrid = TGameGrid::Create();
    GameGrid->Rng.Seed(4242);
    CardList = std::make_shared<TCardList>();
    GameScreen->Player = std::make_shared<TPlayer>();
    GameScreen->LastWildshotCard = -1;
    WildShotScreen->PixieDust = std::make_shared<TPixieDust>();
    WildShotScreen->ForcedStory = 0;
    for (int i = 0; i < 3; ++i) AddStock(5);
    wild_ = AddStock(1);
    wild_->CardType = CARDTYPE_WILDSHOT;
    GameGrid->StockCard = wild_;
    // The silent audio never ends a sound by itself: a fresh pool for every test.
    Game->ChannelsKill();
    Game->ChannelsCreate(16);
    platform::ClearAudioLog();
    ccFlushAll();
  }

  void TearDown() override {
    if (WildShotScreen) WildShotScreen->Kill();
    if (GameGrid) GameGrid->Kill();
    GameGrid.reset();
    CardList.reset();
  }

  TCardRef AddStock(int value) {
    auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, CARDTYPE_NORMAL, 0, value, 0);
    c->ID = TCardList::HighID++;
    c->Playfield = 0;
    c->Stock = 1;
    return c;
  }

  TWildshotScreen& W() { return *WildShotScreen; }

  void Open() {
    W().LoadSpecial();
    W().Show(1);
  }
  // Opens the dialog, spins the wheel and stops it on the forced story.
  void SpinToTheStory() {
    Open();
    Settle();
    Press("play_wild");
    Tick();
    for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) Tick();
    Press("stop_wild");
    Tick();
  }

  // One logic tick of the dialog as the play screen runs it; returns what Logic returned.
  int Tick() {
    PumpEvents();
    return W().Logic();
  }
  int Ticks(int n) {
    int ones = 0;
    for (int i = 0; i < n; ++i) ones += Tick();
    return ones;
  }

  void Press(const std::string& name) {
    auto b = W().Menu->FindButton(name);
    ASSERT_TRUE(b) << name;
    ASSERT_EQ(b->Active, 1) << name;
    const int lift = name == "stop_wild" ? 91 : 0;
    const int x = static_cast<int>(b->x + b->w / 2), y = static_cast<int>(b->y - lift + b->h / 2);
    platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
    platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, x, y});
    platform::PushEvent({platform::EVENT_MOUSE_UP, 1, x, y});
  }

  // Ticks until the dialog rests and takes clicks.
  void Settle() {
    for (int i = 0; i < 400 && (W().Bounces > 0 || W().Unroll->Active); ++i) Tick();
    ASSERT_EQ(W().Bounces, 0);
  }

  // Runs the dialog until Logic returns 1; returns the ticks it took.
  int RunToClose(int limit = 3000) {
    for (int i = 0; i < limit; ++i)
      if (Tick() == 1) return i + 1;
    return -1;
  }

  // The volume each start of `sound` was given, in order.
  std::vector<float> Volumes(const std::string& sound) {
    std::vector<float> v;
    const auto& log = platform::AudioLog();
    for (std::size_t i = 0; i < log.size(); ++i) {
      if (log[i].what != "cue" || log[i].sound != sound) continue;
      for (std::size_t j = i + 1; j < log.size(); ++j)
        if (log[j].what == "volume" && log[j].sound == sound) {
          v.push_back(log[j].value);
          break;
        }
    }
    return v;
  }

  TCardRef wild_;
};

TEST_F(DialogTest, TheBoardDropsInWithThreeLandingsAndRestsAtTheTop) {
  Open();
  EXPECT_EQ(W().Active, 1);
  EXPECT_EQ(W().Result, -1);
  EXPECT_EQ(W().Y, -512.0f);
  EXPECT_EQ(W().PenaltyType, 1);
  std::vector<int> landing_ticks;
  int bounces = 3;
  for (int t = 0; t < 400 && W().Bounces > 0; ++t) {
    Tick();
    if (W().Bounces != bounces) {
      landing_ticks.push_back(t);
      bounces = W().Bounces;
    }
  }
  EXPECT_EQ(landing_ticks.size(), 3u);
  EXPECT_EQ(W().Y, 0.0f);
  EXPECT_EQ(W().TopY, 0.0f);
  EXPECT_EQ(W().Menu->AcceptInput, 1);
  EXPECT_EQ(Volumes("landing.ogg"), (std::vector<float>{1.0f, 0.5f, 0.25f}));
}

TEST_F(DialogTest, ClicksCountOnlyAfterTheLastLandingAndTheUnroll) {
  Open();
  // A click on Play at every tick of the drop-in is ignored.
  for (int t = 0; t < 200 && (W().Bounces > 0 || W().Unroll->Active); ++t) {
    Press("play_wild");
    Tick();
    ASSERT_EQ(W().CardSlide->Active, 0) << "tick " << t;
  }
  Tick();
  Press("play_wild");
  Tick();
  EXPECT_EQ(W().CardSlide->Active, 1);
}

TEST_F(DialogTest, EscapeDropsTheWildShotAndEnterNever) {
  Open();
  Settle();
  quill_test::PushKey(platform::KEY_ENTER);
  Tick();  // Enter presses Play, never Drop
  EXPECT_EQ(W().CardSlide->Active, 1);
  W().Kill();

  platform::ClearAudioLog();
  Open();
  Settle();
  quill_test::PushKey(27);
  Tick();
  EXPECT_EQ(W().Result, WILDSHOT_RESULT_DROPPED);
  EXPECT_EQ(W().ChosenStory, -1);
  const int ticks = RunToClose();
  EXPECT_GT(ticks, 70);
  EXPECT_EQ(W().Active, 0);
  EXPECT_EQ(W().PenaltyType, 1);
  EXPECT_FALSE(CardList->Contains(wild_.get()));  // the wild shot card spun away
  EXPECT_EQ(Ticks(50), 0);                         // 1 once per event
}

// Once Play is pressed the wild shot is taken: Escape while the card slides, while the pictures
// shuffle, while the story plays and while its result shows drops nothing, and OK then carries
// the story out.
TEST_F(DialogTest, EscapeAfterPlayNeverDropsTheWildShot) {
  W().ForcedStory = 6;
  Open();
  Settle();
  Press("play_wild");
  Tick();
  auto escape = [this](const char* stage) {
    quill_test::PushKey(27);
    Tick();
    EXPECT_NE(W().Result, WILDSHOT_RESULT_DROPPED) << stage;
    EXPECT_EQ(W().Unroll->Reverse, 0) << stage;  // the board does not roll up
    EXPECT_EQ(W().Active, 1) << stage;
  };
  ASSERT_EQ(W().CardSlide->Active, 1);
  escape("card sliding");
  for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) Tick();
  ASSERT_EQ(W().ShufflingAnim->Active, 1);
  escape("shuffling");
  Press("stop_wild");
  Tick();
  ASSERT_GT(W().WildshotAnimCounter, 0);
  escape("story playing");
  for (int i = 0; i < 400 && !W().Menu->FindButton("ok")->Active; ++i) Tick();
  ASSERT_TRUE(W().Menu->FindButton("ok")->Active);
  escape("result shown");
  EXPECT_EQ(W().ChosenStory, 5);
  Press("ok");
  EXPECT_GT(RunToClose(), 0);
  EXPECT_EQ(W().Result, WILDSHOT_RESULT_OK);
  EXPECT_EQ(W().ChosenStory, 5);
}

TEST_F(DialogTest, PlayShuffleStopAndOkCarryAStoryThroughWithItsValue) {
  W().ForcedStory = 6;
  Open();
  Settle();
  Press("play_wild");
  Tick();
  for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) Tick();
  ASSERT_EQ(W().ShufflingAnim->Active, 1);
  ASSERT_EQ(W().Text.size(), 1u);
  EXPECT_EQ(W().Text[0], W().ShufflingText);
  // A new picture every 16 ticks, never the same one twice running.
  int changes = 0, last = W().IconFrame;
  for (int i = 0; i < 160; ++i) {
    Tick();
    if (W().IconFrame != last) {
      ++changes;
      last = W().IconFrame;
    }
  }
  EXPECT_EQ(changes, 10);
  Press("stop_wild");
  Tick();
  EXPECT_EQ(W().ChosenStory, 5);
  EXPECT_EQ(W().ShufflingAnim->Active, 0);
  EXPECT_EQ(W().WildshotAnimLength, 240);  // 24 frames at 50 ms
  EXPECT_GE(W().SpecialValue, 50);
  EXPECT_EQ(GameScreen->LastWildshotCard, 6);
  EXPECT_FALSE(W().Menu->FindButton("stop_wild")->Active);
  for (int i = 0; i < 400 && !W().Menu->FindButton("ok")->Active; ++i) Tick();
  ASSERT_TRUE(W().Menu->FindButton("ok")->Active);
  ASSERT_FALSE(W().Text2.empty());
  std::string result;
  for (const auto& line : W().Text2) result += line + " ";
  EXPECT_NE(result.find(std::to_string(W().SpecialValue)), std::string::npos) << result;
  Tick();
  Press("ok");
  const int value = W().SpecialValue;
  EXPECT_GT(RunToClose(), 0);
  EXPECT_EQ(W().Result, WILDSHOT_RESULT_OK);
  EXPECT_EQ(W().ChosenStory, 5);
  EXPECT_EQ(W().SpecialValue, value);  // outcome survives Kill
  EXPECT_TRUE(W().Text.empty());
}

TEST_F(DialogTest, TheStoryAnimationRunsItsFramesAtItsPace) {
  const struct {
    int story, ticks;
  } cases[] = {{1, 80}, {5, 107}, {6, 240}};
  for (const auto& c : cases) {
    GameScreen->LastWildshotCard = -1;
    HUD->FiveXReached = 0;
    W().ForcedStory = c.story;
    SpinToTheStory();
    EXPECT_EQ(W().ChosenStory + 1, c.story);
    EXPECT_EQ(W().WildshotAnimLength, c.ticks) << c.story;
    int handovers = 0;
    for (int i = 0; i < c.ticks + 5; ++i) {
      const bool sliding = W().CardSlide->Active;
      Tick();
      handovers += !sliding && W().CardSlide->Active;
    }
    EXPECT_EQ(handovers, 1) << c.story;
    EXPECT_EQ(W().LastFrame, 1);
    W().Kill();
  }
}

TEST_F(DialogTest, AMissingMarkerStopsWithTheStoryNumber) {
  W().ForcedStory = 6;
  auto saved = W().Stories[5].Result;
  W().Stories[5].Result = {"No marker"};
  SpinToTheStory();
  try {
    for (int i = 0; i < 400; ++i) Tick();
    ADD_FAILURE() << "no fatal error";
  } catch (const ccFatalError& e) {
    EXPECT_STREQ(e.what(), "Special Text marker 'XX' not found in Result for Wildshot No. 6");
  }
  W().Stories[5].Result = saved;
  EXPECT_EQ(W().Stories[5].Result, saved);
}

TEST_F(DialogTest, ThePenaltyFollowsTheStockAndTheNoteIsAddedOnce) {
  const struct {
    int stock, type;
  } cases[] = {{4, 1}, {2, 1}, {1, 2}, {0, 2}};
  for (const auto& c : cases) {
    CardList = std::make_shared<TCardList>();
    for (int i = 0; i < c.stock; ++i) AddStock(3);
    Open();
    Open();  // a second opening must not add a second note
    EXPECT_EQ(W().PenaltyType, c.type) << c.stock;
    // The wrapped text read as one line: the story's opening, then the note of this penalty, once,
    // and never the other one.
    std::string all;
    for (const auto& l : W().Text) all += (all.empty() ? "" : " ") + l;
    const std::string& note = c.type == 1 ? W().Penalty1 : W().Penalty2;
    const std::string& other = c.type == 1 ? W().Penalty2 : W().Penalty1;
    ASSERT_FALSE(note.empty());
    std::string opening;
    for (const auto& l : W().InitialText) opening += (opening.empty() ? "" : " ") + l;
    EXPECT_EQ(all, opening + " " + note);
    EXPECT_EQ(all.find(other), std::string::npos) << all;
    W().Kill();
  }
}

TEST_F(DialogTest, SparklesAndLeavesFollowTheParticleSetting) {
  const struct {
    int particles, leaves;
    float interval;
  } cases[] = {{100, 20, 4.0f}, {4, 0, 100.0f}, {0, 0, 0.0f}};
  for (const auto& c : cases) {
    Game->Particles = c.particles;
    WildShotScreen->PixieDust = std::make_shared<TPixieDust>();
    const int before = DialogParticles->Count();
    Open();
    EXPECT_EQ(DialogParticles->Count() - before, c.leaves) << c.particles;
    EXPECT_FLOAT_EQ(W().PixieDust->Length, c.interval) << c.particles;
    W().Kill();
  }
}

TEST_F(DialogTest, KillStopsAStillPlayingShuffle) {
  Open();
  Settle();
  Press("play_wild");
  Tick();
  for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) Tick();
  ASSERT_TRUE(W().ShuffleChannel);
  ASSERT_TRUE(Game->SpecialChannel);
  W().Kill();
  EXPECT_FALSE(Game->SpecialChannel);
  EXPECT_EQ(W().Active, 0);
  W().Kill();  // twice is safe
}

TEST_F(DialogTest, NothingIsDrawnWhileClosedAndTheResultShowsInItsColour) {
  quill_test::OpenScreen();
  platform::SetColor(0, 0, 0);
  platform::Cls();
  EXPECT_EQ(W().Draw(), 0);
  EXPECT_EQ(quill_test::ScreenPixel(400, 300) & 0xFFFFFF, 0u);

  Open();
  Settle();
  W().Draw();
  // ok hidden, stop hidden, play and drop on the row at y 433
  auto play = W().Menu->FindButton("play_wild");
  auto drop = W().Menu->FindButton("drop_wild");
  auto ok = W().Menu->FindButton("ok");
  auto stop = W().Menu->FindButton("stop_wild");
  EXPECT_EQ(play->y, 433.0f);
  EXPECT_EQ(drop->x, play->x + play->w + 22);
  EXPECT_EQ(ok->x, static_cast<float>((800 - ok->w) / 2));
  EXPECT_EQ(stop->x, static_cast<float>((800 - stop->w) / 2 + 1));
  EXPECT_EQ(drop->OKButton, 0);
  EXPECT_EQ(play->OKButton, 1);
}

}  // namespace

namespace {

class MiniGameTest : public DialogTest {
 protected:
  // Opens the dialog, plays the wild shot and stops on `story`, then runs until its panel is up.
  void OpenMiniGame(int story) {
    W().ForcedStory = story;
    SpinToTheStory();
    ASSERT_EQ(W().ChosenStory + 1, story);
    for (int i = 0; i < 400 && !W().MinigameActive; ++i) Tick();
    ASSERT_EQ(W().MinigameActive, 1);
  }

  // Ticks until the result phase; returns the ticks taken.
  int RunToResult(int limit = 30000) {
    for (int i = 0; i < limit; ++i) {
      if (W().MinigamePhase == 2) return i;
      Tick();
    }
    return -1;
  }

  // Ticks until "OK" is live, then presses it and rolls the dialog up.
  void TakeResult() {
    auto ok = W().MinigameMenu->FindButton("OK");
    for (int i = 0; i < 200 && !ok->Active; ++i) Tick();
    ASSERT_EQ(ok->Active, 1);
    quill_test::PushKey(platform::KEY_SPACE);
    EXPECT_GT(RunToClose(), 0);
    EXPECT_EQ(W().Result, WILDSHOT_RESULT_OK);
  }
};

TEST_F(MiniGameTest, ALongDriveAtFortyFourDegreesWinsItsLength) {
  GameScreen->Player->SaveData->CareerStats->MiniGameLongestDrive->FloatValue = 0;
  OpenMiniGame(25);
  EXPECT_EQ(W().Minigame, 1);
  EXPECT_EQ(W().MinigamePhase, 0);
  EXPECT_EQ(W().Target, 250);  // the course ratio of a course not in the list is 0
  EXPECT_GE(W().Instructions.size(), 1u);
  EXPECT_LE(W().Instructions.size(), 4u);
  for (int i = 0; i < 200 && W().ArrowAngle != 42.0; ++i) Tick();
  ASSERT_EQ(W().ArrowAngle, 42.0);
  platform::ClearAudioLog();
  quill_test::PushKey(platform::KEY_SPACE);
  Tick();
  EXPECT_EQ(W().MinigamePhase, 1);
  EXPECT_EQ(W().ArrowAngle, 44.0);
  EXPECT_EQ(Volumes("mini_perfectdrive.ogg").size(), 1u);
  ASSERT_GT(RunToResult(), 0);
  EXPECT_EQ(ccRoundFloatToString(W().Distance, 2), "353.28");
  EXPECT_EQ(W().Prize, 353);
  EXPECT_EQ(W().SpecialValue, 353);
  EXPECT_EQ(W().MinigameGood, 1);
  EXPECT_NEAR(GameScreen->Player->SaveData->CareerStats->MiniGameLongestDrive->FloatValue, 353.28, 0.01);
  platform::ClearAudioLog();
  TakeResult();
  bool cheered = false;
  for (const auto& r : platform::AudioLog()) cheered = cheered || r.sound.find("Cheer") != std::string::npos ||
                                                      r.sound.find("cheer") != std::string::npos;
  EXPECT_TRUE(cheered);
  EXPECT_EQ(W().SpecialValue, 353);
}

TEST_F(MiniGameTest, OkTakesInputOnlyAfterTheResultHasFadedIn) {
  OpenMiniGame(26);
  EXPECT_EQ(W().Minigame, 2);
  EXPECT_DOUBLE_EQ(W().HoleX, 208);
  EXPECT_DOUBLE_EQ(W().HoleY, 132);
  EXPECT_EQ(W().ArrowAngle, 15.0);
  EXPECT_GE(W().Instructions.size(), 1u);
  EXPECT_LE(W().Instructions.size(), 4u);
  // Aim straight at the hole: the arrow sweeps 1 degree a tick from 15.
  for (int i = 0; i < 200 && W().ArrowAngle != 89.0; ++i) Tick();
  quill_test::PushKey(platform::KEY_ENTER);
  Tick();
  EXPECT_EQ(W().MinigamePhase, 1);
  // Keys pressed during the roll and the fades are dropped.
  int pressed = 0;
  while (W().MinigamePhase < 2 && pressed < 30000) {
    quill_test::PushKey(platform::KEY_SPACE);
    Tick();
    ++pressed;
  }
  EXPECT_EQ(W().InHole, 1);
  EXPECT_EQ(W().Prize, 250);
  auto ok = W().MinigameMenu->FindButton("OK");
  for (int i = 0; i < 49; ++i) {
    quill_test::PushKey(platform::KEY_SPACE);
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(W().Result, -1);
  }
  for (int i = 0; i < 5 && !ok->Active; ++i) Tick();
  ASSERT_EQ(ok->Active, 1);
  TakeResult();
  EXPECT_EQ(W().SpecialValue, 250);
}

TEST_F(MiniGameTest, LostBallCardsTurnOnceAndTheFadeWaitsForThem) {
  OpenMiniGame(12);
  EXPECT_EQ(W().Minigame, 3);
  EXPECT_EQ(W().MinigamePhase, 1);
  EXPECT_EQ(W().Tries, 5);
  ASSERT_TRUE(W().Cards);
  int balls = 0, cash = 0;
  for (const auto& c : W().Cards->Cards) {
    balls += c->CardType == CARDTYPE_BALL;
    cash += c->CardType == CARDTYPE_CASH;
  }
  EXPECT_EQ(balls, 1);
  EXPECT_EQ(cash, 1);
  // Click the first card: one try; clicking it again while it turns or face up costs nothing.
  auto first = W().Cards->Cards[0];
  const int cx = static_cast<int>(first->x + 10), cy = static_cast<int>(first->y + 10);
  const auto click = [&](int x, int y) {
    platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
    platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, x, y});
    Tick();
    platform::PushEvent({platform::EVENT_MOUSE_UP, 1, x, y});
    Tick();
  };
  // A press held from the start counts only after its release.
  platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, cx, cy});
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, cx, cy});
  Tick();
  Tick();
  EXPECT_EQ(W().Tries, 5);
  platform::PushEvent({platform::EVENT_MOUSE_UP, 1, cx, cy});
  Tick();
  click(cx, cy);
  EXPECT_EQ(W().Tries, 4);
  click(cx, cy);
  EXPECT_EQ(W().Tries, 4);
  // A gap between two cards answers nothing.
  click(static_cast<int>(first->x + 68 + 4), cy);
  EXPECT_EQ(W().Tries, 4);
  // Turn every card in order until the tries are gone.
  for (std::size_t k = 1; k < W().Cards->Cards.size() && W().Tries > 0 && !W().BallFound; ++k) {
    auto c = W().Cards->Cards[k];
    click(static_cast<int>(c->x + 10), static_cast<int>(c->y + 10));
  }
  ASSERT_GT(RunToResult(), -1);
  const bool found = W().BallFound == 1;
  EXPECT_EQ(W().MinigameGood, found ? 1 : 0);
  EXPECT_EQ(W().SpecialValue, W().Prize);
  TakeResult();
  // Leaving play afterwards kills the screen again: never a crash.
  W().Kill();
  W().Kill();
}

// Lost Ball played to its result by plans of which cards to turn: the result waits for a card still
// turning, so the ball turned with the last try counts as found; a won game brings the crowd's
// cheer, a lost one its groan, and cash turned up is the prize either way.
TEST_F(MiniGameTest, LostBallTheLastTryCountsAndTheCrowdCheersOrGroans) {
  struct Row {
    const char* plan;
    std::vector<int> turns;  // CARDTYPE_BLANK, _CASH or _BALL: the next such card face down
    int found, prize;
  };
  const std::vector<Row> rows = {
      {"ball on the last try", {CARDTYPE_BLANK, CARDTYPE_BLANK, CARDTYPE_BLANK, CARDTYPE_BLANK, CARDTYPE_BALL}, 1, 0},
      {"cash then the ball", {CARDTYPE_CASH, CARDTYPE_BALL}, 1, 100},
      {"five blanks", {CARDTYPE_BLANK, CARDTYPE_BLANK, CARDTYPE_BLANK, CARDTYPE_BLANK, CARDTYPE_BLANK}, 0, 0},
      {"cash but no ball", {CARDTYPE_BLANK, CARDTYPE_CASH, CARDTYPE_BLANK, CARDTYPE_BLANK, CARDTYPE_BLANK}, 0, 100},
  };
  const auto crowd = [](const std::string& kind) {
    int n = 0;
    for (const auto& r : platform::AudioLog())
      if ((r.what == "cue" || r.what == "play") && r.sound.rfind("crowd_" + kind, 0) == 0) ++n;
    return n;
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.plan);
    Game->ChannelsKill();  // the silent audio never ends a sound: a fresh pool for every game
    Game->ChannelsCreate(16);
    GameScreen->LastWildshotCard = -1;
    OpenMiniGame(12);
    Tick();
    std::vector<bool> used(W().Cards->Cards.size(), false);
    for (std::size_t t = 0; t < row.turns.size(); ++t) {
      std::size_t k = 0;
      while (k < used.size() && (used[k] || W().Cards->Cards[k]->CardType != row.turns[t])) ++k;
      ASSERT_LT(k, used.size());
      used[k] = true;
      const auto& c = W().Cards->Cards[k];
      const int x = static_cast<int>(c->x + 10), y = static_cast<int>(c->y + 10);
      platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
      platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, x, y});
      Tick();
      platform::PushEvent({platform::EVENT_MOUSE_UP, 1, x, y});
      Tick();
      if (t + 1 < row.turns.size()) Ticks(60);  // the last card is still turning when play goes on
    }
    ASSERT_GT(RunToResult(), 0);
    EXPECT_EQ(W().BallFound, row.found);
    EXPECT_EQ(W().MinigameGood, row.found);
    EXPECT_EQ(W().ResultText, GameText->FindString(row.found ? "Ball Found" : "Ball Lost"));
    EXPECT_EQ(W().SpecialValue, row.prize);
    platform::ClearAudioLog();
    TakeResult();
    EXPECT_EQ(crowd("cheer"), row.found);
    EXPECT_EQ(crowd("groan"), 1 - row.found);
    W().Kill();
  }
}

TEST_F(MiniGameTest, KillingPlayMidGamePaysNothingAndIsSafeTwice) {
  OpenMiniGame(12);
  W().Kill();
  EXPECT_EQ(W().Active, 0);
  EXPECT_EQ(W().Result, -1);
  EXPECT_EQ(W().SpecialValue, 0);
  EXPECT_EQ(W().Logic(), 0);
  W().Kill();
  // Before a panel was ever built, with the lost ball chosen.
  W().ForcedStory = 12;
  Open();
  W().Minigame = 3;
  W().Kill();
  W().Kill();
}

}  // namespace

namespace {

TEST_F(MiniGameTest, LostBallHidesOneBallAndOneCashApartOverManySeeds) {
  for (int item6 : {0, 1}) {
    GameScreen->Player->SaveData->AvatarItems[6] = item6;
    for (int seed = 0; seed < (item6 ? 50 : 1000); ++seed) {
      GameGrid->Rng.Seed(static_cast<std::uint64_t>(seed));
      W().Minigame = 3;
      W().MinigameMenu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
      W().MinigameFadeOut = TAnimation::Create(250, 0, 0, 0);
      W().ResultFadeIn = TAnimation::Create(250, 0, 0, 0);
      W().InstructionsFont = HintFont;
      W().LoadLostBall();
      int ball = -1, cash = -1, blank = 0;
      for (int k = 0; k < 10; ++k) {
        const int type = W().Cards->Cards[static_cast<std::size_t>(k)]->CardType;
        if (type == CARDTYPE_BALL) ball = k;
        if (type == CARDTYPE_CASH) cash = k;
        blank += type == CARDTYPE_BLANK;
      }
      ASSERT_TRUE(ball >= 0 && cash >= 0 && ball != cash && blank == 8) << seed;
      EXPECT_EQ(W().Tries, item6 ? 7 : 5);
      std::string all;
      for (const auto& line : W().Instructions) all += line + " ";
      EXPECT_NE(all.find(std::to_string(W().Tries) + " tries"), std::string::npos) << all;
      EXPECT_LE(W().Instructions.size(), 4u);
      W().KillMinigame();
    }
  }
  GameScreen->Player->SaveData->AvatarItems[6] = 0;
}

TEST_F(MiniGameTest, ThePuttIdleRemarkWaitsThreeSecondsAndComesOnce) {
  OpenMiniGame(26);
  for (int i = 0; i < 599; ++i) Tick();
  EXPECT_EQ(W().IdleIterations, 2);
  EXPECT_EQ(W().IdlePlayed, 0);
  for (int i = 0; i < 2000 && !W().IdlePlayed; ++i) Tick();
  EXPECT_EQ(W().IdlePlayed, 1);
  const int iterations = W().IdleIterations;
  for (int i = 0; i < 1000; ++i) Tick();
  EXPECT_EQ(W().IdleIterations, iterations);  // one remark at most
  quill_test::PushKey(platform::KEY_SPACE);
  Tick();
  EXPECT_EQ(W().MinigamePhase, 1);
}

}  // namespace

namespace {

// The dialog inside real play: a hole of the first course started on the play screen, a wild
// shot on top of the stock turned by a click, and the play screen carrying the outcome out.
class PlayWildShotTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(CourseList && !CourseList->empty());
    GameScreen->Player = std::make_shared<TPlayer>();
    GameScreen->Player->SaveData->CourseName = (*CourseList)[0]->Name;
    GameScreen->Player->Level = 2;
    GameScreen->IntroAnim = TAnimation::Create(1000, 0, 0, 0);
    GameScreen->OutroAnim = TAnimation::Create(2000, 1, 0, 0);
    GameScreen->LevelStart();
    ASSERT_TRUE(GameGrid);
    WildShotScreen->PixieDust = std::make_shared<TPixieDust>();
    PlayTicks(20);
    if (HintScroll && HintScroll->Active) HintScroll->Hide();  // the hole's opening hint
    for (int i = 0; i < 1000 && GameScreen->IntroAnim->Active; ++i) PlayTick();
    ASSERT_EQ(GameScreen->IntroAnim->Active, 0);
  }

  int PlayTick() {
    PumpEvents();
    return GameScreen->Logic();
  }
  void PlayTicks(int n) {
    for (int i = 0; i < n; ++i) PlayTick();
  }
  void ClickAt(int x, int y) {
    platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
    platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, x, y});
    PlayTick();
    platform::PushEvent({platform::EVENT_MOUSE_UP, 1, x, y});
    PlayTick();
  }
  // A stock of `cards` normal cards with a wild shot on top.
  void StockWithWildShot(int cards) {
    CardList->StockKill();
    for (int i = 0; i <= cards; ++i) {
      auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, i == cards ? CARDTYPE_WILDSHOT : CARDTYPE_NORMAL, 0,
                             3 + i % 9, 0);
      c->ID = TCardList::HighID++;
      c->Playfield = 0;
      c->Stock = 1;
      c->FromStock = 1;
    }
    CardList->StockZOrder();
    CardList->StockSpread();
    CardList->StockTopMark();
  }
  void TurnWildShot() {
    auto top = CardList->StockTopFind();
    ASSERT_TRUE(top);
    ASSERT_EQ(top->CardType, CARDTYPE_WILDSHOT);
    ClickAt(static_cast<int>(top->x) + 34, static_cast<int>(top->y) + 50);
    for (int i = 0; i < 200 && !W().Active; ++i) PlayTick();
    ASSERT_EQ(W().Active, 1);
    for (int i = 0; i < 400 && (W().Bounces > 0 || W().Unroll->Active); ++i) PlayTick();
  }
  void PressInPlay(const std::string& name) {
    auto b = W().Menu->FindButton(name);
    ASSERT_TRUE(b && b->Active) << name;
    const int lift = name == "stop_wild" ? 91 : 0;
    ClickAt(static_cast<int>(b->x + b->w / 2), static_cast<int>(b->y - lift + b->h / 2));
  }
};

TEST_F(PlayWildShotTest, AStoryIsCarriedOutAndALaterDropCostsTwoStockCards) {
  StockWithWildShot(5);
  W().ForcedStory = 1;
  const int cash_before = GameScreen->Player->LevelScore;
  TurnWildShot();
  PressInPlay("play_wild");
  for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) PlayTick();
  PressInPlay("stop_wild");
  EXPECT_EQ(W().ChosenStory, 0);
  for (int i = 0; i < 400 && !W().Menu->FindButton("ok")->Active; ++i) PlayTick();
  PlayTick();
  PressInPlay("ok");
  for (int i = 0; i < 200 && W().Active; ++i) PlayTick();
  EXPECT_EQ(W().Active, 0);
  EXPECT_EQ(W().Result, WILDSHOT_RESULT_OK);
  PlayTicks(600);  // the cash tokens fly home
  EXPECT_GT(GameScreen->Player->LevelScore + GameScreen->Player->Score, cash_before);

  // A second wild shot, dropped with Escape while the stock holds at least two cards.
  StockWithWildShot(4);
  W().ForcedStory = 0;
  TurnWildShot();
  const int stock = CardList->StockCount();
  EXPECT_EQ(W().PenaltyType, 1);
  quill_test::PushKey(27);
  PlayTick();
  EXPECT_EQ(W().Result, WILDSHOT_RESULT_DROPPED);
  for (int i = 0; i < 200 && W().Active; ++i) PlayTick();
  EXPECT_EQ(W().Active, 0);
  PlayTicks(300);
  EXPECT_EQ(CardList->StockCount(), stock - 2);
}

}  // namespace

namespace {

TEST_F(PlayWildShotTest, ALostBallToItsEndThenLeavingPlayNeverCrashes) {
  StockWithWildShot(5);
  W().ForcedStory = 12;
  TurnWildShot();
  PressInPlay("play_wild");
  for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) PlayTick();
  PressInPlay("stop_wild");
  for (int i = 0; i < 400 && !W().MinigameActive; ++i) PlayTick();
  ASSERT_EQ(W().MinigameActive, 1);
  PlayTick();
  for (std::size_t k = 0; k < 10 && W().Tries > 0 && !W().BallFound; ++k) {
    auto c = W().Cards->Cards[k];
    ClickAt(static_cast<int>(c->x + 10), static_cast<int>(c->y + 10));
    PlayTicks(60);
  }
  for (int i = 0; i < 400 && W().MinigamePhase != 2; ++i) PlayTick();
  auto ok = W().MinigameMenu->FindButton("OK");
  for (int i = 0; i < 200 && !ok->Active; ++i) PlayTick();
  quill_test::PushKey(platform::KEY_ENTER);
  for (int i = 0; i < 200 && W().Active; ++i) PlayTick();
  ASSERT_EQ(W().Active, 0);
  EXPECT_EQ(W().Minigame, 3);
  PlayTicks(300);
  GameScreen->Kill();  // leaving play for the title kills the wild shot screen again
  W().Kill();
}

}  // namespace

namespace {

TEST_F(DialogTest, ResultLinesFollowTheRegion) {
  W().WinningsText = "Winnings";
  W().DistanceText = "Distance";
  W().Prize = 250;
  W().Distance = 287.43f;
  const struct {
    int region;
    const char* winnings;
    const char* distance;
  } rows[] = {{0, "Winnings: $250", "Distance: 287.43yds"},
              {1, "Winnings: \xE2\x82\xAC" "250", "Distance: 287.43m"},
              {2, "Winnings: \xC2\xA5" "250", "Distance: 287.43m"},
              {3, "Winnings: 250", "Distance: 287.43m"}};
  const int saved = Game->Region;
  for (const auto& row : rows) {
    Game->Region = row.region;
    EXPECT_EQ(W().WinningsLine(), row.winnings);
    EXPECT_EQ(W().DistanceLine(), row.distance);
  }
  Game->Region = saved;
}

TEST_F(DialogTest, TheResultShowsInGreenOrRedAndStopIsDrawnAboveTheRow) {
  quill_test::OpenScreen();
  const auto count_near = [](int r, int g, int b) {
    int n = 0;
    for (int y = 250; y < 420; y += 1)
      for (int x = 240; x < 600; x += 1) {
        const platform::Argb p = quill_test::ScreenPixel(x, y);
        const int pr = (p >> 16) & 255, pg = (p >> 8) & 255, pb = p & 255;
        n += std::abs(pr - r) < 12 && std::abs(pg - g) < 12 && std::abs(pb - b) < 12;
      }
    return n;
  };
  for (int story : {1, 11}) {
    GameScreen->LastWildshotCard = -1;
    W().ForcedStory = story;
    Open();
    Settle();
    Press("play_wild");
    Tick();
    for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) Tick();
    if (story == 1) {
      platform::Cls();
      W().Draw();
      auto stop = W().Menu->FindButton("stop_wild");
      // The stop button is drawn 91 px above its row: its wood shows there, not on the row.
      const platform::Argb above = quill_test::ScreenPixel(static_cast<int>(stop->x + stop->w / 2), 433 - 91 + 5);
      EXPECT_NE(above & 0xFFFFFF, 0u);
    }
    Press("stop_wild");
    Tick();
    for (int i = 0; i < 400 && !W().Menu->FindButton("ok")->Active; ++i) Tick();
    for (int i = 0; i < 60; ++i) Tick();  // the text fade
    platform::Cls();
    W().Draw();
    const int green = count_near(185, 232, 61), red = count_near(255, 75, 75);
    if (story == 1) {
      EXPECT_GT(green, 20);
      EXPECT_EQ(red, 0);
    } else {
      EXPECT_GT(red, 20);
      EXPECT_EQ(green, 0);
    }
    W().Kill();
  }
}

}  // namespace

namespace {

TEST_F(DialogTest, OnlyTheFirstMarkerTakesTheValue) {
  W().ForcedStory = 6;
  const auto saved = W().Stories[5].Result;
  W().Stories[5].Result = {"None here", "Got XX and XX", "XX again"};
  SpinToTheStory();
  for (int i = 0; i < 400 && !W().Menu->FindButton("ok")->Active; ++i) Tick();
  std::string all;
  for (const auto& line : W().Text2) all += line + " ";
  const std::string value = std::to_string(W().SpecialValue);
  EXPECT_NE(all.find("Got " + value + " and XX"), std::string::npos) << all;
  EXPECT_NE(all.find("XX again"), std::string::npos) << all;
  EXPECT_EQ(W().Stories[5].Result[1], "Got XX and XX");  // the story itself is untouched
  W().Stories[5].Result = saved;
}

TEST_F(MiniGameTest, WithNoTriesLeftClicksAreSilent) {
  OpenMiniGame(12);
  Tick();
  W().Tries = 0;
  platform::ClearAudioLog();
  auto card = W().Cards->Cards[3];
  const int x = static_cast<int>(card->x + 10), y = static_cast<int>(card->y + 10);
  platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, x, y});
  Tick();
  EXPECT_EQ(card->FlipCounter, 0.0f);
  EXPECT_EQ(card->FaceUp, 0);
  EXPECT_TRUE(Volumes("invalid.ogg").empty());
  EXPECT_TRUE(Volumes("card_being_played.ogg").empty());
}

}  // namespace

namespace {

// What the stop of the shuffle leaves: the story and its values, the pictures and sounds it took,
// what it started, the generators after it, and the dialog as drawn at once and a few ticks on.
struct TStopOutcome {
  int story = 0, value = 0, value2 = 0, minigame = 0, frames = 0, length = 0;
  std::string text, text2, header, strip, sound, speech;
  std::uint64_t next_play = 0, next_effects = 0;
  std::vector<std::string> started;
  std::vector<platform::Argb> at_stop, later;
  bool operator==(const TStopOutcome&) const = default;
};

std::vector<platform::Argb> DrawnDialog() {
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  WildShotScreen->Draw();
  const auto shot = platform::GrabPixmap(0, 0, 800, 600);
  return std::vector<platform::Argb>(shot->Pixels(), shot->Pixels() + 800 * 600);
}

struct TStopCase {
  int force;  // 0: the story is drawn as in play
  std::uint64_t seed;
};

void PrintTo(const TStopCase& c, std::ostream* os) {
  *os << "story " << c.force << ", seed " << c.seed;
}

class ShuffleStopTest : public DialogTest, public testing::WithParamInterface<TStopCase> {
 protected:
  // Plays a wild shot from fixed seeds and stops the shuffle. Without `readied` what Play readied
  // is dropped, so the stop draws and loads the story's pictures and sounds itself.
  TStopOutcome PlayAndStop(bool readied) {
    GameScreen->LastWildshotCard = -1;
    GameScreen->AnnouncerSound.reset();
    W().ForcedStory = GetParam().force;
    // The silent audio never ends a sound: the announcer is free again and the pool is fresh.
    if (Game->SpeechChannel) Game->SpeechChannel->Stop();
    Game->ChannelsKill();
    Game->ChannelsCreate(16);
    platform::ClearAudioLog();
    // The pointer's sparkles roll on the cosmetic generator too: the pointer in one place, its
    // sparkle due at once, and only then the generators seeded.
    platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, 0, 0});
    PumpEvents();
    Game->Mouse->SparkleCounter = 0;
    GameGrid->Rng.Seed(GetParam().seed);
    EffectsRandom.Seed(GetParam().seed + 1);
    ccFastRandSeed(static_cast<int>(GetParam().seed));
    Open();
    Settle();
    const platform::Random before_play = GameGrid->Rng;
    Press("play_wild");
    Tick();
    if (!readied) {
      // As when nothing was readied: the look-ahead's pieces dropped and any draw of it undone.
      W().Readied = {};
      GameGrid->Rng = before_play;
    }
    for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) Tick();
    Ticks(5);
    const std::size_t mark = platform::AudioLog().size();
    Press("stop_wild");
    Tick();
    TStopOutcome out;
    out.story = W().ChosenStory + 1;
    out.value = W().SpecialValue;
    out.value2 = W().SpecialValue2;
    out.text = W().SpecialText;
    out.text2 = W().SpecialText2;
    out.minigame = W().Minigame;
    out.frames = W().WildshotAnimFrames;
    out.length = W().WildshotAnimLength;
    out.header = W().Header && W().Header->image ? W().Header->image->name : "";
    out.strip = W().WildshotAnimStrip ? W().WildshotAnimStrip->name : "";
    out.sound = W().AnimSound ? W().AnimSound->name : "";
    out.speech = GameScreen->AnnouncerSound ? GameScreen->AnnouncerSound->name : "";
    const auto& log = platform::AudioLog();
    for (std::size_t i = mark; i < log.size(); ++i)
      if (log[i].what == "cue") out.started.push_back(log[i].sound);
    out.at_stop = DrawnDialog();
    Ticks(12);
    out.later = DrawnDialog();
    out.next_play = GameGrid->Rng.Next();
    out.next_effects = EffectsRandom.Next();
    W().Kill();
    return out;
  }
};

// The story readied while the card slides in is the one the stop draws, and the stop shows and
// plays exactly what it did when it loaded everything itself.
TEST_P(ShuffleStopTest, AReadiedStopDrawsShowsAndPlaysAsOneThatLoadsItAll) {
  quill_test::OpenScreen();
  const TStopOutcome loaded = PlayAndStop(false);
  const TStopOutcome readied = PlayAndStop(true);
  ASSERT_GE(loaded.story, 1);
  if (GetParam().force != 0) {
    EXPECT_EQ(loaded.story, GetParam().force);
  }
  EXPECT_EQ(readied.story, loaded.story);
  EXPECT_EQ(readied.value, loaded.value);
  EXPECT_EQ(readied.text, loaded.text);
  EXPECT_EQ(readied.header, loaded.header);
  EXPECT_EQ(readied.strip, loaded.strip);
  EXPECT_EQ(readied.sound, loaded.sound);
  EXPECT_EQ(readied.speech, loaded.speech);
  EXPECT_EQ(readied.started, loaded.started);
  EXPECT_TRUE(readied.at_stop == loaded.at_stop) << "the dialog drawn after the stop differs";
  EXPECT_TRUE(readied.later == loaded.later) << "the story's animation drawn 12 ticks on differs";
  EXPECT_TRUE(readied == loaded) << "story " << loaded.story;
}

// Drawn as in play from several seeds, and forced onto the found iron (whose free slot is rolled on
// the play field's generator in the middle of the draw), the gopher's larger picture, the 24-frame
// wallet and a mini-game story, which has no sounds of its own.
INSTANTIATE_TEST_SUITE_P(Stories, ShuffleStopTest,
                         testing::Values(TStopCase{0, 1}, TStopCase{0, 2}, TStopCase{0, 3},
                                         TStopCase{0, 4}, TStopCase{0, 5}, TStopCase{2, 1},
                                         TStopCase{5, 1}, TStopCase{6, 1}, TStopCase{25, 1}));

// The tick that stops the shuffle decodes no picture and no sound once the slide has readied the
// story: it takes the readied ones.
TEST_F(DialogTest, TheStopDecodesNothingTheSlideReadied) {
  quill_test::OpenScreen();
  for (int story : {1, 5, 6, 25}) {
    GameScreen->LastWildshotCard = -1;
    W().ForcedStory = story;
    Open();
    Settle();
    Press("play_wild");
    Tick();
    // The five loading steps come 30 ms (6 ticks) or more apart, all before the stop can be
    // pressed.
    std::vector<int> loaded_at;
    for (int i = 0; i < 60 && !W().ShufflingAnim->Active; ++i) {
      const int pieces = W().Readied.Pieces;
      Tick();
      if (W().Readied.Pieces != pieces) loaded_at.push_back(i);
    }
    ASSERT_EQ(W().ShufflingAnim->Active, 1);
    ASSERT_EQ(loaded_at.size(), 5u) << story;
    for (std::size_t k = 1; k < loaded_at.size(); ++k)
      EXPECT_GE(loaded_at[k] - loaded_at[k - 1], 6) << story;
    const auto ready = W().Readied;
    ASSERT_EQ(ready.Story, story);
    ASSERT_TRUE(ready.Strip && ready.Header);
    EXPECT_EQ(ready.Sound != nullptr, story != 25) << story;
    const std::size_t mark = platform::AudioLog().size();
    const int surfaces = platform::CountPictures().surfaces;
    Press("stop_wild");
    Tick();
    ASSERT_EQ(W().ChosenStory + 1, story);
    int loads = 0;
    const auto& log = platform::AudioLog();
    for (std::size_t i = mark; i < log.size(); ++i) loads += log[i].what == "load";
    EXPECT_EQ(loads, 0) << story;
    EXPECT_LE(platform::CountPictures().surfaces, surfaces) << story;
    EXPECT_EQ(W().WildshotAnimStrip, ready.Strip) << story;
    EXPECT_EQ(W().Header, ready.Header) << story;
    EXPECT_EQ(W().AnimSound, ready.Sound) << story;
    W().Kill();
  }
}

}  // namespace
