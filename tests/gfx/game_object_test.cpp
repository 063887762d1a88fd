#include "gfx/game_object.h"

#include <gtest/gtest.h>

#include "gfx/explosion.h"
#include "gfx_test_support.h"

namespace {

class GameObjectTest : public gfx_test::GameTest {
 protected:
  std::shared_ptr<TGameImage> image_ = gfx_test::SolidGameImage(10, 10, {0xFFFFFFFF});
};

TEST_F(GameObjectTest, LeavesItsListWhenItLeavesTheScreen) {
  auto list = TGameObjectList::Create();
  auto leaving = list->AddNew(795, 100, image_);
  leaving->dx = 10;
  auto staying = list->AddNew(100, 100, image_);
  list->Move();
  EXPECT_FALSE(list->Contains(leaving.get()));
  EXPECT_TRUE(list->Contains(staying.get()));
  EXPECT_EQ(leaving->GameObjects.lock(), nullptr);
  list->Kill();
  EXPECT_EQ(list->Count(), 0);
}

TEST_F(GameObjectTest, ExplosionPlaysItsFramesOnceAndDies) {
  auto list = TExplosionList::Create();
  auto e = list->AddNew(100, 100, image_);
  e->StartAnim(500, 8);
  EXPECT_EQ(e->AnimLength, 100);
  std::vector<int> changes;  // ticks at which the drawn frame changes
  int last = e->CurrentDrawFrame();
  EXPECT_EQ(last, 0);
  int tick = 0;
  while (list->Count() > 0 && tick < 1000) {
    list->Manage();
    ++tick;
    if (list->Count() > 0 && e->CurrentDrawFrame() != last) {
      last = e->CurrentDrawFrame();
      changes.push_back(tick);
    }
  }
  EXPECT_EQ(tick, 100);
  EXPECT_EQ(last, 7);
  EXPECT_EQ(changes, (std::vector<int>{13, 25, 38, 50, 63, 75, 88}));

  list->AddNew(100, 100, image_);
  list->Manage();  // never started: dies at once
  EXPECT_EQ(list->Count(), 0);
}

}  // namespace
