#include "platform/audio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio_internal.h"
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

// The bounds a test sets for the sounds it loads, put back however it ends.
class SoundBounds {
 public:
  SoundBounds()
      : stream_above_(platform::detail::StreamAbove()),
        decoded_max_(platform::detail::DecodedMaxBytes()) {}
  ~SoundBounds() {
    platform::detail::SetStreamAbove(stream_above_);
    platform::detail::SetDecodedMaxBytes(decoded_max_);
  }
  SoundBounds(const SoundBounds&) = delete;
  SoundBounds& operator=(const SoundBounds&) = delete;

 private:
  std::size_t stream_above_;
  long long decoded_max_;
};

// An Ogg whose last page understates its length is decoded whole (its length says it is short), so
// only its decoding can tell how long it is: the decoding stops as soon as the samples pass what a
// sound decoded whole may take, and the sound is refused saying so; one that decodes to exactly
// that loads. The bounds are set low, so a one-second file stands for a long one.
TEST(AudioTest, AnOggDecodedWholeStopsAtTheDecodedBound) {
  ASSERT_TRUE(platform::AudioOpen("FreeAudio", nullptr));
  const SoundBounds restore;
  const std::string path = TempPath("understated.ogg");
  ASSERT_TRUE(test_media::WriteOgg(path, 1000, 100));  // claims 100 samples
  platform::detail::SetStreamAbove(4096);
  const platform::SoundRef whole = platform::LoadSound(path);
  ASSERT_NE(whole, nullptr);
  ASSERT_FALSE(platform::detail::IsStreamed(whole));
  // 16-bit mono samples at 22050 Hz: nearly the whole second, far past what the file claims.
  const long long bytes = std::llround(whole->LengthSeconds() * 22050) * 2;
  ASSERT_GT(bytes, 40000);

  platform::detail::SetDecodedMaxBytes(bytes);
  std::string refused;
  EXPECT_NE(platform::LoadSound(path, 0, &refused), nullptr);
  EXPECT_EQ(refused, "");

  platform::detail::SetDecodedMaxBytes(bytes - 1);
  EXPECT_EQ(platform::LoadSound(path, 0, &refused), nullptr);
  EXPECT_EQ(refused, "it decodes to at least " + std::to_string(bytes) +
                         " bytes of samples, more than the " + std::to_string(bytes - 1) +
                         " a sound decoded whole may take");
}

// A WAV that holds no whole sample is no sound: refused as one that cannot be decoded, without
// copying samples from or to the null buffer the decoder gives for it (the sanitizer build reports
// that copy). Each is a fmt chunk, the data chunk and an empty chunk after it, as the sound fuzz
// target's corpus holds them.
struct SampleLessWav {
  const char* name;
  int channels;
  int align;  // the bytes of one frame, as the file claims it
  std::string data;
};

void PrintTo(const SampleLessWav& wav, std::ostream* os) { *os << wav.name; }

class SampleLessWavTest : public testing::TestWithParam<SampleLessWav> {};

