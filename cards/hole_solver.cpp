#include "cards/hole_solver.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <set>

#include "platform/random.h"

namespace {

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const ScreenRect& inner, const ScreenRect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

std::string CardName(int id) { return "card " + std::to_string(id); }

bool IsCollectable(int type) { return type == CARDTYPE_WEDGE || type == CARDTYPE_IRON; }

std::uint64_t Bit(int i) { return std::uint64_t{1} << i; }

}  // namespace

ScreenRect CardScreenRect(int x, int y) {
  const int left = LAYOUT_ORIGIN_X + ScaleHoleUnit(x);
  const int top = LAYOUT_ORIGIN_Y + ScaleHoleUnit(y);
  return {left, top, left + SOLVER_CARD_W, top + SOLVER_CARD_H};
}

// ---- Validation ----------------------------------------------------------------------------

std::vector<std::string> ValidateHoleLayout(const HoleFileData& hole) {
  std::vector<std::string> faults;
  const auto& cards = hole.cards;
  const int n = static_cast<int>(cards.size());
  if (n == 0) faults.push_back("the hole has no cards");
  if (n > SOLVER_MAX_LAYOUT_CARDS)
    faults.push_back("the hole has " + std::to_string(n) + " cards, more than " +
                     std::to_string(SOLVER_MAX_LAYOUT_CARDS));
  int valueCards = 0;
  for (const auto& c : cards) valueCards += c.type != CARDTYPE_WEDGE ? 1 : 0;
  if (valueCards > LAYOUT_MAX_VALUE_CARDS)
    faults.push_back(std::to_string(valueCards) + " cards take a value, more than " +
                     std::to_string(LAYOUT_MAX_VALUE_CARDS) + " (the stock would be too small)");

  std::map<int, int> byId;
  for (int i = 0; i < n; ++i) {
    const auto& c = cards[i];
    if (c.id < 0 || c.id >= LAYOUT_ID_LIMIT)
      faults.push_back(CardName(c.id) + ": ID outside 0.." + std::to_string(LAYOUT_ID_LIMIT - 1));
    if (!byId.emplace(c.id, i).second) faults.push_back(CardName(c.id) + ": ID used twice");
    if (c.type != CARDTYPE_NORMAL && c.type != CARDTYPE_WATER && c.type != CARDTYPE_SAND &&
        c.type != CARDTYPE_WEDGE)
      faults.push_back(CardName(c.id) + ": card type " + std::to_string(c.type) +
                       " cannot come from a hole file");
    if (c.faceUp != 0 && c.faceUp != 1) faults.push_back(CardName(c.id) + ": face must be 0 or 1");
    if (c.zorder < 0) faults.push_back(CardName(c.id) + ": negative ZOrder");
    if (c.tokenFactor < 0 || c.tokenFactor > 5)
      faults.push_back(CardName(c.id) + ": token factor outside 0..5");
    const ScreenRect r = CardScreenRect(c.x, c.y);
    if (!Inside(r, PLAY_AREA)) faults.push_back(CardName(c.id) + ": outside the play area");
    for (const auto& hud : HUD_AREAS)
      if (Overlaps(r, hud)) {
        faults.push_back(CardName(c.id) + ": hidden under the HUD");
        break;
      }
  }

  // on[i]: layout indices of the cards lying on card i.
  std::vector<std::vector<int>> on(n);
  std::set<std::pair<int, int>> coverPairs;  // (lower, upper)
  for (int i = 0; i < n; ++i) {
    const auto& c = cards[i];
    std::set<int> seen;
    for (int id : c.covers) {
      if (id == c.id) {
        faults.push_back(CardName(c.id) + ": covers itself");
        continue;
      }
      if (!seen.insert(id).second) {
        faults.push_back(CardName(c.id) + ": names " + CardName(id) + " twice in its cover list");
        continue;
      }
      const auto it = byId.find(id);
      if (it == byId.end()) {
        faults.push_back(CardName(c.id) + ": covered by unknown " + CardName(id));
        continue;
      }
      const auto& upper = cards[it->second];
      if (upper.zorder <= c.zorder)
        faults.push_back(CardName(id) + " covers " + CardName(c.id) + " but is not drawn above it");
      if (!Overlaps(CardScreenRect(upper.x, upper.y), CardScreenRect(c.x, c.y)))
        faults.push_back(CardName(id) + " covers " + CardName(c.id) + " without touching it");
      on[i].push_back(it->second);
      coverPairs.insert({i, it->second});
    }
  }

  // Cover cycles: depth-first search along "lies on" edges.
  std::vector<int> colour(n, 0);
  bool cycle = false;
  for (int start = 0; start < n && !cycle; ++start) {
    if (colour[start] != 0) continue;
    std::vector<std::pair<int, std::size_t>> stack{{start, 0}};
    colour[start] = 1;
    while (!stack.empty() && !cycle) {
      auto& [v, next] = stack.back();
      if (next < on[v].size()) {
        const int w = on[v][next++];
        if (colour[w] == 1) {
          faults.push_back("cover cycle through " + CardName(cards[w].id));
          cycle = true;
        } else if (colour[w] == 0) {
          colour[w] = 1;
          stack.push_back({w, 0});
        }
      } else {
        colour[v] = 2;
        stack.pop_back();
      }
    }
  }

  // Reachability: clear cards whose covers are all cleared until nothing changes.
  std::vector<bool> cleared(n, false);
  for (bool changed = true; changed;) {
    changed = false;
    for (int i = 0; i < n; ++i) {
      if (cleared[i]) continue;
      bool free = true;
      for (int j : on[i]) free = free && cleared[j];
      if (free) {
        cleared[i] = true;
        changed = true;
      }
    }
  }
  for (int i = 0; i < n; ++i)
    if (!cleared[i]) faults.push_back(CardName(cards[i].id) + ": can never be uncovered");

  // Overlapping cards must be bound by a cover, or a click could take the lower one.
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j) {
      if (!Overlaps(CardScreenRect(cards[i].x, cards[i].y), CardScreenRect(cards[j].x, cards[j].y)))
        continue;
      if (!coverPairs.count({i, j}) && !coverPairs.count({j, i}))
        faults.push_back(CardName(cards[i].id) + " and " + CardName(cards[j].id) +
                         " overlap without a cover");
    }
  return faults;
}

