// The announcer: one pending remark, loaded and played by the chances of the speech chances file,
// and the course welcome.

#include <array>
#include <string>
#include <vector>

#include "content/course.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "platform/random.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "util/value_list.h"

namespace {

// The percent of a category in the speech chances file: 0 when the file does not name it.
int Chance(const std::string& category) {
  if (!SpeechChances) return 0;
  auto entry = SpeechChances->GetValueByName(category);
  return entry ? entry->value : 0;
}

}  // namespace

int TGameScreen::SpeechClear() {
  AnnouncerSound.reset();
  return 0;
}

int TGameScreen::SpeechCourseLoad() {
  auto course = CourseFind(Player->SaveData->CourseName);
  if (!course) return 0;
  const int type = CourseGetTypeInteger(course->CourseType);
  const int totals = SpeechCourseTotals[static_cast<std::size_t>(type)];
  const int n = EffectsRandom.Rand(1, totals);
  AnnouncerSound =
      TGameSound::Create(Game->SpeechPath + "course/" + course->CourseType + std::to_string(n) + ".ogg", 0);
  return 0;
}

int TGameScreen::SpeechLoad(const std::string& category, const std::string& file,
                            std::shared_ptr<TGameSound> loaded) {
  const int p = Chance(category);
  AnnouncerSound.reset();
  if (EffectsRandom.Rand(1, 100) > p) return 0;
  AnnouncerSound =
      loaded ? std::move(loaded) : TGameSound::Create(Game->SpeechPath + file + ".ogg", 0);
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  return 0;
}

int TGameScreen::SpeechPlay(const std::string& category) {
  if (!AnnouncerSound) return 0;
  const int p = category.empty() ? 100 : Chance(category);
  if (EffectsRandom.Rand(1, 100) <= p) Game->SpeechPlay(*AnnouncerSound, 0);
  return 0;
}

std::vector<std::string> AnnouncerRecordings(const std::string& courseType) {
  std::vector<std::string> names;
  auto numbered = [&names](const std::string& stem, int first, int last) {
    for (int i = first; i <= last; ++i) names.push_back(stem + std::to_string(i) + ".ogg");
  };
  static const char* const kTypes[] = {"BEACH", "CITY",   "COUNTRY",  "DESERT", "FOREST",
                                       "JAPAN", "JUNGLE", "MOUNTAIN", "MUNI",   "SCOT"};
  static const std::array<int, 10> kWelcomes{3, 3, 3, 3, 3, 4, 5, 4, 4, 2};
  for (int t = 0; t < 10; ++t)
    if (courseType.empty() || courseType == kTypes[t])
      numbered(std::string("course/") + kTypes[t], 1, kWelcomes[static_cast<std::size_t>(t)]);
  numbered("idle/idle", 1, 29);
  numbered("misc/perfect", 1, 8);
  for (const char* stem : {"birdie", "doubleeagle", "tripleeagle", "par", "bogey", "doublebogey"})
    numbered(std::string("endofhole/") + stem, 1, 3);
  numbered("endofhole/eagle", 1, 2);
  numbered("endofhole/plusfive", 1, 8);
  numbered("misc/nearperfect", 1, 3);
  for (int iron = 2; iron <= 9; ++iron) numbered("iron/iron" + std::to_string(iron) + "_", 1, 2);
  numbered("misc/foundwedge", 1, 3);
  numbered("wildshot/wild", 1, 9);
  numbered("longdrive/longdrive", 1, 5);
  numbered("longdrive/drivehit", 1, 5);
  numbered("misc/watercleared", 1, 3);
  // The mini-game stories 25 and 26 speak in takes of their own (a, b, c).
  numbered("wildshot/wildevent", 1, 24);
  numbered("wildshot/wildevent", 27, 29);
  for (const char* take : {"25a", "25b", "26a", "26b", "26c"})
    names.push_back(std::string("wildshot/wildevent") + take + ".ogg");
  return names;
}
