#pragma once
// A wall-clock fade of one centred image, with an optional moving, zooming background and an
// optional channel whose volume follows the picture. Runs its own blocking loops outside the main
// loop, reading polled input; all times are milliseconds of the platform clock.

#include "platform/audio.h"
#include "platform/graphics.h"

class TFade {
 public:
  platform::ChannelRef Channel;
  platform::ImageRef Image;
  int X = 0, Y = 0;
  float Length = 0;  // ms
  float StartTime = 0;
  float Elapsed = 0;
  float Ratio = 0;  // the picture's alpha
  float LastTime = 0;
  platform::ImageRef Background;
  float BackgroundX = 0, BackgroundY = 0;
  float BackgroundZoom = 1;
  float BackgroundXSpeed = 0, BackgroundYSpeed = 0;  // pixels per second
  float BackgroundZoomSpeed = 0;                     // per second
  float BackgroundFadeTime = 0;                      // ms
  float BackgroundAlpha = 0;
  int Out = 0;  // 0 fading in, 1 fading out, -1 holding

  int Init(float length, platform::ImageRef image, platform::ChannelRef channel);
  int Reset();
  int CentreImage();
  // Runs the fade: 1 when it ran to its end, -1 when a key or click cut it short.
  int FadeDo(int out);
  int MoveBackground(float now, float elapsed);
  // Holds the picture: 0 when the time has passed, -1 when cut short.
  int WaitForTime(float time);
  // Draws and flips one frame.
  int Draw();
  int Full();
  int Zero();
};
