// Broken hole files, course files, text tables and speech chances: each is refused when it is
// read, with a message naming the file and the line, field or key at fault.

#include "content/data_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cards/rules.h"
#include "content/course.h"
#include "gfx/game_text.h"
#include "tests/content/data_folder.h"
#include "util/strings.h"

namespace {

// ---- Hole files ----------------------------------------------------------------------------------

// A sound hole of five face-up cards with IDs 1 to 5 on line 5 on, par 3.
std::string SoundHole() { return TestDataFolder::HoleText(3, 5); }

// The sound hole with line `line` (1-based) replaced.
std::string WithLine(int line, const std::string& text) {
  std::string hole = SoundHole();
  std::size_t start = 0;
  for (int i = 1; i < line; ++i) start = hole.find('\n', start) + 1;
  hole.replace(start, hole.find('\n', start) - start, text);
  return hole;
}

struct HoleCase {
  const char* label;
  std::string text;
  std::string fault;  // part of the message after the file (and line)
  int line;           // 0: the message names no line
};

class BrokenHoleTest : public testing::TestWithParam<HoleCase> {};

TEST_P(BrokenHoleTest, IsRefusedNamingTheFileLineAndFault) {
  const HoleCase& c = GetParam();
  HoleFileData hole;
  hole.par = -99;
  const TLoadResult result = CheckHoleFile(c.text, "levels/holes/broken.txt", hole);
  const std::string where =
      "Hole file levels/holes/broken.txt" + (c.line > 0 ? ", line " + std::to_string(c.line) : std::string());
  EXPECT_EQ(result.message, where + ": " + c.fault);
  EXPECT_EQ(result.file, "levels/holes/broken.txt");
  EXPECT_EQ(result.line, c.line);
  EXPECT_EQ(hole.par, -99) << "a refused hole fills nothing";
  EXPECT_TRUE(hole.cards.empty());
}

std::vector<HoleCase> HoleCases() {
  std::vector<HoleCase> cases = {
      {"CutTo40Bytes", SoundHole().substr(0, 40), "the hole has no cards", 0},
      {"Garbage", "\x01\xFE junk\n" + std::string(2000, '#') + "\n\xC0\x80 a b c\n\xFF\xFF more\n" +
                      std::string(40, 'z') + " 1 2",
       "the par is not a whole number", 2},
      {"GarbageCards", WithLine(5, "\x01" + std::string(80, '~') + " ~ ~ ~ ~ ~ ~ ~"), "ID '?" + std::string(59, '~') +
                                                                                 "' is not a whole number", 5},
      {"ParNotANumber", WithLine(2, "three"), "the par is not a whole number", 2},
      {"ParOverTheCards", WithLine(2, "6"), "par 6 is outside 0..5 (the hole's cards)", 2},
      {"NegativePar", WithLine(2, "-1"), "par -1 is outside 0..5 (the hole's cards)", 2},
      {"ParOfTwentyDigits", WithLine(2, "12345678901234567890"), "the par is not a whole number", 2},
      {"SevenFields", WithLine(6, "2 20 64 1 1 N -1"), "7 fields, not 8 for each card", 6},
      {"UnknownType", WithLine(6, "2 20 64 1 1 Q -1 0"), "Type 'Q' is none of N, W, S and D", 6},
      {"FaceTwo", WithLine(7, "3 76 64 2 2 N -1 0"), "FaceUp '2' is neither 0 nor 1", 7},
      {"XBeyondInt", WithLine(5, "1 99999999999 64 0 1 N -1 0"), "X '99999999999' is not a whole number", 5},
      {"CoversNotIds", WithLine(5, "1 -36 64 0 1 N 2;3 0"), "Covers '2;3' is not a list of card IDs", 5},
      {"IdOutOfRange", WithLine(8, "100 132 64 3 1 N -1 0"), "card 100: ID outside 0..99", 8},
      {"IdTwice", WithLine(8, "1 132 64 3 1 N -1 0"), "card 1: ID used twice", 8},
      {"CoveredByUnknownCard", WithLine(5, "1 -36 64 0 1 N 42 0"), "card 1: covered by unknown card 42", 5},
      {"OffThePlayArea", WithLine(6, "2 2000 64 1 1 N -1 0"), "card 2: outside the play area", 6},
      {"UnderTheStopwatch", WithLine(6, "2 120 59 1 1 N -1 0"), "card 2: hidden under the HUD", 6},
      {"NegativeZOrder", WithLine(6, "2 20 64 -1 1 N -1 0"), "ZOrder '-1' is negative", 6},
      {"TokenFactorSix", WithLine(6, "2 20 64 1 1 N -1 6"), "card 2: token factor outside 0..5", 6},
  };
  // 49 cards: one more than the solver and the play field hold.
  std::string crowded = "crowded\n0\nCards 49\nID X Y ZOrder FaceUp Type Covers TokenFactor\n";
  for (int i = 1; i <= 49; ++i) crowded += std::to_string(i) + " -36 64 " + std::to_string(i) + " 1 N -1 0\n";
  cases.push_back({"FortyNineCards", crowded, "the hole has 49 cards, more than 48", 0});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenHoleTest, testing::ValuesIn(HoleCases()),
                         [](const testing::TestParamInfo<HoleCase>& info) { return std::string(info.param.label); });

TEST(HoleFileCheckTest, ASoundHoleIsReadAsThePlayScreenDealsIt) {
  HoleFileData hole;
  const TLoadResult result = CheckHoleFile(SoundHole(), "h.txt", hole);
  ASSERT_TRUE(result.Ok()) << result.Report();
  EXPECT_EQ(hole.par, 3);
  ASSERT_EQ(hole.cards.size(), 5u);
  EXPECT_EQ(hole.cards[4].id, 5);
  EXPECT_EQ(hole.cards[4].type, CARDTYPE_NORMAL);
  // Line endings of either kind, blank lines between cards, and a par of 0 are all sound.
  std::string crlf = WithLine(2, "0");
  for (std::size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2)) crlf.insert(at, "\r");
  EXPECT_TRUE(CheckHoleFile(crlf + "\r\n\r\n", "h.txt", hole).Ok());
  EXPECT_EQ(hole.par, 0);
}

