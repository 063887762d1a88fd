// The golf bag of irons: the slots' pictures and places, drawing and the click test.

#include <array>
#include <string>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_support.h"
#include "progress/player.h"

namespace {

// Whether the player holds iron n (2..9); false for any other number.
bool Holds(int n) {
  if (!GameScreen || !GameScreen->Player || n < 2 || n > 9) return false;
  return GameScreen->Player->Irons[static_cast<std::size_t>(n)] != 0;
}

}  // namespace

int THUD::IronsLoad() {
  return IronsFrom(*THUDFilePictures::Current(GameScreen ? &GameScreen->HUDPictures : nullptr));
}

int THUD::IronsFrom(const THUDFilePictures& files) {
  for (int k = 0; k < IRON_COUNT; ++k) {
    const auto i = static_cast<std::size_t>(k);
    IronImages[i] = files.Irons[i];
    IronImagesMO[i] = files.IronsMO[i];
    IronImagesArea[i] = files.IronsArea[i];
    IronData[i] = std::make_shared<TIronData>();
    IronData[i]->Value = k + 2;
  }
  // The slots stand in an arch from the 2-iron on the left to the 9-iron on the right; every
  // height follows from the 2-iron's picture.
  const int h = IronImages[0] ? IronImages[0]->h : 0;
  const int base_y = (HUD ? HUD->GOLFBAGY : GOLFBAGY) + 23 - h;
  const int bx = HUD ? HUD->GOLFBAGX : GOLFBAGX;
  static constexpr std::array<int, IRON_COUNT> kX{-16, -8, 4, 19, 51, 59, 67, 73};
  static constexpr std::array<int, IRON_COUNT> kY{0, -21, -41, -59, -66, -44, -25, -4};
  for (std::size_t k = 0; k < IRON_COUNT; ++k) {
    Irons_X[k] = bx + kX[k];
    Irons_Y[k] = base_y + kY[k];
  }
  return 0;
}

int THUD::IronDraw(int n) {
  if (n < 2 || n > 9) return 0;
  const auto k = static_cast<std::size_t>(n - 2);
  const float s = IronsScale[k];
  const float X = static_cast<float>(Irons_X[k]), Y = static_cast<float>(Irons_Y[k]);
  float dx = 0, dy = 0;
  if (s > 1) {
    platform::SetScale(s, s);
    dy = 26 * (1 - s);
    if (n < 6 && IronImages[k]) dx = IronImages[k]->w * (1 - s);
  }
  if (n == IronsMO) {
    play_support::DrawFrame(IronImagesMO[k], X + dx, Y + dy);
  } else {
    play_support::DrawFrame(IronImages[k], X + dx, Y + dy);
    if (IronsGlow[k] > 0 && IronsGlowLength > 0) {
      platform::SetBlend(platform::BLEND_LIGHT);
      platform::SetAlpha(IronsGlow[k] / IronsGlowLength / 2.0f);
      play_support::DrawFrame(IronImages[k], X + dx, Y + dy);
      platform::SetBlend(platform::BLEND_ALPHA);
      platform::SetAlpha(1.0f);
    }
  }
  if (s > 1) platform::SetScale(1, 1);
  return 0;
}

int THUD::IronsDraw() {
  for (int n = 2; n <= 9; ++n)
    if (Holds(n) && n != IronsMO) IronDraw(n);
  if (IronsMO != 0) IronDraw(IronsMO);
  return 0;
}

int THUD::IronsCollide() {
  platform::ResetCollisions(1u);
  for (int n = 2; n <= 9; ++n) {
    if (!Holds(n)) continue;
    const auto k = static_cast<std::size_t>(n - 2);
    const auto& area = IronImagesArea[k];
    if (!area || !area->image || !IronData[k]) continue;
    platform::CollideImage(area->image, Irons_X[k], Irons_Y[k], 0, 0u, 1u, IronData[k].get());
  }
  return 0;
}
