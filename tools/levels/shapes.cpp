#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "cards/hole_solver.h"
#include "platform/random.h"

namespace {

// Lattice: a column is 28 hole-file units (35 pixels, half a card), a row 20 units (25 pixels, a
// quarter of a card). Columns 0..19 and rows 0..8 keep every card inside the play area.
constexpr int COL_UNITS = 28;
constexpr int ROW_UNITS = 20;
constexpr int TOP_UNITS = 62;  // the top row lies 130 pixels down, under the HUD's top signs
constexpr int MAX_COL = 19;
constexpr int MAX_ROW = 8;

struct Slot {
  int col, row, depth;
};

using Slots = std::vector<Slot>;

void Add(Slots& s, int col, int row, int depth = 0) { s.push_back({col, row, depth}); }

// Peaks side by side; each peak widens by one card per level, levels two rows apart.
Slots Peaks(platform::Random& rng, std::string& name) {
  const int variant = rng.Rand(0, 3);
  const int k = variant == 0 ? 2 : variant == 3 ? 4 : 3;
  const int h = k == 4 ? 3 : rng.Rand(3, 4);
  const int spacing = k == 4 ? 4 : k == 3 ? 2 * h - 2 : rng.Rand(2 * h - 1, 2 * h + 1);
  Slots s;
  for (int p = 0; p < k; ++p)
    for (int t = 0; t < h; ++t)
      for (int i = 0; i <= t; ++i) Add(s, p * spacing + (h - 1 - t) + 2 * i, 2 * t);
  if (2 * h <= MAX_ROW && rng.Rand(0, 1) == 1) {
    const int width = (k - 1) * spacing + 2 * (h - 1);
    for (int c = 1; c + 1 <= width; c += 2) Add(s, c, 2 * h);
  }
  name = std::to_string(k) + " peaks";
  return s;
}

// One pyramid, optionally with a second, smaller pyramid lying on it.
Slots Pyramid(platform::Random& rng, std::string& name) {
  const int h = rng.Rand(4, 5);
  Slots s;
  for (int t = 0; t < h; ++t)
    for (int i = 0; i <= t; ++i) Add(s, (h - 1 - t) + 2 * i, 2 * t);
  name = "pyramid";
  if (h == 4 || rng.Rand(0, 1) == 0) {
    for (int t = 1; t < h && 2 * t + 1 <= MAX_ROW; ++t)
      for (int i = 0; i < t; ++i) Add(s, (h - 1 - t) + 1 + 2 * i, 2 * t + 1, 1);
    name = "double pyramid";
  }
  return s;
}

// An upside-down pyramid, sometimes two of them.
Slots Valley(platform::Random& rng, std::string& name) {
  const int h = rng.Rand(4, 5);
  const int copies = h == 4 ? rng.Rand(1, 2) : 1;
  Slots s;
  for (int c = 0; c < copies; ++c)
    for (int t = 0; t < h; ++t)
      for (int i = 0; i < h - t; ++i) Add(s, c * (2 * h + 1) + t + 2 * i, 2 * t);
  name = copies == 2 ? "twin valleys" : "valley";
  return s;
}

// Rows of bricks, every other row shifted by half a card.
Slots Wall(platform::Random& rng, std::string& name) {
  const int rows = rng.Rand(3, 5);
  const int width = rng.Rand(6, 9);
  const int step = rows == 5 ? 2 : rng.Rand(0, 1) == 0 ? 2 : 3;
  Slots s;
  for (int t = 0; t < rows && t * step <= MAX_ROW; ++t)
    for (int i = 0; i < width - (t % 2); ++i) Add(s, (t % 2) + 2 * i, t * step);
  name = "wall";
  return s;
}

// Two pillars under a lintel, with an inner arch.
Slots Arch(platform::Random& rng, std::string& name) {
  const int span = 2 * rng.Rand(6, 9);
  Slots s;
  for (int c = 0; c <= span; c += 2) Add(s, c, 0);
  for (int r = 2; r <= MAX_ROW; r += 2) {
    Add(s, 0, r);
    Add(s, span, r);
  }
  for (int c = 2; c <= span - 2; c += 2) Add(s, c, 2, 1);
  if (rng.Rand(0, 1) == 1)
    for (int r = 4; r <= MAX_ROW; r += 2) {
      Add(s, 2, r, 1);
      Add(s, span - 2, r, 1);
    }
  name = "arch";
  return s;
}

// Arms curling out of a centre card; the outer end of each arm lies on top.
Slots Spiral(platform::Random& rng, std::string& name) {
  const int arms = rng.Rand(3, 4);
  const int length = arms == 3 ? rng.Rand(7, 9) : rng.Rand(6, 7);
  const double turn = rng.Rnd(0.35, 0.5) * (rng.Rand(0, 1) == 0 ? 1 : -1);
  const double start = rng.Rnd(0.0, 6.283);
  Slots s;
  const double cx = 9.5 * 35, cy = 4 * 25;
  Add(s, 9, 4, 0);
  for (int a = 0; a < arms; ++a)
    for (int j = 1; j <= length; ++j) {
      const double angle = start + 6.2832 * a / arms + turn * j;
      const double radius = 14.0 * j;
      const double x = cx + 2.6 * radius * std::cos(angle);
      const double y = cy + 0.7 * radius * std::sin(angle);
      Add(s, static_cast<int>(std::lround(x / 35.0)), static_cast<int>(std::lround(y / 25.0)), j);
    }
  name = "spiral";
  return s;
}

// Widening then narrowing rows, with an inner layer between them.
Slots Diamond(platform::Random& rng, std::string& name) {
  const int m = rng.Rand(1, 3);
  const int counts[5] = {2 * m - 1, 2 * m + 1, 2 * m + 3, 2 * m + 1, 2 * m - 1};
  const int centre = 2 * m + 2;
  Slots s;
  for (int t = 0; t < 5; ++t)
    for (int i = 0; i < counts[t]; ++i) Add(s, centre - (counts[t] - 1) + 2 * i, 2 * t);
  if (m < 3 || rng.Rand(0, 1) == 0)
    for (int t = 0; t < 4; ++t) {
      const int c = std::min(counts[t], counts[t + 1]) + 1;
      for (int i = 0; i < c; ++i) Add(s, centre - (c - 1) + 2 * i, 2 * t + 1, 1);
    }
  name = "diamond";
  return s;
}

// Four columns by five rows for each letter.
struct Glyph {
  char letter;
  const char* rows[5];
};

constexpr Glyph GLYPHS[] = {
    {'A', {".##.", "#..#", "####", "#..#", "#..#"}}, {'B', {"###.", "#..#", "###.", "#..#", "###."}},
    {'C', {".###", "#...", "#...", "#...", ".###"}}, {'E', {"####", "#...", "###.", "#...", "####"}},
    {'H', {"#..#", "#..#", "####", "#..#", "#..#"}}, {'L', {"#...", "#...", "#...", "#...", "####"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}}, {'O', {".##.", "#..#", "#..#", "#..#", ".##."}},
    {'Q', {".##.", "#..#", "#..#", "#.##", ".###"}}, {'S', {".###", "#...", ".##.", "...#", "###."}},
    {'T', {"####", ".##.", ".##.", ".##.", ".##."}}, {'U', {"#..#", "#..#", "#..#", "#..#", ".##."}},
    {'V', {"#..#", "#..#", "#..#", ".##.", ".##."}}, {'X', {"#..#", "#..#", ".##.", "#..#", "#..#"}},
    {'Y', {"#..#", "#..#", ".##.", ".##.", ".##."}}, {'Z', {"####", "...#", ".##.", "#...", "####"}},
};

Slots Letters(platform::Random& rng, std::string& name) {
  const int count = static_cast<int>(sizeof(GLYPHS) / sizeof(GLYPHS[0]));
  const Glyph& a = GLYPHS[rng.Rand(0, count - 1)];
  const Glyph& b = GLYPHS[rng.Rand(0, count - 1)];
  const bool bridges = rng.Rand(0, 1) == 1;
  Slots s;
  auto draw = [&](const Glyph& g, int offset) {
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 4; ++x) {
        if (g.rows[y][x] != '#') continue;
        Add(s, offset + 2 * x, 2 * y);
        if (bridges && x < 3 && g.rows[y][x + 1] == '#') Add(s, offset + 2 * x + 1, 2 * y, 1);
      }
  };
  draw(a, 0);
  draw(b, 10);
  name = std::string("letters ") + a.letter + b.letter;
  return s;
}

