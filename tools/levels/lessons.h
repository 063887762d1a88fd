#pragma once
// What each hole of the first course teaches, and the check that every player meets it there.
// Hint k is shown on hole k; each hint names the things it explains (a wild shot, an iron, water,
// a wedge on sand, a face-down card turning over, cash tokens), and a player must meet each of
// them on that hole in every deal, whether the player chooses each card with care, clicks
// blindly, or clears the layout in as few stock turns as it can be cleared.
//
// A thing is met when:
//   - in sight: such a card lies face up on the layout when the hole starts (a wedge: free and
//     lying on sand; a sand card anywhere, since it shows its sandy back);
//   - from the stock: the stock turns it up. A player who leaves a card on the layout turns the
//     whole stock before the hole can end, so only a player who clears the layout can miss it,
//     and such a player turns the stock at least as often as the fastest clear does;
//   - by play (a card played, a face-down card turned over): the player clears more cards than
//     can be cleared without doing it.
// The full-knowledge search leaves no more cards than the careful player and, when it clears the
// layout, turns the stock no less often than the fastest clear: whatever the other players meet,
// it meets too.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cards/hole_solver.h"

enum class LessonWay { InSight, FromStock, ByPlay };

// One thing a hint teaches.
struct LessonElement {
  std::string what;  // e.g. "a wild shot card turned up from the stock"
  LessonWay way = LessonWay::InSight;
  int cardType = CARDTYPE_NORMAL;  // InSight and FromStock: the card's type; FromStock: -1 any card
  bool tokens = false;             // InSight: a card carrying cash tokens, whatever its type
  bool uncovers = false;           // ByPlay: a face-down card turned over (else any card played)
};

struct HoleLesson {
  std::string heading;                  // the heading of the hole's hint, as in the hints file
  std::vector<LessonElement> elements;  // empty when the hint teaches no thing to be met
};

// The lesson of hole `hole` of the first course, from 1.
HoleLesson FirstCourseLesson(int hole);

// The fewest stock turns after which the layout of `deal` can be cleared, every turn counted
// (plain cards, irons and wild shots alike), with full knowledge of the deal; -1 when it cannot
// be cleared, -2 when the search ran past `nodeBudget` positions.
int FewestTurnsToClear(const SolverLayout& layout, const HoleDeal& deal, long nodeBudget = 2000000);

// The most layout cards a player can clear without meeting `element` (a ByPlay element): without
// playing any card onto the foundation, or without a face-down card turning over.
int MostClearedWithout(const SolverLayout& layout, const LessonElement& element);

struct LessonCheck {
  std::vector<std::string> faults;  // one line per element and player that misses it
  std::string summary;              // one line for the design report
};

// Deals hole `hole` (from 1) of the first course `deals` times from `seed` with `options` and
// checks every element of its lesson for the careful player, the blind clicker and the fastest
// clear. Each fault names the hole, the lesson, the element, the player, how many deals miss it
// and the first of them.
LessonCheck CheckLesson(int hole, const HoleFileData& file, const DealOptions& options, int deals,
                        std::uint64_t seed);

// Reads the first course of the level files in `dir` (the first course of the course list, its
// hole files from line 17 of its course file) into `holes`, in playing order; false with `error`
// when a file is missing or bad.
bool ReadFirstCourse(const std::filesystem::path& dir, std::vector<HoleFileData>& holes,
                     std::string& error);
