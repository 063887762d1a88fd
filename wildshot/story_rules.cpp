#include "wildshot/story_rules.h"

#include <algorithm>

#include "platform/random.h"

namespace {

bool IsGood(const TStoryFile& stories, int n) {
  return n >= 1 && n <= static_cast<int>(stories.Stories.size()) &&
         stories.Stories[static_cast<std::size_t>(n - 1)].Good != 0;
}

bool HasWeight(const TStoryFile& stories, int n) {
  const auto end = stories.ChanceArray.begin() + std::min<std::ptrdiff_t>(
                       stories.ChanceCount, static_cast<std::ptrdiff_t>(stories.ChanceArray.size()));
  return std::find(stories.ChanceArray.begin(), end, n) != end;
}

int DrawEntry(const TStoryFile& stories, platform::Random& rng) {
  const int count =
      std::min(stories.ChanceCount, static_cast<int>(stories.ChanceArray.size()));
  if (count <= 0) return 0;
  return stories.ChanceArray[static_cast<std::size_t>(rng.Rand(0, count - 1))];
}

int CountHeld(const TPlaySnapshot& play) {
  int held = 0;
  for (int slot = 2; slot <= 9; ++slot) held += play.Irons[static_cast<std::size_t>(slot)] != 0;
  return held;
}

// Rand(2, 9) until `accept` takes the slot, as the bag is searched in play; bounded, then the
// first slot it takes. The caller has made sure one exists.
template <typename Accept>
int DrawIronSlot(platform::Random& rng, Accept accept) {
  for (int i = 0; i < STORY_MAX_DRAWS; ++i) {
    const int slot = rng.Rand(2, 9);
    if (accept(slot)) return slot;
  }
  for (int slot = 2; slot <= 9; ++slot)
    if (accept(slot)) return slot;
  return 0;
}

}  // namespace

std::string IronText(int iron, int region) {
  const std::string s = std::to_string(iron);
  if (region != 0) return s;
  return (s == "8" ? "an " : "a ") + s;
}

int RandStoryFrom(const TStoryFile& stories, const TPlaySnapshot& play, platform::Random& rng,
                  int* budget) {
  int own = STORY_MAX_DRAWS;
  int& left = budget ? *budget : own;
  --left;
  int n = DrawEntry(stories, rng);
  if (play.AvatarItems[8] == 0 || IsGood(stories, n)) return n;
  const int keep = stories.BadChance - static_cast<int>(stories.GoodChance * 0.25);
  // Negative weights can push the bad sum below 0; the roll then has nothing to range over.
  const int r = stories.BadChance > 0 ? rng.Rand(0, stories.BadChance) : 0;
  if (r < keep) return n;
  while (left-- > 0) {
    const int again = DrawEntry(stories, rng);
    if (IsGood(stories, again)) return again;
  }
  for (int story = 1; story <= static_cast<int>(stories.Stories.size()); ++story)
    if (IsGood(stories, story) && HasWeight(stories, story)) return story;
  return n;
}

bool StoryRule(int n, const TPlaySnapshot& play, platform::Random& rng, TStoryChoice& choice) {
  const bool multiplier_up = play.Multiplier > 1.0 && play.FiveXReached == 0;
  const auto held = [&](int slot) { return play.Irons[static_cast<std::size_t>(slot)] != 0; };
  switch (n) {
    case 1: case 11: case 17: case 22: case 24: case 28:
      return true;
    case 2:
      if (play.GetEmptyIron) {
        choice.SpecialValue = play.GetEmptyIron();
        return choice.SpecialValue >= 2 && choice.SpecialValue <= 9;
      }
      if (CountHeld(play) >= 8) return false;
      choice.SpecialValue = DrawIronSlot(rng, [&](int slot) { return !held(slot); });
      return true;
    case 3: case 4: case 5:
      return play.FiveXReached == 0;
    case 6: {
      int least = 500;
      for (int i = 0; i < 4; ++i) least = std::min(least, 50 * rng.Rand(1, 10));
      choice.SpecialValue = least;
      choice.SpecialText = std::to_string(least);
      return true;
    }
    case 7:
      return play.FreeWaterCards > 0;
    case 8:
      return play.FreeSandCards > 0;
    case 9:
      return play.StockCount > 0;
    case 10: case 13: case 14: case 16: case 29:
      return multiplier_up;
    case 12:
      choice.Minigame = 3;
      return true;
    case 15:
      return play.StockCount > 1;
    case 18:
      if (CountHeld(play) < 1) return false;
      choice.SpecialValue = DrawIronSlot(rng, held);
      choice.SpecialText = std::to_string(choice.SpecialValue);
      return true;
    case 19:
      return play.Mulligans < 3;
    case 20: {
      if (CountHeld(play) < 2) return false;
      choice.SpecialValue = DrawIronSlot(rng, held);
      choice.SpecialText = std::to_string(choice.SpecialValue);
      const int first = choice.SpecialValue;
      choice.SpecialValue2 = DrawIronSlot(rng, [&](int slot) { return held(slot) && slot != first; });
      choice.SpecialText2 = std::to_string(choice.SpecialValue2);
      return true;
    }
    case 21: {
      std::vector<int> owned;
      for (int item = 0; item < static_cast<int>(play.AvatarItems.size()) && owned.size() < 3; ++item)
        if (play.AvatarItems[static_cast<std::size_t>(item)] == 1) owned.push_back(item);
      if (owned.empty()) return false;
      choice.SpecialValue = owned[static_cast<std::size_t>(rng.Rand(0, static_cast<int>(owned.size()) - 1))];
      choice.ItemKey = (play.Male != 0 ? "MaleItem" : "FemaleItem") + std::to_string(choice.SpecialValue);
      return true;
    }
    case 23:
      return play.TimeLimit != 0.0f && play.TimeUp == 0;
    case 25:
      choice.Minigame = 1;
      return true;
    case 26:
      choice.Minigame = 2;
      return true;
    case 27:
      return play.NormalCount >= 2;
    default:
      return false;
  }
}

TStoryChoice ChooseStoryFrom(const TStoryFile& stories, const TPlaySnapshot& play,
                             platform::Random& rng, int force) {
  const auto try_story = [&](int n, TStoryChoice& choice) {
    choice = TStoryChoice{};
    if (n == play.LastWildshotCard) return false;
    if (!StoryRule(n, play, rng, choice)) {
      choice = TStoryChoice{};
      return false;
    }
    choice.Story = n;
    return true;
  };
  TStoryChoice choice;
  if (force >= 1 && try_story(force, choice)) return choice;
  for (int budget = STORY_MAX_DRAWS; budget > 0;)
    if (try_story(RandStoryFrom(stories, play, rng, &budget), choice)) return choice;
  // A table that keeps offering stories that cannot be played: settle on the first that can, by
  // number, preferring those with weight.
  const int count = std::min(29, static_cast<int>(stories.Stories.size()));
  for (int pass = 0; pass < 2; ++pass)
    for (int n = 1; n <= count; ++n)
      if ((pass == 1 || HasWeight(stories, n)) && try_story(n, choice)) return choice;
  for (int n = 1; n <= 29; ++n)
    if (try_story(n, choice)) return choice;
  return choice;
}
