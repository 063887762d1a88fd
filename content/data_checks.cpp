#include "content/data_checks.h"

#include <set>

#include "content/course.h"
#include "gfx/game_text.h"
#include "platform/files.h"
#include "util/files.h"

namespace {

std::vector<std::string> MakeGameTextKeys() {
  std::vector<std::string> keys = {
      // course selector and course list
      "And", "Goal", "Course Locked", "Course Locked message", "Course Selector - Course Complete",
      "Course Selector - Timed Course", "Final Goal Long", "Final Goal Short", "Final Goal Complete",
      "Details - Holes", "Details - Par", "Details - Fee", "Details - Purse", "Fee Reduced",
      "Purse Increased", "Cannot Afford Message",
      // player manager and title page
      "Profile Exists", "Cannot Create", "Cannot Delete", "Confirm Delete", "Copyright",
      "resume game - message", "Resume Game - Course", "Resume Game - Hole", "Resume Game - Score",
      // play screen, score card and their dialogs
      "Tip - Missed A Card", "Tip - Long Drive", "Tip - First Iron", "Time Bonus Good", "Time Bonus Bad",
      "Time Bonus - Seconds", "Time Bonus - Multiplier", "Time Bonus - Cash", "Time Bonus - Total",
      "Gopher Dialog Good", "Gopher Dialog - Under Par", "Score Card - Course Unlocked", "Top Score",
      "Unlocked Course Message", "Unlocked Rank Message", "Unlocked Item Message", "Trophy Dialog Top",
      "Trophy Dialog Prize",
      // shop, newspaper, options and credits
      "Cannot Afford Item", "His", "Her", "He", "She", "Volume", "Announcer", "Details", "Full Screen",
      "Designer", "Programmer", "Artist", "Producer", "Additional Design", "Music and Sound", "QA",
      "Special Thanks",
      // wild shot mini-games
      "Minigame Long Drive Instructions", "Minigame Putting Instructions",
      "Minigame Lost Ball Instructions 1", "Minigame Lost Ball Instructions 2", "Minigame Distance",
      "Minigame Winnings", "Minigame Long Drive A", "Minigame Long Drive B", "Minigame Won",
      "Minigame Lost", "Arrow", "Slowed", "Arrow Slowed", "Tries", "Ball Found", "Ball Found Result",
      "Ball Lost", "Ball Lost Result 1", "Ball Lost Result 2",
      // career statistics
      "Stat - Lowest 9 Hole Score", "Stat - Lowest 18 Hole Score", "Stat - Average 9 Hole Score",
      "Stat - Average 18 Hole Score", "Stat - Career Earnings", "Stat - Highest Hole Cash",
      "Stat - Highest Course Cash", "Stat - Average Hole Cash", "Stat - Average Course Cash",
      "Stat - Fastest Timed Hole", "Stat - Fastest Timed Course", "Stat - Average Timed Hole",
      "Stat - Average Timed Course", "Stat - Total Perfects", "Stat - Most Perfects On 9 Hole",
      "Stat - Most Perfects On 18 Hole", "Stat - Longest Drive", "Stat - Total 5x",
      "Stat - Total Time Played", "Stat - Total Courses Played", "Stat - Total Holes Played",
      "Stat - Total Cards Played", "Stat - Irons Played", "Stat - Gopher Visits",
      "Stat - Gopher Money Lost", "Stat - Gopher Flushed", "Stat - Gopher Money Found",
      "Stat - Minigame Longest Drive"};
  for (const char* kind : {"Score", "Drive", "Perfect", "Tokens"}) {
    keys.push_back(std::string("Course Locked - ") + kind);
    keys.push_back(std::string("Goal - ") + kind);
  }
  for (int rank = 0; rank <= 13; ++rank) keys.push_back("Rank" + std::to_string(rank));
  for (int item = 0; item < 12; ++item) {
    keys.push_back("ItemDescription" + std::to_string(item));
    keys.push_back("MaleItem" + std::to_string(item));
    keys.push_back("FemaleItem" + std::to_string(item));
  }
  for (int trophy = 0; trophy <= 12; ++trophy) {
    const std::string n = std::to_string(trophy);
    keys.push_back("Trophy " + n);
    keys.push_back("Trophy " + n + " Tool Tip");
    keys.push_back("Trophy Dialog Text " + n);
  }
  return keys;
}

}  // namespace

const std::vector<std::string>& GameTextKeys() {
  static const std::vector<std::string> keys = MakeGameTextKeys();
  return keys;
}

const std::vector<std::string>& SpeechCategories() {
  static const std::vector<std::string> categories = {
      "start", "idle", "perfect", "end of hole", "near perfect", "iron", "found wedge",
      "wildshot appears", "long drive start", "long drive hit", "water cleared", "wildshot event",
      "mini game long drive", "putt idle", "putt in", "putt miss"};
  return categories;
}

TLoadResult CheckGameTextKeys(const TGameText& table, const std::string& file) {
  const std::string path = ccDataFileName(file);
  for (const std::string& key : GameTextKeys()) {
    if (table.FindString(key).empty()) {
      return TLoadResult::Fail("The text table " + path + " has no text for the key '" + key + "'", path);
    }
  }
  return {};
}

TLoadResult CheckSpeechChances(const std::string& file) {
  const std::string path = ccDataFileName(file);
  TLoadResult failure;
  auto in = OpenDataFile(path, TEXT_FILE_MAX_BYTES, failure);
  if (!in) return failure;
  std::set<std::string> named;
  for (int line = 1; !in->Eof(); ++line) {
    const std::string text = in->ReadLine();
    const std::size_t equals = text.find('=');
    int percent = -1;
    if (equals == std::string::npos || equals == 0 || !DataFieldToInt(text.substr(equals + 1), percent) ||
        percent < 0 || percent > 100) {
      return TLoadResult::Fail("The speech chances file " + path + ", line " + std::to_string(line) +
                                   ": '" + QuotedData(text) + "' is not category=percent (0 to 100)",
                               path, line);
    }
    named.insert(text.substr(0, equals));
  }
  for (const std::string& category : SpeechCategories()) {
    if (named.count(category) == 0) {
      return TLoadResult::Fail("The speech chances file " + path + " gives no chance for '" + category + "'",
                               path);
    }
  }
  return {};
}
