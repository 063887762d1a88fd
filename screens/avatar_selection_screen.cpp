#include "screens/avatar_selection_screen.h"

#include "screens/globals.h"
#include "screens/title_screen.h"
#include "ui/player_manager.h"

int TAvatarSelectionScreen::Show() { return 0; }

int TAvatarSelectionScreen::Logic() { return 1; }

int TAvatarSelectionScreen::Kill() {
  TStandInScreen::Kill();
  if (TitleScreen) {
    TitleScreen->DrawDisabled = 0;
    if (TitleScreen->PlayerManager) TitleScreen->PlayerManager->DrawDisabled = 0;
  }
  return 0;
}
