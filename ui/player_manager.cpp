#include "ui/player_manager.h"

#include <cctype>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/dialog_text_input.h"
#include "ui/dialog_yes_no.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "ui/text_input.h"
#include "util/error.h"
#include "util/image.h"
#include "util/input.h"
#include "util/types.h"

std::shared_ptr<TPlayerManager> TPlayerManager::Create(
    const std::string& caption, const std::shared_ptr<platform::Image>& background, int w, int h,
    int x, int limit) {
  auto manager = std::make_shared<TPlayerManager>();
  manager->Init(caption, background, w, h, x, 0);
  manager->ListBox = TListBox::Create(10, 5, 0, 1, 500);
  manager->MenuCreate(manager->ButtonGap);
  manager->Limit = limit;
  manager->ListBox->Limit = limit;
  manager->FillList();
  manager->HighlightCurrentPlayer();
  return manager;
}

int TPlayerManager::Start() {
  TDialog::Start();
  return BoxSize();
}

int TPlayerManager::CalcSize() { return TDialog::CalcSize(); }

int TPlayerManager::BoxSize() {
  const float captionH = Caption->H;
  ListBox->SetCoords(static_cast<float>(x + BoxBorderH),
                     static_cast<float>(y + Border) + captionH + static_cast<float>(BoxBorderV),
                     static_cast<float>(w - 2 * BoxBorderH),
                     static_cast<float>(h - 2 * Border) - captionH -
                         static_cast<float>(Menu->h + 2 * BoxBorderV));
  ListBox->CalcLineHeight();
  if (BoxY != 0) {
    ListBox->Box->Y = static_cast<float>(BoxY);
  } else {
    const float captionBottom = Caption->Y + Caption->H;
    const int gap = static_cast<int>(Menu->y - captionBottom);
    ListBox->Box->Y = captionBottom + (static_cast<float>(gap) - ListBox->Box->H) / 2.0f;
  }
  return 0;
}

int TPlayerManager::MenuCreate(int /*gap*/) {
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
  for (const char* name : {"OK", "Create", "Delete", "Cancel"}) Menu->AddQuick(name, "");
  Menu->MakeRow(ButtonGap);
  if (auto ok = Menu->FindButton("OK")) ok->OKButton = 1;
  return MenuPosition();
}

int TPlayerManager::MenuPosition() { return MenuPlaceAtBottom(); }

int TPlayerManager::FillList() {
  auto& names = *ListBox->Strings;
  names.clear();
  for (const std::string& entry : platform::ListFolder(Game->ProfilePath)) {
    if (entry == "." || entry == "..") continue;
    const auto dot = entry.rfind('.');
    if (dot == std::string::npos || entry.substr(dot + 1) != "dat") continue;
    names.push_back(entry.substr(0, dot));
  }
  return 0;
}

int TPlayerManager::HighlightCurrentPlayer() {
  ListBox->ClearIndex();
  if (!Game->CurrentProfile) return 0;
  const auto& names = *ListBox->Strings;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == Game->CurrentProfile->Name) {
      ListBox->SetIndex(static_cast<int>(i));
      break;
    }
  }
  return 0;
}

void TPlayerManager::ShowError(const std::string& message) {
  if (ErrorDialogFunc) {
    DialogOK = ErrorDialogFunc(message);
    if (DialogOK) DialogOK->ReenableEscapeKey = 0;
  } else {
    ccEnablePolledInput();
    ccDialogOK(message, 400, 100);
    ccDisablePolledInput();
  }
}

void TPlayerManager::AfterChildClosed() {
  Menu->ManageNoSound();
  Menu->ClearMouseClick();
}

int TPlayerManager::Manage() {
  if (DialogOK) {
    if (DialogOK->Manage() == 0) {
      Menu->ManageFixedGlowOnly();
      return 0;
    }
    DialogOK->Kill();
    DialogOK.reset();
    AfterChildClosed();
  }
  if (DialogYesNo) {
    const int answer = DialogYesNo->Manage();
    if (answer == 0) {
      Menu->ManageFixedGlowOnly();
      return 0;
    }
    DialogYesNo->Kill();
    DialogYesNo.reset();
    AfterChildClosed();
    if (answer == 1 && ListBox->Index != -1) {
      platform::DeleteFile(Game->ProfilePath + ListBox->Value + ".dat");
      const int kept = ListBox->Index;
      ListBox->ClearIndex();
      FillList();
      const int count = ListBox->Count();
      ListBox->SetIndex(kept < count ? kept : count - 1);
    }
  }
  if (EnterName) {
    const int answer = EnterName->Manage();
    if (answer == 0) {
      Menu->ManageFixedGlowOnly();
      return 0;
    }
    if (answer == 1) {
      std::string name = EnterName->TextInput->Text;
      if (UpperFirstChar != 0 && !name.empty()) {
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
      }
      // Only a name that can be a file in the profiles folder becomes a player.
      if (TProfile::IsValidName(name) && CreateProfileFunc) CreateProfileFunc(name);
      FillList();
      HighlightCurrentPlayer();
      if (AutoAcceptAfterCreate != 0) {
        const int accepted = OKClick();
        // Accepted: the prompt goes with the dialog. Otherwise (no player could be made or
        // chosen) it is closed below, so the manager does not wait on a finished prompt.
        if (accepted != 0) return accepted;
      }
    }
    EnterName->Kill();
    EnterName.reset();
    AfterChildClosed();
  }
  if (TDialog::Manage() == 0) return 0;
  ListBox->Manage();
  if (ListBox->DoubleClicked != -1) {
    ListBox->DoubleClicked = -1;
    ClickSound();
    return OKClick();
  }
  if (Menu->Clicked("OK") != 0) return OKClick();
  if (KeyHit(KEY_ESCAPE) != 0) {
    ClickSound();
    CancelClick();
    return -1;
  }
  if (Menu->Clicked("Cancel") != 0) {
    CancelClick();
    return -1;
  }
  if (Menu->Clicked("Create") != 0) {
    if (Limit > 0 && ListBox->Count() >= Limit) {
      ShowError(MessageCannotCreate);
      return 0;
    }
    if (EnterNamePromptFunc) EnterName = EnterNamePromptFunc(1);
    if (EnterName) {
      EnterName->TextInput->MakeCharsFileNameSafe();
      if (EnterName->Menu) EnterName->Menu->ManageNoSound();
      EnterName->Start();
      EnterName->ReenableEscapeKey = 0;
    }
  }
  if (Menu->Clicked("Delete") != 0) DeleteProfileCheck();
  return 0;
}

