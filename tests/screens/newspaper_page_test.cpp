// The newspaper page's content: the story variables, the picture of each code and the fit of the
// headline into its box, on a font whose glyphs all measure the same.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "content/newspaper_pictures.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "progress/player.h"
#include "screens/newspaper_screen.h"

namespace {

// Every glyph of codes 32..126 and "é" advances `advance` pixels and stands `height` pixels high.
TBitmapFont UniformFont(int advance, int height) {
  TBitmapFont font;
  std::vector<std::string> lines = {"scaleF=1.00", "scaleW=256 scaleH=256"};
  const auto glyph = [&](int id) {
    return "id=" + std::to_string(id) + " x=0 y=0 width=8 height=" + std::to_string(height) +
           " xoffset=0 yoffset=0 xadvance=" + std::to_string(advance);
  };
  for (int id = 32; id < 127; ++id) lines.push_back(glyph(id));
  lines.push_back(glyph(233));
  font.ParseDescriptor(lines);
  return font;
}

class NewspaperStoryTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = Game;
    savedText_ = GameText;
    Game = std::make_shared<TGame>();
    GameText.reset();  // no text table: "His", "Her", "He" and "She" read as empty
    player.Name = "Ann";
  }
  void TearDown() override {
    Game = saved_;
    GameText = savedText_;
  }
  std::string Fill(const std::string& story) { return NewspaperHeadline(story, player); }

  TPlayer player;
  std::shared_ptr<TGame> saved_;
  std::shared_ptr<TGameText> savedText_;
};

TEST_F(NewspaperStoryTest, EachKeyIsFilledOnceInOrderAndOthersStay) {
  EXPECT_EQ(Fill("[NAME] beats [NAME]"), "Ann beats [NAME]");
  EXPECT_EQ(Fill("[name] [SCORE] [ NAME] [NAME"), "[name] [SCORE] [ NAME] [NAME");
  EXPECT_EQ(Fill("No keys here"), "No keys here");
  // A name holding a later key gets it filled; one holding its own key keeps it.
  player.SaveData->Trophies = {1, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2};
  player.Name = "[TROPHIES]-Cup [NAME]";
  EXPECT_EQ(Fill("[NAME]!"), "3-Cup [NAME]!");
}

TEST_F(NewspaperStoryTest, UnrecordedStatisticsAndRegions) {
  const std::string story =
      "[BEST9SCORE]|[BEST9COURSE]|[AVERAGE9]|[EARNINGS]|[LONGESTDRIVE]|[GOPHERMONEYSTOLEN]|[HE/SHE]";
  EXPECT_EQ(Fill(story), "0||0.00|$0|0.00yds|$0|");
  Game->Region = 1;
  EXPECT_EQ(Fill("[EARNINGS] [LONGESTDRIVE]"), "\xE2\x82\xAC" "0 0.00m");
  Game->Region = 2;
  EXPECT_EQ(Fill("[AVERAGECOURSECASH]"), "\xC2\xA5" "0");
  Game->Region = 3;
  EXPECT_EQ(Fill("[HIGHESTHOLECASH] [LONGESTDRIVE]"), "0 0.00m");
}

TEST_F(NewspaperStoryTest, RecordedFiguresAreWrittenByTheirForms) {
  TCareerStats& cs = *player.SaveData->CareerStats;
  cs.Total9ScoreAverage->FloatValue = 12.5;
  cs.Total18ScoreAverage->FloatValue = -3.25;
  cs.CareerEarnings->Value = 4500;
  cs.Lowest9HoleScore->Value = -4;
  cs.Lowest9HoleScore->CourseName = "Heatherbrae";
  cs.MostPerfectOn18Hole->Value = 6;
  cs.MostPerfectOn18Hole->CourseName = "Misty Firth";
  cs.MiniGameLongestDrive->FloatValue = 212.345;
  EXPECT_EQ(Fill("[AVERAGE9] [AVERAGE18] [EARNINGS] [BEST9SCORE] at [BEST9COURSE]"),
            "12.50 -3.25 $4500 -4 at Heatherbrae");
  EXPECT_EQ(Fill("[PERFECTS18] on [PERFECTS18COURSE], [LONGESTDRIVE]"), "6 on Misty Firth, 212.35yds");
  EXPECT_EQ(cs.MiniGameLongestDrive->DataType, 5);
}