using Family = Slots (*)(platform::Random&, std::string&);
constexpr Family FAMILIES[] = {Peaks, Pyramid, Wall, Arch, Spiral, Diamond, Letters, Valley};
constexpr int FAMILY_COUNT = static_cast<int>(sizeof(FAMILIES) / sizeof(FAMILIES[0]));

bool SameCell(const Slot& a, const Slot& b) { return a.col == b.col && a.row == b.row; }

// One card per lattice cell (the first one laid there stays), all of them shifted into the play
// area and centred in it.
Slots Normalise(const Slots& raw) {
  Slots s;
  for (const Slot& slot : raw)
    if (std::none_of(s.begin(), s.end(), [&](const Slot& o) { return SameCell(o, slot); }))
      s.push_back(slot);
  if (s.empty()) return s;
  int minCol = s[0].col, maxCol = s[0].col, minRow = s[0].row, maxRow = s[0].row;
  for (const Slot& slot : s) {
    minCol = std::min(minCol, slot.col);
    maxCol = std::max(maxCol, slot.col);
    minRow = std::min(minRow, slot.row);
    maxRow = std::max(maxRow, slot.row);
  }
  const int dc = (MAX_COL - (maxCol - minCol)) / 2 - minCol;
  const int dr = (MAX_ROW - (maxRow - minRow)) / 2 - minRow;
  for (Slot& slot : s) {
    slot.col += dc;
    slot.row += dr;
  }
  return s;
}

