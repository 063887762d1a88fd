#include "progress/best_score_list.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <map>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "platform/files.h"
#include "progress/counted_string.h"
#include "progress/stat.h"
#include "util/error.h"
#include "util/files.h"
#include "util/strings.h"

namespace {

// Made-up players of a new table; only the first word of each is stored.
constexpr const char* kNames[TBestScoreList::NAME_COUNT] = {
    "Ada Quill",      "Barnaby Fenn",   "Clara Oakes",     "Dmitri",         "Edith Marsh",
    "Felix Crane",    "Greta Holm",     "Hugo Bell",       "Iris Lane",      "Jasper Wren",
    "Kit",            "Lotte Brandt",   "Milo Reyes",      "Nora Vale",      "Otto Berg",
    "Pippa Rowe",     "Quentin Ash",    "Rosa Delgado",    "Silas Moor",     "Tilly Finch",
    "Ugo Ferri",      "Vera Lind",      "Walt Hughes",     "Xavier Dunn",    "Yara Sol",
    "Zeke",           "Abel Stone",     "Bea Hart",        "Cyril Webb",     "Daphne Cole",
    "Elias Rook",     "Flora Dean",     "Gus Palmer",      "Hattie Shaw",    "Ivo Petrov",
    "June Ellis",     "Kasper Lund",    "Lola Brooks",     "Magnus Reid",    "Nell Carver",
    "Oscar Pike",     "Petra Novak",    "Quincy Hale",     "Ruby Tate",      "Stellan Vik",
    "Tess Morrow",    "Ulla Kask",      "Vince Ortega",    "Wanda Price",    "Xena Rhodes",
    "Yusuf Kaya",     "Zelda Frost",    "Archie Bloom",    "Bonnie Gray",    "Cosmo",
    "Delia Ward",     "Emil Sato",      "Fern Abbott",     "Gideon Lowe",    "Hazel Quinn",
    "Ike Barrow",     "Jolene Park",    "Kai Mercer",      "Lena Horvat",    "Monty Fisk",
    "Nadia Rahman",   "Orla Byrne",     "Percy Gould",     "Rita Mendes",    "Sol Adler",
    "Tobias Grey",    "Una Stroud",     "Viggo Holt",      "Winnie Cho",     "Yann Leclerc",
    "Zora Beck",      "Alfie Dunmore",  "Bess Hollis",     "Caspar Vey",     "Dora Kemp",
    "Ezra Lyle",      "Freya Nash",     "Gil Santos",      "Hester Pryce",   "Ingrid Falk",
    "Jude Carrow",    "Kenji Mori",     "Lyra Hext",       "Mabel Dorsey",   "Nico Bruno",
    "Olive Trent",    "Pablo Ruiz",     "Rhoda Finn",      "Sven Aas",       "Thea Voss",
    "Ulric Penn",     "Vivi",           "Wes Calder",      "Yvette Roux",    "Zane Orr",
    "Agnes Pratt",    "Bram Vos",       "Cleo Marsh",      "Dex",            "Elsie Pond",
    "Fritz Ober",     "Ginny Lark",     "Horace Kell",     "Ines Costa",     "Jonty Reeve",
    "Kira Sorel",     "Lionel Hay",     "Martha Gale",     "Ned Truss",      "Odile Marchand",
    "Piers Lydon",    "Ramona Scott",   "Sid Farrow",      "Trudy Bell",     "Umberto Gallo",
    "Valda Crisp",    "Wilf Ambler",    "Yolanda Ibarra",  "Zac Hollow",     "Alma Fry",
    "Boris Kuznets",  "Corin Slade",    "Dottie Pennell",  "Elmer Stroud",   "Faye Linden",
    "Gordy",          "Hana Ueda",      "Ira Bloomfield",  "Jess Tolland",   "Kurt Maier",
    "Leonie Brook",   "Mungo Kerr",     "Nina Ostrova",    "Orrin Walsh",    "Priya Nair",
    "Rufus Dale",     "Sigrid Ek",      "Tam Gilroy",      "Ursula Penrose", "Vito",
    "Willa Hearn",    "Yorick Bane",    "Zina Markov",     "Ambrose Teal",   "Birdie",
    "Calum Frew",     "Dulcie Hale",    "Eamon Roche",     "Fenna de Wit",   "Gwen Ashby",
};

}  // namespace

std::string TBestScoreList::Path() { return (Game ? Game->SubPath : std::string()) + "best.dat"; }

std::vector<std::shared_ptr<TBestScore>> TBestScoreList::ForCourse(int course) const {
  std::vector<std::shared_ptr<TBestScore>> out;
  for (const auto& e : Entries)
    if (e && e->course == course && static_cast<int>(out.size()) < PER_COURSE) out.push_back(e);
  return out;
}

int TBestScoreList::Add(const std::string& name, int score, const std::string& date,
                        const std::string& time, int course, int real) {
  auto e = std::make_shared<TBestScore>();
  e->name = name;
  e->score = score;
  e->date = date;
  e->time = time;
  e->course = course;
  e->real = real;
  Entries.push_back(e);
  return 0;
}

int TBestScoreList::GenerateCourse(int course, const std::string& date, const std::string& time) {
  std::array<int, PER_COURSE> scores{};
  for (auto& s : scores) s = EffectsRandom.Rand(-15, 15);
  std::sort(scores.begin(), scores.end());
  for (const int s : scores) {
    const std::string name = kNames[EffectsRandom.Rand(0, NAME_COUNT - 1)];
    Add(ccFirstStringToSub(name, " "), s, date, time, course, 0);
  }
  return 0;
}

