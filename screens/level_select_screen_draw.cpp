// The course selector's drawing: the backdrop, the large picture and its panels, the list, the
// selected course's name, details, goal and photograph, the best scores, the cash, the buttons and
// the open message dialog, all following the zoom.

#include <algorithm>
#include <cmath>
#include <string>

#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/level_select_screen.h"
#include "ui/dialog_ok.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/button.h"
#include "ui/scroll_bar.h"
#include "util/animation.h"
#include "util/strings.h"
#include "util/text_draw.h"
#include "util/types.h"

namespace {

constexpr float ROW_STEP = 21.0f;

void SetColour(int r, int g, int b) { platform::SetColor(r, g, b); }

}  // namespace

std::string TLevelSelectScreen::ScoreText(int score) {
  return score == 0 ? "E" : ccIntToStringWithSign(score);
}

int TLevelSelectScreen::DrawZoomed(const std::shared_ptr<TGameImage>& image, float x, float y,
                                   int frame) {
  if (!image || !image->image) return 0;
  const float z = 1.0f - Scale;
  ConvertXY(x, y);
  // Picture positions are top-left corners whatever handle the picture was loaded with.
  platform::DrawImage(image->image, x + image->image->HandleX() * z, y + image->image->HandleY() * z,
                      frame);
  return 0;
}

int TLevelSelectScreen::Draw() {
  const bool zooming = Zoom && Zoom->Active != 0;
  const float z = 1.0f - Scale;
  if (zooming) CalcScrollCoords();

  platform::SetBlend(platform::BLEND_SOLID);
  if (Background) platform::DrawImage(Background, 0, 0, 0);
  if (zooming) platform::SetScale(z, z);
  platform::SetBlend(platform::BLEND_ALPHA);
  if (Image) platform::DrawImage(Image, ScrollX + Image->HandleX() * z, ScrollY + Image->HandleY() * z, 0);
  DrawZoomed(AvailableCourses, 9, 45, 0);
  DrawZoomed(TopScores, 305, 361, 0);
  DrawZoomed(TotalCash, 34, 440, 0);
  DrawZoomed(WelcomeTo, 46, 18, 0);
  DrawZoomed(CourseShots[static_cast<std::size_t>(CurrentCourseShot)], 634, 94, 0);
  DrawZoomed(Overlay, 574, 72, 0);
  if (zooming) platform::SetScale(1, 1);

  if (ListBox) {
    if (auto& bar = ListBox->ScrollBar) {
      bar->X = 30;
      bar->Y = 149;
      ConvertXY(bar->X, bar->Y);
      bar->Scale = z;
      if (bar->Menu) {
        for (const auto& arrow : bar->Menu->Buttons) {
          arrow->ScaleX = z;
          arrow->ScaleY = z;
          float ax = arrow->ox, ay = arrow->oy;
          ConvertXY(ax, ay);
          arrow->x = ax;
          arrow->y = ay;
        }
      }
    }
    ListBox->SetCoords(64, 125, 195, LIST_HEIGHT);
    ConvertXY(ListBox->Box->X, ListBox->Box->Y);
    ListBox->Scale = z;
    const TSaveData* save =
        GameScreen && GameScreen->Player ? GameScreen->Player->SaveData.get() : nullptr;
    auto lockedAt = [save](int index) {
      const auto slot = static_cast<std::size_t>(index);
      return !save || slot >= save->UnlockedCourses.size() ||
             save->UnlockedCourses[slot] == COURSE_LOCKED;
    };
    // The selected locked course's name ends before its padlock (drawn smaller when it is wider).
    const bool padlockAtEnd = PadLock && PadLock->image && SelectedCourse && ListBox->Index >= 0 &&
                              lockedAt(ListBox->Index);
    ListBox->SelectedRowEnd = padlockAtEnd ? SELECTED_LOCK_X : 0;
    ListBox->Draw();
    // The selected course, when locked, shows the padlock at its row's end; every other locked
    // course in view shows it in the margin before its name, so locked rows stand apart from open
    // ones at a glance (their colours alone differ little).
    if (PadLock && PadLock->image) {
      const int rows = std::min(ListBox->Count() - ListBox->TopIndex, ListBox->Limit);
      for (int row = 0; row < rows; ++row) {
        const int index = ListBox->TopIndex + row;
        if (!lockedAt(index)) continue;
        const bool selected = SelectedCourse && index == ListBox->Index;
        const float rowY = ListBox->Box->Y + static_cast<float>(row * ListBox->LineHeight) * ListBox->Scale;
        const float lockX =
            selected ? ListBox->Box->X + SELECTED_LOCK_X : ListBox->Box->X - LOCK_MARGIN * z;
        if (!selected) platform::SetScale(z, z);
        platform::DrawImage(PadLock->image, lockX + PadLock->image->HandleX() * (selected ? 1 : z),
                            static_cast<float>(static_cast<int>(rowY)) + PadLock->image->HandleY() * (selected ? 1 : z), 0);
        if (!selected) platform::SetScale(1, 1);
      }
    }
  }

  if (SelectedCourse) {
    if (CourseNameFont) {
      float x = 298, y = 23;
      ConvertXY(x, y);
      // A name too long for the band up to the picture's right edge is drawn smaller to fit.
      CourseNameFont->ScaleFactor = 1.0;
      const double room = 800 - 298 - 24;
      const double width = CourseNameFont->StringWidth(SelectedCourse->Name);
      const double fit = width > room ? room / width : 1.0;
      CourseNameFont->ScaleFactor = z * fit;
      SetColour(255, 255, 255);
      CourseNameFont->DrawAligned(SelectedCourse->Name, x,
                                  y + (1.0 - fit) * CourseNameFont->StringHeight("ABCXYZ") / 2, 0, 1,
                                  1, 0);
      CourseNameFont->ScaleFactor = 1.0;
    }
    if (LabelFont && TextFont) {
      float x = 300, y = 115;
      ConvertXY(x, y);
      LabelFont->ScaleFactor = z * DETAIL_FONT_SCALE;
      TextFont->ScaleFactor = z * GOAL_FONT_SCALE;
      const float step = ROW_STEP * z;
      const int affordable = CanAfford();
      ccShadowTextSet(2, 2, 0.4f);
      ccTextAlpha = 1.0f;
      SetColour(255, 204, 51);
      const std::string* labels[] = {&Label1, &Label2, &Label3, &Label4};
      for (int i = 0; i < 4; ++i) {
        LabelFont->DrawAlignedWithShadow(*labels[i], x, y + step * static_cast<float>(i), 0, 1, 1);
      }
      const std::string currency = GetCurrencyChar();
      const float vx = x + static_cast<float>(LabelWidth * DETAIL_FONT_SCALE) * z;
      SetColour(255, 255, 204);
      LabelFont->DrawAlignedWithShadow(std::to_string(SelectedCourse->Holes), vx, y, 0, 1, 1);
      LabelFont->DrawAlignedWithShadow(std::to_string(SelectedCourse->Par), vx, y + step, 0, 1, 1);
      if (affordable < 0) SetColour(248, 73, 54);
      LabelFont->DrawAlignedWithShadow(currency + std::to_string(GetFee(SelectedCourse->Fee)) + FeeReduced,
                                       vx, y + step * 2, 0, 1, 1);
      SetColour(255, 255, 204);
      LabelFont->DrawAlignedWithShadow(
          currency + std::to_string(GetPurse(SelectedCourse->Purse)) + PurseIncreased, vx, y + step * 3,
          0, 1, 1);
      float rowY = y + step * 4;  // the fifth row
      float goalY = rowY + 2 * step;
      if (SelectedCourse->Timed != 0 && StopWatch && StopWatch->image) {
        const float sy = rowY + 3 * z;
        platform::SetScale(z, z);
        platform::DrawImage(StopWatch->image, x + StopWatch->w2 * z, sy + StopWatch->h2 * z, 0);
        platform::SetScale(1, 1);
        SetColour(255, 255, 0);
        const float ty = sy + ROW_STEP * z;
        TextFont->DrawAlignedWithShadow(TimedCourseString,
                                        x + static_cast<float>(StopWatch->w + 5) * z, ty, 0, 1, 1);
        goalY = ty + 2 * step;
      }
      SetColour(255, 204, 51);
      for (const std::string& line : UnlockText) {
        TextFont->DrawAlignedWithShadow(line, x, goalY, 0, 1, 1);
        goalY += 17 * z;
      }
      LabelFont->ScaleFactor = 1.0;
      TextFont->ScaleFactor = 1.0;
      SetColour(255, 255, 255);
    }
  }

  DrawCash();
  DrawScores();

  SetColour(255, 255, 255);
  if (Menu) Menu->Draw(0, 0);
  if (DialogOK) DialogOK->Draw();
  return 0;
}

