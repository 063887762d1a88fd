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
  std::string Name;
  int CourseToPar = 0;   // the course's score against par so far
  int CourseHoles = 9;   // 9 or 18
  int Perfect = 0;       // the hole was cleared perfectly
  int Score = 0;         // the player's cash
  int LevelScore = 0;    // the hole's winnings
  float TimeLimit = 0;   // ms; 0 or less: the hole has no clock
  double TimeTaken = 0;  // logic ticks used so far
  int TimeUp = 0;
  int LastTimeTaken = 9999;
  int Mulligans = 0;
  int Level = 1;         // the hole being played, from 1
  std::array<int, 10> Irons{};  // index = iron number 2..9; nonzero while held
  std::shared_ptr<TSaveData> SaveData = std::make_shared<TSaveData>();

  // Score += amount, not below 0.
  int ScoreChange(int amount);
  // LevelScore += amount, not below 0; a gain bounces the HUD's hole-cash sign.
  int LevelScoreChange(int amount);
  // Copies name, hole, cash and the play state into the profile in memory; writes no file.
  int ProfileUpdate(TProfile* profile);
  // Writes the profile's file (with the saved game block): 1, or 0 for no profile.
  int ProfileWrite(TProfile* profile);
};
