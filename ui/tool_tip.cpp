#include "ui/tool_tip.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/font.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "ui/mouse_pointer.h"
#include "util/globals.h"
#include "util/types.h"
#include "util/word_wrap.h"

int TToolTip::Collide(int hovering) {
  bool shown = false;
  if (hovering != 0) {
    CollideCounter += Delta;
    const int wasVisible = Visible;
    if (CollideCounter > static_cast<float>(CollideCounterMax)) {
      Visible = 1;
      CollideCounter = static_cast<float>(CollideCounterMax);
      shown = true;
      if (wasVisible == 0 && ToolTipSound && Game->Channels) {
        Game->Channels->PlayGameSound(ToolTipSound, nullptr, 1.0f, 0.0f);
      }
    }
    if (DrawUnderMouseCursor != 0 &&
        (SetCoordsOnceOnly == 0 || (SetCoordsOnceOnly == 1 && wasVisible == 0))) {
      Place();
    }
  } else {
    CollideCounter = 0;
  }
  if (shown) {
    if (Fade != 0) {
      FadeLevel += FadeInSpeed * Delta;
      if (FadeLevel > 1.0f) FadeLevel = 1.0f;
    }
  } else if (Fade != 0) {
    FadeLevel -= FadeOutSpeed * Delta;
    if (FadeLevel <= 0.0f) {
      FadeLevel = 0.0f;
      Visible = 0;
    }
  } else {
    Visible = 0;
  }
  return 0;
}

void TToolTip::Place() {
  const int mx = Game->Mouse->x;
  const int my = Game->Mouse->y;
  const int ph = Game->Mouse->h;
  const int iw = image ? image->w : 0;
  const int ih = image ? image->h : 0;
  if (my + ph + GapFromMouse + ih < ScreenHeight) {
    y = static_cast<float>(my + ph + GapFromMouse);
  } else {
    y = static_cast<float>(my - GapFromMouse - ih);
  }
  if (mx + iw < ScreenWidth) {
    x = static_cast<float>(mx + XOffset);
  } else {
    x = static_cast<float>(ScreenWidth - iw);
  }
}

int TToolTip::Kill() {
  ToolTipSound.reset();
  return 0;
}

int TToolTip::Draw() {
  if (Visible == 0) return 0;
  if (Fade != 0) {
    platform::SetAlpha(FadeLevel);
    if (font && font->Color) font->Color->Alpha = FadeLevel;
  }
  if (image && image->image) platform::DrawImage(image->image, x, y, 0);
  if (font) {
    font->Apply();
    if (font->BitmapFont && image) {
      font->BitmapFont->DrawStringArray(TextWrapped, x + image->w2,
                                        y + image->h2 + static_cast<float>(TextYOffset), 1, 0, 1, 0,
                                        font->Shadow ? 1 : 0, 0, 1);
    }
    if (font->Color) font->Color->Restore();
  }
  if (Fade != 0) {
    platform::SetAlpha(1.0f);
    ccTextAlpha = 1.0f;
  }
  return 1;
}

int TToolTip::SetCollideCounterMax(int ms) {
  CollideCounterMax = static_cast<int>(Game->CalcAnimLength(ms));
  return 0;
}

int TToolTip::SetText(const std::string& text) {
  if (Fade != 0 && FadeLevel > 0.0f) return 0;
  Text = text;
  TextWrapped = ccWordWrapArray({Text}, TextDrawWidth, font ? font->BitmapFont : nullptr);
  return 1;
}
