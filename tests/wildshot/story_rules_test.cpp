#include "wildshot/story_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "platform/random.h"

namespace {

// 29 stories, each weighted `weight`, good as the game's file marks them.
TStoryFile Table(int weight = 1) {
  static const int good[29] = {1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0,
                               0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1, 0, 1, 0};
  TStoryFile t;
  t.ChanceArray.assign(500, 0);
  for (int n = 1; n <= 29; ++n) {
    TWildshot s;
    s.Title = "s" + std::to_string(n);
    s.Good = good[n - 1];
    s.Frames = 8;
    t.Stories.push_back(s);
    for (int k = 0; k < weight; ++k) t.ChanceArray[static_cast<std::size_t>(t.ChanceCount++)] = n;
    if (n != 12 && n != 25 && n != 26) (s.Good ? t.GoodChance : t.BadChance) += weight;
  }
  return t;
}

// A hole where every story fits.
TPlaySnapshot OpenPlay() {
  TPlaySnapshot p;
  p.Irons = {0, 0, 1, 1, 0, 0, 0, 0, 0, 0};
  p.Mulligans = 0;
  p.TimeLimit = 60000;
  p.AvatarItems[2] = 1;
  p.Multiplier = 1.5;
  p.FreeWaterCards = 1;
  p.FreeSandCards = 1;
  p.StockCount = 5;
  p.NormalCount = 10;
  p.LastWildshotCard = -1;
  return p;
}

TEST(StoryRulesTest, AStoryWhoseRuleFailsIsNeverDrawn) {
  using Change = std::function<void(TPlaySnapshot&)>;
  const struct {
    std::vector<int> stories;
    Change change;
  } rows[] = {
      {{2}, [](TPlaySnapshot& p) { p.Irons = {0, 0, 1, 1, 1, 1, 1, 1, 1, 1}; }},
      {{2}, [](TPlaySnapshot& p) { p.Irons = {1, 1, 2, 2, 2, 2, 2, 2, 2, 2}; }},  // a damaged bag
      {{3, 4, 5, 10, 13, 14, 16, 29}, [](TPlaySnapshot& p) { p.FiveXReached = 1; }},
      {{10, 13, 14, 16, 29}, [](TPlaySnapshot& p) { p.Multiplier = 1.0; }},
      {{7}, [](TPlaySnapshot& p) { p.FreeWaterCards = 0; }},
      {{8}, [](TPlaySnapshot& p) { p.FreeSandCards = 0; }},
      {{9, 15}, [](TPlaySnapshot& p) { p.StockCount = 0; }},
      {{15}, [](TPlaySnapshot& p) { p.StockCount = 1; }},
      {{18, 20}, [](TPlaySnapshot& p) { p.Irons = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0}; }},
      {{20}, [](TPlaySnapshot& p) { p.Irons = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0}; }},
      {{19}, [](TPlaySnapshot& p) { p.Mulligans = 3; }},
      {{21}, [](TPlaySnapshot& p) { p.AvatarItems = {}; }},
      {{23}, [](TPlaySnapshot& p) { p.TimeLimit = 0; }},
      {{23}, [](TPlaySnapshot& p) { p.TimeUp = 1; }},
      {{27}, [](TPlaySnapshot& p) { p.NormalCount = 1; }},
  };
  const TStoryFile table = Table();
  platform::Random rng(7);
  for (const auto& row : rows) {
    TPlaySnapshot play = OpenPlay();
    row.change(play);
    std::set<int> drawn;
    for (int i = 0; i < 3000; ++i) drawn.insert(ChooseStoryFrom(table, play, rng).Story);
    for (int n : row.stories) EXPECT_EQ(drawn.count(n), 0u) << "story " << n;
    EXPECT_GE(drawn.size(), 10u);
  }
}

TEST(StoryRulesTest, IronsComeFromTheRightSlotsEvenInADamagedBag) {
  platform::Random rng(11);
  TPlaySnapshot play = OpenPlay();
  play.Irons = {1, 1, 2, 0, 1, 0, 0, 0, 3, 0};  // 0 and 1 set, slots holding 2 and 3 count as held
  for (int i = 0; i < 500; ++i) {
    TStoryChoice c;
    ASSERT_TRUE(StoryRule(2, play, rng, c));
    EXPECT_TRUE(c.SpecialValue >= 2 && c.SpecialValue <= 9 && play.Irons[c.SpecialValue] == 0) << c.SpecialValue;
    c = {};
    ASSERT_TRUE(StoryRule(20, play, rng, c));
    EXPECT_NE(play.Irons[c.SpecialValue], 0);
    EXPECT_NE(play.Irons[c.SpecialValue2], 0);
    EXPECT_NE(c.SpecialValue, c.SpecialValue2);
    EXPECT_EQ(c.SpecialText2, std::to_string(c.SpecialValue2));
  }
}

TEST(StoryRulesTest, ARepeatLeavesNoValuesBehind) {
  TStoryFile table = Table(0);
  table.ChanceCount = 2;
  table.ChanceArray[0] = 6;
  table.ChanceArray[1] = 1;
  TPlaySnapshot play = OpenPlay();
  play.LastWildshotCard = 6;
  platform::Random rng(3);
  for (int i = 0; i < 50; ++i) {
    const TStoryChoice c = ChooseStoryFrom(table, play, rng);
    EXPECT_EQ(c.Story, 1);
    EXPECT_EQ(c.SpecialValue, 0);
    EXPECT_EQ(c.SpecialText, "");
  }
}

