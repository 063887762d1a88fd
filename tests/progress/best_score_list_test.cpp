// The best scores table: a new table, entering scores, and damaged or unwritable files.
#include "progress/best_score_list.h"

#include <gtest/gtest.h>

#include "platform/system.h"
#include "progress_fixture.h"
#include "tests/support/write_faults.h"

namespace {

class BestScoresTest : public ProgressTest {
 protected:
  void SetUp() override {
    ProgressTest::SetUp();
    Game->MaxLevels = 3;
    platform::PinNow({2026, 12, 9, 21, 5, 44, 3});
  }
  void TearDown() override {
    platform::PinNow({}, false);
    ProgressTest::TearDown();
  }
  // Course 1 holds the scores given, in order, before course 2's five.
  void Table(TBestScoreList& list, const std::vector<int>& course1) {
    for (int s : {-5, -1, 0, 3, 6}) list.Add("Zed", s, "d", "t", 0, 0);
    for (int s : course1) list.Add("Old", s, "d", "t", 1, 0);
    for (int s : {-5, -1, 0, 3, 6}) list.Add("Zed", s, "d", "t", 2, 0);
  }
  static std::vector<int> Scores(const TBestScoreList& list, int course) {
    std::vector<int> out;
    for (const auto& e : list.Entries)
      if (e->course == course) out.push_back(e->score);
    return out;
  }
};

TEST_F(BestScoresTest, WithoutAFileEveryCourseGetsFiveMadeUpScoresAndTheFileIsWritten) {
  TBestScoreList list;
  list.Load();
  ASSERT_EQ(list.Count(), 15);
  int i = 0;
  for (const auto& e : list.Entries) {
    EXPECT_EQ(e->course, i / 5);
    EXPECT_EQ(e->real, 0);
    EXPECT_GE(e->score, -15);
    EXPECT_LE(e->score, 15);
    EXPECT_EQ(e->date, "09 Dec 2026");
    EXPECT_EQ(e->time, "21:05:44");
    EXPECT_EQ(e->name.find(' '), std::string::npos);
    EXPECT_FALSE(e->name.empty());
    ++i;
  }
  for (int c = 0; c < 3; ++c) {
    auto s = Scores(list, c);
    EXPECT_TRUE(std::is_sorted(s.begin(), s.end()));
  }
  TBestScoreList again;
  again.Load();
  ASSERT_EQ(again.Count(), 15);
  auto a = list.Entries.begin();
  for (const auto& e : again.Entries) {
    EXPECT_EQ(e->name, (*a)->name);
    EXPECT_EQ(e->score, (*a)->score);
    ++a;
  }
}

TEST_F(BestScoresTest, AScoreTakesItsPlaceAndTheSixthEntryGoes) {
  struct Case {
    std::vector<int> before;
    int score;
    int place;
    std::vector<int> after;
  };
  const Case table[] = {
      {{-4, -2, 0, 1, 5}, -6, 0, {-6, -4, -2, 0, 1}},   // 2 below the best
      {{-4, -2, 0, 1, 5}, -4, 1, {-4, -4, -2, 0, 1}},   // equal to the best
      {{-4, -2, 0, 1, 5}, 5, 5, {-4, -2, 0, 1, 5}},     // equal to the fifth
      {{-4, -2, 0, 1, 5}, 6, -1, {-4, -2, 0, 1, 5}},    // worse than all five
      {{-4, -2, 0}, 7, 4, {-4, -2, 0, 7}},              // room left: a worse score still enters
      {{}, 2, 1, {2}},                                  // a course with none
  };
  for (const Case& k : table) {
    TBestScoreList list;
    Table(list, k.before);
    EXPECT_EQ(list.Insert("Tess Marlow", k.score, 1, 1), k.place) << k.score;
    EXPECT_EQ(Scores(list, 1), k.after) << k.score;
    EXPECT_EQ(Scores(list, 0).size(), 5u);
    EXPECT_EQ(Scores(list, 2).size(), 5u);
  }
  TBestScoreList list;
  Table(list, {-4, -2, 0, 1, 5});
  list.Insert("Tess Marlow", -4, 1, 1);
  auto first = list.ForCourse(1).front();
  EXPECT_EQ(first->name, "Tess Marlow");  // the newer of two equal scores stands first
  EXPECT_EQ(first->real, 1);
}

TEST_F(BestScoresTest, ADamagedFileKeepsItsWholeRecordsAndIsSetAside) {
  TBestScoreList list;
  Table(list, {-4, -2});
  ASSERT_EQ(list.Save(), 0);
  const std::string path = TBestScoreList::Path();
  auto bytes = *platform::ReadFileBytes(path);
  bytes.resize(bytes.size() - 3);  // the last record of course 2 is cut
  ASSERT_TRUE(platform::WriteFileAtomic(path, bytes));
  ASSERT_TRUE(platform::WriteFileAtomic(path + ".damaged", std::string("an earlier copy")));
  TBestScoreList back;
  back.Load();
  EXPECT_EQ(Scores(back, 0).size(), 5u);
  EXPECT_EQ(Scores(back, 1), (std::vector<int>{-4, -2}));
  EXPECT_EQ(Scores(back, 2).size(), 4u);
  EXPECT_NE(back.LastError.find("best.dat.damaged.2"), std::string::npos) << back.LastError;
  const std::string earlier = "an earlier copy";
  EXPECT_EQ(*platform::ReadFileBytes(path + ".damaged"),
            std::vector<unsigned char>(earlier.begin(), earlier.end()));
  TBestScoreList again;  // the repaired table was written back
  again.Load();
  EXPECT_EQ(again.Count(), 11);
  EXPECT_TRUE(again.LastError.empty());
}

TEST_F(BestScoresTest, ACourseWithNoEntryIsFilledAndACrowdedOneKeepsFive) {
  TBestScoreList list;
  for (int s = 0; s < 8; ++s) list.Add("Many", s, "d", "t", 0, 0);
  list.Add("Far", 1, "d", "t", 40, 1);  // a course the list no longer has is kept as it is
  ASSERT_EQ(list.Save(), 0);
  TBestScoreList back;
  back.Load();
  EXPECT_EQ(Scores(back, 0), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Scores(back, 1).size(), 5u);
  EXPECT_EQ(Scores(back, 2).size(), 5u);
  EXPECT_EQ(Scores(back, 40).size(), 1u);
}

TEST_F(BestScoresTest, AFailedWriteIsReportedAndPlayGoesOn) {
  TBestScoreList list;
  Table(list, {-4});
  ASSERT_EQ(list.Save(), 0);
  const auto before = *platform::ReadFileBytes(TBestScoreList::Path());
  list.Insert("Tess", -9, 1, 1);
  {
    quill_test::WriteFaults faults(quill_test::WriteFault::kInterrupt, "best.dat");
    EXPECT_EQ(list.Save(), -1);
    EXPECT_EQ(faults.Faulted(), 1);
  }
  EXPECT_EQ(list.LastError, "Failed to save file " + TBestScoreList::Path() + ": the folder " +
                                Game->SubPath + " cannot be written (Input/output error)");
  EXPECT_EQ(*platform::ReadFileBytes(TBestScoreList::Path()), before);
  EXPECT_EQ(Scores(list, 1), (std::vector<int>{-9, -4}));
}

}  // namespace
