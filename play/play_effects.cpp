// Token sparkles, floating amounts and the play screen's floating texts; cards lifted away and the
// stock penalty.

#include "play/play_effects.h"

#include <string>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/hud_rules.h"
#include "play/play_support.h"
#include "progress/currency.h"
#include "util/maths.h"
#include "util/types.h"

using play_support::Ticks;

namespace {

int CurrencyFrame() { return GetCurrencySymbol(0); }

}  // namespace

int TokenParticlesMake(float x, float y, int count, int wide) {
  float half = 0.5f, yLow = -0.6f, yHigh = 0.25f, fade = 600.0f;
  if (wide != 0) {
    half = 0.5f * 2.5f;
    yLow = -0.6f * 2.2f;
    yHigh = 0.25f * 2.8f;
    fade = 500.0f;
  }
  const int n = hud_rules::DetailCount(count, play_support::Detail());
  if (!::Particles) return 0;
  for (int i = 0; i < n; ++i) {
    const int turn = ccFastRand(0, 1) == 0 ? -1 : 1;
    auto p = ::Particles->AddNew(static_cast<int>(x), static_cast<int>(y), ParticleImages[2],
                                 static_cast<float>(EffectsRandom.Rnd(-half, half)),
                                 static_cast<float>(EffectsRandom.Rnd(yLow, yHigh)), 1.0f / 150.0f, fade,
                                 1, turn, static_cast<float>(EffectsRandom.Rnd(0.5, 3.0)),
                                 static_cast<float>(EffectsRandom.Rnd(0.3, 0.8)), 0, 0, 0);
    const int r = ccFastRand(200, 255);
    const int g = ccFastRand(200, 255);
    const int b = ccFastRand(100, 255);
    p->Color = TColor::Create(r, g, b, 1.0f);
  }
  return 0;
}

int TokensTextMake(const std::shared_ptr<TCard>& card, int cash, int middle) {
  if (!card || !HUD || !HUD->HoleNumbersBig || !ScoreParticles) return 0;
  const auto& f = HUD->HoleNumbersBig;
  const std::string s = std::to_string(cash < 0 ? 0 : cash);
  const int w = f->w - 2;
  int x = static_cast<int>(card->x - static_cast<float>(((static_cast<int>(s.size()) + 1) * w - 2) / 2));
  int y = static_cast<int>(card->y);
  if (middle == 0) {
    x += 34;
    y += 50;
  }
  x -= 2;
  const int gy = static_cast<int>(y - f->h2);
  auto glyph = [&](int gx, int frame) {
    auto p = ScoreParticles->AddNew(gx, gy, f, 0, -0.2f, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    p->ImageFrame = frame;
    p->SetFade(50, 500, 500);
  };
  glyph(x, CurrencyFrame());
  x += w - 2;
  for (char c : s) {
    glyph(x, c - '0');
    x += w;
  }
  return 0;
}

int FadeFloatingText(const std::shared_ptr<TParticle>& particle) {
  if (!particle) return 0;
  particle->ScaleX = particle->ScaleY = 0.2f;
  auto grow = particle->AddPhase(200);
  grow->FadeInMS = 400;
  grow->DoScale = 1;
  grow->ScaleSpeed = 0.02f;
  auto hold = particle->AddPhase(1500);
  hold->Alpha = 1;
  hold->Scale = 1.0f;
  auto rise = particle->AddPhase(700);
  rise->dy = -0.2f;
  rise->FadeMS = 700;
  rise->UserFunction = KillCurrentTextParticle;
  particle->KillOnFade = 0;
  particle->StartPhases();
  if (GameScreen) GameScreen->CurrentFloatingText = particle;
  return 0;
}

int FadeCurrentTextParticle() {
  if (!GameScreen) return 0;
  auto p = GameScreen->CurrentFloatingText.lock();
  if (!p) return 0;
  p->KillPhases();
  float a = 1.0f;
  if (p->FadeCounter != 0) {
    if (p->FadeIn != 0 && p->FadeInLength > 0) a = p->FadeCounter / p->FadeInLength;
    else if (p->FadeLength > 0) a = p->FadeCounter / p->FadeLength;
  }
  p->SetFade(0, 0, 150);
  p->FadeCounter = a * p->FadeLength;
  p->KillOnFade = 1;
  p->DoScale = 0;
  return 0;
}

int KillCurrentTextParticle(TParticle& particle) {
  if (GameScreen) GameScreen->CurrentFloatingText.reset();
  particle.Kill();
  return 0;
}

int FloatingCardParticle(const std::shared_ptr<TCard>& card, const std::shared_ptr<TGameImage>& image,
                         int frame, int mode) {
  if (!card) return 1;
  if (::Particles) {
    auto p = ::Particles->AddNew(static_cast<int>(card->x), static_cast<int>(card->y), image, 0, -3.0f, 0, 0,
                                 0, 0, 0, 1.0f, 0, 0, 1);
    p->SetFade(0, 400, 200);
    p->ImageFrame = frame;
  }
  if (CardList) {
    CardList->RelationshipRemove(card->ID, mode);
    CardList->Remove(card.get());
  }
  card->Kill();
  if (GameGrid) GameGrid->CardsLeft -= 1;
  return 1;
}

int PenaltyStockMake() {
  if (!CardList || !GameGrid) return 0;
  auto top = CardList->StockTopFind();
  if (!top) return 0;
  if (::Particles)
    ::Particles->AddNew(static_cast<int>(top->x + 34), GameGrid->STOCKY + 50, TCard::StockSpinCard, -2.0f,
                        -2.0f, 0.04f, 0, 0, -1, 10.0f, 1.0f, 0, 0, 0);
  play_support::PlaySound(GameGrid->CardLandingSound, 1.0f);
  CardList->StockTopRemove();
  CardList->StockTopMark();
  return 1;
}
