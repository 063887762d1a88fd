#include "gfx/game_object.h"

#include "gfx/image_bank.h"
#include "platform/graphics.h"

TGameObjectRef TGameObject::Create(const std::shared_ptr<TGameImage>& image, float x, float y) {
  auto obj = std::make_shared<TGameObject>();
  obj->SetImage(image);
  obj->x = x;
  obj->y = y;
  return obj;
}

int TGameObject::Move() {
  TSprite::Move();
  if (OutOfBounds() != 0) Kill();
  return 0;
}

int TGameObject::Kill() {
  if (auto list = GameObjects.lock()) list->Remove(this);
  GameObjects.reset();
  return 0;
}

TGameObjectListRef TGameObjectList::Create() { return std::make_shared<TGameObjectList>(); }

TGameObjectRef TGameObjectList::AddNew(int x, int y, const std::shared_ptr<TGameImage>& image) {
  auto obj = TGameObject::Create(image, static_cast<float>(x), static_cast<float>(y));
  obj->GameObjects = weak_from_this();
  AddLast(obj);
  return obj;
}

int TGameObjectList::Draw() {
  ForEach([](const TGameObjectRef& obj) { obj->Draw(); });
  return 0;
}

int TGameObjectList::Move() {
  ForEach([](const TGameObjectRef& obj) { obj->Move(); });
  return 0;
}

int TGameObjectList::Collide() {
  ForEach([](const TGameObjectRef& obj) {
    if (!obj->image || !obj->image->image) return;
    platform::CollideImage(obj->image->image, static_cast<int>(obj->x), static_cast<int>(obj->y),
                           0, 0, 1u, obj.get());
  });
  return 0;
}

int TGameObjectList::Kill() {
  ForEach([](const TGameObjectRef& obj) { obj->Kill(); });
  // Members made outside AddNew do not know this list; they go too.
  Clear();
  return 0;
}
