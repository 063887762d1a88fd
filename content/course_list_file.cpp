#include "content/course_list.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "content/newspaper_pictures.h"
#include "platform/files.h"
#include "util/files.h"

namespace {

constexpr const char* kCourseListFile = "Data/levels/CourseList.csv";

struct TCourseType {
  const char* word;
  const char* folder;
  const char* loop;
};

// Tested in this order.
constexpr TCourseType kCourseTypes[] = {
    {"BEACH", "beach", "ocean_loop.ogg"},
    {"CITY", "city", "city_loop.ogg"},
    {"COUNTRY", "country", "countryclub_loop.ogg"},
    {"DESERT", "desert", "desert_loop.ogg"},
    {"FOREST", "forest", "forest_loop.ogg"},
    {"JAPAN", "japan", "japanese_loop.ogg"},
    {"JUNGLE", "jungle", "jungle_loop.ogg"},
    {"MOUNTAIN", "mountain", "mountain_loop.ogg"},
    {"MUNI", "municipal", "municipal_loop.ogg"},
    {"SCOT", "scotland", "scottish_loop.ogg"},
};

// The lowest score goal (strokes under par) a row may set: no course is that long.
constexpr int kMaxScoreGoal = 1000;

constexpr const char* kUnlockWords[] = {"", "SCORE", "DRIVE", "PERFECT", "TOKENS"};

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// Takes the text before the first `separator` and leaves what follows it in `rest`; without a
// separator takes everything and leaves "".
std::string Chop(std::string& rest, char separator) {
  const std::size_t at = rest.find(separator);
  if (at == std::string::npos) return std::exchange(rest, std::string());
  std::string column = rest.substr(0, at);
  rest.erase(0, at + 1);
  return column;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The purse raised by 15 percent as the shop item pays it: the single-precision factor, rounded up.
// A purse near the int limits (a damaged list) saturates instead of overflowing the conversion.
int RaisedPurse(int purse) {
  const double raised = std::ceil(static_cast<double>(purse) * static_cast<double>(1.15f));
  return static_cast<int>(std::clamp(raised, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// Columns 2 to 13 of one row, after the course file has been read.
TLoadResult ReadRowColumns(TCourse& course, std::string rest, const TCourseTexts& texts,
                           const std::string& path, int line) {
  Chop(rest, ',');  // column 2 is not used
  course.CourseType = Upper(Chop(rest, ','));
  const std::string suffix = Chop(rest, ',');
  const TCourseType* type = nullptr;
  for (const TCourseType& candidate : kCourseTypes) {
    if (course.CourseType == candidate.word) {
      type = &candidate;
      break;
    }
  }
  if (type == nullptr) {
    return TLoadResult::Fail("Course '" + course.Name + "' has an invalid background image!", path, line);
  }
  course.AmbienceLoop = std::string("ambience/") + type->loop;
  course.BackgroundImage = type->folder + suffix + ".jpg";
  if (!DataPathInside(course.BackgroundImage)) {
    return TLoadResult::Fail("Course '" + course.Name + "': the Background column '" + QuotedData(suffix) +
                                 "' names a picture outside the backgrounds folder",
                             path, line);
  }

  // Money columns: whole numbers from 0 (a negative fee would pay the player for starting).
  struct TMoneyColumn {
    const char* name;
    int* field;
  };
  for (const TMoneyColumn column : {TMoneyColumn{"Fee", &course.Fee}, TMoneyColumn{"Purse", &course.Purse},
                                    TMoneyColumn{"UnlockPrize", &course.UnlockPrize}}) {
    const std::string text = Chop(rest, ',');
    if (!DataFieldToInt(text, *column.field) || *column.field < 0) {
      return TLoadResult::Fail("Course '" + course.Name + "': " + column.name + " '" + QuotedData(text) +
                                   "' is not a whole number from 0 to " + std::to_string(INT_MAX),
                               path, line);
    }
  }

  const std::string unlock_word = Upper(Chop(rest, ','));
  int code = -1;
  for (int i = 0; i < 5; ++i) {
    if (unlock_word == kUnlockWords[i]) code = i;
  }
  if (code < 0) {
    return TLoadResult::Fail("Course '" + course.Name + "' has an invalid unlock code!", path, line);
  }
  course.UnlockCode = code;
  // Only a score goal may be under par; the other goals count drives, holes or cash. A row
  // without a rule may leave its value empty.
  const std::string goal = Chop(rest, ',');
  const bool goal_read = DataFieldToInt(goal, course.UnlockValue) ||
                         (code == UNLOCK_NONE && goal.find_first_not_of(" \t\r") == std::string::npos);
  if (!goal_read || (code != UNLOCK_SCORE && course.UnlockValue < 0) ||
      (code == UNLOCK_SCORE && course.UnlockValue < -kMaxScoreGoal)) {
    return TLoadResult::Fail("Course '" + course.Name + "': UnlockValue '" + QuotedData(goal) +
                                 "' is not a goal this unlock rule can have",
                             path, line);
  }
  course.UnlockText = ReplaceAll(texts.UnlockTemplates[code], "XX", GetUnlockValue(course, texts.Currency));
  course.UnlockText = ReplaceAll(course.UnlockText, "NN", course.UnlockedBy);

  if (Chop(rest, ',') == "Y") course.UnlockRank = 1;
  if (Chop(rest, ',') == "Y") course.UnlockItem = 1;

  // The story may be quoted to hold commas; no escape exists for a quote inside it.
  if (!rest.empty() && rest[0] == '"') {
    rest.erase(0, 1);
    course.StoryText = Chop(rest, '"');
    if (!rest.empty()) rest.erase(0, 1);  // the comma after the closing quote
  } else {
    course.StoryText = Chop(rest, ',');
  }
  course.StoryPicture = DataTextToInt(Chop(rest, ','));
  return {};
}

// Goal texts and Unlocks: which courses each course's goal opens.
void BuildGoalTexts(TCourseList& courses, const TCourseTexts& texts) {
  for (const auto& course : courses) {
    std::string goal;
    std::string names;
    bool found = false;
    for (const auto& opened : courses) {
      // Containment, not equality: a course named inside another's name counts too.
      if (opened->UnlockedBy.find(course->Name) == std::string::npos) continue;
      goal = ReplaceAll(texts.GoalTemplates[opened->UnlockCode], "XX",
                        GetUnlockValue(*opened, texts.Currency));
      if (!found) {
        names = opened->Name;
        course->Unlocks = opened->Name;
        found = true;
      } else {
        names += " " + texts.And + " " + opened->Name;
        course->Unlocks += "," + opened->Name;
      }
    }
    goal = ReplaceAll(goal, "NN", names);
    const std::string goal1 = ReplaceAll(goal, "CC", texts.Currency + std::to_string(course->Purse));
    const std::string goal2 =
        ReplaceAll(goal, "CC", texts.Currency + std::to_string(RaisedPurse(course->Purse)));
    if (!goal1.empty()) course->GoalText = goal1;
    if (!goal2.empty()) course->GoalText2 = goal2;
  }
  if (!courses.empty()) {
    courses.back()->GoalText = texts.FinalGoalLong;
    courses.back()->GoalText2 = texts.FinalGoalLong;
  }
}

// Every picture the row's picture code names, in the graphics folder.
TLoadResult CheckNewspaperPictures(const TCourse& course, const std::string& folder,
                                   const std::string& path, int line) {
  const TNewspaperPictures pictures = NewspaperPicturesFor(course.StoryPicture, course.Name);
  for (const std::string& picture : {pictures.Picture, pictures.Trophy}) {
    if (picture.empty() || platform::FileExists(folder + picture)) continue;
    return TLoadResult::Fail("Course '" + course.Name + "': newspaper picture code " +
                                 std::to_string(course.StoryPicture) + " needs the missing picture " +
                                 folder + picture,
                             path, line);
  }
  return {};
}

}  // namespace

bool CourseNameAllowed(const std::string& name) {
  // One file name of its own: no folder part, nothing hidden, and what any data path may hold.
  if (!name.empty() && name[0] == '.') return false;
  return name.find('/') == std::string::npos && DataPathInside(name);
}

std::string GetUnlockValue(const TCourse& course, const std::string& currency) {
  std::string text = std::to_string(course.UnlockValue);
  if (course.UnlockCode == UNLOCK_TOKENS) text = currency + text;
  if (course.UnlockCode == UNLOCK_SCORE) {
    if (course.UnlockValue > 0) text = "+" + text;
    if (course.UnlockValue == 0) text = "E";
  }
  return text;
}

// The most courses the list may hold: a saved game keeps the state of this many.
constexpr std::size_t kMaxCourses = 100;

TLoadResult ReadCourseList(const TCourseListOptions& options, TCourseList& courses) {
  const std::string path = ccDataFileName(options.DataPrefix + kCourseListFile);
  TLoadResult failure;
  auto in = OpenDataFile(path, TEXT_FILE_MAX_BYTES, failure);
  if (!in) return failure;

  TCourseList loaded;
  int ranks = 0;
  int items = 0;
  std::string last_untimed;
  int line = 1;
  in->ReadLine();  // the header, whatever it holds
  while (!in->Eof()) {
    std::string rest = in->ReadLine();
    ++line;
    const std::string name = Chop(rest, ',');
    if (Upper(name) == "END") break;
    // A saved game keeps the unlock state of 100 courses; a longer list could not be saved.
    if (loaded.size() >= kMaxCourses) {
      return TLoadResult::Fail("CourseList.csv holds more than " + std::to_string(kMaxCourses) +
                                   " courses, the most a saved game can keep",
                               path, line);
    }
    // The name becomes part of file paths (the course file, the newspaper's course pictures).
    if (!CourseNameAllowed(name)) {
      return TLoadResult::Fail("Course name '" + name +
                                   "' may not hold a slash, a backslash or a control character, "
                                   "or begin with a dot",
                               path, line);
    }

    auto course = TCourse::Create();
    TLoadResult result = options.ReadCourse ? options.ReadCourse(*course, name)
                                            : ReadCourseFile(*course, options.DataPrefix, name);
    if (!result.Ok()) return result;
    course->UnlockedBy = last_untimed;
    if (course->Timed == 0) last_untimed = name;

    result = ReadRowColumns(*course, std::move(rest), options.Texts, path, line);
    if (!result.Ok()) return result;
    if (!options.PictureFolder.empty()) {
      result = CheckNewspaperPictures(*course, options.PictureFolder, path, line);
      if (!result.Ok()) return result;
    }
    ranks += course->UnlockRank;
    items += course->UnlockItem;
    loaded.push_back(std::move(course));
    if (options.Step) options.Step();
  }

  if (ranks != options.RequiredRanks) {
    return TLoadResult::Fail("Ranks Found in CourseList.csv=" + std::to_string(ranks) +
                                 ".  It should be " + std::to_string(options.RequiredRanks) + "!",
                             path);
  }
  if (items != options.RequiredItems) {
    return TLoadResult::Fail("Items Found in CourseList.csv=" + std::to_string(items) +
                                 ".  It should be " + std::to_string(options.RequiredItems) + "!",
                             path);
  }
  BuildGoalTexts(loaded, options.Texts);
  courses.insert(courses.end(), loaded.begin(), loaded.end());
  return {};
}
