#include "cards/card.h"

#include <cmath>

#include "cards/card_list.h"
#include "cards/card_record.h"
#include "cards/field_events.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sine_counter.h"
#include "platform/graphics.h"

namespace {

float Ticks(int ms) { return Game ? Game->CalcAnimLength(ms) : ms / 5.0f; }

}  // namespace

TCard::TCard() {
  if (!GlowCounter) GlowCounter = std::make_shared<TSineCounter>();
}

TCardRef TCard::Make(int x, int y, int cardType, int faceUp, int value, int suit) {
  auto card = std::make_shared<TCard>();
  card->CardType = cardType;
  card->FaceUp = faceUp;
  card->OriginalFaceUp = faceUp;
  card->Value = value;
  card->Suit = suit;
  card->ChooseImage();
  card->x = static_cast<float>(x);
  card->y = static_cast<float>(y);
  card->OriginalX = card->x;
  card->OriginalY = card->y;
  return card;
}

int TCard::Load() {
  auto find = [](const char* name) { return images ? images->Find(name) : nullptr; };
  CardBack = find("card_back");
  CardFrontWhite = find("52_cards_white");
  CardFrontBlue = find("52_cards_blue");
  CardWater = find("water");
  CardIron = find("irons");
  CardSand = find("sand");
  CardWedge = find("wedge");
  CardWildshot = find("Wild_shot");
  CardBlank = find("cardblank");
  CardBall = find("cardball");
  CardCash = find("cardcash");
  SpinCard = find("spincard");
  SpinCardBlue = find("spincard_blue");
  WildshotSpinCard = find("wildshotspincard");
  StockSpinCard = find("Stockspincard");
  GlowingCard = find("glowingcard");
  Droplet = find("rounddroplet");
  Token = find("token");
  StopWatchSmall = find("stopwatch_small");
  WedgeParticle = find("wedgeparticle");
  return 0;
}

int TCard::CentreCoords() {
  x += w2;
  y += h2;
  return 0;
}

int TCard::ChooseImage() {
  std::shared_ptr<TGameImage> img;
  switch (CardType) {
    case CARDTYPE_NONE: return 0;
    case CARDTYPE_NORMAL: img = FaceUp ? CardFrontWhite : CardBack; break;
    case CARDTYPE_WATER: img = FaceUp ? CardFrontBlue : CardWater; break;
    case CARDTYPE_IRON: img = FaceUp ? CardIron : CardBack; break;
    case CARDTYPE_SAND: img = FaceUp ? CardFrontWhite : CardSand; break;
    case CARDTYPE_WEDGE: img = FaceUp ? CardWedge : CardBack; break;
    case CARDTYPE_WILDSHOT: img = FaceUp ? CardWildshot : CardBack; break;
    case CARDTYPE_BLANK: img = FaceUp ? CardBlank : CardBack; break;
    case CARDTYPE_BALL: img = FaceUp ? CardBall : CardBack; break;
    case CARDTYPE_CASH: img = FaceUp ? CardCash : CardBack; break;
    default: return 0;
  }
  if (img) {
    SetImage(img);
  } else {
    // Without the pictures (tools, tests) the card keeps its card size.
    image.reset();
    w = cardw;
    h = cardh;
    w2 = cardw2;
    h2 = cardh2;
  }
  return 0;
}

int TCard::FaceFrame() const {
  if (FaceUp == 0 || Spinning != 0) return 0;
  if (IsRankedType(CardType)) return Value + Suit * 13 - 1;
  if (CardType == CARDTYPE_IRON) return Value - 2;
  return 0;
}

int TCard::CopyCore(TCard& t) const {
  t.CardType = CardType;
  t.FaceUp = FaceUp;
  t.OriginalFaceUp = OriginalFaceUp;
  t.Value = Value;
  t.Suit = Suit;
  t.x = x;
  t.y = y;
  t.OriginalX = OriginalX;
  t.OriginalY = OriginalY;
  t.ID = ID;
  t.TokenFactor = TokenFactor;
  t.ZOrder = ZOrder;
  t.Playfield = Playfield;
  t.Stock = Stock;
  t.FromStock = FromStock;
  t.Foundation = Foundation;
  t.FromBag = FromBag;
  t.StockTop = StockTop;
  return 0;
}

int TCard::Copy(TCard& t) const {
  CopyCore(t);
  t.Relationships = Relationships;
  t.OriginalRelationships = OriginalRelationships;
  return 0;
}

bool TCard::ShowsCovered() const {
  return Playfield != 0 && Stock == 0 && Foundation == 0 && Spinning == 0 && !Relationships.empty();
}

