#pragma once
// The play screen: the screen on which the holes of a course are played. It starts each hole
// (its objects, the play field with its hole file, the deal, the HUD), runs it tick by tick with
// its overlays and five buttons, draws it layer by layer and ends it through the scorecard.
// Around that it carries mulligans, the End Drive button, the stock penalty, the outcomes of wild
// shots and their card animations, floating cards, the stock-top tool-tip card, the announcer and
// the course's ambience. One instance, the global GameScreen.
//
// The methods are spread over files by subject: game_screen.cpp (life cycle and resources),
// game_screen_hole.cpp (hole start), game_screen_deal.cpp, game_screen_logic.cpp,
// game_screen_draw.cpp, game_screen_end.cpp (end of hole and the scorecard's answer),
// game_screen_end_drive.cpp, game_screen_mulligan.cpp, game_screen_penalty.cpp,
// game_screen_tooltip.cpp, game_screen_wildshot.cpp (outcomes and animations),
// game_screen_ambience.cpp, game_screen_speech.cpp, game_screen_buttons.cpp,
// game_screen_particles.cpp and game_screen_float.cpp.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"
#include "platform/audio.h"

class TPlayer;
class TGameImage;
class TGameSound;
class TGameChannel;
class TDialogOK;
class TCard;
class TAnimation;
class TSprite;
class TParticle;
class TAmbientAnim;
class TButton;
struct THUDFilePictures;

// The wild shot animation that runs (WildshotAnimType).
enum : int {
  WILDSHOT_ANIM_NONE = 0,
  WILDSHOT_ANIM_WATER = 1,
  WILDSHOT_ANIM_SAND = 2,
  WILDSHOT_ANIM_IRON = 3,
  WILDSHOT_ANIM_CLEAR = 4,
  WILDSHOT_ANIM_PICK = 5,
  WILDSHOT_ANIM_SHUFFLE = 6,
};

// What the scorecard asks for when it closes.
enum : int {
  SCORECARD_NONE = 0,
  SCORECARD_CLOSED = 1,
  SCORECARD_SAVE_AND_EXIT = 2,
  SCORECARD_NEXT_HOLE = 3,
  SCORECARD_COURSE_DONE = 4,
};

// A wild shot story's own step (defined with the story table).
enum class TStoryStep;

class TGameScreen : public TScreen {
 public:
  static constexpr int MAX_AMBIENT_SOUNDS = 8;
  static constexpr int MAX_AMBIENT_ANIMS = 11;
  static constexpr int TROPHY_COUNT = 13;
  // The deal's bound: holes with more value-taking cards, or a card ID of 100 or more, are refused.
  static constexpr int MAX_VALUE_CARDS = 51;
  static constexpr int FIRST_STOCK_ID = 100;

  // Set while the next hole start restores the saved hole in progress.
  static inline int LoadLevelFromProfile = 0;

