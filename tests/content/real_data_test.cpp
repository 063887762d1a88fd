// Checks on the staged data folder. Each test skips while the folder does not hold the files it
// needs yet (the data pipeline fills it).

#include <gtest/gtest.h>

#include "content/course_list.h"
#include "gfx/game_text.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

TEST(RealDataTest, SeventyCoursesLoadWithTheirTexts) {
  const std::string prefix = platform::DataPrefix();
  if (!platform::FileExists(prefix + "Data/levels/CourseList.csv")) {
    GTEST_SKIP() << "the staged data folder holds no Data/levels/CourseList.csv yet";
  }
  const auto text_file = platform::ReadTextFile(prefix + "Data/text/gametext.txt");
  if (!text_file) GTEST_SKIP() << "the staged data folder holds no Data/text/gametext.txt yet";
  TGameText text;
  text.ReadText(*text_file);

  TCourseListOptions options;
  options.DataPrefix = prefix;
  const char* kinds[] = {"Score", "Drive", "Perfect", "Tokens"};
  for (int code = UNLOCK_SCORE; code <= UNLOCK_TOKENS; ++code) {
    options.Texts.UnlockTemplates[code] = text.FindString(std::string("Course Locked - ") + kinds[code - 1]);
    options.Texts.GoalTemplates[code] = text.FindString(std::string("Goal - ") + kinds[code - 1]);
  }
  options.Texts.And = text.FindString("And");
  options.Texts.FinalGoalLong = text.FindString("Final Goal Long");
  options.Texts.Currency = "$";
  int steps = 0;
  options.Step = [&steps] { ++steps; };

  TCourseList courses;
  const TLoadResult result = ReadCourseList(options, courses);
  ASSERT_TRUE(result.Ok()) << result.Report();
  EXPECT_EQ(courses.size(), 70u);
  EXPECT_EQ(steps, 70);
  for (const auto& course : courses) {
    EXPECT_TRUE(course->Holes == 9 || course->Holes == 18) << course->Name;
    EXPECT_TRUE(platform::FileExists(prefix + "Data/graphics/backgrounds/" + course->BackgroundImage))
        << course->Name << ": " << course->BackgroundImage;
  }
  EXPECT_EQ(courses.front()->UnlockedBy, "");
  EXPECT_EQ(courses.back()->GoalText, options.Texts.FinalGoalLong);
}

}  // namespace
