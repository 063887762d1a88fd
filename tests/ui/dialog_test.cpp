// The dialog base and the OK and Yes/No dialogs: layout, slides, keys, results and the escape key.

#include <tuple>

#include "gfx/channel_array.h"
#include "gfx/sound_bank.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/dialog_yes_no.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui_test_support.h"
#include "util/input.h"

namespace {

using ui_test::UiTest;

class DialogTest : public UiTest {
 protected:
  // Runs Manage for up to `ticks` steps and returns the first non-zero result (0 if none).
  template <class D>
  static int RunUntilResult(D& dialog, int ticks) {
    for (int i = 0; i < ticks; ++i) {
      Step();
      const int r = dialog.Manage();
      if (r != 0) return r;
    }
    return 0;
  }
};

TEST_F(DialogTest, OkDialogHeightAndButtonRow) {
  auto dialog = TDialogOK::Create("Hello", nullptr, 380, 0, 0);
  dialog->Caption->H = 20;  // the caption's measured height, fixed for the figures
  dialog->Caption->WordWrap = 1;  // keeps CalcHeight from measuring again
  dialog->Caption->TotalLines = 1;
  dialog->Start();
  EXPECT_EQ(dialog->h, 20 + 50 + 40 + 40);
  EXPECT_EQ(dialog->Menu->CalcHeight(), 40);
  auto ok = dialog->Menu->FindButton("OK");
  EXPECT_EQ(ok->y, dialog->y + 90);
  EXPECT_EQ(dialog->x, (800 - 380) / 2);
  EXPECT_EQ(dialog->y, (600 - 150) / 2);
  EXPECT_EQ(ok->x, dialog->x + (380 - 100) / 2);
}

TEST_F(DialogTest, BackgroundPictureFixesTheSize) {
  MakeImage("bg", 300, 200);
  auto background = platform::LoadImage(Game->ImagePath + "bg.png");
  auto dialog = TDialogOK::Create("Hi", background, 0, 0, 0);
  dialog->Start();
  EXPECT_EQ(dialog->w, 300);
  EXPECT_EQ(dialog->h, 200);
  auto ok = dialog->Menu->FindButton("OK");
  EXPECT_EQ(ok->y + ok->h, dialog->y + 200 - dialog->Border);
  EXPECT_EQ(dialog->Caption->WordWrap, 0);  // w 0 at Init: never wrapped
}

TEST_F(DialogTest, SlideOffsets) {
  TDialog top;
  top.Init("", nullptr, 100, 150, 0, 200);
  top.Centre = 0;
  top.h = 150;
  top.y = 200;
  top.SetTransitions(200, 200, 0.5f, 1);
  top.Slide = SLIDE_FROM_TOP;
  top.SlideExtra = 50;
  top.Caption->WordWrap = 1;
  top.Start();
  top.h = 150;
  top.y = 200;
  top.CalcOffset();
  EXPECT_FLOAT_EQ(top.OffsetY, -400);
  for (int i = 0; i < 40; ++i) top.Manage();
  EXPECT_EQ(top.Transitioning, 0);
  EXPECT_FLOAT_EQ(top.OffsetY, 0);

  TDialog right;
  right.Init("", nullptr, 100, 100, 210, 0);
  right.Centre = 0;
  right.SetTransitions(200, 0, 0, 0);
  right.Slide = SLIDE_FROM_RIGHT;
  right.SlideExtra = 50;
  right.Start();
  right.x = 210;
  right.CalcOffset();
  EXPECT_FLOAT_EQ(right.OffsetX, 640);

  TDialog random;
  random.Init("", nullptr, 100, 100, 0, 0);
  random.Slide = SLIDE_RANDOM;
  random.SetTransitions(200, 0, 0, 0);
  random.CalcOffset();
  EXPECT_EQ(random.OffsetX, 0);
  EXPECT_EQ(random.OffsetY, 0);
  random.Start();
  EXPECT_GE(random.Slide, 1);
  EXPECT_LE(random.Slide, 4);
}

// Keys and buttons of the two kinds: (Yes/No dialog?, key code or 0, button name or "", result).
class KeyTable : public DialogTest,
                 public ::testing::WithParamInterface<std::tuple<bool, int, const char*, int>> {};

TEST_P(KeyTable, GivesResult) {
  const auto [yesNo, key, button, result] = GetParam();
  std::shared_ptr<TDialog> dialog;
  if (yesNo) {
    dialog = TDialogYesNo::Create("Sure?", nullptr, 380, 0, 0, 1);
  } else {
    dialog = TDialogOK::Create("Note", nullptr, 380, 0, 0);
  }
  dialog->Start();
  if (key != 0) Key(key);
  if (button[0] != 0) {
    auto b = dialog->Menu->FindButton(button);
    Click(static_cast<int>(b->x) + 2, static_cast<int>(b->y) + 2);
  }
  EXPECT_EQ(RunUntilResult(*dialog, 3), result);
  EXPECT_EQ(dialog->Active, 0);
  Step();
  EXPECT_EQ(dialog->Manage(), 0);  // the result is given once
}

INSTANTIATE_TEST_SUITE_P(
    OkAndYesNo, KeyTable,
    ::testing::Values(std::make_tuple(false, 0, "OK", 1), std::make_tuple(false, 13, "", 1),
                      std::make_tuple(false, 32, "", 1), std::make_tuple(false, 27, "", 1),
                      std::make_tuple(true, 0, "Yes", 1), std::make_tuple(true, 13, "", 1),
                      std::make_tuple(true, 32, "", 1), std::make_tuple(true, 89, "", 1),
                      std::make_tuple(true, 0, "No", -1), std::make_tuple(true, 27, "", -1),
                      std::make_tuple(true, 78, "", -1)));

TEST_F(DialogTest, ClosingTransitionGivesResultWhenItEnds) {
  auto dialog = TDialogYesNo::Create("Sure?", nullptr, 380, 0, 0, 1);
  dialog->SetTransitions(200, 100, 0.5f, 1);
  dialog->Start();
  Key(89);  // pressed while opening: thrown away when the opening ends
  EXPECT_EQ(RunUntilResult(*dialog, 41), 0);
  EXPECT_EQ(dialog->Transitioning, 0);
  Key(78);
  Step();
  EXPECT_EQ(dialog->Manage(), 0);
  EXPECT_EQ(dialog->Transitioning, 2);
  int ticks = 1;
  int result = 0;
  while (result == 0 && ticks < 100) {
    Step();
    result = dialog->Manage();
    ++ticks;
  }
  EXPECT_EQ(result, -1);
  EXPECT_EQ(ticks, 21);  // 100 ms are 20 ticks after the click's own
}

TEST_F(DialogTest, ActivationSoundDiesAwayWithTheClosing) {
  Game->Channels = TChannelArray::Create(4);
  Game->Sound = 1;
  Game->SoundVolume = 100;
  auto dialog = TDialogOK::Create("Prize", nullptr, 380, 0, 0);
  dialog->ActivateSound = TGameSound::Create(Game->SoundPath + "buttonclick.wav", 0);
  dialog->SetTransitions(50, 100, 0.0f, 0);
  dialog->Start();
  EXPECT_EQ(RunUntilResult(*dialog, 11), 0);  // the opening ends: the sound plays
  ASSERT_TRUE(dialog->FadeChannel);
  EXPECT_EQ(dialog->OKClick(), 0);
  for (int i = 0; i < 10; ++i) {
    Step();
    EXPECT_EQ(dialog->Manage(), 0);
  }
  EXPECT_NEAR(dialog->FadeChannel->OriginalVolume, 0.5f, 0.01f);  // half way through the closing
  EXPECT_EQ(RunUntilResult(*dialog, 20), 1);
  EXPECT_EQ(dialog->FadeChannel->OriginalVolume, 0.0f);
  ASSERT_TRUE(dialog->FadeChannel->Channel);
  EXPECT_EQ(dialog->FadeChannel->Channel->Volume(), 0.0f);
  Game->Channels->Kill();
  Game->Channels.reset();
}

TEST_F(DialogTest, EscapeKeyGivenBackOnCloseAndOnKill) {
  Game->IgnoreEscapeKey = 0;
  auto dialog = TDialogOK::Create("Note", nullptr, 380, 0, 0);
  dialog->Start();
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
  EXPECT_EQ(dialog->Close(1), 1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);

  auto killed = TDialogOK::Create("Note", nullptr, 380, 0, 0);
  killed->Start();
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
  killed->Kill();  // dropped while still open
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);

