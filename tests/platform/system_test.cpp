#include "platform/system.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(SystemTest, HeadlessClockMovesOnlyWhenTold) {
  ASSERT_TRUE(platform::IsHeadless());
  platform::SetManualClock(1000);
  EXPECT_EQ(platform::Millisecs(), 1000);
  platform::AdvanceManualClock(5);
  platform::Delay(20);
  EXPECT_EQ(platform::Millisecs(), 1025);
}

TEST(SystemTest, NowIsNumbersAndCanBePinned) {
  const auto now = platform::Now();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_LE(now.weekday, 6);
  platform::LocalDateTime when;
  when.year = 2026;
  when.month = 12;
  when.day = 7;
  when.hour = 21;
  platform::PinNow(when);
  EXPECT_EQ(platform::Now().day, 7);
  EXPECT_EQ(platform::Now().hour, 21);
  platform::PinNow(when, false);
  EXPECT_EQ(platform::Now().year, now.year);
}

TEST(SystemTest, FoldersEndWithASlashAndFollowTheEnvironment) {
  setenv("QUILLBROOK_DATA", "/opt/quill", 1);
  EXPECT_EQ(platform::DataPrefix(), "/opt/quill/");
  unsetenv("QUILLBROOK_DATA");
  EXPECT_EQ(platform::DataPrefix(), platform::ExecutableFolder());
  EXPECT_EQ(platform::ExecutableFolder().back(), '/');

  const std::string xdg = std::getenv("XDG_DATA_HOME");
  EXPECT_EQ(platform::UserDataFolder(), xdg + "/");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", "/home/player", 1);
  EXPECT_EQ(platform::UserDataFolder(), "/home/player/.local/share/");
  setenv("XDG_DATA_HOME", xdg.c_str(), 1);
}

TEST(SystemTest, AlertWithoutDisplayGoesToStandardError) {
  testing::internal::CaptureStderr();
  platform::Alert("Quillbrook", "Something went wrong");
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Something went wrong"), std::string::npos);
}

// The alert box draws each line whole: a long message is broken at spaces, so the system's reason
// at its end stays on the screen.
TEST(SystemTest, AlertTextBreaksLongLinesAtSpaces) {
  EXPECT_EQ(platform::AlertText("Failed to save file /home/ann/settings.ini: the folder /home/ann/ "
                                "cannot be written (No space left on device)",
                                40),
            "Failed to save file\n/home/ann/settings.ini: the folder\n/home/ann/ cannot be written (No space\n"
            "left on device)");
  EXPECT_EQ(platform::AlertText("short\nlines stay", 40), "short\nlines stay");
  EXPECT_EQ(platform::AlertText("a /very/long/path/that/has/no/space/in/it end", 10),
            "a\n/very/long/path/that/has/no/space/in/it\nend");
}

}  // namespace
