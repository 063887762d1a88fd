#pragma once
// The choose-player dialog: a list of the players whose profile files lie in the profiles folder
// and the buttons "OK", "Create", "Delete" and "Cancel". It keeps Game->CurrentProfile,
// Game->ProfileName and the settings file in step with the choice. Manage: 0 while open, 1 when a
// player was accepted, -1 when cancelled.

#include <functional>
#include <memory>
#include <string>

#include "ui/dialog.h"

class TListBox;
class TDialogOK;
class TDialogYesNo;
class TDialogTextInput;

class TPlayerManager : public TDialog {
 public:
  TPlayerManager() = default;
  ~TPlayerManager() override = default;

  int Limit = 10;  // most players "Create" allows; 0 or less: no limit
  int ButtonGap = 10;
  int BoxBorderH = 20;
  int BoxBorderV = 20;
  int BoxY = 0;  // fixed top of the list; 0: centred between caption and buttons
  int DimWhenActive = 0;
  int DimWhenShowingDialogs = 0;
  int UpperFirstChar = 1;
  std::shared_ptr<platform::Image> FrontFrame;
  int FrontFrameX = 0, FrontFrameY = 0;
  // Picture drawn over the list (hides the dialog's own header sprite, which stays unused here).
  std::shared_ptr<platform::Image> Header;
  int HeaderX = 0, HeaderY = 0;
  std::shared_ptr<TListBox> ListBox;
  std::function<std::shared_ptr<TDialogOK>(const std::string& message)> ErrorDialogFunc;
  std::shared_ptr<TDialogOK> DialogOK;
  std::function<std::shared_ptr<TDialogYesNo>(const std::string& message)> DialogYesNoFunc;
  std::shared_ptr<TDialogYesNo> DialogYesNo;
  std::function<std::shared_ptr<TDialogTextInput>(int withCancel)> EnterNamePromptFunc;
  std::shared_ptr<TDialogTextInput> EnterName;
  std::function<int(const std::string& name)> CreateProfileFunc;
  int DrawDisabled = 0;
  int AutoAcceptAfterCreate = 1;
  std::string MessageCannotCreate = "You cannot create any more players!";
  std::string MessageCannotDelete = "The list must contain at least one player!";
  std::string MessageConfirmDelete = "Are you sure you want to delete this player?";

  static std::shared_ptr<TPlayerManager> Create(const std::string& caption,
                                                const std::shared_ptr<platform::Image>& background,
                                                int w, int h, int x, int limit);
  virtual int BoxSize();
  virtual int MenuCreate(int gap);
  // Lists the ".dat" files of the profiles folder, in listing order, without extension.
  virtual int FillList();
  virtual int HighlightCurrentPlayer();
  virtual int DeleteProfileCheck();
  virtual int OKClick();
  virtual int CancelClick();
  virtual int ClickSound();

  int Start() override;
  int CalcSize() override;
  int MenuPosition() override;
  int Manage() override;
  int Draw() override;
  // Also kills a child dialog that is still open.
  int Kill() override;

 private:
  void ShowError(const std::string& message);
  void AfterChildClosed();
};
