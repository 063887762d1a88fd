// The newspaper page run by the real game's logic step over the staged data and courses: the
// fade-in skip, the spin-in with its sounds, Esc back to the course selector, the page at rest
// in pixels, and a course name the list does not hold.
#include "screens/newspaper_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "content/course.h"
#include "content/globals.h"
#include "core/game_fade.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "tests/screens/story_screens_support.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"

namespace {

using story_test::Starts;
using story_test::Step;

class NewspaperRunTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!story_test::StartGame(0)) GTEST_SKIP() << "no data folder (build the data target)";
  }
  // The switch the course selector makes once the fee is paid.
  void Enter(const std::string& course, int male = 1, int avatar = 2) {
    TSaveData& save = *GameScreen->Player->SaveData;
    GameScreen->Player->Name = "Ann";
    save.CourseName = course;
    save.Male = male;
    save.Avatar = avatar;
    Game->DestinationTScreen = NewspaperScreen;
    Game->NoFade = 1;
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
    Game->ScreenChange();
    ASSERT_EQ(Game->CurrentTScreen, NewspaperScreen);
    ASSERT_EQ(Game->GameFade->Active, 1);
    platform::ClearAudioLog();
  }
  TNewspaperScreen& Page() { return *NewspaperScreen; }
};

struct SkipCase {
  const char* label;
  int kind;  // 0 a click, 1 a key
  int code;
  bool back;  // to the course selector
};

class NewspaperSkipTest : public NewspaperRunTest, public testing::WithParamInterface<SkipCase> {};

TEST_P(NewspaperSkipTest, AFadeInCutShortLeavesFromTheBrightnessReached) {
  Enter("The Vuva Rivudar");
  for (int step = 0; step < 30; ++step) Step();
  ASSERT_EQ(Game->GameFade->Active, 1);
  ASSERT_EQ(Game->GameFade->Out, 0);
  if (GetParam().kind == 0) {
    story_test::Click(GetParam().code);
  } else {
    story_test::Key(GetParam().code);
  }
  Step();
  const TGameFade& fade = *Game->GameFade;
  EXPECT_EQ(fade.Active, 1);
  EXPECT_EQ(fade.Out, 1);
  EXPECT_EQ(fade.AllowAnim, 1);
  EXPECT_EQ(fade.Channel, Game->MusicChannel);
  // It starts from trunc(60 - 30), as many ticks as the fade-in ran; Esc cut the fade-in short
  // before the fade's own step, which then counted one tick of the new fade-out.
  EXPECT_FLOAT_EQ(fade.Counter, GetParam().back ? 31.0f : 30.0f);
  auto ok = Page().Menu->FindButton("OK");
  ASSERT_TRUE(ok);
  if (GetParam().back) {
    EXPECT_EQ(Game->DestinationTScreen, LevelSelectScreen);
    EXPECT_EQ(ok->MouseClickCounter, 0);
    EXPECT_EQ(Starts("buttonclick.wav"), 0);  // no escape sound while fading
  } else {
    EXPECT_EQ(Game->DestinationTScreen, GameScreen);
    EXPECT_GT(ok->MouseClickCounter, 0);  // shown pressed, with its click
    EXPECT_EQ(Starts("buttonclick.wav"), 1);
  }
  EXPECT_EQ(Starts("newspaper_spin.ogg"), 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, NewspaperSkipTest,
                         testing::Values(SkipCase{"Escape", 1, 27, true},
                                         SkipCase{"LetterKey", 1, 65, false},
                                         SkipCase{"Space", 1, 32, false},
                                         SkipCase{"Click", 0, 1, false}),
                         [](const testing::TestParamInfo<SkipCase>& info) {
                           return std::string(info.param.label);
                         });

// Whether any pixel of the rectangle is darker than `level` in every colour.
bool AnyInk(int x0, int y0, int x1, int y1, int level) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const platform::Argb p = quill_test::ScreenPixel(x, y);
      if (static_cast<int>((p >> 16) & 0xFF) < level && static_cast<int>((p >> 8) & 0xFF) < level &&
          static_cast<int>(p & 0xFF) < level)
        return true;
    }
  return false;
}

int Brightness(int x, int y) {
  const platform::Argb p = quill_test::ScreenPixel(x, y);
  return static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
}

