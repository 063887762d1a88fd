#pragma once
// The avatar chooser a new player passes through after entering a name: five gent and five lady
// portraits in two rows. A double click on a portrait (within 500 ms) or OK confirms the choice,
// left in Male and Head. It is never the current screen: the name prompt loads it, runs its Logic
// and Draw inside the title screen's, and kills it once Logic reports the choice. There is no way
// back and Esc does nothing.

#include <array>
#include <memory>

#include "core/screen.h"
#include "util/types.h"

class TGameImage;
class TSineCounter;

class TAvatarSelectionScreen : public TScreen {
 public:
  static constexpr int CELLS = 10;  // row 0 the gents, row 1 the ladies, five each

  TAvatarSelectionScreen();

  std::shared_ptr<TSineCounter> Glow;  // pulse of the chosen portrait's frame
  int Male = -1;             // the choice: 1 gent (top row), 0 lady; -1 nothing chosen
  int Head = -1;             // column of the choice, 0..4; -1 nothing chosen
  int HighlightedMale = -1;  // the portrait under the pointer, -1 none
  int HighlightedHead = -1;
  std::shared_ptr<TGameImage> Gents, Ladies;
  std::array<std::shared_ptr<TGameImage>, 5> MaleHeads, FemaleHeads;
  std::shared_ptr<TGameImage> PictureFrame, PictureFrameBG, PictureFrameMO, ShadowOuter;
  int GridX = 0, GridY = 99, GridColWidth = 158, GridRowHeight = 206;
  std::array<TCollideObject, CELLS> CollideObjects;
  float DoubleClickTime = 0;     // logic ticks of the double-click window
  float DoubleClickCounter = 0;  // ticks left in the open window

  int Load() override;
  // Readies input and timing for the first logic tick.
  virtual int Show();
  // One tick: 1 when the choice is confirmed, else 0.
  int Logic() override;
  int Draw() override;
  // Releases the pictures and the menu and gives the title screen (and its player manager) its
  // drawing back. Male and Head stay.
  int Kill() override;

  // The cell under (x, y) by the frames' solid pixels (collision layer 1), or -1; where two
  // cells overlap, the higher index wins.
  int CellAt(int x, int y);
  int CellX(int cell) const { return GridX + (cell % 5) * GridColWidth; }
  int CellY(int cell) const { return GridY + (cell / 5) * GridRowHeight; }
};
