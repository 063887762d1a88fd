// The ending run by the real game's logic step over the staged data: the rise and the ease, the
// window of the camera flashes, the pictures chosen by sex and avatar, the composed front page,
// and the ways back to the title screen.
#include "screens/game_finished_screen.h"

#include <gtest/gtest.h>

#include <memory>

#include "content/globals.h"
#include "core/game_fade.h"
#include "gfx/channel_array.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/slide.h"
#include "gfx/slide_show.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/story_screens_support.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"

namespace {

using story_test::Step;

class EndingTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!story_test::StartGame(0)) GTEST_SKIP() << "no data folder (build the data target)";
  }
  // The switch the play screen makes once the last purse is won.
  void Enter(int male, int avatar) {
    GameScreen->Player->SaveData->Male = male;
    GameScreen->Player->SaveData->Avatar = avatar;
    Game->DestinationTScreen = GameFinishedScreen;
    Game->NoFade = 1;
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
    Game->ScreenChange();
    ASSERT_EQ(Game->CurrentTScreen, GameFinishedScreen);
    platform::ClearAudioLog();
  }
  TGameFinishedScreen& Ending() { return *GameFinishedScreen; }
  float SlideY() { return Ending().SlideShow->GetCurrentSlide()->y; }
};

TEST_F(EndingTest, RisesEasesAndFlashesOnlyWhileTheSlideHolds) {
  Enter(1, 0);
  int firstFlash = 0;
  int lateFlashes = 0;
  int flashes = 0;
  float trophy0 = 0, slide0 = 0, head0 = 0;
  for (int step = 1; step <= 6200; ++step) {
    const float before = Ending().FlashCounter;
    Step();
    ASSERT_EQ(Game->CurrentTScreen, GameFinishedScreen) << step;
    if (Ending().FlashCounter > before) {
      ++flashes;
      if (firstFlash == 0) firstFlash = step;
      if (step >= 5200) ++lateFlashes;
    }
    if (step == 4200) {
      // The rise has just ended (4199 steps of it): the ease starts from where it left off.
      EXPECT_EQ(Ending().Anim->CurrentPhase, 1);
      EXPECT_NEAR(Ending().TrophyY, 150 - 0.144 * 4199, 0.05);
      EXPECT_NEAR(Ending().AvatarY, 920 - 0.192 * 4199, 0.05);
      trophy0 = Ending().TrophyPhase2Y;
      slide0 = Ending().BGPhase2Y;
      head0 = Ending().AvatarPhase2Y;
      EXPECT_FLOAT_EQ(Ending().TrophyY, trophy0);
    }
  }
  EXPECT_GT(firstFlash, 4000);
  EXPECT_GT(flashes, 0);
  EXPECT_EQ(lateFlashes, 0);
  // At rest: the ease added 80, 53 1/3 and 106 2/3 pixels of rise, in proportion to the speeds.
  EXPECT_EQ(Ending().Anim->Finished, 1);
  EXPECT_NEAR(trophy0 - Ending().TrophyY, 80.0, 1e-3);
  EXPECT_NEAR(slide0 - SlideY(), 160.0 / 3, 1e-3);
  EXPECT_NEAR(head0 - Ending().AvatarY, 320.0 / 3, 1e-3);
  EXPECT_GE(story_test::Starts("flashbulb.ogg"), flashes > 0 ? 1 : 0);
}

TEST_F(EndingTest, AClickAnywhereFadesToTheTitleWithMusicAndAnnouncer) {
  Enter(1, 2);
  story_test::Click(2);
  Step();
  TGameFade& fade = *Game->GameFade;
  EXPECT_EQ(fade.Active, 1);
  EXPECT_EQ(fade.Out, 1);
  EXPECT_EQ(fade.Length, 180);  // 3 x 300 ms
  EXPECT_EQ(fade.Channel, Game->MusicChannel);
  EXPECT_EQ(fade.Channel2, Ending().AnnouncerChannel);
  EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
  EXPECT_EQ(story_test::Starts("buttonclick.wav"), 1);  // the OK button's click
  int steps = 1;
  while (Game->CurrentTScreen == GameFinishedScreen && steps < 400) {
    Step();
    ++steps;
  }
  EXPECT_EQ(Game->CurrentTScreen, TitleScreen);
  EXPECT_NEAR(steps, 181, 2);
  EXPECT_FALSE(Ending().SlideShow);
  EXPECT_FALSE(Ending().AnnouncerChannel);
}

TEST_F(EndingTest, EscapeShowsTheOkButtonPressed) {
  Enter(0, 1);
  for (int step = 0; step < 50; ++step) Step();
  story_test::Key(27);
  Step();
  auto ok = Ending().Menu->FindButton("OK");
  ASSERT_TRUE(ok);
  EXPECT_GT(ok->MouseClickCounter, 0);
  EXPECT_EQ(Game->GameFade->Out, 1);
  EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
  // The OK button sits 5 pixels above the bottom edge.
  EXPECT_FLOAT_EQ(ok->y + ok->h, static_cast<float>(ScreenHeight - 5));
}

