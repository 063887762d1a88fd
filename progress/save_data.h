#pragma once
// The game state of one player stored in the profile: the course being played, the avatar's
// items, career statistics and the hole in progress (its cards as card records).

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "progress/career_stats.h"

class TCard;
class TProfile;
namespace platform {
class InStream;
class OutStream;
}

class TSaveData {
 public:
  std::array<int, 12> AvatarItems{};  // 1 where the avatar item of that id is owned
  std::string CourseName;
  int MidCourse = 0;  // 1 while a course is in progress
  int MidHole = 0;    // 1 when saved in the middle of a hole
  int CourseToPar = 0;
  std::array<int, 18> CourseArrayCards{};
  std::array<int, 18> CourseArrayToPar{};
  std::vector<int> UnlockedCourses;  // per course index: 0 locked, 1 open, 2 completed
  std::array<int, 13> Trophies{};    // 1 = won
  int HoleLongestDrive = 0;
  int CourseCash = 0;
  int CoursePerfects = 0;
  int CourseTime = 0;  // seconds
  int Birdies = 0;
  int Eagles = 0;
  int TotalPursesWon = 0;
  std::array<int, 18> CourseLongDrives{};
  int HTP = 0;
  int CourseIronsUsed = 0;
  std::shared_ptr<TCareerStats> CareerStats = std::make_shared<TCareerStats>();
  // The saved cards of the hole in progress, in drawing order.
  std::vector<std::shared_ptr<TCard>> Cards;
  // Set when the saved hole could not be read back: it is not restored.
  int HoleDamaged = 0;
  std::string HoleError;

  // The state of a new profile: cash 1000, no avatar items, fresh career statistics, the first
  // course, and no hole in progress.
  int Init(TProfile& profile);
  // Empties the snapshot of the hole in progress.
  int InitLevelStats();
  // Takes copies of the cards of CardList, in list order, as the hole in progress.
  int Update();
  // Writes the saved game block: the card count (int32) and one card record per saved card.
  int Save(platform::OutStream& out) const;
  // Reads what Save wrote: 0 when read whole. A short or damaged block marks the hole damaged,
  // keeps no card and returns -1.
  int Load(platform::InStream& in);
  // Restores the saved hole into CardList (nothing for a damaged hole); sets TCardList::HighID.
  int Apply();
};
