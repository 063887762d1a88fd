// The size bound of every file the game reads whole, at its edge: a file of exactly the bound is
// read; one byte more and it is refused unread with a message naming the file, its size and the
// bound, and a player's file is set aside as a damaged one is. Files past the bound are made
// sparse, so the test writes almost nothing.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "platform/audio.h"
#include "platform/files.h"
#include "progress/best_score_list.h"
#include "progress_fixture.h"
#include "tests/support/harness.h"
#include "ui/profile.h"
#include "util/error.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/high_scores.h"
#include "util/settings.h"

namespace {

// `head`, then zeros up to `size` bytes (a hole in the file where the system keeps them).
void WriteSized(const std::string& path, const std::string& head, std::int64_t size) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << head;
  std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
}

std::string Le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

// A RIFF WAV head of PCM samples of `bits` bits whose data chunk runs to the end of a file of
// `size` bytes.
std::string WavHead(std::int64_t size, int bits) {
  const int channels = 1, rate = 22050;
  const int align = channels * bits / 8;
  return "RIFF" + Le(static_cast<std::uint32_t>(size - 8), 4) + "WAVE" + "fmt " + Le(16, 4) + Le(1, 2) +
         Le(channels, 2) + Le(rate, 4) + Le(static_cast<std::uint32_t>(rate * align), 4) + Le(align, 2) +
         Le(bits, 2) + "data" + Le(static_cast<std::uint32_t>(size - 44), 4);
}

// One kind of file: its bound, where it lies, how a file of a given size is made (its size in
// bytes, or for a decoded bound the bytes its samples decode to), and how the game reads it.
struct BoundCase {
  const char* kind;
  std::int64_t bound;
  bool playerFile;  // set aside when refused
  std::string (*path)(const std::string& root);
  void (*make)(const std::string& path, std::int64_t size);
  void (*read)(const std::string& path);
  std::string damage;  // what the message says of a file one past the bound
};

void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.kind; }

std::string Hold(std::int64_t bytes, std::int64_t bound) {
  return "it holds " + std::to_string(bytes) + " bytes, more than the " + std::to_string(bound) +
         " such a file may hold";
}

// A sound as the loader loads it; the file is not decoded when it lies within its bounds (a real
// sound is not what is tested here, and a bound-sized one would take a while).
void ReadSound(const std::string& path) {
  if (!platform::SoundSizeFault(path).empty()) ccLoadSample(path, 0);
}

