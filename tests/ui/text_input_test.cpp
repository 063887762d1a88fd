// The text field and the text input dialog as the new-player name prompt.

#include "ui/text_input.h"

#include <utility>

#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/dialog_text_input.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "ui_test_support.h"
#include "util/input.h"
#include "util/text_draw.h"

namespace {

using ui_test::UiTest;

class TextInputTest : public UiTest {
 protected:
  // Runs `steps` logic steps of the field; returns the last non-zero result.
  int Run(TTextInput& field, int steps) {
    int last = 0;
    for (int i = 0; i < steps; ++i) {
      Step();
      const int r = field.Manage();
      if (r != 0) last = r;
    }
    return last;
  }
};

TEST_F(TextInputTest, LengthAndWidthLimits) {
  TTextInput field;
  field.MaxLength = 12;
  field.Init(nullptr, "", 0, 0, nullptr);
  EXPECT_EQ(Game->BlockKeys, 1);
  Type("abcdefghijklm");
  Run(field, 13);
  EXPECT_EQ(field.Text, "abcdefghijkl");

  TTextInput narrow;
  narrow.MaxLength = 12;
  const int charWidth = ccTextWidth("W");
  narrow.MaxPixelWidth = 3 * charWidth;
  narrow.Init(nullptr, "", 0, 0, nullptr);
  Type("WWWW");
  Run(narrow, 4);
  EXPECT_EQ(narrow.Text, "WWW");
}

TEST_F(TextInputTest, BannedCharactersBackspaceAndOneCharacterPerStep) {
  TTextInput field;
  field.MaxLength = 30;
  field.MakeCharsFileNameSafe();
  EXPECT_EQ(field.BannedChars.size(), 15u);
  field.Init(nullptr, "a/", 0, 0, nullptr);
  Type("\"|*\\/:;~?<>,+=%");
  Type("b c");
  TypeCode(233);  // an accented letter is ignored
  TypeCode(127);
  Run(field, 20);
  EXPECT_EQ(field.Text, "a/b c");  // a banned character of the starting text stays
  TypeCode(8);
  Step();
  field.Manage();
  EXPECT_EQ(field.Text, "a/b ");
  Type("xyz");
  Step();
  field.Manage();
  EXPECT_EQ(field.Text, "a/b x");  // one character per step, in typing order
}

TEST_F(TextInputTest, EnterAndEscape) {
  TTextInput field;
  field.AllowNull = 0;
  field.Init(nullptr, "", 0, 0, nullptr);
  TypeCode(8);
  TypeCode(13);
  EXPECT_EQ(Run(field, 2), 0);  // Enter on an empty text is ignored
  EXPECT_EQ(field.Active, 1);
  Type("Al");
  TypeCode(13);
  EXPECT_EQ(Run(field, 3), 1);
  EXPECT_EQ(field.Done, 1);
  EXPECT_EQ(Game->BlockKeys, 0);
  field.Reset();
  Type("x");
  TypeCode(27);
  EXPECT_EQ(Run(field, 2), -1);
  EXPECT_EQ(field.Text, "");
  field.AllowEscToAbort = 0;
  field.Reset();
  TypeCode(27);
  EXPECT_EQ(Run(field, 1), 0);
  EXPECT_EQ(field.Active, 1);
}

// Pixels of the field's text area, drawn on black, that are white (the text colour) and that are
// the warm red of the full sign.
std::pair<int, int> WhiteAndRedPixels(TTextInput& field) {
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  field.Draw();
  int white = 0, red = 0;
  const auto pixels = platform::GrabPixmap(field.X, field.Y, field.GetWidth("") + 1, 24);
  for (int y = 0; y < pixels->Height(); ++y)
    for (int x = 0; x < pixels->Width(); ++x) {
      const auto p = pixels->ReadPixel(x, y);
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (r > 200 && g > 200 && b > 200) ++white;
      if (r > 200 && g < 130 && b < 130) ++red;
    }
  return {white, red};
}

TEST_F(TextInputTest, ALetterRefusedBecauseTheTextIsFullIsHeardAndSeen) {
  Game->Channels = TChannelArray::Create(4);
  Game->Sound = 1;
  Game->SoundVolume = 100;
  auto heard = [] {
    int n = 0;
    for (const auto& r : platform::AudioLog())
      if ((r.what == "cue" || r.what == "play") && r.sound == "buttonclick.wav") ++n;
    return n;
  };
  for (const bool byWidth : {false, true}) {
    SCOPED_TRACE(byWidth);
    TTextInput field;
    field.MaxLength = byWidth ? 12 : 3;
    field.MaxPixelWidth = byWidth ? 3 * ccTextWidth("W") : 0;
    field.FullSound = TGameSound::Create(Game->SoundPath + "buttonclick.wav", 0);
    field.Init(nullptr, "", 20, 20, nullptr);
    platform::ClearAudioLog();
    Type("WWW");
    Run(field, 3);
    EXPECT_EQ(heard(), 0);  // letters that fit are taken silently
    EXPECT_EQ(field.Text, "WWW");
    const auto [whiteBefore, redBefore] = WhiteAndRedPixels(field);
    EXPECT_GT(whiteBefore, 0);
    EXPECT_EQ(redBefore, 0);

    Type("W");
    Run(field, 1);
    EXPECT_EQ(field.Text, "WWW");
    EXPECT_EQ(heard(), 1);
    const auto [whiteFull, redFull] = WhiteAndRedPixels(field);
    EXPECT_EQ(whiteFull, 0);
    EXPECT_GT(redFull, whiteBefore / 2);

    // The sign lasts FULL_SIGN_MS (100 ticks), then the text is white again.
    Run(field, 99);
    EXPECT_GT(WhiteAndRedPixels(field).second, 0);
    Run(field, 1);
    EXPECT_EQ(WhiteAndRedPixels(field).second, 0);
    // A banned character is no sign of a full text.
    field.MakeCharsFileNameSafe();
    field.Text = "W";
    field.CurrentChar = 2;
    Type("?");
    Run(field, 1);
    EXPECT_EQ(heard(), 1);
  }
  Game->Channels->Kill();
  Game->Channels.reset();
}

TEST_F(TextInputTest, CursorBlinksEvery250Ms) {
  TTextInput field;
  field.Init(nullptr, "", 0, 0, nullptr);
  EXPECT_EQ(field.CursorFlashSpeed, 50);
  Run(field, 49);
  EXPECT_EQ(field.CursorOn, 1);
  Run(field, 1);
  EXPECT_EQ(field.CursorOn, 0);
}

// The name prompt as the game builds it: 12 characters, 200 pixels, file-name-safe, the existing
// profile check with its error dialog.
class NamePromptTest : public TextInputTest {
 protected:
  std::shared_ptr<TDialogTextInput> MakePrompt(int withCancel) {
    auto prompt = TDialogTextInput::Create("Enter your name", "", 12, nullptr, 380, 0, 0, 200);
    prompt->MenuCreate(withCancel, 10);
    prompt->SetupText(nullptr, nullptr, nullptr, 0, nullptr);
    prompt->TextInput->MakeCharsFileNameSafe();
    prompt->ErrorCheckFunc = [](const std::string& text, std::string& message) {
      return TProfile::CheckNewName(text, message);
    };
    prompt->ErrorDialogFunc = [this](const std::string& message) {
      shownMessage = message;
      auto dialog = TDialogOK::Create(message, nullptr, 380, 0, 0);
      dialog->Start();
      return dialog;
    };
    prompt->MenuPosition();
    prompt->Start();
    return prompt;
  }
  int Drive(TDialogTextInput& prompt, int steps) {
    for (int i = 0; i < steps; ++i) {
      Step();
      const int r = prompt.Manage();
      if (r != 0) return r;
    }
    return 0;
  }
  std::string shownMessage;
};

TEST_F(NamePromptTest, AcceptsWithFirstLetterUpperCased) {
  auto prompt = MakePrompt(1);
  EXPECT_EQ(Game->BlockKeys, 1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
  Type("ann lee");
  TypeCode(13);
  EXPECT_EQ(Drive(*prompt, 10), 1);
  EXPECT_EQ(prompt->TextInput->Text, "Ann lee");
  EXPECT_EQ(Game->BlockKeys, 0);
  prompt->Kill();
}

TEST_F(NamePromptTest, LimitsOfTheName) {
  auto prompt = MakePrompt(1);
  Type("abcdefghijklmnop");
  Type("?*");
  Drive(*prompt, 20);
  EXPECT_EQ(prompt->TextInput->Text, "abcdefghijkl");
  EXPECT_EQ(prompt->TextInput->MaxPixelWidth, 200);
  // Space types a space and never clicks OK.
  auto field = prompt->TextInput;
  field->Text = "ab";
  field->CurrentChar = 3;
  Type(" ");
  Key(32);
  EXPECT_EQ(Drive(*prompt, 2), 0);
  EXPECT_EQ(field->Text, "ab ");
  prompt->Kill();
}

TEST_F(NamePromptTest, ExistingNameRefusedWithProfileExists) {
  ASSERT_TRUE(platform::WriteFileAtomic(Game->ProfilePath + "Bob.dat", std::string(440, '\0')));
  const auto savedText = GameText;
  GameText = std::make_shared<TGameText>();
  GameText->ReadText("[TEXT]\r\nProfile Exists\r\nThat player is already here.\r\n");
  auto prompt = MakePrompt(1);
  Type("bob");
  TypeCode(13);
  EXPECT_EQ(Drive(*prompt, 6), 0);
  GameText = savedText;
  ASSERT_TRUE(prompt->DialogOK);
  EXPECT_EQ(shownMessage, "That player is already here.");
  EXPECT_EQ(prompt->TextInput->Text, "Bob");  // stays upper-cased
  Key(13);  // closes the error box
  EXPECT_EQ(Drive(*prompt, 3), 0);
  EXPECT_FALSE(prompt->DialogOK);
  EXPECT_EQ(prompt->TextInput->Active, 1);  // typing resumes with the text kept
  TypeCode(8);
  Type("by");
  TypeCode(13);
  EXPECT_EQ(Drive(*prompt, 6), 1);
  EXPECT_EQ(prompt->TextInput->Text, "Boby");
  prompt->Kill();
}

TEST_F(NamePromptTest, BlankAndDotNamesRefused) {
  auto prompt = MakePrompt(1);
  Type("   ");
  TypeCode(13);
  EXPECT_EQ(Drive(*prompt, 6), 0);
  EXPECT_FALSE(prompt->DialogOK);           // refused quietly, as an empty name
  EXPECT_EQ(prompt->TextInput->Active, 1);  // and typing goes on
  prompt->TextInput->Text = "";
  prompt->TextInput->CurrentChar = 1;
  Type("..x");
  TypeCode(13);
  EXPECT_EQ(Drive(*prompt, 6), 0);
  EXPECT_TRUE(prompt->DialogOK);
  EXPECT_FALSE(TProfile::IsValidName("../x"));
  EXPECT_FALSE(TProfile::IsValidName(".."));
  prompt->Kill();
}

TEST_F(NamePromptTest, EscapeCancelsOnlyWithCancelButton) {
  auto withCancel = MakePrompt(1);
  Type("al");
  TypeCode(27);
  EXPECT_EQ(Drive(*withCancel, 5), -1);
  withCancel->Kill();
  EXPECT_EQ(Game->BlockKeys, 0);

  auto okOnly = MakePrompt(0);
  Type("al");
  TypeCode(27);
  Key(27);
  EXPECT_EQ(Drive(*okOnly, 5), 0);
  EXPECT_EQ(okOnly->TextInput->Text, "al");
  EXPECT_EQ(Game->BlockKeys, 1);
  okOnly->Kill();  // killed while typing: the framework keys come back
  EXPECT_EQ(Game->BlockKeys, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

}  // namespace
