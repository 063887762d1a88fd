// What a wild shot story does to the hole in play, and the card animations that some stories
// leave running: floating waves, the second broken iron, the card pick and the shuffle.

#include <cstdlib>
#include <vector>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/token_generator_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "platform/random.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "ui/button.h"
#include "ui/mouse_pointer.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

bool IronNumber(int n) { return n >= 2 && n <= 9; }

void PlayOnGrid(const std::shared_ptr<TGameSound>& sound) {
  if (GameGrid && GameGrid->Channels && sound)
    GameGrid->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
}

void Drop(double x) {
  if (HUD && HUD->MultiplierGhost > 1.0) HUD->MultiplierDrop(x);
}

// A free, face-up layout card that is not moving: the only kind the card pick can take.
bool Pickable(const TCard& c) {
  return c.Relationships.empty() && c.Playfield == 1 && c.Foundation == 0 && c.FlipCounter == 0 &&
         c.Spinning == 0 && c.FaceUp == 1;
}

bool Gathered(const TCard& c) { return c.Stock || c.Playfield; }

}  // namespace

int TGameScreen::WildshotBoostCash(int amount) {
  if (!TokenGeneratorList || !GameGrid || !HUD) return 0;
  TokenGeneratorList->Add(ScreenWidth / 2, GameGrid->STOCKY - 20, HUD->HOLECASHX, HUD->HOLECASHY,
                          TGameGrid::CalcTokenQuantity(amount), amount, 225, 500, 0, 1, 0);
  HUD->HoleCashBounce();
  return 0;
}

int TGameScreen::WildshotTokenPenalty(int amount) {
  if (!TokenGeneratorList || !HUD) return 0;
  TokenGeneratorList->Add(HUD->CASHX, HUD->CASHY, 0, 0, TGameGrid::CalcTokenQuantity(std::abs(amount)),
                          amount, 225, 0, 1, 1, 0);
  return 0;
}

