#pragma once
// Which wild shot story fits the play now, and the values that come with it. Plain rules over a
// snapshot of play, rolled on the caller's generator (the play field's), so they run and are
// tested without a screen.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "wildshot/story_file.h"

namespace platform {
class Random;
}

// What the rules read of the play in progress.
struct TPlaySnapshot {
  std::array<int, 10> Irons{};  // slots 2..9: 0 empty, anything else held
  int Mulligans = 0;
  float TimeLimit = 0.0f;  // ms; 0: the hole has no clock
  int TimeUp = 0;
  std::array<int, 12> AvatarItems{};  // 1 where owned
  int Male = 1;
  double Multiplier = 1.0;
  int FiveXReached = 0;
  int FreeWaterCards = 0;
  int FreeSandCards = 0;
  int StockCount = 0;
  int NormalCount = 0;
  int LastWildshotCard = 0;  // the story chosen at the previous wild shot; -1 or 0 for none
  // The bag's own choice of a free iron slot (0 when none is free); without one, a slot of Irons
  // that holds 0.
  std::function<int()> GetEmptyIron;
};

// The drawn story and what goes with it.
struct TStoryChoice {
  int Story = 0;  // the wild shot story number, 1 based
  int SpecialValue = 0;
  std::string SpecialText;
  int SpecialValue2 = 0;
  std::string SpecialText2;
  int Minigame = 0;  // 1 long drive (25), 2 putting (26), 3 lost ball (12)
  // Story 21: the text-table key of the lost item's name ("MaleItem3", "FemaleItem3").
  std::string ItemKey;
};

// Draws are bounded: after this many draws from the table, counted over both loops of a choice,
// the draw settles on the first qualifying story by number.
constexpr int STORY_MAX_DRAWS = 10000;

// One weighted draw from the table, with avatar item 8's rule that makes bad stories rarer. Each
// draw from the table takes one from `budget` (STORY_MAX_DRAWS of its own when none is given).
int RandStoryFrom(const TStoryFile& stories, const TPlaySnapshot& play, platform::Random& rng,
                  int* budget = nullptr);
// Applies story n's rule: true and `choice` filled when the story fits the play (random values are
// rolled only then).
bool StoryRule(int n, const TPlaySnapshot& play, platform::Random& rng, TStoryChoice& choice);
// Draws until a story fits and differs from the previous one. `force`, when 1..29, is tried first
// (tests and the bench pick a story this way); it still has to fit.
TStoryChoice ChooseStoryFrom(const TStoryFile& stories, const TPlaySnapshot& play,
                             platform::Random& rng, int force = 0);
// The iron as story 2 writes it: region 0 "a 7", "an 8"; other regions the digits alone.
std::string IronText(int iron, int region);
