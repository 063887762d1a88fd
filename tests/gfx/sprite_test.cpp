#include "gfx/sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "gfx/sine_counter.h"
#include "gfx_test_support.h"
#include "util/types.h"

namespace {

using gfx_test::DrawTest;
using gfx_test::GameTest;

class SpriteTest : public GameTest {};

TEST_F(SpriteTest, MoveAppliesGravityAfterThePositionStep) {
  TSprite s;
  s.dx = 2;
  s.dy = 1;
  s.ygravity = 0.5f;
  s.Move();
  EXPECT_FLOAT_EQ(s.x, 2);
  EXPECT_FLOAT_EQ(s.y, 1);  // the velocity of before the gravity step
  EXPECT_FLOAT_EQ(s.dy, 1.5f);
  s.ygravity = -1;  // negative gravity does nothing
  s.Move();
  EXPECT_FLOAT_EQ(s.dy, 1.5f);
  EXPECT_FLOAT_EQ(s.y, 2.5f);

  Delta = 0.25f;  // a part tick moves a part step
  s.ygravity = 0.5f;
  s.Move();
  EXPECT_FLOAT_EQ(s.x, 4.5f);
  EXPECT_FLOAT_EQ(s.y, 2.875f);
  EXPECT_FLOAT_EQ(s.dy, 1.625f);
}

TEST_F(SpriteTest, MoveForwardFollowsTheRotation) {
  TSprite s;
  s.Rotation = 90;
  s.speed = 2;
  s.MoveForward();
  EXPECT_NEAR(s.x, 2, 1e-5);
  EXPECT_NEAR(s.y, 0, 1e-5);
  s.Rotation = 0;  // heading 0 points up the screen
  s.MoveForward();
  EXPECT_NEAR(s.y, -2, 1e-5);
}

TEST_F(SpriteTest, ScaleAndRotationRunForTheirWholeTicks) {
  TSprite s;
  s.SetupScale(0.01f, 0.02f, 1000);
  s.SetupRotation(1.5f, 1000);
  EXPECT_EQ(s.ScaleLength, 200);
  EXPECT_EQ(s.RotationLength, 200);
  Ticks(200, [&] {
    s.ManageScale();
    s.ManageRotation();
  });
  EXPECT_NEAR(s.ScaleX, 3.0f, 1e-4);
  EXPECT_NEAR(s.ScaleY, 5.0f, 1e-4);
  EXPECT_NEAR(s.Rotation, 300.0f, 1e-3);  // not wrapped into 0..360
  s.ManageScale();
  s.ManageRotation();
  EXPECT_NEAR(s.ScaleX, 3.0f, 1e-4);  // the counter has run out
  EXPECT_NEAR(s.Rotation, 300.0f, 1e-3);
}

TEST_F(SpriteTest, FractionalDeltaTakesAWholeLastStep) {
  TSprite s;
  s.SetupRotation(1.0f, 10);  // 2 ticks
  Delta = 0.75f;
  int steps = 0;
  while (s.RotationCounter > 0) {
    s.ManageRotation();
    ++steps;
  }
  EXPECT_EQ(steps, 3);  // 2 - 0.75 - 0.75 = 0.5 > 0, so a third step of 0.75 runs
  EXPECT_FLOAT_EQ(s.Rotation, 2.25f);
  EXPECT_FLOAT_EQ(s.RotationCounter, -0.25f);
}

TEST_F(SpriteTest, SetScaleXYUsesTheFirstForBothWhenTheSecondIsZero) {
  TSprite s;
  s.SetScaleXY(2, 0);
  EXPECT_FLOAT_EQ(s.ScaleY, 2);
  s.SetScaleXY(2, 3);
  EXPECT_FLOAT_EQ(s.ScaleX, 2);
  EXPECT_FLOAT_EQ(s.ScaleY, 3);
}

TEST_F(SpriteTest, ForwardAnimationShowsEachFrameAndWrapsWithTheCallback) {
  TSprite s;
  int stopped = 0;
  s.AnimStoppedFunction = [&stopped](TSprite&) { return ++stopped; };
  s.SetupAnim(4, 1000, 1, 0, 0);
  EXPECT_EQ(s.AnimLength, 200);
  EXPECT_EQ(s.CurrentDrawFrame(), s.ImageFrame);  // counter 0: the still frame
  Ticks(49, [&] { EXPECT_EQ(s.ManageAnim(), 0); });
  EXPECT_EQ(s.frame, 0);
  s.ManageAnim();
  EXPECT_EQ(s.frame, 1);
  Ticks(149, [&] { EXPECT_EQ(s.ManageAnim(), 0); });
  EXPECT_EQ(s.frame, 3);
  EXPECT_EQ(s.ManageAnim(), 1);  // the counter reaches 200
  EXPECT_EQ(stopped, 1);
  EXPECT_FLOAT_EQ(s.AnimCounter, 0);
  EXPECT_EQ(s.CurrentDrawFrame(), s.ImageFrame);
}

struct AnimCase {
  int dir, reverse;
  float start;
  std::vector<int> frames;  // frame after ticks 1, 51, 101, 151 of a 4-frame, 200-tick cycle
};

void PrintTo(const AnimCase& c, std::ostream* os) {
  *os << "dir " << c.dir << " reverse " << c.reverse;
}

class SpriteAnimDirections : public GameTest, public ::testing::WithParamInterface<AnimCase> {};

TEST_P(SpriteAnimDirections, FramesRunInTheTablesOrder) {
  const AnimCase& c = GetParam();
  TSprite s;
  int stopped = 0;
  s.AnimStoppedFunction = [&stopped](TSprite&) { return ++stopped; };
  s.SetupAnim(4, 1000, c.dir, c.reverse, 0);
  EXPECT_FLOAT_EQ(s.AnimCounter, c.start);
  std::vector<int> seen;
  for (int tick = 1; tick <= 200; ++tick) {
    s.ManageAnim();
    if (tick % 50 == 1) seen.push_back(s.frame);
  }
  EXPECT_EQ(seen, c.frames);
  EXPECT_EQ(stopped, 1);  // one wrap per cycle
}

INSTANTIATE_TEST_SUITE_P(
    AllFour, SpriteAnimDirections,
    ::testing::Values(AnimCase{1, 0, 0.0f, {0, 1, 2, 3}}, AnimCase{1, 1, 200.0f, {3, 2, 1, 0}},
                      AnimCase{0, 0, 200.0f, {0, 1, 2, 3}}, AnimCase{0, 1, 0.1f, {3, 2, 1, 0}}));

TEST_F(SpriteTest, RandomStartLiesInsideTheCycle) {
  TSprite s;
  for (int i = 0; i < 50; ++i) {
    s.SetupAnim(4, 1000, 1, 0, 1);
    EXPECT_GE(s.AnimCounter, 0.1f);
    EXPECT_LE(s.AnimCounter, 200.0f);
  }
}

TEST_F(SpriteTest, GlowDecaysToZeroAndPulsesBetweenItsBounds) {
  TSprite decay;
  decay.SetGlow(TSprite::GLOW_DECAY, 1.0f, 0.3f, 0, 1);
  Ticks(4, [&] { decay.ManageGlow(); });
  EXPECT_EQ(decay.Glow, 0.0f);
  decay.ManageGlow();
  EXPECT_EQ(decay.Glow, 0.0f);

  TSprite pulse;
  pulse.SetGlow(TSprite::GLOW_PULSE, 0.5f, 1.0f, 0.2f, 0.8f);
  EXPECT_FLOAT_EQ(pulse.Glow, 0.5f);  // until the first tick
  Ticks(90, [&] { pulse.ManageGlow(); });
  EXPECT_NEAR(pulse.Glow, 0.8f, 1e-4);
  Ticks(90, [&] { pulse.ManageGlow(); });
  EXPECT_NEAR(pulse.Glow, 0.2f, 1e-4);
}

TEST_F(SpriteTest, BoundsCheckAndOutOfBoundsUseTheUnscaledHalves) {
  TSprite s;
  s.SetImage(gfx_test::SolidGameImage(100, 50, {0xFFFFFFFF}));
  s.x = 10;
  s.y = 300;
  s.BoundsCheck();
  EXPECT_FLOAT_EQ(s.x, 50);
  s.x = 790;
  s.BoundsCheck();
  EXPECT_FLOAT_EQ(s.x, 750);

  s.x = -99;  // top-left handle: off only when wholly left of the screen
  EXPECT_EQ(s.OutOfBounds(), 0);
  s.x = -101;
  EXPECT_EQ(s.OutOfBounds(), 1);
  s.image->MidHandle(1);
  s.x = -49;
  EXPECT_EQ(s.OutOfBounds(), 0);
  s.x = -51;
  EXPECT_EQ(s.OutOfBounds(), 1);
}

TEST_F(SpriteTest, MadeFromAFileCentredOnTheScreen) {
  const std::string dir = gfx_test::ScratchFolder("sprites");
  gfx_test::WritePng(dir + "header.png", 101, 40, 0xFFFFFFFF);
  Game->ImagePath = dir;
  auto s = TSprite::CreateFromFile("header", 5, 6, 1, -1);
  EXPECT_FLOAT_EQ(s->x, 400);
  EXPECT_FLOAT_EQ(s->y, 300);
  EXPECT_EQ(s->w, 101);
  EXPECT_FLOAT_EQ(s->w2, 50);
  EXPECT_EQ(s->image->midhandled, 1);
  EXPECT_EQ(s->image->name, "HEADER");
  s->image->MidHandle(0);
  s->CentreX(77);
  EXPECT_EQ(s->image->midhandled, 1);
  EXPECT_FLOAT_EQ(s->y, 77);
  EXPECT_FLOAT_EQ(s->Width(), 101);
  s->ScaleX = 2;
  s->BaseScaleX = 3;  // the base scale does not enter the width
  EXPECT_FLOAT_EQ(s->Width(), 202);
}

TEST_F(SpriteTest, OriginalCoordsMoveAndScaleBack) {
  TSprite s;
  s.x = 10;
  s.y = 20;
  s.StoreOriginalCoords();
  s.dx = 1;
  s.dy = 2;
  s.MoveOriginalCoords();
  EXPECT_FLOAT_EQ(s.x, 10);
  EXPECT_FLOAT_EQ(s.ox, 11);
  s.BaseScaleX = 2;
  s.BaseScaleY = 0.5f;
  s.ScaleOriginalCoords();
  EXPECT_FLOAT_EQ(s.x, 22);
  EXPECT_FLOAT_EQ(s.y, 11);
}

class SpriteDrawTest : public DrawTest {};

TEST_F(SpriteDrawTest, DrawsTheAnimatedFrameAtItsPosition) {
  TSprite s;
  s.SetImage(gfx_test::SolidGameImage(10, 10, {0xFFFF0000, 0xFF00FF00}));
  s.x = 100;
  s.y = 100;
  s.Draw();
  EXPECT_EQ(Pixel(105, 105), 0xFFFF0000u);  // frame ImageFrame 0
  EXPECT_EQ(Pixel(111, 105) & 0xFFFFFF, 0u);
  s.SetupAnim(2, 1000, 1, 0, 0);
  Ticks(150, [&] { s.ManageAnim(); });
  s.Draw();
  EXPECT_EQ(Pixel(105, 105), 0xFF00FF00u);
}

TEST_F(SpriteDrawTest, RoundedDrawPutsTheImageOnWholePixelsButNotItsShadow) {
  platform::SetClsColor(255, 255, 255);
  platform::Cls();
  TSprite s;
  s.SetImage(gfx_test::SolidGameImage(4, 4, {0xFF0000FF}));
  s.RoundCoords = 1;
  s.Shadow = 1;
  s.ShadowAlpha = 1.0f;  // an opaque shadow reads back as plain black
  s.x = 10.5f;
  s.y = 10;
  s.Draw();
  EXPECT_EQ(Pixel(11, 11) & 0xFFFFFF, 0x0000FFu);  // image from x = 11
  EXPECT_EQ(Pixel(10, 11) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(Pixel(16, 14) & 0xFFFFFF, 0x000000u);  // shadow from 13.5 to 17.5
  // Drawing put the state back.
  int r, g, b;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r + g + b, 3 * 255);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
}

TEST_F(SpriteDrawTest, HiddenSpriteDrawsNothingAndLeavesTheState) {
  TSprite s;
  s.SetImage(gfx_test::SolidGameImage(10, 10, {0xFFFF0000}));
  s.x = 50;
  s.y = 50;
  s.visible = 0;
  s.GlowMode = 1;
  s.Glow = 1;
  s.Draw();
  EXPECT_EQ(s.DrawLight(1, 1, 1, 1, nullptr), 0);
  EXPECT_EQ(Pixel(55, 55) & 0xFFFFFF, 0u);
  EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
  s.DrawWithOffset();  // makes no visible test
  EXPECT_EQ(Pixel(55, 55), 0xFFFF0000u);
}

TEST_F(SpriteDrawTest, GlowPassAddsLightInTheGlowColour) {
  TSprite s;
  s.SetImage(gfx_test::SolidGameImage(10, 10, {0xFF404040}));
  s.x = 200;
  s.y = 200;
  s.SetGlow(TSprite::GLOW_STEADY, 0.5f, 0, 0, 1);
  s.Draw();
  // 0x40 drawn, plus 0x40 modulated by the glow colour 127: about 0x40 + 0x20.
  const auto p = Pixel(205, 205);
  EXPECT_NEAR(Red(p), 0x40 + 0x20, 2);
  EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
}

TEST_F(SpriteDrawTest, TintAndAlphaApplyAndAreRestored) {
  TSprite s;
  s.SetImage(gfx_test::SolidGameImage(10, 10, {0xFFFFFFFF}));
  s.x = 300;
  s.y = 300;
  s.Color = TColor::Create(0, 255, 0, 1.0f);
  s.Alpha = 0.5f;
  s.Draw();
  const auto p = Pixel(305, 305);
  EXPECT_EQ(Red(p), 0);
  EXPECT_NEAR(Green(p), 128, 2);
  int r, g, b;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r + g + b, 3 * 255);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
}

}  // namespace
