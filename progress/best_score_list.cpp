#include "progress/best_score_list.h"

int TBestScoreList::Load() { return 0; }
