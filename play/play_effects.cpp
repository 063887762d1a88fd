#include "play/play_effects.h"

#include <cmath>

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
#include "util/types.h"

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

int FireworkParticlesMake(float x, float y, int count, const TColor& colour) {
  if (!::Particles || !Game) return 0;
  const int n = count * Game->Particles / 100;
  if (n <= 0) return 0;
  auto tint = TColor::Create(colour.R, colour.G, colour.B, 1.0f);
  const double maxSpeed = EffectsRandom.Rnd(0.5, 1.9);
  if (auto streak = ParticleImages[1]) {
    for (int i = 0; i < n; ++i) {
      const double angle = EffectsRandom.Rnd(0.0, 360.0);
      const double speed = EffectsRandom.Rnd(0.1, maxSpeed);
      const double rad = angle * 3.14159265358979 / 180.0;
      auto p = ::Particles->AddNew(static_cast<int>(x), static_cast<int>(y), streak,
                                   static_cast<float>(std::sin(rad) * speed),
                                   static_cast<float>(-std::cos(rad) * speed), 0, 0, 1, 0, 0,
                                   static_cast<float>(EffectsRandom.Rnd(0.3, 0.9)), 0, 0, 0);
      p->x = x;
      p->y = y;
      p->Rotation = static_cast<float>(angle);  // the streak points along its flight
      p->Color = tint;
      p->SetFade(50, EffectsRandom.Rand(300, 400), EffectsRandom.Rand(100, 200));
    }
  }
  const double spread = EffectsRandom.Rnd(0.5, 2.5);
  if (auto spark = ParticleImages[2]) {
    for (int i = 0; i < n; ++i) {
      auto p = ::Particles->AddNew(static_cast<int>(x), static_cast<int>(y), spark,
                                   static_cast<float>(EffectsRandom.Rnd(-spread, spread)),
                                   static_cast<float>(EffectsRandom.Rnd(-spread, spread)), 0.005f, 0,
                                   1, EffectsRandom.Rand(0, 1) == 0 ? -1 : 1,
                                   static_cast<float>(EffectsRandom.Rnd(0.5, 3.0)),
                                   static_cast<float>(EffectsRandom.Rnd(0.3, 0.8)), 0, 0, 0);
      p->x = x;
      p->y = y;
      p->Color = tint;
      p->SetFade(50, EffectsRandom.Rand(350, 450), EffectsRandom.Rand(150, 250));
    }
  }
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
