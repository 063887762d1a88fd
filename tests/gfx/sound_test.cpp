#include <gtest/gtest.h>

#include "gfx/ambient_sound.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "gfx_test_support.h"
#include "platform/system.h"
#include "util/error.h"

namespace {

// A sound of 1 s on the silent, recording audio layer: it "plays" for one second of the manual
// clock.
class SoundTest : public gfx_test::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    dir_ = gfx_test::ScratchFolder("sounds");
    gfx_test::WriteWav(dir_ + "crowd_cheer3.wav", 1000);
    gfx_test::WriteWav(dir_ + "newspaper/0.wav", 1000);
    gfx_test::WriteWav(dir_ + "newspaper/1.wav", 1000);
    bank_.SetPath(dir_);
    bank_.Load("crowd_cheer3", 1.5f, 1.0f, "", 0);
    sound_ = bank_.Find("crowd_cheer3");
    platform::ClearAudioLog();
  }
  // Starts a sound directly on a pool channel, outside the pool's own choice.
  void Occupy(const TGameChannelRef& channel) { channel->Channel->Play(sound_->sound, false); }

  std::string dir_;
  TSoundBank bank_;
  TGameSoundRef sound_;
};

TEST_F(SoundTest, BankLooksUpInAnyCaseAndReportsMissingNames) {
  EXPECT_EQ(bank_.Find("CROWD_cheer3"), sound_);
  EXPECT_FLOAT_EQ(sound_->pitch, 1.5f);
  try {
    bank_.Find("bonus_count");
    FAIL() << "expected a fatal error";
  } catch (const ccFatalError& e) {
    EXPECT_STREQ(e.what(), "Sound 'BONUS_COUNT' was not found in the SoundBank");
  }
  bank_.Load("newspaper/0.wav", 1.0f, 1.0f, "crowd_cheer3", 0);  // same name, loaded later
  EXPECT_EQ(bank_.Find("crowd_cheer3"), sound_);
}

TEST_F(SoundTest, PoolHandsOutChannelsRoundRobin) {
  auto pool = TChannelArray::Create(4);
  EXPECT_EQ(pool->Current, pool->Channels.back());
  std::vector<platform::ChannelRef> order;
  for (int i = 0; i < 4; ++i) order.push_back(pool->PlayGameSound(sound_, nullptr, 1, 0)->Channel);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(order[i], pool->Channels[i]->Channel) << i;
  // All four are busy now: nothing is free.
  EXPECT_EQ(pool->PlayGameSound(sound_, nullptr, 1, 0), nullptr);
  platform::AdvanceManualClock(1500);  // every sound has ended
  EXPECT_EQ(pool->PlayGameSound(sound_, nullptr, 1, 0)->Channel, order[0]);
  EXPECT_EQ(pool->Count(), 4);
  pool->Kill();
  EXPECT_EQ(pool->Count(), 0);
}

TEST_F(SoundTest, SearchSkipsTheCurrentChannelReservedOnesAndHonoursPlayWhenFinished) {
  auto pool = TChannelArray::Create(4);
  pool->Current = pool->Channels[0];
  for (int i = 1; i < 4; ++i) Occupy(pool->Channels[i]);
  EXPECT_EQ(pool->GetChannel(), nullptr);  // channel 1 is silent but is where the search began
  EXPECT_EQ(pool->Current, pool->Channels[0]);

  platform::AdvanceManualClock(1500);
  pool->Channels[1]->Reserved = 1;
  EXPECT_EQ(pool->GetChannel(), pool->Channels[2]);

  Occupy(pool->Channels[3]);
  pool->Channels[3]->PlayWhenFinished = 0;
  EXPECT_EQ(pool->GetChannel(), pool->Channels[3]);  // may be cut off while playing
}

TEST_F(SoundTest, PlayedVolumeIsTheSoundVolumeTimesTheCallersVolume) {
  Game->SoundVolume = 80;
  auto pool = TChannelArray::Create(16);
  pool->MaxVol = 16;
  auto channel = pool->PlayGameSound(sound_, nullptr, 0.5f, 0.0f);
  ASSERT_NE(channel, nullptr);
  EXPECT_FLOAT_EQ(sound_->volume, 0.5f);
  EXPECT_FLOAT_EQ(channel->OriginalVolume, 0.5f);
  EXPECT_NEAR(channel->Channel->Volume(), 0.4f, 1e-6);
  // What the audio layer was told: the volume set on the cued sound, then the start.
  float lastVolume = -1;
  bool resumed = false;
  for (const auto& rec : platform::AudioLog()) {
    if (rec.sound.find("crowd_cheer3") == std::string::npos) continue;
    if (rec.what == "volume") lastVolume = rec.value;
    if (rec.what == "resume") resumed = true;
  }
  EXPECT_NEAR(lastVolume, 0.4f, 1e-6);
  EXPECT_TRUE(resumed);
}

