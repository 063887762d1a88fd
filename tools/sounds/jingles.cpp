// Short tunes among the effects: fanfares for records and unlocks, the end-of-course jingles, the
// scorecard's tune. Mono like every effect, in major keys, with a touch of room.

#include <cmath>

#include "tools/sounds/instruments.h"
#include "tools/sounds/registry.h"

namespace snd {

namespace {

// A little room around a mono sound.
Buf Room(Buf b, double wet) {
  b.resize(b.size() + Samples(0.8), 0.f);
  Buf l = b, r = b;
  Reverb(l, r, wet, 0.6);
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = 0.5f * (l[i] + r[i]);
  return b;
}

// Notes as "name:beats" separated by spaces ("-" rests), at `bpm`.
void Tune(Buf& b, const Instrument& inst, const std::string& notes, double start, double bpm,
          double amp, double legato = 0.9) {
  const double beat = 60.0 / bpm;
  double t = start;
  std::size_t i = 0;
  while (i < notes.size()) {
    while (i < notes.size() && notes[i] == ' ') ++i;
    const std::size_t e = notes.find(' ', i);
    const std::string tok = notes.substr(i, e == std::string::npos ? std::string::npos : e - i);
    i = e == std::string::npos ? notes.size() : e;
    if (tok.empty()) continue;
    const auto colon = tok.find(':');
    const double beats = colon == std::string::npos ? 1.0 : std::atof(tok.c_str() + colon + 1);
    const std::string name = tok.substr(0, colon);
    if (name != "-") Play(b, inst, t, NoteHz(name), beats * beat * legato, amp);
    t += beats * beat;
  }
}

}  // namespace

void AddJingles(Registry& reg) {
  auto add = [&](const std::string& name, Recipe f) { reg["sound/" + name] = std::move(f); };

  add("testing.ogg", [](Rng&) {
    Buf b;
    Play(b, Bell(), 0, NoteHz("E5"), 0.5, 0.7);
    return Mono(Room(b, 0.2));
  });
  add("dialog_hint.ogg", [](Rng&) {
    Buf b;
    Tune(b, Glock(), "G5:0.5 D6:1", 0, 240, 0.6);
    return Mono(Room(b, 0.25));
  });
  add("resume_game.ogg", [](Rng&) {
    Buf b;
    Chord(b, Piano(), {"F4", "A4", "C5"}, 0, 0.35, 0.8);
    Chord(b, Piano(), {"G4", "C5", "E5"}, 0.3, 0.6, 0.8);
    return Mono(Room(b, 0.25));
  });
  add("iron_power_up_collect.ogg", [](Rng& r) {
    Buf b;
    Arpeggio(b, Glock(), {"C6", "E6", "G6", "C7", "E7"}, 0, 0.05, 0.3, 0.5);
    Mix(b, Sparkle(0.4, 10, 3000, 7000, r), 0.1, 0.6);
    return Mono(Room(b, 0.2));
  });
  add("mini_found_ball.ogg", [](Rng&) {
    Buf b;
    Tune(b, Marimba(), "E5:0.5 G5:0.5 C6:1.5", 0, 260, 0.7);
    return Mono(Room(b, 0.2));
  });
  add("mulligan_won.ogg", [](Rng&) {
    Buf b;
    Tune(b, Marimba(), "C5:0.5 E5:0.5 G5:0.5 E5:0.5 C6:2", 0, 300, 0.7);
    Chord(b, Pad(), {"C4", "E4", "G4"}, 0.4, 0.6, 0.3);
    return Mono(Room(b, 0.25));
  });
  add("5x.ogg", [](Rng& r) {
    Buf b;
    Arpeggio(b, Brass(), {"C5", "E5", "G5", "C6"}, 0, 0.07, 0.12, 0.5);
    Chord(b, Brass(), {"C5", "E5", "G5", "C6"}, 0.3, 0.5, 0.9);
    Mix(b, Sparkle(0.7, 16, 2500, 6500, r), 0.3, 0.5);
    return Mono(Room(b, 0.25));
  });
  add("levelstart.ogg", [](Rng& r) {
    Buf b;
    Tune(b, Marimba(), "G4:0.5 C5:0.5 E5:0.5 G5:1.5", 0, 280, 0.6);
    Chord(b, Pad(), {"C4", "G4", "E5"}, 0.32, 0.7, 0.35);
    Mix(b, Whoosh(0.4, 500, 2500, 1.2, r), 0, 0.25);
    return Mono(Room(b, 0.3));
  });
  add("dialog_new_rank.ogg", [](Rng&) {
    Buf b;
    Tune(b, Brass(), "G4:0.5 C5:0.5 E5:0.5 G5:1.5", 0, 220, 0.6);
    Chord(b, Brass(), {"C4", "E4", "G4"}, 0.82, 0.6, 0.5);
    return Mono(Room(b, 0.3));
  });
  add("dialog_new_record.ogg", [](Rng& r) {
    Buf b;
    Arpeggio(b, Glock(), {"C5", "E5", "G5", "C6", "E6", "G6", "C7"}, 0, 0.07, 0.35, 0.5);
    Chord(b, Piano(), {"C4", "G4", "E5", "C6"}, 0.5, 0.9, 0.8);
    Mix(b, Sparkle(1.0, 20, 2500, 7000, r), 0.45, 0.45);
    return Mono(Room(b, 0.3));
  });
  add("dialog_unlock_course.ogg", [](Rng&) {
    Buf b;
    Tune(b, Brass(), "C5:0.5 C5:0.25 C5:0.25 G5:1.5", 0, 200, 0.6);
    Chord(b, Brass(), {"C4", "E4", "G4", "C5"}, 0.6, 0.8, 0.6);
    Chord(b, Bell(), {"C6", "G6"}, 0.6, 0.8, 0.3);
    return Mono(Room(b, 0.3));
  });
  add("dialog_unlock_item.ogg", [](Rng& r) {
    Buf b = Sparkle(0.7, 22, 2000, 7000, r);
    Arpeggio(b, Glock(), {"G5", "B5", "D6", "G6"}, 0.05, 0.09, 0.4, 0.5);
    return Mono(Room(b, 0.3));
  });
  add("dialog_unlock_trophy.ogg", [](Rng&) {
    Buf b;
    Tune(b, Brass(), "D5:0.5 F#5:0.5 A5:0.5 D6:2", 0, 210, 0.55);
    Chord(b, Bell(), {"D5", "A5", "D6"}, 0.86, 1.1, 0.45);
    Chord(b, Pad(), {"D4", "F#4", "A4"}, 0.86, 0.9, 0.35);
    return Mono(Room(b, 0.35));
  });
  add("perfect_score.ogg", [](Rng& r) {
    Buf b;
    Tune(b, Brass(), "C5:0.33 E5:0.33 G5:0.33 C6:1 G5:0.5 C6:2", 0, 180, 0.6);
    Chord(b, Brass(), {"C4", "E4", "G4", "C5"}, 1.66, 1.2, 0.6);
    Chord(b, Bell(), {"C6", "E6", "G6"}, 1.66, 1.4, 0.35);
    Mix(b, Sparkle(1.5, 30, 2500, 7500, r), 1.5, 0.5);
    return Mono(Room(b, 0.35));
  });
  add("course_end_good.ogg", [](Rng&) {
    Buf b;
    Tune(b, Brass(), "G4:0.5 C5:0.5 E5:0.5 G5:1 E5:0.5 G5:2.5", 0, 160, 0.55);
    Tune(b, Bass(), "C3:2 F3:1 G3:1 C3:2", 0, 160, 0.6);
    Chord(b, Piano(), {"C4", "E4", "G4", "C5"}, 1.88, 1.5, 0.7);
    return Mono(Room(b, 0.35));
  });
  add("course_end_bad.ogg", [](Rng&) {
    // Still kind: a falling, shrugging phrase that settles on the home chord.
    Buf b;
    Tune(b, Reed(), "G4:1 F#4:1 F4:1 E4:2.5", 0, 150, 0.45);
    Tune(b, Bass(), "C3:2 B2:1 C3:2.5", 0, 150, 0.5);
    return Mono(Room(b, 0.3));
  });
  add("scorecard_music.ogg", [](Rng& r) {
    // A light, swinging tune under the scorecard.
    Buf b;
    const double bpm = 132;
    Tune(b, Marimba(), "E5:0.5 G5:0.5 A5:0.5 G5:0.5 E5:1 C5:1 D5:0.5 E5:0.5 D5:0.5 C5:0.5 A4:1 G4:1 "
                        "E5:0.5 G5:0.5 A5:0.5 C6:0.5 B5:1 G5:1 A5:0.5 G5:0.5 E5:0.5 D5:0.5 C5:2",
         0, bpm, 0.55);
    Tune(b, Bass(), "C3:2 A2:2 F2:2 G2:2 C3:2 E3:2 F3:2 G2:1 C3:1", 0, bpm, 0.6);
    const double beat = 60.0 / bpm;
    const std::vector<std::vector<std::string>> chords = {
        {"E4", "G4", "C5"}, {"E4", "A4", "C5"}, {"F4", "A4", "C5"}, {"D4", "G4", "B4"},
        {"E4", "G4", "C5"}, {"E4", "G4", "C5"}, {"F4", "A4", "C5"}, {"D4", "G4", "B4"}};
    for (int i = 0; i < 16; ++i) {
      Chord(b, Piano(), chords[static_cast<std::size_t>(i / 2)], (i + 0.5) * beat, beat * 0.35, 0.35);
      AddBurst(b, i * beat, 0.04, 8000, 0.7, i % 2 ? 0.1 : 0.15, r, 0.015);
    }
    return Mono(Room(b, 0.25));
  });
}

}  // namespace snd
