// The score card's drawing: the zoom, the card with its printed pieces and goal box, the nine-hole
// grid, the hole statistics and the course name, buttons and dialogs on top.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>
#include <string>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "screens/course_end_dialog.h"
#include "screens/score_card_screen.h"
#include "screens/time_bonus_dialog.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/maths.h"
#include "util/text_draw.h"

namespace {

constexpr float kZoomFromX = 739, kZoomFromY = 526;
constexpr int kMinus = 10, kPlus = 11, kLevel = 12, kTimes = 13, kPoint = 14, kEquals = 15;

const std::span<const int> Widths() { return TScoreCardScreen::HandwritingCharWidths; }
const std::span<const int> Offsets() { return TScoreCardScreen::HandwritingOffsets; }

// W(digits): the handwritten width at gap 2 and scale 1.
float HandWidth(const std::string& digits) {
  return ccDrawNumbersVariableWidthCalcWidth(digits, Widths(), Offsets(), 2, 1);
}

void DrawHand(const std::shared_ptr<TGameImage>& font, const std::string& digits, float x, float y,
              int centre = 0) {
  if (font) ccDrawNumbersVariableWidth(digits, x, y, font->image, Widths(), Offsets(), 2, centre, 1, 1);
}

void DrawGlyph(const std::shared_ptr<TGameImage>& font, int glyph, float x, float y) {
  if (font && glyph >= 0 && glyph < font->Frames()) platform::DrawImage(font->image, x, y, glyph);
}

void DrawPicture(const std::shared_ptr<TGameImage>& picture, float x, float y) {
  if (picture) platform::DrawImage(picture->image, x, y);
}

int CardCentreX() { return ScreenWidth / 2; }
int CardCentreY() { return ScreenHeight / 2; }

const TPlayer* ThePlayer() { return GameScreen && GameScreen->Player ? GameScreen->Player.get() : nullptr; }

}  // namespace

int TScoreCardScreen::Draw() {
  if (Active == 0) return 0;
  if (Zoom && Zoom->Active != 0) {
    const float t = Zoom->GetRatioInv();
    const float f = ZoomIn == 1 ? t : 1.0f - t;
    const float s = StartScale + f * (1.0f - StartScale);
    platform::SetScale(s, s);
    DrawMainImage(s);
    platform::SetScale(1, 1);
    return 0;
  }
  DrawMainImage(1.0);
  DrawCourseGrid();
  DrawHoleStatGrid();
  if (HintHeaderFont && GameGrid) HintHeaderFont->DrawAligned(GameGrid->LevelName, 67, 52, 0, 0, 0, 0);
  if (Menu) Menu->Draw(0, 0);
  if (TimeBonusDialog) TimeBonusDialog->Draw();
  if (GopherDialog) GopherDialog->Draw();
  return 1;
}

int TScoreCardScreen::DrawMainImage(double scale) {
  platform::SetBlend(platform::BLEND_ALPHA);
  const float cx = static_cast<float>(CardCentreX());
  const float cy = static_cast<float>(CardCentreY());
  float px = cx, py = cy;
  const bool zooming = Zoom && Zoom->Active != 0;
  if (zooming) {
    float r = Zoom->GetRatio();
    if (ZoomIn == 0) r = 1.0f - r;
    px = cx + r * (kZoomFromX - cx);
    py = cy + r * (kZoomFromY - cy);
    platform::SetRotation(r * StartRotation);
  }
  if (Image) platform::DrawImage(Image, px, py);
  const auto s = static_cast<float>(scale);
  struct Piece {
    const std::shared_ptr<TGameImage>* picture;
    float X, Y, dx, dy;
  };
  const Piece pieces[] = {
      {Front9Showing != 0 ? &Front9 : &Back9, 138, 98, Front9Showing != 0 ? 0.0f : -5 * s,
       Front9Showing != 0 ? 0.0f : 2 * s},
      {&OutInTotal, 518, 202, 0, 0},
      {&RedNote, 517, 94, 0, 0},
      {&TextColumn1, 68, 203, 0, 0},
      {&TextColumn2, 68, 403, 0, 0},
  };
  for (const auto& piece : pieces) {
    const auto& picture = *piece.picture;
    if (!picture) continue;
    picture->image->SetHandle(cx - piece.X, cy - piece.Y);
    platform::DrawImage(picture->image, px + piece.dx, py + piece.dy);
    picture->image->SetHandle(0, 0);
  }
  DrawUnlockCondition(scale, px, py);
  if (zooming) platform::SetRotation(0);
  return 0;
}

