#include "tools/sounds/instruments.h"

#include <algorithm>
#include <cmath>

namespace snd {

const Instrument& Bell() {
  static const Instrument i{{{0.5, 0.25, 2.5}, {1, 1, 1.6}, {1.19, 0.35, 1.1}, {1.5, 0.3, 0.9},
                             {2.0, 0.35, 0.7}, {2.52, 0.15, 0.45}, {3.0, 0.12, 0.3}, {4.2, 0.08, 0.18}},
                            0.002, 0.4, 0};
  return i;
}
const Instrument& Glock() {
  static const Instrument i{{{1, 1, 0.9}, {2.76, 0.35, 0.25}, {5.4, 0.18, 0.08}, {8.93, 0.08, 0.04}},
                            0.001, 0.2, 0};
  return i;
}
const Instrument& Marimba() {
  static const Instrument i{{{1, 1, 0.45}, {3.93, 0.28, 0.07}, {9.2, 0.08, 0.02}}, 0.002, 0.08, 0};
  return i;
}
const Instrument& Piano() {
  static const Instrument i{{{1, 1, 1.4}, {2, 0.5, 0.7}, {3, 0.28, 0.45}, {4, 0.14, 0.3},
                             {5, 0.08, 0.2}, {6, 0.04, 0.15}},
                            0.004, 0.12, 0};
  return i;
}
const Instrument& Flute() {
  static const Instrument i{{{1, 1, 0}, {2, 0.22, 0}, {3, 0.09, 0}, {4, 0.03, 0}}, 0.06, 0.12, 0.12};
  return i;
}
const Instrument& Brass() {
  static const Instrument i{{{1, 1, 0}, {2, 0.7, 0}, {3, 0.5, 0}, {4, 0.32, 0}, {5, 0.2, 0},
                             {6, 0.12, 0}, {7, 0.07, 0}, {8, 0.04, 0}},
                            0.03, 0.1, 0.06};
  return i;
}
const Instrument& Pad() {
  static const Instrument i{{{1, 1, 0}, {2, 0.35, 0}, {3, 0.15, 0}, {4, 0.06, 0}, {1.003, 0.6, 0},
                             {2.006, 0.2, 0}},
                            0.35, 0.8, 0.05};
  return i;
}
const Instrument& Bass() {
  static const Instrument i{{{1, 1, 1.2}, {2, 0.45, 0.5}, {3, 0.15, 0.25}}, 0.008, 0.1, 0};
  return i;
}
const Instrument& Reed() {
  static const Instrument i{{{1, 0.6, 0}, {2, 0.8, 0}, {3, 0.9, 0}, {4, 0.6, 0}, {5, 0.5, 0},
                             {6, 0.35, 0}, {7, 0.25, 0}, {8, 0.15, 0}, {9, 0.1, 0}},
                            0.02, 0.05, 0.08};
  return i;
}

void Play(Buf& b, const Instrument& inst, double start, double freq, double length, double amp) {
  Note n;
  n.start = start;
  n.freq = freq;
  n.amp = amp;
  n.attack = inst.attack;
  n.release = inst.release;
  n.length = length;
  n.vibrato = inst.vibrato;
  AddNote(b, n, inst.partials);
}

void Arpeggio(Buf& b, const Instrument& inst, const std::vector<std::string>& notes, double start,
              double step, double ring, double amp) {
  for (std::size_t i = 0; i < notes.size(); ++i)
    Play(b, inst, start + static_cast<double>(i) * step, NoteHz(notes[i]), ring, amp);
}

void Chord(Buf& b, const Instrument& inst, const std::vector<std::string>& notes, double start,
           double ring, double amp, double strum) {
  for (std::size_t i = 0; i < notes.size(); ++i)
    Play(b, inst, start + static_cast<double>(i) * strum, NoteHz(notes[i]), ring,
         amp / std::sqrt(static_cast<double>(notes.size())));
}

Vowel VowelOf(char name) {
  switch (name) {
    case 'e': return {530, 1840, 2480};
    case 'y': return {480, 2000, 2600};
    case 'o': return {570, 840, 2410};
    case 'u': return {300, 870, 2240};
    case 'w': return {640, 1000, 2500};
    case 'h': return {520, 1190, 2390};
    case 'i': return {270, 2290, 3010};
    default: return {730, 1090, 2440};
  }
}

Buf Voice(const VoiceSettings& v, Rng& rng) {
  const std::size_t n = Samples(v.length + v.release);
  Buf out(n);
  Biquad f[3];
  double phase = 0, jit = 0, jit_target = 0, trem = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double u = std::min(t / v.length, 1.0);
    if (i % 64 == 0) jit_target = rng.Bipolar() * v.jitter;
    jit += (jit_target - jit) * 0.01;
    double f0 = v.f0 * std::pow(v.f0_end / v.f0, u) * (1 + jit);
    double amp = 1;
    if (v.tremolo > 0) {
      trem += 2 * kPi * v.tremolo / kRate;
      const double m = std::sin(trem);
      f0 *= 1 + 0.03 * v.tremolo_depth * m;
      amp *= 1 - v.tremolo_depth * 0.5 * (1 - m);
    }
    const double dt = f0 / kRate;
    phase += dt;
    if (phase >= 1) phase -= 1;
    // Band-limited sawtooth (polyBLEP).
    double saw = 2 * phase - 1;
    if (phase < dt) {
      const double x = phase / dt;
      saw -= x + x - x * x - 1;
    } else if (phase > 1 - dt) {
      const double x = (phase - 1) / dt;
      saw -= x * x + x + x + 1;
    }
    const double src = saw * (1 - v.breath) + rng.Bipolar() * v.breath;
    if (i % 32 == 0) {
      const double fs[3] = {v.v0.f1 + (v.v1.f1 - v.v0.f1) * u, v.v0.f2 + (v.v1.f2 - v.v0.f2) * u,
                            v.v0.f3 + (v.v1.f3 - v.v0.f3) * u};
      for (int k = 0; k < 3; ++k) {
        const double z1 = f[k].z1, z2 = f[k].z2;
        f[k].Set(Biquad::BandPass, fs[k], fs[k] / (60 + fs[k] * 0.06));
        f[k].z1 = z1, f[k].z2 = z2;
      }
    }
    const float s = static_cast<float>(src);
    const double y = f[0].Run(s) + 0.55 * f[1].Run(s) + 0.3 * v.brightness * f[2].Run(s);
    double env = t < v.attack ? t / v.attack : 1.0;
    if (t > v.length) env *= std::max(0.0, 1 - (t - v.length) / v.release);
    out[i] = static_cast<float>(y * env * amp);
  }
  return out;
}

