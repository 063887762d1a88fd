#include "progress/player.h"

#include "core/globals.h"
#include "gfx/globals.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/random.h"
#include "ui/profile.h"
#include "play/hud.h"

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

int TPlayer::InitStats() {
  Name.clear();
  Score = 0;
  Level = 1;
  Unlocked = 1;
  TotalTimeTaken = 0;
  LastTimeTaken = 9999;
  Irons.fill(0);
  if (GameScreen) {
    GameScreen->PopUpsReset();
    GameScreen->LastWildshotCard = -1;
  }
  return 0;
}

int TPlayer::ProfileRead(const std::shared_ptr<TProfile>& profile, int) {
  if (!profile) return 0;
  Name = profile->Name;
  Level = profile->CurrentLevel;
  Score = profile->Score;
  TotalTimeTaken = profile->TimeTaken;
  Unlocked = profile->LockedLevel - 1;
  return 1;
}

int TPlayer::ProfileUpdate(const std::shared_ptr<TProfile>& profile) {
  if (!profile) return 0;
  profile->Name = Name.empty() ? profile->Name : Name;
  profile->CurrentLevel = Level;
  profile->Score = Score;
  profile->TimeTaken = TotalTimeTaken;
  profile->LockedLevel = Unlocked + 1;
  SaveData->Update();
  return 0;
}

int TPlayer::ProfileWrite(const std::shared_ptr<TProfile>& profile) {
  if (profile) profile->Save();
  return 0;
}

int TPlayer::NewLevelStats() {
  LevelScore = 0;
  TimeTaken = 0;
  TimeUp = 0;
  Mulligans = SaveData->AvatarItems[0] ? 2 : 1;
  Perfect = 0;
  TimeLimit = 0;
  return 0;
}

int TPlayer::Manage() {
  TimeTaken += Delta;
  return 1;
}

int TPlayer::GetEmptyIron() {
  int slot = 0;
  do {
    slot = EffectsRandom.Rand(2, 9);
  } while (Irons[static_cast<std::size_t>(slot)] != 0);
  return slot;
}

int TPlayer::IronsCount() const {
  int n = 0;
  for (int slot = 2; slot <= 9; ++slot)
    if (Irons[static_cast<std::size_t>(slot)] == 1) ++n;
  return n;
}