// ---- Course files: hole names, the course par --------------------------------------------------

struct CourseCase {
  const char* label;
  std::vector<std::string> holes;  // the course file's hole lines; each is written as a sound hole
  std::string fault;               // the report holds it, with the course file and line
  int line;
};

class BrokenCourseTest : public testing::TestWithParam<CourseCase> {};

TEST_P(BrokenCourseTest, IsRefusedBeforeAnyFileOutsideTheFolderIsRead) {
  const CourseCase& c = GetParam();
  TestDataFolder data;
  data.WriteCourse("C", 27, "", c.holes, false);
  for (const std::string& hole : c.holes) {
    if (DataPathInside(hole)) data.WriteHole(hole, 3, 5);
  }
  // A file outside the hole folder that a climbing name would reach.
  data.WriteHole("../../outside.txt", 3, 5);
  TCourse course;
  const TLoadResult result = ReadCourseFile(course, data.Prefix(), "C");
  const std::string course_file = data.Prefix() + "Data/levels/courses/C.txt";
  EXPECT_NE(result.Report().find(c.fault), std::string::npos) << result.Report();
  EXPECT_NE(result.Report().find(course_file), std::string::npos) << result.Report();
  EXPECT_EQ(result.line, c.line);
}

std::vector<std::string> NineHoles(const std::string& ninth) {
  return {"h1", "h2", "h3", "h4", "h5", "h6", "h7", "h8", ninth};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenCourseTest,
    testing::Values(
        CourseCase{"HoleClimbsOut", NineHoles("../../outside.txt"),
                   "line 25: the hole file '../../outside.txt' lies outside the hole folder", 25},
        CourseCase{"HoleClimbsInTheMiddle", NineHoles("sub/../../../outside.txt"),
                   "the hole file 'sub/../../../outside.txt' lies outside the hole folder", 25},
        CourseCase{"AbsoluteHole", NineHoles("/etc/passwd"), "the hole file '/etc/passwd' lies outside", 25},
        CourseCase{"BackslashHole", NineHoles("..\\outside.txt"), "lies outside the hole folder", 25}),
    [](const testing::TestParamInfo<CourseCase>& info) { return std::string(info.param.label); });

