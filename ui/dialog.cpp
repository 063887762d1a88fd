#include "ui/dialog.h"

#include <algorithm>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/image_bank.h"
#include "gfx/shadow.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "platform/graphics.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"
#include "util/maths.h"
#include "util/types.h"

TDialog::TDialog() = default;
TDialog::~TDialog() = default;

int TDialog::Init(const std::string& caption, const std::shared_ptr<platform::Image>& background,
                  int newW, int newH, int newX, int newY) {
  Caption = TLabel::CreateSpecial(caption, 0, 0, 1, 0);
  Background = background;
  DialogColor = TColor::Create(150, 150, 150, 1.0f);
  w = newW;
  h = newH;
  x = newX;
  y = newY;
  FixedWidth = newW != 0 ? 1 : 0;
  return 0;
}

int TDialog::Start() {
  CalcAll();
  MenuPosition();
  OldIgnoreEscapeKey = Game->IgnoreEscapeKey;
  Game->IgnoreEscapeKey = 1;
  Active = 1;
  if (Slide == SLIDE_RANDOM) Slide = ccFastRand(1, 4);
  CalcOffset();
  return 0;
}

int TDialog::SetupCaption(const std::shared_ptr<ccImageFont>& imageFont,
                          const std::shared_ptr<TColor>& color, const std::shared_ptr<TShadow>& shadow,
                          const std::shared_ptr<TBitmapFont>& bitmapFont) {
  Caption->Init(imageFont, color, shadow, 0, bitmapFont, nullptr);
  CalcAll();
  return MenuPosition();
}

namespace {

void PlayOnPool(const std::shared_ptr<TGameSound>& sound) {
  if (sound && Game->Channels) Game->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
}

}  // namespace

int TDialog::SetTransitions(int inMs, int outMs, float dim, int fade) {
  if (inMs > 0) {
    TransitionIn = TAnimation::Create(inMs, 0, 0, 0);
    TransitionIn->Start();
    Transitioning = 1;
    PlayOnPool(SlideInSound);
  }
  if (outMs > 0) TransitionOut = TAnimation::Create(outMs, 0, 0, 0);
  DimBackground = dim;
  FadeDialog = fade;
  return 0;
}

int TDialog::CalcAll() {
  CalcSize();
  return SetLabelsXY();
}

int TDialog::CalcSize() {
  Caption->CalcWidth();
  Caption->CalcHeight();
  if (Background) {
    Background->SetHandle(0, 0);
    w = Background->Width();
    h = Background->Height();
  } else if (FixedWidth == 0) {
    w = static_cast<int>(Caption->W + static_cast<float>(2 * Border));
  }
  if (FixedWidth != 0 && Caption->W + static_cast<float>(2 * Border) > static_cast<float>(w)) {
    Caption->WordWrap = w - 2 * Border;
    Caption->PreCalcWordWrap();
    Caption->CalcHeight();
  }
  return CalcXY();
}

int TDialog::CalcXY() {
  if (Centre != 0) {
    x = (ScreenWidth - w) / 2;
    y = (ScreenHeight - h) / 2;
  }
  return 0;
}

int TDialog::CalcOffset() {
  OffsetX = 0;
  OffsetY = 0;
  if (Transitioning <= 0 || Slide <= 0) return 0;
  float r = 1.0f;
  if (Transitioning == 1 && TransitionIn) r = TransitionIn->GetRatio();
  if (Transitioning == 2 && TransitionOut) r = TransitionOut->GetRatioInv();
  switch (Slide) {
    case SLIDE_FROM_TOP:
      OffsetY = -static_cast<float>(y + h + SlideExtra) * r;
      break;
    case SLIDE_FROM_RIGHT:
      OffsetX = static_cast<float>(ScreenWidth - x + SlideExtra) * r;
      break;
    case SLIDE_FROM_BOTTOM:
      OffsetY = static_cast<float>(ScreenHeight - y + SlideExtra) * r;
      break;
    case SLIDE_FROM_LEFT:
      OffsetX = -static_cast<float>(x + w + SlideExtra) * r;
      break;
    default:
      break;
  }
  return 0;
}

int TDialog::CaptionGetCentredX() { return x + w / 2; }

int TDialog::HeaderLoad(const std::string& name, float hx, float hy) {
  auto picture = TGameImage::Create(Game->ImagePath + name + Ext, platform::IMAGE_DEFAULT_FLAGS, 1);
  Header = TSprite::Create(picture, hx, hy);
  return 0;
}