TEST(NewspaperPicturesTest, EachCodeNamesItsPictures) {
  struct Case {
    int code;
    const char* picture;
    const char* trophy;
    int portrait, sign;
  };
  const Case cases[] = {
      {-1, "newspaper/stats.jpg", "", 0, 0},
      {0, "newspaper/stats.jpg", "", 0, 0},
      {1, "newspaper/course_images/Koi Pond.jpg", "", 1, 1},
      {2, "newspaper/maps/Koi Pond.jpg", "", 0, 0},
      {3, "newspaper/stats.jpg", "", 0, 0},
      {10, "newspaper/stats.jpg", "", 0, 0},
      {11, "newspaper/trophies/trophy_display_bg.jpg", "newspaper/trophies/trophy1.png", 1, 0},
      {15, "newspaper/trophies/trophy_display_bg.jpg", "newspaper/trophies/trophy5.png", 1, 0},
      {16, "newspaper/stats.jpg", "", 0, 0},
      {20, "newspaper/jokes/20.jpg", "", 0, 0},
      {32, "newspaper/jokes/32.jpg", "", 0, 0},
      {33, "newspaper/stats.jpg", "", 0, 0},
  };
  for (const Case& c : cases) {
    const TNewspaperPictures p = NewspaperPicturesFor(c.code, "Koi Pond");
    EXPECT_EQ(p.Picture, c.picture) << c.code;
    EXPECT_EQ(p.Trophy, c.trophy) << c.code;
    EXPECT_EQ(p.Portrait, c.portrait) << c.code;
    EXPECT_EQ(p.Sign, c.sign) << c.code;
  }
  EXPECT_EQ(NewspaperPortrait(0, 0), "newspaper/BW_avatars/lady_1.png");
  EXPECT_EQ(NewspaperPortrait(7, 4), "newspaper/BW_avatars/gent_5.png");
}

struct FitCase {
  const char* label;
  int advance, height;
  const char* text;
  const char* line1;
  const char* line2;
  double scale;
};

class HeadlineFitTest : public testing::TestWithParam<FitCase> {};

// h1 = 6 x height / 5 (the reference text "ABCXYZ"); k = 0.8; W 588, H 68, gap 0.2.
TEST_P(HeadlineFitTest, SplitsAndScales) {
  const FitCase& c = GetParam();
  TBitmapFont font = UniformFont(c.advance, c.height);
  std::string line1 = c.text;
  std::string line2 = "left over";
  FitHeadline(font, line1, line2, 588, 68, 0.2f);
  EXPECT_EQ(line1, c.line1);
  EXPECT_EQ(line2, c.line2);
  EXPECT_NEAR(font.ScaleFactor, c.scale, 1e-6);
  EXPECT_TRUE(std::isfinite(font.ScaleFactor));
}

const double kH1Small = 6.0 * 4 / 5;  // glyphs 4 high
const double kH1Tall = 6.0 * 16 / 5;  // glyphs 16 high
const double kH1Big = 6.0 * 40 / 5;   // glyphs 40 high
const double kK = 0.8f;

INSTANTIATE_TEST_SUITE_P(
    Headlines, HeadlineFitTest,
    testing::Values(
        // Narrow headlines are enlarged to the width, unless the line would be too high.
        FitCase{"WidenToTheBox", 10, 4, "ABCDEFGHIJ", "ABCDEFGHIJ", "", 5.88},
        FitCase{"HeightLimitsOneLine", 10, 16, "ABCDEFGHIJ", "ABCDEFGHIJ", "", 68 / (kK * kH1Tall)},
        FitCase{"ExactlyTheWidthStays", 49, 4, "ABCDEFGHIJKL", "ABCDEFGHIJKL", "", 1.0},
        // Wider than the box: broken at the first space from Ceil(len / 2), counted in characters.
        FitCase{"NineCharsFromFive", 70, 4, "ABCD EFGH", "ABCD", "EFGH", 588.0 / 280},
        FitCase{"TenCharsFromFive", 70, 4, "ABCD EFGHI", "ABCD", "EFGHI", 588.0 / 350},
        FitCase{"ElevenCharsFromSix", 70, 4, "ABCD EFGHIJ", "ABCD EFGHIJ", "", 588.0 / 770},
        FitCase{"SpaceAtSixOfEleven", 70, 4, "ABCDE FGHIJ", "ABCDE", "FGHIJ", 588.0 / 350},
        // Ten characters in fourteen bytes: by bytes the search would start past the last space.
        FitCase{"CharactersNotBytes", 70, 4, "ab cd \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "ab cd",
                "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 588.0 / 350},
        FitCase{"NoSpaceStaysOneLine", 70, 4, "AB CDEFGHIJ", "AB CDEFGHIJ", "", 588.0 / 770},
        // A last-character space leaves an empty second line, limited by the two-line height.
        FitCase{"TrailingSpace", 70, 40, "ABCDEFGH ", "ABCDEFGH", "",
                68 / (2 * kK * kH1Big + 0.2 * kK * kH1Big)},
        FitCase{"TwoLinesTooHigh", 70, 40, "ABCD EFGH", "ABCD", "EFGH",
                68 / (2 * kK * kH1Big + 0.2 * kK * kH1Big)},
        // Nothing to measure: no division by a zero width; a font without height keeps scale 1.
        FitCase{"EmptyTakesTheHeightLimit", 10, 4, "", "", "", 68 / (kK * kH1Small)},
        FitCase{"NoHeightKeepsScaleOne", 10, 0, "ABC", "ABC", "", 1.0}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.label); });

}  // namespace
