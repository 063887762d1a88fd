#include "gfx/explosion.h"

#include "core/game.h"
#include "core/globals.h"

TExplosionRef TExplosion::Create(const std::shared_ptr<TGameImage>& image, float x, float y) {
  auto e = std::make_shared<TExplosion>();
  e->SetImage(image);
  e->x = x;
  e->y = y;
  return e;
}

int TExplosion::StartAnim(int ms, int frames) {
  AnimLength = static_cast<int>(Game->CalcAnimLength(ms));
  AnimCounter = static_cast<float>(AnimLength);
  FramesTotal = frames;
  return 0;
}

int TExplosion::Move() { return TSprite::Move(); }

int TExplosion::Manage() {
  Move();
  ManageScale();
  ManageRotation();
  AnimCounter -= 1.0f * Delta;
  if (AnimCounter <= 0) Kill();
  return 0;
}

int TExplosion::Kill() {
  if (auto list = Explosions.lock()) list->Remove(this);
  Explosions.reset();
  return 0;
}

TExplosionListRef TExplosionList::Create() { return std::make_shared<TExplosionList>(); }

TExplosionRef TExplosionList::AddNew(int x, int y, const std::shared_ptr<TGameImage>& image) {
  auto e = TExplosion::Create(image, static_cast<float>(x), static_cast<float>(y));
  e->Explosions = weak_from_this();
  AddLast(e);
  return e;
}

int TExplosionList::Draw() {
  ForEach([](const TExplosionRef& e) { e->Draw(); });
  return 0;
}

int TExplosionList::Manage() {
  ForEach([](const TExplosionRef& e) { e->Manage(); });
  return 0;
}
