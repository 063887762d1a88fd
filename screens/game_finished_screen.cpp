#include "screens/game_finished_screen.h"

#include "core/game.h"
#include "core/globals.h"
#include "screens/globals.h"
#include "screens/title_screen.h"

int TGameFinishedScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 3 * FADE_SPEED;
}