TEST_P(SampleLessWavTest, IsNoSound) {
  ASSERT_TRUE(platform::AudioOpen("FreeAudio", nullptr));
  const SampleLessWav& c = GetParam();
  const auto le = [](std::uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  const std::uint32_t rate = 22050;
  const std::string fmt = le(1, 2) + le(static_cast<std::uint32_t>(c.channels), 2) + le(rate, 4) +
                          le(rate * static_cast<std::uint32_t>(c.align), 4) +
                          le(static_cast<std::uint32_t>(c.align), 2) + le(16, 2) + le(0, 2);
  const std::string chunks = "WAVE" + ("fmt " + le(18, 4) + fmt) +
                             ("data" + le(static_cast<std::uint32_t>(c.data.size()), 4) + c.data) +
                             ("LIST" + le(0, 4));
  const std::string wav = "RIFF" + le(static_cast<std::uint32_t>(chunks.size()), 4) + chunks;
  const std::string path = TempPath(std::string(c.name) + ".wav");
  ASSERT_TRUE(platform::WriteFileAtomic(path, wav));
  std::string refused;
  EXPECT_EQ(platform::LoadSound(path, 0, &refused), nullptr);
  EXPECT_EQ(refused, "");
}

INSTANTIATE_TEST_SUITE_P(
    Wavs, SampleLessWavTest,
    testing::Values(SampleLessWav{"EmptyDataChunk", 1, 2, ""},  // 54 bytes
                    SampleLessWav{"LessThanAFrameOfFiveChannels", 5, 2, std::string(2, '\0')}),
    [](const testing::TestParamInfo<SampleLessWav>& info) { return std::string(info.param.name); });

TEST(AudioTest, NoneDriverIsSilentByChoice) {
  EXPECT_TRUE(platform::AudioOpen("None", nullptr));
  EXPECT_TRUE(platform::AudioIsSilent());
  const auto drivers = platform::AudioDrivers();
  EXPECT_NE(std::find(drivers.begin(), drivers.end(), "FreeAudio"), drivers.end());
  EXPECT_NE(std::find(drivers.begin(), drivers.end(), "None"), drivers.end());
}

// ---- What a channel plays, read from OpenAL's loopback device ----

constexpr int kMixRate = 22050;  // the test sounds' own rate: no resampling at rate 1

struct Played {
  const char* what;
  bool loops;
  float rate;
  int ms;  // mixed, past the sound's 1500 ms end
};

enum class Held { kDecodedOnItsDevice, kDecodedAgainForANewDevice, kStreamed };

class ChannelMixTest : public testing::TestWithParam<Played> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test_media::WriteOgg(TempPath("mixed.ogg"), 1500));
    if (!platform::detail::AudioOpenLoopback(kMixRate)) {
    GTEST_SKIP() << "OpenAL offers no loopback device";
  }
  }
  void TearDown() override {
    platform::detail::SetStreamAbove(default_stream_above_);
    platform::AudioClose();
  }

  // The left-right mix of the test sound played once on a fresh loopback device.
  std::vector<float> Mix(Held held, bool* playing_at_end) {
    const Played& p = GetParam();
    EXPECT_TRUE(platform::detail::AudioOpenLoopback(kMixRate));
    platform::detail::SetStreamAbove(held == Held::kStreamed ? 0 : std::numeric_limits<std::size_t>::max());
    const long long before = platform::detail::HeldBySounds().openal_bytes;
    auto sound = platform::LoadSound(TempPath("mixed.ogg"), p.loops ? platform::SOUND_LOOP : 0);
    EXPECT_NE(sound, nullptr);
    if (!sound) return {};
    EXPECT_EQ(platform::detail::IsStreamed(sound), held == Held::kStreamed);
    // Loaded, a sound holds no samples; a short one is decoded into OpenAL when it first plays.
    EXPECT_EQ(platform::detail::HeldBySounds().openal_bytes, before);
    if (held == Held::kDecodedAgainForANewDevice) {
      EXPECT_TRUE(platform::detail::AudioOpenLoopback(kMixRate));
    }
    auto channel = platform::AllocChannel();
    channel->Play(sound, true);
    const long long samples = static_cast<long long>(sound->LengthSeconds() * kMixRate + 0.5) * 2;
    EXPECT_EQ(platform::detail::HeldBySounds().openal_bytes - before, held == Held::kStreamed ? 0 : samples);
    channel->SetRate(p.rate);
    channel->Resume();
    auto mix = platform::detail::RenderLoopback(kMixRate * p.ms / 1000);
    *playing_at_end = channel->Playing();
    return mix;
  }

 private:
  std::size_t default_stream_above_ = platform::detail::StreamAbove();
};

