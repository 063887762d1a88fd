#pragma once
// A small seeded random generator with the two forms the game uses everywhere: an integer in a
// closed range and a real in a half-open range. The game owns two of them (gameplay and cosmetic),
// so a visual change never alters a deal; tests seed them to fixed values.

#include <cstdint>

namespace platform {

class Random {
 public:
  explicit Random(std::uint64_t seed = 0x9E3779B97F4A7C15ull) { Seed(seed); }
  void Seed(std::uint64_t seed);
  std::uint64_t Next();  // 64 random bits
  // An integer in [low, high] (the bounds may come in either order).
  int Rand(int low, int high);
  // A real in [low, high).
  double Rnd(double low = 0.0, double high = 1.0);

 private:
  std::uint64_t state_[2];
};

}  // namespace platform
