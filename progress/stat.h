#pragma once
// One career statistic: a number and the name of the player who last changed it.

#include <string>

class TStat {
 public:
  int Value = 0;
  std::string Name;

  // Adds n and stamps the statistic with the current player's name.
  int Increase(int n);
};
