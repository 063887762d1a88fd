// The system helpers the design calls on the desktop: the shared user-data folder, the window and
// pointer positions in upward screen coordinates, and the graphics-mode lookup.
#include "util/system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "util/globals.h"

namespace {

TEST(System, TheSharedFolderIsTheUsersDataFolderWithoutItsSlash) {
  std::string expected = platform::UserDataFolder();
  while (expected.size() > 1 && expected.back() == '/') expected.pop_back();
  const std::string folder = ccGetSharedUserDataFolder();
  EXPECT_FALSE(folder.empty());
  EXPECT_EQ(folder, expected);
}

// The pointer code's chain (desktop height - cursor y - the window's top) gives back the logical
// mouse position, wherever the pointer is.
TEST(System, ThePointerChainGivesBackTheLogicalMousePosition) {
  EXPECT_EQ(ccFixMacWindowY(100, 900), 200);  // a 600-pixel window whose bottom is 100 up
  EXPECT_EQ(ccGetActiveWindowOSX(), 0);       // no window open
  int width = 0, height = 0;
  EXPECT_EQ(ccGetDesktopSize(width, height), 1);
  for (const auto& [mx, my] : std::vector<std::pair<int, int>>{{0, 0}, {123, 456}, {799, 599}}) {
    platform::FlushEvents();
    platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, mx, my});
    platform::Event e;
    ASSERT_TRUE(platform::PollEvent(&e));
    auto origin = ccGetWindowOriginOSX(ccGetActiveWindowOSX());
    auto cursor = ccGetCursorPosOSX();
    ASSERT_TRUE(origin && cursor);
    EXPECT_EQ(cursor->X, mx);
    EXPECT_EQ(height - cursor->Y - ccFixMacWindowY(origin->Y, height), my) << mx << "," << my;
  }
  platform::FlushEvents();
}

TEST(System, AScreenModeIsFoundOnlyWhenTheDrawingLayerListsIt) {
  EXPECT_EQ(ccFindScreenRes(1, 2, 3, 4), 0);
  const std::vector<platform::GraphicsMode> modes = platform::GraphicsModes();
  if (!modes.empty()) {
    EXPECT_EQ(ccFindScreenRes(modes[0].width, modes[0].height, modes[0].depth, modes[0].hertz), 1);
    EXPECT_EQ(ccFindScreenRes(modes[0].width, modes[0].height, modes[0].depth, modes[0].hertz + 1000), 0);
  }
}

}  // namespace
