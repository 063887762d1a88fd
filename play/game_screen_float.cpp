// Floating cards: wild shot outcomes that lift cards off the layout as pictures floating away,
// paying for them and uncovering the cards beneath.

#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "platform/random.h"
#include "progress/player.h"

int TGameScreen::FloatCards(const std::vector<std::shared_ptr<TCard>>& cards) {
  // Cards floating away count as moving: End Hole waits until the last wave is gone.
  EndHoleEnable(0);
  WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(50000));
  WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
  const bool clear = WildshotAnimType == WILDSHOT_ANIM_CLEAR;
  FloatingCardsMake(cards, clear ? -1 : 0);
  std::vector<std::shared_ptr<TCard>> next;
  if (WildshotAnimType == WILDSHOT_ANIM_WATER) next = CardList->WaterCardsFindFree();
  else if (WildshotAnimType == WILDSHOT_ANIM_SAND) next = CardList->SandCardsFindFree();
  else if (clear) next = CardList->FindFree();
  if (!next.empty()) {
    WildshotInterval = static_cast<int>(Game->CalcAnimLength(clear ? 100 : 300));
    WildshotIntervalCounter = static_cast<float>(WildshotInterval);
    GameGrid->BlockInputSet();
  } else {
    WildshotAnimCounter = 0;
    LevelEndTest();
  }
  return 0;
}

int TGameScreen::FloatingCardsMake(const std::vector<std::shared_ptr<TCard>>& cards, int mode) {
  bool tokens = false;
  for (const auto& card : cards) {
    if (!card) continue;
    std::shared_ptr<TGameImage> picture;
    int frame = 0;
    const int face = card->Value - 1 + card->Suit * 13;
    switch (card->CardType) {
      case CARDTYPE_NORMAL:
        picture = card->FaceUp ? TCard::CardFrontWhite : TCard::CardBack;
        frame = card->FaceUp ? face : 0;
        break;
      case CARDTYPE_WATER:
        picture = card->FaceUp ? TCard::CardFrontBlue : TCard::CardWater;
        frame = card->FaceUp ? face : 0;
        break;
      case CARDTYPE_IRON:
        picture = card->FaceUp ? TCard::CardIron : TCard::CardBack;
        frame = card->FaceUp ? card->Value - 2 : 0;
        break;
      case CARDTYPE_SAND:
        picture = card->FaceUp ? TCard::CardFrontWhite : TCard::CardSand;
        frame = card->FaceUp ? face : 0;
        break;
      case CARDTYPE_WEDGE:
        picture = card->FaceUp ? TCard::CardWedge : TCard::CardBack;
        frame = 0;
        break;
      default:
        continue;  // wild shot, blank, ball and cash cards stay
    }
    if (card->CardType != CARDTYPE_IRON && card->CardType != CARDTYPE_WEDGE) {
      Player->LevelScoreChange(3);
      if (card->TokenFactor != 0) {
        GameGrid->TokensMake(card, 0, 0, 0);
        tokens = true;
      }
    }
    FloatingCardParticle(card, picture, frame, mode);
    if (WildshotAnimType == WILDSHOT_ANIM_PICK && HUD) HUD->DriveLengthChange(1);
  }
  if (WildshotAnimType == WILDSHOT_ANIM_WATER) WaterHazardParticle(1);
  if (sounds && GameGrid->Channels) {
    if (auto whoosh = sounds->Find("Cards_whoosh" + std::to_string(EffectsRandom.Rand(1, 4)))) {
      whoosh->pitch = 1.0f + static_cast<float>(EffectsRandom.Rnd(-0.1, 0.1));
      GameGrid->Channels->PlayGameSound(whoosh, nullptr, 1.0f, 0.0f);
      whoosh->pitch = 1.0f;
    }
    if (tokens && GameGrid->TokenSound)
      GameGrid->Channels->PlayGameSound(GameGrid->TokenSound, nullptr, 1.0f, 0.0f);
  }
  return 0;
}
