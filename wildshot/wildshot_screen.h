#pragma once
// The wild shot screen: the dialog that drops over the play screen when a wild shot card reaches
// the foundation. It shuffles, shows the drawn story with its animation and result, runs the
// long-drive, putting and lost-ball mini-games of three stories, and hands the outcome back to the
// play screen. It is never switched to: the play screen calls Logic every tick and Draw every frame
// and polls Active to hold its own play while the dialog is open.
//
// The story side lives in wildshot_screen*.cpp; each mini-game in its own mini_game_*.cpp.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"
#include "platform/random.h"
#include "wildshot/story_file.h"

class TAnimation;
class TBitmapFont;
class TCard;
class TCardList;
class TGameChannel;
class TGameImage;
class TGameSound;
class TLine;
class TPixieDust;
class TSprite;
struct TPlaySnapshot;
struct TPuttBall;

// What Logic hands to the play screen in Result.
constexpr int WILDSHOT_RESULT_OK = 1;
constexpr int WILDSHOT_RESULT_DROPPED = 2;

// The phases of a mini-game (MinigamePhase).
constexpr int MINIGAME_PHASE_AIMING = 0;   // the player aims; "shoot" is live, instructions shown
constexpr int MINIGAME_PHASE_RUNNING = 1;  // the shot runs, or Lost Ball's cards are turned
constexpr int MINIGAME_PHASE_RESULT = 2;   // the result is fixed and shown; "OK" ends the game

// One item of the long drive's landscape: a picture and its top-left corner in unscrolled screen
// coordinates (the panel's place included). The picture is shared with the screen's fields.
class TScenery {
 public:
  std::shared_ptr<TGameImage> image;
  float X = 0.0f, Y = 0.0f;
};

class TWildshotScreen : public TScreen {
 public:
  static constexpr float DIALOG_GRAVITY = 0.36f;  // pixels per tick added to YSpeed while falling
  static constexpr int MAX_CLOUDS = 2;
  static constexpr int MAX_TREES = 4;
  static constexpr int MAX_MARKERS = 7;
  static constexpr int MAX_SCENERY1 = 50;
  static constexpr int MAX_SCENERY2 = 8;
  static constexpr int MAX_SCENERY3 = 18;
  static constexpr int MAX_SCENERY4 = 6;
  static constexpr int MAX_SCENERY_SIGNS = 14;
  static constexpr int MAX_LINES = 100;
  static constexpr int BlocksAcross = 13;
  static constexpr int BlocksDown = 8;
  static constexpr int MAX_MINIGAME_CARDS = 10;

  // Dialog state and motion.
  int Active = 0;      // 1 from Show until Hide; the play screen holds its play meanwhile
  int MouseState = 0;  // the pointer's state when Show ran; Hide puts it back
  std::shared_ptr<TGameSound> ActivateSound, DeactivateSound, SlideSound, ShuffleSound;
  std::shared_ptr<TGameChannel> ShuffleChannel;  // where the looping shuffle plays
  std::shared_ptr<TGameSound> MinigameSound;
  std::shared_ptr<TGameSound> AnimSound;  // the drawn story's own sound, if it has one
  std::shared_ptr<TGameImage> Icon;       // the picture before play and during the shuffle
  int IconFrame = 0;
  std::shared_ptr<TGameImage> Frame;    // brass border drawn over the board
  std::shared_ptr<TGameImage> Overlay;  // over the picture's slot
  std::shared_ptr<TGameImage> HeaderImage;  // the standard headline, put back before each event
  int HeaderXOffset = 5;
  std::shared_ptr<TGameImage> WildshotFirstFrames;
  std::shared_ptr<TGameImage> GopherFirstFrame;
  std::shared_ptr<TGameImage> DefaultWildshot;
  std::shared_ptr<TGameImage> WildshotAnimStrip;
  float WildshotAnimCounter = 0.0f;  // ticks left of the story animation
  int WildshotAnimLength = 0;        // ticks
  int WildshotAnimFrames = 0;
  int FirstFrame = 0;
  int LastFrame = 0;
  int MenuY = 433;  // the buttons' y below the dialog's top (ScreenHeight - 167)
  int Bounces = 3;
  float Y = 0.0f;
  float TopY = 0.0f;  // the top edge everything is drawn against this tick
  float YSpeed = 0.0f;
  int FinalY = 0;
  std::shared_ptr<TPixieDust> PixieDust;  // made by the HUD at every hole start
  float IconX = 0.0f, IconY = 0.0f;
  int IconStartX = 0;
  int IconStartY = 249;
  int IconDX = 136, IconDY = -28;
  std::shared_ptr<TAnimation> Unroll;
  std::shared_ptr<TAnimation> ShufflingAnim;
  float ShuffleCounter = 0.0f;
  int ShuffleCounterLength = 0;
  std::shared_ptr<TAnimation> CardSlide;
  std::shared_ptr<TAnimation> TextFade;

