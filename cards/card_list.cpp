#include "cards/card_list.h"

#include <algorithm>

#include "cards/field_events.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/sine_counter.h"
#include "ui/mouse_pointer.h"

namespace {

constexpr const char* TUTORIAL_COURSE = "The Vuva Rivudar";
constexpr const char* NO_REVEAL_COURSE = "Dazedev Evadedi";

void FlipNoise() {
  if (GameGrid) GameGrid->CardFlipNoise = 1;
}

bool Contains(const std::vector<int>& ids, int id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool EndDriveShowing() { return FieldEvents().ButtonActive("enddrive"); }

}  // namespace

std::string TCardList::CurrentCourse() { return GameGrid ? GameGrid->LevelName : std::string(); }

bool TCardList::Remove(const TCard* card) {
  auto it = std::find_if(Cards.begin(), Cards.end(), [&](const TCardRef& c) { return c.get() == card; });
  if (it == Cards.end()) return false;
  Cards.erase(it);
  return true;
}

bool TCardList::Contains(const TCard* card) const {
  return std::any_of(Cards.begin(), Cards.end(), [&](const TCardRef& c) { return c.get() == card; });
}

TCardRef TCardList::Add(int x, int y, int cardType, int faceUp, int value, int suit) {
  auto card = TCard::Make(x, y, cardType, faceUp, value, suit);
  Cards.push_back(card);
  return card;
}

int TCardList::AnimatingIronMorph() const {
  return FieldEvents().CardToIronAnims() > 0 ? 1 : 0;
}

int TCardList::Animating() const {
  if (AnimatingIronMorph()) return 1;
  for (const auto& c : Cards)
    if (c->FlipCounter > 0) return 1;
  return 0;
}

int TCardList::Draw() {
  const auto snapshot = Cards;
  for (const auto& c : snapshot) c->Draw();
  return 0;
}

TCardRef TCardList::FindCardByID(int id) const {
  for (const auto& c : Cards)
    if (c->ID == id) return c;
  return nullptr;
}

std::vector<int> TCardList::SandWedgeID() const {
  std::vector<int> ids;
  for (const auto& c : Cards)
    if (c->CardType == CARDTYPE_WEDGE) ids.push_back(c->ID);
  return ids;
}

std::vector<TCardRef> TCardList::FindFree() {
  const auto wedges = SandWedgeID();
  std::vector<TCardRef> candidates;
  for (const auto& c : Cards) {
    if (!c->Playfield || c->Spinning) continue;
    const bool sandUnderWedge = c->CardType == CARDTYPE_SAND && c->Relationships.size() == 1 &&
                                ::Contains(wedges, c->Relationships[0]);
    if (c->Uncovered() || sandUnderWedge) candidates.push_back(c);
  }
  if (candidates.empty()) return {};
  const int n = static_cast<int>(candidates.size());
  const int pick = GameGrid ? GameGrid->Rng.Rand(0, n - 1) : 0;
  return {candidates[static_cast<std::size_t>(pick)]};
}

std::vector<TCardRef> TCardList::SandCardsFindFree() const {
  const auto wedges = SandWedgeID();
  std::vector<TCardRef> found;
  for (const auto& c : Cards) {
    if (c->CardType != CARDTYPE_SAND || !c->Playfield || c->Spinning) continue;
    if (c->Uncovered() || (c->Relationships.size() == 1 && ::Contains(wedges, c->Relationships[0])))
      found.push_back(c);
  }
  return found;
}

std::vector<TCardRef> TCardList::WaterCardsFindFree() const {
  std::vector<TCardRef> found;
  for (const auto& c : Cards)
    if (c->CardType == CARDTYPE_WATER && c->Playfield && !c->Spinning && c->Uncovered())
      found.push_back(c);
  return found;
}

int TCardList::WaterCardsCount() const {
  int n = 0;
  for (const auto& c : Cards)
    if (c->CardType == CARDTYPE_WATER && c->Playfield && !c->Spinning) ++n;
  return n;
}

int TCardList::NormalCount() const {
  int n = 0;
  for (const auto& c : Cards)
    if ((c->Playfield || c->Stock) && IsRankedType(c->CardType)) ++n;
  return n;
}

int TCardList::FlipAll() {
  for (const auto& c : Cards) {
    if (c->Playfield && !c->FaceUp && c->Uncovered()) {
      c->FlipStart(1);
      FlipNoise();
    }
  }
  return 0;
}

int TCardList::FlipHalf() {
  if (CurrentCourse() == NO_REVEAL_COURSE) return 0;
  // Every candidate is kept, however many the hole holds.
  std::vector<TCardRef> table;
  for (const auto& c : Cards) {
    if (!c->Playfield || c->FaceUp || IsHazardType(c->CardType) || c->FlipCounter != 0) continue;
    bool underWater = false;
    for (int id : c->Relationships) {
      auto cover = FindCardByID(id);
      if (cover && cover->CardType == CARDTYPE_WATER) underWater = true;
    }
    if (!underWater) table.push_back(c);
  }
  const int n = static_cast<int>(table.size());
  if (n > 0) {
    const int k = (n + 3) / 4;
    for (int pick = 0; pick < k + 1; ++pick) {
      int r = GameGrid ? GameGrid->Rng.Rand(0, n - 1) : 0;
      for (int retry = 0; retry < 5 && table[static_cast<std::size_t>(r)]->FlipCounter > 0; ++retry)
        r = GameGrid ? GameGrid->Rng.Rand(0, n - 1) : 0;
      table[static_cast<std::size_t>(r)]->FlipStart(1);
      FlipNoise();
    }
  }
  return 1;
}

bool TCardList::Playable(const TCard& c) const {
  if (!IsRankedType(c.CardType)) return false;
  if (!(c.FaceUp || c.FlipCounter > 0)) return false;
  if (c.Foundation || c.Stock || c.Spinning || !c.Uncovered()) return false;
  return GameGrid && GameGrid->ValidValue(c.Value);
}

int TCardList::GlowValidCardsDo(int flag) {
  for (const auto& c : Cards) {
    if (Playable(*c)) {
      if (flag == 0) return 1;
      if (!c->GlowOn) {
        c->GlowOn = 1;
        c->GlowCounter->Init(0, 180, 1.5f);
      }
    } else if (flag != 0) {
      if (c->CardType != CARDTYPE_IRON && c->CardType != CARDTYPE_WEDGE && !c->Stock) c->GlowOn = 0;
    }
  }
  return 0;
}

int TCardList::GlowValidCards() {
  if (CurrentCourse() != TUTORIAL_COURSE) return 0;
  auto& events = FieldEvents();
  const int level = events.PlayerLevel();
  if (level == 1) {
    GlowValidCardsDo(1);
  } else if (events.CardTipClose()) {
    UnGlowCards();
  }
  return 0;
}

int TCardList::UnGlowCards() {
  for (const auto& c : Cards) {
    if (!IsRankedType(c->CardType)) continue;
    if (!(c->FaceUp || c->FlipCounter > 0)) continue;
    if (c->Foundation || c->Stock || c->Spinning || !c->Uncovered()) continue;
    c->GlowOn = 0;
  }
  return 0;
}

int TCardList::GlowSpecialCards() {
  for (const auto& c : Cards)
    if (c->Uncovered() && !c->Stock && !c->Foundation) c->GlowSpecialCard();
  return 0;
}

int TCardList::Kill() {
  for (const auto& c : Cards) c->Kill();
  Cards.clear();
  return 0;
}

int TCardList::ManageAnim() {
  const int px = (Game && Game->Mouse) ? Game->Mouse->x : -100000;
  const int py = (Game && Game->Mouse) ? Game->Mouse->y : -100000;
  const bool endDrive = EndDriveShowing();
  int animating = 0;
  // Cards may leave the list while it is walked (an iron reaching the bag).
  const auto snapshot = Cards;
  for (const auto& c : snapshot) {
    c->Move();
    bool glows = false;
    const bool candidate =
        c->Uncovered() && !c->Foundation && (!c->Stock || c->StockTop) && c->FlipCounter == 0 &&
        !c->Spinning && c->FromBag == 0 && (c->CardType != CARDTYPE_IRON || c->Stock) &&
        c->CardType != CARDTYPE_WEDGE && c->x <= px && px < c->x + c->w && c->y <= py &&
        py < c->y + c->h;
    if (candidate) {
      if (c->StockTop) glows = !c->FaceUp && !endDrive;
      else glows = GameGrid && GameGrid->ValidValue(c->Value);
    }
    if (glows) {
      if (!c->GlowOn && !c->GlowMOOn) c->GlowCounter->Init(0, 180, 1.5f);
      c->GlowMOOn = 1;
    } else {
      c->GlowMOOn = 0;
    }
    if (c->Manage() != 0) animating = 1;
  }
  return animating;
}

int TCardList::RelationshipRemove(int id, int mode) {
  const auto snapshot = Cards;
  for (const auto& c : snapshot) {
    if (!c->Playfield || c->Spinning) continue;
    auto it = std::find(c->Relationships.begin(), c->Relationships.end(), id);
    if (it == c->Relationships.end()) continue;
    c->Relationships.erase(it);
    if (!c->Relationships.empty()) continue;
    // A card caught turning face down (a mulligan covered it a moment ago) counts as face down.
    if (c->EndsFaceDown() && TurnsWhenUncovered(c->CardType, mode)) {
      c->FlipStart(1);
      FlipNoise();
    }
    c->GlowSpecialCard();
  }
  return 0;
}

int TCardList::RelationshipAdd(int id) {
  for (const auto& c : Cards) {
    if (!c->Playfield || c->Spinning) continue;
    if (!::Contains(c->OriginalRelationships, id)) continue;
    c->Relationships.push_back(id);
    // A card caught turning face up counts as face up: it turns back down.
    if (c->OriginalFaceUp == 0 && !c->EndsFaceDown()) c->FlipStart(0);
  }
  return 0;
}

int TCardList::SortAll() {
  std::stable_sort(Cards.begin(), Cards.end(),
                   [](const TCardRef& a, const TCardRef& b) { return a->ZOrder < b->ZOrder; });
  return 0;
}

int TCardList::StockCount() const {
  return static_cast<int>(std::count_if(Cards.begin(), Cards.end(), [](const TCardRef& c) { return c->Stock != 0; }));
}

int TCardList::StockKill() {
  std::erase_if(Cards, [](const TCardRef& c) { return c->Stock != 0; });
  return 0;
}

int TCardList::StockZOrder() {
  int z = 0;
  for (const auto& c : Cards)
    if (c->Stock) c->ZOrder = z++;
  return 0;
}

TCardRef TCardList::StockTopFind() const {
  for (const auto& c : Cards)
    if (c->StockTop) return c;
  return nullptr;
}

int TCardList::StockTopMark() {
  TCardRef top;
  for (const auto& c : Cards) {
    if (!c->Stock) continue;
    c->GlowOff();
    if (!top || c->ZOrder > top->ZOrder) top = c;
  }
  if (top) {
    top->StockTop = 1;
    FieldEvents().StockTopChanged();
  }
  return 0;
}

int TCardList::StockTopRemove() {
  auto top = StockTopFind();
  if (top) Remove(top.get());
  return 0;
}

int TCardList::StockTopUnmark() {
  auto top = StockTopFind();
  if (top) top->StockTop = 0;
  return 0;
}

int TCardList::StockSpread() {
  const int sx = GameGrid ? GameGrid->STOCKX : 0;
  const int sy = GameGrid ? GameGrid->STOCKY : 0;
  int i = 0;
  for (const auto& c : Cards) {
    if (!c->Stock) continue;
    c->x = static_cast<float>(sx + TGameGrid::STOCKSPREADX * std::min(i, STOCKSPREAD_STEPS));
    c->y = static_cast<float>(sy);
    c->OriginalX = c->x;
    c->OriginalY = c->y;
    ++i;
  }
  return 0;
}