TEST_F(NewspaperRunTest, SpinsInThumpsOnceAndRestsWithTrophyPortraitAndHeadline) {
  Enter("Skyline Terrace", 0, 3);  // picture code 14
  EXPECT_EQ(Page().Picture->name, "TROPHY_DISPLAY_BG");
  EXPECT_EQ(Page().Trophy->name, "TROPHY4");
  EXPECT_EQ(Page().Avatar->name, "LADY_4");
  EXPECT_EQ(Page().Sign, 0);
  EXPECT_EQ(Page().HeadLine1 + " " + Page().HeadLine2, "Ann Collects Another Trophy Before Skyline Terrace");
  int spinAt = 0, thumpAt = 0;
  for (int step = 1; step <= 400; ++step) {
    Step();
    if (spinAt == 0 && Starts("newspaper_spin.ogg") > 0) spinAt = step;
    if (thumpAt == 0 && Starts("newspaper_land.ogg") > 0) thumpAt = step;
  }
  // The spin-in runs 100 steps from the step on which the fade-in ends.
  EXPECT_EQ(spinAt, 60);
  EXPECT_EQ(thumpAt, 159);
  EXPECT_EQ(Starts("newspaper_spin.ogg"), 1);
  EXPECT_EQ(Starts("newspaper_land.ogg"), 1);
  EXPECT_EQ(Game->CurrentTScreen, NewspaperScreen);

  // At rest the page lies at the screen centre: the story picture fills the window, the trophy
  // and the grey portrait stand in it, the headline is inked in its band.
  Page().Draw();
  const int paper = Brightness(120, 200);
  EXPECT_GT(paper, 180);
  EXPECT_LT(Brightness(110, 240), paper - 60);  // the velvet of the trophy display
  EXPECT_TRUE(AnyInk(150, 125, 650, 215, 90));
  EXPECT_FALSE(AnyInk(150, 490, 650, 525, 60));  // below the window: small print, no headline
  bool face = false;  // the portrait's light face beside the trophy, on the dark velvet
  for (int y = 300; y < 340 && !face; ++y)
    for (int x = 440; x < 530 && !face; ++x) face = Brightness(x, y) > 150;
  EXPECT_TRUE(face);
}

TEST_F(NewspaperRunTest, EscapeOnceTheFadeInIsOverGoesBackWithItsSound) {
  Enter("Parrot Falls");
  for (int step = 0; step < 80; ++step) Step();  // into the spin-in
  platform::ClearAudioLog();
  story_test::Key(27);
  Step();
  EXPECT_EQ(Starts("buttonclick.wav"), 1);
  EXPECT_EQ(Game->DestinationTScreen, LevelSelectScreen);
  EXPECT_EQ(Game->GameFade->Out, 1);
  EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel);
}

// A course's photo shows its first tee, with the hole's sign: the sign carries the hole's number
// in one line and nothing more. The photo is drawn once for its course, so a par or a length on
// the sign could differ from the hole the player meets.
TEST_F(NewspaperRunTest, TheTeeSignOnACoursePhotoCarriesTheHolesNumberAlone) {
  int photos = 0;
  for (const auto& course : *CourseList) {
    if (course->StoryPicture != 1) continue;
    SCOPED_TRACE(course->Name);
    ++photos;
    Enter(course->Name);
    for (int step = 0; step < 200; ++step) Step();
    Page().Draw();
    if (const char* folder = std::getenv("QUILL_NEWSPAPER_SHOTS"))
      quill_test::SaveScreen(std::string(folder) + "/tee_sign.png");
    // At rest the photo's top-left corner lies 302 px left of and 72 px above the screen's centre;
    // the sign stands in its left part, 28 to 178 px across, its board's letters 124 to 186 px
    // down (under its lit top edge; below them only the posts in the grass).
    const int left = 400 - 302 + 28, right = 400 - 302 + 178, top = 300 - 72 + 124,
              bottom = 300 - 72 + 186;
    // The rows of the board where letters are painted (light on the dark wood), as runs.
    std::vector<std::pair<int, int>> lines;
    for (int y = top; y < bottom; ++y) {
      int lit = 0;
      for (int x = left; x < right; ++x) lit += Brightness(x, y) > 200 ? 1 : 0;
      if (lit < 3) continue;
      if (!lines.empty() && lines.back().second == y - 1)
        lines.back().second = y;
      else
        lines.emplace_back(y, y);
    }
    std::string rows;
    for (const auto& [from, to] : lines)
      rows += " " + std::to_string(from) + "-" + std::to_string(to);
    ASSERT_EQ(lines.size(), 1u) << "the sign holds lines at rows" << rows;
    EXPECT_GE(lines[0].second - lines[0].first, 15);  // "HOLE 1" in large letters
  }
  EXPECT_GE(photos, 1);
}

TEST_F(NewspaperRunTest, ACourseTheListDoesNotHoldShowsTheStatisticsWithoutHeadline) {
  testing::internal::CaptureStdout();
  Enter("No Such Links");
  const std::string console = testing::internal::GetCapturedStdout();
  EXPECT_NE(console.find("No Such Links"), std::string::npos);
  EXPECT_EQ(Page().Picture->name, "STATS");
  EXPECT_FALSE(Page().Trophy);
  EXPECT_FALSE(Page().Avatar);
  EXPECT_EQ(Page().HeadLine1, "");
  EXPECT_EQ(Page().HeadLine2, "");
  for (int step = 0; step < 200; ++step) Step();
  Page().Draw();
  EXPECT_FALSE(AnyInk(150, 125, 650, 215, 90));
}

}  // namespace
