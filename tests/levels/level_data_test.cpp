// The committed level data in data/levels/: every hole passes the layout checks, the course list
// keeps its rules, and the game's own course loader reads all seventy courses without a fault.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "cards/hole_solver.h"
#include "content/course_list.h"
#include "tests/levels/level_files.h"

namespace fs = std::filesystem;

namespace {

const fs::path LEVELS = fs::path(QUILL_DATA_SOURCE_DIR) / "levels";

using level_test::Lines;
using level_test::ReadAll;

struct Row {
  std::vector<std::string> cols;
};

// Columns split at commas; the story column may be quoted.
Row SplitRow(std::string rest) {
  Row r;
  for (int col = 1; col <= 13; ++col) {
    if (col == 12 && !rest.empty() && rest[0] == '"') {
      const auto end = rest.find('"', 1);
      r.cols.push_back(rest.substr(1, end - 1));
      rest = end == std::string::npos ? "" : rest.substr(std::min(rest.size(), end + 2));
      continue;
    }
    const auto comma = rest.find(',');
    r.cols.push_back(rest.substr(0, comma));
    rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
  }
  return r;
}

std::vector<Row> CourseRows() {
  std::vector<Row> rows;
  const auto lines = Lines(ReadAll(LEVELS / "CourseList.csv"));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i] == "END") break;
    rows.push_back(SplitRow(lines[i]));
  }
  return rows;
}

TEST(LevelData, EveryHolePassesTheChecks) {
  int holes = 0;
  for (const auto& f : fs::directory_iterator(LEVELS / "holes")) {
    const std::string text = ReadAll(f.path());
    const HoleFileResult r = ParseHoleFile(text, f.path().filename().string());
    ASSERT_TRUE(r.ok) << r.error;
    for (const auto& fault : ValidateHoleLayout(r.hole))
      ADD_FAILURE() << f.path().filename().string() << ": " << fault;
    // The course loader counts one card per non-empty line from line 5 on.
    const auto lines = Lines(text);
    int cardLines = 0;
    for (std::size_t i = 4; i < lines.size(); ++i) cardLines += lines[i].empty() ? 0 : 1;
    EXPECT_EQ(cardLines, static_cast<int>(r.hole.cards.size())) << f.path();
    EXPECT_GE(r.hole.par, 0) << f.path();
    EXPECT_LE(r.hole.par, static_cast<int>(r.hole.cards.size())) << f.path();
    ++holes;
  }
  EXPECT_GT(holes, 630);  // at least seventy courses of nine holes
}

