// Checks on the staged data folder. A test skips only when there is no data folder at all (the
// data target not built); a data folder that lacks a file the test reads is a failure.

#include <gtest/gtest.h>

#include "content/course_list.h"
#include "gfx/game_text.h"
#include "platform/files.h"
#include "platform/system.h"
#include "tests/content/real_game.h"

namespace {

TEST(RealDataTest, SeventyCoursesLoadWithTheirTexts) {
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) GTEST_SKIP() << "no data folder at " << prefix << "Data (build the data target)";
  ASSERT_TRUE(platform::FileExists(prefix + "Data/levels/CourseList.csv"))
      << "the data folder lacks Data/levels/CourseList.csv";
  const auto text_file = platform::ReadTextFile(prefix + "Data/text/gametext.txt");
  ASSERT_TRUE(text_file.has_value()) << "the data folder lacks Data/text/gametext.txt";
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
    EXPECT_TRUE(platform::FileExists(prefix + "Data/music/" + course->AmbienceLoop))
        << course->Name << ": " << course->AmbienceLoop;
  }
  EXPECT_EQ(courses.front()->UnlockedBy, "");
  EXPECT_EQ(courses.back()->GoalText, options.Texts.FinalGoalLong);
}

}  // namespace