int TPlayerManager::DeleteProfileCheck() {
  if (ListBox->Index == -1) return 0;
  if (ListBox->Count() == 1) {
    ShowError(MessageCannotDelete);
  } else if (DialogYesNoFunc) {
    DialogYesNo = DialogYesNoFunc(MessageConfirmDelete);
    if (DialogYesNo) DialogYesNo->ReenableEscapeKey = 0;
  }
  return 0;
}

int TPlayerManager::OKClick() {
  if (ListBox->Index == -1 || !Game->CurrentProfile) return 0;
  const std::string chosen = ListBox->Value;
  const std::string previous = Game->CurrentProfile->Name;
  Game->CurrentProfile->Name = chosen;
  if (Game->CurrentProfile->Load() < 0) {
    // The chosen file was refused (and, when damaged, reported and put aside): keep the previous
    // player and let the player choose again from the list as it now stands.
    Game->CurrentProfile->Name = previous;
    if (platform::FileExists(Game->CurrentProfile->Path())) Game->CurrentProfile->Load();
    FillList();
    HighlightCurrentPlayer();
    return 0;
  }
  Game->ProfileName = chosen;
  Game->IniUpdate(1);
  Close(1);
  return 1;
}

int TPlayerManager::CancelClick() {
  if (Game->CurrentProfile) {
    const std::vector<std::string> names = *ListBox->Strings;
    bool listed = false;
    for (const auto& name : names) listed = listed || name == Game->CurrentProfile->Name;
    if (!listed) {
      // The current player was deleted: the first listed player whose file loads takes its place.
      // A file that is refused (and put aside) is passed over, so the deleted player's progress is
      // never carried on under another player's name. With no player left the name stays empty
      // and no file is loaded or written.
      std::string chosen;
      for (const auto& name : names) {
        if (name.empty()) continue;
        Game->CurrentProfile->Name = name;
        if (Game->CurrentProfile->Load() >= 0) {
          chosen = name;
          break;
        }
      }
      Game->ProfileName = chosen;
      Game->CurrentProfile->Name = chosen;
      Game->IniUpdate(1);
    }
  }
  Close(1);
  return 0;
}

int TPlayerManager::ClickSound() {
  if (auto ok = Menu->FindButton("OK")) ok->PlayClick();
  return 0;
}

int TPlayerManager::Draw() {
  if (DrawDisabled == 0) {
    if (Active != 0 && DimWhenActive == 1) ccDimScreen(0.5f);
    MenuShow = 0;
    if (TDialog::Draw() == 0) return 0;
    ListBox->Draw();
    platform::SetBlend(platform::BLEND_ALPHA);
    if (FrontFrame) platform::DrawImage(FrontFrame, static_cast<float>(FrontFrameX), static_cast<float>(FrontFrameY), 0);
    if (Header) platform::DrawImage(Header, static_cast<float>(HeaderX), static_cast<float>(HeaderY), 0);
    Menu->Draw(0, 0);
    const bool childOpen = (EnterName && EnterName->Active != 0) || (DialogOK && DialogOK->Active != 0) ||
                           (DialogYesNo && DialogYesNo->Active != 0);
    if (DimWhenShowingDialogs != 0 && childOpen) ccDimScreen(0.5f);
  }
  if (EnterName) EnterName->Draw();
  if (DialogOK) DialogOK->Draw();
  if (DialogYesNo) DialogYesNo->Draw();
  return 1;
}

int TPlayerManager::Kill() {
  // A child dialog still open when the manager goes gives back what it holds (the framework keys
  // of a name prompt that is still typing).
  if (EnterName) EnterName->Kill();
  if (DialogOK) DialogOK->Kill();
  if (DialogYesNo) DialogYesNo->Kill();
  EnterName.reset();
  DialogOK.reset();
  DialogYesNo.reset();
  TDialog::Kill();
  if (ListBox) ListBox->Kill();
  FrontFrame.reset();
  Header.reset();
  return 0;
}
