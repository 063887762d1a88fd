#include "cards/token_generator_list.h"

#include <algorithm>

#include "cards/field_events.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"

namespace {

float Ticks(int ms) { return Game ? Game->CalcAnimLength(ms) : ms / 5.0f; }

void BookPenalty(int penalty, int cash) {
  if (penalty == 1) FieldEvents().ScoreChange(cash);
  else if (penalty == 2) FieldEvents().HoleCashChange(cash);
}

}  // namespace

int TTokenGeneratorList::Add(int startX, int startY, int endX, int endY, int qty, int cash,
                             int intervalMs, int flightMs, int penalty, int playSound,
                             int stopWatch) {
  if (qty <= 0) {
    // Nothing to show: the amount is booked at once and the End Hole control is left alone.
    if (penalty != 0) BookPenalty(penalty, cash);
    else if (cash > 0 && stopWatch == 0) FieldEvents().HoleCashChange(cash);
    return 0;
  }
  auto g = std::make_shared<TTokenGenerator>();
  g->FlightTime = flightMs;
  g->StartX = startX;
  g->StartY = startY;
  g->EndX = endX;
  g->EndY = endY;
  g->Cash = cash;
  g->Penalty = penalty;
  g->StopWatch = stopWatch;
  g->Qty = qty - 1;
  MakeToken(*g);
  if (playSound && GameGrid) GameGrid->PlaySound(GameGrid->TokenSound);
  if (g->Qty > 0) {
    // At least one tick between tokens, so a stream always ends.
    g->Interval = std::max(1, static_cast<int>(Ticks(intervalMs)));
    g->IntervalCounter = static_cast<float>(g->Interval);
    Generators.push_back(g);
  } else {
    LastTokenMade(g);
  }
  if (!(g->Qty == 0 && g->Penalty != 0)) {
    // A stream still running (or a token still flying) keeps End Hole off until it is done.
    if (!Generators.empty() || BonusTokens > 0) FieldEvents().EndHoleEnable(0);
  }
  return 0;
}

int TTokenGeneratorList::LastTokenMade(const std::shared_ptr<TTokenGenerator>& g) {
  BookPenalty(g->Penalty, g->Cash);
  std::erase(Generators, g);
  if (Generators.empty()) FieldEvents().EndHoleEnable(1);
  return 0;
}

int TTokenGeneratorList::MakeToken(TTokenGenerator& g) {
  if (g.Penalty == 1) g.PenaltyTokenMake();
  else if (g.Penalty == 2) g.HoleCashPenaltyTokenMake();
  else g.BonusTokenMake();
  return 0;
}

int TTokenGeneratorList::Manage() {
  bool made = false;
  const auto snapshot = Generators;
  for (const auto& g : snapshot) {
    if (g->IntervalCounter <= 0) continue;
    g->IntervalCounter -= Delta;
    if (g->IntervalCounter > 0) continue;
    g->IntervalCounter += g->Interval;
    g->Qty -= 1;
    MakeToken(*g);
    made = true;
    if (g->Qty <= 0) LastTokenMade(g);
  }
  if (made && GameGrid) GameGrid->PlaySound(GameGrid->TokenSound);
  return 0;
}
