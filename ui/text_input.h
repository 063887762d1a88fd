#pragma once
// The one-line keyboard entry field: each logic tick it takes at most one typed character, appends
// it while the text has room in characters and pixels and the character is not banned, handles
// Backspace, Enter and Escape, and blinks its cursor. While it types, the application's framework
// keys are off (Game->BlockKeys).

#include <memory>
#include <string>

class TColor;
class TShadow;
class TBitmapFont;
class TGameSound;
class ccImageFont;

class TTextInput {
 public:
  TTextInput();
  virtual ~TTextInput() = default;
  TTextInput(const TTextInput&) = delete;
  TTextInput& operator=(const TTextInput&) = delete;

  std::string Text;
  int MaxLength = 10;     // most characters
  int MaxPixelWidth = 0;  // widest text in pixels; 0 no limit
  int CurrentChar = 0;    // place (from 1) the next character takes
  int Active = 0;
  int Done = 0;
  int X = 0, Y = 0;
  std::shared_ptr<TColor> TextCol;
  std::shared_ptr<TShadow> TextShadow;  // null: no shadow
  std::shared_ptr<TColor> DotCol;
  std::shared_ptr<TColor> CursorCol;
  std::shared_ptr<ccImageFont> Font;  // image font used without a bitmap font
  std::shared_ptr<TBitmapFont> BitmapFont;
  int DrawDots = 0;
  int DrawUnderscore = 1;
  float CursorFlashCounter = 0.0f;
  int CursorFlashSpeed = 0;  // logic ticks between cursor changes
  int CursorOn = 1;
  int AllowEscToAbort = 1;
  int AllowNull = 1;
  std::string BannedChars;
  // A printable character refused because the text is full (in characters or in pixels) plays
  // FullSound (none: silent) and draws the text in FullCol for FULL_SIGN_MS, so that the player
  // sees why the key did nothing.
  static constexpr int FULL_SIGN_MS = 500;
  std::shared_ptr<TGameSound> FullSound;
  std::shared_ptr<TColor> FullCol;
  float FullCounter = 0.0f;  // logic ticks the full sign still shows

  virtual int Init(const std::shared_ptr<ccImageFont>& font, const std::string& text, int x, int y,
                   const std::shared_ptr<TBitmapFont>& bitmapFont);
  // Starts or resumes typing: framework keys off, pending keys and characters dropped.
  virtual int Reset();
  virtual int SetCursorFlashSpeed(int ms);
  // 1 confirmed with Enter, -1 abandoned with Escape, 0 otherwise.
  virtual int Manage();
  // Bans the characters a file name cannot hold: " | * \ / : ; ~ ? < > , + = %
  virtual int MakeCharsFileNameSafe();
  // Ends typing: framework keys on, all pending input dropped.
  virtual int Finish();
  // Width in whole pixels of Text followed by s.
  virtual int GetWidth(const std::string& s);
  virtual int Draw();

  static inline const std::string FileNameSafeBanned = "\"|*\\/:;~?<>,+=%";

 private:
  // The full sign: the refusal sound and FULL_SIGN_MS of the text in FullCol.
  void ShowFull();
};
