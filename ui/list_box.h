#pragma once
// A scrolling list of text rows inside a rectangle: one selected row shown by a coloured bar,
// selection by mouse click and by the up and down arrow keys, a double click, optional locked rows
// in a colour of their own and an optional vertical scroll bar that moves the first row shown. The
// owner fills Strings, runs Manage once per logic tick and Draw once per frame, and reads Index,
// Value and DoubleClicked.

#include <memory>
#include <string>
#include <vector>

class TFont;
class TBox;
class TColor;
class TShadow;
class TBitmapFont;
class ccImageFont;
class TGameSound;
class TScrollBar;
namespace platform {
class Channel;
}

class TListBox {
 public:
  TListBox();
  virtual ~TListBox();
  TListBox(const TListBox&) = delete;
  TListBox& operator=(const TListBox&) = delete;

  std::shared_ptr<TFont> Font;  // style of the rows; its inverse colour marks the selected row
  int DrawBox = 1;
  std::shared_ptr<TBox> Box;  // the list's rectangle and fill colour
  int TextBorder = 10;        // left margin of left-aligned text, pixels
  // When above 0: the selected row's text ends this far right of the box's left edge (pixels at
  // scale 1), and is drawn smaller where it is wider, so that a mark the owner draws at the row's
  // end from there on never covers it.
  int SelectedRowEnd = 0;
  int Gap = 5;                // space above and below each row's text, pixels
  int LineYOffset = 0;
  int LineHeight = 0;  // set by CalcLineHeight
  int Centred = 0;
  std::shared_ptr<std::vector<std::string>> Strings;  // the rows in display order
  int Index = -1;     // selected row, -1 for none
  int TopIndex = 0;   // first row shown
  std::string Value;  // text of the selected row
  int Clicked = -1;
  std::shared_ptr<TColor> HighlightCol;
  int HighlightUnder = 1;
  int DoubleClicked = -1;  // row last double-clicked; the owner sets it back to -1 after acting
  float DoubleClickTime = 100.0f;  // logic ticks
  float DoubleClickCounter = 0;
  int Limit = 0;  // most rows shown at once; 0 no limit
  int RoundHeight = 1;
  int DisplayLines = 0;
  std::shared_ptr<TGameSound> ClickSound;
  std::shared_ptr<platform::Channel> ClickChannel;
  int NoShadowOnHighlighted = 0;
  int ArrowKeysMoveHighlight = 1;
  std::vector<int> LockedArray;  // non-zero marks a locked row
  std::shared_ptr<TColor> LockedColor;
  std::shared_ptr<TScrollBar> ScrollBar;
  float Scale = 1.0f;

  // A list box with white text, a black box, a blue bar and a double-click window of
  // doubleClickMs milliseconds. `border` takes no part (TextBorder stays 10).
  static std::shared_ptr<TListBox> Create(int border, int gap, int centred, int drawBox,
                                          int doubleClickMs);
  virtual int Init(int border, int gap, int centred, int drawBox);
  virtual int SetupFont(const std::shared_ptr<ccImageFont>& imageFont, const std::shared_ptr<TColor>& color,
                        const std::shared_ptr<TShadow>& shadow,
                        const std::shared_ptr<TBitmapFont>& bitmapFont,
                        const std::shared_ptr<TColor>& inverseColor);
  virtual int SetCoords(float x, float y, float w, float h);
  virtual int SetupBox(const std::shared_ptr<TColor>& color);
  virtual int CalcLineHeight();
  virtual int ClearIndex();
  virtual int GetIndexY();
  // Position just past the last row shown.
  virtual int GetTempLimit();
  // Selects a row (-1 none) and scrolls it into view.
  virtual int SetIndex(int index);
  virtual int SetTopIndex(int top);
  virtual int Manage();
  virtual int PlayClick();
  virtual int Draw();
  virtual int DrawHighlight();
  virtual int Kill();

  int Count() const;
};
