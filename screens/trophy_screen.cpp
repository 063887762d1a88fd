#include "screens/trophy_screen.h"

#include <cmath>

#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "gfx/bitmap_font.h"
#include "gfx/font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "platform/graphics.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/room_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui/tool_tip.h"
#include "util/input.h"
#include "util/word_wrap.h"

TTrophyScreen::TTrophyScreen() { name = "trophy"; }

bool TTrophyScreen::IsGoldPlaque(int id) {
  if (id <= 0) return false;
  const int row = (id - 1) / 4, column = (id - 1) % 4;
  return (row + column) % 2 == 1;
}

int TTrophyScreen::PlaqueTextTop(int y, int lines) {
  return y - static_cast<int>(std::floor(PLAQUE_LINE_GAP * lines / 2.0 + 0.5));
}

int TTrophyScreen::Load() {
  name = "trophy";
  Game->LoadingScreen->DrawLoading(1);
  Game->MusicLoad("trophy room.ogg", 1);
  ImageLoad("TrophyRoom/trophy_bg.jpg", 0);
  Foreground = TGameImage::Create(Game->ImagePath + "TrophyRoom/trophy_fg.png", -1, 0);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  if (auto ok = AddStandardOKButton(Menu)) {
    ok->y = 548.0f;
    ok->x -= 3.0f;
  }
  PlaqueFont = TBitmapFont::Create(Game->DataPrefix + "Data/fonts/Voodoo19", -1);
  for (int i = 0; i < TROPHIES; ++i) {
    Trophies[i] = TGameImage::Create(Game->ImagePath + "TrophyRoom/Trophy" + std::to_string(i) + ".png", -1, 0);
    const std::string key = "Trophy " + std::to_string(i);
    PlaqueText[i] = ccWordWrapArray(ccSplitStringIntoLines(GameText->FindString(key)), i == 0 ? 130 : 76, PlaqueFont);
    ToolTipText[i] = GameText->FindString(key + " Tool Tip");
    CollideObjects[i].Value = i;
  }
  FemaleTrophy.reset();
  if (GameScreen->Player->SaveData->Male == 0)
    FemaleTrophy = TGameImage::Create(Game->ImagePath + "TrophyRoom/Trophy0b.png", -1, 0);
  Plaque = TGameImage::Create(Game->ImagePath + "TrophyRoom/plaque0.png", -1, 1);
  PlaqueBig = TGameImage::Create(Game->ImagePath + "TrophyRoom/plaque1.png", -1, 1);
  PlaqueGold = TGameImage::Create(Game->ImagePath + "TrophyRoom/plaque2.png", -1, 1);
  ToolTip = std::make_shared<TToolTip>();
  ToolTip->image = TGameImage::Create(Game->ImagePath + "TrophyRoom/tooltip.png", -1, 0);
  ToolTip->font = TFont::Create(nullptr, TColor::Create(96, 43, 0, 1.0f), nullptr, 0, HintFont, nullptr);
  ToolTip->TextDrawWidth = 220;
  ToolTip->SetCollideCounterMax(100);
  ToolTip->GapFromMouse = -25;
  ToolTip->XOffset = -17;
  ToolTip->TextYOffset = -2;
  TooltipSound = TGameSound::Create(Game->SoundPath + "trophy_tooltip.ogg", 0);
  ToolTip->ToolTipSound = TooltipSound;
  LastToolTip = -1;
  Game->FadeMusic = 0;
  return 0;
}

int TTrophyScreen::Start() {
  StartRoom(*this);
  return 0;
}

int TTrophyScreen::PlaqueAt(int x, int y) {
  platform::ResetCollisions(0);
  for (int i = 0; i < TROPHIES; ++i) {
    const auto& shape = i == 0 ? PlaqueBig : Plaque;
    if (!shape) continue;
    platform::CollideImage(shape->image, PlaqueX[i], PlaqueY[i], 0, 0, 1, &CollideObjects[i]);
  }
  const auto hits = platform::CollideRect(x, y, 1, 1, 1, 0, nullptr);
  if (hits.empty()) return -1;
  return static_cast<const TCollideObject*>(hits.front())->Value;
}

int TTrophyScreen::Logic() {
  TScreen::Logic();
  const int id = PlaqueAt(static_cast<int>(Game->Mouse->x), static_cast<int>(Game->Mouse->y));
  if (id >= 0) {
    if (id != LastToolTip) {
      // Straight from one plaque to the next: the old tip goes at once, so the new text can take
      // its place (a tip keeps its text while it is still fading).
      if (LastToolTip >= 0) {
        ToolTip->FadeLevel = 0;
        ToolTip->Visible = 0;
      }
      ToolTip->Collide(0);
    }
    ToolTip->SetText(ToolTipText[id]);
    ToolTip->Collide(1);
    LastToolTip = id;
  } else {
    ToolTip->Collide(0);
    LastToolTip = -1;
  }
  if (Menu->Clicked("OK")) Close();
  if (EscapePressesButton(*Menu, "OK")) Close();
  return 0;
}

int TTrophyScreen::Close() {
  FadeOutTo(TitleScreen);
  return 0;
}

int TTrophyScreen::Draw() {
  platform::SetBlend(platform::BLEND_SOLID);
  if (Image) platform::DrawImage(Image, 0, 0);
  platform::SetBlend(platform::BLEND_ALPHA);
  const auto& save = GameScreen->Player->SaveData;
  for (int id = 0; id < TROPHIES; ++id) {
    if (save->Trophies[id] == 0) continue;
    const auto& picture = (id == 0 && save->Male == 0 && FemaleTrophy) ? FemaleTrophy : Trophies[id];
    if (picture) platform::DrawImage(picture->image, static_cast<float>(TrophyX[id]), static_cast<float>(TrophyY[id]));
  }
  if (Foreground) platform::DrawImage(Foreground->image, 0, 0);
  for (int id = 0; id < TROPHIES; ++id) {
    const auto& plaque = id == 0 ? PlaqueBig : IsGoldPlaque(id) ? PlaqueGold : Plaque;
    if (plaque) platform::DrawImage(plaque->image, static_cast<float>(PlaqueX[id]), static_cast<float>(PlaqueY[id] + 3));
    if (!PlaqueFont) continue;
    const auto& lines = PlaqueText[id];
    const int top = PlaqueTextTop(PlaqueY[id], static_cast<int>(lines.size()));
    for (int pass = 0; pass < 2; ++pass) {
      if (pass == 0) platform::SetColor(240, 240, 240);
      else platform::SetColor(74, 74, 85);
      const int dx = pass == 0 ? 1 : 0;
      for (size_t l = 0; l < lines.size(); ++l)
        PlaqueFont->Draw(lines[l], PlaqueX[id] + dx, top + dx + static_cast<double>(l) * PLAQUE_LINE_GAP, 1, 0, 1, 0, 0);
    }
    platform::SetColor(255, 255, 255);
  }
  if (Menu) Menu->Draw(0, 0);
  if (ToolTip) ToolTip->Draw();
  return 0;
}

int TTrophyScreen::Kill() {
  TScreen::Kill();
  Foreground.reset();
  for (auto& t : Trophies) t.reset();
  FemaleTrophy.reset();
  Plaque.reset();
  PlaqueBig.reset();
  PlaqueGold.reset();
  if (ToolTip) ToolTip->Kill();
  ToolTip.reset();
  PlaqueFont.reset();
  TooltipSound.reset();
  return 0;
}

int TTrophyScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 0;
}
