#include "ui/menu.h"

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "gfx/sound_bank.h"
#include "ui/button.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/strings.h"

std::string UpperCaseName(const std::string& name) { return ccUpperCase(name); }

std::shared_ptr<TMenu> TMenu::Create(const std::string& mouseOverSound,
                                     const std::string& clickSound, float x, float y, int gap) {
  auto menu = std::make_shared<TMenu>();
  menu->Init(mouseOverSound, clickSound, x, y, gap);
  return menu;
}

int TMenu::Init(const std::string& mouseOverSound, const std::string& clickSound, float newX,
                float newY, int gap) {
  Buttons.clear();
  x = newX;
  y = newY;
  Gap = gap;
  AddGap = 0;
  h = 0;
  NextY = static_cast<int>(newY);
  MouseOverName.clear();
  ClickedName.clear();
  if (!mouseOverSound.empty()) {
    SoundMouseOver = TGameSound::Create(Game->SoundPath + mouseOverSound + SoundExt, 0);
  }
  if (!clickSound.empty()) {
    SoundClick = TGameSound::Create(Game->SoundPath + clickSound + SoundExt, 0);
  }
  return 0;
}

int TMenu::Kill() {
  for (auto& button : Buttons) button->Kill();
  Buttons.clear();
  return 0;
}

int TMenu::SetShadow(int on, float sx, float sy, float alpha) {
  Shadow = on;
  ShadowX = sx;
  ShadowY = sy;
  ShadowAlpha = alpha;
  return 0;
}

int TMenu::ResetShadow(int on, float sx, float sy, float alpha) {
  for (auto& button : Buttons) button->SetShadow(on, sx, sy, alpha);
  return 0;
}

int TMenu::ChangeShadow(int on, float sx, float sy, float alpha) {
  ResetShadow(on, sx, sy, alpha);
  return SetShadow(on, sx, sy, alpha);
}

int TMenu::SetAlpha(float alpha) {
  for (auto& button : Buttons) button->Alpha = alpha;
  return 0;
}

std::shared_ptr<TButton> TMenu::DoAddNew(const std::string& image, const std::string& mouseOverImage,
                                         const std::string& name, int frameWidth, int frameHeight,
                                         int frames) {
  auto button = std::make_shared<TButton>();
  button->UseMenuPath = 1;
  button->Load(image, mouseOverImage, "", "", frameWidth, frameHeight, frames);
  button->CentreX(NextY);
  button->SoundMouseOver = SoundMouseOver;
  button->SoundClick = SoundClick;
  button->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
  if (!name.empty()) button->name = UpperCaseName(name);
  Buttons.push_back(button);
  return button;
}

std::shared_ptr<TButton> TMenu::AddNew(const std::string& image, const std::string& mouseOverImage,
                                       const std::string& name, int frameWidth, int frameHeight,
                                       int frames) {
  auto button = DoAddNew(image, mouseOverImage, name, frameWidth, frameHeight, frames);
  IncreaseHeight(button);
  return button;
}

int TMenu::IncreaseHeight(const std::shared_ptr<TButton>& button) {
  NextY += button->h + Gap;
  h += button->h;
  if (AddGap != 0) {
    h += Gap;
  } else {
    AddGap = 1;
  }
  return 0;
}

std::shared_ptr<TButton> TMenu::AddQuick(const std::string& image, const std::string& name) {
  return AddNew(image, image + "MO", name, 0, 0, 1);
}

std::shared_ptr<TButton> TMenu::AddQuickAuto(const std::string& image, const std::string& name) {
  auto button = AddQuick(image, name);
  const std::string folder = button->GetPath();
  if (ccFileExists(folder + image + "_disabled" + button->Ext)) {
    button->LoadDisabled(image + "_disabled");
  }
  if (ccFileExists(folder + image + "_down" + button->Ext)) {
    button->LoadMouseClick(image + "_down", 200);
  }
  return button;
}

int TMenu::AddPair(const std::string& left, const std::string& right, int gap,
                   const std::string& prefix) {
  auto leftButton = DoAddNew(left, left + "MO", "", 0, 0, 1);
  auto rightButton = DoAddNew(right, right + "MO", "", 0, 0, 1);
  if (!prefix.empty()) {
    leftButton->name = UpperCaseName(prefix) + leftButton->name;
    rightButton->name = UpperCaseName(prefix) + rightButton->name;
  }
  rightButton->x = leftButton->x + leftButton->w + gap;
  IncreaseHeight(leftButton->h > rightButton->h ? leftButton : rightButton);
  return 0;
}

std::shared_ptr<TButton> TMenu::FindButton(const std::string& name) {
  const std::string wanted = UpperCaseName(name);
  for (auto& button : Buttons) {
    if (button->name == wanted) return button;
  }
  return nullptr;
}

int TMenu::StoreOriginalCoords() {
  for (auto& button : Buttons) button->StoreOriginalCoords();
  OX = x;
  OY = y;
  return 0;
}

int TMenu::SetX(float newX) {
  CalcLeft();
  const float d = x - newX;
  x = newX;
  for (auto& button : Buttons) button->x -= d;
  return 0;
}

