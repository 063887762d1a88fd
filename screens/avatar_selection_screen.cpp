#include "screens/avatar_selection_screen.h"

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sine_counter.h"
#include "platform/graphics.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui/player_manager.h"
#include "util/globals.h"
#include "util/input.h"

TAvatarSelectionScreen::TAvatarSelectionScreen() : Glow(std::make_shared<TSineCounter>()) {
  name = "avatar selection";
}

int TAvatarSelectionScreen::Load() {
  name = "avatar selection";
  ImageLoad("avatarselection/avatar_bg.jpg", 0);
  HeaderLoad("avatarselection/select_your_look", static_cast<float>(ScreenWidth / 2), 32.0f);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  if (auto ok = AddStandardOKButton(Menu)) {
    ok->LoadDisabled("OK_disabled");
    ok->ClickDisabled = 0;
    ok->y -= 38.0f;
    ok->Disabled = 1;
  }
  Male = Head = HighlightedMale = HighlightedHead = -1;
  const std::string folder = Game->ImagePath + "avatarselection/";
  Gents = TGameImage::Create(folder + "gents.png", -1, 1);
  Ladies = TGameImage::Create(folder + "ladies.png", -1, 1);
  for (int i = 0; i < 5; ++i) {
    MaleHeads[i] = TGameImage::Create(folder + "gent_0" + std::to_string(i + 1) + ".png", -1, 0);
    FemaleHeads[i] = TGameImage::Create(folder + "lady_0" + std::to_string(i + 1) + ".png", -1, 0);
  }
  PictureFrame = TGameImage::Create(folder + "Picture_Frame.png", -1, 0);
  PictureFrameBG = TGameImage::Create(folder + "Picture_Frame_bg.png", -1, 0);
  PictureFrameMO = TGameImage::Create(folder + "Picture_Frame_bgMO.png", -1, 0);
  ShadowOuter = TGameImage::Create(folder + "shadow.png", -1, 0);
  for (int i = 0; i < CELLS; ++i) CollideObjects[i].Value = i;
  DoubleClickTime = Game->CalcAnimLength(500);
  Game->FadeMusic = 0;
  return 0;
}

int TAvatarSelectionScreen::Show() {
  ccFlushAll();
  if (Menu) Menu->ManageNoSound();
  Game->Mouse->ClearButtons();
  Game->IgnoreEscapeKey = 1;
  Game->FixedRateLogic->Init();
  return 0;
}

int TAvatarSelectionScreen::CellAt(int x, int y) {
  platform::ResetCollisions(0);
  for (int c = 0; c < CELLS; ++c) {
    platform::CollideImage(PictureFrame->image, CellX(c), CellY(c), 0, 0, 1, &CollideObjects[c]);
    platform::CollideImage(PictureFrameBG->image, CellX(c), CellY(c), 0, 0, 1, &CollideObjects[c]);
  }
  const auto hits = platform::CollideRect(x, y, 1, 1, 1, 0, nullptr);
  if (hits.empty()) return -1;
  return static_cast<const TCollideObject*>(hits.front())->Value;
}

int TAvatarSelectionScreen::Logic() {
  TScreen::Logic();
  Glow->Manage();
  const int clicks = Game->Mouse->GetMh(1);
  const int cell = CellAt(Game->Mouse->x, Game->Mouse->y);
  auto ok = Menu ? Menu->FindButton("OK") : nullptr;
  if (cell < 0) {
    HighlightedMale = HighlightedHead = -1;
  } else {
    HighlightedMale = 1 - cell / 5;
    HighlightedHead = cell % 5;
    if (clicks != 0) {
      if (ok) ok->PlayClick();
      const bool chosen = Male == HighlightedMale && Head == HighlightedHead;
      if (!chosen) {
        Male = HighlightedMale;
        Head = HighlightedHead;
        Glow->Init(0.0f, 180.0f, 1.0f);
        if (ok) ok->Disabled = 0;
        DoubleClickCounter = DoubleClickTime;
      } else if (DoubleClickCounter > 0) {
        return 1;
      } else {
        DoubleClickCounter = DoubleClickTime;
      }
    }
  }
  if (DoubleClickCounter > 0) DoubleClickCounter -= 1.0f * Delta;
  return Menu && Menu->Clicked("ok") ? 1 : 0;
}

int TAvatarSelectionScreen::Draw() {
  TScreen::Draw();
  for (int c = 0; c < CELLS; ++c) {
    const int male = 1 - c / 5, head = c % 5;
    const bool chosen = male == Male && head == Head;
    const bool pointed = male == HighlightedMale && head == HighlightedHead;
    const float x = static_cast<float>(CellX(c)), y = static_cast<float>(CellY(c));
    platform::DrawImage((chosen || pointed ? PictureFrameMO : PictureFrameBG)->image, x, y);
    const auto& portrait = male ? MaleHeads[head] : FemaleHeads[head];
    if (portrait) platform::DrawImage(portrait->image, x, y);
    platform::SetAlpha(0.8f);
    platform::DrawImage(ShadowOuter->image, x, y);
    platform::SetAlpha(1.0f);
    platform::DrawImage(PictureFrame->image, x, y);
    if (chosen || pointed) {
      platform::SetBlend(platform::BLEND_LIGHT);
      platform::SetAlpha(chosen ? Glow->ratio * 0.7f + 0.3f : 0.3f);
      platform::DrawImage(PictureFrame->image, x, y);
      platform::SetAlpha(1.0f);
      platform::SetBlend(platform::BLEND_ALPHA);
    }
  }
  platform::DrawImage(Gents->image, static_cast<float>(ScreenWidth / 2), 86.0f);
  platform::DrawImage(Ladies->image, static_cast<float>(ScreenWidth / 2), 292.0f);
  return 0;
}

int TAvatarSelectionScreen::Kill() {
  TScreen::Kill();
  Gents.reset();
  Ladies.reset();
  for (auto& p : MaleHeads) p.reset();
  for (auto& p : FemaleHeads) p.reset();
  PictureFrame.reset();
  PictureFrameBG.reset();
  PictureFrameMO.reset();
  ShadowOuter.reset();
  if (TitleScreen) {
    TitleScreen->DrawDisabled = 0;
    if (TitleScreen->PlayerManager) TitleScreen->PlayerManager->DrawDisabled = 0;
  }
  return 0;
}
