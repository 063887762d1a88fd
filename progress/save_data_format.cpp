// The saved game block: the game's part of a player's profile file, right after the profile's own
// fields. All little-endian. Most ints are masked: stored as value + key (mod 2^32), the key
// starting at KEY_START in each of three sections and growing by KEY_STEP after each masked int.
// Doubles, the name length and bytes, the card count and card records and the embedded career
// statistics block (its own key) are plain.
//
//   section 1: MidCourse, MidHole, Irons[10], HoleCash, (double TimeTaken), LastTimeTaken, TimeUp,
//              Mulligans, Perfect, CourseToPar, Male, Avatar, Rank, AvatarItemUnlocked,
//              AvatarItems[12], Trophies[13]                             (47 masked ints, 196
//              bytes) career statistics block n, CourseName (n bytes) CardsLeft, FoundationValue,
//              FoundationID, HTP, HoleLongestDrive, CourseCash, CoursePerfects, CourseTime,
//              Birdies, Eagles, TotalPursesWon, CourseIronsUsed, HoleCashActive, LongDrive,
//              DriveEnded, GenuineDrive, LastDriveLength, DriveLength, (4 doubles Multiplier,
//              MultiplierGhost, LastMultiplier, LastMultiplierGhost), FiveXReached, FiveXBonus,
//              EndHoleDisabled, EndDriveActive     (22 masked ints) k, k card records
//   section 2: UnlockedCourses[100]
//   section 3: CourseArrayCards[h], CourseArrayToPar[h], CourseLongDrives[h] for h = 0..17
//   section 4: MissedCardTips, IronTips, LongDriveTips
//              (blocks written before the tips were kept end after section 3; a count the block
//              does not hold whole, cut off or after an older block's few stray bytes, reads as 0)

#include "progress/save_data.h"

#include "cards/card.h"
#include "cards/card_record.h"
#include "platform/files.h"
#include "progress/counted_string.h"

namespace {

class MaskedWriter {
 public:
  explicit MaskedWriter(platform::OutStream& out) : out_(out) {}
  void Restart() { key_ = TSaveData::KEY_START; }
  void Int(int v) {
    out_.WriteInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(v) + key_));
    key_ += TSaveData::KEY_STEP;
  }
  template <std::size_t N>
  void Ints(const std::array<int, N>& a) {
    for (const int v : a) Int(v);
  }

 private:
  platform::OutStream& out_;
  std::uint32_t key_ = TSaveData::KEY_START;
};

class MaskedReader {
 public:
  explicit MaskedReader(platform::InStream& in) : in_(in) {}
  void Restart() { key_ = TSaveData::KEY_START; }
  int Int() {
    const auto v = static_cast<std::int32_t>(static_cast<std::uint32_t>(in_.ReadInt()) - key_);
    key_ += TSaveData::KEY_STEP;
    return v;
  }
  template <std::size_t N>
  void Ints(std::array<int, N>& a) {
    for (int& v : a) v = Int();
  }

 private:
  platform::InStream& in_;
  std::uint32_t key_ = TSaveData::KEY_START;
};

std::size_t BytesLeft(const platform::InStream& in) {
  return in.Position() < in.Size() ? in.Size() - in.Position() : 0;
}

// Skips one card record whose fields were refused, so that the rest of the block can still be
// read: false when the record itself is not whole (the block is then damaged).
bool SkipCardRecord(platform::InStream& in) {
  constexpr std::size_t FIXED_BYTES = 72;
  if (BytesLeft(in) < FIXED_BYTES) return false;
  in.Seek(in.Position() + FIXED_BYTES);
  for (int list = 0; list < 2; ++list) {
    const int n = in.ReadInt();
    if (in.Failed() || n < 0 || n > CARD_RECORD_MAX_COVERS) return false;
    if (BytesLeft(in) < static_cast<std::size_t>(n) * 4) return false;
    in.Seek(in.Position() + static_cast<std::size_t>(n) * 4);
  }
  return true;
}

}  // namespace

