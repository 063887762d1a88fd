#include "progress/progress_rules.h"

#include <algorithm>
#include <cmath>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/image_bank.h"
#include "gfx/globals.h"
#include "gfx/shadow.h"
#include "gfx/sound_bank.h"
#include "progress/currency.h"
#include "progress/globals.h"
#include "progress/player.h"
#include "progress/progress_events.h"
#include "ui/dialog_ok.h"
#include "ui/profile.h"
#include "util/maths.h"
#include "util/strings.h"

namespace {

// The reward's picture at its place, at most `scale` (and at most the scale its dialog gave it to
// fit the frame) and smaller where it would otherwise reach over the edge of the dialog's frame.
void KeepPictureInside(TDialogOK& dialog, float scale) {
  scale = std::min(scale, dialog.PictureScale);
  dialog.PictureScale = dialog.Picture
                            ? dialog.ScaleToKeepInside(*dialog.Picture, dialog.PictureX, dialog.PictureY, scale)
                            : scale;
}

constexpr int RANK_BONUS = 500;
constexpr int TROPHY_PRIZE = 500;

std::shared_ptr<TPlayer> CurrentPlayer() { return ProgressEvents().Player(); }
std::shared_ptr<TSaveData> CurrentSave() {
  auto p = CurrentPlayer();
  return p ? p->SaveData : nullptr;
}

std::string Text(const std::string& key) { return GameText ? GameText->FindString(key) : std::string(); }

std::string ReplaceAll(std::string s, const std::string& from, const std::string& to) {
  for (std::size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += to.size())
    s.replace(pos, from.size(), to);
  return s;
}

std::shared_ptr<TGameSound> Sound(const std::string& name) { return sounds ? sounds->Find(name) : nullptr; }

std::shared_ptr<TGameChannel> PlayCrowd(const std::string& name) {
  auto sound = Sound(name);
  if (!sound || !Game || !Game->Channels) return nullptr;
  return Game->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
}

int MaxLevels() {
  const int listed = CourseList ? static_cast<int>(CourseList->size()) : 0;
  return Game ? std::min(Game->MaxLevels, listed) : listed;
}

}  // namespace

std::shared_ptr<TCourse> CourseAtIndex(int index) {
  if (!CourseList || index < 0 || index >= static_cast<int>(CourseList->size())) return nullptr;
  return (*CourseList)[static_cast<std::size_t>(index)];
}

int CourseGetIndex(const std::string& name) {
  if (!CourseList) return -1;
  int index = 0;
  for (const auto& c : *CourseList) {
    if (!c) continue;
    if (c->Name == name) return index;
    ++index;
  }
  return -1;
}

std::shared_ptr<TCourse> CourseFind(const std::string& name) {
  if (!CourseList) return nullptr;
  for (const auto& c : *CourseList)
    if (c && c->Name == name) return c;
  return nullptr;
}

int CourseGetTypeInteger(const std::string& word) {
  static constexpr const char* kTypes[] = {"BEACH", "CITY",   "COUNTRY",  "DESERT", "FOREST",
                                           "JAPAN", "JUNGLE", "MOUNTAIN", "MUNI",   "SCOT"};
  const std::string w = ccUpperCase(word);
  for (int i = 0; i < 10; ++i)
    if (w == kTypes[i]) return i;
  return 0;
}

int GivePrize(int amount) {
  if (auto p = CurrentPlayer()) p->Score = ccSaturatingAdd(p->Score, amount);
  if (Game && Game->CurrentProfile)
    Game->CurrentProfile->Score = ccSaturatingAdd(Game->CurrentProfile->Score, amount);
  if (auto s = CurrentSave(); s && s->CareerStats) s->CareerStats->CareerEarnings->Increase(amount);
  return 0;
}

