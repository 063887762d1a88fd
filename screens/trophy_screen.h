#pragma once
// The trophy room: the 13 trophies over a picture of a room, each won trophy standing above its
// plaque, every plaque always shown; resting the pointer on a plaque brings up a tool tip saying
// how that trophy is won. Opened from the title screen; OK, Enter, Space or Esc fade back to it.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"
#include "util/types.h"

class TBitmapFont;
class TGameImage;
class TGameSound;
class TToolTip;

class TTrophyScreen : public TScreen {
 public:
  static constexpr int TROPHIES = 13;
  // Where each trophy (0..12) stands (top-left corner of its picture) and the point its plaque
  // text and hover shape are centred on; the plaque picture is drawn 3 px lower.
  static constexpr std::array<int, TROPHIES> TrophyX = {314, 10, 168, 544, 688, 16, 166, 540, 688, 16, 166, 536, 684};
  static constexpr std::array<int, TROPHIES> TrophyY = {100, 68, 58, 62, 82, 234, 230, 228, 216, 394, 382, 400, 394};
  static constexpr std::array<int, TROPHIES> PlaqueX = {399, 64, 212, 586, 736, 64, 212, 586, 736, 64, 212, 586, 736};
  static constexpr std::array<int, TROPHIES> PlaqueY = {527, 195, 195, 195, 195, 361, 361, 361, 361, 527, 527, 527, 527};
  static constexpr int PLAQUE_LINE_GAP = 15;

  TTrophyScreen();

  std::shared_ptr<TGameImage> Foreground;
  std::array<std::shared_ptr<TGameImage>, TROPHIES> Trophies;
  std::shared_ptr<TGameImage> FemaleTrophy;  // a lady's trophy 0; loaded only for her
  std::shared_ptr<TGameImage> Plaque, PlaqueBig, PlaqueGold;
  std::array<std::vector<std::string>, TROPHIES> PlaqueText;
  std::array<std::string, TROPHIES> ToolTipText;
  std::shared_ptr<TToolTip> ToolTip;
  int LastToolTip = -1;  // the plaque under the pointer at the previous tick, -1 none
  std::shared_ptr<TBitmapFont> PlaqueFont;
  std::array<TCollideObject, TROPHIES> CollideObjects;
  std::shared_ptr<TGameSound> TooltipSound;

  int Load() override;
  int Start() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  // Esc is read by Logic; were the framework to ask, the way out is the title screen.
  int SetEscDestination() override;
  // Fades back to the title screen, fading the music.
  int Close();

  // The picture a trophy's plaque is drawn with: the large one for trophy 0, gold and plain
  // alternating like a chequerboard over the three shelves of four for the others.
  static bool IsGoldPlaque(int id);
  // The y of the first of n plaque lines centred on y: y - round(7.5 n).
  static int PlaqueTextTop(int y, int lines);
  // The trophy under the point (x, y) by the plaques' hover shapes, or -1. Writes the shapes into
  // the drawing layer's collision layer 1 first.
  int PlaqueAt(int x, int y);
};
