// Dealing a freshly loaded hole: values and suits from a 52-card deck, irons and wild shots by
// chance, the rest face down into the stock in random order, and a plain card onto the foundation.

#include <algorithm>
#include <string>
#include <vector>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/hole_solver.h"
#include "content/course.h"
#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "platform/random.h"
#include "platform/system.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "util/error.h"
#include "util/input.h"

namespace {

constexpr const char* kTutorialCourse = "The Vuva Rivudar";

// A deck entry: suit -1 an iron (value its number), -2 a wild shot, else a playing card.
struct DealEntry {
  int suit = 0;
  int value = 0;
};

void DebugLog(const char*) {}

bool TakesValue(const TCard& c) {
  return c.CardType != CARDTYPE_WEDGE && c.CardType != CARDTYPE_IRON &&
         c.CardType != CARDTYPE_WILDSHOT;
}

bool Plain(const TCard& c) { return c.CardType != CARDTYPE_IRON && c.CardType != CARDTYPE_WILDSHOT; }

// The hole file of the hole being dealt, to name it when the hole is refused.
std::string HoleFileName(const TPlayer& player) {
  auto course = CourseFind(player.SaveData->CourseName);
  const int hole = player.Level;
  if (course && hole >= 1 && hole <= static_cast<int>(course->HoleNames.size())) {
    const std::string prefix = Game ? Game->DataPrefix : std::string();
    return HoleFilePath(prefix, course->HoleNames[static_cast<std::size_t>(hole - 1)]);
  }
  return "hole " + std::to_string(hole) + " of \"" + player.SaveData->CourseName + "\"";
}

}  // namespace

int DealIronCount(int r, int held) {
  if (held >= 8) return 0;
  if (r <= 7 && held != 7) return 2;
  if (r <= 34) return 1;
  return 0;
}

int DealWildshotCount(int r) {
  if (r <= 2) return 2;
  if (r <= 22) return 1;
  return 0;
}

int TGameScreen::StockCardToTurn(int cardType, int turn) {
  // The stock in list order, its top last; the foundation card has left it already.
  std::vector<std::size_t> slots;
  auto& cards = CardList->Cards;
  for (std::size_t i = 0; i < cards.size(); ++i)
    if (cards[i]->Stock && !cards[i]->Foundation) slots.push_back(i);
  std::vector<TCardRef> stock;
  for (std::size_t i : slots) stock.push_back(cards[i]);
  const auto found = std::find_if(stock.begin(), stock.end(), [cardType](const TCardRef& c) {
    return c->CardType == cardType;
  });
  if (found == stock.end()) return 0;
  const TCardRef card = *found;
  stock.erase(found);
  stock.insert(stock.begin() + static_cast<std::ptrdiff_t>(StockIndexForTurn(stock.size(), turn)), card);
  for (std::size_t j = 0; j < slots.size(); ++j) cards[slots[j]] = stock[j];
  CardList->StockZOrder();
  CardList->StockSpread();
  return 1;
}

