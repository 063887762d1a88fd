#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/write_faults.h"

namespace {

namespace fs = std::filesystem;

class FilesTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(std::getenv("XDG_DATA_HOME")) /
            testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  std::string P(const std::string& rel) const { return (root_ / rel).string(); }
  static void Put(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  fs::path root_;
};

TEST_F(FilesTest, PathsResolveWithoutRegardToLetterCase) {
  Put(P("Data/levels/Holes/hole1.txt"), "x");
  Put(P("data/fonts/big.fnt"), "y");
  EXPECT_EQ(platform::ResolvePath(P("data/Levels/holes/HOLE1.TXT")), P("Data/levels/Holes/hole1.txt"));
  EXPECT_EQ(platform::ResolvePath(P("DATA/FONTS/big.fnt")), P("data/fonts/big.fnt"));
  EXPECT_TRUE(platform::FileExists(P("data/levels/holes/hole1.txt")));
  EXPECT_TRUE(platform::FolderExists(P("DATA/LEVELS")));
  EXPECT_FALSE(platform::FileExists(P("data/levels")));
  // A new file in an existing folder keeps its own spelling, inside the folder's real one.
  EXPECT_EQ(platform::ResolvePath(P("data/levels/holes/New.txt")), P("Data/levels/Holes/New.txt"));
  EXPECT_EQ(platform::ReadTextFile(P("DATA/Levels/HOLES/hole1.txt")).value_or(""), "x");
  EXPECT_EQ(platform::FileSize(P("data/levels/holes/hole1.txt")), 1);
  EXPECT_EQ(platform::FileSize(P("nothing")), -1);
}

TEST_F(FilesTest, LineReaderStopsAtLineFeedNulAndEnd) {
  const std::string bytes = std::string("one\r\ntw\ro\n\nthree\0four", 21) + "\xE9t\xE9";
  platform::InStream in(std::vector<unsigned char>(bytes.begin(), bytes.end()));
  EXPECT_EQ(in.ReadLine(), "one");
  EXPECT_EQ(in.ReadLine(), "two");  // every CR is dropped, not only a final one
  EXPECT_EQ(in.ReadLine(), "");
  EXPECT_EQ(in.ReadLine(), "three");
  EXPECT_EQ(in.ReadLine(), "four\xC3\xA9t\xC3\xA9");  // Latin-1 bytes come back as UTF-8
  EXPECT_TRUE(in.Eof());
  EXPECT_EQ(in.ReadLine(), "");
  EXPECT_FALSE(in.Failed());
}

TEST_F(FilesTest, WholeTextFilesHonourTheirByteOrderMark) {
  struct Case {
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {std::string("\xFF\xFE" "A\0\xE9\0", 6), "A\xC3\xA9"},               // UTF-16 LE
      {std::string("\xFE\xFF\0A\0\xE9", 6), "A\xC3\xA9"},                  // UTF-16 BE
      {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},   // a surrogate pair
      {"\xEF\xBB\xBF" "A\xC3\xA9", "A\xC3\xA9"},                           // UTF-8
      {"A\xE9", "A\xC3\xA9"},                                              // no mark: Latin-1
      {"", ""},
  };
  int i = 0;
  for (const auto& c : cases) {
    Put(P("t" + std::to_string(i)), c.bytes);
    EXPECT_EQ(platform::ReadTextFile(P("t" + std::to_string(i))).value_or("?"), c.text) << i;
    ++i;
  }
  EXPECT_FALSE(platform::ReadTextFile(P("missing")).has_value());
}

TEST_F(FilesTest, LittleEndianStreamsRoundTripAndDetectShortReads) {
  platform::OutStream out;
  out.WriteByte(0xAB);
  out.WriteShort(-2);
  out.WriteInt(0x01020304);
  out.WriteLong(-5);
  out.WriteFloat(1.5f);
  out.WriteDouble(-0.25);
  out.WriteString("h\xC3\xA9");
  out.WriteLine("x");
  const std::vector<unsigned char> expected_start = {0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01};
  ASSERT_GE(out.Bytes().size(), expected_start.size());
  EXPECT_TRUE(std::equal(expected_start.begin(), expected_start.end(), out.Bytes().begin()));
  ASSERT_TRUE(out.Commit(P("stream.bin")));

  auto bytes = platform::ReadFileBytes(P("STREAM.bin"));
  ASSERT_TRUE(bytes.has_value());
  auto in = std::make_unique<platform::InStream>(std::move(*bytes));
  EXPECT_EQ(in->ReadByte(), 0xAB);
  EXPECT_EQ(in->ReadShort(), -2);
  EXPECT_EQ(in->ReadInt(), 0x01020304);
  EXPECT_EQ(in->ReadLong(), -5);
  EXPECT_EQ(in->ReadFloat(), 1.5f);
  EXPECT_EQ(in->ReadDouble(), -0.25);
  EXPECT_EQ(in->ReadString(2), "h\xC3\xA9");  // one byte per character
  EXPECT_EQ(in->ReadLine(), "x");
  EXPECT_FALSE(in->Failed());
  EXPECT_TRUE(in->Eof());

  platform::InStream short_in(std::vector<unsigned char>{1, 2, 3});
  EXPECT_EQ(short_in.ReadInt(), 0);
  EXPECT_TRUE(short_in.Failed());
  platform::InStream short_string(std::vector<unsigned char>{'a', 'b'});
  EXPECT_EQ(short_string.ReadString(3), "");
  EXPECT_TRUE(short_string.Failed());
  platform::InStream negative(std::vector<unsigned char>{'a'});
  EXPECT_EQ(negative.ReadString(-1), "");
  EXPECT_TRUE(negative.Failed());
  EXPECT_FALSE(platform::ReadFileBytes(P("none.bin")).has_value());
}

// A file that holds more than its size says (as one that grows while it is read does; the
// system's process files say 0 and hold more) is read no further than one byte past its bound,
// and refused; within a bound it holds, it is read whole.
TEST_F(FilesTest, ABoundedReadStopsOneBytePastTheBoundWhateverTheSizeSaid) {
  const std::string status = "/proc/self/status";
  ASSERT_EQ(fs::file_size(status), 0u);
  const platform::BoundedRead past = platform::ReadBoundedFile(status, 100);
  EXPECT_TRUE(past.Refused());
  EXPECT_EQ(past.reason, "it holds at least 101 bytes, more than the 100 such a file may hold");
  EXPECT_TRUE(past.bytes.empty());

  const platform::BoundedRead whole = platform::ReadBoundedFile(status, 1 << 20);
  ASSERT_TRUE(whole.Read()) << whole.reason;
  EXPECT_GT(whole.bytes.size(), 101u);
  EXPECT_EQ(std::string(whole.bytes.begin(), whole.bytes.begin() + 5), "Name:");

  Put(P("exact.txt"), std::string(100, 'x'));
  EXPECT_EQ(platform::ReadBoundedFile(P("EXACT.txt"), 100).bytes.size(), 100u);
  EXPECT_EQ(platform::ReadBoundedFile(P("exact.txt"), 99).reason,
            "it holds 100 bytes, more than the 99 such a file may hold");
  EXPECT_TRUE(platform::ReadBoundedFile(P("none.txt"), 100).Missing());
  EXPECT_TRUE(platform::ReadBoundedFile(P("none/at/all.txt"), 100).Missing());
}

TEST_F(FilesTest, AtomicWriteReplacesWholeOrLeavesTheOldFile) {
  const std::string path = P("settings.ini");
  ASSERT_TRUE(platform::WriteFileAtomic(path, std::string("Sound=1\r\nMusic=1\r\n")));

  // Each way a write can go wrong leaves the old file whole and no temporary behind, and the error
  // names the folder with the system's reason.
  const struct {
    quill_test::WriteFault fault;
    const char* reason;
  } faults_and_reasons[] = {
      {quill_test::WriteFault::kFail, "No space left on device"},
      {quill_test::WriteFault::kReadOnly, "Read-only file system"},
      {quill_test::WriteFault::kInterrupt, "Input/output error"},
      {quill_test::WriteFault::kNoSync, "Input/output error"},
      {quill_test::WriteFault::kNoReplace, "Permission denied"},
  };
  for (const auto& [fault, reason] : faults_and_reasons) {
    quill_test::WriteFaults faults(fault, "settings", 1);
    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomic(path, std::string("Sound=0\r\nMusic=0\r\nSpeech=0\r\n"), &error));
    EXPECT_EQ(faults.Faulted(), 1);
    EXPECT_EQ(error, "the folder " + root_.string() + "/ cannot be written (" + reason + ")");
    EXPECT_EQ(platform::ReadTextFile(path).value_or(""), "Sound=1\r\nMusic=1\r\n");
    EXPECT_EQ(platform::ListFolder(root_.string()), std::vector<std::string>{"settings.ini"});
    // Only the named file faults, and only as often as asked.
    EXPECT_TRUE(platform::WriteFileAtomic(P("other.dat"), std::string("x")));
    EXPECT_TRUE(platform::DeleteFile(P("other.dat")));
  }

