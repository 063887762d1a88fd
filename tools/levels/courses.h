#pragma once
// The seventy courses of the game in playing order: names, course types and backgrounds, hole
// counts, timed courses, money, unlock rules, rank and shop-item marks, newspaper stories and
// pictures, and the text of the course list and course files.

#include <string>
#include <vector>

struct CoursePlan {
  std::string name;
  std::string slug;  // base of the hole file names
  std::string type;  // course type word (BEACH ... SCOT)
  int suffix = 1;    // background variant 1..4
  int holes = 9;
  bool timed = false;
  double difficulty = 0;  // 0 for the first course, 1 for the last
  int fee = 0, purse = 0, prize = 0;
  std::string unlockWord;  // "", SCORE, DRIVE, PERFECT or TOKENS
  int unlockValue = 0;
  int unlockedBy = -1;  // index of the course whose goal opens this one
  bool rank = false, item = false;
  std::string story;
  int picture = 3;
};

constexpr int COURSE_COUNT = 70;

// The course table; unlock values of perfect-hole goals are set later from the solved holes.
std::vector<CoursePlan> BuildCourseTable();

// The course list file.
std::string CourseListText(const std::vector<CoursePlan>& courses);

// A course file: par on line 4, the timed mark on line 12, hole file names from line 17.
std::string CourseFileText(const CoursePlan& course, int par, int cards,
                           const std::vector<std::string>& holeFiles);
