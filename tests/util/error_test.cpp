#include "util/error.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "util/globals.h"
#include "util/input.h"
#include "util_test_support.h"

using util_test::ReadAll;

namespace {

class ErrorLog : public ::testing::Test {
 protected:
  void SetUp() override {
    ccErrorPath = util_test::TempFolder("error-log");
    platform::PinNow(util_test::PinnedMoment());
  }
  void TearDown() override {
    platform::PinNow(platform::LocalDateTime{}, false);
    ccErrorPath.clear();
    ccGraphicalErrors = 1;
    ccModalLoopHook = nullptr;
    ccFatalErrorHook = nullptr;
  }
};

platform::Event KeyDownEvent(int key) {
  platform::Event event;
  event.kind = platform::EVENT_KEY_DOWN;
  event.data = key;
  return event;
}

}  // namespace

TEST_F(ErrorLog, FatalErrorWritesThreeLinesThenThrows) {
  ccGraphicalErrors = 0;
  try {
    ccRunTimeError("first problem", 1);
    ADD_FAILURE() << "no exception";
  } catch (const ccFatalError& error) {
    EXPECT_STREQ(error.what(), "first problem");
  }
  EXPECT_THROW(ccRunTimeError("Error loading file Data/x.txt", 1), ccFatalError);
  // Only the last report stays.
  EXPECT_EQ(ReadAll(ccErrorPath + "ErrorLog.txt"),
            "Date: 07 Dec 2026\r\nTime: 21:05:09\r\nError loading file Data/x.txt\r\n");
}

// The fatal error's hook saves the round; when that save fails and is reported, the log holds the
// fatal error first and the failed save after it, whether the save's report is fatal or not.
TEST_F(ErrorLog, AReportMadeByTheFatalHookFollowsTheFatalErrorInTheLog) {
  ccGraphicalErrors = 0;
  static int hookFatal;
  for (hookFatal = 0; hookFatal <= 1; ++hookFatal) {
    SCOPED_TRACE(hookFatal);
    ccFatalErrorHook = [] { ccRunTimeError("Could not create file 'profiles/Ann.dat'", hookFatal); };
    EXPECT_THROW(ccRunTimeError("Error loading image graphics/scorecard/Scorecard_bg.png", 1), ccFatalError);
    EXPECT_EQ(ReadAll(ccErrorPath + "ErrorLog.txt"),
              "Date: 07 Dec 2026\r\nTime: 21:05:09\r\nError loading image graphics/scorecard/Scorecard_bg.png\r\n"
              "Date: 07 Dec 2026\r\nTime: 21:05:09\r\nCould not create file 'profiles/Ann.dat'\r\n");
    ccFatalErrorHook = nullptr;
  }
  // A report after that one starts the log afresh.
  ccRunTimeError("later", 0);
  EXPECT_EQ(ReadAll(ccErrorPath + "ErrorLog.txt"), "Date: 07 Dec 2026\r\nTime: 21:05:09\r\nlater\r\n");
}

// A second fatal report made while a fatal error's box is up (the display lost meanwhile) goes
// after the first in the log: the first cause stays named, first. Once the box has closed, a
// report starts the log afresh.
TEST_F(ErrorLog, AReportMadeWhileTheFatalBoxIsUpFollowsTheFatalErrorInTheLog) {
  static constexpr char kLogged[] = "Date: 07 Dec 2026\r\nTime: 21:05:09\r\n";
  static constexpr char kBrokenPicture[] = "Error loading image graphics/Loading/clickhere.png";
  static constexpr char kLostDisplay[] =
      "The display :7 was lost: the connection to the X server broke.";
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  static int passes;
  passes = 0;
  // The box's loop runs the hook: its first pass makes the second report (whose own box closes
  // on the hook's key), then a key closes the first box.
  ccModalLoopHook = [] {
    if (passes++ == 0) {
      EXPECT_THROW(ccRunTimeError(kLostDisplay, 1), ccFatalError);
    }
    platform::PushEvent(KeyDownEvent(platform::KEY_ENTER));
  };
  EXPECT_THROW(ccRunTimeError(kBrokenPicture, 1), ccFatalError);
  EXPECT_GE(passes, 2);
  EXPECT_EQ(ReadAll(ccErrorPath + "ErrorLog.txt"),
            std::string(kLogged) + kBrokenPicture + "\r\n" + kLogged + kLostDisplay + "\r\n");
  ccDisablePolledInput();
  ccModalLoopHook = nullptr;
  ccGraphicalErrors = 0;
  EXPECT_THROW(ccRunTimeError("later", 1), ccFatalError);
  EXPECT_EQ(ReadAll(ccErrorPath + "ErrorLog.txt"), std::string(kLogged) + "later\r\n");
  platform::GraphicsClose();
}

