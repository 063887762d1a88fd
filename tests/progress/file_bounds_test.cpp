// Every kind of file the game reads whole, through its reader. The size bound at its edge: a file
// of exactly the bound is read; one byte more and it is refused unread with a message naming the
// file, its size and the bound of its own kind, and a player's file is set aside as a damaged one
// is. Files past the bound are made sparse, so the test writes almost nothing. And what is no
// plain file (a named pipe, a device, a folder, a link to one) is refused at once by name, never
// waited on. A player's file that is there but cannot be read is kept whole with a message naming
// it and the system's reason, never taken for a missing one and written over.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/audio.h"
#include "platform/files.h"
#include "platform/image_codec.h"
#include "progress/best_score_list.h"
#include "progress_fixture.h"
#include "tests/support/harness.h"
#include "tests/support/read_faults.h"
#include "ui/profile.h"
#include "util/error.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/high_scores.h"
#include "util/image.h"
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
  bool repeatsKind;  // a kind of file listed before it, at another bound or with other contents
  std::string (*path)(const std::string& root);
  void (*make)(const std::string& path, std::int64_t size);
  void (*read)(const std::string& path);
  std::string damage;  // what the message says of a file one past the bound
};

void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.kind; }

// A kind's name as a test's name: its letters and digits.
std::string TestName(const char* kind) {
  std::string name;
  for (const char* k = kind; *k != 0; ++k)
    if (std::isalnum(static_cast<unsigned char>(*k))) name += *k;
  return name;
}

std::string Hold(std::int64_t bytes, std::int64_t bound) {
  return "it holds " + std::to_string(bytes) + " bytes, more than the " + std::to_string(bound) +
         " such a file may hold";
}

void ReadSound(const std::string& path) { ccLoadSample(path, 0); }

const BoundCase kCases[] = {
    {"settings", SETTINGS_FILE_MAX_BYTES, true, false,
     [](const std::string& root) { return root + "Quillbrook.ini"; },
     [](const std::string& path, std::int64_t size) {
       WriteSized(path, "PROFILE NAME=Bob\r\n", size);
     },
     [](const std::string& /*path*/) {
       Game->Ini->Lines.clear();
       Game->Ini->Add("Profile Name", "");
       Game->Ini->Load();
     },
     Hold(SETTINGS_FILE_MAX_BYTES + 1, SETTINGS_FILE_MAX_BYTES)},
    {"profile", PROFILE_FILE_MAX_BYTES, true, false,
     [](const std::string& root) { return root + "profiles/Tess.dat"; },
     [](const std::string& path, std::int64_t size) {
       auto tess = TProfile::Create("Tess");
       ASSERT_EQ(tess->Save(), 0);
       std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
     },
     [](const std::string& /*path*/) { TProfile::Create("Tess")->Load(); },
     Hold(PROFILE_FILE_MAX_BYTES + 1, PROFILE_FILE_MAX_BYTES)},
    {"best scores", BEST_SCORES_FILE_MAX_BYTES, true, false,
     [](const std::string& root) { return root + "best.dat"; },
     [](const std::string& path, std::int64_t size) {
       // Whole records of 24 bytes, the first with a name that takes up the rest.
       const int name = static_cast<int>(size % 24);
       WriteSized(path, Le(static_cast<std::uint32_t>(name), 4) + std::string(static_cast<std::size_t>(name), 'A'), size);
     },
     [](const std::string& /*path*/) { TBestScoreList().Load(); },
     Hold(BEST_SCORES_FILE_MAX_BYTES + 1, BEST_SCORES_FILE_MAX_BYTES)},
    {"high-score table", HIGH_SCORES_FILE_MAX_BYTES, true, false,
     [](const std::string& root) { return root + "scores.dat"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, "", size); },
     [](const std::string& path) {
       THighScoreList table;
       table.Create(path.substr(0, path.size() - 4), 10);
       table.Load();
     },
     Hold(HIGH_SCORES_FILE_MAX_BYTES + 1, HIGH_SCORES_FILE_MAX_BYTES)},
    {"WAV file", platform::kWavFileMaxBytes, false, false,
     [](const std::string& root) { return root + "long.wav"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, WavHead(size, 16), size); },
     ReadSound, Hold(platform::kWavFileMaxBytes + 1, platform::kWavFileMaxBytes)},
    // 8-bit samples decode to twice their bytes: the bound's half is the most a file may hold, one
    // sample more decodes to two bytes past the bound.
    {"WAV decoded", platform::kWavDecodedMaxBytes, false, true,
     [](const std::string& root) { return root + "loud.wav"; },
     [](const std::string& path, std::int64_t decoded) {
       const std::int64_t size = 44 + (decoded + 1) / 2;
       WriteSized(path, WavHead(size, 8), size);
     },
     ReadSound,
     "it decodes to " + std::to_string(platform::kWavDecodedMaxBytes + 2) +
         " bytes of samples, more than the " + std::to_string(platform::kWavDecodedMaxBytes) +
         " a sound decoded whole may take"},
    {"Ogg file", platform::kOggFileMaxBytes, false, false,
     [](const std::string& root) { return root + "long.ogg"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, "OggS", size); }, ReadSound,
     Hold(platform::kOggFileMaxBytes + 1, platform::kOggFileMaxBytes)},
    // A WAV that is no RIFF file is still held to the bound of a WAV, the kind its name asks for.
    {"WAV file without its header", platform::kWavFileMaxBytes, false, true,
     [](const std::string& root) { return root + "headless.wav"; },
     [](const std::string& path, std::int64_t size) { WriteSized(path, "", size); }, ReadSound,
     Hold(platform::kWavFileMaxBytes + 1, platform::kWavFileMaxBytes)},
    {"picture", platform::detail::kImageFileMaxBytes, false, false,
     [](const std::string& root) { return root + "graphics/large.png"; },
     [](const std::string& path, std::int64_t size) {
       std::filesystem::create_directories(std::filesystem::path(path).parent_path());
       WriteSized(path, "\x89PNG\r\n\x1A\n", size);
     },
     [](const std::string& path) { ccLoadBitmap(path, -1); },
     Hold(platform::detail::kImageFileMaxBytes + 1, platform::detail::kImageFileMaxBytes)},
    {"text file", TEXT_FILE_MAX_BYTES, false, false,
     [](const std::string& root) { return root + "text/hints.txt"; },
     [](const std::string& path, std::int64_t size) {
       std::filesystem::create_directories(std::filesystem::path(path).parent_path());
       WriteSized(path, "[hints]\r\n", size);
     },
     [](const std::string& path) { ccLoadFile(path); },
     Hold(TEXT_FILE_MAX_BYTES + 1, TEXT_FILE_MAX_BYTES)},
};