// ---- Layout and deal ------------------------------------------------------------------------

bool BuildSolverLayout(const HoleFileData& hole, SolverLayout& layout, std::string& error) {
  const int n = static_cast<int>(hole.cards.size());
  if (n > SOLVER_MAX_LAYOUT_CARDS) {
    error = "too many cards for the solver: " + std::to_string(n);
    return false;
  }
  std::map<int, int> byId;
  for (int i = 0; i < n; ++i) byId[hole.cards[i].id] = i;
  layout = SolverLayout{};
  layout.count = n;
  for (int i = 0; i < n; ++i) {
    const auto& c = hole.cards[i];
    layout.type.push_back(c.type == CARDTYPE_WEDGE || IsRankedType(c.type) ? c.type : CARDTYPE_NORMAL);
    layout.faceUp.push_back(c.faceUp != 0 ? 1 : 0);
    std::uint64_t covered = 0;
    for (int id : c.covers) {
      const auto it = byId.find(id);
      if (it == byId.end() || it->second == i) {
        error = CardName(c.id) + ": bad cover " + std::to_string(id);
        return false;
      }
      covered |= Bit(it->second);
    }
    layout.coveredBy.push_back(covered);
  }
  return true;
}

namespace {

struct DeckEntry {
  int suit;  // 0..3, -1 an iron, -2 a wild shot
  int value;
};

constexpr int SUIT_IRON = -1;
constexpr int SUIT_WILDSHOT = -2;

int PickEmptyIron(bool held[IRON_LAST + 1], platform::Random& rng) {
  int k;
  do {
    k = rng.Rand(IRON_FIRST, IRON_LAST);
  } while (held[k]);
  held[k] = true;
  return k;
}

}  // namespace