// A log that cannot be written (its folder gone) does not take the report with it: the message and
// why the log failed go to standard error, fatal or not.
TEST_F(ErrorLog, AMessageTheLogCannotHoldGoesToStandardError) {
  ccGraphicalErrors = 0;
  ccErrorPath = util_test::TempFolder("error-log-gone") + "gone/";
  for (const int fatal : {0, 1}) {
    testing::internal::CaptureStderr();
    try {
      ccRunTimeError("Could not create file 'profiles/Ann.dat': the disk is full", fatal);
    } catch (const ccFatalError&) {
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Error: Could not create file 'profiles/Ann.dat': the disk is full\n"
                        "(The error log " + ccErrorPath + "ErrorLog.txt could not be written: "),
              std::string::npos)
        << fatal << ": " << said;
  }
}

// A save refused while a quit is under way has no box to show it: it is named on standard error
// and counted for the entry's status. Refused during play, the box shows it and nothing is counted.
TEST_F(ErrorLog, ASaveRefusedWhileQuittingIsNamedOnStandardErrorAndCounted) {
  ccGraphicalErrors = 1;
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  const std::string refused = "Could not create file 'profiles/Ann.dat': the folder moved";
  static int passes;
  passes = 0;
  ccModalLoopHook = [] {
    ++passes;
    platform::PushEvent(KeyDownEvent(platform::KEY_ENTER));
  };
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccSaveRefused(refused), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(passes, 1) << "the box was not shown in play";
  EXPECT_EQ(ccTakeRefusedQuitSaves(), 0);

  platform::PushEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
  for (const bool logged : {true, false}) {
    SCOPED_TRACE(logged);
    if (!logged) ccErrorPath += "gone/";
    testing::internal::CaptureStderr();
    EXPECT_EQ(ccSaveRefused(refused), 0);
    const std::string said = testing::internal::GetCapturedStderr();
    // Named once, whether the log took it or not.
    const std::size_t named = said.find("Error: " + refused + "\n");
    EXPECT_NE(named, std::string::npos) << said;
    EXPECT_EQ(said.find(refused, named + refused.size()), std::string::npos) << said;
    EXPECT_EQ(passes, 1) << "a box waited at the quit";
    EXPECT_EQ(ccTakeRefusedQuitSaves(), 1);
    EXPECT_EQ(ccTakeRefusedQuitSaves(), 0);
  }
  ccDisablePolledInput();
  EXPECT_TRUE(platform::TakeQuitRequest());
  platform::GraphicsClose();
}

TEST_F(ErrorLog, NonFatalReportReturnsAndNoLogWhenSwitchedOff) {
  EXPECT_EQ(ccRunTimeError("just a warning", 0), 0);
  EXPECT_NE(ReadAll(ccErrorPath + "ErrorLog.txt").find("just a warning"), std::string::npos);
  ccWriteErrors = 0;
  EXPECT_THROW(ccRunTimeError("unlogged", 1), ccFatalError);
  ccWriteErrors = 1;
  EXPECT_EQ(ReadAll(ccErrorPath + "ErrorLog.txt").find("unlogged"), std::string::npos);
}

TEST_F(ErrorLog, InGameBoxWaitsForFreshInputAndSwallowsIt) {
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  platform::PushEvent(KeyDownEvent(platform::KEY_SPACE));  // pending before the box: dropped
  static int passes;
  passes = 0;
  ccModalLoopHook = [] {
    if (++passes == 3) platform::PushEvent(KeyDownEvent(platform::KEY_ENTER));
  };
  EXPECT_THROW(ccRunTimeError("A long message that must wrap inside the box because it is far wider "
                              "than the six hundred pixels of its width\nand a second line",
                              1),
               ccFatalError);
  EXPECT_EQ(passes, 3);
  // The box's frame: its grey face and its shadow to the lower right.
  platform::PixmapRef face = platform::GrabPixmap(110, 300, 1, 1);
  EXPECT_EQ(face->ReadPixel(0, 0) & 0xFFFFFFu, 0x969696u);
  EXPECT_EQ(KeyHit(platform::KEY_ENTER), 0);  // the closing key does not reach the game
  ccDisablePolledInput();
  EXPECT_EQ(Keys[platform::KEY_ENTER], 0);
  platform::GraphicsClose();
}

