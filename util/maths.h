#pragma once
// Maths, geometry and random numbers: a fast random integer over the C library's generator,
// a cubic Bezier point, vector arithmetic, circle-segment and point-in-quad tests, distances,
// rectangle overlap, powers of two, easing, clamps and musical pitch ratios.
//
// The vector functions work on the sprite library's TVector and TLine without knowing them
// (this library sits below it): they are templates over any vector type with fields x, y and the
// named operations, and any segment type with fields sx, sy, ex, ey.

#include <cmath>
#include <memory>

#include "platform/audio.h"
#include "util/types.h"

// min + rand() % (max - min + 1); max must not be below min (then min is returned).
int ccFastRand(int min, int max);
// srand(seed). Returns 0.
int ccFastRandSeed(int seed);

// The point at t of the cubic Bezier from (x0, y0) to (x1, y1) with control points (cx0, cy0)
// and (cx1, cy1). Returns 0.
int ccBezier(float x0, float y0, float x1, float y1, float cx0, float cy0, float cx1, float cy1,
             float t, float& x, float& y);

// New vectors a + b, a - b and a * k (the arguments are not changed). V is TVector.
template <class V>
auto ccVectorAdd(const V& a, const V& b) {
  return V::CreateFromVectorsAdded(a, b);
}
template <class V>
auto ccVectorSubtract(const V& a, const V& b) {
  return V::CreateFromVectorsSubtracted(b, a);
}
template <class V>
auto ccVectorMultiply(const V& a, double k) {
  return V::CreateFromVectorScaled(a, k);
}

// 1 when the segment's nearest point to (cx, cy) lies within r: `touching` counts when
// `inclusive`. Shared by the two circle tests.
int ccCircleSegmentTest(double sx, double sy, double ex, double ey, double cx, double cy, double r,
                        bool inclusive);
// 1 when the segment comes within the circle's radius of its centre, touching included. L is TLine.
template <class L>
int ccCircleLineIntersect(const TCircle& circle, const L& line) {
  return ccCircleSegmentTest(line.sx, line.sy, line.ex, line.ey, circle.x, circle.y, circle.r, true);
}
// The same on plain numbers, touching not counted.
int ccCircleLineIntersect2(double x1, double y1, double x2, double y2, double cx, double cy, double r);
double ccPointToPointDist(double x1, double y1, double x2, double y2);
// 1 when (px, py) lies strictly inside the convex quad whose corners run clockwise on screen.
int ccGenericPointInQuad(int px, int py, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                         int y4);
// 1 when the rectangles share area (touching edges do not count).
int ccRectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);

// The smallest power of two >= n (1 for n <= 1; n up to 2^30).
int ccPow2Size(int n);
// 0.5 + sin((r - 0.5) * 180 degrees) / 2.
float ccRatioToSine180(float r);
// Clamps to 0..100. Returns 0.
int ccRangeCheck100(int& value);
// a + b, stopping at the largest or the smallest int instead of wrapping. Every sum of money (cash,
// winnings, prizes, purses, earnings) goes through it.
int ccSaturatingAdd(int a, int b);
// A whole amount held in a double (a product of money and a rate), rounded towards zero and
// stopped at the int range; 0 for NaN.
int ccSaturatingInt(double value);
// 1 when x is 0 or lies strictly within the tolerance of 0.
int ccAlmostZero(double x, double tolerance);
// (x - ScreenWidth / 2) / ScreenWidth: -0.5 at the left edge, 0.5 at the right.
float ccCalcPan(float x);
// 2^(n / 12).
float ccGetMusicalNote(int n);
// 2^(s / 12) with s the semitone of the n-th note of the C-major scale from 0.
float ccGetMusicalNoteInScaleC(int n);
// Stops the channel when it is not null. Returns 0.
int ccStopChannel(const platform::ChannelRef& channel);
