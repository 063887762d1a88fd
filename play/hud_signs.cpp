// The score sign, the hole marker, the hole-cash sign and the stopwatch.

#include <algorithm>
#include <cmath>
#include <string>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/hud_rules.h"
#include "play/play_effects.h"
#include "play/play_support.h"
#include "progress/currency.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "progress/player.h"
#include "util/strings.h"
#include "util/text_draw.h"

using play_support::DrawFrame;
using play_support::Ticks;

namespace {

// The frame of the currency sign in a digit strip (10, 11 or 12 by region).
int CurrencyFrame() { return GetCurrencySymbol(0); }

// The decimal digits of an amount that a digit strip can show: a negative amount (a damaged
// profile) shows as 0.
std::string AmountDigits(int amount) { return std::to_string(amount < 0 ? 0 : amount); }

void DrawDigits(const std::string& digits, float x, float y, const std::shared_ptr<TGameImage>& font,
                float spacing) {
  if (font && font->image) ccDrawNumbers(digits, x, y, font->image, spacing, 0, 1);
}

}  // namespace

int THUD::ScoreDraw(float x, float y) {
  if (!ScoreSignFont) return 0;
  const int x0 = static_cast<int>(x);
  const int w = ScoreSignFont->w - 2;
  auto drawSigned = [&](int v, float px, float py) {
    if (v == 0) {
      DrawFrame(ScoreSignPar, px, py);
      return;
    }
    const std::string digits = std::to_string(v < 0 ? -static_cast<long long>(v) : v);
    if (digits.size() == 1) px += static_cast<float>(w / 2);
    DrawFrame(ScoreSignFont, px, py, v > 0 ? 13 : 14);
    DrawDigits(digits, px + w, py, ScoreSignFont, static_cast<float>(w));
  };
  drawSigned(GameGrid ? TGameGrid::GetHTP() : 0, x, y);
  auto* p = CurrentPlayer();
  drawSigned(p ? p->CourseToPar : 0, static_cast<float>(x0 + 70), y);
  const std::string s = AmountDigits(p ? p->Score : 0);
  const int left = x0 + 54 - (w * (static_cast<int>(s.size()) + 1)) / 2;
  DrawFrame(ScoreSignFont, static_cast<float>(left), y + 48, CurrencyFrame());
  DrawDigits(s, static_cast<float>(left + w), y + 48, ScoreSignFont, static_cast<float>(w));
  return 0;
}

int THUD::LevelDraw(float yOffset) {
  if (HoleNumbersBig) {
    const int w = HoleNumbersBig->w - 2;
    const std::string hole = std::to_string(FlagLevel);
    if (FlagLevel > 9 && hole.size() >= 2) {
      DrawDigits("1", 19, 9 + yOffset, HoleNumbersBig, static_cast<float>(w));
      DrawDigits(hole.substr(1, 1), 35, 9 + yOffset, HoleNumbersBig, static_cast<float>(w));
    } else {
      DrawDigits(hole, 35, 9 + yOffset, HoleNumbersBig, static_cast<float>(w));
    }
  }
  auto* p = CurrentPlayer();
  if (p && p->CourseHoles == 9)
    DrawFrame(HoleNumbersSmall, 79, 23 + yOffset, 1);
  else
    DrawFrame(HoleNumbersSmall, 77, 23 + yOffset, 0);
  if (GameGrid && ParNumbers) {
    // A par of 10 or more has no frame of its own: its digits stand side by side, the units
    // digit where a single digit stands.
    const int par = GameGrid->HolePar < 0 ? 0 : GameGrid->HolePar;
    if (par <= 9) {
      DrawFrame(ParNumbers, 79, 68 + yOffset, par);
    } else {
      const std::string digits = std::to_string(par);
      const int w = ParNumbers->w - 6;
      const float x = 79.0f - w * static_cast<float>(digits.size() - 1);
      DrawDigits(digits, x, 68 + yOffset, ParNumbers, static_cast<float>(w));
    }
  }
  if (GameGrid && LevelNameFont) {
    // The name is centred on x 97 over the marker's ribbon. A name wider than the ribbon is drawn
    // smaller, about the middle of its line, so that it never runs off the marker.
    const std::string& name = GameGrid->LevelName;
    const double width = LevelNameFont->StringWidth(name);
    const double room = HoleNameRoom();
    if (width <= room || width <= 0) {
      LevelNameFont->Draw(name, 97, 99 + yOffset, 1, 0, 1, 0, 0);
    } else {
      const double fit = room / width;
      float sx = 1, sy = 1;
      platform::GetScale(&sx, &sy);
      platform::SetScale(static_cast<float>(sx * fit), static_cast<float>(sy * fit));
      const double line = LevelNameFont->TextHeight(name);
      LevelNameFont->Draw(name, 97, 99 + yOffset + line * (1 - fit) / 2, 1, 0, 1, 0, 0);
      platform::SetScale(sx, sy);
    }
  }
  return 0;
}

