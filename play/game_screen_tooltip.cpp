// The stock-top tool-tip card (avatar item 3): resting the pointer on the face-down stock top
// fades in a label with the x-ray sound, then the card's face at up to 30 percent.

#include <algorithm>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "platform/graphics.h"
#include "ui/mouse_pointer.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

int TGameScreen::ToolTipCardCreate() {
  if (!OwnsItem(3)) return 0;
  if (ToolTipCard) ToolTipCard->Kill();
  ToolTipCardCreateCore();
  ToolTipCardAssign();
  return 0;
}

int TGameScreen::ToolTipCardCreateCore() {
  ToolTipCard = TCard::Make(0, 0, CARDTYPE_NORMAL, 1, 1, 0);
  ToolTipCard->Alpha = 0;
  return 0;
}

int TGameScreen::ToolTipCardAssign() {
  if (!OwnsItem(3)) return 0;
  if (!ToolTipCard) ToolTipCardCreateCore();
  if (CardList && CardList->StockCount() > 0) {
    if (auto top = CardList->StockTopFind()) {
      top->CopyCore(*ToolTipCard);
      ToolTipCard->FaceUp = 1;
      ToolTipCard->ChooseImage();
    }
  }
  return 0;
}

int TGameScreen::ToolTipCardManage() {
  if (!OwnsItem(3) || !ToolTipCard) return 0;
  auto top = CardList ? CardList->StockTopFind() : nullptr;
  bool resting = top && Game->Mouse;
  if (GameGrid && GameGrid->CardAnimCounter > 0 && GameGrid->CardAction == CARDACTION_STOCK_TO_FOUNDATION)
    resting = false;
  if (HUD && (HUD->MultiplierAnimCounter > 0 || HUD->FiveXAnimCounter > 0)) resting = false;
  if (WildShotScreen && WildShotScreen->Active) resting = false;
  if (resting) {
    const int px = Game->Mouse->x, py = Game->Mouse->y;
    resting = top->x <= px && px < top->x + top->w && top->y <= py && py < top->y + top->h;
  }
  auto xray = GameGrid ? GameGrid->XraySound : nullptr;
  if (resting) {
    ToolTipCounter += Delta;
    if (ToolTipCounter > Game->CalcAnimLength(1500)) {
      ToolTipLabelAlpha = std::min(1.0f, ToolTipLabelAlpha + 0.01f * Delta);
      if (xray) {
        xray->volume = ToolTipLabelAlpha;
        if (!ChannelXRay || !ChannelXRay->Playing()) xray->PlayInChannel(ChannelXRay, 0.0f);
      }
    }
    if (ToolTipCounter >= ToolTipCounterLength)
      ToolTipCard->Alpha = std::min(0.3f, ToolTipCard->Alpha + 0.002f * Delta);
  } else {
    ToolTipCounter = 0;
    ToolTipCard->Alpha = std::max(0.0f, ToolTipCard->Alpha - 0.01f * Delta);
    if (ToolTipLabelAlpha > 0) {
      ToolTipLabelAlpha -= 0.03f * Delta;
      // The label has just faded out: the sound stops, on a fresh channel for next time.
      if (ToolTipLabelAlpha <= 0) {
        ToolTipLabelAlpha = 0;
        if (ChannelXRay) ChannelXRay->Stop();
        ChannelXRay = platform::AllocChannel();
      }
    }
  }
  if (ChannelXRay) ChannelXRay->SetVolume(Game->SoundVolume / 100.0f * ToolTipLabelAlpha);
  return 0;
}

int TGameScreen::ToolTipCardDraw() {
  if (!ToolTipCard) return 0;
  ToolTipCard->Draw();
  if (XRayingParticle && XRayingParticle->image) {
    platform::SetAlpha(ToolTipLabelAlpha);
    platform::DrawImage(XRayingParticle->image, ToolTipCard->x + 34,
                        ToolTipCard->y + ToolTipCard->h + 16);
    platform::SetAlpha(1);
  }
  return 0;
}