  ASSERT_TRUE(platform::WriteFileAtomic(path, std::string("Sound=0\r\n")));
  EXPECT_EQ(platform::ReadTextFile(path).value_or(""), "Sound=0\r\n");
  std::string error;
  EXPECT_FALSE(platform::WriteFileAtomic(P("no/such/folder/file"), std::string("x"), &error));
  EXPECT_EQ(error, "the folder " + P("no/such/folder/") + " cannot be written (No such file or directory)");
}

// The new bytes reach the disk before they take the old file's name, and the name itself reaches
// it before the write is reported done: a power cut at any moment leaves the old file or the new
// one, whole. A write whose flush fails stops there, before the rename.
TEST_F(FilesTest, AnAtomicWriteWritesSyncsRenamesThenSyncsTheFolder) {
  const std::string path = P("Ann.dat");
  const std::string folder = root_.string() + "/";
  const std::vector<std::string> whole = {"write " + path, "sync " + path, "rename " + path,
                                          "sync " + folder};
  {
    quill_test::WriteFaults record(quill_test::WriteFault::kNone);
    ASSERT_TRUE(platform::WriteFileAtomic(path, std::string("first")));
    ASSERT_TRUE(platform::WriteFileAtomic(path, std::string("second")));  // over an old file
    std::vector<std::string> twice = whole;
    twice.insert(twice.end(), whole.begin(), whole.end());
    EXPECT_EQ(record.Steps(), twice);
    EXPECT_EQ(record.Faulted(), 0);
  }
  quill_test::WriteFaults no_sync(quill_test::WriteFault::kNoSync);
  std::string error;
  EXPECT_FALSE(platform::WriteFileAtomic(path, std::string("third, never flushed"), &error));
  EXPECT_EQ(no_sync.Steps(), (std::vector<std::string>{"write " + path, "sync " + path}));
  EXPECT_EQ(error, "the folder " + folder + " cannot be written (Input/output error)");
  EXPECT_EQ(platform::ReadTextFile(path).value_or(""), "second");
  EXPECT_EQ(platform::ListFolder(folder), std::vector<std::string>{"Ann.dat"});
}

