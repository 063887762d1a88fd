// The two loading stages on the staged data folder, run once for the whole suite. Skips only when
// there is no data folder at all; a missing file, or a load that stops, fails every test.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "content/course_list.h"
#include "tests/support/harness.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "util/animation.h"
#include "ui/list_box.h"
#include "util/types.h"
#include "content/globals.h"
#include "content/image_list.h"
#include "content/loading.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/loading_bar.h"
#include "core/loading_screen.h"
#include "gfx/bitmap_font.h"
#include "gfx/shadow.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "tests/content/real_game.h"
#include "util/error.h"
#include "util/globals.h"

namespace {

struct LoadedRun {
  std::string skip;        // why the suite skips, "" when it ran
  std::string failure;     // why the stages could not be run through, "" when they were
  int drop_step = -1;      // bar step at which the ball-in-hole sound started
  int ball_draws = 0;      // draws of the hook that showed the ball
  int sounds_after_first = 0;
  int images_after_first = 0;
  std::string console;     // what the second stage printed
};

// Both stages as the game runs them, watching the ball hook for the step at which the ball drops.
void RunBothStages(LoadedRun& r, const std::string& prefix) {
  StartGameForLoading(prefix);
  r.sounds_after_first = sounds->Count();
  r.images_after_first = images->Count();
  auto hook = Game->LoadingScreen->CustomDrawFunction;
  Game->LoadingScreen->CustomDrawFunction = [hook, &r] {
    const TLoadingBar& bar = *Game->LoadingScreen->LoadingBar;
    const int played = BallInHolePlayed;
    if (bar.Finished == 0) ++r.ball_draws;
    hook();
    if (played == 0 && BallInHolePlayed != 0) r.drop_step = bar.CurrentStep;
    return 0;
  };
  platform::ClearAudioLog();
  testing::internal::CaptureStdout();
  try {
    LoadData2();
  } catch (...) {
    r.console = testing::internal::GetCapturedStdout();
    throw;
  }
  r.console = testing::internal::GetCapturedStdout();
}

// Runs the stages once per process; the draw hook keeps writing into this same record afterwards.
LoadedRun& Loaded() {
  static LoadedRun run;
  static bool ran = false;
  if (ran) return run;
  ran = true;
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) {
    run.skip = "no data folder at " + prefix + "Data (build the data target)";
    return run;
  }
  const std::string missing = FirstMissingLoadingFile(prefix);
  if (!missing.empty()) {
    run.failure = "the data folder lacks " + missing;
    return run;
  }
  try {
    RunBothStages(run, prefix);
  } catch (const std::exception& error) {
    run.failure = std::string("loading stopped: ") + error.what();
  }
  return run;
}

class RealLoadingTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!Loaded().skip.empty()) GTEST_SKIP() << Loaded().skip;
    if (!Loaded().failure.empty()) FAIL() << Loaded().failure;
  }
};

TEST_F(RealLoadingTest, TheBarReachesItsLastStepAsTheBallDrops) {
  const TLoadingBar& bar = *Game->LoadingScreen->LoadingBar;
  EXPECT_EQ(bar.CurrentStep, LOADING_STEPS);
  EXPECT_EQ(bar.Finished, 1);
  EXPECT_EQ(Loaded().drop_step, LOADING_STEPS);
  EXPECT_EQ(BallInHolePlayed, 1);
  int ball_sounds = 0;
  for (const auto& record : platform::AudioLog()) {
    // A pooled play cues the sound, sets the channel up and resumes it.
    if ((record.what == "play" || record.what == "cue") && record.sound == "ballinhole.ogg") {
      ++ball_sounds;
    }
  }
  EXPECT_EQ(ball_sounds, 1);
  // Drawing the finished screen again plays nothing more.
  Game->LoadingScreen->Draw();
  EXPECT_EQ(BallInHolePlayed, 1);
  EXPECT_EQ(CourseList->size(), 70u);
  EXPECT_EQ(Game->MaxLevels, 70);
}