TEST(StoryRulesTest, AGeneratorStuckOnThePreviousStoryStillEnds) {
  TStoryFile table = Table(0);
  table.ChanceCount = 1;
  table.ChanceArray[0] = 6;
  TPlaySnapshot play = OpenPlay();
  play.LastWildshotCard = 6;
  platform::Random rng(3);
  EXPECT_EQ(ChooseStoryFrom(table, play, rng).Story, 1);
  // Item 8 with nothing good to draw again: the bad story stands after the bound.
  TStoryFile bad = Table(0);
  bad.ChanceCount = 1;
  bad.ChanceArray[0] = 5;
  bad.BadChance = 1;
  bad.GoodChance = 100;
  play.AvatarItems[8] = 1;
  EXPECT_GE(RandStoryFrom(bad, play, rng), 1);
}

TEST(StoryRulesTest, StorySixPaysTheLeastOfFourDraws) {
  platform::Random rng(99);
  TPlaySnapshot play = OpenPlay();
  const int draws = 200000;
  int fifty = 0, five_hundred = 0;
  for (int i = 0; i < draws; ++i) {
    TStoryChoice c;
    ASSERT_TRUE(StoryRule(6, play, rng, c));
    ASSERT_EQ(c.SpecialValue % 50, 0);
    ASSERT_TRUE(c.SpecialValue >= 50 && c.SpecialValue <= 500);
    ASSERT_EQ(c.SpecialText, std::to_string(c.SpecialValue));
    fifty += c.SpecialValue == 50;
    five_hundred += c.SpecialValue == 500;
  }
  EXPECT_NEAR(100.0 * fifty / draws, 34.39, 0.5);
  EXPECT_NEAR(100.0 * five_hundred / draws, 0.01, 0.02);
}

TEST(StoryRulesTest, StoryTwentyOneTakesOneOfTheThreeLowestItemsByTheAvatarsSex) {
  platform::Random rng(5);
  TPlaySnapshot play = OpenPlay();
  play.AvatarItems = {};
  for (int item : {0, 3, 5, 9}) play.AvatarItems[static_cast<std::size_t>(item)] = 1;
  std::set<int> seen;
  for (int male : {1, 0}) {
    play.Male = male;
    for (int i = 0; i < 600; ++i) {
      TStoryChoice c;
      ASSERT_TRUE(StoryRule(21, play, rng, c));
      seen.insert(c.SpecialValue);
      EXPECT_EQ(c.ItemKey, (male ? "MaleItem" : "FemaleItem") + std::to_string(c.SpecialValue));
    }
  }
  EXPECT_EQ(seen, (std::set<int>{0, 3, 5}));
}

TEST(StoryRulesTest, ItemEightRedrawsBadStoriesInTheirShare) {
  const struct {
    int good, bad;
    double bad_share;  // of all draws: bad drawn x keep / (BadChance + 1)
  } cases[] = {{100, 80, 80.0 / 180 * 55 / 81}, {100, 20, 0.0}, {40, 50, 50.0 / 90 * 40 / 51}};
  for (const auto& c : cases) {
    TStoryFile table = Table(0);
    table.ChanceCount = 0;
    table.ChanceArray.assign(500, 0);
    for (int k = 0; k < c.good; ++k) table.ChanceArray[static_cast<std::size_t>(table.ChanceCount++)] = 1;
    for (int k = 0; k < c.bad; ++k) table.ChanceArray[static_cast<std::size_t>(table.ChanceCount++)] = 5;
    table.GoodChance = c.good;
    table.BadChance = c.bad;
    TPlaySnapshot play = OpenPlay();
    play.AvatarItems[8] = 1;
    platform::Random rng(17);
    const int draws = 100000;
    int bad = 0;
    for (int i = 0; i < draws; ++i) bad += RandStoryFrom(table, play, rng) == 5;
    EXPECT_NEAR(static_cast<double>(bad) / draws, c.bad_share, 0.01) << c.good << "/" << c.bad;
  }
  // A bad sum below 0 never rolls Rand(0, negative): the bad story is always replaced.
  TStoryFile table = Table(0);
  table.ChanceCount = 2;
  table.ChanceArray[0] = 1;
  table.ChanceArray[1] = 5;
  table.GoodChance = 10;
  table.BadChance = -3;
  TPlaySnapshot play = OpenPlay();
  play.AvatarItems[8] = 1;
  platform::Random rng(2);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(RandStoryFrom(table, play, rng), 1);
}

TEST(StoryRulesTest, IronTextByRegion) {
  EXPECT_EQ(IronText(7, 0), "a 7");
  EXPECT_EQ(IronText(8, 0), "an 8");
  EXPECT_EQ(IronText(7, 1), "7");
  EXPECT_EQ(IronText(8, 2), "8");
}

TEST(StoryRulesTest, MiniGameStoriesNameTheirGame) {
  platform::Random rng(1);
  const TPlaySnapshot play = OpenPlay();
  for (const auto& [story, game] : std::vector<std::pair<int, int>>{{12, 3}, {25, 1}, {26, 2}, {1, 0}}) {
    TStoryChoice c;
    ASSERT_TRUE(StoryRule(story, play, rng, c));
    EXPECT_EQ(c.Minigame, game) << story;
  }
  TStoryChoice c;
  EXPECT_FALSE(StoryRule(30, play, rng, c));
  EXPECT_FALSE(StoryRule(0, play, rng, c));
}

}  // namespace