int TScoreCardScreen::DrawUnlockCondition(double scale, double x, double y) {
  if (NextUnlockText.empty()) return 0;
  const auto& label = ShowGoalComplete != 0 ? LabelGoalComplete : LabelGoal;
  const float cx = static_cast<float>(CardCentreX());
  const float cy = static_cast<float>(CardCentreY());
  const float labelY = ShowGoalComplete != 0 ? 375.0f + 9.0f * static_cast<float>(scale) : 375.0f;
  float top = ShowGoalComplete != 0 ? 384.0f : 375.0f;
  if (label) {
    // The label is a bank picture shared with others: its centred handle is put back afterwards.
    label->image->SetHandle(label->w2 + cx - 640, label->h2 + cy - labelY);
    platform::DrawImage(label->image, static_cast<float>(x), static_cast<float>(y));
    label->image->SetHandle(label->w2, label->h2);
    top += label->h2 + 8;
  }
  if (!NextUnlockFont) return 0;
  const bool zooming = Zoom && Zoom->Active != 0;
  // Lines 18 pixels apart: the goal font is cut small enough for that.
  constexpr double lineStep = 18.0;
  NextUnlockFont->ChangeHandle = 1;
  for (size_t i = 0; i < NextUnlockText.size(); ++i) {
    NextUnlockFont->HandleX = cx - 640;
    NextUnlockFont->HandleY = -(top - cy + lineStep * static_cast<double>(i));
    NextUnlockFont->DrawAligned(NextUnlockText[i], x, y, 1, zooming ? 0 : 1, zooming ? 0 : 1, 0);
  }
  NextUnlockFont->ChangeHandle = 0;
  NextUnlockFont->HandleX = 0;
  NextUnlockFont->HandleY = 0;
  return 0;
}

int TScoreCardScreen::DrawCourseGrid() {
  if (!GameGrid || !HUD) return 0;
  auto course = CourseFind(GameGrid->LevelName);
  const TPlayer* player = ThePlayer();
  if (!course || !player) return 0;
  const auto& sd = *player->SaveData;
  const int e = HUD->FlagLevel - 1;
  const int first = Front9Showing != 0 ? 0 : 9;
  const float parStep = FontParGreen ? static_cast<float>(FontParGreen->w) : 20.0f;
  for (int k = 0; k < 9; ++k) {
    const int i = first + k;
    if (i >= course->Holes || i >= 18) break;
    const auto at = static_cast<size_t>(i);
    const float xk = static_cast<float>(151 + 40 * k);
    if (FontParGreen) DrawHolePar(course->HolePars[at], xk - 1, parStep);
    if (i > e) continue;
    if (MidHole != 0 && i == e) platform::SetAlpha(0.5f);
    DrawHand(FontHandwritingGray, std::to_string(sd.CourseArrayCards[at]), xk + 10, 260, 1);
    if (perfects[at] != 0) DrawPicture(RedCircle, xk + 11, 275);
    OutputRedNumber(sd.CourseArrayToPar[at], static_cast<int>(xk) + 9, 291);
    platform::SetAlpha(1.0f);
  }
  if (course->Holes == 18 && FontParGreen) {
    ccDrawNumbers(std::to_string(out[0]), 536, 235, FontParGreen->image, 11, 1, 1);
    DrawHand(FontHandwritingGray, std::to_string(out[1]), 540, 260, 1);
    OutputRedNumber(out[2], 539, 291);
    ccDrawNumbers(std::to_string(in[0]), 612, 235, FontParGreen->image, 11, 1, 1);
    if (e > 8) {
      DrawHand(FontHandwritingGray, std::to_string(in[1]), 616, 260, 1);
      OutputRedNumber(in[2], 616, 291);
    }
  }
  const std::string totalPar = std::to_string(out[0] + in[0]);
  const bool narrow = totalPar.size() > 1 && totalPar[1] == '1';
  if (FontParGreen) ccDrawNumbers(totalPar, narrow ? 691.0f : 690.0f, 235, FontParGreen->image, narrow ? 9.0f : 11.0f, 1, 1);
  DrawHand(FontHandwritingGray, std::to_string(out[1] + in[1]), 695, 260, 1);
  OutputRedNumber(out[2] + in[2], 694, 291);
  return 0;
}

