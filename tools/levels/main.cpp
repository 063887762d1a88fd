// quill_levels: designs every hole of the game's seventy courses, checks each layout, deals it many
// times, solves every deal with full knowledge and plays it as a careful player would, sets the
// hole's par from those results, and writes the course list, the course files, the hole files,
// the level manifest and a report; the report ends with the first course measured against a
// player who clicks blindly (blind_player.h). Before it writes a file it checks that every hole
// of the first course shows what its hint teaches in every deal (lessons.h), and fails naming
// the hole and the lesson when one does not. With --check-lessons it only checks the first
// course of the level files in the given folder.
//
//   quill_levels --out data/levels --manifest data/manifest/levels.txt --report report.txt
//                [--deals 48] [--threads 3]
//   quill_levels [--lesson-deals 2000] --check-lessons data/levels

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "blind_player.h"
#include "cards/hole_solver.h"
#include "courses.h"
#include "lessons.h"
#include "platform/random.h"
#include "shapes.h"
#include "tutorial.h"

namespace fs = std::filesystem;

namespace {

constexpr double REACH_SHARE = 0.9;  // the full-knowledge search reaches par in this share of deals
// Deals of each first-course hole in which its lesson must be met (unless --lesson-deals says
// otherwise), and their seed.
constexpr int LESSON_DEALS = 2000;
constexpr std::uint64_t LESSON_SEED = 0x1E550Eull;

struct HoleJob {
  int course = 0;
  int hole = 0;  // from 0
  HoleDesign design;
  HoleSample sample;
  DealOptions deal;
  int par = 0;
  int rejected = 0;  // designs refused by the layout checks before this one
  std::string rejectReason;  // the first fault of the last refused design
  double solveSeconds = 0;
  long solves = 0;
  std::string error;
};

DesignParams CourseParams(const CoursePlan& c, int index, int hole, platform::Random& rng) {
  const double d = c.difficulty;
  DesignParams p;
  p.family = index * 3 + hole;
  p.minCards = 18 + static_cast<int>(std::lround(14 * d));
  p.maxCards = 26 + static_cast<int>(std::lround(16 * d));
  p.faceUpCovered = c.name == "Dazedev Evadedi" ? 0.0 : 0.6 * std::pow(1.0 - d, 1.3);
  p.water = index < 2 ? 0.0 : 0.03 + 0.09 * d;
  p.bunkers = index < 3 ? 0 : rng.Rand(0, d > 0.5 ? 2 : 1);
  p.tokens = 0.08 + 0.08 * d;
  return p;
}

// Par slack: how far above the careful player's mean par lies; it shrinks as the game goes on.
double Slack(const CoursePlan& c, int index) { return index == 0 ? 1.5 : 1.2 - 1.7 * c.difficulty; }

void RunJob(HoleJob& job, const CoursePlan& course, int deals, THoleSolver& solver) {
  platform::Random rng(0x51ED5EEDull * (job.course + 1) + 7919ull * (job.hole + 1));
  if (job.course == 0) {
    TutorialHole tutorial = DesignTutorialHole(job.hole);
    job.design = tutorial.design;
    job.deal = tutorial.deal;
  } else {
    DesignParams params = CourseParams(course, job.course, job.hole, rng);
    for (int attempt = 0; attempt < 200; ++attempt) {
      job.design = DesignHole(params, rng);
      const auto faults = ValidateHoleLayout(job.design.hole);
      if (faults.empty()) break;
      ++job.rejected;
      job.rejectReason = faults.front();
      ++params.family;  // try another shape
    }
  }
  const auto faults = ValidateHoleLayout(job.design.hole);
  if (!faults.empty()) {
    job.error = faults.front();
    return;
  }
  SolverLayout layout;
  if (!BuildSolverLayout(job.design.hole, layout, job.error)) return;
  const auto start = std::chrono::steady_clock::now();
  job.sample = SampleHole(layout, job.deal, deals, 0xD1CEull + 131ull * job.course + job.hole, solver);
  job.solveSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  job.solves = deals;
  job.par = ChoosePar(job.sample, Slack(course, job.course), REACH_SHARE, layout.count);
  job.design.hole.par = job.par;
}

bool WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

double Share(int hits, int total) { return total ? static_cast<double>(hits) / total : 0.0; }

// The score card's bonus for a hole result (cards left minus par): a perfect hole 500, par 25,
// each stroke under par 100 more, down to four under.
int ResultBonus(int cardsLeft, int par) {
  if (cardsLeft == 0) return 500;
  const int result = cardsLeft - par;
  return result > 0 ? 0 : result == 0 ? 25 : 100 * std::min(-result, 4);
}

// The first course measured with a player who clicks blindly against two who choose: the
// careful player (who sees the face-up cards) and the full-knowledge search. Per hole the mean
// cards left over par and the share of perfect holes; per round of the nine holes (deal r of
// every hole) what each player's results would win.
std::string FirstCourseFigures(const std::vector<HoleJob>& jobs) {
  constexpr int DEALS = 400;
  std::vector<const HoleJob*> holes;
  for (const auto& job : jobs)
    if (job.course == 0) holes.push_back(&job);
  std::ostringstream out;
  out << "First course: a player who clicks blindly against players who choose. Per hole: cards,"
         " par, mean cards left over par by the full-knowledge search (the deals that set par),"
         " the careful player and the blind clicker ("
      << DEALS << " deals), what choosing saves (blind minus careful), perfect holes blind and"
         " careful\n";
  std::vector<std::vector<int>> blind(holes.size()), careful(holes.size());
  for (std::size_t h = 0; h < holes.size(); ++h) {
    const HoleJob& job = *holes[h];
    SolverLayout layout;
    std::string error;
    if (!BuildSolverLayout(job.design.hole, layout, error)) return out.str() + error + "\n";
    platform::Random rng(0xB11Dull + h), order(0xC11Cull + h);
    int blindPerfect = 0, carefulPerfect = 0;
    for (int d = 0; d < DEALS; ++d) {
      const HoleDeal deal = DealHole(layout, rng, job.deal);
      blind[h].push_back(PlayBlindly(layout, deal, order));
      careful[h].push_back(PlayLikeAPlayer(layout, deal));
      blindPerfect += blind[h].back() == 0 ? 1 : 0;
      carefulPerfect += careful[h].back() == 0 ? 1 : 0;
    }
    char line[200];
    std::snprintf(line, sizeof line,
                  "  hole %zu %3d %2d  %+5.2f %+5.2f %+5.2f  %4.2f  %5.1f%% %5.1f%%\n", h + 1,
                  layout.count, job.par, MeanOf(job.sample.best) - job.par,
                  MeanOf(careful[h]) - job.par, MeanOf(blind[h]) - job.par,
                  MeanOf(blind[h]) - MeanOf(careful[h]), 100 * Share(blindPerfect, DEALS),
                  100 * Share(carefulPerfect, DEALS));
    out << line;
  }
  out << "First course rounds (" << DEALS
      << "): course score against par, rounds at E or better (the goal), perfect holes, score"
         " card bonus per round, rounds winning the all-birdies, all-eagles and nine-cards"
         " trophies\n";
  for (int who = 0; who < 2; ++who) {
    const auto& results = who == 0 ? blind : careful;
    double score = 0, perfects = 0, bonus = 0;
    int goal = 0, birdies = 0, eagles = 0, clean = 0;
    for (int r = 0; r < DEALS; ++r) {
      int total = 0, cards = 0, under1 = 0, under2 = 0;
      for (std::size_t h = 0; h < holes.size(); ++h) {
        const int par = holes[h]->par;
        const int left = std::min(results[h][static_cast<std::size_t>(r)], par + 5);
        total += left - par;
        cards += left;
        under1 += left - par <= -1 ? 1 : 0;
        under2 += left - par <= -2 ? 1 : 0;
        perfects += left == 0 ? 1 : 0;
        bonus += ResultBonus(left, par);
      }
      score += total;
      goal += total <= 0 ? 1 : 0;
      const int count = static_cast<int>(holes.size());
      birdies += under1 == count ? 1 : 0;
      eagles += under2 == count ? 1 : 0;
      clean += cards <= 9 ? 1 : 0;
    }
    char line[200];
    std::snprintf(line, sizeof line, "  %-7s %+6.2f %5.1f%% %4.2f %6.0f  %5.1f%% %5.1f%% %5.1f%%\n",
                  who == 0 ? "blind" : "careful", score / DEALS, 100 * Share(goal, DEALS),
                  perfects / DEALS, bonus / DEALS, 100 * Share(birdies, DEALS),
                  100 * Share(eagles, DEALS), 100 * Share(clean, DEALS));
    out << line;
  }
  return out.str();
}

// Checks the lesson of each hole of the first course (`holes` in playing order) in `deals` deals;
// adds a line per hole to `summary` and prints every fault to the error stream. False when a
// lesson is missed.
bool CheckFirstCourseLessons(const std::vector<HoleFileData>& holes, int deals,
                             std::string& summary) {
  bool ok = true;
  summary +=
      "First course lessons: what each hole's hint teaches, met on that hole in every deal"
      " by the careful player, the blind clicker and the fastest clear\n";
  for (std::size_t h = 0; h < holes.size(); ++h) {
    const int hole = static_cast<int>(h) + 1;
    const LessonCheck check =
        CheckLesson(hole, holes[h], TutorialDeal(hole - 1), deals, LESSON_SEED + 977ull * h);
    summary += "  " + check.summary + "\n";
    for (const auto& fault : check.faults)
      std::cerr << "quill_levels: first course " << fault << "\n";
    ok = ok && check.faults.empty();
  }
  return ok;
}

int CheckCommittedLessons(const fs::path& dir, int deals) {
  std::vector<HoleFileData> holes;
  std::string error;
  if (!ReadFirstCourse(dir, holes, error)) {
    std::cerr << "quill_levels: " << error << "\n";
    return 1;
  }
  if (holes.size() != TUTORIAL_HOLES) {
    std::cerr << "quill_levels: the first course in " << dir << " has " << holes.size()
              << " holes, its lessons " << TUTORIAL_HOLES << "\n";
    return 1;
  }
  std::string summary;
  const bool ok = CheckFirstCourseLessons(holes, deals, summary);
  std::cout << summary;
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path outDir = "data/levels";
  fs::path manifest;
  fs::path reportPath;
  int deals = 48;
  int threads = 3;
  int lessonDeals = LESSON_DEALS;
  fs::path checkDir;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--out") outDir = argv[i + 1];
    else if (key == "--manifest") manifest = argv[i + 1];
    else if (key == "--report") reportPath = argv[i + 1];
    else if (key == "--deals") deals = std::max(4, std::atoi(argv[i + 1]));
    else if (key == "--threads") threads = std::max(1, std::atoi(argv[i + 1]));
    else if (key == "--lesson-deals")
      lessonDeals = std::max(1, std::atoi(argv[i + 1]));
    else if (key == "--check-lessons")
      checkDir = argv[i + 1];
    else {
      std::cerr << "quill_levels: unknown option " << key << "\n";
      return 2;
    }
  }

