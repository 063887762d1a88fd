#pragma once
// Checking, dealing and solving holes without drawing anything: the level designer uses it to
// refuse broken layouts, to deal a hole the way the play screen deals it, to find how few cards a
// player with full knowledge of the deal can leave, to play the hole the way a careful player who
// sees only the face-up cards would, and from those figures to set the hole's par.
//
// Cards of a layout are numbered 0..n-1 in hole-file order ("layout index"); the hole file's own
// IDs only appear in the checks' messages.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cards/rules.h"

namespace platform {
class Random;
}

// ---- Limits and the play area ------------------------------------------------------------------

// The solver keeps the cleared layout cards in one 48-bit set.
constexpr int SOLVER_MAX_LAYOUT_CARDS = 48;
// Stock cards get IDs from 100 on, so layout IDs stay below.
constexpr int LAYOUT_ID_LIMIT = 100;
// The deal needs at least five stock cards after the foundation card: 52 - 46 - 1 = 5.
constexpr int LAYOUT_MAX_VALUE_CARDS = 46;

// Card size on screen, in pixels.
constexpr int SOLVER_CARD_W = 68;
constexpr int SOLVER_CARD_H = 100;

// A screen rectangle: left, top, right and bottom edges (right and bottom exclusive).
struct ScreenRect {
  int left, top, right, bottom;
};

// Where layout cards may lie on the 800 x 600 play screen: every card rectangle must fit inside
// PLAY_AREA and must not touch any of HUD_AREAS (hole marker, stopwatch, hole-cash sign, run
// indicator, score sign, stock and foundation, golf cart and bag).
constexpr ScreenRect PLAY_AREA = {8, 126, 792, 430};
constexpr ScreenRect HUD_AREAS[] = {
    {0, 0, 200, 124},      // hole marker with the hole's name
    {190, 0, 300, 128},    // stopwatch of timed holes, swollen by a stopwatch token
    {296, 0, 424, 90},     // hole-cash sign at rest, shaking
    {420, 0, 800, 124},    // run indicator with the club, the ball and the 5x sign
    {0, 432, 218, 600},    // score sign and the avatar beside it
    {305, 452, 495, 570},  // stock fan and foundation
    {512, 430, 800, 600},  // golf cart, bag and the irons in it, enlarged under the pointer
};

// The screen rectangle of a card placed at hole-file position (x, y).
ScreenRect CardScreenRect(int x, int y);

// ---- Validation ----------------------------------------------------------------------------

// Every fault of a hole's layout, one message per fault naming the card ID; empty when the hole is
// sound. Checked: at least one card and at most SOLVER_MAX_LAYOUT_CARDS, at most
// LAYOUT_MAX_VALUE_CARDS cards that take a value, IDs unique and in 0..99, only the four hole-file
// card types, no card covering itself, no unknown ID and no ID twice in a cover list, ZOrder >= 0
// and every covering card drawn above the card it covers, no cover cycle, every card reachable
// (some order of play uncovers it), token factors 0..5, every card inside the play area and clear
// of the HUD, a covering card overlapping the card it covers, and two overlapping cards always
// bound by a cover (so a click never hits a card lying under another).
std::vector<std::string> ValidateHoleLayout(const HoleFileData& hole);

// ---- Layout and deal ------------------------------------------------------------------------

// A hole's layout reduced to what play needs.
struct SolverLayout {
  int count = 0;
  std::vector<int> type;               // CARDTYPE_NORMAL, _WATER, _SAND or _WEDGE
  std::vector<int> faceUp;             // as the hole file deals it
  std::vector<std::uint64_t> coveredBy;  // bit j: layout card j lies on this card
};

// Builds the solver's layout from a hole file; `error` says why it fails (unknown cover ID,
// too many cards).
bool BuildSolverLayout(const HoleFileData& hole, SolverLayout& layout, std::string& error);

// How the deal chooses its irons and wild shots. -1 leaves the count to chance as the play screen
// rolls it; 0, 1 or 2 forces it (the tutorial's first holes).
// The first course's irons hole deals its one iron into the stock, among the cards turned up
// by this many turns of the stock, so the hole that teaches irons always shows one.
constexpr int TUTORIAL_IRON_TURNS = 4;
// The first course's wild shots hole deals its wild shot as the stock's first turn, so it turns
// up before any player can clear the layout.
constexpr int TUTORIAL_WILDSHOT_TURNS = 1;
// Where a card joins a stock listed bottom first (its top last) so that the stock's `turn`th turn
// shows it (turn 1 is the top): the index to insert before; 0 when the stock is shorter.
std::size_t StockIndexForTurn(std::size_t stock_size, int turn);

