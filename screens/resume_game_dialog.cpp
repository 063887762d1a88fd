#include "screens/resume_game_dialog.h"

#include <algorithm>

#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/sprite.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/text_draw.h"

std::shared_ptr<TResumeGameDialog> TResumeGameDialog::Create(const std::string& text,
                                                             const std::shared_ptr<platform::Image>& background,
                                                             int w, int h, int x, int) {
  auto dialog = std::make_shared<TResumeGameDialog>();
  dialog->Init(text, background, w, h, x, 0);
  dialog->MenuCreate(dialog->ButtonGap);
  return dialog;
}

int TResumeGameDialog::MenuCreate(int) {
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  Menu->AddPair("continue_round", "new_round", 10, "");
  auto next = Menu->FindButton("continue_round");
  next->OKButton = 1;
  next->LoadMouseClick("continue_round_down", 350);
  Menu->FindButton("new_round")->LoadMouseClick("new_round_down", 350);
  return MenuPosition();
}

int TResumeGameDialog::MenuPosition() {
  CalcAll();
  Menu->SetX(static_cast<float>(MenuGetCentredX()));
  Menu->SetY(static_cast<float>(y + 236));
  ccFlushAll();
  Menu->ManageNoSound();
  return 0;
}

int TResumeGameDialog::Manage() {
  if (ManageCore() == 0) return 0;
  if (Disabled != 0) return 0;
  if (Menu->Clicked("new_round") != 0) return NoClick();
  if (Menu->Clicked("continue_round") != 0) return YesClick();
  // Escape leaves the question unanswered: the dialog closes and the round stays as it is. Only
  // "new_round" or N give the round up.
  if (KeyHit(KEY_ESCAPE) != 0) {
    Game->EscapeSoundPlay();
    TDialog::Close(0);
    return 0;
  }
  if (KeyHit('N') != 0) {
    Menu->FindButton("new_round")->SimulateClick();
    return NoClick();
  }
  if (KeyHit('Y') != 0) {
    Menu->FindButton("continue_round")->SimulateClick();
    return YesClick();
  }
  return 0;
}

int TResumeGameDialog::Close(int result) {
  Disabled = 1;
  return result;
}

int TResumeGameDialog::ClickSound() {
  if (auto next = Menu ? Menu->FindButton("continue_round") : nullptr) next->PlayClick();
  return 0;
}

int TResumeGameDialog::Draw() {
  if (TDialog::Draw() == 0) return 0;
  if (!HintFont) return 0;
  const std::string labels[3] = {
      (GameText ? GameText->FindString("Resume Game - Course") : std::string()) + ":",
      (GameText ? GameText->FindString("Resume Game - Hole") : std::string()) + ":",
      (GameText ? GameText->FindString("Resume Game - Score") : std::string()) + ":",
  };
  int widest = 0;
  for (const auto& label : labels) widest = std::max(widest, static_cast<int>(HintFont->StringWidth(label)));
  const int a = widest + 10;
  const auto* player = GameScreen && GameScreen->Player ? GameScreen->Player.get() : nullptr;
  const std::string course = player ? player->SaveData->CourseName : std::string();
  const int total = static_cast<int>(HintFont->StringWidth(course) + a);
  const float left = static_cast<float>((ScreenWidth - total) / 2);
  const float y0 = static_cast<float>(y + 159);
  ccTextAlpha = Header ? Header->Alpha : 1.0f;
  ccShadowTextSet(2, 2, 0.6f);
  const std::string values[3] = {course, std::to_string(HoleData), GetHTPString(ScoreData)};
  for (int i = 0; i < 3; ++i) {
    platform::SetColor(255, 204, 51);
    HintFont->DrawAlignedWithShadow(labels[i], left, y0 + 18.0f * static_cast<float>(i), 0, 0, 0);
  }
  for (int i = 0; i < 3; ++i) {
    platform::SetColor(255, 204, 51);
    HintFont->DrawAlignedWithShadow(values[i], left + static_cast<float>(a), y0 + 18.0f * static_cast<float>(i), 0, 0, 0);
  }
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  ccTextAlpha = 1.0f;
  return 0;
}
