// Drawing the wild shot dialog: everything moves with its top edge TopY.

#include "wildshot/wildshot_screen.h"

#include <algorithm>

#include "content/globals.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/image_bank.h"
#include "gfx/sprite.h"
#include "platform/graphics.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/text_draw.h"

namespace {

constexpr float STOP_LIFT = 91.0f;

void DrawFrame(const std::shared_ptr<TGameImage>& image, float x, float y, int frame) {
  if (!image || !image->image) return;
  const int frames = image->Frames();
  platform::DrawImage(image->image, x, y, std::clamp(frame, 0, std::max(0, frames - 1)));
}

void ShadowedLine(const std::string& text, float x, float y, float alpha, int r, int g, int b) {
  if (!WildshotFont) return;
  platform::SetColor(0, 0, 0);
  platform::SetAlpha(0.6f * alpha);
  WildshotFont->Draw(text, x + 2, y + 2, 0, 0, 0, 0, 0);
  platform::SetColor(r, g, b);
  platform::SetAlpha(alpha);
  WildshotFont->Draw(text, x, y, 0, 0, 0, 0, 0);
}

}  // namespace

int TWildshotScreen::Draw() {
  if (!Active) return 0;
  const int left = DialogLeft();

  float dim = 0.3f;
  if (Unroll && Unroll->Active) dim = 0.3f * Unroll->GetRatioInvSine();
  ccDimScreen(dim);
  if (Image) platform::DrawImage(Image, static_cast<float>(left), TopY, 0);

  if (!MinigameActive) {
    const float alpha = TextFade && TextFade->Active ? TextFade->GetRatioInv() : 1.0f;
    float x = static_cast<float>((ScreenWidth - PageWidth) / 2);
    if (!Text.empty() && Text[0] == ShufflingText && WildshotFont)
      x += static_cast<float>((PageWidth - static_cast<int>(WildshotFont->StringWidth(ShufflingText))) / 2);
    float y = TopY + 191;
    for (int i = 0; i < TotalLines && i < static_cast<int>(Text.size()); ++i) {
      if (i == 2) x += 103;
      ShadowedLine(Text[static_cast<std::size_t>(i)], x, y, alpha, 255, 255, 204);
      y += 20;
    }
    if (TotalResultLines > 0) {
      y = TopY + 279 + static_cast<float>((5 - TotalResultLines) * 10);
      const float floor_y = static_cast<float>(static_cast<int>(TopY + 191 + 20 * TotalLines + 10));
      y = std::max(y, floor_y);
      const float rx = static_cast<float>((ScreenWidth - PageWidth) / 2 + 103);
      for (const auto& line : Text2) {
        if (Good)
          ShadowedLine(line, rx, y, alpha, 185, 232, 61);
        else
          ShadowedLine(line, rx, y, alpha, 255, 75, 75);
        y += 20;
      }
    }
    platform::SetAlpha(1);
    platform::SetScale(1, 1);
  }
  platform::SetColor(255, 255, 255);

  if (CardSlide && CardSlide->Active) {
    const float r = CardSlide->GetRatioInv();
    IconX = static_cast<float>(IconStartX) + r * static_cast<float>(IconDX);
    IconY = static_cast<float>(IconStartY) + r * static_cast<float>(IconDY);
  }
  const int story = ChosenStory + 1;
  const float cx = static_cast<float>(static_cast<int>(IconX) - (story == 5 ? 26 : 0));
  const float cy = TopY + IconY;

  MinigameDraw();
  if (Frame) DrawFrame(Frame, static_cast<float>(left), TopY, 0);

  if (Overlay) {
    const float oy = TopY + 427;
    if (!MinigameActive) {
      DrawFrame(Overlay, 321, oy, 0);
    } else if (MinigameFadeIn && MinigameFadeIn->Active) {
      platform::SetAlpha(MinigameFadeIn->GetRatio());
      DrawFrame(Overlay, 321, oy, 0);
      platform::SetAlpha(1);
    } else if (MinigameFadeOut && MinigameFadeOut->Active) {
      platform::SetAlpha(MinigameFadeOut->GetRatioInv());
      DrawFrame(Overlay, 321, oy, 0);
      platform::SetAlpha(1);
    } else if (MinigamePhase == MINIGAME_PHASE_RESULT) {
      DrawFrame(Overlay, 321, oy, 0);
    }
  }

  if (Header) {
    Header->y = TopY + 145;
    Header->Draw();
  }

  if (MinigamePreFadeIn && MinigamePreFadeIn->Active) platform::SetAlpha(MinigamePreFadeIn->GetRatio());
  if (!MinigameActive) {
    if (FirstFrame) {
      if (story == 5)
        DrawFrame(GopherFirstFrame, cx, cy, 0);
      else
        DrawFrame(WildshotFirstFrames, cx, cy, ChosenStory);
    } else if (WildshotAnimCounter > 0) {
      DrawFrame(WildshotAnimStrip, cx, cy,
                ccCalcAnimFrame(WildshotAnimCounter, WildshotAnimLength, WildshotAnimFrames, 0));
    } else if (LastFrame) {
      const int last = WildshotAnimFrames - 1;
      DrawFrame(WildshotAnimStrip, cx, cy, story == 6 ? std::min(20, last) : last);
    } else {
      DrawFrame(Icon, IconX, TopY + IconY, IconFrame);
    }
  }
  platform::SetAlpha(1);

  if (MinigameActive) DrawMinigameControls();

  if (Menu) {
    Menu->SetY(static_cast<float>(MenuY) + TopY);
    auto stop = Menu->FindButton("stop_wild");
    if (stop) stop->y -= STOP_LIFT;
    Menu->Draw(0, 0);
    if (stop) stop->y = static_cast<float>(MenuY) + TopY;
  }
  return 1;
}

int TWildshotScreen::DrawMinigameControls() {
  const float left = static_cast<float>(DialogLeft());
  float p = 1.0f;
  if (MinigameFadeIn && MinigameFadeIn->Active) p = MinigameFadeIn->GetRatioInv();
  if (MinigameFadeOut && MinigameFadeOut->Active) p = MinigameFadeOut->GetRatio();
  if (ResultFadeIn && ResultFadeIn->Active) p = ResultFadeIn->GetRatioInv();
  if (MinigameMenu) {
    MinigameMenu->SetY(static_cast<float>(MinigameMenuY) + TopY);
    MinigameMenu->SetAlpha(p);
    MinigameMenu->Draw(0, 0);
  }
  if (MinigamePhase < MINIGAME_PHASE_RESULT && InstructionsFont) {
    platform::SetAlpha(p);
    platform::SetColor(255, 255, 204);
    ccShadowTextSet(2, 2, 0.6f);
    ccTextAlpha = p;
    for (std::size_t k = 0; k < Instructions.size(); ++k)
      InstructionsFont->DrawAlignedWithShadow(Instructions[k], left + 208,
                                              TopY + 442 + 16 * static_cast<float>(k), 0, 0, 0);
    ccTextAlpha = 1;
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1);
  }
  if (Minigame == 3 && MinigamePhase == MINIGAME_PHASE_RUNNING && StatsFont) {
    platform::SetAlpha(p);
    ccShadowTextSet(2, 2, 0.6f);
    ccTextAlpha = p;
    StatsFont->DrawAlignedWithShadow(TriesText + ": " + std::to_string(Tries), left + 78,
                                     TopY + 445, 0, 0, 0);
    ccTextAlpha = 1;
    platform::SetAlpha(1);
  }
  return 0;
}
