#pragma once
// The base of every screen. Exactly one screen is current (Game->CurrentTScreen); the main loop
// runs its Logic once per logic step and its Draw once per frame. A screen never switches
// directly: it names the next screen in Game->DestinationTScreen and starts a fade-out
// (Game->GameFade); when that fade ends, TGame::ScreenChange kills this screen and starts the next
// through PreStart.
//
// Screens are made once at start-up (their constructors load nothing) and live for the whole run;
// Load/Start and Kill bracket each visit. Screens are always held by shared_ptr.

#include <memory>
#include <string>

#include "platform/graphics.h"

class TMenu;
class TSprite;

class TScreen : public std::enable_shared_from_this<TScreen> {
 public:
  TScreen() = default;
  virtual ~TScreen() = default;
  TScreen(const TScreen&) = delete;
  TScreen& operator=(const TScreen&) = delete;

  platform::ImageRef Image;         // full-screen background, drawn first and opaque
  std::shared_ptr<TSprite> Header;  // a title picture drawn over the background
  std::string Ext = ".png";         // appended by HeaderLoad
  std::shared_ptr<TMenu> Menu;      // the screen's buttons, managed and drawn by the defaults
  std::string name;                 // the play screen's is "game"
  int StopKill = 0;  // 1: the next switch away does not Kill this screen
  int StopInit = 0;  // 1: the next switch to this screen runs only CoreStart
  // A screen the owner chose as this screen's way back or onward; the base never reads it.
  std::shared_ptr<TScreen> Destination;

  // Image = Game->ImagePath + name loaded with `flags`, handle at 0, 0; fatal when missing.
  virtual int ImageLoad(const std::string& name, int flags);
  // Header = a sprite of Game->ImagePath + name + Ext (handle in the middle) at x, y.
  virtual int HeaderLoad(const std::string& name, float x, float y);
  // StopInit: CoreStart only; else Load then Start.
  virtual int PreStart();
  virtual int ResetStops();
  // Loads what the screen shows. Nothing in the base.
  virtual int Load();
  // Shows the game's pointer, clears Game->IgnoreEscapeKey, then CoreStart.
  virtual int Start();
  // Makes this screen current, settles the menu silently, drops pending input and restarts the
  // timing.
  virtual int CoreStart();
  // Run by the fade when a fade-in ends.
  virtual int PostFadeIn();
  // Releases the background, the header and the menu.
  virtual int Kill();
  // Once per logic step: the menu. Returns 0.
  virtual int Logic();
  // Background (opaque), header and menu.
  virtual int Draw();
  // Sets Game->DestinationTScreen for the Esc key and returns the fade-out length in ms (0 means
  // FADE_SPEED). The base leaves for Game->ExitScreen.
  virtual int SetEscDestination();
  // The screen's own keys, once per logic step unless paused or suspended.
  virtual int SpecificKeys();
};
