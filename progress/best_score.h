#pragma once
// One entry of the best scores table.

#include <string>

class TBestScore {
 public:
  std::string name;   // the player's name (a first name for a made-up entry)
  int score = 0;      // the course's total against par; lower is better
  std::string date;   // "%d %b %Y" when the entry was made
  std::string time;   // "%H:%M:%S" when the entry was made
  int course = 0;     // 0-based course index
  int real = 0;       // 1 for a score a player made, 0 for a made-up entry
};
