#pragma once
// Layout shapes of the hole designer: peaks, pyramids, valleys, walls, arches, spirals, diamonds
// and letters, laid out on a lattice of half a card across and a quarter of a card down, so that
// neighbouring cards overlap the way the covering rules expect. Covers are derived from the
// overlaps: of two overlapping cards the one drawn later lies on the other.

#include <string>
#include <vector>

#include "cards/rules.h"

namespace platform {
class Random;
}

// What a hole should look like; the course's difficulty chooses these.
struct DesignParams {
  int family = 0;          // shape family, taken modulo the number of families
  int minCards = 18;
  int maxCards = 28;
  double faceUpCovered = 0.3;  // share of covered cards dealt face up
  double water = 0.0;          // share of cards that are water hazards
  int bunkers = 0;             // wedges, each lying on one to three sand cards
  double tokens = 0.1;         // share of cards with a cash-token factor
};

struct HoleDesign {
  std::string shape;  // a short description, written into the hole file's first line
  HoleFileData hole;
};

// Fills every card's cover list from the overlaps of the cards on screen: of two overlapping
// cards the later one in the list lies on the earlier one.
void CoverByDrawingOrder(std::vector<HoleCardEntry>& cards);

// Number of shape families.
int ShapeFamilyCount();

// Makes one hole; the result may still fail the layout checks (the designer then tries again).
HoleDesign DesignHole(const DesignParams& params, platform::Random& rng);

// The hole file text of a design, one card per line.
std::string HoleFileText(const HoleDesign& design, const std::string& title);
