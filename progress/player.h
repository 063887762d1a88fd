#pragma once
// The player as the play screen sees the player during a game: name and cash, the hole being
// played and its winnings, the mulligans left, the clock of a timed hole, the golf bag of irons and
// the saved game state of the profile. One instance, GameScreen->Player, lives for the whole run.

#include <array>
#include <memory>
#include <string>

#include "progress/save_data.h"

class TProfile;

class TPlayer {
 public:
  static constexpr int IRON_SLOTS = 10;  // entries 2..9 are the 2- to 9-iron; 0 and 1 stay 0

  TPlayer() = default;
  virtual ~TPlayer() = default;
  TPlayer(const TPlayer&) = delete;
  TPlayer& operator=(const TPlayer&) = delete;

  std::string Name;
  int Score = 0;            // cash in hand (the profile's Score); never below 0 through ScoreChange
  int CourseToPar = 0;      // running score against par of the course being played
  int CourseHoles = 0;      // holes of the course being played
  int TimeUp = 0;           // 1 once a timed hole's time has run out
  int Level = 1;            // the hole being played, from 1 (the profile's CurrentLevel)
  int Unlocked = 1;         // the profile's LockedLevel - 1
  int LevelStartScore = 0;  // Score when the hole started
  int LevelScore = 0;       // cash won on the current hole; never below 0
  int Mulligans = 1;        // mulligans left on the current hole
  int Perfect = 0;          // 1 once the hole's layout has been cleared
  float TimeLimit = 0;      // ms allowed on a timed hole; 0 on an untimed hole
  double TotalTimeTaken = 0;  // logic ticks played in all games of this profile
  double TimeTaken = 0;       // logic ticks played on the current hole
  int LastTimeTaken = 0;      // whole seconds last shown by the countdown (10..0); 9999 for none
  std::array<int, IRON_SLOTS> Irons{};  // the golf bag: 1 where the i-iron is held
  std::shared_ptr<TSaveData> SaveData = std::make_shared<TSaveData>();

  // Does nothing (kept for the game's life cycle). Returns 0.
  virtual int ClearCounters();
  // A free bag slot (2..9) that no iron dealt this hole is heading for (layout, stock, in flight);
  // 0 when there is none.
  virtual int GetEmptyIron();
  // The reset at the start of a game: name, cash, hole, totals, the bag, pop-up counters.
  virtual int InitStats();
  virtual int IronsClear();
  // Entries of the bag that are exactly 1.
  virtual int IronsCount();
  // LevelScore += n, not below 0 and stopping at the largest int; a gain (n > 0) bounces the HUD's
  // hole-cash sign.
  virtual int LevelScoreChange(int n);
  // Does nothing. Returns 0.
  virtual int Load();
  // The per-tick clock of a timed hole (see the .cpp). Returns 1.
  virtual int Manage();
  // The reset at the start of every hole.
  virtual int NewLevelStats();
  // Copies the profile into the record (first rereading its file when reload is non-zero).
  // 0 and no change for a null profile, else 1. Negative cash reads as 0.
  virtual int ProfileRead(TProfile* profile, int reload);
  // Writes the profile file: 1 when written, 0 for a null profile or a failed save.
  virtual int ProfileWrite(TProfile* profile);
  // ProfileUpdatePlayer, then SaveData->Update(). Writes nothing to disk.
  virtual int ProfileUpdate(TProfile& profile);
  // The record's name, hole, cash, total time and unlock count into the profile.
  virtual int ProfileUpdatePlayer(TProfile& profile);
  // Score += n, not below 0 and stopping at the largest int.
  virtual int ScoreChange(int n);
  // Does nothing. Returns 0.
  virtual int UpdateTotals();
};

// Whether the player's saved game owns the shop item `id`: no without a player or a saved game, or
// for an id out of range.
bool OwnsShopItem(const TPlayer* player, int id);
