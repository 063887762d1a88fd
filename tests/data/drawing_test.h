#pragma once
// A fixture base for the tests that draw the data folder's pictures and fonts: a game of the test's
// own over the headless screen, and the process's game put back afterwards.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/game.h"
#include "core/globals.h"
#include "platform/graphics.h"

namespace data_test {

template <class Base = testing::Test>
class DrawingTest : public Base {
 protected:
  void SetUp() override {
    saved_ = Game;
    Game = std::make_shared<TGame>();
    if (!platform::GraphicsIsOpen()) {
      std::string error;
      platform::GraphicsOptions options;
      ASSERT_TRUE(platform::GraphicsOpen(options, &error)) << error;
    }
  }
  void TearDown() override {
    platform::ResetDrawState();
    Game = saved_;
  }

 private:
  std::shared_ptr<TGame> saved_;
};

}  // namespace data_test