  int ProcessLogic = 1;
  std::shared_ptr<TPlayer> Player;
  std::shared_ptr<TCard> ToolTipCard;  // the stock top shown face up (avatar item 3)
  float ToolTipCounter = 0;
  int ToolTipCounterLength = 0;
  float ToolTipLabelAlpha = 0;
  int RankUnlocked = 0;
  int ItemUnlocked = 0;
  // Trophies waiting to be announced: slot i holds i, -1 for none.
  std::array<int, TROPHY_COUNT> TrophyDialogs{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  int TopScore = 0;
  int LastWildshotCard = -1;
  std::shared_ptr<TGameImage> Middle;
  // The HUD's file pictures, decoded at the visit's first hole and shared by the holes after it;
  // let go by Kill.
  std::shared_ptr<THUDFilePictures> HUDPictures;
  std::shared_ptr<TGameImage> LevelEndImage;
  std::shared_ptr<TGameImage> Mulligan0Disabled, Mulligan0Down, Mulligan1, Mulligan1MO,
      Mulligan1Disabled, Mulligan1Down, Mulligan2, Mulligan2MO, Mulligan2Disabled, Mulligan2Down,
      Mulligan3, Mulligan3MO, Mulligan3Disabled, Mulligan3Down;
  std::shared_ptr<TAnimation> IntroAnim;
  std::shared_ptr<TAnimation> OutroAnim;
  int LevelEndClicked = 0;
  std::shared_ptr<TSprite> Go;
  std::shared_ptr<TGameImage> PerfectParticle, InvalidParticle, ClearedParticle,
      WedgeFoundParticle, IronFoundParticle, WaterHazardClearedParticle, LongDriveParticle,
      FiveParticle, XParticle, MultiplierParticle, ClickPlayableCardParticle, TimeUpParticle,
      FullLengthIron, IronHead, IronHandle, LeafParticle, WhackParticle, CardToIronMorph,
      XRayingParticle;
  std::weak_ptr<TParticle> CurrentFloatingText;  // the sign floating up now, if any
  platform::ChannelRef ChannelStatus;
  platform::ChannelRef ChannelXRay;
  std::shared_ptr<TGameSound> SoundLevelStart, SoundPerfect, SoundSlide, SoundShuffle;
  std::shared_ptr<TGameChannel> ChannelShuffle;
  platform::ChannelRef ChannelAmbient;
  std::array<std::shared_ptr<TGameSound>, MAX_AMBIENT_SOUNDS> AmbientSound{};
  int AmbientSoundTotal = 0;
  float SoundCounter = 0;
  float SoundCounterMax = 0;
  std::shared_ptr<TGameSound> AnnouncerSound;  // the remark waiting to be played, or none
  std::array<int, 10> SpeechCourseTotals{3, 3, 3, 3, 3, 4, 5, 4, 4, 2};
  float IdleCounter = 0;
  int IdlePlayed = 0;
  int NearPerfectPlayed = 0;
  float StockPenaltyCounter = 0;
  int StockPenaltyLength = 0;
  int StockPenaltyQty = 0;
  int StockPenaltyInterval = 0;
  float StockPenaltyIntervalCounter = 0;
  float MulliganAnimCounter = 0;
  float MulliganGlowCounter = 0;
  // Set when a hole starts: once its first frame is drawn (every picture it shows is in the
  // renderer), pictures not drawn yet give back their pixels.
  int ReleasePixelsAfterDraw = 0;
  int MulliganGlowLength = 0;
  int WildshotAnimType = 0;
  int WildshotAnimPhase = 0;
  float WildshotAnimCounter = 0;
  int WildshotAnimLength = 0;
  int WildshotInterval = 0;
  float WildshotIntervalCounter = 0;
  std::shared_ptr<TParticle> WildshotParticle;
  float PerfectCounter = 0;
  int CardToIronAnim = 0;  // iron cards on their way into the bag or morphing
  int EndDriveOffsetX = -6;
  int EndDriveOffsetY = 20;
  std::shared_ptr<TDialogOK> UnlockedDialog;
  std::shared_ptr<TDialogOK> PopUpTipDialog;
  // Builds the pop-up tip dialogs (MakePopUpTipDialog; tests put a builder of their own here).
  std::function<std::shared_ptr<TDialogOK>(const std::string&)> PopUpTipBuilder;
  int PopUpTipType = 0;
  int MissedCardPopUps = 0;
  int IronPopUps = 0;
  int LongDrivePopUps = 0;
  std::array<std::shared_ptr<TAmbientAnim>, MAX_AMBIENT_ANIMS> AmbientAnims{};
  int AmbientAnimsTotal = 0;
  float GopherActiveCounter = 0;
  // The deal's two chance draws (irons, then wild shots) taken from here while it holds any; the
  // game leaves it empty, tests force the draws with it.
  std::vector<int> DealRolls;

  TGameScreen();
  ~TGameScreen() override;

  // Life cycle (game_screen.cpp).
  int Load() override;
  int Start() override;
  int CoreStart() override;
  int PostFadeIn() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  int SetEscDestination() override;
  int SpecificKeys() override;

  int AddGopherCoords(const std::shared_ptr<TAmbientAnim>& anim);
  int AmbientAnimsManage();
  int BitmapFontsPrecache();
  int ClearLists();
  int ClearCounters();
  int ClearParticles();
  int CreateStaticAmbientAnims();
  int DrawEndDrive();
  int DropStockCards(int count);
  int EndDriveButtonShow();
  static int EndDriveButtonTest();
  int EndDriveClicked();
  int EndDriveEnable(int flag);
  // flag 0 disables End Hole; flag 1 enables it when nothing runs any more (then 1, else 0).
  int EndHoleEnable(int flag);
  int FillGrid();
  // Moves the stock's first card of type `cardType` (an iron or a wild shot) so that it is the
  // card turned up by stock turn `turn` (1: the top); 0 when the stock holds no such card.
  int StockCardToTurn(int cardType, int turn);
  int FloatCards(const std::vector<std::shared_ptr<TCard>>& cards);
  int FloatingCardsMake(const std::vector<std::shared_ptr<TCard>>& cards, int mode);
  int GameStart();
  int IntroCheck();
  int KillGeneric();
  int KillGameObjects();
  int LevelEnd();
  int LevelEndTest();
  int LevelLoad();
  int LevelNext();
  int LevelRestart();
  int LevelStart();
  int LoadAmbientAnims(const std::string& backgroundImage);
  int LoadAmbientSound(const std::string& soundName);
  int LoadMenu(int desert);
  int LoadParticles();
  int ManageAll();
  int MulliganDisable(int flag);
  // 1 while the mulligan's returning card still moves.
  int MulliganManage();
  static int MulliganMouseOver();
  int MulliganStart();
  int PerfectAnimManage();
  int PlayStartSound();
  int PopUpsReset();
  // Copies the tip counters into the player's saved game, which the player's file keeps.
  int TipsKeep();
  int ScoreCardProcessResult(int action);
  int ScoreCardGoToNextLevel(int onlyRecord);
  int SetMenuCoords();
  int SetMulliganImages();
  int SpeechClear();
  int SpeechCourseLoad();
  // Loads an announcer line with the speech chance of `category`; SpeechPlay plays it. `loaded`,
  // when given, is that line already loaded from `file`, taken in place of loading it again.
  int SpeechLoad(const std::string& category, const std::string& file,
                 std::shared_ptr<TGameSound> loaded = nullptr);
  int SpeechPlay(const std::string& category);
  int StatusTextDraw();
  int StockPenaltyManage();
  int StockPenaltyKill();
  // Asked by the application, every step while a quit (a signal, the window closed) waits: 0
  // lets it go ahead, 1 makes it wait. Play that moves (a card on its way, tokens, a shuffle)
  // makes it wait until it rests; play that waits for the player (the wild shot's dialog and its
  // mini-games, the rifle's aim, the hint) cannot be waited for, so the hole is recorded as it
  // stands, before the open wild shot's outcome and without the rifle's shot, and the quit goes.
  static int TerminatedUserFunction();
  // Installed as the fatal-error hook (ccFatalErrorHook): on the play screen, records the round as
  // a quit does and writes the player's file, so a damaged data file met mid-round (the score
  // card's picture after a hole, a mini-game's) costs no played hole. Play still moving is not
  // recorded.
  static void SaveRoundBeforeFatalError();
  // True while play waits for the player: the wild shot's dialog, the rifle's aim or the hint.
  bool WaitsForThePlayer() const;
  // -1 not playing, 1 busy, 0 at rest.
  static int TestForAnims();
  int ToolTipCardAssign();
  int ToolTipCardCreate();
  int ToolTipCardCreateCore();
  int ToolTipCardDraw();
  int ToolTipCardManage();
  int WildshotAnimManage();
  int WildshotAnimKill();
  int WildshotBoostCash(int amount);
  int WildshotProcessStory();
  int WildshotTokenPenalty(int amount);

  // Whether the End Hole button is enabled now.
  bool EndHoleIsEnabled() const;
  // The menu button of that name (any case), or none.
  std::shared_ptr<TButton> MenuButton(const std::string& name) const;
  // One step of the reward queue when a reward dialog closes: 1 when a dialog was opened.
  int OpenNextReward();

 private:
  // The buttons the screen has before its first Load: the five names without pictures, so the
  // play field's calls find them in every state.
  void MakeBareMenu();
  // The card-pick, shuffle and stepped branches of WildshotAnimManage.
  int WildshotPickManage();
  int WildshotShuffleManage();
  // A wild shot story's own step, after the amounts of its row in the story table, and the
  // longer of those steps.
  void WildshotStoryStep(TStoryStep step, int value);
  void WildshotNewIron(int iron);
  void WildshotMulliganWon();
  void WildshotShuffleStart();
  // True while the player owns the avatar item of that id.
  bool OwnsItem(int id) const;
};

// The deal's chances: irons for a draw r of 1..100 with `held` irons in the bag (0, 1 or 2), and
// wild shots for a draw r.
int DealIronCount(int r, int held);
int DealWildshotCount(int r);
// The ambient sounds of a course type word, in slot order (none for an unknown word).
std::vector<std::string> AmbientSoundNames(const std::string& courseType);
// The strips of the ambient animations of a background picture, in the order they are made.
std::vector<std::string> AmbientAnimImageNames(const std::string& backgroundImage);
// Every announcer recording the play screen may load during play, relative to the speech folder
// (the course welcomes of that course type only, or of every type for an empty word).
std::vector<std::string> AnnouncerRecordings(const std::string& courseType);
// The result picture under "particles/" of a hole result below par (-1 birdie ... -4 and below
// triple eagle); empty at par or above.
std::string LevelEndImageName(int result);
