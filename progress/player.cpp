#include "progress/player.h"

#include <algorithm>
#include <cmath>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "progress/progress_events.h"
#include "ui/profile.h"
#include "util/maths.h"
#include "util/strings.h"

namespace {

constexpr int NO_COUNTDOWN = 9999;
constexpr int COUNTDOWN_FROM_MS = 10000;

int PlayGridSound(const std::shared_ptr<TGameSound>& sound) {
  if (GameGrid && GameGrid->Channels && sound) GameGrid->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
  return 0;
}

// Whether the clock of the hole runs this tick: not while an overlay is open, the closing animation
// or the 5x celebration runs, or after the layout has been cleared.
bool ClockRuns(const TPlayer& p) {
  if (p.Perfect != 0) return false;
  return !ProgressEvents().ClockHeld();
}

// Marks the bag slots of irons dealt this hole that have not reached the bag yet: on the layout,
// in the stock or in flight. An iron card carries its number in Value.
void MarkDealtIrons(std::array<int, TPlayer::IRON_SLOTS>& taken) {
  auto mark = [&taken](const TCardRef& c) {
    // An iron played from the bag onto the foundation has left its slot free again.
    if (c && c->CardType == CARDTYPE_IRON && c->Foundation == 0 && c->FromBag == 0 &&
        c->Value >= IRON_FIRST && c->Value <= IRON_LAST)
      taken[static_cast<std::size_t>(c->Value)] = 1;
  };
  // Cards in flight stay in the card list until they land.
  if (CardList)
    for (const auto& c : CardList->Cards) mark(c);
}

}  // namespace

int TPlayer::ClearCounters() { return 0; }

int TPlayer::GetEmptyIron() {
  std::array<int, IRON_SLOTS> taken = Irons;
  MarkDealtIrons(taken);
  int free = 0;
  for (int i = IRON_FIRST; i <= IRON_LAST; ++i)
    if (taken[static_cast<std::size_t>(i)] == 0) ++free;
  if (free == 0) return 0;
  // A uniform choice among the free slots: the same odds as drawing 2..9 until a free one comes up,
  // without the chance of drawing for ever.
  int pick = GameGrid ? GameGrid->Rng.Rand(1, free) : EffectsRandom.Rand(1, free);
  for (int i = IRON_FIRST; i <= IRON_LAST; ++i) {
    if (taken[static_cast<std::size_t>(i)] != 0) continue;
    if (--pick == 0) return i;
  }
  return 0;
}

int TPlayer::InitStats() {
  Name.clear();
  Score = 0;
  Level = 1;
  Unlocked = 1;
  TotalTimeTaken = 0;
  LastTimeTaken = NO_COUNTDOWN;
  IronsClear();
  ProgressEvents().PlayerStatsReset();
  return 0;
}

int TPlayer::IronsClear() {
  Irons.fill(0);
  return 0;
}

int TPlayer::IronsCount() {
  int n = 0;
  for (const int v : Irons)
    if (v == 1) ++n;
  return n;
}

int TPlayer::LevelScoreChange(int n) {
  LevelScore = ccSaturatingAdd(LevelScore, n);
  if (LevelScore < 0) LevelScore = 0;
  if (n > 0) ProgressEvents().HoleCashRaised();
  return 0;
}

int TPlayer::Load() { return 0; }

int TPlayer::Manage() {
  if (!ClockRuns(*this)) return 1;
  TotalTimeTaken += Delta;
  TimeTaken += Delta;
  if (TimeUp != 0 || TimeLimit <= 0) return 1;
  const double msPerTick = (Game && Game->FixedRateLogic) ? Game->FixedRateLogic->MS : 5.0;
  const double elapsed = TimeTaken * msPerTick;
  const double shown = std::ceil((TimeLimit - elapsed) / 1000.0) * 1000.0;
  if (shown > COUNTDOWN_FROM_MS) {
    LastTimeTaken = NO_COUNTDOWN;
  } else {
    int minutes = 0, seconds = 0;
    ccMillisecsToMinutes(static_cast<float>(shown), minutes, seconds);
    if (seconds != LastTimeTaken) {
      if (GameGrid) PlayGridSound(GameGrid->TimeLowBeepSound);
      LastTimeTaken = seconds;
    }
  }
  if (elapsed >= TimeLimit) {
    TimeUp = 1;
    ProgressEvents().TimeRanOut();
    if (GameGrid) PlayGridSound(GameGrid->TimeUpSound);
  }
  return 1;
}

int TPlayer::NewLevelStats() {
  ClearCounters();
  LevelStartScore = Score;
  LevelScore = 0;
  TimeTaken = 0;
  TimeUp = 0;
  Mulligans = (SaveData && SaveData->AvatarItems[0] != 0) ? 2 : 1;
  Perfect = 0;
  TimeLimit = 0;
  return 0;
}

int TPlayer::ProfileRead(TProfile* profile, int reload) {
  if (!profile) return 0;
  if (reload != 0) profile->Load();
  Name = profile->Name;
  // The hole and the count of courses opened are brought into their ranges, so that a damaged
  // file cannot make the next hole or course overflow them.
  Level = std::clamp(profile->CurrentLevel, 1, TSaveData::MAX_HOLES);
  Score = profile->Score < 0 ? 0 : profile->Score;
  TotalTimeTaken = profile->TimeTaken;
  Unlocked = std::clamp(profile->LockedLevel, 1, TSaveData::MAX_COURSES + 1) - 1;
  return 1;
}

int TPlayer::ProfileUpdatePlayer(TProfile& profile) {
  profile.Name = Name;
  profile.CurrentLevel = Level;
  profile.Score = Score;
  profile.TimeTaken = TotalTimeTaken;
  profile.LockedLevel = Unlocked + 1;
  return 0;
}

int TPlayer::ProfileUpdate(TProfile& profile) {
  ProfileUpdatePlayer(profile);
  if (SaveData) SaveData->Update();
  return 0;
}

int TPlayer::ProfileWrite(TProfile* profile) {
  if (!profile) return 0;
  return profile->Save() == 0 ? 1 : 0;
}

int TPlayer::ScoreChange(int n) {
  Score = ccSaturatingAdd(Score, n);
  if (Score < 0) Score = 0;
  return 0;
}

int TPlayer::UpdateTotals() { return 0; }

bool OwnsShopItem(const TPlayer* player, int id) {
  if (!player || !player->SaveData) return false;
  const auto& items = player->SaveData->AvatarItems;
  return id >= 0 && id < static_cast<int>(items.size()) && items[static_cast<std::size_t>(id)] != 0;
}
