#pragma once
// Rules shared by the screens of a round: course lookup and the crowd's cheer.

#include <memory>
#include <string>

#include "content/course.h"

class TCourse;

// The course of that name in the course list (exact name), or none.
std::shared_ptr<TCourse> CourseFind(const std::string& name);
// Plays the crowd cheer "Crowd_Cheer" followed by a random number from `from` to `to`.
int PlayCheer(int from, int to);

// Course states by course index (the unlock codes are those of content/course.h).
constexpr int COURSE_LOCKED = 0;
constexpr int COURSE_OPEN = 1;
constexpr int COURSE_COMPLETED = 2;

// Index of the named course in the course list, -1 when none; the course at an index, or none.
int CourseGetIndex(const std::string& name);
std::shared_ptr<TCourse> CourseAtIndex(int index);
// 0..9 for BEACH .. SCOT (any case), 0 for any other word.
int CourseGetTypeInteger(const std::string& type);
// Opens the next course when its goal of `code` is met by `value`. 1 when it opened.
int CourseUnlock(int code, int value, int atLeast);
// Shows the trophy queued in slot `slot` of the play screen and pays its prize.
int AwardTrophy(int slot);
// The next hole's card count minus its par into the saved game.
int SetNewLevelHTP(int hole);
// Plays one of the six groans of the crowd.
int PlayGroan();