int TMenu::SetY(float newY) {
  CalcTop();
  const float d = y - newY;
  y = newY;
  for (auto& button : Buttons) button->y -= d;
  return 0;
}

int TMenu::SetPairX(const std::string& left, const std::string& right, int newX) {
  auto leftButton = FindButton(left);
  auto rightButton = FindButton(right);
  // Both names are required; a pair that is not in the menu is left where it is.
  if (!leftButton || !rightButton) return 0;
  const int d = static_cast<int>(static_cast<float>(newX) - leftButton->x);
  leftButton->x = static_cast<float>(newX);
  rightButton->x += static_cast<float>(d);
  return 0;
}

int TMenu::ScaleMenu(float sx, float sy) {
  for (auto& button : Buttons) {
    button->ScaleX = sx;
    button->ScaleY = sy;
    button->x = x + (button->ox - x) * sx;
    button->y = y + (button->oy - y) * sy;
  }
  return 0;
}

int TMenu::CalcCoords() {
  CalcLeft();
  return CalcTop();
}

int TMenu::CalcLeft() {
  x = 10000.0f;
  for (auto& button : Buttons) {
    if (button->x < x) x = button->x;
  }
  return 0;
}

int TMenu::CalcTop() {
  y = 10000.0f;
  for (auto& button : Buttons) {
    if (button->y < y) y = button->y;
  }
  return 0;
}

namespace {

// How far the buttons reach along one axis, from the lowest start to the highest end, each end
// cut to whole pixels.
int ButtonsExtent(const std::vector<std::shared_ptr<TButton>>& buttons, float TButton::*start,
                  int TButton::*size) {
  int low = 10000, high = -10000;
  for (const auto& button : buttons) {
    const float from = (*button).*start;
    const float to = from + static_cast<float>((*button).*size);
    if (from < static_cast<float>(low)) low = static_cast<int>(from);
    if (to > static_cast<float>(high)) high = static_cast<int>(to);
  }
  return high - low;
}

}  // namespace

int TMenu::CalcWidth() {
  w = ButtonsExtent(Buttons, &TButton::x, &TButton::w);
  return w;
}

int TMenu::CalcHeight() {
  h = ButtonsExtent(Buttons, &TButton::y, &TButton::h);
  return h;
}

int TMenu::CentreHoriz() {
  CalcWidth();
  return SetX(static_cast<float>((ScreenWidth - w) / 2));
}

int TMenu::CentreVert() {
  CalcHeight();
  return SetY(static_cast<float>((ScreenHeight - h) / 2));
}

int TMenu::Centre() {
  CentreHoriz();
  return CentreVert();
}

int TMenu::MakeRow(int gap) {
  int position = 0;
  for (auto& button : Buttons) {
    button->x = static_cast<float>(position);
    position += button->w + gap;
    button->y = 0;
  }
  return Centre();
}

int TMenu::ClearGlow() {
  for (auto& button : Buttons) button->Glow = 0.0f;
  return 0;
}

int TMenu::ClearMouseClick() {
  for (auto& button : Buttons) {
    button->Clicked = 0;
    button->MouseClickCounter = 0.0f;
  }
  return 0;
}

int TMenu::ClearMouseOver() {
  for (auto& button : Buttons) button->MouseOver = 0;
  return 0;
}

int TMenu::Clicked(const std::string& name) {
  if (UpperCaseName(name) != ClickedName) return 0;
  if (ClearClickedName != 0) ClickedName.clear();
  return 1;
}

int TMenu::MouseOver(const std::string& name) {
  if (UpperCaseName(name) != MouseOverName) return 0;
  if (ClearMouseOverName != 0) MouseOverName.clear();
  return 1;
}

int TMenu::ManageNoSound() {
  NoSound = 1;
  Manage();
  NoSound = 0;
  return 0;
}

int TMenu::Precache() {
  for (auto& button : Buttons) button->Precache();
  return 0;
}

int TMenu::Manage() {
  if ((Game->GameFade && Game->GameFade->Active != 0) || AcceptInput == 0) {
    ManageFixedGlowOnly();
    return 0;
  }
  MouseOverName.clear();
  ClickedName.clear();
  // A snapshot: a button's sound or veto function may not change the list under the walk.
  const auto buttons = Buttons;
  for (auto& button : buttons) {
    if (NoSound != 0) {
      button->ManageNoSound();
    } else {
      button->Manage();
    }
    if (button->MouseOver != 0) MouseOverName = button->name;
    if (button->Clicked != 0) ClickedName = button->name;
  }
  return 1;
}

int TMenu::ManageFixedGlowOnly() {
  for (auto& button : Buttons) {
    if (button->FixedGlowOnMO == 1) button->ManageGlow();
  }
  return 0;
}

int TMenu::ManageScaleOnMO() {
  for (auto& button : Buttons) button->ManageScaleOnMO();
  return 0;
}

int TMenu::Draw(float offsetX, float offsetY) {
  for (auto& button : Buttons) {
    button->offx = offsetX;
    button->offy = offsetY;
    button->Draw();
  }
  return 0;
}
