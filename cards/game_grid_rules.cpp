// The rules of play: the click check, the card actions, the score of a cleared card and the play
// sounds of the play field.
#include <algorithm>
#include <cmath>

#include "cards/card_list.h"
#include "cards/field_events.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sine_counter.h"
#include "gfx/sound_bank.h"
#include "platform/graphics.h"
#include "ui/mouse_pointer.h"

namespace {

float Ticks(int ms) { return Game ? Game->CalcAnimLength(ms) : ms / 5.0f; }

void IdleReset() { FieldEvents().PlayerActed(); }

void CardsPlayedStat() { FieldEvents().CardPlayedStat(); }

bool EndDriveActive() { return FieldEvents().ButtonActive("EndDrive"); }

void Speech(const std::string& key, const std::string& file) { FieldEvents().Speech(key, file); }

}  // namespace

int TGameGrid::Manage() {
  CheckMouse();
  const int held = (Game && Game->Mouse) ? Game->Mouse->GetMb() : 0;
  MouseUpFlag = held == 0 ? 1 : 0;
  auto& events = FieldEvents();
  if (events.DriveLength() > 5) glow->Manage();
  glow2->Manage();
  const int oldBlock = BlockInput;
  int busy = ManageCardAnim();
  if (!busy && events.StockPenaltyRunning()) busy = 1;
  if (!busy && MegaBlock) busy = 1;
  if (!busy && events.WildshotAnimRunning()) busy = 1;
  if (!events.OutroRunning()) {
    BlockInput = busy ? 1 : 0;
    if (oldBlock == 1 && BlockInput == 0) events.FieldSettled();
  }
  return 0;
}

int TGameGrid::CheckMouse() {
  if (BlockInput) return 0;
  auto& events = FieldEvents();
  if (events.OutroRunning()) return 0;
  const int n = PlayList ? PlayList->Count() : 0;
  mx = (Game && Game->Mouse) ? Game->Mouse->x : -1;
  my = (Game && Game->Mouse) ? Game->Mouse->y : -1;
  const int held = (Game && Game->Mouse) ? Game->Mouse->GetMb() : 0;

  // The band reaches up to the highest iron in the bag, so that every iron answers the pointer
  // wherever its picture is drawn.
  const int bandTop = std::min(IRON_BAND_TOP, events.IronsTop() - 1);
  if (my > bandTop && my < IRON_BAND_BOTTOM && events.HasHud()) {
    const int oldMO = events.IronsMouseOver();
    events.SetIronsMouseOver(0);
    events.IronsCollide();
    const auto hits = platform::CollideRect(mx, my, 1, 1, 1u, 0u, nullptr);
    if (!hits.empty() && hits.front()) {
      const int k = static_cast<const TIronData*>(hits.front())->Value;
      const bool usable =
          k >= IRON_FIRST && k <= IRON_LAST && events.IronInBag(k) && CardsLeft > 0 && n == 0;
      if (!usable) return 1;
      if (MouseUpFlag == 1 && held) {
        events.IronPlayed(k);
        PlaySound(IronPlayedSound);
        Speech("iron", "iron/iron" + std::to_string(k) + "_" + std::to_string(EffectsRandom.Rand(1, 2)));
        IdleReset();
        events.IronTakenFromBag(k);
        // A hold that the iron's arrival replaces with its real flight time.
        CardAnimCounter = Ticks(20000);
        CardAction = CARDACTION_IRON_PLAYED;
        BlockInputSet();
        events.EndDriveEnable(0);
        events.IronPlayedStat();
        return 1;
      }
      events.SetIronsMouseOver(k);
      if (k != oldMO && IronMouseOver) {
        static constexpr float kPitch[8] = {1.0f, 1.122f, 1.26f, 1.335f, 1.498f, 1.682f, 1.888f, 2.0f};
        IronMouseOver->pitch = kPitch[k - IRON_FIRST];
      }
      float& scale = *events.IronScale(k - IRON_FIRST);
      if (scale < 1.25f) {
        scale += 0.02f * Delta;
        if (scale >= 1.25f) {  // reached full size: the sound plays once
          scale = 1.25f;
          PlaySound(IronMouseOver);
        }
      }
      IdleReset();
      return 1;
    }
  } else {
    events.SetIronsMouseOver(0);
  }

  if (MouseUpFlag == 0) return 0;
  if (held == 0) return 1;

  TCardRef chosen;
  for (const auto& c : CardList ? CardList->Cards : std::vector<TCardRef>{}) {
    if (!c->Uncovered() || c->Foundation || c->FlipCounter != 0 || c->Spinning) continue;
    // An iron on its way into the bag (or morphing there, hidden) was collected already: taking
    // it again would count it twice.
    if (c->IronToBagCounter > 0) continue;
    if (!(c->x <= mx && mx < c->x + c->w && c->y <= my && my < c->y + c->h)) continue;
    if (c->Stock && !c->StockTop) continue;
    chosen = c;
    break;
  }
  if (!chosen) {
    // A covered card cannot be played; the click says so instead of passing unheard.
    if (auto covered = CoveredCardAt(mx, my)) RefuseCard(covered);
    return 1;
  }
  if (chosen->Stock) {
    if (EndDriveActive()) return 1;
    if (n > 0) {
      IdleReset();
      return 1;
    }
    if (MissedACard() == 1) return 0;
    events.DriveRestarted();
    StockCardClicked(chosen);
    chosen->GlowOff();
    BlockInputSet();
    LastMoveWasIronToBag = 0;
    IdleReset();
    return 1;
  }
  ClickCard(chosen, n);
  return 1;
}

