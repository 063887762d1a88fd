// The saved game block: its bytes for a new and a rich player (read back by this test's own
// decoder), exact round trips, and what a damaged or out-of-range block does to the player.
#include "progress/save_data.h"

#include <cmath>
#include <utility>

#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/globals.h"
#include "platform/files.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "tests/support/write_faults.h"
#include "progress_fixture.h"
#include "ui/profile.h"
#include "util/globals.h"

namespace {

std::vector<unsigned char> BlockOf(const TSaveData& s) {
  platform::OutStream out;
  s.Save(out);
  return out.Bytes();
}

std::size_t CareerBlockSize(const TSaveData& s) {
  platform::OutStream out;
  s.CareerStats->Save(out);
  return out.Bytes().size();
}

class SaveBlockTest : public ProgressTest {
 protected:
  // Mid-hole on course 2 with two covered cards, career records with texts, and a course name
  // with a character above 255.
  void MakeRich(TSaveData& s) {
    TProfile profile;
    s.Init(profile);
    s.MidCourse = 1;
    s.MidHole = 1;
    s.Irons[3] = s.Irons[7] = 1;
    s.HoleCash = 2100000000;
    s.TimeTaken = 1234.75;
    s.LastTimeTaken = 7;
    s.Male = 1;
    s.Avatar = 3;
    s.Rank = 4;
    s.AvatarItemUnlocked = 6;
    s.AvatarItems[0] = s.AvatarItems[11] = 1;
    s.Trophies[5] = 1;
    s.CourseName = "Pine \xC5\xA6op";  // U+0166 is stored as its low byte, 0x66 'f'
    s.CardsLeft = 17;
    s.FoundationValue = 9;
    s.FoundationID = -1;
    s.HTP = -3;
    s.Multiplier = 1.7;
    s.MultiplierGhost = 2.3;
    s.EndHoleDisabled = 0;
    s.EndDriveActive = 1;
    s.UnlockedCourses[1] = COURSE_COMPLETED;
    s.CourseArrayCards[17] = 5;
    s.CourseLongDrives[4] = 2;
    s.MissedCardTips = 2;
    s.IronTips = 1;
    s.LongDriveTips = 1;
    auto& low = *s.CareerStats->Lowest9HoleScore;
    low.Value = 31;
    low.Value2 = -4;
    low.PlayerName = "Tess";
    low.CourseName = "Parrot Falls";
    low.Date = "09 Dec 2026";
    low.Time = "21:05:44";
    low.HoleNumber = 9;
    s.CareerStats->MiniGameLongestDrive->FloatValue = 245.456;
    for (int i = 0; i < 2; ++i) {
      auto c = TCard::Make(100 + 70 * i, 120, CARDTYPE_NORMAL, i, 5 + i, 2);
      c->ID = 300 + i;
      c->Relationships = {301, 302, 303};
      c->OriginalRelationships = {301};
      s.Cards.push_back(c);
    }
  }
};

TEST_F(SaveBlockTest, ANewPlayersProfileHasItsGoldenBytes) {
  TProfile::CreateUserFunction = CreateProfileExtra;
  auto profile = TProfile::Create("Ada");
  InstallProfileHooks(*profile);
  ASSERT_EQ(profile->Save(), 0);
  auto bytes = platform::ReadFileBytes(Game->ProfilePath + "Ada.dat");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 2776u);
  EXPECT_EQ(IntAt(*bytes, 440), 3178452);    // MidCourse 0 under the first key
  EXPECT_EQ(IntAt(*bytes, 444), 9220347);    // MidHole 0 under the second
  EXPECT_EQ(IntAt(*bytes, 636), 7413068);    // the career block's first Value under its own key
  EXPECT_EQ(IntAt(*bytes, 640), 10272375);
  EXPECT_EQ(IntAt(*bytes, 2148), 3178453);   // the first course open, section 2 restarted
  EXPECT_EQ(IntAt(*bytes, 2764), 3178452);   // no missed-card tip shown, section 4 restarted
  EXPECT_EQ(Save().CourseName, "The Vuva Rivudar");
  EXPECT_EQ(profile->Score, 1000);
}

