#pragma once
// The base of every modal dialog: a box (a background picture or a flat coloured rectangle) with a
// caption, an optional header picture, up to two further pictures and a menu of buttons. It opens
// and closes with an optional slide from a screen edge and a fade, over a darkened screen, and
// hands its host a result once it has closed: 1 for OK or Yes, -1 for No or Cancel.
//
// The screen that shows a dialog owns it: builds it, calls Start, then Manage once per logic tick
// and Draw once per frame after its own drawing; on the first non-zero Manage it calls Kill and
// drops the object. While open, a dialog takes the escape key away from the screen.

#include <memory>
#include <string>

class TLabel;
class TMenu;
class TColor;
class TShadow;
class TSprite;
class TGameImage;
class TGameSound;
class TGameChannel;
class TAnimation;
class TBitmapFont;
class ccImageFont;
namespace platform {
class Image;
}

constexpr int SLIDE_FROM_TOP = 1;
constexpr int SLIDE_FROM_RIGHT = 2;
constexpr int SLIDE_FROM_BOTTOM = 3;
constexpr int SLIDE_FROM_LEFT = 4;
constexpr int SLIDE_RANDOM = 5;  // replaced by Start with one of 1 to 4

// How far the pixels of a picture's first frame that are at least `min_alpha` opaque reach from its
// handle, on each side (in the picture's own pixels).
struct TPictureReach {
  float left = 0, right = 0, up = 0, down = 0;
};
// False (and `reach` untouched) when no pixel is that opaque.
bool PictureReach(const TGameImage& picture, int min_alpha, TPictureReach& reach);

class TDialog {
 public:
  TDialog();
  virtual ~TDialog();
  TDialog(const TDialog&) = delete;
  TDialog& operator=(const TDialog&) = delete;

  std::shared_ptr<TLabel> Caption;
  std::shared_ptr<platform::Image> Background;  // fixes the box size when present
  int Active = 0;    // 1 from Start until Finalise
  int Disabled = 0;  // the menu keeps its fixed glow and takes no clicks
  std::shared_ptr<TShadow> Shadow;  // drop shadow of the box
  int DrawHighlight = 1;            // light edge along the top and left of the box
  int w = 0, h = 0;                 // box size
  int x = 0, y = 0;                 // top-left corner at rest
  int Border = 20;                  // inner margin
  std::shared_ptr<TColor> DialogColor;
  std::shared_ptr<TMenu> Menu;
  int MenuShow = 1;
  int Centre = 1;
  int FixedWidth = 0;  // the width is given: a too-wide caption is wrapped
  int ReenableEscapeKey = 1;
  int OldIgnoreEscapeKey = 0;
  int CaptionOX = 0, CaptionOY = 0;          // explicit caption position; both 0: automatic
  int CaptionOffsetX = 0, CaptionOffsetY = 0;
  int MenuOX = 0, MenuOY = 0;                // explicit menu position; both 0: automatic
  std::shared_ptr<TSprite> Header;
  std::string Ext = ".png";
  std::shared_ptr<TGameImage> Picture;
  int PictureX = 0, PictureY = 0;
  float PictureScale = 1.0f, PictureAngle = 0.0f;
  std::shared_ptr<TShadow> PictureShadow;
  std::shared_ptr<TGameImage> Picture2;
  int Picture2X = 0, Picture2Y = 0;
  float Picture2Scale = 1.0f, Picture2Angle = 0.0f;
  std::shared_ptr<TShadow> Picture2Shadow;
  std::shared_ptr<TAnimation> TransitionIn;
  std::shared_ptr<TAnimation> TransitionOut;
  int Transitioning = 0;  // 0 none, 1 opening, 2 closing
  float DimBackground = 0.0f;
  int FadeDialog = 0;
  int CloseResultTemp = 0;
  int CloseResult = 0;  // the result once closed; 0 before
  std::shared_ptr<TGameChannel> FadeChannel;
  int Slide = 0;
  int SlideExtra = 0;
  float OffsetX = 0.0f, OffsetY = 0.0f;
  float Alpha = 1.0f;
  std::shared_ptr<TGameSound> ActivateSound;
  std::shared_ptr<TGameSound> SlideInSound;
  std::shared_ptr<TGameSound> SlideOutSound;

  virtual int Init(const std::string& caption, const std::shared_ptr<platform::Image>& background,
                   int w, int h, int x, int y);
  virtual int Start();
  virtual int SetupCaption(const std::shared_ptr<ccImageFont>& imageFont, const std::shared_ptr<TColor>& color,
                           const std::shared_ptr<TShadow>& shadow,
                           const std::shared_ptr<TBitmapFont>& bitmapFont);
  // Opening and closing lengths in milliseconds (0 or less: none); starts the opening at once.
  virtual int SetTransitions(int inMs, int outMs, float dim, int fade);
  virtual int CalcAll();
  virtual int CalcSize();
  virtual int CalcXY();
  virtual int CalcOffset();
  virtual int CaptionGetCentredX();
  virtual int HeaderLoad(const std::string& name, float x, float y);
  virtual int SetLabelsXY();
  virtual int MenuPosition();
  virtual int MenuGetCentredX();
  // The kinds' menu placement: lays the dialog out again (CalcAll), puts the menu centred at the
  // bottom inside the border, or at MenuOX, MenuOY when either is set, then runs it once silently.
  int MenuPlaceAtBottom();
  // 0 exactly when the dialog is not active.
  virtual int Manage();
  virtual int ManageCore();
  virtual int Draw();
  virtual int SetAlphas(float alpha);
  virtual int DoDrawHighlight(float alpha);
  // Starts the closing; without a closing transition the dialog ends at once and the result is
  // returned, else 0.
  virtual int Close(int result);
  virtual int Finalise();
  // Releases the parts. A dialog killed while still open gives the escape key back.
  virtual int Kill();

  // Pixels the visible part of a dialog's picture keeps from the edges of its frame.
  static constexpr int PICTURE_RIM = 8;
  // The largest scale, at most `scale`, at which the visible pixels of `picture`, drawn about
  // its handle at (cx, cy), stay PICTURE_RIM px inside the dialog's box (x, y, w, h).
  float ScaleToKeepInside(const TGameImage& picture, int cx, int cy, float scale) const;
};