double THUD::HoleNameRoom() const {
  // The marker is drawn from x 5; the name keeps 14 pixels from either edge of the picture, which
  // leaves its outline on the ribbon.
  constexpr int kMarkerX = 5, kNameX = 97, kInset = 14;
  const int w = HoleMarker ? HoleMarker->w : 190;
  const int half = std::min(kNameX - kMarkerX, kMarkerX + w - kNameX) - kInset;
  return 2.0 * std::max(half, 0);
}

int THUD::HoleCashBounce() {
  if (HoleCashActive != 0) return 0;
  HoleCashActive = 1;
  HoleCashBounces = 3;
  HoleCashSignY = HoleCashSign ? -static_cast<float>(HoleCashSign->h) : 0.0f;
  HoleCashSignYSpeed = 0.16f;
  const int detail = play_support::Detail();
  if (detail <= 0) return 0;
  if (HoleCashPixieDust) {
    HoleCashPixieDust->MainCounter = Ticks(1000);
    HoleCashPixieDust->Length = play_support::TicksF(hud_rules::DetailInterval(20.0f, detail));
    HoleCashPixieDust->Counter = HoleCashPixieDust->Length;
    HoleCashPixieDust->x = HoleCashSignX;
    HoleCashPixieDust->y = static_cast<int>(HoleCashSignY);
    HoleCashPixieDust->w = HoleCashSign ? HoleCashSign->w : 0;
    HoleCashPixieDust->h = HoleCashSign ? HoleCashSign->h : 0;
    HoleCashPixieDust->ParticleList = ::Particles;
  }
  auto leaf = play_support::Picture(play_support::ScreenPicture::Leaf);
  if (leaf && ::Particles) {
    struct Leaf {
      int x, y;
      float dx;
      int turn;
      float turnSpeed, scale;
    };
    const Leaf leaves[2] = {{HoleCashSignX + 10, -30, -0.45f, -1, 1.0f, 1.0f},
                            {HoleCashSignX + 110, -40, 0.3f, 1, 1.5f, 0.8f}};
    for (const auto& l : leaves) {
      auto p = ::Particles->AddNew(l.x, l.y, leaf, l.dx, 0, 0.01f, 0, 0, l.turn, l.turnSpeed, l.scale, 0, 0, 0);
      p->SetFade(0, 600, 400);
      p->NoOutOfBounds = 1;
    }
  }
  return 0;
}

int THUD::HoleCashDraw(float yOffset) {
  if (HoleCashActive == 0 || !HoleCashSign) return 0;
  int k = 0;
  if (HoleCashWobble > 0 && HoleCashWobbleLength > 0 && !(Game && (Game->Paused || Game->Suspended)) &&
      !(GameScreen && (GameScreen->UnlockedDialog || GameScreen->PopUpTipDialog)) &&
      !(GameMenu && GameMenu->Active)) {
    const float r = HoleCashWobble / HoleCashWobbleLength * 5.0f;
    k = static_cast<int>(EffectsRandom.Rnd(-r, r));
  }
  DrawFrame(HoleCashSign, static_cast<float>(HoleCashSignX + k), yOffset + HoleCashSignY);
  if (!ParNumbers) return 0;
  auto* p = CurrentPlayer();
  const std::string s = AmountDigits(p ? p->LevelScore : 0);
  const int w = ParNumbers->w - 6;
  const float left = HoleCashSignX + k + HoleCashSign->w2 + static_cast<float>(k / 2) -
                     static_cast<float>(((static_cast<int>(s.size()) + 1) * w - 2) / 2) - 4;
  const float y = yOffset + HoleCashSignY + 71;
  DrawFrame(ParNumbers, left, y, CurrencyFrame());
  DrawDigits(s, left + w - 1, y, ParNumbers, static_cast<float>(w));
  return 0;
}