TEST_F(SaveBlockTest, ARichBlockStoresMaskedValuesAndComesBackExactly) {
  TSaveData s;
  MakeRich(s);
  const auto bytes = BlockOf(s);
  EXPECT_EQ(IntAt(bytes, 48), -2119286104);  // HoleCash 2,100,000,000 wraps
  const std::size_t d = 196 + CareerBlockSize(s) + 4 + 8;
  EXPECT_EQ(IntAt(bytes, d + 8), 299231306);  // FoundationID -1
  EXPECT_EQ(IntAt(bytes, d + 120), 2);        // two cards, plain
  TSaveData back;
  platform::InStream in(bytes);
  ASSERT_EQ(back.Load(in), 0) << back.LoadError;
  EXPECT_EQ(BlockOf(back), bytes);
  EXPECT_EQ(back.CourseName, "Pine fop");
  EXPECT_EQ(back.HoleCash, 2100000000);
  ASSERT_EQ(back.Cards.size(), 2u);
  EXPECT_EQ(back.Cards[1]->Relationships, (std::vector<int>{301, 302, 303}));
  EXPECT_EQ(back.CareerStats->Lowest9HoleScore->Time, "21:05:44");
  EXPECT_DOUBLE_EQ(back.CareerStats->MiniGameLongestDrive->FloatValue, 245.456);
  EXPECT_EQ(IntAt(bytes, bytes.size() - 12), 3178452 + 2);  // the missed-card tips, masked
  EXPECT_EQ(back.MissedCardTips, 2);
  EXPECT_EQ(back.IronTips, 1);
  EXPECT_EQ(back.LongDriveTips, 1);
}

// A block written before the tips shown were kept ends after the course states: it is read whole,
// with no tip shown.
TEST_F(SaveBlockTest, ABlockWithoutTheTipsShownLoadsWithNoneShown) {
  TSaveData s;
  MakeRich(s);
  auto bytes = BlockOf(s);
  bytes.resize(bytes.size() - 12);
  TSaveData back;
  back.MissedCardTips = back.IronTips = back.LongDriveTips = 7;
  platform::InStream in(bytes);
  ASSERT_EQ(back.Load(in), 0) << back.LoadError;
  EXPECT_EQ(back.MissedCardTips, 0);
  EXPECT_EQ(back.IronTips, 0);
  EXPECT_EQ(back.LongDriveTips, 0);
  EXPECT_EQ(back.CourseArrayCards[17], 5);
  EXPECT_EQ(back.CourseLongDrives[4], 2);
  EXPECT_EQ(back.Cards.size(), 2u);
}

// Each damage leaves the player's state in memory as it was and refuses the block.
struct Damage {
  const char* name;
  std::function<void(std::vector<unsigned char>&, std::size_t c, std::size_t d)> apply;
};

TEST_F(SaveBlockTest, ADamagedBlockIsRefusedAndTheStateInMemoryIsUntouched) {
  TSaveData rich;
  MakeRich(rich);
  const auto good = BlockOf(rich);
  const std::size_t c = 196 + CareerBlockSize(rich);  // the course name's count
  const std::size_t d = c + 4 + 8;                      // after the name
  const std::vector<Damage> table = {
      {"cut at 0", [](auto& b, auto, auto) { b.clear(); }},
      {"cut at 100", [](auto& b, auto, auto) { b.resize(100); }},
      {"cut in the career block", [](auto& b, auto, auto) { b.resize(196 + 60); }},
      {"cut in the name", [](auto& b, auto c, auto) { b.resize(c + 6); }},
      {"cut in a card", [](auto& b, auto, auto d) { b.resize(d + 124 + 40); }},
      {"cut in section 3", [](auto& b, auto, auto) { b.resize(b.size() - 100); }},
      {"one byte short of the tips shown", [](auto& b, auto, auto) { b.resize(b.size() - 13); }},
      {"name length -1", [](auto& b, auto c, auto) { PutInt(b, c, -1); }},
      {"name length 10^9", [](auto& b, auto c, auto) { PutInt(b, c, 1000000000); }},
      {"career text length -5", [](auto& b, auto, auto) { PutInt(b, 196 + 8, -5); }},
      {"5,000 cards", [](auto& b, auto, auto d) { PutInt(b, d + 120, 5000); }},
  };
  for (const auto& damage : table) {
    auto bytes = good;
    damage.apply(bytes, c, d);
    TSaveData kept;
    kept.CourseName = "Keep";
    kept.Rank = 5;
    kept.Cards.push_back(TCard::Make(1, 2, CARDTYPE_NORMAL, 1, 3, 0));
    platform::InStream in(bytes);
    EXPECT_LT(kept.Load(in), 0) << damage.name;
    EXPECT_FALSE(kept.LoadError.empty()) << damage.name;
    EXPECT_EQ(kept.CourseName, "Keep") << damage.name;
    EXPECT_EQ(kept.Rank, 5) << damage.name;
    EXPECT_EQ(kept.Cards.size(), 1u) << damage.name;
  }
}