TEST_F(SoundTest, BalancingTurnsEveryChannelDownPastMaxVol) {
  auto pool = TChannelArray::Create(4);  // MaxVol stays 1.5
  EXPECT_FLOAT_EQ(pool->BalanceVolumes(1), 1.0f);
  pool->PlayGameSound(sound_, nullptr, 1, 0);
  EXPECT_FLOAT_EQ(sound_->volume, 1.0f);
  pool->PlayGameSound(sound_, nullptr, 1, 0);
  EXPECT_FLOAT_EQ(sound_->volume, 0.75f);
  pool->PlayGameSound(sound_, nullptr, 1, 0);
  EXPECT_FLOAT_EQ(sound_->volume, 0.5f);
  EXPECT_NEAR(pool->Channels[0]->Channel->Volume(), 0.5f, 1e-6);  // rebalanced with the others
}

TEST_F(SoundTest, StopGameChannelSwapsInAFreshChannel) {
  auto pool = TChannelArray::Create(4);
  auto held = pool->PlayGameSound(sound_, nullptr, 1, 0);
  pool->StopGameChannel(held);
  EXPECT_EQ(pool->Count(), 4);
  for (const auto& c : pool->Channels) EXPECT_NE(c, held);
  EXPECT_FALSE(held->Channel->Playing());
  EXPECT_EQ(pool->Current, pool->Channels.back());
  EXPECT_EQ(pool->GetChannel(), pool->Channels.front());
}

TEST_F(SoundTest, ChannelByIndexCountsFromOneAndStaysInsideThePool) {
  auto pool = TChannelArray::Create(3);
  EXPECT_EQ(pool->ChannelByIndex(-5), pool->Channels[0]);
  EXPECT_EQ(pool->ChannelByIndex(1), pool->Channels[0]);
  EXPECT_EQ(pool->ChannelByIndex(3), pool->Channels[2]);
  EXPECT_EQ(pool->ChannelByIndex(4), nullptr);
  EXPECT_EQ(pool->ChannelByIndex(1000), nullptr);
  pool->Kill();
  EXPECT_EQ(pool->ChannelByIndex(1), nullptr);
}

TEST_F(SoundTest, AHeldChannelStopsOnlyItsOwnSound) {
  auto pool = TChannelArray::Create(2);
  auto dialogs = pool->PlayGameSound(sound_, nullptr, 1, 0);  // a dialog keeps this one to fade
  platform::AdvanceManualClock(1500);                          // its sound ends
  pool->PlayGameSound(sound_, nullptr, 1, 0);
  auto other = pool->PlayGameSound(sound_, nullptr, 1, 0);  // the pool reuses the dialog's slot
  ASSERT_NE(other, nullptr);
  EXPECT_NE(other, dialogs);
  pool->StopGameChannel(dialogs);  // the dialog closes
  EXPECT_TRUE(other->Channel->Playing());
  EXPECT_EQ(pool->Count(), 2);
}

TEST_F(SoundTest, AmbientSoundsRollOncePerInterval) {
  Game->Channels = TChannelArray::Create(16);
  TAmbientSounds ambient;
  ambient.Init(1000, 100);
  EXPECT_EQ(ambient.SoundCounterMax, 200);
  ambient.Fill(dir_ + "newspaper/", 2, ".wav");
  EXPECT_EQ(ambient.TotalSounds, 2);
  EXPECT_EQ(ambient.Sounds[1]->name, "1");
  Ticks(199, [&] { ambient.Manage(); });
  EXPECT_EQ(Game->Channels->CountPlaying(), 0);
  ambient.Manage();
  EXPECT_EQ(Game->Channels->CountPlaying(), 1);

  Delta = 0.8f;  // the remainder below 0 carries into the next interval
  ambient.SoundCounter = 0.5f;
  ambient.Manage();
  EXPECT_NEAR(ambient.SoundCounter, 199.7f, 1e-4);

  const int before = Game->Channels->CountPlaying();
  TAmbientSounds never;
  never.Init(5, 0);
  never.AddSound(sound_);
  Ticks(100, [&] { never.Manage(); });
  EXPECT_EQ(Game->Channels->CountPlaying(), before);
  Game->Channels->Kill();
}

TEST_F(SoundTest, AmbientSoundsRefuseAnOverflowAndAnEmptySetIsSilent) {
  TAmbientSounds ambient;
  for (int i = 0; i < TAmbientSounds::MAX_SOUNDS; ++i) EXPECT_EQ(ambient.AddSound(sound_), 0);
  EXPECT_EQ(ambient.AddSound(sound_), -1);
  EXPECT_EQ(ambient.TotalSounds, TAmbientSounds::MAX_SOUNDS);

  Game->Channels = TChannelArray::Create(4);  // a sound would be heard if one were chosen
  TAmbientSounds empty;
  empty.Init(5, 100);
  Ticks(10, [&] { empty.Manage(); });  // no sounds: nothing to play, no crash
  ambient.Kill();
  ambient.Init(5, 100);
  Ticks(10, [&] { ambient.Manage(); });
  EXPECT_EQ(Game->Channels->CountPlaying(), 0);
  Game->Channels->Kill();
}

}  // namespace
