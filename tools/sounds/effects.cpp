// The game's sound effects: cards, clicks, whooshes, impacts, crowds, fireworks, water and sand.
// Effects are mono; the finishing step removes DC, fades the edges and sets the peak.

#include <cmath>

#include "tools/sounds/instruments.h"
#include "tools/sounds/registry.h"

namespace snd {

namespace {

// A club meeting the ball: a sharp crack, a short ring of the club head, then the ball's whoosh.
Buf Strike(double power, double ring_hz, Rng& r) {
  Buf b(Samples(0.2 + 0.6 * power), 0.f);
  AddBurst(b, 0, 0.006, 3500, 0.6, 1.0, r, 0.002);
  Mix(b, Clink(ring_hz, 0.12 + 0.1 * power, r), 0, 0.35);
  Mix(b, Thud(140, 0.06, r), 0, 0.5);
  Mix(b, Whoosh(0.15 + 0.5 * power, 2500, 700, 1.2, r), 0.01, 0.25 + 0.35 * power);
  return b;
}

// A looped ticking: `ticks` blips per loop, alternating two pitches.
Sound TickLoop(double period, int ticks, double f1, double f2, Rng& r) {
  Buf b(Samples(period * ticks + 0.1), 0.f);
  for (int i = 0; i < ticks; ++i) {
    Buf tick = Click(i % 2 ? f2 : f1, 0.035, r);
    Mix(b, tick, period * i, 0.8);
  }
  Sound s = Mono(b);
  MakeLoop(s, period * ticks, 0.05, true);
  return s;
}

Buf Rustle(double length, int crinkles, Rng& r) {
  Buf b = Noise(Samples(length), r);
  Filter(b, Biquad::HighPass, 1800, 0.7);
  Shape(b, [&](double t) { return 0.25 * AHR(t, 0.03, length - 0.13, 0.1); });
  for (int i = 0; i < crinkles; ++i)
    AddBurst(b, r.Range(0, length - 0.02), r.Range(0.004, 0.015), r.Range(2500, 7000), 0.9,
             r.Range(0.3, 1.0), r, 0.003);
  return b;
}

Buf Bonk(double freq, double length, Rng& r) {
  Buf b(Samples(length), 0.f);
  Note n;
  n.freq = freq * 1.3;
  n.freq_end = freq;
  n.amp = 0.8;
  n.attack = 0.002;
  n.length = length;
  n.release = 0.01;
  AddNote(b, n, {{1, 1, length / 3}, {2, 0.35, length / 5}, {3, 0.2, length / 6}});
  Mix(b, Knock(freq * 2, 0.05, r), 0, 0.3);
  b.resize(Samples(length));
  return b;
}

Buf Shimmer(double length, bool up, Rng& r) {
  Buf b(Samples(length + 0.2), 0.f);
  const int n = 14;
  for (int i = 0; i < n; ++i) {
    const double u = static_cast<double>(i) / (n - 1);
    const double f = 600 * std::pow(4.0, up ? u : 1 - u);
    Play(b, Glock(), length * 0.85 * u, f, 0.15, 0.25);
  }
  Buf air = Whoosh(length, up ? 800 : 5000, up ? 5000 : 800, 2.0, r);
  Mix(b, air, 0, 0.4);
  return b;
}


Buf Riffle(double len, Rng& r) {
  Buf b(Samples(len + 0.05), 0.f);
  const int n = static_cast<int>(len * 50);
  for (int i = 0; i < n; ++i)
    AddBurst(b, i * (len / n) + r.Range(0.0, 0.004), 0.006, r.Range(2500, 4500), 1.0,
             r.Range(0.5, 1.0) * (0.6 + 0.4 * std::sin(kPi * i / n)), r, 0.0025);
  return b;
}

Buf Till(Rng& r) {
  Buf b = Knock(300, 0.08, r);
  AddBurst(b, 0.02, 0.05, 1800, 0.7, 0.6, r, 0.015);
  Mix(b, Clink(2637, 0.7, r), 0.09, 0.8);
  Mix(b, Clink(3322, 0.6, r), 0.09, 0.5);
  return b;
}

Buf Coins(int count, double spread, Rng& r) {
  Buf b;
  for (int i = 0; i < count; ++i)
    Mix(b, Clink(r.Range(2300, 3800), 0.3, r), spread * i / count + r.Range(0, 0.02), 0.7);
  return b;
}

// Notes of a marimba, rising or falling: the run multiplier's moves.
Buf Steps(const std::vector<std::string>& notes, double step, Rng&) {
  Buf b;
  Arpeggio(b, Marimba(), notes, 0, step, 0.3, 0.7);
  return b;
}

Buf SlideWhistle(double len, double f0, double f1) {
  Buf b;
  Note n;
  n.freq = f0;
  n.freq_end = f1;
  n.amp = 0.5;
  n.attack = 0.03;
  n.length = len;
  n.release = 0.05;
  n.vibrato = 0.2;
  n.vibrato_rate = 6;
  AddNote(b, n, {{1, 1, 0}, {2, 0.08, 0}});
  return b;
}

}  // namespace

void AddEffects(Registry& reg) {
  auto add = [&](const std::string& name, Recipe f) { reg["sound/" + name] = std::move(f); };

  // Buttons (WAV) and the studio splash.
  add("buttonclick.wav", [](Rng& r) {
    Buf b = Click(1800, 0.03, r);
    Mix(b, Click(900, 0.025, r), 0.004, 0.5);
    return Mono(b);
  });
  add("buttonMO.wav", [](Rng& r) {
    Buf b = Click(2600, 0.022, r);
    Gain(b, 0.6);
    return Mono(b);
  });
  reg["SplashSound.wav"] = [](Rng& r) {
    // A soft, shimmering major chord that loops under the logo.
    const double len = 4.0;
    Buf l, rr;
    const char* notes[] = {"C4", "E4", "G4", "C5", "E5", "G5"};
    for (int k = 0; k < 6; ++k) {
      Buf v;
      Note n;
      n.freq = NoteHz(notes[k]);
      n.amp = 0.3;
      n.attack = 0.01;
      n.length = len + 1.5;
      n.release = 0.01;
      n.vibrato = 0.03;
      n.vibrato_rate = 4.0 + 0.25 * k;
      AddNote(v, n, Pad().partials);
      Pan(v, l, rr, 0, -0.6 + 0.24 * k);
    }
    Buf sp = Sparkle(len + 1.5, 24, 1500, 4200, r);
    Pan(sp, l, rr, 0, 0.2, 0.6);
    Reverb(l, rr, 0.35, 0.7);
    Sound s = StereoOf(l, rr);
    MakeLoop(s, len, 1.0, false, len / 2, len / 2);
    return s;
  };

  // The loading screen's ball.
  add("putt.ogg", [](Rng& r) {
    Buf b = Click(1100, 0.09, r);
    Mix(b, Knock(700, 0.08, r), 0, 0.6);
    return Mono(b);
  });
  add("ballinhole.ogg", [](Rng& r) {
    Buf b(Samples(0.7), 0.f);
    // The ball rattles round the cup and drops.
    Mix(b, Knock(520, 0.12, r), 0, 0.8);
    Mix(b, Knock(610, 0.1, r), 0.13, 0.6);
    Mix(b, Knock(560, 0.1, r), 0.22, 0.45);
    Mix(b, Thud(180, 0.3, r), 0.3, 0.9);
    return Mono(b);
  });

  // Crowds.
  for (int i = 1; i <= 6; ++i) {
    add("crowd_cheer" + std::to_string(i) + ".ogg", [i](Rng& r) {
      const double size = 0.15 + 0.17 * (i - 1);
      return Mono(Crowd(1.6 + 0.35 * i, true, size, r));
    });
    add("crowd_groan" + std::to_string(i) + ".ogg", [i](Rng& r) {
      const double size = 0.2 + 0.13 * (i - 1);
      return Mono(Crowd(1.3 + 0.22 * i, false, size, r));
    });
  }
  for (int i = 1; i <= 4; ++i) {
    add("cards_whoosh" + std::to_string(i) + ".ogg", [i](Rng& r) {
      const double len = 0.22 + 0.06 * i;
      Buf b = Whoosh(len, 900 + 150 * i, 4200 - 300 * i, 1.4, r);
      Mix(b, CardFlip(0.08, 1.0 + 0.05 * i, r), len * 0.7, 0.5);
      return Mono(b);
    });
  }
  for (int i = 1; i <= 5; ++i)
    add("long_drive_strike" + std::to_string(i) + ".ogg",
        [i](Rng& r) { return Mono(Strike(0.2 + 0.2 * i, 1800 + 180 * i, r)); });

  // Panels, dialogs and cards.
  add("sliding.ogg", [](Rng& r) { return Mono(Whoosh(0.38, 500, 2200, 1.0, r)); });
  add("landing.ogg", [](Rng& r) {
    Buf b = Thud(120, 0.18, r);
    Mix(b, CardFlip(0.06, 0.8, r), 0, 0.4);
    return Mono(b);
  });
  add("dialog_rustle.ogg", [](Rng& r) { return Mono(Rustle(0.42, 22, r)); });
  add("dialog_slidein.ogg", [](Rng& r) { return Mono(Whoosh(0.3, 400, 2600, 1.3, r)); });
  add("dialog_slideout.ogg", [](Rng& r) { return Mono(Whoosh(0.3, 2600, 400, 1.3, r)); });
  add("dialog_error.ogg", [](Rng& r) {
    Buf b = Bonk(180, 0.16, r);
    Mix(b, Bonk(150, 0.2, r), 0.17, 1.0);
    return Mono(b);
  });
  add("dialog_misc.ogg", [](Rng&) {
    Buf b;
    Note n;
    n.freq = 500;
    n.freq_end = 900;
    n.amp = 0.8;
    n.attack = 0.003;
    n.length = 0.09;
    n.release = 0.03;
    AddNote(b, n, {{1, 1, 0.05}, {2, 0.2, 0.03}});
    return Mono(b);
  });
  add("invalid.ogg", [](Rng& r) { return Mono(Bonk(140, 0.22, r)); });
  add("card_being_played.ogg", [](Rng& r) { return Mono(CardFlip(0.09, 1.0, r)); });
  add("card_flip_quick.ogg", [](Rng& r) { return Mono(CardFlip(0.065, 1.15, r)); });
  add("card_landing_on_card.ogg", [](Rng& r) {
    Buf b = Click(2400, 0.03, r);
    Mix(b, Thud(200, 0.07, r), 0, 0.5);
    Mix(b, CardSlide(0.05, 0.8, r), 0.005, 0.3);
    return Mono(b);
  });
  add("play_card.ogg", [](Rng& r) {
    Buf b = CardFlip(0.1, 0.95, r);
    Mix(b, Click(2100, 0.03, r), 0.07, 0.5);
    return Mono(b);
  });
  add("play_card_2.ogg", [](Rng& r) {
    Buf b = CardFlip(0.11, 1.05, r);
    Mix(b, Click(2300, 0.03, r), 0.075, 0.5);
    return Mono(b);
  });
  add("play_card_3.ogg", [](Rng& r) {
    Buf b = CardFlip(0.1, 0.88, r);
    Mix(b, Click(1900, 0.03, r), 0.07, 0.5);
    return Mono(b);
  });
  add("card_slide.ogg", [](Rng& r) { return Mono(CardSlide(0.26, 0.7, r)); });
  add("card_shuffle.ogg", [](Rng& r) {
    // A riffle: a fast flutter of card edges, looped.
    const double len = 0.96;
    Buf b(Samples(len + 0.1), 0.f);
    for (int i = 0; i < 48; ++i) {
      const double at = i * (len / 48) + r.Range(-0.003, 0.003) + 0.003;
      AddBurst(b, at, 0.006, r.Range(2500, 4500), 1.0, r.Range(0.5, 1.0), r, 0.0025);
    }
    Buf rub = Noise(b.size(), r);
    Filter(rub, Biquad::BandPass, 2500, 0.6);
    Mix(b, rub, 0, 0.12);
    Sound s = Mono(b);
    MakeLoop(s, len, 0.05, false);
    return s;
  });
  add("snap.ogg", [](Rng& r) {
    Buf b(Samples(0.3), 0.f);
    AddBurst(b, 0, 0.01, 2800, 0.5, 1.0, r, 0.004);
    Mix(b, Knock(900, 0.1, r), 0, 0.7);
    Mix(b, Clink(1500, 0.2, r), 0.005, 0.4);
    AddBurst(b, 0.02, 0.02, 1800, 0.8, 0.4, r, 0.008);
    return Mono(b);
  });

  // Irons.
  add("iron_mouseover.ogg", [](Rng& r) { return Mono(Clink(3100, 0.07, r)); });
  add("iron_play.ogg", [](Rng& r) {
    Buf b = Clink(1700, 0.35, r);
    Mix(b, Whoosh(0.2, 3000, 900, 1.2, r), 0.01, 0.4);
    return Mono(b);
  });
  add("iron_morphin.ogg", [](Rng& r) { return Mono(Shimmer(0.7, true, r)); });
  add("iron_morphout.ogg", [](Rng& r) { return Mono(Shimmer(0.7, false, r)); });
  add("long_drive_iron.ogg", [](Rng& r) { return Mono(Strike(0.5, 2100, r)); });
  add("long_drive_whoosh.ogg", [](Rng& r) {
    Buf b = Whoosh(1.2, 1800, 400, 1.5, r);
    Mix(b, Whoosh(0.9, 4000, 1200, 2.0, r), 0.05, 0.4);
    return Mono(b);
  });
  add("swish.ogg", [](Rng& r) { return Mono(Whoosh(0.38, 700, 3600, 1.6, r)); });

  // Clock and signs.
  add("timelowbeep.ogg", [](Rng&) { return Mono(Beep(1320, 0.11)); });
  add("timeup.ogg", [](Rng&) {
    Buf b;
    for (int i = 0; i < 3; ++i) Mix(b, Beep(880 - 110 * i, 0.18), 0.22 * i, 0.9);
    Mix(b, Beep(440, 0.5), 0.66, 1.0);
    return Mono(b);
  });
  add("stopwatch_hit_sign.ogg", [](Rng& r) {
    Buf b = Knock(330, 0.18, r);
    Mix(b, Clink(2600, 0.15, r), 0, 0.25);
    return Mono(b);
  });
  add("selector_cycle.ogg", [](Rng& r) {
    Buf b = Click(1500, 0.04, r);
    Mix(b, Knock(600, 0.06, r), 0.01, 0.5);
    return Mono(b);
  });
  add("selector_zoomin.ogg", [](Rng& r) { return Mono(Whoosh(0.5, 300, 3000, 1.4, r)); });
  add("selector_zoomout.ogg", [](Rng& r) { return Mono(Whoosh(0.5, 3000, 300, 1.4, r)); });
  add("scorecard_appear.ogg", [](Rng& r) {
    Buf b = Whoosh(0.35, 600, 2800, 1.2, r);
    Mix(b, Rustle(0.2, 8, r), 0.2, 0.5);
    return Mono(b);
  });
  add("scorecard_disappear.ogg", [](Rng& r) {
    Buf b = Rustle(0.15, 6, r);
    Mix(b, Whoosh(0.35, 2800, 600, 1.2, r), 0.05, 1.0);
    return Mono(b);
  });
  add("newspaper/newspaper_spin.ogg", [](Rng& r) {
    // A page spinning towards the viewer: a whoosh that pulses with each turn.
    const double len = 1.1;
    Buf b = Noise(Samples(len), r);
    FilterSweep(b, Biquad::BandPass, [](double u) { return 700 + 1800 * u; }, 1.0);
    Shape(b, [&](double t) {
      const double turns = 6 + 6 * t / len;
      return (0.35 + 0.65 * std::pow(std::sin(kPi * turns * t), 2)) * AHR(t, 0.2, len - 0.35, 0.15);
    });
    return Mono(b);
  });
  add("newspaper/newspaper_land.ogg", [](Rng& r) {
    Buf b = Thud(110, 0.2, r);
    Mix(b, Rustle(0.25, 10, r), 0, 0.7);
    return Mono(b);
  });
  add("flashbulb.ogg", [](Rng& r) {
    Buf b = Click(2500, 0.03, r);
    Buf whine;
    Note n;
    n.freq = 3000;
    n.freq_end = 7000;
    n.amp = 0.15;
    n.attack = 0.01;
    n.length = 0.35;
    n.release = 0.05;
    AddNote(whine, n, {{1, 1, 0.2}});
    Mix(b, whine, 0.02, 1.0);
    AddBurst(b, 0.05, 0.1, 1500, 0.5, 0.8, r, 0.03);
    return Mono(b);
  });

  // Tokens and cash.
  add("token_appears.ogg", [](Rng& r) {
    Buf b = Clink(2900, 0.25, r);
    Mix(b, Sparkle(0.2, 6, 3000, 6000, r), 0.02, 0.5);
    return Mono(b);
  });
  add("token_hit_sign.ogg", [](Rng& r) {
    Buf b = Clink(2400, 0.2, r);
    Mix(b, Knock(420, 0.08, r), 0, 0.6);
    return Mono(b);
  });
  add("cash_sign.ogg", [](Rng& r) {
    // Till drawer and its bell: "ka-ching".
    Buf b = Knock(300, 0.08, r);
    AddBurst(b, 0.02, 0.05, 1800, 0.7, 0.6, r, 0.015);
    Mix(b, Clink(2637, 0.7, r), 0.09, 0.8);
    Mix(b, Clink(3322, 0.6, r), 0.09, 0.5);
    return Mono(b);
  });
  add("bonus_count.ogg", [](Rng& r) { return TickLoop(0.05, 12, 2200, 2600, r); });
  add("mini_found_money.ogg", [](Rng& r) {
    Buf b;
    for (int i = 0; i < 9; ++i) Mix(b, Clink(r.Range(2300, 3800), 0.3, r), 0.06 * i + r.Range(0, 0.02), 0.7);
    return Mono(b);
  });

  // Hazards.
  add("Sand_Wedge_Used.ogg", [](Rng& r) {
    Buf b = Thud(130, 0.15, r);
    Buf sand = Noise(Samples(0.6), r);
    Filter(sand, Biquad::LowPass, 2600, 0.7);
    double g = 1, tgt = 1;
    for (std::size_t i = 0; i < sand.size(); ++i) {
      if (i % 90 == 0) tgt = r.Range(0.2, 1.0);
      g += (tgt - g) * 0.1;
      sand[i] = static_cast<float>(sand[i] * g);
    }
    Shape(sand, [](double t) { return AD(t, 0.01, 0.18); });
    Mix(b, sand, 0.02, 1.0);
    return Mono(b);
  });
  add("Water_Hazard_Cleared.ogg", [](Rng& r) {
    Buf b = Splash(0.7, r);
    Arpeggio(b, Glock(), {"C6", "E6", "G6", "C7"}, 0.3, 0.08, 0.4, 0.35);
    return Mono(b);
  });
  add("water_spray.ogg", [](Rng& r) {
    Buf b = Noise(Samples(0.8), r);
    Filter(b, Biquad::HighPass, 2000, 0.7);
    Shape(b, [](double t) { return AD(t, 0.05, 0.25); });
    Mix(b, Bubbles(0.6, 10, r), 0.1, 0.4);
    return Mono(b);
  });

  // Birds of the hole-end picture: it spins in and lands.
  add("bird_spin.ogg", [](Rng& r) {
    const double len = 0.55;
    Buf b = Noise(Samples(len), r);
    FilterSweep(b, Biquad::BandPass, [](double u) { return 900 + 1200 * u; }, 1.5);
    Shape(b, [&](double t) {
      return (0.4 + 0.6 * std::pow(std::sin(kPi * 14 * t), 2)) * AHR(t, 0.05, len - 0.15, 0.1);
    });
    AddChirp(b, 0.0, len, 1200, 2600, 0.2, 1);
    return Mono(b);
  });
  add("bird_thump.ogg", [](Rng& r) {
    Buf b = Thud(95, 0.25, r);
    AddBirdPhrase(b, 0.08, 4, 0.25, r);
    return Mono(b);
  });

  // Play field events.
  add("xray.ogg", [](Rng& r) {
    // An electric hum with a slow scanning sweep, looped.
    const double len = 2.0;
    Buf b;
    Note n;
    n.freq = 110;
    n.amp = 0.4;
    n.attack = 0.001;
    n.length = len + 0.5;
    n.release = 0.01;
    AddNote(b, n, {{1, 1, 0}, {2, 0.5, 0}, {3, 0.35, 0}, {5, 0.2, 0}, {7, 0.1, 0}});
    Buf scan = Noise(b.size(), r);
    FilterSweep(scan, Biquad::BandPass,
                [&](double u) { return 1500 + 1200 * std::sin(2 * kPi * u * (len + 0.5) / len); }, 4);
    Mix(b, scan, 0, 0.5);
    Sound s = Mono(b);
    MakeLoop(s, len, 0.3, false, len / 2, len / 2);
    return s;
  });
  add("wild_shot_card_appears.ogg", [](Rng& r) {
    Buf b = Whoosh(0.8, 400, 3000, 1.2, r);
    Mix(b, Sparkle(0.9, 20, 1800, 5000, r), 0.1, 0.8);
    return Mono(b);
  });
  add("rifleshot.ogg", [](Rng& r) {
    Buf b(Samples(1.0), 0.f);
    Buf crack = Noise(Samples(0.25), r);
    Filter(crack, Biquad::LowPass, 5000, 0.7);
    Shape(crack, [](double t) { return AD(t, 0.0008, 0.03); });
    Mix(b, crack, 0, 1.0);
    Mix(b, Thud(70, 0.4, r), 0, 0.8);
    // Echoes off the hills.
    for (int e = 1; e <= 3; ++e) {
      Buf echo = crack;
      Filter(echo, Biquad::LowPass, 1500.0 / e, 0.7);
      Mix(b, echo, 0.18 * e, 0.35 / e);
    }
    return Mono(b);
  });
  add("sky_ball.ogg", [](Rng& r) {
    Buf b(Samples(1.0), 0.f);
    AddChirp(b, 0, 1.0, 900, 2600, 0.25, 0.7);
    Mix(b, Whoosh(1.0, 600, 3500, 1.5, r), 0, 0.6);
    return Mono(b);
  });
  add("lostitem.ogg", [](Rng& r) {
    Buf b;
    Arpeggio(b, Marimba(), {"G5", "E5", "C5", "G4"}, 0, 0.12, 0.3, 0.6);
    Mix(b, Whoosh(0.5, 2000, 500, 1.3, r), 0.35, 0.3);
    return Mono(b);
  });
  add("wildshot_mini.ogg", [](Rng& r) {
    Buf b = Whoosh(0.6, 300, 2500, 1.2, r);
    Chord(b, Bell(), {"C5", "E5", "G5"}, 0.45, 0.6, 0.6);
    return Mono(b);
  });

  // Mini-games.
  add("ball_bounce.ogg", [](Rng& r) {
    Buf b;
    double t = 0, gap = 0.28, amp = 1.0;
    for (int i = 0; i < 6; ++i) {
      Mix(b, Thud(160 + 10 * i, 0.1, r), t, amp);
      Mix(b, Click(900, 0.02, r), t, amp * 0.3);
      t += gap;
      gap *= 0.7;
      amp *= 0.65;
    }
    return Mono(b);
  });
  add("mini_woodbounce.ogg", [](Rng& r) { return Mono(Knock(480, 0.2, r)); });
  add("mini_tinydrive.ogg", [](Rng& r) {
    Buf b = Thud(160, 0.12, r);  // a topped, dull hit
    Mix(b, Knock(380, 0.08, r), 0, 0.6);
    return Mono(b);
  });
  add("mini_smalldrive.ogg", [](Rng& r) { return Mono(Strike(0.3, 1600, r)); });
  add("mini_meddrive.ogg", [](Rng& r) { return Mono(Strike(0.55, 1900, r)); });
  add("mini_bigdrive.ogg", [](Rng& r) { return Mono(Strike(0.8, 2100, r)); });
  add("mini_perfectdrive.ogg", [](Rng& r) {
    Buf b = Strike(1.0, 2300, r);
    Mix(b, Crowd(1.6, true, 0.3, r), 0.25, 0.35);
    return Mono(b);
  });

  // Fireworks.
  add("firework.ogg", [](Rng& r) { return Mono(Firework(0.7, 1.3, r)); });
  add("fireworksMed.ogg", [](Rng& r) {
    Buf b;
    for (int i = 0; i < 3; ++i) Mix(b, Firework(0.6 + r.Range(0, 0.3), 1.2, r), 0.7 * i, r.Range(0.6, 1.0));
    return Mono(b);
  });
  add("fireworksLong.ogg", [](Rng& r) {
    Buf b;
    for (int i = 0; i < 7; ++i) Mix(b, Firework(0.6 + r.Range(0, 0.4), 1.3, r), 0.65 * i + r.Range(0, 0.2), r.Range(0.55, 1.0));
    return Mono(b);
  });

  // Runs of cards.
  add("run_end.ogg", [](Rng&) {
    Buf b;
    Note n;
    n.freq = 900;
    n.freq_end = 300;
    n.amp = 0.7;
    n.attack = 0.005;
    n.length = 0.35;
    n.release = 0.06;
    AddNote(b, n, {{1, 1, 0.3}, {2, 0.3, 0.15}, {3, 0.1, 0.1}});
    return Mono(b);
  });
  add("run_end_reverse.ogg", [](Rng&) {
    Buf b;
    Note n;
    n.freq = 300;
    n.freq_end = 900;
    n.amp = 0.7;
    n.attack = 0.02;
    n.length = 0.35;
    n.release = 0.06;
    AddNote(b, n, {{1, 1, 0}, {2, 0.3, 0}, {3, 0.1, 0}});
    return Mono(b);
  });
  add("long_drive_tone.ogg", [](Rng&) {
    Buf b;
    Play(b, Bell(), 0, NoteHz("A5"), 0.6, 0.6);
    return Mono(b);
  });

  // The shop.
  add("shop/ShopEntrance.ogg", [](Rng& r) {
    // The bell over the shop door, swinging.
    Buf b;
    for (int i = 0; i < 4; ++i) {
      Mix(b, Clink(2350 + (i % 2) * 90, 0.9, r), 0.14 * i, std::pow(0.7, i));
    }
    Mix(b, Knock(250, 0.1, r), 0, 0.5);
    return Mono(b);
  });
  add("shop/golfshop_item.ogg", [](Rng& r) {
    Buf b = Click(1300, 0.05, r);
    Play(b, Marimba(), 0.01, NoteHz("E6"), 0.1, 0.5);
    return Mono(b);
  });
  add("shop/golfshop_buy.ogg", [](Rng& r) {
    Buf b = Knock(300, 0.08, r);
    AddBurst(b, 0.03, 0.06, 1600, 0.7, 0.5, r, 0.02);
    Mix(b, Clink(2794, 0.8, r), 0.1, 0.8);
    Mix(b, Clink(3520, 0.7, r), 0.1, 0.5);
    for (int i = 0; i < 5; ++i) Mix(b, Clink(r.Range(2500, 3800), 0.25, r), 0.25 + 0.05 * i, 0.3);
    return Mono(b);
  });
  add("shop/golfshop_invalid.ogg", [](Rng& r) {
    Buf b = Bonk(200, 0.14, r);
    Mix(b, Bonk(170, 0.18, r), 0.15, 1.0);
    return Mono(b);
  });
  // The shop's ambience, played now and then while the shop is open.
  add("shop/0.ogg", [](Rng& r) { return Mono(Till(r)); });  // a register rung up at the counter
  add("shop/1.ogg", [](Rng& r) {
    // coat hangers sliding along a rail
    Buf b;
    for (int i = 0; i < 6; ++i) Mix(b, Clink(r.Range(1700, 2600), 0.35, r), 0.07 * i + r.Range(0, 0.03), 0.5);
    return Mono(b);
  });
  add("shop/2.ogg", [](Rng& r) {
    // footsteps on the wooden floor
    Buf b;
    for (int i = 0; i < 5; ++i) Mix(b, Knock(r.Range(140, 190), 0.09, r), 0.42 * i, 0.7 - 0.08 * i);
    return Mono(b);
  });
  add("shop/3.ogg", [](Rng& r) {
    // clubs knocking together in a bag being set down
    Buf b = Knock(220, 0.12, r);
    for (int i = 0; i < 4; ++i) Mix(b, Clink(r.Range(900, 1400), 0.3, r), 0.05 + 0.06 * i, 0.45);
    return Mono(b);
  });
  add("shop/4.ogg", [](Rng& r) {
    // the shop door's bell, a single gentle ring
    Buf b;
    Mix(b, Clink(2350, 0.9, r), 0, 0.7);
    Mix(b, Clink(2440, 0.8, r), 0.16, 0.4);
    return Mono(b);
  });
  // The wild shot stories' own sounds, by story number (the mini-game stories 25 and 26 have none).
  auto story = [&](int n, Recipe f) { add("wildshots/wildshot_" + std::to_string(n) + ".ogg", std::move(f)); };
  story(1, [](Rng& r) { return Mono(Till(r)); });
  story(2, [](Rng& r) {
    Buf b = Clink(1900, 0.5, r);
    Mix(b, Shimmer(0.7, true, r), 0.1, 0.8);
    return Mono(b);
  });
  story(3, [](Rng& r) { return Mono(Steps({"C5", "E5", "G5"}, 0.1, r)); });
  story(4, [](Rng& r) {
    Buf b = Steps({"C5", "E5", "G5", "C6"}, 0.09, r);
    Mix(b, Sparkle(0.5, 10, 3000, 6500, r), 0.25, 0.5);
    return Mono(b);
  });
  story(5, [](Rng& r) {
    // A gopher chatters, grabs the winnings and is gone.
    Buf b;
    for (int k = 0; k < 4; ++k) {
      VoiceSettings v;
      v.length = 0.06;
      v.f0 = 850 + 60 * k;
      v.f0_end = 1000;
      v.v0 = VowelOf('i');
      v.v1 = VowelOf('e');
      v.attack = 0.005;
      v.release = 0.03;
      Mix(b, Voice(v, r), 0.11 * k, 0.7);
    }
    Mix(b, Coins(6, 0.3, r), 0.45, 0.6);
    Mix(b, Whoosh(0.4, 2500, 600, 1.3, r), 0.6, 0.7);
    return Mono(b);
  });
  story(6, [](Rng& r) { return Mono(Coins(9, 0.5, r)); });
  story(7, [](Rng& r) {
    Buf b = Bubbles(1.0, 16, r);
    Mix(b, Shimmer(0.8, true, r), 0.2, 0.5);
    return Mono(b);
  });
  story(8, [](Rng& r) {
    Buf b = Noise(Samples(0.9), r);
    Filter(b, Biquad::LowPass, 2500, 0.7);
    double g = 1, tgt = 1;
    for (std::size_t i = 0; i < b.size(); ++i) {
      if (i % 90 == 0) tgt = r.Range(0.2, 1.0);
      g += (tgt - g) * 0.1;
      b[i] = static_cast<float>(b[i] * g);
    }
    Shape(b, [](double t) { return std::pow(std::sin(kPi * t / 0.9), 2); });
    Mix(b, Shimmer(0.6, true, r), 0.3, 0.4);
    return Mono(b);
  });
  story(9, [](Rng& r) {
    Buf b = CardSlide(0.3, 0.6, r);
    Mix(b, SlideWhistle(0.4, 900, 500), 0.2, 0.4);
    return Mono(b);
  });
  story(10, [](Rng& r) { return Mono(Steps({"G5", "E5", "C5", "G4"}, 0.12, r)); });
  story(11, [](Rng& r) {
    Buf b = Bonk(160, 0.25, r);
    for (int k = 0; k < 4; ++k) Mix(b, Clink(3000 - 300 * k, 0.2, r), 0.25 + 0.12 * k, 0.5);
    return Mono(b);
  });
  story(12, [](Rng& r) {
    Buf b = Rustle(1.1, 40, r);
    AddBirdPhrase(b, 0.6, 2, 0.2, r);
    return Mono(b);
  });
  story(13, [](Rng& r) { return Mono(Steps({"E5", "D5"}, 0.12, r)); });
  story(14, [](Rng& r) { return Mono(Steps({"E5", "D5", "C5"}, 0.12, r)); });
  story(15, [](Rng& r) {
    Buf b = CardSlide(0.28, 0.6, r);
    Mix(b, CardSlide(0.28, 0.5, r), 0.3, 1.0);
    Mix(b, SlideWhistle(0.45, 800, 420), 0.45, 0.4);
    return Mono(b);
  });
  story(16, [](Rng& r) { return Mono(Steps({"E5", "C5", "A4"}, 0.12, r)); });
  story(17, [](Rng& r) {
    // The referee's whistle.
    Buf b;
    Note n;
    n.freq = 2800;
    n.amp = 0.5;
    n.attack = 0.01;
    n.length = 0.5;
    n.release = 0.03;
    AddNote(b, n, {{1, 1, 0}, {2, 0.1, 0}});
    Shape(b, [](double t) { return 0.6 + 0.4 * std::sin(2 * kPi * 28 * t); });
    Mix(b, Bonk(160, 0.25, r), 0.6, 0.8);
    return Mono(b);
  });
  story(18, [](Rng& r) {
    Buf b(Samples(0.3), 0.f);
    AddBurst(b, 0, 0.01, 2800, 0.5, 1.0, r, 0.004);
    Mix(b, Knock(900, 0.1, r), 0, 0.7);
    Mix(b, Clink(1500, 0.2, r), 0.005, 0.4);
    return Mono(b);
  });
  story(19, [](Rng& r) {
    Buf b;
    Arpeggio(b, Bell(), {"C5", "G5", "C6"}, 0, 0.12, 0.7, 0.5);
    Mix(b, Sparkle(0.6, 12, 2500, 6000, r), 0.1, 0.4);
    return Mono(b);
  });
  story(20, [](Rng& r) {
    Buf b;
    for (int k = 0; k < 2; ++k) {
      AddBurst(b, 0.4 * k, 0.01, 2800 - 300 * k, 0.5, 1.0, r, 0.004);
      Mix(b, Knock(900 - 100 * k, 0.1, r), 0.4 * k, 0.7);
      Mix(b, Clink(1500 - 150 * k, 0.2, r), 0.4 * k + 0.005, 0.4);
    }
    return Mono(b);
  });
  story(21, [](Rng& r) {
    Buf b = Whoosh(0.5, 800, 2500, 1.3, r);
    Arpeggio(b, Marimba(), {"A5", "F5", "D5"}, 0.3, 0.12, 0.3, 0.5);
    return Mono(b);
  });
  story(22, [](Rng& r) {
    Buf b = Bonk(190, 0.2, r);
    Mix(b, Clink(2800, 0.2, r), 0.2, 0.4);
    return Mono(b);
  });
  story(23, [](Rng& r) {
    // The clock winds back: fast ticks, then a bright chime.
    Buf b;
    for (int k = 0; k < 10; ++k) Mix(b, Click(k % 2 ? 2600 : 2200, 0.03, r), 0.06 * k, 0.6);
    Play(b, Bell(), 0.65, NoteHz("E6"), 0.6, 0.6);
    return Mono(b);
  });
  story(24, [](Rng& r) {
    // Cocking the rifle: two metal clicks.
    Buf b = Clink(1800, 0.08, r);
    Mix(b, Knock(700, 0.05, r), 0.01, 0.4);
    Mix(b, Clink(1500, 0.1, r), 0.22, 1.0);
    Mix(b, Knock(600, 0.06, r), 0.23, 0.5);
    return Mono(b);
  });
  story(27, [](Rng& r) { return Mono(Riffle(1.2, r)); });
  story(28, [](Rng& r) {
    Buf b = Whoosh(1.4, 300, 2000, 0.9, r);
    Mix(b, Sparkle(1.2, 18, 2000, 5500, r), 0.2, 0.5);
    return Mono(b);
  });
  story(29, [](Rng& r) {
    Buf b = SlideWhistle(0.8, 1100, 350);
    Mix(b, Bonk(150, 0.25, r), 0.8, 0.7);
    return Mono(b);
  });

  // The trophy room's tool tip.
  add("trophy_tooltip.ogg", [](Rng& r) {
    Buf b = Clink(3300, 0.25, r);
    Play(b, Glock(), 0.01, NoteHz("G6"), 0.2, 0.3);
    return Mono(b);
  });
}

}  // namespace snd
