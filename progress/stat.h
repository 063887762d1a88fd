#pragma once
// One career statistic: a number and the name of the player who last changed it.

#include <string>

class TStat {
 public:
  int Value = 0;
  int Value2 = 0;
  double FloatValue = 0;
  int Set = 0;  // 1 once a value was stored
  std::string Name;

  // Adds n and stamps the statistic with the current player's name.
  int Increase(int n);
  // Value := v, stamped.
  int SetValue(int v);
  // Stores v and returns 1 unless the statistic is set and v < Value (higher is better).
  int IsGreater(int v);
  // Stores v and returns 1 unless the statistic is set and v > Value (lower is better).
  int IsLess(int v);
};
