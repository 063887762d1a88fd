#pragma once
// The first course's nine holes, laid out by hand. Hole k shows what hint k teaches and nothing
// a later hint teaches: face-up piles first, where the one whole card at the end of each
// pile is the free one; then water, sand under a wedge, face-down cards, cash tokens, and an open
// layout made for a long drive; the last hole mixes them all.

#include "cards/hole_solver.h"
#include "shapes.h"

constexpr int TUTORIAL_HOLES = 9;

struct TutorialHole {
  HoleDesign design;  // par still 0: the designer solves it
  DealOptions deal;   // the play screen's irons and wild shots for this hole of the first course
};

// Hole `hole` of the first course, from 0.
TutorialHole DesignTutorialHole(int hole);

// How the play screen deals irons and wild shots on hole `hole` of the first course, from 0.
DealOptions TutorialDeal(int hole);
