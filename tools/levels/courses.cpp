#include "courses.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "platform/random.h"

namespace {

constexpr const char* TYPES[] = {"BEACH", "CITY",     "COUNTRY", "DESERT", "FOREST",
                                 "JAPAN", "JUNGLE", "MOUNTAIN", "MUNI",   "SCOT"};
constexpr int TYPE_COUNT = 10;

// Seven names per course type, in the order the courses of that type come up.
const std::map<std::string, std::vector<std::string>>& NamesByType() {
  static const std::map<std::string, std::vector<std::string>> names = {
      {"MUNI",
       {"The Vuva Rivudar", "Quillbrook Municipal", "Parkside Public", "Old Mill Green",
        "Duckpond Fields", "Allotment Lane", "Bandstand Meadows"}},
      {"BEACH",
       {"Driftwood Sands", "Coral Shelf", "Gullwing Point", "Saltspray Cove", "Tidewater Dunes",
        "Shellbright Shore", "Pelican Reach"}},
      {"CITY",
       {"Lamplight Row", "Tramline Greens", "Clocktower Commons", "Copperroof Park",
        "Brickwork Yards", "Skyline Terrace", "Harbourgate"}},
      {"COUNTRY",
       {"Foxglove Manor", "Oakhollow Estate", "Meadowlark Club", "Hawthorn Hall",
        "Willowmere Grange", "Bramblecross Farm", "Larkspur Glen"}},
      {"DESERT",
       {"Red Mesa Wells", "Cactus Wren Flats", "Sunstone Basin", "Dustdevil Ridge",
        "Mirage Springs", "Dazedev Evadedi", "Amberdune Canyon"}},
      {"FOREST",
       {"Mossy Hollow", "Pinecone Trail", "Fernshade Woods", "Owlbrook Glade", "Bluebell Thicket",
        "Redcedar Run", "Elderwood Chase"}},
      {"JAPAN",
       {"Koi Pond Gardens", "Plum Blossom Court", "Lantern Bridge", "Bamboo Whisper",
        "Raked Stone Garden", "Cherry Moon Terrace", "Maple Shrine Hill"}},
      {"JUNGLE",
       {"Parrot Falls", "Vinetangle Gorge", "Orchid Lagoon", "Monkeypuzzle Grove", "Jaguar Steps",
        "Canopy Creek", "Emerald Basin"}},
      {"MOUNTAIN",
       {"Eagle Crag", "Snowcap Pass", "Granite Saddle", "Edelweiss Meadow", "Thunderpeak Rise",
        "Pinewind Summit", "Glacier Bowl"}},
      {"SCOT",
       {"Heatherbrae", "Thistle Moor", "Kelpie Loch", "Gorsehill Strand", "Pibroch Dunes",
        "Standing Stones", "Misty Firth"}},
  };
  return names;
}

// One newspaper headline per course; %C stands for the course's name.
constexpr const char* STORIES[COURSE_COUNT] = {
    "[NAME] Takes Up Golf At %C",
    "Newcomer [NAME] Heads For %C With Borrowed Clubs",
    "[NAME] Eyes %C: [HE/SHE] Says The Greens Look Friendly",
    "Rookie [NAME] Has Played [TOTALHOLES] Holes And Wants More",
    "[NAME] Arrives At %C With [EARNINGS] In The Bank",
    "Crowds Gather As [NAME] Tees Off At %C",
    "Stopwatch Ready: [NAME] Races The Clock At %C",
    "[NAME] Chases A Perfect Round At %C",
    "[PERFECTS] Perfect Holes So Far: Can [NAME] Add More At %C?",
    "Eighteen Holes Await [NAME] At %C",
    "[NAME] Boasts A Long Drive Of [LONGESTDRIVE]",
    "Caddies Whisper About [NAME] On The Way To %C",
    "Against The Clock Again: [NAME] Tackles %C",
    "[NAME] Polishes [TROPHIES] Trophies Before %C",
    "Best Nine So Far: [BEST9SCORE] At [BEST9COURSE]. [NAME] Wants Better",
    "[NAME] Packs An Umbrella For %C",
    "[NAME] Has Now Played [TOTALCOURSES] Courses",
    "Speed Golf: [NAME] Sprints Round %C",
    "Local Hero [NAME] Takes Career Winnings To [EARNINGS]",
    "Eighteen Holes And A Big Purse: [NAME] Arrives At %C",
    "Gophers Have Visited [NAME] [GOPHERVISITS] Times",
    "[NAME] Practises Chipping Before %C",
    "Iron Master [NAME] Has Played [IRONSPLAYED] Irons",
    "[NAME] Keeps An Eye On The Clock At %C",
    "Groundskeepers Trim The Greens Of %C For [NAME]",
    "[NAME] Averages [AVERAGE9] On Nine-Hole Courses",
    "Record Hole: [NAME] Once Won [HIGHESTHOLECASH] On A Single Hole",
    "[NAME] Adds Another Trophy To The Cabinet",
    "Fast And Focused: [NAME] Plays %C Against The Clock",
    "Eighteen More Holes: [NAME] Walks Out At %C",
    "[NAME] Buys New Shoes For %C",
    "[GOPHERFLUSHES] Gophers Flushed So Far, Says [NAME]",
    "Clubhouse Buzzes As [NAME] Signs In At %C",
    "[NAME] Tries To Beat The Clock At %C",
    "Best Eighteen: [BEST18SCORE] At [BEST18COURSE]. [NAME] Is Not Done",
    "[NAME] Hires A Caddie For %C",
    "Golf Fans Queue To See [NAME] At %C",
    "[NAME] Brings A Lucky Tee To %C",
    "Countdown At %C: [NAME] Has A Minute A Hole",
    "[NAME] Studies The Wind At %C",
    "[NAME] Earns A Place In The Trophy Room",
    "Perfect Holes Count Reaches [PERFECTS] For [NAME]",
    "Gophers Stole [GOPHERMONEYSTOLEN] From [NAME], Who Shrugs It Off",
    "Clock Is Ticking For [NAME] At %C",
    "[NAME] Walks The Eighteen Of %C",
    "Average Hole Pays [AVERAGEHOLECASH] For Steady [NAME]",
    "[NAME] Tells Reporters %C Is The Toughest Yet",
    "Ball Boys Line Up As [NAME] Reaches %C",
    "Quick Hands: [NAME] Takes On The Clock At %C",
    "[NAME] Marches Into %C For Eighteen Holes",
    "[NAME] Has Won [HIGHESTCOURSECASH] On One Course",
    "Golf Magazine Names [NAME] Player Of The Month",
    "[NAME] Signs Autographs Outside %C",
    "Timer Set: [NAME] Dashes Round %C",
    "[NAME] Collects Another Trophy Before %C",
    "[NAME] Walks Eighteen Holes Of %C At Dawn",
    "Mystery Course %C Awaits [NAME]",
    "[NAME] Once Played [PERFECTS9] Perfect Holes In One Round",
    "Gophers Returned [GOPHERMONEYRECOVERED] To [NAME]",
    "Eighteen Holes At %C: [NAME] Is Ready",
    "[NAME] Averages [AVERAGE18] On Eighteen-Hole Courses",
    "The Clock Runs At %C As [NAME] Hurries On",
    "Fans Cheer [NAME] Along The Fairways Of %C",
    "[NAME] Checks The Purse Of %C Twice",
    "[NAME] Is Just Five Courses From Glory",
    "[NAME] Wins A Fifth Trophy And Heads For %C",
    "Last Race Against The Clock: [NAME] At %C",
    "[NAME] Reaches %C With [EARNINGS] Won So Far",
    "[NAME] Sharpens [SEX] Irons For The Final Stretch",
    "Grand Final At %C: [NAME] Plays For The Championship",
};

int RoundTo(double v, int step) { return static_cast<int>(std::lround(v / step)) * step; }

bool Contains(const std::vector<int>& list, int v) {
  return std::find(list.begin(), list.end(), v) != list.end();
}

std::string Slug(const std::string& name) {
  std::string s;
  for (char c : name)
    if (std::isalnum(static_cast<unsigned char>(c))) s += static_cast<char>(std::tolower(c));
  return s;
}

// The order of course types: seven rounds of all ten, the first course municipal, no two
// neighbours of the same type.
std::vector<std::string> TypeOrder() {
  platform::Random rng(20240611);
  std::vector<std::string> order;
  for (int round = 0; round < 7; ++round) {
    std::vector<std::string> types(TYPES, TYPES + TYPE_COUNT);
    while (true) {
      for (int i = TYPE_COUNT - 1; i > 0; --i) std::swap(types[i], types[rng.Rand(0, i)]);
      if (round == 0 && types[0] != "MUNI") continue;
      if (!order.empty() && types[0] == order.back()) continue;
      break;
    }
    order.insert(order.end(), types.begin(), types.end());
  }
  return order;
}

}  // namespace