TEST_F(SaveBlockTest, OutOfRangeValuesAreBroughtIntoRange) {
  TSaveData s;
  MakeRich(s);
  s.Male = 3;
  s.Avatar = 7;
  s.Irons[4] = 2;
  s.Irons[0] = 1;
  s.Rank = 99;
  s.AvatarItemUnlocked = 40;
  s.AvatarItems[2] = -1;
  s.Trophies[12] = 5;
  s.UnlockedCourses[9] = 7;
  s.Mulligans = -2;
  s.Multiplier = 40.0;
  TSaveData back;
  platform::InStream in(BlockOf(s));
  ASSERT_EQ(back.Load(in), 0);
  EXPECT_EQ(back.Male, 1);
  EXPECT_EQ(back.Avatar, 4);
  EXPECT_EQ(back.Irons[4], 1);
  EXPECT_EQ(back.Irons[0], 0);
  EXPECT_EQ(back.Rank, 13);
  EXPECT_EQ(back.AvatarItemUnlocked, 11);
  EXPECT_EQ(back.AvatarItems[2], 0);
  EXPECT_EQ(back.Trophies[12], 1);
  EXPECT_EQ(back.UnlockedCourses[9], COURSE_COMPLETED);
  EXPECT_EQ(back.Mulligans, 0);
  EXPECT_DOUBLE_EQ(back.Multiplier, 3.0);
}

TEST_F(SaveBlockTest, TimeGivenBackByWildShotsSurvivesAResumeWithinWhatTheyCanGive) {
  // 5 s into a timed hole two "20 seconds more" wild shots leave -35 s: 7000 ticks below zero.
  const struct {
    double saved, loaded;
  } cases[] = {{-1000.0, -1000.0}, {-7000.0, -7000.0}, {-8000.0, -8000.0}, {-8001.0, -8000.0},
               {-1e300, -8000.0}, {std::nan(""), 0.0}, {-INFINITY, 0.0}, {INFINITY, 0.0}, {123.5, 123.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.saved);
    TSaveData s;
    MakeRich(s);
    s.TimeTaken = c.saved;
    TSaveData back;
    platform::InStream in(BlockOf(s));
    ASSERT_EQ(back.Load(in), 0);
    EXPECT_DOUBLE_EQ(back.TimeTaken, c.loaded);
  }
}

TEST_F(SaveBlockTest, ACardWithBadValuesDropsOnlyTheSavedHole) {
  TSaveData s;
  MakeRich(s);
  auto bytes = BlockOf(s);
  const std::size_t d = 196 + CareerBlockSize(s) + 4 + 8;
  PutInt(bytes, d + 124 + 12, 40);  // the first card's value
  TSaveData back;
  platform::InStream in(bytes);
  ASSERT_EQ(back.Load(in), 0) << back.LoadError;
  EXPECT_EQ(back.HoleDamaged, 1);
  EXPECT_NE(back.HoleError.find("value"), std::string::npos);
  EXPECT_EQ(back.MidHole, 0);
  EXPECT_TRUE(back.Cards.empty());
  EXPECT_EQ(back.MidCourse, 1);  // the round goes on with a fresh deal
  EXPECT_EQ(back.UnlockedCourses[1], COURSE_COMPLETED);
  EXPECT_EQ(back.CourseArrayCards[17], 5);
}

TEST_F(SaveBlockTest, AHoleInProgressWithoutCardsIsDealtAfresh) {
  TSaveData s;
  MakeRich(s);
  s.MidHole = 1;
  s.Cards.clear();
  TSaveData back;
  platform::InStream in(BlockOf(s));
  ASSERT_EQ(back.Load(in), 0) << back.LoadError;
  EXPECT_EQ(back.HoleDamaged, 1);
  EXPECT_EQ(back.MidHole, 0);
  EXPECT_EQ(back.MidCourse, 1);
}

