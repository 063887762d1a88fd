#pragma once
// The course selector: the list of every course with the selected course's photograph, holes, par,
// fee, purse, goal and five best scores, and the player's cash. "start" (or Space, Enter, a double
// click) checks that the course is open and affordable, takes the fee, saves the round as in
// progress, zooms out over 500 ms and fades to the newspaper page. The view zooms in over 300 ms
// after the fade-in. Everything but the backdrop, the buttons and the message dialog is placed in
// picture coordinates: (px, py) lands at ScrollX + (50 + px) * z, ScrollY + py * z, z = 1 - Scale.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"
#include "platform/graphics.h"

class TAnimation;
class TBitmapFont;
class TCourse;
class TDialogOK;
class TGameImage;
class TGameSound;
class TListBox;

// One best score as the selector shows it; an empty slot (no name) draws nothing.
struct TSelectorScore {
  std::string name;
  int score = 0;
  std::string date;
  std::string time;
  int real = 0;
};

class TLevelSelectScreen : public TScreen {
 public:
  static constexpr int MAX_COURSESHOTS = 21;
  static constexpr int LIST_ROWS = 11;  // rows shown at once, at most
  static constexpr int LIST_HEIGHT = 319;  // the list box's height in picture pixels
  // The details (Holes, Par, Fee, Purse) are drawn in LabelFont, the goal and timed-course lines
  // in TextFont, at these fractions of the zoom's scale: their rows (21 and 17 px apart) then keep
  // a clear gap between them.
  static constexpr double DETAIL_FONT_SCALE = 0.7;
  static constexpr double GOAL_FONT_SCALE = 0.68;
  // The goal text's width in picture pixels.
  static constexpr int GOAL_WIDTH = 443;
  // A locked course's padlock, when its row is not selected, stands this far left of the list
  // box, between the scroll bar and the name (picture pixels).
  static constexpr float LOCK_MARGIN = 14;
  // The selected locked course's padlock stands this far right of the list box's left edge, at its
  // row's end; the name ends before it (picture pixels).
  static constexpr int SELECTED_LOCK_X = 167;
  static const std::array<std::string, MAX_COURSESHOTS> CourseShotNames;

  TLevelSelectScreen();
  ~TLevelSelectScreen() override;

  platform::ImageRef Background;  // "CourseSelector/bg.jpg", full screen behind everything
  float ScrollX = 0, ScrollY = 0;  // screen position of the large picture's top-left corner
  std::shared_ptr<TGameSound> ZoomInSound;
  std::shared_ptr<TGameSound> ZoomOut;
  std::shared_ptr<TAnimation> Zoom;
  int ZoomIn = 1;      // 1 for the arrival zoom, 0 for the zoom after payment
  float Scale = 0;     // the drawing scale is 1 - Scale
  int LastX = 0, LastY = 0;
  std::shared_ptr<TGameImage> AvailableCourses, TopScores, TotalCash, WelcomeTo;
  std::shared_ptr<TGameImage> PadLock;
  std::shared_ptr<TListBox> ListBox;
  std::shared_ptr<TCourse> SelectedCourse;
  std::string Label1, Label2, Label3, Label4;
  std::shared_ptr<TBitmapFont> LabelFont;
  int LabelWidth = 0;
  std::string FeeReduced;
  std::string PurseIncreased;
  std::shared_ptr<TBitmapFont> TextFont;
  std::vector<std::string> UnlockText;
  std::string TimedCourseString;
  std::shared_ptr<TGameImage> StopWatch;
  std::shared_ptr<TDialogOK> DialogOK;
  std::array<TSelectorScore, 5> Scores{};
  std::array<std::shared_ptr<TGameImage>, MAX_COURSESHOTS> CourseShots{};
  int CurrentCourseShot = 0;
  std::shared_ptr<TGameImage> Overlay;

  int Load() override;
  int Start() override;
  int PostFadeIn() override;
  int Logic() override;
  int Draw() override;
  int Kill() override;
  int SetEscDestination() override;

  // The zoom amount: flag set gives the end value of the current zoom's start.
  virtual float CalcScale(int flag);
  // The fee actually charged: Floor(fee * 0.85) with avatar item 9, else the fee.
  virtual int GetFee(int fee);
  // Cash left after paying the selected course's fee; negative: cannot afford.
  virtual int CanAfford();
  // Checks and payment: 1 when the course was paid, 0 when a message dialog opened instead.
  virtual int LevelSelected();
  virtual int CalcScrollCoords();
  // Refreshes the selected course's details, goal text, best scores and photograph.
  virtual int SelectedCourseChange();
  // Draws a picture's frame at picture coordinates.
  virtual int DrawZoomed(const std::shared_ptr<TGameImage>& image, float x, float y, int frame);
  // Picture coordinates to screen coordinates, in place.
  virtual int ConvertXY(float& x, float& y);
  // On entry: a round paid for but not begun (MidCourse 1, MidHole 0, hole 1) is given back, its
  // fee refunded and the profile written, so the next payment charges the course once. 1 when a
  // refund was made.
  virtual int RefundUnstartedRound();
  // The screen's width over the large picture's width: the drawing scale of the whole picture.
  float PictureScale() const;

  // The player's cash in till digits, centred on x 153; the five best scores.
  int DrawCash();
  int DrawScores();

  int LastIndex = -1;  // the selected row when SelectedCourseChange last ran

  // The photograph index for a background file name: the scene's own photo, the scene's suffix-1
  // photo when the scene has none of that suffix, or -1 when the scene is unknown.
  static int CourseShotIndex(const std::string& backgroundImage);
  // The scroll bar's maximum for a list of `courses` rows of which `rows` show (never below 0).
  static int ScrollMax(int courses, int rows);
  // The rows shown at once: LIST_ROWS, or fewer when the list font's rows would overrun the box.
  int VisibleRows() const;
  // A best score against par as shown: "E" for par, else signed ("-2", "+3").
  static std::string ScoreText(int score);
  // The twelve-hour form of a stored best-score time; a time not written hh:mm is kept as stored.
  static std::string ScoreTimeText(const std::string& time);
};