int TCard::Draw() {
  ImageFrame = FaceFrame();
  if (!image) return 0;
  // The shade tints the picture only; the glow passes below draw in their own colours.
  const bool shaded = ShowsCovered();
  if (FlipCounter > 0) {
    if (!visible) return 0;
    if (shaded) platform::SetColor(COVERED_SHADE, COVERED_SHADE, COVERED_SHADE);
    image->MidHandle(1);
    platform::SetScale(ScaleX, ScaleY);
    platform::DrawImage(image->image, x + w2, y + h2, ImageFrame);
    platform::SetScale(1, 1);
    image->MidHandle(0);
    if (shaded) platform::SetColor(255, 255, 255);
    return 0;
  }
  if (shaded) platform::SetColor(COVERED_SHADE, COVERED_SHADE, COVERED_SHADE);
  TSprite::Draw();
  if (shaded) platform::SetColor(255, 255, 255);
  if (GameGrid && GameGrid->CardAnimCounter > 0 && GameGrid->CardAction == CARDACTION_WEDGE_FOUND &&
      GameGrid->WedgeCard && CardType == CARDTYPE_SAND && Relationships.size() == 1 &&
      Relationships[0] == GameGrid->WedgeCard->ID) {
    DrawGlow();
  }
  if (Glow > 0 && FlipCounter == 0 && GlowingCard) DrawGlowOverlay(Glow);
  return 0;
}

int TCard::DrawGlow() {
  if (!GameGrid || !GlowingCard) return 0;
  DrawGlowOverlay(GameGrid->glow2->ratio);
  return 0;
}

void TCard::DrawGlowOverlay(float glow) {
  DrawLight(glow / 3, 1, 1, 1, nullptr);
  platform::SetAlpha(glow / 2 + 0.5f);
  platform::DrawImage(GlowingCard->image, x - 10, y - 10, 0);
  platform::SetAlpha(1);
}

int TCard::FlipEnd() {
  FlipCounter = 0;
  ScaleX = 1.0f;
  if (FlipEndFunction) FlipEndFunction(*this);
  return 0;
}

int TCard::FlipStart(int direction) {
  FlipLength = static_cast<int>(Ticks(FLIP_LENGTH_MS));
  // A turn shorter than two ticks would have no middle; it still takes two.
  if (FlipLength < 2) FlipLength = 2;
  FlipCounter = static_cast<float>(FlipLength);
  FlipDirection = direction;
  return 0;
}

int TCard::FlyIronToBagStart() {
  float t = Ticks(IRON_ANIM_LENGTH_MS);
  auto& events = FieldEvents();
  if (events.CardToIronAnims() > 0) t = Ticks(1400);
  if (t < 1) t = 1;
  const int ix = events.IronBagX();
  const int iy = events.IronBagY();
  dx = (ix - 17 - x) / t;
  dy = (iy - 240 - y) / t;
  if (CardList && CardList->Contains(this)) MoveToTop();
  IronToBagCounter = t;
  Foundation = 0;
  events.IronFlightStarted();
  return 0;
}

int TCard::GlowOff() {
  Glow = 0;
  GlowOn = 0;
  GlowMOOn = 0;
  return 0;
}

int TCard::GlowSpecialCard() {
  if (FieldEvents().WildshotAnimTypeRunning() == 4) return 0;
  if (CardType == CARDTYPE_IRON || CardType == CARDTYPE_WEDGE) {
    GlowOn = 1;
    GlowCounter->Init(0, 180, 1.5f);
  }
  return 1;
}

int TCard::Kill() {
  Relationships.clear();
  OriginalRelationships.clear();
  InvalidParticlePointer.reset();
  return 0;
}

int TCard::MakeFaceDown() {
  FaceUp = 0;
  ChooseImage();
  return 0;
}

int TCard::MakeFaceUp() {
  FaceUp = 1;
  ChooseImage();
  return 0;
}