  // Texts of the story file.
  std::vector<std::string> InitialText;
  std::string Penalty1, Penalty2;
  std::string ShufflingText;

  // Story state.
  std::vector<TWildshot> Stories;  // story n is Stories[n - 1]
  int StoriesCount = 0;
  int ChosenStory = -1;  // story number - 1; -1 while none is drawn
  int SpecialValue = 0;
  std::string SpecialText;
  int SpecialValue2 = 0;
  std::string SpecialText2;
  int PenaltyType = 0;  // 1: two stock cards; 2: 200 cash
  std::vector<int> ChanceArray = std::vector<int>(500, 0);
  int ChanceCount = 0;
  std::vector<std::string> Text;   // the page, word-wrapped
  std::vector<std::string> Text2;  // the result, word-wrapped
  int PageWidth = 326;
  int PageWidth2 = 228;
  int TotalLines = 0;
  int TotalResultLines = 0;
  int Good = 0;
  int GoodChance = 0;
  int BadChance = 0;
  int Result = -1;  // -1 while open; WILDSHOT_RESULT_OK or WILDSHOT_RESULT_DROPPED

  // Mini-game hand-over.
  int Minigame = 0;  // 0 none, 1 long drive (25), 2 putting (26), 3 lost ball (12)
  int MinigameActive = 0;
  int MinigameGood = 0;
  std::shared_ptr<TAnimation> MinigamePreFadeIn;
  std::shared_ptr<TAnimation> MinigameFadeIn;

  // The mini-game panel.
  float MinigameDim = 0.65f;
  int MinigameX = 50;
  int MinigameY = 166;
  int MinigameW = 416;
  int MinigameH = 264;
  std::shared_ptr<TGameImage> MinigameBG;
  std::shared_ptr<TMenu> MinigameMenu;
  int MinigameMenuY = 0;
  int MinigamePhase = MINIGAME_PHASE_AIMING;
  int InstructionsWidth = 244;
  std::shared_ptr<TBitmapFont> InstructionsFont;
  std::shared_ptr<TBitmapFont> ExclamationFont;
  std::vector<std::string> Instructions;
  std::shared_ptr<TBitmapFont> ResultsFont;
  std::string AvatarText, AvatarText2;
  std::shared_ptr<TAnimation> MinigameFadeOut;
  std::shared_ptr<TAnimation> ResultFadeIn;
  std::string ResultText;
  int Stop = 0;

