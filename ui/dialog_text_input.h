#pragma once
// A dialog that asks for one line of text: caption, a text field over a dark box, "OK" and
// optionally "Cancel". At OK it upper-cases the first character, runs an optional check that may
// refuse the text with a message (shown in an error dialog on top), refuses an empty text unless
// allowed, and may then hand over to a follow-up screen that runs inside the dialog. It has no
// transitions. Manage: 0 while open, 1 (or the OK function's positive result) when accepted, -1
// when cancelled.

#include <functional>
#include <memory>
#include <string>

#include "ui/dialog.h"

class TDialogOK;
class TTextInput;
class TScreen;

class TDialogTextInput : public TDialog {
 public:
  TDialogTextInput();
  ~TDialogTextInput() override;

  std::shared_ptr<TLabel> Text;  // gives the field its font, colour, shadow and position
  int Gap = 30;
  std::shared_ptr<TColor> BoxColor;
  int DrawBox = 1;
  int BoxBorderH = 10;
  int BoxBorderV = 5;
  int TextBorder = 10;
  std::shared_ptr<TTextInput> TextInput;
  int TextYOffset = 0;
  int AllowNull = 0;
  // Checks the text at OK: -1 refuses it and fills the message.
  std::function<int(const std::string& text, std::string& message)> ErrorCheckFunc;
  // Builds and starts the error dialog for a refused text.
  std::function<std::shared_ptr<TDialogOK>(const std::string& message)> ErrorDialogFunc;
  std::shared_ptr<TDialogOK> DialogOK;  // the error dialog while shown
  int TextOX = 0, TextOY = 0;
  // Called once the text is accepted: > 0 is returned by Manage; otherwise the dialog stays (it may
  // set OKClickedScreen to hand over).
  std::function<int(TDialogTextInput& dialog)> OKClickedFunc;
  std::shared_ptr<TScreen> OKClickedScreen;
  int DrawDisabled = 0;
  int UppercaseFirstChar = 1;

  static std::shared_ptr<TDialogTextInput> Create(const std::string& caption,
                                                  const std::string& initialText, int maxLength,
                                                  const std::shared_ptr<platform::Image>& background,
                                                  int w, int x, int y, int maxPixelWidth);
  // Sets up the text label and the field; comes after MenuCreate.
  virtual int SetupText(const std::shared_ptr<ccImageFont>& imageFont, const std::shared_ptr<TColor>& color,
                        const std::shared_ptr<TShadow>& shadow, int fixedWidth,
                        const std::shared_ptr<TBitmapFont>& bitmapFont);
  virtual int MenuCreate(int withCancel, int buttonGap);
  virtual int ProcessOKClickedFunc();
  // Tries to accept the text: 1 accepted (dialog closed), 0 refused.
  virtual int OKClick(int playSound);
  virtual int CancelClick();
  virtual int ClickSound();

  int Start() override;
  int CalcSize() override;
  int SetLabelsXY() override;
  int MenuPosition() override;
  int Manage() override;
  int Draw() override;
  // Also gives the framework keys back when the field is still typing.
  int Kill() override;
};
