#include "screens/title_screen.h"

#include "core/game.h"
#include "core/globals.h"
#include "util/files.h"

int TTitleScreen::SpecialLoad(int loading, int loadMusic) {
  if (loading != 0) Game->MoveBar();
  if (loading != 0) Game->MoveBar();
  if (loadMusic != 0 && ccFileExists(Game->MusicPath + "title theme.ogg")) {
    Game->MusicLoad("title theme.ogg", 1);
  }
  if (loading != 0) Game->MoveBar();
  return 0;
}

int TTitleScreen::SetEscDestination() {
  Game->DestinationTScreen = Game->ExitScreen;
  return 0;
}
