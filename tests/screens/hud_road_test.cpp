// The heads-up display through the real program, headless, over the staged data with a fixed clock:
// a player leaves hole 1 of the first course through the in-game menu's save with a run of five
// and a card that plays, so the hole is written into the player's file. Back on the title the
// player is read again from that file; the title's Play resumes the round, the card makes the run
// six and brings the long-drive tip, which is closed, and End Drive sends the ball. 1.5 s after
// the click the ball reads "1.1X", play takes input again, and the score sign, the hole marker and
// the run indicator stand in their places on the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/resume_game_dialog.h"
#include "screens/run_game.h"
#include "screens/title_screen.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/dialog_ok.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/globals.h"

namespace {

constexpr int kFrameMs = 16;
const char* const kPlayer = "Hud Tester";

void AdvanceSixteen() { quill_test::AdvanceModalClock(kFrameMs); }

void ClickButton(const std::shared_ptr<TButton>& b) {
  quill_test::PressAt(static_cast<int>(b->x) + b->w / 2, static_cast<int>(b->y) + b->h / 2);
}

bool Usable(const std::shared_ptr<TButton>& b) { return b && b->Active && b->Disabled == 0; }

std::shared_ptr<TButton> FirstUsable(const std::shared_ptr<TMenu>& menu) {
  if (!menu) return nullptr;
  for (const auto& b : menu->Buttons)
    if (Usable(b)) return b;
  return nullptr;
}

// A HUD picture and where the HUD draws its top-left corner.
struct Placed {
  const char* file;  // under the graphics folder
  int x, y;
  // Points of the picture that nothing else covers while play rests (picture coordinates).
  std::vector<std::pair<int, int>> points;
};

// How far the screen pixel at each point is from the picture's own pixel there, as the largest
// difference of a colour channel; only fully opaque points of the picture are compared.
int WorstDifference(const Placed& p, std::string* where) {
  auto picture = platform::LoadPixmap(Game->ImagePath + p.file);
  if (!picture) {
    *where = std::string(p.file) + " not readable";
    return 256;
  }
  int worst = 0;
  for (const auto& [px, py] : p.points) {
    const platform::Argb want = picture->ReadPixel(px, py);
    if ((want >> 24) != 0xFF) {
      *where = std::string(p.file) + " is not opaque at " + std::to_string(px) + "," + std::to_string(py);
      return 256;
    }
    const platform::Argb got = quill_test::ScreenPixel(p.x + px, p.y + py);
    for (int shift : {0, 8, 16}) {
      const int d = std::abs(static_cast<int>((want >> shift) & 0xFF) - static_cast<int>((got >> shift) & 0xFF));
      if (d > worst) {
        worst = d;
        *where = std::string(p.file) + " at " + std::to_string(px) + "," + std::to_string(py);
      }
    }
  }
  return worst;
}

}  // namespace

