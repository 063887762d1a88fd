// The stock penalty: stock cards drop off the table one every 300 ms, the first at once.

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "play/play_effects.h"

int TGameScreen::DropStockCards(int count) {
  StockPenaltyLength = static_cast<int>(Game->CalcAnimLength(300 * count + 1000));
  StockPenaltyCounter = static_cast<float>(StockPenaltyLength);
  StockPenaltyQty = count - 1;
  if (StockPenaltyQty > 0) {
    StockPenaltyInterval = static_cast<int>(Game->CalcAnimLength(300));
    StockPenaltyIntervalCounter = static_cast<float>(StockPenaltyInterval);
    if (GameGrid) GameGrid->BlockInputSet();
  } else {
    StockPenaltyCounter = 0;
  }
  if (PenaltyStockMake() == 0 || !CardList || CardList->StockCount() == 0) StockPenaltyKill();
  if (StockPenaltyQty == 0) EndHoleEnable(1);
  return 0;
}

int TGameScreen::StockPenaltyManage() {
  if (StockPenaltyCounter <= 0) return 0;
  StockPenaltyCounter -= Delta;
  if (StockPenaltyIntervalCounter > 0) {
    StockPenaltyIntervalCounter -= Delta;
    if (StockPenaltyIntervalCounter <= 0) {
      StockPenaltyIntervalCounter += static_cast<float>(StockPenaltyInterval);
      if (PenaltyStockMake() == 0 || !CardList || CardList->StockCount() == 0) StockPenaltyKill();
      StockPenaltyQty -= 1;
    }
  }
  if (StockPenaltyCounter <= 0 || StockPenaltyQty <= 0) StockPenaltyKill();
  return 0;
}

int TGameScreen::StockPenaltyKill() {
  StockPenaltyCounter = 0;
  StockPenaltyQty = 0;
  StockPenaltyIntervalCounter = 0;
  return 0;
}
