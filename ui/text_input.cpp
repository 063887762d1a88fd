#include "ui/text_input.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/shadow.h"
#include "platform/text_encoding.h"
#include "util/input.h"
#include "util/strings.h"
#include "util/text_draw.h"
#include "util/types.h"

TTextInput::TTextInput()
    : TextCol(std::make_shared<TColor>()),
      TextShadow(std::make_shared<TShadow>()),
      DotCol(std::make_shared<TColor>()),
      CursorCol(std::make_shared<TColor>()),
      FullCol(TColor::Create(255, 96, 80, 1.0f)) {}

int TTextInput::Init(const std::shared_ptr<ccImageFont>& font, const std::string& text, int x,
                     int y, const std::shared_ptr<TBitmapFont>& bitmapFont) {
  Font = font;
  BitmapFont = bitmapFont;
  Text = text;
  CurrentChar = platform::CharCount(Text) + 1;
  X = x;
  Y = y;
  TextCol->Set(255, 255, 255, 1.0f);
  DotCol->Set(150, 150, 150, 1.0f);
  CursorCol->Set(0, 255, 255, 1.0f);
  SetCursorFlashSpeed(250);
  return Reset();
}

int TTextInput::Reset() {
  Active = 1;
  Done = 0;
  Game->BlockKeys = 1;
  FlushKeys();
  return 0;
}

int TTextInput::SetCursorFlashSpeed(int ms) {
  CursorFlashSpeed = static_cast<int>(Game->CalcAnimLength(ms));
  CursorFlashCounter = 0.0f;
  CursorOn = 1;
  return 0;
}

namespace {

// The first `count` characters (code points) of a UTF-8 text.
std::string FirstChars(const std::string& text, int count) {
  const auto points = platform::CodePoints(text);
  std::string result;
  for (int i = 0; i < count && i < static_cast<int>(points.size()); ++i) {
    result += platform::FromCodePoint(points[static_cast<std::size_t>(i)]);
  }
  return result;
}

}  // namespace

int TTextInput::Manage() {
  if (Active == 0) return 0;
  int c = GetChar();
  if (c > 0 && c < 128 && BannedChars.find(static_cast<char>(c)) != std::string::npos) c = 0;
  if (c == 8) {
    if (CurrentChar > 1) CurrentChar -= 1;
    Text = FirstChars(Text, CurrentChar - 1);
  }
  if (FullCounter > 0) FullCounter -= Delta;
  if (c >= 32 && c <= 126) {
    const std::string typed(1, static_cast<char>(c));
    if (CurrentChar <= MaxLength && (MaxPixelWidth == 0 || GetWidth(typed) <= MaxPixelWidth)) {
      Text += typed;
      CurrentChar += 1;
    } else {
      ShowFull();
    }
  }
  if (c == 13 && (AllowNull != 0 || !Text.empty())) {
    Finish();
    return 1;
  }
  if (c == 27 && AllowEscToAbort != 0) {
    Text.clear();
    Finish();
    return -1;
  }
  CursorFlashCounter += 1.0f * Delta;
  if (CursorFlashCounter >= static_cast<float>(CursorFlashSpeed)) {
    CursorOn = CursorOn != 0 ? 0 : 1;
    CursorFlashCounter = 0.0f;
  }
  return 0;
}

void TTextInput::ShowFull() {
  FullCounter = Game->CalcAnimLength(FULL_SIGN_MS);
  if (FullSound && Game->Channels) Game->Channels->PlayGameSound(FullSound, nullptr, 0.5f, 0);
}

int TTextInput::MakeCharsFileNameSafe() {
  BannedChars = FileNameSafeBanned;
  return 0;
}

int TTextInput::Finish() {
  Active = 0;
  Done = 1;
  Game->BlockKeys = 0;
  ccFlushAll();
  return 0;
}

int TTextInput::GetWidth(const std::string& s) {
  if (BitmapFont) return static_cast<int>(BitmapFont->StringWidth(Text + s));
  return ccTextWidth(Text + s);
}

namespace {

void DrawPiece(const std::string& piece, float x, float y, const TColor& color,
               const std::shared_ptr<TShadow>& shadow, const std::shared_ptr<TBitmapFont>& font) {
  if (shadow) {
    ccTextAlpha = color.Alpha;
    if (font) {
      font->DrawAlignedWithShadow(piece, x, y, 0, 0, 0);
    } else {
      ccDrawText(piece, x, y, 1, 0);
    }
  } else if (font) {
    font->DrawAligned(piece, x, y, 0, 0, 0, 0);
  } else {
    ccDrawText(piece, x, y, 0, 0);
  }
}

}  // namespace

int TTextInput::Draw() {
  if (Active == 0) return 0;
  if (!BitmapFont) ccSetImageFont(Font);
  const TColor& textCol = FullCounter > 0 && FullCol ? *FullCol : *TextCol;
  textCol.Apply();
  if (TextShadow) TextShadow->ApplyToText();
  DrawPiece(Text, static_cast<float>(X), static_cast<float>(Y), textCol, TextShadow, BitmapFont);
  int penX = BitmapFont ? static_cast<int>(BitmapFont->StringWidth(Text)) + X : X + ccTextWidth(Text);
  int used = platform::CharCount(Text);
  if (DrawUnderscore != 0 && used < MaxLength) {
    if (CursorOn == 1) {
      CursorCol->Apply();
      DrawPiece("_", static_cast<float>(penX), static_cast<float>(Y), *CursorCol, TextShadow, BitmapFont);
    }
    used += 1;
    penX += BitmapFont ? static_cast<int>(BitmapFont->StringWidth("_")) : ccTextWidth("_");
  }
  if (DrawDots != 0) {
    DotCol->Apply();
    const std::string dots = ccPadWithChar("", MaxLength - used, ".");
    if (!dots.empty()) {
      DrawPiece(dots, static_cast<float>(penX), static_cast<float>(Y), *DotCol, TextShadow, BitmapFont);
    }
  }
  TextCol->Restore();
  return 0;
}
