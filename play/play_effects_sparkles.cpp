// Fireworks, the dialog dust, the hole result image, the End Drive sparkles and the shuffle
// flashes.

#include <algorithm>
#include <cmath>

#include "cards/card.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle.h"
#include "gfx/particle_generator.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/hud_rules.h"
#include "play/play_effects.h"
#include "play/play_support.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/maths.h"
#include "util/types.h"

using play_support::PlayBankSound;
using play_support::Ticks;

namespace {

float Rnd(double a, double b) { return static_cast<float>(EffectsRandom.Rnd(a, b)); }
int Turn() { return ccFastRand(0, 1) == 0 ? -1 : 1; }

}  // namespace

int FireworkParticlesMake(float x, float y, int count, const std::shared_ptr<TColor>& colour) {
  if (!::Particles) return 0;
  const int ix = static_cast<int>(x), iy = static_cast<int>(y);
  const int n = hud_rules::DetailCount(count, play_support::Detail());
  const double vmax = EffectsRandom.Rnd(0.5, 1.9);
  for (int i = 0; i < n; ++i) {
    const float angle = Rnd(0, 360);
    const float speed = Rnd(0.1, vmax);
    const float rad = angle * 3.14159265f / 180.0f;
    auto p = ::Particles->AddNew(ix, iy, ParticleImages[1], std::cos(rad) * speed, std::sin(rad) * speed, 0,
                                 1000, 1, 0, 0, Rnd(0.3, 0.9), 0, 0, 0);
    p->Rotation = angle - 90;
    p->Color = colour;
    p->SetFade(50, ccFastRand(300, 400), ccFastRand(100, 200));
  }
  const double vmax2 = EffectsRandom.Rnd(0.5, 2.5);
  for (int i = 0; i < n; ++i) {
    const int turn = Turn();
    auto p = ::Particles->AddNew(ix, iy, ParticleImages[2], Rnd(-vmax2, vmax2), Rnd(-vmax2, vmax2), 0.005f,
                                 1000, 1, turn, Rnd(0.5, 3.0), Rnd(0.3, 0.8), 0, 0, 0);
    p->Color = colour;
    p->SetFade(50, ccFastRand(350, 450), ccFastRand(150, 250));
  }
  return 0;
}

int DialogPixieDust(int x, int y, int w, int h, const std::shared_ptr<TParticleList>& list) {
  if (!list) return 0;
  for (int pair = 0; pair < 3; ++pair) {
    const int turn = Turn();
    for (int i = 0; i < 2; ++i) {
      const int px = x + ccFastRand(-5, w + 5);
      const int py = y + h + ccFastRand(-15, 10);
      auto p = list->AddNew(px, py, ParticleImages[i == 0 ? 2 : 0], 0, 0, 0.002f, 500, 1, turn, Rnd(0.5, 1.5),
                            Rnd(0.2, 0.5), 0, 0, 0);
      p->SetFade(100, 100, 500);
    }
  }
  return 0;
}

int LevelEndParticle(const std::shared_ptr<TGameImage>& image) {
  FadeCurrentTextParticle();
  if (::Particles) {
    auto p = ::Particles->AddNew(ScreenWidth / 2, ScreenHeight / 2, image, 0, 0, 0, 0, 0, 0, 1.0f, 1.0f, 0, 0, 0);
    p->ScaleX = p->ScaleY = 3.0f;
    auto spin = p->AddPhase(500);
    spin->FadeInMS = 100;
    spin->DoRotate = 1;
    spin->RotationSpeed = 3.6f;
    spin->DoScale = 1;
    spin->ScaleSpeed = -0.02f;
    spin->UserFunction = LevelEndParticleLandingSound;
    auto still = p->AddPhase(FADE_SPEED + 1500);
    still->Alpha = 1;
    still->Scale = 1.0f;
    still->SetAngle = 1;
    still->Angle = 0;
    p->StartPhases();
  }
  PlayBankSound("bird_spin", 1.0f);
  return 0;
}

int LevelEndParticleLandingSound(TParticle& /*particle*/) {
  PlayBankSound("bird_thump", 1.0f);
  THUD::ShakeScreen(nullptr);
  return 0;
}

int LongDriveButtonMakeParticles() {
  const int detail = play_support::Detail();
  if (detail <= 0 || !HUD) return 0;
  float gx = 0, gy = 0;
  if (GameScreen && GameScreen->Menu)
    if (auto b = GameScreen->Menu->FindButton("enddrive")) {
      gx = b->x + 34;
      gy = b->y + 50;
    }
  auto g = TParticleGenerator::Create(gx, gy, hud_rules::DetailCount(150, detail),
                                      hud_rules::DetailInterval(2.0f, detail), LongDriveButtonSparkle,
                                      std::min(HUD->DriveLength, 20) * 15, 0);
  const float t = Ticks(300);
  if (t > 0) {
    g->dx = (HUD->LONGRUNX + 45 - gx) / t;
    g->dy = (57 - gy) / t;
  }
  HUD->LongDriveButtonSparkles = g;
  return 0;
}

int LongDriveButtonSparkle(TParticleGenerator& generator) {
  if (!::Particles) return 0;
  const int turn = Turn();
  const float gx = generator.x, gy = generator.y;
  for (int i = 0; i < 2; ++i) {
    const int x = ccFastRand(static_cast<int>(gx - 10), static_cast<int>(gx + 10));
    const int y = ccFastRand(static_cast<int>(gy - 10), static_cast<int>(gy + 10));
    const float scale = i == 0 ? Rnd(0.4, 0.7) : Rnd(0.5, 0.8);
    auto p = ::Particles->AddNew(x, y, ParticleImages[i == 0 ? 2 : 0], 0, 0, 0,
                                 static_cast<float>(generator.Data1), 1, turn, Rnd(0.5, 1.5), scale, 0, 0, 0);
    p->dx = Rnd(-0.1, 0.1);
    p->dy = Rnd(-0.1, 0.1);
    const int g = ccFastRand(125, 175);
    const int b = ccFastRand(100, 125);
    p->Color = TColor::Create(255, g, b, 1.0f);
  }
  return 0;
}

int ShuffleParticleMake() {
  ShuffleParticleKill();
  if (!::Particles || !GameScreen) return 0;
  auto p = ::Particles->AddNew(ScreenWidth / 2 - 34, ScreenHeight / 2 - 50, TCard::CardFrontWhite, 0, 0, 0, 0,
                               0, 0, 1.0f, 1.0f, 0, 0, 0);
  p->LifeCounter = Ticks(1000);
  p->ImageFrame = EffectsRandom.Rand(0, 51);
  GameScreen->WildshotParticle = p;
  return 0;
}

int ShuffleParticleKill() {
  if (!GameScreen || !GameScreen->WildshotParticle) return 0;
  if (::Particles) ::Particles->Remove(GameScreen->WildshotParticle.get());
  GameScreen->WildshotParticle.reset();
  return 0;
}
