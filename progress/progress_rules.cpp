#include "progress/progress_rules.h"

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "ui/profile.h"

#include <cmath>

std::shared_ptr<TCourse> CourseFind(const std::string& name) {
  if (!CourseList) return nullptr;
  for (const auto& c : *CourseList)
    if (c && c->Name == name) return c;
  return nullptr;
}

int PlayCheer(int from, int to) {
  if (!sounds) return 0;
  const int n = EffectsRandom.Rand(from, to);
  auto cheer = sounds->Find("Crowd_Cheer" + std::to_string(n));
  if (!cheer) return 0;
  if (GameGrid && GameGrid->Channels) GameGrid->Channels->PlayGameSound(cheer, nullptr, 1.0f, 0);
  else if (Game && Game->Channels) Game->Channels->PlayGameSound(cheer, nullptr, 1.0f, 0);
  return 0;
}

std::shared_ptr<TGameChannel> PlayCheerChannel(int from, int to) {
  if (!sounds || !Game || !Game->Channels) return nullptr;
  auto cheer = sounds->Find("Crowd_Cheer" + std::to_string(EffectsRandom.Rand(from, to)));
  if (!cheer) return nullptr;
  return Game->Channels->PlayGameSound(cheer, nullptr, 1.0f, 0);
}

std::shared_ptr<TGameChannel> PlayGroan() {
  if (!sounds || !Game || !Game->Channels) return nullptr;
  auto groan = sounds->Find("Crowd_Groan" + std::to_string(EffectsRandom.Rand(1, 6)));
  if (!groan) return nullptr;
  return Game->Channels->PlayGameSound(groan, nullptr, 1.0f, 0);
}

int CourseGetIndex(const std::string& name) {
  if (!CourseList) return -1;
  int i = 0;
  for (const auto& c : *CourseList) {
    if (c && c->Name == name) return i;
    ++i;
  }
  return -1;
}

int CourseUnlock(int, int, int) { return 0; }

int AwardTrophy(int slot) {
  if (!GameScreen || slot < 0 || slot >= static_cast<int>(GameScreen->TrophyDialogs.size())) return 0;
  const int id = GameScreen->TrophyDialogs[slot];
  GameScreen->TrophyDialogs[slot] = -1;
  if (id < 0 || id >= 13 || !GameScreen->Player) return 0;
  GameScreen->Player->SaveData->Trophies[id] = 1;
  return 0;
}

int GivePrize(int n) {
  if (GameScreen && GameScreen->Player) {
    GameScreen->Player->Score += n;
    GameScreen->Player->SaveData->CareerStats->CareerEarnings->Increase(n);
  }
  if (Game && Game->CurrentProfile) Game->CurrentProfile->Score += n;
  return 0;
}

int GetPurse(int purse) {
  if (GameScreen && GameScreen->Player && GameScreen->Player->SaveData->AvatarItems[11] == 1) {
    return static_cast<int>(std::ceil(static_cast<float>(purse) * 1.15f));
  }
  return purse;
}

std::string GetHTPString(int value) {
  if (value > 0) return "+" + std::to_string(value);
  if (value == 0) return "E";
  return std::to_string(value);
}
