// The course selector: fees, checks and payment, the goal and lock texts, the photographs, the
// zoom's resting place, the refund of a round left before its first hole, and its drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "progress/best_score.h"
#include "progress/best_score_list.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/newspaper_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/menu_game.h"
#include "tests/support/harness.h"
#include "ui/dialog_ok.h"
#include "ui/list_box.h"
#include "ui/profile.h"
#include "ui/scroll_bar.h"
#include "util/animation.h"
#include "util/types.h"

using namespace menu_test;

namespace {

class SelectorTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!LoadGame()) GTEST_SKIP() << "no data folder";
    Quiesce();
    ResetProfiles({"Bob"});
    UsePlayer("Bob");
    GameScreen->Player->SaveData->Male = 1;
    GameScreen->Player->SaveData->Avatar = 0;
  }

  TPlayer& Player() { return *GameScreen->Player; }
  TSaveData& Save() { return *GameScreen->Player->SaveData; }
  TLevelSelectScreen& S() { return *LevelSelectScreen; }

  // Enters from the title and waits for the arrival zoom to end.
  void EnterSelector() {
    Enter(LevelSelectScreen, TitleScreen);
    ASSERT_TRUE(Settle(LevelSelectScreen));
    ASSERT_TRUE(RunUntil([] { return LevelSelectScreen->Zoom->Active == 0; }));
  }

  void Select(int row) {
    S().ListBox->SetIndex(row);
    S().LastIndex = row;
    S().SelectedCourseChange();
  }

};

TEST_F(SelectorTest, ReducedFeeRoundsDown) {
  EnterSelector();
  EXPECT_EQ(S().GetFee(100), 100);
  Save().AvatarItems[9] = 1;
  const int fees[][2] = {{100, 85}, {20, 17}, {150, 127}, {50, 42}, {0, 0}};
  for (const auto& f : fees) EXPECT_EQ(S().GetFee(f[0]), f[1]) << f[0];
  Save().AvatarItems[9] = 0;
}

TEST_F(SelectorTest, AtRestThePictureLiesFiftyPixelsLeft) {
  EnterSelector();
  EXPECT_FLOAT_EQ(S().Scale, 0.0f);
  EXPECT_FLOAT_EQ(S().ScrollX, -50.0f);
  EXPECT_FLOAT_EQ(S().ScrollY, 0.0f);
  float x = 300, y = 115;
  S().ConvertXY(x, y);
  EXPECT_FLOAT_EQ(x, 300.0f);
  EXPECT_FLOAT_EQ(y, 115.0f);
}

TEST_F(SelectorTest, PayingExactlyTheCashLeavesNothingAndSavesTheRound) {
  EnterSelector();
  const auto& first = *(*CourseList)[0];
  Player().Score = first.Fee;
  Select(0);
  EXPECT_EQ(S().CanAfford(), 0);
  ASSERT_EQ(S().LevelSelected(), 1);
  EXPECT_EQ(Player().Score, 0);
  auto check = TProfile::Create("Bob");
  InstallProfileHooks(*check);
  ASSERT_EQ(check->Load(), 1);
  EXPECT_EQ(check->Score, 0);
  EXPECT_EQ(Save().CourseName, first.Name);
  EXPECT_EQ(Save().MidCourse, 1);
  EXPECT_EQ(Save().MidHole, 0);
  EXPECT_EQ(S().ZoomIn, 0);
}

TEST_F(SelectorTest, LockedOrTooDearOpensItsDialogAndChangesNothing) {
  EnterSelector();
  const auto before = FileBytes(Game->ProfilePath + "Bob.dat");
  Save().UnlockedCourses[1] = COURSE_LOCKED;
  Select(1);
  EXPECT_EQ(S().LevelSelected(), 0);
  ASSERT_TRUE(S().DialogOK);
  S().DialogOK->Kill();
  S().DialogOK = nullptr;
  Select(0);
  Player().Score = (*CourseList)[0]->Fee - 1;
  EXPECT_LT(S().CanAfford(), 0);
  EXPECT_EQ(S().LevelSelected(), 0);
  ASSERT_TRUE(S().DialogOK);
  EXPECT_EQ(Player().Score, (*CourseList)[0]->Fee - 1);
  EXPECT_EQ(Save().MidCourse, 0);
  EXPECT_EQ(FileBytes(Game->ProfilePath + "Bob.dat"), before);
  S().DialogOK->Kill();
  S().DialogOK = nullptr;
}

