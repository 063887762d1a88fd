// The reward rules: opening courses when a goal is met, trophies, prizes, purses, course look-ups.
#include "progress/progress_rules.h"

#include <gtest/gtest.h>

#include <climits>

#include "progress/currency.h"
#include "progress/globals.h"
#include "progress/profile_hooks.h"
#include "progress_fixture.h"
#include "ui/dialog_ok.h"

namespace {

class RulesTest : public ProgressTest {
 protected:
  void SetUp() override {
    ProgressTest::SetUp();
    GameText->ReadText(
        "[TEXT]\r\nUnlocked Course Message\r\nOpened NN, won XX.\r\n"
        "[TEXT]\r\nAnd\r\nand\r\n"
        "[TEXT]\r\nTrophy Dialog Top\r\nWell done!\r\n"
        "[TEXT]\r\nTrophy Dialog Text 7\r\nYou won NN.\r\n"
        "[TEXT]\r\nTrophy 7\r\nThe Stopwatch Cup\r\n"
        "[TEXT]\r\nTrophy Dialog Prize\r\nPrize: XX\r\n");
    a_ = AddCourse("Alder Links");
    b_ = AddCourse("Birch Dunes");
    c_ = AddCourse("Cedar Bay");
    d_ = AddCourse("Dune Edge");
    b_->UnlockCode = UNLOCK_SCORE;
    b_->UnlockValue = 0;
    b_->UnlockPrize = 200;
    c_->UnlockCode = UNLOCK_DRIVE;
    c_->UnlockValue = 12;
    c_->UnlockPrize = 300;
    d_->UnlockCode = UNLOCK_TOKENS;
    d_->UnlockValue = 5000;
    d_->UnlockPrize = 50;
    TProfile profile;
    Save().Init(profile);
    Game->CurrentProfile = std::make_shared<TProfile>();
    Game->CurrentProfile->Score = 1000;
    Player().Score = 1000;
    GameGrid->LevelName = "Alder Links";
    saved_builder_ = RewardDialogBuilder;
    RewardDialogBuilder = [this](const TRewardDialog& d) {
      shown_.push_back(d);
      return std::make_shared<TDialogOK>();
    };
  }
  void TearDown() override {
    RewardDialogBuilder = saved_builder_;
    ProgressTest::TearDown();
  }

  std::shared_ptr<TCourse> a_, b_, c_, d_;
  std::vector<TRewardDialog> shown_;
  std::function<std::shared_ptr<TDialogOK>(const TRewardDialog&)> saved_builder_;
};

TEST_F(RulesTest, AGoalMetExactlyOpensTheNextCourseEitherWay) {
  EXPECT_EQ(CourseUnlock(UNLOCK_SCORE, 1, 0), 0);  // above the goal of at most 0
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_LOCKED);
  EXPECT_EQ(CourseUnlock(UNLOCK_DRIVE, 0, 0), 0);  // another course's code
  EXPECT_EQ(CourseUnlock(UNLOCK_SCORE, 0, 0), 1);
  EXPECT_EQ(Save().UnlockedCourses[0], COURSE_COMPLETED);
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_OPEN);
  EXPECT_EQ(Player().Score, 1200);
  EXPECT_EQ(Game->CurrentProfile->Score, 1200);
  EXPECT_EQ(Save().CareerStats->CareerEarnings->Value, 200);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].Text, "Opened Birch Dunes, won $200.");
  EXPECT_EQ(shown_[0].Header, "course_unlocked");
  EXPECT_EQ(shown_[0].Picture, Game->ImagePath + "dialogs/unlocked.png");
  EXPECT_EQ(shown_[0].X, 25);
  EXPECT_EQ(shown_[0].Y, 206);
  // The drive goal of the next course, at least 12 cards: 12 itself meets it.
  GameGrid->LevelName = "Birch Dunes";
  EXPECT_EQ(CourseUnlock(UNLOCK_DRIVE, 11, 1), 0);
  EXPECT_EQ(CourseUnlock(UNLOCK_DRIVE, 12, 1), 1);
  EXPECT_EQ(Save().UnlockedCourses[2], COURSE_OPEN);
}

TEST_F(RulesTest, NothingOpensOnATimedHoleTheLastCourseOrAnUnlistedOne) {
  Player().TimeLimit = 0.5f;
  EXPECT_EQ(CourseUnlock(UNLOCK_SCORE, -5, 0), 0);
  Player().TimeLimit = 0;
  GameGrid->LevelName = "Dune Edge";
  Save().UnlockedCourses[3] = COURSE_OPEN;
  EXPECT_EQ(CourseUnlock(UNLOCK_TOKENS, 9999, 1), 0);
  GameGrid->LevelName = "Gone Links";
  EXPECT_EQ(CourseUnlock(UNLOCK_SCORE, -5, 0), 0);
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(Player().Score, 1000);
}