std::size_t StockIndexForTurn(std::size_t stock_size, int turn) {
  const std::size_t above = static_cast<std::size_t>(std::max(turn - 1, 0));
  return stock_size - std::min(above, stock_size);
}

HoleDeal DealHole(const SolverLayout& layout, platform::Random& rng, const DealOptions& options) {
  std::vector<DeckEntry> deck;
  for (int suit = 0; suit < SUIT_COUNT; ++suit)
    for (int value = CARD_VALUE_MIN; value <= CARD_VALUE_MAX; ++value) deck.push_back({suit, value});

  const int held = std::clamp(options.ironsHeld, 0, 8);
  int irons = 0;
  if (held < 8) {
    if (options.irons >= 0) {
      irons = std::min(options.irons, 2);
    } else {
      const int r = rng.Rand(1, 100);
      irons = r <= 7 ? 2 : r <= 34 ? 1 : 0;
    }
    if (held == 7) irons = std::min(irons, 1);
  }
  bool heldSlots[IRON_LAST + 1] = {};
  for (int k = IRON_FIRST; k < IRON_FIRST + held; ++k) heldSlots[k] = true;
  std::vector<DeckEntry> ironEntries;
  for (int i = 0; i < irons; ++i) ironEntries.push_back({SUIT_IRON, PickEmptyIron(heldSlots, rng)});
  const bool ironToStock = options.ironStockTurns > 0;
  if (!ironToStock) deck.insert(deck.end(), ironEntries.begin(), ironEntries.end());

  HoleDeal deal;
  deal.value.assign(layout.count, 1);
  deal.type = layout.type;
  for (int i = 0; i < layout.count; ++i) {
    if (layout.type[i] == CARDTYPE_WEDGE) continue;
    const bool hazard = IsHazardType(layout.type[i]);
    const bool anyPlain = std::any_of(deck.begin(), deck.end(),
                                      [](const DeckEntry& e) { return e.suit >= 0; });
    if (deck.empty() || (hazard && !anyPlain)) continue;  // beyond the layout bound
    int pos;
    do {
      pos = rng.Rand(0, static_cast<int>(deck.size()) - 1);
    } while (hazard && deck[pos].suit == SUIT_IRON);
    if (deck[pos].suit == SUIT_IRON) deal.type[i] = CARDTYPE_IRON;
    deal.value[i] = deck[pos].value;
    deck.erase(deck.begin() + pos);
  }

  if (ironToStock) deck.insert(deck.end(), ironEntries.begin(), ironEntries.end());

  int wild = 0;
  if (options.wildShots >= 0) {
    wild = std::min(options.wildShots, 2);
  } else {
    const int r = rng.Rand(1, 100);
    wild = r <= 2 ? 2 : r <= 22 ? 1 : 0;
  }
  for (int i = 0; i < wild; ++i) deck.push_back({SUIT_WILDSHOT, 0});

  // The stock in the order dealt: the last entry is the top.
  std::vector<DeckEntry> stock;
  while (!deck.empty()) {
    const int pos = rng.Rand(0, static_cast<int>(deck.size()) - 1);
    stock.push_back(deck[pos]);
    deck.erase(deck.begin() + pos);
  }
  const bool anyPlain =
      std::any_of(stock.begin(), stock.end(), [](const DeckEntry& e) { return e.suit >= 0; });
  if (anyPlain) {
    // An iron or wild shot on top moves down, directly before a random other stock card.
    while (stock.back().suit < 0) {
      const DeckEntry top = stock.back();
      stock.pop_back();
      const int partner = rng.Rand(0, static_cast<int>(stock.size()) - 1);
      stock.insert(stock.begin() + partner, top);
    }
    deal.foundation = stock.back().value;
    stock.pop_back();
  }
  if (ironToStock) {
    // The irons leave the stock and come back near its top (the top card is the last entry).
    std::vector<DeckEntry> found;
    std::erase_if(stock, [&found](const DeckEntry& e) {
      if (e.suit == SUIT_IRON) found.push_back(e);
      return e.suit == SUIT_IRON;
    });
    for (const DeckEntry& iron : found) {
      const int turn = rng.Rand(1, options.ironStockTurns);
      stock.insert(stock.begin() + static_cast<std::ptrdiff_t>(StockIndexForTurn(stock.size(), turn)), iron);
    }
  }
  if (options.wildShotStockTurns > 0) {
    // The wild shots leave the stock and come back among its first turns.
    const auto wildShots =
        std::erase_if(stock, [](const DeckEntry& e) { return e.suit == SUIT_WILDSHOT; });
    for (std::size_t i = 0; i < wildShots; ++i) {
      const int turn = rng.Rand(1, options.wildShotStockTurns);
      stock.insert(
          stock.begin() + static_cast<std::ptrdiff_t>(StockIndexForTurn(stock.size(), turn)),
          DeckEntry{SUIT_WILDSHOT, 0});
    }
  }
  for (auto it = stock.rbegin(); it != stock.rend(); ++it) {
    deal.stockValue.push_back(it->value);
    deal.stockType.push_back(it->suit == SUIT_IRON       ? CARDTYPE_IRON
                             : it->suit == SUIT_WILDSHOT ? CARDTYPE_WILDSHOT
                                                         : CARDTYPE_NORMAL);
  }
  return deal;
}