TEST_F(RealLoadingTest, TheSoundBankHoldsItsHundredAndEightNames) {
  EXPECT_EQ(Loaded().sounds_after_first, 2);
  ASSERT_EQ(sounds->Count(), 108);
  // Every sound is found by its name, whatever its place in the bank.
  for (const char* name : {"ButtonClick", "ButtonMO", "Crowd_Cheer1", "Crowd_Groan6", "flashbulb"})
    EXPECT_NE(sounds->Find(name), nullptr) << name;
  for (const char* name : {"Sand_Wedge_Used", "SAND_WEDGE_USED", "sand_wedge_used"}) {
    EXPECT_EQ(sounds->Find(name), sounds->Find("SAND_WEDGE_USED")) << name;
  }
  EXPECT_TRUE(sounds->Find("xray")->sound->Loops());
  EXPECT_FALSE(sounds->Find("flashbulb")->sound->Loops());
  EXPECT_FLOAT_EQ(sounds->Find("card_slide")->pitch, 1.5f);
  EXPECT_FLOAT_EQ(sounds->Find("selector_zoomout")->pitch, 1.2f);
  EXPECT_NE(sounds->Find("golfshop_buy"), nullptr);
}

TEST_F(RealLoadingTest, TheImageBankHoldsItsSeventyThreeImagesWithStripsAndHandles) {
  EXPECT_EQ(Loaded().images_after_first, 1);
  ASSERT_EQ(images->Count(), 73);
  EXPECT_NE(images->Find("paused"), nullptr);
  const struct {
    const char* name;
    int frames, w, h;
  } strips[] = {{"52_CARDS_BLUE", 52, 68, 102},          {"52_CARDS_WHITE", 52, 68, 102},
                {"IRONS", 8, 68, 102},                   {"FIRSTFRAMES", 29, 118, 172},
                {"HOLE_NUMBERS_BIG", 13, 24, 38},        {"HOLE_NUMBERS_SMALL", 2, 23, 20},
                {"HOLE_MARKER_PAR_NUMBERS", 15, 24, 32}, {"SCORE_SIGN_NUMBERS_SMALL", 17, 14, 20},
                {"LONG_DRIVE_FONT", 10, 30, 52},         {"LONG_DRIVE_FONT_GLOW", 10, 30, 52},
                {"MULTIPLIER_FONT", 12, 14, 20},         {"DIGITAL_READOUT_FONT", 11, 10, 20},
                {"DIGITAL_READOUT_FONT_RED", 11, 10, 20}, {"GREEN_PAR_FONT", 10, 20, 20},
                {"HANDWRITING_GRAY", 19, 20, 32},        {"HANDWRITING_RED", 12, 20, 32}};
  for (const auto& s : strips) {
    const auto image = images->Find(s.name);
    ASSERT_NE(image, nullptr) << s.name;
    EXPECT_EQ(image->Frames(), s.frames) << s.name;
    EXPECT_EQ(image->w, s.w) << s.name;
    EXPECT_EQ(image->h, s.h) << s.name;
    EXPECT_EQ(image->midhandled, 0) << s.name;
    EXPECT_FLOAT_EQ(image->image->HandleX(), 0) << s.name;
    EXPECT_FLOAT_EQ(image->image->HandleY(), 0) << s.name;
  }
  EXPECT_EQ(images->Find("small_padlock")->midhandled, 0);
  EXPECT_EQ(images->Find("spincard")->midhandled, 1);
  EXPECT_EQ(images->Find("card_back")->midhandled, 0);
  // Particles loaded under default flags 7 are mip-mapped; those after them are not.
  EXPECT_NE(images->Find("heart")->image->Flags() & 4, 0);
  EXPECT_EQ(images->Find("token")->image->Flags() & 4, 0);
  int default_flags = 3;
  int mipmapped = 0;
  for (const auto& entry : GameImageList()) {
    if (entry.What == TImageListEntry::DEFAULT_FLAGS) default_flags = entry.Flags;
    if (entry.What != TImageListEntry::CENTRED || entry.File.rfind("cards/", 0) == 0) continue;
    const std::string file = entry.File.substr(entry.File.find('/') + 1);
    const auto image = images->Find(file);
    ASSERT_NE(image, nullptr) << entry.File;
    EXPECT_EQ((image->image->Flags() & 4) != 0, default_flags == 7) << entry.File;
    mipmapped += (image->image->Flags() & 4) != 0;
  }
  EXPECT_EQ(mipmapped, 11);
  EXPECT_EQ(images->Find("hole_marker_par_numbers")->image->Flags() & 1, 0);
  EXPECT_EQ(platform::GetDefaultImageFlags(), 3);
  EXPECT_TRUE(platform::GetAutoMidHandle());
  for (int i = 0; i < 4; ++i) EXPECT_NE(PointerParticle[i], nullptr);
}