std::vector<CoursePlan> BuildCourseTable() {
  const std::vector<int> eighteen = {9, 14, 19, 24, 29, 34, 39, 44, 49, 54, 59, 64, 69};
  const std::vector<int> timed = {6, 12, 17, 23, 28, 33, 38, 43, 48, 53, 61, 66};
  const std::vector<int> jokes = {4, 9, 15, 20, 25, 30, 35, 41, 46, 51, 57, 62, 67};
  const std::vector<int> trophies = {13, 27, 40, 54, 65};
  const char* unlockCycle[] = {"SCORE", "DRIVE", "TOKENS", "SCORE", "PERFECT", "DRIVE",
                               "SCORE", "TOKENS", "PERFECT", "SCORE", "DRIVE"};

  const auto order = TypeOrder();
  std::map<std::string, int> used;
  std::vector<CoursePlan> courses(COURSE_COUNT);
  for (int i = 0; i < COURSE_COUNT; ++i) {
    CoursePlan& c = courses[i];
    c.type = order[i];
    const int k = used[c.type]++;
    c.name = NamesByType().at(c.type)[k];
    c.slug = Slug(c.name);
    c.suffix = k % 4 + 1;
    c.holes = Contains(eighteen, i) ? 18 : 9;
    c.timed = Contains(timed, i);
    c.difficulty = i / static_cast<double>(COURSE_COUNT - 1);
    const double d = c.difficulty;
    c.fee = i == 0 ? 50 : std::max(50, RoundTo(60.0 * std::pow(1.058, i), 25));
    c.purse = RoundTo(c.fee * (4.5 + 1.5 * d) * (c.holes == 18 ? 1.7 : 1.0) * (c.timed ? 1.2 : 1.0), 50);
    c.prize = RoundTo(c.fee * 1.5 + 100, 50);
    c.rank = false;
    c.item = false;
    std::string story = STORIES[i];
    for (auto at = story.find("%C"); at != std::string::npos; at = story.find("%C"))
      story.replace(at, 2, c.name);
    c.story = story;
    // The first course's page shows its photo with the newcomer's portrait on it, the second
    // the map of the course the newcomer heads for; the others the statistics picture unless
    // they have a story picture or a trophy of their own.
    c.picture = i == 0 ? 1 : i == 1 ? 2 : 3;
    for (std::size_t j = 0; j < jokes.size(); ++j)
      if (jokes[j] == i) c.picture = 20 + static_cast<int>(j);
    for (std::size_t j = 0; j < trophies.size(); ++j)
      if (trophies[j] == i) c.picture = 11 + static_cast<int>(j);
  }
  for (int k = 1; k <= 13; ++k) courses[std::lround(5.3 * k)].rank = true;
  for (int k = 1; k <= 11; ++k) courses[std::lround(6.2 * k) + 1].item = true;

  // Unlock rules: the goal is met on the nearest earlier course that is not timed.
  int lastUntimed = 0;
  for (int i = 1; i < COURSE_COUNT; ++i) {
    CoursePlan& c = courses[i];
    c.unlockedBy = lastUntimed;
    const CoursePlan& by = courses[lastUntimed];
    if (i >= 2 && courses[i - 1].timed) {
      // Opened together with the timed course before it, by the same goal: same rule, same text.
      c.unlockWord = courses[i - 1].unlockWord;
      c.unlockValue = courses[i - 1].unlockValue;
    } else {
      c.unlockWord = unlockCycle[(i - 1) % (sizeof(unlockCycle) / sizeof(unlockCycle[0]))];
      const double d = by.difficulty;
      const double length = by.holes / 9.0;
      if (c.unlockWord == "SCORE") {
        c.unlockValue = lastUntimed < 3 ? 0 : -static_cast<int>(std::lround((0.5 + 3.0 * d) * length));
      } else if (c.unlockWord == "DRIVE") {
        c.unlockValue = 6 + static_cast<int>(std::lround(6.0 * d)) + (by.holes == 18 ? 1 : 0);
      } else if (c.unlockWord == "TOKENS") {
        c.unlockValue = RoundTo(by.purse + by.holes * (60 + 120 * d), 50);
      } else {
        c.unlockValue = 1;  // set from the solved holes
      }
    }
    if (!c.timed) lastUntimed = i;
  }
  return courses;
}

