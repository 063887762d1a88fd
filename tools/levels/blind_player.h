#pragma once
// A player who clicks without looking: round after round it clicks every card position of the
// layout once, in no particular order, and then the stock. A click on a free card that fits the
// foundation plays it, a click on a free wedge or iron picks it up, any other click does nothing;
// the irons in the bag are never played. Once the stock is spent it goes on clicking the cards
// until a whole round changes nothing. The level tool and the tests measure the first course's
// holes with it: a hole where such a player does as well as one who chooses teaches nothing.

#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "cards/hole_solver.h"
#include "platform/random.h"

// Plays one deal blindly, the order of each round's clicks drawn from `order`; returns the
// layout cards left.
inline int PlayBlindly(const SolverLayout& layout, const HoleDeal& deal, platform::Random& order) {
  const int n = layout.count;
  std::uint64_t cleared = 0;
  auto bit = [](int i) { return std::uint64_t{1} << i; };
  auto isFree = [&](int i) { return (layout.coveredBy[i] & ~cleared) == 0; };
  std::vector<int> positions(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) positions[static_cast<std::size_t>(i)] = i;
  int foundation = deal.foundation;
  std::size_t turned = 0;
  while (true) {
    for (int i = n - 1; i > 0; --i)
      std::swap(positions[static_cast<std::size_t>(i)],
                positions[static_cast<std::size_t>(order.Rand(0, i))]);
    bool changed = false;
    for (int i : positions) {
      if ((cleared & bit(i)) || !isFree(i)) continue;
      const int type = deal.type[static_cast<std::size_t>(i)];
      const int value = deal.value[static_cast<std::size_t>(i)];
      if (type == CARDTYPE_WEDGE || type == CARDTYPE_IRON) {
        cleared |= bit(i);
        changed = true;
      } else if (FoundationAccepts(foundation, value)) {
        cleared |= bit(i);
        foundation = value;
        changed = true;
      }
    }
    if (turned < deal.stockValue.size()) {
      if (deal.stockType[turned] == CARDTYPE_NORMAL) foundation = deal.stockValue[turned];
      ++turned;
    } else if (!changed) {
      break;
    }
  }
  return n - std::popcount(cleared);
}
