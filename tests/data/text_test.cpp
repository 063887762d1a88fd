// The hand-written text files of the data folder: the text table holds every key the loaders look
// up, with the placeholders their code replaces; the default settings and the speech chances hold
// exactly the keys the game reads.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "manifest_reader.h"

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Every literal that the game's code hands to a call matching `call` as its first argument, with the
// file that names it first.
std::map<std::string, std::string> LiteralArgumentsInTheCode(const std::string& call) {
  namespace fs = std::filesystem;
  const std::regex pattern("\\b(?:" + call + ")\\(\\s*\"([^\"\\n]+)\"");
  std::map<std::string, std::string> found;
  const fs::path root = QUILL_SOURCE_DIR;
  for (const char* dir : {"util", "core", "gfx", "ui", "cards", "play", "progress", "screens",
                          "wildshot", "content"}) {
    if (!fs::is_directory(root / dir)) continue;
    for (const auto& f : fs::recursive_directory_iterator(root / dir)) {
      if (f.path().extension() != ".cpp" && f.path().extension() != ".h") continue;
      std::ifstream in(f.path());
      std::stringstream ss;
      ss << in.rdbuf();
      const std::string text = ss.str();
      for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
        found.emplace((*it)[1], fs::relative(f.path(), root).string());
    }
  }
  return found;
}

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  std::vector<std::string> out;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

// key (as written) -> value lines joined by "\n"
std::map<std::string, std::string> ReadTextTable(const std::string& path) {
  const auto lines = Lines(path);
  std::map<std::string, std::string> table;
  size_t i = 0;
  EXPECT_FALSE(lines.empty());
  while (i < lines.size()) {
    EXPECT_EQ(lines[i], "[TEXT]") << path << ":" << i + 1;
    if (lines[i] != "[TEXT]") break;
    ++i;
    if (i >= lines.size()) break;
    const std::string key = lines[i++];
    std::string value;
    while (i < lines.size() && (lines[i].empty() || lines[i][0] != '[')) {
      if (!value.empty()) value += "\n";
      value += lines[i++];
    }
    EXPECT_FALSE(table.count(key)) << "key " << key << " twice";
    table[key] = value;
  }
  return table;
}

TEST(DataText, TextTableHoldsEveryKeyWithItsPlaceholders) {
  const auto table = ReadTextTable(data_test::DataDir() + "text/gametext.txt");
  struct Need {
    const char* key;
    std::vector<const char*> placeholders;
  };
  const Need needs[] = {
      {"Course Locked - Score", {"XX", "NN"}},  {"Course Locked - Drive", {"XX", "NN"}},
      {"Course Locked - Perfect", {"XX", "NN"}}, {"Course Locked - Tokens", {"XX", "NN"}},
      {"Goal - Score", {"XX", "NN", "CC"}},      {"Goal - Drive", {"XX", "NN", "CC"}},
      {"Goal - Perfect", {"XX", "NN", "CC"}},    {"Goal - Tokens", {"XX", "NN", "CC"}},
      {"And", {}},                               {"Final Goal Long", {}},
      {"Tip - Missed A Card", {}},               {"Profile Exists", {}},
      {"Cannot Create", {}},                     {"Cannot Delete", {}},
      {"Confirm Delete", {}},
      {"Time Bonus Good", {"XX"}},              {"Time Bonus Bad", {}},
      {"Gopher Dialog Good", {"XX", "PP", "CC"}}, {"Gopher Dialog - Under Par", {}},
      {"Final Goal Short", {}},                 {"Final Goal Complete", {}},
      {"Score Card - Course Unlocked", {"NN"}}, {"Top Score", {"XX"}},
      {"Unlocked Course Message", {"NN", "XX"}}, {"Trophy Dialog Top", {}},
      {"Trophy Dialog Prize", {"XX"}},
      {"Unlocked Rank Message", {"NN", "XX"}},   {"Unlocked Item Message", {"NN"}},
      {"Minigame Long Drive Instructions", {"XX"}},
      {"Minigame Lost Ball Instructions 1", {"XX"}},
      {"Minigame Lost Ball Instructions 2", {"XX"}},
  };
  // The play screen's reward dialogs name the rank and the shop item by these keys, and the
  // newspaper the golfer by the pronouns: each a single line (an entry that lost its "[TEXT]"
  // line swallows the next key and its value).
  std::vector<std::string> names = {"His", "Her", "He", "She"};
  for (int i = 1; i <= 13; ++i) names.push_back("Rank" + std::to_string(i));
  for (const char* who : {"MaleItem", "FemaleItem"})
    for (int i = 0; i < 12; ++i) names.push_back(who + std::to_string(i));
  for (const std::string& name : names) {
    ASSERT_TRUE(table.count(name)) << name;
    EXPECT_EQ(table.at(name).find('\n'), std::string::npos) << name << ": " << table.at(name);
  }
  for (const Need& n : needs) {
    auto it = table.find(n.key);
    ASSERT_NE(it, table.end()) << "missing key " << n.key;
    EXPECT_FALSE(it->second.empty()) << n.key;
    for (const char* p : n.placeholders)
      EXPECT_NE(it->second.find(p), std::string::npos) << n.key << " lacks " << p;
  }
  for (int i = 0; i <= 12; ++i) {
    const std::string n = std::to_string(i);
    EXPECT_FALSE(table.count("Trophy " + n) == 0 || table.at("Trophy " + n).empty()) << "Trophy " << n;
    ASSERT_TRUE(table.count("Trophy Dialog Text " + n)) << "Trophy Dialog Text " << n;
    EXPECT_NE(table.at("Trophy Dialog Text " + n).find("NN"), std::string::npos) << n;
  }
  // Placeholders are replaced wherever they stand: no other text may contain them by chance.
  for (const auto& [key, value] : table) {
    size_t count = 0;
    for (const char* p : {"XX", "NN", "CC", "YY"})
      for (size_t at = value.find(p); at != std::string::npos; at = value.find(p, at + 1)) ++count;
    const bool filled = key == "Time Bonus Good" || key == "Gopher Dialog Good" ||
                        key == "Score Card - Course Unlocked" || key == "Top Score";
    // The reward texts carry theirs too.
    const bool reward = key == "Unlocked Course Message" || key == "Trophy Dialog Prize" ||
                        key.rfind("Trophy Dialog Text ", 0) == 0 || key == "Unlocked Rank Message" ||
                        key == "Unlocked Item Message" ||
                        key == "Minigame Long Drive Instructions" ||
                        key.rfind("Minigame Lost Ball Instructions ", 0) == 0;
    if (key.rfind("Goal - ", 0) != 0 && key.rfind("Course Locked - ", 0) != 0 && !reward && !filled) {
      EXPECT_EQ(count, 0u) << key;
    }
  }
}

