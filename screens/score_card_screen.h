#pragma once
// The score card: an overlay of the play screen that zooms in after every hole (and on the play
// screen's "scorecard" button during a hole). After a hole it pays the hole's winnings, opens the
// time-bonus dialog on a timed hole and the course-end dialog after a course's last hole, and
// offers "continue" and "saveandexit"; opened during a hole it shows the course so far and offers
// "back". It is never switched to: the play screen loads it, shows it, runs its Logic every tick
// while it is Active, draws it over itself and acts on the scorecard action Logic returns.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"

class TAnimation;
class TBitmapFont;
class TGameChannel;
class TGameImage;
class TTimeBonusDialog;
class TCourseEndDialog;

// Logic returns the scorecard actions SCORECARD_NONE ... SCORECARD_COURSE_DONE (play/game_screen.h),
// which the play screen acts on.

class TScoreCardScreen : public TScreen {
 public:
  static constexpr int ZOOM_LENGTH = 300;  // ms, the zoom in and the zoom out each
  // Pixels between the digits of a hole's par of two digits, as in the out and in columns.
  static constexpr float PAR_CLOSE_STEP = 11.0f;
  // Advance and left offset of each handwritten glyph frame (0..18): digits 0-9, minus, plus, the
  // level-par mark, the multiplier sign, the decimal point, equals, dollar, euro, yen.
  static constexpr std::array<int, 19> HandwritingCharWidths = {10, 6, 14, 8, 12, 9, 9, 8, 10, 10, 9, 12, 11, 14, 4, 9, 12, 14, 10};
  static constexpr std::array<int, 19> HandwritingOffsets = {6, 7, 2, 6, 4, 5, 6, 6, 5, 5, 5, 5, 5, 3, 8, 5, 5, 1, 6};

  int Active = 0;    // 1 from Show until killed; a disabled card stays active
  int Disabled = 0;  // 1 after Finalise(1): drawn while the play screen leaves, no input
  int MidHole = 0;   // 1: opened during a hole (only "back")
  int Front9Showing = 1;
  std::shared_ptr<TAnimation> Zoom;
  int ZoomIn = 1;  // 1 while zooming in or up, 0 once Close started the zoom out
  std::shared_ptr<TGameImage> Front9, Back9;
  std::shared_ptr<TGameImage> FontParGreen, FontHandwritingGray, FontHandwritingRed;
  std::shared_ptr<TGameImage> LabelMinutes, LabelSeconds, LabelLongestDrive,
      LabelLongestDriveEndBracket, LabelBonus, LabelBonusExtra, LabelGoal, LabelGoalComplete;
  std::shared_ptr<TGameImage> OutInTotal, RedNote, TextColumn1, TextColumn2, RedCircle;
  float StartScale = 0.074f;
  float StartRotation = 10.0f;  // degrees
  std::shared_ptr<TBitmapFont> NextUnlockFont;
  std::vector<std::string> NextUnlockText;  // the goal, wrapped to 188 pixels
  int ShowGoalComplete = 0;
  int PostDialogAction = 0;  // the action kept while a reward dialog is open
  // Holes 1-9 and 10-18: [0] par sum, [1] cards left sum, [2] result sum.
  std::array<int, 3> out{}, in{};
  std::array<int, 18> perfects{};
  int HoleLongestDrive = 0;
  int Bonus = 0;
  int OldTotalCash = 0;  // cash before this hole's winnings
  int WinningsDue = 0;   // 1 from the end of a hole until StoreWinnings has paid it
  int PurseWon = 0;
  int PurseValue = 0;
  int mins = 0, secs = 0;  // the hole's time taken
  std::shared_ptr<TTimeBonusDialog> TimeBonusDialog;
  int ShowGopherDialog = 0;  // the course-end dialog is still to come
  std::shared_ptr<TCourseEndDialog> GopherDialog;
  std::shared_ptr<TGameChannel> TuneChannel;

  TScoreCardScreen();
  ~TScoreCardScreen() override;

  // Run before every Show: pictures, buttons, the hole's bonus, the goal text and the time taken.
  int Load() override;
  // Drops the pictures, menu and tune; the dialogs stay.
  int Kill() override;
  // One tick; returns a scorecard action.
  int Logic() override;
  // Draws nothing unless Active; 1 after a full draw, 0 while zooming.
  int Draw() override;

  // Fills NextUnlockText, NextUnlockFont and ShowGoalComplete.
  virtual int SetNextUnlockText();
  virtual int ApplyStats();
  // Stores the hole in the course arrays and sums the nines.
  virtual int CalcCourseGrid();
  virtual int Show(int midHole);
  virtual int GopherDialogDisplay();
  // Course unlocks, best score and trophies after "saveandexit" or "continue"; 1 when a reward
  // dialog is now open (the action then waits in PostDialogAction).
  virtual int CheckCourseUnlock(int action);
  // Starts the zoom out.
  virtual int Close();
  virtual int PlayCloseSound();
  virtual int StopTune();
  // 0: killed and inactive; 1: disabled, drawn until the play screen kills it.
  virtual int Finalise(int flag);
  // The hole's winnings: run multiplier x (hole cash + bonus).
  virtual int GetYouWon();
  // Pays the winnings once per finished hole and updates the totals and career statistics.
  virtual int StoreWinnings();
  // When a finished hole is not paid yet (its card is loading or zooming in), records it in the
  // course arrays and pays it as the card does, so that a save made now (a quit, a fatal error)
  // keeps the whole hole. A timed hole is paid without its time bonus, which needs the card's
  // dialog. 1 when it paid, else 0.
  int PayWinningsDue();
  virtual int DrawMainImage(double scale);
  virtual int DrawUnlockCondition(double scale, double x, double y);
  virtual int DrawCourseGrid();
  // A result against par centred on x: red under par, the level-par mark at par.
  virtual int OutputRedNumber(int value, int x, int y);
  // A hole's par in the green par font, its place on the card at x: one digit at x, `step` being
  // the font's cell width; more digits closer together around the same middle.
  int DrawHolePar(int par, float x, float step);
  virtual int DrawHoleStatGrid();
  // An amount with the currency sign in front; returns the width drawn.
  virtual int OutputCurrency(int value, float x, float y, float scale);
};
