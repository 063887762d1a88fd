#include "util/maths.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Segment {
  double sx, sy, ex, ey;
};

}  // namespace

TEST(Maths, CircleAgainstSegment) {
  const Segment line{0, 0, 10, 0};
  TCircle circle;
  circle.x = 5;
  circle.y = 5;
  circle.r = 5;
  EXPECT_EQ(ccCircleLineIntersect2(0, 0, 10, 0, 5, 5, 5), 0);  // touching does not count
  EXPECT_EQ(ccCircleLineIntersect2(0, 0, 10, 0, 5, 5, 5.01), 1);
  EXPECT_EQ(ccCircleLineIntersect(circle, line), 1);  // touching counts
  // Beyond the end of the segment the distance is measured from the end point (exactly 5).
  EXPECT_EQ(ccCircleLineIntersect2(0, 0, 10, 0, 13, 4, 5), 0);
  circle.x = 13;
  circle.y = 4;
  EXPECT_EQ(ccCircleLineIntersect(circle, line), 1);
  // A segment of no length is measured from its point, without dividing by zero.
  EXPECT_EQ(ccCircleLineIntersect2(1, 1, 1, 1, 1, 2, 2), 1);
}

TEST(Maths, PointInQuadAndRectangles) {
  EXPECT_EQ(ccGenericPointInQuad(5, 5, 0, 0, 10, 0, 10, 10, 0, 10), 1);
  EXPECT_EQ(ccGenericPointInQuad(0, 5, 0, 0, 10, 0, 10, 10, 0, 10), 0);
  EXPECT_EQ(ccGenericPointInQuad(5, 5, 0, 10, 10, 10, 10, 0, 0, 0), 0);
  EXPECT_EQ(ccRectsOverlap(0, 0, 10, 10, 10, 0, 10, 10), 0);
  EXPECT_EQ(ccRectsOverlap(0, 0, 10, 10, 9, 9, 10, 10), 1);
  EXPECT_DOUBLE_EQ(ccPointToPointDist(0, 0, 3, 4), 5.0);
}

TEST(Maths, RandomNumbersRepeatFromASeed) {
  for (int i = 0; i < 20; ++i) EXPECT_EQ(ccFastRand(5, 5), 5);
  ccFastRandSeed(1234);
  std::vector<int> first;
  for (int i = 0; i < 10; ++i) {
    first.push_back(ccFastRand(0, 1));
    EXPECT_TRUE(first.back() == 0 || first.back() == 1);
  }
  ccFastRandSeed(1234);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(ccFastRand(0, 1), first[static_cast<std::size_t>(i)]);
}

TEST(Maths, SmallNumericHelpers) {
  const int sizes[][2] = {{0, 1}, {1, 1}, {2, 2}, {3, 4}, {513, 1024}};
  for (const auto& s : sizes) EXPECT_EQ(ccPow2Size(s[0]), s[1]) << s[0];
  int v = -5;
  ccRangeCheck100(v);
  EXPECT_EQ(v, 0);
  v = 250;
  ccRangeCheck100(v);
  EXPECT_EQ(v, 100);
  v = 42;
  ccRangeCheck100(v);
  EXPECT_EQ(v, 42);
  EXPECT_EQ(ccAlmostZero(-0.001, 0.01), 1);
  EXPECT_EQ(ccAlmostZero(0.01, 0.01), 0);
  EXPECT_EQ(ccAlmostZero(0, 0), 1);
  EXPECT_FLOAT_EQ(ccCalcPan(400), 0.0f);
  EXPECT_FLOAT_EQ(ccCalcPan(0), -0.5f);
  EXPECT_FLOAT_EQ(ccGetMusicalNoteInScaleC(7), 2.0f);
  EXPECT_NEAR(ccGetMusicalNoteInScaleC(4), 1.4983, 1e-4);
  EXPECT_FLOAT_EQ(ccGetMusicalNote(12), 2.0f);
  EXPECT_NEAR(ccRatioToSine180(0.25f), 0.1464, 1e-4);
  EXPECT_FLOAT_EQ(ccRatioToSine180(1.0f), 1.0f);
  EXPECT_EQ(ccStopChannel(nullptr), 0);
}

TEST(Maths, BezierEnds) {
  float x = 0, y = 0;
  ccBezier(0, 0, 30, 60, 10, 20, 20, 40, 0, x, y);
  EXPECT_FLOAT_EQ(x, 0);
  ccBezier(0, 0, 30, 60, 10, 20, 20, 40, 1, x, y);
  EXPECT_FLOAT_EQ(y, 60);
  ccBezier(0, 0, 30, 60, 10, 20, 20, 40, 0.5f, x, y);  // controls at the thirds: the midpoint
  EXPECT_FLOAT_EQ(x, 15);
  EXPECT_FLOAT_EQ(y, 30);
}

// Sums of money stop at the ends of the int instead of wrapping; every other sum is exact.
TEST(Maths, SaturatingSumsStopAtTheEndsOfTheInt) {
  const struct {
    int a, b, sum;
  } cases[] = {
      {2147483641, 6, 2147483647},   {2147483642, 6, 2147483647}, {2147483647, 2147483647, 2147483647},
      {2147483640, 6, 2147483646},   {-2147483647, -1, -2147483647 - 1},
      {-2147483647 - 1, -500, -2147483647 - 1}, {300, -500, -200}, {1000, 250, 1250},
  };
  for (const auto& c : cases) EXPECT_EQ(ccSaturatingAdd(c.a, c.b), c.sum) << c.a << " + " << c.b;
  EXPECT_EQ(ccSaturatingInt(2147483647.0 * 1.15), 2147483647);
  EXPECT_EQ(ccSaturatingInt(-1e300), -2147483647 - 1);
  EXPECT_EQ(ccSaturatingInt(1234.9), 1234);
  EXPECT_EQ(ccSaturatingInt(std::nan("")), 0);
}
