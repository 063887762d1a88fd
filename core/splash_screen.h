#pragma once
// One splash picture (not a screen): fades in, holds and fades out on the wall clock, with an
// optional sound that can follow the picture, ended early by any key or click.

#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/graphics.h"

class TFade;

class TSplashScreen {
 public:
  TSplashScreen();

  platform::ImageRef Image;
  platform::SoundRef Sample;
  int Sound = 1;
  float SampleRate = 1.0f;
  int FadeSound = 0;  // 1: the sound loops and its volume follows the picture
  platform::ChannelRef Channel;
  std::shared_ptr<TFade> fade;
  float TimeIn = 2000, TimeFull = 1000, TimeOut = 2000;  // ms
  int OriginalPolledInputState = 0;
  platform::ImageRef background;
  float BackgroundXSpeed = 0, BackgroundYSpeed = 0, BackgroundZoomSpeed = 0, BackgroundFadeTime = 0;

  // Loads the picture (and the sound when soundPath is not ""), then switches to polled input.
  // Fatal when a file is missing.
  int Init(const std::string& imagePath, const std::string& soundPath, int playSound, int fadeSound);
  int InitTimes(int in, int full, int out);
  // 0 when the splash ran to its end, -1 when cut short.
  int DoSplash();
  int CleanUp();
};