int CourseUnlock(int code, int value, int atLeast) {
  auto player = CurrentPlayer();
  auto save = CurrentSave();
  if (!player || !save) return 0;
  auto& events = ProgressEvents();
  if (player->TimeLimit > 0) return 0;
  const std::string current = GameGrid ? GameGrid->LevelName : save->CourseName;
  const int index = CourseGetIndex(current);
  const int last = MaxLevels() - 1;
  // An unlisted course (index -1) never opens anything.
  if (index < 0 || index >= last || index + 1 >= TSaveData::MAX_COURSES) return 0;
  if (save->UnlockedCourses[static_cast<std::size_t>(index)] != COURSE_OPEN) return 0;
  auto next = CourseAtIndex(index + 1);
  if (!next || next->UnlockCode != code) return 0;
  events.RankUnlocked() = 0;
  events.ItemUnlocked() = 0;
  const bool met = atLeast != 0 ? value >= next->UnlockValue : value <= next->UnlockValue;
  if (!met) return 0;

  // Only courses still locked open: a course opened before is neither reset nor paid again.
  std::vector<std::shared_ptr<TCourse>> opened;
  auto& states = save->UnlockedCourses;
  if (states[static_cast<std::size_t>(index + 1)] == COURSE_LOCKED) opened.push_back(next);
  if (index + 1 < last && index + 2 < TSaveData::MAX_COURSES) {
    auto second = CourseAtIndex(index + 2);
    if (second && second->UnlockedBy == current &&
        states[static_cast<std::size_t>(index + 2)] == COURSE_LOCKED)
      opened.push_back(second);
  }
  // The goal is met either way: the current course is completed.
  states[static_cast<std::size_t>(index)] = COURSE_COMPLETED;
  if (opened.empty()) return 0;

  int prize = 0;
  std::string names;
  for (const auto& c : opened) {
    states[static_cast<std::size_t>(CourseGetIndex(c->Name))] = COURSE_OPEN;
    prize = ccSaturatingAdd(prize, c->UnlockPrize);
    events.RankUnlocked() += c->UnlockRank;
    events.ItemUnlocked() += c->UnlockItem;
    player->Unlocked += 1;
    names += names.empty() ? c->Name : " " + Text("And") + " " + c->Name;
  }
  std::string message = ReplaceAll(Text("Unlocked Course Message"), "NN", names);
  message = ReplaceAll(message, "XX", GetCurrencyChar() + std::to_string(prize));
  GivePrize(prize);

  TRewardDialog d;
  d.Text = message;
  d.Header = "course_unlocked";
  d.Picture = (Game ? Game->ImagePath : std::string()) + "dialogs/unlocked.png";
  d.X = 25;
  d.Y = 206;
  // Two names and the prize do not fit the small frame's four lines.
  if (opened.size() > 1) d.Frame = "dialog_largerect";
  if (RewardDialogBuilder) events.UnlockedDialog() = RewardDialogBuilder(d);
  if (auto& dialog = events.UnlockedDialog()) {
    dialog->ActivateSound = Sound("dialog_unlock_course");
    KeepPictureInside(*dialog, 1.0f);
    dialog->PictureShadow = TShadow::Create(4, 4, 0.5f);
  }

  // The rank and the shop's items have 13 and 11 steps; grants that pile up stop there.
  save->Rank = std::min(save->Rank + events.RankUnlocked(), TSaveData::MAX_RANK);
  save->AvatarItemUnlocked =
      std::min(save->AvatarItemUnlocked + events.ItemUnlocked(), TSaveData::MAX_ITEM_UNLOCKED);
  if (events.RankUnlocked() > 0) GivePrize(RANK_BONUS);
  return 1;
}

int AwardTrophy(int slot) {
  auto save = CurrentSave();
  if (!save) return 0;
  auto& events = ProgressEvents();
  const int id = events.TrophyDialogTake(slot);
  if (id < 0 || id >= TSaveData::TROPHIES) return 0;
  const std::string n = std::to_string(id);
  std::string message = Text("Trophy Dialog Top") + " " + Text("Trophy Dialog Text " + n);
  message = ReplaceAll(message, "NN", Text("Trophy " + n));
  message += "\r\n" + Text("Trophy Dialog Prize");
  message = ReplaceAll(message, "XX", GetCurrencyChar() + std::to_string(TROPHY_PRIZE));
  GivePrize(TROPHY_PRIZE);

  std::string picture = "Trophy" + n;
  int y = 240;
  if (id == 0) {
    y -= 45;
    if (save->Male == 0) picture = "Trophy0b";
  }
  TRewardDialog d;
  d.Text = message;
  d.Header = "trophy_awarded";
  d.Picture = (Game ? Game->ImagePath : std::string()) + "TrophyRoom/" + picture + ".png";
  d.X = 26;
  d.Y = y;
  d.Frame = "dialog_largerect";
  // The championship cup's picture is drawn at half its size.
  d.Scale = id == 0 ? 0.5f : 1.0f;
  if (RewardDialogBuilder) events.UnlockedDialog() = RewardDialogBuilder(d);
  if (auto& dialog = events.UnlockedDialog()) {
    dialog->ActivateSound = Sound("dialog_unlock_trophy");
    KeepPictureInside(*dialog, id == 0 ? 0.5f : 1.0f);
    dialog->PictureShadow = TShadow::Create(4, 4, 0.5f);
  }
  save->Trophies[static_cast<std::size_t>(id)] = 1;
  return 0;
}

int GetPurse(int purse) {
  auto save = CurrentSave();
  if (!save || save->AvatarItems[11] != 1) return purse;
  return ccSaturatingInt(std::ceil(static_cast<float>(purse) * 1.15f));
}

int SetNewLevelHTP(int hole) {
  auto save = CurrentSave();
  if (!save) return 0;
  auto course = CourseFind(save->CourseName);
  if (!course || hole < 1 || hole > course->Holes || hole > MAX_COURSE_HOLES) {
    save->HTP = 0;
    return 0;
  }
  const auto h = static_cast<std::size_t>(hole - 1);
  save->HTP = course->HoleTotalCards[h] - course->HolePars[h];
  return 0;
}

std::string GetHTPString(int n) {
  if (n > 0) return "+" + std::to_string(n);
  if (n == 0) return "E";
  return std::to_string(n);
}

std::shared_ptr<TGameChannel> PlayCheer(int lo, int hi) {
  if (hi == 0) hi = 6;
  return PlayCrowd("Crowd_Cheer" + std::to_string(EffectsRandom.Rand(lo, hi)));
}

std::shared_ptr<TGameChannel> PlayGroan() {
  return PlayCrowd("Crowd_Groan" + std::to_string(EffectsRandom.Rand(1, 6)));
}