bool InBounds(const Slots& s) {
  return std::all_of(s.begin(), s.end(), [](const Slot& o) {
    return o.col >= 0 && o.col <= MAX_COL && o.row >= 0 && o.row <= MAX_ROW;
  });
}

bool SlotsOverlap(const Slot& a, const Slot& b) {
  return std::abs(a.col - b.col) <= 1 && std::abs(a.row - b.row) <= 3;
}

// Adds a card lying a quarter of a card above or below an existing one and over it, or takes away a card that lies on
// top of everything, until the count is inside the asked range.
void FitCount(Slots& s, const DesignParams& p, platform::Random& rng) {
  for (int tries = 0; static_cast<int>(s.size()) < p.minCards && tries < 400; ++tries) {
    const Slot& base = s[rng.Rand(0, static_cast<int>(s.size()) - 1)];
    const Slot extra{base.col + rng.Rand(-1, 1), base.row + (rng.Rand(0, 2) == 0 ? -1 : 1),
                     base.depth + 1};
    if (extra.col < 0 || extra.col > MAX_COL || extra.row < 0 || extra.row > MAX_ROW) continue;
    if (std::any_of(s.begin(), s.end(), [&](const Slot& o) { return SameCell(o, extra); })) continue;
    s.push_back(extra);
  }
  while (static_cast<int>(s.size()) > p.maxCards) {
    // Cards nothing lies on come off first, so the shape keeps its outline.
    std::vector<int> top;
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
      bool covered = false;
      for (int j = 0; j < static_cast<int>(s.size()) && !covered; ++j)
        covered = j != i && SlotsOverlap(s[i], s[j]) &&
                  std::tie(s[j].depth, s[j].row, s[j].col) > std::tie(s[i].depth, s[i].row, s[i].col);
      if (!covered) top.push_back(i);
    }
    const int victim = top.empty() ? rng.Rand(0, static_cast<int>(s.size()) - 1)
                                   : top[rng.Rand(0, static_cast<int>(top.size()) - 1)];
    s.erase(s.begin() + victim);
  }
}

int TokenFactor(platform::Random& rng) {
  const int r = rng.Rand(1, 100);
  return r <= 40 ? 1 : r <= 65 ? 2 : r <= 82 ? 3 : r <= 94 ? 4 : 5;
}

}  // namespace

int ShapeFamilyCount() { return FAMILY_COUNT; }

void CoverByDrawingOrder(std::vector<HoleCardEntry>& cards) {
  // Covers from the overlaps of the screen rectangles: the later card lies on the earlier one.
  const int n = static_cast<int>(cards.size());
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j) {
      const ScreenRect a = CardScreenRect(cards[i].x, cards[i].y);
      const ScreenRect b = CardScreenRect(cards[j].x, cards[j].y);
      if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
        cards[i].covers.push_back(cards[j].id);
    }
}

