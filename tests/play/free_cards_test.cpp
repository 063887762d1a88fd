// Every committed hole played on the real play field under the play screen's per-tick managers:
// after each move has settled, a card with nothing lying on it shows its face and takes a click.
// Moves are plays, stock turns and mulligans in a seeded random order.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cards/hole_solver.h"
#include "platform/files.h"
#include "platform/random.h"
#include "tests/play/field_play_fixture.h"

namespace fs = std::filesystem;

namespace {

const fs::path HOLES = fs::path(QUILL_DATA_SOURCE_DIR) / "levels" / "holes";

std::vector<std::string> CommittedHoles() {
  std::vector<std::string> names;
  for (const auto& f : fs::directory_iterator(HOLES))
    if (f.path().extension() == ".txt") names.push_back(f.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FreeCardsTest : public PlayFixture {
 protected:
  // A layout card that nothing covers, neither in the stock nor on the foundation nor flying.
  static bool Free(const TCard& c) {
    return c.Playfield != 0 && c.Stock == 0 && c.Foundation == 0 && c.Spinning == 0 &&
           c.IronToBagCounter <= 0 && c.Uncovered();
  }

  // Nothing blocks the field, no card flies and no layout card is turning.
  bool Settled() const {
    if (GameGrid->BlockInput != 0 || GameScreen->MulliganAnimCounter > 0 || PlayList->Count() > 0)
      return false;
    return std::none_of(CardList->Cards.begin(), CardList->Cards.end(),
                        [](const TCardRef& c) { return c->Playfield != 0 && c->FlipCounter > 0; });
  }
  void Settle() {
    for (int i = 0; i < 4000 && !Settled(); ++i) Ticks(1);
  }

  // Lays the hole out as a fresh hole starts: values from a deal, a plain stock, the foundation
  // card, and every uncovered face-down card turned.
  void StartHole(const std::string& name, platform::Random& rng) {
    KillField();
    MakeField();
    const auto text = platform::ReadTextFile((HOLES / name).string());
    ASSERT_TRUE(text.has_value()) << name;
    const HoleFileResult file = ParseHoleFile(*text, name);
    ASSERT_TRUE(file.ok) << file.error;
    GameGrid->LoadFromData(file.hole);
    SolverLayout layout;
    std::string error;
    ASSERT_TRUE(BuildSolverLayout(file.hole, layout, error)) << error;
    DealOptions plain;
    plain.irons = 0;
    plain.wildShots = 0;
    const HoleDeal deal = DealHole(layout, rng, plain);
    for (std::size_t i = 0; i < file.hole.cards.size(); ++i)
      CardList->FindCardByID(file.hole.cards[i].id)->Value = deal.value[i];
    GameGrid->CardsLeft = CardList->Count();
    TCardList::HighID = 100;
    for (auto it = deal.stockValue.rbegin(); it != deal.stockValue.rend(); ++it)
      quill_test::AddStockCard(CARDTYPE_NORMAL, *it);
    CardList->StockZOrder();
    CardList->StockSpread();
    CardList->StockTopMark();
    SetFoundation(deal.foundation);
    CardList->FlipAll();
    GameScreen->Player->Mulligans = 3;
  }

  int played_ = 0, mulligans_ = 0;

  // Plays the hole until nothing is left to do.
  void PlayHole(const std::string& name, std::uint64_t seed) {
    platform::Random rng(seed);
    StartHole(name, rng);
    bool undoable = false;
    for (int move = 0; move < 200; ++move) {
      Settle();
      for (const auto& c : CardList->Cards) {
        if (!Free(*c)) continue;
        EXPECT_EQ(c->FaceUp, 1) << name << ": card " << c->ID << " lies free face down after move "
                                << move;
        EXPECT_EQ(c->FlipCounter, 0) << name << ": card " << c->ID << " is still turning";
      }
      if (HasFailure()) return;
      std::vector<TCardRef> fits;
      for (const auto& c : CardList->Cards)
        if (Free(*c) && (!IsRankedType(c->CardType) || GameGrid->ValidValue(c->Value)))
          fits.push_back(c);
      // A mulligan takes back the move just made, as the button allows; otherwise a card that
      // fits is played, and the stock is turned when none does.
      if (undoable && rng.Rand(1, 4) == 1 && GameScreen->Player->Mulligans > 0) {
        const int before = GameGrid->CardsLeft;
        GameScreen->MulliganStart();
        Ticks(1);
        mulligans_ += GameGrid->CardsLeft > before ? 1 : 0;
        undoable = false;
      } else if (!fits.empty()) {
        const auto card =
            fits[static_cast<std::size_t>(rng.Rand(0, static_cast<int>(fits.size()) - 1))];
        ClickCard(card);
        // A free card that fits leaves the layout at the click.
        EXPECT_FALSE(IsRankedType(card->CardType) && Free(*card))
            << name << ": card " << card->ID << " ignored a click";
        played_ += Free(*card) ? 0 : 1;
        undoable = IsRankedType(card->CardType);
      } else if (auto top = CardList->StockTopFind()) {
        ClickCard(top);
        undoable = true;
      } else {
        return;
      }
    }
  }
};

TEST_F(FreeCardsTest, OnEveryCommittedHoleACardWithNothingOnItShowsItsFaceAndPlays) {
  const auto holes = CommittedHoles();
  ASSERT_GT(holes.size(), 700u);
  std::uint64_t seed = 0;
  for (const auto& name : holes) {
    PlayHole(name, ++seed);
    if (HasFailure()) break;
  }
  // The walk did play the holes, and took moves back on the way.
  EXPECT_GT(played_, 3 * static_cast<int>(holes.size()));
  EXPECT_GT(mulligans_, static_cast<int>(holes.size()) / 2);
}

}  // namespace
