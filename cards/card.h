#pragma once
// One playing card of the hole being played: a sprite that knows its type, rank and suit, whether
// it lies face up, which cards lie on it (by ID), where it is (layout, stock, foundation, in
// flight), and how it turns over, glows, spins to the foundation and flies into the golf bag.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cards/rules.h"
#include "gfx/sprite.h"

class TCard;
class TGameImage;
class TParticle;
struct CardRecord;
namespace platform {
class InStream;
class OutStream;
}

using TCardRef = std::shared_ptr<TCard>;

class TCard : public TSprite, public std::enable_shared_from_this<TCard> {
 public:
  // Card size in pixels; a card's centre is its top-left corner + (cardw2, cardh2).
  static constexpr int cardw = 68;
  static constexpr int cardh = 100;
  static constexpr int cardw2 = 34;
  static constexpr int cardh2 = 50;
  static constexpr int FLIP_LENGTH_MS = 250;
  static constexpr int STOCK_TO_FOUNDATION_MS = 300;
  static constexpr int IRON_ANIM_LENGTH_MS = 190;
  static constexpr int ARC_LENGTH_MS = 600;
  // Grey level (of 255) by which a layout card with a card on it is drawn darker, so that the
  // free cards stand out at a glance.
  static constexpr int COVERED_SHADE = 150;

  int ID = 0;                 // unique within the hole; cover lists name cards by it
  int CardType = CARDTYPE_NONE;
  int Value = 0;              // 1..13, or the iron's number 2..9
  int FaceUp = 1;
  int OriginalFaceUp = 1;     // the face the card was made with
  int Suit = 0;               // 0..3, chooses the picture only
  int TokenFactor = 0;        // cash-token bonus strength, 0 none
  int ZOrder = 0;             // drawing-order key
  std::vector<int> Relationships;          // IDs of the cards lying on this one; empty: uncovered
  std::vector<int> OriginalRelationships;  // the covers as dealt; restored by a mulligan
  int Playfield = 1;
  int Stock = 0;
  int FromStock = 0;
  int Foundation = 0;
  int FromBag = 0;
  int ToBeDestroyed = 0;      // an iron or wild shot that reached the foundation without taking it
  int StockTop = 0;
  float FlipCounter = 0;      // ticks left of a running turn; 0 when not turning
  int FlipLength = 0;         // whole length of the running turn, ticks
  int FlipDirection = 0;      // 1: the turn ends face up
  int Spinning = 0;           // 1 while it spins on its flight to the foundation
  float IronToBagCounter = 0; // ticks left of an iron's flight into the bag
  float OriginalX = 0, OriginalY = 0;
  int GlowOn = 0;             // special-card or playable-card glow
  int GlowMOOn = 0;           // mouse-over glow
  std::weak_ptr<TParticle> InvalidParticlePointer;  // last refusal marker shown on this card
  std::function<int(TCard&)> FlipEndFunction;      // called at the end of every turn when set

  // Shared card pictures, looked up once by Load in the image bank.
  static inline std::shared_ptr<TGameImage> CardBack, CardFrontWhite, CardFrontBlue, CardWater,
      CardIron, CardSand, CardWedge, CardWildshot, CardBlank, CardBall, CardCash, SpinCard,
      SpinCardBlue, WildshotSpinCard, StockSpinCard, GlowingCard, Droplet, Token, StopWatchSmall,
      WedgeParticle;

  TCard();
  ~TCard() override = default;
  TCard(const TCard&) = delete;
  TCard& operator=(const TCard&) = delete;

  // A new card with those fields, its picture, position and original position; ID, TokenFactor
  // and ZOrder stay 0.
  static TCardRef Make(int x, int y, int cardType, int faceUp, int value, int suit);
  // Looks the shared pictures up in the image bank `images`. Run once after loading.
  static int Load();

  // From the top-left corner to the centre (x += w2, y += h2).
  int CentreCoords();
  // The picture for CardType and FaceUp; type 0 sets none, an unknown type changes nothing.
  int ChooseImage();
  // The frame drawn now: the face frame when face up and not spinning, else 0.
  int FaceFrame() const;
  // Copies the record's scalar fields into target (not the image, not the cover lists).
  int CopyCore(TCard& target) const;
  // CopyCore plus copies of both cover lists.
  int Copy(TCard& target) const;
  int Draw() override;
  // The glow pass driven by the play field's shared pulse.
  int DrawGlow();
  int FlipEnd();
  // Starts a turn of FLIP_LENGTH_MS; direction 1 ends face up. Restarts a running turn.
  int FlipStart(int direction);
  // Sends an iron card on its flight into the golf bag.
  int FlyIronToBagStart();
  int GlowOff();
  // Starts the special glow of an iron or wedge; 0 while the wild shot animation holds it back.
  int GlowSpecialCard();
  // Empties both cover lists and drops the refusal marker.
  int Kill();
  int MakeFaceDown();
  int MakeFaceUp();
  // One logic tick: turn, spin, bag flight, glow. 1 while a card bound for the foundation turns.
  int Manage();
  // Onto the foundation; it becomes the foundation card unless it is an iron or wild shot and
  // force is 0 (then it is marked ToBeDestroyed).
  int MoveToFoundation(int force);
  int MoveToFoundationCore();
  // To the end of CardList, drawn over every other card.
  int MoveToTop();
  // Fills both cover lists from a hole file's cover field; 0 for "-1", else 1.
  int RelationshipSet(const std::string& covers);
  // This card as a shared reference (none for a card not made by Make).
  TCardRef Self() { return weak_from_this().lock(); }
  // Whether nothing lies on the card.
  bool Uncovered() const { return Relationships.empty(); }
  // Whether the card shows its back once any turn in progress has ended.
  bool EndsFaceDown() const { return FlipCounter > 0 ? FlipDirection == 0 : FaceUp == 0; }
  // Whether the card is drawn shaded: a layout card at rest, or turning, with a card on it.
  bool ShowsCovered() const;

  // The card record of a saved hole.
  CardRecord ToRecord() const;
  void FromRecord(const CardRecord& record);
  int Write(platform::OutStream& out) const;
  // Reads one card record; false (the card unchanged, `error` set) for a damaged record.
  bool Read(platform::InStream& in, std::string* error = nullptr);

 private:
  // The card lit at `glow` (0..1) with the glowing outline over it; needs GlowingCard.
  void DrawGlowOverlay(float glow);
};
