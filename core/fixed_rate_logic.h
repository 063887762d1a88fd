#pragma once
// The fixed-rate timer (Game->FixedRateLogic): once per drawn frame it measures the milliseconds
// since the previous frame, caps them at Threshold (50 ms: at most 10 ticks, a stall is never
// caught up) and turns them into NumTicks, a whole number of logic ticks and a fraction, at a
// nominal 200 ticks per second.

#include <vector>

#include "core/tracking_var.h"

class TFixedRateLogic : public TTrackingVar {
 public:
  int FramerateDefault = 200;
  float Framerate = 200.0f;
  double LastTime = 0;
  double TmpMS = 0;
  double NumTicks = 0;
  double LastNumTicks = 0;
  float MS = 5.0f;  // ms per tick
  int Threshold = 50;
  int JitterCorrection = 1;  // 1: ticks follow the average frame time of the history
  int HistorySize = 1;
  int HistorySizeMax = 50;
  std::vector<int> History;
  int HistoryCounter = 0;
  int First = 0;
  int FirstMax = 5;

  // Restarts the timing from now: no ticks due, Delta 1, FirstMax frames of grace.
  int Init() override;
  int Create();
  int CalcMS();
  int SetThreshold(int ms);
  // Measures one frame into NumTicks.
  int Calc();
  int SetDelta(float delta);
  int HistoryClear();
};