int TScoreCardScreen::DrawHolePar(int par, float x, float step) {
  const std::string digits = std::to_string(par);
  if (digits.size() < 2) {
    ccDrawNumbers(digits, x, 235, FontParGreen->image, step, 0, 0);
    return 0;
  }
  // A par of two digits at the full step would run into the next hole's cell: its digits stand
  // closer, at the step of the out and in columns, around the place of a one-digit par.
  // Centred drawing puts the digits' middle half a step left of the x it is given.
  ccDrawNumbers(digits, x + PAR_CLOSE_STEP / 2, 235, FontParGreen->image, PAR_CLOSE_STEP, 1, 1);
  return 0;
}

int TScoreCardScreen::OutputRedNumber(int value, int x, int y) {
  const auto fy = static_cast<float>(y);
  if (value == 0) {
    DrawGlyph(FontHandwritingGray, kLevel,
              static_cast<float>(x - (HandwritingCharWidths[kLevel] / 2 + HandwritingOffsets[kLevel])), fy);
    return 0;
  }
  const int sign = value < 0 ? kMinus : kPlus;
  const auto& font = value < 0 ? FontHandwritingRed : FontHandwritingGray;
  // The magnitude as text; a long long keeps the most negative int from overflowing.
  const std::string digits = std::to_string(std::llabs(static_cast<long long>(value)));
  const int w = static_cast<int>(HandWidth(digits));
  int pen = x - (w + HandwritingCharWidths[static_cast<size_t>(sign)] + 2) / 2;
  DrawGlyph(font, sign, static_cast<float>(pen - HandwritingOffsets[static_cast<size_t>(sign)]), fy);
  pen += HandwritingCharWidths[static_cast<size_t>(sign)] + 2;
  DrawHand(font, digits, static_cast<float>(pen), fy);
  return 0;
}

