// The announcer: one pending remark, loaded and played by the chances of the speech chances file,
// and the course welcome.

#include <string>

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

int TGameScreen::SpeechLoad(const std::string& category, const std::string& file) {
  const int p = Chance(category);
  AnnouncerSound.reset();
  if (EffectsRandom.Rand(1, 100) > p) return 0;
  AnnouncerSound = TGameSound::Create(Game->SpeechPath + file + ".ogg", 0);
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  return 0;
}

int TGameScreen::SpeechPlay(const std::string& category) {
  if (!AnnouncerSound) return 0;
  const int p = category.empty() ? 100 : Chance(category);
  if (EffectsRandom.Rand(1, 100) <= p) Game->SpeechPlay(*AnnouncerSound, 0);
  return 0;
}
