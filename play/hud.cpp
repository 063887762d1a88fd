#include "play/hud.h"

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"

#include <cmath>
#include <cstdio>
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/play_effects.h"
#include "progress/player.h"

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
  if (old <= 5 && DriveLength >= 6) {
    ++LongDrives;
    return 1;
  }
  return 0;
}

int THUD::DriveLengthReset() {
  DriveLength = 0;
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

float THUD::TimeCalc() const {
  if (!GameScreen || !GameScreen->Player) return 0;
  const auto& p = *GameScreen->Player;
  const double msPerTick = Game && Game->FixedRateLogic ? Game->FixedRateLogic->MS : 5.0;
  const double left = static_cast<double>(p.TimeLimit) - p.TimeTaken * msPerTick;
  if (left <= 0) return 0;
  return static_cast<float>(std::ceil(left / 1000.0) * 1000.0);
}

int THUD::GetMultiplierStrings(double multiplier, std::string& whole, std::string& tenths) {
  const bool item7 = GameScreen && GameScreen->Player && GameScreen->Player->SaveData->AvatarItems[7] == 1;
  const std::string top = item7 ? "7" : "5";
  if (multiplier >= 3.0) {
    whole = top;
    tenths = "0";
    return 0;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", multiplier);
  const std::string s = text;
  const auto dot = s.find('.');
  whole = s.substr(0, dot);
  const double decimals = multiplier - std::floor(multiplier);
  int t = static_cast<int>(std::floor(decimals * 10 + 0.05));
  if (t >= 10) {
    t = 0;
    whole = std::to_string(std::stoi(whole) + 1);
    if (whole == "3") whole = top;
  }
  tenths = std::to_string(t);
  return 0;
}