TEST_F(SelectorTest, EscapeDuringTheZoomAfterPaymentKeepsTheRound) {
  EnterSelector();
  Key(13);
  Frame();
  ASSERT_EQ(S().ZoomIn, 0);
  EXPECT_EQ(Player().Score, 1000 - (*CourseList)[0]->Fee);
  Key(27);
  Frame();
  EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
  EXPECT_EQ(Save().MidCourse, 1);
  ASSERT_TRUE(Settle(TitleScreen));
  EXPECT_EQ(Player().Score, 1000 - (*CourseList)[0]->Fee);
}

TEST_F(SelectorTest, LeavingTheNewspaperBeforePlayChargesTheRoundOnce) {
  EnterSelector();
  const int fee = (*CourseList)[0]->Fee;
  Key(13);
  ASSERT_TRUE(Settle(NewspaperScreen));
  EXPECT_EQ(Player().Score, 1000 - fee);
  Key(27);
  ASSERT_TRUE(Settle(LevelSelectScreen));
  EXPECT_EQ(Player().Score, 1000);
  EXPECT_EQ(Save().MidCourse, 0);
  ASSERT_TRUE(RunUntil([] { return LevelSelectScreen->Zoom->Active == 0; }));
  Key(13);
  Frame();
  EXPECT_EQ(Player().Score, 1000 - fee);
  auto check = TProfile::Create("Bob");
  InstallProfileHooks(*check);
  ASSERT_EQ(check->Load(), 1);
  EXPECT_EQ(check->Score, 1000 - fee);
}

TEST_F(SelectorTest, GoalLockAndCompletionTexts) {
  EnterSelector();
  const int last = static_cast<int>(CourseList->size()) - 1;
  Save().UnlockedCourses[0] = COURSE_OPEN;
  Select(0);
  ASSERT_FALSE(S().UnlockText.empty());
  EXPECT_EQ(S().UnlockText[0].rfind(GameText->FindString("Goal") + ": ", 0), 0u) << S().UnlockText[0];

  // An open course without a goal shows none, also with the raised purse's goal.
  auto& course = *(*CourseList)[0];
  const std::string goal = course.GoalText;
  course.GoalText.clear();
  Save().AvatarItems[11] = 1;
  Select(0);
  EXPECT_TRUE(S().UnlockText.empty());
  course.GoalText = goal;
  Save().AvatarItems[11] = 0;

  Save().UnlockedCourses[2] = COURSE_LOCKED;
  Select(2);
  ASSERT_FALSE(S().UnlockText.empty());
  EXPECT_EQ(S().UnlockText[0].rfind(GameText->FindString("Course Locked") + " ", 0), 0u);

  // Wrapped lines joined again give the text.
  auto joined = [this] {
    std::string text;
    for (const auto& line : S().UnlockText) text += (text.empty() ? "" : " ") + line;
    return text;
  };
  Save().UnlockedCourses[1] = COURSE_COMPLETED;
  Select(1);
  EXPECT_EQ(joined(), GameText->FindString("Course Selector - Course Complete"));
  Save().UnlockedCourses[static_cast<std::size_t>(last)] = COURSE_COMPLETED;
  Select(last);
  EXPECT_EQ(joined(), GameText->FindString("Final Goal Complete"));
}

TEST_F(SelectorTest, PhotographOfTheSceneOrItsFirst) {
  struct Case {
    const char* background;
    int shot;
  };
  const Case cases[] = {{"beach1.jpg", 0},     {"beach2.jpg", 1},     {"jungle3.jpg", 14},
                        {"municipal4.jpg", 17}, {"scotland3.jpg", 19}, {"moon1.jpg", -1},
                        {"", -1}};
  for (const Case& c : cases) EXPECT_EQ(TLevelSelectScreen::CourseShotIndex(c.background), c.shot) << c.background;
}

