#include <gtest/gtest.h>

#include <memory>

#include "content/course_list.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/loading_bar.h"
#include "core/loading_screen.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "tests/content/data_folder.h"
#include "util/error.h"
#include "util/globals.h"

namespace {

// A headless game object over a test data folder, with the texts the course loader asks for.
class CourseLoadingTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
    saved_game_ = Game;
    saved_text_ = GameText;
    Game = std::make_shared<TGame>();
    Game->DataPrefix = data.Prefix();
    Game->LoadingScreen->SetSteps(270);
    GameText = std::make_shared<TGameText>();
    GameText->ReadText(
        "[TEXT]\nCourse Locked - Score\nBeat XX on NN\n[TEXT]\nGoal - Score\nXX opens NN for CC\n"
        "[TEXT]\nAnd\nand\n[TEXT]\nFinal Goal Long\nWin it all\n");
    CourseList->clear();
    ccErrorPath = data.Prefix();
    // The in-game message box would wait for a key: report through the (headless) alert instead.
    saved_graphical_ = ccGraphicalErrors;
    ccGraphicalErrors = 0;
  }
  void TearDown() override {
    CourseList->clear();
    Game = saved_game_;
    GameText = saved_text_;
    ccErrorPath.clear();
    ccGraphicalErrors = saved_graphical_;
  }

  // 13 courses of 9 holes; the first 13 carry the rank mark and the first 11 the item mark.
  void WriteThirteenCourses(int broken = -1) {
    std::vector<std::string> rows;
    for (int i = 0; i < 13; ++i) {
      const std::string name = "Course" + std::to_string(i);
      data.WriteCourseOfHoles(name, i == broken ? 10 : 9);
      rows.push_back(name + ",,forest,1,10,100,0," + (i == 0 ? "" : "SCORE") + ",0,Y," +
                     (i < 11 ? "Y" : "") + ",Story,1");
    }
    rows.push_back("END");
    data.WriteCourseList(rows);
  }

  TestDataFolder data;
  std::shared_ptr<TGame> saved_game_;
  std::shared_ptr<TGameText> saved_text_;
  int saved_graphical_ = 1;
};

TEST_F(CourseLoadingTest, FillsTheListCountsCoursesAndMovesTheBarOncePerCourse) {
  WriteThirteenCourses();
  LoadCourseData();
  ASSERT_EQ(CourseList->size(), 13u);
  EXPECT_EQ(Game->MaxLevels, 13);
  EXPECT_EQ(Game->LoadingScreen->LoadingBar->CurrentStep, 13);
  EXPECT_EQ((*CourseList)[0]->GoalText, "E opens Course1 for $100");
  EXPECT_EQ((*CourseList)[1]->UnlockText, "Beat E on Course0");
  EXPECT_EQ(CourseList->back()->GoalText, "Win it all");
}

TEST_F(CourseLoadingTest, AFaultIsFatalNamesTheFileWritesTheLogAndKeepsNothing) {
  WriteThirteenCourses(5);
  const int levels_before = Game->MaxLevels;
  try {
    LoadCourseData();
    ADD_FAILURE() << "no fatal error";
  } catch (const ccFatalError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("Course 'Course5' does not have 9 or 18 holes!"), std::string::npos);
    EXPECT_NE(message.find("Data/levels/courses/Course5.txt"), std::string::npos);
  }
  EXPECT_TRUE(CourseList->empty());
  EXPECT_EQ(Game->MaxLevels, levels_before);
  const auto log = platform::ReadTextFile(data.Prefix() + "ErrorLog.txt");
  ASSERT_TRUE(log.has_value());
  EXPECT_NE(log->find("Course 'Course5' does not have 9 or 18 holes!"), std::string::npos);
}

TEST_F(CourseLoadingTest, TheRealCountsAreRequired) {
  data.WriteCourseOfHoles("Solo", 9);
  data.WriteCourseList({"Solo,,beach,1,0,0,0,,0,Y,Y,,"});
  EXPECT_THROW(LoadCourseData(), ccFatalError);
  const auto log = platform::ReadTextFile(data.Prefix() + "ErrorLog.txt");
  ASSERT_TRUE(log.has_value());
  EXPECT_NE(log->find("Ranks Found in CourseList.csv=1.  It should be 13!"), std::string::npos);
}

TEST_F(CourseLoadingTest, CoursesAreFoundByIndexAndAnIndexOutsideTheListIsFatal) {
  WriteThirteenCourses();
  LoadCourseData();
  EXPECT_EQ(CourseAt(0)->Name, "Course0");
  EXPECT_EQ(CourseAt(12)->Name, "Course12");
  for (const int index : {-1, 13, 1000}) {
    EXPECT_THROW(CourseAt(index), ccFatalError) << index;
  }
}

}  // namespace