// ---- Solving -----------------------------------------------------------------------------

// Position key: cleared layout cards (48 bits), stock cards turned (6 bits), foundation value
// (4 bits), irons already played from the bag (2 bits, one per iron of the deal).
struct THoleSolver::Search {
  const SolverLayout& layout;
  const HoleDeal& deal;
  THoleSolver& owner;
  int n = 0;
  std::uint64_t all = 0;
  int stockCount = 0;
  long budget = 0;
  long nodes = 0;
  bool aborted = false;
  int best = 0;  // most layout cards cleared
  int ironValue[2] = {0, 0};
  std::uint64_t ironLayoutBit[2] = {0, 0};  // the layout card that is the iron, or none
  int ironStockPos[2] = {64, 64};           // the stock position of the iron, or past the end
  std::uint64_t collectable = 0;  // wedges and irons on the layout
  std::vector<std::uint32_t> stockValuesFrom;  // bit v: a plain card of value v at or after this turn
  std::uint32_t neighbours[16] = {};           // bit v: value v takes this value
  std::uint64_t ranked = 0;

  Search(const SolverLayout& l, const HoleDeal& d, THoleSolver& o) : layout(l), deal(d), owner(o) {}

  bool IsFree(int i, std::uint64_t cleared) const { return (layout.coveredBy[i] & ~cleared) == 0; }

  // Collects every free wedge and iron, repeating while collecting frees more of them.
  std::uint64_t CollectFree(std::uint64_t cleared) const {
    for (bool changed = true; changed;) {
      changed = false;
      std::uint64_t left = collectable & ~cleared;
      while (left) {
        const int i = std::countr_zero(left);
        left &= left - 1;
        if (IsFree(i, cleared)) {
          cleared |= Bit(i);
          changed = true;
        }
      }
    }
    return cleared;
  }

  // Irons in the bag: collected (from the layout or the stock) and not yet played.
  int Bag(std::uint64_t cleared, int turned, int played) const {
    int bag = 0;
    for (int j = 0; j < 2; ++j)
      if ((cleared & ironLayoutBit[j]) || ironStockPos[j] < turned) bag |= 1 << j;
    return bag & ~played;
  }

