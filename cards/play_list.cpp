#include "cards/play_list.h"

#include "cards/card.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "play/game_screen.h"
#include "play/globals.h"

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
    if (GameGrid) GameGrid->PlaySound(GameGrid->CardLandingSound);
    if (GameGrid && GameScreen && GameGrid->CardsLeft >= 1 && GameGrid->CardsLeft <= 4 &&
        GameScreen->NearPerfectPlayed == 0) {
      GameScreen->SpeechLoad("near perfect",
                             "misc/nearperfect" + std::to_string(EffectsRandom.Rand(1, 3)));
      GameScreen->SpeechPlay("");
      if (GameScreen->AnnouncerSound) GameScreen->NearPerfectPlayed = 1;
    }
    if (GameScreen) GameScreen->MulliganDisable(c->CardType == CARDTYPE_IRON ? 1 : 0);
    std::erase(Entries, e);
    if (Entries.empty() && GameScreen) {
      if (!(GameGrid && GameGrid->BlockInput)) GameScreen->LevelEndTest();
      GameScreen->EndDriveEnable(1);
      GameScreen->EndHoleEnable(1);
    }
  }
  return count;
}
