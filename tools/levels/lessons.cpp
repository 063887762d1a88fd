#include "lessons.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unordered_set>

#include "blind_player.h"
#include "platform/random.h"

namespace {

std::uint64_t Bit(int i) { return std::uint64_t{1} << i; }

bool Collectable(int type) { return type == CARDTYPE_WEDGE || type == CARDTYPE_IRON; }

// A face-down card that playing the cards on it turns over; a sand card lies face down by nature
// and is turned over by its wedge, which is another lesson.
bool TurnsOverWhenUncovered(const SolverLayout& layout, int i) {
  return layout.faceUp[i] == 0 && layout.type[i] != CARDTYPE_SAND && layout.coveredBy[i] != 0;
}

LessonElement InSight(const char* what, int type, bool tokens = false) {
  LessonElement e;
  e.what = what;
  e.way = LessonWay::InSight;
  e.cardType = type;
  e.tokens = tokens;
  return e;
}

LessonElement FromStock(const char* what, int type) {
  LessonElement e;
  e.what = what;
  e.way = LessonWay::FromStock;
  e.cardType = type;
  return e;
}

LessonElement ByPlay(const char* what, bool uncovers) {
  LessonElement e;
  e.what = what;
  e.way = LessonWay::ByPlay;
  e.uncovers = uncovers;
  return e;
}

// Whether the layout shows the element when the hole starts.
bool ShownAtStart(const HoleFileData& file, const LessonElement& e) {
  for (const auto& c : file.cards) {
    if (e.tokens) {
      if (c.tokenFactor > 0 && c.faceUp) return true;
      continue;
    }
    if (c.type != e.cardType) continue;
    if (c.type == CARDTYPE_SAND) return true;  // a sand card shows its sandy back wherever it lies
    if (c.type != CARDTYPE_WEDGE) {
      if (c.faceUp) return true;
      continue;
    }
    // A wedge teaches when it is free to click and lies on sand.
    if (!c.covers.empty()) continue;
    for (const auto& under : file.cards)
      if (under.type == CARDTYPE_SAND &&
          std::find(under.covers.begin(), under.covers.end(), c.id) != under.covers.end())
        return true;
  }
  return false;
}

// The stock turn (from 1) that first shows a card of the element's type, 0 when none does.
int TurnShowing(const HoleDeal& deal, const LessonElement& e) {
  for (std::size_t t = 0; t < deal.stockType.size(); ++t)
    if (e.cardType < 0 || deal.stockType[t] == e.cardType) return static_cast<int>(t) + 1;
  return 0;
}

// Misses of one element by one player over the deals.
struct Misses {
  int count = 0;
  int first = -1;
  void Add(int deal) {
    if (count++ == 0) first = deal;
  }
};

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

constexpr const char* PLAYERS[] = {"the careful player", "the blind clicker", "the fastest clear"};
constexpr int PLAYER_COUNT = 3;

}  // namespace

HoleLesson FirstCourseLesson(int hole) {
  HoleLesson l;
  switch (hole) {
    case 1:
      l.heading = "Playing a card";
      l.elements = {ByPlay("a card played onto the foundation", false),
                    FromStock("the stock turned over", -1)};
      break;
    case 2:
      l.heading = "Wild shots";
      l.elements = {FromStock("a wild shot card turned up from the stock", CARDTYPE_WILDSHOT)};
      break;
    case 3:
      l.heading = "Irons";
      l.elements = {FromStock("an iron turned up from the stock", CARDTYPE_IRON)};
      break;
    case 4:
      l.heading = "Water hazards";
      l.elements = {InSight("a water card face up on the layout", CARDTYPE_WATER)};
      break;
    case 5:
      l.heading = "Sand traps and wedges";
      l.elements = {InSight("a free wedge lying on sand", CARDTYPE_WEDGE)};
      break;
    case 6:
      l.heading = "Uncovering cards";
      l.elements = {ByPlay("a face-down card turned over by play", true)};
      break;
    case 7:
      l.heading = "Cash tokens";
      l.elements = {
          InSight("a card with cash tokens face up on the layout", CARDTYPE_NORMAL, true)};
      break;
    case 8:
      // A long drive is something the player does, not a card the hole deals: the first course
      // test measures how often the hole gives one.
      l.heading = "Long drives";
      break;
    case 9:
      // The irons of the last hole come by chance or from the bag, as on every hole after the
      // third; the layout holds the rest, its wedges buried in the piles as the sand hint warns.
      l.heading = "Putting it all together";
      l.elements = {
          InSight("a water card face up on the layout", CARDTYPE_WATER),
          InSight("a sand card on the layout", CARDTYPE_SAND),
          InSight("a card with cash tokens face up on the layout", CARDTYPE_NORMAL, true)};
      break;
    default:
      break;
  }
  return l;
}

