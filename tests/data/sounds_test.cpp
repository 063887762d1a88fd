// The staged sounds against their list: every sound, music track, ambience loop and announcer line
// decodes at 44.1 kHz with the expected channels, is audible, never clips, carries no DC, starts and
// ends quietly (or, for loops, joins its end to its start without a step), and the announcer lines
// share one loudness.

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "manifest_reader.h"

using data_test::DataDir;
using data_test::ReadManifest;

namespace {

struct Pcm {
  int channels = 0;
  long rate = 0;
  std::vector<float> samples;  // interleaved, -1..1
  std::size_t Frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
  float At(std::size_t frame, int ch) const { return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(ch)]; }
};

bool DecodeOgg(const std::string& path, Pcm& pcm) {
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) return false;
  const vorbis_info* info = ov_info(&vf, -1);
  pcm.channels = info->channels;
  pcm.rate = info->rate;
  int section = 0;
  for (;;) {
    float** out = nullptr;
    const long n = ov_read_float(&vf, &out, 4096, &section);
    if (n == OV_HOLE) continue;
    if (n < 0) {
      ov_clear(&vf);
      return false;
    }
    if (n == 0) break;
    for (long i = 0; i < n; ++i)
      for (int c = 0; c < pcm.channels; ++c) pcm.samples.push_back(out[c][i]);
  }
  ov_clear(&vf);
  return true;
}

bool DecodeWav(const std::string& path, Pcm& pcm) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
  };
  auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); };
  if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
    return false;
  int bits = 0;
  for (std::size_t at = 12; at + 8 <= b.size(); at += 8 + u32(at + 4)) {
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0) {
      if (u16(at + 8) != 1) return false;  // PCM only
      pcm.channels = u16(at + 10);
      pcm.rate = static_cast<long>(u32(at + 12));
      bits = u16(at + 22);
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      if (bits != 16 || pcm.channels < 1) return false;
      const std::size_t end = std::min<std::size_t>(b.size(), at + 8 + u32(at + 4));
      for (std::size_t p = at + 8; p + 2 <= end; p += 2)
        pcm.samples.push_back(static_cast<float>(static_cast<std::int16_t>(u16(p))) / 32768.0f);
      return true;
    }
  }
  return false;
}

bool Decode(const std::string& path, Pcm& pcm) {
  return path.size() > 4 && path.compare(path.size() - 4, 4, ".wav") == 0 ? DecodeWav(path, pcm)
                                                                          : DecodeOgg(path, pcm);
}

bool IsLoop(const data_test::Entry& e) {
  const std::string who = e.columns.size() > 1 ? e.columns[1] : "";
  return who.find("(loops") != std::string::npos || e.path.find("_loop.") != std::string::npos;
}

double Rms(const Pcm& p, std::size_t from, std::size_t to) {
  double s = 0;
  for (std::size_t i = from * static_cast<std::size_t>(p.channels); i < to * static_cast<std::size_t>(p.channels); ++i)
    s += static_cast<double>(p.samples[i]) * p.samples[i];
  return std::sqrt(s / std::max<double>(1.0, static_cast<double>((to - from) * static_cast<std::size_t>(p.channels))));
}

class DataSounds : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { entries_ = ReadManifest("sounds.txt"); }
  static std::vector<data_test::Entry> entries_;
};
std::vector<data_test::Entry> DataSounds::entries_;

TEST_F(DataSounds, TheBankAndTheLoadingScreenSoundsAreAllListed) {
  int bank = 0;
  for (const auto& e : entries_)
    if (e.columns.size() > 1 && e.columns[1].rfind("sound bank", 0) == 0) ++bank;
  EXPECT_EQ(bank, 106);
  for (const char* must : {"sound/buttonclick.wav", "sound/buttonMO.wav", "SplashSound.wav",
                           "sound/putt.ogg", "sound/ballinhole.ogg"})
    EXPECT_TRUE(std::any_of(entries_.begin(), entries_.end(), [&](const auto& e) { return e.path == must; }))
        << must;
}