Buf Applause(double length, int clappers, double density, Rng& rng) {
  Buf out(Samples(length), 0.f);
  for (int c = 0; c < clappers; ++c) {
    const double rate = rng.Range(3.2, 5.0) * density;
    const double freq = rng.Range(700, 2600);
    const double stop = length * rng.Range(0.55, 0.95);
    double t = rng.Range(0.0, 0.25);
    const double loud = rng.Range(0.4, 1.0);
    while (t < stop) {
      const double fade = t > stop - 0.4 ? std::max(0.0, (stop - t) / 0.4) : 1.0;
      AddBurst(out, t, 0.014, freq * rng.Range(0.9, 1.1), 1.3, loud * fade, rng, 0.0035);
      t += (1 / rate) * rng.Range(0.85, 1.15);
    }
  }
  return out;
}

Buf Crowd(double length, bool cheer, double size, Rng& rng) {
  Buf out(Samples(length), 0.f);
  const int voices = 8 + static_cast<int>(size * 36);
  for (int k = 0; k < voices; ++k) {
    VoiceSettings v;
    const bool low = rng.Chance(0.55);
    const double base = low ? rng.Range(95, 150) : rng.Range(185, 280);
    v.breath = rng.Range(0.15, 0.35);
    v.jitter = 0.03;
    if (cheer) {
      v.f0 = base * rng.Range(1.15, 1.45);
      v.f0_end = base * rng.Range(0.85, 1.05);
      v.v0 = VowelOf(rng.Chance(0.5) ? 'i' : 'y');
      v.v1 = VowelOf(rng.Chance(0.6) ? 'a' : 'e');
      v.attack = rng.Range(0.04, 0.15);
      v.length = length * rng.Range(0.3, 0.7);
      v.release = rng.Range(0.2, 0.45);
    } else {
      v.f0 = base * rng.Range(1.1, 1.3);
      v.f0_end = base * rng.Range(0.62, 0.8);
      v.v0 = VowelOf(rng.Chance(0.5) ? 'o' : 'w');
      v.v1 = VowelOf(rng.Chance(0.5) ? 'u' : 'h');
      v.breath = rng.Range(0.06, 0.18);  // a groan is voiced: little air, or it turns to wind
      v.attack = rng.Range(0.08, 0.25);
      v.length = length * rng.Range(0.45, 0.75);
      v.release = rng.Range(0.3, 0.6);
    }
    Mix(out, Voice(v, rng), rng.Range(0.0, cheer ? 0.25 : 0.35), rng.Range(0.35, 1.0));
  }
  // The murmur of the rest of the crowd.
  Buf bed = PinkNoise(Samples(length), rng);
  Filter(bed, Biquad::BandPass, cheer ? 900 : 600, 0.9);
  Shape(bed, [&](double t) { return AD(t, 0.15, length * 0.35); });
  Mix(out, bed, 0, cheer ? 0.6 + size : 0.2 + 0.3 * size);
  if (cheer) {
    Mix(out, Applause(length, 10 + static_cast<int>(size * 36), 1.0, rng), 0, 0.5 + 0.4 * size);
    const int whistles = size > 0.45 ? rng.Int(1, 1 + static_cast<int>(size * 2.5)) : 0;
    for (int w = 0; w < whistles; ++w) {
      const double at = rng.Range(0.15, length * 0.4);
      const double f = rng.Range(1900, 2600);
      AddChirp(out, at, 0.22, f * 0.8, f * 1.3, 0.35, 0.6);
      AddChirp(out, at + 0.3, 0.45, f * 1.3, f * 0.75, 0.35, 1.4);
    }
  }
  return out;
}