int TScoreCardScreen::DrawHoleStatGrid() {
  const TPlayer* player = ThePlayer();
  if (!player) return 0;
  const float blockAlpha = MidHole != 0 ? 0.5f : 1.0f;
  platform::SetAlpha(blockAlpha);
  const auto& gray = FontHandwritingGray;

  // Time.
  const std::string minutes = std::to_string(mins);
  DrawHand(gray, minutes, 265, 332);
  float pen = static_cast<float>(static_cast<int>(265 + HandWidth(minutes)) - 3);
  DrawPicture(LabelMinutes, pen, 334);
  if (LabelMinutes) pen += static_cast<float>(LabelMinutes->w);
  int seconds = secs;
  if (seconds < 0) {
    DrawGlyph(gray, kMinus, pen - static_cast<float>(HandwritingOffsets[kMinus]), 332);
    pen += static_cast<float>(HandwritingCharWidths[kMinus] + 2);
    seconds = -seconds;
  }
  const std::string secondsText = std::to_string(seconds);
  DrawHand(gray, secondsText, pen, 332);
  DrawPicture(LabelSeconds, static_cast<float>(static_cast<int>(pen + HandWidth(secondsText)) - 2), 334);

  // Hole score and bonus.
  OutputCurrency(player->LevelScore, 265, 360, 1.0f);
  platform::SetAlpha(1.0f);
  if (LabelBonusExtra) {
    DrawPicture(LabelBonusExtra, 69, 396);
    DrawPicture(LabelBonus, static_cast<float>(69 + LabelBonusExtra->w + 3), 396);
  } else {
    DrawPicture(LabelBonus, 69, 396);
  }
  platform::SetAlpha(blockAlpha);
  OutputCurrency(Bonus, 265, 388, 1.0f);

  // Multiplier and longest drive.
  std::string whole, tenths;
  if (HUD) {
    HUD->GetMultiplierStrings(HUD->Multiplier, whole, tenths);
  } else {
    whole = "1";
    tenths = "0";
  }
  DrawHand(gray, whole, 265, 418);
  pen = static_cast<float>(static_cast<int>(265 + HandWidth(whole) + 2));
  DrawGlyph(gray, kPoint, pen - static_cast<float>(HandwritingOffsets[kPoint]), 418);
  pen += static_cast<float>(HandwritingCharWidths[kPoint] + 2);
  DrawHand(gray, tenths, pen, 418);
  pen = static_cast<float>(static_cast<int>(pen + HandWidth(tenths) + 2));
  DrawGlyph(gray, kTimes, pen - static_cast<float>(HandwritingOffsets[kTimes]), 418);
  pen += static_cast<float>(HandwritingCharWidths[kTimes] + 2 - 3);
  DrawPicture(LabelLongestDrive, pen, 419);
  if (LabelLongestDrive) pen += static_cast<float>(LabelLongestDrive->w - 2);
  const std::string drive = std::to_string(HoleLongestDrive);
  DrawHand(gray, drive, pen, 418);
  DrawPicture(LabelLongestDriveEndBracket, static_cast<float>(static_cast<int>(pen + HandWidth(drive)) - 8), 419);

  // Winnings and course cash.
  OutputCurrency(GetYouWon(), 265, 449, 1.0f);
  const bool purse = HUD && HUD->FlagLevel == player->CourseHoles && MidHole == 0 && PurseWon != 0;
  const float q = purse ? 0.75f : 1.0f;
  int total = player->SaveData->CourseCash;
  if (MidHole != 0) total = ccSaturatingAdd(total, GetYouWon());
  int at = 265 + OutputCurrency(total, 265, 480, q);
  if (purse) {
    at = static_cast<int>(static_cast<float>(at) + 10 * q);
    DrawGlyph(gray, kPlus, static_cast<float>(at) - static_cast<float>(HandwritingOffsets[kPlus]) * q, 480);
    at = static_cast<int>(static_cast<float>(at) + static_cast<float>(HandwritingCharWidths[kPlus]) * q);
    at = static_cast<int>(static_cast<float>(at) + 10 * q);
    at += OutputCurrency(PurseValue, static_cast<float>(at), 480, q);
    at = static_cast<int>(static_cast<float>(at) + 14 * q);
    DrawGlyph(gray, kEquals, static_cast<float>(at) - static_cast<float>(HandwritingOffsets[kEquals]) * q, 480);
    at = static_cast<int>(static_cast<float>(at) + static_cast<float>(HandwritingCharWidths[kEquals]) * q);
    at = static_cast<int>(static_cast<float>(at) + 10 * q);
    OutputCurrency(ccSaturatingAdd(PurseValue, total), static_cast<float>(at), 480, q);
  }
  platform::SetAlpha(1.0f);
  return 0;
}

int TScoreCardScreen::OutputCurrency(int value, float x, float y, float scale) {
  // Outside the three regions no sign is drawn; the amount keeps its place.
  const int g = GetCurrencySymbol(6);
  const int sign = g >= 16 && g <= 18 ? g : 16;
  if (g == sign) DrawGlyph(FontHandwritingGray, g, x - static_cast<float>(HandwritingOffsets[static_cast<size_t>(sign)]) * scale, y);
  const float lead = static_cast<float>(HandwritingCharWidths[static_cast<size_t>(sign)] + 3) * scale;
  float width = 0;
  if (FontHandwritingGray) {
    width = static_cast<float>(ccDrawNumbersVariableWidth(std::to_string(value), x + lead, y, FontHandwritingGray->image,
                                                          Widths(), Offsets(), 3, 0, 1, scale));
  }
  return static_cast<int>(std::floor(width + lead + 0.5f));
}
