// Fuzz target: The course list "CourseList.csv": its rows, their columns and the consistency checks.
// The course files a row names are the real ones, read once up front: each input reads the list
// alone, as the course file and hole file targets read theirs, so a run tries thousands of lists.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"

#include "content/course.h"
#include "content/course_list.h"

namespace {

// What ReadCourseFile fills.
void CopyCourseFile(const TCourse& from, TCourse& to) {
  to.Name = from.Name;
  to.Par = from.Par;
  to.Timed = from.Timed;
  to.Holes = from.Holes;
  to.HoleNames = from.HoleNames;
  to.HolePars = from.HolePars;
  to.HoleTotalCards = from.HoleTotalCards;
}

// The real courses by name, read once from the committed level files through the real list.
const std::map<std::string, std::shared_ptr<TCourse>>& RealCourses() {
  static const auto courses = [] {
    std::map<std::string, std::shared_ptr<TCourse>> read;
    TCourseListOptions options;
    const std::string prefix = quill_fuzz::LevelsPrefix();
    options.ReadCourse = [&read, &prefix](TCourse& course, const std::string& name) {
      auto kept = std::make_shared<TCourse>();
      const TLoadResult result = ReadCourseFile(*kept, prefix, name);
      CopyCourseFile(*kept, course);
      if (result.Ok()) read[name] = kept;
      return result;
    };
    options.DataPrefix = prefix;
    TCourseList ignored;
    ReadCourseList(options, ignored);
    return read;
  }();
  return courses;
}

TLoadResult CopyCourse(TCourse& course, const std::string& name) {
  const auto found = RealCourses().find(name);
  if (found == RealCourses().end()) return TLoadResult::Fail("Error loading file " + name, name);
  CopyCourseFile(*found->second, course);
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  RealCourses();
  const std::string list = quill_fuzz::WriteInput(data, size, "list/Data/levels/CourseList.csv");
  quill_fuzz::Survive([&] {
    TCourseListOptions options;
    options.DataPrefix = quill_fuzz::Scratch() + "list/";
    options.ReadCourse = CopyCourse;
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
