#pragma once
// Shared set-up of the widget tests: a fresh application object with the game's pointer, Delta 1,
// the headless drawing target, and a scratch data folder holding the button pictures and the two
// button sounds the menus load, made on the fly. Input is scripted through the platform's event
// queue and pumped by Step() in the order the application core runs a logic step.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/game.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "platform/input.h"

namespace ui_test {

// The core's window onto the game's pointer, as the game layer installs it: the core's own event
// pump and logic step then feed Game->Mouse.
class PointerBridge : public TUpperLayer {
 public:
  int MouseClearHit() override;
  int MouseManage() override;
  int MouseButtonDown(int button) override;
  int MouseButtonUp(int button) override;
  int MouseMove(int x, int y) override;
  int MouseWheel(int steps) override;
  int MouseGetMh(int clear) override;
  int MouseClearButtons() override;
  int MouseX() override;
  int MouseY() override;
};

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A picture of w x h pixels filled with `argb`, written as MenuPath + name + ".png".
  void MakeMenuPicture(const std::string& name, int w, int h, unsigned argb = 0xFF808080u);
  // The picture and its mouse-over picture name + "MO".
  void MakeButton(const std::string& name, int w, int h);
  // The same in ImagePath.
  void MakeImage(const std::string& name, int w, int h, unsigned argb = 0xFF808080u);

  // One logic step's input handling as the core runs it: the hits of the previous step go, the
  // pointer's per-step work runs, then the queued events are pumped into the pointer and the key
  // state.
  static void Step();
  static void MoveTo(int x, int y);
  // Press and release of a mouse button at (x, y), queued for the next Step.
  static void Click(int x, int y, int button = 1);
  static void Press(int button);
  static void Release(int button);
  // Key down and up, queued.
  static void Key(int code);
  // Typed characters, queued (Backspace 8, Enter 13 and Escape 27 included as characters).
  static void Type(const std::string& text);
  static void TypeCode(int code);
  // A key as the platform reports it: key down, the character for Backspace, Enter and Escape,
  // key up.
  static void PressKey(int code);

  std::string root_;  // scratch folder with a trailing slash

 private:
  std::shared_ptr<TGame> saved_game_;
  float saved_delta_ = 1.0f;
  int saved_graphical_errors_ = 0;
  std::string saved_error_path_;
};

}  // namespace ui_test
