#include "ui/dialog_text_input.h"

#include <cctype>

#include "core/game.h"
#include "core/globals.h"
#include "core/screen.h"
#include "gfx/shadow.h"
#include "platform/graphics.h"
#include "platform/text_encoding.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/text_input.h"
#include "util/input.h"
#include "util/types.h"

TDialogTextInput::TDialogTextInput() = default;
TDialogTextInput::~TDialogTextInput() = default;

std::shared_ptr<TDialogTextInput> TDialogTextInput::Create(
    const std::string& caption, const std::string& initialText, int maxLength,
    const std::shared_ptr<platform::Image>& background, int w, int x, int y, int maxPixelWidth) {
  auto dialog = std::make_shared<TDialogTextInput>();
  dialog->Init(caption, background, w, 0, x, y);
  dialog->Text = TLabel::CreateSpecial(initialText, 0, 0, 0, 0);
  dialog->BoxColor = TColor::Create(0, 0, 0, 1.0f);
  dialog->TextInput = std::make_shared<TTextInput>();
  dialog->TextInput->MaxLength = maxLength;
  dialog->TextInput->MaxPixelWidth = maxPixelWidth;
  return dialog;
}

int TDialogTextInput::SetupText(const std::shared_ptr<ccImageFont>& imageFont,
                                const std::shared_ptr<TColor>& color,
                                const std::shared_ptr<TShadow>& shadow, int fixedWidth,
                                const std::shared_ptr<TBitmapFont>& bitmapFont) {
  Text->Init(imageFont, color, shadow, fixedWidth, bitmapFont, nullptr);
  Text->CalcSize();
  TextInput->Init(Text->ImageFont, Text->Text, static_cast<int>(Text->X), static_cast<int>(Text->Y),
                  bitmapFont);
  Game->BlockKeys = 0;
  if (Text->Color) TextInput->TextCol->Copy(*Text->Color);
  if (Text->Shadow) {
    if (!TextInput->TextShadow) TextInput->TextShadow = std::make_shared<TShadow>();
    TextInput->TextShadow->Copy(*Text->Shadow);
  }
  TextInput->DrawDots = fixedWidth;
  TextInput->AllowNull = AllowNull;
  if (!Menu || !Menu->FindButton("Cancel")) TextInput->AllowEscToAbort = 0;
  if (Menu) {
    if (auto ok = Menu->FindButton("OK")) ok->OKButtonUseSpace = 0;
  }
  return MenuPosition();
}

int TDialogTextInput::MenuCreate(int withCancel, int buttonGap) {
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
  if (withCancel != 0) {
    Menu->AddPair("OK", "Cancel", buttonGap, "");
  } else {
    Menu->AddQuick("OK", "");
  }
  if (auto ok = Menu->FindButton("OK")) ok->OKButton = 1;
  return MenuPosition();
}

int TDialogTextInput::Start() {
  TDialog::Start();
  Game->BlockKeys = 1;
  return 0;
}

int TDialogTextInput::CalcSize() {
  TDialog::CalcSize();
  if (!Background) {
    h = static_cast<int>(Caption->H + (Text ? Text->H : 0.0f) + static_cast<float>(2 * Gap + 2 * Border) +
                         static_cast<float>(Menu ? Menu->CalcHeight() : 0));
  }
  return 0;
}

int TDialogTextInput::SetLabelsXY() {
  TDialog::SetLabelsXY();
  if (!Text) return 0;
  if (TextOX == 0 && TextOY == 0) {
    Text->X = static_cast<float>(x + BoxBorderH + TextBorder);
    Text->Y = Caption->Y + Caption->H + static_cast<float>(Gap);
  } else {
    Text->X = static_cast<float>(TextOX);
    Text->Y = static_cast<float>(TextOY);
  }
  if (TextInput) {
    TextInput->X = static_cast<int>(Text->X);
    TextInput->Y = static_cast<int>(Text->Y + static_cast<float>(TextYOffset));
  }
  return 0;
}