  if (!checkDir.empty()) return CheckCommittedLessons(checkDir, lessonDeals);

  std::vector<CoursePlan> courses = BuildCourseTable();
  std::vector<HoleJob> jobs;
  for (int c = 0; c < COURSE_COUNT; ++c)
    for (int h = 0; h < courses[c].holes; ++h) {
      HoleJob job;
      job.course = c;
      job.hole = h;
      jobs.push_back(job);
    }

  std::atomic<std::size_t> next{0};
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t)
    pool.emplace_back([&] {
      THoleSolver solver;
      for (std::size_t j = next++; j < jobs.size(); j = next++)
        RunJob(jobs[j], courses[jobs[j].course], deals, solver);
    });
  for (auto& t : pool) t.join();
  for (const auto& job : jobs)
    if (!job.error.empty()) {
      std::cerr << "quill_levels: course " << job.course + 1 << " hole " << job.hole + 1 << ": "
                << job.error << "\n";
      return 1;
    }

  // No level file is written while a hole of the first course misses its lesson.
  std::vector<HoleFileData> firstCourse;
  for (const auto& job : jobs)
    if (job.course == 0) firstCourse.push_back(job.design.hole);
  std::string lessons;
  if (!CheckFirstCourseLessons(firstCourse, lessonDeals, lessons)) {
    std::cerr
        << "quill_levels: a lesson of the first course is not met on its hole; no file written\n";
    return 1;
  }

  // Perfect-hole goals: about two thirds of the perfect holes the careful player makes on the
  // course where the goal is played, at least one.
  for (auto& c : courses) {
    if (c.unlockWord != "PERFECT" || c.unlockedBy < 0) continue;
    double expected = 0;
    for (const auto& job : jobs)
      if (job.course == c.unlockedBy) expected += ShareAtOrBelow(job.sample.player, 0);
    c.unlockValue = std::max(1, static_cast<int>(std::floor(expected * 0.65)));
  }
  for (std::size_t i = 1; i < courses.size(); ++i)
    if (i >= 2 && courses[i - 1].timed) courses[i].unlockValue = courses[i - 1].unlockValue;

  // Files.
  for (const char* sub : {"courses", "holes"}) {
    fs::create_directories(outDir / sub);
    for (const auto& f : fs::directory_iterator(outDir / sub))
      if (f.path().extension() == ".txt") fs::remove(f.path());
  }
  std::ostringstream manifestText;
  manifestText << "# Level data below Data/, made by the level designer (tools/levels/) into data/levels/.\n"
               << "# path | loaded by\n"
               << "levels/CourseList.csv | course list (second loading stage)\n";
  bool ok = WriteText(outDir / "CourseList.csv", CourseListText(courses));
  std::vector<int> cardCounts;
  for (int c = 0; c < COURSE_COUNT; ++c) {
    std::vector<std::string> names;
    int par = 0, cards = 0;
    for (const auto& job : jobs) {
      if (job.course != c) continue;
      char file[96];
      std::snprintf(file, sizeof file, "%s_%02d.txt", courses[c].slug.c_str(), job.hole + 1);
      names.push_back(file);
      char title[160];
      std::snprintf(title, sizeof title, "%s, hole %d", courses[c].name.c_str(), job.hole + 1);
      ok = ok && WriteText(outDir / "holes" / file, HoleFileText(job.design, title));
      par += job.par;
      cards += static_cast<int>(job.design.hole.cards.size());
      cardCounts.push_back(static_cast<int>(job.design.hole.cards.size()));
    }
    const std::string courseFile = courses[c].name + ".txt";
    ok = ok && WriteText(outDir / "courses" / courseFile, CourseFileText(courses[c], par, cards, names));
    manifestText << "levels/courses/" << courseFile << " | course file (course list loading)\n";
    for (const auto& n : names) manifestText << "levels/holes/" << n << " | hole file (course loading, play field)\n";
  }
  if (!manifest.empty()) ok = ok && WriteText(manifest, manifestText.str());
  if (!ok) {
    std::cerr << "quill_levels: could not write the level files into " << outDir << "\n";
    return 1;
  }

  // Report.
  std::ostringstream report;
  std::sort(cardCounts.begin(), cardCounts.end());
  double seconds = 0;
  long solves = 0;
  int incomplete = 0, rejected = 0;
  for (const auto& job : jobs) {
    seconds += job.solveSeconds;
    solves += job.solves;
    incomplete += job.sample.incomplete;
    rejected += job.rejected;
  }
  report << "Holes: " << jobs.size() << "; cards per hole min " << cardCounts.front() << ", median "
         << cardCounts[cardCounts.size() / 2] << ", max " << cardCounts.back() << "\n";
  report << "Deals per hole: " << deals << "; deals solved: " << solves << " in " << seconds
         << " s of search and play (" << (solves ? 1000.0 * seconds / solves : 0)
         << " ms per deal); searches cut by the node budget: " << incomplete
         << "; designs refused by the checks: " << rejected << "\n";
  report << "Per course: number, name, holes, timed, cards, par, full-knowledge search at or under par"
            " (share of hole deals), careful player under par (share of hole deals), careful player"
            " wins the purse (share of simulated rounds), unlock rule\n";
  for (int c = 0; c < COURSE_COUNT; ++c) {
    int reach = 0, under = 0, total = 0, par = 0, cards = 0;
    std::vector<int> roundTotals(deals, 0);
    for (const auto& job : jobs) {
      if (job.course != c) continue;
      par += job.par;
      cards += static_cast<int>(job.design.hole.cards.size());
      for (int t = 0; t < deals; ++t) {
        reach += job.sample.best[t] <= job.par ? 1 : 0;
        under += job.sample.player[t] < job.par ? 1 : 0;
        roundTotals[t] += std::min(job.sample.player[t] - job.par, 5);
        ++total;
      }
    }
    const int purses = static_cast<int>(std::count_if(roundTotals.begin(), roundTotals.end(), [](int v) { return v < 0; }));
    char line[400];
    std::snprintf(line, sizeof line, "%2d %-22s %2d %s %4d %4d  %5.1f%%  %5.1f%%  %5.1f%%  %s %d\n", c + 1,
                  courses[c].name.c_str(), courses[c].holes, courses[c].timed ? "T" : "-", cards, par,
                  100 * Share(reach, total), 100 * Share(under, total), 100 * Share(purses, deals),
                  courses[c].unlockWord.empty() ? "-" : courses[c].unlockWord.c_str(), courses[c].unlockValue);
    report << line;
  }
  report << FirstCourseFigures(jobs);
  report << lessons;
  report << "Examples of refused designs:\n";
  int shown = 0;
  for (const auto& job : jobs)
    if (job.rejected > 0 && shown < 8) {
      report << "  course " << job.course + 1 << " hole " << job.hole + 1 << ": " << job.rejectReason << "\n";
      ++shown;
    }
  std::cout << report.str();
  if (!reportPath.empty()) WriteText(reportPath, report.str());
  return 0;
}
