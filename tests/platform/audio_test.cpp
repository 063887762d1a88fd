#include "platform/audio.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/files.h"

#include "platform/system.h"
#include "tests/platform/test_media.h"

namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::path(std::getenv("XDG_DATA_HOME")) / name).string();
}

TEST(AudioTest, SilentBackEndDecodesAndRecordsWhatIsPlayed) {
  ASSERT_TRUE(platform::AudioOpen("FreeAudio", nullptr));
  EXPECT_TRUE(platform::AudioIsSilent());
  ASSERT_TRUE(test_media::WriteWav(TempPath("Click.wav"), 200));
  ASSERT_TRUE(test_media::WriteOgg(TempPath("tune.ogg"), 300));
  auto click = platform::LoadSound(TempPath("click.WAV"));
  auto tune = platform::LoadSound(TempPath("tune.ogg"), platform::SOUND_LOOP);
  ASSERT_NE(click, nullptr);
  ASSERT_NE(tune, nullptr);
  EXPECT_NEAR(click->LengthSeconds(), 0.2, 0.01);
  EXPECT_NEAR(tune->LengthSeconds(), 0.3, 0.02);
  EXPECT_TRUE(tune->Loops());
  EXPECT_EQ(platform::LoadSound(TempPath("missing.ogg")), nullptr);

  platform::ClearAudioLog();
  platform::SetManualClock(0);
  auto channel = platform::AllocChannel();
  channel->Play(click, true);
  channel->SetVolume(0.4f);
  channel->SetPan(-2.0f);
  channel->Resume();
  EXPECT_TRUE(channel->Playing());
  platform::AdvanceManualClock(150);
  EXPECT_TRUE(channel->Playing());
  channel->Pause();
  platform::AdvanceManualClock(1000);  // paused time does not count
  EXPECT_TRUE(channel->Playing());
  channel->Resume();
  platform::AdvanceManualClock(60);
  EXPECT_FALSE(channel->Playing());

  auto music = platform::PlaySound(tune);
  platform::AdvanceManualClock(10000);
  EXPECT_TRUE(music->Playing());
  music->Stop();
  EXPECT_FALSE(music->Playing());

  const auto& log = platform::AudioLog();
  ASSERT_GE(log.size(), 5u);
  EXPECT_EQ(log[0].what, "cue");
  EXPECT_EQ(log[0].sound, "Click.wav");
  EXPECT_EQ(log[1].what, "volume");
  EXPECT_FLOAT_EQ(log[1].value, 0.4f);
  EXPECT_EQ(log[2].what, "pan");
  EXPECT_FLOAT_EQ(log[2].value, -1.0f);
  EXPECT_EQ(log[3].what, "resume");
  EXPECT_EQ(log.back().what, "stop");
  EXPECT_EQ(log.back().sound, "tune.ogg");
}

// The real back-end with no usable OpenAL output at all. Exits 0 when the layer went silent with a
// warning and an error, and sounds still load and play into nothing.
[[noreturn]] void OpenWithoutAnyOutput() {
  setenv("ALSOFT_DRIVERS", "no-such-output", 1);
  platform::SetHeadless(false);
  std::string error;
  testing::internal::CaptureStderr();
  const bool opened = platform::AudioOpen("FreeAudio", &error);
  const std::string warning = testing::internal::GetCapturedStderr();
  if (opened || !platform::AudioIsSilent()) std::_Exit(1);
  if (warning.find("Warning") == std::string::npos || error.empty()) std::_Exit(2);
  if (!test_media::WriteWav(TempPath("beep.wav"), 50)) std::_Exit(3);
  auto beep = platform::LoadSound(TempPath("beep.wav"));
  if (beep == nullptr) std::_Exit(4);
  auto channel = platform::PlaySound(beep);
  channel->SetRate(2.0f);
  channel->Stop();
  platform::AudioClose();
  std::_Exit(0);
}

TEST(AudioTest, NoDeviceMeansSilenceNotAFailure) {
  // OpenAL reads its driver list once per process, so the case runs in a fresh process of its own
  // (the test program started again), whatever audio the tests before it opened.
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(OpenWithoutAnyOutput(), testing::ExitedWithCode(0), "");
  GTEST_FLAG_SET(death_test_style, style);
}

