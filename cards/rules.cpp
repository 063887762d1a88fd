#include "cards/rules.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/random.h"

int FoundationAccepts(int foundation, int value) {
  if (foundation == 1 && (value == 13 || value == 2)) return 1;
  if (foundation == 13 && (value == 12 || value == 1)) return 1;
  if (value == foundation - 1 || value == foundation + 1) return 1;
  return 0;
}

bool IsRankedType(int type) {
  return type == CARDTYPE_NORMAL || type == CARDTYPE_WATER || type == CARDTYPE_SAND;
}

bool IsHazardType(int type) { return type == CARDTYPE_WATER || type == CARDTYPE_SAND; }

bool TurnsWhenUncovered(int type, int mode) {
  if (mode == UNCOVER_NONE) return false;
  if (mode == UNCOVER_SKIP_HAZARDS && IsHazardType(type)) return false;
  return true;
}

const int TOKEN_FACTOR_TABLE[2][5][5] = {
    {
        {5, 5, 5, 10, 15},
        {5, 5, 10, 15, 20},
        {5, 10, 15, 20, 25},
        {10, 15, 20, 25, 35},
        {15, 20, 25, 35, 50},
    },
    {
        {5, 5, 10, 20, 30},
        {5, 10, 20, 30, 40},
        {10, 20, 30, 40, 50},
        {20, 30, 40, 50, 75},
        {30, 40, 50, 75, 250},
    },
};

int TokenLuckBand(int roll) {
  if (roll >= 51) return 0;
  if (roll >= 21) return 1;
  if (roll >= 6) return 2;
  if (roll >= 1) return 3;
  return 4;
}

int RoundToFive(int amount) {
  const int rem = amount % 5;
  if (rem == 1 || rem == 2) return amount - rem;
  if (rem == 3 || rem == 4) return amount + (5 - rem);
  return amount;
}

int CalcBonusAmount(int factor, platform::Random& rng) {
  if (factor <= 0) return 0;
  factor = std::min(factor, 5);
  const int band = TokenLuckBand(rng.Rand(0, 99));
  const int lo = TOKEN_FACTOR_TABLE[0][factor - 1][band];
  const int hi = TOKEN_FACTOR_TABLE[1][factor - 1][band];
  return RoundToFive(lo + rng.Rand(0, hi - lo));
}

int TokenQuantityFor(int cash) {
  if (cash <= 0) return 0;
  if (cash <= 25) return 1;
  if (cash <= 50) return 2;
  if (cash <= 75) return 3;
  if (cash <= 100) return 4;
  if (cash <= 200) return 5;
  if (cash <= 300) return 6;
  if (cash <= 400) return 7;
  if (cash <= 500) return 8;
  return 10;
}

int ChooseWhackSound(int runs[3], platform::Random& rng) {
  // Rand(100, 300) / 100 rounded half up gives 1, 2 or 3.
  int r = static_cast<int>(std::floor(rng.Rand(100, 300) / 100.0 + 0.5));
  r = std::clamp(r, 1, 3);
  if (runs[r - 1] >= 2) {
    // Draw one of the other two. The sound drawn instead starts a run of its own, so no sound can
    // ever play three times in a row, a re-drawn one included.
    const int pick = rng.Rand(1, 2);
    if (r == 1) r = pick + 1;                 // 2 or 3
    else if (r == 2) r = pick == 1 ? 1 : 3;   // 1 or 3
    else r = pick;                            // 1 or 2
  }
  for (int i = 0; i < 3; ++i) runs[i] = (i == r - 1) ? runs[i] + 1 : 0;
  return r;
}

// ---- Hole files ---------------------------------------------------------------------------------

int HoleIntField(const std::string& field) {
  std::size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
    negative = field[i] == '-';
    ++i;
  }
  long long v = 0;
  bool any = false;
  while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
    any = true;
    v = v * 10 + (field[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
    ++i;
  }
  if (!any) return 0;
  if (negative) v = -v;
  return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

int CardTypeFromLetter(const std::string& letter) {
  if (letter == "W") return CARDTYPE_WATER;
  if (letter == "S") return CARDTYPE_SAND;
  if (letter == "D") return CARDTYPE_WEDGE;
  return CARDTYPE_NORMAL;
}

namespace {

// Takes the text before the first separator and leaves what follows it; without a separator the
// whole text is taken and nothing is left.
std::string ChopField(std::string& text, char sep) {
  const std::size_t at = text.find(sep);
  if (at == std::string::npos) {
    std::string all = std::move(text);
    text.clear();
    return all;
  }
  std::string head = text.substr(0, at);
  text.erase(0, at + 1);
  return head;
}

}  // namespace

std::vector<int> ParseCoverField(const std::string& field) {
  std::vector<int> ids;
  if (field == "-1") return ids;
  std::string rest = field;
  while (!rest.empty()) ids.push_back(HoleIntField(ChopField(rest, ',')));
  return ids;
}

int ScaleHoleUnit(int v) {
  // A coordinate from a damaged hole file can be as large as an int; scaled as it stands it would
  // not fit one. No table is anywhere near this wide.
  constexpr int kLimit = 1 << 24;
  v = std::clamp(v, -kLimit, kLimit);
  return static_cast<int>(std::floor(v * HOLE_UNIT_SCALE + 0.5));
}

std::vector<HoleCardEntry> ParseHoleCardLine(const std::string& line) {
  std::vector<HoleCardEntry> cards;
  std::string rest = line;
  while (!rest.empty()) {
    std::string f[8];
    for (auto& field : f) field = ChopField(rest, ' ');
    HoleCardEntry c;
    c.id = HoleIntField(f[0]);
    c.x = HoleIntField(f[1]);
    c.y = HoleIntField(f[2]);
    c.zorder = HoleIntField(f[3]);
    c.faceUp = HoleIntField(f[4]) != 0 ? 1 : 0;
    c.type = CardTypeFromLetter(f[5]);
    c.covers = ParseCoverField(f[6]);
    c.tokenFactor = HoleIntField(f[7]);
    cards.push_back(std::move(c));
  }
  return cards;
}

HoleFileResult ParseHoleFile(const std::string& text, const std::string& name, bool parOnly) {
  HoleFileResult result;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (lines.size() >= 2) result.hole.par = HoleIntField(lines[1]);
  if (parOnly) return result;
  for (std::size_t i = 4; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    for (auto& card : ParseHoleCardLine(lines[i])) {
      if (card.zorder < 0) {
        result.ok = false;
        result.error = "Error: Z Order is negative. Z = " + std::to_string(card.zorder) + " (" +
                       name + ", line " + std::to_string(i + 1) + ")";
        result.hole.cards.clear();
        return result;
      }
      result.hole.cards.push_back(std::move(card));
    }
  }
  return result;
}
