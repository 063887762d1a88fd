#pragma once
// A measured integer with a running maximum and a one-line text form, the base of the timing
// counters shown by the debug overlay.

#include <string>

class TTrackingVar {
 public:
  virtual ~TTrackingVar() = default;
  int current = 0;
  int maximum = 0;
  int displayLimit = 999;
  int displayLimitChars = 3;
  std::string Label;  // text in front of the numbers, set by the owner

  virtual int Init();
  // Draws GetDisplay() in the built-in font at (x, y).
  virtual int Display(int x, int y);
  // Label + current + "/" + maximum, numbers padded with zeros to displayLimitChars.
  virtual std::string GetDisplay();
};
