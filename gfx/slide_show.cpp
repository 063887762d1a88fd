#include "gfx/slide_show.h"

#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "util/globals.h"

TSlideShowRef TSlideShow::Create() { return std::make_shared<TSlideShow>(); }

TSlideRef TSlideShow::AddSlide(const std::string& file, int flags, int centred,
                               const TTransitionEffectRef& inEffect,
                               const TTransitionEffectRef& holdEffect,
                               const TTransitionEffectRef& outEffect, const std::string& name) {
  auto slide = TSlide::Create(file, flags, centred, inEffect, holdEffect, outEffect, name);
  Slides.push_back(slide);
  return slide;
}

int TSlideShow::Kill() {
  for (auto& slide : Slides) slide->Kill();
  Slides.clear();
  return 0;
}

TSlideRef TSlideShow::GetCurrentSlide() const {
  if (CurrentSlide < 0 || CurrentSlide >= Count()) return nullptr;
  return Slides[CurrentSlide];
}

int TSlideShow::PreCache() {
  for (auto& slide : Slides)
    if (slide->Image) slide->Image->Precache();
  return 0;
}

int TSlideShow::Manage() {
  if (Finished != 0) return 0;
  auto slide = GetCurrentSlide();
  // An empty show has nothing to run: it is over at once.
  if (!slide) {
    Finished = 1;
    return 1;
  }
  if (slide->Manage() != 1) return 0;
  CurrentSlide += 1;
  if (CurrentSlide >= Count()) {
    Finished = 1;
    CurrentSlide = Count() - 1;
    return 1;
  }
  Slides[CurrentSlide]->LastSlide = slide;
  return 2;
}

int TSlideShow::Draw() {
  if (Finished != 0) return 0;
  auto slide = GetCurrentSlide();
  if (!slide) return 0;
  slide->Draw();
  platform::SetBlend(platform::BLEND_SOLID);
  if (LetterBoxHeight > 0) {
    const int bar = (ScreenHeight - LetterBoxHeight) / 2;
    platform::SetColor(0, 0, 0);
    platform::DrawRect(0, 0, static_cast<float>(ScreenWidth), static_cast<float>(bar));
    platform::DrawRect(0, static_cast<float>(ScreenHeight - bar), static_cast<float>(ScreenWidth),
                       static_cast<float>(bar));
    platform::SetColor(255, 255, 255);
  }
  return 1;
}
