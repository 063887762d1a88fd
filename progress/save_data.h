#pragma once
// The game's own state of one player profile: where the player stands in the courses, the
// statistics of the course being played, the avatar and shop items owned, the trophies, the career
// statistics, and a full snapshot of a hole in progress (the player's hole values, the HUD's run
// and multipliers, the foundation, two button states and every card). It is stored in the profile
// file behind the profile's own fields as the saved game block (format in save_data_format.cpp).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "progress/career_stats.h"

class TCard;
class TProfile;
namespace platform {
class InStream;
class OutStream;
}  // namespace platform

// Course unlock states of TSaveData::UnlockedCourses.
constexpr int COURSE_LOCKED = 0;
constexpr int COURSE_OPEN = 1;
constexpr int COURSE_COMPLETED = 2;

class TSaveData {
 public:
  static constexpr int MAX_COURSES = 100;
  static constexpr int MAX_HOLES = 18;
  static constexpr int AVATAR_ITEMS = 12;
  static constexpr int TROPHIES = 13;
  static constexpr int MAX_RANK = 13;
  static constexpr int MAX_ITEM_UNLOCKED = 11;
  static constexpr int MAX_AVATAR = 4;
  // Bounds that mark a saved block as damaged when a count read from it exceeds them.
  static constexpr int MAX_STRING_LENGTH = 1024;
  static constexpr int MAX_CARDS = 1000;
  // Every count of a hole or a course in progress (scores against par, cards left, mulligans,
  // drive lengths, irons used, ...) is brought within -MAX_PLAY_COUNT..MAX_PLAY_COUNT when read (a
  // count that is never below 0 within 0..MAX_PLAY_COUNT): far above what a course can reach (a
  // hole holds at most 48 cards), and far enough below the int limit that nothing play adds to it
  // or sums of it over a course's 18 holes can pass that.
  static constexpr int MAX_PLAY_COUNT = 1000000;
  // The running key of the three masked sections of the block.
  static constexpr std::uint32_t KEY_START = 3178452u;
  static constexpr std::uint32_t KEY_STEP = 6041895u;

  int MidCourse = 0;  // 1 while a course is in progress
  int MidHole = 0;    // 1 while a hole is in progress (the snapshot below is valid)
  std::array<int, 10> Irons{};  // the golf bag at the last copy (as TPlayer::Irons)
  int HoleCash = 0;
  double TimeTaken = 0;   // logic ticks played on the hole in progress (below 0: see below)
  int LastTimeTaken = 0;  // countdown seconds last shown, 9999 for none
  int TimeUp = 0;
  int Mulligans = 0;
  int Perfect = 0;
  int CourseToPar = 0;
  std::array<int, MAX_HOLES> CourseArrayCards{};  // cards left at the end of each hole
  std::array<int, MAX_HOLES> CourseArrayToPar{};  // each hole's score against par
  std::array<int, MAX_COURSES> UnlockedCourses{};  // COURSE_LOCKED, COURSE_OPEN, COURSE_COMPLETED
  int Male = 0;    // 1 gent, 0 lady
  int Avatar = 0;  // the chosen picture 0..4
  int Rank = 0;    // 0..13
  int AvatarItemUnlocked = 0;  // highest position of TAvatar::ItemUnlockOrder on sale, 0..11
  std::array<int, AVATAR_ITEMS> AvatarItems{};  // 1 where the item id is owned
  std::array<int, TROPHIES> Trophies{};         // 1 where the trophy id is won
  std::shared_ptr<TCareerStats> CareerStats = std::make_shared<TCareerStats>();
  std::string CourseName;  // the course being played or last chosen
  int CardsLeft = 0;
  int FoundationValue = 0;
  int FoundationID = 0;  // ID of the card on the foundation; -1 for none
  int HTP = 0;           // the hole's score against par
  int HoleLongestDrive = 0;
  int CourseCash = 0;
  int CoursePerfects = 0;
  int CourseTime = 0;
  int Birdies = 0;
  int Eagles = 0;
  int TotalPursesWon = 0;
  int CourseIronsUsed = 0;
  std::array<int, MAX_HOLES> CourseLongDrives{};
  int HoleCashActive = 0;
  int LongDrive = 0;
  int DriveEnded = 0;
  int GenuineDrive = 0;
  int LastDriveLength = 0;
  int DriveLength = 0;
  double Multiplier = 0;
  double MultiplierGhost = 0;
  double LastMultiplier = 0;
  double LastMultiplierGhost = 0;
  int FiveXReached = 0;
  int FiveXBonus = 0;
  int EndHoleDisabled = 0;
  int EndDriveActive = 0;
  // The golf tips the game in progress has shown (missed card, first iron, first long drive): a
  // resumed course does not show them again. Blocks written before they were kept read as 0.
  int MissedCardTips = 0;
  int IronTips = 0;
  int LongDriveTips = 0;
  // Copies of every card of the hole's card list, in its order (stock and foundation included).
  std::vector<std::shared_ptr<TCard>> Cards;

  // Set by Load when the saved hole could not be kept (a card with bad values): the hole is
  // dealt afresh. HoleError says why.
  int HoleDamaged = 0;
  std::string HoleError;
  // Set by Load when the block was refused: what was wrong and where in the stream ("the saved
  // game ends inside the course states, at byte 2700"), for the message naming the file.
  std::string LoadError;

  TSaveData() = default;
  virtual ~TSaveData() = default;

  // Restores the saved state into the play state at a hole start (the whole hole only while
  // TGameScreen::LoadLevelFromProfile is set). Returns 0.
  virtual int Apply();
  // The saved bag into the player's bag.
  virtual int ApplyIrons();
  // CourseToPar and the three per-hole arrays to 0.
  virtual int CourseArrayClear();
  // CourseArrayClear and the course counters to 0 (TotalPursesWon stays).
  virtual int CourseStatsInit();
  // The state of a new profile; sets the profile's cash to 1000.
  virtual int Init(TProfile& profile);
  // Empties the snapshot of the hole in progress.
  virtual int InitLevelStats();
  // Reads the saved game block into a fresh object and keeps it only when it was read whole:
  // 0 then. A short or damaged block leaves this object untouched and returns -1 (LoadError says
  // why). Out-of-range values of a whole block are brought into range; a card with bad values
  // drops only the saved hole (HoleDamaged).
  virtual int Load(platform::InStream& in);
  // Writes the saved game block. Returns 0.
  virtual int Save(platform::OutStream& out) const;
  // Copies the play state (player, play field, HUD, buttons, cards) into this object.
  virtual int Update();

  // The least TimeTaken a hole can reach: the "20 seconds more" wild shot takes 20 s (4000 ticks
  // of 5 ms) off it, also below zero, and a hole deals at most two wild shots.
  static constexpr double LEAST_TIME_TAKEN = -2 * 4000.0;

  // Brings every field into its range (see Load). Returns the number of fields changed.
  int Sanitise();
  // Ends the round in progress (MidCourse, MidHole 0, the hole snapshot emptied).
  int EndRound();
};
