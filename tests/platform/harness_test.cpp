#include "tests/support/harness.h"

#include <gtest/gtest.h>

#include "platform/system.h"

namespace {

TEST(HarnessTest, ScriptedInputAndScreenPixels) {
  quill_test::OpenScreen();
  platform::SetColor(10, 20, 30);
  platform::DrawRect(5, 5, 2, 2);
  EXPECT_EQ(quill_test::ScreenPixel(6, 6), 0xFF0A141Eu);
  EXPECT_EQ(quill_test::ScreenPixel(-1, 6), 0u);
  const std::string folder = quill_test::TempFolder("shots");
  EXPECT_TRUE(quill_test::SaveScreen(folder + "screen.png"));

  platform::FlushEvents();
  quill_test::PushClick(40, 50, 2);
  quill_test::PushText("h\xC3\xA9");
  quill_test::PushKey(platform::KEY_ESCAPE);
  std::vector<int> kinds;
  platform::Event e;
  while (platform::PollEvent(&e)) kinds.push_back(e.kind);
  EXPECT_EQ(kinds, (std::vector<int>{1027, 1025, 1026, 515, 515, 513, 514}));
  EXPECT_EQ(platform::MouseX(), 40);

  const auto before = platform::Millisecs();
  quill_test::AdvanceClock(25);
  EXPECT_EQ(platform::Millisecs(), before + 25);
}

}  // namespace