  auto child = TDialogOK::Create("Child", nullptr, 380, 0, 0);
  Game->IgnoreEscapeKey = 1;
  child->Start();
  child->ReenableEscapeKey = 0;  // opened by an open dialog: the parent keeps the key
  Game->IgnoreEscapeKey = 1;
  child->Close(1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
}

TEST_F(DialogTest, WrappedCaptionInFixedWidth) {
  auto dialog = TDialogOK::Create("A caption far too long to fit in a narrow box of this size", nullptr,
                                  200, 0, 0);
  dialog->Start();
  EXPECT_EQ(dialog->Caption->WordWrap, 200 - 2 * dialog->Border);
  EXPECT_GT(dialog->Caption->TotalLines, 1);
}

}  // namespace

namespace {

TEST_F(DialogTest, DrawsDimmedScreenBoxAndButtons) {
  platform::SetClsColor(200, 200, 200);
  platform::Cls();
  auto dialog = TDialogOK::Create("Note", nullptr, 380, 0, 0);
  dialog->SetTransitions(0, 0, 0.5f, 0);
  dialog->DrawHighlight = 0;
  dialog->Start();
  EXPECT_EQ(dialog->Draw(), 1);
  auto pixel = [](int x, int y) {
    auto pixmap = platform::GrabPixmap(x, y, 1, 1);
    return pixmap ? pixmap->ReadPixel(0, 0) & 0xFFFFFFu : 0u;
  };
  EXPECT_NEAR(static_cast<int>(pixel(5, 5) & 0xFF), 100, 2);  // 200 darkened by half
  EXPECT_EQ(pixel(dialog->x + 2, dialog->y + 2), 0x969696u);    // the plain box, 150 grey
  auto ok = dialog->Menu->FindButton("OK");
  EXPECT_EQ(pixel(static_cast<int>(ok->x) + 50, static_cast<int>(ok->y) + 20), 0x808080u);
  dialog->Close(1);
  EXPECT_EQ(dialog->Draw(), 0);
}

}  // namespace