TEST(CourseParCheckTest, TheCourseParIsTheSumOfItsHolePars) {
  TestDataFolder data;
  for (const std::string par : {"28", "26", "", "27x", "99999999999999999999"}) {
    data.WriteCourse("C", 0, "", NineHoles("h9"));
    // WriteCourse wrote par 0 on line 4: put the case there.
    std::string text = "\n\n\n" + par + "\n\n\n\n\n\n\n\n\n\n\n\n\n";
    for (const std::string& hole : NineHoles("h9")) text += hole + "\n";
    data.Write("Data/levels/courses/C.txt", text);
    TCourse course;
    const TLoadResult result = ReadCourseFile(course, data.Prefix(), "C");
    EXPECT_EQ(result.message, "Course file " + data.Prefix() +
                                  "Data/levels/courses/C.txt, line 4: the par is not the sum of the "
                                  "holes' pars (27)")
        << "par '" << par << "'";
    EXPECT_EQ(result.line, 4);
  }
  data.WriteCourse("C", 27, "", NineHoles("h9"));
  TCourse course;
  EXPECT_TRUE(ReadCourseFile(course, data.Prefix(), "C").Ok());
  EXPECT_EQ(course.Par, 27);
}

TEST(CourseParCheckTest, ABrokenHoleNamesItselfAndTheCourseLine) {
  TestDataFolder data;
  data.WriteCourse("C", 27, "", NineHoles("h9"));
  data.Write("Data/levels/holes/h4", WithLine(2, "-5"));
  TCourse course;
  const TLoadResult result = ReadCourseFile(course, data.Prefix(), "C");
  EXPECT_EQ(result.Report(), "Hole file " + data.Prefix() + "Data/levels/holes/h4, line 2: par -5 is outside "
                             "0..5 (the hole's cards)\n(" + data.Prefix() + "Data/levels/courses/C.txt, line 20)");
}

TEST(DataPathTest, NamesThatClimbOutOrAreAbsoluteAreRefused) {
  for (const char* name : {"a.txt", "sub/a.txt", "a..b.txt", "..a", "a/..b", "", "./a.txt"})
    EXPECT_TRUE(DataPathInside(name)) << name;
  for (const char* name : {"..", "../a", "a/../../b", "a/..", "/a", "/", "a\\..\\b", "a\tb", "a\x7F"})
    EXPECT_FALSE(DataPathInside(name)) << name;
}