Buf Whoosh(double length, double f0, double f1, double q, Rng& rng) {
  Buf b = Noise(Samples(length), rng);
  FilterSweep(b, Biquad::BandPass, [&](double u) { return f0 * std::pow(f1 / f0, u); }, q);
  Shape(b, [&](double t) {
    const double u = t / length;
    const double s = std::sin(kPi * std::pow(u, 0.75));
    return s * s;
  });
  return b;
}

Buf CardFlip(double length, double pitch, Rng& rng) {
  Buf b(Samples(length), 0.f);
  AddBurst(b, 0, 0.004, 3200 * pitch, 0.9, 0.9, rng, 0.0015);
  Buf air = Noise(Samples(length), rng);
  Filter(air, Biquad::HighPass, 1200, 0.7);
  FilterSweep(air, Biquad::BandPass, [&](double u) { return (2000 + 3500 * u) * pitch; }, 1.2);
  Shape(air, [&](double t) { return AD(t, 0.006, length / 3.5); });
  Mix(b, air, 0, 0.8);
  AddBurst(b, length * 0.55, 0.006, 2400 * pitch, 1.0, 0.7, rng, 0.002);
  Mix(b, Thud(230 * pitch, 0.04, rng), length * 0.55, 0.35);
  b.resize(Samples(length));
  return b;
}

Buf CardSlide(double length, double brightness, Rng& rng) {
  Buf b = Noise(Samples(length), rng);
  Filter(b, Biquad::LowPass, 1500 + 3000 * brightness, 0.7);
  Filter(b, Biquad::HighPass, 300, 0.7);
  double grain = 1, target = 1;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (i % 220 == 0) target = 0.6 + 0.4 * rng.Uniform();
    grain += (target - grain) * 0.02;
    b[i] = static_cast<float>(b[i] * grain);
  }
  Shape(b, [&](double t) { return AHR(t, 0.02, std::max(0.0, length - 0.1), 0.08); });
  return b;
}

Buf Click(double freq, double length, Rng& rng) {
  Buf b(Samples(length), 0.f);
  AddBurst(b, 0, 0.002, freq * 1.5, 0.7, 0.8, rng, 0.0008);
  Note n;
  n.freq = freq;
  n.amp = 0.6;
  n.attack = 0.0005;
  n.length = length;
  n.release = 0.002;
  AddNote(b, n, {{1, 1, length / 4}, {2.3, 0.4, length / 8}});
  b.resize(Samples(length));
  return b;
}