int TCard::Manage() {
  if (FlipCounter > 0) {
    const float old = FlipCounter;
    FlipCounter -= Delta;
    const int half = FlipLength / 2;
    if (FlipCounter > half) {
      ScaleX = half > 0 ? (FlipCounter - half) / half : 0.0f;
    } else {
      ScaleX = half > 0 ? 1 - FlipCounter / half : 1.0f;
      if (old > half) {
        if (FlipDirection == 1) MakeFaceUp();
        else MakeFaceDown();
      }
    }
    if (FlipCounter <= 0) FlipEnd();
  }
  if (Spinning) {
    ManageRotation();
    const int level = Game ? Game->Particles : 0;
    if (CardType == CARDTYPE_WATER && Droplet && ::Particles &&
        EffectsRandom.Rand(1, 150) < level * Delta) {
      const int a = EffectsRandom.Rand(1, 360);
      const double rad = a * M_PI / 180.0;
      const int ox = static_cast<int>(55 * std::cos(rad));
      const int oy = static_cast<int>(55 * std::sin(rad));
      const float vx = 2.2f * ox / 55.0f;
      const float vy = 2.2f * oy / 55.0f;
      const float sdx = RotationSpeed >= 0 ? -vy : vy;
      const float sdy = RotationSpeed >= 0 ? vx : -vx;
      auto drop = ::Particles->AddNew(static_cast<int>(x) + ox, static_cast<int>(y) + oy, Droplet,
                                      sdx, sdy, 0.02f, 0, 0, 0, 0,
                                      static_cast<float>(EffectsRandom.Rnd(0.1, 1.0)), 0, 0, 0);
      if (drop) drop->SetFade(50, 300, 300);
    }
  }
  if (IronToBagCounter > 0) {
    IronToBagCounter -= Delta;
    if (IronToBagCounter <= 0) {
      // Held high so the flight cannot end twice while the morph runs; the morph's end clears it.
      IronToBagCounter = 100000;
      visible = 0;
      FieldEvents().IronReachedBag(Self());
    }
  }
  if (GlowOn || GlowMOOn) {
    GlowCounter->Manage();
    Glow = GlowCounter->ratio;
  } else if (Glow > 0) {
    Glow -= 0.03f * Delta;
    if (Glow < 0) Glow = 0;
  }
  return (FlipCounter > 0 && (Foundation == 1 || ToBeDestroyed == 1)) ? 1 : 0;
}

int TCard::MoveToFoundationCore() {
  if (GameGrid) {
    x = static_cast<float>(GameGrid->FOUNDATIONX);
    y = static_cast<float>(GameGrid->FOUNDATIONY);
  }
  dx = dy = ygravity = 0;
  Playfield = Stock = StockTop = 0;
  Foundation = 1;
  TokenFactor = 0;
  return 0;
}

int TCard::MoveToFoundation(int force) {
  MoveToFoundationCore();
  if (force != 0 || (CardType != CARDTYPE_IRON && CardType != CARDTYPE_WILDSHOT)) {
    if (GameGrid) {
      GameGrid->LastFoundationCard = GameGrid->FoundationCard;
      GameGrid->FoundationChange(Self(), 1);
    }
  } else {
    ToBeDestroyed = 1;
  }
  return 0;
}

int TCard::MoveToTop() {
  if (!CardList) return 0;
  auto self = Self();
  if (!self || !CardList->Remove(this)) return 0;
  CardList->AddLast(self);
  return 0;
}

int TCard::RelationshipSet(const std::string& covers) {
  Relationships.clear();
  OriginalRelationships.clear();
  if (covers == "-1") return 0;
  Relationships = ParseCoverField(covers);
  OriginalRelationships = Relationships;
  return 1;
}

CardRecord TCard::ToRecord() const {
  CardRecord r;
  r.CardType = CardType;
  // A card saved in the middle of a turn is kept with the face it turns to.
  r.FaceUp = EndsFaceDown() ? 0 : 1;
  r.OriginalFaceUp = OriginalFaceUp;
  r.Value = Value;
  r.Suit = Suit;
  r.x = x;
  r.y = y;
  r.OriginalX = OriginalX;
  r.OriginalY = OriginalY;
  r.ID = ID;
  r.TokenFactor = TokenFactor;
  r.ZOrder = ZOrder;
  r.Playfield = Playfield;
  r.Stock = Stock;
  r.FromStock = FromStock;
  r.Foundation = Foundation;
  r.FromBag = FromBag;
  r.StockTop = StockTop;
  r.Relationships = Relationships;
  r.OriginalRelationships = OriginalRelationships;
  return r;
}

void TCard::FromRecord(const CardRecord& r) {
  CardType = r.CardType;
  FaceUp = r.FaceUp;
  OriginalFaceUp = r.OriginalFaceUp;
  Value = r.Value;
  Suit = r.Suit;
  x = r.x;
  y = r.y;
  OriginalX = r.OriginalX;
  OriginalY = r.OriginalY;
  ID = r.ID;
  TokenFactor = r.TokenFactor;
  ZOrder = r.ZOrder;
  Playfield = r.Playfield;
  Stock = r.Stock;
  FromStock = r.FromStock;
  Foundation = r.Foundation;
  FromBag = r.FromBag;
  StockTop = r.StockTop;
  Relationships = r.Relationships;
  OriginalRelationships = r.OriginalRelationships;
}

int TCard::Write(platform::OutStream& out) const {
  ToRecord().Write(out);
  return 0;
}

bool TCard::Read(platform::InStream& in, std::string* error) {
  CardRecord r;
  if (!r.Read(in, error)) return false;
  FromRecord(r);
  return true;
}
