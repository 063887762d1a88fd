#include "wildshot/story_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "util/word_wrap.h"

namespace {

struct StorySpec {
  int good = 1;
  std::string frames = "8";
  std::string chance = "1";
  std::string title;  // "" gives "story<n>"; "-" an empty title
  std::vector<std::string> result = {"Result XX YY"};
};

// A story file with the given stories, numbered from 1.
std::string StoryFile(const std::vector<StorySpec>& stories) {
  std::string text =
      "[INITIAL TEXT]\nOpening line\n[PENALTY 1]\nTwo cards\n[PENALTY 2]\nTokens\n[SHUFFLING]\nShuffle!\n";
  for (std::size_t i = 0; i < stories.size(); ++i) {
    const StorySpec& s = stories[i];
    text += "[" + std::to_string(i + 1) + "]\n[TITLE]\n" +
            (s.title.empty() ? "story" + std::to_string(i + 1) : s.title == "-" ? std::string() : s.title) + "\n[GOOD]\n" +
            std::to_string(s.good) + "\n[FRAMES]\n" + s.frames + "\n[CHANCE]\n" + s.chance +
            "\n[STORY]\nA story\n[RESULT]\n";
    for (const auto& line : s.result) text += line + "\n";
  }
  return text;
}

TStoryFileResult Read(const std::string& text, TStoryFile& out) {
  return ReadStoryFile(ccSplitStringIntoLines(text), "wildshots.txt", out);
}

TEST(StoryFileTest, WeightsFillTheTableInFileOrderAndTheSumsLeaveOutTheMiniGames) {
  std::vector<StorySpec> stories(26);
  stories[0].chance = "3";
  stories[1].chance = "0";
  stories[2].chance = "2";
  stories[2].good = 0;
  for (std::size_t i = 3; i < stories.size(); ++i) stories[i].chance = "0";
  stories[11].chance = "10";  // story 12, a mini-game
  stories[24].chance = "4";   // story 25
  stories[24].good = 0;
  TStoryFile file;
  ASSERT_TRUE(Read(StoryFile(stories), file).Ok());
  ASSERT_EQ(file.Stories.size(), 26u);
  ASSERT_EQ(file.ChanceCount, 19);
  const std::vector<int> head(file.ChanceArray.begin(), file.ChanceArray.begin() + 5);
  EXPECT_EQ(head, (std::vector<int>{1, 1, 1, 3, 3}));
  EXPECT_EQ(std::count(file.ChanceArray.begin(), file.ChanceArray.begin() + 19, 12), 10);
  EXPECT_EQ(file.GoodChance, 3);
  EXPECT_EQ(file.BadChance, 2);
  EXPECT_EQ(file.ChanceArray.size(), 500u);
  EXPECT_EQ(file.InitialText, std::vector<std::string>{"Opening line"});
  EXPECT_EQ(file.ShufflingText, "Shuffle!");
}

TEST(StoryFileTest, TheTableGrowsToHoldEveryWeight) {
  const struct {
    int first, second;
    std::size_t size;
  } cases[] = {{480, 30, 680}, {400, 250, 650}, {100, 50, 500}};
  for (const auto& c : cases) {
    std::vector<StorySpec> stories(2);
    stories[0].chance = std::to_string(c.first);
    stories[1].chance = std::to_string(c.second);
    TStoryFile file;
    ASSERT_TRUE(Read(StoryFile(stories), file).Ok()) << c.first << " + " << c.second;
    EXPECT_EQ(file.ChanceCount, c.first + c.second);
    EXPECT_EQ(file.ChanceArray.size(), c.size) << c.first << " + " << c.second;
    EXPECT_EQ(file.ChanceArray[static_cast<std::size_t>(c.first + c.second - 1)], 2);
  }
}

TEST(StoryFileTest, ANegativeChanceLowersItsSumAndAddsNoEntry) {
  std::vector<StorySpec> stories(2);
  stories[0].good = 0;
  stories[0].chance = "-3";
  stories[1].good = 0;
  stories[1].chance = " 7 ";
  TStoryFile file;
  ASSERT_TRUE(Read(StoryFile(stories), file).Ok());
  EXPECT_EQ(file.BadChance, 4);
  EXPECT_EQ(file.ChanceCount, 7);
}

TEST(StoryFileTest, CrLfAndAMixedCaseHeaderReadAsPlainLines) {
  std::string text = StoryFile({StorySpec{}});
  std::string crlf;
  for (char ch : text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  crlf.replace(crlf.find("[TITLE]"), 7, "[title]");
  TStoryFile file;
  ASSERT_TRUE(Read(crlf, file).Ok());
  EXPECT_EQ(file.Stories[0].Title, "story1");
  EXPECT_EQ(file.Stories[0].Result, std::vector<std::string>{"Result XX YY"});
}

// Every load rule, each with the words its message must carry.
TEST(StoryFileTest, EachLoadRuleRefusesTheFileNamingFileAndPlace) {
  const auto with = [](int index, auto change) {
    std::vector<StorySpec> stories(3);
    change(stories[static_cast<std::size_t>(index)]);
    return StoryFile(stories);
  };
  std::string numbering = StoryFile(std::vector<StorySpec>(4));
  numbering.replace(numbering.find("[3]"), 3, "[4]");
  std::string trailing = StoryFile({StorySpec{}});
  trailing.replace(trailing.find("[TITLE]"), 7, "[TITLE] ");
  std::string no_opening = StoryFile({StorySpec{}});
  no_opening.replace(no_opening.find("Opening line\n"), 13, "");
  std::vector<StorySpec> six(6);
  six[5].result = {"No marker here"};
  std::vector<StorySpec> twenty(20);
  twenty[19].result = {"Only XX"};
  std::vector<StorySpec> unweighted(6);
  unweighted[5].result = {"No marker"};
  unweighted[5].chance = "0";

  const struct {
    std::string name, text, expected;
  } cases[] = {
      {"header with a trailing space", trailing, "[TITLE] header hot found (wildshots.txt line 10)"},
      {"a gap in the numbering", numbering, "[3] header hot found"},
      {"no opening line", no_opening, "[INITIAL TEXT] needs at least one line"},
      {"empty title", with(1, [](StorySpec& s) { s.title = "-"; }), "story 2: TITLE"},
      {"title with a slash", with(1, [](StorySpec& s) { s.title = "a/b"; }), "story 2: TITLE"},
      {"title with a backslash", with(1, [](StorySpec& s) { s.title = "a\\b"; }), "story 2: TITLE"},
      {"title climbing up", with(0, [](StorySpec& s) { s.title = "..x"; }), "story 1: TITLE"},
      {"no frames", with(2, [](StorySpec& s) { s.frames = "0"; }), "story 3: FRAMES must be from 1 to 64, not 0"},
      {"too many frames", with(2, [](StorySpec& s) { s.frames = "65"; }), "FRAMES must be from 1 to 64, not 65"},
      {"a huge weight", with(0, [](StorySpec& s) { s.chance = "10001"; }), "story 1: CHANCE must be at most 10000"},
      {"story 6 without its marker", StoryFile(six), "story 6: RESULT needs the marker \"XX\""},
      {"story 20 without YY", StoryFile(twenty), "story 20: RESULT needs the marker \"YY\""},
      {"an unweighted story 6 needs no marker", StoryFile(unweighted), ""},
      {"ends before a header", "[INITIAL TEXT]\nx\n[PENALTY 1]\n", "[PENALTY 2] header hot found"},
  };
  for (const auto& c : cases) {
    TStoryFile file;
    const TStoryFileResult result = Read(c.text, file);
    if (c.expected.empty()) {
      EXPECT_TRUE(result.Ok()) << c.name << ": " << result.message;
      continue;
    }
    EXPECT_NE(result.message.find(c.expected), std::string::npos) << c.name << ": " << result.message;
    EXPECT_NE(result.message.find("wildshots.txt"), std::string::npos) << c.name;
  }
}

TEST(StoryFileTest, ATableOverItsLimitIsRefused) {
  std::vector<StorySpec> stories(11);
  for (auto& s : stories) s.chance = "10000";
  TStoryFile file;
  const auto result = Read(StoryFile(stories), file);
  EXPECT_NE(result.message.find("story 11: the weights add up to more than 100000"), std::string::npos)
      << result.message;
}

TEST(StoryFileTest, AFileMustWeightTwoGoodStoriesThatAreAlwaysValid) {
  const struct {
    std::vector<int> good_weighted;  // always-valid good stories given weight
    bool ok;
  } cases[] = {{{1, 6}, true}, {{12, 28}, true}, {{1}, false}, {{}, false}, {{2, 3}, false}};
  for (const auto& c : cases) {
    std::vector<StorySpec> stories(29);
    for (auto& s : stories) s.chance = "0";
    for (int n : c.good_weighted) stories[static_cast<std::size_t>(n - 1)].chance = "5";
    TStoryFile file;
    ASSERT_TRUE(Read(StoryFile(stories), file).Ok());
    EXPECT_EQ(CheckStoryWeights(file, "wildshots.txt").Ok(), c.ok) << c.good_weighted.size();
  }
  std::vector<StorySpec> bad(29);
  for (auto& s : bad) s.chance = "0";
  bad[0].chance = "5";
  bad[5].chance = "5";
  bad[5].good = 0;
  TStoryFile file;
  ASSERT_TRUE(Read(StoryFile(bad), file).Ok());
  const auto result = CheckStoryWeights(file, "wildshots.txt");
  EXPECT_NE(result.message.find("two good stories"), std::string::npos);
}

}  // namespace
