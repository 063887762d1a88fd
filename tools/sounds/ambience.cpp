// Ambience: the seamless loops played under each course type (texture only: wind, waves, water,
// insects, traffic and birds as chirps, no melody), the intro's ambience and fireworks, and the
// short random ambient sounds the play screen drops in now and then.

#include <cmath>

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

Buf Howl(Rng& r) {
  Buf b;
  for (int k = 0; k < 2; ++k) {
    VoiceSettings v;
    v.length = k == 0 ? 0.7 : 1.4;
    v.f0 = k == 0 ? 420 : 700;
    v.f0_end = k == 0 ? 700 : 480;
    v.v0 = VowelOf('u');
    v.v1 = VowelOf('o');
    v.attack = 0.1;
    v.release = k == 0 ? 0.05 : 0.4;
    v.breath = 0.2;
    v.jitter = 0.01;
    Mix(b, Voice(v, r), k * 0.72, 1.0);
  }
  return b;
}

Buf Hoots(int count, bool quick, Rng& r) {
  Buf b;
  double t = 0;
  for (int k = 0; k < count; ++k) {
    VoiceSettings v;
    const bool last = k == count - 1 && !quick;
    v.length = quick ? 0.08 : (last ? 0.3 : 0.16);
    v.f0 = (quick ? 520 : 300) * std::pow(1.12, k);
    v.f0_end = v.f0 * (last ? 1.3 : 1.05);
    v.v0 = VowelOf(last ? 'a' : 'u');
    v.v1 = VowelOf(last ? 'a' : 'o');
    v.attack = 0.02;
    v.release = 0.05;
    v.breath = 0.3;
    Mix(b, Voice(v, r), t, 0.8 + 0.05 * k);
    t += quick ? 0.12 : 0.24;
  }
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
  one("junglebird2", [](Rng& r) {
    Buf b;
    for (int k = 0; k < 5; ++k) {
      VoiceSettings v;
      v.length = 0.09;
      v.f0 = 320;
      v.f0_end = 280;
      v.v0 = VowelOf('a');
      v.v1 = VowelOf('o');
      v.attack = 0.01;
      v.release = 0.04;
      v.breath = 0.45;
      v.jitter = 0.1;
      Mix(b, Voice(v, r), 0.17 * k, 1.0);
    }
    return Mono(b);
  });
  one("monkey2", [](Rng& r) { return Mono(Hoots(6, false, r)); });
  one("monkey_short", [](Rng& r) { return Mono(Hoots(4, true, r)); });
  one("bagpipes", [](Rng& r) { return Mono(Bagpipes(r)); });
  one("sheep", [](Rng& r) { return Mono(Baa(r)); });
}

}  // namespace snd