  // Long drive.
  std::array<std::shared_ptr<TGameImage>, MAX_CLOUDS> Clouds;
  std::array<std::shared_ptr<TGameImage>, MAX_TREES> Trees;
  std::shared_ptr<TGameImage> Gauge, Arrow, Ball, Shadow, Line;
  std::array<std::shared_ptr<TGameImage>, MAX_MARKERS> Markers;
  double ArrowAngle = 0.0;
  float ArrowSpeed = 0.0f;
  int ArrowRotateX = 19;
  int ArrowRotateY = 95;
  int MinigameBorderX = 10;
  int MinigameBorderY = 40;
  double BallX = 0.0, BallY = 0.0;
  int BallXOffset = 10;
  int BallYOffset = 8;
  double BallSpeed = 0.0, BallSpeedOriginal = 0.0, BallXSpeed = 0.0, BallYSpeed = 0.0;
  int BallBounces = 0;
  int GroundY = 0;
  double Friction = 0.0;
  double BounceYRatio = static_cast<double>(0.6f);
  double BounceXRatio = static_cast<double>(0.8f);
  double Gravity = static_cast<double>(0.02f);
  std::array<TScenery, MAX_SCENERY1> Scenery1;
  std::array<TScenery, MAX_SCENERY2> Scenery2;
  std::array<TScenery, MAX_SCENERY3> Scenery3;
  std::array<TScenery, MAX_SCENERY4> Scenery4;
  std::array<TScenery, MAX_SCENERY_SIGNS> ScenerySigns;
  int MarkerGap = 350;
  double ScrollX = 0.0, ScrollY = 0.0;
  float Distance = 0.0f;
  int Prize = 0;
  std::string DistanceText, WinningsText, LongDriveTextA, LongDriveTextB;
  int Target = 200;
  std::shared_ptr<TGameSound> BallBounceSound, TinyDriveSound, SmallDriveSound, MedDriveSound,
      BigDriveSound, PerfectDriveSound;

  // Putting.
  std::shared_ptr<TGameImage> Hole, Block;
  int AngleMin = 15;
  int AngleMax = 165;
  int InHole = 1;
  double HoleX = 0.0, HoleY = 0.0;
  double HoleRadius = 20.0;
  double BallRadius = 8.0;
  std::array<std::shared_ptr<TLine>, MAX_LINES> Lines;
  int LinesCount = 0;
  int Blocksize = 30;
  int MapOffsetX = 3;
  int MapOffsetY = 6;
  std::array<std::array<int, BlocksDown>, BlocksAcross> Map{};
  float IdleCounter = 0.0f;
  int IdleIterations = 0;
  int IdlePlayed = 0;

  // Lost ball.
  int BallFound = 0;
  std::shared_ptr<TCardList> Cards;
  std::vector<std::string> LostBallResultText;
  std::shared_ptr<TBitmapFont> LostBallResultFont;
  int Tries = 0;
  std::string TriesText;
  int MouseUpFlag = 1;
  std::shared_ptr<TGameSound> SoundFoundMoney, SoundFoundBall;

  TWildshotScreen();
  ~TWildshotScreen() override;

  int Kill() override;
  int Logic() override;
  int Draw() override;

  // Reads Game->TextPath + "wildshots.txt" (fatal, naming the file, when missing or malformed).
  int LoadTextData();
  // Loads the dialog's board, headline, frame, overlay and buttons, kept for the whole run.
  int PreCache();
  // Resets the event's state and loads its animations, pictures and sounds. Before each Show.
  int LoadSpecial();
  int LoadMiniGame();
  int LoadShootButton();
  int LoadMinigameOKButton();
  int LoadLongDrive();
  int LoadPutting();
  int LoadLostBall();
  // Where the current course stands in the course list, 0 .. 1.
  float GetCourseRatio();
  int LineAdd(int x1, int y1, int x2, int y2);
  // The opening text with the penalty line that fits the stock; sets PenaltyType.
  int SetText();
  // Releases what PreCache loaded (at shutdown).
  int KillPrecachedData();
  int KillMinigame();
  // Word-wraps Text around the picture (the page narrows from its third line).
  int WrapText();
  // One tick of the running mini-game: 1 while it runs, -1 when its OK rolls the dialog up, 0 when
  // none runs.
  int MinigameLogic();
  int MinigameLongDrive();
  int MinigamePutting();
  int ReboundBall(const std::shared_ptr<TLine>& line);
  int MinigameLostBall();
  int MinigamePuttingBounceSound();
  // Stops the shuffle and starts the drawn story.
  int ShuffleEnd();
  // Starts rolling the dialog up.
  int RollUp();
  // Draws a story that fits the play now and prepares its values, texts and assets.
  int ChooseStory();
  // One weighted draw: a story number.
  int RandStory();
  // The number of an iron as the story texts say it ("a 7", "an 8" in region 0).
  std::string MakeIronText(int iron);
  // flag 1 opens the dialog.
  int Show(int flag);
  int EnableButtons(int flag);
  int Hide();
  int MinigameDraw();
  int MinigameDrawResult(const std::string& text, int y);
  int DrawSceneryItem(const TScenery& item);
  int DrawLongDrive(float alpha);
  int DrawPutting(float alpha);
  int DrawLostBall(float alpha);
  // The flip-end callback of the lost-ball cards.
  static int CheckFlippedCard(TCard* card);