TEST_F(RealLoadingTest, TheTenFontsAreMade) {
  for (const auto& font : {HintHeaderFont, LevelNameFont, BallFont, HintFont, WildshotFont,
                           DialogFont, CourseNameFont, GoalTextFont, NewspaperFont, StatsFont}) {
    EXPECT_NE(font, nullptr);
  }
  EXPECT_DOUBLE_EQ(HintHeaderFont->CharGap, 1.0);
  EXPECT_DOUBLE_EQ(CourseNameFont->CharGap, 1.0);
  EXPECT_DOUBLE_EQ(HintFont->CharGap, 0.0);
  // The gap of 1 widens a text of n glyphs by n - 1 units of the font's scale.
  for (const auto& font : {HintHeaderFont, CourseNameFont}) {
    const double wide = font->StringWidth("Quill");
    font->CharGap = 0;
    const double narrow = font->StringWidth("Quill");
    font->CharGap = 1.0;
    EXPECT_NEAR(wide - narrow, 4 * font->ScaleFactor, 1e-9);
  }
}

TEST_F(RealLoadingTest, TheConsoleLinesGiveTheFontAndBankMemory) {
  int font_bytes = 0;
  for (const auto& font : {HintHeaderFont, LevelNameFont, BallFont, HintFont, WildshotFont,
                           DialogFont, CourseNameFont, GoalTextFont, NewspaperFont, StatsFont}) {
    font_bytes += font->CalcVRAM();
  }
  const std::string& console = Loaded().console;
  EXPECT_NE(console.find("BitmapFonts: " + std::to_string(font_bytes / 1024) + "\n"), std::string::npos)
      << console;
  EXPECT_NE(console.find("ImageBank: " + std::to_string(images->CalcRAM()) + "  " +
                         std::to_string(images->CalcVRAM()) + "\n"),
            std::string::npos)
      << console;
  // The fonts come before the rest of the bank's images, so their line comes first.
  EXPECT_LT(console.find("BitmapFonts: "), console.find("ImageBank: "));
}

TEST_F(RealLoadingTest, LeavingTheLoadingScreenDropsTheBallButKeepsItsSounds) {
  EXPECT_NE(Ball, nullptr);
  LoadingScreenCustomKill();
  EXPECT_EQ(Ball, nullptr);
  EXPECT_EQ(BallMask, nullptr);
  EXPECT_NE(BallHitSound, nullptr);
  EXPECT_NE(BallInHoleSound, nullptr);
}

// A copy of the data folder made of links, without one sound: the second stage must stop on it.
class RealLoadingFaultTest : public testing::Test {
 protected:
  // Runs both stages over the copy without "flashbulb.ogg", the last sound of the bank, and ends
  // the process: status 0 when the load stopped fatally on that sound, with the bar and the sound
  // bank where they must be and the error log written.
  static void LoadWithoutTheLastSound(const std::string& prefix) {
    std::string root = (std::filesystem::temp_directory_path() / "quill-nosound-XXXXXX").string();
    if (mkdtemp(root.data()) == nullptr) std::exit(10);
    MirrorDataFolder(prefix, root, {"Data", "sound", "flashbulb.ogg"});
    int status = 11;
    try {
      StartGameForLoading(root + "/");
      LoadData2();
    } catch (const ccFatalError& error) {
      const std::string message = error.what();
      const int step = Game->LoadingScreen->LoadingBar->CurrentStep;
      const auto log = platform::ReadTextFile(ccErrorPath + "ErrorLog.txt");
      std::fprintf(stderr, "%s\nbar step %d, sound bank %d\n", message.c_str(), step, sounds->Count());
      // Four steps of the stage and 70 courses before the sounds; 105 of the 106 sounds load.
      const bool ok = message == "Error loading sample " + Game->SoundPath + "flashbulb.ogg" &&
                      step == 4 + 70 + 105 && sounds->Count() == 2 + 105 && log &&
                      log->find(message) != std::string::npos;
      status = ok ? 0 : 12;
    }
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    std::exit(status);
  }
};