TEST(LevelData, CourseListKeepsItsRules) {
  const auto rows = CourseRows();
  ASSERT_EQ(rows.size(), 70u);
  EXPECT_EQ(rows.front().cols[0], "The Vuva Rivudar");
  std::set<std::string> names, types, unlocks;
  int ranks = 0, items = 0, timed = 0, eighteen = 0;
  bool previousTimed = false;
  int previousFee = 0;
  std::string previousBackground;
  const std::set<int> pictures = {1, 2, 3, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& c = rows[i].cols;
    ASSERT_EQ(c.size(), 13u);
    const std::string& name = c[0];
    EXPECT_TRUE(names.insert(name).second) << name;
    types.insert(c[2]);
    const std::string background = c[2] + c[3];
    EXPECT_TRUE(c[3] == "1" || c[3] == "2" || c[3] == "3" || c[3] == "4") << name;
    EXPECT_NE(background, previousBackground) << name << " has its neighbour's background";
    previousBackground = background;
    const int fee = std::stoi(c[4]);
    EXPECT_GE(fee, previousFee) << name;
    previousFee = fee;
    EXPECT_GT(std::stoi(c[5]), fee) << name;
    if (i > 0) {
      EXPECT_FALSE(c[7].empty()) << name << " has no unlock rule";
    }
    unlocks.insert(c[7]);
    ranks += c[9] == "Y" ? 1 : 0;
    items += c[10] == "Y" ? 1 : 0;
    EXPECT_FALSE(c[11].empty()) << name;
    EXPECT_EQ(c[11].find('"'), std::string::npos) << name;
    EXPECT_TRUE(pictures.count(std::stoi(c[12]))) << name << " picture " << c[12];

    const auto course = Lines(ReadAll(LEVELS / "courses" / (name + ".txt")));
    ASSERT_GE(course.size(), 17u) << name;
    const bool isTimed = course[11] == "Y";
    EXPECT_FALSE(isTimed && previousTimed) << name << ": two timed courses in a row";
    EXPECT_FALSE(isTimed && (i == 0 || i + 1 == rows.size())) << name;
    previousTimed = isTimed;
    timed += isTimed ? 1 : 0;
    const std::size_t holes = course.size() - 16;
    EXPECT_TRUE(holes == 9 || holes == 18) << name;
    eighteen += holes == 18 ? 1 : 0;
    int par = 0;
    for (std::size_t h = 16; h < course.size(); ++h)
      par += std::stoi(Lines(ReadAll(LEVELS / "holes" / course[h]))[1]);
    EXPECT_EQ(std::stoi(course[3]), par) << name << ": course par is not the sum of its holes";
  }
  EXPECT_EQ(ranks, 13);
  EXPECT_EQ(items, 11);
  EXPECT_EQ(types.size(), 10u);
  EXPECT_EQ(unlocks, (std::set<std::string>{"", "SCORE", "DRIVE", "PERFECT", "TOKENS"}));
  EXPECT_TRUE(names.count("Dazedev Evadedi"));
  EXPECT_GT(timed, 0);
  EXPECT_GT(eighteen, 0);
  EXPECT_EQ(std::stoi(rows.front().cols[4]) < std::stoi(rows.back().cols[4]), true);
  // The loader finds a course's unlockers by containment, so no name may hold another.
  for (const auto& a : names)
    for (const auto& b : names) EXPECT_TRUE(a == b || b.find(a) == std::string::npos) << a << " in " << b;
}

TEST(LevelData, TheGamesLoaderReadsSeventyCourses) {
  // The loader looks under <prefix>Data/levels/; a folder with a link named Data stands in for the
  // data folder.
  const fs::path root = fs::temp_directory_path() / ("quill_levels_" + std::to_string(::getpid()));
  fs::create_directories(root);
  fs::create_directory_symlink(fs::path(QUILL_DATA_SOURCE_DIR), root / "Data");
  TCourseListOptions options;
  options.DataPrefix = root.string() + "/";
  options.Texts.UnlockTemplates = {"", "score XX NN", "drive XX NN", "perfect XX NN", "tokens XX NN"};
  options.Texts.GoalTemplates = {"", "score XX NN CC", "drive XX NN CC", "perfect XX NN CC", "tokens XX NN CC"};
  options.Texts.And = "and";
  options.Texts.FinalGoalLong = "final";
  options.Texts.Currency = "$";
  TCourseList courses;
  const TLoadResult result = ReadCourseList(options, courses);
  fs::remove_all(root);
  ASSERT_TRUE(result.Ok()) << result.Report();
  ASSERT_EQ(courses.size(), 70u);
  EXPECT_EQ(courses.front()->Holes, 9);
  EXPECT_EQ(courses.front()->UnlockedBy, "");
  EXPECT_EQ(courses.back()->GoalText, "final");
  for (const auto& c : courses) {
    EXPECT_TRUE(c->Holes == 9 || c->Holes == 18) << c->Name;
    int par = 0;
    for (int h = 0; h < c->Holes; ++h) {
      par += c->HolePars[h];
      EXPECT_GT(c->HoleTotalCards[h], c->HolePars[h]) << c->Name << " hole " << h + 1;
    }
    EXPECT_EQ(par, c->Par) << c->Name;
    if (!c->Timed && c != courses.back()) {
      EXPECT_FALSE(c->Unlocks.empty()) << c->Name << " opens nothing";
    }
  }
}

}  // namespace
