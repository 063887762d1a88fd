// Ambience: the seamless loops played under each course type (texture only: wind, waves, water,
// insects, traffic and birds as chirps, no melody), the intro's ambience and fireworks, and the
// short random ambient sounds the play screen drops in now and then.

#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/sounds/instruments.h"
#include "tools/sounds/registry.h"

namespace snd {

namespace {

struct Scene {
  double wind = 0, wind_low = 250, wind_high = 900;
  double waves = 0, wave_period = 8;
  double birds = 0;  // phrases per 10 s
  std::vector<int> bird_kinds = {0, 1, 2, 3, 4};
  double insects = 0, crickets = 0, stream = 0, traffic = 0, leaves = 0, frogs = 0, gulls = 0,
         chimes = 0, woodpecker = 0;
};

Buf Waves(double length, double period, Rng& r) {
  Buf b = PinkNoise(Samples(length), r);
  std::vector<double> crests;
  for (double t = r.Range(0, period); t < length + period; t += period * r.Range(0.8, 1.2))
    crests.push_back(t);
  auto swell = [&](double t) {
    double e = 0.08;
    for (double c : crests) {
      const double d = t - c;
      if (d < -2.5 || d > 6) continue;
      e += d < 0 ? Smooth(1 + d / 2.5) : std::exp(-d / 1.6);
    }
    return std::min(e, 1.4);
  };
  FilterSweep(b, Biquad::LowPass, [&](double u) { return 350 + 2200 * swell(u * length); }, 0.6);
  Shape(b, [&](double t) { return 0.25 + 0.75 * swell(t); });
  return b;
}

Buf Cicadas(double length, Rng& r) {
  Buf b = Noise(Samples(length), r);
  Filter(b, Biquad::BandPass, r.Range(4200, 5600), 5);
  const double pulse = r.Range(35, 55), swell = r.Range(5, 9), ph = r.Range(0, 2 * kPi);
  Shape(b, [&](double t) {
    const double q = 0.5 + 0.5 * std::sin(2 * kPi * pulse * t);
    const double p = q * q * q;
    return p * (0.3 + 0.7 * Smooth(0.5 + 0.5 * std::sin(2 * kPi * t / swell + ph)));
  });
  return b;
}

Buf Crickets(double length, Rng& r) {
  Buf b(Samples(length), 0.f);
  const double f = r.Range(4000, 4800), every = r.Range(0.6, 0.9);
  for (double t = r.Range(0, every); t < length - 0.2; t += every * r.Range(0.95, 1.05))
    for (int k = 0; k < 3; ++k) {
      Note n;
      n.start = t + 0.045 * k;
      n.freq = f;
      n.amp = 0.5;
      n.attack = 0.004;
      n.length = 0.018;
      n.release = 0.006;
      AddNote(b, n, {{1, 1, 0}, {2, 0.1, 0}});
    }
  b.resize(Samples(length));
  return b;
}

Buf Stream(double length, double amount, Rng& r) {
  Buf b = Noise(Samples(length), r);
  Filter(b, Biquad::HighPass, 1200, 0.7);
  Filter(b, Biquad::LowPass, 6000, 0.7);
  Gain(b, 0.25);
  Mix(b, Bubbles(length, static_cast<int>(length * 18 * amount), r), 0, 0.5);
  b.resize(Samples(length));
  return b;
}

Buf Traffic(double length, Rng& r, Buf& pass_l, Buf& pass_r) {
  Buf b = BrownNoise(Samples(length), r);
  Filter(b, Biquad::LowPass, 260, 0.7);
  // Cars passing in the distance, left to right or back.
  for (double t = r.Range(0, 3); t < length - 1; t += r.Range(4, 8)) {
    const double len = r.Range(2.5, 4);
    Buf car = Noise(Samples(len), r);
    FilterSweep(car, Biquad::BandPass, [&](double u) { return 900 - 400 * u; }, 1.2);
    Shape(car, [&](double x) { return std::pow(std::sin(kPi * x / len), 2); });
    const bool right = r.Chance(0.5);
    Buf half(car.size()), other(car.size());
    for (std::size_t i = 0; i < car.size(); ++i) {
      const double u = static_cast<double>(i) / static_cast<double>(car.size());
      const double p = right ? u : 1 - u;
      half[i] = static_cast<float>(car[i] * std::cos(p * kPi / 2));
      other[i] = static_cast<float>(car[i] * std::sin(p * kPi / 2));
    }
    Mix(pass_l, half, t, 0.5);
    Mix(pass_r, other, t, 0.5);
  }
  return b;
}

Buf Leaves(double length, Rng& r) {
  Buf b = Noise(Samples(length), r);
  Filter(b, Biquad::HighPass, 2500, 0.7);
  double g = 0.5, tgt = 0.5;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (i % 180 == 0) tgt = std::pow(r.Uniform(), 2);
    g += (tgt - g) * 0.05;
    b[i] = static_cast<float>(b[i] * g);
  }
  const double p = r.Range(5, 9);
  Shape(b, [&](double t) { return 0.4 + 0.6 * Smooth(0.5 + 0.5 * std::sin(2 * kPi * t / p)); });
  return b;
}

void Gull(Buf& b, double at, double amp, Rng& r) {
  for (int k = 0; k < r.Int(1, 3); ++k) {
    VoiceSettings v;
    v.length = r.Range(0.18, 0.35);
    v.f0 = r.Range(900, 1200);
    v.f0_end = v.f0 * r.Range(0.65, 0.85);
    v.v0 = VowelOf('i');
    v.v1 = VowelOf('y');
    v.attack = 0.02;
    v.release = 0.05;
    v.breath = 0.1;
    Mix(b, Voice(v, r), at + 0.38 * k, amp);
  }
}

void Frog(Buf& b, double at, double amp, Rng& r) {
  VoiceSettings v;
  v.length = 0.07;
  v.f0 = r.Range(140, 220);
  v.f0_end = v.f0 * 0.9;
  v.v0 = VowelOf('w');
  v.v1 = VowelOf('h');
  v.attack = 0.005;
  v.release = 0.03;
  v.tremolo = 45;
  v.tremolo_depth = 1;
  Mix(b, Voice(v, r), at, amp);
  Mix(b, Voice(v, r), at + 0.13, amp * 0.9);
}

Sound Ambience(const Scene& s, double length, bool loop, Rng& r) {
  const double fold = loop ? 2.0 : 0.0;
  const double total = length + fold;
  Buf l(Samples(total), 0.f), rr(Samples(total), 0.f);
  auto both = [&](const Buf& a, const Buf& b, double gain) {
    Mix(l, a, 0, gain);
    Mix(rr, b, 0, gain);
  };
  if (s.wind > 0)
    both(Wind(total, s.wind_low, s.wind_high, 0.7, r), Wind(total, s.wind_low, s.wind_high, 0.7, r), s.wind);
  if (s.waves > 0)
    both(Waves(total, s.wave_period, r), Waves(total, s.wave_period, r), s.waves);
  if (s.leaves > 0) both(Leaves(total, r), Leaves(total, r), s.leaves * 0.5);
  if (s.stream > 0) both(Stream(total, s.stream, r), Stream(total, s.stream, r), s.stream * 0.6);
  if (s.insects > 0) both(Cicadas(total, r), Cicadas(total, r), s.insects * 0.25);
  if (s.crickets > 0) {
    Buf c = Crickets(total, r);
    Pan(c, l, rr, 0, r.Range(-0.7, 0.7), s.crickets * 0.12);
  }
  if (s.traffic > 0) {
    Buf pl, pr;
    Buf t = Traffic(total, r, pl, pr);
    both(t, t, s.traffic * 0.7);
    both(pl, pr, s.traffic * 0.35);
  }
  // Birds as chirps, scattered; never across the fold, so the loop does not cut a phrase.
  const int phrases = static_cast<int>(s.birds * length / 10 + 0.5);
  for (int i = 0; i < phrases; ++i) {
    Buf b;
    const int kind = s.bird_kinds[static_cast<std::size_t>(r.Int(0, static_cast<int>(s.bird_kinds.size()) - 1))];
    AddBirdPhrase(b, 0, kind, 1.0, r);
    Pan(b, l, rr, r.Range(0.2, length - 1.5), r.Range(-0.8, 0.8), r.Range(0.05, 0.14));
  }
  for (int i = 0; i < static_cast<int>(s.gulls * length / 10 + 0.5); ++i) {
    Buf g;
    Gull(g, 0, 1.0, r);
    Pan(g, l, rr, r.Range(0.2, length - 1.5), r.Range(-0.8, 0.8), 0.08);
  }
  for (int i = 0; i < static_cast<int>(s.frogs * length / 3 + 0.5); ++i) {
    Buf f;
    Frog(f, 0, 1.0, r);
    Pan(f, l, rr, r.Range(0.2, length - 0.6), r.Range(-0.9, 0.9), r.Range(0.06, 0.12));
  }
  for (int i = 0; i < static_cast<int>(s.chimes * length / 10 + 0.5); ++i) {
    // A single wind-chime tone now and then.
    static const char* tones[] = {"C6", "D6", "E6", "G6", "A6"};
    Buf c;
    Play(c, Bell(), 0, NoteHz(tones[r.Int(0, 4)]), 1.5, 1.0);
    Pan(c, l, rr, r.Range(0.2, length - 2.5), r.Range(-0.6, 0.6), 0.05);
  }
  if (s.woodpecker > 0) {
    Buf w;
    for (int k = 0; k < 14; ++k) Mix(w, Knock(r.Range(900, 1000), 0.04, r), 0.055 * k, 1 - k * 0.03);
    Pan(w, l, rr, r.Range(3, length - 4), -0.6, 0.12 * s.woodpecker);
  }
  l.resize(Samples(total));
  rr.resize(Samples(total));
  Reverb(l, rr, 0.15, 0.6);
  Sound out = StereoOf(l, rr);
  out.peak_db = -3;
  out.rms_db = -24;
  if (loop) {
    MakeLoop(out, length, fold, false, length / 2, length / 2);
  } else {
    for (Buf* c : {&out.left, &out.right})
      Shape(*c, [&](double t) { return std::min({1.0, t / 1.5, (length - t) / 2.0}); });
  }
  return out;
}

// Short ambient sounds.
Buf Bark(double f0, Rng& r) {
  VoiceSettings v;
  v.length = 0.12;
  v.f0 = f0;
  v.f0_end = f0 * 0.55;
  v.v0 = VowelOf('a');
  v.v1 = VowelOf('w');
  v.attack = 0.006;
  v.release = 0.05;
  v.breath = 0.15;
  v.jitter = 0.05;
  Buf b = Voice(v, r);
  AddBurst(b, 0, 0.02, 1200, 0.7, 0.15, r, 0.01);
  return b;
}

Buf Caw(Rng& r) {
  VoiceSettings v;
  v.length = r.Range(0.22, 0.32);
  v.f0 = r.Range(420, 520);
  v.f0_end = v.f0 * 0.85;
  v.v0 = VowelOf('a');
  v.v1 = VowelOf('w');
  v.attack = 0.02;
  v.release = 0.05;
  v.breath = 0.3;
  v.jitter = 0.12;
  return Voice(v, r);
}

Buf Engine(double length, double f_start, double f_end, Rng& r) {
  Buf b;
  Note n;
  n.freq = f_start;
  n.freq_end = f_end;
  n.amp = 0.4;
  n.attack = 0.1;
  n.length = length;
  n.release = 0.2;
  AddNote(b, n, {{1, 1, 0}, {2, 0.7, 0}, {3, 0.5, 0}, {4, 0.35, 0}, {6, 0.2, 0}, {8, 0.1, 0}});
  Buf rumble = BrownNoise(b.size(), r);
  Filter(rumble, Biquad::LowPass, 400, 0.7);
  Mix(b, rumble, 0, 0.6);
  Filter(b, Biquad::LowPass, 1200, 0.7);
  return b;
}

Buf CarPass(double length, Rng& r) {
  Buf b = Engine(length, 95, 70, r);
  Buf tyres = Noise(b.size(), r);
  FilterSweep(tyres, Biquad::BandPass, [](double u) { return 1400 - 700 * u; }, 0.9);
  Mix(b, tyres, 0, 0.4);
  Shape(b, [&](double t) { return std::pow(std::sin(kPi * std::min(t / length, 1.0)), 2); });
  return b;
}

// An animal call: a harmonic source whose pitch follows a contour, each harmonic weighted by the
// formants of the mouth at its own frequency (so a high call keeps its formants instead of falling
// between two harmonics), with a little aspiration riding on each pitch period. `pitch`, `level`
// and `vowel` are read along the call (u runs 0..1 over `length`).
struct Call {
  double length = 0.3;
  std::function<double(double u)> pitch = [](double) { return 400.0; };
  std::function<double(double u)> level = [](double) { return 1.0; };
  std::function<double(double u)> vowel = [](double u) { return u; };  // 0 = v0 .. 1 = v1
  Vowel v0{300, 870, 2240}, v1{300, 870, 2240};
  double bandwidth = 1;      // scales every formant's width
  double tilt = 1.0;         // harmonic k is weighted 1/k^tilt before the formants
  double breath = 0.03;      // aspiration, pulsed with the glottis
  double jitter = 0.006;     // slow random pitch drift (fraction)
  double vibrato = 0, vibrato_rate = 5.5;  // fraction of the pitch, Hz
  double rough = 0;          // a subharmonic flutter at half the pitch (a screech)
  double top = 9000;         // highest harmonic kept
};

Buf Sing(const Call& c, Rng& r) {
  const std::size_t n = Samples(c.length);
  Buf out(n, 0.f);
  constexpr int kMaxHarm = 96;
  double amp[kMaxHarm + 1] = {}, target[kMaxHarm + 1] = {};
  double phase = 0, half = 0, jit = 0, jit_to = 0, vib = r.Range(0, 2 * kPi);
  Biquad hiss;
  for (std::size_t i = 0; i < n; ++i) {
    const double u = static_cast<double>(i) / static_cast<double>(n);
    if (i % 256 == 0) jit_to = r.Bipolar() * c.jitter;
    jit += (jit_to - jit) * 0.002;
    vib += 2 * kPi * c.vibrato_rate / kRate;
    const double f0 = c.pitch(u) * (1 + jit + c.vibrato * std::sin(vib));
    phase += f0 / kRate;
    phase -= std::floor(phase);
    half += 0.5 * f0 / kRate;
    half -= std::floor(half);
    const int harmonics = std::min(kMaxHarm, static_cast<int>(std::min(c.top, kRate * 0.45) / f0));
    if (i % 32 == 0) {
      const double m = std::clamp(c.vowel(u), 0.0, 1.0);
      const double fs[3] = {c.v0.f1 + (c.v1.f1 - c.v0.f1) * m, c.v0.f2 + (c.v1.f2 - c.v0.f2) * m,
                            c.v0.f3 + (c.v1.f3 - c.v0.f3) * m};
      static const double gains[3] = {1.0, 0.6, 0.3};
      for (int k = 1; k <= kMaxHarm; ++k) {
        if (k > harmonics) {
          target[k] = 0;
          continue;
        }
        const double f = k * f0;
        double e = 0.015;
        for (int j = 0; j < 3; ++j) {
          const double bw = c.bandwidth * (60 + 0.09 * fs[j]);
          const double d = (f - fs[j]) / (0.5 * bw);
          e += gains[j] / (1 + d * d);
        }
        target[k] = e / std::pow(k, c.tilt);
      }
      const double centre = fs[0] + 0.3 * (fs[1] - fs[0]);
      const double z1 = hiss.z1, z2 = hiss.z2;
      hiss.Set(Biquad::BandPass, centre, 1.2);
      hiss.z1 = z1, hiss.z2 = z2;
    }
    double y = 0;
    for (int k = 1; k <= harmonics; ++k) {
      amp[k] += (target[k] - amp[k]) * 0.02;
      y += amp[k] * std::sin(2 * kPi * k * phase);
    }
    // Aspiration puffs at the start of each period, shaped like the mouth.
    const double puff = std::exp(-6 * phase);
    y += c.breath * puff * hiss.Run(static_cast<float>(r.Bipolar())) * 4;
    if (c.rough > 0) y *= 1 - c.rough * (0.5 + 0.5 * std::cos(2 * kPi * half));
    out[i] = static_cast<float>(y * c.level(u));
  }
  return out;
}

// Rises to `peak` times its start at `at` (0..1) and falls back to `end` times it.
std::function<double(double)> Arc(double start, double peak, double end, double at) {
  return [=](double u) {
    if (u < at) return start * std::pow(peak, Smooth(u / at));
    return start * peak * std::pow(end / peak, Smooth((u - at) / (1 - at)));
  };
}

// A soft swell: `attack` and `release` as fractions of the call.
std::function<double(double)> Swell(double attack, double release) {
  return [=](double u) {
    const double a = Smooth(std::min(1.0, u / attack));
    const double b = Smooth(std::min(1.0, (1 - u) / release));
    return a * b;
  };
}

// A coyote: three quick yips climbing, then a howl that glides up, holds with a waver and sinks.
Buf Howl(Rng& r) {
  Buf b;
  double t = 0;
  for (int k = 0; k < 3; ++k) {
    Call yip;
    yip.length = 0.09 + 0.015 * k;
    const double p = 720 * std::pow(1.1, k) * r.Range(0.97, 1.03);
    yip.pitch = Arc(p, 1.35, 0.8, 0.35);
    yip.level = Swell(0.15, 0.45);
    yip.v0 = VowelOf('i');
    yip.v1 = VowelOf('a');
    yip.bandwidth = 1.4;
    yip.tilt = 1.3;
    yip.breath = 0.05;
    Mix(b, Sing(yip, r), t, 0.75);
    t += 0.15 + 0.02 * k;
  }
  Call howl;
  howl.length = 1.95;
  const double base = r.Range(470, 510);
  howl.pitch = [base](double u) {
    if (u < 0.22) return base * std::pow(1.85, Smooth(u / 0.22));          // glide up
    if (u < 0.7) return base * 1.85 * (1 + 0.03 * Smooth((u - 0.22) / 0.48));  // hold, a touch sharp
    return base * 1.85 * 1.03 * std::pow(0.62, Smooth((u - 0.7) / 0.3));  // sink away
  };
  howl.level = [](double u) { return Smooth(std::min(1.0, u / 0.06)) * Smooth(std::min(1.0, (1 - u) / 0.3)); };
  howl.vowel = [](double u) { return std::sin(kPi * std::min(1.0, u * 1.2)); };  // oo, oh, oo
  howl.v0 = VowelOf('u');
  howl.v1 = VowelOf('o');
  howl.bandwidth = 1.6;
  howl.tilt = 1.6;  // a howl is nearly a pure tone
  howl.breath = 0.02;
  howl.vibrato = 0.012;
  howl.vibrato_rate = 5;
  Mix(b, Sing(howl, r), t + 0.08, 1.0);
  return b;
}

// A monkey: a run of hoots that climb and quicken, each rising and falling in pitch, alternating
// in and out breaths, to a screech at the top (`quick`: a short chatter instead).
Buf Hoots(int count, bool quick, Rng& r) {
  Buf b;
  double t = 0;
  for (int k = 0; k < count; ++k) {
    Call hoot;
    const bool in = k % 2 == 1;  // the in-breath is lower and breathier
    if (quick) {
      hoot.length = r.Range(0.06, 0.08);
      const double p = r.Range(560, 680) * (in ? 0.85 : 1.0);
      hoot.pitch = Arc(p, 1.3, 0.85, 0.4);
      hoot.level = Swell(0.2, 0.4);
      hoot.v0 = VowelOf('h');
      hoot.v1 = VowelOf('a');
      hoot.vowel = [](double u) { return std::sin(kPi * u); };
      hoot.rough = 0.25;
      hoot.breath = in ? 0.08 : 0.04;
      Mix(b, Sing(hoot, r), t, in ? 0.75 : 1.0);
      t += r.Range(0.085, 0.1);
      continue;
    }
    hoot.length = 0.15 - 0.008 * k;
    const double p = 270 * std::pow(1.13, k) * (in ? 0.88 : 1.0);
    hoot.pitch = Arc(p, 1.3, 0.9, 0.45);
    hoot.level = Swell(0.25, 0.35);
    hoot.v0 = VowelOf('u');
    hoot.v1 = VowelOf('o');
    hoot.vowel = [](double u) { return std::sin(kPi * u); };
    hoot.bandwidth = 1.3;
    hoot.tilt = 1.2;
    hoot.breath = in ? 0.07 : 0.03;
    Mix(b, Sing(hoot, r), t, (in ? 0.6 : 0.8) + 0.04 * k);
    t += 0.25 - 0.02 * k;
  }
  if (!quick) {
    // the screech at the top of the run
    Call screech;
    screech.length = 0.42;
    screech.pitch = Arc(r.Range(720, 780), 1.4, 0.75, 0.3);
    screech.level = Swell(0.1, 0.4);
    screech.v0 = VowelOf('a');
    screech.v1 = VowelOf('e');
    screech.vowel = [](double u) { return Smooth(u); };
    screech.bandwidth = 1.2;
    screech.tilt = 0.8;
    screech.rough = 0.35;
    screech.breath = 0.05;
    screech.jitter = 0.015;
    Mix(b, Sing(screech, r), t + 0.02, 1.0);
  }
  return b;
}

// A jungle bird: two whistled slurs, up then down, and a fast trill.
Buf WhistleCall(Rng& r) {
  Buf b;
  auto whistle = [&](double at, double length, std::function<double(double)> pitch,
                     std::function<double(double)> level) {
    Call w;
    w.length = length;
    w.pitch = std::move(pitch);
    w.level = std::move(level);
    // a whistle: the beak's resonance sits on the fundamental, the overtones faint
    w.v0 = {2600, 5200, 7800};
    w.v1 = w.v0;
    w.bandwidth = 12;
    w.tilt = 3.0;
    w.breath = 0.01;
    w.jitter = 0.003;
    w.top = 16000;
    Mix(b, Sing(w, r), at, 1.0);
  };
  const double p = r.Range(1500, 1650);
  whistle(0.0, 0.14, Arc(p, 1.75, 1.6, 0.8), Swell(0.15, 0.25));
  whistle(0.19, 0.15, Arc(p * 1.85, 1.05, 0.6, 0.2), Swell(0.1, 0.3));
  const double rate = r.Range(24, 28);
  whistle(0.4, 0.42,
          [p, rate](double u) {
            const double s = std::sin(2 * kPi * rate * 0.42 * u);
            return p * 1.45 * (1 + 0.09 * s) * (1 - 0.12 * u);
          },
          [rate](double u) {
            const double s = 0.5 + 0.5 * std::sin(2 * kPi * rate * 0.42 * u - kPi / 2);
            return (0.25 + 0.75 * s * s) * Smooth(std::min(1.0, u / 0.1)) * Smooth(std::min(1.0, (1 - u) / 0.25));
          });
  return b;
}

Buf Shakuhachi(const std::vector<std::pair<std::string, double>>& phrase, Rng& r) {
  Buf b;
  double t = 0;
  for (const auto& [note, len] : phrase) {
    Note n;
    n.start = t;
    // each note bends up into its pitch from a little flat, the last one sinks away at its end
    const bool last = &note == &phrase.back().first;
    n.freq = NoteHz(note) * (last ? 1.0 : 0.965);
    n.freq_end = NoteHz(note) * (last ? 0.955 : 1.0);
    n.amp = 0.5;
    n.attack = 0.12;
    n.length = len;
    n.release = 0.25;
    n.vibrato = 0.25;
    n.vibrato_rate = 5.5;
    AddNote(b, n, {{1, 1, 0}, {2, 0.15, 0}, {3, 0.05, 0}});
    Buf breath = Noise(Samples(len + 0.25), r);
    Filter(breath, Biquad::BandPass, n.freq * 2, 1.5);
    // a breathy chiff at the start of each note, then a steady air noise
    Shape(breath, [&](double x) { return AHR(x, 0.08, len - 0.08, 0.25) * (0.5 + 0.8 * std::exp(-x / 0.07)); });
    Mix(b, breath, t, 0.5);
    t += len + 0.05;
  }
  Buf l = b, rr = b;
  l.resize(b.size() + Samples(1.0));
  rr.resize(l.size());
  Reverb(l, rr, 0.4, 0.8);
  return l;
}

Buf Taiko(int hits, Rng& r) {
  Buf b;
  for (int k = 0; k < hits; ++k) {
    const bool big = k == hits - 1;
    Buf hit = Thud(big ? 58 : 75, big ? 1.4 : 0.6, r);
    Mix(hit, Knock(380, 0.06, r), 0, 0.2);
    Mix(b, hit, 0.3 * k, big ? 1.0 : 0.6);
  }
  return b;
}

Buf Bagpipes(Rng&) {
  Buf b;
  const double len = 4.5;
  Note drone;
  drone.freq = NoteHz("A2");
  drone.amp = 0.25;
  drone.attack = 0.3;
  drone.length = len;
  drone.release = 0.4;
  AddNote(b, drone, Reed().partials);
  drone.freq = NoteHz("A3");
  drone.amp = 0.18;
  AddNote(b, drone, Reed().partials);
  const char* tune[] = {"A4", "C#5", "E5", "A5", "F#5", "E5", "C#5", "E5", "D5", "B4", "A4"};
  const double lens[] = {0.3, 0.3, 0.3, 0.6, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.8};
  double t = 0.35;
  for (int k = 0; k < 11; ++k) {
    Note n;
    n.start = t;
    n.freq = NoteHz(tune[k]);
    n.amp = 0.3;
    n.attack = 0.01;
    n.length = lens[k] - 0.01;
    n.release = 0.02;
    AddNote(b, n, Reed().partials);
    t += lens[k];
  }
  Filter(b, Biquad::Peak, 1500, 1.2, 5);
  return b;
}

Buf Baa(Rng& r) {
  VoiceSettings v;
  v.length = 0.75;
  v.f0 = 310;
  v.f0_end = 250;
  v.v0 = VowelOf('e');
  v.v1 = VowelOf('a');
  v.attack = 0.05;
  v.release = 0.15;
  v.tremolo = 7;
  v.tremolo_depth = 0.9;
  v.breath = 0.2;
  return Voice(v, r);
}

Buf Buzz(double length, Rng& r) {
  // A fly or bee wandering past: a buzzing tone whose pitch and level drift.
  Buf b;
  Note n;
  n.freq = r.Range(170, 230);
  n.freq_end = n.freq * r.Range(0.85, 1.15);
  n.amp = 0.4;
  n.attack = 0.3;
  n.length = length;
  n.release = 0.4;
  n.vibrato = 0.6;
  n.vibrato_rate = 3;
  AddNote(b, n, {{1, 1, 0}, {2, 0.8, 0}, {3, 0.6, 0}, {4, 0.45, 0}, {5, 0.3, 0}, {7, 0.15, 0}});
  Filter(b, Biquad::HighPass, 300, 0.7);
  return b;
}

Buf Footsteps(Rng& r) {
  Buf b;
  for (int k = 0; k < 8; ++k) {
    Buf step = Thud(r.Range(85, 105), 0.12, r);
    Buf scuff = Noise(Samples(0.08), r);
    Filter(scuff, Biquad::BandPass, 2500, 0.8);
    Shape(scuff, [](double t) { return AD(t, 0.01, 0.02); });
    Mix(step, scuff, 0.005, 0.4);
    Mix(b, step, 0.48 * k + r.Range(0, 0.03), 0.8);
  }
  return b;
}

Buf TruckStart(Rng& r) {
  Buf b;
  // The starter cranks, then the engine catches and settles.
  Buf crank = Engine(1.0, 14, 16, r);
  Shape(crank, [](double t) { return 0.5 + 0.5 * std::pow(std::sin(kPi * 8 * t), 2); });
  Mix(b, crank, 0, 0.8);
  Mix(b, Engine(2.3, 60, 32, r), 0.9, 1.0);
  return b;
}

}  // namespace

