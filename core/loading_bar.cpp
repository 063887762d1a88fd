#include "core/loading_bar.h"

#include "util/globals.h"
#include "util/image.h"

int TLoadingBar::Init(platform::ImageRef image, platform::ImageRef emptyImage,
                      platform::ImageRef finalImage) {
  Image = std::move(image);
  EmptyImage = std::move(emptyImage);
  FinalImage = std::move(finalImage);
  for (const auto& picture : {Image, EmptyImage, FinalImage}) {
    if (picture) picture->SetHandle(0, 0);
  }
  x = 0;
  y = 0;
  w = Image ? Image->Width() : 0;
  h = Image ? Image->Height() : 0;
  Position = 0;
  Steps = 0;
  StepSize = 0;
  CurrentStep = 0;
  Finished = 0;
  return 0;
}

int TLoadingBar::Centre(int newY) {
  x = (ScreenWidth - w) / 2;
  y = newY;
  return 0;
}

int TLoadingBar::SetSteps(int n) {
  Steps = static_cast<float>(n);
  StepSize = n > 0 ? static_cast<float>(w) / Steps : 0.0f;
  return 0;
}

int TLoadingBar::SetBackgroundColour(int r, int g, int b) {
  BgR = r;
  BgG = g;
  BgB = b;
  return 0;
}

int TLoadingBar::SetBorderColour(int r, int g, int b) {
  BorderR = r;
  BorderG = g;
  BorderB = b;
  return 0;
}

int TLoadingBar::Progress() {
  ++CurrentStep;
  Position = static_cast<float>(CurrentStep) * StepSize;
  if (static_cast<float>(CurrentStep) == Steps) Finished = 1;
  return 0;
}

int TLoadingBar::Draw() {
  if (Mode == 1 && !Image) return 0;
  if (Finished != 0 && FinalImage) {
    platform::SetBlend(platform::BLEND_ALPHA);
    if (DrawEmptyUnderFinal != 0 && EmptyImage) platform::DrawImage(EmptyImage, x, y);
    platform::DrawImage(FinalImage, x, y);
    return 1;
  }
  if (Mode == 0) {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::SetColor(BgR, BgG, BgB);
    platform::DrawRect(x, y, w, h);
    platform::SetColor(BorderR, BorderG, BorderB);
    ccDrawRectOutline(x, y, w, h);
    platform::SetColor(255, 255, 255);
  } else if (Mode == 1) {
    platform::SetBlend(platform::BLEND_ALPHA);
    if (EmptyImage) platform::DrawImage(EmptyImage, x, y);
  } else {
    platform::SetBlend(platform::BLEND_ALPHA);
  }
  if (Image && Position > 0) ccDrawImageArea(Image, x, y, 0, 0, Position, h, 0);
  platform::SetBlend(platform::BLEND_SOLID);
  return 1;
}
