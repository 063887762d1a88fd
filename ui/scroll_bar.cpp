#include "ui/scroll_bar.h"

#include <cmath>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/strings.h"

std::shared_ptr<TScrollBar> TScrollBar::Create(const std::shared_ptr<TGameImage>& slider, int size,
                                               double valueMax, float x, float y, int vertical) {
  auto bar = std::make_shared<TScrollBar>();
  bar->Slider = slider;
  bar->Size = size;
  // A negative maximum, or one that is not a number, gives 0.
  bar->ValueMax = valueMax >= 0.0 ? valueMax : 0.0;
  bar->Vertical = vertical;
  bar->X = x;
  bar->Y = y;
  return bar;
}

int TScrollBar::Travel() const {
  if (!Slider) return Size;
  return Size - (Vertical != 0 ? Slider->h : Slider->w);
}

int TScrollBar::SetArrows(const std::string& upName, const std::string& downName, int ms) {
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto up = Menu->AddQuickAuto(upName, "");
  auto down = Menu->AddQuickAuto(downName, "");
  UpName = upName;
  DownName = downName;
  for (const auto& arrow : {up, down}) {
    arrow->ClickDisabled = 0;
    arrow->MouseClickDuration = Game->CalcAnimLength(ms);
  }
  const int thumbW = Slider ? Slider->w : 0;
  const int thumbH = Slider ? Slider->h : 0;
  if (Vertical != 0) {
    up->x = X + static_cast<float>((thumbW - up->w) / 2);
    down->x = X + static_cast<float>((thumbW - down->w) / 2);
    up->y = Y - static_cast<float>(up->h);
    down->y = Y + static_cast<float>(Size);
  } else {
    up->y = Y + static_cast<float>((thumbH - up->h) / 2);
    down->y = Y + static_cast<float>((thumbH - down->h) / 2);
    up->x = X - static_cast<float>(up->w);
    down->x = X + static_cast<float>(Size);
  }
  Menu->CalcCoords();
  Menu->StoreOriginalCoords();
  up->ClickWhenDown = 1;
  down->ClickWhenDown = 1;
  return DisableButtons();
}

int TScrollBar::DisableButtons() {
  if (!Menu) return 0;
  auto up = Menu->FindButton(UpName);
  if (up && up->ImageDisabled) up->Disabled = ValuePrecise == 0.0 ? 1 : 0;
  auto down = Menu->FindButton(DownName);
  if (down && down->ImageDisabled) down->Disabled = ValuePrecise == ValueMax ? 1 : 0;
  return 0;
}

bool TScrollBar::PointerOverThumb() const {
  if (!Slider) return false;
  const int mx = Game->Mouse->x;
  const int my = Game->Mouse->y;
  const float axis = static_cast<float>(Vertical != 0 ? my : mx);
  const float cross = static_cast<float>(Vertical != 0 ? mx : my);
  const float start = Vertical != 0 ? Y : X;
  const float crossStart = Vertical != 0 ? X : Y;
  const int length = Vertical != 0 ? Slider->h : Slider->w;
  const int breadth = Vertical != 0 ? Slider->w : Slider->h;
  const float thumbStart = start + static_cast<float>(SliderPosition);
  return thumbStart <= axis && axis < thumbStart + static_cast<float>(length) && crossStart <= cross &&
         cross < crossStart + static_cast<float>(breadth);
}

int TScrollBar::Manage() {
  if (Menu) {
    Menu->Manage();
    auto up = Menu->FindButton(UpName);
    if (up && up->Clicked != 0 && ValuePrecise > 0.0) {
      ValuePrecise -= ValueStep;
      if (ValuePrecise < 0.0) ValuePrecise = 0.0;
      ValueRound();
      SliderSetPosition(ValuePrecise);
      DisableButtons();
    }
    auto down = Menu->FindButton(DownName);
    if (down && down->Clicked != 0 && ValuePrecise < ValueMax) {
      ValuePrecise += ValueStep;
      if (ValuePrecise > ValueMax) ValuePrecise = ValueMax;
      ValueRound();
      SliderSetPosition(ValuePrecise);
      DisableButtons();
    }
  }
  if (SliderGlow > 0.0f) {
    SliderGlow -= GlowSpeed * Delta;
    if (SliderGlow <= 0.0f) SliderGlow = 0.0f;
  }
  const bool over = PointerOverThumb();
  if (FixedGlowOnMO != 0 && over) SliderGlow = GlowMax;
  if (SliderSelected != 0) SliderGlow = GlowMax;
  const int axis = Vertical != 0 ? Game->Mouse->y : Game->Mouse->x;
  const float start = Vertical != 0 ? Y : X;
  if (Game->Mouse->GetMb() == 0) {
    SliderSelected = 0;
  } else if (SliderSelected == 0) {
    if (over) {
      SliderSelected = 1;
      SliderOffset = static_cast<int>(static_cast<float>(axis) - (start + static_cast<float>(SliderPosition)));
    }
  } else {
    SliderPosition = static_cast<int>(static_cast<float>(axis) - start - static_cast<float>(SliderOffset));
    if (SliderPosition > Travel()) SliderPosition = Travel();
    if (SliderPosition < 0) SliderPosition = 0;
    ValueCalc();
    DisableButtons();
  }
  return 0;
}

int TScrollBar::SliderSetPosition(double value) {
  if (ValueMax == 0.0) {
    SliderPosition = 0;
  } else {
    SliderPosition = ccRound(static_cast<float>(value * (static_cast<double>(Travel()) / ValueMax)));
  }
  return 0;
}

int TScrollBar::ValueCalc() {
  const double ratio = ValueMax == 0.0 ? 0.0 : static_cast<double>(Travel()) / ValueMax;
  // A track no longer than the thumb leaves no ratio to divide by: the value stays at 0.
  if (ValueMax == 0.0 || ratio <= 0.0) {
    ValuePrecise = 0.0;
  } else {
    ValuePrecise = static_cast<double>(SliderPosition) / ratio;
  }
  return ValueRound();
}

int TScrollBar::ValueRound() {
  Value = ccRound(static_cast<float>(ValuePrecise));
  return 0;
}

int TScrollBar::Draw() {
  if (Menu) Menu->Draw(0, 0);
  if (!Slider || !Slider->image) return 0;
  float px = X, py = Y;
  if (Vertical != 0) {
    py += static_cast<float>(SliderPosition) * Scale;
  } else {
    px += static_cast<float>(SliderPosition) * Scale;
  }
  platform::SetScale(Scale, Scale);
  platform::DrawImage(Slider->image, px, py, 0);
  if (SliderGlow > 0.0f) {
    platform::SetBlend(platform::BLEND_LIGHT);
    platform::SetAlpha(SliderGlow);
    platform::DrawImage(Slider->image, px, py, 0);
    platform::SetAlpha(1.0f);
    platform::SetBlend(platform::BLEND_ALPHA);
  }
  platform::SetScale(1.0f, 1.0f);
  return 0;
}

int TScrollBar::Kill() {
  Slider.reset();
  if (Menu) Menu->Kill();
  return 0;
}