int TLevelSelectScreen::DrawCash() {
  auto digits = images ? images->Find("hole_marker_par_numbers") : nullptr;
  if (!digits || !digits->image || !GameScreen || !GameScreen->Player) return 0;
  const bool zooming = Zoom && Zoom->Active != 0;
  const float z = 1.0f - Scale;
  const std::string cash = std::to_string(std::max(0, GameScreen->Player->Score));
  // The pitch is the digit cell less 4 pixels, so the digits sit close like a till's.
  const float p = static_cast<float>(digits->w - 4);
  const float n = static_cast<float>(cash.size());
  const float x0 = 153.0f - p * (n + 1) / 2.0f;
  if (zooming) platform::SetScale(z, z);
  DrawZoomed(digits, static_cast<float>(static_cast<int>(x0)), 492, GetCurrencySymbol(0));
  float dx = x0 + p, dy = 492;
  ConvertXY(dx, dy);
  ccDrawNumbers(cash, dx + digits->image->HandleX() * z, dy + digits->image->HandleY() * z,
                digits->image, p * z, 0, 0);
  if (zooming) platform::SetScale(1, 1);
  return 0;
}

int TLevelSelectScreen::DrawScores() {
  if (!WildshotFont) return 0;
  const float z = 1.0f - Scale;
  float x = 307, y = 392;
  ConvertXY(x, y);
  WildshotFont->ScaleFactor = z;
  ccShadowTextSet(2, 2, 0.6f);
  const std::string player = GameScreen && GameScreen->Player ? GameScreen->Player->Name : "";
  for (std::size_t i = 0; i < Scores.size(); ++i) {
    const TSelectorScore& s = Scores[i];
    if (!s.name.empty()) {
      if (s.real != 0 && s.name == player) {
        SetColour(200, 43, 0);
      } else {
        SetColour(96, 43, 0);
      }
      WildshotFont->DrawAligned(WildshotFont->TruncateString(s.name, 140), x, y, 0, 1, 1, 0);
      const std::string score = ScoreText(s.score);
      WildshotFont->DrawAligned(score, x + 194 * z, y, 2, 1, 1, 0);
      WildshotFont->DrawAligned(s.date, x + 222 * z, y, 0, 1, 1, 0);
      WildshotFont->DrawAligned(ScoreTimeText(s.time), x + 363 * z, y, 0, 1, 1, 0);
    }
    y += 23 * z + (i < 2 ? 2 * z : 1 * z);
  }
  WildshotFont->ScaleFactor = 1.0;
  SetColour(255, 255, 255);
  return 0;
}
