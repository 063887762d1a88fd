#include "gfx/particle.h"

#include <algorithm>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"

namespace {

float Ticks(float ms) { return Game->CalcAnimLength(static_cast<int>(ms)); }

}  // namespace

int TParticlePhase::SetFade(int inMs, int sustainMs, int outMs) {
  FadeInMS = static_cast<float>(inMs);
  FadeSustainMS = static_cast<float>(sustainMs);
  FadeMS = static_cast<float>(outMs);
  return 0;
}

TParticleRef TParticle::CreateSpecial(const std::shared_ptr<TGameImage>& img, float px, float py,
                                      float pdx, float pdy, float gravity, float fadeMs,
                                      int lightBlend, int rotate, float rotationSpeed,
                                      float scale, float scaleSpeed, int lifeMs) {
  auto p = std::make_shared<TParticle>();
  p->SetImage(img);
  p->x = px;
  p->y = py;
  p->dx = pdx;
  p->dy = pdy;
  if (lifeMs > 0) p->LifeCounter = Ticks(static_cast<float>(lifeMs));
  // The fade length is taken in whole milliseconds.
  p->FadeLength = Ticks(static_cast<float>(static_cast<int>(fadeMs)));
  p->FadeCounter = p->FadeLength;
  if (p->FadeLength > 0) p->UseAlpha = 1;
  p->DoLightBlend = lightBlend;
  p->ygravity = gravity;
  p->DoRotate = rotate;
  p->RotationSpeed = rotationSpeed;
  p->ScaleX = scale;
  p->ScaleY = scale;
  if (scaleSpeed != 0) {
    p->ScaleXSpeed = scaleSpeed;
    p->ScaleYSpeed = scaleSpeed;
    p->DoScale = 1;
  }
  p->active = 1;
  return p;
}

int TParticle::SetDelay(int ms) {
  DelayCounter = Ticks(static_cast<float>(ms));
  // Hidden from now on, so that a frame drawn before its first tick does not show it either.
  if (DelayCounter > 0) Hidden = 1;
  return 0;
}

TParticlePhaseRef TParticle::AddPhase(int ms) {
  if (!PhaseList) PhaseList = std::make_shared<std::vector<TParticlePhaseRef>>();
  auto phase = std::make_shared<TParticlePhase>();
  phase->Length = Ticks(static_cast<float>(ms));
  PhaseList->push_back(phase);
  return phase;
}

int TParticle::StartPhases() {
  if (PhaseList && !PhaseList->empty()) ApplyPhase(PhaseList->front());
  return 0;
}

int TParticle::ApplyPhase(const TParticlePhaseRef& phase) {
  if (!phase) return 0;
  PhaseCounter = 0;
  CurrentPhase = phase;
  Hidden = phase->Hidden;
  dx = phase->dx;
  dy = phase->dy;
  if (phase->SetCoords == 1) {
    x = phase->SetX;
    y = phase->SetY;
  }
  ygravity = phase->ygravity;
  SetFade(static_cast<int>(phase->FadeInMS), static_cast<int>(phase->FadeSustainMS),
          static_cast<int>(phase->FadeMS));
  DoRotate = phase->DoRotate;
  RotationSpeed = phase->RotationSpeed;
  DoScale = phase->DoScale;
  ScaleXSpeed = phase->ScaleSpeed;
  ScaleYSpeed = phase->ScaleSpeed;
  if (phase->Scale != 0) {
    ScaleX = phase->Scale;
    ScaleY = phase->Scale;
  }
  if (phase->Alpha != -1) Alpha = static_cast<float>(phase->Alpha);
  if (phase->SetAngle != 0) Rotation = phase->Angle;
  return 0;
}

