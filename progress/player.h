#pragma once
// The player of the current round: cash, the hole's winnings, the clock of a timed hole, the
// irons in the golf bag and the saved game.

#include <array>
#include <memory>
#include <string>

#include "progress/save_data.h"

class TProfile;

class TPlayer {
 public:
  int Score = 0;         // the player's cash
  int LevelScore = 0;    // the hole's winnings
  float TimeLimit = 0;   // ms; 0 or less: the hole has no clock
  double TimeTaken = 0;  // logic ticks used so far
  int TimeUp = 0;
  int LastTimeTaken = 9999;
  int Mulligans = 0;
  int Level = 1;         // the hole being played, from 1
  int CourseHoles = 9;   // holes of the course being played
  int Unlocked = 1;
  int Perfect = 0;       // 1 once this hole's layout was cleared
  std::string Name;
  double TotalTimeTaken = 0;
  std::array<int, 10> Irons{};  // index = iron number 2..9; nonzero while held
  std::shared_ptr<TSaveData> SaveData = std::make_shared<TSaveData>();

  // A new game: no name, no cash, hole 1, an empty bag; the play screen's per-game tips reset.
  int InitStats();
  // Name, hole, cash and time from the profile (nothing without one). Returns 1 when read.
  int ProfileRead(const std::shared_ptr<TProfile>& profile, int reload);
  // The player's values and the hole in progress into the profile object (no file written).
  int ProfileUpdate(const std::shared_ptr<TProfile>& profile);
  // Writes the profile file.
  int ProfileWrite(const std::shared_ptr<TProfile>& profile);
  // The per-hole reset at a hole start.
  int NewLevelStats();
  // Play time of the frame. Returns 1.
  int Manage();
  // A free bag slot 2..9 drawn at random; the caller makes sure one is free.
  int GetEmptyIron();
  int IronsCount() const;
  // Score += amount, not below 0.
  int ScoreChange(int amount);
  // LevelScore += amount, not below 0; a gain bounces the HUD's hole-cash sign.
  int LevelScoreChange(int amount);
};
