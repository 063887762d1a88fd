#pragma once
// The splash pictures the intro shows when it starts: the studio's logo with its sound, and the
// two portal logos. Each blocks until it has run or a key or click cuts it short.

#include <string>

// The studio logo (DataPrefix + "Data/Marrowfen.png") with "Data/SplashSound.wav" following it,
// over "Data/splashbg.jpg" when useBackground is set and the file exists. Returns 0.
int MarrowfenSplash(int playSound, int useBackground);
// DataPrefix + "Data/portallogo" + n (none for 0) + ".png", else ".jpg"; times in ms, 0 keeps the
// default. Returns 0.
int PortalSplash(int in, int full, int out, int n);
// A splash of the given picture and sound with the default times. Returns 0.
int ShowSplash(const std::string& imagePath, const std::string& soundPath, int playSound,
               int fadeSound);
