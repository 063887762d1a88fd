#pragma once
// A full-screen picture of a slide show with up to three timed phases (in, hold, out) and two
// optional callbacks of its owner.

#include <functional>
#include <memory>
#include <string>

#include "gfx/transition_effect.h"

class TGameImage;
class TSlide;
using TSlideRef = std::shared_ptr<TSlide>;

class TSlide {
 public:
  std::string name;
  std::shared_ptr<TGameImage> Image;
  TTransitionEffectRef InEffect, HoldEffect, OutEffect;
  TTransitionEffectRef CurrentEffect;
  float Counter = 0.0f;  // ticks elapsed in the current phase
  float x = 0.0f, y = 0.0f;
  float ox = 0.0f, oy = 0.0f;
  float scale = 1.0f;
  int Centred = 1;
  std::weak_ptr<TSlide> LastSlide;  // the slide shown before this one
  // Called at the start of each Manage; 0 holds the slide still this tick (the timer still runs).
  std::function<int(TSlide&)> UserManage;
  // Called right after the picture is drawn (also when drawn as the previous slide of a cross-fade).
  std::function<int(TSlide&)> UserDraw;

  // `file` is a full path ("" for no picture); flags go to the image loader.
  static TSlideRef Create(const std::string& file, int flags, int centred,
                          const TTransitionEffectRef& inEffect,
                          const TTransitionEffectRef& holdEffect,
                          const TTransitionEffectRef& outEffect, const std::string& name);
  int CentreCoords();
  int Kill();
  int StoreOriginalCoords();
  // One logic tick; 1 when the slide's last phase has just ended (or it has no phase at all).
  int Manage();
  int Draw();
  int DrawMask(float size);
};