TEST_F(SaveBlockTest, ACutProfileIsSetAsideAndThePlayerInMemoryIsKept) {
  TProfile::CreateUserFunction = CreateProfileExtra;
  auto tess = TProfile::Create("Tess");
  InstallProfileHooks(*tess);
  MakeRich(Save());
  ASSERT_EQ(tess->Save(), 0);
  const std::string path = Game->ProfilePath + "Tess.dat";
  auto bytes = *platform::ReadFileBytes(path);
  bytes.resize(bytes.size() - 30);
  ASSERT_TRUE(platform::WriteFileAtomic(path, bytes));
  Save().CourseName = "In memory";
  EXPECT_EQ(tess->Load(), -1);
  EXPECT_NE(tess->LastError.find("Tess.dat"), std::string::npos);
  EXPECT_TRUE(platform::FileExists(path + ".damaged"));
  EXPECT_FALSE(platform::FileExists(path));
  EXPECT_EQ(Save().CourseName, "In memory");
}

TEST_F(SaveBlockTest, ARoundOnAMissingCourseOrHoleEndsWhenLoaded) {
  AddCourse("The Vuva Rivudar", 9);
  struct Case {
    const char* course;
    int hole;
    bool ends;
  };
  for (const Case& k : {Case{"The Vuva Rivudar", 4, false}, Case{"Gone Links", 4, true},
                        Case{"The Vuva Rivudar", 10, true}, Case{"The Vuva Rivudar", 0, true}}) {
    TProfile::CreateUserFunction = CreateProfileExtra;
    auto tess = TProfile::Create("Tess");
    InstallProfileHooks(*tess);
    Save().CourseName = k.course;
    Save().MidCourse = 1;
    Save().MidHole = 1;
    Save().Cards = {TCard::Make(1, 2, CARDTYPE_NORMAL, 1, 3, 0)};  // the hole in play
    tess->CurrentLevel = k.hole;
    ASSERT_EQ(tess->Save(), 0);
    auto again = TProfile::Create("Tess");
    InstallProfileHooks(*again);
    ASSERT_EQ(again->Load(), 1) << k.course;
    EXPECT_EQ(Save().MidCourse, k.ends ? 0 : 1) << k.course << " " << k.hole;
    EXPECT_EQ(Save().MidHole, k.ends ? 0 : 1) << k.course << " " << k.hole;
    EXPECT_EQ(again->CurrentLevel, k.ends ? 1 : k.hole) << k.course << " " << k.hole;
  }
}

TEST_F(SaveBlockTest, ASavedHoleComesBackInOrderWithTheNextFreeId) {
  auto a = CardList->Add(100, 120, CARDTYPE_NORMAL, 1, 5, 2);
  a->ID = 1;
  auto b = CardList->Add(200, 120, CARDTYPE_WATER, 0, 13, 3);
  b->ID = 2;
  b->RelationshipSet("1");
  auto s = CardList->Add(315, 460, CARDTYPE_IRON, 0, 7, 0);
  s->ID = 250;
  s->Playfield = 0;
  s->Stock = 1;
  s->StockTop = 1;
  GameGrid->FoundationCard = b;
  Save().Update();
  EXPECT_EQ(Save().FoundationID, 2);
  TSaveData back;
  platform::InStream in(BlockOf(Save()));
  ASSERT_EQ(back.Load(in), 0);
  CardList->Kill();
  GameGrid->FoundationCard.reset();
  events_.loadLevelFromProfile = 1;
  back.Apply();
  EXPECT_EQ(events_.loadLevelFromProfile, 0);
  ASSERT_EQ(CardList->Count(), 3);
  EXPECT_EQ(CardList->Cards[1]->CardType, CARDTYPE_WATER);
  EXPECT_EQ(CardList->Cards[1]->Relationships, std::vector<int>{1});
  EXPECT_EQ(CardList->Cards[2]->StockTop, 1);
  EXPECT_EQ(GameGrid->FoundationCard, CardList->Cards[1]);
  EXPECT_EQ(TCardList::HighID, 251);
}

TEST_F(SaveBlockTest, ANewProfileStartsOnTheFirstCourseWithCash) {
  TProfile profile;
  Save().AvatarItems[2] = 1;
  Save().Init(profile);
  EXPECT_EQ(profile.Score, 1000);
  EXPECT_EQ(Save().UnlockedCourses[0], COURSE_OPEN);
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_LOCKED);
  EXPECT_EQ(Save().LastTimeTaken, 9999);
  EXPECT_EQ(Save().FoundationID, -1);
  EXPECT_EQ(Save().EndHoleDisabled, 1);
  EXPECT_DOUBLE_EQ(Save().LastMultiplierGhost, 1.0);
  EXPECT_EQ(Save().AvatarItems[2], 0);
  Save().AvatarItems[0] = 1;
  Save().InitLevelStats();
  EXPECT_EQ(Save().Mulligans, 2);
}