TEST(HudRoadTest, AResumedRunOfFiveBecomesALongDriveAndTheBallReadsOnePointOne) {
  ccModalLoopHook = &AdvanceSixteen;
  platform::SetManualClock(1000000);
  int frames = 0, rest = 0, cardID = -1, driveMs = -1;
  enum Stage { Loading, Title, Hint, Fixture, GameMenuOpen, TitleAgain, Resume, Resumed, Tip, EndDrive, Flight, Quit };
  Stage stage = Loading;
  // What the file gave back, and what play showed at the end.
  int savedMidHole = -1, savedRun = -1, savedCards = 0, resumedRun = -1, megaBlock = -1;
  bool sawTip = false;
  std::string ball, worstAt[3];
  int worst[3] = {256, 256, 256};
  float hudY = -1;
  const std::string shot = std::getenv("QUILL_HUD_ROAD_SHOT") ? std::getenv("QUILL_HUD_ROAD_SHOT") : "";

  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(kFrameMs);
    ++frames;
    quill_test::ReleasePending();
    const auto current = Game->CurrentTScreen;
    const bool still = Game->Fading() == 0;
    const bool resting = current == GameScreen && still && GameGrid && TGameScreen::TestForAnims() == 0 &&
                         !GameScreen->IntroAnim->Active && !(HintScroll && HintScroll->Active);
    switch (stage) {
      case Loading:
        if (current == Game->LoadingScreen && still) {
          quill_test::PressAt(400, 300);
          stage = Title;
        }
        break;
      case Title:
        if (current == TitleScreen && still) {
          // The player of this test, with the first course in progress at its first hole.
          road_test::PlayTutorialFromTheTitle(kPlayer, 950);
          stage = Hint;
        }
        break;
      case Hint:
        // The hole's hint scroll drops in; once it has settled a click puts it away.
        if (current == GameScreen && still && HintScroll && HintScroll->Active && ++rest > 120) {
          quill_test::PressAt(400, 300);
          rest = 0;
        }
        if (resting) stage = Fixture;
        break;
      case Fixture: {
        if (!resting || ++rest < 30) break;
        rest = 0;
        // A run of five, and an uncovered face-up card of the play field made to follow the
        // foundation; then the in-game menu, whose save writes the hole into the player's file.
        HUD->DriveLength = 5;
        HUD->LongDrive = 0;
        for (const auto& c : CardList->Cards) {
          if (!c->Playfield || !c->Uncovered() || !c->FaceUp || c->CardType != CARDTYPE_NORMAL) continue;
          for (int v = 1; v <= 13 && !GameGrid->ValidValue(c->Value); ++v) {
            if (GameGrid->ValidValue(v)) c->Value = v;
          }
          c->ChooseImage();
          cardID = c->ID;
          break;
        }
        CardList->GlowValidCards();
        ClickButton(GameScreen->MenuButton("Menu"));
        stage = GameMenuOpen;
        break;
      }
      case GameMenuOpen:
        if (!GameMenu || !GameMenu->Active || ++rest < 120) break;
        rest = 0;
        ClickButton(GameMenu->Menu->FindButton("InGameMenu_save"));
        stage = TitleAgain;
        break;
      case TitleAgain: {
        if (current != TitleScreen || !still || ++rest < 60) break;
        rest = 0;
        // The player as a fresh start reads it: the hole in memory is forgotten first, so what
        // comes back is what the file holds.
        auto& save = *GameScreen->Player->SaveData;
        save.InitLevelStats();
        save.MidHole = 0;
        auto profile = TProfile::Create(kPlayer);
        InstallProfileHooks(*profile);
        if (profile->Load() == 1) {
          GameScreen->Player->ProfileRead(profile.get(), 0);
          Game->CurrentProfile = profile;
        }
        savedMidHole = save.MidHole;
        savedRun = save.DriveLength;
        savedCards = static_cast<int>(save.Cards.size());
        ClickButton(TitleScreen->Menu->FindButton("Bigplay"));
        stage = Resume;
        break;
      }
      case Resume:
        if (!TitleScreen->ResumeDialog || !TitleScreen->ResumeDialog->Active || ++rest < 90) break;
        rest = 0;
        ClickButton(TitleScreen->ResumeDialog->Menu->FindButton("continue_round"));
        stage = Resumed;
        break;
      case Resumed: {
        if (current == GameScreen && still && HintScroll && HintScroll->Active && ++rest > 120) {
          quill_test::PressAt(400, 300);
          rest = 0;
        }
        if (!resting || ++rest < 30) break;
        rest = 0;
        resumedRun = HUD->DriveLength;
        auto card = CardList->FindCardByID(cardID);
        if (!card) {
          stage = Quit;
          platform::PushEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
          break;
        }
        quill_test::PressAt(static_cast<int>(card->x) + 34, static_cast<int>(card->y) + 50);
        stage = Tip;
        break;
      }
      case Tip:
        if (!GameScreen->PopUpTipDialog) break;
        sawTip = true;
        if (++rest < 90) break;
        rest = 0;
        if (auto b = FirstUsable(GameScreen->PopUpTipDialog->Menu)) {
          ClickButton(b);
          stage = EndDrive;
        }
        break;
      case EndDrive: {
        if (!resting || ++rest < 10) break;
        rest = 0;
        auto b = GameScreen->MenuButton("enddrive");
        if (!Usable(b)) break;
        ClickButton(b);
        driveMs = 0;
        stage = Flight;
        break;
      }
      case Flight:
        driveMs += kFrameMs;
        if (driveMs < 1500) break;
        {
          std::string whole, frac;
          HUD->GetMultiplierStrings(HUD->Multiplier, whole, frac);
          ball = whole + "." + frac + "X";
          megaBlock = GameGrid->MegaBlock;
          hudY = HUD->GetHUDY();
          // Plates and boards clear of the numbers, the Menu button and the pointer.
          const Placed placed[3] = {
              {"gamescreen/Score_Sign.png", HUD->SCORESIGNX, HUD->SCORESIGNY, {{12, 60}, {20, 100}, {135, 100}, {20, 150}}},
              {"gamescreen/Hole_Marker.png", 5, 0, {{150, 20}, {40, 60}, {170, 60}}},
              {"gamescreen/Run_Indicator.png", HUD->LONGRUNX - 10, HUD->LONGRUNY, {{5, 40}, {30, 20}, {300, 60}}},
          };
          for (int i = 0; i < 3; ++i) worst[i] = WorstDifference(placed[i], &worstAt[i]);
          if (!shot.empty()) quill_test::SaveScreen(shot);
        }
        platform::PushEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
        stage = Quit;
        break;
      case Quit:
        break;
    }
    return frames < 40000;
  };

  const int status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  ASSERT_EQ(status, 0) << "stage " << stage << " after " << frames << " frames";
  ASSERT_EQ(stage, Quit) << "after " << frames << " frames";
  // The player's file held the hole as it was left.
  EXPECT_EQ(savedMidHole, 1);
  EXPECT_EQ(savedRun, 5);
  EXPECT_GT(savedCards, 0);
  ASSERT_NE(cardID, -1);
  EXPECT_EQ(resumedRun, 5);
  EXPECT_TRUE(sawTip);
  ASSERT_GE(driveMs, 1500) << "End Drive was never clicked";
  EXPECT_EQ(ball, "1.1X");
  EXPECT_EQ(megaBlock, 0);
  EXPECT_EQ(hudY, 0.0f);
  for (int i = 0; i < 3; ++i) EXPECT_LE(worst[i], 3) << worstAt[i];
}