Buf Knock(double freq, double length, Rng& rng) {
  Buf b(Samples(length), 0.f);
  Note n;
  n.freq = freq;
  n.amp = 0.8;
  n.attack = 0.0008;
  n.length = length;
  n.release = 0.005;
  AddNote(b, n, {{1, 1, length / 4}, {2.42, 0.5, length / 8}, {3.9, 0.25, length / 16}});
  AddBurst(b, 0, 0.004, 2000, 0.8, 0.6, rng, 0.0015);
  b.resize(Samples(length));
  return b;
}

Buf Clink(double freq, double length, Rng& rng) {
  Buf b(Samples(length), 0.f);
  Note n;
  n.freq = freq;
  n.amp = 0.6;
  n.attack = 0.0005;
  n.length = length;
  n.release = 0.01;
  AddNote(b, n, {{1, 1, length * 0.45}, {2.76, 0.55, length * 0.3}, {5.4, 0.3, length * 0.18},
                 {8.93, 0.18, length * 0.1}});
  AddBurst(b, 0, 0.002, 6000, 0.8, 0.4, rng, 0.0008);
  b.resize(Samples(length));
  return b;
}

Buf Thud(double freq, double length, Rng& rng) {
  Buf b(Samples(length), 0.f);
  Note n;
  n.freq = freq * 1.6;
  n.freq_end = freq;
  n.amp = 1;
  n.attack = 0.002;
  n.length = length;
  n.release = 0.005;
  AddNote(b, n, {{1, 1, length / 3}, {2, 0.2, length / 6}});
  Buf noise = Noise(Samples(length * 0.5), rng);
  Filter(noise, Biquad::LowPass, freq * 4, 0.7);
  Shape(noise, [&](double t) { return AD(t, 0.001, length / 8); });
  Mix(b, noise, 0, 0.5);
  b.resize(Samples(length));
  return b;
}

Buf Splash(double length, Rng& rng) {
  Buf b = Noise(Samples(length), rng);
  FilterSweep(b, Biquad::BandPass, [&](double u) { return 3500 * std::pow(700.0 / 3500, u); }, 0.8);
  Shape(b, [&](double t) { return AD(t, 0.006, length / 3.5); });
  Mix(b, Bubbles(length * 0.85, 14, rng), length * 0.1, 0.5);
  b.resize(Samples(length));
  return b;
}

Buf Bubbles(double length, int count, Rng& rng) {
  Buf b(Samples(length), 0.f);
  for (int i = 0; i < count; ++i) {
    const double at = rng.Range(0, length - 0.06);
    const double f = rng.Range(400, 1500);
    AddChirp(b, at, rng.Range(0.02, 0.05), f, f * rng.Range(1.4, 1.9), rng.Range(0.3, 0.8), 0.5);
  }
  return b;
}

Buf Sparkle(double length, int count, double low, double high, Rng& rng) {
  Buf b(Samples(length + 0.3), 0.f);
  for (int i = 0; i < count; ++i) {
    const double at = length * std::pow(rng.Uniform(), 1.3);
    const double f = low * std::pow(high / low, rng.Uniform());
    const double fade = 1 - at / (length + 0.3);
    Note n;
    n.start = at;
    n.freq = f;
    n.amp = 0.3 * fade * rng.Range(0.5, 1.0);
    n.attack = 0.001;
    n.length = 0.25;
    n.release = 0.05;
    AddNote(b, n, {{1, 1, 0.08}, {2.76, 0.3, 0.03}});
  }
  return b;
}

Buf Beep(double freq, double length, double amp) {
  Buf b;
  Note n;
  n.freq = freq;
  n.amp = amp;
  n.attack = 0.004;
  n.length = length;
  n.release = 0.015;
  AddNote(b, n, {{1, 1, 0}, {3, 0.12, 0}, {2, 0.08, 0}});
  return b;
}

