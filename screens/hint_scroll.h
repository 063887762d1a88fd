#pragma once
// The hint scroll: the teaching overlay of the play screen. A scroll drops in from above, bounces
// three times, shows one numbered hint of the hints file (a picture, a heading and a few lines) and
// an OK button, and rolls back up on a click. The texts are read once at start-up; the pictures
// every hint shows are kept from hole to hole (THintScrollPictures); every other resource is
// loaded by LoadSpecial and released when the scroll closes.

#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"
#include "play/kept_pictures.h"

class TAnimation;
class TGameImage;
class TGameSound;
class TPixieDust;
class TSprite;

class THintScroll : public TScreen {
 public:
  static constexpr float DIALOG_GRAVITY = 0.36f;
  // The hints the game asks for: 1 to 9 (the tutorial's holes) and 10 (a timed first hole).
  static constexpr int REQUIRED_HINTS = 10;

  int Active = 0;
  int MouseState = 0;
  std::shared_ptr<TGameSound> ActivateSound;    // "landing"
  std::shared_ptr<TGameSound> DeactivateSound;  // "sliding"
  int ExitGame = 0;  // 1: the play screen leaves for the title once the scroll has closed
  int Hint = -1;     // the hint shown, from 1
  std::shared_ptr<TGameImage> Icon;
  int MenuY;  // the OK button's top below the scroll's top: ScreenHeight + 19
  int Bounces = 3;
  float Y = 0;
  float TopY = 0;
  float YSpeed = 0;
  int FinalY = -148;
  std::shared_ptr<TPixieDust> PixieDust;
  std::shared_ptr<TAnimation> Unroll;  // 400 ms: down while unrolling, up (Reverse) rolling up
  std::vector<std::vector<std::string>> Hints;  // the body lines of each section; hint k at k - 1
  std::vector<std::string> Text;  // the current hint, wrapped
  int PageWidth = 318;
  int TotalLines = 0;
  int WidestLine = 0;
  std::shared_ptr<TGameImage> Overlay;

  THintScroll();
  ~THintScroll() override;

  // Reads Game->TextPath + "hints.txt" into Hints. A missing file, a misplaced header or a file
  // without the hints the game asks for is fatal, naming the file. Returns 0.
  virtual int LoadTextData();
  // Loads everything for hint `hint` and keeps the exit flag; the scroll stays hidden. The pictures
  // every hint shows come from the play screen's kept set (THintScrollPictures).
  virtual int LoadSpecial(int hint, int exitGame);
  virtual int SetText();
  virtual int RollUp();
  virtual int Show(int flag);
  virtual int PlayActivateSound();
  virtual int Hide();
  int Kill() override;
  // 1 on the tick on which the roll-up ends (the scroll is then hidden), else 0.
  int Logic() override;
  int Draw() override;
};

// Reads the hints file's text (already decoded to UTF-8) into its sections' body lines. A line
// where section k's header "[k]" belongs that is anything else, or fewer than `required` sections,
// is the fatal error naming `file`.
std::vector<std::vector<std::string>> ReadHintsText(const std::string& text, const std::string& file,
                                                    int required);

// The hint scroll's pictures that every hint shows: the paper, the heading and the frame round the
// hint's picture, kept from hole to hole as TKeptPictures says. The play screen keeps the set
// (TGameScreen::HintPictures); without a play screen every scroll decodes its own. The hint's own
// picture, one small file, is loaded with each hint.
struct THintScrollPictures : TKeptPictures {
  platform::ImageRef Paper;             // hint_bg.png, handle at its top-left corner
  std::shared_ptr<TSprite> Headline;    // headline_learn.png over the paper (null without sprites)
  std::shared_ptr<TGameImage> Overlay;  // hint_overlay.png, handle in the middle

  // The set to draw with now: the one `kept` holds when it was decoded from what is there now,
  // else a newly decoded one, which `kept` then holds (`kept` may be null: nothing is kept). A
  // missing file is fatal through the image loader.
  static std::shared_ptr<THintScrollPictures> Current(std::shared_ptr<THintScrollPictures>* kept);
};
