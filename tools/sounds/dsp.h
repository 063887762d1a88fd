#pragma once
// Small signal-processing kit for the sound generator: seeded noise, filters, envelopes, tones,
// mixing, reverb and the finishing steps (DC removal, edge fades, peak normalising, seamless loops).
// Buffers hold float samples at 44.1 kHz in -1..1; times are in seconds unless a name says otherwise.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace snd {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Buf = std::vector<float>;

// One finished sound: mono when `right` is empty.
struct Sound {
  Buf left, right;
  bool loop = false;     // already made seamless: no edge fades are applied
  double peak_db = -3;   // the peak it is normalised to
  double max_rms_db = -14;  // effects: pure tones are turned down to this loudness
  double rms_db = 0;        // when below 0: brought to this loudness instead (peak still capped)
  bool levelled = false; // already at its loudness (speech): not normalised again
  bool Stereo() const { return !right.empty(); }
  std::size_t Frames() const { return left.size(); }
};

inline std::size_t Samples(double seconds) {
  return seconds <= 0 ? 0 : static_cast<std::size_t>(seconds * kRate + 0.5);
}

// xorshift64*: fast, and the same numbers on every machine for a seed.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : s_(seed ? seed : 0x9E3779B97F4A7C15ull) {
    for (int i = 0; i < 4; ++i) Next();
  }
  std::uint64_t Next() {
    s_ ^= s_ >> 12;
    s_ ^= s_ << 25;
    s_ ^= s_ >> 27;
    return s_ * 0x2545F4914F6CDD1Dull;
  }
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1)); }
  double Bipolar() { return Uniform() * 2.0 - 1.0; }
  bool Chance(double p) { return Uniform() < p; }

 private:
  std::uint64_t s_;
};

std::uint64_t HashName(const std::string& s);  // FNV-1a, for per-sound seeds

// RBJ biquad; set the kind once, then retune freely while running.
struct Biquad {
  enum Kind { LowPass, HighPass, BandPass, Peak };
  Kind kind = LowPass;
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
  void Set(Kind k, double freq, double q, double gain_db = 0);
  float Run(float x) {
    const double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return static_cast<float>(y);
  }
};

// Filters a whole buffer; `freq` may vary along the buffer (t01 runs 0..1 over it).
void Filter(Buf& b, Biquad::Kind kind, double freq, double q = 0.707, double gain_db = 0);
void FilterSweep(Buf& b, Biquad::Kind kind, const std::function<double(double t01)>& freq,
                 double q = 0.707);
void OnePoleLow(Buf& b, double freq);

Buf Noise(std::size_t n, Rng& rng);
Buf PinkNoise(std::size_t n, Rng& rng);
Buf BrownNoise(std::size_t n, Rng& rng);

// Multiplies by env(t seconds).
void Shape(Buf& b, const std::function<double(double t)>& env);
// Attack (linear) then exponential decay with time constant tau; 0 before start.
double AD(double t, double attack, double tau);
// Attack, hold at 1, release (all linear); the total is attack + hold + release.
double AHR(double t, double attack, double hold, double release);
double Smooth(double x);  // 0..1 -> 0..1 smoothstep

// Adds src into dst starting at `at` seconds (dst grows as needed).
void Mix(Buf& dst, const Buf& src, double at = 0, double gain = 1);
void Gain(Buf& b, double g);
double Peak(const Buf& b);
double Rms(const Buf& b);

// A tone made of partials (ratio to the fundamental, relative amplitude, decay time constant).
struct Partial {
  double ratio, amp, tau;
};
// Adds a note: `freq` may glide exponentially to `freq_end` over `length`; attack in seconds; the
// note is cut with a short release at `length`. Vibrato depth in semitones.
struct Note {
  double start = 0, freq = 440, freq_end = 0, amp = 0.5, attack = 0.005, length = 1,
         release = 0.05, vibrato = 0, vibrato_rate = 5;
};
void AddNote(Buf& b, const Note& n, const std::vector<Partial>& partials);
// Plucked string (Karplus-Strong) of `length` seconds; brightness 0..1.
void AddPluck(Buf& b, double start, double freq, double amp, double length, double brightness,
              Rng& rng);
// A short noise burst band-passed at `freq` (claps, ticks, clicks).
void AddBurst(Buf& b, double start, double length, double freq, double q, double amp, Rng& rng,
              double tau = 0);
// A bird-like chirp: a sine that glides from f0 to f1 along a curve, with a soft envelope.
void AddChirp(Buf& b, double start, double length, double f0, double f1, double amp,
              double curve = 1.0);

// Plain equal-tempered pitch: semitones above A4.
double Hz(double semis_from_a4);
// Name like "C4", "F#3", "Bb5".
double NoteHz(const std::string& name);

// Stereo helpers.
void Pan(const Buf& mono, Buf& l, Buf& r, double at, double pan, double gain = 1);
void Reverb(Buf& l, Buf& r, double wet, double room, double damp = 0.3);

// Finishing.
void RemoveDc(Buf& b);
void EdgeFades(Buf& b, double seconds);
void Normalise(Sound& s, double peak_db);
// RMS of the sounding part (pauses and silent tails left out).
double ActiveRms(const Buf& b);
void NormaliseRms(Buf& b, double rms_db, double peak_db);
// Makes [0, loop_len) seamless: what lies beyond loop_len is folded back onto the head, faded
// over `fold` seconds (added when `add`, for decaying tails, else cross-faded with equal power),
// then the loop is turned so that it starts on a rising zero crossing, the quietest found in the
// last `before` seconds or the first `after` seconds of the loop.
void MakeLoop(Sound& s, double loop_len, double fold, bool add, double before = 0.05,
              double after = 0.01);
Sound Mono(Buf b);
Sound StereoOf(Buf l, Buf r);

}  // namespace snd