int TDialogTextInput::MenuPosition() { return MenuPlaceAtBottom(); }

int TDialogTextInput::ClickSound() {
  if (auto ok = Menu ? Menu->FindButton("OK") : nullptr) ok->PlayClick();
  return 0;
}

int TDialogTextInput::CancelClick() {
  Close(-1);
  return -1;
}

int TDialogTextInput::ProcessOKClickedFunc() {
  if (!OKClickedFunc) return 1;
  const int r = OKClickedFunc(*this);
  if (r > 0) return r;
  Active = 1;
  return 0;
}

int TDialogTextInput::OKClick(int playSound) {
  std::string& text = TextInput->Text;
  if (UppercaseFirstChar != 0 && !text.empty()) {
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  }
  if (ErrorCheckFunc) {
    std::string message;
    if (ErrorCheckFunc(text, message) == -1) {
      // An empty message refuses quietly, as an empty text does.
      if (message.empty()) return 0;
      if (playSound != 0) ClickSound();
      if (ErrorDialogFunc) {
        DialogOK = ErrorDialogFunc(message);
        if (DialogOK) DialogOK->ReenableEscapeKey = 0;
      }
      return 0;
    }
  }
  if (AllowNull == 0 && text.empty()) return 0;
  Close(1);
  return 1;
}

int TDialogTextInput::Manage() {
  if (Active == 0) return 0;
  if (OKClickedScreen) {
    if (OKClickedScreen->Logic() == 1) {
      OKClickedScreen->Kill();
      return 1;
    }
    return 0;
  }
  if (DialogOK) {
    if (DialogOK->Manage() == 0) return 0;
    DialogOK->Kill();
    DialogOK.reset();
    if (Menu) Menu->ManageNoSound();
    TextInput->Reset();
  }
  if (Transitioning > 0) return 0;
  const int rc = TextInput->Manage();
  if (rc == 1) {
    if (OKClick(1) == 1) {
      ClickSound();
      return ProcessOKClickedFunc();
    }
    // Refused without a message (a blank name): Enter finished the field, so typing resumes.
    if (!DialogOK && Active != 0) TextInput->Reset();
  }
  if (rc == -1) {
    ClickSound();
    return CancelClick();
  }
  if (Menu) {
    Menu->Manage();
    if (Menu->Clicked("OK") != 0 && OKClick(0) == 1) {
      TextInput->Finish();
      return ProcessOKClickedFunc();
    }
    auto cancel = Menu->FindButton("Cancel");
    if (cancel) {
      const bool clicked = Menu->Clicked("Cancel") != 0;
      if (clicked || (cancel->Active != 0 && KeyHit(KEY_ESCAPE) != 0)) {
        TextInput->Finish();
        if (!clicked) ClickSound();
        return CancelClick();
      }
    }
  }
  return 0;
}

int TDialogTextInput::Draw() {
  if (DrawDisabled == 0) {
    if (TDialog::Draw() == 0) return 0;
    if (DrawBox != 0 && BoxColor && Text) {
      BoxColor->Apply();
      platform::DrawRect(static_cast<float>(x + BoxBorderH), Text->Y - static_cast<float>(BoxBorderV),
                         static_cast<float>(w - 2 * BoxBorderH), Text->H + static_cast<float>(2 * BoxBorderV));
      BoxColor->Restore();
    }
    TextInput->Draw();
    if (DialogOK) DialogOK->Draw();
  }
  if (OKClickedScreen) OKClickedScreen->Draw();
  return 1;
}

int TDialogTextInput::Kill() {
  // A prompt dropped while its field still types must give the framework keys back.
  if (TextInput && TextInput->Active != 0) {
    TextInput->Active = 0;
    Game->BlockKeys = 0;
  }
  if (DialogOK) {
    DialogOK->Kill();
    DialogOK.reset();
  }
  TDialog::Kill();
  if (Text) Text->Kill();
  BoxColor.reset();
  return 0;
}