// OpenAL Soft's null output: a real device that plays into nothing.
TEST(AudioTest, OpenAlChannelsFollowPlayPauseAndStop) {
  setenv("ALSOFT_DRIVERS", "null", 1);
  platform::SetHeadless(false);
  if (!platform::AudioOpen("OpenAL Generic Software", nullptr)) {
    platform::SetHeadless(true);
    GTEST_SKIP() << "OpenAL's null output is not available";
  }
  EXPECT_FALSE(platform::AudioIsSilent());
  ASSERT_TRUE(test_media::WriteWav(TempPath("long.wav"), 2000));
  ASSERT_TRUE(test_media::WriteOgg(TempPath("loop.ogg"), 300));
  auto long_sound = platform::LoadSound(TempPath("long.wav"));
  auto loop = platform::LoadSound(TempPath("loop.ogg"), platform::SOUND_LOOP);
  ASSERT_NE(long_sound, nullptr);
  ASSERT_NE(loop, nullptr);

  auto channel = platform::AllocChannel();
  channel->Play(long_sound, true);
  EXPECT_TRUE(channel->Playing());  // cued
  channel->SetVolume(0.5f);
  channel->SetPan(0.3f);
  channel->SetRate(1.5f);
  channel->Resume();
  EXPECT_TRUE(channel->Playing());
  channel->Pause();
  EXPECT_TRUE(channel->Playing());
  channel->Stop();
  EXPECT_FALSE(channel->Playing());
  EXPECT_FLOAT_EQ(channel->Volume(), 0.5f);

  // Channels let go of: the one-shot plays on detached, the loop stops; neither crashes later.
  platform::PlaySound(long_sound);
  platform::PlaySound(loop);
  auto again = platform::PlaySound(loop);
  EXPECT_TRUE(again->Playing());
  long_sound.reset();
  again.reset();
  platform::AudioClose();
  EXPECT_TRUE(platform::AudioIsSilent());
  platform::SetHeadless(true);
}

// A WAV whose chunk header claims more bytes than the file holds is refused before it is decoded
// (the decoder would first allocate what the header claims: gigabytes for a few damaged bytes).
TEST(AudioTest, WavChunksLongerThanTheFileAreRefused) {
  ASSERT_TRUE(test_media::WriteWav(TempPath("whole.wav"), 50));
  std::ifstream in(TempPath("whole.wav"), std::ios::binary);
  std::vector<unsigned char> whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(whole.size(), 44u);
  ASSERT_NE(platform::LoadSound(TempPath("whole.wav")), nullptr);
  // Find the data chunk's size field and claim ever more than is there.
  std::size_t data = 12;
  while (data + 8 <= whole.size() && std::memcmp(&whole[data], "data", 4) != 0) {
    data += 8 + (whole[data + 4] | whole[data + 5] << 8 | whole[data + 6] << 16 | whole[data + 7] << 24);
  }
  ASSERT_LE(data + 8, whole.size());
  for (const std::uint32_t claim : {0xFFFFFF00u, 0x7FFFFFFFu, static_cast<std::uint32_t>(whole.size())}) {
    auto bytes = whole;
    for (int i = 0; i < 4; ++i) bytes[data + 4 + i] = static_cast<unsigned char>(claim >> (8 * i));
    ASSERT_TRUE(platform::WriteFileAtomic(TempPath("damaged.wav"), bytes));
    EXPECT_EQ(platform::LoadSound(TempPath("damaged.wav")), nullptr) << claim;
  }
}

TEST(AudioTest, NoneDriverIsSilentByChoice) {
  EXPECT_TRUE(platform::AudioOpen("None", nullptr));
  EXPECT_TRUE(platform::AudioIsSilent());
  const auto drivers = platform::AudioDrivers();
  EXPECT_NE(std::find(drivers.begin(), drivers.end(), "FreeAudio"), drivers.end());
  EXPECT_NE(std::find(drivers.begin(), drivers.end(), "None"), drivers.end());
}

}  // namespace
