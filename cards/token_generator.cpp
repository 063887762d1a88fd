#include "cards/token_generator.h"

#include <cmath>

#include "cards/card.h"
#include "cards/field_events.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/token_generator_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"

namespace {

float Ticks(int ms) { return Game ? Game->CalcAnimLength(ms) : ms / 5.0f; }

std::shared_ptr<TGameImage> Ring() { return ParticleImages[3]; }

}  // namespace

int TTokenGenerator::BonusTokenMake() {
  float t = Ticks(FlightTime);
  if (t <= 0) t = 1;
  const float vx = (EndX - StartX) / t;
  const float vy = (EndY - StartY) / t;
  if (::Particles2) {
    auto token = ::Particles2->AddNew(StartX, StartY, StopWatch ? TCard::StopWatchSmall : TCard::Token,
                                      vx, vy, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    if (token) {
      auto p1 = token->AddPhase(50);
      p1->dx = vx;
      p1->dy = vy;
      p1->SetFade(50, FlightTime, 0);
      auto p2 = token->AddPhase(FlightTime - 50);
      p2->dx = vx;
      p2->dy = vy;
      p2->Alpha = 1;
      p2->UserFunction = StopWatch ? &TTokenGenerator::StopWatchHit : &TTokenGenerator::TokenHitSign;
      auto p3 = token->AddPhase(100);
      p3->SetFade(0, 0, 100);
      token->StartPhases();
      if (Qty == 0) token->Data1 = Cash;
    }
  }
  if (StopWatch && GameGrid) GameGrid->PlaySound(GameGrid->StopwatchHitSignSound);
  if (TokenGeneratorList) TokenGeneratorList->BonusTokens += 1;
  return 0;
}

namespace {

void PenaltyToken(const TTokenGenerator& g, float dx, float dy, int in, int hold, int out) {
  if (::Particles2) {
    auto token = ::Particles2->AddNew(g.StartX, g.StartY, TCard::Token, dx, dy, 0.04f, 0, 0, 0, 0, 1,
                                      0, 0, 0);
    if (token) token->SetFade(in, hold, out);
  }
  if (GameGrid) GameGrid->PlaySound(GameGrid->TokenSound);
}

}  // namespace

int TTokenGenerator::PenaltyTokenMake() {
  PenaltyToken(*this, 7.0f, -3.0f, 50, 500, 100);
  return 0;
}

int TTokenGenerator::HoleCashPenaltyTokenMake() {
  PenaltyToken(*this, 1.5f, -1.0f, 50, 350, 150);
  return 0;
}

static void TokenArrived() {
  if (!TokenGeneratorList) return;
  TokenGeneratorList->BonusTokens -= 1;
  if (TokenGeneratorList->BonusTokens <= 0) {
    TokenGeneratorList->BonusTokens = 0;
    FieldEvents().EndHoleEnable(1);
  }
}

int TTokenGenerator::TokenHitSign(TParticle& token) {
  auto& events = FieldEvents();
  if (token.Data1 > 0) events.HoleCashChange(token.Data1);
  if (::Particles && Ring()) {
    auto r1 = ::Particles->AddNew(static_cast<int>(token.x), static_cast<int>(token.y), Ring(), 0, 0, 0,
                                  200, 1, 0, 0, 0.5f, 0.02f, 0, 0);
    auto r2 = ::Particles->AddNew(static_cast<int>(token.x), static_cast<int>(token.y), Ring(), 0, 0, 0,
                                  300, 1, 0, 0, 0.25f, 0.015f, 0, 0);
    (void)r1;
    (void)r2;
  }
  events.TokenSparkles(token.x, token.y);
  events.HoleCashWobble(static_cast<int>(Ticks(250)));
  if (GameGrid) GameGrid->PlaySound(GameGrid->TokenHitSignSound);
  TokenArrived();
  return 0;
}

int TTokenGenerator::StopWatchHit(TParticle&) {
  FieldEvents().StopWatchHit();
  TokenArrived();
  return 0;
}
