#pragma once
// Builders of the game's standard dialogs: a wooden frame, a header picture centred above the
// text, the text in the dialog font and one or two picture buttons along the bottom. Every builder
// returns a new dialog that the caller owns: it runs the dialog's Manage each logic tick and its
// Draw each frame, and kills it once Manage reports it closed (1 OK or Yes, -1 No or Cancel).
// Builders that open their dialog also play its sound and restart the fixed-rate timing, so the
// time spent loading pictures is not caught up as a burst of logic ticks.

#include <array>
#include <memory>
#include <string>

class TButton;
class TDialog;
class TDialogOK;
class TDialogYesNo;
class TDialogTextInput;
class TGameImage;
class TMenu;

// The kinds of standard dialog, one row each of the style table below.
enum class TDialogKind { Error, YesNo, CourseSelector, CourseUnlocked, PopUpTip };

// Fonts a dialog caption can use (the data loader's global fonts).
enum class TDialogFontKind { Dialog, Wildshot };

// How one kind of standard dialog looks and sounds. Offsets and margins in pixels from the
// dialog's top and bottom edges; lengths in milliseconds.
struct TDialogStyle {
  TDialogKind Kind;
  const char* Frame;   // below the image folder
  int Width;
  const char* Header;  // "" when the caller names it (below "dialogs/")
  int HeaderOffsetY;
  int R, G, B;         // caption colour, alpha 1
  int CaptionShadow;   // 1: a (2, 2) shadow at alpha 0.6
  TDialogFontKind Font;
  int CaptionOffsetY;
  int BottomMargin;    // between the buttons and the frame's bottom edge
  int OKDown;          // 1: the OK button shows "OK_down" for 350 ms when pressed
  int TransitionMs;    // opening and closing, 0: none
  float Dim;
  int Fade;            // 1: the dialog fades; 0 with transitions: it slides in
  const char* Sound;   // played when it opens ("" for none)
  float Volume;
};

// The style table, one row per kind in the order of TDialogKind.
extern const std::array<TDialogStyle, 5> DialogStyles;
const TDialogStyle& DialogStyle(TDialogKind kind);

// An error message with "OK" (frame "dialog_rect", header "error"); opened.
std::shared_ptr<TDialogOK> ErrorDialog(const std::string& text);
// A question with "Yes" and "No" (header "confirm"); opened.
std::shared_ptr<TDialogYesNo> MakeDialogYesNo(const std::string& text);
// The new player's name prompt: up to 12 characters and 200 pixels, none of the characters unsafe
// in file names; "OK", and "Cancel" when withCancel is not 0. Not opened: the caller calls Start.
std::shared_ptr<TDialogTextInput> EnterNamePrompt(int withCancel);
// The prompt's name check: refuses (-1, message "Profile Exists") whenever a player file of that
// name is present, else 1 with an empty message. Never writes the file.
int CheckPlayerName(const std::string& name, std::string& message);
// The prompt's OK hook: runs the avatar chooser inside the prompt. Returns 0 (the prompt stays).
int CreateAvatarSelection(TDialogTextInput& prompt);
// The course selector's refusals: `header` below "dialogs/"; opened, no sound of its own.
std::shared_ptr<TDialogOK> CourseSelectorDialog(const std::string& text, const std::string& header);
// The reward dialogs: header below "dialogs/"; `image` and `image2` full paths (or "") drawn at
// `scale` centred at (x, y) and (x2, y2) from the dialog's top-left corner; `frame` below
// "dialogs/" ("" for "dialog_rect"). A frame too short for its pictures beside the OK button is
// drawn taller (PictureRowsShort); each picture is then moved in just as far as it must to lie
// inside the frame's panel clear of the text and buttons (KeepPictureInPanel). Slides in from a
// random side; opened.
std::shared_ptr<TDialogOK> CourseUnlockedDialog(const std::string& text, const std::string& header,
                                                const std::string& image, int x, int y,
                                                const std::string& image2, int x2, int y2,
                                                const std::string& frame, float scale = 1.0f);
// The frame pictures' inset panel (their inner rectangle), in from the frame's edges.
constexpr int DIALOG_PANEL_LEFT = 18;
constexpr int DIALOG_PANEL_TOP = 28;
constexpr int DIALOG_PANEL_RIGHT = 22;
constexpr int DIALOG_PANEL_BOTTOM = 22;
// Room kept right of and below a picture for its drop shadow.
constexpr int DIALOG_PICTURE_SHADOW = 4;
// Places a picture drawn about its handle at (x, y) so that its pixels (and a drop shadow) lie
// inside `dialog`'s panel, below its text and beside its buttons (on the picture's side of the
// frame's middle): where they fit at (x, y) nothing changes; else the picture moves in just far
// enough, and one larger than that room is drawn smaller (scale, at most as given).
void KeepPictureInPanel(const TDialog& dialog, const TGameImage& picture, int& x, int& y,
                        float& scale);
// How many rows the band of `dialog`'s panel below its text and beside its buttons (on the side of
// x) lacks for `picture` drawn at `scale`; 0 when it is tall enough.
int PictureRowsShort(const TDialog& dialog, const TGameImage& picture, int x, float scale);
// Draws a dialog's frame `rows` taller at its middle (at most to the screen's height less 20 px
// above and below): its header and text keep their places from its top, its buttons theirs from
// its foot, and it stays centred. Returns the rows it grew (0 for a dialog without a frame
// picture).
int GrowDialogFor(TDialogOK& dialog, int rows);
// A new course best: pays 500, clears the play screen's TopScore and opens the "new_record"
// dialog as the play screen's UnlockedDialog. Returns 0.
int TopScoreDialog();
// A tutorial tip (frame "dialog_square", header "tip"); opened.
std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text);
// The look the score card's two dialogs (time bonus, course end) share on their square frame: the
// caption in pale cream in the hint font, centred 83 pixels below the top; "OK" centred 236 below
// the top, without shadow, glowing under the pointer and pressed for 350 ms when clicked.
void StyleScoreCardDialog(TDialogOK& dialog);
// Adds the standard "OK" picture button to `menu` as its OK button, centred, its bottom 15 pixels
// above the screen's bottom edge. Returns 0.
int OKButtonCreate(const std::shared_ptr<TMenu>& menu);
// Gives an "OK" button the screens' common feel: it glows under the pointer and shows "OK_down"
// for 350 ms when clicked.
void StyleOKButton(TButton& ok);
// OKButtonCreate followed by StyleOKButton: the OK button most screens put under their page.
// Returns the button for the screen's own placement (null when `menu` is null).
std::shared_ptr<TButton> AddStandardOKButton(const std::shared_ptr<TMenu>& menu);
