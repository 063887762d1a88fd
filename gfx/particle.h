#pragma once
// A short-lived sprite: a spark, a floating score, a card or club flying off. Adds a start delay,
// a life time, a three-stage fade (in, hold, out), spin and growth, death rules and an optional
// script of phases. Lengths are milliseconds held as fractional logic ticks. Particles draw no
// random numbers and ignore the particle level: the effects that make them choose every variation.

#include <functional>
#include <memory>
#include <vector>

#include "gfx/sprite.h"

class TParticle;
class TParticleList;
class TParticlePhase;
using TParticleRef = std::shared_ptr<TParticle>;
using TParticlePhaseRef = std::shared_ptr<TParticlePhase>;

// One step of a particle's script: what the particle does while the phase runs, and a callback
// when its time is up.
class TParticlePhase {
 public:
  float Length = 0;  // ticks
  int Hidden = 0;
  float dx = 0, dy = 0;
  int SetCoords = 0;
  float SetX = 0, SetY = 0;
  float ygravity = 0;
  float FadeInMS = 0, FadeSustainMS = 0, FadeMS = 0;  // milliseconds
  int DoRotate = 0;
  float RotationSpeed = 0;
  int SetAngle = 0;
  float Angle = 0;
  int DoScale = 0;
  float ScaleSpeed = 0;
  float Scale = 0;  // non-zero: both scales are set to it when the phase starts
  int Alpha = -1;   // not -1: the particle's Alpha when the phase starts
  std::function<int(TParticle&)> UserFunction;

  int SetFade(int inMs, int sustainMs, int outMs);
};

class TParticle : public TSprite {
 public:
  std::weak_ptr<TParticleList> Particles;  // the list holding the particle, if any
  int Hidden = 0;
  float LifeCounter = 0;  // ticks; 0 or less: no life limit
  float FadeIn = 0;       // 1.0 while fading in
  float FadeSustainCounter = 0;
  float FadeCounter = 0;
  float FadeInLength = 0;
  float FadeLength = 0;
  int DoLightBlend = 0;
  int DoRotate = 0;  // > 0 turns with rising Rotation, < 0 turns back
  int DoScale = 0;
  int Data1 = 0, Data2 = 0, Data3 = 0;
  std::shared_ptr<void> DataObject;
  std::shared_ptr<std::vector<TParticlePhaseRef>> PhaseList;  // null until the first AddPhase
  TParticlePhaseRef CurrentPhase;
  float PhaseCounter = 0;
  int NoOutOfBounds = 0;
  int KillOnFade = 1;
  int KillAfterAnim = 0;
  float DelayCounter = 0;
  int UpdateOriginalCoords = 0;
  std::function<int(TParticle&)> UserMove;  // replaces the standard motion when set

  // A new active particle in no list (see TParticleList::AddNew for the arguments).
  static TParticleRef CreateSpecial(const std::shared_ptr<TGameImage>& image, float x, float y,
                                    float dx, float dy, float ygravity, float fadeMs,
                                    int lightBlend, int rotate, float rotationSpeed, float scale,
                                    float scaleSpeed, int lifeMs);
  int SetDelay(int ms);
  TParticlePhaseRef AddPhase(int ms);
  int StartPhases();
  int ApplyPhase(const TParticlePhaseRef& phase);
  int SetFade(int inMs, int sustainMs, int outMs);
  // 0 while the phase runs, 1 when the next phase was applied, -1 when the last phase has ended.
  int ManagePhases();
  int KillPhases();
  // Leaves the list (if any) and becomes inactive; harmless to call twice.
  virtual int Kill();

  int Move() override;
  int Draw() override;
};
