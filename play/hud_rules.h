#pragma once
// The HUD's rules as plain values: the pending multiplier of a run, the strings drawn on the ball,
// the reach and timing of the long-drive club swing, the time left of a timed hole, and the one
// rule by which the detail setting scales the optional sparkles. Nothing here draws or reads a
// global.

#include <string>

namespace hud_rules {

// The top level of the multiplier (shown as 5.0, or 7.0 with avatar item 7).
inline constexpr double MULTIPLIER_TOP = 3.0;
// Tolerance of the tests against the top level: 1e-5 held in single precision.
inline constexpr double MARGIN = static_cast<double>(0.00001f);

// The pending multiplier after a run of `driveLength` cards from the committed `multiplier`:
// multiplier + the table's rise for runs up to 23; the table's last entry (3.0) for longer runs;
// capped at the top level.
double PendingMultiplier(double multiplier, int driveLength);
// x, or the top level when x is within MARGIN of it or above.
double CapMultiplier(double x);

// The whole and fraction strings of a multiplier as drawn on the ball; `sevenX` is avatar item 7.
void MultiplierStrings(double x, bool sevenX, std::string& whole, std::string& frac);

// min(length - 5, 15) / 15: the reach of a long drive's club swing and strike.
float DistanceRatio(int length);
// The strike sound (1..5) of a swing of reach r.
int StrikeSound(float r);

// The club strip's frames of a long drive of `length` cards: the top of the back-swing, the last
// frame of the follow-through, and the sequence's whole length in ms.
struct ClubSwing {
  int back = 0;
  int end = 0;
  int lengthMs = 0;
};
ClubSwing ClubSwingFor(int length, int neutralFrame = 26, int framesTotal = 53);

// Time left of a timed hole in ms, raised to a whole second: ceil(t / 1000) * 1000 with
// t = limitMs - takenTicks * msPerTick, and 0 once t is below 0.
float TimeLeft(float limitMs, double takenTicks, float msPerTick);

// The detail setting (0..100): a count becomes trunc(count * particles / 100), multiplied first.
int DetailCount(int count, int particles);
// An interval over the detail ratio: baseMs * 100 / particles ms. Only called with particles > 0.
float DetailInterval(float baseMs, int particles);
// Logic ticks between two pointer sparkles: trunc(15 + 75 * (100 - particles) / 100).
int SparkleLength(int particles);

}  // namespace hud_rules
