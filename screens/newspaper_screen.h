#pragma once
// The newspaper page shown after a course is paid for and before its first hole: a front page
// that spins in from beyond the top-left corner with a headline made from the course's story
// (its [KEY] variables filled from the player's name and career figures, fitted into 588 x 68 in
// one or two lines) and the picture the course's picture code names. OK (or a key or click during
// the fade-in) goes on to play; Esc goes back to the course selector, refunding nothing. The one
// instance is `NewspaperScreen`.

#include <memory>
#include <string>

#include "core/screen.h"

class TAmbientSounds;
class TAnimation;
class TBitmapFont;
class TGameImage;
class TGameSound;
class TPlayer;

class TNewspaperScreen : public TScreen {
 public:
  TNewspaperScreen();
  ~TNewspaperScreen() override;

  std::string HeadLine1;  // the first (or only) line of the headline
  std::string HeadLine2;  // the second line; "" for a one-line headline
  int HeadlineWidthMax = 588;
  int HeadlineHeightMax = 68;
  float HeadlineGap = 0.2f;  // space between the lines, as a fraction of the line height
  std::shared_ptr<TGameImage> Newspaper;  // the page, handle at its centre
  std::shared_ptr<TGameImage> Picture;    // the story picture
  std::shared_ptr<TGameImage> Trophy;     // the trophy of a trophy story, else null
  std::shared_ptr<TGameImage> Avatar;     // the player's grey portrait, else null
  int Sign = 0;  // 1: the portrait sits on the course photo; 0: beside the trophy
  std::shared_ptr<TAnimation> Intro;  // the 500 ms spin-in
  std::shared_ptr<TGameSound> Spin;
  std::shared_ptr<TGameSound> Thump;
  std::shared_ptr<TAmbientSounds> Ambience;

  // Composes the page for the course in progress of the play screen's player.
  int Load() override;
  int Start() override;
  // Fade-in skip: Esc back to the course selector, any other key or a click on to play.
  int PostFadeIn() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  // The course selector, after the framework's escape sound. Returns 0.
  int SetEscDestination() override;

  // Replaces the first "[" + key + "]" of `text` with `value`. Returns 0.
  static int InsertVariable(std::string& text, const std::string& key, const std::string& value);
};

// The story text with the 28 newspaper variables filled in order from the player's record.
std::string NewspaperHeadline(const std::string& story, const TPlayer& player);

// The headline fit: splits `line1` into `line1` and `line2` when it is wider than `width`, and
// sets font.ScaleFactor so the headline fills `width` without exceeding `height`. A headline of
// no width takes the height limit; a font of no height keeps scale 1.
void FitHeadline(TBitmapFont& font, std::string& line1, std::string& line2, int width, int height,
                 float gap);
