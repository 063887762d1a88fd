#include "core/splash.h"

#include "core/game.h"
#include "core/globals.h"
#include "core/splash_screen.h"
#include "util/files.h"
#include "util/image.h"

int MarrowfenSplash(int playSound, int useBackground) {
  TSplashScreen splash;
  splash.Init(Game->DataPrefix + "Data/Marrowfen.png", Game->DataPrefix + "Data/SplashSound.wav",
              playSound, 1);
  const std::string backgroundPath = Game->DataPrefix + "Data/splashbg.jpg";
  if (useBackground != 0 && ccFileExists(backgroundPath)) {
    splash.background = ccLoadBitmap(backgroundPath, platform::IMAGE_DEFAULT_FLAGS);
    ccCreateFrames(splash.background);
  }
  splash.BackgroundXSpeed = 20;
  splash.BackgroundYSpeed = 10;
  splash.BackgroundZoomSpeed = 0.02f;
  splash.BackgroundFadeTime = 250;
  splash.SampleRate = 0.9f;
  splash.InitTimes(1750, 750, 1500);
  splash.DoSplash();
  return 0;
}

int PortalSplash(int in, int full, int out, int n) {
  TSplashScreen splash;
  if (in != 0) splash.TimeIn = static_cast<float>(in);
  if (full != 0) splash.TimeFull = static_cast<float>(full);
  if (out != 0) splash.TimeOut = static_cast<float>(out);
  const std::string suffix = n == 0 ? std::string() : std::to_string(n);
  const std::string stem = Game->DataPrefix + "Data/portallogo" + suffix;
  if (ccFileExists(stem + ".png")) {
    splash.Init(stem + ".png", "", 1, 0);
  } else {
    splash.Init(stem + ".jpg", "", 1, 0);
  }
  splash.DoSplash();
  return 0;
}

int ShowSplash(const std::string& imagePath, const std::string& soundPath, int playSound,
               int fadeSound) {
  TSplashScreen splash;
  splash.Init(imagePath, soundPath, playSound, fadeSound);
  splash.DoSplash();
  return 0;
}
