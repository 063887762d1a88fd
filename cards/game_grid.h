#pragma once
// The play field of the hole being played: reads the hole file into the card list, holds the
// foundation, the stock position, the running card action and the input block, owns the hole's
// sound channel pool and sounds, and applies the rules of play and the cash-token bonus.
// One exists at a time, in the global GameGrid (cards/globals.h).

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "cards/card.h"
#include "cards/iron_data.h"
#include "cards/rules.h"
#include "gfx/sine_counter.h"
#include "platform/random.h"

class TChannelArray;
class TGameSound;
class TGameGrid;
using TGameGridRef = std::shared_ptr<TGameGrid>;

class TGameGrid {
 public:
  static constexpr int STOCKSPREADX = 3;
  static constexpr int CARD_SCORE = ::CARD_SCORE;
  // Pointer band of the golf bag's irons: 480 < y < 568.
  static constexpr int IRON_BAND_TOP = 480;
  static constexpr int IRON_BAND_BOTTOM = 568;

  int sx = LAYOUT_ORIGIN_X;
  int sy = LAYOUT_ORIGIN_Y;
  int mx = -1, my = -1;
  int STOCKX = 0, STOCKY = 0;
  int FOUNDATIONX = 419, FOUNDATIONY = 460;
  float CardAnimCounter = 0;
  int CardAction = CARDACTION_NONE;
  int CardFlipNoise = 0;
  TCardRef StockCard;
  TCardRef PlayfieldCard;
  TCardRef IronCard;
  TCardRef WedgeCard;
  int FoundationValue = 0;
  TCardRef FoundationCard;
  TCardRef LastFoundationCard;
  int LastMoveWasIronToBag = 0;
  int IronOriginalX = 0, IronOriginalY = 0;
  std::string LevelName;
  int HolePar = 0;
  int CardsLeft = 0;
  std::shared_ptr<TSineCounter> glow = std::make_shared<TSineCounter>();
  std::shared_ptr<TSineCounter> glow2 = std::make_shared<TSineCounter>();
  int MouseUpFlag = 1;
  int BlockInput = 0;
  int MegaBlock = 0;
  std::shared_ptr<TChannelArray> Channels;

  using SoundRef = std::shared_ptr<TGameSound>;
  SoundRef CardFlipSound, CardFlipQuickSound, CardLandingSound, InvalidSound, PlayCardSound1,
      PlayCardSound2, PlayCardSound3;
  int PlayCard1Last = 0, PlayCard2Last = 0, PlayCard3Last = 0;
  SoundRef WaterSpray, SandWedgeUsedSound, WaterHazardClearedSound, WildshotAppearsSound,
      FireworkSound, IronCollectSound, IronPlayedSound, IronMouseOver, TokenSound,
      TokenHitSignSound, RunEndSound, RunEndReverseSound, FiveXMusic, SwishSound, LandingSound,
      CashSignSound, RustleSound, RifleShotSound, MulliganWonSound, SkyBallSound, SnapSound,
      XraySound, TimeLowBeepSound, TimeUpSound, StopwatchHitSignSound, ItemLostSound,
      LongDriveWhooshSound, LongDriveIronSound, LongDriveTone;
  std::array<SoundRef, 5> DriveStrike{};
  int TOKEN_FACTOR[2][5][5];

  // Gameplay rolls of the hole (bonus amounts, free-card and reveal picks). Sounds and announcer
  // lines roll on the cosmetic generator (EffectsRandom) so they never shift these. The
  // play screen seeds it; tests seed it to fixed values.
  platform::Random Rng;

  TGameGrid();
  TGameGrid(const TGameGrid&) = delete;
  TGameGrid& operator=(const TGameGrid&) = delete;

  // A new play field with Init run.
  static TGameGridRef Create();
  // Sounds, glow counters, a new empty CardList and PlayList, the stock position.
  int Init();
  int SetImages();
  // Looks the play sounds up in the sound bank; a missing name leaves its field empty.
  int SetSounds();
  // Reads the hole file of hole `hole` (1-based) of the course being played and lays its cards
  // out. Fatal (ccRunTimeError) for an unknown course or hole, a missing file or a negative ZOrder.
  int Load(int hole);
  // Lays out the cards of a hole file already read (the par is stored too).
  int LoadFromData(const HoleFileData& data);
  // Kills the card list, drops the play list and the channel pool.
  int Kill();

  // ---- Rules of play ----
  int Manage();
  int CheckMouse();
  int ManageCardAnim();
  int BoostScore(const TCardRef& card);
  int StockCardClicked(const TCardRef& card);
  int MissedACard();
  int PlayWhackSound();
  int PlayFlipNoise();
  int PointerToCrosshair();
  int PointerRestore();

  // ---- State ----
  // The foundation rule against FoundationValue: 1 when `v` fits.
  int ValidValue(int v) const { return FoundationAccepts(FoundationValue, v); }
  int FoundationChange(const TCardRef& card, int reglow);
  int BlockInputSet() {
    BlockInput = 1;
    return 0;
  }
  // The hole result of the global play field: CardsLeft - HolePar.
  static int GetHTP();

  // ---- Cash tokens ----
  int CalcBonus(int factor);
  static int CalcTokenQuantity(int cash) { return TokenQuantityFor(cash); }
  int TokensMake(const TCardRef& card, int playSound, int centred, int showCleared);

  // Plays a sound of the play field through its channel pool (nothing for a missing sound).
  void PlaySound(const SoundRef& sound, float volume = 1.0f);

 private:
  // The clicked card: the rules of a stock top, wedge, iron, or ranked card.
  void ClickCard(const TCardRef& card, int inFlight);
  // A click the rules refuse on this card: the refusal sound and one marker on the card, where
  // the click was (see VisiblePointOf).
  void RefuseCard(const TCardRef& card);

 public:
  // A point of `card` that no card drawn above it hides: (px, py) when it is one, else the middle
  // of the card's visible part (the top centre when no part of it shows).
  std::pair<float, float> VisiblePointOf(const TCard& card, float px, float py) const;

 private:
  // The topmost layout card at rest under the pointer that has a card on it, or null.
  TCardRef CoveredCardAt(float px, float py) const;
  void ShowSign(const std::shared_ptr<TGameImage>& image);
  void FinishCardAction();
};
