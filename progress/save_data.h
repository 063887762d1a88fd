#pragma once
// The game state of one player stored in the profile: the course being played, the avatar's
// items, career statistics and the hole in progress (its cards as card records).

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "progress/career_stats.h"

class TCard;
namespace platform {
class InStream;
class OutStream;
}

class TSaveData {
 public:
  std::array<int, 12> AvatarItems{};  // 1 where the avatar item of that id is owned
  std::string CourseName;
  int CourseIronsUsed = 0;
  std::shared_ptr<TCareerStats> CareerStats = std::make_shared<TCareerStats>();
  // The saved cards of the hole in progress, in drawing order.
  std::vector<std::shared_ptr<TCard>> Cards;
  // Set when the saved hole could not be read back: it is not restored.
  int HoleDamaged = 0;
  std::string HoleError;

  // Takes the cards of CardList as the hole in progress.
  int StoreHole();
  // The card count (int32) and one card record per saved card.
  int SaveCards(platform::OutStream& out) const;
  // Reads what SaveCards wrote. A short or damaged block marks the hole damaged, keeps no card
  // and returns 0; 1 when read whole.
  int LoadCards(platform::InStream& in);
  // Restores the saved hole into CardList (nothing for a damaged hole); sets TCardList::HighID.
  int Apply();
};