int TGameScreen::FillGrid() {
  DebugLog("Fill Grid - Start");
  // A layout beyond what the deck can deal is refused before anything is drawn.
  int valueCards = 0;
  for (const auto& c : CardList->Cards) {
    if (TakesValue(*c)) ++valueCards;
    if (c->ID >= FIRST_STOCK_ID || c->ID < 0)
      ccRunTimeError("Error: the hole file " + HoleFileName(*Player) + " has the card ID " +
                         std::to_string(c->ID) + "; layout IDs must lie from 0 to 99.",
                     1);
  }
  if (valueCards > MAX_VALUE_CARDS)
    ccRunTimeError("Error: the hole file " + HoleFileName(*Player) + " has " +
                       std::to_string(valueCards) + " cards that take a value; at most " +
                       std::to_string(MAX_VALUE_CARDS) + " can be dealt.",
                   1);

  // Both generators of the deal start from the millisecond clock, so a fixed clock deals alike.
  const auto clock = static_cast<std::uint64_t>(platform::Millisecs());
  GameGrid->Rng.Seed(clock);
  platform::Random fast(clock ^ 0x5DEECE66Dull);
  auto fastRand = [&fast](int lo, int hi) { return hi < lo ? lo : fast.Rand(lo, hi); };
  auto chance = [this]() {
    const int r = GameGrid->Rng.Rand(1, 100);
    if (DealRolls.empty()) return r;
    const int forced = DealRolls.front();
    DealRolls.erase(DealRolls.begin());
    return forced;
  };

  std::vector<DealEntry> deck;
  for (int suit = 0; suit <= 3; ++suit)
    for (int value = 1; value <= 13; ++value) deck.push_back({suit, value});

  DebugLog("Add irons");
  const bool tutorial = GameGrid->LevelName == kTutorialCourse;
  int freeSlots = 0;
  for (int slot = 2; slot <= 9; ++slot)
    if (Player->Irons[static_cast<std::size_t>(slot)] == 0) ++freeSlots;
  int irons = 0;
  if (Player->IronsCount() < 8 && !(tutorial && Player->Level < 3)) {
    int r = chance();
    if (tutorial && Player->Level == 3) r = 34;
    irons = DealIronCount(r, Player->IronsCount());
  }
  irons = std::min(irons, freeSlots);
  // The irons hole of the first course keeps its iron out of the layout: it joins the deck
  // after the layout has its values, and is moved near the stock's top below.
  const bool ironToStock = tutorial && Player->Level == 3;
  std::vector<DealEntry> ironEntries;
  if (irons >= 1) {
    const int first = Player->GetEmptyIron();
    ironEntries.push_back({-1, first});
    if (irons == 2) {
      int second = Player->GetEmptyIron();
      while (second == first) second = Player->GetEmptyIron();
      ironEntries.push_back({-1, second});
    }
  }
  if (!ironToStock) deck.insert(deck.end(), ironEntries.begin(), ironEntries.end());

  DebugLog("Assign value");
  for (const auto& c : CardList->Cards) {
    if (!TakesValue(*c)) {
      ++GameGrid->CardsLeft;
      continue;
    }
    const bool hazard = c->CardType == CARDTYPE_WATER || c->CardType == CARDTYPE_SAND;
    std::size_t pick = 0;
    do {
      pick = static_cast<std::size_t>(fastRand(0, static_cast<int>(deck.size()) - 1));
    } while (hazard && deck[pick].suit == -1);
    const DealEntry entry = deck[pick];
    if (entry.suit == -1) {
      c->CardType = CARDTYPE_IRON;
      c->ChooseImage();
    } else {
      c->Suit = entry.suit;
    }
    c->Value = entry.value;
    deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(pick));
    ++GameGrid->CardsLeft;
  }

  if (ironToStock) deck.insert(deck.end(), ironEntries.begin(), ironEntries.end());

  DebugLog("Add wildshots");
  int r = chance();
  if (tutorial && Player->Level == 1) r = 100;
  if (tutorial && Player->Level == 2) r = 22;
  for (int i = DealWildshotCount(r); i > 0; --i) deck.push_back({-2, 0});

  DebugLog("Add to stock");
  int x = GameGrid->STOCKX;
  int advanced = 0;
  int zorder = 0;
  int id = FIRST_STOCK_ID;
  while (!deck.empty()) {
    const auto pick = static_cast<std::size_t>(fastRand(0, static_cast<int>(deck.size()) - 1));
    const DealEntry entry = deck[pick];
    auto card = CardList->Add(x, GameGrid->STOCKY, CARDTYPE_NORMAL, 0, entry.value, entry.suit);
    if (entry.suit == -1) card->CardType = CARDTYPE_IRON;
    if (entry.suit == -2) card->CardType = CARDTYPE_WILDSHOT;
    card->ChooseImage();
    card->Playfield = 0;
    card->Stock = 1;
    card->FromStock = 1;
    card->ZOrder = zorder++;
    card->ID = id++;
    if (advanced < 10) {
      x += TGameGrid::STOCKSPREADX;
      ++advanced;
    }
    deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(pick));
  }
  TCardList::HighID = id;

  DebugLog("Stock to foundation");
  auto& cards = CardList->Cards;
  while (!cards.empty() && !Plain(*cards.back())) {
    DebugLog("searching");
    const int count = static_cast<int>(cards.size());
    std::size_t partner = 0;
    do {
      partner = static_cast<std::size_t>(fastRand(0, count - 2));
    } while (!cards[partner]->Stock);
    DebugLog("searching done");
    auto top = cards.back();
    cards.pop_back();
    cards.insert(cards.begin() + static_cast<std::ptrdiff_t>(partner), top);
    CardList->StockZOrder();
    CardList->StockSpread();
  }

  DebugLog("Misc");
  if (!cards.empty()) {
    auto first = cards.back();
    first->MoveToFoundation(0);
    first->MakeFaceUp();
  }
  if (ironToStock) StockCardToTurn(CARDTYPE_IRON, fastRand(1, TUTORIAL_IRON_TURNS));
  // The wild shots hole of the first course turns its wild shot up first, before any player
  // can clear the layout.
  if (tutorial && Player->Level == 2)
    StockCardToTurn(CARDTYPE_WILDSHOT, fastRand(1, TUTORIAL_WILDSHOT_TURNS));
  CardList->StockTopMark();
  deck.clear();
  CardList->SortAll();
  if (CardList->StockCount() < 5) {
    ccEnablePolledInput();
    ccDialogOK("Warning: this hole has less than 5 stock cards and could sometimes hang on "
               "initialisation!",
               750, 100);
    ccDisablePolledInput();
  }
  DebugLog("Fill Grid - Done");
  return 0;
}