TEST_F(RulesTest, TwoCoursesOpenTogetherWithTheirPrizesRanksAndItemsAdded) {
  c_->UnlockedBy = "Alder Links";
  b_->UnlockRank = 1;
  c_->UnlockItem = 1;
  Player().Unlocked = 1;
  EXPECT_EQ(CourseUnlock(UNLOCK_SCORE, -2, 0), 1);
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_OPEN);
  EXPECT_EQ(Save().UnlockedCourses[2], COURSE_OPEN);
  EXPECT_EQ(Player().Unlocked, 3);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].Text, "Opened Birch Dunes and Cedar Bay, won $500.");
  EXPECT_EQ(events_.RankUnlocked(), 1);
  EXPECT_EQ(events_.ItemUnlocked(), 1);
  EXPECT_EQ(Save().Rank, 1);
  EXPECT_EQ(Save().AvatarItemUnlocked, 1);
  // 500 for both courses and 500 for the new rank, which the rank dialog announces.
  EXPECT_EQ(Player().Score, 2000);
  EXPECT_EQ(Save().CareerStats->CareerEarnings->Value, 1000);
}

// A prize that would carry the cash past the largest int stops it there: in the player, in the
// profile and in the file.
TEST_F(RulesTest, APrizeAtTheIntLimitStopsTheCashThere) {
  auto& profile = *Game->CurrentProfile;
  profile.Name = "Tess";
  InstallProfileHooks(profile);
  profile.Score = INT_MAX - 5;
  Player().Score = INT_MAX - 5;
  ASSERT_EQ(CourseUnlock(UNLOCK_SCORE, 0, 0), 1);  // Birch Dunes opens with its prize of 200
  EXPECT_EQ(Player().Score, INT_MAX);
  EXPECT_EQ(profile.Score, INT_MAX);
  ASSERT_EQ(Player().ProfileWrite(&profile), 1);
  auto back = TProfile::Create("Tess");
  InstallProfileHooks(*back);
  ASSERT_EQ(back->Load(), 1);
  EXPECT_EQ(back->Score, INT_MAX);
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_OPEN);
}

TEST_F(RulesTest, ACourseOpenedBeforeIsNotPaidAgainAndRanksStopAtTheirLast) {
  Save().UnlockedCourses[1] = COURSE_COMPLETED;
  EXPECT_EQ(CourseUnlock(UNLOCK_SCORE, 0, 0), 0);
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_COMPLETED);
  EXPECT_EQ(Save().UnlockedCourses[0], COURSE_COMPLETED);  // the goal still completes this one
  EXPECT_EQ(Player().Score, 1000);
  EXPECT_TRUE(shown_.empty());

  Save().UnlockedCourses[0] = COURSE_OPEN;
  Save().UnlockedCourses[1] = COURSE_LOCKED;
  Save().Rank = 12;
  Save().AvatarItemUnlocked = 11;
  b_->UnlockRank = 1;
  b_->UnlockItem = 1;
  c_->UnlockedBy = "Alder Links";
  c_->UnlockRank = 1;
  EXPECT_EQ(CourseUnlock(UNLOCK_SCORE, 0, 0), 1);
  EXPECT_EQ(Save().Rank, 13);
  EXPECT_EQ(Save().AvatarItemUnlocked, 11);
}

TEST_F(RulesTest, ATrophyShowsItsCupAndPays500) {
  events_.trophyDialogs[2] = 7;
  Save().Male = 1;
  EXPECT_EQ(AwardTrophy(2), 0);
  EXPECT_EQ(events_.trophyDialogs[2], -1);
  EXPECT_EQ(Save().Trophies[7], 1);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].Picture, Game->ImagePath + "TrophyRoom/Trophy7.png");
  EXPECT_EQ(shown_[0].X, 26);
  EXPECT_EQ(shown_[0].Y, 240);
  EXPECT_EQ(shown_[0].Frame, "dialog_largerect");
  EXPECT_EQ(shown_[0].Text, "Well done! You won The Stopwatch Cup.\r\nPrize: $500");
  EXPECT_FLOAT_EQ(events_.UnlockedDialog()->PictureScale, 1.0f);
  EXPECT_EQ(Player().Score, 1500);
  EXPECT_EQ(Game->CurrentProfile->Score, 1500);
  EXPECT_EQ(Save().CareerStats->CareerEarnings->Value, 500);

  events_.trophyDialogs[0] = 0;
  Save().Male = 0;
  AwardTrophy(0);
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(shown_[1].Picture, Game->ImagePath + "TrophyRoom/Trophy0b.png");
  EXPECT_EQ(shown_[1].Y, 195);
  EXPECT_FLOAT_EQ(events_.UnlockedDialog()->PictureScale, 0.5f);
}

