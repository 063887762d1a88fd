#include "play/hud.h"

#include <algorithm>

#include "cards/globals.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/play_effects.h"
#include "progress/player.h"
#include "ui/button.h"

THUD::THUD() {
  for (int i = 0; i < IRON_COUNT; ++i) {
    IronData[static_cast<std::size_t>(i)].Value = i + IRON_FIRST;
    // The bag lies along the bottom left of the screen, one slot per iron.
    IronX[static_cast<std::size_t>(i)] = 20 + i * 28;
    IronY[static_cast<std::size_t>(i)] = 490;
  }
}

int THUD::LoadGlobals() {
  FireworkColours[0].Set(255, 80, 80, 1.0f);
  FireworkColours[1].Set(255, 220, 60, 1.0f);
  FireworkColours[2].Set(90, 160, 255, 1.0f);
  FireworkColours[3].Set(120, 255, 120, 1.0f);
  return 0;
}

int THUD::GetIronX() const { return IronX[0] + 17; }
int THUD::GetIronY() const { return IronY[0] + 240; }

int THUD::HoleCashBounce() {
  HoleCashBouncing = 1;
  return 0;
}

int THUD::StopWatchGlowEffect() {
  ++StopWatchGlows;
  return 0;
}

int THUD::DriveLengthChange(int n) {
  if (FiveXReached) return 0;
  const int old = DriveLength;
  DriveLength += n;
  LongDrive = DriveLength >= 6 ? 1 : 0;
  if (old <= 5 && DriveLength >= 6) {
    ++LongDrives;
    if (GameScreen) GameScreen->EndDriveButtonShow();
    return 1;
  }
  return 0;
}

int THUD::DriveLengthReset() {
  LastDriveLength = DriveLength;
  NextStockCardWasNull = NextStockCard ? 0 : 1;
  if (DriveLength >= 6) {
    LastMultiplier = Multiplier;
    BallAnimCounter = static_cast<float>(BallAnimLength);
  } else {
    LongDrive = 0;
  }
  DriveLength = 0;
  return 0;
}

int THUD::LoadImages() { return 0; }

int THUD::Init() {
  DriveLength = 0;
  LongDrive = 0;
  Multiplier = MultiplierGhost = LastMultiplier = 1.0;
  return 0;
}

int THUD::Kill() {
  NextStockCard.reset();
  return 0;
}

int THUD::Draw() { return 0; }

int THUD::MakeFirework() { return 0; }

int THUD::MultiplierBoost(double x) {
  MultiplierGhost = std::min(3.0, MultiplierGhost + x);
  return 0;
}

int THUD::MultiplierDrop(double x) {
  MultiplierGhost = std::max(1.0, MultiplierGhost - x);
  return 0;
}

int THUD::LongDriveAnimFinish() {
  if (GameGrid) GameGrid->MegaBlock = 0;
  LongDrive = 0;
  if (!GameScreen) return 0;
  if (auto b = GameScreen->MenuButton("enddrive")) {
    b->Active = 0;
    b->Disabled = 1;
  }
  if (NextStockCard) {
    if (GameGrid) GameGrid->StockCardClicked(NextStockCard);
    NextStockCard.reset();
  } else if (GenuineDrive == 1) {
    if (auto b = GameScreen->MenuButton("end_hole")) b->Disabled = 0;
    if (GameScreen->Player && GameScreen->Player->Perfect == 0) GameScreen->MulliganDisable(0);
  }
  return 0;
}

int THUD::IronsCollide() {
  platform::ResetCollisions(1u);
  if (!IronImage || !IronImage->image || !GameScreen || !GameScreen->Player) return 0;
  for (int i = 0; i < IRON_COUNT; ++i) {
    if (GameScreen->Player->Irons[static_cast<std::size_t>(i + IRON_FIRST)] == 0) continue;
    platform::CollideImage(IronImage->image, IronX[static_cast<std::size_t>(i)],
                           IronY[static_cast<std::size_t>(i)], i, 0u, 1u,
                           &IronData[static_cast<std::size_t>(i)]);
  }
  return 0;
}

int THUD::Manage() {
  if (BallAnimCounter > 0) {
    BallAnimCounter -= Delta;
    if (BallAnimCounter <= 0) {
      BallAnimCounter = 0;
      LongDriveAnimFinish();
    }
  }
  if (HoleCashWobble > 0) {
    HoleCashWobble -= Delta;
    if (HoleCashWobble < 0) HoleCashWobble = 0;
  }
  if (PendingIron != 0) {
    PendingIronCounter -= Delta;
    if (PendingIronCounter <= 0) {
      const int k = PendingIron;
      PendingIron = 0;
      IronToCardEnd(k, PendingIronMulligan);
    }
  }
  return 0;
}
