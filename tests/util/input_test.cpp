#include "util/input.h"

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/system.h"
#include "util/globals.h"

namespace {

platform::Event Ev(int kind, int data, int x = 0, int y = 0) {
  platform::Event event;
  event.kind = kind;
  event.data = data;
  event.x = x;
  event.y = y;
  return event;
}

class Input : public ::testing::Test {
 protected:
  void SetUp() override {
    ccDisablePolledInput();
    ccFlushAll();
  }
  void TearDown() override {
    ccDisablePolledInput();
    ccFlushAll();
    ccModalLoopHook = nullptr;
  }
};

}  // namespace

TEST_F(Input, KeyHitsAreSeenOnce) {
  ccProcessEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_ESCAPE));
  ccProcessEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_ESCAPE));
  ccProcessEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_SPACE));
  EXPECT_EQ(KeyPressed(), platform::KEY_SPACE);  // Escape's entry is 2: not reported
  EXPECT_EQ(AnyKeyPressed(), 1);
  EXPECT_EQ(KeyHit(platform::KEY_ESCAPE), 1);
  EXPECT_EQ(KeyHit(platform::KEY_ESCAPE), 0);
  EXPECT_EQ(KeyDown(platform::KEY_SPACE), 1);
  ccProcessEvent(Ev(platform::EVENT_KEY_UP, platform::KEY_SPACE));
  EXPECT_EQ(KeyDown(platform::KEY_SPACE), 0);
  EXPECT_EQ(ccAnyKeyPressed(), 1);  // Space's hit, consumed
  EXPECT_EQ(ccAnyKeyPressed(), 0);
}

TEST_F(Input, KeyCodesOutsideTheTableAreIgnored) {
  for (int code : {-1, 256, 100000}) {
    ccProcessEvent(Ev(platform::EVENT_KEY_DOWN, code));
    ccProcessEvent(Ev(platform::EVENT_KEY_UP, code));
    EXPECT_EQ(KeyHit(code), 0);
    EXPECT_EQ(KeyDown(code), 0);
  }
  EXPECT_EQ(KeyPressed(), -1);
}

TEST_F(Input, TheCharacterRingKeepsTheFirst256) {
  for (int i = 0; i < 257; ++i) ccProcessEvent(Ev(platform::EVENT_KEY_CHAR, 1000 + i));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(GetChar(), 1000 + i);
  EXPECT_EQ(GetChar(), 0);
  ccProcessEvent(Ev(platform::EVENT_KEY_CHAR, 'a'));
  FlushKeys();
  EXPECT_EQ(GetChar(), 0);
}

TEST_F(Input, MouseButtonsAndHits) {
  ccProcessEvent(Ev(platform::EVENT_MOUSE_DOWN, 1, 30, 40));
  ccProcessEvent(Ev(platform::EVENT_MOUSE_DOWN, 2, 30, 40));
  ccProcessEvent(Ev(platform::EVENT_MOUSE_UP, 1, 31, 41));
  EXPECT_EQ(ccMouse.b1, 0);
  EXPECT_EQ(ccMouse.mb, 1);
  EXPECT_EQ(ccMouse.mh, 2);
  EXPECT_EQ(ccMouse.x, 31);
  static int hook_calls;
  hook_calls = 0;
  ccFlushMouseHook = [] { ++hook_calls; };
  FlushMouse();
  ccFlushMouseHook = nullptr;
  EXPECT_EQ(ccMouse.mh, 0);
  EXPECT_EQ(hook_calls, 1);
}

TEST_F(Input, PolledModeReadsTheQueueAndDropsItOnTheWayBack) {
  ccEnablePolledInput();
  platform::PushEvent(Ev(platform::EVENT_MOUSE_DOWN, 1));
  platform::PushEvent(Ev(platform::EVENT_MOUSE_DOWN, 2));
  EXPECT_EQ(ccMouseHit(), 1);  // button 1; button 2's hit waits
  EXPECT_EQ(ccMouseHit(), 1);
  EXPECT_EQ(ccMouseHit(), 0);
  EXPECT_EQ(ccMouseDownTotal(), 2);
  platform::PushEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_A));
  platform::PushEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_A));
  EXPECT_EQ(KeyHit(platform::KEY_A), 2);  // the hit count
  platform::PushEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_Z));
  ccDisablePolledInput();
  EXPECT_EQ(Keys[platform::KEY_Z], 0);  // never reaches the event-driven arrays
  platform::Event left;
  EXPECT_FALSE(platform::PollEvent(&left));
}

TEST_F(Input, WaitingForTime) {
  ccEnablePolledInput();
  EXPECT_EQ(ccWaitForTime(0), 0);
  EXPECT_EQ(ccWaitForTime(-5), 0);
  platform::PushEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_ENTER));
  EXPECT_EQ(ccWaitForTime(0), -1);
  const std::int64_t start = platform::Millisecs();
  EXPECT_EQ(ccWaitForTime(30), 0);
  EXPECT_GE(platform::Millisecs() - start, 30);
  ccModalLoopHook = [] { platform::PushEvent(Ev(platform::EVENT_MOUSE_DOWN, 1)); };
  EXPECT_EQ(ccWaitForKeyOrMouse(), 0);
}

// A quit request ends every wait at once and is still pending afterwards, whichever way the
// input was read or flushed meanwhile; only the main loop's take ends it.
TEST_F(Input, AQuitEndsEveryWaitAndIsNeverDropped) {
  struct Case {
    const char* name;
    int (*wait)();
    int result;
  };
  const Case cases[] = {
      {"wait for time", [] { return ccWaitForTime(60000); }, -1},
      {"wait for key or mouse", [] { return ccWaitForKeyOrMouse(); }, 0},
  };
  for (const Case& c : cases) {
    ccEnablePolledInput();
    static int passes;
    passes = 0;
    ccModalLoopHook = [] {
      if (++passes == 3) platform::PushEvent(Ev(platform::EVENT_APP_TERMINATE, 0));
      if (passes > 1000) platform::PushEvent(Ev(platform::EVENT_KEY_DOWN, platform::KEY_ENTER));
    };
    EXPECT_EQ(c.wait(), c.result) << c.name;
    EXPECT_EQ(passes, 3) << c.name;
    EXPECT_EQ(ccQuitRequested(), 1) << c.name;
    ccDisablePolledInput();                       // flushes every queued event
    ccFlushAll();
    EXPECT_EQ(ccQuitRequested(), 1) << c.name;
    EXPECT_TRUE(platform::TakeQuitRequest()) << c.name;
    EXPECT_EQ(ccQuitRequested(), 0) << c.name;
  }
}