TEST_F(RealLoadingFaultTest, AMissingSoundStopsTheLoadAfterTheSoundsBeforeIt) {
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) GTEST_SKIP() << "no data folder at " << prefix << "Data";
  // A fresh process: the load replaces the game's globals, which the other suites here read.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(LoadWithoutTheLastSound(prefix), testing::ExitedWithCode(0),
              "Error loading sample .*flashbulb\\.ogg");
}

}  // namespace

// The course selector lists the courses in the wild shot font in a box 195 pixels wide: no
// committed course name may run past the box's right edge, however long it is.
TEST_F(RealLoadingTest, NoCourseNameRunsOutOfTheCourseSelectorsList) {
  TCourseListOptions options;
  options.DataPrefix = platform::DataPrefix();
  TCourseList courses;
  const TLoadResult result = ReadCourseList(options, courses);
  ASSERT_TRUE(result.Ok()) << result.Report();
  ASSERT_FALSE(courses.empty());
  auto list = TListBox::Create(0, 5, 0, 0, 500);
  list->SetupFont(nullptr, TColor::Create(172, 122, 2, 1.0f), TShadow::Create(2, 2, 0.4f), WildshotFont,
                  TColor::Create(0, 0, 0, 1.0f));
  list->SetupBox(nullptr);
  list->SetCoords(64, 125, 195, 319);
  list->CalcLineHeight();
  const int right = 64 + 195;
  for (std::size_t first = 0; first < courses.size(); first += static_cast<std::size_t>(list->DisplayLines)) {
    list->Strings->clear();
    for (std::size_t i = first; i < courses.size() && i < first + static_cast<std::size_t>(list->DisplayLines); ++i) {
      list->Strings->push_back(courses[i]->Name);
    }
    list->TopIndex = 0;
    list->Index = -1;
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    list->Draw();
    for (int y = 125; y < 125 + 319; ++y) {
      for (int x = right; x < right + 60; ++x) {
        ASSERT_EQ(quill_test::ScreenPixel(x, y) & 0xFFFFFFu, 0u)
            << "a name among courses " << first + 1 << "... runs past the list at " << x << ", " << y;
      }
    }
  }
}

// The hint scroll's headings are drawn across the scroll's dark page in the hint header font; a
// heading wider than the page is drawn smaller. Drawn with and without its heading, a hint may differ
// only within the page's columns.
TEST_F(RealLoadingTest, EveryHintHeadingStaysOnTheScrollsPage) {
  ASSERT_TRUE(HintScroll);
  ASSERT_EQ(HintScroll->LoadTextData(), 0);
  ASSERT_FALSE(HintScroll->Hints.empty());
  const auto grab = [] {
    return platform::GrabPixmap(0, 0, platform::GraphicsWidth(), platform::GraphicsHeight());
  };
  const auto draw = [] {
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    HintScroll->Draw();
  };
  const int left = 400 - 172, right = 400 + 172;
  const std::vector<std::vector<std::string>> hints = HintScroll->Hints;
  // The game asks for hints 1 to 10.
  for (std::size_t n = 0; n < 10; ++n) {
    if (n >= hints.size() || hints[n].size() < 2) continue;
    HintScroll->LoadSpecial(static_cast<int>(n) + 1, 0);
    HintScroll->Show(0);
    HintScroll->Unroll->Active = 0;
    HintScroll->Bounces = 0;
    HintScroll->TopY = static_cast<float>(HintScroll->FinalY);
    draw();
    const auto with = grab();
    HintScroll->Text[0] = HintScroll->Text[1] = "";
    draw();
    const auto without = grab();
    HintScroll->Hide();
    ASSERT_TRUE(with && without);
    int outside = 0;
    for (int y = 0; y < with->Height(); ++y) {
      for (int x = 0; x < with->Width(); ++x) {
        if ((x < left || x >= right) && with->ReadPixel(x, y) != without->ReadPixel(x, y)) ++outside;
      }
    }
    EXPECT_EQ(outside, 0) << "the heading of hint " << n + 1 << " (\"" << hints[n][0] << "\") runs off the page";
  }
}
