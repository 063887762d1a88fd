#pragma once
// The best scores of every course ("best.dat" in the per-user folder).

class TBestScoreList {
 public:
  TBestScoreList() = default;
  TBestScoreList(const TBestScoreList&) = delete;
  TBestScoreList& operator=(const TBestScoreList&) = delete;

  // Reads the best scores. Returns 0.
  int Load();
};
