#pragma once
// Drawn frames per second with the lowest seen (Game->FPS); counted only while the debug overlay
// is on.

#include <string>

#include "core/tracking_var.h"

class TFPSCounter : public TTrackingVar {
 public:
  int counter = 0;
  int time = 0;
  int framerate = 0;
  int minimum = 999;

  int Init() override;
  int Display(int x, int y) override;
  std::string GetDisplay() override;
  // Counts one drawn frame; closes a window after more than 1001 ms.
  int Calc();
};
