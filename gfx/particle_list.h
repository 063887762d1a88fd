#pragma once
// An ordered list of particles that makes, moves, animates and draws them; later particles cover
// earlier ones. Particles may die (leave the list) while the list walks over them. Lists are made
// with TParticleList::Create (or std::make_shared) so that particles can find their way back.

#include <memory>

#include "gfx/particle.h"
#include "gfx/ref_list.h"

class TParticleList;
using TParticleListRef = std::shared_ptr<TParticleList>;

class TParticleList : public std::enable_shared_from_this<TParticleList>,
                      public TRefList<TParticle> {
 public:
  static TParticleListRef Create();

  // Makes a particle (TParticle::CreateSpecial) and adds it at the front (drawn under the others)
  // when atFront is non-zero, else at the end.
  TParticleRef AddNew(int x, int y, const std::shared_ptr<TGameImage>& image, float dx, float dy,
                      float ygravity, float fadeMs, int lightBlend, int rotate,
                      float rotationSpeed, float scale, float scaleSpeed, int lifeMs, int atFront);
  int Draw();
  int Move();
  int Animate();
  int Manage();
  int FadeAll(int ms);
  int SetUseAlpha(int flag);
  int SetBaseScale(float sx, float sy);
  int EnableUpdateOriginalCoords();
  int ScaleCoords();
  int AddOffsets(float dx, float dy);
  int ProcessScale(float sx, float sy, float offX, float offY);
  int Collide();
};
