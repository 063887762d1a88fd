#pragma once
// A player's career statistics, stored in the saved game block.

#include <memory>

#include "progress/stat.h"

class TCareerStats {
 public:
  std::shared_ptr<TStat> IronsPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalCardsPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> Total5x = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalPerfects = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalGopherVisits = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalGopherMoneyLost = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalGopherFlushed = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalGopherMoneyFound = std::make_shared<TStat>();
};
