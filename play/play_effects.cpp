#include "play/play_effects.h"

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"

namespace {

float Ticks(int ms) { return Game ? Game->CalcAnimLength(ms) : ms / 5.0f; }

}  // namespace

int CardToIronMorphStart(const std::shared_ptr<TCard>& card) {
  if (!card) return 0;
  // The morph ends at once: the card becomes the bag's iron.
  card->IronToBagCounter = 0;
  const int iron = card->Value;
  card->CardType = CARDTYPE_NONE;
  if (GameScreen && GameScreen->Player && iron >= IRON_FIRST && iron <= IRON_LAST)
    GameScreen->Player->Irons[static_cast<std::size_t>(iron)] = 1;
  if (CardList) CardList->Remove(card.get());
  if (GameScreen) {
    if (GameGrid && !GameGrid->BlockInput && (!PlayList || PlayList->Count() == 0))
      GameScreen->LevelEndTest();
    GameScreen->CardToIronAnim -= 1;
    if (GameScreen->CardToIronAnim < 0) GameScreen->CardToIronAnim = 0;
    GameScreen->EndHoleEnable(1);
  }
  return 0;
}

int DialogPixieDust(int x, int y, int w, int h, const std::shared_ptr<TParticleList>& list) {
  auto image = ParticleImages[0];
  if (!list || !image) return 0;
  for (int i = 0; i < 6; ++i) {
    const int px = EffectsRandom.Rand(x - 5, x + w + 5);
    const int py = EffectsRandom.Rand(y + h - 15, y + h + 10);
    auto p = list->AddNew(px, py, image, static_cast<float>(EffectsRandom.Rnd(-0.3, 0.3)),
                          static_cast<float>(EffectsRandom.Rnd(-0.6, -0.1)), 0, 0, 1, 0, 0,
                          static_cast<float>(EffectsRandom.Rnd(0.3, 0.8)), 0, 0, 0);
    if (p) p->SetFade(100, 100, 500);
  }
  return 0;
}

int FadeCurrentTextParticle() {
  if (!GameScreen) return 0;
  if (auto p = GameScreen->CurrentFloatingText.lock()) p->SetFade(0, 0, 150);
  GameScreen->CurrentFloatingText.reset();
  return 0;
}

int FadeFloatingText(const std::shared_ptr<TParticle>& particle) {
  if (!particle || !GameScreen) return 0;
  particle->SetFade(100, 1000, 500);
  GameScreen->CurrentFloatingText = particle;
  return 0;
}

int IronPlayed(int k, int mulligan) {
  if (!HUD) return 0;
  // The iron leaves its slot; the HUD turns it into a card when its short flight ends.
  HUD->PendingIron = k;
  HUD->PendingIronMulligan = mulligan;
  HUD->PendingIronCounter = Ticks(140);
  return 0;
}

int IronToCardEnd(int k, int mulligan) {
  if (!GameGrid || !CardList || !HUD) return 0;
  const int slot = k - IRON_FIRST;
  if (slot < 0 || slot >= THUD::IRON_COUNT) return 0;
  auto card = CardList->Add(HUD->IronX[static_cast<std::size_t>(slot)],
                            HUD->IronY[static_cast<std::size_t>(slot)], CARDTYPE_IRON, 1, k, 0);
  card->ID = TCardList::HighID++;
  card->Playfield = 0;
  GameGrid->IronCard = card;
  float t;
  float tx, ty;
  if (mulligan) {
    t = Ticks(380);
    tx = static_cast<float>(GameGrid->IronOriginalX);
    ty = static_cast<float>(GameGrid->IronOriginalY);
    // Its place in the stock, where the card action puts it when it lands.
    card->OriginalX = tx;
    card->OriginalY = ty;
    card->FlipStart(0);
    GameGrid->PlaySound(GameGrid->CardFlipSound);
  } else {
    t = Ticks(TCard::IRON_ANIM_LENGTH_MS);
    tx = static_cast<float>(GameGrid->FOUNDATIONX);
    ty = static_cast<float>(GameGrid->FOUNDATIONY);
    card->FromBag = 1;
  }
  if (t < 1) t = 1;
  card->dx = (tx - card->x) / t;
  card->dy = (ty - card->y) / t;
  GameGrid->LastMoveWasIronToBag = 0;
  GameGrid->CardAnimCounter = t;
  return 0;
}

int TokenParticlesMake(float x, float y, int count, int wide) {
  auto image = ParticleImages[0];
  if (!::Particles || !image || !Game) return 0;
  const int n = count * Game->Particles / 100;
  const double speed = wide ? 3.0 : 1.5;
  for (int i = 0; i < n; ++i) {
    auto p = ::Particles->AddNew(static_cast<int>(x), static_cast<int>(y), image,
                                 static_cast<float>(EffectsRandom.Rnd(-speed, speed)),
                                 static_cast<float>(EffectsRandom.Rnd(-speed, speed)), 0, 300, 1, 0,
                                 0, static_cast<float>(EffectsRandom.Rnd(0.2, 0.6)), 0, 0, 0);
    (void)p;
  }
  return 0;
}

int TokensTextMake(const std::shared_ptr<TCard>& card, int amount, int centred) {
  (void)card;
  (void)amount;
  (void)centred;
  return 0;
}

int WaterHazardParticle(int flag) {
  if (!CardList || !GameGrid) return 0;
  if (CardList->WaterCardsCount() > 0) return 0;
  if (flag == 1) FadeCurrentTextParticle();
  GameGrid->PlaySound(GameGrid->WaterHazardClearedSound);
  return 0;
}

int WedgeParticleMake(const std::shared_ptr<TCard>& card) {
  if (!card || !Particles2 || !TCard::WedgeParticle) return 0;
  auto p = Particles2->AddNew(static_cast<int>(card->x), static_cast<int>(card->y), TCard::WedgeParticle,
                              (ScreenWidth / 2 - card->x) / Ticks(2400),
                              (ScreenHeight / 2 - card->y) / Ticks(2400), 0, 0, 0, 0, 0, 1, 0, 2400, 0);
  (void)p;
  return 0;
}

int FloatingCardParticle(const std::shared_ptr<TCard>& card, const std::shared_ptr<TGameImage>& image,
                         int frame, int mode) {
  if (::Particles && image) {
    auto p = ::Particles->AddNew(static_cast<int>(card->x) + TCard::cardw2,
                                 static_cast<int>(card->y) + TCard::cardh2, image, 0, -3, 0, 600, 0,
                                 0, 0, 1.0f, 0, 0, 1);
    if (p) p->frame = frame;
  }
  if (CardList) {
    CardList->RelationshipRemove(card->ID, mode);
    CardList->Remove(card.get());
  }
  card->Kill();
  if (GameGrid) GameGrid->CardsLeft -= 1;
  return 1;
}

int IronParticleMake(int) { return 0; }

int LevelEndParticle(const std::shared_ptr<TGameImage>& image) {
  if (::Particles && image)
    ::Particles->AddNew(ScreenWidth / 2, ScreenHeight / 2, image, 0, 0, 0, 1800, 0, 0, 0, 1.0f, 0, 0, 0);
  return 0;
}

int PenaltyStockMake() {
  if (!CardList || !CardList->StockTopFind()) return 0;
  CardList->StockTopRemove();
  CardList->StockTopMark();
  return 1;
}

int ShuffleParticleMake() { return 0; }
int ShuffleParticleKill() { return 0; }
