#pragma once
// An image button: a sprite with up to four pictures (normal, mouse-over, disabled, pressed), a
// mouse-over and a click sound, a glow while the pointer is over it, a growth on mouse-over and an
// optional Enter key. Buttons are made and owned by a menu (TMenu), which runs `Manage` once per
// logic tick and `Draw` once per frame and records by name which button was hovered or clicked.

#include <functional>
#include <memory>
#include <string>

#include "gfx/sprite.h"

class TGameImage;
class TGameSound;
namespace platform {
class Channel;
}

class TButton : public TSprite {
 public:
  // File extension of a button's own sounds.
  static inline const std::string SoundExt = ".wav";

  TButton();
  ~TButton() override;
  TButton(const TButton&) = delete;
  TButton& operator=(const TButton&) = delete;

  std::shared_ptr<TGameImage> ImageMouseOver;  // shown while the pointer is over the button
  std::shared_ptr<TGameSound> SoundMouseOver;  // played when the pointer arrives (shared with the menu)
  std::shared_ptr<TGameSound> SoundClick;      // played on a click (shared with the menu)
  // Own channels, used only when the game has no channel pool.
  std::shared_ptr<platform::Channel> ChannelMouseOver;
  std::shared_ptr<platform::Channel> ChannelClick;
  int MouseOver = 0;  // the pointer is over the button in this tick
  int Clicked = 0;    // the button was clicked in this tick
  std::string Ext = ".png";
  int UseMenuPath = 0;  // 1: pictures from Game->MenuPath, else Game->ImagePath
  int NoSound = 0;      // while 1 neither sound plays
  int Active = 1;       // 0: takes no input and is not drawn (unless AlwaysDraw)
  int AlwaysDraw = 0;
  int OKButton = 0;          // 1: Enter (and Space, see below) presses the button
  int OKButtonUseSpace = 1;  // for an OK button: Space counts as well as Enter
  int Disabled = 0;          // shows the disabled picture
  int ClickDisabled = 1;     // 1: a disabled button still takes the pointer and clicks
  int ClickWhenDown = 0;     // 1: a click is taken while the pressed picture still shows
  std::shared_ptr<TGameImage> ImageDisabled;
  std::shared_ptr<TGameImage> ImageMouseClick;  // pressed picture
  float MouseClickDuration = 0;  // logic ticks the pressed picture shows
  float MouseClickCounter = 0;   // logic ticks left of the pressed picture
  int Animated = 0;
  int FixedGlowOnMO = 0;       // glow while hovered, fading after the pointer leaves
  int FixedGlowOnMOUseMO = 0;  // keep the mouse-over picture while that glow fades
  int AutoGlowOnMO = 0;        // draw the pulsing glow over the mouse-over picture too
  // Optional veto: while it returns non-zero the pointer does not count as over the button.
  std::function<int()> MouseOverUserFunction;
  float ScaleOnMOMax = 1.0f;  // growth on mouse-over is on only above 1
  float ScaleOnMO = 1.0f;
  float ScaleOnMOUpSpeed = 0.03f;    // per logic tick
  float ScaleOnMODownSpeed = 0.01f;  // per logic tick

  // Loads the pictures and sounds (sound names without folder or extension; "" for none); the
  // button's name becomes the upper-cased picture name. A missing file is fatal.
  virtual int Load(const std::string& imageName, const std::string& mouseOverName,
                   const std::string& mouseOverSound, const std::string& clickSound, int frameWidth,
                   int frameHeight, int frames);
  virtual int LoadImages(const std::string& imageName, const std::string& mouseOverName,
                         int frameWidth, int frameHeight, int frames);
  // Game->MenuPath when UseMenuPath is 1, else Game->ImagePath.
  virtual std::string GetPath();
  virtual int LoadDisabled(const std::string& name);
  // Pressed picture, shown `ms` milliseconds after each click.
  virtual int LoadMouseClick(const std::string& name, int ms);
  // Uploads every frame of every picture ahead of first use.
  virtual int Precache();
  // Stops and drops the button's own channels; pictures and sounds stay until the button goes.
  virtual int Kill();
  virtual int FixedGlowOnMOActivate();
  virtual int SetFixedGlowOnMO(float glow, float speed, int useMouseOverPicture);
  virtual int SetAutoGlow(float min, float max, float speed, int onMouseOver);
  // Manage without sounds (a menu's first tick, so a button already under the pointer is silent).
  virtual int ManageNoSound();
  // One logic tick: pointer, click (taking the pointer's hit), Enter key, pressed time.
  virtual int Manage();
  virtual int ManageScaleOnMO();
  // Takes a click: 1 accepted, 0 refused (pressed picture still showing).
  virtual int Click();
  // Presses the button from code (keyboard shortcuts).
  virtual int SimulateClick();
  virtual int ClearClick();
  virtual int PlayClick();
  virtual int PlayMouseOver();

  int Init() override;
  // Centres the button horizontally on the screen at height y.
  int CentreX(int y) override;
  int Draw() override;

  // The button takes the pointer and keys in this tick.
  bool InputReady() const;

 private:
  void DrawPicture(const std::shared_ptr<TGameImage>& picture, int frame, bool glowPass);
};