TEST_F(SelectorTest, ScrollMaximumNeverNegative) {
  EXPECT_EQ(TLevelSelectScreen::ScrollMax(3, 11), 0);
  EXPECT_EQ(TLevelSelectScreen::ScrollMax(11, 11), 0);
  EXPECT_EQ(TLevelSelectScreen::ScrollMax(40, 11), 29);
  // A short course list loads and scrolls nothing.
  auto saved = CourseList;
  auto shortList = std::make_shared<TCourseList>();
  for (int i = 0; i < 3; ++i) shortList->push_back((*saved)[static_cast<std::size_t>(i)]);
  CourseList = shortList;
  EnterSelector();
  EXPECT_EQ(S().ListBox->ScrollBar->ValueMax, 0.0);
  // The rows shown never overrun the list's box.
  EXPECT_LE(S().ListBox->Limit * S().ListBox->LineHeight, TLevelSelectScreen::LIST_HEIGHT);
  for (int i = 0; i < 5; ++i) Frame();
  EXPECT_EQ(S().ListBox->TopIndex, 0);
  CourseList = saved;
  Enter(TitleScreen, LevelSelectScreen);
}

TEST_F(SelectorTest, UnknownSavedCourseSelectsTheFirstRow) {
  Save().CourseName = "No Such Course";
  EnterSelector();
  EXPECT_EQ(S().ListBox->Index, 0);
  ASSERT_TRUE(S().SelectedCourse);
  EXPECT_EQ(S().SelectedCourse->Name, (*CourseList)[0]->Name);
}

TEST_F(SelectorTest, FiveScoreSlotsHoldOnlyThisCourse) {
  EnterSelector();
  auto saved = BestScores;
  BestScores = std::make_shared<TBestScoreList>();
  BestScores->Add("Ann", -2, "1 Jan 2026", "14:05:00", 0, 1);
  BestScores->Add("Cid", 3, "2 Jan 2026", "00:30:00", 0, 0);
  BestScores->Add("Dee", 0, "3 Jan 2026", "late", 1, 0);
  Select(1);
  Select(0);
  EXPECT_EQ(S().Scores[0].name, "Ann");
  EXPECT_EQ(S().Scores[1].name, "Cid");
  for (int i = 2; i < 5; ++i) EXPECT_TRUE(S().Scores[static_cast<std::size_t>(i)].name.empty());
  BestScores = saved;
}

TEST(SelectorText, ScoresAndTimes) {
  EXPECT_EQ(TLevelSelectScreen::ScoreText(0), "E");
  EXPECT_EQ(TLevelSelectScreen::ScoreText(-2), "-2");
  EXPECT_EQ(TLevelSelectScreen::ScoreText(3), "+3");
  EXPECT_EQ(TLevelSelectScreen::ScoreTimeText("14:05:33"), "2:05pm");
  EXPECT_EQ(TLevelSelectScreen::ScoreTimeText("00:30"), "12:30am");
  EXPECT_EQ(TLevelSelectScreen::ScoreTimeText("12:00:00"), "12:00pm");
  EXPECT_EQ(TLevelSelectScreen::ScoreTimeText("late"), "late");
  EXPECT_EQ(TLevelSelectScreen::ScoreTimeText(""), "");
}

// Drawing, read back from the off-screen target.
class SelectorDrawTest : public SelectorTest {
 protected:
  // Columns of the till (y 492 to 524) where a pixel is much brighter than the till's dark face.
  static std::pair<int, int> InkColumns(int x0, int x1, int y0, int y1) {
    int lo = 9999, hi = -1;
    for (int x = x0; x < x1; ++x) {
      for (int y = y0; y < y1; ++y) {
        const auto p = quill_test::ScreenPixel(x, y);
        const int sum = static_cast<int>(((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255));
        if (sum > 300) {
          lo = std::min(lo, x);
          hi = std::max(hi, x);
          break;
        }
      }
    }
    return {lo, hi};
  }
};

TEST_F(SelectorDrawTest, CashOfNothingIsCentredOnTheTill) {
  EnterSelector();
  Player().Score = 0;
  Game->ScreenDraw();
  const auto [lo, hi] = InkColumns(60, 250, 494, 522);
  ASSERT_LT(lo, hi);
  EXPECT_NEAR((lo + hi) / 2.0, 153.0, 4.0);
  EXPECT_LT(hi - lo, 50);
}

TEST_F(SelectorDrawTest, OwnPlayedScoreIsDrawnInRed) {
  EnterSelector();
  S().Scores = {};
  S().Scores[0] = TSelectorScore{Player().Name, -1, "1 Jan 2026", "09:15:00", 1};
  S().Scores[1] = TSelectorScore{Player().Name, 2, "1 Jan 2026", "09:15:00", 0};
  Game->ScreenDraw();
  auto count = [](int y0, int y1, int r, int g, int b) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = 307; x < 700; ++x) {
        const auto p = quill_test::ScreenPixel(x, y);
        if (std::abs(static_cast<int>((p >> 16) & 255) - r) < 12 &&
            std::abs(static_cast<int>((p >> 8) & 255) - g) < 12 && std::abs(static_cast<int>(p & 255) - b) < 12)
          ++n;
      }
    }
    return n;
  };
  EXPECT_GT(count(392, 416, 200, 43, 0), 20);
  EXPECT_EQ(count(417, 440, 200, 43, 0), 0);
  EXPECT_GT(count(417, 440, 96, 43, 0), 20);
}