TEST_F(DataSounds, EverySoundDecodesIsAudibleAndClean) {
  ASSERT_GT(entries_.size(), 300u);
  for (const auto& e : entries_) {
    SCOPED_TRACE(e.path);
    Pcm p;
    ASSERT_TRUE(Decode(DataDir() + e.path, p)) << "missing or not decodable";
    EXPECT_EQ(p.rate, 44100);
    const bool stereo = e.path.rfind("music/", 0) == 0 || e.path == "SplashSound.wav";
    EXPECT_EQ(p.channels, stereo ? 2 : 1);
    ASSERT_GT(p.Frames(), 441u) << "shorter than 10 ms";
    double peak = 0, sum = 0;
    for (float x : p.samples) peak = std::max(peak, static_cast<double>(std::fabs(x))), sum += x;
    EXPECT_LT(peak, 0.99) << "clips";
    EXPECT_GT(Rms(p, 0, p.Frames()), 0.004) << "too quiet to hear";
    EXPECT_LT(std::fabs(sum / static_cast<double>(p.samples.size())), 0.01) << "DC offset";
    if (!IsLoop(e)) {
      // Faded in and out: no click at either end.
      for (int c = 0; c < p.channels; ++c) {
        EXPECT_LT(std::fabs(p.At(0, c)), 0.03);
        EXPECT_LT(std::fabs(p.At(p.Frames() - 1, c)), 0.03);
      }
    }
  }
}

TEST_F(DataSounds, LoopsJoinTheirEndToTheirStart) {
  int loops = 0;
  for (const auto& e : entries_) {
    if (!IsLoop(e)) continue;
    SCOPED_TRACE(e.path);
    ++loops;
    Pcm p;
    ASSERT_TRUE(Decode(DataDir() + e.path, p));
    const std::size_t n = p.Frames();
    for (int c = 0; c < p.channels; ++c) {
      // The step across the join is no bigger than the steps the sound takes anyway.
      std::vector<float> steps;
      for (std::size_t i = 1; i < n; ++i) steps.push_back(std::fabs(p.At(i, c) - p.At(i - 1, c)));
      std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() * 99 / 100), steps.end());
      const float typical = steps[steps.size() * 99 / 100];
      EXPECT_LE(std::fabs(p.At(0, c) - p.At(n - 1, c)), typical + 0.002f) << "channel " << c;
    }
    EXPECT_LT(std::fabs(p.At(0, 0)), 0.02) << "does not start on a zero crossing";
    // No fade at the join: the level just before and just after it are alike.
    const std::size_t w = std::min<std::size_t>(n / 4, 4410);
    const double head = Rms(p, 0, w), tail = Rms(p, n - w, n);
    EXPECT_LT(std::max(head, tail) / std::max(1e-6, std::min(head, tail)), 4.0);
  }
  EXPECT_GE(loops, 20);
}

TEST_F(DataSounds, AnnouncerLinesShareOneLoudness) {
  std::vector<std::pair<double, std::string>> levels;
  for (const auto& e : entries_) {
    if (e.path.rfind("speech/", 0) != 0) continue;
    Pcm p;
    ASSERT_TRUE(Decode(DataDir() + e.path, p)) << e.path;
    // Loudness of the voiced 20 ms blocks only.
    const std::size_t block = 882;
    std::vector<double> blocks;
    for (std::size_t i = 0; i + block <= p.Frames(); i += block) blocks.push_back(Rms(p, i, i + block));
    ASSERT_FALSE(blocks.empty()) << e.path;
    const double top = *std::max_element(blocks.begin(), blocks.end());
    double sum = 0;
    int count = 0;
    for (double b : blocks)
      if (b > top * 0.0032) sum += b * b, ++count;
    levels.emplace_back(20 * std::log10(std::sqrt(sum / count)), e.path);
  }
  ASSERT_GT(levels.size(), 150u);
  std::vector<std::pair<double, std::string>> sorted = levels;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[sorted.size() / 2].first;
  for (const auto& [db, path] : levels) EXPECT_NEAR(db, median, 3.0) << path;
}

}  // namespace
