#include "content/course.h"

#include <climits>
#include <cstdint>

#include "platform/files.h"

namespace {

constexpr const char* kCourseFolder = "Data/levels/courses/";
constexpr const char* kHoleFolder = "Data/levels/holes/";
// Course file layout: par on line 4, the timed flag on line 12, hole names from line 17 on.
constexpr int kParLine = 4;
constexpr int kTimedLine = 12;
constexpr int kFirstHoleLine = 17;
// Hole file layout as far as the course reader needs it: par on line 2, cards from line 5 on.
constexpr int kHoleParLine = 2;
constexpr int kFirstCardLine = 5;

std::string HoleCountMessage(const std::string& name) {
  return "Course '" + name + "' does not have 9 or 18 holes!";
}

// Reads one hole file into entry `index` of the course.
TLoadResult ReadHoleFile(TCourse& course, int index, const std::string& path) {
  auto in = platform::InStream::Open(path);
  if (!in) return TLoadResult::Fail("Error loading file " + path, path);
  int par = 0;
  int cards = 0;
  for (int line = 1; !in->Eof(); ++line) {
    const std::string text = in->ReadLine();
    if (line == kHoleParLine) par = DataTextToInt(text);
    if (line >= kFirstCardLine && !text.empty()) ++cards;
  }
  course.HolePars[index] = par;
  course.HoleTotalCards[index] = cards;
  return {};
}

}  // namespace

int DataTextToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                             text[i] == '\r' || text[i] == '\v' || text[i] == '\f')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<std::int64_t>(INT_MAX) + 1) value = static_cast<std::int64_t>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

std::shared_ptr<TCourse> TCourse::Create() { return std::make_shared<TCourse>(); }

TLoadResult ReadCourseFile(TCourse& course, const std::string& data_prefix, const std::string& name) {
  course.Name = name;
  const std::string path = data_prefix + kCourseFolder + name + ".txt";
  auto in = platform::InStream::Open(path);
  if (!in) return TLoadResult::Fail("Error loading file " + path, path);

  int line = 0;
  // Lines 1 to 16: the header; a short file reads "" for the lines it lacks.
  while (line < kFirstHoleLine - 1) {
    const std::string text = in->ReadLine();
    ++line;
    if (line == kParLine) course.Par = DataTextToInt(text);
    if (line == kTimedLine && text == "Y") course.Timed = 1;
  }
  while (!in->Eof()) {
    const std::string hole = in->ReadLine();
    ++line;
    // The arrays hold 18 holes: a 19th hole line already decides the count is wrong.
    if (course.Holes >= MAX_COURSE_HOLES) return TLoadResult::Fail(HoleCountMessage(name), path, line);
    course.HoleNames[course.Holes] = hole;
    TLoadResult hole_result = ReadHoleFile(course, course.Holes, data_prefix + kHoleFolder + hole);
    if (!hole_result.Ok()) {
      // Point at the course file's line that names the missing hole file.
      hole_result.file = path;
      hole_result.line = line;
      return hole_result;
    }
    ++course.Holes;
  }
  if (course.Holes != 9 && course.Holes != 18) {
    return TLoadResult::Fail(HoleCountMessage(name), path, 0);
  }
  return {};
}
