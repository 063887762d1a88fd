#include "util/maths.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "util/globals.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

int ccFastRand(int min, int max) {
  if (max < min) return min;
  const std::int64_t span = static_cast<std::int64_t>(max) - min + 1;
  return static_cast<int>(min + std::rand() % span);
}

int ccFastRandSeed(int seed) {
  std::srand(static_cast<unsigned>(seed));
  return 0;
}

int ccBezier(float x0, float y0, float x1, float y1, float cx0, float cy0, float cx1, float cy1,
             float t, float& x, float& y) {
  const double td = t;
  const double u = 1.0 - td;
  x = static_cast<float>(x0 * u * u * u + 3.0 * cx0 * u * u * td + 3.0 * cx1 * u * td * td +
                         x1 * td * td * td);
  y = static_cast<float>(y0 * u * u * u + 3.0 * cy0 * u * u * td + 3.0 * cy1 * u * td * td +
                         y1 * td * td * td);
  return 0;
}

int ccCircleSegmentTest(double sx, double sy, double ex, double ey, double cx, double cy, double r,
                        bool inclusive) {
  const double dx = ex - sx, dy = ey - sy;
  const double wx = cx - sx, wy = cy - sy;
  double t = (wx * dx + wy * dy) / (dx * dx + dy * dy);
  // Also catches a zero-length segment, whose quotient is not a number.
  if (!(t >= 0)) t = 0;
  if (t > 1) t = 1;
  const double nx = sx + t * dx, ny = sy + t * dy;
  if (inclusive) {
    const double ddx = cx - nx, ddy = cy - ny;
    return ddx * ddx + ddy * ddy <= r * r ? 1 : 0;
  }
  return ccPointToPointDist(cx, cy, nx, ny) < r ? 1 : 0;
}

int ccCircleLineIntersect2(double x1, double y1, double x2, double y2, double cx, double cy, double r) {
  return ccCircleSegmentTest(x1, y1, x2, y2, cx, cy, r, false);
}

double ccPointToPointDist(double x1, double y1, double x2, double y2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

int ccGenericPointInQuad(int px, int py, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                         int y4) {
  const int xs[5] = {x1, x2, x3, x4, x1};
  const int ys[5] = {y1, y2, y3, y4, y1};
  for (int k = 0; k < 4; ++k) {
    const std::int64_t side = static_cast<std::int64_t>(py - ys[k]) * (xs[k + 1] - xs[k]) -
                              static_cast<std::int64_t>(px - xs[k]) * (ys[k + 1] - ys[k]);
    if (side <= 0) return 0;
  }
  return 1;
}

int ccRectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
  return (x1 < x2 + w2 && x2 < x1 + w1 && y1 < y2 + h2 && y2 < y1 + h1) ? 1 : 0;
}

int ccPow2Size(int n) {
  int size = 1;
  while (size < n && size < (1 << 30)) size *= 2;
  return size;
}

float ccRatioToSine180(float r) {
  return static_cast<float>(0.5 + std::sin((r - 0.5) * 2.0 * 90.0 * kPi / 180.0) / 2.0);
}

int ccRangeCheck100(int& value) {
  if (value < 0) value = 0;
  if (value > 100) value = 100;
  return 0;
}

int ccSaturatingAdd(int a, int b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b);
  return static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX));
}

int ccSaturatingInt(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(
      std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

int ccAlmostZero(double x, double tolerance) {
  if (x == 0) return 1;
  if (x > 0 && x < tolerance) return 1;
  if (x < 0 && x > -tolerance) return 1;
  return 0;
}

float ccCalcPan(float x) {
  const int width = ScreenWidth > 0 ? ScreenWidth : 800;
  return (x - static_cast<float>(width / 2)) / static_cast<float>(width);
}

float ccGetMusicalNote(int n) { return static_cast<float>(std::pow(2.0, n / 12.0)); }

float ccGetMusicalNoteInScaleC(int n) {
  static constexpr int kThresholds[] = {1, 2, 4, 5, 6, 8, 9, 11, 12, 13};
  int s = n;
  for (int threshold : kThresholds) {
    if (n >= threshold) ++s;
  }
  return static_cast<float>(std::pow(2.0, s / 12.0));
}

int ccStopChannel(const platform::ChannelRef& channel) {
  if (channel) channel->Stop();
  return 0;
}