TEST_F(SaveBlockTest, ANewPlayerIsWrittenWithTheChosenLookAndNamedInTheSettings) {
  TProfile::CreateUserFunction = CreateProfileExtra;
  events_.avatarChosen = true;
  events_.avatarMale = 0;
  events_.avatarHead = 3;
  ASSERT_EQ(CreateProfile("Tess"), 0);
  events_.avatarChosen = false;
  EXPECT_EQ(Game->ProfileName, "Tess");
  ASSERT_TRUE(Game->CurrentProfile);
  EXPECT_TRUE(platform::FileExists(Game->ProfilePath + "Tess.dat"));
  auto settings = platform::ReadTextFile(root_ + "Quillbrook.ini");
  ASSERT_TRUE(settings);
  EXPECT_NE(settings->find("Tess"), std::string::npos);
  Save().Male = 1;
  Save().Avatar = 0;
  auto again = TProfile::Create("Tess");
  InstallProfileHooks(*again);
  ASSERT_EQ(again->Load(), 1);
  EXPECT_EQ(Save().Male, 0);
  EXPECT_EQ(Save().Avatar, 3);
  EXPECT_EQ(again->Score, 1000);
}

TEST_F(SaveBlockTest, AProfileThatCannotBeWrittenIsReportedAsNotWritten) {
  TProfile::CreateUserFunction = CreateProfileExtra;
  auto tess = TProfile::Create("Tess");
  InstallProfileHooks(*tess);
  quill_test::WriteFaults faults(quill_test::WriteFault::kFail, "Tess.dat");
  EXPECT_EQ(Player().ProfileWrite(tess.get()), 0);
  EXPECT_EQ(faults.Faulted(), 1);
}

TEST_F(SaveBlockTest, ASavedHoleOfMoreCardsThanTheLimitIsRefusedEvenWhenEveryRecordIsWhole) {
  // Whole, valid records: only the count's limit can refuse them.
  for (const int count : {TSaveData::MAX_CARDS, TSaveData::MAX_CARDS + 1}) {
    TSaveData s;
    MakeRich(s);
    s.Cards.clear();
    for (int i = 0; i < count; ++i) s.Cards.push_back(TCard::Make(10 + i, 20, CARDTYPE_NORMAL, 1, 1 + i % 13, i % 4));
    const auto bytes = BlockOf(s);
    TSaveData back;
    platform::InStream in(bytes);
    if (count <= TSaveData::MAX_CARDS) {
      ASSERT_EQ(back.Load(in), 0) << back.LoadError;
      EXPECT_EQ(back.Cards.size(), static_cast<std::size_t>(count));
    } else {
      EXPECT_LT(back.Load(in), 0);
      EXPECT_NE(back.LoadError.find(std::to_string(count)), std::string::npos) << back.LoadError;
    }
  }
}

}  // namespace

namespace {

// The messages of one test, written to the error log for it to read; the log starts empty.
class MessageLog {
 public:
  MessageLog() : before_(std::exchange(ccWriteErrors, 1)) { Clear(); }
  ~MessageLog() { ccWriteErrors = before_; }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;
  static std::string Path() { return ccErrorPath + "ErrorLog.txt"; }
  static void Clear() { platform::DeleteFile(Path()); }
  // "" when nothing was reported.
  static std::string Text() { return platform::ReadTextFile(Path()).value_or(""); }