int TSaveData::Save(platform::OutStream& out) const {
  MaskedWriter w(out);
  w.Int(MidCourse);
  w.Int(MidHole);
  w.Ints(Irons);
  w.Int(HoleCash);
  out.WriteDouble(TimeTaken);
  w.Int(LastTimeTaken);
  w.Int(TimeUp);
  w.Int(Mulligans);
  w.Int(Perfect);
  w.Int(CourseToPar);
  w.Int(Male);
  w.Int(Avatar);
  w.Int(Rank);
  w.Int(AvatarItemUnlocked);
  w.Ints(AvatarItems);
  w.Ints(Trophies);
  (CareerStats ? *CareerStats : TCareerStats()).Save(out);
  WriteCountedString(out, CourseName);
  w.Int(CardsLeft);
  w.Int(FoundationValue);
  w.Int(FoundationID);
  w.Int(HTP);
  w.Int(HoleLongestDrive);
  w.Int(CourseCash);
  w.Int(CoursePerfects);
  w.Int(CourseTime);
  w.Int(Birdies);
  w.Int(Eagles);
  w.Int(TotalPursesWon);
  w.Int(CourseIronsUsed);
  w.Int(HoleCashActive);
  w.Int(LongDrive);
  w.Int(DriveEnded);
  w.Int(GenuineDrive);
  w.Int(LastDriveLength);
  w.Int(DriveLength);
  out.WriteDouble(Multiplier);
  out.WriteDouble(MultiplierGhost);
  out.WriteDouble(LastMultiplier);
  out.WriteDouble(LastMultiplierGhost);
  w.Int(FiveXReached);
  w.Int(FiveXBonus);
  w.Int(EndHoleDisabled);
  w.Int(EndDriveActive);
  int count = 0;
  for (const auto& c : Cards)
    if (c) ++count;
  out.WriteInt(count);
  for (const auto& c : Cards)
    if (c) c->Write(out);
  w.Restart();
  w.Ints(UnlockedCourses);
  w.Restart();
  for (int h = 0; h < MAX_HOLES; ++h) {
    w.Int(CourseArrayCards[static_cast<std::size_t>(h)]);
    w.Int(CourseArrayToPar[static_cast<std::size_t>(h)]);
    w.Int(CourseLongDrives[static_cast<std::size_t>(h)]);
  }
  w.Restart();
  w.Int(MissedCardTips);
  w.Int(IronTips);
  w.Int(LongDriveTips);
  return 0;
}

