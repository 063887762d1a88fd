#include "tutorial.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A pile starts at (x, y) in hole-file units and runs straight down (a column) or to the right (a
// fan), each card `dx`, `dy` units on from the one before and lying on it, so the card at its end
// is the one whole card and the only free one. Its cards, from the first laid (underneath): N a
// normal card, n one dealt face down, W and w a water card face up and face down, S a sand card
// (always face down), D a wedge; a digit after a letter is that card's cash-token factor.
struct Pile {
  int x, y, dx, dy;
  const char* cards;
};

// The left edge of card `index` of `count` cards standing `gap` apart around the middle of the
// play area (x = 249 puts a card's centre on the screen's centre line).
int CentredX(int index, int count, int gap) { return 249 - (count - 1) * gap / 2 + index * gap; }

int CardCount(const char* cards) {
  int n = 0;
  for (const char* c = cards; *c; ++c) n += *c >= '0' && *c <= '9' ? 0 : 1;
  return n;
}

// Columns side by side, `gap` apart, each card `step` below the one before; `dy` lowers a column.
std::vector<Pile> Columns(const std::vector<const char*>& cards, int gap, int step,
                          const std::vector<int>& dy = {}) {
  std::vector<Pile> piles;
  const int count = static_cast<int>(cards.size());
  for (int i = 0; i < count; ++i)
    piles.push_back({CentredX(i, count, gap), 62 + (dy.empty() ? 0 : dy[i]), 0, step, cards[i]});
  return piles;
}

// Fans one under another, a card's height apart, each card `step` right of the one before.
std::vector<Pile> Fans(const std::vector<const char*>& cards, int step) {
  std::vector<Pile> piles;
  for (std::size_t i = 0; i < cards.size(); ++i)
    piles.push_back({CentredX(0, CardCount(cards[i]), step), 62 + 80 * static_cast<int>(i), step, 0, cards[i]});
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

TutorialHole DesignTutorialHole(int hole) {
  TutorialHole t;
  // The play screen deals no iron on the first two holes and one on the third, no wild shot on
  // the first and one on the second; after that both come by chance.
  t.deal.irons = hole < 2 ? 0 : hole == 2 ? 1 : -1;
  t.deal.wildShots = hole == 0 ? 0 : hole == 1 ? 1 : -1;
  // Until hole 8 few cards are free at once, so six cards in a row (a long drive) stay rare.
  switch (hole) {
    case 0:  // playing a card: three face-up piles
      t.design = Lay(Columns({"NNNN", "NNNN", "NNNN"}, 110, 40), "three piles");
      break;
    case 1:  // the wild shot waits in the stock
      t.design = Lay(Columns({"NNNN", "NNNNN", "NNNN"}, 110, 40), "three piles, the middle one longer");
      break;
    case 2:  // one iron: with 34 cards on the layout (in sight there, all face up) the stock keeps
             // at most 20, so the iron turns up within twenty turns of the stock
      t.design = Lay(Fans({"NNNNNNNNNNNN", "NNNNNNNNNNN", "NNNNNNNNNNN"}, 28), "three fans");
      break;
    case 3:  // water hazards, face up
      t.design = Lay(Columns({"NWNNW", "WNWNN", "NNWNW"}, 110, 40), "three piles with water");
      break;
    case 4:  // sand under wedges
      t.design = Lay(Columns({"NSDNN", "NNNNN", "SDNNN"}, 110, 40), "three piles with sand");
      break;
    case 5:  // face-down cards under the piles' feet
      t.design = Lay(Columns({"nnnnnN", "nnnnnN", "nnnnnN"}, 110, 32), "three face-down piles");
      break;
    case 6:  // cash tokens
      t.design = Lay(Columns({"n2nnn1nN3", "nn3nnN1", "nnn2nnN"}, 110, 32), "three piles with tokens");
      break;
    case 7:  // an open layout with many free cards, made for a long drive
      t.design = Lay(Columns({"nNN", "nNN", "nNN", "nNN", "nNN", "nNN", "nNN", "nNN"}, 68, 40),
                     "eight short piles");
      break;
    default:  // everything together
      t.design = Lay(Columns({"nwN1N", "SDnN", "nnW2N", "n3nNW", "SDwN", "nnN2N"}, 90, 40), "six mixed piles");
      break;
  }
  return t;
}
