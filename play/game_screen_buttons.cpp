// The play screen's five buttons (Menu, End Hole, End Drive, Mulligan, Scorecard) with the
// mulligan button's pictures for each count, and their places and states at a hole start.

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "ui/button.h"
#include "ui/menu.h"

int TGameScreen::LoadMenu(int desert) {
  auto load = [](const char* file) { return TGameImage::Create(Game->MenuPath + file, -1, 0); };
  Mulligan0Disabled = load("Mulligan_x0_Disabled.png");
  Mulligan0Down = load("Mulligan_x0_Down.png");
  Mulligan1 = load("Mulligan_x1.png");
  Mulligan1MO = load("Mulligan_x1MO.png");
  Mulligan1Disabled = load("Mulligan_x1_Disabled.png");
  Mulligan1Down = load("Mulligan_x1_Down.png");
  Mulligan2 = load("Mulligan_x2.png");
  Mulligan2MO = load("Mulligan_x2MO.png");
  Mulligan2Disabled = load("Mulligan_x2_Disabled.png");
  Mulligan2Down = load("Mulligan_x2_Down.png");
  Mulligan3 = load("Mulligan_x3.png");
  Mulligan3MO = load("Mulligan_x3MO.png");
  Mulligan3Disabled = load("Mulligan_x3_Disabled.png");
  Mulligan3Down = load("Mulligan_x3_Down.png");

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);

  auto menu = Menu->AddQuick("Menu", "");
  menu->SoundClick.reset();
  menu->MouseOverUserFunction = &TGameScreen::TestForAnims;
  menu->LoadMouseClick("menu_down", 50);

  const std::string endHole = desert ? "end_hole_desert" : "end_hole";
  auto hole = Menu->AddQuick(endHole, desert ? "end_hole" : "");
  hole->LoadDisabled(endHole);
  hole->LoadMouseClick(endHole + "_down", 10000);
  hole->Disabled = 1;
  hole->ClickDisabled = 0;

  auto drive = Menu->AddQuick("enddrive", "");
  drive->LoadDisabled("enddrive");
  drive->LoadMouseClick("enddrive_down", 20000);
  drive->Disabled = 1;
  drive->ClickDisabled = 0;
  drive->MouseOverUserFunction = &TGameScreen::EndDriveButtonTest;

  auto mulligan = Menu->AddQuick("mulligan_x1", "mulligan");
  mulligan->LoadDisabled("mulligan_x1_disabled");
  mulligan->LoadMouseClick("mulligan_x1_down", 350);
  mulligan->Disabled = 1;
  mulligan->ClickDisabled = 0;
  mulligan->MouseOverUserFunction = &TGameScreen::MulliganMouseOver;
  mulligan->ScaleOnMOMax = 1.25f;
  mulligan->SoundClick.reset();

  auto card = Menu->AddQuick("scorecard", "");
  card->MouseOverUserFunction = &TGameScreen::TestForAnims;
  card->ScaleOnMOMax = 1.25f;

  Menu->Precache();
  return 0;
}

int TGameScreen::SetMenuCoords() {
  auto place = [this](const char* buttonName, int x, int y) {
    if (auto b = MenuButton(buttonName)) {
      b->x = static_cast<float>(x);
      b->y = static_cast<float>(y);
    }
  };
  place("menu", 45, 441);
  if (HUD) {
    place("scorecard", HUD->CARTX + 166, HUD->CARTY + 74);
    place("mulligan", HUD->MULLIGANX, HUD->MULLIGANY);
  }
  if (GameGrid) {
    place("end_hole", GameGrid->STOCKX - 2, GameGrid->STOCKY - 1);
    place("enddrive", GameGrid->STOCKX + EndDriveOffsetX, GameGrid->STOCKY + EndDriveOffsetY);
  }
  if (auto b = MenuButton("end_hole")) b->Disabled = 1;
  if (auto b = MenuButton("enddrive")) {
    b->Disabled = 1;
    b->Active = 0;
  }
  if (auto b = MenuButton("mulligan")) b->Disabled = 1;
  return 0;
}
