// The main road through the real program, headless with a fixed clock and scripted input, from an
// empty per-user folder: the first-run name and face, the title, the course selector, paying for
// the first course, the newspaper and the first hole dealt.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <cctype>
#include <string>

#include "cards/card_list.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "platform/files.h"
#include "platform/image_internal.h"
#include "platform/input.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/newspaper_screen.h"
#include "screens/run_game.h"
#include "screens/title_screen.h"
#include "tests/support/harness.h"
#include "ui/dialog_text_input.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/globals.h"

namespace {

// Blocking loops (splash screens, the error box) see 16 ms pass per frame, and a Space now and
// then, so a fatal error fails the test instead of hanging.
void AdvanceSixteen() { quill_test::AdvanceModalClock(16); }


void Key(int code) {
  quill_test::PushEventAt(platform::EVENT_KEY_DOWN, code);
  quill_test::PushEventAt(platform::EVENT_KEY_UP, code);
}

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

}  // namespace

TEST(MenuFlowTest, FirstRunNameFacePayAndTheFirstHole) {
  // An empty per-user folder, whatever earlier tests of this process left in it.
  if (const char* home = std::getenv("XDG_DATA_HOME")) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(home) / "Marrowfen", ignored);
  }
  ccModalLoopHook = &AdvanceSixteen;
  enum Step { LOADING, NAME, FACE, FACE_OK, TITLE, SELECTOR, PAID, NEWSPAPER, PLAY, DONE };
  Step step = LOADING;
  int frames = 0;
  int wait = 0;
  std::string failure;
  int cashAfterPaying = -1;
  std::string selectedCourse;
  std::size_t typed = 0;
  int cardsDealt = 0;
  long long pixelsHeld = -1;
  std::string largestHolders;
  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(16);
    ++frames;
    const auto current = Game->CurrentTScreen;
    const bool still = Game->Fading() == 0;
    if (++wait < 3) return frames < 6000;
    switch (step) {
      case LOADING:
        if (current == Game->LoadingScreen && still) {
          quill_test::PushEventAt(platform::EVENT_MOUSE_DOWN, 1);
          quill_test::PushEventAt(platform::EVENT_MOUSE_UP, 1);
          step = NAME;
          wait = 0;
        }
        break;
      case NAME:
        // One character a frame, as typed, then Enter.
        if (current == TitleScreen && still && TitleScreen->EnterName &&
            TitleScreen->EnterName->Active != 0) {
          const std::string name = "Ann";
          if (typed < name.size()) {
            quill_test::PushEventAt(platform::EVENT_KEY_CHAR, name[typed++]);
          } else {
            Key(13);
            step = FACE;
            wait = 0;
          }
        }
        break;
      case FACE:
        // The chooser: a click on the first gent's portrait, then Enter on its OK.
        if (TitleScreen->DrawDisabled != 0) {
          quill_test::PushEventAt(platform::EVENT_MOUSE_MOVE, 0, 78, 198);
          quill_test::PushEventAt(platform::EVENT_MOUSE_DOWN, 1, 78, 198);
          quill_test::PushEventAt(platform::EVENT_MOUSE_UP, 1, 78, 198);
          step = FACE_OK;
          wait = 0;
        }
        break;
      case FACE_OK:
        Key(13);
        step = TITLE;
        wait = 0;
        break;
      case TITLE:
        if (!TitleScreen->EnterName && current == TitleScreen && still) {
          if (!TitleScreen->Welcome || TitleScreen->Welcome->Text != "Ann") failure = "no welcome";
          auto ann = TProfile::Create("Ann");
          InstallProfileHooks(*ann);
          const int loaded = ann->Load();
          if (loaded != 1 || ann->Score != 1000) {
            failure += " Ann.dat " + std::to_string(loaded) + " " + std::to_string(ann->Score);
          }
          // Reading the file back must not change the player in play.
          if (!GameScreen->Player || GameScreen->Player->SaveData->Male != 1) {
            failure += " face " + std::to_string(GameScreen->Player->SaveData->Male);
          }
          Key(13);
          step = SELECTOR;
          wait = 0;
        }
        break;
      case SELECTOR:
        if (current == LevelSelectScreen && still && LevelSelectScreen->Zoom->Active == 0) {
          selectedCourse = LevelSelectScreen->ListBox->Value;
          Key(13);
          step = PAID;
          wait = 0;
        }
        break;
      case PAID:
        cashAfterPaying = GameScreen->Player->Score;
        step = NEWSPAPER;
        wait = 0;
        break;
      case NEWSPAPER:
        if (current == NewspaperScreen && still) {
          Key(13);
          step = PLAY;
          wait = 0;
        }
        break;
      case PLAY:
        if (current == GameScreen && still && wait > 60) {
          cardsDealt = CardList ? CardList->Count() : 0;
          pixelsHeld = platform::detail::HeldByImages().pixel_bytes;
          for (const auto& line : platform::detail::LargestHolders(5, false)) largestHolders += line + "\n";
          step = DONE;
          quill_test::PushEventAt(platform::EVENT_APP_TERMINATE, 0);
        }
        break;
      case DONE:
        break;
    }
    return frames < 6000;
  };

  const int status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  EXPECT_EQ(status, 0);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(step, DONE) << "stopped before step " << step << " after " << frames << " frames";
  EXPECT_EQ(selectedCourse, "The Vuva Rivudar");
  EXPECT_EQ(cashAfterPaying, 950);

  const auto settings = platform::ReadTextFile(Game->SettingsFilePath());
  ASSERT_TRUE(settings);
  EXPECT_NE(Upper(*settings).find("PROFILE NAME=ANN"), std::string::npos);
  auto ann = TProfile::Create("Ann");
  InstallProfileHooks(*ann);
  ASSERT_EQ(ann->Load(), 1);
  EXPECT_EQ(ann->Score, 950);
  EXPECT_EQ(ann->CurrentLevel, 1);
  EXPECT_EQ(GameScreen->Player->SaveData->MidCourse, 1);
  EXPECT_EQ(GameScreen->Player->SaveData->CourseName, "The Vuva Rivudar");
  EXPECT_GT(cardsDealt, 0);
  // On the hole, the pictures hold their pixels in the renderer only: those not drawn yet (the
  // wild shots' animations, the other screens) gave theirs back after the hole's first frame
  // (7.5 MB when they kept them).
  EXPECT_GE(pixelsHeld, 0);
  EXPECT_LT(pixelsHeld, 1 << 20) << largestHolders;
}
