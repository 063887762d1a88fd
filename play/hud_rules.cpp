#include "play/hud_rules.h"

#include <algorithm>
#include <cmath>

#include "play/hud.h"

namespace hud_rules {

double CapMultiplier(double x) { return x + MARGIN >= MULTIPLIER_TOP ? MULTIPLIER_TOP : x; }

double PendingMultiplier(double multiplier, int driveLength) {
  const auto& table = THUD::MultiplierArray;
  const int last = static_cast<int>(table.size()) - 1;
  double pending;
  if (driveLength < 0) pending = multiplier;
  else if (driveLength <= last) pending = multiplier + table[static_cast<std::size_t>(driveLength)];
  else pending = table[static_cast<std::size_t>(last)];
  return CapMultiplier(pending);
}

void MultiplierStrings(double x, bool sevenX, std::string& whole, std::string& frac) {
  const std::string top = sevenX ? "7" : "5";
  if (x >= MULTIPLIER_TOP) {
    whole = top;
    frac = "0";
    return;
  }
  const double w = std::floor(x);
  // Single precision, with 0.05 to absorb the representation error of decimal fractions.
  const float f = 10.0f * static_cast<float>(x - w) + 0.05f;
  int tenth = static_cast<int>(std::floor(f));
  int whole_n = static_cast<int>(w);
  if (tenth >= 10) {
    tenth = 0;
    whole_n += 1;
  }
  if (whole_n >= 3) {
    whole = top;
    frac = "0";
    return;
  }
  whole = std::to_string(whole_n);
  frac = std::to_string(tenth);
}

float DistanceRatio(int length) {
  return static_cast<float>(std::min(length - 5, 15)) / 15.0f;
}

int StrikeSound(float r) {
  if (r < 0.2f) return 1;
  if (r < 0.4f) return 2;
  if (r < 0.6f) return 3;
  if (r < 0.8f) return 4;
  return 5;
}

namespace {
int RoundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }
}  // namespace

ClubSwing ClubSwingFor(int length, int neutralFrame, int framesTotal) {
  const float r = DistanceRatio(length);
  const int n = neutralFrame;
  ClubSwing s;
  s.back = RoundHalfUp(n - r * n);
  s.end = 5 + RoundHalfUp(n + r * (framesTotal - (n + 1) - 5));
  s.lengthMs = THUD::LD_PARTICLE_TIME + THUD::LD_SWINGBACK_TIME * length + THUD::LD_SWINGTHROUGH_TIME;
  return s;
}

float TimeLeft(float limitMs, double takenTicks, float msPerTick) {
  float t = static_cast<float>(limitMs - takenTicks * msPerTick);
  if (!(t >= 0)) t = 0;
  return std::ceil(t / 1000.0f) * 1000.0f;
}

int DetailCount(int count, int particles) {
  return static_cast<int>(static_cast<long long>(count) * particles / 100);
}

float DetailInterval(float baseMs, int particles) {
  return baseMs * 100.0f / static_cast<float>(particles);
}

int SparkleLength(int particles) { return 15 + 75 * (100 - particles) / 100; }

}  // namespace hud_rules