int FewestTurnsToClear(const SolverLayout& layout, const HoleDeal& deal, long nodeBudget) {
  const int n = layout.count;
  const std::uint64_t all = Bit(n) - 1;
  // A position: the cleared layout cards (48 bits), the foundation's value (4 bits) and the
  // irons in the bag (one bit per iron number; a deal never holds two irons of one number).
  constexpr int FOUNDATION_SHIFT = 48, BAG_SHIFT = 52;
  auto key = [](std::uint64_t cleared, int foundation, unsigned bag) {
    return cleared | static_cast<std::uint64_t>(foundation) << FOUNDATION_SHIFT |
           static_cast<std::uint64_t>(bag) << BAG_SHIFT;
  };
  auto isFree = [&](int i, std::uint64_t cleared) { return (layout.coveredBy[i] & ~cleared) == 0; };
  // Free wedges and irons are picked up at once: that never costs a turn.
  auto collect = [&](std::uint64_t& cleared, unsigned& bag) {
    for (bool picked = true; picked;) {
      picked = false;
      for (int i = 0; i < n; ++i)
        if (!(cleared & Bit(i)) && Collectable(deal.type[i]) && isFree(i, cleared)) {
          cleared |= Bit(i);
          if (deal.type[i] == CARDTYPE_IRON) bag |= 1u << deal.value[i];
          picked = true;
        }
    }
  };
  std::uint64_t cleared0 = 0;
  unsigned bag0 = 0;
  collect(cleared0, bag0);
  std::vector<std::uint64_t> frontier = {key(cleared0, deal.foundation, bag0)};
  long nodes = 0;
  const int stock = static_cast<int>(deal.stockValue.size());
  for (int turns = 0;; ++turns) {
    // Every position reachable with `turns` stock turns.
    std::unordered_set<std::uint64_t> seen(frontier.begin(), frontier.end());
    std::vector<std::uint64_t> open = frontier, layer;
    while (!open.empty()) {
      const std::uint64_t s = open.back();
      open.pop_back();
      const std::uint64_t cleared = s & (Bit(FOUNDATION_SHIFT) - 1);
      if (cleared == all) return turns;
      if (++nodes > nodeBudget) return -2;
      layer.push_back(s);
      const int foundation = static_cast<int>(s >> FOUNDATION_SHIFT & 15);
      const unsigned bag = static_cast<unsigned>(s >> BAG_SHIFT);
      auto reach = [&](std::uint64_t c, int f, unsigned b) {
        collect(c, b);
        const std::uint64_t k = key(c, f, b);
        if (seen.insert(k).second) open.push_back(k);
      };
      for (int i = 0; i < n; ++i)
        if (!(cleared & Bit(i)) && !Collectable(deal.type[i]) && isFree(i, cleared) &&
            FoundationAccepts(foundation, deal.value[i]))
          reach(cleared | Bit(i), deal.value[i], bag);
      for (int v = IRON_FIRST; v <= IRON_LAST; ++v)
        if (bag & 1u << v) reach(cleared, v, bag & ~(1u << v));
    }
    if (turns >= stock) return -1;
    std::unordered_set<std::uint64_t> next;
    for (const std::uint64_t s : layer) {
      std::uint64_t cleared = s & (Bit(FOUNDATION_SHIFT) - 1);
      int foundation = static_cast<int>(s >> FOUNDATION_SHIFT & 15);
      unsigned bag = static_cast<unsigned>(s >> BAG_SHIFT);
      const int type = deal.stockType[static_cast<std::size_t>(turns)];
      const int value = deal.stockValue[static_cast<std::size_t>(turns)];
      if (type == CARDTYPE_NORMAL)
        foundation = value;
      else if (type == CARDTYPE_IRON)
        bag |= 1u << value;  // a wild shot changes nothing here
      next.insert(key(cleared, foundation, bag));
    }
    frontier.assign(next.begin(), next.end());
  }
}

