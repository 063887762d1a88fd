#include "gfx/particle_list.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"

TParticleListRef TParticleList::Create() { return std::make_shared<TParticleList>(); }

TParticleRef TParticleList::AddNew(int x, int y, const std::shared_ptr<TGameImage>& image,
                                   float dx, float dy, float ygravity, float fadeMs,
                                   int lightBlend, int rotate, float rotationSpeed, float scale,
                                   float scaleSpeed, int lifeMs, int atFront) {
  auto p = TParticle::CreateSpecial(image, static_cast<float>(x), static_cast<float>(y), dx, dy,
                                    ygravity, fadeMs, lightBlend, rotate, rotationSpeed, scale,
                                    scaleSpeed, lifeMs);
  p->Particles = weak_from_this();
  if (atFront != 0)
    AddFirst(p);
  else
    AddLast(p);
  return p;
}

int TParticleList::Draw() {
  ForEach([](const TParticleRef& p) { p->Draw(); });
  return 0;
}

int TParticleList::Move() {
  ForEach([](const TParticleRef& p) { p->Move(); });
  return 0;
}

int TParticleList::Animate() {
  ForEach([](const TParticleRef& p) {
    if (p->DelayCounter == 0) p->ManageAnim();
  });
  return 0;
}

int TParticleList::Manage() {
  ForEach([](const TParticleRef& p) {
    p->Move();
    // A particle that died in its move still runs this tick's animation: an effect whose
    // animation ends on that tick relies on its end-of-cycle call (the iron morphs do).
    if (p->DelayCounter == 0 && p->ManageAnim() == 1 && p->KillAfterAnim != 0) p->Kill();
  });
  return 0;
}

int TParticleList::FadeAll(int ms) {
  const float ticks = Game->CalcAnimLength(ms);
  ForEach([ticks](const TParticleRef& p) {
    p->FadeLength = ticks;
    p->FadeCounter = ticks;
    p->UseAlpha = 1;
  });
  return 0;
}

int TParticleList::SetUseAlpha(int flag) {
  ForEach([flag](const TParticleRef& p) { p->UseAlpha = flag; });
  return 0;
}

int TParticleList::SetBaseScale(float sx, float sy) {
  ForEach([sx, sy](const TParticleRef& p) {
    p->BaseScaleX = sx;
    p->BaseScaleY = sy;
  });
  return 0;
}

int TParticleList::EnableUpdateOriginalCoords() {
  ForEach([](const TParticleRef& p) {
    if (p->UpdateOriginalCoords == 0) {
      p->StoreOriginalCoords();
      p->UpdateOriginalCoords = 1;
    }
  });
  return 0;
}

int TParticleList::ScaleCoords() {
  ForEach([](const TParticleRef& p) { p->ScaleOriginalCoords(); });
  return 0;
}

int TParticleList::AddOffsets(float dx, float dy) {
  ForEach([dx, dy](const TParticleRef& p) {
    p->x += dx;
    p->y += dy;
  });
  return 0;
}

int TParticleList::ProcessScale(float sx, float sy, float offX, float offY) {
  ForEach([=](const TParticleRef& p) {
    p->BaseScaleX = sx;
    p->BaseScaleY = sy;
    p->x = p->ox * sx + offX;
    p->y = p->oy * sy + offY;
  });
  return 0;
}

int TParticleList::Collide() {
  ForEach([](const TParticleRef& p) {
    if (!p->image || !p->image->image) return;
    platform::CollideImage(p->image->image, static_cast<int>(p->x), static_cast<int>(p->y), 0, 0,
                           1u, p.get());
  });
  return 0;
}
