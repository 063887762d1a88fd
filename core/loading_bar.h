#pragma once
// The loading screen's progress bar: advanced one step per loading step; Finished once the step
// count is used up. Mode 0 draws a rectangle, 1 the empty image beneath the bar, 2 the bar alone.

#include "platform/graphics.h"

class TLoadingBar {
 public:
  int Mode = 0;
  platform::ImageRef Image;       // the full bar, drawn cut to the filled width
  platform::ImageRef EmptyImage;  // the empty bar (mode 1, and under the final image)
  platform::ImageRef FinalImage;  // drawn instead of the bar once finished
  int x = 0, y = 0;
  int w = 0, h = 0;
  float Position = 0;  // filled width in pixels
  float Steps = 0;
  float StepSize = 0;
  int CurrentStep = 0;
  int Finished = 0;
  int BgR = 50, BgG = 50, BgB = 50;
  int BorderR = 0, BorderG = 0, BorderB = 0;
  int DrawEmptyUnderFinal = 0;

  int Init(platform::ImageRef image, platform::ImageRef emptyImage, platform::ImageRef finalImage);
  // x = (ScreenWidth - w) / 2 (truncated), y = y.
  int Centre(int y);
  // StepSize = w / n; a count of 0 or less gives no steps (StepSize 0).
  int SetSteps(int n);
  int SetBackgroundColour(int r, int g, int b);
  int SetBorderColour(int r, int g, int b);
  int Progress();
  // 1 when it drew, 0 when it did nothing.
  int Draw();
};
