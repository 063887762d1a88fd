#pragma once
// A sprite that plays a frame animation once while it moves, scales and turns, and dies when the
// animation has run; kept in a list of its own.

#include <memory>

#include "gfx/ref_list.h"
#include "gfx/sprite.h"

class TExplosion;
class TExplosionList;
using TExplosionRef = std::shared_ptr<TExplosion>;
using TExplosionListRef = std::shared_ptr<TExplosionList>;

class TExplosion : public TSprite {
 public:
  std::weak_ptr<TExplosionList> Explosions;

  static TExplosionRef Create(const std::shared_ptr<TGameImage>& image, float x, float y);
  // Runs `frames` frames over `ms` milliseconds, first to last.
  int StartAnim(int ms, int frames);
  int Move() override;
  int Manage();
  int Kill();
};

class TExplosionList : public std::enable_shared_from_this<TExplosionList>,
                       public TRefList<TExplosion> {
 public:
  static TExplosionListRef Create();
  TExplosionRef AddNew(int x, int y, const std::shared_ptr<TGameImage>& image);
  int Draw();
  int Manage();
};