 private:
  int before_;
};

// A profile whose cash is below 0 (a sum that wrapped in an older run, or a damaged file) loads
// with its cash at 0 and everything else kept, and the message names the file. Cash of 0 and above
// is read as it stands, without a word.
TEST_F(SaveBlockTest, CashBelowZeroLoadsAsZeroWithAMessageNamingTheFile) {
  MessageLog log;
  TProfile::CreateUserFunction = CreateProfileExtra;
  auto tess = TProfile::Create("Tess");
  InstallProfileHooks(*tess);
  MakeRich(Save());
  tess->CurrentLevel = 4;
  const struct {
    int saved, loaded;
  } cases[] = {{-2147483643, 0},  // 2,147,483,643 + 6 wrapped
               {-1, 0},
               {0, 0},
               {1, 1},
               {2147483647, 2147483647}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.saved);
    tess->Score = c.saved;
    ASSERT_EQ(tess->Save(), 0);
    log.Clear();
    auto again = TProfile::Create("Tess");
    InstallProfileHooks(*again);
    EXPECT_EQ(again->Load(), 1);
    EXPECT_EQ(again->Score, c.loaded);
    EXPECT_EQ(again->CurrentLevel, 4);
    EXPECT_EQ(Save().CourseName, "Pine fop");
    const std::string text = log.Text();
    if (c.saved < 0) {
      EXPECT_NE(
          text.find("'" + Game->ProfilePath + "Tess.dat' holds cash of " + std::to_string(c.saved)),
          std::string::npos)
          << text;
    } else {
      EXPECT_EQ(text, "");
    }
  }
}

// ---- the end of the player's file ----

// The tips shown end the file. How many of their twelve bytes a rich player's file keeps, and how
// many stray bytes follow.
struct TipsTail {
  const char* name;
  int tipBytes;
  int strayBytes;
};

// Tess's file as the rich player's, and the state in memory another's.
class TessFileTest : public SaveBlockTest {
 protected:
  void SetUp() override {
    SaveBlockTest::SetUp();
    AddCourse("Pine fop");  // the rich player's round is on a course of the game's
    TProfile::CreateUserFunction = CreateProfileExtra;
    tess_ = TProfile::Create("Tess");
    InstallProfileHooks(*tess_);
    MakeRich(Save());
    tess_->CurrentLevel = 4;
    tess_->LockedLevel = 3;
    tess_->Score = 123456;
    ASSERT_EQ(tess_->Save(), 0);
    path_ = tess_->Path();
    bytes_ = *platform::ReadFileBytes(path_);
    cards_ = TProfile::HEAD_SIZE + 196 + CareerBlockSize(Save()) + 4 + 8 + 120;
  }
  // Tess read back from `bytes` written as her file, over another player's state in memory.
  std::shared_ptr<TProfile> LoadFrom(const std::vector<unsigned char>& bytes) {
    EXPECT_TRUE(platform::WriteFileAtomic(path_, bytes));
    auto again = TProfile::Create("Tess");
    InstallProfileHooks(*again);
    Player().SaveData = std::make_shared<TSaveData>();
    Save().CourseName = "In memory";
    again->Load();
    return again;
  }

  std::shared_ptr<TProfile> tess_;
  std::string path_;
  std::vector<unsigned char> bytes_;  // Tess's whole file, tips shown 2, 1, 1
  std::size_t cards_ = 0;             // where her saved cards' count lies in it
};

void PrintTo(const TipsTail& tail, std::ostream* os) { *os << tail.name; }

class ProfileTailTest : public TessFileTest, public testing::WithParamInterface<TipsTail> {};

// The tips shown are worth none of the player's progress: a file that ends inside them, an older
// file without them, with or without a few stray bytes after it, and a whole file with more after
// it all load whole, with no message and nothing set aside. A count the file holds whole is read;
// one it does not hold is no tip shown.
TEST_P(ProfileTailTest, LoadsWithTheCashTheUnlocksAndTheRoundInPlay) {
  const TipsTail tail = GetParam();
  MessageLog log;
  auto bytes = bytes_;
  bytes.resize(bytes.size() - 12 + static_cast<std::size_t>(tail.tipBytes));
  bytes.insert(bytes.end(), static_cast<std::size_t>(tail.strayBytes), 0xA5);
  auto tess = LoadFrom(bytes);

  EXPECT_EQ(tess->LastError, "");
  EXPECT_EQ(log.Text(), "");
  EXPECT_FALSE(platform::FileExists(path_ + ".damaged"));
  EXPECT_EQ(platform::ReadFileBytes(path_).value_or(std::vector<unsigned char>{}), bytes);
  EXPECT_EQ(tess->Score, 123456);
  EXPECT_EQ(tess->CurrentLevel, 4);
  EXPECT_EQ(tess->LockedLevel, 3);
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_COMPLETED);
  EXPECT_EQ(Save().CourseName, "Pine fop");
  EXPECT_EQ(Save().MidCourse, 1);
  EXPECT_EQ(Save().MidHole, 1);
  EXPECT_EQ(Save().Cards.size(), 2u);
  EXPECT_EQ(Save().HoleCash, 2100000000);
  EXPECT_EQ(Save().CourseArrayCards[17], 5);

  const int saved[] = {2, 1, 1};
  const int counts[] = {Save().MissedCardTips, Save().IronTips, Save().LongDriveTips};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const bool whole = tail.tipBytes >= 4 * (i + 1);
    const bool stray = tail.tipBytes == 0 && tail.strayBytes >= 4 * (i + 1);
    if (stray) {
      EXPECT_GE(counts[i], 0);  // whatever the stray bytes say, brought into range
    } else {
      EXPECT_EQ(counts[i], whole ? saved[i] : 0);
    }
  }
}

