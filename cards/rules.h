#pragma once
// The card rules as plain values: card type codes, ranks, the foundation rule, uncover modes, card
// action codes, the token-bonus tables and the hole file's card lines. Nothing here draws or plays
// a sound; the play field, the level designer and the hole solver all use these same functions.

#include <string>
#include <vector>

namespace platform {
class Random;
}

// ---- Card types -------------------------------------------------------------------------------
constexpr int CARDTYPE_NONE = 0;      // no picture: a new card, or an iron that landed in the bag
constexpr int CARDTYPE_NORMAL = 1;
constexpr int CARDTYPE_WATER = 2;
constexpr int CARDTYPE_IRON = 3;
constexpr int CARDTYPE_SAND = 4;
constexpr int CARDTYPE_WEDGE = 5;
constexpr int CARDTYPE_WILDSHOT = 6;
constexpr int CARDTYPE_BLANK = 7;
constexpr int CARDTYPE_BALL = 8;
constexpr int CARDTYPE_CASH = 9;
constexpr int CARDTYPE_LAST = CARDTYPE_CASH;

// Ranks: 1 the Ace .. 13 the King; an iron card's value is its iron number 2..9.
constexpr int CARD_VALUE_MIN = 1;
constexpr int CARD_VALUE_MAX = 13;
constexpr int SUIT_COUNT = 4;  // suits 0..3 only choose the picture
constexpr int IRON_FIRST = 2;
constexpr int IRON_LAST = 9;

// ---- Uncover modes (which newly uncovered face-down cards turn face up) ------------------------
constexpr int UNCOVER_NONE = -1;         // none
constexpr int UNCOVER_SKIP_HAZARDS = 0;  // all but water and sand cards
constexpr int UNCOVER_ALL = 1;           // all (any other value acts the same)

// ---- Card actions of the play field ---------------------------------------------------------
constexpr int CARDACTION_NONE = 0;
constexpr int CARDACTION_STOCK_TO_FOUNDATION = 1;
constexpr int CARDACTION_CARD_PLAYED = 2;
constexpr int CARDACTION_IRON_PLAYED = 3;
constexpr int CARDACTION_WEDGE_FOUND = 4;
constexpr int CARDACTION_IRON_TO_STOCK = 5;

// The winnings every cleared card adds to the hole.
constexpr int CARD_SCORE = 3;

// ---- The foundation rule ---------------------------------------------------------------------

// 1 when a card of rank `value` may go onto a foundation of rank `foundation`: one above or one
// below, the Ace and the King being neighbours both ways. Suits never matter. Else 0.
int FoundationAccepts(int foundation, int value);

// Whether a card type is one of the ranked layout types that the foundation rule plays
// (normal, water, sand).
bool IsRankedType(int type);
// Water or sand.
bool IsHazardType(int type);
// Whether a card of this type turns face up when it becomes uncovered under `mode`.
bool TurnsWhenUncovered(int type, int mode);

// ---- Cash-token bonus ------------------------------------------------------------------------

// [0] lowest, [1] highest amount; [factor - 1]; [luck band].
extern const int TOKEN_FACTOR_TABLE[2][5][5];

// The luck band of a roll r in 0..99: 0 for 51..99, 1 for 21..50, 2 for 6..20, 3 for 1..5, 4 for 0.
int TokenLuckBand(int roll);
// Rounds to a multiple of 5: a remainder of 1 or 2 is taken off, 3 or 4 is made up.
int RoundToFive(int amount);
// The random cash bonus of a card with token factor `factor` (0 or less gives 0; above 5 counts
// as 5). Two gameplay rolls: the band (0..99) and the amount within the band's range.
int CalcBonusAmount(int factor, platform::Random& rng);
// How many tokens show an amount: 0 for 0 or less, 1..8 by bands, 10 from 501 on (never 9).
int TokenQuantityFor(int cash);

// ---- Card-play sound choice ------------------------------------------------------------------

// Chooses which of the three card-play sounds (1, 2 or 3) plays next, so that no sound plays three
// times in a row. `runs` holds how often in a row each sound has just played (index 0..2).
int ChooseWhackSound(int runs[3], platform::Random& rng);

// ---- Hole files ------------------------------------------------------------------------------

// Layout origin of the hole on the 800 x 600 screen and the scale of hole-file units.
constexpr int LAYOUT_ORIGIN_X = 55;
constexpr int LAYOUT_ORIGIN_Y = 52;
constexpr double HOLE_UNIT_SCALE = 1.25;

// One card of a hole file line, as written (position in hole-file units).
struct HoleCardEntry {
  int id = 0;
  int x = 0, y = 0;
  int zorder = 0;
  int faceUp = 0;
  int type = CARDTYPE_NORMAL;
  std::vector<int> covers;  // the IDs of the cards lying on this one, in file order
  int tokenFactor = 0;
};

struct HoleFileData {
  int par = 0;
  std::vector<HoleCardEntry> cards;
};

// Result of reading a hole file: `ok` false with `error` naming the file and line.
struct HoleFileResult {
  bool ok = true;
  std::string error;
  HoleFileData hole;
};

// A decimal integer field read the forgiving way: optional sign and leading digits; anything
// else (an empty field, letters) reads as 0. Values beyond int are clamped.
int HoleIntField(const std::string& field);
// The type letter: "N" normal, "W" water, "S" sand, "D" wedge; anything else normal.
int CardTypeFromLetter(const std::string& letter);
// The cover field: "-1" or "" gives none; otherwise the IDs between the commas, in order.
std::vector<int> ParseCoverField(const std::string& field);
// A hole-file coordinate scaled to screen pixels: round(v * 1.25), halves up; v is first limited
// to +/- 2^24, so any int from a damaged file gives a result that fits.
int ScaleHoleUnit(int v);
// The cards of one hole card line: eight space-separated fields per card, missing fields empty.
std::vector<HoleCardEntry> ParseHoleCardLine(const std::string& line);
// Reads a whole hole file's text (UTF-8, lines split at LF, CR dropped). Line 2 is the par,
// lines 1, 3 and 4 are ignored, every later non-empty line holds cards. With `parOnly` only the par
// is read. A negative ZOrder is refused with "Error: Z Order is negative. Z = " and the value.
// `name` names the file in messages.
HoleFileResult ParseHoleFile(const std::string& text, const std::string& name, bool parOnly = false);