void TGameGrid::ShowSign(const std::shared_ptr<TGameImage>& image) {
  if (!ScoreParticles || !image) return;
  auto sign = ScoreParticles->AddNew(ScreenWidth / 2, ScreenHeight / 2 - 135, image, 0, -0.1f, 0, 0,
                                     0, 0, 0, 1, 0, 0, 0);
  FieldEvents().SignShown(sign);
}

void TGameGrid::ClickCard(const TCardRef& card, int /*inFlight*/) {
  auto& events = FieldEvents();
  if (card->CardType == CARDTYPE_WEDGE) {
    PlaySound(CardLandingSound);
    WedgeCard = card;
    CardList->Remove(card.get());
    events.WedgeFound(WedgeCard);
    BoostScore(card);
    events.MulliganDisable(1);
    CardAction = CARDACTION_WEDGE_FOUND;
    CardAnimCounter = Ticks(2400);
    events.DriveContinues();
    BlockInputSet();
    events.EndDriveEnable(0);
    ShowSign(events.SignImage(TFieldEvents::Sign::WedgeFound));
    LastMoveWasIronToBag = 0;
    card->GlowOff();
    glow2->Counter = 0;
    Speech("found wedge", "misc/foundwedge" + std::to_string(EffectsRandom.Rand(1, 3)));
    IdleReset();
    events.Cheer();
    CardsPlayedStat();
    return;
  }
  if (card->CardType == CARDTYPE_IRON) {
    PlaySound(CardLandingSound);
    CardList->RelationshipRemove(card->ID, UNCOVER_ALL);
    CardList->GlowValidCards();
    card->FlyIronToBagStart();
    BoostScore(card);
    events.MulliganDisable(1);
    events.DriveContinues();
    ShowSign(events.SignImage(TFieldEvents::Sign::IronFound));
    LastMoveWasIronToBag = 0;
    card->GlowOff();
    IdleReset();
    events.Cheer();
    CardsPlayedStat();
    return;
  }
  if (ValidValue(card->Value)) {
    PlayWhackSound();
    CardAction = CARDACTION_CARD_PLAYED;
    card->MoveToTop();
    const float t = Ticks(TCard::ARC_LENGTH_MS);
    card->dx = (FOUNDATIONX - card->x) / t;
    card->ygravity = 0.07f;
    card->dy = -(0.5f * card->ygravity * t * t + card->y - FOUNDATIONY) / t;
    card->CentreCoords();
    const int r = BoostScore(card);
    card->Spinning = 1;
    if (card->CardType == CARDTYPE_WATER) {
      if (TCard::SpinCardBlue) card->SetImage(TCard::SpinCardBlue);
      events.WaterCleared(r == 1 ? 0 : 1);
      if (WaterSpray) {
        WaterSpray->pitch = 1.0f + static_cast<float>(EffectsRandom.Rnd(-0.1, 0.1));
        PlaySound(WaterSpray);
      }
    } else if (TCard::SpinCard) {
      card->SetImage(TCard::SpinCard);
    }
    PlayfieldCard = card;
    PlayList->Add(card, static_cast<int>(t));
    card->SetupRotation(card->dx >= 0 ? 10.0f : -10.0f, 600);
    card->GlowOff();
    CardList->RelationshipRemove(card->ID, UNCOVER_ALL);
    PlayFlipNoise();
    CardList->GlowValidCards();
    events.DriveContinues();
    events.EndDriveEnable(0);
    events.EndHoleEnable(0);
    LastMoveWasIronToBag = 0;
    CardsPlayedStat();
    IdleReset();
    return;
  }
  RefuseCard(card);
}

