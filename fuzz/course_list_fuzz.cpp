// Fuzz target: The course list "CourseList.csv": its rows, the course files it names and the consistency checks.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "content/course_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string& prefix = quill_fuzz::LevelsPrefix();
  quill_fuzz::WriteInput(data, size, "levels_copy/Data/levels/CourseList.csv");
  quill_fuzz::Survive([&] {
    TCourseListOptions options;
    options.DataPrefix = prefix;
    options.Texts.UnlockTemplates = {"", "Score XX", "Drive XX", "Perfect XX", "Tokens CC"};
    options.Texts.GoalTemplates = {"", "Goal XX", "Goal XX", "Goal XX", "Goal CC"};
    options.Texts.And = "and";
    options.Texts.FinalGoalLong = "Win";
    options.Texts.Currency = "$";
    TCourseList courses;
    ReadCourseList(options, courses);
  });
  return 0;
}