int TGameScreen::WildshotProcessStory() {
  if (!WildShotScreen || !GameGrid || !CardList || !HUD) return 0;
  const int story = WildShotScreen->ChosenStory + 1;
  const int value = WildShotScreen->SpecialValue;
  auto& save = *Player->SaveData;
  auto& stats = *save.CareerStats;
  switch (story) {
    case 1: WildshotBoostCash(250); break;
    case 2: {
      // A new iron for a free slot of the bag; a number outside the bag is ignored.
      if (!IronNumber(value)) break;
      auto card = CardList->Add(HUD->GetIronX(), HUD->GetIronY(), CARDTYPE_IRON, 1, value, 0);
      card->ID = TCardList::HighID++;
      card->x = static_cast<float>(HUD->GetIronX() - 17);
      card->y = static_cast<float>(HUD->GetIronY() - 240);
      card->visible = 0;
      GameGrid->IronCard = card;
      card->IronToBagCounter = 100000.0f;
      CardToIronAnim += 1;
      CardToIronMorphStart(card);
      GameGrid->LastMoveWasIronToBag = 0;
      EndHoleEnable(0);
      break;
    }
    case 3: HUD->MultiplierBoost(0.2); break;
    case 4: HUD->MultiplierBoost(0.3); break;
    case 5: {
      DropStockCards(3);
      stats.TotalGopherVisits->Increase(1);
      const int won = Player->LevelScore;
      if (won > 0) {
        stats.TotalGopherMoneyLost->Increase(won);
        if (TokenGeneratorList)
          TokenGeneratorList->Add(HUD->HOLECASHX, HUD->HOLECASHY, 0, 0,
                                  TGameGrid::CalcTokenQuantity(won), -won, 225, 0, 2, 1, 0);
      }
      HUD->HoleCashBounce();
      if (HUD->MultiplierGhost > 1.0) HUD->MultiplierDrop(HUD->MultiplierGhost - 1.0);
      break;
    }
    case 6:
      // The gopher's find pays only a real amount.
      if (value > 0) {
        WildshotBoostCash(value);
        stats.TotalGopherFlushed->Increase(1);
        stats.TotalGopherMoneyFound->Increase(value);
      }
      break;
    case 7:
      WildshotAnimType = WILDSHOT_ANIM_WATER;
      FloatCards(CardList->WaterCardsFindFree());
      break;
    case 8:
      WildshotAnimType = WILDSHOT_ANIM_SAND;
      FloatCards(CardList->SandCardsFindFree());
      break;
    case 9: DropStockCards(1); break;
    case 10: Drop(0.4); break;
    case 11: WildshotTokenPenalty(-250); break;
    case 12:
      if (value > 0) WildshotBoostCash(value);
      if (WildShotScreen->MinigameGood == 0) {
        if (CardList->StockCount() >= 2)
          DropStockCards(2);
        else
          WildshotTokenPenalty(-200);
      }
      break;
    case 13: Drop(0.1); break;
    case 14: Drop(0.2); break;
    case 15: DropStockCards(2); break;
    case 16: Drop(0.3); break;
    case 17: WildshotTokenPenalty(-175); break;
    case 18:
      if (IronNumber(value)) {
        IronParticleMake(value);
        Player->Irons[static_cast<std::size_t>(value)] = 0;
      }
      break;
    case 19: {
      Player->Mulligans += 1;
      SetMulliganImages();
      MulliganGlowLength = static_cast<int>(Game->CalcAnimLength(1500));
      MulliganGlowCounter = static_cast<float>(MulliganGlowLength);
      if (auto b = MenuButton("mulligan")) {
        const int px = static_cast<int>(b->x + b->w2 - 2);
        const int py = static_cast<int>(b->y + b->h2 - 2);
        b->ScaleOnMO = b->ScaleOnMOMax;
        if (::Particles) {
          ::Particles->AddNew(px, py, ParticleImages[3], 0, 0, 0, 200, 1, 0, 0, 0.5f, 0.05f, 0, 0);
          ::Particles->AddNew(px, py, ParticleImages[3], 0, 0, 0, 300, 1, 0, 0, 0.25f, 0.04f, 0, 0);
          ::Particles->AddNew(px, py, ParticleImages[3], 0, 0, 0, 400, 1, 0, 0, 0.125f, 0.03f, 0, 0);
        }
        TokenParticlesMake(static_cast<float>(px), static_cast<float>(py), 100, 1);
      }
      PlayOnGrid(GameGrid->MulliganWonSound);
      break;
    }
    case 20:
      if (IronNumber(value)) {
        IronParticleMake(value);
        Player->Irons[static_cast<std::size_t>(value)] = 0;
      }
      WildshotAnimType = WILDSHOT_ANIM_IRON;
      WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(10000));
      WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
      WildshotInterval = static_cast<int>(Game->CalcAnimLength(800));
      WildshotIntervalCounter = static_cast<float>(WildshotInterval);
      EndHoleEnable(0);
      break;
    case 21:
      if (value >= 0 && value < static_cast<int>(save.AvatarItems.size())) {
        save.AvatarItems[static_cast<std::size_t>(value)] = 0;
        PlayOnGrid(GameGrid->ItemLostSound);
      }
      break;
    case 22: WildshotTokenPenalty(-100); break;
    case 23:
      Player->TimeTaken -= Game->CalcAnimLength(20000);
      HUD->StopWatchGlowEffect();
      PlayOnGrid(GameGrid->SkyBallSound);
      break;
    case 24:
      GameGrid->PointerToCrosshair();
      WildshotAnimType = WILDSHOT_ANIM_PICK;
      WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(10000));
      WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
      GameGrid->BlockInputSet();
      EndHoleEnable(0);
      break;
    case 25:
    case 26:
      if (value > 0) WildshotBoostCash(value);
      break;
    case 27: {
      WildshotAnimType = WILDSHOT_ANIM_SHUFFLE;
      WildshotAnimPhase = 0;
      WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(500));
      WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
      GameGrid->BlockInputSet();
      EndHoleEnable(0);
      if (SoundSlide) {
        SoundSlide->pitch = 1.6f;
        PlayOnGrid(SoundSlide);
        SoundSlide->pitch = 1.0f;
      }
      const float length = static_cast<float>(std::max(1, WildshotAnimLength));
      for (const auto& c : CardList->Cards) {
        if (!Gathered(*c)) continue;
        c->dx = ((ScreenWidth / 2 - 34) - c->x) / length;
        c->dy = ((ScreenHeight / 2 - 50) - c->y) / length;
      }
      break;
    }
    case 28:
      WildshotAnimType = WILDSHOT_ANIM_CLEAR;
      FloatCards(CardList->FindFree());
      CardList->StockKill();
      break;
    case 29: Drop(0.5); break;
    default: break;
  }
  return 0;
}

