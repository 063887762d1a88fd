#pragma once
// A sprite that moves with its speed and dies when it leaves the screen, kept in a list of its own.

#include <memory>

#include "gfx/ref_list.h"
#include "gfx/sprite.h"

class TGameObject;
class TGameObjectList;
using TGameObjectRef = std::shared_ptr<TGameObject>;
using TGameObjectListRef = std::shared_ptr<TGameObjectList>;

class TGameObject : public TSprite {
 public:
  std::weak_ptr<TGameObjectList> GameObjects;

  static TGameObjectRef Create(const std::shared_ptr<TGameImage>& image, float x, float y);
  int Move() override;
  int Kill();
};

class TGameObjectList : public std::enable_shared_from_this<TGameObjectList>,
                        public TRefList<TGameObject> {
 public:
  static TGameObjectListRef Create();
  TGameObjectRef AddNew(int x, int y, const std::shared_ptr<TGameImage>& image);
  int Draw();
  int Move();
  int Collide();
  int Kill();
};
