#include "progress/save_data.h"

#include <algorithm>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "platform/files.h"
#include "ui/profile.h"

namespace {

// More cards than any hole holds: a larger count marks the block damaged.
constexpr int MAX_SAVED_CARDS = 1000;

// The course a new player starts on.
constexpr const char* FIRST_COURSE = "The Vuva Rivudar";

}  // namespace

int TSaveData::Init(TProfile& profile) {
  profile.Score = 1000;
  AvatarItems.fill(0);
  CareerStats = std::make_shared<TCareerStats>();
  CourseName = FIRST_COURSE;
  InitLevelStats();
  return 0;
}

int TSaveData::InitLevelStats() {
  Cards.clear();
  HoleDamaged = 0;
  HoleError.clear();
  return 0;
}

int TSaveData::Update() {
  Cards.clear();
  HoleDamaged = 0;
  HoleError.clear();
  if (!CardList) return 0;
  for (const auto& c : CardList->Cards) {
    auto copy = std::make_shared<TCard>();
    c->Copy(*copy);
    Cards.push_back(copy);
  }
  return 0;
}

int TSaveData::Save(platform::OutStream& out) const {
  out.WriteInt(static_cast<int>(Cards.size()));
  for (const auto& c : Cards) c->Write(out);
  return 0;
}

int TSaveData::Load(platform::InStream& in) {
  Cards.clear();
  HoleDamaged = 0;
  HoleError.clear();
  const int count = in.ReadInt();
  if (in.Failed() || count < 0 || count > MAX_SAVED_CARDS) {
    HoleDamaged = 1;
    HoleError = "the saved hole has a bad card count";
    return -1;
  }
  std::vector<std::shared_ptr<TCard>> read;
  for (int i = 0; i < count; ++i) {
    auto card = std::make_shared<TCard>();
    std::string error;
    if (!card->Read(in, &error)) {
      HoleDamaged = 1;
      HoleError = "card " + std::to_string(i + 1) + " of the saved hole: " + error;
      return -1;
    }
    read.push_back(card);
  }
  Cards = std::move(read);
  return 0;
}

int TSaveData::ApplyIrons() {
  if (GameScreen && GameScreen->Player)
    for (int slot = 2; slot <= 9; ++slot)
      if (Irons[static_cast<std::size_t>(slot)]) GameScreen->Player->Irons[static_cast<std::size_t>(slot)] = 1;
  return 0;
}

int TSaveData::Apply() {
  if (GameGrid) GameGrid->LevelName = CourseName;
  if (GameScreen && GameScreen->Player)
    if (auto course = CourseFind(CourseName)) GameScreen->Player->CourseHoles = course->Holes;
  if (!TGameScreen::LoadLevelFromProfile) return 0;
  TGameScreen::LoadLevelFromProfile = 0;
  if (!CardList) CardList = std::make_shared<TCardList>();
  CardList->Kill();
  if (HoleDamaged) return 0;
  int high = 100;
  for (const auto& saved : Cards) {
    auto card = std::make_shared<TCard>();
    saved->Copy(*card);
    card->ChooseImage();
    CardList->AddLast(card);
    high = std::max(high, card->ID);
  }
  TCardList::HighID = high + 1;
  if (GameGrid) {
    GameGrid->CardsLeft = 0;
    for (const auto& c : CardList->Cards) {
      if (c->Playfield) ++GameGrid->CardsLeft;
      if (c->Foundation) GameGrid->FoundationChange(c, 0);
    }
    CardList->StockTopMark();
  }
  return 0;
}