int TDialog::SetLabelsXY() {
  if (CaptionOX == 0 && CaptionOY == 0) {
    Caption->X = static_cast<float>(CaptionGetCentredX());
    if (Caption->WordWrap > 0) {
      Caption->Y = static_cast<float>(y + h / 2) - Caption->H / 2.0f;
    } else {
      Caption->Y = static_cast<float>(y + Border);
    }
  } else {
    Caption->X = static_cast<float>(CaptionOX);
    Caption->Y = static_cast<float>(CaptionOY);
  }
  Caption->X += static_cast<float>(CaptionOffsetX);
  Caption->Y += static_cast<float>(CaptionOffsetY);
  return 0;
}

int TDialog::MenuPosition() {
  if (Menu) Menu->ManageNoSound();
  return 0;
}

int TDialog::MenuPlaceAtBottom() {
  CalcAll();
  if (!Menu) return 0;
  if (MenuOX == 0 && MenuOY == 0) {
    Menu->SetX(static_cast<float>(MenuGetCentredX()));
    Menu->SetY(static_cast<float>(y + h - Menu->CalcHeight() - Border));
  } else {
    Menu->SetX(static_cast<float>(MenuOX));
    Menu->SetY(static_cast<float>(MenuOY));
  }
  return Menu->ManageNoSound();
}

int TDialog::MenuGetCentredX() { return x + (w - (Menu ? Menu->CalcWidth() : 0)) / 2; }

int TDialog::Manage() { return ManageCore(); }

int TDialog::ManageCore() {
  if (Active == 0) return 0;
  if (TransitionIn && TransitionIn->Manage() != 0) {
    Transitioning = 0;
    if (FadeDialog != 0) SetAlphas(1.0f);
    if (ActivateSound && Game->Channels) {
      FadeChannel = Game->Channels->PlayGameSound(ActivateSound, nullptr, 1.0f, 0.0f);
    }
    ccFlushAll();
  }
  if (TransitionOut) {
    if (TransitionOut->Manage() != 0) {
      if (FadeDialog != 0) SetAlphas(0.0f);
      Transitioning = 0;
      ccFlushAll();
      Finalise();
      if (FadeChannel) {
        FadeChannel->OriginalVolume = 0;
        if (FadeChannel->Channel) FadeChannel->Channel->SetVolume(0.0f);
      }
      return 1;
    }
    if (Transitioning == 2 && FadeChannel) {
      FadeChannel->OriginalVolume = TransitionOut->GetRatio();
      if (FadeChannel->Channel) {
        FadeChannel->Channel->SetVolume(static_cast<float>(Game->SoundVolume) / 100.0f *
                                        FadeChannel->OriginalVolume);
      }
    }
  }
  CalcOffset();
  if (Menu) {
    if (Disabled != 0 || Transitioning == 2) {
      Menu->ManageFixedGlowOnly();
    } else if (Transitioning == 0) {
      Menu->Manage();
    }
  }
  return 1;
}

int TDialog::SetAlphas(float alpha) {
  if (Header) Header->Alpha = alpha;
  if (Menu) Menu->SetAlpha(alpha);
  if (Caption && Caption->Color) Caption->Color->Alpha = alpha;
  return 0;
}

int TDialog::DoDrawHighlight(float alpha) {
  if (DrawHighlight == 0) return 0;
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(0.5f * alpha);
  const float left = static_cast<float>(x) + OffsetX;
  const float top = static_cast<float>(y) + OffsetY;
  platform::DrawLine(left, top, left + static_cast<float>(w - 1), top, false);
  platform::DrawLine(left, top, left, top + static_cast<float>(h - 1), false);
  platform::SetAlpha(alpha);
  return 0;
}

int TDialog::Close(int result) {
  CloseResultTemp = result;
  if (TransitionOut) {
    TransitionOut->Start();
    Transitioning = 2;
    PlayOnPool(SlideOutSound);
    return 0;
  }
  Finalise();
  return CloseResultTemp;
}

int TDialog::Finalise() {
  Active = 0;
  if (ReenableEscapeKey != 0) Game->IgnoreEscapeKey = OldIgnoreEscapeKey;
  CloseResult = CloseResultTemp;
  return 0;
}

namespace {

void DrawPicture(const std::shared_ptr<TGameImage>& picture, int px, int py, float scale,
                 float angle, const std::shared_ptr<TShadow>& shadow, float alpha, float offX,
                 float offY) {
  if (!picture || !picture->image) return;
  platform::SetScale(scale, scale);
  platform::SetRotation(angle);
  if (shadow) {
    const float kept = shadow->Alpha;
    shadow->Alpha = kept * alpha;
    shadow->Apply();
    platform::DrawImage(picture->image, static_cast<float>(px) + shadow->X + offX,
                        static_cast<float>(py) + shadow->Y + offY, 0);
    shadow->Restore();
    shadow->Alpha = kept;
  }
  platform::SetAlpha(alpha);
  platform::DrawImage(picture->image, static_cast<float>(px) + offX, static_cast<float>(py) + offY, 0);
  platform::SetScale(1.0f, 1.0f);
  platform::SetRotation(0.0f);
}

}  // namespace

