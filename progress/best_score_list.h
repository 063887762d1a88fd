#pragma once
// The best scores of every course ("best.dat" in the per-user folder).

#include <string>
#include <vector>

struct TBestScore {
  std::string name;
  int score = 0;
  int course = 0;
  int real = 0;
};

class TBestScoreList {
 public:
  TBestScoreList() = default;
  TBestScoreList(const TBestScoreList&) = delete;
  TBestScoreList& operator=(const TBestScoreList&) = delete;

  // Reads the best scores. Returns 0.
  int Load();
  // Enters a score: 0 strictly below the course's best, else its 1-based place, -1 when not added.
  int Insert(const std::string& name, int score, int course, int real);
  // Writes the best scores file. Returns 0.
  int Save();

  std::vector<TBestScore> Scores;  // five per course, best first within each course
};
