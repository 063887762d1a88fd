#pragma once
// The number of an iron in the golf bag (2..9): the identity of that iron's picture in the bag's
// collision test, made by the HUD for each bag slot and read back by the play field from a hit.

class TIronData {
 public:
  int Value = 0;
};