const BoundCase kCases[] = {
    {"settings", SETTINGS_FILE_MAX_BYTES, true,
     [](const std::string& root) { return root + "Quillbrook.ini"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, "PROFILE NAME=Bob\r\n", size); },
     [](const std::string& /*path*/) {
       Game->Ini->Lines.clear();
       Game->Ini->Add("Profile Name", "");
       Game->Ini->Load();
     },
     Hold(SETTINGS_FILE_MAX_BYTES + 1, SETTINGS_FILE_MAX_BYTES)},
    {"profile", PROFILE_FILE_MAX_BYTES, true,
     [](const std::string& root) { return root + "profiles/Tess.dat"; },
     [](const std::string& path, std::int64_t size) {
       auto tess = TProfile::Create("Tess");
       ASSERT_EQ(tess->Save(), 0);
       std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
     },
     [](const std::string& /*path*/) { TProfile::Create("Tess")->Load(); },
     Hold(PROFILE_FILE_MAX_BYTES + 1, PROFILE_FILE_MAX_BYTES)},
    {"best scores", BEST_SCORES_FILE_MAX_BYTES, true,
     [](const std::string& root) { return root + "best.dat"; },
     [](const std::string& path, std::int64_t size) {
       // Whole records of 24 bytes, the first with a name that takes up the rest.
       const int name = static_cast<int>(size % 24);
       WriteSized(path, Le(static_cast<std::uint32_t>(name), 4) + std::string(static_cast<std::size_t>(name), 'A'), size);
     },
     [](const std::string& /*path*/) { TBestScoreList().Load(); },
     Hold(BEST_SCORES_FILE_MAX_BYTES + 1, BEST_SCORES_FILE_MAX_BYTES)},
    {"high-score table", HIGH_SCORES_FILE_MAX_BYTES, true,
     [](const std::string& root) { return root + "scores.dat"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, "", size); },
     [](const std::string& path) {
       THighScoreList table;
       table.Create(path.substr(0, path.size() - 4), 10);
       table.Load();
     },
     Hold(HIGH_SCORES_FILE_MAX_BYTES + 1, HIGH_SCORES_FILE_MAX_BYTES)},
    {"WAV file", platform::kWavFileMaxBytes, false,
     [](const std::string& root) { return root + "long.wav"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, WavHead(size, 16), size); },
     ReadSound, Hold(platform::kWavFileMaxBytes + 1, platform::kWavFileMaxBytes)},
    // 8-bit samples decode to twice their bytes: the bound's half is the most a file may hold, one
    // sample more decodes to two bytes past the bound.
    {"WAV decoded", platform::kWavDecodedMaxBytes, false,
     [](const std::string& root) { return root + "loud.wav"; },
     [](const std::string& path, std::int64_t decoded) {
       const std::int64_t size = 44 + (decoded + 1) / 2;
       WriteSized(path, WavHead(size, 8), size);
     },
     ReadSound,
     "it decodes to " + std::to_string(platform::kWavDecodedMaxBytes + 2) + " bytes of samples, more than the " +
         std::to_string(platform::kWavDecodedMaxBytes) + " a sound decoded whole may take"},
    {"Ogg file", platform::kOggFileMaxBytes, false,
     [](const std::string& root) { return root + "long.ogg"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, "OggS", size); },
     ReadSound, Hold(platform::kOggFileMaxBytes + 1, platform::kOggFileMaxBytes)},
};

class FileBoundTest : public ProgressTest, public testing::WithParamInterface<BoundCase> {
 protected:
  void SetUp() override {
    ProgressTest::SetUp();
    saved_error_path_ = ccErrorPath;
    ccErrorPath = root_;
  }
  void TearDown() override {
    ccErrorPath = saved_error_path_;
    ProgressTest::TearDown();
  }
  std::string Log() const {
    const std::string log = ccErrorPath + "ErrorLog.txt";
    return platform::FileExists(log) ? quill_test::ReadWholeFile(log) : std::string();
  }
  // Reads the file as the game does; the fatal error of a data file is taken as its message.
  void Read(const BoundCase& c, const std::string& path) {
    platform::DeleteFile(ccErrorPath + "ErrorLog.txt");
    try {
      c.read(path);
    } catch (const ccFatalError&) {
    }
  }

 private:
  std::string saved_error_path_;
};

TEST_P(FileBoundTest, AFileOfTheBoundIsReadAndOneByteMoreIsRefusedByName) {
  const BoundCase& c = GetParam();
  const std::string path = c.path(root_);

  c.make(path, c.bound);
  Read(c, path);
  EXPECT_EQ(Log().find("damaged"), std::string::npos) << Log();
  EXPECT_FALSE(platform::FileExists(path + ".damaged"));

  c.make(path, c.bound + 1);
  const std::int64_t size = platform::FileSize(path);
  Read(c, path);
  const std::string log = Log();
  EXPECT_NE(log.find(path), std::string::npos) << log;
  EXPECT_NE(log.find(" is damaged"), std::string::npos) << log;
  EXPECT_NE(log.find(c.damage), std::string::npos) << log;
  if (c.playerFile) {
    // Set aside whole, as found.
    EXPECT_EQ(platform::FileSize(path + ".damaged"), size);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FileBoundTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<BoundCase>& info) {
                           std::string name;
                           for (const char* k = info.param.kind; *k != 0; ++k)
                             if (std::isalnum(static_cast<unsigned char>(*k))) name += *k;
                           return name;
                         });

}  // namespace
