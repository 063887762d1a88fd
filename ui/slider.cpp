#include "ui/slider.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "ui/mouse_pointer.h"
#include "util/strings.h"

std::shared_ptr<TSlider> TSlider::CreateSpecial(const std::string& barName,
                                                const std::string& dotName, int x, int y,
                                                int border, const std::string& name, int borderY) {
  auto slider = std::make_shared<TSlider>();
  slider->Load(barName, dotName, name);
  slider->x = static_cast<float>(x);
  slider->y = static_cast<float>(y);
  slider->Border = border;
  slider->BorderY = borderY;
  slider->SetValue(50);
  slider->DotY = static_cast<int>(slider->y);
  slider->active = 1;
  return slider;
}

int TSlider::Load(const std::string& barName, const std::string& dotName, const std::string& sliderName) {
  SetName(sliderName);
  LoadImages(barName, dotName);
  return Init();
}

int TSlider::LoadImages(const std::string& barName, const std::string& dotName) {
  image = TGameImage::Create(Game->ImagePath + barName + Ext, platform::IMAGE_DEFAULT_FLAGS, 1);
  image->MidHandle(0);
  DotImage = TGameImage::Create(Game->ImagePath + dotName + Ext, platform::IMAGE_DEFAULT_FLAGS, 1);
  DotImage->MidHandle(0);
  return 0;
}

int TSlider::Init() {
  TSprite::Init();
  return GetSize();
}

int TSlider::SetValue(int v) {
  Value = v;
  if (Value < 0) Value = 0;
  if (Value > 100) Value = 100;
  const double dotHalf = DotImage ? static_cast<double>(DotImage->w2) : 0.0;
  // Worked in floating point: an integer division here would pin the dot to the ends.
  DotX = static_cast<int>(static_cast<double>(x) + Border +
                          static_cast<double>(Value) / 100.0 * static_cast<double>(w - 2 * Border) -
                          dotHalf);
  return 0;
}

int TSlider::Manage() {
  if (active == 0) return 0;
  const int mx = Game->Mouse->x;
  const int my = Game->Mouse->y;
  const auto fx = static_cast<float>(mx);
  const auto fy = static_cast<float>(my);
  const bool inside = x - 10.0f <= fx && fx < x + static_cast<float>(w) + 10.0f &&
                      y - static_cast<float>(BorderY) <= fy &&
                      fy < y + static_cast<float>(h + BorderY);
  if (!inside) {
    MouseOver = 0;
    return 0;
  }
  MouseOver = 1;
  if (Game->Mouse->GetMb() == 0) return 0;
  if (fx <= x + static_cast<float>(Border)) {
    SetValue(0);
  } else if (fx >= x + static_cast<float>(w - Border)) {
    SetValue(100);
  } else {
    const double span = static_cast<double>(w - 2 * Border);
    const double ratio = (static_cast<double>(mx) - x - Border) / span * 100.0;
    SetValue(ccRound(static_cast<float>(ratio)));
  }
  return 1;
}

int TSlider::Draw() {
  if (active == 0) return 0;
  platform::SetBlend(platform::BLEND_ALPHA);
  if (image && image->image) platform::DrawImage(image->image, x, y, 0);
  if (DotImage && DotImage->image) {
    platform::DrawImage(DotImage->image, static_cast<float>(DotX), static_cast<float>(DotY), 0);
  }
  return 0;
}