struct DealOptions {
  int irons = -1;
  int wildShots = -1;
  int ironsHeld = 0;  // irons already in the player's bag (8 means none are dealt)
  // Above 0: the irons go into the stock, each turned up by one of this many first stock turns
  // (the first course's irons hole); 0: they fall anywhere in the deck.
  int ironStockTurns = 0;
  // Above 0: the wild shots are each turned up by one of this many first stock turns (the first
  // course's wild shots hole); 0: they fall anywhere in the stock.
  int wildShotStockTurns = 0;
};

// One deal of a hole: every layout card's value (and its type, since a normal card may become an
// iron), the stock in drawing order and the foundation card's value.
struct HoleDeal {
  std::vector<int> value;  // per layout card: rank 1..13, iron number 2..9, 1 for a wedge
  std::vector<int> type;   // per layout card, after the deal
  std::vector<int> stockValue;  // [0] is the stock top, turned first
  std::vector<int> stockType;   // CARDTYPE_NORMAL, _IRON or _WILDSHOT
  int foundation = 1;
};

// Deals a hole as the play screen does: a 52-card deck plus the rolled irons, a random entry for
// every layout card but wedges (water and sand never take an iron), the rolled wild shots, the rest
// into the stock in random order, and a plain card from the stock's top onto the foundation.
HoleDeal DealHole(const SolverLayout& layout, platform::Random& rng, const DealOptions& options);

// ---- Solving -----------------------------------------------------------------------------

struct SolveResult {
  int cardsLeft = 0;    // fewest layout cards left when the stock is spent and nothing fits
  bool complete = true;  // false when the node budget ran out before the search ended
  long nodes = 0;        // positions searched
};

// Exhaustive search of one deal with full knowledge: layout cards that fit the foundation, free
// wedges and irons collected, irons played from the bag, and stock turns (a stock iron goes into
// the bag, a wild shot counts as a turned card that changes nothing). Positions already seen are
// skipped, and a branch that cannot beat the best result so far is cut. Keeps its position table
// between calls, so one solver per thread.
class THoleSolver {
 public:
  THoleSolver();
  THoleSolver(const THoleSolver&) = delete;
  THoleSolver& operator=(const THoleSolver&) = delete;

  SolveResult Solve(const SolverLayout& layout, const HoleDeal& deal, long nodeBudget = 400000);

 private:
  struct Search;
  bool Visit(std::uint64_t key);
  void Grow();

  std::vector<std::uint64_t> keys_;
  std::vector<std::uint32_t> stamps_;
  std::uint32_t stamp_ = 0;
  std::size_t used_ = 0;
};

// Plays one deal the way a careful player does who knows only the face-up cards: collects free
// wedges and irons, plans the longest run of known cards that fit (preferring runs that turn
// face-down cards over), plays an iron when stuck and the stock is spent or when the iron opens a
// run of three, else turns the stock. Returns the layout cards left.
int PlayLikeAPlayer(const SolverLayout& layout, const HoleDeal& deal);

// ---- Par --------------------------------------------------------------------------------

// Cards left over many deals of one hole.
struct HoleSample {
  std::vector<int> best;    // with full knowledge (THoleSolver)
  std::vector<int> player;  // by the careful player (PlayLikeAPlayer)
  int incomplete = 0;       // searches cut by their node budget
};

// Deals the hole `deals` times from `seed` and records both results of every deal.
HoleSample SampleHole(const SolverLayout& layout, const DealOptions& options, int deals,
                      std::uint64_t seed, THoleSolver& solver);

// The par of a sampled hole: the careful player's mean plus `slack` (positive: an easier par),
// rounded, then raised until the full-knowledge result reaches it in at least `reachShare` of the
// deals; never below 0 nor above the card count.
int ChoosePar(const HoleSample& sample, double slack, double reachShare, int cardCount);

// Share of the deals in which `results` reaches `par` or better (cards left <= par).
double ShareAtOrBelow(const std::vector<int>& results, int par);
// Mean of the results, 0 for none.
double MeanOf(const std::vector<int>& results);
