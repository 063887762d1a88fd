#pragma once
// The core's window onto the objects of the layers above it. The application object holds the
// mouse pointer, the channel pool, the pause sprite and the current profile, and the screen base
// holds a menu and a header sprite, but their classes live above the core (sprites and sounds,
// widgets, profiles). The core reaches them only through this interface; the game layer installs
// an implementation that forwards to the real classes (Game->Upper), tests install fakes.
//
// The base class is a working stand-in: it keeps a plain mouse state (position, held buttons, hits
// of the current logic step) and does nothing for the rest, so the core runs on its own.

#include <memory>
#include <string>

#include "platform/audio.h"

class TButton;
class TChannelArray;
class TGameChannel;
class TGameImage;
class TMenu;
class TProfile;
class TSprite;

class TUpperLayer {
 public:
  TUpperLayer() = default;
  virtual ~TUpperLayer() = default;
  TUpperLayer(const TUpperLayer&) = delete;
  TUpperLayer& operator=(const TUpperLayer&) = delete;

  // ---- Mouse pointer (Game->Mouse) ----
  // Once per logic step, before the events are pumped: the hits of the previous step go.
  virtual int MouseClearHit();
  // The pointer's own per-step work (its sparkle trail); 1 when active.
  virtual int MouseManage();
  // Event pump: a button (1, 2, 3) pressed or released; a press clears every hit first, so only
  // the last button pressed in a step holds a hit. Other buttons are ignored.
  virtual int MouseButtonDown(int button);
  virtual int MouseButtonUp(int button);
  virtual int MouseMove(int x, int y);  // logical pixels
  virtual int MouseWheel(int steps);
  // The clicks of this step (all buttons); with clear non-zero they are taken away.
  virtual int MouseGetMh(int clear);
  // Held buttons and hits to 0.
  virtual int MouseClearButtons();
  virtual int MouseOn();
  virtual int MouseDraw();
  // Re-reads the position from the system pointer.
  virtual int MouseUpdateCoords();
  virtual int MouseX();
  virtual int MouseY();
  virtual int MouseSetPosition(int x, int y);

  // ---- Menus of screens (TScreen::Menu) ----
  virtual int MenuManageNoSound(TMenu& menu);
  virtual int MenuManage(TMenu& menu);
  virtual int MenuDraw(TMenu& menu, float x, float y);
  virtual int MenuKill(TMenu& menu);

  // ---- Sprites (the pause picture, screen headers) ----
  // A sprite of `image` centred on the screen; null when sprites are not available.
  virtual std::shared_ptr<TSprite> CreateCentredSprite(const std::shared_ptr<TGameImage>& image);
  // A sprite of the image file `path` (default flags, handle in the middle) placed at x, y; a
  // missing file is fatal.
  virtual std::shared_ptr<TSprite> CreateHeaderSprite(const std::string& path, float x, float y);
  virtual int DrawSprite(TSprite& sprite);

  // ---- The loading screen's click-here button ----
  // A button loaded from the two pictures and two sound names, centred at x = ScreenWidth / 2 and
  // y, marked as an OK button.
  virtual std::shared_ptr<TButton> CreateClickHereButton(const std::string& image,
                                                         const std::string& mouseOverImage,
                                                         const std::string& mouseOverSound,
                                                         const std::string& clickSound, int y);
  virtual int ButtonManage(TButton& button);
  virtual int ButtonClicked(TButton& button);  // non-zero in the step in which it was clicked
  virtual int ButtonPlayClick(TButton& button);
  virtual int ButtonDraw(TButton& button);
  virtual int ButtonKill(TButton& button);

  // ---- The sound-effect channel pool (Game->Channels) ----
  // A pool of `count` channels whose MaxVol is `count`.
  virtual std::shared_ptr<TChannelArray> CreateChannels(int count);
  virtual int KillChannels(TChannelArray& pool);
  virtual int StopGameChannel(TChannelArray& pool, const std::shared_ptr<TGameChannel>& channel);
  // The audio channel a pooled channel plays on (may be null).
  virtual platform::ChannelRef GameChannelAudio(TGameChannel& channel);

  // ---- Profiles ----
  virtual int SaveProfile(TProfile& profile);

  // The stand-in's mouse state (the game layer keeps its own in the real pointer).
  struct MouseState {
    int x = 0, y = 0, z = 0;
    int b1 = 0, b2 = 0, b3 = 0, mb = 0;
    int h1 = 0, h2 = 0, h3 = 0, mh = 0;
    int Active = 0;
  };
  MouseState Mouse;

 private:
  void CalcButtonTotals();
};
