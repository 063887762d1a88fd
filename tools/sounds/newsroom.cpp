// The newsroom noises behind the newspaper page ("sound/newspaper/0..3.ogg", played now and then
// by the page's ambience): a typewriter with its bell, a desk telephone, a newspaper turned over,
// the printing press running in the next room.

#include <cmath>

#include "tools/sounds/registry.h"

namespace snd {

namespace {

// A key striking: a sharp tick, then the typebar's little thump.
void Key(Buf& b, double at, Rng& r) {
  AddBurst(b, at, 0.012, r.Range(2800, 4200), 1.2, r.Range(0.6, 0.9), r, 0.004);
  AddBurst(b, at + 0.004, 0.03, r.Range(350, 500), 1.0, 0.45, r, 0.012);
}

void Bell(Buf& b, double at, double freq, double amp) {
  Note n;
  n.start = at;
  n.freq = freq;
  n.amp = amp;
  n.attack = 0.002;
  n.length = 0.9;
  n.release = 0.1;
  AddNote(b, n, {{1, 1, 0.5}, {2.76, 0.5, 0.25}, {5.4, 0.25, 0.12}});
}

}  // namespace

void AddNewsroom(Registry& reg) {
  reg["sound/newspaper/0.ogg"] = [](Rng& r) {
    // A line typed in bursts, the carriage bell and the return.
    Buf b(Samples(2.6), 0.f);
    double t = 0.05;
    for (int word = 0; word < 6; ++word) {
      const int keys = r.Int(3, 7);
      for (int k = 0; k < keys; ++k) {
        Key(b, t, r);
        t += r.Range(0.07, 0.12);
      }
      t += r.Range(0.12, 0.2);
    }
    Bell(b, t, 2100, 0.35);
    AddBurst(b, t + 0.25, 0.35, 900, 0.6, 0.25, r, 0.15);
    return Mono(b);
  };
  reg["sound/newspaper/1.ogg"] = [](Rng& r) {
    // A desk telephone: two rings of a pair of bells struck twenty times a second.
    Buf b(Samples(3.0), 0.f);
    for (int ring = 0; ring < 2; ++ring) {
      const double start = 0.05 + ring * 1.5;
      for (int s = 0; s < 20; ++s) {
        Bell(b, start + s * 0.05, s % 2 ? 1250 : 1320, 0.18);
      }
    }
    Buf room = b;
    Filter(room, Biquad::LowPass, 3500, 0.7);
    Mix(room, Noise(Samples(3.0), r), 0, 0.004);
    return Mono(room);
  };
  reg["sound/newspaper/2.ogg"] = [](Rng& r) {
    // A broadsheet turned over and smoothed down.
    const double len = 1.4;
    Buf b = Noise(Samples(len), r);
    Filter(b, Biquad::BandPass, 2200, 0.5);
    Shape(b, [&](double t) {
      const double swell = std::exp(-std::pow((t - 0.35) / 0.18, 2)) + 0.5 * std::exp(-std::pow((t - 0.95) / 0.15, 2));
      return 0.5 * swell;
    });
    for (int i = 0; i < 26; ++i)
      AddBurst(b, r.Range(0.15, 1.2), r.Range(0.004, 0.014), r.Range(2500, 7000), 0.9, r.Range(0.2, 0.6), r, 0.003);
    AddBurst(b, 1.05, 0.08, 300, 0.8, 0.35, r, 0.03);
    return Mono(b);
  };
  reg["sound/newspaper/3.ogg"] = [](Rng& r) {
    // The press next door: a muffled rhythmic thump with the clack of the folder.
    Buf b(Samples(3.2), 0.f);
    for (int beat = 0; beat < 8; ++beat) {
      const double t = 0.1 + beat * 0.38;
      AddBurst(b, t, 0.12, 90, 0.9, 0.9, r, 0.06);
      AddBurst(b, t + 0.19, 0.03, 1500, 1.1, 0.35, r, 0.01);
    }
    Buf hum = BrownNoise(Samples(3.2), r);
    Filter(hum, Biquad::LowPass, 200, 0.7);
    Mix(b, hum, 0, 0.3);
    Filter(b, Biquad::LowPass, 2500, 0.7);
    Shape(b, [](double t) { return AHR(t, 0.3, 2.5, 0.4); });
    return Mono(b);
  };
}

}  // namespace snd
