#include "platform/random.h"

#include <utility>

namespace platform {

void Random::Seed(std::uint64_t seed) {
  // splitmix64 spreads any seed (even 0) over the xorshift128+ state.
  for (auto& s : state_) {
    seed += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = seed;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    s = z ^ (z >> 31);
  }
}

std::uint64_t Random::Next() {
  std::uint64_t s1 = state_[0];
  const std::uint64_t s0 = state_[1];
  state_[0] = s0;
  s1 ^= s1 << 23;
  state_[1] = s1 ^ s0 ^ (s1 >> 17) ^ (s0 >> 26);
  return state_[1] + s0;
}

int Random::Rand(int low, int high) {
  if (low > high) std::swap(low, high);
  const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
  return static_cast<int>(low + static_cast<std::int64_t>(Next() % span));
}

double Random::Rnd(double low, double high) {
  const double unit = static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
  return low + (high - low) * unit;
}

}  // namespace platform
