#pragma once
// The play screen's heads-up display: the golf cart with the bag of irons, the hole marker, the
// score sign with the avatar, the hole-cash sign, the stopwatch of timed holes, the run indicator
// with the long-drive club and ball, the 5x celebration and the screen shake. It also keeps the run
// (the drive) and the winnings multiplier of the hole being played.
//
// One object per hole, in the global HUD: the play screen makes it at every hole start, calls
// LoadImages, then Init (after the player's per-hole reset), then sets FlagLevel; each logic tick
// it calls Manage (after TPlayer::Manage), each frame Draw, and Kill when it drops the hole. The
// pictures it reads from files are decoded once and shared by the holes that follow
// (THUDFilePictures, kept by the play screen while it is loaded).
// Counters are logic ticks (float, run down by Delta); lengths are whole ticks; positions are
// logical screen pixels.

#include <array>
#include <memory>
#include <string>

#include "cards/iron_data.h"
#include "play/kept_pictures.h"
#include "util/types.h"

class TCard;
class TGameImage;
struct THUDFilePictures;
class TParticle;
class TParticleGenerator;
class TPixieDust;

class THUD {
 public:
  static constexpr int IRON_COUNT = 8;  // irons 2..9, slot = iron number - 2

  // Milliseconds of the long-drive sequence: the opening pause, the back-swing per card of the
  // drive, the swing through with its return, and the ball's flight.
  static constexpr int LD_PARTICLE_TIME = 300;
  static constexpr int LD_SWINGBACK_TIME = 15;
  static constexpr int LD_SWINGTHROUGH_TIME = 600;
  static constexpr int LD_BALL_TIME = 300;
  static constexpr int MAX_FIREWORKS_COLOURS = 4;

  // The rise of the multiplier earned by a run of n cards (index n; runs over 23 use the last).
  static constexpr std::array<double, 24> MultiplierArray{
      0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6,
      0.7, 0.8, 0.9, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0, 2.3, 2.6, 3.0};
  // The firework colours, filled once by LoadGlobals; the intro's fireworks use them too.
  static inline std::array<std::shared_ptr<TColor>, MAX_FIREWORKS_COLOURS> FireworkColours{};

  // ---- Images: null until LoadImages, null again after Kill ----
  std::shared_ptr<TGameImage> Cart, GolfBag, GolfBagBack, HoleMarker, RunIndicator, ScoreSign,
      HoleCashSign, StopWatch, GolfClub, GolfBall, GolfBallGhost, BallGlow;
  std::shared_ptr<TGameImage> ScoreSignFont, ScoreSignPar, HoleNumbersBig, HoleNumbersSmall,
      ParNumbers, DriveLabel, LongDriveLabel, LongDriveLabelGlow, LongDriveFont, LongDriveFontGlow,
      MultiplierFont, FlagMultiplierLabel, FiveXMultiplierLabel, FiveXMultiplierLabelGlow,
      DigitalReadoutFont, DigitalReadoutFontRed;

  // ---- Hole number and layout ----
  int FlagLevel = 1;  // the hole shown on the marker; the play screen sets it at hole start
  int HOLECASHX = 359, HOLECASHY = 64;  // where cash tokens land (the hole-cash sign)
  int CASHX = 88, CASHY = 520;          // where penalty tokens start (the score sign)
  int STOPWATCHX = 193, STOPWATCHY = 0;
  int SCORESIGNX = 9, SCORESIGNY = 435;
  int GOLFBAGX = 538, GOLFBAGY = 551;  // top-left of the front of the bag
  int MULLIGANX = 0, MULLIGANY = 0;    // the play screen's mulligan button; set by Init
  int CARTX = 545, CARTY = 430;
  int IRONSX = 555, IRONSY = 555;  // reference point of the iron flights
  int LONGRUNX = 435, LONGRUNY = 0;  // the run indicator (drawn 10 pixels further left)

  // ---- Hole-cash sign ----
  int HoleCashActive = 0;  // 1 once the sign has dropped in this hole (saved with the hole)
  int HoleCashBounces = 0;  // floor contacts still to come
  int HoleCashSignX = 300;
  float HoleCashSignY = 0;       // top edge; rests at -20
  float HoleCashSignYSpeed = 0;  // pixels per tick, downwards
  float HoleCashWobble = 0;      // ticks left of the shake after a token hit
  int HoleCashWobbleLength = 0;  // ticks
  std::shared_ptr<TPixieDust> HoleCashPixieDust;

  // ---- Bag and stopwatch ----
  int IronsMO = 0;  // iron number under the pointer, 0 for none (written by the play field)
  std::array<std::shared_ptr<TGameImage>, IRON_COUNT> IronImages{}, IronImagesMO{}, IronImagesArea{};
  std::array<int, IRON_COUNT> Irons_X{}, Irons_Y{};
  std::array<std::shared_ptr<TIronData>, IRON_COUNT> IronData{};
  std::array<float, IRON_COUNT> IronsGlow{};
  int IronsGlowLength = 0;
  std::array<float, IRON_COUNT> IronsScale{};
  float StopWatchGlowCounter = 0;
  int StopWatchGlowLength = 0;
  float StopWatchScale = 1.0f;

  // ---- Run and multiplier ----
  int LongDrive = 0;      // 1 from the 6th card of a run until a later run ends short
  int DriveEnded = 0;     // 1 after the player ended a long drive with End Drive
  int GenuineDrive = 0;   // the running sequence was started by End Drive (not a wild shot)
  int LastDriveLength = 0;
  int DriveLength = 0;    // cards in the current run
  double Multiplier = 0.0;       // in force (eased towards MultiplierGhost while the ball flies)
  double MultiplierGhost = 0.0;  // pending
  double Margin = static_cast<double>(0.00001f);  // tolerance of the threshold tests
  double LastMultiplier = 0.0;       // Multiplier when the last ball flight started
  double LastMultiplierGhost = 0.0;  // MultiplierGhost before its latest change by the run
  std::shared_ptr<TCard> NextStockCard;  // turned onto the foundation when the drive ends
  int NextStockCardWasNull = 0;