TEST_P(ChannelMixTest, StreamedAndDecodedAgainPlayTheSameSamplesAsDecodedOnce) {
  const Played& p = GetParam();
  bool playing = false;
  const auto decoded = Mix(Held::kDecodedOnItsDevice, &playing);
  EXPECT_EQ(playing, p.loops);
  ASSERT_EQ(decoded.size(), static_cast<std::size_t>(kMixRate * p.ms / 1000) * 2);
  // The sound is heard in the first and in the last second (a loop goes on, a one-shot ends).
  const auto loud = [&](std::size_t from, std::size_t to) {
    float peak = 0;
    for (std::size_t i = from * 2; i < to * 2; ++i) peak = std::max(peak, std::fabs(decoded[i]));
    return peak > 0.05f;
  };
  const std::size_t frames = decoded.size() / 2;
  EXPECT_TRUE(loud(0, kMixRate));
  EXPECT_EQ(loud(frames - kMixRate / 4, frames), p.loops);

  for (const Held held : {Held::kDecodedAgainForANewDevice, Held::kStreamed}) {
    SCOPED_TRACE(held == Held::kStreamed ? "streamed" : "decoded again");
    playing = !p.loops;
    const auto mix = Mix(held, &playing);
    EXPECT_EQ(playing, p.loops);
    ASSERT_EQ(mix.size(), decoded.size());
    std::size_t first_difference = mix.size();
    for (std::size_t i = 0; i < mix.size() && first_difference == mix.size(); ++i) {
      if (mix[i] != decoded[i]) first_difference = i;
    }
    EXPECT_EQ(first_difference, mix.size()) << "the mixes part at frame " << first_difference / 2;
  }
}

INSTANTIATE_TEST_SUITE_P(Channels, ChannelMixTest,
                         testing::Values(Played{"once", false, 1.0f, 2000}, Played{"looped", true, 1.0f, 4000},
                                         Played{"looped_faster", true, 1.5f, 3000},
                                         Played{"once_slower", false, 0.75f, 2500}),
                         [](const testing::TestParamInfo<Played>& info) { return std::string(info.param.what); });

TEST(AudioStreamTest, LetGoStreamsEndWithTheirSoundAndLoopsAtOnce) {
  ASSERT_TRUE(test_media::WriteOgg(TempPath("let_go.ogg"), 1500));
  if (!platform::detail::AudioOpenLoopback(kMixRate)) {
    GTEST_SKIP() << "OpenAL offers no loopback device";
  }
  const std::size_t default_stream_above = platform::detail::StreamAbove();
  platform::detail::SetStreamAbove(0);
  auto once = platform::LoadSound(TempPath("let_go.ogg"));
  auto loop = platform::LoadSound(TempPath("let_go.ogg"), platform::SOUND_LOOP);
  platform::detail::SetStreamAbove(default_stream_above);
  ASSERT_TRUE(platform::detail::IsStreamed(once));
  EXPECT_NEAR(once->LengthSeconds(), 1.5, 0.01);

  platform::PlaySound(loop);
  EXPECT_EQ(platform::detail::HeldBySounds().streams_playing, 0);
  platform::PlaySound(once);
  once.reset();
  EXPECT_EQ(platform::detail::HeldBySounds().streams_playing, 1);
  const auto mix = platform::detail::RenderLoopback(kMixRate);
  EXPECT_GT(*std::max_element(mix.begin(), mix.end()), 0.05f);  // still heard
  EXPECT_EQ(platform::detail::HeldBySounds().streams_playing, 1);
  platform::detail::RenderLoopback(kMixRate);
  EXPECT_EQ(platform::detail::HeldBySounds().streams_playing, 0);
  platform::AudioClose();
}