std::string CourseListText(const std::vector<CoursePlan>& courses) {
  std::ostringstream out;
  out << "Name,Number,Type,Background,Fee,Purse,UnlockPrize,Unlock,UnlockValue,Rank,Item,Story,Picture\n";
  for (std::size_t i = 0; i < courses.size(); ++i) {
    const CoursePlan& c = courses[i];
    out << c.name << ',' << (i + 1) << ',' << c.type << ',' << c.suffix << ',' << c.fee << ','
        << c.purse << ',' << c.prize << ',' << c.unlockWord << ',' << c.unlockValue << ','
        << (c.rank ? "Y" : "") << ',' << (c.item ? "Y" : "") << ",\"" << c.story << "\","
        << c.picture << "\n";
  }
  out << "END\n";
  return out.str();
}

std::string CourseFileText(const CoursePlan& course, int par, int cards,
                           const std::vector<std::string>& holeFiles) {
  std::ostringstream out;
  out << course.name << "\n";
  out << "Type " << course.type << ", background " << course.suffix << "\n";
  out << "Par\n";
  out << par << "\n";
  out << "Holes " << course.holes << "\n";
  out << "Cards " << cards << "\n";
  out << "Fee " << course.fee << "\n";
  out << "Purse " << course.purse << "\n";
  out << "Difficulty " << std::lround(course.difficulty * 100) << "\n";
  out << "Made by the hole designer\n";
  out << "Timed\n";
  out << (course.timed ? "Y" : "N") << "\n";
  out << "-\n";
  out << "-\n";
  out << "-\n";
  out << "Hole files\n";
  for (const auto& h : holeFiles) out << h << "\n";
  return out.str();
}
