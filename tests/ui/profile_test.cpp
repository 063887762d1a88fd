// The profile file: its exact bytes, round trips, and damaged, huge and missing files.

#include "ui/profile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/files.h"
#include "tests/support/write_faults.h"
#include "ui_test_support.h"

namespace {

using ui_test::UiTest;

std::string Fixture(const std::string& name) {
  const char* base = std::getenv("QUILL_FIXTURES");
  return std::string(base ? base : "tests/fixtures/") + "ui/" + name;
}

std::vector<unsigned char> Bytes(const std::string& path) {
  auto bytes = platform::ReadFileBytes(path);
  return bytes ? *bytes : std::vector<unsigned char>();
}

class ProfileTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TProfile::CreateUserFunction = nullptr;
  }
  void TearDown() override {
    TProfile::CreateUserFunction = nullptr;
    UiTest::TearDown();
  }
  // Ann as the golden file holds her, with a game block of two ints.
  static std::shared_ptr<TProfile> MakeAnn() {
    auto ann = TProfile::Create("Ann");
    ann->CurrentLevel = 3;
    ann->LockedLevel = 5;
    ann->Score = 1234;
    ann->Lives = -1;
    ann->Kills = 2147483647;
    ann->TimeTaken = 12345.5;
    ann->Difficulty = 2;
    ann->TipsFlag = 0;
    ann->InstructionsFlag = 1;
    ann->HintsShown[0] = ann->HintsShown[7] = ann->HintsShown[99] = 1;
    ann->SaveUserFunction = [](platform::OutStream& out) {
      out.WriteInt(42);
      out.WriteInt(-7);
      return 0;
    };
    return ann;
  }
};

TEST_F(ProfileTest, BytesOfAKnownProfile) {
  auto ann = MakeAnn();
  EXPECT_EQ(ann->Save(), 0);
  EXPECT_EQ(Bytes(Game->ProfilePath + "Ann.dat"), Bytes(Fixture("Ann.dat")));
}

TEST_F(ProfileTest, ReadsTheGoldenFile) {
  ASSERT_TRUE(platform::CopyFile(Fixture("Ann.dat"), Game->ProfilePath + "Ann.dat"));
  auto ann = TProfile::Create("Ann");
  std::vector<std::int32_t> block;
  ann->LoadUserFunction = [&block](platform::InStream& in) {
    block.push_back(in.ReadInt());
    block.push_back(in.ReadInt());
    return 0;
  };
  EXPECT_EQ(ann->Load(), 1);
  EXPECT_EQ(ann->CurrentLevel, 3);
  EXPECT_EQ(ann->LockedLevel, 5);
  EXPECT_EQ(ann->Score, 1234);
  EXPECT_EQ(ann->Lives, -1);
  EXPECT_EQ(ann->Kills, 2147483647);
  EXPECT_EQ(ann->TimeTaken, 12345.5);
  EXPECT_EQ(ann->Difficulty, 2);
  EXPECT_EQ(ann->TipsFlag, 0);
  EXPECT_EQ(ann->HintsShown[7], 1);
  EXPECT_EQ(ann->HintsShown[8], 0);
  EXPECT_EQ(block, (std::vector<std::int32_t>{42, -7}));
}

TEST_F(ProfileTest, RoundTripAtTheEndsOfTheRange) {
  auto saved = TProfile::Create("Edge");
  saved->CurrentLevel = INT32_MIN;
  saved->LockedLevel = INT32_MAX;
  saved->Score = -8264019;
  saved->Lives = -1;
  saved->Kills = 0;
  saved->TimeTaken = -0.25;
  saved->HintsSet(1);
  ASSERT_EQ(saved->Save(), 0);
  auto loaded = TProfile::Create("Edge");
  ASSERT_EQ(loaded->Load(), 1);
  EXPECT_EQ(loaded->CurrentLevel, INT32_MIN);
  EXPECT_EQ(loaded->LockedLevel, INT32_MAX);
  EXPECT_EQ(loaded->Score, -8264019);
  EXPECT_EQ(loaded->Lives, -1);
  EXPECT_EQ(loaded->TimeTaken, -0.25);
  for (int flag : loaded->HintsShown) EXPECT_EQ(flag, 1);
}