int TDialog::Draw() {
  if (Active == 0) return 0;
  Alpha = 1.0f;
  float dim = DimBackground;
  if (Transitioning == 1 && TransitionIn) {
    if (FadeDialog != 0) Alpha = TransitionIn->GetRatioInv();
    if (DimBackground != 0) dim = TransitionIn->GetRatioInv() * DimBackground;
  } else if (Transitioning == 2 && TransitionOut) {
    if (FadeDialog != 0) Alpha = TransitionOut->GetRatio();
    if (DimBackground != 0) dim = TransitionOut->GetRatio() * DimBackground;
  }
  if (dim > 0) ccDimScreen(dim);
  platform::SetAlpha(Alpha);
  if (Alpha != 1.0f) SetAlphas(Alpha);
  const float left = static_cast<float>(x) + OffsetX;
  const float top = static_cast<float>(y) + OffsetY;
  if (Background) {
    ccDrawImage(Background, left, top, Shadow.get());
  } else {
    DialogColor->Apply();
    ccDrawRect(left, top, static_cast<float>(w), static_cast<float>(h), Shadow.get());
    DialogColor->Restore();
    platform::SetAlpha(Alpha);
  }
  DoDrawHighlight(Alpha);
  if (Header) {
    if (Slide != 0) {
      Header->UseOffset = 1;
      Header->offx = OffsetX;
      Header->offy = OffsetY;
    } else {
      Header->UseOffset = 0;
    }
    Header->Draw();
  }
  Caption->Draw(OffsetX, OffsetY);
  ccTextAlpha = 1.0f;
  if (Menu && MenuShow != 0) Menu->Draw(OffsetX, OffsetY);
  DrawPicture(Picture, PictureX, PictureY, PictureScale, PictureAngle, PictureShadow, Alpha, OffsetX,
              OffsetY);
  DrawPicture(Picture2, Picture2X, Picture2Y, Picture2Scale, Picture2Angle, Picture2Shadow, Alpha,
              OffsetX, OffsetY);
  platform::SetAlpha(1.0f);
  return 1;
}

bool PictureReach(const TGameImage& picture, int min_alpha, TPictureReach& reach) {
  if (!picture.image) return false;
  const auto pixels = picture.image->LockFrame(0);
  int left = pixels->Width(), right = -1, top = pixels->Height(), bottom = -1;
  for (int py = 0; py < pixels->Height(); ++py)
    for (int px = 0; px < pixels->Width(); ++px)
      if (static_cast<int>(pixels->ReadPixel(px, py) >> 24) >= min_alpha) {
        left = std::min(left, px);
        right = std::max(right, px);
        top = std::min(top, py);
        bottom = std::max(bottom, py);
      }
  picture.image->UnlockFrame(0);
  if (right < 0) return false;
  const float hx = picture.image->HandleX(), hy = picture.image->HandleY();
  reach.left = hx - static_cast<float>(left);
  reach.right = static_cast<float>(right + 1) - hx;
  reach.up = hy - static_cast<float>(top);
  reach.down = static_cast<float>(bottom + 1) - hy;
  return true;
}

float TDialog::ScaleToKeepInside(const TGameImage& picture, int cx, int cy, float scale) const {
  // The box of the picture's visible pixels (a quarter cover or more), about its handle.
  TPictureReach reach;
  if (!PictureReach(picture, 64, reach)) return scale;
  // Each side of the box, as far from the handle as it reaches, against the room on that side.
  auto limit = [&scale](float reach, float room) {
    if (reach > 0) scale = std::min(scale, std::max(0.0f, room) / reach);
  };
  limit(reach.left, static_cast<float>(cx - x - PICTURE_RIM));
  limit(reach.right, static_cast<float>(x + w - PICTURE_RIM - cx));
  limit(reach.up, static_cast<float>(cy - y - PICTURE_RIM));
  limit(reach.down, static_cast<float>(y + h - PICTURE_RIM - cy));
  return scale;
}

int TDialog::Kill() {
  // A dialog dropped while still open must not keep the escape key from its screen.
  if (Active != 0 && ReenableEscapeKey != 0) Game->IgnoreEscapeKey = OldIgnoreEscapeKey;
  Active = 0;
  if (Caption) Caption->Kill();
  if (Menu) Menu->Kill();
  Background.reset();
  Shadow.reset();
  DialogColor.reset();
  Menu.reset();
  Picture.reset();
  Picture2.reset();
  ActivateSound.reset();
  SlideInSound.reset();
  SlideOutSound.reset();
  return 0;
}
