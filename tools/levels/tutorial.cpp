#include "tutorial.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A pile starts at (x, y) in hole-file units and runs straight down (a column), each card `dx`,
// `dy` units on from the one before and lying on it, so the card at its end is the one whole card
// and the only free one. Its cards, from the first laid (underneath): N a
// normal card, n one dealt face down, W and w a water card face up and face down, S a sand card
// (always face down), D a wedge; a digit after a letter is that card's cash-token factor.
struct Pile {
  int x, y, dx, dy;
  const char* cards;
};

// The left edge of card `index` of `count` cards standing `gap` apart around the middle of the
// play area (x = 249 puts a card's centre on the screen's centre line).
int CentredX(int index, int count, int gap) { return 249 - (count - 1) * gap / 2 + index * gap; }

// Columns side by side, `gap` apart, each card `step` below the one before; `dy` lowers a column.
std::vector<Pile> Columns(const std::vector<const char*>& cards, int gap, int step,
                          const std::vector<int>& dy = {}) {
  std::vector<Pile> piles;
  const int count = static_cast<int>(cards.size());
  for (int i = 0; i < count; ++i)
    piles.push_back({CentredX(i, count, gap), 62 + (dy.empty() ? 0 : dy[i]), 0, step, cards[i]});
  return piles;
}

HoleDesign Lay(const std::vector<Pile>& piles, const std::string& shape) {
  HoleDesign design;
  design.shape = shape;
  auto& cards = design.hole.cards;
  for (const Pile& p : piles) {
    int k = 0;
    for (const char* c = p.cards; *c; ++c) {
      if (*c >= '0' && *c <= '9') {
        cards.back().tokenFactor = *c - '0';
        continue;
      }
      HoleCardEntry e;
      e.id = static_cast<int>(cards.size()) + 1;
      e.zorder = e.id - 1;
      e.x = p.x + p.dx * k;
      e.y = p.y + p.dy * k;
      ++k;
      e.faceUp = std::strchr("NWD", *c) ? 1 : 0;
      e.type = *c == 'W' || *c == 'w' ? CARDTYPE_WATER
               : *c == 'S'            ? CARDTYPE_SAND
               : *c == 'D'            ? CARDTYPE_WEDGE
                                      : CARDTYPE_NORMAL;
      cards.push_back(e);
    }
  }
  CoverByDrawingOrder(cards);
  // Nothing lies on a free card, so it shows its face whatever the pile asked for.
  for (auto& c : cards)
    if (c.covers.empty() && c.type != CARDTYPE_SAND) c.faceUp = 1;
  return design;
}

}  // namespace

DealOptions TutorialDeal(int hole) {
  DealOptions deal;
  // The play screen deals no iron on the first two holes and one on the third, no wild shot on
  // the first and one on the second; after that both come by chance.
  deal.irons = hole < 2 ? 0 : hole == 2 ? 1 : -1;
  deal.wildShots = hole == 0 ? 0 : hole == 1 ? 1 : -1;
  // That iron goes into the stock and turns up within its first few turns; that wild shot is the
  // stock's first turn, so even a player who clears the layout at once meets it.
  deal.ironStockTurns = hole == 2 ? TUTORIAL_IRON_TURNS : 0;
  deal.wildShotStockTurns = hole == 1 ? TUTORIAL_WILDSHOT_TURNS : 0;
  return deal;
}

TutorialHole DesignTutorialHole(int hole) {
  TutorialHole t;
  t.deal = TutorialDeal(hole);
  // Until hole 8 the cards lie in three piles: a short one, a tall one and one between, so three
  // cards are free at first and the player chooses which pile to dig into. The short pile soon
  // runs out, so six cards in a row (a long drive) stay rare, even with an iron from the bag to
  // carry a run on. Twelve to fourteen cards leave a stock short enough that a player who clicks
  // without looking is left with cards a player who chooses clears. Cards in a pile lie a
  // quarter of a card apart, each showing its rank corner.
  switch (hole) {
    case 0:  // playing a card: three face-up piles
      t.design = Lay(Columns({"N", "NNNNNNNN", "NNNNN"}, 100, 20), "three piles");
      break;
    case 1:  // the wild shot waits in the stock
      t.design = Lay(Columns({"N", "NNNNNNNN", "NNNNN"}, 100, 20), "three piles");
      break;
    case 2:  // one iron, dealt near the stock's top
      t.design =
          Lay(Columns({"N", "NNNNN", "NNNNNNNN"}, 100, 20), "three piles for the first iron");
      break;
    case 3:  // water hazards, face up
      t.design = Lay(Columns({"W", "NNWNNNWN", "NWN"}, 100, 20), "three piles with water");
      break;
    case 4:  // sand under wedges
      t.design = Lay(Columns({"SD", "NNNSDNNN", "NNSD"}, 100, 20), "three piles with sand");
      break;
    case 5:  // face-down cards under the piles' feet
      t.design = Lay(Columns({"N", "nnnnnnnN", "nnnnN"}, 100, 20), "three piles, two face down");
      break;
    case 6:  // cash tokens
      t.design = Lay(Columns({"N2", "nnn3nnnN1", "nnnnN"}, 100, 20), "three piles with tokens");
      break;
    case 7:  // an open layout with many free cards, made for a long drive
      t.design = Lay(Columns({"nNN", "nNN", "nNN", "nNN", "nNN", "nNN", "nNN", "nNN"}, 68, 40),
                     "eight short piles");
      break;
    default:  // everything together, in six longer piles: par leaves room for a triple eagle
      t.design = Lay(Columns({"nnwN1N", "SDnnnN", "nnnW2N", "nn3nNW", "SDnnwN", "nnnN2N"}, 90, 32),
                     "six mixed piles");
      break;
  }
  return t;
}