TEST_F(ProfileTest, AllZeroValuesStoreTheRunningKeys) {
  auto zero = TProfile::Create("Zero");
  zero->CurrentLevel = zero->LockedLevel = zero->Lives = 0;
  ASSERT_EQ(zero->Save(), 0);
  platform::InStream in(Bytes(zero->Path()));
  for (std::uint32_t key : {8264019u, 14166755u, 20069491u, 25972227u, 31874963u}) {
    EXPECT_EQ(static_cast<std::uint32_t>(in.ReadInt()), key);
  }
  EXPECT_EQ(in.Size(), TProfile::HEAD_SIZE);
}

TEST_F(ProfileTest, MissingFileIsWrittenFromMemory) {
  auto fresh = TProfile::Create("Cid");
  fresh->Score = 77;
  fresh->SaveUserFunction = [](platform::OutStream& out) {
    out.WriteInt(1);
    return 0;
  };
  EXPECT_EQ(fresh->Load(), 0);
  EXPECT_EQ(fresh->Score, 77);
  EXPECT_EQ(platform::FileSize(fresh->Path()), 444);
}

TEST_F(ProfileTest, RenamedProfileNeverTakesAnotherPlayersProgress) {
  int created = 0;
  TProfile::CreateUserFunction = [&created](TProfile&) { return ++created; };
  auto profile = TProfile::Create("Ann");
  profile->Score = 5000;
  ASSERT_EQ(profile->Save(), 0);
  profile->Name = "Ghost";  // chosen in the player list, but its file has gone meanwhile
  EXPECT_EQ(profile->Load(), 0);
  EXPECT_EQ(profile->Score, 0);
  EXPECT_EQ(created, 2);  // the game's block was made afresh too
  auto ghost = TProfile::Create("Ghost");
  ASSERT_EQ(ghost->Load(), 1);
  EXPECT_EQ(ghost->Score, 0);
}

TEST_F(ProfileTest, ShortFilesAndHintFlags) {
  auto full = TProfile::Create("Flags");
  full->HintsSet(1);
  ASSERT_EQ(full->Save(), 0);
  auto bytes = Bytes(full->Path());
  bytes.resize(40 + 60 * 4);  // ends right after flag 59
  ASSERT_TRUE(platform::WriteFileAtomic(full->Path(), bytes));
  EXPECT_EQ(full->Load(), 1);
  EXPECT_EQ(full->HintsShown[59], 1);
  EXPECT_EQ(full->HintsShown[60], 0);

  EXPECT_EQ(full->ShowHint(60, 0), 1);
  EXPECT_EQ(full->ShowHint(60, 0), 0);
  EXPECT_EQ(full->ShowHint(100, 1), 0);
  EXPECT_EQ(full->ShowHint(-1, 1), 0);
}

TEST_F(ProfileTest, TruncatedProfileIsPutAsideNotCrashing) {
  auto ann = MakeAnn();
  ASSERT_EQ(ann->Save(), 0);
  auto bytes = Bytes(ann->Path());
  bytes.resize(30);  // inside the head
  ASSERT_TRUE(platform::WriteFileAtomic(ann->Path(), bytes));
  auto other = TProfile::Create("Ann");
  other->Score = 9;
  EXPECT_EQ(other->Load(), -1);
  EXPECT_EQ(other->Score, 9);  // the profile in memory is untouched
  EXPECT_EQ(other->LastError, "The player profile '" + ann->Path() +
                                  "' is damaged (it ends after 30 bytes) and has been put aside.");
  EXPECT_FALSE(platform::FileExists(ann->Path()));
  EXPECT_EQ(Bytes(ann->Path() + ".damaged"), bytes);  // kept for the player

  // A file that ends inside a hint flag is damaged too; it is put aside beside the first copy,
  // which stays as it was.
  ASSERT_EQ(ann->Save(), 0);
  const auto first = bytes;
  bytes = Bytes(ann->Path());
  bytes.resize(40 + 4 * 10 + 2);
  ASSERT_TRUE(platform::WriteFileAtomic(ann->Path(), bytes));
  EXPECT_EQ(other->Load(), -1);
  EXPECT_EQ(other->LastError,
            "The player profile '" + ann->Path() +
                "' is damaged (it ends inside a hint flag) and has been put aside.");
  EXPECT_EQ(Bytes(ann->Path() + ".damaged"), first);
  EXPECT_EQ(Bytes(ann->Path() + ".damaged.2"), bytes);
}