class FileReadTest : public ProgressTest {
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
  // Whether the read ended in a fatal error.
  bool Read(const BoundCase& c, const std::string& path) {
    platform::DeleteFile(ccErrorPath + "ErrorLog.txt");
    try {
      c.read(path);
    } catch (const ccFatalError&) {
      return true;
    }
    return false;
  }

 private:
  std::string saved_error_path_;
};

class FileBoundTest : public FileReadTest, public testing::WithParamInterface<BoundCase> {};

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
                           return TestName(info.param.kind);
                         });

// What may stand at a file's name in place of a plain file.
enum class Node { kPipe, kDevice, kFolder, kLinkToPipe, kLinkToDevice, kLinkToFolder };
const char* NodeName(Node node);
void PrintTo(Node node, std::ostream* os) { *os << NodeName(node); }

const char* NodeName(Node node) {
  switch (node) {
    case Node::kPipe:
      return "Pipe";
    case Node::kDevice:
      return "Device";
    case Node::kFolder:
      return "Folder";
    case Node::kLinkToPipe:
      return "LinkToPipe";
    case Node::kLinkToDevice:
      return "LinkToDevice";
    case Node::kLinkToFolder:
      return "LinkToFolder";
  }
  return "?";
}

// The named pipe a node is or links to ("" for the others).
std::string PipeOf(Node node, const std::string& path) {
  if (node == Node::kPipe) return path;
  if (node == Node::kLinkToPipe) return path + ".node";
  return "";
}

