// The course record and course list as the running game loads them: paths from the application
// object, texts from the text table, the loading bar, and every fault through the fatal report.

#include <string>
#include <utility>

#include "content/course.h"
#include "content/course_list.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "progress/currency.h"
#include "util/error.h"

int TCourse::Read(const std::string& name) {
  const TLoadResult result = ReadCourseFile(*this, Game->DataPrefix, name);
  if (!result.Ok()) ccRunTimeError(result.Report(), 1);
  return 0;
}

std::string GetUnlockValue(const TCourse& course) { return GetUnlockValue(course, GetCurrencyChar()); }

TCourseTexts CourseTextsFromGameText() {
  TCourseTexts texts;
  const char* kinds[] = {"Score", "Drive", "Perfect", "Tokens"};
  for (int code = UNLOCK_SCORE; code <= UNLOCK_TOKENS; ++code) {
    texts.UnlockTemplates[code] = GameText->FindString(std::string("Course Locked - ") + kinds[code - 1]);
    texts.GoalTemplates[code] = GameText->FindString(std::string("Goal - ") + kinds[code - 1]);
  }
  texts.And = GameText->FindString("And");
  texts.FinalGoalLong = GameText->FindString("Final Goal Long");
  texts.Currency = GetCurrencyChar();
  return texts;
}

int LoadCourseData() {
  TCourseListOptions options;
  options.DataPrefix = Game->DataPrefix;
  options.Texts = CourseTextsFromGameText();
  options.Step = [] { Game->MoveBar(); };
  options.PictureFolder = Game->ImagePath;
  TCourseList courses;
  const TLoadResult result = ReadCourseList(options, courses);
  // Nothing is kept from a list that failed: the report ends the program.
  if (!result.Ok()) return ccRunTimeError(result.Report(), 1);
  *CourseList = std::move(courses);
  Game->MaxLevels = static_cast<int>(CourseList->size());
  return 0;
}

std::shared_ptr<TCourse> CourseAt(int index) {
  const int count = CourseList ? static_cast<int>(CourseList->size()) : 0;
  if (index < 0 || index >= count) {
    ccRunTimeError("Course index " + std::to_string(index) + " is outside the course list of " +
                       std::to_string(count) + " courses",
                   1);
  }
  return (*CourseList)[static_cast<std::size_t>(index)];
}
