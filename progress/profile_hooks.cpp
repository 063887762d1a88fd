#include "progress/profile_hooks.h"

#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/save_data.h"

int CreateProfileExtra(TProfile& profile) {
  if (!GameScreen || !GameScreen->Player || !GameScreen->Player->SaveData) return 0;
  GameScreen->Player->SaveData->Init(profile);
  return 0;
}
