// A wild shot through the real program, headless, over the staged data in 5 ms steps: a player with
// the first course in progress at hole 1 presses Play on the title, closes the hint, and turns a
// wild shot lying on top of the stock. The Long Drive is drawn; Space is timed for a winning launch
// and Space takes the result: the hole's winnings grow by exactly the prize the mini-game handed
// back (its figures are pinned by the mini-game's own tests). A quit then ends the program cleanly.
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
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/globals.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

void AdvanceFive() { quill_test::AdvanceModalClock(5); }

void Push(int kind, int data, int x = 400, int y = 300) { quill_test::PushEventAt(kind, data, x, y); }
void ClickAt(int x, int y) { quill_test::PressAt(x, y); }
void ReleasePending() { quill_test::ReleasePending(); }

void Centre(const std::shared_ptr<TButton>& b, int lift = 0) {
  ClickAt(static_cast<int>(b->x) + b->w / 2, static_cast<int>(b->y) - lift + b->h / 2);
}

}  // namespace

TEST(WildShotRoadTest, ALongDriveFromTheStockPaysItsLengthIntoTheHole) {
  ccModalLoopHook = &AdvanceFive;
  platform::SetManualClock(1000000);
  int frames = 0;
  enum Stage { Loading, Title, Hint, Turn, Dialog, Aim, Result, Paid, Quit } stage = Loading;
  int restFrames = 0, before = 0, paid = -1, prize = -1;
  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(5);
    ++frames;
    ReleasePending();
    const auto current = Game->CurrentTScreen;
    const bool still = Game->Fading() == 0;
    TWildshotScreen& w = *WildShotScreen;
    switch (stage) {
      case Loading:
        if (current == Game->LoadingScreen && still) {
          ClickAt(400, 300);
          stage = Title;
        }
        break;
      case Title:
        if (current == TitleScreen && still) {
          road_test::PlayTutorialFromTheTitle("Wild Tester", 500);
          stage = Hint;
        }
        break;
      case Hint:
        if (current == GameScreen && still && GameGrid) {
          if (HintScroll && HintScroll->Active) {
            if (++restFrames > 400) {
              ClickAt(400, 300);
              restFrames = 0;
            }
          } else {
            restFrames = 0;
            stage = Turn;
          }
        }
        break;
      case Turn:
        if (TGameScreen::TestForAnims() != 0 || GameScreen->IntroAnim->Active) break;
        if (++restFrames < 10) break;
        if (auto top = CardList->StockTopFind()) {
          top->CardType = CARDTYPE_WILDSHOT;
          top->ChooseImage();
          w.ForcedStory = 25;
          before = GameScreen->Player->LevelScore;
          ClickAt(static_cast<int>(top->x) + 34, static_cast<int>(top->y) + 50);
          restFrames = 0;
          stage = Dialog;
        }
        break;
      case Dialog: {
        if (!w.Active || w.Bounces > 0 || w.Unroll->Active || w.MinigameActive) {
          if (w.MinigameActive) stage = Aim;
          break;
        }
        if (++restFrames < 5) break;
        restFrames = 0;
        auto play = w.Menu->FindButton("play_wild");
        auto stop = w.Menu->FindButton("stop_wild");
        if (play && play->Active) Centre(play);
        else if (stop && stop->Active) Centre(stop, 91);
        break;
      }
      case Aim:
        if (w.MinigamePhase == 0 && w.ArrowAngle == 42.0 && w.ArrowSpeed > 0) {
          Push(platform::EVENT_KEY_DOWN, 32);
          Push(platform::EVENT_KEY_UP, 32);
          stage = Result;
        }
        break;
      case Result:
        if (w.MinigamePhase == 2 && w.MinigameMenu && w.MinigameMenu->FindButton("OK")->Active) {
          Push(platform::EVENT_KEY_DOWN, 32);
          Push(platform::EVENT_KEY_UP, 32);
          stage = Paid;
          restFrames = 0;
        }
        break;
      case Paid:
        if (w.Active || TGameScreen::TestForAnims() != 0) break;
        if (++restFrames < 400) break;
        paid = GameScreen->Player->LevelScore - before;
        prize = w.SpecialValue;
        Push(platform::EVENT_APP_TERMINATE, 0);
        stage = Quit;
        break;
      case Quit:
        break;
    }
    return frames < 200000;
  };

  const int status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  ASSERT_EQ(status, 0) << "stage " << stage << " after " << frames << " frames";
  ASSERT_EQ(stage, Quit) << "after " << frames << " frames";
  EXPECT_GT(prize, 0);
  EXPECT_EQ(paid, prize);
}
