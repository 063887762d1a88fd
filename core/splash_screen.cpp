#include "core/splash_screen.h"

#include "core/fade.h"
#include "platform/audio.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"

TSplashScreen::TSplashScreen() : fade(std::make_shared<TFade>()) {}

int TSplashScreen::Init(const std::string& imagePath, const std::string& soundPath, int playSound,
                        int fadeSound) {
  Image = ccLoadBitmap(imagePath, 0);
  ccCreateFrames(Image);
  if (!soundPath.empty()) {
    Sample = ccLoadSample(soundPath, fadeSound == 1 ? platform::SOUND_LOOP : 0);
  }
  Sound = playSound;
  FadeSound = fadeSound;
  ccFlushAll();
  OriginalPolledInputState = ccPolledInputState;
  ccEnablePolledInput();
  return 0;
}

int TSplashScreen::InitTimes(int in, int full, int out) {
  TimeIn = static_cast<float>(in);
  TimeFull = static_cast<float>(full);
  TimeOut = static_cast<float>(out);
  return 0;
}

int TSplashScreen::DoSplash() {
  // A quit asked for during an earlier splash skips the rest at once; it stays pending for the
  // main loop.
  if (ccQuitRequested() != 0) {
    CleanUp();
    return -1;
  }
  ccClsVSync(0, 0, 0);
  if (Sound != 0 && Sample) {
    Channel = platform::AllocChannel();
    if (Channel) {
      Channel->Play(Sample, true);
      if (FadeSound == 1) {
        Channel->SetRate(SampleRate);
        Channel->SetVolume(0);
      }
      Channel->Resume();
    }
  }
  if (background) {
    fade->Background = background;
    fade->BackgroundXSpeed = BackgroundXSpeed;
    fade->BackgroundYSpeed = BackgroundYSpeed;
    fade->BackgroundZoomSpeed = BackgroundZoomSpeed;
    fade->BackgroundFadeTime = BackgroundFadeTime;
  }
  fade->Init(TimeIn, Image, FadeSound == 1 ? Channel : nullptr);
  fade->CentreImage();
  if (fade->FadeDo(0) == -1) {
    CleanUp();
    return -1;
  }
  if (fade->WaitForTime(TimeFull) == -1) {
    CleanUp();
    return -1;
  }
  fade->Reset();
  fade->Length = TimeOut;
  if (fade->FadeDo(1) == -1) {
    CleanUp();
    return -1;
  }
  fade->Zero();
  ccRestoreSolidMode();
  CleanUp();
  return 0;
}

int TSplashScreen::CleanUp() {
  if (Sound != 0 && Channel) Channel->Stop();
  ccRestoreSolidMode();
  ccFlushAll();
  if (OriginalPolledInputState == 0) ccDisablePolledInput();
  ccFlushAll();
  return 0;
}