  // ---- Club, ball and celebration ----
  int ClubFrame = 0;
  int ClubNeutralFrame = 26;
  int ClubFramesTotal = 53;
  float ClubGlowCounter = 0;
  int ClubGlowLength = 0;
  int IronSoundPlayed = 0;
  float MultiplierAnimCounter = 0;
  int MultiplierAnimLength = 0;
  float BallAnimCounter = 0;
  int BallAnimLength = 0;
  int BallAnimReverse = 0;
  float BallGlowCounter = 0;
  int BallGlowLength = 0;
  int FiveXReached = 0;
  int FiveXBonus = 0;  // cards of the current long drive so far; also the cash of its token
  float FiveXAnimCounter = 0;
  float MaxOffset = 0;  // amplitude of the screen shake, pixels
  std::shared_ptr<TParticleGenerator> LongDriveButtonSparkles;
  int SwishNoisePlayed = 0;

  THUD();
  THUD(const THUD&) = delete;
  THUD& operator=(const THUD&) = delete;

  // Fills FireworkColours; once, by the first loading stage.
  static int LoadGlobals();
  // Takes the HUD's file pictures (decoded again only when what they are read from changed, see
  // THUDFilePictures) and looks up its bank images (prints "HUD Anims: " and "HUD Images: ").
  // A missing file is fatal through the image loader.
  int LoadImages();
  // Prepares the HUD for a new hole.
  int Init();
  // Stops every animation counter.
  int ClearCounters();
  // Lets go of the images, the bag's slots and the sparkles.
  int Kill();
  float GetHUDX() const;
  // The slide of the top of the HUD: 0 in place, down to -135 while hidden.
  float GetHUDY() const;

  // One logic tick; returns 0.
  int Manage();
  // Draws the whole HUD; returns 1.
  int Draw();
  // Starts a screen shake on the global HUD (the particle is ignored; may be null).
  static int ShakeScreen(TParticle* particle);
  // One firework burst at a random place.
  int MakeFirework();

  // ---- Run, long drive and multiplier ----
  // Adds n to the run (1 per played card, -1 from a mulligan); 1 when it started a long drive.
  int DriveLengthChange(int n);
  // Ends the run: a long drive starts its club-and-ball sequence.
  int DriveLengthReset();
  int FirstLongDrive();
  int LongDriveAnimStart();
  // The ball has landed: commits the pending multiplier (flag 0: may start the 5x celebration).
  int BallAnimFinish(int flag);
  int LongDriveAnimFinish();
  int LongDriveUnlockCourse();
  // Wild-shot changes of the pending multiplier; each sends the ball along its path.
  int MultiplierBoost(float amount);
  int MultiplierDrop(float amount);
  float GetDistanceRatio(int length) const;
  // The two parts of the multiplier as drawn on the ball ("5" and "0" at the top level).
  int GetMultiplierStrings(double x, std::string& whole, std::string& frac) const;

  // ---- Ball, readout and celebration ----
  int BallAnimStart(float ratio);
  int BallAnimStartReverse();
  int FiveXAnimStart();
  int DriveLengthDraw(float x, float y);

  // ---- Signs, stopwatch and hole marker ----
  int ScoreDraw(float x, float y);
  int LevelDraw(float yOffset);
  // The widest hole name LevelDraw draws at full size (wider ones are drawn smaller).
  double HoleNameRoom() const;
  // Drops the hole-cash sign in, once per hole.
  int HoleCashBounce();
  int HoleCashDraw(float yOffset);
  int StopWatchDraw(float yOffset);
  int TimeDraw(float yOffset);
  // Time left of a timed hole in ms, raised to a whole second; 0 once the time is up.
  float TimeCalc() const;
  // A stopwatch token has landed: rings, sparkles, glow and swell.
  int StopWatchGlowEffect();

  // ---- Golf bag ----
  // Takes the irons' pictures (as LoadImages) and places the slots.
  int IronsLoad();
  int IronDraw(int n);
  int IronsDraw();
  // Puts the mask of every held iron into collision layer 1, tagged with its slot's TIronData.
  int IronsCollide();
  int GetIronX() const { return IRONSX; }
  int GetIronY() const { return IRONSY; }

 private:
  // Takes the irons' pictures from `files` and places the slots.
  int IronsFrom(const THUDFilePictures& files);
  int ManageClubSwing();
  int ManageHoleCashSign();
};

// The HUD's pictures read from files: the club strip, the cart, the bag, the signs, the stopwatch
// and the irons, kept from hole to hole as TKeptPictures says. The play screen keeps the set
// (TGameScreen::HUDPictures); without a play screen every HUD decodes its own.
struct THUDFilePictures : TKeptPictures {
  std::shared_ptr<TGameImage> GolfClub, Cart, GolfBag, GolfBagBack, HoleMarker, RunIndicator,
      ScoreSign, HoleCashSign, StopWatch;
  std::array<std::shared_ptr<TGameImage>, THUD::IRON_COUNT> Irons{}, IronsMO{}, IronsArea{};

  // The set to draw with now: the one `kept` holds when it was decoded from what is there now,
  // else a newly decoded one, which `kept` then holds (`kept` may be null: nothing is kept).
  static std::shared_ptr<THUDFilePictures> Current(std::shared_ptr<THUDFilePictures>* kept);
};