int TGameScreen::WildshotAnimKill() {
  WildshotAnimType = WILDSHOT_ANIM_NONE;
  WildshotAnimCounter = 0;
  WildshotIntervalCounter = 0;
  return 0;
}

int TGameScreen::WildshotAnimManage() {
  if (WildshotAnimType == WILDSHOT_ANIM_PICK) return WildshotPickManage();
  if (WildshotAnimType == WILDSHOT_ANIM_SHUFFLE) return WildshotShuffleManage();
  if (WildshotAnimCounter <= 0) return 0;
  WildshotAnimCounter -= Delta;
  if (WildshotIntervalCounter > 0) {
    WildshotIntervalCounter -= Delta;
    if (WildshotIntervalCounter <= 0) {
      WildshotIntervalCounter += static_cast<float>(WildshotInterval);
      switch (WildshotAnimType) {
        case WILDSHOT_ANIM_WATER:
        case WILDSHOT_ANIM_SAND: {
          const bool water = WildshotAnimType == WILDSHOT_ANIM_WATER;
          auto cards = water ? CardList->WaterCardsFindFree() : CardList->SandCardsFindFree();
          if (cards.empty()) {
            WildshotAnimKill();
          } else {
            FloatingCardsMake(cards, 0);
            auto more = water ? CardList->WaterCardsFindFree() : CardList->SandCardsFindFree();
            if (more.empty()) WildshotAnimKill();
          }
          break;
        }
        case WILDSHOT_ANIM_IRON: {
          const int iron = WildShotScreen ? WildShotScreen->SpecialValue2 : 0;
          if (IronNumber(iron)) {
            IronParticleMake(iron);
            Player->Irons[static_cast<std::size_t>(iron)] = 0;
          }
          WildshotAnimKill();
          EndHoleEnable(1);
          break;
        }
        case WILDSHOT_ANIM_CLEAR: {
          auto cards = CardList->FindFree();
          if (cards.empty()) {
            WildshotAnimKill();
          } else {
            FloatingCardsMake(cards, -1);
            if (CardList->FindFree().empty()) WildshotAnimKill();
          }
          break;
        }
        default: break;
      }
    }
  }
  if (WildshotAnimCounter <= 0) WildshotAnimKill();
  return 0;
}

int TGameScreen::WildshotPickManage() {
  if (!CardList || !Game->Mouse) return 0;
  const auto endPick = [this]() {
    if (GameGrid) GameGrid->PointerRestore();
    WildshotAnimKill();
    EndHoleEnable(1);
  };
  // With no card left that a shot could take, the pick ends without one.
  bool any = false;
  for (const auto& c : CardList->Cards)
    if (c && Pickable(*c)) any = true;
  if (!any) {
    endPick();
    return 0;
  }
  const int px = Game->Mouse->x, py = Game->Mouse->y;
  if (Game->Mouse->GetMh(1) == 0) return 0;
  std::shared_ptr<TCard> shot;
  for (const auto& c : CardList->Cards) {
    if (c && Pickable(*c) && c->x <= px && px < c->x + c->w && c->y <= py && py < c->y + c->h) {
      shot = c;
      break;  // one click takes one card
    }
  }
  if (!shot) return 0;
  const int cx = static_cast<int>(shot->x + 34);
  const int cy = static_cast<int>(shot->y + 50);
  const bool water = shot->CardType == CARDTYPE_WATER;
  FloatingCardsMake({shot}, 1);
  if (water) WaterHazardParticle(1);
  TokenParticlesMake(static_cast<float>(cx), static_cast<float>(cy), 100, 1);
  if (::Particles)
    ::Particles->AddNew(cx, cy, ParticleImages[3], 0, 0, 0, 400, 1, 0, 0, 0.5f, 0.025f, 0, 0);
  if (GameGrid) PlayOnGrid(GameGrid->RifleShotSound);
  endPick();
  if (ScoreParticles && ClickPlayableCardParticle)
    ScoreParticles->AddNew(ScreenWidth / 2, ScreenHeight / 2 - 145, ClickPlayableCardParticle, 0,
                           -0.2f, 0, 700, 0, 0, 1.0f, 1.0f, 0, 0, 0);
  return 0;
}

