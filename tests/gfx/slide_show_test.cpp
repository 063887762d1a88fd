#include "gfx/slide_show.h"

#include <gtest/gtest.h>

#include "gfx/image_bank.h"
#include "gfx/slide_line_list.h"
#include "gfx_test_support.h"
#include "util/types.h"

namespace {

class SlideShowTest : public gfx_test::DrawTest {
 protected:
  // A slide with a 40 x 40 picture at the middle of the screen, handle at its top-left corner.
  TSlideRef AddPictureSlide(TSlideShow& show, const TTransitionEffectRef& in,
                            const TTransitionEffectRef& hold, const TTransitionEffectRef& out,
                            platform::Argb colour) {
    auto slide = show.AddSlide("", 0, 0, in, hold, out, "");
    slide->Image = gfx_test::SolidGameImage(40, 40, {colour});
    slide->x = 380;
    slide->y = 280;
    return slide;
  }
  static TTransitionEffectRef Effect(int type, int ms) { return TTransitionEffect::Create(type, ms); }
};

TEST_F(SlideShowTest, PhasesFollowInHoldOutAndTheShowMovesOn) {
  TSlideShow show;
  auto in = Effect(1, 1500);
  in->ScrollSpeedX = 0.1f;
  auto hold = Effect(0, 2750);
  hold->ScrollSpeedX = 0.1f;
  auto out = Effect(2, 1500);
  out->ScrollSpeedX = 0.1f;
  auto first = AddPictureSlide(show, in, hold, out, 0xFFFF0000);
  AddPictureSlide(show, nullptr, Effect(0, 100), nullptr, 0xFF00FF00);
  EXPECT_EQ(in->Length, 300);
  for (int call = 1; call < 1150; ++call) {
    ASSERT_EQ(show.Manage(), 0) << call;
    if (call == 299) {
      EXPECT_EQ(first->CurrentEffect, in);
    }
    if (call == 300) {
      EXPECT_EQ(first->CurrentEffect, hold);
    }
    if (call == 850) {
      EXPECT_EQ(first->CurrentEffect, out);
    }
  }
  EXPECT_EQ(show.Manage(), 2);  // tick 1150: the second slide starts
  EXPECT_EQ(show.CurrentSlide, 1);
  EXPECT_NEAR(first->x, 380 - 115.0f, 1e-2);
  EXPECT_EQ(show.GetCurrentSlide()->LastSlide.lock(), first);
  for (int call = 1; call < 20; ++call) EXPECT_EQ(show.Manage(), 0);
  EXPECT_EQ(show.Manage(), 1);
  EXPECT_EQ(show.Finished, 1);
  EXPECT_EQ(show.CurrentSlide, 1);
  EXPECT_EQ(show.Manage(), 0);
  EXPECT_EQ(show.Draw(), 0);
}

TEST_F(SlideShowTest, OvershootCarriesIntoTheNextPhase) {
  TSlide slide;
  slide.InEffect = Effect(0, 50);  // 10 ticks
  slide.HoldEffect = Effect(0, 50);
  slide.CurrentEffect = slide.InEffect;
  Delta = 1.5f;
  for (int call = 1; call < 7; ++call) slide.Manage();
  EXPECT_EQ(slide.CurrentEffect, slide.InEffect);
  slide.Manage();  // Counter 10.5
  EXPECT_EQ(slide.CurrentEffect, slide.HoldEffect);
  EXPECT_FLOAT_EQ(slide.Counter, 0.5f);
}

TEST_F(SlideShowTest, UserManageHoldsTheSlideButNotItsClock) {
  TSlide slide;
  slide.HoldEffect = Effect(0, 50);
  slide.HoldEffect->ScrollSpeedX = 1;
  slide.CurrentEffect = slide.HoldEffect;
  slide.UserManage = [](TSlide&) { return 0; };
  int ended = 0;
  for (int call = 0; call < 10; ++call) ended += slide.Manage();
  EXPECT_EQ(ended, 1);
  EXPECT_FLOAT_EQ(slide.x, 0);
}

TEST_F(SlideShowTest, TwelveSlidesGiveElevenChangesAndOneEnd) {
  TSlideShow show;
  for (int i = 0; i < 12; ++i) AddPictureSlide(show, nullptr, Effect(0, 10), nullptr, 0xFFFFFFFF);
  int twos = 0, ones = 0;
  for (int call = 0; call < 100; ++call) {
    const int r = show.Manage();
    twos += r == 2;
    ones += r == 1;
  }
  EXPECT_EQ(twos, 11);
  EXPECT_EQ(ones, 1);
  EXPECT_EQ(show.CurrentSlide, 11);
}

TEST_F(SlideShowTest, DegenerateShowsNeitherCrashNorDivideByZero) {
  TSlideShow empty;
  EXPECT_EQ(empty.Draw(), 0);
  EXPECT_EQ(empty.Manage(), 1);
  EXPECT_EQ(empty.Manage(), 0);
  EXPECT_EQ(empty.GetCurrentSlide(), nullptr);

  TSlideShow odd;
  AddPictureSlide(odd, nullptr, nullptr, nullptr, 0xFFFFFFFF);      // no effect at all
  AddPictureSlide(odd, Effect(3, 0), nullptr, nullptr, 0xFFFF0000);  // 0 ticks
  EXPECT_EQ(odd.Draw(), 1);
  EXPECT_EQ(odd.Manage(), 2);
  EXPECT_EQ(odd.Draw(), 1);
  EXPECT_EQ(odd.Manage(), 1);

  TSlideShow crossFirst;
  AddPictureSlide(crossFirst, Effect(3, 100), nullptr, nullptr, 0xFFFF0000);  // nothing before it
  EXPECT_EQ(crossFirst.Draw(), 1);
  crossFirst.Manage();
  EXPECT_EQ(crossFirst.Draw(), 1);
}

TEST_F(SlideShowTest, CrossFadeDrawsTheNewSlideOverThePreviousOne) {
  TSlideShow show;
  AddPictureSlide(show, nullptr, Effect(0, 5), nullptr, 0xFF0000FF);
  auto second = AddPictureSlide(show, Effect(3, 1000), nullptr, nullptr, 0xFFFF0000);
  int drawnUnder = 0;
  show.Slides[0]->UserDraw = [&drawnUnder](TSlide&) { return ++drawnUnder; };
  EXPECT_EQ(show.Manage(), 2);
  for (int i = 0; i < 50; ++i) show.Manage();  // 50 of 200 ticks: alpha 0.25
  show.Draw();
  const auto p = Pixel(400, 300);
  EXPECT_NEAR(Red(p), 64, 3);
  EXPECT_NEAR(Blue(p), 191, 3);
  EXPECT_EQ(drawnUnder, 1);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
}

TEST_F(SlideShowTest, FadesDimTheScreenAndMasksScale) {
  TSlideShow show;
  AddPictureSlide(show, Effect(1, 1000), nullptr, nullptr, 0xFFFFFFFF);
  show.Draw();
  EXPECT_EQ(Pixel(400, 300) & 0xFFFFFF, 0u);  // opaque black at the start of a fade from black
  for (int i = 0; i < 100; ++i) show.Manage();
  show.Draw();
  EXPECT_NEAR(Red(Pixel(400, 300)), 128, 3);

  // A fade to black through a mask, without dimming: only the mask is drawn over the picture.
  TSlideShow masked;
  auto out = Effect(2, 1000);
  out->MaskImage = gfx_test::SolidGameImage(20, 20, {0xFF00FF00});
  out->MaskImage->MidHandle(1);
  out->MaskStartSize = 1.5f;
  out->MaskEndSize = 0.8f;
  AddPictureSlide(masked, nullptr, nullptr, out, 0xFFFF0000);
  for (int i = 0; i < 100; ++i) masked.Manage();
  platform::Cls();
  masked.Draw();  // mask at 1.15: 23 pixels wide about the centre
  EXPECT_EQ(Pixel(410, 300), 0xFF00FF00u);
  EXPECT_EQ(Pixel(414, 300), 0xFFFF0000u);
}

TEST_F(SlideShowTest, LetterBoxCoversTopAndBottom) {
  TSlideShow show;
  show.LetterBoxHeight = 370;
  auto slide = AddPictureSlide(show, nullptr, Effect(0, 1000), nullptr, 0xFFFFFFFF);
  slide->Image = gfx_test::SolidGameImage(800, 600, {0xFFFFFFFF});
  slide->x = 0;
  slide->y = 0;
  show.Draw();
  EXPECT_EQ(Pixel(10, 114) & 0xFFFFFF, 0u);
  EXPECT_EQ(Pixel(10, 115), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(10, 484), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(10, 485) & 0xFFFFFF, 0u);
}

TEST_F(SlideShowTest, APictureSlideIsCentredAndPrecached) {
  const std::string dir = gfx_test::ScratchFolder("slides");
  gfx_test::WritePng(dir + "intro/1.png", 64, 48, 0xFF102030);
  TSlideShow show;
  auto hold = Effect(0, 1000);
  auto slide = show.AddSlide(dir + "intro/1.png", 2, 1, nullptr, hold, nullptr, "first");
  EXPECT_EQ(slide->CurrentEffect, hold);
  EXPECT_FLOAT_EQ(slide->x, 400);
  EXPECT_FLOAT_EQ(slide->y, 300);
  EXPECT_EQ(slide->Image->midhandled, 1);
  EXPECT_TRUE(slide->name.empty());
  show.PreCache();
  show.Draw();
  EXPECT_EQ(Pixel(400, 300), 0xFF102030u);
  EXPECT_EQ(Pixel(367, 300) & 0xFFFFFF, 0u);
  show.Kill();
  EXPECT_EQ(show.Count(), 0);
  EXPECT_EQ(slide->Image, nullptr);
}

TEST_F(SlideShowTest, CopiedEffectsStartWithoutZoomOrMaskFade) {
  auto effect = Effect(1, 1000);
  effect->ZoomSpeed = 0.01f;
  effect->MaskAndFade = 1;
  effect->ScrollSpeedY = 2;
  auto copy = effect->CreateCopy();
  EXPECT_EQ(copy->MaskAndFade, 0);
  EXPECT_FLOAT_EQ(copy->ZoomSpeed, 0);
  EXPECT_FLOAT_EQ(copy->ScrollSpeedY, 2);
  EXPECT_EQ(copy->Length, 200);
}

class SlideLineTest : public gfx_test::GameTest {};

TEST_F(SlideLineTest, TravelsItsSegmentsAndRestsAtTheEnd) {
  TSlideLineList list;
  auto line = list.Add("caption", 0, 100, 400, 100, 1000);
  EXPECT_FLOAT_EQ(line->GetX(), 400);  // not started: at its final point
  line->AddPhaseSpecial(400, 100, 400, 500, 500);
  EXPECT_FLOAT_EQ(line->GetY(), 500);
  list.Start();
  EXPECT_FLOAT_EQ(line->GetX(), 0);
  Ticks(100, [&] { list.Manage(); });
  EXPECT_FLOAT_EQ(line->GetX(), 200);
  Ticks(100, [&] { list.Manage(); });
  EXPECT_FLOAT_EQ(line->GetX(), 400);
  EXPECT_FLOAT_EQ(line->GetY(), 100);
  Ticks(50, [&] { list.Manage(); });
  EXPECT_FLOAT_EQ(line->GetY(), 300);
  Ticks(50, [&] { list.Manage(); });
  EXPECT_EQ(line->Active, 0);
  EXPECT_FLOAT_EQ(line->GetY(), 500);
  list.Color->Set(255, 255, 255, 1.0f);
  EXPECT_EQ(line->Color->R, 255);
}

TEST_F(SlideLineTest, PhasesBeyondTheTableAreRefused) {
  TSlideLine line;
  line.InitLine("x", 0, 0, 1, 1, 100);
  int refused = 0;
  for (int i = 0; i < 60; ++i) refused += line.AddPhaseSpecial(0, 0, 1, 1, 100) != 0;
  EXPECT_EQ(line.TotalPhases, TSlideLine::PHASES);
  EXPECT_EQ(refused, 60 - (TSlideLine::PHASES - 1));
}

}  // namespace