// The selected course, locked, shows its padlock at its row's end: the widest course name there
// ends before the padlock (drawn smaller to fit), and the padlock covers none of it.
TEST_F(SelectorDrawTest, TheSelectedLockedCoursesPadlockCoversNoneOfItsName) {
  EnterSelector();
  int widest = 1;
  for (int i = 1; i < S().ListBox->Count(); ++i) {
    if (WildshotFont->StringWidth((*CourseList)[static_cast<std::size_t>(i)]->Name) >
        WildshotFont->StringWidth((*CourseList)[static_cast<std::size_t>(widest)]->Name))
      widest = i;
  }
  const std::string name = (*CourseList)[static_cast<std::size_t>(widest)]->Name;
  const int room = TLevelSelectScreen::SELECTED_LOCK_X - S().ListBox->TextBorder;
  ASSERT_GT(WildshotFont->StringWidth(name), room) << name;  // too wide unless fitted
  Save().UnlockedCourses[static_cast<std::size_t>(widest)] = COURSE_LOCKED;
  Select(widest);
  S().ListBox->SetTopIndex(widest - 5);

  // The screen as drawn, and again with a padlock that shows nothing: the pixels that differ are
  // the padlock's, the dark ones of the selected row in the second are its name's.
  auto grab = [] {
    Game->ScreenDraw();
    std::vector<platform::Argb> px;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) px.push_back(quill_test::ScreenPixel(x, y));
    return px;
  };
  const auto with = grab();
  auto blank = std::make_shared<TGameImage>(*S().PadLock);
  blank->image =
      platform::CreateImage(S().PadLock->w, S().PadLock->h, 1, platform::IMAGE_DEFAULT_FLAGS);
  const auto padlock = S().PadLock;
  S().PadLock = blank;
  const auto without = grab();
  S().PadLock = padlock;
  if (const char* folder = std::getenv("QUILL_SELECTOR_SHOTS"))
    quill_test::SaveScreen(std::string(folder) + "/selector_padlock.png");

  const auto& list = *S().ListBox;
  const int top = static_cast<int>(list.Box->Y) + (widest - list.TopIndex) * list.LineHeight;
  const int left = static_cast<int>(list.Box->X);
  int lockLeft = 9999, lockPixels = 0, inkLeft = 9999, inkRight = -1, inkPixels = 0;
  for (int y = top; y < top + list.LineHeight; ++y) {
    for (int x = left; x < left + static_cast<int>(list.Box->W); ++x) {
      const auto i = static_cast<std::size_t>(y * 800 + x);
      if (with[i] != without[i]) {
        ++lockPixels;
        lockLeft = std::min(lockLeft, x);
      }
      const auto p = without[i];
      if (((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255) < 200) {
        ++inkPixels;
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x);
      }
    }
  }
  ASSERT_GT(lockPixels, 100);
  ASSERT_GT(inkPixels, 100);
  EXPECT_LT(inkRight, lockLeft) << name << " runs under its padlock";
  // The whole name is there, drawn smaller to the room before the padlock.
  EXPECT_NEAR(inkRight - inkLeft, room, 8) << name;
}

TEST_F(SelectorDrawTest, LongNamesAreCutAtTheirColumn) {
  EnterSelector();
  const std::string name = "Bartholomew Featherstonehaugh-Smythe";
  const std::string cut = WildshotFont->TruncateString(name, 140);
  EXPECT_LT(cut.size(), name.size());
  EXPECT_LE(WildshotFont->StringWidth(cut), 140.0);
  EXPECT_GT(WildshotFont->StringWidth(name.substr(0, cut.size() + 1)), 140.0);
}

}  // namespace
