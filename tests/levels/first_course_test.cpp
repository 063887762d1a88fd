// The first course teaches in order: each thing a hint explains first turns up on the hole that
// shows that hint (hint k on hole k) and is met there in every deal by every player, the holes
// before the face-down cards show plainly which cards are free, and the hints say what the
// course's goal says. Its holes reward choosing: a
// player who clicks without looking leaves cards behind and wins no big prizes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cards/hole_solver.h"
#include "platform/random.h"
#include "tests/levels/level_files.h"
#include "tools/levels/blind_player.h"
#include "tools/levels/lessons.h"
#include "tools/levels/tutorial.h"

namespace fs = std::filesystem;

namespace {

const fs::path DATA = fs::path(QUILL_DATA_SOURCE_DIR);

using level_test::Lines;
using level_test::ReadAll;

bool Has(const std::string& text, const std::string& word) { return text.find(word) != std::string::npos; }

// The hints file: hint k is sections[k - 1], its first two lines the heading.
std::vector<std::vector<std::string>> Hints() {
  std::vector<std::vector<std::string>> hints;
  for (const auto& line : Lines(ReadAll(DATA / "text" / "hints.txt"))) {
    if (!line.empty() && line[0] == '[') {
      hints.emplace_back();
    } else if (!hints.empty()) {
      hints.back().push_back(line);
    }
  }
  return hints;
}

std::string Heading(const std::vector<std::string>& hint) {
  return (hint.size() > 0 ? hint[0] : "") + " / " + (hint.size() > 1 ? hint[1] : "");
}

std::string Body(const std::vector<std::string>& hint) {
  std::string body;
  for (std::size_t i = 2; i < hint.size(); ++i) body += hint[i] + " ";
  return body;
}

// The number of the hint whose heading names `topic`, 0 when none does.
int HintTeaching(const std::vector<std::vector<std::string>>& hints, const std::string& topic) {
  for (std::size_t k = 0; k < hints.size(); ++k)
    if (Has(Heading(hints[k]), topic)) return static_cast<int>(k) + 1;
  return 0;
}

std::vector<std::string> CourseListRow(int index) {
  const auto lines = Lines(ReadAll(DATA / "levels" / "CourseList.csv"));
  std::vector<std::string> cols;
  std::stringstream ss(lines.at(index + 1));
  std::string col;
  while (std::getline(ss, col, ',')) cols.push_back(col);
  return cols;
}

// The first course's holes in playing order.
std::vector<HoleFileData> FirstCourse() {
  std::vector<HoleFileData> holes;
  std::string error;
  EXPECT_TRUE(ReadFirstCourse(DATA / "levels", holes, error)) << error;
  return holes;
}

// How the play screen deals irons and wild shots on hole `hole` (from 1) of the first course, as
// the level tool designs it: neither on hole 1, the one wild shot on hole 2 (the stock's first
// turn), the one iron on hole 3 (into the stock, turned up within its first turns), chance
// afterwards.
DealOptions FirstCourseDeal(int hole) { return TutorialDeal(hole - 1); }

SolverLayout LayoutOf(const HoleFileData& hole) {
  SolverLayout layout;
  std::string error;
  EXPECT_TRUE(BuildSolverLayout(hole, layout, error)) << error;
  return layout;
}

std::uint64_t Bit(int i) { return std::uint64_t{1} << i; }

// The longest run a player makes who sees the face-up and the free cards and always plays the
// card that starts the longest run of cards in sight: a run grows by each layout card played
// (wedges and irons are picked up and count nothing) and ends when the stock is turned. Stuck in
// the middle of a run, the player first plays an iron from the bag to keep it going, as hint 3
// teaches; `carried` irons are in the bag from earlier holes.
int LongestRun(const SolverLayout& layout, const HoleDeal& deal,
               const std::vector<int>& carried = {}) {
  const int n = layout.count;
  std::uint64_t cleared = 0;
  auto isFree = [&](int i, std::uint64_t gone) { return (layout.coveredBy[i] & ~gone) == 0; };
  auto collectable = [&](int i) { return deal.type[i] == CARDTYPE_WEDGE || deal.type[i] == CARDTYPE_IRON; };
  int foundation = deal.foundation, turned = 0, run = 0, longest = 0;
  std::vector<int> bag = carried;
  const int stock = static_cast<int>(deal.stockValue.size());
  while (true) {
    for (bool picked = true; picked;) {
      picked = false;
      for (int i = 0; i < n; ++i)
        if (!(cleared & Bit(i)) && collectable(i) && isFree(i, cleared)) {
          cleared |= Bit(i);
          if (deal.type[i] == CARDTYPE_IRON) bag.push_back(deal.value[i]);
          picked = true;
        }
    }
    std::uint64_t seen = 0;
    for (int i = 0; i < n; ++i)
      if (layout.faceUp[i] || isFree(i, cleared)) seen |= Bit(i);
    int bestLength = 0, bestFirst = -1, nodes = 0;
    std::function<void(std::uint64_t, int, int, int)> look = [&](std::uint64_t gone, int f, int length, int first) {
      if (++nodes > 5000) return;
      if (length > bestLength) {
        bestLength = length;
        bestFirst = first;
      }
      for (int i = 0; i < n; ++i)
        if (!(gone & Bit(i)) && (seen & Bit(i)) && !collectable(i) && isFree(i, gone) &&
            FoundationAccepts(f, deal.value[i]))
          look(gone | Bit(i), deal.value[i], length + 1, first < 0 ? i : first);
    };
    look(cleared, foundation, 0, -1);
    if (bestFirst >= 0) {
      cleared |= Bit(bestFirst);
      foundation = deal.value[bestFirst];
      longest = std::max(longest, ++run);
    } else if (run > 0 && !bag.empty()) {
      foundation = bag.back();
      bag.pop_back();
    } else if (turned < stock) {
      if (deal.stockType[turned] == CARDTYPE_NORMAL) foundation = deal.stockValue[turned];
      if (deal.stockType[turned] == CARDTYPE_IRON) bag.push_back(deal.stockValue[turned]);
      ++turned;
      run = 0;
    } else if (!bag.empty()) {
      foundation = bag.back();
      bag.pop_back();
    } else {
      return longest;
    }
  }
}

constexpr int DEALS = 400;
constexpr int LONG_DRIVE = 6;
// What choosing saves a player on a hole before the long drives, in mean cards left against a
// player who clicks blindly, and the least such a blind player ends over par on the mean.
constexpr double CHOOSING_SAVES = 0.3;
constexpr double BLIND_OVER_PAR = -1.5;

// Share of the deals of a hole in which such a player makes a long drive.
double LongDriveShare(const HoleFileData& hole, int number) {
  const SolverLayout layout = LayoutOf(hole);
  platform::Random rng(0xF1257ull + static_cast<std::uint64_t>(number));
  int drives = 0;
  for (int d = 0; d < DEALS; ++d) {
    // From the irons hole on, the player carries the iron it gave.
    std::vector<int> carried;
    if (number > 3) carried.push_back(rng.Rand(IRON_FIRST, IRON_LAST));
    drives +=
        LongestRun(layout, DealHole(layout, rng, FirstCourseDeal(number)), carried) >= LONG_DRIVE
            ? 1
            : 0;
  }
  return static_cast<double>(drives) / DEALS;
}

struct Element {
  const char* topic;  // a word of the heading of the hint that teaches it
  std::function<bool(const HoleCardEntry&)> shows;
};

TEST(FirstCourse, EachCardKindFirstLiesOnTheHoleWhoseHintTeachesIt) {
  const auto hints = Hints();
  const auto holes = FirstCourse();
  ASSERT_EQ(holes.size(), 9u);
  const Element elements[] = {
      {"Water", [](const HoleCardEntry& c) { return c.type == CARDTYPE_WATER; }},
      {"Sand", [](const HoleCardEntry& c) { return c.type == CARDTYPE_SAND || c.type == CARDTYPE_WEDGE; }},
      // A sand card lies face down by nature (its back shows the sand); any other card face down
      // is what uncovering teaches.
      {"Uncovering", [](const HoleCardEntry& c) { return c.faceUp == 0 && c.type != CARDTYPE_SAND; }},
      {"tokens", [](const HoleCardEntry& c) { return c.tokenFactor > 0; }},
  };
  for (const auto& e : elements) {
    const int teaching = HintTeaching(hints, e.topic);
    ASSERT_GE(teaching, 1) << "no hint teaches " << e.topic;
    int first = 0;
    for (std::size_t h = 0; h < holes.size() && first == 0; ++h)
      if (std::any_of(holes[h].cards.begin(), holes[h].cards.end(), e.shows)) first = static_cast<int>(h) + 1;
    EXPECT_EQ(first, teaching) << e.topic << " first lies on hole " << first << ", its hint is hint " << teaching;
  }
}

// The level tool's lesson check over the committed course, on other deals than the tool's own.
constexpr int LESSON_DEALS = 1000;

TEST(FirstCourse, EachHoleMeetsItsLessonInEveryDealForEveryPlayer) {
  const auto holes = FirstCourse();
  ASSERT_EQ(holes.size(), 9u);
  for (int h = 1; h <= 9; ++h) {
    const LessonCheck check = CheckLesson(h, holes[static_cast<std::size_t>(h - 1)],
                                          FirstCourseDeal(h), LESSON_DEALS, 0x5EC0DEull + h);
    for (const auto& fault : check.faults) ADD_FAILURE() << fault;
  }
}

TEST(FirstCourse, EachLessonIsTheOneTheHintOfItsHoleTeaches) {
  const auto hints = Hints();
  ASSERT_GE(hints.size(), 9u);
  for (int h = 1; h <= 9; ++h) {
    const std::string heading = FirstCourseLesson(h).heading;
    EXPECT_TRUE(Has(Heading(hints[static_cast<std::size_t>(h - 1)]), heading))
        << "hole " << h << " checks the lesson \"" << heading << "\", its hint is \""
        << Heading(hints[static_cast<std::size_t>(h - 1)]) << "\"";
  }
}

// What the check finds when a lesson's card is put back where a player can miss it: the wild
// shot anywhere in hole 2's stock, the iron anywhere in hole 3's deck (the layout included), the
// water of hole 4 face down, the face-down cards of hole 6 face up.
struct LessonFault {
  const char* name;
  int hole;
  std::function<void(DealOptions&, HoleFileData&)> putBack;
  const char* lesson;
};

class FirstCourseLessonFaults : public testing::TestWithParam<LessonFault> {};

TEST_P(FirstCourseLessonFaults, AreFoundAndNamedByHoleAndLesson) {
  const LessonFault& f = GetParam();
  HoleFileData hole = FirstCourse().at(static_cast<std::size_t>(f.hole - 1));
  DealOptions deal = FirstCourseDeal(f.hole);
  f.putBack(deal, hole);
  const LessonCheck check = CheckLesson(f.hole, hole, deal, LESSON_DEALS, 0xFA17ull + f.hole);
  ASSERT_FALSE(check.faults.empty()) << check.summary;
  const std::string named = "hole " + std::to_string(f.hole) + " (";
  for (const auto& fault : check.faults) {
    EXPECT_TRUE(Has(fault, named)) << fault;
    EXPECT_TRUE(Has(fault, f.lesson)) << fault;
  }
}

INSTANTIATE_TEST_SUITE_P(
    PutBack, FirstCourseLessonFaults,
    testing::Values(LessonFault{"WildShotAnywhereInTheStock", 2,
                                [](DealOptions& d, HoleFileData&) { d.wildShotStockTurns = 0; },
                                "Wild shots"},
                    LessonFault{"IronAnywhereInTheDeck", 3,
                                [](DealOptions& d, HoleFileData&) { d.ironStockTurns = 0; },
                                "Irons"},
                    LessonFault{"WaterFaceDown", 4,
                                [](DealOptions&, HoleFileData& h) {
                                  for (auto& c : h.cards)
                                    if (c.type == CARDTYPE_WATER) c.faceUp = 0;
                                },
                                "Water hazards"},
                    LessonFault{"NothingFaceDown", 6,
                                [](DealOptions&, HoleFileData& h) {
                                  for (auto& c : h.cards) c.faceUp = 1;
                                },
                                "Uncovering cards"}),
    [](const testing::TestParamInfo<LessonFault>& info) { return std::string(info.param.name); });

TEST(FirstCourse, IronsAndWildShotsAreTaughtOnTheHolesThatDealTheFirstOfThem) {
  const auto hints = Hints();
  EXPECT_EQ(HintTeaching(hints, "Wild shots"), 2);
  EXPECT_EQ(HintTeaching(hints, "Irons"), 3);
}

// The stock turn at which the careful player of LongestRun gets an iron into the bag (found on
// the layout or turned from the stock), 0 when the hole ends without one.
int TurnOfFirstIron(const SolverLayout& layout, const HoleDeal& deal) {
  const int n = layout.count;
  const std::uint64_t all = n >= 64 ? ~std::uint64_t{0} : Bit(n) - 1;
  std::uint64_t cleared = 0;
  auto isFree = [&](int i) { return (layout.coveredBy[i] & ~cleared) == 0; };
  int foundation = deal.foundation, turned = 0;
  const int stock = static_cast<int>(deal.stockValue.size());
  while (true) {
    for (int i = 0; i < n; ++i)
      if (!(cleared & Bit(i)) && isFree(i) && deal.type[i] == CARDTYPE_IRON) return turned + 1;
    int play = -1;
    for (int i = 0; i < n && play < 0; ++i)
      if (!(cleared & Bit(i)) && isFree(i) && deal.type[i] != CARDTYPE_WEDGE &&
          FoundationAccepts(foundation, deal.value[i]))
        play = i;
    if (play >= 0) {
      cleared |= Bit(play);
      foundation = deal.value[play];
    } else if (turned < stock && cleared != all) {
      if (deal.stockType[turned] == CARDTYPE_IRON) return turned + 1;
      if (deal.stockType[turned] == CARDTYPE_NORMAL) foundation = deal.stockValue[turned];
      ++turned;
    } else {
      return 0;
    }
  }
}

TEST(FirstCourse, TheIronsHoleGivesEveryPlayerItsIronWithinTheFirstTurns) {
  const auto hints = Hints();
  const int hole = HintTeaching(hints, "Irons");
  ASSERT_GE(hole, 1);
  const SolverLayout layout = LayoutOf(FirstCourse().at(hole - 1));
  // Wherever the deal puts it, a player who plays whatever fits and turns the stock when stuck
  // holds the iron within the first few turns: it is never buried in the layout.
  platform::Random rng(0x1A0Full);
  for (int d = 0; d < DEALS; ++d) {
    const HoleDeal deal = DealHole(layout, rng, FirstCourseDeal(hole));
    const int turn = TurnOfFirstIron(layout, deal);
    ASSERT_GE(turn, 1) << "deal " << d << ": the iron never reaches the bag";
    ASSERT_LE(turn, TUTORIAL_IRON_TURNS) << "deal " << d;
  }
}

// The Clean Card Cup asks for at most nine cards left over a nine-hole course: on the first
// course a player who plays each hole as well as it can be played gets there in most rounds, so
// no hole of it may leave a pile of cards behind whatever the player does.
TEST(FirstCourse, TheCleanCardCupStaysWithinReach) {
  constexpr int CUP_CARDS = 9;
  constexpr int ROUNDS = 40;
  const auto holes = FirstCourse();
  THoleSolver solver;
  std::vector<int> total(ROUNDS, 0);
  for (std::size_t h = 0; h < holes.size(); ++h) {
    const HoleSample sample =
        SampleHole(LayoutOf(holes[h]), FirstCourseDeal(static_cast<int>(h) + 1), ROUNDS,
                   0xC1EA4ull + h, solver);
    for (int r = 0; r < ROUNDS; ++r)
      total[static_cast<std::size_t>(r)] += sample.best[static_cast<std::size_t>(r)];
  }
  const auto within =
      std::count_if(total.begin(), total.end(), [](int c) { return c <= CUP_CARDS; });
  EXPECT_GE(within, ROUNDS * 3 / 4);
}

TEST(FirstCourse, LongDrivesAreRareBeforeTheirHintAndCommonOnIt) {
  const int teaching = HintTeaching(Hints(), "Long drives");
  const auto holes = FirstCourse();
  ASSERT_GE(teaching, 1);
  // Before its hint a player meets a long drive in few rounds, holes 1 to 7 taken together.
  double noneBefore = 1;
  for (int h = 1; h <= teaching; ++h) {
    const double share = LongDriveShare(holes[h - 1], h);
    if (h < teaching) {
      EXPECT_LE(share, 0.03) << "hole " << h << " gives a long drive before its hint";
      noneBefore *= 1 - share;
    } else {
      EXPECT_GE(share, 0.60) << "hole " << h << " teaches long drives but seldom gives one";
    }
  }
  EXPECT_GE(noneBefore, 0.85);
}

// Cards left on each of `deals` deals of a hole, by the blind clicker and by the careful player
// on the same deals.
struct BlindAndCareful {
  std::vector<int> blind, careful;
};

BlindAndCareful PlayBoth(const HoleFileData& hole, int number, int deals) {
  const SolverLayout layout = LayoutOf(hole);
  platform::Random rng(0xB1D0ull + static_cast<std::uint64_t>(number));
  platform::Random order(0x0DE7ull + static_cast<std::uint64_t>(number));
  BlindAndCareful r;
  for (int d = 0; d < deals; ++d) {
    const HoleDeal deal = DealHole(layout, rng, FirstCourseDeal(number));
    r.blind.push_back(PlayBlindly(layout, deal, order));
    r.careful.push_back(PlayLikeAPlayer(layout, deal));
  }
  return r;
}

double Mean(const std::vector<int>& v) {
  double sum = 0;
  for (int x : v) sum += x;
  return v.empty() ? 0 : sum / static_cast<double>(v.size());
}

// Before the open hole of long drives every hole gives the player a choice of piles: clicking
// every card and then the stock, round after round, leaves more cards than choosing does, ends
// less than a stroke and a half under par on the mean, and clears the layout in at most two
// deals of three.
TEST(FirstCourse, APlayerWhoClicksBlindlyDoesClearlyWorseThanOneWhoChooses) {
  const int open = HintTeaching(Hints(), "Long drives");
  const auto holes = FirstCourse();
  ASSERT_GE(open, 2);
  for (int h = 1; h < open; ++h) {
    const HoleFileData& hole = holes[static_cast<std::size_t>(h - 1)];
    const BlindAndCareful r = PlayBoth(hole, h, DEALS);
    const double blind = Mean(r.blind), careful = Mean(r.careful);
    const auto perfect = std::count(r.blind.begin(), r.blind.end(), 0);
    EXPECT_GE(blind - careful, CHOOSING_SAVES)
        << "hole " << h << ": blind " << blind << ", careful " << careful;
    EXPECT_GE(blind - hole.par, BLIND_OVER_PAR)
        << "hole " << h << ": blind " << blind << ", par " << hole.par;
    EXPECT_LE(perfect, DEALS * 2 / 3) << "hole " << h;
  }
}

// Played blindly, the whole course pays no trophy for results: a birdie on every hole, an eagle
// on every hole or nine cards left in all are out of reach, and a perfect hole is the exception.
TEST(FirstCourse, APlayerWhoClicksBlindlyWinsNoBigPrizes) {
  constexpr int ROUNDS = 200;
  const auto holes = FirstCourse();
  std::vector<BlindAndCareful> played;
  for (std::size_t h = 0; h < holes.size(); ++h)
    played.push_back(PlayBoth(holes[h], static_cast<int>(h) + 1, ROUNDS));
  int birdies = 0, eagles = 0, clean = 0, perfects = 0;
  for (int r = 0; r < ROUNDS; ++r) {
    int under1 = 0, under2 = 0, cards = 0;
    for (std::size_t h = 0; h < holes.size(); ++h) {
      const int left = played[h].blind[static_cast<std::size_t>(r)];
      under1 += left - holes[h].par <= -1 ? 1 : 0;
      under2 += left - holes[h].par <= -2 ? 1 : 0;
      perfects += left == 0 ? 1 : 0;
      cards += std::min(left, holes[h].par + 5);
    }
    birdies += under1 == static_cast<int>(holes.size()) ? 1 : 0;
    eagles += under2 == static_cast<int>(holes.size()) ? 1 : 0;
    clean += cards <= 9 ? 1 : 0;
  }
  EXPECT_LE(birdies, ROUNDS / 50);
  EXPECT_LE(eagles, ROUNDS / 100);
  EXPECT_LE(clean, ROUNDS / 10);
  EXPECT_LE(perfects, ROUNDS * 4);  // fewer than four perfect holes of nine in a round
}

// A triple eagle is four under par: some hole of the course has a par of four or more and can
// be cleared.
TEST(FirstCourse, SomeHoleOffersATripleEagle) {
  const auto holes = FirstCourse();
  THoleSolver solver;
  bool offered = false;
  for (std::size_t h = 0; h < holes.size() && !offered; ++h) {
    if (holes[h].par < 4) continue;
    const HoleSample sample = SampleHole(
        LayoutOf(holes[h]), FirstCourseDeal(static_cast<int>(h) + 1), 12, 0x3EA6ull + h, solver);
    offered = std::any_of(sample.best.begin(), sample.best.end(),
                          [&](int left) { return left <= holes[h].par - 4; });
  }
  EXPECT_TRUE(offered);
}

TEST(FirstCourse, HolesBeforeFaceDownCardsLayEachCardStraightBelowOrRightOfTheOneItLiesOn) {
  const int faceDown = HintTeaching(Hints(), "Uncovering");
  const auto holes = FirstCourse();
  ASSERT_GE(faceDown, 1);
  // A card lying on another sits straight below it or straight right of it, at least 20 units
  // (25 pixels) on, so the covered card keeps its rank corner in sight and the one whole card at
  // the end of a pile is the free one.
  constexpr int RANK_CORNER = 20;  // hole-file units
  for (int h = 1; h < faceDown; ++h)
    for (const auto& c : holes[h - 1].cards)
      for (int id : c.covers) {
        const auto upper = std::find_if(holes[h - 1].cards.begin(), holes[h - 1].cards.end(),
                                        [&](const HoleCardEntry& o) { return o.id == id; });
        ASSERT_NE(upper, holes[h - 1].cards.end());
        const int dx = upper->x - c.x, dy = upper->y - c.y;
        EXPECT_TRUE((dx == 0 && dy >= RANK_CORNER) || (dy == 0 && dx >= RANK_CORNER))
            << "hole " << h << ": card " << id << " lies on card " << c.id << " moved by (" << dx << ", " << dy << ")";
      }
}

TEST(FirstCourse, TheLastHintAsksForTheScoreTheGoalAsksFor) {
  const auto hints = Hints();
  const auto second = CourseListRow(1);
  ASSERT_EQ(second.at(7), "SCORE");
  // The selector and the score card show a score goal as "E" for par, else with its sign.
  const int value = std::stoi(second.at(8));
  const std::string shown = value == 0 ? "E" : (value > 0 ? "+" : "") + std::to_string(value);
  const std::string last = Body(hints.at(8));
  EXPECT_TRUE(Has(last, "at " + shown + " or better")) << last;
  for (int k = 1; k <= 9 && value >= 0; ++k)
    EXPECT_FALSE(Has(Body(hints.at(k - 1)), "under par")) << "hint " << k << " asks for more than the goal";
}

}  // namespace
