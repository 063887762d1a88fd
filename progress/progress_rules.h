#pragma once
// The reward rules shared by the screens of a round: course lookups, unlocking the next courses
// when a goal is met, trophies, prizes, purses, the score against par of a hole, and the crowd.
// They act on the current player (GameScreen->Player and its SaveData) and the current profile.

#include <memory>
#include <string>

class TCourse;
class TGameChannel;

// The course at 0-based index of the course list, or none for an index outside it.
std::shared_ptr<TCourse> CourseAtIndex(int index);
// 0-based index of the first course of that exact name; -1 when none.
int CourseGetIndex(const std::string& name);
// The first course of that exact name, or none.
std::shared_ptr<TCourse> CourseFind(const std::string& name);
// The course type word as a number: BEACH 0, CITY 1, COUNTRY 2, DESERT 3, FOREST 4, JAPAN 5,
// JUNGLE 6, MOUNTAIN 7, MUNI 8, SCOT 9 (any case); anything else 0.
int CourseGetTypeInteger(const std::string& word);
// Tests the goal of the course after the one being played (unlock code `code`, `value` at least
// (atLeast 1) or at most (atLeast 0) its UnlockValue) and opens it, and the course after that when
// it names the current course in UnlockedBy, when they are still locked; pays the prizes, raises
// rank and shop items (at most 13 and 11), shows the reward dialog. 1 when a course was opened.
int CourseUnlock(int code, int value, int atLeast);
// Shows the dialog of the trophy pending in GameScreen->TrophyDialogs[slot], pays 500 and records
// the trophy. Returns 0.
int AwardTrophy(int slot);
// Player cash, profile cash and the career earnings += amount, each stopping at the largest int.
// Returns 0.
int GivePrize(int amount);
// The purse paid for a course: Ceil(purse * 1.15f) (at most the largest int) when avatar item 11
// is owned, else purse.
int GetPurse(int purse);
// SaveData->HTP := the hole's card count minus its par (1-based hole of SaveData->CourseName).
// An unlisted course or a hole outside 1..Holes leaves HTP at 0. Returns 0.
int SetNewLevelHTP(int hole);
// "+3", "E", "-2".
std::string GetHTPString(int n);
// Plays "Crowd_Cheer" + a random number from lo to hi (hi 0 means 6). The channel used, or none.
std::shared_ptr<TGameChannel> PlayCheer(int lo, int hi);
// Plays "Crowd_Groan" + a random number from 1 to 6.
std::shared_ptr<TGameChannel> PlayGroan();
