#pragma once
// A player's career statistics, stored in the saved game block.

#include <memory>

#include "progress/stat.h"

class TCareerStats {
 public:
  std::shared_ptr<TStat> IronsPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalCardsPlayed = std::make_shared<TStat>();
};
