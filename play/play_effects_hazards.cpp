// The found wedge with its sand sparkles, and the cleared water hazard.

#include <string>

#include "cards/card.h"
#include "cards/card_list.h"
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
#include "play/hud_rules.h"
#include "play/play_effects.h"
#include "play/play_support.h"
#include "progress/progress_rules.h"
#include "util/maths.h"
#include "util/types.h"

using play_support::PlaySound;
using play_support::Ticks;

namespace {

std::shared_ptr<TGameImage> WaterHazardClearedImage() {
  return play_support::Picture(play_support::ScreenPicture::WaterHazardCleared);
}

}  // namespace

int WedgeParticleMake(const std::shared_ptr<TCard>& card) {
  if (!card) return 0;
  const float t = static_cast<float>(static_cast<int>(Ticks(300)));
  const float sx = card->x + 34.0f, sy = card->y + 50.0f;
  const float tx = static_cast<float>(ScreenWidth / 2), ty = static_cast<float>(ScreenHeight / 2 + 30 - 65);
  const float vx = t > 0 ? (tx - sx) / t : 0.0f;
  const float vy = t > 0 ? (ty - sy) / t : 0.0f;
  if (Particles2) {
    auto wedge = Particles2->AddNew(static_cast<int>(sx), static_cast<int>(sy), TCard::WedgeParticle, vx, vy, 0,
                                    0, 0, 0, 0, 0.666666f, 0, 0, 0);
    auto fly = wedge->AddPhase(300);
    fly->dx = vx;
    fly->dy = vy;
    fly->DoScale = 1;
    fly->ScaleSpeed = 0.005555f;
    fly->UserFunction = WedgeSoundPlay;
    auto hold = wedge->AddPhase(1400);
    hold->Scale = 1.0f;
    auto fade = wedge->AddPhase(700);
    fade->FadeMS = 700;
    wedge->StartPhases();
  }
  const int detail = play_support::Detail();
  if (detail <= 0 || !CardList || !GameGrid || !GameGrid->WedgeCard || !ParticleGeneratorList) return 0;
  const int wedgeId = GameGrid->WedgeCard->ID;
  for (const auto& sand : CardList->Cards) {
    if (!sand || sand->CardType != CARDTYPE_SAND) continue;
    for (int id : sand->Relationships) {
      if (id != wedgeId) continue;
      if (sand->Relationships.size() == 1)
        ParticleGeneratorList->Add(sand->x + 34.0f, sand->y + 50.0f, hud_rules::DetailCount(150, detail),
                                   hud_rules::DetailInterval(18.0f, detail), SandCardSparkleMake);
      break;
    }
  }
  return 0;
}

int WedgeSoundPlay(TParticle& /*wedge*/) {
  if (GameGrid) PlaySound(GameGrid->SandWedgeUsedSound, 1.0f);
  return 0;
}

int SandCardSparkleMake(TParticleGenerator& generator) {
  if (!::Particles) return 0;
  const int d = ccFastRand(0, 1) == 0 ? -1 : 1;
  const float gx = generator.x, gy = generator.y;
  for (int i = 0; i < 2; ++i) {
    const int x = ccFastRand(static_cast<int>(gx - 34), static_cast<int>(gx + 34));
    const int y = ccFastRand(static_cast<int>(gy - 50), static_cast<int>(gy + 50));
    auto p = ::Particles->AddNew(x, y, ParticleImages[i == 0 ? 2 : 0], 0, 0, 0, 1000, 1, d,
                                 static_cast<float>(EffectsRandom.Rnd(0.5, 1.5)),
                                 static_cast<float>(EffectsRandom.Rnd(0.2, 0.5)), 0, 0, 0);
    const int r = ccFastRand(200, 255);
    const int g = ccFastRand(200, 255);
    const int b = ccFastRand(100, 255);
    p->Color = TColor::Create(r, g, b, 1.0f);
    p->dx = static_cast<float>(EffectsRandom.Rnd(-0.3, 0.3));
    p->dy = static_cast<float>(EffectsRandom.Rnd(-0.3, 0.3));
  }
  return 0;
}

int WaterHazardParticle(int replace) {
  if (!CardList || CardList->WaterCardsCount() > 0) return 0;
  const int x = ScreenWidth / 2;
  const int y = replace != 0 ? ScreenHeight / 2 - 135 : ScreenHeight / 2 - 80;
  if (ScoreParticles) {
    auto p = ScoreParticles->AddNew(x, y, WaterHazardClearedImage(), 0, -0.1f, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    if (replace != 0) FadeCurrentTextParticle();
    FadeFloatingText(p);
  }
  if (GameGrid) PlaySound(GameGrid->WaterHazardClearedSound, 1.0f);
  if (GameScreen) {
    GameScreen->SpeechLoad("water cleared", "misc/watercleared" + std::to_string(EffectsRandom.Rand(1, 3)));
    GameScreen->SpeechPlay("");
  }
  PlayCheer(1, 3);
  return 0;
}
