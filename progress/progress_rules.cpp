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

int PlayGroan() {
  if (!sounds) return 0;
  auto groan = sounds->Find("Crowd_Groan" + std::to_string(EffectsRandom.Rand(1, 6)));
  if (!groan) return 0;
  if (Game && Game->Channels) Game->Channels->PlayGameSound(groan, nullptr, 1.0f, 0);
  return 0;
}