// What an atomic write killed part way leaves (its temporary file beside the target) is removed;
// the files themselves, and names that only look alike, are kept: a player's file ends in ".dat",
// never in the six letters or digits of a temporary file.
TEST_F(FilesTest, StaleTemporaryFilesAreRemoved) {
  const std::vector<std::string> kept = {"Ann.dat", "best.dat", "notes.tmp-12345", "x.tmp-1234567", ".tmp-abcdef",
                                         "al.tmp-Jo.dat", "x.tmp-12.DAT", "Kim.dat.tmp-ab_cd1", "Kim.dat.tmp-ab-cd1"};
  for (const auto& name : kept) Put(P(name), "keep");
  Put(P("Ann.dat.tmp-a1B2c3"), "half");
  Put(P("Quillbrook.ini.tmp-ZZZZZZ"), "");
  fs::create_directories(P("folder.tmp-abcdef"));  // a folder is never a temporary file
  EXPECT_EQ(platform::RemoveStaleTempFiles(root_.string()), 2);
  std::vector<std::string> left = kept;
  left.push_back("folder.tmp-abcdef");
  std::sort(left.begin(), left.end());
  EXPECT_EQ(platform::ListFolder(root_.string()), left);
  EXPECT_EQ(platform::RemoveStaleTempFiles(P("missing")), 0);

  // Only the targets the caller names as its own.
  Put(P("Ben.dat.tmp-a1B2c3"), "half");
  Put(P("notes.txt.tmp-a1B2c3"), "someone else's");
  const auto players = [](const std::string& target) { return target.size() > 4 && target.substr(target.size() - 4) == ".dat"; };
  EXPECT_EQ(platform::RemoveStaleTempFiles(root_.string(), players), 1);
  EXPECT_FALSE(fs::exists(P("Ben.dat.tmp-a1B2c3")));
  EXPECT_TRUE(fs::exists(P("notes.txt.tmp-a1B2c3")));
}

// A folder where a file should be is named as such (a file where a folder should be: above).
TEST_F(FilesTest, AFolderWhereAFileShouldBeIsNamedAsSuch) {
  std::string error;
  fs::create_directories(P("folder/Kim.dat"));
  EXPECT_FALSE(platform::WriteFileAtomic(P("folder/Kim.dat"), std::string("x"), &error));
  EXPECT_EQ(error, P("folder/Kim.dat") + " is a folder, not a file");
  EXPECT_EQ(platform::ListFolder(P("folder")), std::vector<std::string>{"Kim.dat"});  // no leftover
  EXPECT_EQ(platform::LockFile(P("folder/Kim.dat"), &error), platform::FileLock::kFailed);
  EXPECT_EQ(error, P("folder/Kim.dat") + " is a folder, not a file");
}

