#pragma once
// Rules shared by the screens of a round: course lookup and the crowd's cheer.

#include <memory>
#include <string>

class TCourse;

// The course of that name in the course list (exact name), or none.
std::shared_ptr<TCourse> CourseFind(const std::string& name);
// Plays the crowd cheer "Crowd_Cheer" followed by a random number from `from` to `to`.
int PlayCheer(int from, int to);
// The same, returning the channel used (or none).
std::shared_ptr<class TGameChannel> PlayCheerChannel(int from, int to);

// The 0-based index of the course of that name in the course list, -1 if none.
int CourseGetIndex(const std::string& name);
// The course unlock test after a hole (code: UNLOCK_SCORE or UNLOCK_TOKENS): 1 when it passed and
// opened the next course with its reward dialog, else 0.
int CourseUnlock(int code, int value, int atLeast);
// Shows the trophy queued in the play screen's TrophyDialogs[slot], pays its prize, marks it won
// and empties the slot. Returns 0.
int AwardTrophy(int slot);
// Adds n to the player's cash, the profile's cash and the career earnings. Returns 0.
int GivePrize(int n);
// The purse, raised by 15 percent (rounded up) when avatar item 11 is owned.
int GetPurse(int purse);
// "+n" above par, "E" at par, "-n" below.
std::string GetHTPString(int value);
// Plays "Crowd_Groan" with a random number 1 to 6; the channel used, or none.
std::shared_ptr<class TGameChannel> PlayGroan();