  void Run(std::uint64_t cleared, int turned, int foundation, int played) {
    if (aborted || best == n) return;
    cleared = CollectFree(cleared);
    const std::uint64_t key = cleared | (static_cast<std::uint64_t>(turned) << 48) |
                              (static_cast<std::uint64_t>(foundation & 15) << 54) |
                              (static_cast<std::uint64_t>(played) << 58);
    if (!owner.Visit(key)) return;
    if (++nodes > budget) {
      aborted = true;
      return;
    }
    const int clearedCount = std::popcount(cleared);
    if (clearedCount > best) best = clearedCount;
    if (best == n) return;

    // One walk over the cards still on the layout: which of them lie on others, the values still
    // there, and the free cards that fit the foundation.
    std::uint64_t lying = 0;  // cards that some card still on the layout lists as lying on it
    std::uint64_t playable = 0;
    std::uint32_t values = (1u << foundation) | stockValuesFrom[turned];
    std::uint32_t freeValues = 0;
    int count[16] = {};
    for (std::uint64_t rest = all & ~cleared; rest;) {
      const int k = std::countr_zero(rest);
      rest &= rest - 1;
      lying |= layout.coveredBy[k];
      if (!(ranked & Bit(k))) continue;
      const int v = deal.value[k];
      values |= 1u << v;
      ++count[v];
      if ((layout.coveredBy[k] & ~cleared) == 0) {
        freeValues |= 1u << v;
        if (neighbours[v] & (1u << foundation)) playable |= Bit(k);
      }
    }
    // Bound: a card can only be played onto a neighbouring value, and the foundation can only
    // take the values still to come (the stock's rest, the layout, irons not yet played).
    for (int j = 0; j < 2; ++j)
      if (!(played & (1 << j))) values |= 1u << ironValue[j];
    int dead = 0;
    for (int v = CARD_VALUE_MIN; v <= CARD_VALUE_MAX; ++v)
      if (count[v] && !(values & neighbours[v])) dead += count[v];
    if (n - dead <= best) return;

    // Two playable cards of one value that lie on nothing still on the layout lead to the same
    // positions: only the first of them is tried. Cards that free others are tried first.
    int leafValues = 0;
    const std::uint64_t order[2] = {playable & lying, playable & ~lying};
    for (std::uint64_t group : order)
      for (std::uint64_t p = group; p;) {
        const int i = std::countr_zero(p);
        p &= p - 1;
        if (!(lying & Bit(i))) {
          if (leafValues & (1 << deal.value[i])) continue;
          leafValues |= 1 << deal.value[i];
        }
        Run(cleared | Bit(i), turned, deal.value[i], played);
        if (aborted || best == n) return;
      }

    // Irons from the bag, only where a free card then fits.
    const int bag = Bag(cleared, turned, played);
    for (int j = 0; j < 2; ++j) {
      if (!(bag & (1 << j)) || !(freeValues & neighbours[ironValue[j]])) continue;
      Run(cleared, turned, ironValue[j], played | (1 << j));
      if (aborted || best == n) return;
    }

    // The stock.
    if (turned < stockCount) {
      const int next =
          deal.stockType[turned] == CARDTYPE_NORMAL ? deal.stockValue[turned] : foundation;
      Run(cleared, turned + 1, next, played);
    }
  }
};

THoleSolver::THoleSolver() : keys_(1 << 16, 0), stamps_(1 << 16, 0) {}

bool THoleSolver::Visit(std::uint64_t key) {
  if (used_ * 2 >= keys_.size()) Grow();
  const std::size_t mask = keys_.size() - 1;
  std::size_t h = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
  while (stamps_[h] == stamp_) {
    if (keys_[h] == key) return false;
    h = (h + 1) & mask;
  }
  stamps_[h] = stamp_;
  keys_[h] = key;
  ++used_;
  return true;
}

