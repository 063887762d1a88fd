#include "content/course.h"

#include <gtest/gtest.h>

#include "tests/content/data_folder.h"

namespace {

TEST(CourseFileTest, ReadsParTimedHolesAndCardCounts) {
  TestDataFolder data;
  data.WriteCourse("Lake", 26, "Y", {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "f.txt", "g.txt",
                                     "h.txt", "i.txt"});
  // Blank lines between cards do not count.
  data.Write("Data/levels/holes/b.txt",
             "b\n2\nx\ny\n1 -36 64 0 1 N -1 0\n\n2 20 64 1 1 N -1 0\n\n3 76 64 2 1 W -1 0\n\n");
  TCourse course;
  const TLoadResult result = ReadCourseFile(course, data.Prefix(), "Lake");
  ASSERT_TRUE(result.Ok()) << result.Report();
  EXPECT_EQ(course.Name, "Lake");
  EXPECT_EQ(course.Par, 26);
  EXPECT_EQ(course.Timed, 1);
  EXPECT_EQ(course.Holes, 9);
  EXPECT_EQ(course.HoleNames[0], "a.txt");
  EXPECT_EQ(course.HoleNames[8], "i.txt");
  EXPECT_EQ(course.HolePars[0], 3);
  EXPECT_EQ(course.HoleTotalCards[0], 10);
  EXPECT_EQ(course.HolePars[1], 2);
  EXPECT_EQ(course.HoleTotalCards[1], 3);
  // A 9-hole course keeps the defaults in entries 9 to 17.
  for (int i = 9; i < MAX_COURSE_HOLES; ++i) {
    EXPECT_EQ(course.HoleNames[i], "");
    EXPECT_EQ(course.HolePars[i], 0);
    EXPECT_EQ(course.HoleTotalCards[i], 0);
  }
}

TEST(CourseFileTest, EighteenHolesWithCrLfLines) {
  TestDataFolder data;
  std::string text = "\r\n\r\n\r\n171\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nY\r\n\r\n\r\n\r\n\r\n";
  for (int i = 1; i <= 18; ++i) {
    text += "h" + std::to_string(i) + "\r\n";
    data.WriteHole("h" + std::to_string(i), i, i);
  }
  data.Write("Data/levels/courses/Big.txt", text);
  TCourse course;
  ASSERT_TRUE(ReadCourseFile(course, data.Prefix(), "Big").Ok());
  EXPECT_EQ(course.Par, 171);  // 1 + 2 + ... + 18
  EXPECT_EQ(course.Timed, 1);  // "Y" then CR LF is timed
  EXPECT_EQ(course.Holes, 18);
  EXPECT_EQ(course.HolePars[17], 18);
  EXPECT_EQ(course.HoleTotalCards[17], 18);
}

TEST(CourseFileTest, OnlyAnExactCapitalYMakesATimedCourse) {
  for (const std::string timed : {"y", "Y ", " Y", "Yes", ""}) {
    TestDataFolder data;
    data.WriteCourseOfHoles("C", 9, timed);
    TCourse course;
    ASSERT_TRUE(ReadCourseFile(course, data.Prefix(), "C").Ok());
    EXPECT_EQ(course.Timed, 0) << "line 12 = '" << timed << "'";
  }
}

struct HoleCountCase {
  int holes;
  bool ok;
};

class CourseHoleCountTest : public testing::TestWithParam<HoleCountCase> {};

TEST_P(CourseHoleCountTest, OnlyNineOrEighteenHoles) {
  TestDataFolder data;
  data.WriteCourseOfHoles("Count", GetParam().holes);
  TCourse course;
  const TLoadResult result = ReadCourseFile(course, data.Prefix(), "Count");
  if (GetParam().ok) {
    EXPECT_TRUE(result.Ok()) << result.Report();
    EXPECT_EQ(course.Holes, GetParam().holes);
    return;
  }
  EXPECT_EQ(result.message, "Course 'Count' does not have 9 or 18 holes!");
  EXPECT_EQ(result.file, data.Prefix() + "Data/levels/courses/Count.txt");
  EXPECT_NE(result.Report().find("Count.txt"), std::string::npos);
  EXPECT_LE(course.Holes, MAX_COURSE_HOLES);
}

INSTANTIATE_TEST_SUITE_P(Counts, CourseHoleCountTest,
                         testing::Values(HoleCountCase{0, false}, HoleCountCase{8, false},
                                         HoleCountCase{9, true}, HoleCountCase{10, false},
                                         HoleCountCase{18, true}, HoleCountCase{19, false},
                                         HoleCountCase{40, false}));

TEST(CourseFileTest, MoreThanEighteenHoleLinesStopAtTheNineteenth) {
  TestDataFolder data;
  // Only the first 18 hole files exist: the 19th line must stop the reading before it is opened.
  std::vector<std::string> holes;
  for (int i = 1; i <= 25; ++i) holes.push_back("x" + std::to_string(i));
  data.WriteCourse("Long", 54, "", holes, false);
  for (int i = 1; i <= 18; ++i) data.WriteHole("x" + std::to_string(i), 3, 5);
  TCourse course;
  const TLoadResult result = ReadCourseFile(course, data.Prefix(), "Long");
  EXPECT_EQ(result.message, "Course 'Long' does not have 9 or 18 holes!");
  EXPECT_EQ(result.line, 16 + 19);
  EXPECT_EQ(course.Holes, 18);
}

TEST(CourseFileTest, ShortCourseFileHasNoHoles) {
  TestDataFolder data;
  data.Write("Data/levels/courses/Short.txt", "a\nb\nc\n");
  TCourse course;
  const TLoadResult result = ReadCourseFile(course, data.Prefix(), "Short");
  EXPECT_EQ(result.message, "Course 'Short' does not have 9 or 18 holes!");
  EXPECT_EQ(course.Par, 0);
  EXPECT_EQ(course.Timed, 0);
  EXPECT_EQ(course.Holes, 0);
}

TEST(CourseFileTest, MissingFilesNameTheirPath) {
  TestDataFolder data;
  TCourse course;
  TLoadResult result = ReadCourseFile(course, data.Prefix(), "Nowhere");
  EXPECT_EQ(result.message, "Error loading file " + data.Prefix() + "Data/levels/courses/Nowhere.txt");

  data.WriteCourse("Holey", 36, "", {"h1", "h2", "missing"}, true);
  data.Write("Data/levels/holes/missing", "");
  std::filesystem::remove(data.Prefix() + "Data/levels/holes/missing");
  TCourse holey;
  result = ReadCourseFile(holey, data.Prefix(), "Holey");
  EXPECT_EQ(result.message, "Error loading file " + data.Prefix() + "Data/levels/holes/missing");
  // The report also points at the course file's line that names the hole.
  EXPECT_EQ(result.line, 19);
  EXPECT_NE(result.Report().find("Holey.txt, line 19"), std::string::npos);
}

TEST(CourseFileTest, NumbersReadLikeTheRuntime) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"42", 42}, {"  -7", -7}, {"+5x", 5}, {"abc", 0}, {"", 0}, {"\t12 34", 12},
               {"- 3", 0}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}};
  for (const auto& c : cases) EXPECT_EQ(DataTextToInt(c.text), c.value) << c.text;
}

}  // namespace