TEST_F(ProfileTest, AGameBlockItsReaderRefusesRefusesTheWholeProfile) {
  // What counts as damaged inside the game's block is its reader's to say (the saved game's own
  // tests check its limits); the profile must act on the refusal: keep the player in memory as
  // they were and put the file aside.
  auto ann = MakeAnn();
  ann->SaveUserFunction = [](platform::OutStream& out) {
    out.WriteInt(7);
    return 0;
  };
  ASSERT_EQ(ann->Save(), 0);
  const auto bytes = Bytes(ann->Path());
  auto loaded = TProfile::Create("Ann");
  TProfile* self = loaded.get();
  loaded->LoadUserFunction = [self](platform::InStream& in) {
    if (in.ReadInt() != 7) return 0;
    self->LoadUserFault = "the block holds a 7";
    return -1;
  };
  EXPECT_EQ(loaded->Load(), -1);
  EXPECT_EQ(loaded->CurrentLevel, 1);
  EXPECT_FALSE(platform::FileExists(ann->Path()));
  EXPECT_EQ(Bytes(ann->Path() + ".damaged"), bytes);
  // The message names what the block's reader found.
  const std::string named = "The player profile '" + ann->Path() + "' is damaged (";
  EXPECT_EQ(loaded->LastError, named + "the block holds a 7) and has been put aside.");

  // A reader that runs past the end of a short block is refused the same way, even when it
  // reports success; the message says where the file ends. What an earlier reader found is not
  // named again.
  ASSERT_EQ(ann->Save(), 0);
  loaded->LoadUserFunction = [](platform::InStream& in) {
    in.ReadInt();
    in.ReadInt();
    return 0;
  };
  EXPECT_EQ(loaded->Load(), -1);
  EXPECT_TRUE(platform::FileExists(ann->Path() + ".damaged.2"));
  EXPECT_EQ(loaded->LastError,
            named + "it ends inside the game's block, after 444 bytes) and has been put aside.");
}

// A folder at a profile's name cannot be put aside: the message says so, without a word of a move
// that did not happen, and the player in memory is never written over it. Once the name is free, a
// new file is written there as for a missing one.
TEST_F(ProfileTest, AFolderAtItsNameIsLeftWhereItIsAndNeverWrittenOver) {
  auto ann = MakeAnn();
  const std::string path = ann->Path();
  ASSERT_TRUE(platform::CreateFolder(path));
  EXPECT_EQ(ann->Load(), -1);
  EXPECT_EQ(ann->LastError, "The player profile '" + path +
                                "' is damaged (it is not a plain file) and could not be put aside, "
                                "so it is left where it is and not written over while the game "
                                "runs.");
  testing::internal::CaptureStderr();
  EXPECT_EQ(ann->Save(), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(platform::FolderExists(path));

  ASSERT_TRUE(std::filesystem::remove(path));
  EXPECT_EQ(ann->Load(), 0);
  EXPECT_EQ(ann->Save(), 0);
  EXPECT_TRUE(platform::FileExists(path));
}

TEST_F(ProfileTest, UnsafeNamesAreNeverWritten) {
  auto evil = TProfile::Create("../evil");
  EXPECT_EQ(evil->Save(), -1);
  EXPECT_EQ(evil->Load(), -1);
  EXPECT_FALSE(platform::FileExists(Game->ProfilePath + "../evil.dat"));
  ASSERT_EQ(TProfile::Create("Ann")->Save(), 0);
  struct Case {
    const char* name;
    int result;
    const char* message;  // the start of the message
  };
  for (const Case& c : {Case{"Dee", 0, ""}, Case{"  ", -1, ""}, Case{"", -1, ""},
                        Case{".Dee", -1, "A player's name cannot begin"},
                        Case{"a/b", -1, "A player's name cannot hold"},
                        Case{"Ann", -1, "A player of that name"}}) {
    std::string message = "x";
    EXPECT_EQ(TProfile::CheckNewName(c.name, message), c.result) << c.name;
    EXPECT_EQ(message.rfind(c.message, 0), 0u) << c.name << ": " << message;
    if (c.message[0] == 0) {
      EXPECT_EQ(message, "") << c.name;
    }
  }
}

TEST_F(ProfileTest, FailedSaveLeavesTheOldFileAndIsReported) {
  auto ann = MakeAnn();
  ASSERT_EQ(ann->Save(), 0);
  const auto before = Bytes(ann->Path());
  ann->Score = 1;
  {
    quill_test::WriteFaults faults(quill_test::WriteFault::kInterrupt);  // a full disk half way through
    EXPECT_EQ(ann->Save(), -1);
  }
  EXPECT_NE(ann->LastError.find("Could not create file '"), std::string::npos);
  EXPECT_EQ(Bytes(ann->Path()), before);
  Game->ProfilePath = root_ + "no-such-folder/";
  EXPECT_EQ(ann->Save(), -1);
}

}  // namespace