TEST_F(RulesTest, PursesHolesAndCourseWords) {
  EXPECT_EQ(GetPurse(1000), 1000);
  Save().AvatarItems[11] = 1;
  EXPECT_EQ(GetPurse(1000), 1150);
  EXPECT_EQ(GetPurse(3333), 3833);
  EXPECT_EQ(GetPurse(0), 0);
  Save().CourseName = "Birch Dunes";
  SetNewLevelHTP(3);
  EXPECT_EQ(Save().HTP, (30 + 4) - (20 + 2));
  SetNewLevelHTP(10);  // beyond the course's nine holes
  EXPECT_EQ(Save().HTP, 0);
  EXPECT_EQ(GetHTPString(3), "+3");
  EXPECT_EQ(GetHTPString(0), "E");
  EXPECT_EQ(GetHTPString(-2), "-2");
  EXPECT_EQ(CourseGetTypeInteger("beach"), 0);
  EXPECT_EQ(CourseGetTypeInteger("scot"), 9);
  EXPECT_EQ(CourseGetTypeInteger("Jungle"), 6);
  EXPECT_EQ(CourseGetTypeInteger(""), 0);
  EXPECT_EQ(CourseGetIndex("Cedar Bay"), 2);
  EXPECT_EQ(CourseGetIndex("cedar bay"), -1);
  EXPECT_EQ(CourseAtIndex(4), nullptr);
  EXPECT_EQ(GetCurrencySymbol(0), 10);
  Game->Region = 2;
  EXPECT_EQ(GetCurrencySymbol(6), 18);
  Game->Region = 3;
  EXPECT_EQ(GetCurrencySymbol(6), 0);
  EXPECT_EQ(GetCurrencyChar(), "");
}

}  // namespace

#include <set>

#include "gfx/channel_array.h"
#include "gfx/sound_bank.h"
#include "platform/audio.h"
#include "core/upper_layer.h"
#include "platform/system.h"

namespace {

// The game's channel pool without the screens: a pool of `count` channels at full volume each.
class ChannelPoolLayer : public TUpperLayer {
 public:
  std::shared_ptr<TChannelArray> CreateChannels(int count) override {
    auto pool = TChannelArray::Create(count);
    pool->MaxVol = static_cast<float>(count);
    return pool;
  }
  int KillChannels(TChannelArray& pool) override { return pool.Kill(); }
  int StopGameChannel(TChannelArray& pool, const std::shared_ptr<TGameChannel>& channel) override {
    return pool.StopGameChannel(channel);
  }
  platform::ChannelRef GameChannelAudio(TGameChannel& channel) override { return channel.Channel; }
};

TEST_F(RulesTest, TheCrowdCheersFromItsRangeAndAZeroTopMeansSix) {
  std::string error;
  ASSERT_TRUE(platform::AudioOpen("FreeAudio", &error)) << error;
  auto saved = sounds;
  sounds = std::make_shared<TSoundBank>();
  sounds->SetPath(platform::DataPrefix() + "Data/sound/");
  sounds->Ext = ".ogg";
  for (int i = 1; i <= 6; ++i) {
    sounds->Load("crowd_cheer" + std::to_string(i), 1, 1, "Crowd_Cheer" + std::to_string(i), 0);
    sounds->Load("crowd_groan" + std::to_string(i), 1, 1, "Crowd_Groan" + std::to_string(i), 0);
  }
  Game->Upper = std::make_shared<ChannelPoolLayer>();  // the game's channel pool
  Game->ChannelsCreate(16);
  auto heard = [](auto play) {
    std::set<std::string> names;
    for (int i = 0; i < 200; ++i) {
      platform::ClearAudioLog();
      auto channel = play();
      for (const auto& r : platform::AudioLog())
        if ((r.what == "cue" || r.what == "play") && !r.sound.empty()) names.insert(r.sound);
      // The clock stands still, so a sound never ends by itself: free its channel for the next.
      if (channel) Game->Channels->StopGameChannel(channel);
    }
    return names;
  };
  const auto all = heard([] { return PlayCheer(1, 0); });
  EXPECT_EQ(all.size(), 6u);
  EXPECT_TRUE(all.count("crowd_cheer6.ogg"));
  const auto big = heard([] { return PlayCheer(4, 6); });
  EXPECT_EQ(big, (std::set<std::string>{"crowd_cheer4.ogg", "crowd_cheer5.ogg", "crowd_cheer6.ogg"}));
  EXPECT_EQ(heard([] { return PlayGroan(); }).size(), 6u);
  Game->ChannelsKill();
  sounds = saved;
}

}  // namespace
