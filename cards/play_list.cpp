#include "cards/play_list.h"

#include "cards/card.h"
#include "cards/field_events.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/globals.h"
#include "gfx/globals.h"

int TPlayList::Add(const std::shared_ptr<TCard>& card, int ticks) {
  if (!card) return 0;
  if (GameGrid) {
    GameGrid->LastFoundationCard = GameGrid->FoundationCard;
    GameGrid->FoundationChange(card, 0);
  }
  auto entry = std::make_shared<TCardInPlay>();
  entry->Card = card;
  entry->AnimCounter = static_cast<float>(ticks);
  Entries.push_back(entry);
  return 0;
}

int TPlayList::Clear() {
  Entries.clear();
  return 0;
}

int TPlayList::Manage() {
  int count = 0;
  // Landing removes entries and calls out to the play screen: walk a copy.
  const auto snapshot = Entries;
  for (const auto& e : snapshot) {
    // A flight set up with no time left lands now rather than never.
    if (e->AnimCounter > 0) {
      e->AnimCounter -= Delta;
      if (e->AnimCounter > 0) {
        ++count;
        continue;
      }
    }
    auto c = e->Card;
    e->AnimCounter = 0;
    c->ChooseImage();
    c->MoveToFoundationCore();
    c->Rotation = 0;
    c->Spinning = 0;
    auto& events = FieldEvents();
    if (GameGrid) {
      GameGrid->PlaySound(GameGrid->CardLandingSound);
      events.CardLanded(GameGrid->CardsLeft);
    }
    events.MulliganDisable(c->CardType == CARDTYPE_IRON ? 1 : 0);
    std::erase(Entries, e);
    if (Entries.empty()) events.FlightsLanded(GameGrid && GameGrid->BlockInput ? 1 : 0);
  }
  return count;
}