void AddAmbience(Registry& reg) {
  auto loop = [&](const std::string& name, Scene s) {
    reg["music/ambience/" + name] = [s](Rng& r) { return Ambience(s, 64.0, true, r); };
  };
  Scene ocean;
  ocean.waves = 1.0, ocean.wind = 0.15, ocean.wind_low = 300, ocean.wind_high = 1200, ocean.gulls = 2.0;
  loop("ocean_loop.ogg", ocean);
  Scene city;
  city.traffic = 1.0, city.birds = 1.2, city.bird_kinds = {0, 3}, city.wind = 0.15;
  loop("city_loop.ogg", city);
  Scene country;
  country.birds = 4, country.bird_kinds = {0, 1, 2, 3}, country.wind = 0.25, country.leaves = 0.3;
  loop("countryclub_loop.ogg", country);
  Scene desert;
  // dry: a thin high wind over the sand, cicadas, a hawk now and then, no water at all
  desert.wind = 0.7, desert.wind_low = 900, desert.wind_high = 3200, desert.insects = 0.6, desert.birds = 0.4;
  desert.bird_kinds = {4};
  loop("desert_loop.ogg", desert);
  Scene forest;
  forest.leaves = 0.6, forest.birds = 5, forest.wind = 0.3, forest.woodpecker = 1;
  loop("forest_loop.ogg", forest);
  Scene japan;
  japan.stream = 1.0, japan.birds = 2, japan.bird_kinds = {2, 3}, japan.chimes = 2, japan.wind = 0.15;
  loop("japanese_loop.ogg", japan);
  Scene jungle;
  jungle.insects = 1.0, jungle.crickets = 0.6, jungle.birds = 4, jungle.bird_kinds = {1, 3, 4};
  jungle.frogs = 1.0, jungle.wind = 0.1;
  loop("jungle_loop.ogg", jungle);
  Scene mountain;
  mountain.wind = 1.0, mountain.wind_low = 150, mountain.wind_high = 700, mountain.birds = 0.6;
  mountain.bird_kinds = {2}, mountain.stream = 0.3;
  loop("mountain_loop.ogg", mountain);
  Scene muni;
  muni.birds = 3, muni.traffic = 0.35, muni.wind = 0.2, muni.leaves = 0.2;
  loop("municipal_loop.ogg", muni);
  Scene scot;
  // links: a low gusting wind in front, the sea far off behind it, larks overhead
  scot.wind = 1.1, scot.wind_low = 110, scot.wind_high = 550, scot.waves = 0.3, scot.wave_period = 13;
  scot.gulls = 0.4, scot.birds = 2, scot.bird_kinds = {1};
  loop("scottish_loop.ogg", scot);

  reg["music/introambience.ogg"] = [](Rng& r) {
    Scene dawn;
    dawn.birds = 5, dawn.bird_kinds = {0, 1, 2, 3}, dawn.wind = 0.3, dawn.leaves = 0.25;
    return Ambience(dawn, 20.0, false, r);
  };
  reg["music/introfireworks.ogg"] = [](Rng& r) {
    Buf l, rr;
    for (int i = 0; i < 6; ++i) Pan(Firework(0.6 + r.Range(0, 0.4), 1.4, r), l, rr, 0.7 * i + r.Range(0, 0.2), r.Range(-0.7, 0.7), r.Range(0.6, 1.0));
    return StereoOf(l, rr);
  };

  auto one = [&](const std::string& name, Recipe f) { reg["sound/randomambient/" + name + ".ogg"] = std::move(f); };
  auto birds = [&](const std::string& name, std::vector<int> kinds, int phrases) {
    one(name, [kinds, phrases](Rng& r) {
      Buf b;
      double t = 0;
      for (int i = 0; i < phrases; ++i) {
        AddBirdPhrase(b, t, kinds[static_cast<std::size_t>(i) % kinds.size()], 0.5, r);
        t = static_cast<double>(b.size()) / kRate + r.Range(0.25, 0.6);
      }
      return Mono(b);
    });
  };
  birds("bird", {0}, 2);
  birds("bird1", {2}, 2);
  birds("bird2", {3}, 2);
  birds("bird3", {1, 0}, 2);
  birds("birds1", {0, 3, 1, 2}, 5);
  birds("birds2", {3, 0, 3, 4}, 5);
  one("coyote2", [](Rng& r) { return Mono(Howl(r)); });
  one("insect_quiet", [](Rng& r) {
    Buf b = Cicadas(2.5, r);
    Shape(b, [](double t) { return AHR(t, 0.5, 1.4, 0.6); });
    Sound s = Mono(b);
    s.peak_db = -9;
    return s;
  });
  one("insect1", [](Rng& r) { return Mono(Buzz(2.5, r)); });
  one("insect3_edited", [](Rng& r) { return Mono(Crickets(2.6, r)); });
  for (int i = 1; i <= 3; ++i)
    one("windgust" + std::to_string(i), [i](Rng& r) {
      const double len = 2.2 + 0.6 * i;
      Buf b = Wind(len, 200 + 50 * i, 900 + 200 * i, 0.5, r);
      Shape(b, [&](double t) { return std::pow(std::sin(kPi * t / len), 1.5); });
      return Mono(b);
    });
  one("dog1", [](Rng& r) {
    Buf b;
    for (int k = 0; k < 3; ++k) Mix(b, Bark(r.Range(480, 560), r), 0.32 * k, 1.0);
    return Mono(b);
  });
  one("dog2_edited", [](Rng& r) {
    Buf b = Bark(380, r);
    Mix(b, Bark(360, r), 0.5, 0.9);
    return Mono(b);
  });
  one("dog_single", [](Rng& r) { return Mono(Bark(520, r)); });
  one("dog_double", [](Rng& r) {
    Buf b = Bark(540, r);
    Mix(b, Bark(500, r), 0.2, 0.9);
    return Mono(b);
  });
  one("crows", [](Rng& r) {
    Buf b;
    for (int k = 0; k < 3; ++k) Mix(b, Caw(r), 0.45 * k, 1.0 - 0.15 * k);
    return Mono(b);
  });
  one("foghorn_edited", [](Rng&) {
    Buf b;
    Note n;
    n.freq = 98;
    n.freq_end = 82;
    n.amp = 0.6;
    n.attack = 0.15;
    n.length = 2.4;
    n.release = 0.6;
    AddNote(b, n, Reed().partials);
    Filter(b, Biquad::LowPass, 900, 0.7);
    Buf l = b, rr = b;
    l.resize(b.size() + Samples(1.5));
    rr.resize(l.size());
    Reverb(l, rr, 0.5, 0.85);
    return Mono(l);
  });
  one("seagulls", [](Rng& r) {
    Buf b;
    for (int k = 0; k < 3; ++k) Gull(b, 0.7 * k + r.Range(0, 0.2), 1.0, r);
    return Mono(b);
  });
  one("car1", [](Rng& r) { return Mono(CarPass(3.2, r)); });
  one("carpass1_quieter", [](Rng& r) {
    Sound s = Mono(CarPass(3.5, r));
    s.peak_db = -9;
    return s;
  });
  one("carpass2_quieter", [](Rng& r) {
    Sound s = Mono(CarPass(2.6, r));
    s.peak_db = -9;
    return s;
  });
  one("horn", [](Rng&) {
    Buf b;
    for (double f : {415.0, 523.0}) {
      Note n;
      n.freq = f;
      n.amp = 0.4;
      n.attack = 0.01;
      n.length = 0.45;
      n.release = 0.05;
      AddNote(b, n, Reed().partials);
    }
    Filter(b, Biquad::LowPass, 3000, 0.7);
    return Mono(b);
  });
  one("pedestrian_quieter", [](Rng& r) {
    Sound s = Mono(Footsteps(r));
    s.peak_db = -9;
    return s;
  });
  one("truckstarts_quieter", [](Rng& r) {
    Sound s = Mono(TruckStart(r));
    s.peak_db = -9;
    return s;
  });
  one("shakuhachi1", [](Rng& r) { return Mono(Shakuhachi({{"D5", 1.2}, {"E5", 0.6}, {"G5", 1.6}}, r)); });
  one("shakuhachi2", [](Rng& r) { return Mono(Shakuhachi({{"A5", 1.0}, {"G5", 0.5}, {"E5", 0.5}, {"D5", 1.8}}, r)); });
  one("taiko1", [](Rng& r) { return Mono(Taiko(1, r)); });
  one("taiko2", [](Rng& r) { return Mono(Taiko(3, r)); });
  one("junglebird1", [](Rng& r) {
    Buf b;
    for (int k = 0; k < 3; ++k) {
      AddChirp(b, 0.5 * k, 0.18, 1200, 2600, 0.6, 0.5);
      AddChirp(b, 0.5 * k + 0.2, 0.22, 2600, 1000, 0.6, 1.5);
    }
    (void)r;
    return Mono(b);
  });
  one("junglebird2", [](Rng& r) { return Mono(WhistleCall(r)); });
  one("monkey2", [](Rng& r) { return Mono(Hoots(6, false, r)); });
  one("monkey_short", [](Rng& r) { return Mono(Hoots(5, true, r)); });
  one("bagpipes", [](Rng& r) { return Mono(Bagpipes(r)); });
  one("sheep", [](Rng& r) { return Mono(Baa(r)); });
}

}  // namespace snd
