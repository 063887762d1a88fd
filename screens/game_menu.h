#pragma once
// The in-game menu: the pause menu of a hole. It drops in from above the screen, landing three
// times with ever lower rebounds over a dimmed play screen, and offers resume, options and save.
// Never switched to: the play screen loads and kills it with its own resources, runs its Logic each
// tick while no other overlay is open (Logic also opens it on Escape) and draws it every frame.

#include <memory>

#include "core/screen.h"

class TAnimation;
class TGameImage;
class TGameSound;
class TPixieDust;

class TGameMenu : public TScreen {
 public:
  static constexpr float DIALOG_GRAVITY = 0.36f;  // pixels per tick, per tick; also the first speed

  int Active = 0;      // 1 from a successful Show until the slide-out has ended
  int MouseState = 0;  // the pointer's Active flag when the menu was shown
  std::shared_ptr<TGameSound> ActivateSound;    // "landing", at each landing
  std::shared_ptr<TGameSound> DeactivateSound;  // none is loaded
  std::shared_ptr<TAnimation> FadeIn;   // 400 ms, started by Show
  std::shared_ptr<TAnimation> FadeOut;  // 400 ms, started by Hide
  float MenuY = 342;  // top of the button column below the menu's top
  int Bounces = 3;    // landings still to come
  float Y = 0;        // working top of the menu, screen pixels
  float TopY = 0;     // the top as drawn
  float YSpeed = 0;   // pixels per tick, downward
  int FinalY = -71;   // resting top
  std::shared_ptr<TPixieDust> PixieDust;
  std::shared_ptr<TGameImage> Paused;

  TGameMenu();
  ~TGameMenu() override;

  int Load() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  // Opens the menu; -1 (nothing changed) while a play animation runs, else 1.
  virtual int Show(int flag);
  // Starts the slide-out.
  virtual int Hide();
  // 0..1: the fade-in rising, the fade-out falling, else 1.
  virtual float GetRatio();
};