namespace {

// A message box on a black screen, read back: the box is found by its outline's colour, the
// message by its cyan (blue above red, over the grey face or the black screen alike) and
// "<press any key>" by its green inside the box (green above blue).
struct BoxPicture {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // the outline, inclusive
  int text_top = 1 << 20, text_bottom = -1;                    // rows of the message's pixels
  int prompt_top = 1 << 20, prompt_bottom = -1;                // rows of "<press any key>"
  int lit_outside = 0;   // pixels outside the box that are not black
  int text_outside = 0;  // pixels of the message outside the box's inside
};

BoxPicture ReadBox() {
  BoxPicture box;
  const platform::PixmapRef screen = platform::GrabPixmap(0, 0, ScreenWidth, ScreenHeight);
  const auto at = [&](int x, int y) { return screen->ReadPixel(x, y) & 0xFFFFFFu; };
  for (int y = 0; y < ScreenHeight; ++y) {
    for (int x = 0; x < ScreenWidth; ++x) {
      if (at(x, y) != 0xDCDCC8u) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  for (int y = 0; y < ScreenHeight; ++y) {
    for (int x = 0; x < ScreenWidth; ++x) {
      const platform::Argb pixel = at(x, y);
      const int r = static_cast<int>(pixel >> 16), g = static_cast<int>((pixel >> 8) & 0xFF),
                b = static_cast<int>(pixel & 0xFF);
      const bool inside = x > box.left && x < box.right && y > box.top && y < box.bottom;
      const bool on_box = x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
      if (!on_box && pixel != 0) ++box.lit_outside;
      if (b > r + 8) {
        box.text_top = std::min(box.text_top, y);
        box.text_bottom = std::max(box.text_bottom, y);
        if (!inside) ++box.text_outside;
      }
      if (inside && g > b + 8) {
        box.prompt_top = std::min(box.prompt_top, y);
        box.prompt_bottom = std::max(box.prompt_bottom, y);
      }
    }
  }
  return box;
}

// Every line of a box inside it, and its message above "<press any key>".
void ExpectTextInside(const BoxPicture& box) {
  EXPECT_EQ(box.lit_outside, 0);
  EXPECT_EQ(box.text_outside, 0);
  EXPECT_GE(box.text_bottom, box.text_top) << "no message drawn";
  EXPECT_LT(box.text_bottom, box.prompt_top) << "the message runs into <press any key>";
  EXPECT_GT(box.prompt_top, box.top);
  EXPECT_LT(box.prompt_bottom, box.bottom);
}

// A save refused because the per-user folder was moved while the game ran, worded as the file
// layer and the profile word it, for a player whose home folder has a long name: the folder's
// path alone is wider than the box.
std::string RefusedSaveMessage() {
  const std::string folder =
      "/home/a-player-whose-home-folder-has-a-rather-long-name/.local/share/Marrowfen/Quillbrook/";
  return "Could not create file '" + folder + "profiles/Ann.dat': the folder " + folder +
         " was moved or removed while the game ran (this copy of the game writes only in the "
         "folder it started with)";
}

void ClearScreen() {
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
}

}  // namespace

// The box of a refused save keeps its text inside: the long paths are broken inside its width, and
// the box grows around its lines so that none is drawn over "<press any key>". Headless, with no
// input to come, the box is drawn once and counts as acknowledged.
TEST_F(ErrorLog, ARefusedSaveBoxHoldsItsLongPathsInsideAboveThePrompt) {
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  ClearScreen();
  EXPECT_EQ(ccRunTimeError(RefusedSaveMessage(), 0), 0);
  const BoxPicture box = ReadBox();
  EXPECT_EQ(box.right - box.left + 1, 600);
  EXPECT_GT(box.bottom - box.top + 1, 100);  // grown around its lines
  EXPECT_EQ(box.top + box.bottom, ScreenHeight - 1);  // still centred
  ExpectTextInside(box);
  platform::GraphicsClose();
}

// The other boxes keep their place and size; a text taller than the screen gets a box as tall as
// the screen holds, its shadow included.
TEST_F(ErrorLog, OtherBoxesKeepTheirSizeAndAnyBoxStaysOnTheScreen) {
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  std::string tall;
  for (int n = 1; n <= 60; ++n) tall += "line " + std::to_string(n) + "\n";
  const struct {
    std::string text;
    int width;
    int left, top, right, bottom;  // -1: anywhere on the screen
  } cases[] = {
      {"the course list is damaged", 600, 100, 250, 699, 349},
      {"one\ntwo\nthree\nfour", 600, 100, 250, 699, 349},  // four lines fill it exactly
      {"You cannot delete the only player.", 400, 200, 250, 599, 349},  // the player manager's
      {"Warning: this hole has less than 5 stock cards and could sometimes hang on "
       "initialisation!",
       750, 25, 250, 774, 349},  // the play screen's
      {tall, 600, 100, -1, 699, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    ClearScreen();
    EXPECT_EQ(ccDialogOK(c.text, c.width, 100), 0);
    const BoxPicture box = ReadBox();
    EXPECT_EQ(box.left, c.left);
    EXPECT_EQ(box.right, c.right);
    if (c.top >= 0) {
      EXPECT_EQ(box.top, c.top);
      EXPECT_EQ(box.bottom, c.bottom);
    } else {
      EXPECT_GT(box.bottom - box.top + 1, 500);
      EXPECT_GE(box.top, 0);
      EXPECT_LT(box.bottom + 4, ScreenHeight);  // the shadow too
    }
    ExpectTextInside(box);
  }
  platform::GraphicsClose();
}

TEST_F(ErrorLog, TheLogIsWrittenBeforeTheBoxShows) {
  // The box may never close (a hang, a kill): the log must already be on disk while it shows.
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  static std::string logged_while_showing;
  logged_while_showing.clear();
  ccModalLoopHook = [] {
    logged_while_showing = ReadAll(ccErrorPath + "ErrorLog.txt");
    platform::PushEvent(KeyDownEvent(platform::KEY_ENTER));
  };
  EXPECT_THROW(ccRunTimeError("the course list is damaged", 1), ccFatalError);
  EXPECT_NE(logged_while_showing.find("the course list is damaged"), std::string::npos);
  platform::GraphicsClose();
}

TEST_F(ErrorLog, AQuitEndsTheBoxAndStaysPendingForTheMainLoop) {
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  for (const int fatal : {1, 0}) {
    static int passes;
    passes = 0;
    ccModalLoopHook = [] {
      if (++passes == 2) platform::PushEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
      if (passes > 50) platform::PushEvent(KeyDownEvent(platform::KEY_ENTER));  // not reached
    };
    if (fatal != 0) {
      EXPECT_THROW(ccRunTimeError("fatal", 1), ccFatalError);
    } else {
      EXPECT_EQ(ccRunTimeError("warning", 0), 0);
    }
    EXPECT_EQ(passes, 2) << fatal;
    // The box switched back to the main loop's input and flushed the queue: the quit survives.
    ccDisablePolledInput();
    EXPECT_TRUE(platform::TakeQuitRequest()) << fatal;
    EXPECT_FALSE(platform::TakeQuitRequest()) << fatal;  // taken once
  }
  platform::GraphicsClose();
}

TEST_F(ErrorLog, AWarningBoxReturnsAndGivesTheEventsBack) {
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  ccModalLoopHook = [] {
    platform::Event click;
    click.kind = platform::EVENT_MOUSE_DOWN;
    click.data = 1;
    platform::PushEvent(click);
  };
  EXPECT_EQ(ccRunTimeError("only a warning", 0), 0);
  EXPECT_EQ(ccPolledInputState, 0);
  platform::GraphicsClose();
}

TEST_F(ErrorLog, LastResortHandlerPrefixesTheProgressCode) {
  // Headless, the alert is a line on standard error.
  struct Case {
    int debug_int;
    std::exception_ptr thrown;
    const char* shown;
  };
  const Case cases[] = {
      {1011, std::make_exception_ptr(std::runtime_error("boom")), ": (1011) boom\n"},
      {0, std::make_exception_ptr(std::runtime_error("boom")), ": boom\n"},
      {1011, std::make_exception_ptr(42), ": Unknown error\n"},
  };
  for (const Case& c : cases) {
    DebugInt = c.debug_int;
    testing::internal::CaptureStderr();
    EXPECT_EQ(HandleGeneralError(c.thrown), 0);
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
  }
  DebugInt = 0;
  EXPECT_EQ(HandleGeneralError(nullptr), 0);
}
