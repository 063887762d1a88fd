#include "progress/profile_hooks.h"

#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "progress/player.h"
#include "progress/progress_events.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "ui/profile.h"
#include "util/error.h"

namespace {

std::shared_ptr<TSaveData> CurrentSave() {
  auto player = ProgressEvents().Player();
  return player ? player->SaveData : nullptr;
}

// Reads the saved-game block into the current player; the block read is `profile`'s (when given),
// so its round must be one that can be played and its cash one that can be held.
int LoadSaveBlock(platform::InStream& in, TProfile* profile) {
  auto save = CurrentSave();
  if (!save) return 0;
  const int result = save->Load(in);
  if (!profile) return result;
  if (result < 0) {
    profile->LoadUserFault = save->LoadError;
  } else {
    CheckSavedRound(*profile);
    CheckSavedCash(*profile);
  }
  return result;
}

}  // namespace

int CreateProfileExtra(TProfile& profile) {
  if (auto save = CurrentSave()) save->Init(profile);
  return 0;
}

int SaveProfileExtra(platform::OutStream& out) {
  if (auto save = CurrentSave()) save->Save(out);
  return 0;
}

int LoadProfileExtra(platform::InStream& in) {
  return LoadSaveBlock(in, Game ? Game->CurrentProfile.get() : nullptr);
}

int CheckSavedRound(TProfile& profile) {
  auto save = CurrentSave();
  if (!save || !CourseList || CourseList->empty()) return 0;
  if (save->MidCourse == 0 && save->MidHole == 0) return 0;
  auto course = CourseFind(save->CourseName);
  const int hole = profile.CurrentLevel;
  if (course && hole >= 1 && hole <= course->Holes) return 0;
  const std::string why = course ? "hole " + std::to_string(hole) + " is not one of its holes"
                                 : "it is not among the game's courses";
  save->EndRound();
  profile.CurrentLevel = 1;
  ccRunTimeError("The round saved on the course '" + save->CourseName + "' for " + profile.Name +
                     " cannot be continued (" + why + "). The round has been ended.",
                 0);
  return 1;
}

int CheckSavedCash(TProfile& profile) {
  if (profile.Score >= 0) return 0;
  const std::string held = std::to_string(profile.Score);
  profile.Score = 0;
  ccRunTimeError("The player profile '" + profile.Path() + "' holds cash of " + held +
                     ", which cannot be; the cash has been set to 0.",
                 0);
  return 1;
}

void InstallProfileHooks(TProfile& profile) {
  profile.SaveUserFunction = SaveProfileExtra;
  TProfile* self = &profile;  // the hook lives inside the profile, so it never outlives it
  profile.LoadUserFunction = [self](platform::InStream& in) { return LoadSaveBlock(in, self); };
}

int CreateProfile(const std::string& name) {
  if (!Game) return -1;
  Game->ProfileName = name;
  Game->CurrentProfile = TProfile::Create(Game->ProfileName);
  InstallProfileHooks(*Game->CurrentProfile);
  int male = 0, head = 0;
  if (auto save = CurrentSave(); save && ProgressEvents().AvatarChoice(male, head)) {
    save->Male = male != 0 ? 1 : 0;
    save->Avatar = std::clamp(head, 0, TSaveData::MAX_AVATAR);
  }
  const int loaded = Game->CurrentProfile->Load();
  Game->IniUpdate(1);
  return loaded < 0 ? -1 : 0;
}
