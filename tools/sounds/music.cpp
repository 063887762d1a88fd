// The screens' music: short, gentle tunes in major keys played by additive and plucked
// instruments, each made from a chord progression, a melody built from a repeated motif, a bass, an
// accompaniment and, for some, light percussion. Looped tracks wrap their tails into their heads.

#include <cmath>

#include "tools/sounds/instruments.h"
#include "tools/sounds/registry.h"

namespace snd {

namespace {

enum class Accomp { Arpeggio, Strum, Pad, OffBeat };

struct Song {
  double bpm = 100;
  int beats = 4;                // per bar
  int root = 0;                 // semitones from C
  std::vector<int> chords;      // scale degree of each bar's chord (0 = I, 3 = IV, 4 = V, 5 = vi)
  const Instrument* lead = nullptr;
  bool pluck_lead = false;
  Accomp accomp = Accomp::Arpeggio;
  bool drums = false;
  bool loop = true;
  double lead_gain = 0.5;
};

constexpr int kScale[7] = {0, 2, 4, 5, 7, 9, 11};

// MIDI-like number of a scale degree (may run past 7 or below 0) in `octave`.
double DegreeHz(const Song& s, int degree, int octave) {
  int oct = octave;
  while (degree < 0) degree += 7, --oct;
  oct += degree / 7;
  const int semis = s.root + kScale[degree % 7] + 12 * (oct + 1);  // MIDI note
  return 440.0 * std::pow(2.0, (semis - 69) / 12.0);
}

struct MelodyNote {
  double at, len;  // beats within the motif
  int offset;      // scale steps above the bar's chord root
};

std::vector<MelodyNote> MakeMotif(const Song& s, Rng& r, bool cadence) {
  static const std::vector<std::vector<double>> four = {
      {1, 1, 1, 1, 2, 2}, {1.5, 0.5, 1, 1, 1.5, 0.5, 2}, {0.5, 0.5, 1, 2, 1, 1, 2},
      {2, 1, 1, 3, 1}, {1, 0.5, 0.5, 1, 1, 1, 1, 2}};
  static const std::vector<std::vector<double>> three = {
      {1, 1, 1, 2, 1}, {2, 1, 1.5, 0.5, 1}, {1, 0.5, 0.5, 1, 3}, {3, 1, 1, 1}};
  const auto& pool = s.beats == 3 ? three : four;
  const auto& rhythm = pool[static_cast<std::size_t>(r.Int(0, static_cast<int>(pool.size()) - 1))];
  std::vector<MelodyNote> m;
  double at = 0;
  int prev = r.Int(0, 2) * 2;
  for (std::size_t i = 0; i < rhythm.size(); ++i) {
    int off;
    const bool strong = std::fmod(at, 2.0) < 1e-6;
    if (strong) {
      static const int chord_tones[] = {0, 2, 4, 7};
      off = chord_tones[r.Int(0, 3)];
      if (std::abs(off - prev) > 4) off = prev > off ? off + 7 : off;
      if (off > 9) off -= 7;
    } else {
      off = prev + (r.Chance(0.5) ? 1 : -1) * (r.Chance(0.8) ? 1 : 2);
    }
    if (cadence && i + 1 == rhythm.size()) off = 0;
    off = std::clamp(off, -2, 9);
    m.push_back({at, rhythm[i], off});
    prev = off;
    at += rhythm[i];
  }
  return m;
}

Sound Compose(const Song& s, std::uint64_t seed) {
  Rng r(seed);
  const double beat = 60.0 / s.bpm;
  const double bar = beat * s.beats;
  const int bars = static_cast<int>(s.chords.size());
  const double length = bar * bars;
  const double tail = s.loop ? 3.0 : 4.0;
  Buf lead, acc, bass, perc;
  const std::size_t total = Samples(length + tail);
  lead.resize(total);
  acc.resize(total);
  bass.resize(total);
  perc.resize(total);

  // Melody: motifs A and B over two-bar phrases, A A' B A (cadence at the very end).
  const auto a = MakeMotif(s, r, false);
  const auto b2 = MakeMotif(s, r, false);
  const auto end = MakeMotif(s, r, true);
  for (int p = 0; p < bars / 2; ++p) {
    const bool last = p == bars / 2 - 1;
    const auto& motif = last ? end : (p % 4 == 2 ? b2 : a);
    for (const auto& n : motif) {
      const int bar_index = 2 * p + static_cast<int>(n.at / s.beats);
      if (bar_index >= bars) break;
      const double at = (2 * p) * bar + n.at * beat;
      // Within the tonic's octave: the offset counts from the bar's chord root.
      int degree = s.chords[static_cast<std::size_t>(bar_index)] + n.offset;
      if (degree > 9) degree -= 7;
      const double hz = DegreeHz(s, degree, 5);
      const double len = (last && &n == &motif.back()) ? bar * 1.5 : n.len * beat * 0.92;
      if (s.pluck_lead) AddPluck(lead, at, hz, s.lead_gain, len + 0.4, 0.6, r);
      else Play(lead, *s.lead, at, hz, len, s.lead_gain);
    }
  }

  for (int i = 0; i < bars; ++i) {
    const int c = s.chords[static_cast<std::size_t>(i)];
    const double t0 = i * bar;
    const bool final_bar = !s.loop && i == bars - 1;
    // Bass: root on the first beat, the fifth half-way (or on beat 3 of a waltz: nothing).
    Play(bass, Bass(), t0, DegreeHz(s, c, 2), final_bar ? bar * 1.5 : beat * 1.6, 0.55);
    if (s.beats == 4 && !final_bar) Play(bass, Bass(), t0 + 2 * beat, DegreeHz(s, c + 4, 2), beat * 1.6, 0.45);
    const int tones[4] = {c, c + 2, c + 4, c + 7};
    switch (s.accomp) {
      case Accomp::Arpeggio: {
        static const int order[8] = {0, 1, 2, 3, 2, 1, 2, 1};
        const int steps = s.beats * 2;
        for (int k = 0; k < steps; ++k)
          AddPluck(acc, t0 + k * beat / 2, DegreeHz(s, tones[order[k % 8]], 3), 0.32,
                   final_bar && k == 0 ? bar * 2 : beat * 1.5, 0.45, r);
        break;
      }
      case Accomp::Strum:
        for (int k = 0; k < s.beats; k += 2)
          for (int n = 0; n < 4; ++n)
            AddPluck(acc, t0 + k * beat + 0.018 * n, DegreeHz(s, tones[n], 3), 0.25,
                     final_bar ? bar * 1.5 : beat * 2, 0.5, r);
        break;
      case Accomp::Pad:
        for (int n = 0; n < 3; ++n)
          Play(acc, Pad(), t0, DegreeHz(s, tones[n], 4), final_bar ? bar * 1.3 : bar * 0.98, 0.18);
        break;
      case Accomp::OffBeat:
        for (int k = (s.beats == 3 ? 1 : 0); k < s.beats; ++k)
          for (int n = 0; n < 3; ++n)
            Play(acc, Piano(), t0 + (s.beats == 3 ? k : k + 0.5) * beat, DegreeHz(s, tones[n] + 7, 3),
                 beat * 0.35, 0.16);
        break;
    }
    if (s.drums && !final_bar) {
      for (int k = 0; k < s.beats * 2; ++k)
        AddBurst(perc, t0 + k * beat / 2, 0.05, 8500, 0.8, k % 2 ? 0.12 : 0.2, r, 0.018);
      Mix(perc, Thud(55, 0.25, r), t0, 0.5);
      if (s.beats == 4) {
        Mix(perc, Knock(1100, 0.05, r), t0 + beat, 0.12);
        Mix(perc, Knock(1100, 0.05, r), t0 + 3 * beat, 0.12);
      }
    }
  }

  Buf l, rr;
  Pan(lead, l, rr, 0, 0.18, 1.0);
  Pan(acc, l, rr, 0, -0.35, 1.0);
  Pan(bass, l, rr, 0, 0.0, 0.9);
  Pan(perc, l, rr, 0, 0.4, 0.8);
  l.resize(total);
  rr.resize(total);
  Reverb(l, rr, 0.28, 0.75);
  Sound out = StereoOf(l, rr);
  out.rms_db = -17;
  if (s.loop) {
    MakeLoop(out, length, tail, true);
  } else {
    const double fade = 2.0;
    for (Buf* c : {&out.left, &out.right})
      Shape(*c, [&](double t) { return t > length + tail - fade ? std::max(0.0, (length + tail - t) / fade) : 1.0; });
  }
  return out;
}

}  // namespace

void AddMusic(Registry& reg) {
  auto add = [&](const std::string& path, Song s) {
    reg["music/" + path] = [s, path](Rng&) { return Compose(s, HashName(path)); };
  };
  Song title;
  title.bpm = 112, title.root = 0, title.lead = &Flute(), title.drums = true;
  title.chords = {0, 5, 3, 4, 0, 5, 1, 4, 3, 4, 2, 5, 1, 4, 0, 0};
  add("title theme.ogg", title);

  Song selector;
  selector.bpm = 100, selector.root = 7, selector.lead = &Marimba(), selector.accomp = Accomp::Pad;
  selector.drums = true, selector.lead_gain = 0.55;
  selector.chords = {0, 3, 4, 0, 5, 3, 1, 4, 0, 3, 4, 0};
  add("course selector.ogg", selector);

  Song shop;
  shop.bpm = 124, shop.root = 5, shop.lead = &Piano(), shop.accomp = Accomp::OffBeat, shop.drums = true;
  shop.chords = {0, 5, 1, 4, 0, 5, 1, 4, 3, 0, 1, 4};
  add("golf shop.ogg", shop);

  Song trophy;
  trophy.bpm = 84, trophy.root = 2, trophy.lead = &Bell(), trophy.accomp = Accomp::Pad;
  trophy.lead_gain = 0.4;
  trophy.chords = {0, 3, 5, 4, 0, 3, 4, 0};
  add("trophy room.ogg", trophy);

  Song stats;
  stats.bpm = 92, stats.root = 9, stats.lead = &Piano(), stats.accomp = Accomp::Arpeggio;
  stats.chords = {0, 2, 3, 4, 5, 3, 1, 4};
  add("stats screen.ogg", stats);

  Song paper;
  paper.bpm = 126, paper.root = 10, paper.lead = &Marimba(), paper.accomp = Accomp::OffBeat;
  paper.drums = true, paper.lead_gain = 0.55;
  paper.chords = {0, 0, 3, 0, 4, 3, 0, 4, 0, 3, 4, 0};
  add("newspaper.ogg", paper);

  Song intro;
  intro.bpm = 92, intro.root = 0, intro.pluck_lead = true, intro.accomp = Accomp::Pad, intro.loop = false;
  intro.lead_gain = 0.55;
  intro.chords = {0, 3, 0, 4, 5, 3, 1, 4, 0, 3, 0, 4, 5, 1, 4, 0};
  add("intro.ogg", intro);

  Song ending;
  ending.bpm = 84, ending.beats = 3, ending.root = 7, ending.lead = &Flute(), ending.accomp = Accomp::Arpeggio;
  ending.loop = false;
  ending.chords = {0, 3, 4, 0, 5, 3, 1, 4, 0, 3, 4, 0};
  add("gameend.ogg", ending);
}

}  // namespace snd