int MostClearedWithout(const SolverLayout& layout, const LessonElement& element) {
  const int n = layout.count;
  // The cleared sets a player can reach without meeting the element, searched whole.
  std::unordered_set<std::uint64_t> seen = {0};
  std::vector<std::uint64_t> open = {0};
  int most = 0;
  while (!open.empty()) {
    const std::uint64_t cleared = open.back();
    open.pop_back();
    most = std::max(most, std::popcount(cleared));
    for (int i = 0; i < n; ++i) {
      if ((cleared & Bit(i)) || (layout.coveredBy[i] & ~cleared) != 0) continue;
      // Without playing a card only wedges are picked up; layout irons come with the deal.
      if (!element.uncovers && layout.type[i] != CARDTYPE_WEDGE) continue;
      const std::uint64_t next = cleared | Bit(i);
      bool turnsOver = false;
      for (int f = 0; f < n && element.uncovers && !turnsOver; ++f)
        turnsOver = !(next & Bit(f)) && TurnsOverWhenUncovered(layout, f) &&
                    (layout.coveredBy[f] & ~next) == 0;
      if (!turnsOver && seen.insert(next).second) open.push_back(next);
    }
  }
  return most;
}

LessonCheck CheckLesson(int hole, const HoleFileData& file, const DealOptions& options, int deals,
                        std::uint64_t seed) {
  const HoleLesson lesson = FirstCourseLesson(hole);
  LessonCheck check;
  char head[160];
  std::snprintf(head, sizeof head, "hole %d (%s)", hole, lesson.heading.c_str());
  if (lesson.elements.empty()) {
    check.summary = std::string(head) + ": no card to meet";
    return check;
  }
  SolverLayout layout;
  std::string error;
  if (!BuildSolverLayout(file, layout, error)) {
    check.faults.push_back(std::string(head) + ": " + error);
    return check;
  }
  const std::size_t count = lesson.elements.size();
  std::vector<bool> shown(count, false);
  std::vector<int> bound(count, 0);
  bool fromStock = false;
  for (std::size_t e = 0; e < count; ++e) {
    const LessonElement& el = lesson.elements[e];
    if (el.way == LessonWay::InSight) shown[e] = ShownAtStart(file, el);
    if (el.way == LessonWay::ByPlay) bound[e] = MostClearedWithout(layout, el);
    fromStock = fromStock || el.way == LessonWay::FromStock;
  }
  std::vector<std::vector<Misses>> misses(count, std::vector<Misses>(PLAYER_COUNT));
  platform::Random rng(seed), order(seed ^ 0x0DE7ull);
  int fewestTurns = -1, latestShown = 0, undecided = 0;
  for (int d = 0; d < deals; ++d) {
    const HoleDeal deal = DealHole(layout, rng, options);
    const int left[2] = {PlayLikeAPlayer(layout, deal), PlayBlindly(layout, deal, order)};
    // The fastest clear is searched only where the stock shows an element.
    const int fastest = fromStock ? FewestTurnsToClear(layout, deal) : -1;
    if (fastest == -2) ++undecided;
    if (fastest >= 0) fewestTurns = fewestTurns < 0 ? fastest : std::min(fewestTurns, fastest);
    for (std::size_t e = 0; e < count; ++e) {
      const LessonElement& el = lesson.elements[e];
      bool met[PLAYER_COUNT] = {};
      if (el.way == LessonWay::InSight) {
        std::fill(met, met + PLAYER_COUNT, shown[e]);
      } else if (el.way == LessonWay::ByPlay) {
        for (int p = 0; p < 2; ++p) met[p] = layout.count - left[p] > bound[e];
        met[2] = layout.count > bound[e];  // clearing the layout clears every card
      } else {
        const int turn = TurnShowing(deal, el);
        latestShown = std::max(latestShown, turn);
        // A cleared layout met it only if even the fastest clear turns the stock that often;
        // cards left mean the whole stock was turned.
        const bool beforeAnyClear = fastest == -1 || fastest >= turn;
        for (int p = 0; p < 2; ++p) met[p] = turn > 0 && (left[p] > 0 || beforeAnyClear);
        met[2] = turn > 0 && beforeAnyClear;
      }
      for (int p = 0; p < PLAYER_COUNT; ++p)
        if (!met[p]) misses[e][static_cast<std::size_t>(p)].Add(d);
    }
  }
  for (std::size_t e = 0; e < count; ++e)
    for (int p = 0; p < PLAYER_COUNT; ++p) {
      const Misses& m = misses[e][static_cast<std::size_t>(p)];
      if (m.count == 0) continue;
      char line[400];
      std::snprintf(line, sizeof line,
                    "%s: the lesson is not met: %s misses %s in %d of %d deals (first: deal %d)",
                    head, PLAYERS[p], lesson.elements[e].what.c_str(), m.count, deals, m.first);
      check.faults.push_back(line);
    }
  if (undecided > 0)
    check.faults.push_back(std::string(head) +
                           ": the fastest clear ran past its search budget in " +
                           std::to_string(undecided) + " deals");
  std::string what;
  for (const auto& el : lesson.elements) what += (what.empty() ? "" : "; ") + el.what;
  char tail[200];
  std::snprintf(tail, sizeof tail, ": %s %d deals",
                check.faults.empty() ? "met in all" : "MISSED in some of", deals);
  check.summary = std::string(head) + ": " + what + tail;
  if (fromStock) {
    std::snprintf(tail, sizeof tail, "; the stock shows it by turn %d at the latest", latestShown);
    check.summary += tail;
    if (fewestTurns >= 0)
      std::snprintf(tail, sizeof tail, ", the fastest clear takes %d turns or more", fewestTurns);
    else
      std::snprintf(tail, sizeof tail, ", no deal can be cleared");
    check.summary += tail;
  }
  return check;
}

bool ReadFirstCourse(const std::filesystem::path& dir, std::vector<HoleFileData>& holes,
                     std::string& error) {
  const auto list = TextLines(ReadText(dir / "CourseList.csv"));
  if (list.size() < 2 || list[1].find(',') == std::string::npos) {
    error = (dir / "CourseList.csv").string() + " names no course";
    return false;
  }
  const std::filesystem::path courseFile =
      dir / "courses" / (list[1].substr(0, list[1].find(',')) + ".txt");
  const auto course = TextLines(ReadText(courseFile));
  if (course.size() < 17) {
    error = courseFile.string() + " lists no hole file";
    return false;
  }
  for (std::size_t i = 16; i < course.size(); ++i) {
    if (course[i].empty()) continue;
    const std::filesystem::path holeFile = dir / "holes" / course[i];
    const HoleFileResult r = ParseHoleFile(ReadText(holeFile), holeFile.string());
    if (!r.ok) {
      error = r.error;
      return false;
    }
    holes.push_back(r.hole);
  }
  return true;
}