int THUD::StopWatchDraw(float yOffset) {
  if (!StopWatch) return 0;
  const float s = StopWatchScale;
  float px = static_cast<float>(STOPWATCHX), py = STOPWATCHY + yOffset;
  if (s > 1.0f) {
    if (StopWatch->image) StopWatch->image->SetHandle(StopWatch->w2, 75);
    platform::SetScale(s, s);
    px = static_cast<float>(static_cast<int>(STOPWATCHX + StopWatch->w2));
    py = STOPWATCHY + yOffset + 75;
  }
  DrawFrame(StopWatch, px, py);
  TimeDraw(yOffset);
  if (StopWatchGlowCounter > 0 && StopWatchGlowLength > 0) {
    platform::SetBlend(platform::BLEND_LIGHT);
    platform::SetAlpha(StopWatchGlowCounter / StopWatchGlowLength / 2.0f);
    DrawFrame(StopWatch, px, py);
    TimeDraw(yOffset);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(1.0f);
  }
  if (s > 1.0f) {
    if (StopWatch->image) StopWatch->image->SetHandle(0, 0);
    platform::SetScale(1, 1);
  }
  return 0;
}

int THUD::TimeDraw(float yOffset) {
  int m = 0, sec = 0;
  ccMillisecsToMinutes(TimeCalc(), m, sec);
  auto font = (m == 0 && sec <= 10) ? DigitalReadoutFontRed : DigitalReadoutFont;
  if (!font) return 0;
  const float s = StopWatchScale;
  const float bx = static_cast<float>(STOPWATCHX + 26);
  float mx = bx, y = STOPWATCHY + 65 + yOffset;
  float spacing = static_cast<float>(font->w);
  float colonX = bx + 20, secX = bx + 28;
  if (s > 1.0f) {
    mx = bx - 26 * (s - 1);
    y -= font->h2 * (s - 1);
    spacing *= s;
    colonX = bx + 20 - 6 * (s - 1);
    secX = bx + 28 + 2 * (s - 1);
  }
  DrawDigits(ccPadWithZeros(std::to_string(m), 2), mx, y, font, spacing);
  DrawFrame(font, colonX, y + 1, 10);
  DrawDigits(ccPadWithZeros(std::to_string(sec), 2), secX, y, font, spacing);
  return 0;
}

float THUD::TimeCalc() const {
  auto* p = CurrentPlayer();
  if (!p) return 0;
  const float ms = (Game && Game->FixedRateLogic) ? Game->FixedRateLogic->MS : 5.0f;
  return hud_rules::TimeLeft(p->TimeLimit, p->TimeTaken, ms);
}

int THUD::StopWatchGlowEffect() {
  if (!HUD) return 0;
  THUD& h = *HUD;
  const float w2 = h.StopWatch ? h.StopWatch->w2 : 0.0f;
  const float h2 = h.StopWatch ? h.StopWatch->h2 : 0.0f;
  const int cx = ccRound(h.STOPWATCHX + w2 + 1);
  const int cy = ccRound(h.STOPWATCHY + h2 + 10);
  if (ParticleImages[3] && ::Particles) {
    struct Ring {
      float scale, growth;
      int fadeMs;
    };
    const Ring rings[3] = {{0.5f, 0.05f, 200}, {0.25f, 0.04f, 300}, {0.125f, 0.03f, 400}};
    for (const auto& r : rings)
      ::Particles->AddNew(cx, cy, ParticleImages[3], 0, 0, 0, static_cast<float>(r.fadeMs), 1, 0, 0, r.scale,
                          r.growth, 0, 0);
  }
  TokenParticlesMake(static_cast<float>(cx), static_cast<float>(cy), 100, 1);
  h.StopWatchGlowLength = static_cast<int>(Ticks(1000));
  h.StopWatchGlowCounter = static_cast<float>(h.StopWatchGlowLength);
  h.StopWatchScale = 1.25f;
  return 0;
}
