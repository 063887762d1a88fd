#pragma once
// The play screen: the screen on which holes are played. It makes the play field for each hole,
// runs it every logic tick, and answers the play field's calls (end of hole tests, the End Hole
// and End Drive buttons, the mulligan button, announcer lines, pop-up tips).

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/screen.h"

class TPlayer;
class TGameImage;
class TGameSound;
class TDialogOK;
class TCard;

class TGameScreen : public TScreen {
 public:
  // A timer flag of the end-of-hole outro animation.
  struct TOutroAnim {
    int Active = 0;
  };

  // Set while the next hole start restores the saved hole in progress.
  static inline int LoadLevelFromProfile = 0;

  std::shared_ptr<TPlayer> Player;
  int ProcessLogic = 1;  // 0 while the screen leaves after the score card: play logic stops
  int TopScore = 0;                          // a new course best waits for its dialog
  std::shared_ptr<TGameImage> LeafParticle;  // a falling leaf
  // The reward dialog on screen (course unlocked, trophy, rank, item, best score), or none.
  std::shared_ptr<TDialogOK> UnlockedDialog;
  int RankUnlocked = 0;  // rank steps granted by the last course unlock, until their dialog shows
  int ItemUnlocked = 0;  // shop positions granted by the last course unlock, likewise
  // Pending trophy ids by slot, -1 when empty.
  std::array<int, 13> TrophyDialogs{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  std::shared_ptr<TGameImage> TimeUpParticle;  // "time's up" sign of a timed hole
  int LastWildshotCard = -1;
  float WildshotAnimCounter = 0;  // above 0 while a wild shot animation runs
  int WildshotAnimType = 0;
  int CardToIronAnim = 0;         // iron cards on their way into the bag or morphing
  int NearPerfectPlayed = 0;
  std::shared_ptr<TGameSound> AnnouncerSound;  // the announcer line loaded last, or none
  std::shared_ptr<TGameImage> ClearedParticle, InvalidParticle, WedgeFoundParticle,
      IronFoundParticle;
  float IdleCounter = 0;          // ticks since the player last acted
  float StockPenaltyCounter = 0;
  int MissedCardPopUps = 0;
  std::shared_ptr<TDialogOK> PopUpTipDialog;
  // Builds the pop-up tip dialogs (MakePopUpTipDialog; tests put a builder of their own here).
  std::function<std::shared_ptr<TDialogOK>(const std::string&)> PopUpTipBuilder;
  int PopUpTipType = 0;
  TOutroAnim OutroAnim;
  std::weak_ptr<class TParticle> CurrentFloatingText;  // the sign floating up now, if any
  int PerfectHoleRecorded = 0;
  int EndHoleEnabled = 0;  // the End Hole control's state while the screen has no menu
  int LevelEndTests = 0;   // how many times the end of the hole was tested
  std::shared_ptr<TCard> ToolTipCard;  // the stock top shown face up (avatar item 3)

  TGameScreen();

  // Asked by the application when the window is closed: 0 while no hole is being played.
  static int TerminatedUserFunction();
  // -1 when the play screen is not current or the score card is open; 0 without a play field;
  // 1 while a play animation runs; else 0.
  static int TestForAnims();

  int Load() override;
  int Start() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;

  // Makes the play field and reads the current hole into it.
  int LevelLoad();
  // Drops the play field and the hole's token streams.
  int KillGameObjects();
  // The play field's tick and the token streams.
  int ManageAll();
  // The mulligan of an iron collected by the last stock move.
  int MulliganStart();
  int MulliganDisable(int flag);
  // 1 while the mulligan's returning card still moves.
  int MulliganManage();
  int EndDriveButtonShow();
  int EndDriveEnable(int flag);
  // flag 0 disables End Hole; flag 1 enables it when nothing runs any more (then 1, else 0).
  int EndHoleEnable(int flag);
  // Records a perfect hole once the layout is clear, then asks EndHoleEnable(1).
  int LevelEndTest();
  int PopUpsReset();
  // Loads an announcer line with the speech chance of `key`; SpeechPlay plays it.
  int SpeechLoad(const std::string& key, const std::string& file);
  int SpeechPlay(const std::string& key);
  int ToolTipCardAssign();

  // Whether the End Hole control is enabled now.
  bool EndHoleIsEnabled() const;

 private:
  // The menu button of that name (any case), or none.
  std::shared_ptr<class TButton> MenuButton(const std::string& name) const;
};
