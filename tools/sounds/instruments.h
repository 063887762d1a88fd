#pragma once
// Building blocks shared by the recipes: tuned instruments from additive partials, voices through
// formant filters (crowds, animals), and the everyday noises of the game (whooshes, card flips,
// clicks, knocks, coins, splashes, bird song).

#include <string>
#include <vector>

#include "tools/sounds/dsp.h"

namespace snd {

// Tuned instruments: partials with their attack, release and vibrato.
struct Instrument {
  std::vector<Partial> partials;
  double attack, release, vibrato;
};
const Instrument& Bell();
const Instrument& Glock();
const Instrument& Marimba();
const Instrument& Piano();
const Instrument& Flute();
const Instrument& Brass();
const Instrument& Pad();
const Instrument& Bass();
const Instrument& Reed();

// Plays one note (length in seconds before the release).
void Play(Buf& b, const Instrument& inst, double start, double freq, double length, double amp);
// Plays notes named like "C5" one after another, `step` seconds apart, each ringing `ring` seconds.
void Arpeggio(Buf& b, const Instrument& inst, const std::vector<std::string>& notes, double start,
              double step, double ring, double amp);
void Chord(Buf& b, const Instrument& inst, const std::vector<std::string>& notes, double start,
           double ring, double amp, double strum = 0.012);

// A voice: a buzzing source with jitter through three formants. f0 and the vowel may move: the
// vowel goes from `v0` to `v1` over the length.
struct Vowel {
  double f1, f2, f3;
};
Vowel VowelOf(char name);  // 'a' ah, 'e' eh, 'y' ay, 'o' oh, 'u' oo, 'w' aw, 'h' uh, 'i' ee
struct VoiceSettings {
  double length = 1, f0 = 200, f0_end = 200, attack = 0.08, release = 0.3, breath = 0.15,
         jitter = 0.02, tremolo = 0, tremolo_depth = 0, brightness = 1;
  Vowel v0{730, 1090, 2440}, v1{730, 1090, 2440};
};
Buf Voice(const VoiceSettings& v, Rng& rng);

// A crowd reacting: `cheer` true for cheers (rising "yeah", applause, whistles), false for groans
// (falling "oh"). Size 0..1 sets the number of voices and the strength.
Buf Crowd(double length, bool cheer, double size, Rng& rng);
Buf Applause(double length, int clappers, double density, Rng& rng);

Buf Whoosh(double length, double f0, double f1, double q, Rng& rng);
Buf CardFlip(double length, double pitch, Rng& rng);
Buf CardSlide(double length, double brightness, Rng& rng);
Buf Click(double freq, double length, Rng& rng);
Buf Knock(double freq, double length, Rng& rng);     // wood
Buf Clink(double freq, double length, Rng& rng);     // metal, coins
Buf Thud(double freq, double length, Rng& rng);      // soft low impact
Buf Splash(double length, Rng& rng);
Buf Bubbles(double length, int count, Rng& rng);
Buf Sparkle(double length, int count, double low, double high, Rng& rng);
Buf Beep(double freq, double length, double amp = 1);
Buf Crackle(double length, int count, Rng& rng);
Buf Firework(double launch, double burst, Rng& rng);
Buf Wind(double length, double low, double high, double gustiness, Rng& rng);
// A short phrase of bird song: `kind` picks the shape of the notes.
void AddBirdPhrase(Buf& b, double start, int kind, double amp, Rng& rng);

}  // namespace snd
