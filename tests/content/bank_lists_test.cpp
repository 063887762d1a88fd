#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "content/image_list.h"
#include "content/loading.h"
#include "content/sound_list.h"

namespace {

std::string BankName(const std::string& file) {
  std::string name = file.substr(file.find_last_of('/') == std::string::npos ? 0 : file.find_last_of('/') + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

TEST(SoundListTest, HundredAndSixDistinctSoundsWithTheirLoopsAndPitches) {
  const auto& list = GameSoundList();
  ASSERT_EQ(list.size(), 106u);
  std::set<std::string> names;
  int loops = 0;
  for (const auto& s : list) {
    EXPECT_TRUE(names.insert(BankName(s.Name.empty() ? s.File : s.Name)).second) << s.File;
    EXPECT_EQ(s.File.substr(s.File.size() - 4), ".ogg");
    EXPECT_FLOAT_EQ(s.Volume, 1.0f);
    loops += s.Flags;
  }
  EXPECT_EQ(loops, 3);
  // Family counters run from 1 up to and including the count.
  EXPECT_TRUE(names.count("CROWD_CHEER6"));
  EXPECT_TRUE(names.count("LONG_DRIVE_STRIKE5"));
  EXPECT_FALSE(names.count("CROWD_CHEER0"));
  EXPECT_FALSE(names.count("CARDS_WHOOSH5"));
  EXPECT_FALSE(names.count("LONG_DRIVE_STRIKE6"));
  EXPECT_TRUE(names.count("GOLFSHOP_BUY"));
  EXPECT_EQ(list.front().File, "crowd_cheer1.ogg");
  EXPECT_EQ(list.back().File, "flashbulb.ogg");
  for (const auto& s : list) {
    if (s.File == "card_slide.ogg" || s.File == "run_end.ogg") {
      EXPECT_FLOAT_EQ(s.Pitch, 1.5f);
    }
    if (s.File == "scorecard_appear.ogg") {
      EXPECT_FLOAT_EQ(s.Pitch, 1.2f);
    }
    if (s.File == "xray.ogg" || s.File == "card_shuffle.ogg" || s.File == "bonus_count.ogg") {
      EXPECT_EQ(s.Flags, 1) << s.File;
    }
  }
}

TEST(ImageListTest, SeventyTwoImagesAndEightyFiveSteps) {
  int top_left = 0, centred = 0, strips = 0, steps = 1;  // the pointer's step comes first
  int fonts_at = -1, flags7_at = -1, flags3_at = -1;
  std::set<std::string> names;
  const auto& list = GameImageList();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto& e = list[i];
    steps += e.BarSteps;
    switch (e.What) {
      case TImageListEntry::TOP_LEFT: ++top_left; break;
      case TImageListEntry::CENTRED: ++centred; break;
      case TImageListEntry::STRIP: ++strips; break;
      case TImageListEntry::FONTS: fonts_at = static_cast<int>(i); steps += 10; break;
      case TImageListEntry::DEFAULT_FLAGS:
        (e.Flags == 7 ? flags7_at : flags3_at) = static_cast<int>(i);
        break;
    }
    if (e.What == TImageListEntry::TOP_LEFT || e.What == TImageListEntry::CENTRED ||
        e.What == TImageListEntry::STRIP) {
      EXPECT_TRUE(names.insert(BankName(e.Name.empty() ? e.File : e.Name)).second) << e.File;
    }
  }
  EXPECT_EQ(top_left, 27);
  EXPECT_EQ(centred, 29);
  EXPECT_EQ(strips, 16);
  EXPECT_EQ(steps, 85);
  EXPECT_EQ(GameFontList().size(), 10u);
  // Fonts come before the mip-mapped particles, which come before the plain ones.
  EXPECT_LT(fonts_at, flags7_at);
  EXPECT_LT(flags7_at, flags3_at);
  EXPECT_EQ(list.back().File, "courseselector/small_padlock");
}

TEST(LoadingStepsTest, SeventyCoursesFillTheBarExactly) {
  const int own_steps = 6, sounds = 106, images = 85, title = 3;
  EXPECT_EQ(own_steps + 70 + sounds + images + title, LOADING_STEPS);
}

TEST(LoadingBallTest, RollsAlongTheTrackAndDropsAtTheEnd) {
  TLoadingBallPlace p = LoadingBallPlace(0, 270, 0);
  EXPECT_TRUE(p.visible);
  EXPECT_FLOAT_EQ(p.x, 202);
  EXPECT_FLOAT_EQ(p.y, 373);
  // The ball stays level while 361 pixels or less are behind it.
  p = LoadingBallPlace(266, 270, 0);
  EXPECT_FLOAT_EQ(p.y, 373);
  const float drops[][2] = {{267, 373.93333f}, {268, 375.28889f}, {269, 376.64444f}};
  for (const auto& d : drops) {
    p = LoadingBallPlace(static_cast<int>(d[0]), 270, 0);
    EXPECT_NEAR(p.y, d[1], 1e-3) << d[0];
  }
  EXPECT_NEAR(LoadingBallPlace(269, 270, 0).x, 566.644f, 1e-3);
  EXPECT_FALSE(LoadingBallPlace(270, 270, 1).visible);
  // No steps set yet: the ball waits at the start.
  EXPECT_FLOAT_EQ(LoadingBallPlace(3, 0, 0).x, 202);
}

}  // namespace
