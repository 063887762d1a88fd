#pragma once
// One stream of tokens: cash tokens flying to the hole-cash sign, stopwatch tokens flying to the
// stopwatch, or penalty tokens falling away from a cash sign.

#include <memory>

class TParticle;

class TTokenGenerator {
 public:
  int Active = 1;
  int Cash = 0;              // the bonus, 0 for stopwatch tokens, or the (negative) loss
  int Qty = 0;               // tokens still to make after the current one
  int Interval = 0;          // ticks between two tokens
  float IntervalCounter = 0; // ticks left until the next token
  int FlightTime = 0;        // flight of a cash or stopwatch token, ms
  int StartX = 0, StartY = 0;
  int EndX = 0, EndY = 0;
  int Penalty = 0;           // 0 bonus, 1 on the player's cash, 2 on the hole's winnings
  int StopWatch = 0;         // 1 for stopwatch tokens

  // Make one token of each kind (the particle goes on Particles2).
  int BonusTokenMake();
  int HoleCashPenaltyTokenMake();
  int PenaltyTokenMake();
  // Run when a stopwatch or cash token arrives.
  static int StopWatchHit(TParticle& token);
  static int TokenHitSign(TParticle& token);
};