TEST(AudioStreamTest, AStreamThatRanDryCarriesOnWhereItStopped) {
  ASSERT_TRUE(test_media::WriteOgg(TempPath("dry.ogg"), 4000));
  if (!platform::detail::AudioOpenLoopback(kMixRate)) {
    GTEST_SKIP() << "OpenAL offers no loopback device";
  }
  const std::size_t default_stream_above = platform::detail::StreamAbove();
  platform::detail::SetStreamAbove(0);
  auto sound = platform::LoadSound(TempPath("dry.ogg"));
  platform::detail::SetStreamAbove(default_stream_above);
  auto channel = platform::PlaySound(sound);
  // Its queue (1.5 s at this rate) runs out while nothing refills it: still playing, more to come.
  platform::detail::RenderLoopback(kMixRate * 2, false);
  EXPECT_TRUE(channel->Playing());
  const auto after = platform::detail::RenderLoopback(kMixRate / 4);
  EXPECT_GT(*std::max_element(after.begin(), after.end()), 0.05f);
  platform::detail::RenderLoopback(kMixRate * 3);
  EXPECT_FALSE(channel->Playing());
  platform::AudioClose();
}

// OpenAL Soft's null output plays in real time: the streaming thread alone keeps the queue going.
TEST(AudioStreamTest, TheStreamingThreadPlaysStreamsToTheirEndOnARealDevice) {
  setenv("ALSOFT_DRIVERS", "null", 1);
  platform::SetHeadless(false);
  if (!platform::AudioOpen("OpenAL Generic Software", nullptr)) {
    platform::SetHeadless(true);
    GTEST_SKIP() << "OpenAL's null output is not available";
  }
  ASSERT_TRUE(test_media::WriteOgg(TempPath("threaded.ogg"), 2500));
  const std::size_t default_stream_above = platform::detail::StreamAbove();
  platform::detail::SetStreamAbove(0);
  auto sound = platform::LoadSound(TempPath("threaded.ogg"));
  platform::detail::SetStreamAbove(default_stream_above);
  ASSERT_TRUE(platform::detail::IsStreamed(sound));
  using Clock = std::chrono::steady_clock;
  const auto waited = [](const Clock::time_point& since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
  };
  // Longer than the queue holds (1.5 s at this rate): it plays through only if it is refilled.
  const auto start = Clock::now();
  auto channel = platform::PlaySound(sound);
  while (channel->Playing() && waited(start) < 10.0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_GE(waited(start), 2.0);
  EXPECT_LT(waited(start), 10.0);
  // With nothing left to stream the thread sleeps; a stream started then, and let go while it
  // plays, still plays to its end, and ends by itself.
  channel->Stop();
  EXPECT_EQ(platform::detail::HeldBySounds().streams_playing, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const auto again = Clock::now();
  platform::PlaySound(sound);
  EXPECT_EQ(platform::detail::HeldBySounds().streams_playing, 1);
  while (platform::detail::HeldBySounds().streams_playing > 0 && waited(again) < 10.0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_GE(waited(again), 2.0);
  EXPECT_LT(waited(again), 10.0);
  platform::AudioClose();
  platform::SetHeadless(true);
}

TEST(AudioStreamTest, SilentStreamsLastTheirLengthAndShortSoundsAreNotStreamed) {
  ASSERT_TRUE(platform::AudioOpen("FreeAudio", nullptr));
  ASSERT_TRUE(test_media::WriteOgg(TempPath("short.ogg"), 300));
  EXPECT_FALSE(platform::detail::IsStreamed(platform::LoadSound(TempPath("short.ogg"))));
  const std::size_t default_stream_above = platform::detail::StreamAbove();
  platform::detail::SetStreamAbove(0);
  auto streamed = platform::LoadSound(TempPath("short.ogg"));
  platform::detail::SetStreamAbove(default_stream_above);
  ASSERT_TRUE(platform::detail::IsStreamed(streamed));
  EXPECT_NEAR(streamed->LengthSeconds(), 0.3, 0.01);
  platform::SetManualClock(0);
  auto channel = platform::PlaySound(streamed);
  platform::AdvanceManualClock(290);
  EXPECT_TRUE(channel->Playing());
  platform::AdvanceManualClock(20);
  EXPECT_FALSE(channel->Playing());
}

}  // namespace