int TBestScoreList::Generate() {
  const std::string date = StatDateNow();
  const std::string time = StatTimeNow();
  const int courses = Game ? Game->MaxLevels : 0;
  for (int c = 0; c < courses; ++c) GenerateCourse(c, date, time);
  return 0;
}

int TBestScoreList::Insert(const std::string& name, int score, int course, int real) {
  auto e = std::make_shared<TBestScore>();
  e->name = name;
  e->score = score;
  e->course = course;
  e->real = real;
  e->date = StatDateNow();
  e->time = StatTimeNow();
  int place = 0;
  int result = -1;
  auto lastOfCourse = Entries.end();
  for (auto it = Entries.begin(); it != Entries.end(); ++it) {
    if (!*it || (*it)->course != course) continue;
    ++place;
    lastOfCourse = it;
    if ((*it)->score >= score) {
      result = (place == 1 && score < (*it)->score) ? 0 : place;
      Entries.insert(it, e);
      break;
    }
  }
  if (result < 0) {
    // A worse score still takes the next place while the course has room.
    if (place >= PER_COURSE) return -1;
    Entries.insert(lastOfCourse == Entries.end() ? Entries.end() : std::next(lastOfCourse), e);
    result = place + 1;
  }
  int seen = 0;
  for (auto it = Entries.begin(); it != Entries.end();) {
    if (*it && (*it)->course == course && ++seen > PER_COURSE) {
      it = Entries.erase(it);
    } else {
      ++it;
    }
  }
  return result;
}

bool TBestScoreList::ParseRecords(const std::vector<unsigned char>& bytes,
                                  std::list<std::shared_ptr<TBestScore>>& out) {
  platform::InStream in(bytes);
  while (in.Position() < in.Size()) {
    auto e = std::make_shared<TBestScore>();
    if (!ReadCountedString(in, e->name, MAX_STRING_LENGTH, nullptr)) return false;
    e->score = in.ReadInt();
    if (!ReadCountedString(in, e->date, MAX_STRING_LENGTH, nullptr)) return false;
    if (!ReadCountedString(in, e->time, MAX_STRING_LENGTH, nullptr)) return false;
    e->course = in.ReadInt();
    e->real = in.ReadInt();
    if (in.Failed()) return false;
    out.push_back(e);
  }
  return true;
}

int TBestScoreList::Load() {
  Entries.clear();
  LastError.clear();
  KeptInPlace = false;
  const std::string path = Path();
  platform::BoundedRead file = platform::ReadBoundedFile(path, BEST_SCORES_FILE_MAX_BYTES);
  if (!file.Read() && !file.Missing()) {
    // Not a plain file, far too large to hold best scores, or one that cannot be read: kept unread,
    // reported, and a new table is made.
    KeptInPlace = !ccSetPlayerFileAside("The best scores file", path, file.reason, &LastError);
    Generate();
    Save();
    return 0;
  }
  if (!file.Read()) {
    Generate();
    Save();
    return 0;
  }
  std::list<std::shared_ptr<TBestScore>> read;
  const bool whole = ParseRecords(file.bytes, read);
  bool changed = false;
  if (!whole) {
    const std::string aside = platform::SetFileAside(path);
    LastError = "The best scores file '" + path + "' is damaged; its whole entries have been kept" +
                (aside.empty() ? std::string(".") : " and the file has been put aside as '" + aside + "'.");
    ccRunTimeError(LastError, 0);
    changed = true;
  }
  // At most five entries per course, the first five of the file.
  std::map<int, int> perCourse;
  for (const auto& e : read) {
    if (++perCourse[e->course] > PER_COURSE) {
      changed = true;
      continue;
    }
    Entries.push_back(e);
  }
  // A course with no entry (a damaged or older file) gets made-up ones, so its table is full.
  const int courses = Game ? Game->MaxLevels : 0;
  std::string date, time;
  for (int c = 0; c < courses; ++c) {
    if (perCourse.count(c) != 0) continue;
    if (date.empty()) {
      date = StatDateNow();
      time = StatTimeNow();
    }
    // Keep the grouping by course: the new entries go before the first entry of a later course.
    TBestScoreList fresh;
    fresh.GenerateCourse(c, date, time);
    auto at = std::find_if(Entries.begin(), Entries.end(), [c](const auto& e) { return e->course > c; });
    Entries.splice(at, fresh.Entries);
    changed = true;
  }
  if (changed) Save();
  return 0;
}

int TBestScoreList::PrintOut() {
  std::cout << "==================\n" << "Count=" << Count() << "\n";
  for (const auto& e : Entries)
    std::cout << ccPadWithZeros(std::to_string(e->course), 2) << "=" << e->name << "," << e->score
              << " " << e->date << " " << e->time << "\n";
  std::cout << "==================\n";
  return 0;
}

int TBestScoreList::Save() {
  if (KeptInPlace) return -1;
  platform::OutStream out;
  for (const auto& e : Entries) {
    if (!e) continue;
    WriteCountedString(out, e->name);
    out.WriteInt(e->score);
    WriteCountedString(out, e->date);
    WriteCountedString(out, e->time);
    out.WriteInt(e->course);
    out.WriteInt(e->real);
  }
  const std::string path = Path();
  std::string error;
  if (!out.Commit(path, &error)) {
    // Not fatal: the table stays in memory and play goes on.
    LastError = "Failed to save file " + path + ": " + error;
    ccSaveRefused(LastError);
    return -1;
  }
  return 0;
}
