#include "progress/progress_rules.h"

#include <cctype>

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
#include "progress/save_data.h"

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

int CourseGetIndex(const std::string& name) {
  if (!CourseList) return -1;
  for (std::size_t i = 0; i < CourseList->size(); ++i)
    if ((*CourseList)[i] && (*CourseList)[i]->Name == name) return static_cast<int>(i);
  return -1;
}

std::shared_ptr<TCourse> CourseAtIndex(int index) {
  if (!CourseList || index < 0 || index >= static_cast<int>(CourseList->size())) return nullptr;
  return (*CourseList)[static_cast<std::size_t>(index)];
}

int CourseGetTypeInteger(const std::string& type) {
  static const char* const kTypes[] = {"BEACH", "CITY",   "COUNTRY",  "DESERT", "FOREST",
                                       "JAPAN", "JUNGLE", "MOUNTAIN", "MUNI",   "SCOT"};
  std::string upper = type;
  for (auto& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  for (int i = 0; i < 10; ++i)
    if (upper == kTypes[i]) return i;
  return 0;
}

int CourseUnlock(int, int, int) { return 0; }

int AwardTrophy(int slot) {
  if (!GameScreen || slot < 0 || slot >= TGameScreen::TROPHY_COUNT) return 0;
  const int id = GameScreen->TrophyDialogs[static_cast<std::size_t>(slot)];
  GameScreen->TrophyDialogs[static_cast<std::size_t>(slot)] = -1;
  if (id >= 0 && id < 13) GameScreen->Player->SaveData->Trophies[static_cast<std::size_t>(id)] = 1;
  GameScreen->Player->ScoreChange(500);
  return 0;
}

int SetNewLevelHTP(int) { return 0; }

int PlayGroan() {
  if (!sounds) return 0;
  auto groan = sounds->Find("Crowd_Groan" + std::to_string(EffectsRandom.Rand(1, 6)));
  if (groan && GameGrid && GameGrid->Channels) GameGrid->Channels->PlayGameSound(groan, nullptr, 1.0f, 0);
  return 0;
}