  // The result lines: "Winnings: $250" (the region's currency character, none outside the three
  // regions) and "Distance: 287.43yds" ("m" outside region 0).
  std::string WinningsLine() const;
  std::string DistanceLine() const;

  // The story the shuffle will draw, foreseen when Play is pressed, and its headline, animation
  // and sounds, loaded a piece at a time while the card slides in: the tick that stops the shuffle
  // then decodes nothing. ChooseStory still draws for itself and takes a piece only when it is of
  // the story drawn; any other piece is loaded there as before.
  static constexpr int READY_PIECE_GAP_MS = 30;  // between two pieces: about two frames apart
  struct TReadiedStory {
    int Story = 0;      // the story number foreseen; 0 for none
    int Pieces = 0;     // how many loading steps are done (the pieces below load in their order)
    float Wait = 0.0f;  // ticks until the next step
    std::shared_ptr<TSprite> Header;
    std::shared_ptr<TGameImage> Strip;
    std::shared_ptr<TGameSound> Sound;   // none for the mini-game stories
    std::shared_ptr<TGameSound> Speech;  // the announcer's line; none for the mini-game stories
  };
  TReadiedStory Readied;
  // What Play starts: the card slide, with the story it leads to foreseen and readied.
  int PlayWild();
  // Foresees the story the shuffle will draw (its generators left as they were); readies it.
  int ReadyStory();
  // Once a tick: loads the next piece of the readied story when it is due; 1 on a tick that did.
  int ReadyNextPiece();

  // Tests and the bench force the story drawn next (a wild shot story number that still has to
  // fit the play; 0 draws as usual).
  int ForcedStory = 0;

  // The dialog board's size and left edge (512 x 512 until PreCache has loaded it).
  int DialogWidth() const;
  int DialogHeight() const;
  int DialogLeft() const;
  // Ticks between two sparkle bursts at the player's particle setting (above 0).
  float SparkleInterval() const;
  // The story file's table and the state of play, as the story rules read them.
  TStoryFile StoryTable() const;
  TPlaySnapshot TakePlaySnapshot() const;
  // The play field's generator; the screen's own when no hole is in play.
  platform::Random& Rng();

 private:
  platform::Random OwnRng;
  // Sets the story up for its result page: the texts with their values at the markers.
  int ShowResult();
  int StartShuffle();
  int NextShuffleFrame();
  int ShuffleFrames() const;
  // The mini-game panel's menu, instructions and tries line, over the dialog.
  int DrawMinigameControls();
  // A text-table entry with "XX" replaced by `value`, split and wrapped to the instructions' width.
  std::vector<std::string> InstructionLines(const std::string& key, int value);
  std::string TextOf(const std::string& key) const;
  // Plays on the play field's channels at pan 0.
  void PlayField(const std::shared_ptr<TGameSound>& sound, float volume);
  // At the result: "shoot" goes, "OK" is drawn while it fades in.
  void ShowResultButtons();
  // Darkens the panel at `alpha`.
  void DimPanel(float alpha);
  // The result overlay shared by the games: the dimming and, in the result phase, the headline at
  // `headline_y`; returns the alpha the result lines are drawn at (0 before the result phase).
  float DrawResultHead(int headline_y);
  // The putt as the ball rules see it.
  TPuttBall PuttState() const;
};
