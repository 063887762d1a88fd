#include "content/course_list.h"

#include <gtest/gtest.h>

#include "tests/content/data_folder.h"

namespace {

TCourseTexts Texts() {
  TCourseTexts texts;
  texts.UnlockTemplates = {"", "Locked: score XX on NN", "Locked: drive XX on NN",
                           "Locked: XX perfect on NN", "Locked: XX tokens on NN"};
  texts.GoalTemplates = {"", "Score XX to open NN, purse CC", "Drive XX to open NN, purse CC",
                         "XX perfect to open NN, purse CC", "XX tokens to open NN, purse CC"};
  texts.And = "and";
  texts.FinalGoalLong = "Win the final course";
  texts.Currency = "$";
  return texts;
}

// Loads the test folder's list with relaxed rank and item counts.
TLoadResult Load(const TestDataFolder& data, TCourseList& courses, int ranks, int items,
                 int* steps = nullptr) {
  TCourseListOptions options;
  options.DataPrefix = data.Prefix();
  options.Texts = Texts();
  options.RequiredRanks = ranks;
  options.RequiredItems = items;
  if (steps != nullptr) options.Step = [steps] { ++*steps; };
  return ReadCourseList(options, courses);
}

class CourseListTest : public testing::Test {
 protected:
  void SetUp() override {
    data.WriteCourseOfHoles("A", 9);
    data.WriteCourseOfHoles("B", 18);
    data.WriteCourseOfHoles("T", 9, "Y");
    data.WriteCourseOfHoles("C", 9);
  }
  TestDataFolder data;
};

TEST_F(CourseListTest, ChainOfUnlocksGoalsAndColumns) {
  data.WriteCourseList({
      "A,notes,beach,2,100,100,0,,0,Y,y,\"Sun, sand and cards\",7",
      "B,,City,1,200,101,50,score,-3,Y,Y,Plain story,3",
      "T,,MUNI,4,300,120,75,TOKENS,500,y,Y,,",
      "C,,scot,1,400,140,90,DRIVE,250,,,Last,2,extra,columns",
      "eNd,,beach,1,0,0,0,,0,Y,Y,,",
      "Never,,beach,1,0,0,0,,0,Y,Y,,",
  });
  TCourseList courses;
  int steps = 0;
  const TLoadResult result = Load(data, courses, 2, 2, &steps);
  ASSERT_TRUE(result.Ok()) << result.Report();
  ASSERT_EQ(courses.size(), 4u);
  EXPECT_EQ(steps, 4);
  const TCourse& a = *courses[0];
  const TCourse& b = *courses[1];
  const TCourse& t = *courses[2];
  const TCourse& c = *courses[3];

  EXPECT_EQ(a.CourseType, "BEACH");
  EXPECT_EQ(a.BackgroundImage, "beach2.jpg");
  EXPECT_EQ(a.AmbienceLoop, "ambience/ocean_loop.ogg");
  EXPECT_EQ(b.CourseType, "CITY");
  EXPECT_EQ(t.BackgroundImage, "municipal4.jpg");
  EXPECT_EQ(c.AmbienceLoop, "ambience/scottish_loop.ogg");
  EXPECT_EQ(a.StoryText, "Sun, sand and cards");
  EXPECT_EQ(a.StoryPicture, 7);
  EXPECT_EQ(b.StoryText, "Plain story");
  EXPECT_EQ(b.StoryPicture, 3);
  EXPECT_EQ(b.Fee, 200);
  EXPECT_EQ(b.UnlockPrize, 50);
  EXPECT_EQ(b.UnlockCode, UNLOCK_SCORE);  // "score" in lower case counts
  EXPECT_EQ(b.UnlockValue, -3);
  EXPECT_EQ(t.Timed, 1);

  // Only exact capital Y marks count.
  EXPECT_EQ(a.UnlockRank, 1);
  EXPECT_EQ(a.UnlockItem, 0);
  EXPECT_EQ(t.UnlockRank, 0);
  EXPECT_EQ(t.UnlockItem, 1);

  // The timed course opens nothing: T and C both hang on B.
  EXPECT_EQ(a.UnlockedBy, "");
  EXPECT_EQ(b.UnlockedBy, "A");
  EXPECT_EQ(t.UnlockedBy, "B");
  EXPECT_EQ(c.UnlockedBy, "B");
  EXPECT_EQ(a.Unlocks, "B");
  EXPECT_EQ(b.Unlocks, "T,C");
  EXPECT_EQ(t.Unlocks, "");

  EXPECT_EQ(a.UnlockText, "");
  EXPECT_EQ(b.UnlockText, "Locked: score -3 on A");
  EXPECT_EQ(t.UnlockText, "Locked: $500 tokens on B");
  EXPECT_EQ(c.UnlockText, "Locked: drive 250 on B");

  // A's goal is B's rule; B's goal takes the last opened course's (C's) template and value.
  EXPECT_EQ(a.GoalText, "Score -3 to open B, purse $100");
  EXPECT_EQ(a.GoalText2, "Score -3 to open B, purse $115");
  EXPECT_EQ(b.GoalText, "Drive 250 to open T and C, purse $101");
  EXPECT_EQ(b.GoalText2, "Drive 250 to open T and C, purse $117");
  EXPECT_EQ(t.GoalText, "");
  EXPECT_EQ(t.GoalText2, "");
  EXPECT_EQ(c.GoalText, "Win the final course");
  EXPECT_EQ(c.GoalText2, "Win the final course");
}

TEST_F(CourseListTest, RaisedPurseRoundsUp) {
  data.WriteCourseList({"A,,beach,1,0,100,0,,0,,,,", "B,,beach,1,0,120,0,SCORE,0,,,,",
                        "C,,beach,1,0,101,0,PERFECT,2,,,,"});
  TCourseList courses;
  ASSERT_TRUE(Load(data, courses, 0, 0).Ok());
  EXPECT_EQ(courses[0]->GoalText2, "Score E to open B, purse $115");
  EXPECT_EQ(courses[1]->GoalText2, "2 perfect to open C, purse $138");

  // A purse at the int limit saturates when raised.
  data.WriteCourseList({"A,,beach,1,0,2147483647,0,,0,,,,", "B,,beach,1,0,120,0,SCORE,0,,,,"});
  TCourseList big;
  ASSERT_TRUE(Load(data, big, 0, 0).Ok());
  EXPECT_EQ(big[0]->GoalText2, "Score E to open B, purse $2147483647");
}

TEST(CourseListUnlockValueTest, RendersEachCode) {
  const struct {
    int code;
    int value;
    const char* text;
  } cases[] = {{UNLOCK_SCORE, 2, "+2"},  {UNLOCK_SCORE, 0, "E"},    {UNLOCK_SCORE, -3, "-3"},
               {UNLOCK_TOKENS, 500, "$500"}, {UNLOCK_DRIVE, 250, "250"}, {UNLOCK_PERFECT, 0, "0"},
               {UNLOCK_NONE, -1, "-1"}};
  for (const auto& c : cases) {
    TCourse course;
    course.UnlockCode = c.code;
    course.UnlockValue = c.value;
    EXPECT_EQ(GetUnlockValue(course, "$"), c.text);
  }
}

TEST_F(CourseListTest, ContainmentAndLastOpenedWithoutRule) {
  data.WriteCourseOfHoles("Lake", 9);
  data.WriteCourseOfHoles("Lakeside", 9);
  data.WriteCourseList({"Lake,,beach,1,0,100,0,,0,,,,", "Lakeside,,beach,1,0,100,0,,0,,,,",
                        "A,,beach,1,0,100,0,DRIVE,10,,,,", "B,,beach,1,0,100,0,,0,,,,"});
  TCourseList courses;
  ASSERT_TRUE(Load(data, courses, 0, 0).Ok());
  // A hangs on Lakeside, whose name holds "Lake": both list it.
  EXPECT_EQ(courses[0]->Unlocks, "Lakeside,A");
  EXPECT_EQ(courses[1]->Unlocks, "A");
  // A opens B, which has no rule: the names are known but the goal stays empty.
  EXPECT_EQ(courses[2]->Unlocks, "B");
  EXPECT_EQ(courses[2]->GoalText, "");
  EXPECT_EQ(courses[2]->GoalText2, "");
}

TEST_F(CourseListTest, QuotedStoryWithoutClosingQuoteTakesTheRest) {
  data.WriteCourseList({"A,,beach,1,0,0,0,,0,,,\"Open, never closed,5"});
  TCourseList courses;
  ASSERT_TRUE(Load(data, courses, 0, 0).Ok());
  EXPECT_EQ(courses[0]->StoryText, "Open, never closed,5");
  EXPECT_EQ(courses[0]->StoryPicture, 0);
}

TEST_F(CourseListTest, HeaderIsSkippedAndListEndsAtEndOfFile) {
  // A header that looks like a row is still skipped; no END row: the file's end stops.
  data.Write("Data/levels/CourseList.csv", "A,,beach,1,0,0,0,,0,Y,Y,,\r\nB,,beach,1,0,0,0,,0,,,,\r\n");
  TCourseList courses;
  ASSERT_TRUE(Load(data, courses, 0, 0).Ok());
  ASSERT_EQ(courses.size(), 1u);
  EXPECT_EQ(courses[0]->Name, "B");
}

struct ListErrorCase {
  const char* label;
  std::vector<std::string> rows;
  int ranks, items;
  std::string message;  // relative to the data prefix when it names a path
  int line;
};

class CourseListErrorTest : public testing::TestWithParam<ListErrorCase> {};

TEST_P(CourseListErrorTest, StopsWithTheMessageAndKeepsTheListUntouched) {
  TestDataFolder data;
  data.WriteCourseOfHoles("A", 9);
  data.WriteCourseOfHoles("B", 9);
  data.WriteCourseOfHoles("Odd", 7);
  data.WriteCourseList(GetParam().rows);
  TCourseList courses;
  courses.push_back(TCourse::Create());  // what was there before must stay as it was
  int steps = 0;
  const TLoadResult result = Load(data, courses, GetParam().ranks, GetParam().items, &steps);
  std::string expected = GetParam().message;
  const std::size_t at = expected.find("@");
  if (at != std::string::npos) expected.replace(at, 1, data.Prefix());
  EXPECT_EQ(result.message, expected);
  EXPECT_EQ(result.line, GetParam().line);
  EXPECT_EQ(courses.size(), 1u);
  EXPECT_FALSE(result.Report().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CourseListErrorTest,
    testing::Values(
        ListErrorCase{"BadType", {"A,,beach,1,0,0,0,,0,,,,", "B,,moon,1,0,0,0,,0,,,,"}, 0, 0,
                      "Course 'B' has an invalid background image!", 3},
        ListErrorCase{"FewColumns", {"A,,"}, 0, 0, "Course 'A' has an invalid background image!", 2},
        ListErrorCase{"BadUnlock", {"A,,beach,1,0,0,0,LUCK,0,,,,"}, 0, 0,
                      "Course 'A' has an invalid unlock code!", 2},
        ListErrorCase{"Ranks", {"A,,beach,1,0,0,0,,0,Y,Y,,", "B,,beach,1,0,0,0,,0,y,Y,,"}, 2, 2,
                      "Ranks Found in CourseList.csv=1.  It should be 2!", 0},
        ListErrorCase{"Items", {"A,,beach,1,0,0,0,,0,Y,Y,,", "B,,beach,1,0,0,0,,0,Y,,,"}, 2, 2,
                      "Items Found in CourseList.csv=1.  It should be 2!", 0},
        ListErrorCase{"RanksBeforeItems", {"A,,beach,1,0,0,0,,0,,,,"}, 13, 11,
                      "Ranks Found in CourseList.csv=0.  It should be 13!", 0},
        ListErrorCase{"HoleCount", {"A,,beach,1,0,0,0,,0,,,,", "Odd,,moon,1,0,0,0,,0,,,,"}, 0, 0,
                      "Course 'Odd' does not have 9 or 18 holes!", 0},
        ListErrorCase{"BlankRow", {"A,,beach,1,0,0,0,,0,,,,", "", "END"}, 0, 0,
                      "Error loading file @Data/levels/courses/.txt", 0},
        ListErrorCase{"MissingCourse", {"Ghost,,beach,1,0,0,0,,0,,,,"}, 0, 0,
                      "Error loading file @Data/levels/courses/Ghost.txt", 0},
        // Names become parts of file paths: none may climb out of its folder or hide a file.
        ListErrorCase{"NameClimbsUp", {"A,,beach,1,0,0,0,,0,,,,", "../x,,beach,1,0,0,0,,0,,,,"}, 0, 0,
                      "Course name '../x' may not hold a slash, a backslash or a control character, or begin with a dot", 3},
        ListErrorCase{"NameWithSlash", {"a/b,,beach,1,0,0,0,,0,,,,"}, 0, 0, "Course name 'a/b' may not hold a slash, a backslash or a control character, or begin with a dot", 2},
        ListErrorCase{"NameWithBackslash", {"a\\b,,beach,1,0,0,0,,0,,,,"}, 0, 0,
                      "Course name 'a\\b' may not hold a slash, a backslash or a control character, or begin with a dot", 2},
        ListErrorCase{"NameWithLeadingDot", {".x,,beach,1,0,0,0,,0,,,,"}, 0, 0,
                      "Course name '.x' may not hold a slash, a backslash or a control character, or begin with a dot", 2},
        ListErrorCase{"MoreThan100Courses", std::vector<std::string>(101, "A,,beach,1,0,0,0,,0,,,,"), 0, 0,
                      "CourseList.csv holds more than 100 courses, the most a saved game can keep", 102},
        // Money is a whole number from 0 within an int: a negative fee would pay the player.
        ListErrorCase{"NegativeFee", {"A,,beach,1,-50,100,0,,0,,,,"}, 0, 0,
                      "Course 'A': Fee '-50' is not a whole number from 0 to 2147483647", 2},
        ListErrorCase{"PurseBelowInt", {"A,,beach,1,0,0,0,,0,,,,", "B,,beach,1,0,-2147483649,0,,0,,,,"}, 0, 0,
                      "Course 'B': Purse '-2147483649' is not a whole number from 0 to 2147483647", 3},
        ListErrorCase{"FeeOfTwentyDigits", {"A,,beach,1,12345678901234567890,0,0,,0,,,,"}, 0, 0,
                      "Course 'A': Fee '12345678901234567890' is not a whole number from 0 to 2147483647", 2},
        ListErrorCase{"PrizeNotANumber", {"A,,beach,1,0,0,lots,,0,,,,"}, 0, 0,
                      "Course 'A': UnlockPrize 'lots' is not a whole number from 0 to 2147483647", 2},
        ListErrorCase{"EmptyPurse", {"A,,beach,1,5,,0,,0,,,,"}, 0, 0,
                      "Course 'A': Purse '' is not a whole number from 0 to 2147483647", 2},
        // Only a score goal may lie under par.
        ListErrorCase{"NegativeDriveGoal", {"A,,beach,1,0,0,0,,0,,,,", "B,,beach,1,0,0,0,DRIVE,-5,,,,"}, 0, 0,
                      "Course 'B': UnlockValue '-5' is not a goal this unlock rule can have", 3},
        ListErrorCase{"TokenGoalOfTwentyDigits",
                      {"A,,beach,1,0,0,0,,0,,,,", "B,,beach,1,0,0,0,TOKENS,99999999999999999999,,,,"}, 0, 0,
                      "Course 'B': UnlockValue '99999999999999999999' is not a goal this unlock rule can have", 3},
        ListErrorCase{"ScoreGoalFarUnderPar", {"A,,beach,1,0,0,0,,0,,,,", "B,,beach,1,0,0,0,SCORE,-1001,,,,"}, 0, 0,
                      "Course 'B': UnlockValue '-1001' is not a goal this unlock rule can have", 3},
        ListErrorCase{"GoalNotANumber", {"A,,beach,1,0,0,0,,0,,,,", "B,,beach,1,0,0,0,PERFECT,two,,,,"}, 0, 0,
                      "Course 'B': UnlockValue 'two' is not a goal this unlock rule can have", 3},
        // The background picture's name is made from the column: it may not leave its folder.
        ListErrorCase{"BackgroundClimbsOut", {"A,,beach,/../../../../tmp/x,0,0,0,,0,,,,"}, 0, 0,
                      "Course 'A': the Background column '/../../../../tmp/x' names a picture outside the "
                      "backgrounds folder", 2},
        ListErrorCase{"BackgroundWithBackslash", {"A,,beach,1\\..\\..\\x,0,0,0,,0,,,,"}, 0, 0,
                      "Course 'A': the Background column '1\\..\\..\\x' names a picture outside the "
                      "backgrounds folder", 2},
        ListErrorCase{"NameWithControl", {"a\tb,,beach,1,0,0,0,,0,,,,"}, 0, 0,
                      "Course name 'a\tb' may not hold a slash, a backslash or a control character, or begin with a dot", 2}),
    [](const testing::TestParamInfo<ListErrorCase>& info) { return std::string(info.param.label); });

// With a picture folder given, every picture a row's newspaper code names must be in it; the
// first missing one stops the load, naming the course, the picture and the line.
TEST(CourseListFileTest, NewspaperPicturesOfEveryCodeAreChecked) {
  TestDataFolder data;
  data.WriteCourseOfHoles("A", 9);
  data.WriteCourseOfHoles("B", 9);
  const std::string folder = data.Prefix() + "Data/graphics/";
  for (const char* picture : {"newspaper/stats.jpg", "newspaper/jokes/20.jpg",
                              "newspaper/trophies/trophy_display_bg.jpg",
                              "newspaper/trophies/trophy1.png", "newspaper/course_images/A.jpg"})
    data.Write(std::string("Data/graphics/") + picture, "x");
  struct Case {
    const char* row_b;
    const char* missing;  // "" when the load succeeds
  };
  const Case cases[] = {
      {"B,,beach,1,0,0,0,,0,,,,0", ""},  // unknown codes show the statistics picture
      {"B,,beach,1,0,0,0,,0,,,,20", ""},
      {"B,,beach,1,0,0,0,,0,,,,11", ""},
      {"B,,beach,1,0,0,0,,0,,,,1", "newspaper/course_images/B.jpg"},
      {"B,,beach,1,0,0,0,,0,,,,2", "newspaper/maps/B.jpg"},
      {"B,,beach,1,0,0,0,,0,,,,12", "newspaper/trophies/trophy2.png"},
      {"B,,beach,1,0,0,0,,0,,,,32", "newspaper/jokes/32.jpg"},
  };
  for (const Case& c : cases) {
    data.WriteCourseList({"A,,beach,1,0,0,0,,0,,,,1", c.row_b});
    TCourseListOptions options;
    options.DataPrefix = data.Prefix();
    options.Texts = Texts();
    options.RequiredRanks = 0;
    options.RequiredItems = 0;
    options.PictureFolder = folder;
    TCourseList courses;
    const TLoadResult result = ReadCourseList(options, courses);
    if (std::string(c.missing).empty()) {
      EXPECT_TRUE(result.Ok()) << c.row_b << ": " << result.Report();
      EXPECT_EQ(courses.size(), 2u);
    } else {
      EXPECT_NE(result.message.find("Course 'B'"), std::string::npos) << result.message;
      EXPECT_NE(result.message.find(folder + c.missing), std::string::npos) << result.message;
      EXPECT_EQ(result.line, 3) << c.row_b;
      EXPECT_TRUE(courses.empty());
    }
  }
}

TEST(CourseListFileTest, MissingListIsReported) {
  TestDataFolder data;
  TCourseList courses;
  const TLoadResult result = Load(data, courses, 0, 0);
  EXPECT_EQ(result.message, "Error loading file " + data.Prefix() + "Data/levels/CourseList.csv");
}

}  // namespace