void THoleSolver::Grow() {
  std::vector<std::uint64_t> oldKeys(keys_.size() * 2, 0);
  std::vector<std::uint32_t> oldStamps(stamps_.size() * 2, 0);
  oldKeys.swap(keys_);
  oldStamps.swap(stamps_);
  const std::size_t mask = keys_.size() - 1;
  for (std::size_t i = 0; i < oldKeys.size(); ++i) {
    if (oldStamps[i] != stamp_) continue;
    std::size_t h = static_cast<std::size_t>((oldKeys[i] * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (stamps_[h] == stamp_) h = (h + 1) & mask;
    stamps_[h] = stamp_;
    keys_[h] = oldKeys[i];
  }
}

SolveResult THoleSolver::Solve(const SolverLayout& layout, const HoleDeal& deal, long nodeBudget) {
  // The position key has room for 48 layout cards; a larger layout is not searched.
  if (layout.count > SOLVER_MAX_LAYOUT_CARDS) return {layout.count, false, 0};
  // A new stamp empties the position table without touching it; on wrap-around clear it once.
  if (++stamp_ == 0) {
    std::fill(stamps_.begin(), stamps_.end(), 0);
    stamp_ = 1;
  }
  used_ = 0;

  Search s(layout, deal, *this);
  s.n = layout.count;
  s.all = s.n >= 64 ? ~std::uint64_t{0} : Bit(s.n) - 1;
  s.stockCount = std::min(static_cast<int>(deal.stockValue.size()), 63);
  s.budget = nodeBudget;
  int irons = 0;
  for (int i = 0; i < s.n; ++i) {
    if (deal.type[i] == CARDTYPE_IRON && irons < 2) {
      s.ironLayoutBit[irons] = Bit(i);
      s.ironValue[irons++] = deal.value[i];
    }
    if (IsCollectable(deal.type[i])) s.collectable |= Bit(i);
    else s.ranked |= Bit(i);
  }
  for (int k = 0; k < s.stockCount; ++k)
    if (deal.stockType[k] == CARDTYPE_IRON && irons < 2) {
      s.ironStockPos[irons] = k;
      s.ironValue[irons++] = deal.stockValue[k];
    }
  s.stockValuesFrom.assign(s.stockCount + 1, 0);
  for (int k = s.stockCount - 1; k >= 0; --k)
    s.stockValuesFrom[k] = s.stockValuesFrom[k + 1] |
                           (deal.stockType[k] == CARDTYPE_NORMAL ? 1u << (deal.stockValue[k] & 15) : 0u);
  for (int v = CARD_VALUE_MIN; v <= CARD_VALUE_MAX; ++v)
    for (int f = CARD_VALUE_MIN; f <= CARD_VALUE_MAX; ++f)
      if (FoundationAccepts(f, v)) s.neighbours[v] |= 1u << f;
  s.Run(0, 0, deal.foundation, 0);
  return {s.n - s.best, !s.aborted, s.nodes};
}

// ---- The careful player ------------------------------------------------------------------

namespace {

struct PlayerView {
  const SolverLayout& layout;
  const HoleDeal& deal;
  std::uint64_t known = 0;  // cards whose value the player can see
  int nodes = 0;
  double bestScore = 0;
  int bestFirst = -1;

  static constexpr int NODE_CAP = 6000;
  static constexpr double REVEAL_WORTH = 0.3;

  bool IsFree(int i, std::uint64_t cleared) const { return (layout.coveredBy[i] & ~cleared) == 0; }

  // Longest run of known cards from here; a face-down card turned over adds a little.
  void Explore(std::uint64_t cleared, int foundation, int played, int first) {
    if (++nodes > NODE_CAP) return;
    double reveals = 0;
    for (int i = 0; i < layout.count; ++i)
      if (!(cleared & Bit(i)) && !(known & Bit(i)) && IsFree(i, cleared)) reveals += REVEAL_WORTH;
    const double score = played + reveals;
    if (first >= 0 && score > bestScore) {
      bestScore = score;
      bestFirst = first;
    }
    for (int i = 0; i < layout.count; ++i) {
      if ((cleared & Bit(i)) || !(known & Bit(i)) || !IsFree(i, cleared)) continue;
      if (IsCollectable(deal.type[i])) {
        Explore(cleared | Bit(i), foundation, played + 1, first < 0 ? i : first);
      } else if (FoundationAccepts(foundation, deal.value[i])) {
        Explore(cleared | Bit(i), deal.value[i], played + 1, first < 0 ? i : first);
      }
    }
  }
};

struct Plan {
  double score = 0;
  int first = -1;
};

Plan PlanFrom(const SolverLayout& layout, const HoleDeal& deal, std::uint64_t cleared,
              int foundation) {
  PlayerView view{layout, deal};
  for (int i = 0; i < layout.count; ++i)
    if (layout.faceUp[i] || (layout.coveredBy[i] & ~cleared) == 0) view.known |= Bit(i);
  view.Explore(cleared, foundation, 0, -1);
  return {view.bestScore, view.bestFirst};
}

}  // namespace

int PlayLikeAPlayer(const SolverLayout& layout, const HoleDeal& deal) {
  const int n = layout.count;
  std::uint64_t cleared = 0;
  int foundation = deal.foundation;
  std::vector<int> bag;
  const int stockCount = static_cast<int>(deal.stockValue.size());
  int turned = 0;
  auto isFree = [&](int i) { return (layout.coveredBy[i] & ~cleared) == 0; };

  while (true) {
    for (bool changed = true; changed;) {
      changed = false;
      for (int i = 0; i < n; ++i)
        if (!(cleared & Bit(i)) && IsCollectable(deal.type[i]) && isFree(i)) {
          cleared |= Bit(i);
          if (deal.type[i] == CARDTYPE_IRON) bag.push_back(deal.value[i]);
          changed = true;
        }
    }
    if (std::popcount(cleared) == n) break;

    const Plan plan = PlanFrom(layout, deal, cleared, foundation);
    if (plan.first >= 0) {
      cleared |= Bit(plan.first);
      foundation = deal.value[plan.first];
      continue;
    }

    int useIron = -1;
    double ironScore = 0;
    for (std::size_t j = 0; j < bag.size(); ++j) {
      const Plan p = PlanFrom(layout, deal, cleared, bag[j]);
      if (p.first >= 0 && p.score > ironScore) {
        ironScore = p.score;
        useIron = static_cast<int>(j);
      }
    }
    if (useIron >= 0 && (turned >= stockCount || ironScore >= 3)) {
      foundation = bag[useIron];
      bag.erase(bag.begin() + useIron);
      continue;
    }

    if (turned < stockCount) {
      if (deal.stockType[turned] == CARDTYPE_NORMAL) foundation = deal.stockValue[turned];
      else if (deal.stockType[turned] == CARDTYPE_IRON) bag.push_back(deal.stockValue[turned]);
      ++turned;
      continue;
    }
    break;
  }
  return n - std::popcount(cleared);
}

// ---- Par --------------------------------------------------------------------------------

HoleSample SampleHole(const SolverLayout& layout, const DealOptions& options, int deals,
                      std::uint64_t seed, THoleSolver& solver) {
  HoleSample sample;
  platform::Random rng(seed);
  for (int d = 0; d < deals; ++d) {
    const HoleDeal deal = DealHole(layout, rng, options);
    const SolveResult r = solver.Solve(layout, deal);
    if (!r.complete) ++sample.incomplete;
    // A search cut short may miss what the player found: the better of the two is still reachable.
    const int played = PlayLikeAPlayer(layout, deal);
    sample.best.push_back(std::min(r.cardsLeft, played));
    sample.player.push_back(played);
  }
  return sample;
}

double MeanOf(const std::vector<int>& results) {
  if (results.empty()) return 0;
  double sum = 0;
  for (int r : results) sum += r;
  return sum / static_cast<double>(results.size());
}

double ShareAtOrBelow(const std::vector<int>& results, int par) {
  if (results.empty()) return 0;
  const auto hits = std::count_if(results.begin(), results.end(), [par](int r) { return r <= par; });
  return static_cast<double>(hits) / static_cast<double>(results.size());
}

int ChoosePar(const HoleSample& sample, double slack, double reachShare, int cardCount) {
  int par = static_cast<int>(std::floor(MeanOf(sample.player) + slack + 0.5));
  par = std::clamp(par, 0, cardCount);
  while (par < cardCount && ShareAtOrBelow(sample.best, par) < reachShare) ++par;
  return par;
}
