#pragma once
// A hover tool tip: a box picture with word-wrapped text that comes up beside the pointer once it
// has rested on something for a delay, fades in, and fades out when the pointer leaves. The owner
// tells it each logic tick whether the pointer is over the thing (Collide), sets the text
// (SetText) and draws it last each frame.

#include <memory>
#include <string>
#include <vector>

class TGameImage;
class TGameSound;
class TFont;

class TToolTip {
 public:
  TToolTip() = default;
  virtual ~TToolTip() = default;
  TToolTip(const TToolTip&) = delete;
  TToolTip& operator=(const TToolTip&) = delete;

  int Visible = 0;  // shown or still fading out
  float x = 0.0f, y = 0.0f;  // box's top-left corner
  std::shared_ptr<TGameImage> image;  // the box picture
  std::shared_ptr<TFont> font;        // must carry a bitmap font
  int RoundedCoords = 1;
  int TextYOffset = 0;
  std::string Text;
  std::vector<std::string> TextWrapped;
  int TextDrawWidth = 200;
  int DrawUnderMouseCursor = 1;  // Collide places the box by the pointer
  int GapFromMouse = 5;
  int XOffset = 0;
  int SetCoordsOnceOnly = 1;  // 1: placed until it comes up; 0: follows the pointer; other: never
  float CollideCounter = 0.0f;  // hover time, logic ticks
  int CollideCounterMax = 50;   // hover delay, logic ticks
  int Fade = 1;
  float FadeInSpeed = 0.02f;   // alpha per logic tick
  float FadeOutSpeed = 0.04f;  // alpha per logic tick
  float FadeLevel = 0.0f;
  std::shared_ptr<TGameSound> ToolTipSound;  // played each time the tip comes up

  // Once per logic tick; hovering non-zero while the pointer is over the described thing.
  virtual int Collide(int hovering);
  // Drops the sound; the tip still works, silently.
  virtual int Kill();
  virtual int Draw();
  virtual int SetCollideCounterMax(int ms);
  // 1 when taken; 0 (text kept) while the tip is shown or fading.
  virtual int SetText(const std::string& text);

 private:
  void Place();
};
