#include "core/fixed_rate_logic.h"

#include "core/game.h"
#include "core/globals.h"
#include "platform/system.h"

int TFixedRateLogic::Init() {
  CalcMS();
  LastTime = static_cast<double>(platform::Millisecs());
  NumTicks = 0;
  LastNumTicks = 1.0;
  SetDelta(1.0f);
  TTrackingVar::Init();
  First = FirstMax;
  return 0;
}

int TFixedRateLogic::Create() {
  History.assign(static_cast<std::size_t>(HistorySizeMax), 0);
  return 0;
}

int TFixedRateLogic::CalcMS() {
  const int rate = static_cast<int>(Framerate);
  MS = rate > 0 ? 1000.0f / static_cast<float>(rate) : 5.0f;
  return 0;
}

int TFixedRateLogic::SetThreshold(int ms) {
  Threshold = ms;
  return 0;
}

int TFixedRateLogic::Calc() {
  if (Game && Game->Fast != 0) {
    NumTicks = 1.0;
    current = static_cast<int>(NumTicks);
    return 0;
  }
  // The window never moves under us on this platform's layer; its origin is refreshed by
  // GraphicsCreate, so the per-frame window check has nothing to do.
  const double now = static_cast<double>(platform::Millisecs());
  if (now < LastTime) {
    NumTicks = LastNumTicks;
  } else {
    TmpMS = now - LastTime;
    if (TmpMS > Threshold) TmpMS = Threshold;
    double average = TmpMS;
    if (First > 0) {
      --First;
    } else {
      if (History.size() < static_cast<std::size_t>(HistorySizeMax)) Create();
      History[static_cast<std::size_t>(HistoryCounter)] = static_cast<int>(TmpMS);
      double sum = 0;
      for (int i = 0; i < HistorySize; ++i) sum += History[static_cast<std::size_t>(i)];
      average = sum / HistorySize;
      ++HistoryCounter;
      if (HistorySize < HistorySizeMax) ++HistorySize;
      if (HistoryCounter >= HistorySize) HistoryCounter = 0;
    }
    NumTicks = (JitterCorrection != 0 ? average : TmpMS) / MS;
  }
  LastTime = now;
  LastNumTicks = NumTicks;
  if (NumTicks > maximum) maximum = static_cast<int>(NumTicks);
  current = static_cast<int>(NumTicks);
  return 0;
}

int TFixedRateLogic::SetDelta(float delta) {
  ::Delta = delta;
  return 0;
}

int TFixedRateLogic::HistoryClear() {
  for (int i = 0; i < HistorySize && i < static_cast<int>(History.size()); ++i) {
    History[static_cast<std::size_t>(i)] = 0;
  }
  HistorySize = 1;
  HistoryCounter = 0;
  return 0;
}