TEST_F(EndingTest, SexAndAvatarChooseEveryPictureAndTheSparkles) {
  Enter(0, 4);
  EXPECT_EQ(Ending().Avatar->name, "FEMALEHEAD5");
  EXPECT_EQ(Ending().Trophy->name, "FEMALE_TROPHY_LARGE");
  EXPECT_EQ(Ending().NewspaperAvatar->name, "LADY5");
  EXPECT_EQ(Ending().NewspaperTrophy->name, "GRAND_CHAMP_WOMEN");
  ASSERT_EQ(Ending().Sparkles->Count(), 9);
  auto first = Ending().Sparkles->At(0);
  EXPECT_FLOAT_EQ(first->x, 415);
  EXPECT_FLOAT_EQ(first->y, 225);
  EXPECT_FLOAT_EQ(first->DelayCounter, 1665 / 5.0f);
  EXPECT_FLOAT_EQ(Ending().Sparkles->At(8)->dy, 0);
  EXPECT_FLOAT_EQ(first->dy, -0.144f);
  EXPECT_EQ(Ending().NewspaperParticles->Count(), 5);
  EXPECT_EQ(Ending().Newspapers[4]->w, 300);
  EXPECT_EQ(Ending().Newspapers[4]->midhandled, 1);
}

// The way in: the scorecard reports the last course done with its purse won, the play screen fades
// out and the ending starts; any other course leads back to the course selector.
TEST_F(EndingTest, TheLastCoursesPurseLeadsToTheEnding) {
  struct Case {
    bool last;
    int purse;
    bool ending;
  };
  for (const Case c : {Case{true, 1, true}, Case{true, 0, false}, Case{false, 1, false}}) {
    TSaveData& save = *GameScreen->Player->SaveData;
    save.CourseName = c.last ? CourseList->back()->Name : CourseList->front()->Name;
    ScoreCardScreen->PurseWon = c.purse;
    Game->CurrentTScreen = GameScreen;
    Game->DestinationTScreen.reset();
    GameScreen->ScoreCardProcessResult(SCORECARD_COURSE_DONE);
    EXPECT_EQ(Game->DestinationTScreen == GameFinishedScreen, c.ending);
    if (!c.ending) {
      EXPECT_EQ(Game->DestinationTScreen, LevelSelectScreen);
      Game->GameFade->Finish();
      Game->GameFade->GetDone();
      continue;
    }
    for (int step = 0; step < 100 && Game->CurrentTScreen != GameFinishedScreen; ++step) Step();
    EXPECT_EQ(Game->CurrentTScreen, GameFinishedScreen);
    EXPECT_TRUE(Ending().SlideShow);
  }
}

// Frame 0 of a one-colour picture made on the spot.
std::shared_ptr<TGameImage> Solid(int w, int h, platform::Argb argb) {
  auto pixmap = platform::CreatePixmap(w, h);
  pixmap->Fill(argb);
  auto image = std::make_shared<TGameImage>();
  image->image = platform::LoadImageFromPixmap(pixmap, 0);
  image->GetSize();
  return image;
}

TEST_F(EndingTest, TheFrontPageIsComposedCentredPortraitOnTopAndClipped) {
  constexpr platform::Argb kPage = 0xFFF0F0F0, kRed = 0xFFC62828, kBlue = 0xFF3C6FB8;
  auto page = platform::CreatePixmap(300, 400);
  page->Fill(kPage);
  // Trophy 120 x 40 over x 140..259, y 166..205; portrait 20 x 10 over x 240..259, y 197..206.
  ComposeChampionPage(*page, *Solid(120, 40, kRed), *Solid(20, 10, kBlue));
  EXPECT_EQ(page->ReadPixel(200, 186), kRed);   // the trophy's centre
  EXPECT_EQ(page->ReadPixel(250, 202), kBlue);  // the portrait's centre, over the trophy
  EXPECT_EQ(page->ReadPixel(240, 197), kBlue);
  EXPECT_EQ(page->ReadPixel(239, 197), kRed);
  EXPECT_EQ(page->ReadPixel(250, 206), kBlue);  // below the trophy
  EXPECT_EQ(page->ReadPixel(139, 186), kPage);
  EXPECT_EQ(page->ReadPixel(260, 202), kPage);
  EXPECT_EQ(page->ReadPixel(200, 165), kPage);
  // A trophy larger than the page starts left of and above it: only the page's pixels change.
  auto small = platform::CreatePixmap(300, 400);
  small->Fill(kPage);
  ComposeChampionPage(*small, *Solid(700, 900, kRed), *Solid(20, 10, kBlue));
  EXPECT_EQ(small->Width(), 300);
  EXPECT_EQ(small->ReadPixel(0, 0), kRed);
  EXPECT_EQ(small->ReadPixel(299, 399), kRed);
  EXPECT_EQ(small->ReadPixel(250, 202), kBlue);
}

}  // namespace