int TSaveData::Load(platform::InStream& in) {
  // Everything is read into a fresh object and kept only when the whole block was read, so a
  // damaged profile never leaves a half-read state behind.
  TSaveData f;
  MaskedReader r(in);
  auto refuse = [this, &in](const std::string& why) {
    LoadError = why + ", at byte " + std::to_string(in.Position());
    return -1;
  };
  f.MidCourse = r.Int();
  f.MidHole = r.Int();
  r.Ints(f.Irons);
  f.HoleCash = r.Int();
  f.TimeTaken = in.ReadDouble();
  f.LastTimeTaken = r.Int();
  f.TimeUp = r.Int();
  f.Mulligans = r.Int();
  f.Perfect = r.Int();
  f.CourseToPar = r.Int();
  f.Male = r.Int();
  f.Avatar = r.Int();
  f.Rank = r.Int();
  f.AvatarItemUnlocked = r.Int();
  r.Ints(f.AvatarItems);
  r.Ints(f.Trophies);
  if (in.Failed()) return refuse("the saved game ends before the career statistics");
  if (f.CareerStats->Load(in) != 0)
    return refuse("the saved game's career statistics are not whole");
  std::string error;
  if (!ReadCountedString(in, f.CourseName, MAX_STRING_LENGTH, &error))
    return refuse("the saved game's course name: " + error);
  f.CardsLeft = r.Int();
  f.FoundationValue = r.Int();
  f.FoundationID = r.Int();
  f.HTP = r.Int();
  f.HoleLongestDrive = r.Int();
  f.CourseCash = r.Int();
  f.CoursePerfects = r.Int();
  f.CourseTime = r.Int();
  f.Birdies = r.Int();
  f.Eagles = r.Int();
  f.TotalPursesWon = r.Int();
  f.CourseIronsUsed = r.Int();
  f.HoleCashActive = r.Int();
  f.LongDrive = r.Int();
  f.DriveEnded = r.Int();
  f.GenuineDrive = r.Int();
  f.LastDriveLength = r.Int();
  f.DriveLength = r.Int();
  f.Multiplier = in.ReadDouble();
  f.MultiplierGhost = in.ReadDouble();
  f.LastMultiplier = in.ReadDouble();
  f.LastMultiplierGhost = in.ReadDouble();
  f.FiveXReached = r.Int();
  f.FiveXBonus = r.Int();
  f.EndHoleDisabled = r.Int();
  f.EndDriveActive = r.Int();
  const int count = in.ReadInt();
  if (in.Failed()) return refuse("the saved game ends before its cards");
  if (count < 0 || count > MAX_CARDS)
    return refuse("the saved game holds a card count of " + std::to_string(count));
  // A card record is at least 80 bytes, so the count cannot promise more than the bytes left.
  if (static_cast<std::size_t>(count) * 80 > BytesLeft(in))
    return refuse("the saved game ends inside its " + std::to_string(count) + " cards");
  for (int i = 0; i < count; ++i) {
    const std::size_t start = in.Position();
    auto card = std::make_shared<TCard>();
    std::string cardError;
    if (card->Read(in, &cardError)) {
      if (f.HoleDamaged == 0) f.Cards.push_back(card);
      continue;
    }
    // A card whose values are out of range costs only the saved hole, as long as the record is
    // whole and the rest of the block can be read.
    in.Seek(start);
    if (!SkipCardRecord(in))
      return refuse("card " + std::to_string(i + 1) + " of the saved game: " + cardError);
    if (f.HoleDamaged == 0) {
      f.HoleDamaged = 1;
      f.HoleError = "card " + std::to_string(i + 1) + " of the saved hole: " + cardError;
    }
  }
  // A hole in play always holds its stock and foundation: a hole in progress without a single card
  // cannot be played on, so it is dealt afresh like a damaged one.
  if (f.MidHole != 0 && count == 0 && f.HoleDamaged == 0) {
    f.HoleDamaged = 1;
    f.HoleError = "the saved hole holds no card";
  }
  r.Restart();
  r.Ints(f.UnlockedCourses);
  r.Restart();
  for (int h = 0; h < MAX_HOLES; ++h) {
    f.CourseArrayCards[static_cast<std::size_t>(h)] = r.Int();
    f.CourseArrayToPar[static_cast<std::size_t>(h)] = r.Int();
    f.CourseLongDrives[static_cast<std::size_t>(h)] = r.Int();
  }
  if (in.Failed()) return refuse("the saved game ends inside the course states");
  // The profile file ends with this block, so an older block (no tips kept) ends right here. The
  // tips shown are worth none of the player's progress: each count the file holds whole is read,
  // and one it does not (a file cut short, a few stray bytes after an older block) is no tip shown.
  r.Restart();
  for (int* count : {&f.MissedCardTips, &f.IronTips, &f.LongDriveTips}) {
    if (BytesLeft(in) < 4) break;
    *count = r.Int();
  }
  if (f.HoleDamaged != 0) {
    // The hole is dealt afresh; the course goes on.
    const int damaged = f.HoleDamaged;
    const std::string why = f.HoleError;
    f.InitLevelStats();
    f.HoleDamaged = damaged;
    f.HoleError = why;
  }
  f.Sanitise();
  *this = std::move(f);
  return 0;
}
