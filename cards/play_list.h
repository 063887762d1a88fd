#pragma once
// The cards flying from the layout to the foundation. The foundation takes a card's value the
// moment it is played; each flight is counted down once per logic tick and the card lands when
// its time is up. When the last one lands the play screen may test for the end of the hole.

#include <memory>
#include <vector>

class TCard;

// One card in flight. The card stays in CardList all the time.
class TCardInPlay {
 public:
  float AnimCounter = 0;  // logic ticks left of the flight
  std::shared_ptr<TCard> Card;
};

class TPlayList {
 public:
  TPlayList() = default;
  TPlayList(const TPlayList&) = delete;
  TPlayList& operator=(const TPlayList&) = delete;

  // Appends a flight of `ticks` logic ticks; the foundation takes the card's value at once. A
  // flight of less than one tick lands on the next Manage.
  int Add(const std::shared_ptr<TCard>& card, int ticks);
  // One logic tick of every flight; returns the number still in flight after it.
  int Manage();
  int Count() const { return static_cast<int>(Entries.size()); }
  int Clear();

  std::vector<std::shared_ptr<TCardInPlay>> Entries;
};