TCardRef TGameGrid::CoveredCardAt(float px, float py) const {
  if (!CardList) return nullptr;
  const auto& cards = CardList->Cards;
  // The list is the drawing order: the last card under the pointer is the one the player sees.
  // Cards passing over on their way to the foundation or the bag do not count.
  for (auto it = cards.rbegin(); it != cards.rend(); ++it) {
    const auto& c = *it;
    if (!c->visible || c->Spinning || c->IronToBagCounter > 0) continue;
    if (!(c->x <= px && px < c->x + c->w && c->y <= py && py < c->y + c->h)) continue;
    return c->ShowsCovered() && c->FlipCounter == 0 ? c : nullptr;
  }
  return nullptr;
}

void TGameGrid::RefuseCard(const TCardRef& card) {
  auto& events = FieldEvents();
  // Refused: one marker on the card at a time.
  PlaySound(InvalidSound, 0.5f);
  if (auto old = card->InvalidParticlePointer.lock()) old->Kill();
  card->InvalidParticlePointer.reset();
  const auto invalid = events.SignImage(TFieldEvents::Sign::Invalid);
  if (ScoreParticles && invalid) {
    // On the part of the card the player sees: a card lying over it must not carry the marker.
    const auto [markX, markY] =
        VisiblePointOf(*card, static_cast<float>(mx), static_cast<float>(my));
    auto marker = ScoreParticles->AddNew(static_cast<int>(markX), static_cast<int>(markY), invalid,
                                         0, -0.1f, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    if (marker) {
      marker->SetFade(100, 1200, 500);
      card->InvalidParticlePointer = marker;
    }
  }
  IdleReset();
}

std::pair<float, float> TGameGrid::VisiblePointOf(const TCard& card, float px, float py) const {
  // The cards drawn after `card` are drawn over it.
  std::vector<const TCard*> above;
  bool after = false;
  for (const auto& c : CardList ? CardList->Cards : std::vector<TCardRef>{}) {
    if (c.get() == &card) {
      after = true;
    } else if (after && c->visible && c->x < card.x + card.w && card.x < c->x + c->w &&
               c->y < card.y + card.h && card.y < c->y + c->h) {
      above.push_back(c.get());
    }
  }
  auto seen = [&card, &above](float x, float y) {
    if (!(card.x <= x && x < card.x + card.w && card.y <= y && y < card.y + card.h)) return false;
    for (const TCard* c : above)
      if (c->x <= x && x < c->x + c->w && c->y <= y && y < c->y + c->h) return false;
    return true;
  };
  if (seen(px, py)) return {px, py};
  // The middle of the visible part, taken on a grid of 4 px: the visible grid point nearest to
  // the middle of all of them (a part shaped like an L has its middle off the card's part).
  constexpr float STEP = 4.0f;
  std::vector<std::pair<float, float>> points;
  float sumX = 0, sumY = 0;
  for (float y = card.y + STEP / 2; y < card.y + card.h; y += STEP)
    for (float x = card.x + STEP / 2; x < card.x + card.w; x += STEP)
      if (seen(x, y)) {
        points.emplace_back(x, y);
        sumX += x;
        sumY += y;
      }
  if (points.empty()) return {card.x + card.w2, card.y};
  const float midX = sumX / static_cast<float>(points.size()),
              midY = sumY / static_cast<float>(points.size());
  auto best = points.front();
  float bestDistance = -1;
  for (const auto& [x, y] : points) {
    const float d = (x - midX) * (x - midX) + (y - midY) * (y - midY);
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = {x, y};
    }
  }
  return best;
}

int TGameGrid::BoostScore(const TCardRef& card) {
  FieldEvents().HoleCashChange(CARD_SCORE);
  if (card->TokenFactor != 0) TokensMake(card, 1, 1, 1);
  else FieldEvents().TokensText(card, CARD_SCORE, 1);
  int r = 0;
  if (card->CardType != CARDTYPE_IRON && card->CardType != CARDTYPE_WEDGE)
    r = FieldEvents().DriveLengthChange(1);
  CardsLeft -= 1;
  return r;
}

int TGameGrid::StockCardClicked(const TCardRef& card) {
  CardAction = CARDACTION_STOCK_TO_FOUNDATION;
  card->MoveToTop();
  float t = Ticks(TCard::STOCK_TO_FOUNDATION_MS);
  if (t < 1) t = 1;
  card->dx = (FOUNDATIONX - card->x) / t;
  card->dy = (FOUNDATIONY - card->y) / t;
  card->FlipStart(1);
  PlaySound(CardFlipSound);
  StockCard = card;
  CardAnimCounter = t;
  return 0;
}

