#pragma once
// Full-screen pictures shown one after another, each through its phases, with optional black
// letter-box bars at the top and bottom.

#include <memory>
#include <string>
#include <vector>

#include "gfx/slide.h"

class TSlideShow;
using TSlideShowRef = std::shared_ptr<TSlideShow>;

class TSlideShow {
 public:
  std::vector<TSlideRef> Slides;  // in showing order
  int CurrentSlide = 0;
  int LetterBoxHeight = 0;  // height of the visible band between the bars; 0 or less: no bars
  int Finished = 0;

  static TSlideShowRef Create();
  int Count() const { return static_cast<int>(Slides.size()); }
  TSlideRef AddSlide(const std::string& file, int flags, int centred,
                     const TTransitionEffectRef& inEffect, const TTransitionEffectRef& holdEffect,
                     const TTransitionEffectRef& outEffect, const std::string& name);
  int Kill();
  // The current slide, or null for an empty show.
  TSlideRef GetCurrentSlide() const;
  int PreCache();
  // 0 while the slide runs on, 2 on the tick the next slide begins, 1 on the tick the last ends.
  int Manage();
  // 1 when something was drawn, 0 once finished (or empty).
  int Draw();
};
