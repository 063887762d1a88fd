#pragma once
// The course list file "Data/levels/CourseList.csv": every course of the game in playing order
// with its type, money, unlock rule and newspaper story. Reading it reads every course file and
// hole file too, checks the list's consistency and builds the goal and unlock texts that the
// course selector shows.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "content/course.h"
#include "content/load_result.h"

// The courses in list order; a course's position (from 0) is its course index everywhere.
using TCourseList = std::vector<std::shared_ptr<TCourse>>;

// The user-visible texts the course loader needs, taken from the text table once per load.
struct TCourseTexts {
  // Indexed by unlock code 0..4; entry 0 is "" (no rule, no goal).
  std::array<std::string, 5> UnlockTemplates{};  // "Course Locked - Score" ...
  std::array<std::string, 5> GoalTemplates{};    // "Goal - Score" ...
  std::string And;             // word joining course names
  std::string FinalGoalLong;   // goal text of the final course
  std::string Currency;        // currency character of the player's region
};

struct TCourseListOptions {
  std::string DataPrefix;  // folder holding "Data/", ending in "/"
  TCourseTexts Texts;
  // Rows that must carry "Y" in the rank and item columns (the player's rank and the shop's item
  // count have that many steps).
  int RequiredRanks = 13;
  int RequiredItems = 11;
  // Called once after each course row has been read (the loading bar's step).
  std::function<void()> Step;
  // Reads the course file (and its holes) of a row's course into the course; empty: ReadCourseFile
  // under DataPrefix. A caller that reads the list alone, over courses it already holds, sets it.
  std::function<TLoadResult(TCourse& course, const std::string& name)> ReadCourse;
  // The graphics folder (ending in "/") in which every newspaper picture a row's picture code
  // names must exist; "" checks none.
  std::string PictureFolder;
};

// A course name usable as part of a file name: no "/" or "\", no leading "." and no control
// character. (An empty name is left to the course file's own missing-file report.)
bool CourseNameAllowed(const std::string& name);

// Reads the course list and every course it names into `courses` (appended in row order). Fee,
// Purse and UnlockPrize must be whole numbers from 0 within an int, UnlockValue a whole number (below
// 0 only for a score goal, and not by more than 1000), and the Background column may not take the
// picture's name out of the backgrounds folder. On failure the result names the file and line and
// `courses` is left as it was.
TLoadResult ReadCourseList(const TCourseListOptions& options, TCourseList& courses);

// A course's unlock value as shown in texts: "+2", "E", "-3" for score goals, "$500" for tokens,
// the plain number otherwise.
std::string GetUnlockValue(const TCourse& course, const std::string& currency);
// The same with the currency character of the current region.
std::string GetUnlockValue(const TCourse& course);

// Reads the course list of the data folder into the global CourseList and sets Game->MaxLevels,
// one loading-bar step per course. Any fault is fatal (ccRunTimeError with the stop flag) and
// leaves CourseList and Game->MaxLevels untouched. Returns 0.
int LoadCourseData();
// The texts of the course loader from the text table (GameText) and the current region.
TCourseTexts CourseTextsFromGameText();
// The course at 0-based `index` of the global CourseList. An index outside the list (a corrupt
// saved course number, say) is fatal (ccRunTimeError with the stop flag), never a stray read.
std::shared_ptr<TCourse> CourseAt(int index);
