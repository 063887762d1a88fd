// Mulligans: taking back the last move of the hole with the mulligan button, the returning card's
// glide, the button's state and pictures.

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "ui/button.h"

namespace {

void PlayOnGrid(const std::shared_ptr<TGameSound>& sound) {
  if (GameGrid && GameGrid->Channels && sound)
    GameGrid->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
}

}  // namespace

int TGameScreen::MulliganStart() {
  auto b = MenuButton("mulligan");
  if (GameGrid->BlockInput || (PlayList && PlayList->Count() > 0)) {
    if (b) b->MouseClickCounter = 0;
    return 0;
  }
  PlayOnGrid(sounds ? sounds->Find("ButtonClick") : nullptr);
  Player->Mulligans -= 1;
  SetMulliganImages();
  MulliganDisable(1);
  GameGrid->BlockInputSet();

  auto& save = *Player->SaveData;
  bool undoDrive = false;
  bool fromStock = false;
  if (HUD->DriveEnded == 1 && HUD->NextStockCardWasNull) {
    HUD->DriveEnded = 0;
    EndDriveButtonShow();
    undoDrive = true;
  } else if (const int slot = GameGrid->LastMoveWasIronToBag; slot > 0) {
    IronPlayed(slot, 1);
    if (slot >= 2 && slot <= 9) Player->Irons[static_cast<std::size_t>(slot)] = 0;
    GameGrid->CardAnimCounter = Game->CalcAnimLength(20000);
    GameGrid->CardAction = CARDACTION_IRON_TO_STOCK;
    GameGrid->BlockInputSet();
    EndDriveEnable(0);
    fromStock = true;
  } else if (auto c = GameGrid->FoundationCard) {
    if (c->FromStock) {
      c->FlipStart(0);
      EndHoleEnable(0);
      PlayOnGrid(GameGrid->CardFlipSound);
      const int n = static_cast<int>(Game->CalcAnimLength(300));
      MulliganAnimCounter = static_cast<float>(n);
      if (n > 0) {
        c->dx = (c->OriginalX - c->x) / n;
        c->dy = (c->OriginalY - c->y) / n;
      }
      fromStock = true;
    } else if (c->FromBag) {
      c->FlyIronToBagStart();
      GameGrid->BlockInput = 0;
      GameGrid->FoundationChange(GameGrid->LastFoundationCard, 1);
      save.CareerStats->IronsPlayed->Increase(-1);
      save.CourseIronsUsed -= 1;
    } else {
      const int n = static_cast<int>(Game->CalcAnimLength(500));
      MulliganAnimCounter = static_cast<float>(n);
      if (n > 0) {
        c->dx = (c->OriginalX - c->x) / n;
        c->dy = (c->OriginalY - c->y) / n;
      }
      CardList->RelationshipAdd(c->ID);
      Player->LevelScoreChange(-3);
      HUD->DriveLengthChange(-1);
      GameGrid->CardsLeft += 1;
      EndDriveEnable(0);
      if (HUD->LongDrive == 1) {
        Player->LevelScoreChange(-HUD->FiveXBonus);
        HUD->FiveXBonus -= 1;
      }
      save.CareerStats->TotalCardsPlayed->Increase(-1);
    }
  }

  if (fromStock) {
    if (HUD->LongDrive == 1) {
      undoDrive = true;
    } else if (HUD->LastDriveLength > 0) {
      HUD->DriveLength = HUD->LastDriveLength;
      HUD->LastDriveLength = 0;
    }
  }
  if (undoDrive) {
    HUD->Multiplier = HUD->LastMultiplier;
    HUD->DriveLength = HUD->LastDriveLength;
    HUD->LastDriveLength = 0;
    HUD->MultiplierAnimCounter = 0;
    HUD->BallAnimCounter = 0;
    if (HUD->FiveXReached == 1) save.CareerStats->Total5x->Increase(-1);
    HUD->FiveXReached = 0;
    // The hole's long drives: an index from the HUD, a count that never goes below 0.
    const int hole = HUD->FlagLevel - 1;
    auto& drives = save.CourseLongDrives;
    if (hole >= 0 && hole < static_cast<int>(drives.size()) &&
        drives[static_cast<std::size_t>(hole)] > 0)
      drives[static_cast<std::size_t>(hole)] -= 1;
  }
  return 0;
}

int TGameScreen::MulliganManage() {
  if (MulliganAnimCounter > 0) {
    MulliganAnimCounter -= Delta;
    if (MulliganAnimCounter <= 0) {
      MulliganAnimCounter = 0;
      if (auto c = GameGrid ? GameGrid->FoundationCard : nullptr) {
        c->dx = 0;
        c->dy = 0;
        c->x = c->OriginalX;
        c->y = c->OriginalY;
        c->Foundation = 0;
        if (c->FromStock) {
          CardList->StockTopUnmark();
          c->Stock = 1;
          CardList->StockTopMark();
          if (HUD && HUD->DriveLength > 5) EndDriveButtonShow();
        } else {
          c->Playfield = 1;
          EndDriveEnable(1);
          PlayOnGrid(GameGrid->CardLandingSound);
        }
        GameGrid->FoundationChange(GameGrid->LastFoundationCard, 1);
      }
    }
  }
  if (MulliganGlowCounter > 0) {
    MulliganGlowCounter -= Delta;
    if (MulliganGlowCounter <= 0) MulliganGlowCounter = 0;
  }
  return MulliganAnimCounter > 0 ? 1 : 0;
}

int TGameScreen::MulliganDisable(int flag) {
  if (Player->Mulligans == 0 && flag == 0) return 0;
  if (auto b = MenuButton("mulligan")) b->Disabled = flag;
  MulliganGlowCounter = 0;
  return 0;
}

int TGameScreen::MulliganMouseOver() {
  if ((GameGrid && GameGrid->BlockInput) || (PlayList && PlayList->Count() > 0)) return 1;
  return 0;
}

int TGameScreen::SetMulliganImages() {
  auto b = MenuButton("mulligan");
  if (!b) return 0;
  auto set = [&b](const std::shared_ptr<TGameImage>& normal, const std::shared_ptr<TGameImage>& over,
                  const std::shared_ptr<TGameImage>& disabled,
                  const std::shared_ptr<TGameImage>& down) {
    if (normal) b->image = normal;
    if (over) b->ImageMouseOver = over;
    if (disabled) b->ImageDisabled = disabled;
    if (down) b->ImageMouseClick = down;
  };
  switch (Player->Mulligans) {
    case 3: set(Mulligan3, Mulligan3MO, Mulligan3Disabled, Mulligan3Down); break;
    case 2: set(Mulligan2, Mulligan2MO, Mulligan2Disabled, Mulligan2Down); break;
    case 1: set(Mulligan1, Mulligan1MO, Mulligan1Disabled, Mulligan1Down); break;
    case 0: set(nullptr, nullptr, Mulligan0Disabled, Mulligan0Down); break;
    default: break;
  }
  return 0;
}