// Puts `node` at `path` (what a link names lies beside it, as path + ".node"). False when this
// system does not let the test make it: a device node needs the right to make one.
bool MakeNode(Node node, const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const std::string beside = path + ".node";
  switch (node) {
    case Node::kPipe:
      return ::mkfifo(path.c_str(), 0644) == 0;
    // The system's zero device: endless bytes, were it read.
    case Node::kDevice:
      return ::mknod(path.c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0;
    case Node::kFolder:
      return ::mkdir(path.c_str(), 0755) == 0;
    case Node::kLinkToPipe:
      return ::mkfifo(beside.c_str(), 0644) == 0 && ::symlink(beside.c_str(), path.c_str()) == 0;
    case Node::kLinkToDevice:
      return ::symlink("/dev/zero", path.c_str()) == 0;
    case Node::kLinkToFolder:
      return ::mkdir(beside.c_str(), 0755) == 0 && ::symlink(beside.c_str(), path.c_str()) == 0;
  }
  return false;
}

// The writer a reader that opened a named pipe before looking at it would wait for: should the
// reader open the pipe and wait, this thread's open ends that wait (and the reader reads an empty
// file, which the test reports), so the test never hangs. Once the read is done, Release opens the
// pipe for reading itself, which ends this thread's own wait when no reader came. The pipe is held
// by a handle that opens nothing, so a pipe set aside under another name is still reached.
class PipeWriter {
 public:
  explicit PipeWriter(const std::string& pipe) {
    if (pipe.empty()) return;
    handle_ = ::open(pipe.c_str(), O_PATH | O_CLOEXEC);
    if (handle_ < 0) return;
    through_ = "/proc/self/fd/" + std::to_string(handle_);
    writer_ = std::thread([this] {
      const int fd = ::open(through_.c_str(), O_WRONLY | O_CLOEXEC);
      if (fd >= 0) ::close(fd);
    });
  }
  ~PipeWriter() { Release(); }
  PipeWriter(const PipeWriter&) = delete;
  PipeWriter& operator=(const PipeWriter&) = delete;

  void Release() {
    if (writer_.joinable()) {
      const int reader = ::open(through_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      writer_.join();
      if (reader >= 0) ::close(reader);
    }
    if (handle_ >= 0) ::close(handle_);
    handle_ = -1;
  }

 private:
  int handle_ = -1;
  std::string through_;
  std::thread writer_;
};

using NotPlainCase = std::tuple<BoundCase, Node>;

class NotPlainFileTest : public FileReadTest, public testing::WithParamInterface<NotPlainCase> {};

// Each kind of file, with a named pipe, a device, a folder or a link to one at its name: the reader
// refuses it at once with a message naming it (a data file as damaged, in the form of the size
// message), and a player file that can be moved is set aside as a damaged one is.
TEST_P(NotPlainFileTest, IsRefusedAtOnceByName) {
  const BoundCase& c = std::get<0>(GetParam());
  const Node node = std::get<1>(GetParam());
  const std::string path = c.path(root_);
  if (!MakeNode(node, path))
    GTEST_SKIP() << "cannot make a " << NodeName(node) << " here: " << std::strerror(errno);

  PipeWriter writer(PipeOf(node, path));
  testing::internal::CaptureStderr();
  const bool fatal = Read(c, path);
  const std::string said = testing::internal::GetCapturedStderr();
  writer.Release();

  const std::string message =
      c.playerFile ? path : "The data file " + path + " is damaged: it is not a plain file.";
  EXPECT_NE(said.find(message), std::string::npos) << said;
  EXPECT_NE(said.find("it is not a plain file"), std::string::npos) << said;
  // A data file the game needs ends it; without a player's file play goes on.
  EXPECT_EQ(fatal, !c.playerFile) << said;
  if (c.playerFile) {
    struct stat st {};
    const bool folder = node == Node::kFolder;
    EXPECT_EQ(::lstat((path + ".damaged").c_str(), &st) == 0, !folder) << said;
    // A folder cannot be put aside: the message says it is left where it is, and nothing tries to
    // write over it.
    EXPECT_EQ(said.find("put aside, so it is left where it is and not written over") !=
                  std::string::npos,
              folder)
        << said;
    EXPECT_EQ(said.find("has been put aside") != std::string::npos, !folder) << said;
    EXPECT_EQ(said.find("Failed to save"), std::string::npos) << said;
    EXPECT_EQ(said.find("Could not create"), std::string::npos) << said;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, NotPlainFileTest,
                         testing::Combine(testing::ValuesIn([] {
                                            std::vector<BoundCase> kinds;
                                            for (const BoundCase& c : kCases)
                                              if (!c.repeatsKind) kinds.push_back(c);
                                            return kinds;
                                          }()),
                                          testing::Values(Node::kPipe, Node::kDevice, Node::kFolder,
                                                          Node::kLinkToPipe, Node::kLinkToDevice,
                                                          Node::kLinkToFolder)),
                         [](const testing::TestParamInfo<NotPlainCase>& info) {
                           return TestName(std::get<0>(info.param).kind) + "_" +
                                  NodeName(std::get<1>(info.param));
                         });

// Each player's file that is there but cannot be read (another user's, or of mode 000; the file
// layer refuses its open, so this holds for a user who may read every file too): it is kept whole
// as "<file>.damaged", the message names it and the system's reason, and play goes on without it:
// a fresh table or settings take its name, or none (a profile's caller lets the player choose).
class UnreadableFileTest : public FileReadTest, public testing::WithParamInterface<BoundCase> {};

TEST_P(UnreadableFileTest, IsSetAsideWholeAndNamedWithTheReason) {
  const BoundCase& c = GetParam();
  const std::string path = c.path(root_);
  c.make(path, 1000);
  const auto before = platform::ReadFileBytes(path);
  ASSERT_TRUE(before);

  testing::internal::CaptureStderr();
  bool fatal = false;
  {
    quill_test::ReadFaults faults(path);
    fatal = Read(c, path);
    EXPECT_EQ(faults.Faulted(), 1);
  }
  const std::string said = testing::internal::GetCapturedStderr();

  EXPECT_FALSE(fatal) << said;
  EXPECT_EQ(platform::ReadFileBytes(path + ".damaged"), before) << said;
  const std::string message = "'" + path + "' is damaged";
  const std::string log = Log();
  for (const std::string& told : {said, log}) {
    EXPECT_NE(told.find(message), std::string::npos) << told;
    EXPECT_NE(told.find("Permission denied"), std::string::npos) << told;
  }
  const bool fresh = std::string(c.kind) != "profile";
  EXPECT_EQ(platform::FileExists(path), fresh);
  if (fresh) {
    EXPECT_NE(platform::ReadFileBytes(path), before);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPlayerFile, UnreadableFileTest,
                         testing::ValuesIn([] {
                           std::vector<BoundCase> kinds;
                           for (const BoundCase& c : kCases)
                             if (c.playerFile) kinds.push_back(c);
                           return kinds;
                         }()),
                         [](const testing::TestParamInfo<BoundCase>& info) {
                           return TestName(info.param.kind);
                         });

}  // namespace