std::vector<TipsTail> TipsTails() {
  std::vector<TipsTail> tails = {
      {"OlderFile", 0, 0}, {"WholeFile", 12, 0}, {"WholeFileAndFiveStrayBytes", 12, 5}};
  static const char* const kCut[] = {"CutAfter1TipByte",   "CutAfter2TipBytes", "CutAfter3TipBytes",
                                     "CutAfter4TipBytes",  "CutAfter5TipBytes", "CutAfter6TipBytes",
                                     "CutAfter7TipBytes",  "CutAfter8TipBytes", "CutAfter9TipBytes",
                                     "CutAfter10TipBytes", "CutAfter11TipBytes"};
  static const char* const kStray[] = {
      "OlderFileAnd1StrayByte",   "OlderFileAnd2StrayBytes", "OlderFileAnd3StrayBytes",
      "OlderFileAnd4StrayBytes",  "OlderFileAnd5StrayBytes", "OlderFileAnd6StrayBytes",
      "OlderFileAnd7StrayBytes",  "OlderFileAnd8StrayBytes", "OlderFileAnd9StrayBytes",
      "OlderFileAnd10StrayBytes", "OlderFileAnd11StrayBytes"};
  for (int n = 1; n <= 11; ++n) {
    tails.push_back({kCut[n - 1], n, 0});
    tails.push_back({kStray[n - 1], 0, n});
  }
  return tails;
}

INSTANTIATE_TEST_SUITE_P(Tails, ProfileTailTest, testing::ValuesIn(TipsTails()),
                         [](const testing::TestParamInfo<TipsTail>& info) {
                           return std::string(info.param.name);
                         });

// A real fault in the saved game sets the whole file aside, keeps the player in memory as they
// were, and the message names what was found.
struct BlockFault {
  const char* name;
  // The fault put into Tess's file, given the offset of her saved cards' count.
  std::function<void(std::vector<unsigned char>&, std::size_t cards)> apply;
  const char* reason;
};

TEST_F(TessFileTest, AFaultInTheSavedGameSetsTheFileAsideWithAMessageNamingWhatWasFound) {
  MessageLog log;
  ASSERT_EQ(IntAt(bytes_, cards_), 2);
  const BlockFault faults[] = {
      {"cut in a saved card", [](auto& b, auto at) { b.resize(at + 4 + 40); },
       "the saved game ends inside its 2 cards, at byte "},
      {"a saved card's cover list of -1", [](auto& b, auto at) { PutInt(b, at + 4 + 72, -1); },
       "card 1 of the saved game: card record has a bad cover list length -1, at byte "},
      {"cut in the course states", [](auto& b, auto) { b.resize(b.size() - 12 - 100); },
       "the saved game ends inside the course states, at byte "},
      {"a card count of 5000", [](auto& b, auto at) { PutInt(b, at, 5000); },
       "the saved game holds a card count of 5000, at byte "},
  };
  int copy = 0;
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.name);
    auto bytes = bytes_;
    fault.apply(bytes, cards_);
    log.Clear();
    auto tess = LoadFrom(bytes);
    const std::string aside = path_ + ".damaged" + (copy++ == 0 ? "" : "." + std::to_string(copy));
    EXPECT_EQ(platform::ReadFileBytes(aside).value_or(std::vector<unsigned char>{}), bytes);
    EXPECT_FALSE(platform::FileExists(path_));
    EXPECT_EQ(Save().CourseName, "In memory");
    const std::string& message = tess->LastError;
    EXPECT_EQ(message.rfind("The player profile '" + path_ + "' is damaged (" + fault.reason, 0),
              0u)
        << message;
    EXPECT_TRUE(message.ends_with(") and has been put aside.")) << message;
    EXPECT_NE(log.Text().find(message), std::string::npos) << log.Text();
  }
}

}  // namespace
