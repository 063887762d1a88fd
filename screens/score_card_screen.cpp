#include "screens/score_card_screen.h"

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/graphics.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"

int TScoreCardScreen::Show(int midHole) {
  Active = 1;
  Disabled = 0;
  MidHole = midHole;
  if (!midHole && GameGrid) GameGrid->MegaBlock = 0;
  return 0;
}

int TScoreCardScreen::Close() {
  Active = 0;
  return 0;
}

int TScoreCardScreen::Finalise(int keep) {
  if (keep) Disabled = 1;
  else Active = 0;
  if (GameScreen)
    if (auto b = GameScreen->MenuButton("scorecard")) {
      b->Active = 1;
      b->AlwaysDraw = 0;
    }
  return 0;
}

int TScoreCardScreen::Logic() {
  // Until the card itself is built, a click closes it: back to play during a hole, else on to the
  // next hole or the end of the course.
  if (!Active || Disabled || !Game || !Game->Mouse || Game->Mouse->GetMh(1) == 0) return 0;
  if (MidHole) {
    Finalise(0);
    return 1;
  }
  const int midCourse = GameScreen && GameScreen->Player->SaveData->MidCourse;
  Close();
  Finalise(0);
  return midCourse ? 3 : 4;
}

int TScoreCardScreen::Draw() {
  if (!Active) return 0;
  platform::SetColor(255, 255, 255);
  platform::DrawText(name, 8, 40);
  return 0;
}

int TScoreCardScreen::Kill() {
  Active = 0;
  Disabled = 0;
  return 0;
}
