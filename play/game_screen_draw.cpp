// One frame of play, layer by layer from the course background up to the overlays, and the two
// transient messages: the start sign and the card-pick prompt.

#include <algorithm>

#include "cards/card_list.h"
#include "cards/globals.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "gfx/sprite.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "platform/graphics.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/score_card_screen.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "util/animation.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

int TGameScreen::Draw() {
  platform::SetBlend(platform::BLEND_SOLID);
  if (HUD && HUD->MaxOffset > 0) platform::Cls();
  if (Middle && Middle->image) platform::DrawImage(Middle->image, 0, 0);
  platform::SetBlend(platform::BLEND_ALPHA);
  if (AmbientParticles) AmbientParticles->Draw();
  if (auto b = MenuButton("end_hole")) b->Draw();
  const bool ironsFlying = IronParticles && IronParticles->Count() > 0;
  if (ironsFlying) {
    if (CardList) CardList->Draw();
    if (HUD) HUD->Draw();
  } else {
    if (HUD) HUD->Draw();
    if (CardList) CardList->Draw();
  }
  ToolTipCardDraw();
  DrawEndDrive();
  if (auto b = MenuButton("mulligan")) {
    b->Draw();
    if (MulliganGlowCounter > 0 && MulliganGlowLength > 0)
      b->DrawLight(MulliganGlowCounter / static_cast<float>(MulliganGlowLength) / 2.0f, 1, 1, 1,
                   nullptr);
  }
  if (auto b = MenuButton("Menu")) b->Draw();
  if (auto b = MenuButton("scorecard")) b->Draw();
  for (const auto& layer : {::Particles, Particles2, AnimatedParticles, ScoreParticles})
    if (layer) layer->Draw();
  StatusTextDraw();
  if (HintScroll) HintScroll->Draw();
  if (WildShotScreen) WildShotScreen->Draw();
  if (ScoreCardScreen) ScoreCardScreen->Draw();
  if (GameMenu) GameMenu->Draw();
  if (UnlockedDialog) UnlockedDialog->Draw();
  if (PopUpTipDialog) PopUpTipDialog->Draw();
  if (DialogParticles) DialogParticles->Draw();
  if (ReleasePixelsAfterDraw != 0) {
    ReleasePixelsAfterDraw = 0;
    platform::ReleaseUndrawnPixels();
  }
  return 0;
}

int TGameScreen::StatusTextDraw() {
  if (IntroAnim && IntroAnim->Active && !(HintScroll && HintScroll->Active) && Go) {
    const float r = IntroAnim->GetRatio();
    Go->ScaleX = 1 + r;
    Go->ScaleY = 1 + r;
    Go->Alpha = std::min(1.0f, 1.5f * r);
    platform::SetBlend(platform::BLEND_ALPHA);
    Go->Draw();
    platform::SetAlpha(1);
  }
  if (WildshotAnimCounter > 0 && WildshotAnimType == WILDSHOT_ANIM_PICK &&
      ClickPlayableCardParticle && ClickPlayableCardParticle->image)
    platform::DrawImage(ClickPlayableCardParticle->image, ScreenWidth / 2, ScreenHeight / 2 - 145);
  return 0;
}
