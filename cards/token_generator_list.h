#pragma once
// The running token streams of the hole, paced once per logic tick, and the count of cash and
// stopwatch tokens still in flight. The global TokenGeneratorList (cards/globals.h).

#include <memory>
#include <vector>

#include "cards/token_generator.h"

class TTokenGeneratorList {
 public:
  // Cash and stopwatch tokens made and not yet arrived.
  int BonusTokens = 0;
  std::vector<std::shared_ptr<TTokenGenerator>> Generators;

  TTokenGeneratorList() = default;
  TTokenGeneratorList(const TTokenGeneratorList&) = delete;
  TTokenGeneratorList& operator=(const TTokenGeneratorList&) = delete;

  // Starts a stream of `qty` tokens, the first at once, then one every intervalMs (at least one
  // tick). A stream of no tokens books its amount at once and makes none.
  int Add(int startX, int startY, int endX, int endY, int qty, int cash, int intervalMs,
          int flightMs, int penalty, int playSound, int stopWatch);
  // The stream's last token has been made: books a penalty, removes the stream.
  int LastTokenMade(const std::shared_ptr<TTokenGenerator>& g);
  int MakeToken(TTokenGenerator& g);
  // Paces every stream (one token per stream at most per tick).
  int Manage();
  int Count() const { return static_cast<int>(Generators.size()); }
};