TEST_F(FilesTest, WrittenFilesAndMadeFoldersAreNeitherExecutableNorWritableByOthers) {
  const mode_t old_mask = ::umask(0);  // the modes must not depend on the user's umask
  ASSERT_TRUE(platform::CreateFolder(P("made/inner")));
  ASSERT_TRUE(platform::WriteFileAtomic(P("made/inner/file.dat"), std::string("x")));
  ASSERT_TRUE(platform::CopyFile(P("made/inner/file.dat"), P("made/copy.dat")));
  ::umask(old_mask);
  struct Case {
    std::string path;
    unsigned mode;
  };
  for (const Case& c : {Case{P("made"), 0755}, Case{P("made/inner"), 0755},
                        Case{P("made/inner/file.dat"), 0644}, Case{P("made/copy.dat"), 0644}}) {
    struct stat st{};
    ASSERT_EQ(::stat(c.path.c_str(), &st), 0) << c.path;
    EXPECT_EQ(st.st_mode & 07777, c.mode) << c.path;
  }
  // Sharing a file or folder that was made with wider modes narrows them.
  ASSERT_EQ(::chmod(P("made/copy.dat").c_str(), 0777), 0);
  EXPECT_TRUE(platform::ShareFile(P("made/copy.dat")));
  struct stat st{};
  ASSERT_EQ(::stat(P("made/copy.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(FilesTest, SettingAsideNeverReplacesAnEarlierCopy) {
  const std::string path = P("Bob.dat");
  for (const std::string expected : {".damaged", ".damaged.2", ".damaged.3"}) {
    Put(path, "copy" + expected);
    EXPECT_EQ(platform::FreeAsideName(path), path + expected);
    EXPECT_EQ(platform::SetFileAside(path), path + expected);
    EXPECT_FALSE(platform::FileExists(path));
  }
  EXPECT_EQ(platform::ReadTextFile(path + ".damaged").value_or(""), "copy.damaged");
  EXPECT_EQ(platform::ReadTextFile(path + ".damaged.2").value_or(""), "copy.damaged.2");
  EXPECT_EQ(platform::ReadTextFile(path + ".damaged.3").value_or(""), "copy.damaged.3");
  // A gap left by a deleted copy is filled first; nothing to move gives "".
  ASSERT_TRUE(platform::DeleteFile(path + ".damaged.2"));
  Put(path, "again");
  EXPECT_EQ(platform::SetFileAside(path), path + ".damaged.2");
  EXPECT_EQ(platform::SetFileAside(path), "");
  EXPECT_EQ(platform::SetFileAside(P("made")), "");
}

// A folder that cannot be made says why: the reason the first folder on the way refused, not the
// "No such file or directory" of the ones below it.
TEST_F(FilesTest, AFolderThatCannotBeMadeSaysWhy) {
  const std::string refused = "/sys/quillbrook-cannot-be-made";  // the system's folders refuse any
  ASSERT_NE(::mkdir(refused.c_str(), 0755), 0);
  const std::string reason = std::strerror(errno);
  ASSERT_NE(reason, std::strerror(ENOENT));
  std::string error;
  EXPECT_FALSE(platform::CreateFolder(refused + "/Marrowfen/Quillbrook", &error));
  EXPECT_EQ(error, reason);
  Put(P("file"), "not a folder");
  EXPECT_FALSE(platform::CreateFolder(P("file/profiles"), &error));
  EXPECT_EQ(error, P("file") + " is a file, not a folder");
}

TEST_F(FilesTest, FolderOperations) {
  EXPECT_TRUE(platform::CreateFolder(P("a/b/c")));
  Put(P("a/z.txt"), "z");
  Put(P("a/m.txt"), "m");
  EXPECT_EQ(platform::ListFolder(P("A")), (std::vector<std::string>{"b", "m.txt", "z.txt"}));
  EXPECT_TRUE(platform::CopyFile(P("a/m.txt"), P("a/copy.txt")));
  EXPECT_EQ(platform::ReadTextFile(P("a/copy.txt")).value_or(""), "m");
  EXPECT_TRUE(platform::RenameFile(P("a/copy.txt"), P("a/moved.txt")));
  EXPECT_TRUE(platform::DeleteFile(P("A/MOVED.txt")));
  EXPECT_FALSE(platform::DeleteFile(P("a/b")));  // folders are not files
  EXPECT_FALSE(platform::FileExists(P("a/moved.txt")));
  EXPECT_TRUE(platform::ListFolder(P("nowhere")).empty());
}

}  // namespace