int TGameGrid::ManageCardAnim() {
  const int a = CardList ? CardList->ManageAnim() : 0;
  const int b = FieldEvents().MulliganManage();
  if (PlayList) PlayList->Manage();
  if (CardAnimCounter > 0) {
    CardAnimCounter -= Delta;
    if (CardAnimCounter <= 0) {
      CardAnimCounter = 0;
      FinishCardAction();
      CardAction = CARDACTION_NONE;
    }
  }
  return (a + b > 0 || CardAnimCounter > 0) ? 1 : 0;
}

void TGameGrid::FinishCardAction() {
  auto& events = FieldEvents();
  switch (CardAction) {
    case CARDACTION_STOCK_TO_FOUNDATION: {
      if (!StockCard) break;
      auto card = StockCard;
      card->MoveToFoundation(0);
      CardList->StockTopMark();
      if (card->CardType == CARDTYPE_IRON) {
        card->FlyIronToBagStart();
        LastMoveWasIronToBag = card->Value;
        IronOriginalX = static_cast<int>(card->OriginalX);
        IronOriginalY = static_cast<int>(card->OriginalY);
        events.Cheer();
      }
      if (card->CardType == CARDTYPE_WILDSHOT) {
        card->Foundation = 0;
        Speech("wildshot appears", "wildshot/wild" + std::to_string(EffectsRandom.Rand(1, 9)));
        PlaySound(WildshotAppearsSound);
        events.WildshotAppears();
      }
      events.MulliganDisable(card->CardType == CARDTYPE_WILDSHOT ? 1 : 0);
      break;
    }
    case CARDACTION_IRON_PLAYED:
      if (IronCard) IronCard->MoveToFoundation(1);
      PlaySound(CardLandingSound);
      events.MulliganDisable(0);
      events.EndDriveEnable(1);
      break;
    case CARDACTION_WEDGE_FOUND:
      if (WedgeCard) {
        CardList->RelationshipRemove(WedgeCard->ID, UNCOVER_ALL);
        CardList->GlowValidCards();
        PlayFlipNoise();
        WedgeCard->Kill();
      }
      events.EndDriveEnable(1);
      break;
    case CARDACTION_IRON_TO_STOCK:
      if (IronCard) {
        IronCard->x = IronCard->OriginalX;
        IronCard->y = IronCard->OriginalY;
        IronCard->dx = IronCard->dy = 0;
        IronCard->FromStock = 1;
        CardList->StockTopUnmark();
        IronCard->Stock = 1;
        CardList->StockZOrder();
        CardList->StockTopMark();
      }
      events.EndHoleEnable(0);
      if (events.DriveLength() > 5) events.EndDriveButtonShow();
      break;
    default:
      break;
  }
}

int TGameGrid::MissedACard() {
  if (LevelName != "The Vuva Rivudar") return 0;
  auto& events = FieldEvents();
  if (events.PlayerLevel() == 1) return 0;
  if (events.MissedCardTipsShown() >= 2) return 0;
  if (!CardList || CardList->GlowValidCardsDo(0) == 0) return 0;
  events.MissedCardTipShow();
  return 1;
}

int TGameGrid::PlayWhackSound() {
  int runs[3] = {PlayCard1Last, PlayCard2Last, PlayCard3Last};
  // Which sound plays is cosmetic: it never takes a roll from the hole's own generator.
  const int r = ChooseWhackSound(runs, EffectsRandom);
  PlayCard1Last = runs[0];
  PlayCard2Last = runs[1];
  PlayCard3Last = runs[2];
  const SoundRef& s = r == 1 ? PlayCardSound1 : r == 2 ? PlayCardSound2 : PlayCardSound3;
  if (s) {
    s->pitch = 1.0f + static_cast<float>(EffectsRandom.Rnd(-0.15, 0.15));
    PlaySound(s);
  }
  return 0;
}

int TGameGrid::PlayFlipNoise() {
  if (CardFlipNoise) {
    PlaySound(CardFlipQuickSound);
    CardFlipNoise = 0;
  }
  return 0;
}

namespace {

void SetPointer(const std::string& name, int hx, int hy) {
  if (!Game || !Game->Mouse || !images) return;
  auto img = images->Find(name);
  if (!img || !img->image) return;
  Game->Mouse->Image = img->image;
  Game->Mouse->CalcSize();
  Game->Mouse->offsetx = hx;
  Game->Mouse->offsety = hy;
  img->image->SetHandle(static_cast<float>(hx), static_cast<float>(hy));
}

}  // namespace

int TGameGrid::PointerToCrosshair() {
  SetPointer("crosshair", 21, 20);
  return 0;
}

int TGameGrid::PointerRestore() {
  SetPointer("pointer", 2, 1);
  return 0;
}
