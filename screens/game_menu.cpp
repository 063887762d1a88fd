#include "screens/game_menu.h"

#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/save_data.h"

int TGameMenu::Show(int) {
  if (TGameScreen::TestForAnims() != 0) return -1;
  auto& player = *GameScreen->Player;
  player.SaveData->MidCourse = 1;
  player.SaveData->MidHole = 1;
  if (Game->CurrentProfile) player.ProfileUpdate(*Game->CurrentProfile);
  return 0;
}
