// The End Drive button beside the stock while a long drive lasts: showing and placing it, its
// pointer test, the press that ends the run, and its drawing.

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "ui/button.h"

int TGameScreen::EndDriveButtonShow() {
  auto b = MenuButton("enddrive");
  if (!b) return 0;
  b->Active = 1;
  b->Disabled = 0;
  b->MouseClickCounter = 0;
  auto top = CardList ? CardList->StockTopFind() : nullptr;
  if (top) {
    b->x = top->x + EndDriveOffsetX;
    top->GlowMOOn = 0;
  } else if (GameGrid) {
    b->x = static_cast<float>(GameGrid->STOCKX + EndDriveOffsetX);
  }
  EndHoleEnable(0);
  return 0;
}

int TGameScreen::EndDriveButtonTest() {
  return GameScreen && GameScreen->PerfectCounter > 0 ? 1 : 0;
}

int TGameScreen::EndDriveClicked() {
  auto b = MenuButton("enddrive");
  if (b) {
    b->Clicked = 1;
    b->MouseClickCounter = b->MouseClickDuration;
  }
  if (GameGrid->MissedACard()) return 0;
  // Only a run of six or more starts the long-drive animation whose end hands play back.
  const bool animates = HUD->DriveLength >= 6;
  HUD->NextStockCard = CardList ? CardList->StockTopFind() : nullptr;
  HUD->GenuineDrive = 1;
  HUD->DriveLengthReset();
  GameGrid->MegaBlock = 1;
  GameGrid->BlockInputSet();
  HUD->DriveEnded = 1;
  GameGrid->LastMoveWasIronToBag = 0;
  // A shorter run (a mulligan took a card of it back) has no animation: it ends at once.
  if (!animates) HUD->LongDriveAnimFinish();
  return 1;
}

int TGameScreen::EndDriveEnable(int flag) {
  auto b = MenuButton("enddrive");
  if (b && b->Active) b->Disabled = flag == 0 ? 1 : 0;
  return 0;
}

int TGameScreen::DrawEndDrive() {
  auto b = MenuButton("enddrive");
  if (!b) return 0;
  if (HUD && HUD->BallAnimCounter > 0 && HUD->BallAnimLength > 0)
    b->Alpha = HUD->BallAnimCounter / static_cast<float>(HUD->BallAnimLength);
  if (HUD && HUD->FiveXAnimCounter > 0) b->Alpha = 0;
  b->Draw();
  b->Alpha = 1.0f;
  return 0;
}
