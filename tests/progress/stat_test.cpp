// Career statistics: the display formats, the record tests and their ties, and the averages.
#include "progress/stat.h"

#include <gtest/gtest.h>

#include "progress/career_stats.h"
#include "progress_fixture.h"

namespace {

class StatTest : public ProgressTest {
 protected:
  void SetUp() override {
    ProgressTest::SetUp();
    Player().Name = "Tess";
    GameGrid->LevelName = "Parrot Falls";
    events_.flagLevel = 4;
  }
};

struct Format {
  int type, value, value2;
  const char* text;
};

TEST_F(StatTest, EachFormatShowsTheValueAsTheCareerScreenWritesIt) {
  const Format table[] = {
      {STAT_NUMBER, 36, 0, "36"},      {STAT_CASH, 250, 0, "$250"},     {STAT_CASH, -5, 0, "$-5"},
      {STAT_SECONDS, 41, 0, "41 secs"}, {STAT_SCORE, 36, 0, "36 (E)"},  {STAT_SCORE, 36, 2, "36 (+2)"},
      {STAT_SCORE, 36, -3, "36 (-3)"}, {STAT_HOURS, 0, 0, "00:00"},     {STAT_HOURS, 3599, 0, "01:00"},
      {STAT_HOURS, 5400, 0, "01:30"},  {STAT_HOURS, 360000, 0, "100:00"}, {9, 36, 0, ""},
  };
  for (const Format& f : table) {
    TStat s;
    s.DataType = f.type;
    s.Value = f.value;
    s.Value2 = f.value2;
    EXPECT_EQ(s.FormatValue(), f.text) << f.type << " " << f.value;
  }
  Game->Region = 1;
  TStat cash;
  cash.DataType = STAT_CASH;
  cash.Value = 7;
  EXPECT_EQ(cash.FormatValue(), "\xE2\x82\xAC" "7");
}

TEST_F(StatTest, AFloatRecordKeepsItsExactDistance) {
  TStat drive;
  drive.DataType = STAT_DISTANCE;
  EXPECT_EQ(drive.IsGreaterFloat(245.456f), 1);
  EXPECT_EQ(drive.Value, 245);
  EXPECT_FLOAT_EQ(static_cast<float>(drive.FloatValue), 245.456f);
  EXPECT_EQ(drive.FormatValue(), "245.46yds");
  Game->Region = 2;
  EXPECT_EQ(drive.FormatValue(), "245.46m");
  EXPECT_EQ(drive.IsGreaterFloat(200.0f), 0);
}

TEST_F(StatTest, RecordsTakeAnyFirstValueAndTiesMoveToTheLatestHolder) {
  TStat low;
  EXPECT_EQ(low.IsLess(50), 1);  // never set: any first value records
  EXPECT_EQ(low.PlayerName, "Tess");
  EXPECT_EQ(low.CourseName, "Parrot Falls");
  EXPECT_EQ(low.HoleNumber, 4);
  EXPECT_EQ(low.Date.size(), 11u);
  EXPECT_EQ(low.Time.size(), 8u);
  EXPECT_EQ(low.IsLess(51), 0);
  Player().Name = "Ada";
  EXPECT_EQ(low.IsLess(50), 1);
  EXPECT_EQ(low.PlayerName, "Ada");
  TStat high;
  high.IsGreater(10);
  EXPECT_EQ(high.IsGreater(9), 0);
  EXPECT_EQ(high.IsGreater(10), 1);
}

TEST_F(StatTest, AveragesAreKeptOnlyOverACountAboveZero) {
  TCareerStats cs;
  cs.TotalHoleCash->Value = 1000;
  cs.TotalHolesPlayed->Value = 0;
  cs.AverageHoleCash->Value = 77;
  TCareerStats::SetAverage(*cs.AverageHoleCash, *cs.TotalHoleCash, *cs.TotalHolesPlayed);
  EXPECT_EQ(cs.AverageHoleCash->Value, 77);
  cs.TotalHolesPlayed->Value = 3;
  TCareerStats::SetAverage(*cs.AverageHoleCash, *cs.TotalHoleCash, *cs.TotalHolesPlayed);
  EXPECT_EQ(cs.AverageHoleCash->Value, 333);
  cs.Total9Score->Value = 100;
  cs.Total9Score->Value2 = -7;
  cs.Total9HoleCoursesPlayed->Value = 3;
  TCareerStats::SetScoreAverage(*cs.Total9ScoreAverage, *cs.Total9Score, *cs.Total9HoleCoursesPlayed);
  EXPECT_EQ(cs.Total9ScoreAverage->Value, 33);
  EXPECT_EQ(cs.Total9ScoreAverage->Value2, -2);
  EXPECT_NEAR(cs.Total9ScoreAverage->FloatValue, 33.333, 0.001);
}

TEST_F(StatTest, TheCareerBlockComesBackWithLowBytesOfWideCharacters) {
  TCareerStats cs;
  cs.CareerEarnings->Increase(1500);
  cs.CareerEarnings->CourseName = "\xC5\xA6" "all";  // U+0166
  platform::OutStream out;
  cs.Save(out);
  EXPECT_EQ(IntAt(out.Bytes(), 0), 7413068);
  TCareerStats back;
  platform::InStream in(out.Bytes());
  ASSERT_EQ(back.Load(in), 0);
  EXPECT_EQ(back.CareerEarnings->Value, 1500);
  EXPECT_EQ(back.CareerEarnings->PlayerName, "Tess");
  EXPECT_EQ(back.CareerEarnings->CourseName, "fall");
  auto cut = out.Bytes();
  cut.resize(cut.size() - 1);
  platform::InStream short_in(cut);
  EXPECT_EQ(back.Load(short_in), -1);
  EXPECT_EQ(back.CareerEarnings->Value, 1500);
}

}  // namespace

namespace {

TEST_F(StatTest, EveryRowMovesTheNextDownWhetherShownOrNot) {
  auto& cs = *Save().CareerStats;
  cs.Y = 100;
  cs.Gap = 24;
  cs.Lowest9HoleScore->ShowEmpty = 0;  // never set: only its label
  cs.Lowest9HoleScore->Draw();
  cs.TotalPerfects->Draw();
  EXPECT_FLOAT_EQ(cs.Y, 148);
}

}  // namespace