int TGameScreen::WildshotShuffleManage() {
  const int pileX = ScreenWidth / 2 - 34;
  const int pileY = ScreenHeight / 2 - 50;
  WildshotAnimCounter -= Delta;
  if (WildshotAnimPhase == 0) {
    if (WildshotAnimCounter > 0) return 0;
    for (const auto& c : CardList->Cards) {
      if (!Gathered(*c)) continue;
      c->x = static_cast<float>(pileX);
      c->y = static_cast<float>(pileY);
      c->dx = c->dy = 0;
    }
    WildshotAnimCounter = Game->CalcAnimLength(2000);
    WildshotInterval = static_cast<int>(Game->CalcAnimLength(80));
    WildshotIntervalCounter = static_cast<float>(WildshotInterval);
    WildshotAnimPhase = 1;
    ShuffleParticleMake();
    if (GameGrid && GameGrid->Channels && SoundShuffle)
      ChannelShuffle = GameGrid->Channels->PlayGameSound(SoundShuffle, nullptr, 1.0f, 0.0f);
    return 0;
  }
  if (WildshotAnimPhase == 1) {
    if (WildshotAnimCounter > 0) {
      WildshotIntervalCounter -= Delta;
      if (WildshotIntervalCounter <= 0) {
        WildshotIntervalCounter += static_cast<float>(WildshotInterval);
        ShuffleParticleMake();
      }
      return 0;
    }
    WildshotAnimPhase = 2;
    WildshotAnimCounter = Game->CalcAnimLength(500);
    if (GameGrid && GameGrid->Channels && ChannelShuffle)
      GameGrid->Channels->StopGameChannel(ChannelShuffle);
    if (SoundSlide) {
      SoundSlide->pitch = 1.6f;
      PlayOnGrid(SoundSlide);
      SoundSlide->pitch = 1.0f;
    }
    const float length = static_cast<float>(std::max(1, WildshotAnimLength));
    for (const auto& c : CardList->Cards) {
      if (!Gathered(*c)) continue;
      c->dx = (c->OriginalX - pileX) / length;
      c->dy = (c->OriginalY - pileY) / length;
    }
    ShuffleParticleKill();
    std::vector<std::shared_ptr<TCard>> pack;
    for (const auto& c : CardList->Cards)
      if (Gathered(*c) && (c->CardType == CARDTYPE_NORMAL || c->CardType == CARDTYPE_WATER ||
                           c->CardType == CARDTYPE_SAND))
        pack.push_back(c);
    for (const auto& c : pack) {
      auto& r = pack[static_cast<std::size_t>(GameGrid->Rng.Rand(0, static_cast<int>(pack.size()) - 1))];
      std::swap(c->Value, r->Value);
      std::swap(c->Suit, r->Suit);
    }
    for (const auto& c : pack) c->ChooseImage();
    // The stock top's copy takes its new face at once.
    ToolTipCardAssign();
    return 0;
  }
  if (WildshotAnimCounter > 0) return 0;
  WildshotAnimKill();
  for (const auto& c : CardList->Cards) {
    if (!Gathered(*c)) continue;
    c->x = c->OriginalX;
    c->y = c->OriginalY;
    c->dx = c->dy = 0;
  }
  EndHoleEnable(1);
  return 0;
}