HoleDesign DesignHole(const DesignParams& params, platform::Random& rng) {
  HoleDesign design;
  Slots slots;
  for (int attempt = 0; attempt < 20; ++attempt) {
    const int family = ((params.family % FAMILY_COUNT) + FAMILY_COUNT + (attempt / 4)) % FAMILY_COUNT;
    slots = Normalise(FAMILIES[family](rng, design.shape));
    if (InBounds(slots) && !slots.empty()) break;
  }
  FitCount(slots, params, rng);

  // Drawing order: depth first, then row (lower rows lie on upper ones), then column.
  std::sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) {
    return std::tie(a.depth, a.row, a.col) < std::tie(b.depth, b.row, b.col);
  });
  const int n = static_cast<int>(slots.size());
  auto& cards = design.hole.cards;
  cards.resize(n);
  for (int i = 0; i < n; ++i) {
    cards[i].id = i + 1;
    cards[i].x = slots[i].col * COL_UNITS;
    cards[i].y = TOP_UNITS + slots[i].row * ROW_UNITS;
    cards[i].zorder = i;
    cards[i].type = CARDTYPE_NORMAL;
  }
  CoverByDrawingOrder(cards);

  for (auto& c : cards) c.faceUp = c.covers.empty() || rng.Rnd() < params.faceUpCovered ? 1 : 0;

  // Bunkers: a wedge on the one to three cards it covers, which become sand.
  for (int b = 0; b < params.bunkers; ++b) {
    std::vector<int> candidates;
    for (int i = 0; i < n; ++i) {
      if (cards[i].type != CARDTYPE_NORMAL) continue;
      std::vector<int> under;
      for (int k = 0; k < n; ++k)
        if (std::find(cards[k].covers.begin(), cards[k].covers.end(), cards[i].id) != cards[k].covers.end())
          under.push_back(k);
      const bool fits = !under.empty() && under.size() <= 3 &&
                        std::all_of(under.begin(), under.end(),
                                    [&](int k) { return cards[k].type == CARDTYPE_NORMAL; });
      if (fits) candidates.push_back(i);
    }
    if (candidates.empty()) break;
    const int w = candidates[rng.Rand(0, static_cast<int>(candidates.size()) - 1)];
    cards[w].type = CARDTYPE_WEDGE;
    cards[w].faceUp = 1;
    for (int k = 0; k < n; ++k)
      if (std::find(cards[k].covers.begin(), cards[k].covers.end(), cards[w].id) != cards[k].covers.end()) {
        cards[k].type = CARDTYPE_SAND;
        cards[k].faceUp = 0;
      }
  }
  for (auto& c : cards)
    if (c.type == CARDTYPE_NORMAL && rng.Rnd() < params.water) {
      c.type = CARDTYPE_WATER;
      if (!c.covers.empty()) c.faceUp = 0;
    }
  for (auto& c : cards)
    if (c.type != CARDTYPE_WEDGE && rng.Rnd() < params.tokens) c.tokenFactor = TokenFactor(rng);
  return design;
}

std::string HoleFileText(const HoleDesign& design, const std::string& title) {
  std::ostringstream out;
  out << title << " - " << design.shape << "\n";
  out << design.hole.par << "\n";
  out << "Cards " << design.hole.cards.size() << "\n";
  out << "ID X Y ZOrder FaceUp Type Covers TokenFactor\n";
  for (const auto& c : design.hole.cards) {
    const char* letter = c.type == CARDTYPE_WATER   ? "W"
                         : c.type == CARDTYPE_SAND  ? "S"
                         : c.type == CARDTYPE_WEDGE ? "D"
                                                    : "N";
    out << c.id << ' ' << c.x << ' ' << c.y << ' ' << c.zorder << ' ' << c.faceUp << ' ' << letter << ' ';
    if (c.covers.empty()) {
      out << "-1";
    } else {
      for (std::size_t k = 0; k < c.covers.size(); ++k) out << (k ? "," : "") << c.covers[k];
    }
    out << ' ' << c.tokenFactor << "\n";
  }
  return out.str();
}