// Keys that the code looks up by a literal: a new look-up fails here until its text is written.
TEST(DataText, EveryKeyTheCodeLooksUpIsInTheTable) {
  std::set<std::string> keys;
  for (const auto& [key, value] : ReadTextTable(data_test::DataDir() + "text/gametext.txt"))
    if (!value.empty()) keys.insert(Upper(key));
  const auto used = LiteralArgumentsInTheCode("FindString");
  EXPECT_GE(used.size(), 4u) << "no look-ups found: has the call changed its name?";
  for (const auto& [key, file] : used)
    EXPECT_TRUE(keys.count(Upper(key))) << "\"" << key << "\" (" << file << ") is not in gametext.txt";
}

TEST(DataText, DefaultSettingsHoldTheTwentyOneKeysAtTheirDefaults) {
  const auto lines = Lines(data_test::DataDir() + "Default.ini");
  const std::vector<std::string> expected = {
      "FULL SCREEN=1", "SOUND=1", "MUSIC=1", "SPEECH=1", "SOUND VOLUME=100", "MUSIC VOLUME=100",
      "SPEECH VOLUME=100", "FADE=1", "PARTICLES=80", "PORTAL SPLASH=0", "PORTAL SPLASH2=0",
      "INTRO=0", "VSYNC=1", "DRIVER=0", "SOUND DRIVER=FreeAudio",
      "FULL SCREEN PROCESS PRIORITY=0", "FULL SCREEN THREAD PRIORITY=0",
      "WINDOWED PROCESS PRIORITY=0", "WINDOWED THREAD PRIORITY=0", "PROFILE NAME=", "REGION=0"};
  EXPECT_EQ(lines, expected);
}

TEST(DataText, SpeechChancesNameEveryCategoryOnceWithAPercent) {
  const auto lines = Lines(data_test::DataDir() + "speech/chance.txt");
  std::map<std::string, int> chances;
  for (const auto& l : lines) {
    const auto eq = l.find('=');
    ASSERT_NE(eq, std::string::npos) << l;  // no blank or malformed line: each would be an entry
    EXPECT_TRUE(chances.emplace(l.substr(0, eq), std::stoi(l.substr(eq + 1))).second) << l;
  }
  for (const char* c : {"start", "idle", "perfect", "end of hole", "near perfect", "iron",
                        "found wedge", "wildshot appears", "long drive start", "long drive hit",
                        "water cleared", "wildshot event", "mini game long drive", "putt idle",
                        "putt in", "putt miss"}) {
    ASSERT_TRUE(chances.count(c)) << "missing category " << c;
    EXPECT_GE(chances[c], 0);
    EXPECT_LE(chances[c], 100);
  }
  EXPECT_EQ(chances.size(), 16u);
  // Every category the code rolls for is one of them.
  const auto used = LiteralArgumentsInTheCode("SpeechLoad|SpeechPlay|Speech");
  EXPECT_GE(used.size(), 3u) << "no announcer calls found: have they changed their names?";
  for (const auto& [category, file] : used)
    EXPECT_TRUE(chances.count(category)) << "\"" << category << "\" (" << file << ") is not in chance.txt";
}

}  // namespace
