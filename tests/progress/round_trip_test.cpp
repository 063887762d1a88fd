// The player's files written with every field holding a value of its own and read back field by
// field: a whole player file (the profile's own fields, the saved game and its career statistics)
// and the best scores. A field read into another's place, or not read at all, shows as a wrong
// value under its own name.
//
// Fields with a wide range get values no other field has. Fields the reader brings into a narrow
// range (switches, owned items, course states) cannot all differ in one file, so the file is written
// in several rounds: in each round such a field takes one digit of a code of its own (base 2 for a
// switch, base 3 for a course state), so any two of them differ in some round, and each is
// non-zero in some round.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cards/card.h"
#include "platform/files.h"
#include "progress/best_score_list.h"
#include "progress/career_stats.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "progress_fixture.h"
#include "tests/support/write_faults.h"
#include "ui/profile.h"

namespace {

constexpr int kRounds = 6;

// Digit `round` of `code` in `base`.
int Digit(int code, int base, int round) {
  for (int r = 0; r < round; ++r) code /= base;
  return code % base;
}

// Whether a code has a 2 among its base-3 digits of the rounds.
bool HoldsATwo(int code) {
  for (int r = 0; r < kRounds; ++r)
    if (Digit(code, 3, r) == 2) return true;
  return false;
}

// The career statistics by name, in the order the block stores them.
using StatSlot = std::shared_ptr<TStat> TCareerStats::*;
const std::vector<std::pair<const char*, StatSlot>>& Stats() {
  static const std::vector<std::pair<const char*, StatSlot>> stats = {
      {"Lowest9HoleScore", &TCareerStats::Lowest9HoleScore},
      {"Lowest18HoleScore", &TCareerStats::Lowest18HoleScore},
      {"TotalPerfects", &TCareerStats::TotalPerfects},
      {"LongestDrive", &TCareerStats::LongestDrive},
      {"TotalCoursesPlayed", &TCareerStats::TotalCoursesPlayed},
      {"Total9HoleCoursesPlayed", &TCareerStats::Total9HoleCoursesPlayed},
      {"Total18HoleCoursesPlayed", &TCareerStats::Total18HoleCoursesPlayed},
      {"TotalHolesPlayed", &TCareerStats::TotalHolesPlayed},
      {"TotalCardsPlayed", &TCareerStats::TotalCardsPlayed},
      {"IronsPlayed", &TCareerStats::IronsPlayed},
      {"Total9Score", &TCareerStats::Total9Score},
      {"Total9ScoreAverage", &TCareerStats::Total9ScoreAverage},
      {"Total18Score", &TCareerStats::Total18Score},
      {"Total18ScoreAverage", &TCareerStats::Total18ScoreAverage},
      {"TotalGopherVisits", &TCareerStats::TotalGopherVisits},
      {"TotalGopherMoneyLost", &TCareerStats::TotalGopherMoneyLost},
      {"TotalGopherFlushed", &TCareerStats::TotalGopherFlushed},
      {"TotalGopherMoneyFound", &TCareerStats::TotalGopherMoneyFound},
      {"MostPerfectOn9Hole", &TCareerStats::MostPerfectOn9Hole},
      {"MostPerfectOn18Hole", &TCareerStats::MostPerfectOn18Hole},
      {"FastestHole", &TCareerStats::FastestHole},
      {"FastestCourse", &TCareerStats::FastestCourse},
      {"TotalTimedHole", &TCareerStats::TotalTimedHole},
      {"NumberTimedHoles", &TCareerStats::NumberTimedHoles},
      {"AverageTimedHole", &TCareerStats::AverageTimedHole},
      {"TotalTimedCourse", &TCareerStats::TotalTimedCourse},
      {"NumberTimedCourses", &TCareerStats::NumberTimedCourses},
      {"AverageTimedCourse", &TCareerStats::AverageTimedCourse},
      {"HighestHoleCash", &TCareerStats::HighestHoleCash},
      {"HighestCourseCash", &TCareerStats::HighestCourseCash},
      {"TotalHoleCash", &TCareerStats::TotalHoleCash},
      {"AverageHoleCash", &TCareerStats::AverageHoleCash},
      {"TotalCourseCash", &TCareerStats::TotalCourseCash},
      {"AverageCourseCash", &TCareerStats::AverageCourseCash},
      {"CareerEarnings", &TCareerStats::CareerEarnings},
      {"Total5x", &TCareerStats::Total5x},
      {"TotalTimePlayed", &TCareerStats::TotalTimePlayed},
      {"MiniGameLongestDrive", &TCareerStats::MiniGameLongestDrive},
  };
  return stats;
}

// The switches of the saved game (each 0 or 1 when read), in block order.
std::vector<std::pair<std::string, int*>> Switches(TSaveData& s) {
  std::vector<std::pair<std::string, int*>> out = {{"MidCourse", &s.MidCourse}, {"MidHole", &s.MidHole}};
  for (std::size_t i = 2; i < s.Irons.size(); ++i) out.emplace_back("Irons[" + std::to_string(i) + "]", &s.Irons[i]);
  out.emplace_back("TimeUp", &s.TimeUp);
  out.emplace_back("Perfect", &s.Perfect);
  out.emplace_back("Male", &s.Male);
  for (std::size_t i = 0; i < s.AvatarItems.size(); ++i)
    out.emplace_back("AvatarItems[" + std::to_string(i) + "]", &s.AvatarItems[i]);
  for (std::size_t i = 0; i < s.Trophies.size(); ++i)
    out.emplace_back("Trophies[" + std::to_string(i) + "]", &s.Trophies[i]);
  return out;
}

// The saved game of round `round`.
void FillSaveData(TSaveData& s, int round) {
  // Switches: codes 1..38, six binary digits, never all 0 or all 1.
  int code = 1;
  for (auto& [name, field] : Switches(s)) *field = Digit(code++, 2, round);
  s.Irons[0] = s.Irons[1] = 0;  // never used: the reader keeps them 0
  // Course states: the first 100 codes of six base-3 digits holding a 2, so none reads as a switch.
  code = 0;
  for (int& state : s.UnlockedCourses) {
    do {
      ++code;
    } while (!HoldsATwo(code));
    state = Digit(code, 3, round);
  }
  // Small ranges, above every switch and course state.
  s.Avatar = 2 + round % 3;
  s.Rank = 5 + round;
  s.AvatarItemUnlocked = 11 - round;
  // Wide ranges: a value of their own.
  s.HoleCash = 1101;
  s.LastTimeTaken = 1102;
  s.Mulligans = 1103;
  s.CourseToPar = -1104;
  s.CardsLeft = 1105;
  s.FoundationValue = 1106;
  s.FoundationID = 1107;
  s.HTP = -1108;
  s.HoleLongestDrive = 1109;
  s.CourseCash = 1110;
  s.CoursePerfects = 1111;
  s.CourseTime = 1112;
  s.Birdies = 1113;
  s.Eagles = 1114;
  s.TotalPursesWon = 1115;
  s.CourseIronsUsed = 1116;
  s.HoleCashActive = 1117;
  s.LongDrive = 1118;
  s.DriveEnded = 1119;
  s.GenuineDrive = 1120;
  s.LastDriveLength = 1121;
  s.DriveLength = 1122;
  s.FiveXReached = 1123;
  s.FiveXBonus = 1124;
  s.EndHoleDisabled = 1125;
  s.EndDriveActive = 1126;
  s.MissedCardTips = 1127;
  s.IronTips = 1128;
  s.LongDriveTips = 1129;
  for (std::size_t h = 0; h < TSaveData::MAX_HOLES; ++h) {
    s.CourseArrayCards[h] = 1200 + static_cast<int>(h);
    s.CourseArrayToPar[h] = -1300 - static_cast<int>(h);
    s.CourseLongDrives[h] = 1400 + static_cast<int>(h);
  }
  s.TimeTaken = 1501.25;
  s.Multiplier = 1.125;
  s.MultiplierGhost = 1.375;
  s.LastMultiplier = 2.625;
  s.LastMultiplierGhost = 2.875;
  s.CourseName = "Course of round " + std::to_string(round);
  s.Cards.clear();
  for (int i = 0; i < 2; ++i) {
    auto c = TCard::Make(100 + 70 * i, 120 + i, CARDTYPE_NORMAL, i, 5 + i, 2 + i);
    c->ID = 300 + i;
    c->Relationships = {301 + i, 310};
    s.Cards.push_back(c);
  }
  // Career statistics: eight fields each, all 304 different.
  auto& stats = *s.CareerStats;
  for (std::size_t i = 0; i < Stats().size(); ++i) {
    TStat& stat = *(stats.*(Stats()[i].second));
    const int n = 2000 + 8 * static_cast<int>(i);
    stat.Value = n;
    stat.Value2 = -(n + 1);
    stat.HoleNumber = n + 2;
    stat.FloatValue = n + 3.5;
    const std::string tag = std::to_string(i);
    stat.Date = "date " + tag;
    stat.Time = "time " + tag;
    stat.PlayerName = "player " + tag;
    stat.CourseName = "course " + tag;
  }
}

// The profile's own fields of round `round`.
void FillProfile(TProfile& p, int round) {
  p.CurrentLevel = 3001 + round;
  p.LockedLevel = 3002;
  p.Score = 3003;
  p.Lives = 3004;
  p.Kills = 3005;
  p.TimeTaken = 3006.5;
  p.Difficulty = 3007;
  p.TipsFlag = 3008;
  p.InstructionsFlag = 3009;
  for (std::size_t i = 0; i < p.HintsShown.size(); ++i) p.HintsShown[i] = 3100 + static_cast<int>(i);
}

std::vector<unsigned char> CardBytes(const TCard& card) {
  platform::OutStream out;
  card.Write(out);
  return out.Bytes();
}

#define EXPECT_FIELD(field) EXPECT_EQ(back.field, want.field) << #field
#define EXPECT_FIELD_AT(field, i) EXPECT_EQ(back.field[i], want.field[i]) << #field "[" << (i) << "]"

void ExpectSameSaveData(const TSaveData& back, const TSaveData& want) {
  EXPECT_FIELD(MidCourse);
  EXPECT_FIELD(MidHole);
  for (std::size_t i = 0; i < want.Irons.size(); ++i) EXPECT_FIELD_AT(Irons, i);
  EXPECT_FIELD(HoleCash);
  EXPECT_FIELD(TimeTaken);
  EXPECT_FIELD(LastTimeTaken);
  EXPECT_FIELD(TimeUp);
  EXPECT_FIELD(Mulligans);
  EXPECT_FIELD(Perfect);
  EXPECT_FIELD(CourseToPar);
  for (std::size_t i = 0; i < want.CourseArrayCards.size(); ++i) {
    EXPECT_FIELD_AT(CourseArrayCards, i);
    EXPECT_FIELD_AT(CourseArrayToPar, i);
    EXPECT_FIELD_AT(CourseLongDrives, i);
  }
  for (std::size_t i = 0; i < want.UnlockedCourses.size(); ++i) EXPECT_FIELD_AT(UnlockedCourses, i);
  EXPECT_FIELD(Male);
  EXPECT_FIELD(Avatar);
  EXPECT_FIELD(Rank);
  EXPECT_FIELD(AvatarItemUnlocked);
  for (std::size_t i = 0; i < want.AvatarItems.size(); ++i) EXPECT_FIELD_AT(AvatarItems, i);
  for (std::size_t i = 0; i < want.Trophies.size(); ++i) EXPECT_FIELD_AT(Trophies, i);
  EXPECT_FIELD(CourseName);
  EXPECT_FIELD(CardsLeft);
  EXPECT_FIELD(FoundationValue);
  EXPECT_FIELD(FoundationID);
  EXPECT_FIELD(HTP);
  EXPECT_FIELD(HoleLongestDrive);
  EXPECT_FIELD(CourseCash);
  EXPECT_FIELD(CoursePerfects);
  EXPECT_FIELD(CourseTime);
  EXPECT_FIELD(Birdies);
  EXPECT_FIELD(Eagles);
  EXPECT_FIELD(TotalPursesWon);
  EXPECT_FIELD(CourseIronsUsed);
  EXPECT_FIELD(HoleCashActive);
  EXPECT_FIELD(LongDrive);
  EXPECT_FIELD(DriveEnded);
  EXPECT_FIELD(GenuineDrive);
  EXPECT_FIELD(LastDriveLength);
  EXPECT_FIELD(DriveLength);
  EXPECT_FIELD(Multiplier);
  EXPECT_FIELD(MultiplierGhost);
  EXPECT_FIELD(LastMultiplier);
  EXPECT_FIELD(LastMultiplierGhost);
  EXPECT_FIELD(FiveXReached);
  EXPECT_FIELD(FiveXBonus);
  EXPECT_FIELD(EndHoleDisabled);
  EXPECT_FIELD(EndDriveActive);
  EXPECT_FIELD(MissedCardTips);
  EXPECT_FIELD(IronTips);
  EXPECT_FIELD(LongDriveTips);
  EXPECT_FIELD(HoleDamaged);
  ASSERT_EQ(back.Cards.size(), want.Cards.size());
  for (std::size_t i = 0; i < want.Cards.size(); ++i)
    EXPECT_EQ(CardBytes(*back.Cards[i]), CardBytes(*want.Cards[i])) << "card " << i;
  for (const auto& [name, slot] : Stats()) {
    const TStat& b = *((*back.CareerStats).*slot);
    const TStat& w = *((*want.CareerStats).*slot);
    EXPECT_EQ(b.Value, w.Value) << name << ".Value";
    EXPECT_EQ(b.Value2, w.Value2) << name << ".Value2";
    EXPECT_EQ(b.HoleNumber, w.HoleNumber) << name << ".HoleNumber";
    EXPECT_EQ(b.FloatValue, w.FloatValue) << name << ".FloatValue";
    EXPECT_EQ(b.Date, w.Date) << name << ".Date";
    EXPECT_EQ(b.Time, w.Time) << name << ".Time";
    EXPECT_EQ(b.PlayerName, w.PlayerName) << name << ".PlayerName";
    EXPECT_EQ(b.CourseName, w.CourseName) << name << ".CourseName";
  }
}

void ExpectSameProfile(const TProfile& back, const TProfile& want) {
  EXPECT_FIELD(CurrentLevel);
  EXPECT_FIELD(LockedLevel);
  EXPECT_FIELD(Score);
  EXPECT_FIELD(Lives);
  EXPECT_FIELD(Kills);
  EXPECT_FIELD(TimeTaken);
  EXPECT_FIELD(Difficulty);
  EXPECT_FIELD(TipsFlag);
  EXPECT_FIELD(InstructionsFlag);
  for (std::size_t i = 0; i < want.HintsShown.size(); ++i) EXPECT_FIELD_AT(HintsShown, i);
}

#undef EXPECT_FIELD
#undef EXPECT_FIELD_AT

class ProfileRoundTrip : public ProgressTest, public testing::WithParamInterface<int> {};

// The player "Distinct" with the game's block, as the game makes a player.
std::shared_ptr<TProfile> NewDistinct() {
  TProfile::CreateUserFunction = CreateProfileExtra;
  auto profile = TProfile::Create("Distinct");
  InstallProfileHooks(*profile);
  return profile;
}

TEST_P(ProfileRoundTrip, EveryFieldComesBackInItsOwnPlace) {
  const int round = GetParam();
  auto profile = NewDistinct();
  FillProfile(*profile, round);
  FillSaveData(Save(), round);
  ASSERT_EQ(profile->Save(), 0) << profile->LastError;
  // Read by a new player object, as the next start of the game would.
  const auto written = events_.player->SaveData;
  events_.player->SaveData = std::make_shared<TSaveData>();
  auto back = NewDistinct();
  ASSERT_EQ(back->Load(), 1) << back->LastError;
  ExpectSameProfile(*back, *profile);
  ExpectSameSaveData(Save(), *written);
}

INSTANTIATE_TEST_SUITE_P(Rounds, ProfileRoundTrip, testing::Range(0, kRounds));

// The same file byte for byte as the fixture made when the format was fixed: a change of order
// that the reader and the writer make alike still changes the file, and players' files would no
// longer read.
using ProfileGolden = ProgressTest;

TEST_F(ProfileGolden, APlayerFileWithEveryFieldItsOwnHasItsGoldenBytes) {
  auto profile = NewDistinct();
  FillProfile(*profile, 0);
  FillSaveData(Save(), 0);
  ASSERT_EQ(profile->Save(), 0) << profile->LastError;
  const auto written = platform::ReadFileBytes(profile->Path());
  const auto golden = platform::ReadFileBytes(std::string(std::getenv("QUILL_FIXTURES")) + "progress/Distinct.dat");
  ASSERT_TRUE(written);
  ASSERT_TRUE(golden);
  EXPECT_EQ(*written, *golden);
}

// The fixture's file as it was written before the tips shown were kept (the same file without
// its last twelve bytes) still reads whole: every field as written, and no tip shown.
TEST_F(ProfileGolden, APlayerFileFromBeforeTheTipsWereKeptStillReads) {
  auto golden =
      platform::ReadFileBytes(std::string(std::getenv("QUILL_FIXTURES")) + "progress/Distinct.dat");
  ASSERT_TRUE(golden);
  golden->resize(golden->size() - 12);
  auto profile = NewDistinct();
  ASSERT_TRUE(platform::WriteFileAtomic(profile->Path(), *golden));
  FillProfile(*profile, 0);
  TSaveData want;
  FillSaveData(want, 0);
  want.MissedCardTips = want.IronTips = want.LongDriveTips = 0;
  auto back = NewDistinct();
  ASSERT_EQ(back->Load(), 1) << back->LastError;
  ExpectSameProfile(*back, *profile);
  ExpectSameSaveData(Save(), want);
}

// Fifteen entries, five for each of three courses, each field its own: a name, date and time of
// its own, a score no course index or flag has, and the real flag set on every other entry, so a
// course index and a flag differ in most entries.
// A player's save reaches the disk before it replaces the old file; when it cannot be flushed the
// old file stays as it was, byte for byte, and the failure is reported naming the file.
TEST_F(ProfileGolden, ASaveThatCannotBeFlushedKeepsTheOldFileAndIsReported) {
  auto profile = NewDistinct();
  FillProfile(*profile, 0);
  FillSaveData(Save(), 0);
  const std::string path = profile->Path();
  {
    quill_test::WriteFaults record(quill_test::WriteFault::kNone);
    ASSERT_EQ(profile->Save(), 0) << profile->LastError;
    EXPECT_EQ(record.Steps(), (std::vector<std::string>{"write " + path, "sync " + path, "rename " + path,
                                                        "sync " + Game->ProfilePath}));
  }
  const auto before = platform::ReadFileBytes(path);
  ASSERT_TRUE(before);
  FillProfile(*profile, 1);
  FillSaveData(Save(), 1);
  quill_test::WriteFaults no_sync(quill_test::WriteFault::kNoSync, "Distinct.dat");
  EXPECT_EQ(profile->Save(), -1);
  EXPECT_EQ(no_sync.Faulted(), 1);
  EXPECT_NE(profile->LastError.find(path), std::string::npos) << profile->LastError;
  EXPECT_NE(profile->LastError.find("Input/output error"), std::string::npos) << profile->LastError;
  EXPECT_EQ(platform::ReadFileBytes(path), before);
  EXPECT_EQ(platform::ListFolder(Game->ProfilePath), std::vector<std::string>{"Distinct.dat"});
}

using BestScoresRoundTrip = ProgressTest;

TEST_F(BestScoresRoundTrip, EveryEntryComesBackInItsOwnPlace) {
  Game->MaxLevels = 3;
  TBestScoreList list;
  for (int k = 0; k < 15; ++k) {
    const std::string tag = std::to_string(k);
    list.Add("name " + tag, -20 - k, "date " + tag, "time " + tag, k / 5, k % 2);
  }
  ASSERT_EQ(list.Save(), 0) << list.LastError;
  TBestScoreList back;
  back.Load();
  EXPECT_EQ(back.LastError, "");
  ASSERT_EQ(back.Count(), 15);
  auto want = list.Entries.begin();
  for (const auto& e : back.Entries) {
    const TBestScore& w = **want++;
    EXPECT_EQ(e->name, w.name);
    EXPECT_EQ(e->score, w.score) << w.name;
    EXPECT_EQ(e->date, w.date) << w.name;
    EXPECT_EQ(e->time, w.time) << w.name;
    EXPECT_EQ(e->course, w.course) << w.name;
    EXPECT_EQ(e->real, w.real) << w.name;
  }
  // The file holds the records in the fixed order: name, score, date, time, course, real.
  platform::OutStream first;
  auto text = [&first](const std::string& t) {
    first.WriteInt(static_cast<std::int32_t>(t.size()));
    first.WriteString(t);
  };
  text("name 0");
  first.WriteInt(-20);
  text("date 0");
  text("time 0");
  first.WriteInt(0);
  first.WriteInt(0);
  const auto file = platform::ReadFileBytes(TBestScoreList::Path());
  ASSERT_TRUE(file);
  ASSERT_GE(file->size(), first.Bytes().size());
  EXPECT_EQ(std::vector<unsigned char>(file->begin(), file->begin() + static_cast<std::ptrdiff_t>(first.Bytes().size())),
            first.Bytes());
}

}  // namespace
