#include "screens/credits_screen.h"

#include <cmath>

#include "content/globals.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "platform/graphics.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/options_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/input.h"
#include "util/text_draw.h"
#include "util/word_wrap.h"

namespace {

constexpr double LIST_SCALE = 0.8;
constexpr int LIST_WIDTH = 226;

}  // namespace

const std::array<std::string, 8> TCreditsScreen::RoleKeys = {
    "Designer", "Programmer",      "Artist", "Producer", "Additional Design",
    "Music and Sound", "QA", "Special Thanks"};

const std::array<std::string, 6> TCreditsScreen::Names = {
    "Hester Quillan", "Tobias Fenwright", "Mirela Ashcombe",
    "Declan Harrowby", "Ottilie Brask", "Ravi Underhay"};

const std::string TCreditsScreen::QANames =
    "Agnes Pellow, Bram Oakes, Corin Tully, Dafydd Merrin, Elsie Voss, Fintan Rowe, "
    "Greta Lindqvist, Hamish Carrow, Ines Batley";

const std::string TCreditsScreen::ThanksNames =
    "the Marrowfen Golf Society, Juno Abberley, Kit Wendle, Lorna Pask, Milo Strand, "
    "Nell Cawdrey";

TCreditsScreen::TCreditsScreen() { name = "credits"; }

int TCreditsScreen::Load() {
  name = "credits";
  ImageLoad("options/options_credits_bg.jpg", 0);
  HeaderLoad("options/credits_header", static_cast<float>(ScreenWidth / 2), 30);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  if (auto ok = AddStandardOKButton(Menu)) {
    ok->y = 499;
    ok->x += 1;
  }
  LabelFont = HintFont;
  DataFont = HintFont;
  for (std::size_t i = 0; i < Labels.size(); ++i) {
    Labels[i] = GameText ? GameText->FindString(RoleKeys[i]) : RoleKeys[i];
  }
  Data = Names;
  if (DataFont) {
    DataFont->ScaleFactor = LIST_SCALE;
    DataWordWrapped[0] = ccWordWrapArray(ccSplitStringIntoLines(QANames), LIST_WIDTH, DataFont);
    DataWordWrapped[1] = ccWordWrapArray(ccSplitStringIntoLines(ThanksNames), LIST_WIDTH, DataFont);
    DataFont->ScaleFactor = 1.0;
  }
  Game->FadeMusic = 0;
  return 0;
}

int TCreditsScreen::Start() {
  TScreen::Start();
  Game->IgnoreEscapeKey = 1;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  return 0;
}

int TCreditsScreen::Kill() { return TScreen::Kill(); }

int TCreditsScreen::SetEscDestination() {
  Game->DestinationTScreen = OptionsScreen;
  return 0;
}

int TCreditsScreen::Logic() {
  TScreen::Logic();
  const bool ok = Menu->Clicked("ok") != 0;
  const bool escape = KeyHit(KEY_ESCAPE) != 0;
  if (escape && !ok) {
    if (auto button = Menu->FindButton("OK")) {
      button->FixedGlowOnMOActivate();
      button->Click();
    }
  }
  if (ok || escape) {
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
    Game->DestinationTScreen = OptionsScreen;
  }
  return 0;
}

std::vector<TCreditsScreen::TLine> TCreditsScreen::Layout() const {
  std::vector<TLine> lines;
  double y = 102;
  for (std::size_t i = 0; i < Labels.size(); ++i) {
    lines.push_back({Labels[i], y, KIND_CAPTION});
    y += 16;
    if (i < Data.size()) {
      lines.push_back({Data[i], y, KIND_NAME});
      y += 16;
    } else {
      y += 2;
      for (const std::string& line : DataWordWrapped[i - Data.size()]) {
        lines.push_back({line, y, KIND_LIST});
        // Each list line advances by the whole pixels of 16 at the list's scale (12 px).
        y = std::floor(y + 16 * LIST_SCALE);
      }
    }
    y += 5;
  }
  return lines;
}

int TCreditsScreen::Draw() {
  TScreen::Draw();
  if (!LabelFont || !DataFont) return 0;
  ccShadowTextSet(2, 2, 0.6f);
  const double x = ScreenWidth / 2 + 1;
  for (const TLine& line : Layout()) {
    if (line.kind == KIND_CAPTION) {
      platform::SetColor(255, 255, 204);
      LabelFont->DrawAlignedWithShadow(line.text, x, line.y, 1, 1, 0);
    } else {
      platform::SetColor(255, 204, 51);
      DataFont->ScaleFactor = line.kind == KIND_LIST ? LIST_SCALE : 1.0;
      DataFont->DrawAlignedWithShadow(line.text, x, line.y, 1, line.kind == KIND_LIST ? 0 : 1, 0);
      DataFont->ScaleFactor = 1.0;
    }
  }
  platform::SetColor(255, 255, 255);
  if (Menu) Menu->Draw(0, 0);
  return 0;
}