Buf Crackle(double length, int count, Rng& rng) {
  Buf b(Samples(length + 0.01), 0.f);
  for (int i = 0; i < count; ++i) {
    const double at = length * std::pow(rng.Uniform(), 0.8);
    AddBurst(b, at, rng.Range(0.001, 0.004), rng.Range(1500, 6000), 0.8,
             rng.Range(0.3, 1.0) * (1 - at / length * 0.7), rng, 0.0008);
  }
  return b;
}

Buf Firework(double launch, double burst, Rng& rng) {
  Buf b(Samples(launch + burst), 0.f);
  if (launch > 0) {
    const double f = rng.Range(900, 1300);
    AddChirp(b, 0, launch, f, f * 2.4, 0.18, 0.8);
    Buf hiss = Noise(Samples(launch), rng);
    Filter(hiss, Biquad::HighPass, 3000, 0.7);
    Shape(hiss, [&](double t) { return Smooth(t / launch) * 0.8 + 0.2; });
    Mix(b, hiss, 0, 0.12);
  }
  Mix(b, Thud(rng.Range(50, 70), std::min(0.9, burst), rng), launch, 1.0);
  Buf boom = Noise(Samples(burst), rng);
  Filter(boom, Biquad::LowPass, 500, 0.7);
  Shape(boom, [&](double t) { return AD(t, 0.003, 0.3); });
  Mix(b, boom, launch, 0.9);
  Mix(b, Crackle(burst * 0.8, static_cast<int>(burst * 90), rng), launch + 0.12, 0.5);
  return b;
}

Buf Wind(double length, double low, double high, double gustiness, Rng& rng) {
  Buf b = PinkNoise(Samples(length), rng);
  double p[3], ph[3];
  for (int k = 0; k < 3; ++k) p[k] = rng.Range(3, 11), ph[k] = rng.Range(0, 2 * kPi);
  auto gust = [&](double t) {
    double g = 0;
    for (int k = 0; k < 3; ++k) g += std::sin(2 * kPi * t / p[k] + ph[k]);
    return Smooth(0.5 + g / 6);
  };
  FilterSweep(b, Biquad::BandPass, [&](double u) { return low + (high - low) * gust(u * length); }, 0.7);
  Shape(b, [&](double t) {
    const double g = gust(t);
    return (1 - gustiness) + gustiness * g * std::sqrt(g);
  });
  return b;
}

void AddBirdPhrase(Buf& b, double start, int kind, double amp, Rng& rng) {
  const double base = rng.Range(2600, 4600);
  double t = start;
  switch (kind % 5) {
    case 0: {  // quick rising tweets
      const int n = rng.Int(2, 5);
      for (int i = 0; i < n; ++i) {
        AddChirp(b, t, 0.045, base * 0.8, base * 1.25, amp, 0.7);
        t += rng.Range(0.08, 0.12);
      }
      break;
    }
    case 1: {  // trill between two notes
      const int n = rng.Int(8, 16);
      for (int i = 0; i < n; ++i) {
        const double f = (i % 2) ? base * 1.18 : base;
        AddChirp(b, t, 0.022, f, f * 1.05, amp * 0.8, 1);
        t += 0.032;
      }
      break;
    }
    case 2: {  // two-note whistle, falling
      const double f = base * 0.75;
      AddChirp(b, t, 0.26, f, f * 1.02, amp * 0.8, 1);
      AddChirp(b, t + 0.34, 0.3, f * 0.84, f * 0.82, amp * 0.8, 1);
      break;
    }
    case 3: {  // warble
      const int n = rng.Int(5, 8);
      double f = base;
      for (int i = 0; i < n; ++i) {
        const double next = std::clamp(f * rng.Range(0.8, 1.25), 2000.0, 5200.0);
        const double len = rng.Range(0.06, 0.1);
        AddChirp(b, t, len, f, next, amp * rng.Range(0.6, 1.0), 1);
        f = next;
        t += len + rng.Range(0.01, 0.04);
      }
      break;
    }
    default: {  // falling call, twice
      for (int i = 0; i < 2; ++i) {
        AddChirp(b, t, 0.12, base * 1.3, base * 0.65, amp, 0.6);
        t += 0.2;
      }
      break;
    }
  }
}

}  // namespace snd
