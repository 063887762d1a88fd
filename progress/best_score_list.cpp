#include "progress/best_score_list.h"

int TBestScoreList::Load() { return 0; }

int TBestScoreList::Insert(const std::string& name, int score, int course, int real) {
  std::vector<size_t> own;
  for (size_t i = 0; i < Scores.size(); ++i)
    if (Scores[i].course == course) own.push_back(i);
  size_t place = 0;
  while (place < own.size() && Scores[own[place]].score < score) ++place;
  if (place >= 5) return -1;
  const size_t at = place < own.size() ? own[place] : (own.empty() ? Scores.size() : own.back() + 1);
  const bool best = own.empty() || score < Scores[own[0]].score;
  Scores.insert(Scores.begin() + static_cast<long>(at), TBestScore{name, score, course, real});
  int count = 0;
  for (size_t i = 0; i < Scores.size(); ++i) {
    if (Scores[i].course != course) continue;
    if (++count > 5) {
      Scores.erase(Scores.begin() + static_cast<long>(i));
      break;
    }
  }
  return best ? 0 : static_cast<int>(place) + 1;
}

int TBestScoreList::Save() { return 0; }