int TParticle::SetFade(int inMs, int sustainMs, int outMs) {
  if (inMs > 0) {
    FadeIn = 1.0f;
    UseAlpha = 1;
    Alpha = 0;
  } else {
    FadeIn = 0;
  }
  FadeInLength = Ticks(static_cast<float>(inMs));
  FadeSustainCounter = Ticks(static_cast<float>(sustainMs));
  FadeLength = Ticks(static_cast<float>(outMs));
  if (FadeIn != 0) {
    FadeCounter = 0;
  } else {
    FadeCounter = FadeLength;
    UseAlpha = 1;
  }
  return 0;
}

int TParticle::ManagePhases() {
  if (!PhaseList || PhaseList->empty()) return 0;
  // Phases added but never started begin now rather than running without a current phase.
  if (!CurrentPhase) {
    StartPhases();
    return 1;
  }
  PhaseCounter += Delta;
  if (PhaseCounter < CurrentPhase->Length) return 0;
  const TParticlePhaseRef ended = CurrentPhase;
  if (ended->UserFunction) ended->UserFunction(*this);
  // The callback may have cut the script short (KillPhases) or moved on to another phase.
  if (!PhaseList || CurrentPhase != ended) return 0;
  const auto it = std::find(PhaseList->begin(), PhaseList->end(), ended);
  if (it == PhaseList->end() || it + 1 == PhaseList->end()) return -1;
  ApplyPhase(*(it + 1));
  return 1;
}

int TParticle::KillPhases() {
  PhaseList = nullptr;
  CurrentPhase = nullptr;
  PhaseCounter = 0;
  return 0;
}

int TParticle::Kill() {
  active = 0;
  if (auto list = Particles.lock()) list->Remove(this);
  Particles.reset();
  return 0;
}

int TParticle::Move() {
  if (DelayCounter > 0) {
    DelayCounter -= Delta;
    if (DelayCounter > 0) {
      Hidden = 1;
      return 0;
    }
    DelayCounter = 0;
    Hidden = 0;
    if (PhaseList) StartPhases();
  }
  if (PhaseList) {
    if (ManagePhases() == -1) {
      Kill();
      return 0;
    }
  }
  if (UserMove)
    UserMove(*this);
  else if (UpdateOriginalCoords == 1)
    MoveOriginalCoords();
  else
    TSprite::Move();
  if (NoOutOfBounds == 0 && OutOfBounds() != 0) {
    Kill();
    return 0;
  }
  if (FadeIn != 0) {
    FadeCounter += Delta;
    if (FadeCounter >= FadeInLength) {
      FadeCounter = FadeLength;
      FadeIn = 0;
      Alpha = 1.0f;
    }
  } else if (FadeSustainCounter > 0) {
    FadeSustainCounter -= Delta;
    if (FadeSustainCounter <= 0) {
      FadeSustainCounter = 0;
      FadeCounter = FadeLength;
    }
  } else if (FadeCounter > 0) {
    FadeCounter -= Delta;
    if (FadeCounter <= 0) {
      Alpha = 0;
      if (KillOnFade != 0) Kill();
    }
  }
  if (DoRotate > 0) {
    Rotation += RotationSpeed * Delta;
    if (Rotation >= 360) Rotation -= 360;
  } else if (DoRotate < 0) {
    Rotation -= RotationSpeed * Delta;
    if (Rotation < 0) Rotation += 360;
  }
  if (DoScale == 1) {
    ScaleX += ScaleXSpeed * Delta;
    ScaleY += ScaleYSpeed * Delta;
    if (ScaleX <= 0 || ScaleY <= 0) Kill();
  }
  if (LifeCounter > 0) {
    LifeCounter -= Delta;
    if (LifeCounter <= 0) Kill();
  }
  return 0;
}

int TParticle::Draw() {
  if (active == 0 || Hidden == 1) return 0;
  if (FadeCounter > 0) {
    const float length = FadeIn != 0 ? FadeInLength : FadeLength;
    if (length > 0) Alpha = FadeCounter / length;
  }
  if (DoLightBlend != 0) platform::SetBlend(platform::BLEND_LIGHT);
  TSprite::Draw();
  if (DoLightBlend != 0) platform::SetBlend(platform::BLEND_ALPHA);
  return 1;
}
