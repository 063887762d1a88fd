#pragma once
// Background noises at random moments: at the end of every interval a percentage chance is rolled,
// and on success one of the sounds, chosen at random, plays through the application's channel pool.

#include <array>
#include <memory>
#include <string>

class TGameSound;

class TAmbientSounds {
 public:
  static constexpr int MAX_SOUNDS = 20;

  int TotalSounds = 0;
  std::array<std::shared_ptr<TGameSound>, MAX_SOUNDS> Sounds{};
  float SoundCounter = 0.0f;  // logic ticks left until the next roll
  int SoundCounterMax = 0;    // the interval in whole logic ticks
  int Chance = 0;             // per cent, 1..100

  // interval in milliseconds.
  int Init(int interval, int chance);
  // Adds a sound; returns -1 (and adds nothing) once MAX_SOUNDS are held.
  int AddSound(const std::shared_ptr<TGameSound>& sound);
  // Loads prefix + i + ext for i = 0 .. count - 1 (prefix is a full path).
  int Fill(const std::string& prefix, int count, const std::string& ext);
  // Once per logic tick.
  int Manage();
  int Kill();
};
