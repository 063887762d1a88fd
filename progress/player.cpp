#include "progress/player.h"

#include "play/globals.h"
#include "play/hud.h"
#include "ui/profile.h"

int TPlayer::ScoreChange(int amount) {
  Score += amount;
  if (Score < 0) Score = 0;
  return 0;
}

int TPlayer::LevelScoreChange(int amount) {
  LevelScore += amount;
  if (LevelScore < 0) LevelScore = 0;
  if (amount > 0 && HUD) HUD->HoleCashBounce();
  return 0;
}

int TPlayer::ProfileUpdate(TProfile* profile) {
  if (!profile) return 0;
  profile->Name = Name.empty() ? profile->Name : Name;
  profile->CurrentLevel = Level;
  profile->Score = Score;
  return 0;
}

int TPlayer::ProfileWrite(TProfile* profile) {
  if (!profile) return 0;
  profile->Save();
  return 1;
}