TEST(DataFieldTest, WholeNumbersWithinIntOnly) {
  const struct {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"42", true, 42},       {" -7 ", true, -7},        {"+5", true, 5},
               {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
               {"2147483648", false, 0}, {"-2147483649", false, 0}, {"12345678901234567890", false, 0},
               {"", false, 0},          {"-", false, 0},           {"5x", false, 0},
               {"1 2", false, 0},       {"0x10", false, 0},        {"4\r", true, 4}};
  for (const auto& c : cases) {
    int value = 0;
    EXPECT_EQ(DataFieldToInt(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

// ---- The text table ---------------------------------------------------------------------------

std::string FullTable() {
  std::string text;
  for (const std::string& key : GameTextKeys()) text += "[TEXT]\n" + key + "\ntext of " + key + "\n";
  return text;
}

TEST(GameTextKeysTest, EveryKeyTheGameLooksUpMustHaveText) {
  TGameText table;
  table.ReadText(FullTable());
  EXPECT_TRUE(CheckGameTextKeys(table, "text/gametext.txt").Ok());

  const std::string full = FullTable();
  const struct {
    const char* label;
    std::string text;
    std::string key;
  } cases[] = {
      {"cut in half", full.substr(0, full.size() / 2), ""},
      {"without Goal - Tokens", [&] {
         std::string t = full;
         const std::string entry = "[TEXT]\nGoal - Tokens\ntext of Goal - Tokens\n";
         t.erase(t.find(entry), entry.size());
         return t;
       }(), "Goal - Tokens"},
      {"Rank13 without text", full + "[TEXT]\nRank13\n", "Rank13"},
      {"empty", "", "And"},
  };
  for (const auto& c : cases) {
    TGameText broken;
    broken.ReadText(c.text);
    const TLoadResult result = CheckGameTextKeys(broken, "text/gametext.txt");
    EXPECT_EQ(result.file, "text/gametext.txt") << c.label;
    EXPECT_EQ(result.message.rfind("The text table text/gametext.txt has no text for the key '", 0), 0u)
        << c.label << ": " << result.message;
    if (!c.key.empty()) {
      EXPECT_NE(result.message.find("'" + c.key + "'"), std::string::npos) << c.label;
    }
  }
}

// ---- The speech chances --------------------------------------------------------------------------

std::string FullChances() {
  std::string text;
  for (const std::string& category : SpeechCategories()) text += category + "=50\n";
  return text;
}

TEST(SpeechChancesTest, EveryLineIsACategoryWithAPercentAndNoneIsMissing) {
  TestDataFolder data;
  const std::string path = data.Prefix() + "chance.txt";
  data.Write("chance.txt", FullChances());
  EXPECT_TRUE(CheckSpeechChances(path).Ok());
  data.Write("chance.txt", "putt in=0\r\n" + FullChances() + "start=100");
  EXPECT_TRUE(CheckSpeechChances(path).Ok());

  const std::string full = FullChances();
  const struct {
    const char* label;
    std::string text;
    std::string fault;
    int line;
  } cases[] = {
      {"random bytes", "\x8F\x02\xFFz\x11q=\x9C\n\x01", ", line 1: '", 1},
      {"no equals sign", "start 100\n" + full, ", line 1: 'start 100' is not category=percent (0 to 100)", 1},
      {"over a hundred", full + "idle=101\n", ", line 17: 'idle=101' is not", 17},
      {"negative", "idle=-1\n" + full, ", line 1: 'idle=-1' is not", 1},
      {"not a number", full + "iron=often\n", ", line 17: 'iron=often'", 17},
      {"blank line", full + "\n" + full, ", line 17: '' is not category=percent", 17},
      {"no category", "=5\n" + full, ", line 1: '=5'", 1},
      {"missing putt miss", full.substr(0, full.find("putt miss=")), " gives no chance for 'putt miss'", 0},
      {"empty", "", " gives no chance for 'start'", 0},
  };
  for (const auto& c : cases) {
    data.Write("chance.txt", c.text);
    const TLoadResult result = CheckSpeechChances(path);
    EXPECT_EQ(result.message.rfind("The speech chances file " + path + c.fault, 0), 0u)
        << c.label << ": " << result.message;
    EXPECT_EQ(result.line, c.line) << c.label;
  }
}

}  // namespace

namespace {

// Every key the code hands whole, as a literal, to a text look-up (the text table's own calls
// and the screens' helpers around them), with the file that names it.
std::map<std::string, std::string> LiteralKeysInTheCode() {
  namespace fs = std::filesystem;
  const std::regex call("\\b(?:FindString|Text|TextOf|InstructionLines)\\(\\s*\"([^\"\\n]+)\"\\s*[,)]");
  std::map<std::string, std::string> found;
  for (const char* dir : {"util", "core", "gfx", "ui", "cards", "play", "progress", "screens", "wildshot", "content"}) {
    for (const auto& f : fs::recursive_directory_iterator(fs::path(QUILL_SOURCE_DIR) / dir)) {
      if (f.path().extension() != ".cpp") continue;
      std::ifstream in(f.path());
      std::stringstream text;
      text << in.rdbuf();
      const std::string code = text.str();
      for (auto it = std::sregex_iterator(code.begin(), code.end(), call); it != std::sregex_iterator(); ++it)
        found.emplace((*it)[1], f.path().filename().string());
    }
  }
  return found;
}

// The loader's list must hold every key looked up by a literal: a new look-up fails here until the
// list (and so the check at start) has it.
TEST(GameTextKeysTest, TheListHoldsEveryKeyTheCodeLooksUpByName) {
  std::set<std::string> listed;
  for (const std::string& key : GameTextKeys()) listed.insert(ccUpperCase(key));
  const auto used = LiteralKeysInTheCode();
  EXPECT_GE(used.size(), 40u) << "few look-ups found: have the calls changed their names?";
  for (const auto& [key, file] : used) {
    EXPECT_TRUE(listed.count(ccUpperCase(key))) << "\"" << key << "\" (" << file << ") is not in GameTextKeys";
  }
}

}  // namespace
