#include "wildshot/ball_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "util/strings.h"

namespace {

struct DriveEnd {
  std::string yards;
  int ticks = 0;
  int bounces = 0;
};

// A drive on the real layout: tee at 20 across, ground 48 above the bottom of a 900-pixel world.
DriveEnd Drive(double angle) {
  TDriveBall ball;
  ball.x = 20;
  ball.y = 900 - 48;
  ball.groundY = 900 - 48;
  DriveLaunch(ball, angle);
  DriveEnd end;
  for (end.ticks = 1; end.ticks < 100000; ++end.ticks) {
    const TDriveStep step = DriveTick(ball, 1.0);
    end.bounces += step.bounceVolume >= 0;
    if (step.stopped) break;
  }
  end.yards = ccRoundFloatToString(DriveDistance(ball.x, 20, 350), 2);
  return end;
}

TEST(LongDriveTest, TheDriveTableAtTheGivenAngles) {
  const struct {
    double angle;
    const char* yards;
    int sound;  // 0 tiny .. 4 perfect
  } table[] = {{0, "0.00", 0},      {38, "343.53", 3}, {40, "350.68", 3}, {44, "353.28", 4},
               {48, "352.28", 3},   {90, "64.75", 0},  {42, nullptr, 3}, {47, nullptr, 3},
               {20, nullptr, 0},    {70, nullptr, 0},  {24, nullptr, 1}, {35, nullptr, 2}};
  for (const auto& row : table) {
    const DriveEnd end = Drive(row.angle);
    if (row.yards) {
      EXPECT_EQ(end.yards, row.yards) << row.angle << " degrees";
    }
    EXPECT_EQ(DriveSoundClass(row.angle), row.sound) << row.angle << " degrees";
  }
  for (int angle = 0; angle <= 90; angle += 2) EXPECT_LT(Drive(angle).ticks, 100000) << angle;
}

TEST(LongDriveTest, TargetsAndPrizesByCourse) {
  EXPECT_EQ(DriveTarget(0.0f), 250);
  EXPECT_EQ(DriveTarget(0.5f), 300);
  EXPECT_EQ(DriveTarget(1.0f), 350);
  EXPECT_EQ(DriveTarget(CourseRatio(34, 70)), 300);
  EXPECT_EQ(DrivePrize(350.68f, 350), 351);
  EXPECT_EQ(DrivePrize(353.28f, 350), 353);
  EXPECT_EQ(DrivePrize(343.53f, 350), 0);
  EXPECT_EQ(DrivePrize(350.0f, 350), 0);  // equal to the target loses
  EXPECT_EQ(DrivePrize(250.4f, 250), 250);
}

TEST(ArrowTest, SwingsReverseExactlyAtTheEnds) {
  double angle = 0;
  float speed = 2.0f;
  for (int i = 0; i < 45; ++i) SwingArrow(angle, speed, 0, 90, 1.0);
  EXPECT_EQ(angle, 90.0);
  EXPECT_EQ(speed, -2.0f);
  for (int i = 0; i < 45; ++i) SwingArrow(angle, speed, 0, 90, 1.0);
  EXPECT_EQ(angle, 0.0);
  EXPECT_EQ(speed, 2.0f);

  angle = 15;
  speed = 1.0f;
  for (int i = 0; i < 150; ++i) SwingArrow(angle, speed, 15, 165, 1.0);
  EXPECT_EQ(angle, 165.0);
  angle = 164.6;
  speed = 0.8f;
  SwingArrow(angle, speed, 15, 165, 1.0);
  EXPECT_NEAR(angle, 164.6, 1e-5);
  EXPECT_LT(speed, 0);
}

TEST(CourseRatioTest, StaysWithinZeroAndOne) {
  EXPECT_FLOAT_EQ(CourseRatio(2, 5), 0.5f);
  EXPECT_FLOAT_EQ(CourseRatio(0, 1), 0.0f);  // one course
  EXPECT_FLOAT_EQ(CourseRatio(-1, 5), 0.0f);  // a course missing from the list
  EXPECT_FLOAT_EQ(CourseRatio(4, 5), 1.0f);
  EXPECT_FLOAT_EQ(CourseRatio(0, 0), 0.0f);
}

TPuttBall Green(float ratio, double holeY = 132) {
  TPuttBall ball;
  ball.x = 45;
  ball.y = 132;
  ball.holeX = PuttHoleX(ratio, 416, 3, 20);
  ball.holeY = holeY;
  ball.speed = ball.shotSpeed = PuttShotSpeed(ratio);
  return ball;
}

TEST(PuttingTest, HolePlaceSpeedAndPrizeByCourse) {
  EXPECT_EQ(PuttHoleX(0, 416, 3, 20), 208);
  EXPECT_EQ(PuttHoleX(1, 416, 3, 20), 378);
  EXPECT_EQ(PuttHoleSpread(0, 264, 6, 20), 0);
  EXPECT_EQ(PuttHoleSpread(1, 264, 6, 20), 91);
  EXPECT_NEAR(PuttShotSpeed(0), 2.1, 1e-6);
  EXPECT_NEAR(PuttShotSpeed(1), 2.9, 1e-6);
  EXPECT_EQ(PuttPrize(0.0f), 250);
  EXPECT_EQ(PuttPrize(0.25f), 400);
  EXPECT_EQ(PuttPrize(0.5f), 500);
  EXPECT_EQ(PuttPrize(1.0f), 750);
}

TEST(PuttingTest, EveryAngleEndsAndAStraightPuttDropsIn) {
  for (float ratio : {0.0f, 1.0f})
    for (int angle = 15; angle <= 165; ++angle) {
      TPuttBall ball = Green(ratio, ratio == 0 ? 132 : 41 + angle % 183);
      PuttStrike(ball, angle);
      int ticks = 0;
      for (; ticks < 20000; ++ticks) {
        const TPuttStep s = PuttTick(ball, 1.0);
        ASSERT_GE(ball.x, 11 - 1e-9);
        ASSERT_LE(ball.x, 405 + 1e-9);
        ASSERT_GE(ball.y, 14 - 1e-9);
        ASSERT_LE(ball.y, 250 + 1e-9);
        if (s.holed || s.stopped) break;
      }
      EXPECT_LT(ticks, 20000) << "ratio " << ratio << " angle " << angle;
    }
  TPuttBall ball = Green(0);
  PuttStrike(ball, 90);
  bool holed = false;
  for (int i = 0; i < 20000 && !holed; ++i) holed = PuttTick(ball, 1.0).holed;
  EXPECT_TRUE(holed);
}

TEST(PuttingTest, CushionsKeepTheSpeedAndMirrorTheDepth) {
  TPuttBall ball = Green(0, 200);
  ball.holeX = 300;
  ball.x = 400;
  ball.speed = ball.shotSpeed = 2.0;
  ball.xs = 8.0;  // well past the right cushion this tick
  ball.ys = 0;
  ball.speed = 8.0;
  ball.friction = 0;
  const TPuttStep s = PuttTick(ball, 1.0);
  ASSERT_EQ(s.bounces, 1);
  EXPECT_DOUBLE_EQ(ball.x, 2 * 413 - 16 - 408.0);
  EXPECT_DOUBLE_EQ(ball.xs, -8.0);
  EXPECT_DOUBLE_EQ(s.bounceVolume[0], 8.0 / 2.0);
  // A vertical roll stays vertical (an x speed of 0 no longer turns it to the right).
  TPuttBall up = Green(0, 200);
  up.holeX = 300;
  up.x = 100;
  up.y = 100;
  up.xs = 0;
  up.ys = -1.5;
  up.speed = 1.5;
  PuttTick(up, 1.0);
  EXPECT_NEAR(up.xs, 0.0, 1e-12);
  EXPECT_LT(up.ys, 0.0);
}

TEST(PuttingTest, ABallCloseToTheHoleDropsInAtAnySpeed) {
  for (double speed : {0.5, 2.9, 12.0}) {
    TPuttBall ball = Green(0);
    ball.x = ball.holeX - 11.9;
    ball.y = ball.holeY;
    ball.speed = ball.shotSpeed = speed;
    ball.xs = speed;
    EXPECT_TRUE(PuttTick(ball, 1.0).holed) << speed;
  }
}

}  // namespace
