// The main road through the real program, headless, over the staged data with a fixed clock: a
// player with "The Vuva Rivudar" in progress at hole 1 presses Play on the title, closes hint 1,
// plays the hole by scripted clicks (End Drive when it shows, else a playable card, else the
// stock) until End Hole lights, ends the hole, and finds the scorecard open for hole 2; a quit
// then ends the program cleanly with the profile at hole 2.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/input.h"
#include "platform/system.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/run_game.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/mouse_pointer.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/globals.h"

namespace {

void AdvanceSixteen() { quill_test::AdvanceModalClock(16); }

void Push(int kind, int data, int x = 400, int y = 300) { quill_test::PushEventAt(kind, data, x, y); }
void ClickAt(int x, int y) { quill_test::PressAt(x, y); }
void ReleasePending() { quill_test::ReleasePending(); }

// What the scripted player clicks next while play rests: End Hole when lit, End Drive when shown,
// else a card that plays (wedges and irons always act), else the stock.
bool NextClick(int& x, int& y, std::set<int>& refused) {
  auto centre = [&](const std::shared_ptr<TButton>& b) {
    x = static_cast<int>(b->x) + b->w / 2;
    y = static_cast<int>(b->y) + b->h / 2;
  };
  if (auto b = GameScreen->MenuButton("end_hole"); b && b->Active && b->Disabled == 0) {
    centre(b);
    return true;
  }
  if (auto b = GameScreen->MenuButton("enddrive"); b && b->Active && b->Disabled == 0) {
    centre(b);
    return true;
  }
  if (const auto c = road_test::NextPlayableCard(refused)) {
    x = static_cast<int>(c->x) + 34;
    y = static_cast<int>(c->y) + 50;
    return true;
  }
  if (auto top = CardList->StockTopFind()) {
    x = static_cast<int>(top->x) + 34;
    y = static_cast<int>(top->y) + 50;
    return true;
  }
  return false;
}

}  // namespace

TEST(PlayRoadTest, ACourseHoleIsPlayedFromTheTitleToTheScorecard) {
  ccModalLoopHook = &AdvanceSixteen;
  platform::SetManualClock(1000000);
  int frames = 0;
  enum Stage { Loading, Title, Hint, Playing, Card, Quit } stage = Loading;
  int resultAgainstPar = 1000, holeAfter = 0, cardsLeft = -1, par = -1, clicks = 0;
  int restFrames = 0;
  std::set<int> refused;
  std::string profileName;
  bool sawHint = false;
  int framesWithoutPointer = 0;
  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(16);
    ++frames;
    ReleasePending();
    const auto current = Game->CurrentTScreen;
    const bool still = Game->Fading() == 0;
    switch (stage) {
      case Loading:
        if (current == Game->LoadingScreen && still) {
          ClickAt(400, 300);
          stage = Title;
        }
        break;
      case Title:
        if (current == TitleScreen && still) {
          // The player of this test, with the tutorial course in progress at its first hole.
          profileName = road_test::PlayTutorialFromTheTitle("Road Tester", 500)->Path();
          stage = Hint;
        }
        break;
      case Hint:
        if (current == GameScreen && still && GameGrid) {
          if (HintScroll && HintScroll->Active) {
            sawHint = true;
            if (++restFrames > 120) {  // the scroll has dropped and settled: click it away
              ClickAt(400, 300);
              restFrames = 0;
            }
          } else {
            restFrames = 0;
            stage = Playing;
          }
        }
        break;
      case Playing:
        // The player points at the cards with the game's own pointer: it is shown throughout play.
        if (Game->Mouse->Active == 0) ++framesWithoutPointer;
        if (ScoreCardScreen && ScoreCardScreen->Active) {
          holeAfter = GameScreen->Player->Level;
          cardsLeft = GameGrid->CardsLeft;
          par = GameGrid->HolePar;
          resultAgainstPar = TGameGrid::GetHTP();
          stage = Card;
          break;
        }
        if (TGameScreen::TestForAnims() != 0 || GameScreen->IntroAnim->Active) {
          restFrames = 0;
          break;
        }
        if (++restFrames < 3) break;
        restFrames = 0;
        if (int x = 0, y = 0; NextClick(x, y, refused)) {
          ClickAt(x, y);
          ++clicks;
        }
        break;
      case Card:
        if (++restFrames > 60) {
          Push(platform::EVENT_APP_TERMINATE, 0);
          stage = Quit;
        }
        break;
      case Quit:
        break;
    }
    return frames < 30000;
  };

  const int status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  ASSERT_EQ(status, 0) << "stage " << stage << " on " << (Game && Game->CurrentTScreen ? Game->CurrentTScreen->name : "")
                       << " after " << frames << " frames and " << clicks << " clicks";
  ASSERT_EQ(stage, Quit) << "after " << frames << " frames and " << clicks << " clicks";
  EXPECT_TRUE(sawHint);
  EXPECT_EQ(framesWithoutPointer, 0);
  EXPECT_EQ(resultAgainstPar, cardsLeft - par);
  EXPECT_EQ(holeAfter, 2);
  // The profile on disk: the round goes on at hole 2.
  auto back = TProfile::Create("Road Tester");
  InstallProfileHooks(*back);
  ASSERT_EQ(back->Load(), 1);
  EXPECT_EQ(back->CurrentLevel, 2);
  EXPECT_EQ(GameScreen->Player->SaveData->MidCourse, 1);
  std::printf("the hole took %d frames and %d clicks; result %+d against par %d\n", frames, clicks,
              resultAgainstPar, par);
}
